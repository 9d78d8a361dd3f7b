#include "exercises/chapter_bank.h"

#include "exercises/chapter_bank_content.h"

namespace exercises {

namespace {

constexpr std::string_view kRedoFromHere =
    "本套选择题已做完！如果想重做，请单击“上一题”按钮。单击“返回”按钮可选择其它章节进行训练。";
constexpr std::string_view kTryAnotherType =
    "本套选择题已做完！，如果想重做，请单击“上一题”按钮。单击“习题类型”下的三角按钮可选择“操作题”习题类型进行训练。";

}  // namespace

std::span<const ChapterRow> chapterRows() {
    static const ChapterRow rows[] = {
        {kBasicsSubject, "概述", true, true, kRedoFromHere, chapter01},
        {kBasicsSubject, "信息的表示与存储", true, true, kRedoFromHere, chapter02},
        {kBasicsSubject, "计算机硬件系统", true, true, kRedoFromHere, chapter03},
        {kBasicsSubject, "计算机软件系统", false, false, kRedoFromHere, chapter04},
        {kBasicsSubject, "多媒体技术简介", false, false, kRedoFromHere, chapter05},
        {kBasicsSubject, "计算机病毒及其防治", false, false, kRedoFromHere, chapter06},
        // Sorted under the basics, but it ends like the Word chapters.
        {kBasicsSubject, "Internet基础及应用", false, true, kTryAnotherType, chapter07},
        {kWordSubject, "以任务为导向的应用界面", false, false, kTryAnotherType, chapter08},
        {kWordSubject, "创建并编辑文档", false, false, kTryAnotherType, chapter09},
        {kWordSubject, "美化文档外观", true, true, kTryAnotherType, chapter10},
        {kWordSubject, "长文档的编辑与管理", true, true, kTryAnotherType, chapter11},
        {kWordSubject, "文档的修订与共享", true, true, kTryAnotherType, chapter12},
        {kWordSubject, "使用邮件合并技术批量处理文档", true, true, kTryAnotherType, chapter13},
    };
    return rows;
}

const ChapterRow* findChapter(std::string_view subject, std::string_view chapter, int typeIndex, Lookup lookup) {
    for (const ChapterRow& row : chapterRows()) {
        if (row.chapter != chapter || row.subject != subject) continue;
        const bool firstTypeOnly = lookup == Lookup::Browse ? row.firstTypeOnly : row.firstTypeOnlyForAnalysis;
        if (firstTypeOnly && typeIndex != 0) continue;
        return &row;
    }
    return nullptr;
}

const ChoiceRecord* findQuestion(const ChapterRow& row, int number) {
    const std::span<const ChoiceRecord> records = row.records();
    if (number < 1 || number > static_cast<int>(records.size())) return nullptr;
    return &records[static_cast<std::size_t>(number - 1)];
}

}  // namespace exercises
