#include "exercises/operation_bank_content.h"

namespace exercises {

namespace {

constexpr std::string_view basicTask[] = {
    "考生文件夹下存在一个数据库文件“samp1_9.mdb”，里面已经设计好表对象“课程”，试按以下要求完成操作：",
    "（1）将“课程”表中“学分”字段的数据类型改为“数字”，字段大小为“单精度型”，小数位数为1。",
    "（2）将“课程”表中“课程名”字段设置为必填字段，并为其建立无重复索引。",
    "（3）将“课程”表导出到考生文件夹下，保存为Excel文件“课程.xls”。",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_9.mdb”，里面已经设计好表对象“商品”和“进货”，试按以下要求完成设计：",
    "（1）创建一个查询，查找2008年进货的商品，显示“商品名称”、“进货日期”和“数量”三个字段内容，所建查询命名为“qT1”。",
    "（2）创建一个查询，按“类别”统计商品的平均单价，显示“类别”和“平均单价”两列，平均单价保留两位小数，所建查询命名为“qT2”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_9.mdb”，里面已经设计好查询对象“qStud”和窗体对象“fQuery”，窗体上有命令按钮“bRun”，试按以下要求完成设计：",
    "（1）编写命令按钮“bRun”的单击事件代码，单击该按钮时打开查询“qStud”，并关闭窗体“fQuery”。",
    "（2）设置窗体“fQuery”不显示记录选定器、导航按钮和滚动条。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）打开“samp1_9.mdb”，选中“课程”表，单击“设计”按钮；选中“学分”字段，将“数据类型”改为“数字”，在“常规”选项卡中将“字段大小”设为“单精度型”，“小数位数”设为“1”；保存表，若出现数据可能丢失的提示，单击“是”按钮。“小数位数”只影响显示，能否存放小数由“字段大小”决定，整型和长整型会把小数四舍五入为整数。",
    "（2）在设计视图中选中“课程名”字段，将“必填字段”设为“是”，将“索引”设为“有(无重复)”；保存表，在询问是否用新规则测试现有数据的对话框中单击“是”按钮。",
    "（3）关闭设计视图，选中“课程”表，执行“文件”->“导出”命令，在导出对话框中选择考生文件夹，“保存类型”选择“Microsoft Excel 97-2003 (*.xls)”，在“文件名”框中输入“课程.xls”，单击“导出”按钮。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）打开“samp2_9.mdb”，新建查询设计视图，添加“商品”和“进货”表（两表通过“商品编号”联接），双击“商品名称”、“进货日期”和“数量”字段，在“进货日期”列的“条件”行输入“Between #2008-1-1# And #2008-12-31#”（也可以新增一列“Year([进货日期])”，条件为“2008”，并取消其显示）；保存查询为“qT1”。",
    "（2）新建查询设计视图，添加“商品”表，双击“类别”字段，在第二列的“字段”行输入“平均单价: Round(Avg([单价]),2)”；单击“总计”按钮，“类别”列的“总计”行选择“分组”，第二列的“总计”行选择“表达式”；保存查询为“qT2”。表达式中已含聚合函数Avg，所以该列选“表达式”而不选“平均值”。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）打开“samp3_9.mdb”，打开窗体“fQuery”的设计视图，选中命令按钮“bRun”，在“单击”事件中选择“[事件过程]”，单击“...”按钮进入代码窗口（VBA编辑器），在“bRun_Click”过程中输入：\r\n"
    "    DoCmd.OpenQuery \"qStud\"\r\n"
    "    DoCmd.Close acForm, \"fQuery\"\r\n"
    "  关闭代码窗口，保存窗体。打开查询后活动对象已是查询，所以Close要写明对象类型和窗体名。",
    "（2）单击窗体选定器，打开窗体的属性对话框，在“格式”选项卡中将“记录选定器”和“导航按钮”设为“否”，将“滚动条”设为“两者均无”；保存窗体。\r\n"
    "  “滚动条”属性的取值是“两者均无”、“只水平”、“只垂直”和“两者都有”，而不是“是”或“否”。",
};

}  // namespace

const OperationSetContent& operationSet09() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
