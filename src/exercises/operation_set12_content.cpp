#include "exercises/operation_bank_content.h"

namespace exercises {

namespace {

constexpr std::string_view basicTask[] = {
    "考生文件夹下存在一个数据库文件“samp1_12.mdb”，里面已经设计好表对象“教师”，试按以下要求完成操作：",
    "（1）将“教师”表中“职称”字段的默认值设置为“讲师”，将“工作时间”字段的有效性规则设置为不能晚于系统当前日期，有效性文本为“工作时间不能晚于今天”。",
    "（2）设置“教师”表的数据表格式：字体为“黑体”，字号为11，单元格效果为“凸起”。",
    "（3）冻结“教师”表中的“姓名”列，并将“联系电话”列的列宽设置为16。",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_12.mdb”，里面已经设计好表对象“职工”和报表对象“rDept”，试按以下要求完成设计：",
    "（1）创建一个查询，查找年龄小于全体职工平均年龄的职工，显示“工号”、“姓名”和“年龄”三个字段内容，所建查询命名为“qT1”。",
    "（2）创建一个宏，运行时先弹出消息框显示“即将预览部门报表”，再以打印预览方式打开报表“rDept”，所建宏命名为“mDept”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_12.mdb”，里面已经设计好窗体对象“fCalc”，窗体上有文本框“tN”和“tSum”以及命令按钮“bCalc”，试按以下要求完成设计：",
    "（1）编写命令按钮“bCalc”的单击事件代码：计算1到n之间（含1和n）所有奇数之和（n由文本框“tN”输入），结果显示在文本框“tSum”中；若“tN”为空或输入的不是数字，则弹出消息框提示“请输入数字”。",
    "（2）将窗体的标题设置为“奇数求和”，并使窗体打开时光标位于文本框“tN”中。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）打开“samp1_12.mdb”，选中“教师”表，单击“设计”按钮；选中“职称”字段，在“默认值”框中输入“\"讲师\"”；选中“工作时间”字段，在“有效性规则”框中输入“<=Date()”，在“有效性文本”框中输入“工作时间不能晚于今天”；保存表，若询问是否用新规则测试现有数据，单击“是”按钮。",
    "（2）双击打开“教师”表，执行“格式”->“字体”命令，选择字体“黑体”、字号“11”，单击“确定”按钮；执行“格式”->“数据表”命令，在“设置数据表格式”对话框中将“单元格效果”设为“凸起”，单击“确定”按钮；保存表。",
    "（3）选中“姓名”列，执行“格式”->“冻结列”命令；选中“联系电话”列，执行“格式”->“列宽”命令，在“列宽”框中输入“16”，单击“确定”按钮；保存表。冻结的列移到最左边，左右滚动时始终可见。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）打开“samp2_12.mdb”，新建查询设计视图，添加“职工”表，双击“工号”、“姓名”和“年龄”字段，在“年龄”列的“条件”行输入“<(SELECT Avg([年龄]) FROM 职工)”；保存查询为“qT1”。平均年龄要由子查询先算出来，条件中不能直接写Avg([年龄])。",
    "（2）单击“宏”对象，单击“新建”按钮；第一行“操作”选择“MsgBox”，“消息”输入“即将预览部门报表”；第二行“操作”选择“OpenReport”，“报表名称”选择“rDept”，“视图”选择“打印预览”；保存宏为“mDept”。“视图”若保留默认的“打印”，报表会直接送往打印机。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）打开“samp3_12.mdb”，打开窗体“fCalc”的设计视图，选中命令按钮“bCalc”，在“单击”事件中选择“[事件过程]”，单击“...”按钮进入代码窗口（VBA编辑器），在“bCalc_Click”过程中输入以下代码：\r\n"
    "    Dim i As Long, n As Long, s As Long\r\n"
    "    If Not IsNumeric(Me!tN) Then\r\n"
    "        MsgBox \"请输入数字\"\r\n"
    "        Exit Sub\r\n"
    "    End If\r\n"
    "    n = CLng(Me!tN)\r\n"
    "    For i = 1 To n Step 2\r\n"
    "        s = s + i\r\n"
    "    Next i\r\n"
    "    Me!tSum = s\r\n"
    "  关闭代码窗口，保存窗体。例如输入9时，1+3+5+7+9=25，“tSum”中显示25；文本框为空时IsNumeric返回False，同样给出提示。",
    "（2）单击窗体选定器，在窗体属性对话框“格式”选项卡的“标题”中输入“奇数求和”；再选中文本框“tN”，在“其他”选项卡中将“Tab键索引”设为“0”。\r\n"
    "  窗体打开时焦点落在Tab键次序中排在第一位的控件上，所以光标位于“tN”中。\r\n"
    "  单击工具栏上的“保存”按钮保存窗体“fCalc”。",
};

}  // namespace

const OperationSetContent& operationSet12() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
