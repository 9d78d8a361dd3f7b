"""Case 1, 水资源利用与节水: a kiosk presentation on water and saving it, for a science
museum's touch screen. Also the pieces cases 1 to 3 share: their pictures and the
background music of cases 1 and 2."""
import audio
from api import CM, Diagram, Document, Effect, P, Para, Picture, Presentation, Shape, Show, Slide, Sound, Transition, case
from content.looks import PLAIN, WAVES
from ooxml.smartart import with_breaks
from pictures import PICTURES
from sounds import SOUNDS

W, H = 9144000, 6858000

PICTURES.update({
    "碧水.jpg": ("碧水.svg", 1200, 800),
    "地球之水.jpg": ("地球之水.svg", 1200, 800),
    "干涸的土地.jpg": ("干涸的土地.svg", 1200, 800),
    "节约用水.jpg": ("节约用水.svg", 1200, 800),
    "水滴.jpg": ("水滴.svg", 600, 800),
    "沙尘暴1.jpg": ("沙尘暴1.svg", 1200, 800),
    "沙尘暴2.jpg": ("沙尘暴2.svg", 1200, 800),
    "连翘花枝.jpg": ("连翘花枝.svg", 1200, 800),
    "连翘灌丛.jpg": ("连翘灌丛.svg", 1200, 800),
    "连翘果实.jpg": ("连翘果实.svg", 1200, 800),
})

# The background music of cases 1 and 2: a calm tune in D major that flows like water,
# eight bars over a slow bass, and loops without a seam.
MUSIC_BEAT = 0.5
MUSIC_MELODY = [("D5", 2), ("F#5", 1), ("A5", 1), ("G5", 1.5), ("F#5", 0.5), ("E5", 2),
                ("B4", 1), ("D5", 1), ("E5", 1), ("F#5", 1), ("E5", 3), ("", 1),
                ("D5", 2), ("F#5", 1), ("A5", 1), ("B5", 1.5), ("A5", 0.5), ("G5", 2),
                ("F#5", 1), ("E5", 1), ("D5", 1), ("E5", 1), ("D5", 3), ("A4", 1)]
MUSIC_BASS = [("D3", 4), ("G3", 4), ("B2", 4), ("A2", 4), ("D3", 4), ("G3", 4), ("A2", 4), ("D3", 4)]
SOUNDS.update({"背景音乐.mp3": lambda: audio.tune(MUSIC_MELODY, beat=MUSIC_BEAT, bass=MUSIC_BASS)})


def length_ms(melody, beat):
    """How long a round of a tune of audio.tune plays, for its play effect."""
    return round(audio.length(melody, beat) * 1000)


MUSIC_MS = length_ms(MUSIC_MELODY, MUSIC_BEAT)

# Where the title slides of cases 1 to 3 keep the icon of their background music: at the
# right edge, beside the subtitle and above the look's decorations along the foot.
SOUND_ICON = (8382000, 4876800, 457200, 457200)


def start_file(title):
    """The YSWG.pptx a case opens: one empty slide of a new presentation."""
    return Presentation(title, PLAIN, [Slide("标题和内容")])


# ---- case 1 ------------------------------------------------------------------------

SUBTITLE = ["珍惜水资源，建设节水型社会", "市节约用水办公室"]
CONTENTS = ["水资源概况", "我国水资源现状", "节约用水措施", "节水从我做起"]
OVERVIEW = ["地球表面约71%被水覆盖，但地球上的水约97.5%是海水等咸水",
            "淡水只占约2.5%，而且大部分是冰川和深层地下水",
            "人类便于利用的河流、湖泊和浅层地下水，只占全球淡水总量的0.3%左右",
            "水是生命之源、生产之要、生态之基"]
CHINA = ["水资源总量约2.8万亿立方米，居世界前列",
         "人均水资源量约2100立方米，仅为世界人均水平的28%左右",
         "时空分布不均：南多北少，汛期集中，年际变化大",
         "农业用水约占用水总量的六成，用水效率仍有较大的提升空间",
         "不少城市和地区缺水严重，节约用水刻不容缓"]
MEASURES = ["农业节水：推广喷灌、滴灌等高效节水灌溉",
            "工业节水：提高工业用水重复利用率",
            "生活节水：普及节水器具，杜绝跑冒滴漏",
            "非常规水源：利用再生水、雨水和淡化海水"]
AT_HOME = ["随手关紧水龙头，发现漏水及时报修",
           "淘米水、洗菜水可以用来浇花、拖地、冲厕所",
           "提倡淋浴，洗澡时间不宜过长",
           "衣物攒到一定数量再用洗衣机集中清洗",
           "选用节水型马桶、水龙头和淋浴喷头"]
CLOSING = "珍惜每一滴水，让节水成为习惯"
WATER_DAYS = "每年3月22日是“世界水日”，3月22日至28日是“中国水周”"


def water_document():
    return Document("水资源利用与节水", [
        Para("水资源利用与节水", "标题"),
        *SUBTITLE,
        Para("目录", "标题 1"), *CONTENTS,
        Para("水资源概况", "标题 1"), *OVERVIEW,
        Para("我国水资源现状", "标题 1"), *CHINA,
        Para("节约用水措施", "标题 1"), *MEASURES,
        Para("节水从我做起", "标题 1"), *AT_HOME,
        Para("结束语", "标题 1"), CLOSING, WATER_DAYS,
    ])


def water_answer():
    title_wipe = Effect("title", "擦除", "自左侧", start="after", duration=750)  # copied on by 动画刷
    # Bottom right, clear of the light-blue wave that rises towards the slide's right edge.
    back = Shape("roundRect", (7239000, 5410200, 1524000, 457200), "返回目录", link=2, key="back", size=18, bold=True,
                 fill="17A589", name="返回目录")
    back_in = Effect("back", "淡出", start="after", duration=500)
    ripple = Transition("涟漪", "居中", duration=1500, advance_after=10000, on_click=False)
    drop_box = (3962400, 2286000, 1219200, 1625600)  # between the title and the text box
    text_top = 4572000
    slides = [
        Slide("标题幻灯片", "水资源利用与节水", subtitle=SUBTITLE,
              pictures=[Picture("碧水.jpg", (6019800, 152400, 2895600, 1930400))],
              sounds=[Sound("背景音乐.mp3", SOUND_ICON, start="across", loop=True, hide=True)],
              animations=[Effect("title", "飞入", "自顶部", start="after", duration=1000),
                          Effect("title", "波浪形", start="after", duration=1000, delay=500),
                          Effect("subtitle", "浮入", "上浮", start="after", duration=1000, by_paragraph=True),
                          Effect("picture:碧水.jpg", "缩放", "对象中心", start="with"),
                          Effect("sound", "播放", start="after", duration=MUSIC_MS)]),
        Slide("标题和内容", "目录", body=[P(t, link=n) for n, t in enumerate(CONTENTS, 3)],
              animations=[title_wipe,
                          # a pause of 0.25 s before each of the 2nd to 4th entries
                          Effect("body", "飞入", "自左侧", start="after", duration=500, by_paragraph=True,
                                 delays=(0, 250, 250, 250))]),
        Slide("两栏内容", "水资源概况", body=OVERVIEW, body_size=22,
              pictures=[Picture("地球之水.jpg", into="right", style="柔化边缘矩形")], shapes=[back],
              animations=[title_wipe, Effect("body", "擦除", "自左侧", start="after", duration=750, by_paragraph=True),
                          Effect("picture:地球之水.jpg", "形状", "放大", start="with", duration=2000), back_in]),
        # The placeholder narrowed to two thirds of the text width, the picture in the third beside
        # it; its height is the layout's, whose content area ends above the wave.
        Slide("标题和内容", "我国水资源现状", body=CHINA, body_size=20, body_box=(457200, 1600200, 5486400, 4251960),
              pictures=[Picture("干涸的土地.jpg", (6096000, 2514600, 2590800, 1727200), style="柔化边缘矩形")],
              shapes=[back],
              animations=[title_wipe, Effect("body", "浮入", "上浮", start="after", duration=750, by_paragraph=True),
                          Effect("picture:干涸的土地.jpg", "劈裂", "中央向左右展开", start="with", duration=1500),
                          Effect("picture:干涸的土地.jpg", "脉冲", start="after", delay=500), back_in]),
        Slide("标题和内容", "节约用水措施", shapes=[back],
              # The frame ends a quarter inch above the button, so that the blocks' shadows keep clear of it.
              diagrams=[Diagram("基本块列表", with_breaks(MEASURES, "滴灌等|高效", "工业用水|重复"),
                                box=(685800, 1524000, 7772400, 3657600), style="强烈效果", colors="彩色 - 强调文字颜色")],
              animations=[title_wipe, Effect("diagram", "弹跳", start="after", duration=1000, by_paragraph=True),  # 逐个
                          back_in]),
        Slide("两栏内容", "节水从我做起", body=AT_HOME, body_size=20,
              pictures=[Picture("节约用水.jpg", into="right", style="柔化边缘矩形")], shapes=[back],
              animations=[title_wipe, Effect("picture:节约用水.jpg", "翻转式由远及近", start="with", duration=1250),
                          Effect("body", "飞入", "自左侧", start="after", duration=500, by_paragraph=True), back_in]),
        Slide("仅标题", CLOSING,
              shapes=[Shape("textbox", (457200, text_top, 8229600, 914400), WATER_DAYS, key="textbox", size=24,
                            name="文本框 世界水日")],
              pictures=[Picture("水滴.jpg", drop_box)],
              animations=[Effect("title", "缩放", "幻灯片中心", start="after", duration=1000),
                          Effect("picture:水滴.jpg", "淡出", start="after"),
                          Effect("picture:水滴.jpg", "直线", "下", start="after", duration=2000,
                                 length=(text_top - drop_box[1] - drop_box[3]) / H),
                          Effect("textbox", "擦除", "自左侧", start="after", duration=1500)]),
    ]
    for s in slides:
        s.transition = ripple
    return Presentation("水资源利用与节水", WAVES, slides, show=Show("在展台浏览", loop=True, use_timings=True))


@case(1)
def water(material, answer):
    material.add("YSWG.pptx", start_file("YSWG"))
    material.add("水资源利用与节水.docx", water_document())
    for name in ("碧水.jpg", "地球之水.jpg", "干涸的土地.jpg", "节约用水.jpg", "水滴.jpg", "背景音乐.mp3"):
        material.add(name)
    answer.add("YSWG.pptx", water_answer())
    answer.add("说明.txt", NOTE_1)


NOTE_1 = """本实例的答案文件：YSWG.pptx
第（8）步所说的“以‘水资源利用与节水’为名”指演示文稿的标题（第一张幻灯片的标题），不是新的文件名；题目要求以原文件名保存，单击“保存”按钮后文件名仍为YSWG.pptx，不要另存为其他文件名。

第（2）步要求的“波形”是PowerPoint的内置主题，不能随本软件分发。答案文件改用本软件自己设计的“碧波”主题（幻灯片底部的蓝色波浪）来体现这一步的效果；在PowerPoint中按步骤操作时，请选择“设计”选项卡中的“波形”主题。

第五张幻灯片的SmartArt图形是真正的SmartArt图形，四项文字与步骤相同，“弹跳”动画的序列为“逐个”。内置的“基本块列表”版式、“强烈效果”样式和“彩色 - 强调文字颜色”不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列和效果自己编写的；在PowerPoint中按步骤操作时，请选择内置的“基本块列表”。
背景音乐（背景音乐.mp3）是本软件自己合成的一段乐曲，放映时在第一张幻灯片的动画播放完后响起，跨幻灯片循环播放。
第三、四、六张幻灯片的正文较长，按版式的28磅放不进内容占位符。在PowerPoint中，占位符的“根据占位符自动调整文本”会在输入文字时自动把字缩小；答案文件中这三张幻灯片的正文直接设为能放下的字号（第三张22磅，第四、六张20磅）。步骤没有要求设置字号，操作时不必手动修改。
"""
