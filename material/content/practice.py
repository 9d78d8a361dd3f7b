"""The skill-practice exercises: the presentations the learner opens (中国梦, 无纸化考试,
练习五) and each exercise's answer, the same presentation after every step of its task."""
import dataclasses

from api import (CM, Diagram, Effect, P, Picture, Presentation, Printing, Shape, Show, Slide, SlidesPdf, Table,
                 Transition, exercise)
from content.looks import AFTER_RAIN, HARVEST, PLAIN, SLATE, VERMILION, WAVES
from ooxml.model import TextStyle

W, H = 9144000, 6858000


def china_dream():
    """中国梦: where it was put forward, what it means, how it is to be reached."""
    return Presentation("中国梦", VERMILION, [
        Slide("标题幻灯片", "中国梦", subtitle=["国家富强　民族振兴　人民幸福"]),
        Slide("标题和内容", "中国梦的提出", body=[
            "“中国梦”于2012年11月在国家博物馆《复兴之路》展览参观活动中首次提出",
            "实现中华民族伟大复兴，就是中华民族近代以来最伟大的梦想",
            "这个梦想凝聚了几代中国人的夙愿，体现了中华民族和中国人民的整体利益",
        ]),
        Slide("标题和内容", "中国梦的基本内涵", body=[
            "国家富强", P("经济实力、科技实力和综合国力不断增强", 1),
            "民族振兴", P("中华民族以更加昂扬的姿态屹立于世界民族之林", 1),
            "人民幸福", P("人民共享发展成果，生活一天比一天好", 1),
        ]),
        Slide("标题和内容", "实现中国梦的途径", body=[
            "必须走中国道路", P("中国特色社会主义道路", 1),
            "必须弘扬中国精神", P("以爱国主义为核心的民族精神和以改革创新为核心的时代精神", 1),
            "必须凝聚中国力量", P("中国各族人民大团结的力量", 1),
        ]),
        Slide("标题和内容", "青年与中国梦", body=[
            "中国梦是国家的梦、民族的梦，也是每个中国人的梦",
            "青年有理想、有本领、有担当，国家就有前途，民族就有希望",
            "立足本职、勤奋学习，在实现中国梦的实践中放飞青春梦想",
        ]),
        Slide("标题幻灯片", "共同创造美好未来", subtitle=["谢谢观看"]),
    ])


def paperless_exam():
    """无纸化考试: what a computer-based exam is and how a candidate goes through it."""
    return Presentation("无纸化考试", SLATE, [
        Slide("标题幻灯片", "无纸化考试", subtitle=["计算机等级考试上机指南"]),
        Slide("标题和内容", "什么是无纸化考试", body=[
            "试题在计算机屏幕上呈现，考生在计算机上作答",
            "选择题和操作题都在考试系统中完成，不再使用纸质试卷和答题卡",
            "考试系统记录考生的答案和操作结果，考试结束后统一评分",
        ]),
        Slide("标题和内容", "考试流程", body=[
            "输入准考证号登录，核对屏幕上的考生信息",
            "阅读考试须知，单击“开始考试”进入答题界面",
            "在规定时间内完成选择题和各道操作题",
            "确认全部作答完毕后单击“交卷”",
        ]),
        Slide("标题和内容", "答题注意事项", body=[
            "操作题的文件必须保存在考生文件夹中",
            "按题目要求的文件名和格式保存，不要随意改名或移动",
            "选择题部分退出后不能再次进入，作答前要看清题目",
            "操作过程中随时保存，防止丢失已完成的工作",
        ]),
        Slide("标题幻灯片", "祝各位考生考试顺利", subtitle=["沉着冷静　认真作答"]),
    ])


def exercise_five():
    """练习五: the ways a presentation is shown."""
    return Presentation("练习五", HARVEST, [
        Slide("标题幻灯片", "演示文稿的放映", subtitle=["练习五"]),
        Slide("标题和内容", "三种放映类型", body=[
            "演讲者放映（全屏幕）：由演讲者控制放映，最为常用",
            "观众自行浏览（窗口）：在窗口中放映，观众可以自行翻页浏览",
            "在展台浏览（全屏幕）：自动循环放映，适合无人值守的展台",
        ]),
        Slide("标题和内容", "放映幻灯片的范围", body=[
            "全部：从第一张放映到最后一张",
            "从……到……：只放映指定编号范围内的幻灯片",
            "自定义放映：按事先选定的幻灯片和顺序放映",
        ]),
        Slide("标题和内容", "常用放映快捷键", body=[
            "F5：从头开始放映",
            "Shift+F5：从当前幻灯片开始放映",
            "B或W：黑屏或白屏，再按一次恢复放映",
            "Esc：结束放映",
        ]),
        Slide("标题和内容", "隐藏幻灯片", body=[
            "隐藏的幻灯片在放映时被自动跳过",
            "在普通视图中仍然可以编辑隐藏的幻灯片",
            "“幻灯片”窗格中隐藏幻灯片的编号带有斜线",
        ]),
    ])


def changed(presentation, **fields):
    """A copy of a presentation with some settings changed, its slides copied too."""
    slides = [dataclasses.replace(s) for s in presentation.slides]
    return dataclasses.replace(presentation, slides=slides, **fields)


@exercise("411")
def basics(material, answer):
    exam_types = Slide("标题和内容", "考试题型", body=["选择题", "操作题"])
    answer.add("练习一.pptx", Presentation("练习一", PLAIN, [
        Slide("标题幻灯片", "全国计算机等级考试", subtitle=["二级MS Office高级应用"]),
        exam_types,
        dataclasses.replace(exam_types),
    ]))
    answer.add("说明.txt", NOTE_411)


NOTE_411 = """本练习的答案文件：练习一.pptx
第5题把演示文稿以“练习一”为文件名保存到D盘“PPT练习”文件夹中（D:\\PPT练习\\练习一.pptx），本文件夹中的练习一.pptx就是保存的这个文件：共三张幻灯片，第1张为标题幻灯片（标题“全国计算机等级考试”，副标题“二级MS Office高级应用”），第2张为“标题和内容”版式，标题为“考试题型”，内容为“选择题”和“操作题”两段；第3张是第2张的副本。
新建的空演示文稿在PowerPoint中使用默认的“Office 主题”；答案文件改用本软件自己设计的白底“素雅”主题代替它。
"""


@exercise("421")
def views(material, answer):
    material.add("中国梦.pptx", china_dream())
    done = changed(china_dream(), zoom=75)
    done.slides[0].notes = "本演示文稿介绍中国梦的内涵"
    answer.add("中国梦.pptx", done)
    answer.add("说明.txt", NOTE_421)


NOTE_421 = """本练习的答案文件：中国梦.pptx
第2题在第一张幻灯片的备注中输入的文字保存在演示文稿中；第4题设置的75%显示比例随演示文稿一起保存，下次打开时普通视图仍按75%显示。
第1、3、5题只是切换视图（第1题为幻灯片浏览视图，第3题为阅读视图，第5题为灰度视图），返回普通视图和颜色视图后不在文件中留下任何变化，因此答案文件中看不到这几步的结果。
"""


@exercise("431")
def design(material, answer):
    material.add("中国梦.pptx", china_dream())
    answer.add("中国梦.pptx", changed(china_dream(), look=WAVES, master_background=AFTER_RAIN,
                                     master_title=TextStyle(font="黑体")))
    answer.add("说明.txt", NOTE_431)


NOTE_431 = """本练习的答案文件：中国梦.pptx
第1题要求的“波形”是PowerPoint的内置主题，不能随本软件分发。答案文件改用本软件自己设计的“碧波”主题（蓝色波浪装饰）来体现“为全部幻灯片应用一个主题”这一步的效果；在PowerPoint中按步骤操作时，请选择“设计”选项卡中的“波形”主题。
第2题的渐变背景已应用于全部幻灯片，第3题在幻灯片母版中把标题字体设为“黑体”。
"""


@exercise("441")
def objects(material, answer):
    answer.add("演示文稿1.pptx", Presentation("演示文稿1", PLAIN, [
        Slide("空白", shapes=(Shape("wordart", (1371600, 304800, 6400800, 1143000), "美丽中国", size=60, bold=True,
                                  color="accent2", key="wordart", name="艺术字 美丽中国"),),
              pictures=(Picture("风景.jpg", into="body", height=10 * CM),)),
        Slide("标题和内容", "课程安排", tables=(Table((("", "", ""),) * 4, style="中度样式 4 - 强调 2"),)),
        Slide("仅标题", "学习流程",
              diagrams=(Diagram("基本流程", ("预习", "听课", "复习"), box=(685800, 1752600, 7772400, 2286000)),),
              shapes=(Shape("roundRect", (3200400, 4343400, 2743200, 914400), "持之以恒", key="persevere"),)),
    ]))
    answer.add("说明.txt", NOTE_441)


NOTE_441 = """本练习的答案文件：演示文稿1.pptx（题目没有要求保存，答案按PowerPoint新建演示文稿的默认文件名保存）
第3题的“风景.jpg”由学习者自备，答案中的风景图片是本软件绘制的插图，高度为10厘米。
第4题插入的表格按步骤保持为空表格，表格样式为“中度样式 4 - 强调 2”。
第5题的SmartArt图形在答案文件中是真正的SmartArt图形，三个形状依次为“预习”“听课”“复习”，以箭头相连；内置的“基本流程”版式不能随本软件分发，答案中图形的版式、颜色和样式是本软件按“基本流程”的排列自己编写的，版式名称为“水平流程（形状间以箭头相连）”。在PowerPoint中按步骤操作时，请在“选择SmartArt图形”对话框的“流程”类别中选择内置的“基本流程”。
"""


def chinese_dream_interaction():
    p = changed(china_dream(), show=Show("观众自行浏览"))
    push = Transition("推进")
    for s in p.slides:
        s.transition = push
    p.slides[0].animations = (Effect("title", "飞入", "自左侧"),)
    p.slides[1].title_link = "lastslide"
    last = p.slides[-1]
    # Bottom right, just left of the look's red corner on the title slide.
    last.shapes = last.shapes + (Shape("actionButtonHome", (6553200, 5867400, 685800, 533400), link="firstslide",
                                       name="动作按钮: 第一张"),)
    return p


@exercise("451")
def interaction(material, answer):
    material.add("中国梦.pptx", china_dream())
    answer.add("中国梦.pptx", chinese_dream_interaction())


@exercise("452")
def animation(material, answer):
    material.add("无纸化考试.pptx", paperless_exam())
    p = changed(paperless_exam(), show=Show("演讲者放映"))
    title_effects = (Effect("title", "浮入", start="after", duration=1000),
                     Effect("title", "陀螺旋", duration=2000))
    p.slides[0].animations = title_effects
    p.slides[1].animations = title_effects  # 动画刷
    p.slides[1].title_link = "nextslide"
    bars = Transition("随机线条", sound="风铃.wav", advance_after=5000)
    for s in p.slides:
        s.transition = bars
    answer.add("无纸化考试.pptx", p)
    answer.add("说明.txt", NOTE_452)


NOTE_452 = """本练习的答案文件：无纸化考试.pptx
第5题的切换声音“风铃”是PowerPoint自带的声音文件，不能随本软件分发；答案文件中嵌入的是本软件自己合成的风铃声，名称同为“风铃”。在PowerPoint中按步骤操作时，请在“声音”下拉列表中选择“风铃”。
"""


@exercise("461")
def output(material, answer):
    material.add("无纸化考试.pptx", paperless_exam())
    exam = paperless_exam()
    answer.add("无纸化考试.ppsx", exam)
    answer.add("无纸化考试.pdf", SlidesPdf(exam))
    answer.add_slide_images("无纸化考试", exam)
    answer.add("说明.txt", NOTE_461)


NOTE_461 = """本练习的答案文件：
  无纸化考试.ppsx —— 第2题另存的“PowerPoint 放映”文件，双击即直接开始放映；
  无纸化考试.pdf —— 第3题发布的PDF文档，每页一张幻灯片，页面上的文字可以选择、搜索和复制；
  “无纸化考试”文件夹 —— 第4题将每张幻灯片另存为的JPEG图片（幻灯片1.JPG～幻灯片5.JPG）。
第1题把演示文稿打包到D盘，结果在D盘的“无纸化考试”文件夹中（其中是演示文稿的副本），不在答案文件夹中。
PDF和图片由本软件自己的绘图程序生成，字体和细节与PowerPoint输出的文件可能略有不同。PDF的每一页是幻灯片的图片，图片上叠放着一层看不见的文字（标题、副标题和各段正文），选择和复制的就是这层文字；文字所用的中文字体没有嵌入PDF，由阅读器用系统中的字体代替。
"""


@exercise("462")
def slide_show(material, answer):
    material.add("练习五.pptx", exercise_five())
    p = changed(exercise_five(), show=Show("演讲者放映", loop=True, first=2, last=4),
                custom_shows=(("重点内容", (1, 3)),))
    p.slides[-1].hidden = True
    answer.add("练习五.pptx", p)


@exercise("463")
def printing(material, answer):
    material.add("中国梦.pptx", china_dream())
    p = changed(china_dream(), printing=Printing("handouts6", "gray"))
    answer.add("中国梦.pptx", p)
    answer.add("打印效果.pdf", SlidesPdf(p, slides=(1, 2, 3), handouts=6, grey=True))
    answer.add("说明.txt", NOTE_463)


NOTE_463 = """本练习的各项设置都在“文件”→“打印”页面中完成，只在打印时起作用，题目也没有要求保存。
答案文件中的演示文稿保存了其中能随文件保存的两项：打印内容为讲义（每页6张幻灯片）、颜色为灰度。打印份数（3份）和打印范围（第1张至第3张）不随演示文稿保存。
打印效果.pdf 显示按这些设置打印出的一页讲义（每份一页，共打印3份）：第1～3张幻灯片按水平顺序排列，以灰度打印。
"""


@exercise("464")
def rehearsal(material, answer):
    material.add("无纸化考试.pptx", paperless_exam())
    p = changed(paperless_exam(), show=Show("在展台浏览", loop=True, use_timings=True))
    timed = Transition("", advance_after=5000)
    for s in p.slides:
        s.transition = timed
    first = p.slides[0]
    # The highlighter's stroke close under the title, about as wide as the title's text.
    first.shapes = first.shapes + (Shape("ink", (2971800, 3291840, 3200400, 152400), line="FFFF00", alpha=50,
                                         line_width=114300, path=((0, 50000), (35000, 60000), (70000, 40000),
                                                                  (100000, 55000)),
                                         name="墨迹注释（荧光笔）"),)
    answer.add("无纸化考试.pptx", p)
    answer.add("说明.txt", NOTE_464)


NOTE_464 = """本练习的答案文件：无纸化考试.pptx
第1题保留的荧光笔墨迹在第一张幻灯片标题下方：答案文件用一条半透明的黄色任意多边形线条代替PowerPoint保存的真正墨迹注释；第2题的排练时间为每张幻灯片5秒；第3题的放映方式为“在展台浏览（全屏幕）”，换片方式使用排练时间。
第4题创建的视频保存在D盘“PPT练习”文件夹中（无纸化考试.wmv），第5题在Word中生成的讲义是一个新的Word文档，两者都不在答案文件夹中。
"""
