// The case chooser's introduction.
#include "cases/case_content.h"

namespace cases {

const Lines& chooserIntroduction() {
    static const Lines paragraphs{
        "    实战模拟为您精心挑选了Office在办公管理、财务会计、商务应用、政务办公、文教事业等领域的实际案例。",
        "    在办公管理中，Office被广泛用于起草文件、制作报表、汇报工作和处理日常事务，行政文秘人员和各部门的管理人员都需要熟练掌握这些技能。",
        "    在财务工作中，Office可以完成账务处理、财务报表编制、成本核算和财务分析汇报，会计人员和财务管理人员必须熟练掌握这些技能。",
        "    在商务活动中，Office常用于制作产品介绍、市场分析报告、商务计划书和营销宣传演示文稿，销售人员、市场策划人员和企业经营者都应熟练掌握这些技能。",
        "    在政务工作中，Office广泛用于起草公文、统计数据、制作工作汇报和政策宣讲材料，公务员和机关事业单位的工作人员都必须熟练掌握这些技能。",
        "    在文教事业中，Office是编写教案、制作课件、管理学生成绩和组织文化活动的得力工具，教师、学生和文化工作者都需要熟练掌握这些技能。",
    };
    return paragraphs;
}

}  // namespace cases
