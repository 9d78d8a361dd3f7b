"""What a presentation holds, as plain data: the content modules describe their
presentations with these classes, the writer turns them into a package, and the tests
read the same data for what each file must show."""
from dataclasses import dataclass, field

from .animation import Effect  # noqa: F401  (re-exported for the content modules)
from .theme import Decoration, Gradient, Look, PictureFill, Solid  # noqa: F401

CM = 360000  # EMU a centimetre


@dataclass(frozen=True)
class HeadingRule(Decoration):
    """A decoration of a look that underlines the titles at the top of the slides: the
    layouts with such a title draw it, the master does not, so a title slide, a section
    heading and a blank slide carry no stray line."""


@dataclass(frozen=True)
class P:
    """A paragraph: its text, its outline level (0 = first), and where a click on it
    leads ("firstslide", "lastslide", "nextslide", "prevslide" or a slide number)."""
    text: str
    level: int = 0
    link: object = None
    bold: bool = False
    size: int = 0  # points; 0 keeps the placeholder's size
    color: str = ""
    align: str = ""  # "ctr", "r"; empty keeps the placeholder's
    line_spacing: float = 0  # 1.5 = 1.5 lines; 0 keeps the placeholder's
    bullet: bool = True  # False: 项目符号 "无" (no bullet, no hanging indent)


def paragraphs(items):
    return tuple(p if isinstance(p, P) else P(p) for p in items)


@dataclass(frozen=True)
class Picture:
    name: str  # the picture's file name, as in the material folder ("碧水.jpg")
    box: tuple = ()  # x, y, cx, cy in EMU; empty: fills the placeholder `into`
    into: str = ""  # "body", "left", "right": inserted through that content placeholder
    height: int = 0  # EMU; with `box` empty and `into` given, scales to this height
    style: str = ""  # "柔化边缘矩形", "映像圆角矩形"
    key: str = ""  # how animations name it; default "picture:" + name


@dataclass(frozen=True)
class Table:
    rows: tuple  # of tuples of cell texts
    box: tuple = ()  # empty: the content placeholder's place
    style: str = "中度样式 2 - 强调 1"
    key: str = "table"
    widths: tuple = ()  # EMU a column, as dragging the borders leaves them; empty: equal columns


@dataclass(frozen=True)
class Shape:
    """A drawn shape ("roundRect", "actionButtonHome", …) or a text box ("textbox")."""
    geometry: str
    box: tuple
    text: object = ""  # a string, or a tuple of paragraphs (strings or P) typed with Enter between them
    link: object = None  # as P.link, for a click on the whole shape
    key: str = ""
    size: int = 0
    fill: str = ""  # RRGGBB; empty uses the look's accent
    line: str = ""
    color: str = ""
    alpha: int = 100
    line_width: int = 0  # EMU; for strokes
    path: tuple = ()  # ((x, y), …) in 0..100000 of the box: an open stroke (a pen's line)
    bold: bool = False
    font: str = ""
    name: str = ""  # the shape's name in the selection pane


@dataclass(frozen=True)
class Diagram:
    """A SmartArt graphic (插入 → SmartArt): its layout as the gallery names it and its
    text, one item a shape; an item may be (text, (second-level texts…)). The layouts,
    colours and styles the writer knows are in smartart_layouts.py (GALLERY) and
    smartart_styles.py (_colour_scheme, QUICK_STYLES); a radial layout takes one item,
    whose sub-items go round it."""
    layout: str  # "基本流程", "垂直项目符号列表", "基本循环", "组织结构图", …
    items: tuple
    box: tuple = (914400, 1600200, 7315200, 4114800)  # EMU; by default the content area
    style: str = ""  # SmartArt 样式 as the gallery names it ("强烈效果"); empty: the layout's own
    colors: str = ""  # 更改颜色 ("彩色 - 强调文字颜色"); empty: the layout's own
    key: str = "diagram"  # how animations name it

    def texts(self):
        """Every text of the graphic, first level and second, in reading order."""
        out = []
        for item in self.items:
            if isinstance(item, tuple):
                out.append(item[0])
                out.extend(item[1])
            else:
                out.append(item)
        return out


@dataclass(frozen=True)
class TextStyle:
    """Character formatting set on a placeholder in the master view (开始 → 字体); empty
    or zero keeps what the master or the look gives. A colour is RRGGBB, or a theme
    colour by its name ("bg1" is 白色，背景 1, "tx1" 黑色，文字 1)."""
    font: str = ""
    size: int = 0  # points
    bold: bool = False
    color: str = ""


@dataclass(frozen=True)
class LayoutFormat:
    """What the steps change on one layout of the master view."""
    title: TextStyle = TextStyle()
    body: TextStyle = TextStyle()  # the subtitle of 标题幻灯片, the text of the others
    background: object = None  # a fill of this layout's own
    hide_master_graphics: bool = False  # 隐藏背景图形: the master's shapes and pictures stay off
    pictures: tuple = ()


@dataclass(frozen=True)
class Sound:
    """A sound or music file inserted on a slide (插入 → 音频 → 文件中的音频)."""
    name: str  # "背景音乐.mp3"
    box: tuple = (8382000, 6019800, 457200, 457200)
    start: str = "auto"  # "auto" (自动), "click" (单击时), "across" (跨幻灯片播放)
    loop: bool = False  # 循环播放，直到停止
    hide: bool = False  # 放映时隐藏
    key: str = "sound"


@dataclass(frozen=True)
class Transition:
    name: str  # "推进", "随机线条", "淡出", "分割", "涟漪", …
    option: str = ""  # effect option as the 切换 tab names it
    duration: int = 0  # ms; 0 keeps the effect's own
    advance_after: int = 0  # ms; 0 = no automatic advance (设置自动换片时间)
    on_click: bool = True  # 单击鼠标时
    sound: str = ""  # a .wav of ours, such as "风铃.wav"


@dataclass
class Slide:
    layout: str  # "标题幻灯片", "标题和内容", "节标题", "两栏内容", "比较", "仅标题", "空白"
    title: str = ""
    title_link: object = None
    title_font: str = ""  # a font set on this slide's title alone (开始 → 字体)
    title_size: int = 0  # points, for this slide's title alone
    subtitle: tuple = ()  # paragraphs of a title slide's subtitle
    body: tuple = ()  # paragraphs of the content placeholder (the left one in two columns)
    right: tuple = ()  # paragraphs of the right column
    pictures: tuple = ()
    tables: tuple = ()
    shapes: tuple = ()
    diagrams: tuple = ()
    sounds: tuple = ()
    notes: str = ""
    background: object = None  # a fill for this slide alone
    transition: Transition = None
    animations: tuple = ()
    hidden: bool = False
    slide_number: bool = False
    footer: str = ""
    body_size: int = 0  # points, for the content placeholder's text
    body_box: tuple = ()  # the content placeholder's own place (EMU) where a step drags it; empty: the layout's
    headings: tuple = ()  # 比较: the headings above the left and the right column (keys left_heading, right_heading)

    def __post_init__(self):
        self.subtitle = paragraphs(self.subtitle)
        self.body = paragraphs(self.body)
        self.right = paragraphs(self.right)


@dataclass(frozen=True)
class Show:
    """设置放映方式."""
    kind: str = "演讲者放映"  # "演讲者放映", "观众自行浏览", "在展台浏览"
    loop: bool = False
    first: int = 0  # 从 … 到 …; 0 = all slides
    last: int = 0
    use_timings: bool = True  # 换片方式: 如果存在排练时间，则使用它


@dataclass(frozen=True)
class Printing:
    """What the presentation keeps of the print settings: what is printed and in which colours."""
    what: str = "slides"  # "slides", "handouts6", …
    colours: str = "clr"  # "clr", "gray", "bw"


@dataclass
class Presentation:
    title: str  # the document title (文件属性)
    look: Look
    slides: list
    show: Show = field(default_factory=Show)
    custom_shows: tuple = ()  # ((name, (slide numbers…)), …)
    printing: Printing = None
    zoom: int = 0  # the normal view's zoom in percent; 0 = fit to the window
    slideshow_file: bool = False  # .ppsx: opens as a slide show
    master_background: object = None  # overrides the look's background on the master
    # What the steps set in the master view: the master's title and text styles, the
    # pictures inserted on the master (on every slide whose layout shows the master's
    # graphics), and the changes to single layouts ({layout name: LayoutFormat}).
    master_title: TextStyle = None
    master_body: TextStyle = None
    master_pictures: tuple = ()
    layouts: dict = field(default_factory=dict)
    slide_size: str = "4:3"  # 页面设置: "4:3" (全屏显示(4:3)) or "16:9" (全屏显示(16:9))
