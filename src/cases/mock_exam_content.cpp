// The mock-exam documents: the raw text of each set's word-processing task, which
// the learner then formats as the task asks.
#include "cases/mock_exam_content.h"

namespace cases {

namespace {

// The address book's twelve staff, repeated four times so that the table runs over
// pages and the learner has to repeat its header rows.
constexpr std::array<std::string_view, 12> kStaff{
    "王丽华 财务部 139*****512 阳光小区**号 wanglihua@example.com",
    "张建国 销售部 138*****207 翠湖小区**号 zhangjianguo@example.com",
    "李晓燕 生产部 137*****836 东方花园小区**号 lixiaoyan@example.net",
    "刘志强 人事部 135*****419 金桥小区**号 liuzhiqiang@example.com",
    "陈美玲 行政部 136*****753 绿城小区**号 chenmeiling@example.org",
    "杨文博 财务部 133*****628 和平小区**号 yangwenbo@example.com",
    "赵俊杰 销售部 186*****340 锦绣小区**号 zhaojunjie@example.net",
    "黄雅琴 生产部 159*****971 春晖小区**号 huangyaqin@example.com",
    "吴振宇 人事部 150*****184 滨江小区**号 wuzhenyu@example.org",
    "徐慧敏 行政部 158*****265 桂园小区**号 xuhuimin@example.com",
    "孙立新 生产部 187*****493 新华小区**号 sunlixin@example.net",
    "马晓东 销售部 139*****058 明珠小区**号 maxiaodong@example.com",
};

Lines addressBook() {
    Lines lines{"公司员工通讯录", "姓名 部门 联系电话 详细住址 电子邮件"};
    for (int round = 0; round < 4; ++round) lines.insert(lines.end(), kStaff.begin(), kStaff.end());
    return lines;
}

}  // namespace

const std::array<Lines, 6>& mockExamDocuments() {
    static const std::array<Lines, 6> documents{
        Lines{
            "“青春与梦想”主题报告会",
            "",
            "报告题目：青春与梦想——大学生职业生涯规划",
            "报告人：周立明 教授",
            "报告日期：2010年10月22日（星期五）",
            "报告时间：14:30～16:30",
            "报告地点：校图书馆报告厅",
            "欢迎大家踊跃参加！",
            "主办：校学工处",
            "",
            "“青春与梦想”主题报告会活动细则",
            "日程安排：",
            "",
            "报名流程：",
            "",
            "报告人介绍：",
            "周立明教授长期从事大学生职业发展与就业指导的教学和研究工作，主持过多项省级教育科研课题，著有"
            "《大学生职业生涯规划》等书。他的报告联系实际、深入浅出，深受广大同学欢迎。",
        },
        Lines{
            "为进一步加强校园网络安全管理，维护正常的教学和生活秩序，根据学校有关规定，特公告如下：",
            "（一）  凡在校园网内使用计算机的师生，必须遵守国家有关计算机网络管理的法律法规，不得制作、复制和传播有害信息。",
            "（二）  任何人不得擅自更改计算机的网络设置，不得私自架设服务器或转接网络；违者停止其上网权限，情节严重的按校纪处理。",
            "特此公告",
            "2010年9月16日",
        },
        addressBook(),
        Lines{"会议管理流程"},
        Lines{},
        Lines{},
    };
    return documents;
}

const char* const kOfficePracticeNotes =
    "（1）上机练习要求电脑上必须安装MS Office2010，如果你的电脑上没有安装此软件，请先安装此软件完整企业版！\n"
    "（2）上机题所用到的“源文件”在下载的软件安装解压包中，先将其拷贝到考生文件夹下，做题时找到相应套数中的源文件双击打开即可。\n"
    "（3）真正考试时，是随机抽取一套题，而且试题用到的源文件会自动放到考生文件夹下，考生只需在考生文件夹下找到对应的源文件双击打开即可。";

}  // namespace cases
