#pragma once
// The chapter exercises' choice records, one list a chapter, in the order the
// chapter rows are looked up (1 "概述" … 7 "Internet基础及应用" of 计算机基础知识,
// 8 "以任务为导向的应用界面" … 13 "使用邮件合并技术批量处理文档" of the Word subject).
// Record k of a chapter is question k; its answer letter names the right option.
#include <span>

#include "bank/choice_record.h"

namespace exercises {

std::span<const ChoiceRecord> chapter01();  // 概述, 20
std::span<const ChoiceRecord> chapter02();  // 信息的表示与存储, 48
std::span<const ChoiceRecord> chapter03();  // 计算机硬件系统, 35
std::span<const ChoiceRecord> chapter04();  // 计算机软件系统, 20
std::span<const ChoiceRecord> chapter05();  // 多媒体技术简介, 8
std::span<const ChoiceRecord> chapter06();  // 计算机病毒及其防治, 8
std::span<const ChoiceRecord> chapter07();  // Internet基础及应用, 60
std::span<const ChoiceRecord> chapter08();  // 以任务为导向的应用界面, 4
std::span<const ChoiceRecord> chapter09();  // 创建并编辑文档, 11
std::span<const ChoiceRecord> chapter10();  // 美化文档外观, 6
std::span<const ChoiceRecord> chapter11();  // 长文档的编辑与管理, 8
std::span<const ChoiceRecord> chapter12();  // 文档的修订与共享, 2
std::span<const ChoiceRecord> chapter13();  // 使用邮件合并技术批量处理文档, 2

}  // namespace exercises
