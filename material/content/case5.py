"""实例5: the launch of 青穹X1, a phone of an invented company — a black master with the
company's emblem, a launch picture behind the title slide, a SmartArt list and a table of
technical data, everything animated to play by itself, and a looping kiosk show."""
import dataclasses

from api import Diagram, Document, Effect, P, Para, Picture, PictureFill, Presentation, Show, Slide, Solid, Table, \
    Transition, case
from content.looks import PLAIN
from ooxml.model import LayoutFormat, TextStyle
from ooxml.smartart import with_breaks
from pictures import PICTURES

PICTURES.update({
    "青穹标志.png": ("青穹标志.svg", 400, 400),
    "发布会背景.jpg": ("发布会背景.svg", 1200, 900),  # 4:3, to fill the title slide
    "青穹X1外观.jpg": ("青穹X1外观.svg", 1000, 1000),
})

COMPANY = "青穹移动通讯有限公司"
LOOKS = ("6.7英寸超窄边框曲面屏，机身厚度仅7.9毫米", "星空黑、冰川蓝、晨雾白三种配色可选")
CAMERAS = ("5000万像素主摄", "1200万像素超广角", "AI夜景拍摄")
PARAMETERS = (("处理器", "八核5G旗舰芯片"), ("运行内存", "12GB"), ("电池容量", "5000mAh"), ("快充功率", "67W有线快充"))


def launch_notes():
    """青穹X1发布资料.docx: what marketing hands over — the phone's looks, cameras and technical data."""
    return Document("青穹X1发布资料", [
        Para("青穹X1发布资料", "标题"),
        "说明：青穹移动通讯有限公司和“青穹X1”手机均为本练习虚构，文中的参数仅供制作演示文稿练习使用。",
        Para("公司简介", "标题 1"),
        COMPANY + "是一家专注于智能手机研发的科技企业，坚持“让好科技触手可及”的理念，"
                  "此次发布的青穹X1是公司新一代旗舰手机。",
        Para("产品亮点", "标题 1"),
        "外观设计：轻薄机身与曲面屏幕，三种配色。",
        "影像系统：后置双摄配合AI算法，白天黑夜都能拍出清晰的照片。",
        "性能与续航：旗舰芯片与大容量电池，快充省心。",
        Para("产品外观", "标题 1"),
        *LOOKS,
        "中框采用铝合金材质，后盖为磨砂玻璃，握持舒适、不易留下指纹，整机重约190克。",
        Para("影像系统", "标题 1"),
        *CAMERAS,
        "主摄支持光学防抖，运动中拍摄也能保持画面稳定；超广角镜头视角达120°，适合拍摄风景和建筑；"
        "AI夜景模式连续拍摄多帧画面合成，在弱光环境下照片依然明亮清晰。前置自拍镜头为3200万像素。",
        Para("性能参数", "标题 1"),
        *("%s：%s" % row for row in PARAMETERS),
        "机身存储有256GB和512GB两种版本可选；使用67W有线快充，约40分钟即可充满电池。",
        Para("上市信息", "标题 1"),
        "发布会结束后即开启预约，首批产品在各地专卖店和官方商城同步发售。",
    ])


# The presentation the learner opens: plain white, with a bright blue for links that
# still reads once the master turns black.
START = dataclasses.replace(PLAIN, name="素白", hlink="3A9BEA", fol_hlink="A57FE8")
# The master after step (1): 黑色，文字 1 behind every slide, titles (bold) and text in
# 微软雅黑 and 白色，背景 1, the emblem at the top right; the title slide's layout hides the
# master's graphics, has the launch picture behind it, a 54 pt title and a white subtitle.
WHITE = "bg1"
MASTER = dict(
    master_background=Solid("tx1"),
    master_title=TextStyle(font="微软雅黑", bold=True, color=WHITE),
    master_body=TextStyle(font="微软雅黑", color=WHITE),
    master_pictures=(Picture("青穹标志.png", (8382000, 152400, 609600, 609600)),),
    layouts={"标题幻灯片": LayoutFormat(title=TextStyle(size=54), body=TextStyle(color=WHITE),
                                     background=PictureFill("发布会背景.jpg"), hide_master_graphics=True)},
)


def finished():
    cube = Transition("立方体", "自右侧", advance_after=8000, on_click=False)
    return Presentation("青穹X1新品发布会", START, [
        Slide("标题幻灯片", "青穹X1新品发布会", subtitle=[COMPANY], transition=cube, animations=(
                  Effect("title", "弹跳", start="after", duration=1500),
                  Effect("subtitle", "淡出", start="after", delay=500),
                  Effect("title", "彩色脉冲", start="after"),
              )),
        Slide("标题和内容", "产品亮点", body=[P("外观设计", link=3), P("影像系统", link=4), P("性能与续航", link=5)],
              transition=cube, animations=(
                  Effect("title", "飞入", "自左侧", start="after"),
                  Effect("body", "浮入", start="after", duration=1000, by_paragraph=True),
              )),
        Slide("两栏内容", "外观设计", body=list(LOOKS), pictures=(Picture("青穹X1外观.jpg", into="right"),),
              transition=cube, animations=(
                  Effect("title", "飞入", "自左侧", start="after"),  # copied with the animation painter
                  Effect("body", "擦除", "自左侧", start="after", by_paragraph=True),
                  Effect("picture:青穹X1外观.jpg", "旋转", start="with", duration=1000),
                  Effect("picture:青穹X1外观.jpg", "放大/缩小", start="after", duration=2000, delay=500),
              )),
        Slide("标题和内容", "影像系统",
              diagrams=(Diagram("基本块列表", with_breaks(CAMERAS, "像素|主摄", "像素|超广角")),),
              transition=cube, animations=(
                  Effect("title", "缩放", start="after"),
                  # 形状 (放大, 圆), 序列 “逐个”; a pause of 0.5 s before the first shape only.
                  Effect("diagram", "形状", start="after", duration=1000, by_paragraph=True, delays=(500,)),
              )),
        Slide("标题和内容", "性能与续航", tables=(Table((("项目", "参数"),) + PARAMETERS),),
              transition=cube, animations=(
                  Effect("title", "劈裂", "中央向左右展开", start="after"),
                  Effect("table", "随机线条", "水平", start="after", duration=1000),
                  Effect("table", "脉冲", start="after", delay=1000),
              )),
    ], show=Show("在展台浏览", loop=True, use_timings=True), **MASTER)


@case(5)
def phone_launch(material, answer):
    material.add("YSWG.pptx", Presentation("YSWG", START, [Slide("标题幻灯片")]))
    material.add("青穹X1发布资料.docx", launch_notes())
    material.add("青穹标志.png")
    material.add("发布会背景.jpg")
    material.add("青穹X1外观.jpg")
    done = finished()
    answer.add("YSWG.pptx", done)
    answer.add("YSWG.ppsx", done)
    answer.add("说明.txt", NOTE)


NOTE = """本实例的答案文件：
  YSWG.pptx —— 完成全部步骤后的演示文稿。第（7）步所说的“以‘青穹X1新品发布会’为名”指演示文稿的标题（第一张幻灯片的标题），不是新的文件名；题目要求以原文件名保存，单击“保存”按钮后文件名仍为YSWG.pptx，不要另存为其他文件名；
  YSWG.ppsx —— 第（8）步转换成的PowerPoint放映文件，双击即以展台方式循环放映。
青穹移动通讯有限公司、青穹X1手机和它的各项参数都是为本练习虚构的。
幻灯片母版的背景为黑色，标题和正文为白色的微软雅黑，标题加粗，公司标志在母版的右上角；“标题幻灯片”版式隐藏了背景图形（不显示公司标志），以“发布会背景.jpg”为背景，标题为54磅，副标题为白色。这些设置都在母版视图中，幻灯片本身没有另行设置。
第四张幻灯片的SmartArt图形是真正的SmartArt图形，三项文字与步骤相同，它的“形状”动画的序列为“逐个”，三个形状在标题之后自动依次出现，第一个形状前延迟0.5秒。内置的“基本块列表”版式不能随本软件分发，答案中图形的版式、颜色和样式是本软件按同样的排列自己编写的；在PowerPoint中按步骤操作时，请选择内置的“基本块列表”。
"""
