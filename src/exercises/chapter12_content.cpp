#include "exercises/chapter_bank_content.h"

namespace exercises {

std::span<const ChoiceRecord> chapter12() {
    static const ChoiceRecord records[] = {
        // 1: track changes
        {"1.在Word 2010中，要记录下对文档的插入、删除等修改，应单击“审阅”选项卡“修订”组中的（）。",
         {"(A)新建批注", "(B)比较", "(C)修订", "(D)拼写和语法"},
         "C",
         "   单击“修订”按钮（或按Ctrl+Shift+E）进入修订状态后，所有插入、删除和格式更改都以修订标记显示，作者可在“更改”组中逐条接受或拒绝；批注只添加意见，不记录修改。"},
        // 2: comparing two versions
        {"2.在Word 2010中，要对比两个版本的文档并标出差异，应使用“审阅”选项卡中的（）。",
         {"(A)比较", "(B)修订", "(C)限制编辑", "(D)翻译"},
         "A",
         "   单击“审阅”选项卡“比较”组中的“比较”→“比较”，分别选择原文档和修订的文档，Word会生成一份用修订标记标出两者差异的比较结果文档。"},
    };
    return records;
}

}  // namespace exercises
