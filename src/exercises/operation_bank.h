#pragma once
// The 26 sets of database operation questions by number and type, and the names that
// the selection gives them.
#include <span>
#include <string>
#include <string_view>

#include "exercises/operation_bank_content.h"

namespace exercises {

// The three question types, in the order of their buttons.
enum class OperationType { Basic = 1, Simple = 2, Comprehensive = 3 };
inline constexpr int kOperationSetCount = 26;

// "操作题（第k套）" for k from 1 to 26.
std::string operationSetName(int number);

// Set k (1 to 26).
const OperationSetContent& operationSet(int number);
std::span<const std::string_view> operationTask(int number, OperationType type);
std::span<const std::string_view> referenceAnswer(int number, OperationType type);

}  // namespace exercises
