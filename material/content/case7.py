"""实例7: 航空母舰, the presentation a naval museum's guide completes — what a carrier is,
what it is made of, its kinds, how its aircraft take off and land, and the group it
sails with; the answer after the eight steps of the case."""
from api import Diagram, Effect, P, Picture, PictureFill, Presentation, Show, Slide, Table, Transition, case
from content.looks import PLAIN, WAVES
from ooxml.smartart import with_breaks
from pictures import PICTURES

PICTURES.update({
    "航母.jpg": ("航母.svg", 1200, 800),
    "海面.jpg": ("海面.svg", 1200, 900),  # 4:3, as it fills the background of a slide
})

# Where the converted text stood: the content placeholder of the 碧波 look, above its waves.
CONTENT_BOX = (457200, 1600200, 8229600, 4251960)
# The table's columns as dragged to their texts: the widest column for the explanations, so
# that only the one on displacement takes a second line and the table ends above the waves
# of the finished presentation.
KINDS_WIDTHS = (1600200, 2743200, 3886200)

INTRODUCTION = [
    "航空母舰简称航母，是以舰载机为主要作战力量的大型水面舰艇",
    "为舰载机提供起降、停放和维修保障，被称为“移动的海上机场”",
    "航母通常是舰艇编队的核心，与其他舰艇协同行动",
    "最大的核动力航母满载排水量约10万吨，舰上人员多达数千人",
]

PARTS = [
    "飞行甲板：舰载机起飞、降落和停放的场地",
    "舰岛：设有舰桥、飞行指挥室和雷达天线",
    "机库：在甲板下存放和维修舰载机，由升降机连通甲板",
    "动力系统：常规动力或核动力，推动舰体航行",
]

KINDS = (
    ("分类方法", "类型", "说明"),
    ("按动力", "常规动力航母", "以燃油为能源，需定期补充燃料"),
    ("按动力", "核动力航母", "以核反应堆为能源，续航力大"),
    ("按排水量", "大型、中型、小型", "大型6万吨以上，中型3万～6万吨，小型3万吨以下"),
    ("按起降方式", "弹射起飞型", "弹射器推动舰载机起飞"),
    ("按起降方式", "滑跃起飞型", "舰艏上翘的甲板帮助舰载机起飞"),
    ("按起降方式", "垂直/短距起降型", "搭载能垂直或短距起降的飞机"),
)

FLIGHT = [
    "弹射起飞：弹射器在很短的距离内把舰载机加速到起飞速度",
    "滑跃起飞：舰载机沿舰艏上翘的甲板冲出，借助向上的角度升空",
    "拦阻着舰：舰载机放下尾钩，钩住甲板上的拦阻索后迅速停下",
    "斜角甲板：着舰跑道斜向一侧，着舰不成功的飞机可以加速复飞",
]

GROUP = [
    "航母一般不单独行动，而是与多艘舰艇组成航母编队",
    "驱逐舰、护卫舰：担负防空、反潜和反舰警戒",
    "潜艇：在水下为编队警戒和反潜",
    "综合补给舰：为编队补充燃油、弹药和食品",
    "舰载预警机：在高空远距离发现目标，扩大编队的视野",
]


def carrier():
    """航空母舰.pptx as the guide hands it over: five slides of text, no title slide yet,
    the table still in another style."""
    return Presentation("航空母舰", PLAIN, [
        Slide("标题和内容", "航空母舰简介", body=INTRODUCTION),
        Slide("标题和内容", "航母的主要构成", body=PARTS),
        Slide("标题和内容", "航母的分类", tables=(Table(KINDS, style="中度样式 4 - 强调 2", widths=KINDS_WIDTHS),)),
        Slide("标题和内容", "舰载机的起飞与降落", body=FLIGHT),
        Slide("标题和内容", "航母编队", body=GROUP),
    ])


def finished():
    ripple = Transition("涟漪", "居中", advance_after=10000)
    slides = [
        # 1: the new title slide, its background the sea picture (this slide alone).
        Slide("标题幻灯片", "航空母舰", subtitle=["移动的海上机场"], title_font="华文新魏", title_size=60,
              background=PictureFill("海面.jpg")),
        # 3: two columns, the carrier on the right; the text shrinks to the narrower column
        # as the placeholder's autofit makes it.
        Slide("两栏内容", "航空母舰简介", body=INTRODUCTION, body_size=24,
              pictures=(Picture("航母.jpg", into="right"),)),
        # 4 and 6: the text as a basic matrix whose four squares zoom in one after another
        # (序列 “逐个”) after the previous animation.
        Slide("标题和内容", "航母的主要构成",
              diagrams=(Diagram("基本矩阵", with_breaks(PARTS, "在甲板下|存放"), box=CONTENT_BOX),),
              animations=(Effect("diagram", "缩放", start="after", by_paragraph=True),)),
        # 5: the table in 中度样式 2 - 强调 1.
        Slide("标题和内容", "航母的分类", tables=(Table(KINDS, style="中度样式 2 - 强调 1", widths=KINDS_WIDTHS),)),
        Slide("标题和内容", "舰载机的起飞与降落", body=FLIGHT),
        Slide("标题和内容", "航母编队", body=GROUP),
    ]
    for s in slides:  # 7: ripple on every slide, on to the next after 10 seconds
        s.transition = ripple
    # 2: our own look stands for the built-in 波形 theme.
    return Presentation("航空母舰", WAVES, slides, show=Show("在展台浏览", loop=True))


@case(7)
def aircraft_carrier(material, answer):
    material.add("航空母舰.pptx", carrier())
    material.add("海面.jpg")
    material.add("航母.jpg")
    answer.add("航空母舰.pptx", finished())
    answer.add("说明.txt", NOTE)


NOTE = """本实例的答案文件：航空母舰.pptx（以原文件名保存的演示文稿）
第2题要求的“波形”是PowerPoint的内置主题，不能随本软件分发。答案文件改用本软件自己设计的“碧波”主题（蓝色波浪装饰）来体现“为整个演示文稿应用主题”这一步；在PowerPoint中按步骤操作时，请选择“设计”选项卡中的“波形”主题。第1张幻灯片的背景是素材中的图片“海面.jpg”，只用于这一张幻灯片。
第1题把标题文字设为“华文新魏”、60磅。“华文新魏”是随Office安装的字体，没有安装它的计算机会用其他字体显示标题。
第4题转换的SmartArt图形是真正的SmartArt图形，四个方块中的文字就是第3张幻灯片原来的四段文字；第6题为其设置的“缩放”动画序列为“逐个”，在上一动画之后自动开始，四个方块依次缩放进入。内置的“基本矩阵”版式不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列自己编写的；在PowerPoint中按步骤操作时，请选择内置的“基本矩阵”。
"""
