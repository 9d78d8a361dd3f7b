#include "exercises/operation_bank_content.h"

// Books and publishers: keys, rule, relationship, Excel export; pattern and IIf queries; footer average, preview.
namespace exercises {
namespace {

constexpr std::string_view basicTask[] = {
    "在考生文件夹下，“samp1_26.mdb”数据库文件中已建立“图书”和“出版社”两个表对象。试按以下要求完成操作：",
    "（1）将“出版社”表的“出版社编号”字段设为主键；设置“图书”表“定价”字段的有效性规则为1至500元之间（含1和500），有效性文本为“定价应在1至500元之间”。",
    "（2）建立“出版社”表与“图书”表之间的关系并实施参照完整性，然后将“图书”表导出到考生文件夹下，保存为Excel文件“图书.xls”。",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_26.mdb”，里面已经设计好表对象“图书”和“出版社”。试按以下要求完成设计：",
    "（1）创建一个查询，查找书名中含有“计算机”三个字的图书，显示“书名”、“出版社名称”和“定价”，所建查询命名为“查询1”。",
    "（2）创建一个查询，显示“书名”和“价格档次”两列，定价在50元以上（含50元）的价格档次为“高价”，其余为“普通”，所建查询命名为“查询2”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_26.mdb”，里面已经设计好表对象“图书”、报表对象“图书目录”和以“图书”表为记录源的窗体对象“图书浏览”。试在此基础上按照以下要求补充窗体设计：",
    "（1）在窗体页脚节区添加一个文本框，名称为“tAvg”，显示全部图书的平均定价，格式为“货币”。",
    "（2）在窗体页脚节区添加一个命令按钮，名称为“cmdPrint”，标题为“打印预览”，单击该按钮时以打印预览方式打开报表“图书目录”。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）以设计视图打开“出版社”表，选中“出版社编号”字段并单击工具栏上的“主键”按钮，保存；再以设计视图打开“图书”表，选中“定价”字段，在“有效性规则”框中输入“Between 1 And 500”，在“有效性文本”框中输入“定价应在1至500元之间”；保存表，若询问是否用新规则测试现有数据，单击“是”。",
    "（2）关闭所有表后执行“工具”->“关系”命令，添加“出版社”和“图书”表，把“出版社”表的“出版社编号”拖到“图书”表的“出版社编号”上，在“编辑关系”对话框中勾选“实施参照完整性”，单击“创建”，保存并关闭“关系”窗口。",
    "（3）导出“图书”表（题（2）的后半部分）：在数据库窗口中选中“图书”表，执行“文件”->“导出”命令，选择考生文件夹，“保存类型”选“Microsoft Excel 97-2003 (*.xls)”，文件名输入“图书”，单击“导出”。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）新建查询设计视图，添加“图书”和“出版社”表，双击“书名”、“出版社名称”、“定价”字段，在“书名”的“条件”行输入“Like \"*计算机*\"”，星号代表任意多个字符，以“查询1”为名保存。",
    "（2）新建查询设计视图，添加“图书”表，双击“书名”字段，在第二列“字段”行输入“价格档次: IIf([定价]>=50,\"高价\",\"普通\")”，以“查询2”为名保存。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）以设计视图打开“图书浏览”窗体，若未显示窗体页脚则执行“视图”->“窗体页眉/页脚”命令，在窗体页脚节区添加一个文本框，将“名称”设为“tAvg”，“控件来源”设为“=Avg([定价])”，“格式”设为“货币”。",
    "（2）在窗体页脚节区添加命令按钮（向导出现时单击“取消”），“名称”设为“cmdPrint”，“标题”设为“打印预览”，为其“单击”事件选择“代码生成器”进入代码窗口（VBA编辑器），在cmdPrint_Click事件过程中输入语句“DoCmd.OpenReport \"图书目录\", acViewPreview”，关闭代码窗口，保存窗体。",
};

}  // namespace

const OperationSetContent& operationSet26() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
