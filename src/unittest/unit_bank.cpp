#include "unittest/unit_bank.h"

#include "shared/module1.h"
#include "unittest/unit_bank_content.h"

namespace unittest {

const std::array<std::string_view, 8>& unitNames() {
    static constexpr std::array<std::string_view, 8> names = {"数据结构与算法", "程序设计基础",      "软件工程基础",
                                                              "数据库设计基础", "计算机基础知识",    "Word文字处理",
                                                              "Excel报表软件",  "PowerPoint演示文稿"};
    return names;
}

}  // namespace unittest

void LoadUnit(const std::string& name) {
    using namespace unittest;
    using Unit = const UnitRecords& (*)();
    static constexpr Unit units[] = {unit1, unit2, unit3, unit4, unit5, unit6, unit7, unit8};
    // The units of the last four list places are tried first, the default unit among them.
    for (std::size_t place : {4, 5, 6, 7, 0, 1, 2, 3}) {
        if (name != unitNames()[place]) continue;
        const UnitRecords& records = units[place]();
        for (int q = 1; q <= 40; ++q) writeRecord(q, records[static_cast<std::size_t>(q - 1)]);
        Module1::UnitQuestionCount = 40;
        return;
    }
}
