"""实例9: 消防安全培训, the presentation a fire station's instructor takes to a middle
school — what a fire does, how to use an extinguisher, how to escape and how to call the
fire brigade; the answer after the seven steps, with the station's tune behind it."""
import audio
from api import Diagram, Effect, P, Picture, Presentation, Slide, Sound, Transition, case
from content.looks import EMBER, PLAIN
from pictures import PICTURES
from sounds import SOUNDS

# A bright march in C: two four-bar phrases over a plain bass, about ten seconds.
TUNE_BEAT = 0.32
TUNE = [("C5", 1), ("C5", 0.5), ("D5", 0.5), ("E5", 1), ("C5", 1),
        ("G5", 2), ("E5", 1), ("C5", 1),
        ("F5", 1), ("E5", 1), ("D5", 1), ("C5", 1),
        ("D5", 3), ("G4", 1),
        ("C5", 1), ("C5", 0.5), ("D5", 0.5), ("E5", 1), ("G5", 1),
        ("A5", 2), ("G5", 1), ("E5", 1),
        ("F5", 1), ("D5", 1), ("E5", 0.5), ("D5", 0.5), ("B4", 1),
        ("C5", 3), ("G4", 1)]
BASS = [("C3", 2), ("G2", 2), ("C3", 2), ("E3", 2), ("F2", 2), ("C3", 2), ("G2", 4),
        ("C3", 2), ("G2", 2), ("F2", 2), ("C3", 2), ("G2", 2), ("G2", 2), ("C3", 4)]

TUNE_MS = round(audio.length(TUNE, TUNE_BEAT) * 1000)  # one round, as long as audio.tune makes it

PICTURES.update({"安全出口.png": ("安全出口.svg", 1200, 600)})
SOUNDS.update({"消防宣传曲.mp3": lambda: audio.tune(TUNE, beat=TUNE_BEAT, bass=BASS)})

CONTENT_BOX = (457200, 1600200, 8229600, 4525963)  # where the converted text stood
TOPICS = ["火灾的危害", "灭火器的使用", "火场逃生", "报警常识"]

HARM = [
    "火灾烟气含有一氧化碳等有毒气体，是造成人员伤亡的主要原因",
    "火场温度很高，短时间内就能使人严重烧伤",
    "火灾会烧毁财物，还可能使建筑物倒塌",
    "学校人员密集，一旦起火，疏散难度大",
]

EXTINGUISHER = [
    "提：提起灭火器，站在距火源约5米的上风处",
    "拔：拔掉保险销",
    "握：一手握住喷管，对准火焰根部",
    "压：另一手用力压下压把，左右扫射直至火灭",
]

ESCAPE = [
    "用湿毛巾捂住口鼻，低姿撤离",
    "沿疏散指示标志找到安全出口",
    "不乘坐电梯，不盲目跳楼",
    "身上着火，就地打滚压灭火苗",
    "被困时用湿布堵住门缝，到窗口呼救",
]

ALARM = [
    "发现火情，立即拨打火警电话119",
    "讲清起火单位和详细地址、起火部位、燃烧物和火势大小",
    "说明有无人员被困，留下自己的姓名和电话",
    "派人到路口迎候消防车",
    "拨打119免费；谎报火警是违法行为",
]


def opening():
    return Slide("标题幻灯片", "消防安全培训", subtitle=["预防为主　防消结合", "消防救援站　校园消防安全宣传"])


def training():
    """消防安全培训.pptx as the instructor starts from: the title and the four topics."""
    return Presentation("消防安全培训", PLAIN, [
        opening(),
        Slide("标题和内容", "火灾的危害", body=HARM),
        Slide("标题和内容", "灭火器的使用", body=EXTINGUISHER),
        Slide("标题和内容", "火场逃生", body=ESCAPE),
        Slide("标题和内容", "报警常识", body=ALARM),
    ])


def finished():
    first = opening()
    # 7: the tune from the first slide on, across the slides, looping, its icon hidden.
    # Its icon at the right edge, above the red band of the title slide.
    first.sounds = (Sound("消防宣传曲.mp3", (8382000, 4876800, 457200, 457200), start="across", loop=True, hide=True),)
    first.animations = (Effect("sound", "播放", start="after", duration=TUNE_MS),)
    slides = [
        first,
        # 2 and 3: the contents, each item a link to its slide.
        Slide("标题和内容", "培训内容", body=[P(t, link=n) for n, t in enumerate(TOPICS, 3)]),
        Slide("标题和内容", "火灾的危害", body=HARM),
        # 4: the steps as a vertical process in colourful accent colours.
        Slide("标题和内容", "灭火器的使用",
              diagrams=(Diagram("垂直流程", tuple(EXTINGUISHER), box=CONTENT_BOX,
                                colors="彩色 - 强调文字颜色"),)),
        # 5: two columns, the exit sign on the right as a reflected rounded rectangle; the
        # text shrinks to the narrower column as the placeholder's autofit makes it.
        Slide("两栏内容", "火场逃生", body=ESCAPE, body_size=24,
              pictures=(Picture("安全出口.png", into="right", style="映像圆角矩形"),)),
        Slide("标题和内容", "报警常识", body=ALARM),
    ]
    for s in slides:  # 6: split from the centre outwards on every slide
        s.transition = Transition("分割", "中央向左右展开")
    # 1: our own look stands for the built-in 奥斯汀 theme.
    return Presentation("消防安全培训", EMBER, slides)


@case(9)
def fire_safety(material, answer):
    material.add("消防安全培训.pptx", training())
    material.add("安全出口.png")
    material.add("消防宣传曲.mp3")
    answer.add("消防安全培训.pptx", finished())
    answer.add("说明.txt", NOTE)


NOTE = """本实例的答案文件：消防安全培训.pptx（以原文件名保存的演示文稿）
第1题要求的“奥斯汀”是PowerPoint的内置主题，不能随本软件分发。答案文件改用本软件自己设计的“丹焰”主题（红、橙两色）来体现“为整个演示文稿应用主题”这一步；在PowerPoint中按步骤操作时，请选择“设计”选项卡中的“奥斯汀”主题。
第2张幻灯片“培训内容”的四项文字分别链接到第3～6张幻灯片；第1张幻灯片中的“消防宣传曲.mp3”跨幻灯片循环播放，放映时隐藏音频图标。乐曲是本软件自己合成的一段进行曲。
第4张幻灯片“灭火器的使用”中的SmartArt图形是真正的SmartArt图形，四个方框中的文字就是这张幻灯片原来的四段文字（提、拔、握、压）。内置的“垂直流程”版式和“彩色 - 强调文字颜色”不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列自己编写的；在PowerPoint中按步骤操作时，请选择内置的“垂直流程”版式和“彩色 - 强调文字颜色”。
"""
