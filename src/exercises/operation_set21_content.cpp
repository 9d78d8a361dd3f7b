#include "exercises/operation_bank_content.h"

// Student records: lookup field, OLE and hyperlink fields, date mask; append and yearly totals; login form.
namespace exercises {
namespace {

constexpr std::string_view basicTask[] = {
    "在考生文件夹下，“samp1_21.mdb”数据库文件中已建立表对象“学生”。试按以下要求完成操作：",
    "（1）将“学生”表的“性别”字段设置为查阅字段，使其值只能从下拉列表中的“男”“女”两项中选择。",
    "（2）在“学生”表中增加一个数据类型为“OLE对象”的“照片”字段和一个数据类型为“超链接”的“个人主页”字段。",
    "（3）设置“学生”表“入学日期”字段的格式为“长日期”，输入掩码为“短日期”。",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_21.mdb”，里面已经设计好表对象“学生”和“毕业生”。试按以下要求完成设计：",
    "（1）创建一个追加查询，将“学生”表中“年级”为“四年级”的学生的“学号”“姓名”和“专业”追加到“毕业生”表的对应字段中，所建查询命名为“查询1”。",
    "（2）创建一个查询，统计“学生”表中各年份入学的学生人数，显示“入学年份”和“人数”两列，所建查询命名为“查询2”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_21.mdb”，里面已经设计好窗体对象“登录”，窗体上有名为“tUser”和“tPass”的两个文本框。试在此基础上按照以下要求补充窗体设计：",
    "（1）设置文本框“tPass”的输入掩码，使输入的字符都显示为星号（*）。",
    "（2）在窗体主体节区添加一个命令按钮，名称为“cmdClear”，标题为“清除”，单击该按钮时清空两个文本框中的内容。",
    "（3）将窗体的“默认视图”设为“单个窗体”，并使窗体打开时自动显示在屏幕中央。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）以设计视图打开“学生”表，在“性别”字段的“数据类型”下拉列表中选择“查阅向导”，在向导中选“自行键入所需的值”，单击“下一步”，在第1列中依次输入“男”和“女”，单击“完成”；再在“查阅”选项卡中将“限于列表”设为“是”，保存表。",
    "（2）在设计视图最后一个字段下方的空行中输入字段名称“照片”，“数据类型”选“OLE对象”，再在下一行输入“个人主页”，“数据类型”选“超链接”，保存表。",
    "（3）选中“入学日期”字段，在“格式”下拉列表中选“长日期”，单击“输入掩码”框右侧的“...”按钮，在输入掩码向导中选“短日期”，单击“完成”，保存表。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）新建查询并添加“学生”表，执行“查询”->“追加查询”命令，在“追加”对话框的“表名称”中选“毕业生”，单击“确定”；双击“学号”“姓名”“专业”“年级”字段，在“年级”的“条件”行输入：\"四年级\"并清除其“追加到”行，执行“查询”->“运行”后单击“是”，以“查询1”为名保存。",
    "（2）新建查询并添加“学生”表，单击工具栏上的“总计”按钮，在第一列“字段”行输入：入学年份: Year([入学日期])，“总计”行为“分组”；在第二列输入：人数: 学号，“总计”行选“计数”，以“查询2”为名保存。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）以设计视图打开“登录”窗体，打开“tPass”文本框的“属性”对话框，在“数据”选项卡的“输入掩码”框中输入：Password（也可单击“...”按钮，在输入掩码向导中选“密码”）。",
    "（2）在主体节区添加命令按钮（出现命令按钮向导时单击“取消”），将“名称”设为“cmdClear”，“标题”设为“清除”，在“事件”选项卡中单击“单击”属性右侧的“...”按钮，选择“代码生成器”，在cmdClear_Click事件过程中输入 Me!tUser = Null 和 Me!tPass = Null 两条语句后关闭VBA编辑器。",
    "（3）单击窗体选定器，在窗体“属性”对话框的“格式”选项卡中将“默认视图”设为“单个窗体”，“自动居中”设为“是”，保存窗体。",
};

}  // namespace

const OperationSetContent& operationSet21() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
