#include "exercises/operation_bank_content.h"

// Courses: linked workbook, number field, web export; data access pages and a range query; main form with subform.
namespace exercises {
namespace {

constexpr std::string_view basicTask[] = {
    "在考生文件夹下，“samp1_23.mdb”数据库文件中已建立表对象“课程”，考生文件夹下还有Excel文件“教师.xls”。试按以下要求完成操作：",
    "（1）将考生文件夹下的“教师.xls”以链接表的方式链接到当前数据库，链接表命名为“教师”。",
    "（2）将“课程”表“学分”字段的数据类型改为“数字”，字段大小为“单精度型”，小数位数为1，默认值为2。",
    "（3）将“课程”表导出为考生文件夹下的网页文件“课程.html”。",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_23.mdb”，里面已经设计好表对象“学生”和查询对象“成绩单”。试按以下要求完成设计：",
    "（1）使用向导创建一个数据访问页，显示“学生”表的全部字段，保存在考生文件夹下，文件名为“学生.htm”。",
    "（2）为“成绩单”查询创建一个按“班级”字段分组的数据访问页，页面标题为“成绩单”，保存为考生文件夹下的“成绩单.htm”。",
    "（3）创建一个查询，查找“学生”表中年龄在18至20岁之间（含18和20）的学生，显示“姓名”和“年龄”，所建查询命名为“查询1”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_23.mdb”，里面已经设计好表对象“班级”“学生”和窗体对象“班级信息”“学生列表”。试在此基础上按照以下要求补充“班级信息”窗体的设计：",
    "（1）在主体节区添加一个子窗体控件，名称为“fStu”，其源对象为“学生列表”窗体，并通过“班级编号”字段与主窗体链接。",
    "（2）将主窗体的“允许编辑”“允许删除”和“允许添加”属性均设为“否”。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）打开“samp1_23.mdb”，执行“文件”->“获取外部数据”->“链接表”命令，“文件类型”选“Microsoft Excel”，选中“教师.xls”，单击“链接”；在链接数据表向导中勾选“第一行包含列标题”，在“链接表名称”框中输入“教师”，单击“完成”。",
    "（2）以设计视图打开“课程”表，将“学分”字段的“数据类型”改为“数字”，“字段大小”选“单精度型”，“小数位数”选1，“默认值”输入2，保存表。",
    "（3）在数据库窗口中选中“课程”表，执行“文件”->“导出”命令，选择考生文件夹，“保存类型”选“HTML文档”，文件名输入“课程”，单击“导出”。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）在数据库窗口中选择“页”对象，双击“使用向导创建数据访问页”，在“表/查询”中选“表：学生”，单击“>>”选取全部字段，连续单击“下一步”后单击“完成”，执行“文件”->“保存”命令，在考生文件夹下以“学生.htm”为名保存。",
    "（2）再次双击“使用向导创建数据访问页”，选择“查询：成绩单”并选取全部字段，在添加分组级别一步中选“班级”，在最后一步输入标题“成绩单”，单击“完成”后以“成绩单.htm”为名保存到考生文件夹下。",
    "（3）新建查询并添加“学生”表，双击“姓名”和“年龄”字段，在“年龄”的“条件”行输入：Between 18 And 20（Between包含两端的值），以“查询1”为名保存。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）以设计视图打开“班级信息”窗体，单击工具箱中的“子窗体/子报表”按钮（向导出现时单击“取消”），在主体节区拖出子窗体控件，在“属性”对话框中将“名称”设为“fStu”，“源对象”设为“学生列表”，“链接子字段”和“链接主字段”都设为“班级编号”。",
    "（2）单击主窗体的窗体选定器，在“属性”对话框的“数据”选项卡中将“允许编辑”“允许删除”“允许添加”都设为“否”，单击工具栏上的“保存”按钮保存窗体。",
};

}  // namespace

const OperationSetContent& operationSet23() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
