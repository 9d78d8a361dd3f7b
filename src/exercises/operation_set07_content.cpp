#include "exercises/operation_bank_content.h"

namespace exercises {

namespace {

constexpr std::string_view basicTask[] = {
    "（1）在考生文件夹下新建一个名为“图书借阅.mdb”的数据库文件，将考生文件夹下的文本文件“读者.txt”导入到该数据库中，文件中字段以逗号分隔，第一行包含字段名称，设置“读者编号”为主键，导入的表命名为“读者”。",
    "（2）将“读者”表中“办证日期”字段的数据类型改为“日期/时间”，格式设置为“短日期”。",
    "（3）设置“读者”表的数据表格式，单元格效果为“凹陷”，并将表中记录按“办证日期”降序排列后保存。",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_7.mdb”，里面已经设计好表对象“教师”和“授课”，试按以下要求完成设计：",
    "（1）创建一个查询，查找在“授课”表中没有任何授课记录的教师，显示其“教师编号”和“姓名”，所建查询命名为“qT1”。",
    "（2）创建一个宏，运行时先打开查询“qT1”，再弹出消息框显示“查询完毕”，所建宏命名为“mQuery”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_7.mdb”，里面已经设计好表对象“学生成绩”和窗体对象“fScore”，窗体上有文本框“tScore”和“tGrade”以及命令按钮“bGrade”和“bStat”，试按以下要求完成设计：",
    "（1）编写“bGrade”的单击事件代码：根据“tScore”中输入的百分制成绩在“tGrade”中显示等级，90分及以上为“优秀”，75～89分为“良好”，60～74分为“及格”，低于60分为“不及格”；“tScore”为空时提示“请输入成绩”。",
    "（2）编写“bStat”的单击事件代码：统计“学生成绩”表中不及格（成绩低于60分）的人数和全部学生的平均成绩，用消息框显示“不及格人数：n，平均成绩：x”，平均成绩保留一位小数。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）启动Access 2003，执行“文件”->“新建”命令，在任务窗格中单击“空数据库”，选择考生文件夹，输入文件名“图书借阅”，单击“创建”按钮；执行“文件”->“获取外部数据”->“导入”命令，“文件类型”选择“文本文件”，选中“读者.txt”，单击“导入”按钮；在导入文本向导中选择“带分隔符”，单击“下一步”按钮，选择“逗号”并勾选“第一行包含字段名称”，单击“下一步”按钮，选择“新表中”，连续单击两次“下一步”按钮，选择“我自己选择主键”并选择“读者编号”，单击“下一步”按钮，在“导入到表”框中输入“读者”，单击“完成”按钮。",
    "（2）选中“读者”表，单击“设计”按钮，将“办证日期”字段的“数据类型”改为“日期/时间”，在“格式”中选择“短日期”；保存表，在提示数据可能丢失的对话框中单击“是”按钮。原有的日期文本会转换为日期值，不能转换的值将被清空。",
    "（3）双击打开“读者”表，执行“格式”->“数据表”命令，在“设置数据表格式”对话框中将“单元格效果”设为“凹陷”，单击“确定”按钮；单击“办证日期”列中任意位置，执行“记录”->“排序”->“降序排序”命令；单击“保存”按钮，排序次序随表的布局一起保存。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）打开“samp2_7.mdb”，新建查询设计视图，添加“教师”和“授课”表；双击两表之间的联接线，在“联接属性”对话框中选择第2项（包括“教师”中的所有记录和“授课”中联接字段相等的那些记录），单击“确定”按钮；双击“教师”表的“教师编号”、“姓名”和“授课”表的“教师编号”字段，在“授课.教师编号”列的“条件”行输入“Is Null”并取消其“显示”勾选；保存查询为“qT1”。左联接后没有授课记录的教师，其授课表字段为空值，也可以用“查找不匹配项查询向导”完成。",
    "（2）单击“宏”对象，单击“新建”按钮；在第一行“操作”列中选择“OpenQuery”，在下方“查询名称”中选择“qT1”；在第二行“操作”列中选择“MsgBox”，在“消息”中输入“查询完毕”；单击“保存”按钮，输入宏名称“mQuery”，单击“确定”按钮。宏中的操作按从上到下的次序执行。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）打开“samp3_7.mdb”，打开窗体“fScore”的设计视图，选中“bGrade”，在“单击”事件中选择“[事件过程]”，单击“...”按钮进入代码窗口（VBA编辑器），在“bGrade_Click”过程中输入以下代码（Select Case自上而下找到第一个成立的分支，所以“Case Is >= 75”只接收75～89分）：\r\n"
    "    If IsNull(Me!tScore) Then\r\n"
    "        MsgBox \"请输入成绩\"\r\n"
    "    Else\r\n"
    "        Select Case Val(Me!tScore)\r\n"
    "            Case Is >= 90: Me!tGrade = \"优秀\"\r\n"
    "            Case Is >= 75: Me!tGrade = \"良好\"\r\n"
    "            Case Is >= 60: Me!tGrade = \"及格\"\r\n"
    "            Case Else: Me!tGrade = \"不及格\"\r\n"
    "        End Select\r\n"
    "    End If",
    "（2）选中“bStat”，用同样的方法进入“bStat_Click”过程，输入以下代码（代码用到ADO记录集，若编译时提示“用户定义类型未定义”，执行代码窗口中的“工具”->“引用”命令，勾选“Microsoft ActiveX Data Objects 2.x Library”，x为本机所装的版本号）：\r\n"
    "    Dim rs As New ADODB.Recordset\r\n"
    "    Dim intCount As Integer, intFail As Integer\r\n"
    "    Dim sngSum As Single\r\n"
    "    rs.Open \"SELECT 成绩 FROM 学生成绩 WHERE 成绩 Is Not Null\", CurrentProject.Connection\r\n"
    "    Do While Not rs.EOF\r\n"
    "        intCount = intCount + 1\r\n"
    "        sngSum = sngSum + rs!成绩\r\n"
    "        If rs!成绩 < 60 Then intFail = intFail + 1\r\n"
    "        rs.MoveNext\r\n"
    "    Loop\r\n"
    "    rs.Close\r\n"
    "    If intCount > 0 Then MsgBox \"不及格人数：\" & intFail & \"，平均成绩：\" & Format(sngSum / intCount, \"0.0\")\r\n"
    "  也可以不用记录集：不及格人数用“DCount(\"*\", \"学生成绩\", \"成绩<60\")”、平均成绩用“DAvg(\"成绩\", \"学生成绩\")”直接求出，两个函数都不计成绩为空的记录。最后单击“保存”按钮保存窗体“fScore”。",
};

}  // namespace

const OperationSetContent& operationSet07() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
