#include "exercises/operation_bank_content.h"

namespace exercises {

namespace {

constexpr std::string_view basicTask[] = {
    "考生文件夹下存在一个数据库文件“samp1_5.mdb”，里面已经设计好表对象“读者”、“图书”和“借阅”，试按以下要求完成操作：",
    "（1）设置“借阅”表中“借书日期”字段的默认值为系统当前日期。",
    "（2）设置“图书”表中“定价”字段的有效性规则为大于0，有效性文本为“定价必须大于0”。",
    "（3）建立“读者”、“图书”和“借阅”三个表之间的关系，并实施参照完整性。",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_5.mdb”，里面已经设计好表对象“在职职工”和“退休职工”，试按以下要求完成设计：",
    "（1）创建一个联合查询，将“在职职工”表和“退休职工”表中全部职工的“姓名”和“联系电话”合并在一起显示，所建查询命名为“qT1”。",
    "（2）创建一个查询，查找“在职职工”表中年龄在40岁以上（不含40岁）的职工，显示“姓名”和“年龄”两列，年龄按当前年份减去“出生日期”的年份计算，所建查询命名为“qT2”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_5.mdb”，里面已经设计好窗体对象“fLogin”和“fMain”，“fLogin”中有输入用户名的文本框“tUser”、输入密码的文本框“tPass”和命令按钮“bOK”，试按以下要求完成设计：",
    "（1）编写命令按钮“bOK”的单击事件代码：当输入的用户名为“admin”且密码为“123456”时，打开窗体“fMain”并关闭窗体“fLogin”，否则弹出消息框显示“用户名或密码错误”。",
    "（2）设置文本框“tPass”的输入掩码，使输入的密码以星号显示。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）打开“samp1_5.mdb”，选中“借阅”表，单击“设计”按钮；选中“借书日期”字段，在“默认值”框中输入“Date()”；保存表。Date()函数返回系统当前日期，新增记录时自动填入该字段。",
    "（2）打开“图书”表的设计视图，选中“定价”字段，在“有效性规则”框中输入“>0”，在“有效性文本”框中输入“定价必须大于0”；保存表，在询问是否用新规则测试现有数据的对话框中单击“是”按钮。",
    "（3）关闭所有打开的表，执行“工具”->“关系”命令，在“显示表”对话框中依次添加“读者”、“借阅”和“图书”表后关闭该对话框；将“读者”表的“读者编号”拖到“借阅”表的“读者编号”上，在“编辑关系”对话框中勾选“实施参照完整性”，单击“创建”按钮；用同样的方法将“图书”表的“书号”拖到“借阅”表的“书号”上并实施参照完整性；单击“保存”按钮，关闭“关系”窗口。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）打开“samp2_5.mdb”，新建查询设计视图，不添加任何表，直接关闭“显示表”对话框；执行“查询”->“SQL特定查询”->“联合”命令，在SQL窗口中输入“SELECT 姓名, 联系电话 FROM 在职职工 UNION SELECT 姓名, 联系电话 FROM 退休职工;”；保存查询为“qT1”。联合查询只能在SQL视图中编写，两条SELECT语句的字段个数和次序必须一致。",
    "（2）新建查询设计视图，添加“在职职工”表，双击“姓名”字段；在第二列的“字段”行输入“年龄: Year(Date())-Year([出生日期])”，在该列的“条件”行输入“>40”；保存查询为“qT2”。按年份相减计算年龄（考试中的通行算法），计算字段的条件直接写在该列上。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）打开“samp3_5.mdb”，打开窗体“fLogin”的设计视图，选中命令按钮“bOK”，在属性对话框“事件”选项卡的“单击”中选择“[事件过程]”，单击“...”按钮进入代码窗口（VBA编辑器），在“bOK_Click”过程中输入以下代码：\r\n"
    "    If Me!tUser = \"admin\" And Me!tPass = \"123456\" Then\r\n"
    "        DoCmd.OpenForm \"fMain\"\r\n"
    "        DoCmd.Close acForm, \"fLogin\"\r\n"
    "    Else\r\n"
    "        MsgBox \"用户名或密码错误\"\r\n"
    "    End If",
    "（2）选中文本框“tPass”，在属性对话框“数据”选项卡的“输入掩码”框中输入“Password”，也可以单击其右侧的“...”按钮，在“输入掩码向导”中选择“密码”。\r\n"
    "  设置后在窗体视图中每输入一个字符都显示为一个“*”，而文本框的值仍是实际输入的字符。\r\n"
    "  单击工具栏上的“保存”按钮保存窗体“fLogin”。",
};

}  // namespace

const OperationSetContent& operationSet05() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
