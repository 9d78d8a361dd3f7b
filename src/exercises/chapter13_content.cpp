#include "exercises/chapter_bank_content.h"

namespace exercises {

std::span<const ChoiceRecord> chapter13() {
    static const ChoiceRecord records[] = {
        // 1: the two documents of a merge
        {"1.在Word 2010中进行邮件合并，除了主文档以外，还必须有（）。",
         {"(A)模板文件", "(B)数据源", "(C)样式集", "(D)宏"},
         "B",
         "   邮件合并把主文档中固定不变的内容与数据源中逐条变化的数据（如姓名、地址）结合起来，批量生成文档，数据源可以是Excel工作表、Access数据库或Word表格等。"},
        // 2: inserting a merge field
        {"2.要在主文档中插入数据源的字段，应单击“邮件”选项卡“编写和插入域”组中的（）。",
         {"(A)开始邮件合并", "(B)选择收件人", "(C)完成并合并", "(D)插入合并域"},
         "D",
         "   先在“开始邮件合并”组中选择文档类型和收件人（数据源），再把插入点放在要填数据的位置，单击“插入合并域”选择字段；最后单击“完成”组中的“完成并合并”生成合并文档。"},
    };
    return records;
}

}  // namespace exercises
