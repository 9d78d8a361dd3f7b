#pragma once
// The database operation questions of one set: for each of the three types the
// task's line slots from slot 1 on, and the reference answer's steps from step 1 on.
// A slot or step of several lines carries CR LF between them.
#include <span>
#include <string_view>

namespace exercises {

struct OperationSetContent {
    std::span<const std::string_view> basicTask;          // 基本操作题
    std::span<const std::string_view> simpleTask;         // 简单应用题
    std::span<const std::string_view> comprehensiveTask;  // 综合应用题
    std::span<const std::string_view> basicAnswer;
    std::span<const std::string_view> simpleAnswer;
    std::span<const std::string_view> comprehensiveAnswer;
};

const OperationSetContent& operationSet01();
const OperationSetContent& operationSet02();
const OperationSetContent& operationSet03();
const OperationSetContent& operationSet04();
const OperationSetContent& operationSet05();
const OperationSetContent& operationSet06();
const OperationSetContent& operationSet07();
const OperationSetContent& operationSet08();
const OperationSetContent& operationSet09();
const OperationSetContent& operationSet10();
const OperationSetContent& operationSet11();
const OperationSetContent& operationSet12();
const OperationSetContent& operationSet13();
const OperationSetContent& operationSet14();
const OperationSetContent& operationSet15();
const OperationSetContent& operationSet16();
const OperationSetContent& operationSet17();
const OperationSetContent& operationSet18();
const OperationSetContent& operationSet19();
const OperationSetContent& operationSet20();
const OperationSetContent& operationSet21();
const OperationSetContent& operationSet22();
const OperationSetContent& operationSet23();
const OperationSetContent& operationSet24();
const OperationSetContent& operationSet25();
const OperationSetContent& operationSet26();

}  // namespace exercises
