#include "exercises/operation_bank_content.h"

namespace exercises {

namespace {

// The record is too wide for one line, so its second half shares the last slot.
constexpr std::string_view basicTask[] = {
    "（1）在考生文件夹下的“samp1_6.mdb”数据库中建立表“职工”，字段依次为“工号”、“姓名”、“性别”、“出生日期”、“部门”、“职称”、“联系电话”和“婚否”，其中“出生日期”为日期/时间型，“婚否”为是/否型，其余为文本型，“工号”为主键。",
    "（2）设置“性别”字段的有效性规则为只能输入“男”或“女”，有效性文本为“性别只能是男或女”。",
    "（3）在“职工”表中输入以下一条记录：",
    "------------------------------------------",
    "工号    姓名      性别    出生日期",
    "------------------------------------------",
    "0101    王建国    男      1975-3-16",
    "------------------------------------------\r\n"
    "部门      职称      联系电话        婚否\r\n"
    "------------------------------------------\r\n"
    "销售部    工程师    010-65432187    是\r\n"
    "------------------------------------------",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_6.mdb”，里面已经设计好表对象“会员”和“消费记录”，试按以下要求完成设计：",
    "（1）创建一个查询，查找所有姓“王”的会员，显示其“会员号”、“姓名”和“联系电话”三个字段内容，所建查询命名为“qT1”。",
    "（2）创建一个查询，统计每位会员的消费总额，只显示消费总额在1000元以上（不含1000元）的会员的“姓名”和“消费总额”，所建查询命名为“qT2”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_6.mdb”，里面已经设计好表对象“商品”和窗体对象“fGoods”，窗体上有命令按钮“bSum”和文本框“tTotal”，试按以下要求完成设计：",
    "（1）将窗体“fGoods”的标题设置为“商品信息维护”。",
    "（2）编写命令按钮“bSum”的单击事件代码：逐条读取“商品”表的记录，计算全部商品的库存总金额（每种商品的单价乘以库存量之和），并显示在文本框“tTotal”中。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）打开考生文件夹下的“samp1_6.mdb”，单击“表”对象，双击“使用设计器创建表”，依次输入8个字段的名称并选择数据类型：“出生日期”选“日期/时间”，“婚否”选“是/否”，其余选“文本”；选中“工号”字段，单击工具栏上的“主键”按钮；单击“保存”按钮，输入表名称“职工”，单击“确定”按钮。",
    "（2）在“职工”表设计视图中选中“性别”字段，在“有效性规则”框中输入“\"男\" Or \"女\"”（也可写成“In (\"男\",\"女\")”），在“有效性文本”框中输入“性别只能是男或女”；保存表，若询问是否用新规则测试现有数据，单击“是”按钮。",
    "（3）切换到数据表视图，在新记录行中依次输入“0101”、“王建国”、“男”、“1975-3-16”、“销售部”、“工程师”、“010-65432187”，在“婚否”列中单击复选框使其打勾（打勾表示“是”）；移到下一行即保存该记录，然后关闭表。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）打开“samp2_6.mdb”，新建查询设计视图，添加“会员”表，双击“会员号”、“姓名”和“联系电话”字段，在“姓名”列的“条件”行输入“Like \"王*\"”；保存查询为“qT1”。通配符“*”代表任意多个字符，该条件匹配所有以“王”开头的姓名。",
    "（2）新建查询设计视图，添加“会员”和“消费记录”表（两表通过“会员号”联接），双击“会员”表的“会员号”、“姓名”和“消费记录”表的“金额”字段；单击“总计”按钮，“会员号”和“姓名”列选择“分组”并取消“会员号”列的“显示”勾选，“金额”列选择“总计”，将其“字段”行改为“消费总额: 金额”，“条件”行输入“>1000”；保存查询为“qT2”。按会员号分组可避免同名会员被合并，条件写在求和列上筛选的是求和后的结果。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）打开“samp3_6.mdb”，打开窗体“fGoods”的设计视图，单击窗体选定器，执行“视图”->“属性”命令，在“格式”选项卡的“标题”中输入“商品信息维护”；保存窗体。",
    "（2）选中命令按钮“bSum”，在“单击”事件中选择“[事件过程]”，单击“...”按钮进入代码窗口（VBA编辑器），在“bSum_Click”过程中输入下面的代码，输入完毕保存窗体。代码用到ADO记录集，若编译时提示“用户定义类型未定义”，执行代码窗口中的“工具”->“引用”命令，勾选“Microsoft ActiveX Data Objects 2.x Library”（x为本机所装的版本号），单击“确定”即可。代码如下：\r\n"
    "    Dim rs As New ADODB.Recordset\r\n"
    "    Dim curTotal As Currency\r\n"
    "    rs.Open \"SELECT 单价, 库存量 FROM 商品\", CurrentProject.Connection\r\n"
    "    Do While Not rs.EOF\r\n"
    "        curTotal = curTotal + Nz(rs!单价, 0) * Nz(rs!库存量, 0)\r\n"
    "        rs.MoveNext\r\n"
    "    Loop\r\n"
    "    rs.Close\r\n"
    "    Me!tTotal = curTotal",
};

}  // namespace

const OperationSetContent& operationSet06() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
