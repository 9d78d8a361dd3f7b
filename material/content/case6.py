"""实例6: 图解政府工作报告 — slides 2 to 8 imported from the outline of a Word document
written for the exercise (an invented city's year, in round invented figures), the theme
file 图解.thmx, a SmartArt list, a picture in two columns, numbers, notes and a show in a
window."""
from api import CM, Diagram, Document, Effect, P, Para, Picture, Presentation, Show, Slide, Transition, case
from content.looks import ILLUSTRATED
from pictures import PICTURES

PICTURES.update({"目标.png": ("目标.svg", 800, 800)})

SAMPLE = ("说明：本文档是为演示文稿制作练习编写的示例材料，以一座虚构城市的年度政府工作报告为例，"
          "所列数字均为虚构的整数，不代表任何正式文件的内容。")

# The outline: each 标题 1 a slide's title, each 标题 2 a line of its text (slides 2 to 8).
OUTLINE = (
    ("一年来工作回顾", (
        "经济稳中有进，地区生产总值突破5000亿元",
        "新增城镇就业岗位10万个，居民收入稳步增长",
        "完成老旧小区改造200个，惠及居民5万户",
        "全年空气质量优良天数达到300天",
    )),
    ("今年主要预期目标", (
        "地区生产总值增长6%左右",
        "新增城镇就业岗位10万个以上",
        "居民收入增长与经济增长基本同步",
        "单位地区生产总值能耗继续下降",
    )),
    ("确保目标实现的重点任务", (
        "推进重点项目100个",
        "举办消费活动50场",
        "培育高新技术企业500家",
        "企业开办1日办结",
    )),
    ("推动产业转型升级", (
        "培育先进制造业集群3个",
        "建设数字经济产业园2个",
        "发展现代物流、文化旅游等服务业",
        "支持中小企业走“专精特新”发展之路",
    )),
    ("持续增进民生福祉", (
        "新增公办中小学学位2万个",
        "新增普惠性幼儿园学位5000个",
        "新建社区养老服务站30个",
        "改造提升农贸市场20个",
    )),
    ("建设美丽宜居城市", (
        "空气质量优良天数比例保持在80%以上",
        "新建改建城市公园20个",
        "新增城市绿道100公里",
        "生活垃圾分类覆盖全部社区",
    )),
    ("加强政府自身建设", (
        "坚持依法行政，自觉接受各方面监督",
        "推进政务服务“一网通办”",
        "厉行节约，严控一般性支出",
        "改进作风，把各项任务落到实处",
    )),
)
NOTE_8 = "本演示文稿依据练习用示例材料制作，发布前须以正式文件为准。"


def report_outline():
    """政府工作报告要点.docx: a note that it is sample material (not imported), then the outline."""
    paragraphs = [Para("政府工作报告要点（练习用示例材料）", "标题"), SAMPLE]
    for title, lines in OUTLINE:
        paragraphs.append(Para(title, "标题 1"))
        paragraphs.extend(Para(line, "标题 2") for line in lines)
    return Document("政府工作报告要点", paragraphs)


def finished():
    push = Transition("推进")
    slides = [Slide("标题幻灯片", "图解政府工作报告", subtitle=["要点速览"], transition=push)]
    for title, lines in OUTLINE:
        slides.append(Slide("标题和内容", title, body=list(lines), slide_number=True, transition=push))
    slides[2] = Slide("标题和内容", OUTLINE[1][0], slide_number=True, transition=push,
                      diagrams=(Diagram("垂直项目符号列表", OUTLINE[1][1], style="强烈效果", colors="彩色 - 强调文字颜色"),),
                      # 擦除 with the sequence “逐个”: one item at each click.
                      animations=(Effect("diagram", "擦除", by_paragraph=True),))
    slides[3] = Slide("两栏内容", OUTLINE[2][0], body=[P(line, line_spacing=1.5) for line in OUTLINE[2][1]],
                      pictures=(Picture("目标.png", into="right", height=8 * CM, style="柔化边缘矩形"),),
                      slide_number=True, transition=push)
    slides[7].notes = NOTE_8
    return Presentation("图解政府工作报告", ILLUSTRATED, slides, show=Show("观众自行浏览"))


@case(6)
def report_summary(material, answer):
    material.add("政府工作报告要点.docx", report_outline())
    material.add("图解.thmx", ILLUSTRATED)
    material.add("目标.png")
    answer.add("图解政府工作报告.pptx", finished())
    answer.add("说明.txt", NOTE)


NOTE = """本实例的答案文件：图解政府工作报告.pptx
题目要求把演示文稿保存在素材文件夹中；答案文件夹中的是完成全部步骤后的同一份演示文稿。
素材中的“政府工作报告要点.docx”是为本练习编写的示例材料，以一座虚构城市为例，所列数字均为虚构的整数，不代表任何正式文件的内容。文档开头的标题和说明不是“标题1”“标题2”样式，从大纲生成幻灯片时不会被导入。
“图解.thmx”是本软件为本实例设计的主题，除配色方案、字体方案和效果外，还带有幻灯片母版和版式：由白色渐变为浅米色的背景，顶部的红色横条和金色细线，右上角的金色书签飘带，标题下方左端带红色短线的蓝色细线，底部的蓝色横条；标题幻灯片上另有三根由低到高的红、金、蓝色柱形立在这条细线上，标题和副标题之间还有一条中间带红色短线的蓝色细线。应用这个主题后，全部幻灯片随即换上这些背景和装饰，标题变为深红色；答案文件应用的就是这个主题。
第3张幻灯片的SmartArt图形是真正的SmartArt图形，文字与大纲相同，“擦除”动画的序列为“逐个”，放映时每单击一次擦除出现一项。内置的“垂直项目符号列表”版式、“彩色 - 强调文字颜色”和“强烈效果”不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列和效果自己编写的；在PowerPoint中按步骤操作时，请选择内置的版式、颜色和样式。
"""
