"""实例8: 荒漠化防治, the presentation an environmental volunteer shows in the community —
what desertification is, its causes, how a straw checkerboard holds the sand, the main
measures of control and what everyone can do; the answer after the six steps."""
from api import Diagram, Effect, P, Picture, Presentation, Slide, Transition, case
from content.looks import OASIS, PLAIN
from ooxml.smartart import with_breaks
from pictures import PICTURES

PICTURES.update({"荒漠化土地.jpg": ("荒漠化土地.svg", 1200, 800)})

CONTENT_BOX = (457200, 1600200, 8229600, 4525963)  # where the converted text stood
FOOTER = "防沙治沙，人人有责"

WHAT = [
    "荒漠化是干旱、半干旱和亚湿润干旱地区的土地退化",
    "由气候变异和人类活动等多种因素共同造成",
    "表现为土地沙化、盐渍化、水土流失和植被退化",
    "每年6月17日是“世界防治荒漠化与干旱日”",
]

CAUSES = [
    "自然因素：气候干旱，降水少而蒸发强",
    "自然因素：大风日数多，地表沙物质丰富",
    "人为因素：过度放牧，草场退化",
    "人为因素：过度开垦、乱砍滥伐，破坏植被",
    "人为因素：水资源利用不当，下游断流、土地盐碱化",
]

# The straw checkerboard: each step with how it is done.
CHECKERBOARD = (
    ("划定方格", ("按1米×1米放线",)),
    ("铺放麦草", ("沿线铺上麦草或稻草",)),
    ("压草入沙", ("用平头锹把草压入沙中",)),
    ("培沙扶正", ("草头露出地面10～20厘米",)),
)

MEASURES = [
    "工程措施：设置草方格沙障，固定流动沙丘",
    "生物措施：种植梭梭、柠条、沙柳等耐旱植物，营造防风固沙林",
    "管理措施：退耕还林还草，禁牧休牧，合理利用水资源",
    "三北防护林工程始于1978年；塞罕坝、库布其等地经几十年治理，大片沙地变成了林草地",
]

OUR_PART = [
    "节约用水，爱护草原和树木",
    "不采挖发菜、甘草等野生植物",
    "积极参加义务植树活动",
    "少用一次性木制品，践行绿色生活",
    "宣传防沙治沙知识，影响身边的人",
]


def checkerboard_text():
    out = []
    for step, (how,) in CHECKERBOARD:
        out += [P(step), P(how, 1)]
    return out


def desert_control():
    """荒漠化防治.pptx as the volunteer starts from: six slides of text."""
    return Presentation("荒漠化防治", PLAIN, [
        Slide("标题幻灯片", "荒漠化防治", subtitle=["防沙治沙　守护绿色家园", "社区环保宣传"]),
        Slide("标题和内容", "认识荒漠化", body=WHAT),
        Slide("标题和内容", "荒漠化的成因", body=CAUSES),
        Slide("标题和内容", "草方格沙障的做法", body=checkerboard_text()),
        Slide("标题和内容", "防治荒漠化的主要措施", body=MEASURES),
        Slide("标题和内容", "我们能做什么", body=OUR_PART),
    ])


def finished():
    # 1: our own look stands for the built-in 跋涉 theme; the slides become 16:9.
    p = desert_control()
    p.look = OASIS
    p.slide_size = "16:9"
    title, what, causes, checkerboard = p.slides[:4]
    # 2: two columns, the picture on the right; the text shrinks to the narrower column as
    # the placeholder's autofit makes it.
    what.layout, what.body_size = "两栏内容", 20
    what.pictures = (Picture("荒漠化土地.jpg", into="right"),)
    # 3: the steps as a basic process, colourful, in the moderate effect.
    checkerboard.body = ()
    checkerboard.diagrams = (Diagram("基本流程", with_breaks(CHECKERBOARD, "1米|放线", "铺上|麦草", "平头锹|把草"),
                                     box=CONTENT_BOX, style="中等效果", colors="彩色 - 强调文字颜色"),)
    # 4: the causes wiped in from the left, a paragraph a click; the process fades in by
    # itself after the previous animation, one shape after another (逐个), a second each.
    causes.animations = (Effect("body", "擦除", "自左侧", by_paragraph=True),)
    checkerboard.animations = (Effect("diagram", "淡出", start="after", duration=1000, by_paragraph=True),)
    # 5: blinds on every slide; the footer on all but the title slide.
    for s in p.slides:
        s.transition = Transition("百叶窗")
        if s is not title:
            s.footer = FOOTER
    return p


@case(8)
def desertification(material, answer):
    material.add("荒漠化防治.pptx", desert_control())
    material.add("荒漠化土地.jpg")
    answer.add("荒漠化防治.pptx", finished())
    answer.add("说明.txt", NOTE)


NOTE = """本实例的答案文件：荒漠化防治.pptx（以原文件名保存的演示文稿）
第1题要求的“跋涉”是PowerPoint的内置主题，不能随本软件分发。答案文件改用本软件自己设计的“绿洲”主题（沙黄与草绿）来体现“为整个演示文稿应用主题”这一步；在PowerPoint中按步骤操作时，请选择“设计”选项卡中的“跋涉”主题。
第1题把幻灯片大小设为“全屏显示(16:9)”（宽25.4厘米、高14.29厘米），版式中的占位符和主题的装饰随之变矮；此后插入的图片和SmartArt图形按16:9的幻灯片排列。
第3题转换的SmartArt图形是真正的SmartArt图形，四个步骤及其下的做法就是第4张幻灯片原来的文字；第4题为其设置的“淡出”进入动画序列为“逐个”，在上一动画之后自动开始：四个步骤及其间的三个箭头共七个形状依次以“淡出”效果进入，每个持续1秒。内置的“基本流程”版式、“中等效果”样式和“彩色 - 强调文字颜色”不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列和效果自己编写的；在PowerPoint中按步骤操作时，请选择内置的版式、样式和颜色。
第5题的页脚“防沙治沙，人人有责”显示在第2～6张幻灯片上，标题幻灯片中不显示。
"""
