"""Writes a Presentation (model.py) as a .pptx or .ppsx package of our own master and layouts."""
import dataclasses

from .animation import timing_xml
from .model import CM, LayoutFormat, P, Solid, TextStyle, paragraphs
from .package import R, R_MEDIA, XML_HEAD, Package, add_core, attr, text
from .smartart import build_order, write_diagram
from .theme import colour, decoration_xml, fill_xml, theme_xml

NS = ('xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" '
      'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships" '
      'xmlns:p="http://schemas.openxmlformats.org/presentationml/2006/main"')
CT = "application/vnd.openxmlformats-officedocument.presentationml."
SLIDE_W, SLIDE_H = 9144000, 6858000
# 页面设置 → 幻灯片大小: the slide's size, its type and the name the file's properties give it.
# The model places everything on a 4:3 slide; on another size the writer scales the
# heights as the program does when the size changes (the width stays 25.4 cm).
SLIDE_SIZES = {"4:3": (9144000, 6858000, "screen4x3", "全屏显示(4:3)"),
               "16:9": (9144000, 5143500, "screen16x9", "全屏显示(16:9)")}

# Our layouts: name, type, placeholders (kind, idx, box). Boxes in EMU on a 4:3 slide.
TITLE_BOX = (457200, 274638, 8229600, 1143000)
BODY_BOX = (457200, 1600200, 8229600, 4525963)
LEFT_BOX = (457200, 1600200, 4038600, 4525963)
RIGHT_BOX = (4648200, 1600200, 4038600, 4525963)
FOOTER_BOXES = {"dt": (457200, 6356350, 2133600, 365125), "ftr": (3124200, 6356350, 2895600, 365125),
                "sldNum": (6553200, 6356350, 2133600, 365125)}
FOOTER_IDX = {"dt": 10, "ftr": 11, "sldNum": 12}
LAYOUTS = [
    ("标题幻灯片", "title", [("ctrTitle", None, (685800, 2130425, 7772400, 1470025)),
                         ("subTitle", 1, (1371600, 3886200, 6400800, 1752600))]),
    ("标题和内容", "obj", [("title", None, TITLE_BOX), ("obj", 1, BODY_BOX)]),
    ("节标题", "secHead", [("title", None, (722313, 4406900, 7772400, 1362075)),
                        ("body", 1, (722313, 2906713, 7772400, 1500187))]),
    ("两栏内容", "twoObj", [("title", None, TITLE_BOX), ("half", 1, LEFT_BOX), ("half", 2, RIGHT_BOX)]),
    # 比较: a small heading above each column.
    ("比较", "twoTxTwoObj", [("title", None, TITLE_BOX), ("heading", 1, (457200, 1535113, 4040188, 639762)),
                           ("half", 2, (457200, 2174875, 4040188, 3951288)),
                           ("heading", 3, (4645025, 1535113, 4041775, 639762)),
                           ("quarter", 4, (4645025, 2174875, 4041775, 3951288))]),
    ("仅标题", "titleOnly", [("title", None, TITLE_BOX)]),
    ("空白", "blank", []),
]
LAYOUT_INDEX = {name: i for i, (name, _, _) in enumerate(LAYOUTS)}
PROMPTS = {"ctrTitle": "单击此处编辑母版标题样式", "title": "单击此处编辑母版标题样式",
           "subTitle": "单击此处编辑母版副标题样式", "body": "单击此处编辑母版文本样式"}
JUMPS = {"firstslide", "lastslide", "nextslide", "prevslide"}

TABLE_STYLES = {  # name as the 表格样式 gallery shows it -> the style's identifier and its accent
    "中度样式 2 - 强调 1": ("{5C22544A-7EE6-4342-B048-85BDC9FD1C3A}", "accent1"),
    "中度样式 4 - 强调 2": ("{8A107856-5554-42FB-B03E-39F5DBC370BA}", "accent2"),
}

# Transitions: name -> element (and whether it needs the 2010 extension), option -> attributes.
TRANSITIONS = {
    "切出": ("cut", False, {}),
    "淡出": ("fade", False, {"": "", "平滑": "", "全黑": ' thruBlk="1"'}),
    "推进": ("push", False, {"": ' dir="u"', "自底部": ' dir="u"', "自左侧": ' dir="r"', "自右侧": ' dir="l"',
                            "自顶部": ' dir="d"'}),
    "擦除": ("wipe", False, {"": ' dir="r"', "自右侧": ' dir="l"', "自顶部": ' dir="d"', "自左侧": ' dir="r"',
                            "自底部": ' dir="u"'}),
    "分割": ("split", False, {"": ' orient="vert" dir="out"', "中央向左右展开": ' orient="vert" dir="out"',
                             "左右向中央收缩": ' orient="vert" dir="in"', "中央向上下展开": ' orient="horz" dir="out"',
                             "上下向中央收缩": ' orient="horz" dir="in"'}),
    "随机线条": ("randomBar", False, {"": ' dir="vert"', "垂直": ' dir="vert"', "水平": ' dir="horz"'}),
    "形状": ("circle", False, {"": "", "圆形": ""}),
    "揭开": ("pull", False, {"": ' dir="l"'}),
    "覆盖": ("cover", False, {"": ' dir="l"'}),
    "百叶窗": ("blinds", False, {"": ' dir="vert"', "垂直": ' dir="vert"', "水平": ' dir="horz"'}),
    "涟漪": ("ripple", True, {"": "", "居中": ""}),
    # 涡流 and 立方体 move towards the side they do not come from, as 推进 does.
    "涡流": ("vortex", True, {"": ' dir="r"', "自左侧": ' dir="r"', "自右侧": ' dir="l"', "自顶部": ' dir="d"',
                            "自底部": ' dir="u"'}),
    "立方体": ("prism", True, {"": ' dir="l"', "自右侧": ' dir="l"', "自左侧": ' dir="r"', "自顶部": ' dir="d"',
                              "自底部": ' dir="u"'}),
}


def slide_texts(slide):
    """The paragraphs of a slide's texts as (text, level), by the key animations name
    their shape by: what a build by paragraph or by letter goes through."""
    texts = {"title": ((slide.title, 0),) if slide.title else ()}
    for key in ("subtitle", "body", "right"):
        texts[key] = tuple((p.text, p.level) for p in getattr(slide, key))
    for shape in slide.shapes:
        if shape.key and shape.text:
            texts[shape.key] = tuple((p.text, p.level) for p in paragraphs(shape.text)) \
                if isinstance(shape.text, tuple) else ((shape.text, 0),)
    return texts


def emu_box(box):
    x, y, cx, cy = box
    return '<a:xfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/></a:xfrm>' % (x, y, cx, cy)


def nv_group():
    return ('<p:nvGrpSpPr><p:cNvPr id="1" name=""/><p:cNvGrpSpPr/><p:nvPr/></p:nvGrpSpPr><p:grpSpPr>'
            '<a:xfrm><a:off x="0" y="0"/><a:ext cx="0" cy="0"/><a:chOff x="0" y="0"/><a:chExt cx="0" cy="0"/>'
            '</a:xfrm></p:grpSpPr>')


def ph_xml(kind, idx):
    if kind in ("obj",):
        return '<p:ph idx="%d"/>' % idx
    if kind in ("half", "quarter"):
        return '<p:ph sz="%s" idx="%d"/>' % (kind, idx)
    if kind == "heading":  # 比较's headings: text placeholders, the right one a quarter
        return '<p:ph type="body"%s idx="%d"/>' % (' sz="quarter"' if idx > 1 else "", idx)
    if kind in FOOTER_IDX:
        return '<p:ph type="%s" sz="%s" idx="%d"/>' % (kind, "half" if kind == "dt" else "quarter", FOOTER_IDX[kind])
    if idx is None:
        return '<p:ph type="%s"/>' % kind
    return '<p:ph type="%s" idx="%d"/>' % (kind, idx)


def char_props(style, fill="", fonts=""):
    """The fill and fonts of a defRPr as a TextStyle sets them; `fill` where it sets no
    colour, and where it sets no font the theme's fonts ("mj" headings, "mn" body)."""
    out = "<a:solidFill>%s</a:solidFill>" % colour(style.color) if style.color else fill
    if style.font:
        return out + '<a:latin typeface=%s/><a:ea typeface=%s/><a:cs typeface="+%s-cs"/>' % (
            attr(style.font), attr(style.font), fonts or "mn")
    if fonts:
        out += '<a:latin typeface="+%s-lt"/><a:ea typeface="+%s-ea"/><a:cs typeface="+%s-cs"/>' % (fonts, fonts, fonts)
    return out


def _def_rpr(size, style, fill=""):
    attrs = (' sz="%d"' % (size * 100) if size else "") + (' b="1"' if style.bold else "")
    inner = char_props(style, fill)
    return "<a:defRPr%s>%s</a:defRPr>" % (attrs, inner) if inner else "<a:defRPr%s/>" % attrs


def layout_list_style(ph, fmt, layout_kind):
    """A layout placeholder's own list style: the layout's sizes, and what a step set there."""
    if ph == "ctrTitle":
        return '<a:lstStyle><a:lvl1pPr>%s</a:lvl1pPr></a:lstStyle>' % _def_rpr(fmt.title.size or 44, fmt.title)
    if ph == "title":
        t = fmt.title
        return '<a:lstStyle><a:lvl1pPr>%s</a:lvl1pPr></a:lstStyle>' % _def_rpr(t.size, t) \
            if (t.size or t.bold or t.font or t.color) else "<a:lstStyle/>"
    b = fmt.body
    if ph == "subTitle":
        return ('<a:lstStyle><a:lvl1pPr marL="0" indent="0" algn="ctr"><a:buNone/>%s</a:lvl1pPr></a:lstStyle>'
                % _def_rpr(b.size or 24, b, '<a:solidFill><a:schemeClr val="tx2"/></a:solidFill>'))
    if ph == "heading":
        return ('<a:lstStyle><a:lvl1pPr marL="0" indent="0"><a:buNone/>%s</a:lvl1pPr></a:lstStyle>'
                % _def_rpr(b.size or 24, dataclasses.replace(b, bold=True)))
    # 比较's columns are narrow: their text starts smaller, as in the program's own layout.
    sizes = (b.size or 24, 20, 18) if layout_kind == "twoTxTwoObj" else (b.size,)
    if not (any(sizes) or b.bold or b.font or b.color):
        return "<a:lstStyle/>"
    return "<a:lstStyle>%s</a:lstStyle>" % "".join(
        "<a:lvl%dpPr>%s</a:lvl%dpPr>" % (n, _def_rpr(sz, b if n == 1 else TextStyle()), n)
        for n, sz in enumerate(sizes, 1))


def fit_picture(pic, size, area):
    """A picture inserted through a placeholder: as large as fits the area, in its middle;
    or at the height a step sets, its width in proportion."""
    w, h = size
    ax, ay, aw, ah = area
    if pic.height:
        ch = pic.height
        cw = int(ch * w / h)
    else:
        scale = min(aw / w, ah / h)
        cw, ch = int(w * scale), int(h * scale)
    return (ax + (aw - cw) // 2, ay + (ah - ch) // 2, cw, ch)


class _Slides:
    """Resolves a link target of a slide to a relationship of that slide."""

    def __init__(self, pkg, count):
        self.pkg = pkg
        self.count = count

    def click(self, source, link, element="a:hlinkClick"):
        if link is None:
            return ""
        if link in JUMPS:
            return '<%s r:id="" action="ppaction://hlinkshowjump?jump=%s"/>' % (element, link)
        if isinstance(link, int):
            rid = self.pkg.relate(source, R + "slide", "slide%d.xml" % link)
            return '<%s r:id="%s" action="ppaction://hlinksldjump"/>' % (element, rid)
        rid = self.pkg.relate(source, R + "hyperlink", link, external=True)
        return '<%s r:id="%s"/>' % (element, rid)


def run_props(p, link_xml="", size=0, color="", bold=False, font=""):
    attrs = ' lang="zh-CN" altLang="en-US"'
    size = p.size if isinstance(p, P) and p.size else size
    if size:
        attrs += ' sz="%d"' % (size * 100)
    if (isinstance(p, P) and p.bold) or bold:
        attrs += ' b="1"'
    inner = ""
    color = (p.color if isinstance(p, P) else "") or color
    if color:
        inner += "<a:solidFill><a:srgbClr val=\"%s\"/></a:solidFill>" % color
    if font:
        inner += '<a:latin typeface=%s/><a:ea typeface=%s/>' % (attr(font), attr(font))
    return "<a:rPr%s dirty=\"0\">%s%s</a:rPr>" % (attrs, inner, link_xml)


def paragraph_xml(p, links, source, size=0, color="", font=""):
    ppr = ""
    attrs = ""
    if not p.bullet:  # 项目符号 "无" takes the hanging indent away with the bullet
        attrs += ' marL="0" indent="0"'
    if p.level:
        attrs += ' lvl="%d"' % p.level
    if p.align:
        attrs += ' algn="%s"' % p.align
    inner = ""
    if p.line_spacing:
        inner = '<a:lnSpc><a:spcPct val="%d"/></a:lnSpc>' % int(p.line_spacing * 100000)
    if not p.bullet:
        inner += "<a:buNone/>"
    if attrs or inner:
        ppr = "<a:pPr%s>%s</a:pPr>" % (attrs, inner)
    rpr = run_props(p, links.click(source, p.link), size, color, font=font)
    return "<a:p>%s<a:r>%s<a:t>%s</a:t></a:r></a:p>" % (ppr, rpr, text(p.text))


def text_body(paras, links, source, body_pr="<a:bodyPr/>", size=0, color="", font=""):
    if not paras:
        return '<p:txBody>%s<a:lstStyle/><a:p><a:endParaRPr lang="zh-CN" altLang="en-US"/></a:p></p:txBody>' % body_pr
    return "<p:txBody>%s<a:lstStyle/>%s</p:txBody>" % (
        body_pr, "".join(paragraph_xml(p, links, source, size, color, font) for p in paras))


def placeholder_sp(spid, name, ph, body, box=None):
    geom = "<p:spPr/>" if box is None else "<p:spPr>%s</p:spPr>" % emu_box(box)
    return ('<p:sp><p:nvSpPr><p:cNvPr id="%d" name=%s/><p:cNvSpPr><a:spLocks noGrp="1"/></p:cNvSpPr>'
            '<p:nvPr>%s</p:nvPr></p:nvSpPr>%s%s</p:sp>') % (spid, attr(name), ph, geom, body)


class Writer:
    def __init__(self, presentation, resources):
        self.p = presentation
        self.res = resources
        self.pkg = Package()
        self.links = _Slides(self.pkg, len(presentation.slides))
        self.media_count = 0
        self.media_names = {}
        self.diagram_count = 0
        self.width, self.height, self.size_type, self.size_name = SLIDE_SIZES[presentation.slide_size]
        self.sy = self.height / SLIDE_H

    def box(self, box):
        """A box of the model's 4:3 slide on this presentation's slide: heights scaled."""
        x, y, cx, cy = box
        return x, round(y * self.sy), cx, round(cy * self.sy)

    def picture_box(self, box):
        """A picture keeps its proportions: scaled as a whole about its middle."""
        x, y, cx, cy = box
        w = round(cx * self.sy)
        return x + (cx - w) // 2, round(y * self.sy), w, round(cy * self.sy)

    # Media parts are shared: one part a file, however often it is used.
    def _media(self, source, name, kind):
        if name not in self.media_names:
            data, ext = self.res.data(name)
            self.media_count += 1
            part = "ppt/media/%s%d.%s" % ("image" if kind == "image" else "media", self.media_count, ext)
            self.pkg.add(part, data)
            self.media_names[name] = part
        return "../media/" + self.media_names[name].rsplit("/", 1)[1]

    def image_rel(self, source, name):
        return self.pkg.relate(source, R + "image", self._media(source, name, "image"))

    def write(self, path):
        p = self.p
        pkg = self.pkg
        show_file = p.slideshow_file or str(path).lower().endswith(".ppsx")
        main_ct = CT + ("slideshow.main+xml" if show_file else "presentation.main+xml")
        pkg.relate("", R + "officeDocument", "ppt/presentation.xml")
        add_core(pkg, p.title, self._app_xml())
        self._master()
        notes = any(s.notes for s in p.slides)
        if notes:
            self._notes_master()
        for i, slide in enumerate(p.slides, 1):
            self._slide(i, slide)
        pres = "ppt/presentation.xml"
        master_rid = pkg.relate(pres, R + "slideMaster", "slideMasters/slideMaster1.xml")
        slide_rids = [pkg.relate(pres, R + "slide", "slides/slide%d.xml" % i) for i in range(1, len(p.slides) + 1)]
        notes_rid = pkg.relate(pres, R + "notesMaster", "notesMasters/notesMaster1.xml") if notes else None
        pkg.relate(pres, R + "presProps", "presProps.xml")
        pkg.relate(pres, R + "viewProps", "viewProps.xml")
        pkg.relate(pres, R + "theme", "theme/theme1.xml")
        pkg.relate(pres, R + "tableStyles", "tableStyles.xml")
        s = [XML_HEAD, '<p:presentation %s saveSubsetFonts="1">' % NS,
             '<p:sldMasterIdLst><p:sldMasterId id="2147483648" r:id="%s"/></p:sldMasterIdLst>' % master_rid]
        if notes_rid:
            s.append('<p:notesMasterIdLst><p:notesMasterId r:id="%s"/></p:notesMasterIdLst>' % notes_rid)
        s.append("<p:sldIdLst>%s</p:sldIdLst>" % "".join(
            '<p:sldId id="%d" r:id="%s"/>' % (256 + i, rid) for i, rid in enumerate(slide_rids)))
        s.append('<p:sldSz cx="%d" cy="%d" type="%s"/><p:notesSz cx="6858000" cy="9144000"/>' % (
            self.width, self.height, self.size_type))
        if p.custom_shows:
            s.append("<p:custShowLst>")
            for k, (name, numbers) in enumerate(p.custom_shows):
                s.append('<p:custShow name=%s id="%d"><p:sldLst>%s</p:sldLst></p:custShow>' % (
                    attr(name), k, "".join('<p:sld r:id="%s"/>' % slide_rids[n - 1] for n in numbers)))
            s.append("</p:custShowLst>")
        s.append("<p:defaultTextStyle>%s</p:defaultTextStyle></p:presentation>" % self._levels(18, bullets=False))
        pkg.add(pres, "".join(s), main_ct)
        pkg.add("ppt/presProps.xml", self._pres_props(), CT + "presProps+xml")
        pkg.add("ppt/viewProps.xml", self._view_props(), CT + "viewProps+xml")
        pkg.add("ppt/theme/theme1.xml", theme_xml(p.look), "application/vnd.openxmlformats-officedocument.theme+xml")
        pkg.add("ppt/tableStyles.xml", self._table_styles(), CT + "tableStyles+xml")
        pkg.write(path)

    def _app_xml(self):
        return (XML_HEAD + '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties" '
                'xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">'
                '<Application>Microsoft Office PowerPoint</Application><PresentationFormat>%s</PresentationFormat>'
                '<Slides>%d</Slides><AppVersion>14.0000</AppVersion></Properties>' % (self.size_name, len(self.p.slides)))

    def _levels(self, size, bullets=True, sizes=None, style=None):
        style = style or TextStyle()
        out = []
        for lvl in range(1, 10):
            sz = (sizes[lvl - 1] if sizes and lvl <= len(sizes) else (sizes[-1] if sizes else size))
            indent = 342900 if bullets else 0
            mar = (lvl - 1) * 457200 + (indent if bullets else 0)
            bu = ('<a:buFont typeface="Arial"/><a:buChar char="%s"/>' % ("•" if lvl % 2 else "–")) if bullets else ""
            out.append('<a:lvl%dpPr marL="%d" indent="%d" algn="l" defTabSz="914400" rtl="0" eaLnBrk="1" latinLnBrk="0" '
                       'hangingPunct="1"><a:spcBef><a:spcPct val="20000"/></a:spcBef>%s<a:defRPr sz="%d"%s kern="1200">%s'
                       '</a:defRPr></a:lvl%dpPr>'
                       % (lvl, mar, -indent if bullets else 0, bu, sz * 100, ' b="1"' if style.bold else "",
                          char_props(style, '<a:solidFill><a:schemeClr val="tx1"/></a:solidFill>', "mn"), lvl))
        return "".join(out)

    def _master(self):
        p, look, pkg = self.p, self.p.look, self.pkg
        src = "ppt/slideMasters/slideMaster1.xml"
        pkg.relate(src, R + "theme", "../theme/theme1.xml")
        bg = p.master_background or look.background
        bg_rid = self.image_rel(src, bg.picture) if hasattr(bg, "picture") else None
        shapes = [decoration_xml(dataclasses.replace(d, box=self.box(d.box)), 10 + i) for i, d in enumerate(look.decorations)]
        shapes.append(placeholder_sp(2, "标题占位符 1", '<p:ph type="title"/>',
                                     '<p:txBody><a:bodyPr vert="horz" lIns="91440" tIns="45720" rIns="91440" '
                                     'bIns="45720" rtlCol="0" anchor="ctr"><a:normAutofit/></a:bodyPr><a:lstStyle/>'
                                     '<a:p><a:r><a:rPr lang="zh-CN" altLang="en-US"/><a:t>%s</a:t></a:r></a:p>'
                                     '</p:txBody>' % PROMPTS["title"], self.box(TITLE_BOX)))
        levels = "".join('<a:p><a:pPr lvl="%d"/><a:r><a:rPr lang="zh-CN" altLang="en-US"/><a:t>%s</a:t></a:r></a:p>'
                         % (i, t) for i, t in enumerate(["单击此处编辑母版文本样式", "第二级", "第三级", "第四级", "第五级"]))
        shapes.append(placeholder_sp(3, "文本占位符 2", '<p:ph type="body" idx="1"/>',
                                     '<p:txBody><a:bodyPr vert="horz" lIns="91440" tIns="45720" rIns="91440" '
                                     'bIns="45720" rtlCol="0"><a:normAutofit/></a:bodyPr><a:lstStyle/>%s</p:txBody>'
                                     % levels, self.box(BODY_BOX)))
        for n, kind in enumerate(("dt", "ftr", "sldNum")):
            field = ('<a:fld id="{B6F15528-21DE-4FAA-801E-634DDDAF4B2B}" type="slidenum"><a:rPr lang="zh-CN" '
                     'altLang="en-US"/><a:t>‹#›</a:t></a:fld>') if kind == "sldNum" else ""
            align = {"dt": "l", "ftr": "ctr", "sldNum": "r"}[kind]
            shapes.append(placeholder_sp(
                4 + n, {"dt": "日期占位符 3", "ftr": "页脚占位符 4", "sldNum": "幻灯片编号占位符 5"}[kind],
                '<p:ph type="%s" sz="%s" idx="%d"/>' % (kind, "half" if kind == "dt" else "quarter", n + 2),
                '<p:txBody><a:bodyPr vert="horz" lIns="91440" tIns="45720" rIns="91440" bIns="45720" rtlCol="0" '
                'anchor="ctr"/><a:lstStyle><a:lvl1pPr algn="%s"><a:defRPr sz="1200"><a:solidFill><a:schemeClr '
                'val="tx1"><a:tint val="75000"/></a:schemeClr></a:solidFill></a:defRPr></a:lvl1pPr></a:lstStyle>'
                '<a:p>%s<a:endParaRPr lang="zh-CN" altLang="en-US"/></a:p></p:txBody>' % (align, field),
                self.box(FOOTER_BOXES[kind])))
        # Pictures inserted in the master view lie over its placeholders, as inserted last.
        for k, pic in enumerate(p.master_pictures):
            shapes.append(self._picture(src, 40 + k, pic, self.picture_box(pic.box), user_drawn=True))
        layout_ids = []
        for i in range(len(LAYOUTS)):
            rid = pkg.relate(src, R + "slideLayout", "../slideLayouts/slideLayout%d.xml" % (i + 1))
            layout_ids.append('<p:sldLayoutId id="%d" r:id="%s"/>' % (2147483649 + i, rid))
            self._layout(i)
        # The master's title style: the look's colour and heading font, then what the steps set.
        mt = p.master_title or TextStyle()
        title = TextStyle(mt.font or look.title_ea, mt.size or 40, mt.bold, mt.color or look.title_color)
        title_style = ('<p:titleStyle><a:lvl1pPr algn="ctr" defTabSz="914400" rtl="0" eaLnBrk="1" latinLnBrk="0" '
                       'hangingPunct="1"><a:spcBef><a:spcPct val="0"/></a:spcBef><a:buNone/><a:defRPr sz="%d"%s '
                       'kern="1200">%s</a:defRPr></a:lvl1pPr></p:titleStyle>'
                       % (title.size * 100, ' b="1"' if title.bold else "",
                          char_props(title, '<a:solidFill><a:schemeClr val="tx1"/></a:solidFill>', "mj")))
        mb = p.master_body or TextStyle()
        body = "<p:bodyStyle>%s</p:bodyStyle>" % self._levels(
            0, True, [28, 24, 20, 18, 18], TextStyle(mb.font, 0, mb.bold, mb.color or look.body_color))
        other = "<p:otherStyle>%s</p:otherStyle>" % self._levels(18, bullets=False)
        xml = (XML_HEAD + '<p:sldMaster %s><p:cSld><p:bg><p:bgPr>%s<a:effectLst/></p:bgPr></p:bg><p:spTree>%s%s'
               '</p:spTree></p:cSld><p:clrMap bg1="lt1" tx1="dk1" bg2="lt2" tx2="dk2" accent1="accent1" '
               'accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" '
               'hlink="hlink" folHlink="folHlink"/><p:sldLayoutIdLst>%s</p:sldLayoutIdLst>'
               '<p:txStyles>%s%s%s</p:txStyles></p:sldMaster>') % (
            NS, fill_xml(bg, picture_rid=bg_rid), nv_group(), "".join(shapes), "".join(layout_ids),
            title_style, body, other)
        pkg.add(src, xml, CT + "slideMaster+xml")

    def _layout(self, i):
        name, kind, phs = LAYOUTS[i]
        src = "ppt/slideLayouts/slideLayout%d.xml" % (i + 1)
        self.pkg.relate(src, R + "slideMaster", "../slideMasters/slideMaster1.xml")
        fmt = self.p.layouts.get(name) or LayoutFormat()
        shapes = []
        if kind == "title":
            shapes += [decoration_xml(dataclasses.replace(d, box=self.box(d.box)), 20 + k)
                       for k, d in enumerate(self.p.look.title_decorations)]
        for k, (ph, idx, box) in enumerate(phs):
            prompt = PROMPTS.get(ph, "单击此处编辑母版文本样式")
            body = ('<p:txBody>%s%s<a:p><a:r><a:rPr lang="zh-CN" altLang="en-US"/><a:t>%s</a:t></a:r>'
                    '</a:p></p:txBody>') % ('<a:bodyPr anchor="b"/>' if ph == "heading" else "<a:bodyPr/>",
                                            layout_list_style(ph, fmt, kind), prompt)
            label = {"ctrTitle": "标题", "title": "标题", "subTitle": "副标题", "heading": "文本占位符"}.get(ph, "内容占位符")
            shapes.append(placeholder_sp(2 + k, "%s %d" % (label, k + 1), ph_xml(ph, idx), body, self.box(box)))
        for n, f in enumerate(("dt", "ftr", "sldNum")):
            fld = ('<a:fld id="{B6F15528-21DE-4FAA-801E-634DDDAF4B2B}" type="slidenum"><a:rPr lang="zh-CN" '
                   'altLang="en-US"/><a:t>‹#›</a:t></a:fld>') if f == "sldNum" else ""
            shapes.append(placeholder_sp(10 + n, f, ph_xml(f, None),
                                         '<p:txBody><a:bodyPr/><a:lstStyle/><a:p>%s<a:endParaRPr lang="zh-CN" '
                                         'altLang="en-US"/></a:p></p:txBody>' % fld))
        for k, pic in enumerate(fmt.pictures):
            shapes.append(self._picture(src, 40 + k, pic, self.picture_box(pic.box), user_drawn=True))
        bg = ""
        if fmt.background is not None:  # 设置背景格式 with this layout selected, not 全部应用
            rid = self.image_rel(src, fmt.background.picture) if hasattr(fmt.background, "picture") else None
            bg = "<p:bg><p:bgPr>%s<a:effectLst/></p:bgPr></p:bg>" % fill_xml(fmt.background, picture_rid=rid)
        xml = (XML_HEAD + '<p:sldLayout %s%s type="%s" preserve="1"><p:cSld name=%s>%s<p:spTree>%s%s</p:spTree>'
               '</p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:sldLayout>') % (
            NS, ' showMasterSp="0"' if fmt.hide_master_graphics else "", kind, attr(name), bg, nv_group(),
            "".join(shapes))
        self.pkg.add(src, xml, CT + "slideLayout+xml")

    def _picture_box(self, pic, slide):
        areas = {"body": BODY_BOX, "left": LEFT_BOX, "right": RIGHT_BOX}
        if pic.box:
            return self.picture_box(pic.box)
        return fit_picture(pic, self.res.picture_size(pic.name)[2:], self.box(areas.get(pic.into, BODY_BOX)))

    def _slide(self, number, slide):
        pkg, src = self.pkg, "ppt/slides/slide%d.xml" % number
        pkg.relate(src, R + "slideLayout", "../slideLayouts/slideLayout%d.xml" % (LAYOUT_INDEX[slide.layout] + 1))
        shapes, ids, text_shapes = [], {}, set()
        next_id = [2]

        def new_id(key):
            spid = next_id[0]
            next_id[0] += 1
            if key:
                ids[key] = spid
            return spid

        kind = LAYOUTS[LAYOUT_INDEX[slide.layout]][1]
        if kind != "blank":
            spid = new_id("title")
            text_shapes.add("title")
            paras = (P(slide.title, link=slide.title_link, size=slide.title_size),) if slide.title else ()
            shapes.append(placeholder_sp(spid, "标题 %d" % (spid - 1), ph_xml("ctrTitle" if kind == "title" else "title", None),
                                         text_body(paras, self.links, src, font=slide.title_font)))
        # In two columns, a graphic takes the placeholder of the half it stands in, if that one has no text.
        halves = [d.box[0] + d.box[2] / 2 > SLIDE_W / 2 for d in slide.diagrams]
        own_box = self.box(slide.body_box) if slide.body_box else None  # where a step dragged the placeholder
        right_taken = any(pc.into == "right" for pc in slide.pictures) or (any(halves) and not slide.right)
        left_taken = not all(halves) and not slide.body
        # A table or a SmartArt graphic inserted through the content placeholder takes its place.
        body_taken = any(pc.into == "body" for pc in slide.pictures) or bool(slide.tables) or bool(slide.diagrams)
        if kind == "title":
            spid = new_id("subtitle")
            text_shapes.add("subtitle")
            shapes.append(placeholder_sp(spid, "副标题 %d" % (spid - 1), ph_xml("subTitle", 1),
                                         text_body(slide.subtitle, self.links, src)))
        elif kind in ("obj", "secHead") and (slide.body or not body_taken):
            spid = new_id("body")
            text_shapes.add("body")
            shapes.append(placeholder_sp(spid, "内容占位符 %d" % (spid - 1), ph_xml("obj" if kind == "obj" else "body", 1),
                                         text_body(slide.body, self.links, src, size=slide.body_size), own_box))
        elif kind == "twoObj":
            if not left_taken:
                spid = new_id("body")
                text_shapes.add("body")
                shapes.append(placeholder_sp(spid, "内容占位符 %d" % (spid - 1), ph_xml("half", 1),
                                             text_body(slide.body, self.links, src, size=slide.body_size), own_box))
            if not right_taken:
                spid = new_id("right")
                text_shapes.add("right")
                shapes.append(placeholder_sp(spid, "内容占位符 %d" % (spid - 1), ph_xml("half", 2),
                                             text_body(slide.right, self.links, src, size=slide.body_size)))
        elif kind == "twoTxTwoObj":  # 比较: each column's heading, then its text
            headings = tuple(slide.headings) + ("", "")
            for key, ph, idx, paras in (("left_heading", "heading", 1, paragraphs(headings[:1] if headings[0] else ())),
                                        ("body", "half", 2, slide.body),
                                        ("right_heading", "heading", 3, paragraphs(headings[1:2] if headings[1] else ())),
                                        ("right", "quarter", 4, slide.right)):
                spid = new_id(key)
                text_shapes.add(key)
                heading = ph == "heading"
                shapes.append(placeholder_sp(spid, "%s %d" % ("文本占位符" if heading else "内容占位符", spid - 1),
                                             ph_xml(ph, idx),
                                             text_body(paras, self.links, src, size=0 if heading else slide.body_size)))
        for pic in slide.pictures:
            spid = new_id(pic.key or "picture:" + pic.name)
            shapes.append(self._picture(src, spid, pic, self._picture_box(pic, slide)))
        for k, table in enumerate(slide.tables):
            spid = new_id(table.key)
            shapes.append(self._table(spid, table))
        # A graphic goes in where the content placeholder was, before the shapes drawn on it.
        graphics = {}
        for diagram in slide.diagrams:
            spid = new_id(diagram.key)
            self.diagram_count += 1
            scaled = dataclasses.replace(diagram, box=self.box(diagram.box))
            shapes.append(write_diagram(pkg, src, self.diagram_count, scaled, self.p.look.accents, spid))
            graphics[diagram.key] = build_order(scaled, src, self.diagram_count)
        for shape in slide.shapes:
            spid = new_id(shape.key)
            if shape.text and shape.key:
                text_shapes.add(shape.key)
            shapes.append(self._shape(src, spid, shape))
        media = []
        for sound in slide.sounds:
            spid = new_id(sound.key)
            shapes.append(self._sound(src, spid, sound))
            media.append((spid, sound.loop, sound.hide, sound.start == "across"))
        if slide.footer:
            shapes.append(placeholder_sp(new_id(None), "页脚占位符", ph_xml("ftr", None),
                                         text_body((P(slide.footer),), self.links, src)))
        if slide.slide_number:
            shapes.append(placeholder_sp(new_id(None), "幻灯片编号占位符", ph_xml("sldNum", None),
                                         '<p:txBody><a:bodyPr/><a:lstStyle/><a:p><a:fld id="{B6F15528-21DE-4FAA-801E-'
                                         '634DDDAF4B2B}" type="slidenum"><a:rPr lang="zh-CN" altLang="en-US"/><a:t>%d'
                                         '</a:t></a:fld><a:endParaRPr lang="zh-CN" altLang="en-US"/></a:p></p:txBody>'
                                         % number))
        bg = ""
        if slide.background is not None:
            rid = self.image_rel(src, slide.background.picture) if hasattr(slide.background, "picture") else None
            bg = "<p:bg><p:bgPr>%s<a:effectLst/></p:bgPr></p:bg>" % fill_xml(slide.background, picture_rid=rid)
        timing = timing_xml(slide.animations, ids, text_shapes, media, graphics, slide_texts(slide))
        xml = (XML_HEAD + '<p:sld %s%s><p:cSld>%s<p:spTree>%s%s</p:spTree></p:cSld>'
               '<p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr>%s%s</p:sld>') % (
            NS, ' show="0"' if slide.hidden else "", bg, nv_group(), "".join(shapes),
            self._transition(src, slide.transition), timing)
        pkg.add(src, xml, CT + "slide+xml")
        if slide.notes:
            self._notes(number, slide.notes)

    def _picture(self, src, spid, pic, box, user_drawn=False):
        rid = self.image_rel(src, pic.name)
        geom, effect = "rect", ""
        if pic.style == "柔化边缘矩形":
            effect = '<a:effectLst><a:softEdge rad="112500"/></a:effectLst>'
        elif pic.style == "映像圆角矩形":
            geom = "roundRect"
            effect = ('<a:effectLst><a:reflection blurRad="12700" stA="38000" endPos="28000" dist="5000" dir="5400000" '
                      'sy="-100000" algn="bl" rotWithShape="0"/></a:effectLst>')
        stem = pic.name.rsplit(".", 1)[0]
        return ('<p:pic><p:nvPicPr><p:cNvPr id="%d" name=%s descr=%s/><p:cNvPicPr><a:picLocks noChangeAspect="1"/>'
                '</p:cNvPicPr><p:nvPr%s/></p:nvPicPr><p:blipFill><a:blip r:embed="%s"/><a:stretch><a:fillRect/>'
                '</a:stretch></p:blipFill><p:spPr>%s<a:prstGeom prst="%s"><a:avLst/></a:prstGeom>%s</p:spPr></p:pic>'
                ) % (spid, attr(stem), attr(pic.name), ' userDrawn="1"' if user_drawn else "", rid, emu_box(box), geom,
                     effect)

    def _table(self, spid, table):
        style_id, accent = TABLE_STYLES[table.style]
        box = self.box(table.box or BODY_BOX)
        cols = max(len(r) for r in table.rows)
        widths = table.widths or (box[2] // cols,) * cols
        row_h = 370840
        grid = "".join('<a:gridCol w="%d"/>' % w for w in widths)
        rows = []
        for r in table.rows:
            cells = "".join('<a:tc><a:txBody><a:bodyPr/><a:lstStyle/><a:p><a:r><a:rPr lang="zh-CN" altLang="en-US" '
                            'dirty="0"/><a:t>%s</a:t></a:r></a:p></a:txBody><a:tcPr/></a:tc>' % text(c) if c else
                            '<a:tc><a:txBody><a:bodyPr/><a:lstStyle/><a:p><a:endParaRPr lang="zh-CN" altLang="en-US"/>'
                            '</a:p></a:txBody><a:tcPr/></a:tc>' for c in list(r) + [""] * (cols - len(r)))
            rows.append('<a:tr h="%d">%s</a:tr>' % (row_h, cells))
        return ('<p:graphicFrame><p:nvGraphicFramePr><p:cNvPr id="%d" name="表格 %d"/><p:cNvGraphicFramePr>'
                '<a:graphicFrameLocks noGrp="1"/></p:cNvGraphicFramePr><p:nvPr/></p:nvGraphicFramePr>'
                '<p:xfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/></p:xfrm><a:graphic>'
                '<a:graphicData uri="http://schemas.openxmlformats.org/drawingml/2006/table"><a:tbl>'
                '<a:tblPr firstRow="1" bandRow="1"><a:tableStyleId>%s</a:tableStyleId></a:tblPr>'
                '<a:tblGrid>%s</a:tblGrid>%s</a:tbl></a:graphicData></a:graphic></p:graphicFrame>'
                ) % (spid, spid - 1, box[0], box[1], sum(widths), row_h * len(table.rows), style_id, grid, "".join(rows))

    def _shape(self, src, spid, s):
        box = self.box(s.box)
        link = self.links.click(src, s.link)
        if link and s.geometry.startswith("actionButton"):
            link = link.replace("/>", ' highlightClick="1"/>')
        name = s.name or ("文本框 %d" % (spid - 1) if s.geometry == "textbox" else "形状 %d" % (spid - 1))
        if s.path:
            pts = s.path
            path = '<a:moveTo><a:pt x="%d" y="%d"/></a:moveTo>' % pts[0]
            path += "".join('<a:lnTo><a:pt x="%d" y="%d"/></a:lnTo>' % pt for pt in pts[1:])
            geom = ('<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/><a:rect l="0" t="0" r="r" b="b"/>'
                    '<a:pathLst><a:path w="100000" h="100000" fill="none">%s</a:path></a:pathLst></a:custGeom>' % path)
            return ('<p:sp><p:nvSpPr><p:cNvPr id="%d" name=%s/><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr>%s%s<a:noFill/>'
                    '<a:ln w="%d" cap="rnd"><a:solidFill>%s</a:solidFill><a:round/></a:ln></p:spPr></p:sp>') % (
                spid, attr(name), emu_box(box), geom, s.line_width or 76200,
                '<a:srgbClr val="%s"><a:alpha val="%d"/></a:srgbClr>' % (s.line or "FFFF00", s.alpha * 1000))
        align = "" if s.geometry == "textbox" else "ctr"
        # Each paragraph in the shape's own size, colour and weight unless it sets its own.
        body_paras = tuple(dataclasses.replace(p, size=p.size or s.size, color=p.color or s.color, bold=p.bold or s.bold,
                                               align=p.align or align)
                           for p in paragraphs(s.text if isinstance(s.text, tuple) else (s.text,) if s.text else ()))
        if s.geometry in ("textbox", "wordart"):  # 艺术字 is a text box whose letters carry the style
            return ('<p:sp><p:nvSpPr><p:cNvPr id="%d" name=%s>%s</p:cNvPr><p:cNvSpPr txBox="1"/><p:nvPr/></p:nvSpPr>'
                    '<p:spPr>%s<a:prstGeom prst="rect"><a:avLst/></a:prstGeom><a:noFill/></p:spPr>%s</p:sp>') % (
                spid, attr(name), link, emu_box(box),
                text_body(body_paras, self.links, src, '<a:bodyPr wrap="square" rtlCol="0"><a:spAutoFit/></a:bodyPr>',
                          font=s.font))
        fill = '<a:solidFill><a:srgbClr val="%s"/></a:solidFill>' % s.fill if s.fill else ""
        line = '<a:ln><a:solidFill><a:srgbClr val="%s"/></a:solidFill></a:ln>' % s.line if s.line else ""
        return ('<p:sp><p:nvSpPr><p:cNvPr id="%d" name=%s>%s</p:cNvPr><p:cNvSpPr/><p:nvPr/></p:nvSpPr><p:spPr>%s'
                '<a:prstGeom prst="%s"><a:avLst/></a:prstGeom>%s%s</p:spPr><p:style><a:lnRef idx="2"><a:schemeClr '
                'val="accent1"><a:shade val="50000"/></a:schemeClr></a:lnRef><a:fillRef idx="1"><a:schemeClr '
                'val="accent1"/></a:fillRef><a:effectRef idx="0"><a:schemeClr val="accent1"/></a:effectRef>'
                '<a:fontRef idx="minor"><a:schemeClr val="lt1"/></a:fontRef></p:style>%s</p:sp>') % (
            spid, attr(name), link, emu_box(box), s.geometry, fill, line,
            text_body(body_paras, self.links, src, '<a:bodyPr rtlCol="0" anchor="ctr"/>', font=s.font))

    def _sound(self, src, spid, sound):
        target = self._media(src, sound.name, "media")
        media_rid = self.pkg.relate(src, R_MEDIA, target)
        audio_rid = self.pkg.relate(src, R + "audio", target)
        icon_rid = self.image_rel(src, "声音图标.png")
        stem = sound.name.rsplit(".", 1)[0]
        return ('<p:pic><p:nvPicPr><p:cNvPr id="%d" name=%s><a:hlinkClick r:id="" action="ppaction://media"/></p:cNvPr>'
                '<p:cNvPicPr><a:picLocks noChangeAspect="1"/></p:cNvPicPr><p:nvPr><a:audioFile r:link="%s"/>'
                '<p:extLst><p:ext uri="{DAA4B4D4-6D71-4841-9C94-3DE7FCFB9230}"><p14:media '
                'xmlns:p14="http://schemas.microsoft.com/office/powerpoint/2010/main" r:embed="%s"/></p:ext></p:extLst>'
                '</p:nvPr></p:nvPicPr><p:blipFill><a:blip r:embed="%s"/><a:stretch><a:fillRect/></a:stretch></p:blipFill>'
                '<p:spPr>%s<a:prstGeom prst="rect"><a:avLst/></a:prstGeom></p:spPr></p:pic>') % (
            spid, attr(stem), audio_rid, media_rid, icon_rid, emu_box(self.picture_box(sound.box)))

    def _transition(self, src, t):
        if t is None:
            return ""
        if not t.name:  # timings alone, as rehearsing leaves them, in the 2010 form that carries them
            attrs = self._timing_attrs(t)
            return ('<mc:AlternateContent xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006">'
                    '<mc:Choice xmlns:p14="http://schemas.microsoft.com/office/powerpoint/2010/main" Requires="p14">'
                    '<p:transition%s p14:dur="700"/></mc:Choice><mc:Fallback><p:transition%s/></mc:Fallback>'
                    '</mc:AlternateContent>') % (attrs, attrs)
        element, extended, options = TRANSITIONS[t.name]
        if options and t.option not in options:
            raise ValueError("transition %s has no option %r: %s" % (t.name, t.option, ", ".join(options)))
        opt = options.get(t.option, "")
        attrs = self._timing_attrs(t)
        sound = ""
        if t.sound:
            data_target = self._media(src, t.sound, "media")
            rid = self.pkg.relate(src, R + "audio", data_target)
            sound = '<p:sndAc><p:stSnd><p:snd r:embed="%s" name=%s/></p:stSnd></p:sndAc>' % (rid, attr(t.sound))
        prefix = "p14" if extended else "p"
        effect = "<%s:%s%s/>" % (prefix, element, opt)
        if not extended and not t.duration:
            return "<p:transition%s>%s%s</p:transition>" % (attrs, effect, sound)
        # The effect's own duration and the 2010 effects need the 2010 extension; older readers take the fallback.
        p14 = 'xmlns:p14="http://schemas.microsoft.com/office/powerpoint/2010/main"'
        dur = ' p14:dur="%d"' % t.duration if t.duration else ""
        return ('<mc:AlternateContent xmlns:mc="http://schemas.openxmlformats.org/markup-compatibility/2006">'
                '<mc:Choice %s Requires="p14"><p:transition%s%s>%s%s</p:transition></mc:Choice>'
                '<mc:Fallback><p:transition%s>%s%s</p:transition></mc:Fallback></mc:AlternateContent>') % (
            p14, attrs, dur, effect, sound, attrs, "<p:fade/>" if extended else effect, sound)

    @staticmethod
    def _timing_attrs(t):
        attrs = ' spd="%s"' % ("fast" if t.duration and t.duration < 750 else "slow" if t.duration >= 1000 else "med")
        if not t.on_click:
            attrs += ' advClick="0"'
        if t.advance_after:
            attrs += ' advTm="%d"' % t.advance_after
        return attrs

    def _notes_master(self):
        src = "ppt/notesMasters/notesMaster1.xml"
        self.pkg.relate(src, R + "theme", "../theme/theme2.xml")
        from .theme import Look
        self.pkg.add("ppt/theme/theme2.xml", theme_xml(Look(name="备注")), "application/vnd.openxmlformats-officedocument.theme+xml")
        xml = (XML_HEAD + '<p:notesMaster %s><p:cSld><p:bg><p:bgRef idx="1001"><a:schemeClr val="bg1"/></p:bgRef></p:bg>'
               '<p:spTree>%s%s%s</p:spTree></p:cSld><p:clrMap bg1="lt1" tx1="dk1" bg2="lt2" tx2="dk2" accent1="accent1" '
               'accent2="accent2" accent3="accent3" accent4="accent4" accent5="accent5" accent6="accent6" hlink="hlink" '
               'folHlink="folHlink"/><p:notesStyle>%s</p:notesStyle></p:notesMaster>') % (
            NS, nv_group(),
            '<p:sp><p:nvSpPr><p:cNvPr id="2" name="幻灯片图像占位符 1"/><p:cNvSpPr><a:spLocks noGrp="1" noRot="1" '
            'noChangeAspect="1"/></p:cNvSpPr><p:nvPr><p:ph type="sldImg" idx="2"/></p:nvPr></p:nvSpPr><p:spPr>'
            '<a:xfrm><a:off x="1143000" y="685800"/><a:ext cx="4572000" cy="3429000"/></a:xfrm><a:prstGeom prst="rect">'
            '<a:avLst/></a:prstGeom><a:noFill/><a:ln w="12700"><a:solidFill><a:prstClr val="black"/></a:solidFill>'
            '</a:ln></p:spPr></p:sp>',
            '<p:sp><p:nvSpPr><p:cNvPr id="3" name="备注占位符 2"/><p:cNvSpPr><a:spLocks noGrp="1"/></p:cNvSpPr>'
            '<p:nvPr><p:ph type="body" sz="quarter" idx="3"/></p:nvPr></p:nvSpPr><p:spPr><a:xfrm><a:off x="685800" '
            'y="4343400"/><a:ext cx="5486400" cy="4114800"/></a:xfrm><a:prstGeom prst="rect"><a:avLst/></a:prstGeom>'
            '</p:spPr><p:txBody><a:bodyPr/><a:lstStyle/><a:p><a:r><a:rPr lang="zh-CN" altLang="en-US"/>'
            '<a:t>单击此处编辑母版文本样式</a:t></a:r></a:p></p:txBody></p:sp>',
            self._levels(12, bullets=False))
        self.pkg.add(src, xml, CT + "notesMaster+xml")

    def _notes(self, number, notes):
        src = "ppt/notesSlides/notesSlide%d.xml" % number
        self.pkg.relate("ppt/slides/slide%d.xml" % number, R + "notesSlide", "../notesSlides/notesSlide%d.xml" % number)
        self.pkg.relate(src, R + "notesMaster", "../notesMasters/notesMaster1.xml")
        self.pkg.relate(src, R + "slide", "../slides/slide%d.xml" % number)
        xml = (XML_HEAD + '<p:notes %s><p:cSld><p:spTree>%s'
               '<p:sp><p:nvSpPr><p:cNvPr id="2" name="幻灯片图像占位符 1"/><p:cNvSpPr><a:spLocks noGrp="1" noRot="1" '
               'noChangeAspect="1"/></p:cNvSpPr><p:nvPr><p:ph type="sldImg"/></p:nvPr></p:nvSpPr><p:spPr/></p:sp>'
               '<p:sp><p:nvSpPr><p:cNvPr id="3" name="备注占位符 2"/><p:cNvSpPr><a:spLocks noGrp="1"/></p:cNvSpPr>'
               '<p:nvPr><p:ph type="body" idx="1"/></p:nvPr></p:nvSpPr><p:spPr/><p:txBody><a:bodyPr/><a:lstStyle/>'
               '<a:p><a:r><a:rPr lang="zh-CN" altLang="en-US" dirty="0"/><a:t>%s</a:t></a:r></a:p></p:txBody></p:sp>'
               '</p:spTree></p:cSld><p:clrMapOvr><a:masterClrMapping/></p:clrMapOvr></p:notes>') % (
            NS, nv_group(), text(notes))
        self.pkg.add(src, xml, CT + "notesSlide+xml")

    def _pres_props(self):
        p = self.p
        s = [XML_HEAD, "<p:presentationPr %s>" % NS]
        if p.printing:
            s.append('<p:prnPr prnWhat="%s" clrMode="%s"/>' % (p.printing.what, p.printing.colours))
        show = p.show
        attrs = ' showNarration="1"'
        if show.loop or show.kind == "在展台浏览":
            attrs += ' loop="1"'
        if not show.use_timings:
            attrs += ' useTimings="0"'
        kind = {"演讲者放映": "<p:present/>", "观众自行浏览": '<p:browse/>', "在展台浏览": "<p:kiosk/>"}[show.kind]
        rng = '<p:sldRg st="%d" end="%d"/>' % (show.first, show.last) if show.first else "<p:sldAll/>"
        s.append('<p:showPr%s>%s%s<p:penClr><a:prstClr val="red"/></p:penClr></p:showPr>' % (attrs, kind, rng))
        s.append("</p:presentationPr>")
        return "".join(s)

    def _view_props(self):
        if self.p.zoom:
            scale = ('<p:cViewPr><p:scale><a:sx n="%d" d="100"/><a:sy n="%d" d="100"/></p:scale>'
                     '<p:origin x="0" y="0"/></p:cViewPr>') % (self.p.zoom, self.p.zoom)
        else:
            scale = ('<p:cViewPr varScale="1"><p:scale><a:sx n="100" d="100"/><a:sy n="100" d="100"/></p:scale>'
                     '<p:origin x="0" y="0"/></p:cViewPr>')
        return (XML_HEAD + '<p:viewPr %s><p:normalViewPr><p:restoredLeft sz="15620"/><p:restoredTop sz="94660"/>'
                '</p:normalViewPr><p:slideViewPr><p:cSldViewPr>%s<p:guideLst/></p:cSldViewPr></p:slideViewPr>'
                '<p:notesTextViewPr><p:cViewPr><p:scale><a:sx n="1" d="1"/><a:sy n="1" d="1"/></p:scale>'
                '<p:origin x="0" y="0"/></p:cViewPr></p:notesTextViewPr><p:gridSpacing cx="72008" cy="72008"/>'
                '</p:viewPr>') % (NS, scale)

    def _table_styles(self):
        used = {TABLE_STYLES[t.style] for s in self.p.slides for t in s.tables}
        styles = "".join(self._table_style(name, sid, accent) for name, (sid, accent) in TABLE_STYLES.items()
                         if (sid, accent) in used)
        return (XML_HEAD + '<a:tblStyleLst xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main" '
                'def="{5C22544A-7EE6-4342-B048-85BDC9FD1C3A}">%s</a:tblStyleLst>') % styles

    @staticmethod
    def _table_style(name, sid, accent):
        def cell(fill, bold=False, fore="dk1"):
            return ('<a:tcTxStyle%s><a:fontRef idx="minor"><a:prstClr val="black"/></a:fontRef><a:schemeClr val="%s"/>'
                    '</a:tcTxStyle><a:tcStyle><a:tcBdr><a:left><a:ln w="12700" cmpd="sng"><a:solidFill><a:schemeClr '
                    'val="%s"/></a:solidFill></a:ln></a:left><a:right><a:ln w="12700" cmpd="sng"><a:solidFill>'
                    '<a:schemeClr val="%s"/></a:solidFill></a:ln></a:right><a:top><a:ln w="12700" cmpd="sng"><a:solidFill>'
                    '<a:schemeClr val="%s"/></a:solidFill></a:ln></a:top><a:bottom><a:ln w="12700" cmpd="sng"><a:solidFill>'
                    '<a:schemeClr val="%s"/></a:solidFill></a:ln></a:bottom><a:insideH><a:ln w="12700" cmpd="sng">'
                    '<a:solidFill><a:schemeClr val="%s"/></a:solidFill></a:ln></a:insideH><a:insideV><a:ln w="12700" '
                    'cmpd="sng"><a:solidFill><a:schemeClr val="%s"/></a:solidFill></a:ln></a:insideV></a:tcBdr>'
                    '<a:fill><a:solidFill><a:schemeClr val="%s">%s</a:schemeClr></a:solidFill></a:fill></a:tcStyle>'
                    ) % (' b="on"' if bold else "", fore, accent, accent, accent, accent, accent, accent, accent, fill)
        return ('<a:tblStyle styleId="%s" styleName=%s><a:wholeTbl>%s</a:wholeTbl><a:band1H>%s</a:band1H>'
                '<a:firstRow>%s</a:firstRow></a:tblStyle>') % (
            sid, attr(name), cell('<a:tint val="20000"/>'), cell('<a:tint val="40000"/>'),
            cell('<a:tint val="40000"/>', bold=True))


def write_presentation(presentation, resources, path):
    Writer(presentation, resources).write(path)
