"""Case 3, 春天的信使——连翘: a botany lesson on the forsythia, shown by the teacher and
saved once more as a slide show."""
import audio
from api import Diagram, Document, Effect, P, Para, Picture, Presentation, Show, Slide, Sound, Table, Transition, case
from content.case1 import SOUND_ICON, length_ms, start_file
from content.looks import FORSYTHIA
from sounds import SOUNDS

# 春之声: a bright tune in G major, birdsong-like leaps over a walking bass.
SPRING_BEAT = 0.36
SPRING_MELODY = [("G5", 1), ("B5", 1), ("D6", 1), ("B5", 1), ("C6", 1), ("A5", 1), ("F#5", 2),
                 ("G5", 0.5), ("A5", 0.5), ("B5", 1), ("A5", 1), ("G5", 1), ("E5", 2), ("D5", 2),
                 ("G5", 1), ("B5", 1), ("D6", 1), ("E6", 1), ("D6", 1), ("C6", 0.5), ("B5", 0.5), ("A5", 2),
                 ("B5", 0.5), ("C6", 0.5), ("D6", 1), ("A5", 1), ("F#5", 1), ("G5", 3), ("D5", 1)]
SPRING_BASS = [("G3", 4), ("D3", 4), ("E3", 4), ("C3", 4), ("G3", 4), ("D3", 4), ("D3", 4), ("G3", 4)]
SOUNDS.update({"春之声.mp3": lambda: audio.tune(SPRING_MELODY, beat=SPRING_BEAT, bass=SPRING_BASS)})

TITLE = "春天的信使——连翘"
SUBTITLE = "植物学课堂·早春开花的灌木"
CONTENTS = ["名称与分类", "形态特征", "连翘的一年", "生长习性与分布", "药用价值", "连翘与迎春花的区别"]
NAMES = ["中文名：连翘", "学名：Forsythia suspensa (Thunb.) Vahl", "科属：木犀科连翘属", "类型：落叶灌木",
         "特点：早春先开花、后长叶，满枝金黄"]
FORM = (("器官", "主要特征"),
        ("枝", "小枝土黄色或灰褐色，略呈四棱形，节间中空，节部具实心髓"),
        ("叶", "对生，单叶或3裂至三出复叶，卵形至椭圆状卵形，叶缘具锯齿"),
        ("花", "先于叶开放，常单生或2至数朵生于叶腋，花冠黄色，4裂"),
        ("果", "卵球形至长椭圆形，先端喙状渐尖，表面疏生皮孔"))
YEAR = ("3～4月：先花后叶", "花后：展叶生长", "7～9月：果实成熟", "秋冬：落叶休眠")
HABITS = ["喜光，也稍耐阴；耐寒，耐干旱瘠薄，怕涝",
          "野生于山坡灌丛、林下或草丛中，以及山谷、山沟疏林中，海拔250～2200米",
          "产于河北、山西、陕西、山东、安徽西部、河南、湖北、四川",
          "我国除华南地区外，其他各地均有栽培"]
MEDICINE = ["连翘的果实是常用中药，早在《神农本草经》中已有记载",
            "秋季果实初熟、尚带绿色时采收，称为“青翘”",
            "果实熟透、呈黄棕色时采收，称为“老翘”",
            "味苦，性微寒，能清热解毒、消肿散结、疏散风热（须遵医嘱使用）"]
FORSYTHIA_SIDE = ["木犀科连翘属", "小枝土黄色或灰褐色，节间中空", "叶多为单叶，叶缘有锯齿", "花冠钟状，4裂"]
JASMINE_SIDE = ["木犀科素馨属", "小枝绿色，四棱形，细长拱垂", "叶为三出复叶，小叶全缘", "花冠高脚碟状，通常5～6裂"]


def forsythia_document():
    return Document("连翘", [
        Para(TITLE, "标题"), SUBTITLE,
        Para("名称与分类", "标题 1"), *NAMES,
        "连翘的花先于叶开放，早春时节满枝金黄，是北方常见的早春观花灌木，也是重要的药用植物。",
        Para("形态特征", "标题 1"), *("%s：%s" % row for row in FORM),
        Para("连翘的一年", "标题 1"), *YEAR,
        "连翘的花期为3～4月，果期为7～9月。",
        Para("生长习性与分布", "标题 1"), *HABITS,
        Para("药用价值", "标题 1"), *MEDICINE,
        Para("连翘与迎春花的区别", "标题 1"),
        "连翘和迎春花都在早春开黄花，常被混淆，可以从以下几方面区分：",
        Para("连翘", "标题 2"), *FORSYTHIA_SIDE,
        Para("迎春花", "标题 2"), *JASMINE_SIDE,
    ])


def forsythia_answer():
    faded_title = Effect("title", "淡出", start="after")
    blinds = Transition("百叶窗", "水平", duration=1500)
    slides = [
        Slide("标题幻灯片", TITLE, subtitle=[SUBTITLE], title_font="华文行楷", title_size=54,
              sounds=[Sound("春之声.mp3", SOUND_ICON, start="across", loop=True, hide=True)],
              animations=[Effect("title", "缩放", "对象中心", start="after", duration=1000),
                          Effect("title", "脉冲", start="after"),
                          Effect("subtitle", "擦除", "自左侧", start="after", delay=500),
                          Effect("sound", "播放", start="after", duration=length_ms(SPRING_MELODY, SPRING_BEAT))]),
        Slide("标题和内容", "目录", body=CONTENTS,
              animations=[faded_title, Effect("body", "飞入", "自左侧", start="click", by_paragraph=True)]),
        Slide("两栏内容", "名称与分类", body=NAMES, pictures=[Picture("连翘花枝.jpg", into="right")],
              animations=[Effect("title", "劈裂", "中央向左右展开", start="after"),
                          Effect("body", "浮入", "上浮", start="after", duration=1000, by_paragraph=True),
                          Effect("picture:连翘花枝.jpg", "形状", "放大", start="after", duration=2000, delay=500)]),
        Slide("标题和内容", "形态特征", tables=[Table(FORM, box=(457200, 1600200, 8229600, 3962400))],
              animations=[Effect("title", "飞入", "自顶部", start="after"),
                          Effect("table", "擦除", "自顶部", start="after", duration=2000, delay=500)]),
        Slide("标题和内容", "连翘的一年", diagrams=[Diagram("基本流程", YEAR, colors="彩色 - 强调文字颜色")],
              animations=[faded_title, Effect("diagram", "擦除", "自左侧", start="after", duration=1000,
                                              by_paragraph=True)]),  # 逐个
        Slide("标题和内容", "生长习性与分布", body=HABITS, body_size=20,
              pictures=[Picture("连翘灌丛.jpg", (5943600, 3840480, 2743200, 1828800))],
              animations=[faded_title, Effect("body", "飞入", "自底部", start="click", by_paragraph=True),
                          Effect("picture:连翘灌丛.jpg", "翻转式由远及近", start="after")]),
        # The placeholder narrowed by its right edge (its height the layout's), the picture moved
        # into the room to the right of the text.
        Slide("标题和内容", "药用价值", body=MEDICINE, body_box=(457200, 1600200, 5486400, 4459828),
              pictures=[Picture("连翘果实.jpg", (6096000, 2743200, 2743200, 1828800))],
              animations=[faded_title, Effect("body", "浮入", "上浮", start="click", duration=1000, by_paragraph=True),
                          Effect("picture:连翘果实.jpg", "旋转", start="after", duration=2000),
                          Effect("picture:连翘果实.jpg", "脉冲", start="after")]),
        Slide("比较", "连翘与迎春花的区别", headings=("连翘", "迎春花"), body=FORSYTHIA_SIDE, right=JASMINE_SIDE,
              animations=[faded_title,
                          Effect("left_heading", "擦除", "自左侧", start="click"),
                          Effect("body", "飞入", "自左侧", start="after", by_paragraph=True),
                          Effect("right_heading", "擦除", "自右侧", start="click"),
                          Effect("right", "飞入", "自右侧", start="after", by_paragraph=True)]),
    ]
    for s in slides:
        s.transition = blinds
    return Presentation("连翘", FORSYTHIA, slides, show=Show("演讲者放映", loop=True, use_timings=False))


@case(3)
def forsythia(material, answer):
    material.add("YSWG.pptx", start_file("YSWG"))
    material.add("连翘.docx", forsythia_document())
    for name in ("连翘花枝.jpg", "连翘灌丛.jpg", "连翘果实.jpg", "春之声.mp3"):
        material.add(name)
    done = forsythia_answer()
    answer.add("YSWG.pptx", done)
    answer.add("YSWG.ppsx", done)
    answer.add("说明.txt", NOTE_3)


NOTE_3 = """本实例的答案文件：
  YSWG.pptx —— 完成全部步骤后保存的演示文稿。第（7）步所说的“以‘连翘’为名”指这份以连翘为主题的演示文稿（第一张幻灯片的标题为“春天的信使——连翘”），不是新的文件名；题目要求以原文件名保存，单击“保存”按钮后文件名仍为YSWG.pptx，不要另存为其他文件名；
  YSWG.ppsx —— 第（8）步另存的“PowerPoint 放映”文件，双击即直接开始放映。

第（2）步要求的“暗香扑面”是PowerPoint的内置主题，不能随本软件分发。答案文件改用本软件自己设计的“金枝”主题（米黄色背景，顶部有绿色和金黄色的细条）来体现这一步的效果；在PowerPoint中按步骤操作时，请选择“设计”选项卡中的“暗香扑面”主题。

第一张幻灯片的标题为“华文行楷”、54号；“华文行楷”是随Office安装的字体，没有安装它的计算机会用其他字体显示标题。第八张幻灯片用“比较”版式，单击出现“连翘”一栏，再单击出现“迎春花”一栏。
第五张幻灯片的SmartArt图形是真正的SmartArt图形，四项文字与步骤相同，“擦除”动画的序列为“逐个”。内置的“基本流程”版式不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列自己编写的；在PowerPoint中按步骤操作时，请选择内置的“基本流程”。

背景音乐（春之声.mp3）是本软件自己合成的一段乐曲，放映时在第一张幻灯片的动画播放完后响起，跨幻灯片循环播放。
第六张幻灯片的正文设为20磅，使四段文字都排在右下角图片的上方，不被图片遮住；步骤没有要求设置字号，操作时也可以不改字号，而把图片缩小一些。第七张幻灯片的内容占位符从右侧收窄，图片移到了文字右侧空出的位置。
"""
