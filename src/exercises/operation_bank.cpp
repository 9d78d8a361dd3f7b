#include "exercises/operation_bank.h"

#include <array>

namespace exercises {

std::string operationSetName(int number) { return "操作题（第" + std::to_string(number) + "套）"; }

const OperationSetContent& operationSet(int number) {
    using Getter = const OperationSetContent& (*)();
    static constexpr std::array<Getter, kOperationSetCount> sets = {
        operationSet01, operationSet02, operationSet03, operationSet04, operationSet05, operationSet06, operationSet07,
        operationSet08, operationSet09, operationSet10, operationSet11, operationSet12, operationSet13, operationSet14,
        operationSet15, operationSet16, operationSet17, operationSet18, operationSet19, operationSet20, operationSet21,
        operationSet22, operationSet23, operationSet24, operationSet25, operationSet26};
    return sets.at(static_cast<std::size_t>(number - 1))();
}

std::span<const std::string_view> operationTask(int number, OperationType type) {
    const OperationSetContent& set = operationSet(number);
    switch (type) {
        case OperationType::Basic:
            return set.basicTask;
        case OperationType::Simple:
            return set.simpleTask;
        case OperationType::Comprehensive:
            break;
    }
    return set.comprehensiveTask;
}

std::span<const std::string_view> referenceAnswer(int number, OperationType type) {
    const OperationSetContent& set = operationSet(number);
    switch (type) {
        case OperationType::Basic:
            return set.basicAnswer;
        case OperationType::Simple:
            return set.simpleAnswer;
        case OperationType::Comprehensive:
            break;
    }
    return set.comprehensiveAnswer;
}

}  // namespace exercises
