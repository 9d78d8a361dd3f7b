#include "exercises/operation_bank_content.h"

// Stock records: rule and default, field order, filter by form; two-parameter range and amount totals; filtering form.
namespace exercises {
namespace {

constexpr std::string_view basicTask[] = {
    "在考生文件夹下，“samp1_25.mdb”数据库文件中已建立表对象“库存”。试按以下要求完成操作：",
    "（1）设置“库存”表“数量”字段的有效性规则为大于0，有效性文本为“数量必须大于0”，默认值为1。",
    "（2）删除“库存”表中的“备注”字段，并将“货号”字段移到“品名”字段之前。",
    "（3）在“库存”表的数据表视图中，用“按窗体筛选”的方式筛选出“仓库”为“一号库”的记录。",
};

constexpr std::string_view simpleTask[] = {
    "考生文件夹下存在一个数据库文件“samp2_25.mdb”，里面已经设计好表对象“库存”和“仓库”。试按以下要求完成设计：",
    "（1）创建一个参数查询，运行时依次提示“最低单价：”和“最高单价：”，显示单价在此范围内的商品的“货号”“品名”和“单价”，所建查询命名为“查询1”。",
    "（2）创建一个查询，统计每个仓库所存商品的总金额（金额=单价×数量），显示“仓库名称”和“总金额”两列，所建查询命名为“查询2”。",
};

constexpr std::string_view comprehensiveTask[] = {
    "考生文件夹下存在一个数据库文件“samp3_25.mdb”，里面已经设计好表对象“库存”“仓库”和窗体对象“库存查询”，窗体的记录中含有“仓库名称”字段。试在此基础上按照以下要求补充窗体设计：",
    "（1）在窗体页眉节区添加一个组合框，名称为“cWare”，其下拉列表显示“仓库”表中的全部“仓库名称”。",
    "（2）将窗体主体节区中文本框“tNum”的“是否锁定”属性设为“是”，“特殊效果”设为“凹陷”。",
    "（3）在窗体页眉节区添加一个命令按钮，名称为“cmdQuery”，标题为“查询”，单击该按钮时窗体只显示组合框中所选仓库的记录。",
};

constexpr std::string_view basicAnswer[] = {
    "（1）以设计视图打开“库存”表，选中“数量”字段，在“有效性规则”框中输入：>0，“有效性文本”框中输入：数量必须大于0，“默认值”框中输入：1，保存表。",
    "（2）在设计视图中右击“备注”字段行，选择“删除行”并在提示框中单击“是”；单击“货号”字段左侧的行选定器选中该行，按住鼠标左键把它拖到“品名”字段行的上方后松开，保存表。",
    "（3）以数据表视图打开“库存”表，执行“记录”->“筛选”->“按窗体筛选”命令，在“仓库”列的下拉列表中选择“一号库”，再执行“筛选”->“应用筛选/排序”命令。",
};

constexpr std::string_view simpleAnswer[] = {
    "（1）新建查询并添加“库存”表，双击“货号”“品名”“单价”字段，在“单价”的“条件”行输入：Between [最低单价：] And [最高单价：]，运行时Access按出现的先后依次弹出两个参数框，以“查询1”为名保存。",
    "（2）新建查询，添加“仓库”和“库存”表，单击“总计”按钮，双击“仓库名称”（“总计”行为“分组”），在第二列输入：总金额: Sum([单价]*[数量])，“总计”行选“表达式”，以“查询2”为名保存。",
};

constexpr std::string_view comprehensiveAnswer[] = {
    "（1）以设计视图打开“库存查询”窗体，若未显示窗体页眉则执行“视图”->“窗体页眉/页脚”命令，在窗体页眉节区添加一个组合框（向导出现时单击“取消”），将其“名称”设为“cWare”，“行来源类型”设为“表/查询”，“行来源”设为：SELECT 仓库名称 FROM 仓库;",
    "（2）打开文本框“tNum”的“属性”对话框，在“数据”选项卡中将“是否锁定”设为“是”，在“格式”选项卡中将“特殊效果”设为“凹陷”。",
    "（3）在窗体页眉节区添加命令按钮，“名称”设为“cmdQuery”，“标题”设为“查询”，为其“单击”事件选择“代码生成器”，在cmdQuery_Click事件过程中输入 Me.Filter = \"仓库名称='\" & Me!cWare & \"'\" 和 Me.FilterOn = True 两条语句，保存窗体。",
};

}  // namespace

const OperationSetContent& operationSet25() {
    static const OperationSetContent set{basicTask,   simpleTask,   comprehensiveTask,
                                         basicAnswer, simpleAnswer, comprehensiveAnswer};
    return set;
}

}  // namespace exercises
