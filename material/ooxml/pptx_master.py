"""Our slide master and its seven layouts: the slide's sizes, the layouts' placeholders
and boxes (on a 4:3 slide), the placeholder and list-style helpers the slides share, and
the writer of the master, the layouts and their text levels (a mix-in of pptx.Writer,
whose package, presentation and picture writer it uses)."""
import dataclasses
import math

from .model import HeadingRule, LayoutFormat, Presentation, TextStyle
from .package import R, XML_HEAD, attr
from .theme import colour, decoration_xml, fill_xml

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

# Our layouts: name, type, placeholders (kind, idx, box). Boxes in EMU on a 4:3 slide; a look
# whose decorations rise along the foot shortens them to end above (above_the_foot).
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


def layout_decorations(look, name, fmt):
    """The decorations a slide on layout `name` shows: (the master's, the layout's own)."""
    _, kind, phs = LAYOUTS[LAYOUT_INDEX[name]]
    shown = [] if fmt.hide_master_graphics else [d for d in look.decorations if not isinstance(d, HeadingRule)]
    own = list(look.title_decorations) if kind == "title" else []
    # A rule under the titles lies on the layouts with a title at the top, not on a title
    # slide, a section heading or a blank slide; like the master's graphics, 隐藏背景图形 hides it.
    if any(box == TITLE_BOX for _, _, box in phs) and not fmt.hide_master_graphics:
        own += [d for d in look.decorations if isinstance(d, HeadingRule)]
    return shown, own


def outline(deco):
    """A decoration's outline as a polygon in EMU: its free path, an ellipse, or its box."""
    x, y, cx, cy = deco.box
    if deco.geometry == "path":
        return [(x + px * cx / 100000, y + py * cy / 100000) for px, py in deco.path]
    if deco.geometry == "ellipse":
        return [(x + cx / 2 * (1 + math.cos(math.tau * k / 720)), y + cy / 2 * (1 + math.sin(math.tau * k / 720)))
                for k in range(720)]
    return [(x, y), (x + cx, y), (x + cx, y + cy), (x, y + cy)]


def crest(poly, left, right):
    """The highest point (least y) of a closed outline between x = left and x = right."""
    tops = []
    for (ax, ay), (bx, by) in zip(poly, poly[1:] + poly[:1]):
        for x in (ax, bx, left, right):
            if left <= x <= right and min(ax, bx) <= x <= max(ax, bx):
                tops.append(ay if ax == bx else ay + (by - ay) * (x - ax) / (bx - ax))
    return min(tops, default=None)


def above_the_foot(box, decorations, slide_w, slide_h):
    """A placeholder's box ending where the look's decorations along the slide's foot and
    sides (a wave, dunes, a band and the line on it) rise highest under it, as a theme keeps
    its content area clear of them. A band it starts on (a title on a heading band) stays."""
    x, y, cx, cy = box
    bottom = y + cy
    for deco in decorations:
        dx, dy, dcx, dcy = deco.box
        if dy <= y or not (dx <= 0 or dx + dcx >= slide_w or dy + dcy >= slide_h):
            continue
        top = crest(outline(deco), x, x + cx)
        if top is not None and top < bottom:
            bottom = int(top)
    return x, y, cx, bottom - y


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
    if ph == "body" and layout_kind == "secHead":  # a section's description, a line without a bullet
        return ('<a:lstStyle><a:lvl1pPr marL="0" indent="0"><a:buNone/>%s</a:lvl1pPr></a:lstStyle>'
                % _def_rpr(b.size or 20, b))
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


def placeholder_sp(spid, name, ph, body, box=None):
    geom = "<p:spPr/>" if box is None else "<p:spPr>%s</p:spPr>" % emu_box(box)
    return ('<p:sp><p:nvSpPr><p:cNvPr id="%d" name=%s/><p:cNvSpPr><a:spLocks noGrp="1"/></p:cNvSpPr>'
            '<p:nvPr>%s</p:nvPr></p:nvSpPr>%s%s</p:sp>') % (spid, attr(name), ph, geom, body)


class MasterWriter:
    """The master and its layouts, for pptx.Writer and for a theme file (ThemeMasterWriter)."""
    folder = "ppt"  # where the package keeps them; a theme file keeps them under "theme"

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
        src = self.folder + "/slideMasters/slideMaster1.xml"
        pkg.relate(src, R + "theme", "../theme/theme1.xml")
        bg = p.master_background or look.background
        bg_rid = self.image_rel(src, bg.picture) if hasattr(bg, "picture") else None
        # A rule under the titles is the layouts' own (see _layout); the rest lie on every slide.
        shapes = [decoration_xml(dataclasses.replace(d, box=self.box(d.box)), 10 + i) for i, d in enumerate(look.decorations)
                  if not isinstance(d, HeadingRule)]
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

    def layout_area(self, name, box):
        """A placeholder's box on layout `name` as the layout has it: on this slide's size,
        ending above the decorations along the foot."""
        shown, own = layout_decorations(self.p.look, name, self.p.layouts.get(name) or LayoutFormat())
        return above_the_foot(self.box(box), [dataclasses.replace(d, box=self.box(d.box)) for d in shown + own],
                              self.width, self.height)

    def _layout(self, i):
        name, kind, phs = LAYOUTS[i]
        src = self.folder + "/slideLayouts/slideLayout%d.xml" % (i + 1)
        self.pkg.relate(src, R + "slideMaster", "../slideMasters/slideMaster1.xml")
        fmt = self.p.layouts.get(name) or LayoutFormat()
        own = [dataclasses.replace(d, box=self.box(d.box)) for d in layout_decorations(self.p.look, name, fmt)[1]]
        shapes = [decoration_xml(d, 20 + k) for k, d in enumerate(own)]
        for k, (ph, idx, box) in enumerate(phs):
            prompt = PROMPTS.get(ph, "单击此处编辑母版文本样式")
            body = ('<p:txBody>%s%s<a:p><a:r><a:rPr lang="zh-CN" altLang="en-US"/><a:t>%s</a:t></a:r>'
                    '</a:p></p:txBody>') % ('<a:bodyPr anchor="b"/>' if ph == "heading" else "<a:bodyPr/>",
                                            layout_list_style(ph, fmt, kind), prompt)
            label = {"ctrTitle": "标题", "title": "标题", "subTitle": "副标题", "heading": "文本占位符"}.get(ph, "内容占位符")
            shapes.append(placeholder_sp(2 + k, "%s %d" % (label, k + 1), ph_xml(ph, idx), body,
                                         self.layout_area(name, box)))
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


class ThemeMasterWriter(MasterWriter):
    """The master and layouts of a look alone, as a theme file carries them: the look's
    background, decorations and text styles, on the 4:3 slide, with no step's changes."""
    folder = "theme"

    def __init__(self, look, pkg):
        self.p = Presentation(look.name, look, [])
        self.pkg = pkg
        self.width, self.height = SLIDE_W, SLIDE_H

    def box(self, box):
        return box

    def image_rel(self, source, name):
        raise TypeError("a look's background is a colour or a gradient; a theme file carries no pictures")

    def write(self):
        self._master()
