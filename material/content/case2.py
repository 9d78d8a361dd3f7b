"""Case 2, 认识沙尘暴: a kiosk presentation on sandstorms for an environment bureau's
exhibition on World Environment Day."""
from api import Diagram, Document, Effect, P, Para, Picture, Presentation, Shape, Show, Slide, Sound, Table, Transition, case
from content.case1 import MUSIC_MS, SOUND_ICON, start_file
from content.looks import DUNES
from ooxml.smartart import with_breaks

SUBTITLE = ["防治沙尘　保护家园", "市生态环境局宣传教育中心"]
CONTENTS = ["什么是沙尘暴", "沙尘暴的成因", "沙尘暴的危害", "沙尘暴天气的防护", "沙尘暴的防治"]
DEFINITION = ["沙尘暴是沙暴和尘暴的总称，是指强风把地面大量沙尘物质吹起并卷入空中，使空气特别混浊，水平能见度小于1千米的严重风沙天气现象。",
              "我国的沙尘暴多发生在春季，主要影响西北和华北地区，有时还会波及长江中下游地区。"]
CAUSES = ("大风", "沙尘源", "不稳定的空气")
CAUSES_TEXT = ["强劲的大风、裸露疏松的地表和不稳定的空气同时具备，便会形成沙尘暴。",
               "过度放牧、滥垦滥伐和不合理地利用水资源破坏了地表植被，使沙尘暴更加频繁、强烈。"]
HARM = (("危害方面", "具体表现"),
        ("交通运输", "能见度降低，航班延误或取消，交通事故增多"),
        ("农牧业生产", "刮走肥沃的表土，掩埋农田和草场，造成牲畜死亡"),
        ("人体健康", "沙尘颗粒进入呼吸道，诱发呼吸系统疾病，刺激眼睛和皮肤"),
        ("生态环境", "加剧土地沙漠化，造成严重的大气污染"))
PROTECTION = ["关好门窗，尽量减少外出", "外出时佩戴口罩和防风镜", "远离高大建筑物、广告牌和大树",
              "驾车时减速慢行，打开雾灯", "回到室内及时清洗面部和口鼻"]
PREVENTION = ("防治沙尘暴", ("植树造林", "退耕还林还草", "合理放牧", "加强监测预报"))


def sandstorm_document():
    """The bureau's notes: every text of the slides, with a little more on each point."""
    return Document("沙尘暴资料", [
        Para("认识沙尘暴", "标题"),
        *SUBTITLE,
        Para("什么是沙尘暴", "标题 1"), *DEFINITION,
        "沙尘天气由轻到重分为浮尘、扬沙、沙尘暴、强沙尘暴和特强沙尘暴五个等级：浮尘时无风或风力较小，尘沙浮游在空中，"
        "水平能见度小于10千米；扬沙时风力较大，能见度在1千米至10千米之间；沙尘暴时小于1千米，强沙尘暴时小于500米，"
        "特强沙尘暴时小于50米。",
        Para("沙尘暴的成因", "标题 1"),
        "形成沙尘暴的三个条件：", *CAUSES, *CAUSES_TEXT,
        Para("沙尘暴的危害", "标题 1"),
        *("%s：%s" % row for row in HARM[1:]),
        Para("沙尘暴天气的防护", "标题 1"), *PROTECTION,
        Para("沙尘暴的防治", "标题 1"),
        "防治沙尘暴的主要措施：", *PREVENTION[1],
        "我国自1978年起在西北、华北北部和东北西部建设“三北”防护林体系工程，并实施退耕还林还草、京津风沙源治理等工程，"
        "植被覆盖逐步增加，沙尘天气的发生次数总体呈减少趋势。",
    ])


def sandstorm_answer():
    title_wipe = Effect("title", "擦除", "自左侧", start="after")  # copied on by 动画刷
    back = Shape("actionButtonBlank", (7391400, 5638800, 1371600, 457200), "返回目录", link=2, key="back", size=16,
                 bold=True, name="动作按钮: 自定义 返回目录")
    vortex = Transition("涡流", "自右侧", advance_after=15000, on_click=False)
    slides = [
        Slide("标题幻灯片", "认识沙尘暴", subtitle=SUBTITLE,
              sounds=[Sound("背景音乐.mp3", SOUND_ICON, start="across", loop=True, hide=True)],
              animations=[Effect("title", "缩放", "对象中心", start="after", duration=1000),
                          Effect("title", "脉冲", start="after", delay=250),
                          Effect("subtitle", "浮入", "上浮", start="after", duration=1000, delay=500, by_paragraph=True),
                          Effect("sound", "播放", start="after", duration=MUSIC_MS)]),
        Slide("标题和内容", "目录", body=[P(t, link=n) for n, t in enumerate(CONTENTS, 3)],
              animations=[Effect("title", "淡出", start="after"),
                          Effect("body", "飞入", "自左侧", start="after", duration=500, by_paragraph=True),
                          Effect("body", "加粗闪烁", start="after", duration=1000, delay=500)]),
        Slide("两栏内容", "什么是沙尘暴", body=DEFINITION, body_size=20,
              pictures=[Picture("沙尘暴1.jpg", into="right")], shapes=[back],
              animations=[title_wipe, Effect("body", "浮入", "上浮", start="after", duration=1000, by_paragraph=True),
                          Effect("picture:沙尘暴1.jpg", "形状", "放大", start="with", duration=2000),
                          Effect("picture:沙尘暴1.jpg", "跷跷板", start="after", duration=1000)]),
        Slide("标题和内容", "沙尘暴的成因", shapes=[
            Shape("textbox", (457200, 4434840, 8229600, 914400), tuple(CAUSES_TEXT), key="textbox", size=18,
                  name="文本框 成因"),
            back],
              diagrams=[Diagram("基本维恩图", with_breaks(CAUSES, "不稳定的|空气"),
                                box=(2286000, 1447800, 4572000, 2895600))],
              # 逐个, the second and third circles after a pause of 0.5 s
              animations=[title_wipe, Effect("diagram", "轮子", start="after", duration=1000, by_paragraph=True,
                                             delays=(0, 500, 500)),
                          Effect("textbox", "擦除", "自顶部", start="after", duration=1000, by_paragraph=True)]),
        # The first column dragged narrower, the second wider: each row on one or two lines.
        Slide("标题和内容", "沙尘暴的危害", tables=[Table(HARM, box=(457200, 1600200, 8229600, 3429000),
                                                    widths=(1828800, 6400800))], shapes=[back],
              animations=[title_wipe, Effect("table", "劈裂", "中央向左右展开", start="after", duration=1000),
                          Effect("table", "脉冲", start="after", repeat=2)]),
        Slide("两栏内容", "沙尘暴天气的防护", body=PROTECTION, body_size=22,
              pictures=[Picture("沙尘暴2.jpg", into="right")], shapes=[back],
              animations=[title_wipe, Effect("body", "飞入", "自左侧", start="after", duration=750, by_paragraph=True,
                                             after="808080"),  # each measure turns grey as the next comes
                          Effect("picture:沙尘暴2.jpg", "翻转式由远及近", start="after", duration=1000)]),
        Slide("标题和内容", "沙尘暴的防治", shapes=[back],
              # The content area's height, the width kept clear of the button below on the right.
              diagrams=[Diagram("基本射线图", with_breaks((PREVENTION,), "退耕还林|还草", "加强监测|预报"),
                                box=(1828800, 1463040, 5486400, 4526280),
                                colors="彩色 - 强调文字颜色")],
              # 逐个: the centre first, for 1.5 s, then each line and circle round it
              animations=[title_wipe, Effect("diagram", "缩放", "对象中心", start="after", duration=750, by_paragraph=True,
                                             durations=(1500,)),
                          Effect("diagram", "脉冲", start="after")]),
    ]
    for s in slides:
        s.transition = vortex
    return Presentation("认识沙尘暴", DUNES, slides, show=Show("在展台浏览", loop=True, use_timings=True))


@case(2)
def sandstorms(material, answer):
    material.add("YSWG.pptx", start_file("YSWG"))
    material.add("沙尘暴资料.docx", sandstorm_document())
    for name in ("沙尘暴1.jpg", "沙尘暴2.jpg", "背景音乐.mp3"):
        material.add(name)
    answer.add("YSWG.pptx", sandstorm_answer())
    answer.add("说明.txt", NOTE_2)


NOTE_2 = """本实例的答案文件：YSWG.pptx
第（8）步所说的“以‘认识沙尘暴’为名”指演示文稿的标题（第一张幻灯片的标题），不是新的文件名；题目要求以原文件名保存，单击“保存”按钮后文件名仍为YSWG.pptx，不要另存为其他文件名。

第（2）步要求的“跋涉”是PowerPoint的内置主题，不能随本软件分发。答案文件改用本软件自己设计的“大漠”主题（沙土色背景，底部有沙丘）来体现这一步的效果；在PowerPoint中按步骤操作时，请选择“设计”选项卡中的“跋涉”主题。

第四张和第七张幻灯片的SmartArt图形是真正的SmartArt图形，文字与步骤相同，动画的序列为“逐个”。内置的“基本维恩图”“基本射线图”版式和“彩色 - 强调文字颜色”不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列自己编写的；在PowerPoint中按步骤操作时，请选择内置的版式和颜色。
背景音乐（背景音乐.mp3）是本软件自己合成的一段乐曲，放映时在第一张幻灯片的动画播放完后响起，跨幻灯片循环播放。
按第（2）步[3]的要求，第三张和第六张幻灯片的正文调小了字号（第三张20磅，第六张22磅），使文字不超出占位符。
"""
