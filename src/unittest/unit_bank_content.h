#pragma once
// The unit test's eight banks of forty choice records, numbered by their place in
// the unit list: 1 "数据结构与算法" … 8 "PowerPoint演示文稿".
#include "bank/choice_record.h"

namespace unittest {

using UnitRecords = std::array<ChoiceRecord, 40>;

const UnitRecords& unit1();  // 数据结构与算法
const UnitRecords& unit2();  // 程序设计基础
const UnitRecords& unit3();  // 软件工程基础
const UnitRecords& unit4();  // 数据库设计基础
const UnitRecords& unit5();  // 计算机基础知识
const UnitRecords& unit6();  // Word文字处理
const UnitRecords& unit7();  // Excel报表软件
const UnitRecords& unit8();  // PowerPoint演示文稿

}  // namespace unittest
