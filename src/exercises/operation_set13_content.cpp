#include "exercises/operation_bank_content.h"

namespace exercises {

namespace {

// The field design is drawn by property; its last line and closing rule share a slot.
constexpr std::string_view basicTask[] = {
    "考生文件夹下存在一个数据库文件“samp1_13.mdb”，试按以下要求完成操作：",
    "（1）在“samp1_13.mdb”中建立表“会员”，表结构如下：",
    "----------|-------------------------------------",
    "字段名称  |会员号    姓名    性别    入会日期",
    "数据类型  |文本      文本    文本    日期/时间",
    "字段大小  |5         8       1",
    "格式      |                          短日期",
    "默认值    |                  \"男\"    Date()",
    "必填字段  |是        是      否      否\r\n"
    "----------|-------------------------------------",
    "（2）将“会员号”字段设置为主键，并设置其输入掩码，使该字段只能输入5位数字。",
    "（3）在“会员”表中输入以下数据：",
    "---------------------------------------",
    "会员号    姓名      性别    入会日期",
    "---------------------------------------",
    "10001     周志明    男      2009-3-12",
    "10002     吴玉兰    女      2009-5-8",
    "10003     郑海涛    男      2010-1-20",
    "---------------------------------------",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_13.mdb”，里面已经设计好表对象“员工”和“考勤”，试按以下要求完成设计：",
    "（1）创建一个查询，查找“联系电话”字段为空的员工，显示其“工号”和“姓名”，所建查询命名为“qT1”。",
    "（2）创建一个更新查询，将“考勤”表中“迟到次数”大于3的记录的“考核等级”字段值改为“待改进”，所建查询命名为“qT2”，并运行该查询。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_13.mdb”，里面已经设计好窗体对象“fTimer”，窗体上有标签“lTime”和标题为“停止”的命令按钮“bStop”，试按以下要求完成设计：",
    "设置窗体的计时器间隔为1000毫秒，编写窗体的“计时器触发”事件代码，使标签“lTime”每秒显示一次当前系统时间；编写“bStop”的单击事件代码，单击时停止计时，再次单击时恢复计时，按钮标题在“停止”和“继续”之间切换。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）打开考生文件夹下的“samp1_13.mdb”，单击“表”对象，双击“使用设计器创建表”，按表结构依次输入“会员号”、“姓名”、“性别”和“入会日期”四个字段并选择数据类型，在“常规”选项卡中分别设置各字段的“字段大小”、“格式”、“默认值”（“性别”为“\"男\"”，“入会日期”为“Date()”）和“必填字段”；单击“保存”按钮，输入表名称“会员”，在提示尚未定义主键的对话框中单击“否”按钮。",
    "（2）在“会员”表设计视图中选中“会员号”字段，单击工具栏上的“主键”按钮，在“输入掩码”框中输入“00000”；保存表。掩码字符“0”表示必须输入一位数字，五个“0”即要求输入5位数字。",
    "（3）双击打开“会员”表，按题中数据输入3条记录；新记录的“性别”和“入会日期”已由默认值填好，与题中数据不同时改写即可，输入完毕关闭表。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）打开“samp2_13.mdb”，新建查询设计视图，添加“员工”表，双击“工号”、“姓名”和“联系电话”字段，在“联系电话”列的“条件”行输入“Is Null”并取消其“显示”勾选；保存查询为“qT1”。判断字段为空要用“Is Null”，写成“=Null”查不到任何记录。",
    "（2）新建查询设计视图，添加“考勤”表，执行“查询”->“更新查询”命令，双击“考核等级”和“迟到次数”字段，在“考核等级”列的“更新到”行输入“\"待改进\"”，在“迟到次数”列的“条件”行输入“>3”；单击“运行”按钮，在提示框中单击“是”按钮；保存查询为“qT2”。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）打开“samp3_13.mdb”，打开窗体“fTimer”的设计视图，单击窗体选定器，在属性对话框“事件”选项卡中将“计时器间隔”设为“1000”，在“计时器触发”中选择“[事件过程]”，单击其右侧的“...”按钮进入代码窗口（VBA编辑器），生成Form_Timer过程；回到设计视图，再选中命令按钮“bStop”，在“事件”选项卡的“单击”中选择“[事件过程]”，单击“...”按钮进入bStop_Click过程。补全两个过程的代码，使窗体模块中包含以下两个事件过程：\r\n"
    "    Private Sub Form_Timer()\r\n"
    "        Me!lTime.Caption = Format(Time, \"hh:nn:ss\")\r\n"
    "    End Sub\r\n"
    "    Private Sub bStop_Click()\r\n"
    "        If Me.TimerInterval = 0 Then\r\n"
    "            Me.TimerInterval = 1000\r\n"
    "            Me!bStop.Caption = \"停止\"\r\n"
    "        Else\r\n"
    "            Me.TimerInterval = 0\r\n"
    "            Me!bStop.Caption = \"继续\"\r\n"
    "        End If\r\n"
    "    End Sub\r\n"
    "  关闭代码窗口，保存窗体“fTimer”。计时器间隔以毫秒为单位，设为0时“计时器触发”事件不再发生，设回1000即恢复。",
};

}  // namespace

const OperationSetContent& operationSet13() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
