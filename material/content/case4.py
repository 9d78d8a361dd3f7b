"""实例4: a poetry lesson on Li Bai's “望庐山瀑布” — the master with a background picture,
five slides with pictures and a SmartArt list, links and “返回目录” buttons, an animation
on every object, one transition for all slides, and the show saved as .ppsx as well."""
from api import CM, Diagram, Document, Effect, P, Para, Picture, PictureFill, Presentation, Shape, Show, Slide, \
    Transition, case
from content.looks import PLAIN
from ooxml.model import TextStyle
from pictures import PICTURES

PICTURES.update({
    "瀑布背景.jpg": ("瀑布背景.svg", 1200, 900),  # 4:3, to fill a slide's background
    "李白.jpg": ("李白.svg", 1200, 900),
    "庐山瀑布.jpg": ("庐山瀑布.svg", 1000, 1000),
})


# ---- the lesson --------------------------------------------------------------------

POEM = ("日照香炉生紫烟，", "遥看瀑布挂前川。", "飞流直下三千尺，", "疑是银河落九天。")
AUTHOR = ("李白（701—762），字太白，号青莲居士，唐代伟大的浪漫主义诗人，被后人誉为“诗仙”，与杜甫并称“李杜”。"
          "代表作有《蜀道难》《将进酒》《静夜思》《早发白帝城》等，有《李太白集》传世。")
READINGS = (
    "“生”字：化静为动，写出香炉峰紫烟缭绕、冉冉升腾的景象。",
    "“挂”字：化动为静，写出远望瀑布如白练高悬于山川之间的壮观。",
    "夸张与比喻：“三千尺”极言山高水急，“银河落九天”写出瀑布磅礴的气势。",
)


def lesson_notes():
    """望庐山瀑布.docx: the poem, its author, when it was written, what its words mean, how it reads."""
    return Document("望庐山瀑布", [
        Para("望庐山瀑布", "标题"),
        Para("诗歌原文", "标题 1"),
        "望庐山瀑布　　唐·李白",
        *POEM,
        Para("作者简介", "标题 1"),
        AUTHOR,
        "李白祖籍陇西成纪，少年时代在蜀中度过，二十多岁出蜀漫游，足迹遍及大半个中国。天宝初年曾供奉翰林，不久离开长安，"
        "继续漫游各地。他的诗想象丰富、气势奔放、语言清新自然。",
        Para("写作背景", "标题 1"),
        "庐山在今江西省九江市，以雄、奇、险、秀闻名，香炉峰是庐山的一座山峰，因形似香炉、常有云雾缭绕而得名。"
        "李白写有两首《望庐山瀑布》，一首是五言古诗，另一首就是这首七言绝句。一般认为这首诗是李白青年时期出蜀漫游、"
        "初游庐山时所作。",
        Para("词语注释", "标题 1"),
        "香炉：指庐山香炉峰。",
        "紫烟：日光照射下，山间的云雾水汽呈现紫色，远看像升腾的紫色烟雾。",
        "挂前川：瀑布像一条白练悬挂在山前。川，河流，这里指瀑布。",
        "三千尺：形容瀑布极长，是夸张的说法。",
        "九天：古人认为天有九重，九天指天的最高处。",
        Para("诗句赏析", "标题 1"),
        *READINGS,
        "全诗先写香炉峰在阳光下的远景，再写瀑布高挂的全貌，最后以奇特的想象作结，虚实结合，"
        "充分体现了李白诗歌雄奇奔放、想象丰富的浪漫主义风格。",
        Para("教学建议", "标题 1"),
        "先请学生朗读全诗，说说眼前浮现的画面；再抓住“生”“挂”“落”等动词体会诗人的想象；最后配合瀑布图片背诵全诗。",
    ])


# The master after step (1): the background picture at 60 % transparency behind every
# slide, the titles in 华文行楷 and 深蓝 (a standard colour), the text in 楷体.
LESSON_BACKGROUND = PictureFill("瀑布背景.jpg", transparency=60)
LESSON_TITLE = TextStyle(font="华文行楷", color="002060")
LESSON_TEXT = TextStyle(font="楷体")
# The “返回目录” button, bottom right above the slide number and a little below the square picture.
BACK = (7543800, 6004560, 1143000, 320040)
FOOTER = "古诗词鉴赏"


def back_button():
    return Shape("actionButtonBlank", BACK, "返回目录", link=2, size=14, key="back", name="动作按钮: 自定义 返回目录")


def finished():
    wipe_down = Transition("擦除", "自顶部", duration=1500)
    return Presentation("望庐山瀑布", PLAIN, [
        Slide("标题幻灯片", "望庐山瀑布", subtitle=["唐·李白"], transition=wipe_down, animations=(
            Effect("title", "缩放", "对象中心", start="after", duration=1000),
            Effect("subtitle", "浮入", "上浮", start="after", duration=1000, delay=500),
            Effect("title", "脉冲", start="after"),
        )),
        Slide("标题和内容", "目录", body=[P("作者简介", link=3), P("诗歌原文", link=4), P("诗句赏析", link=5)],
              footer=FOOTER, slide_number=True, transition=wipe_down, animations=(
                  Effect("title", "擦除", "自左侧", start="after"),
                  Effect("body", "飞入", "自右侧", start="after", by_paragraph=True),
              )),
        Slide("两栏内容", "作者简介", body=[AUTHOR], pictures=(Picture("李白.jpg", into="right"),),
              shapes=(back_button(),), footer=FOOTER, slide_number=True, transition=wipe_down, animations=(
                  Effect("title", "淡出", start="after"),
                  Effect("body", "擦除", "自顶部", start="after", duration=1500),
                  Effect("picture:李白.jpg", "圆形扩展", start="with", duration=1500),
                  Effect("picture:李白.jpg", "跷跷板", start="after", duration=1000),
              )),
        Slide("两栏内容", "诗歌原文", body=[P(line, bullet=False) for line in POEM], body_size=32, pictures=(Picture("庐山瀑布.jpg", into="right"),),
              shapes=(back_button(),), footer=FOOTER, slide_number=True, transition=wipe_down, animations=(
                  Effect("title", "浮入", start="after", duration=1000),
                  Effect("picture:庐山瀑布.jpg", "擦除", "自顶部", start="after", duration=2000),
                  # line by line, each letter by letter 20% of the duration after the one before
                  Effect("body", "淡出", start="after", duration=2000, by_paragraph=True, by_letter=20),
                  Effect("body", "加粗展示", start="after", only=(2, 3)),  # the last two lines
              )),
        Slide("标题和内容", "诗句赏析", diagrams=(Diagram("垂直项目符号列表", READINGS),),
              shapes=(back_button(),), footer=FOOTER, slide_number=True, transition=wipe_down, animations=(
                  Effect("title", "劈裂", "中央向左右展开", start="after"),
                  Effect("back", "出现", start="with"),
                  # 序列 “逐个”: one item of the graphic at each click.
                  Effect("diagram", "飞入", "自左侧", start="click", duration=1000, by_paragraph=True),
              )),
    ], show=Show("演讲者放映", use_timings=False), master_background=LESSON_BACKGROUND, master_title=LESSON_TITLE,
        master_body=LESSON_TEXT)


@case(4)
def poetry_lesson(material, answer):
    material.add("YSWG.pptx", Presentation("YSWG", PLAIN, [Slide("标题幻灯片")]))
    material.add("望庐山瀑布.docx", lesson_notes())
    material.add("瀑布背景.jpg")
    material.add("李白.jpg")
    material.add("庐山瀑布.jpg")
    done = finished()
    answer.add("YSWG.pptx", done)
    answer.add("YSWG.ppsx", done)
    answer.add("说明.txt", NOTE)


NOTE = """本实例的答案文件：
  YSWG.pptx —— 完成全部步骤后的演示文稿。第（7）步所说的“以‘望庐山瀑布’为名”指演示文稿的标题（第一张幻灯片的标题），不是新的文件名；题目要求以原文件名保存，单击“保存”按钮后文件名仍为YSWG.pptx，不要另存为其他文件名；
  YSWG.ppsx —— 第（8）步转换成的PowerPoint放映文件，双击即开始放映。
母版的背景图片“瀑布背景.jpg”透明度为60%，标题为华文行楷、深蓝色，正文为楷体；第四张幻灯片的四句诗没有项目符号。“华文行楷”是随Office安装的字体，没有安装它的计算机会用其他字体显示标题。
第四张幻灯片的四句诗按段落、“按字母”逐字淡出（字母之间延迟20%），后两句诗再以“加粗展示”强调。
第五张幻灯片的SmartArt图形是真正的SmartArt图形，三项文字与步骤相同，它的“飞入”动画的序列为“逐个”，放映时每单击一次飞入一项赏析内容。内置的“垂直项目符号列表”版式不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列自己编写的；在PowerPoint中按步骤操作时，请选择内置的“垂直项目符号列表”。
"""
