"""The small parts of a presentation: transitions (with their table), notes and the notes
master, the presentation's show and print settings, view settings, table styles and
the application properties. A mix-in of pptx.Writer, whose package and media it uses."""
from .package import R, XML_HEAD, attr, text
from .pptx_master import CT, NS, nv_group
from .theme import theme_xml

TABLE_STYLES = {  # name as the 表格样式 gallery shows it -> the style's identifier and its accent
    "中度样式 2 - 强调 1": ("{5C22544A-7EE6-4342-B048-85BDC9FD1C3A}", "accent1"),
    "中度样式 4 - 强调 2": ("{8A107856-5554-42FB-B03E-39F5DBC370BA}", "accent2"),
}

# The table styles of the gallery, by the name before " - 强调 n", as the gallery draws
# them; the accent comes from TABLE_STYLES. A part of a style, in the schema's order:
# (part, text, bold, {edge: (width, colour)}, fill). A colour is a scheme colour, "accent"
# the style's own, with a tint in thousandths of a percent: ("accent", 20000).
_LINES = ("left", "right", "top", "bottom", "insideH", "insideV")
TABLE_LOOKS = {
    # A dark table: solid accent header and edges with light bold text, light lines
    # between the cells, a pale body with darker bands.
    "中度样式 2": (
        ("wholeTbl", "dk1", False, {e: (12700, "lt1") for e in _LINES}, ("accent", 20000)),
        ("band1H", None, False, {}, ("accent", 40000)),
        ("band1V", None, False, {}, ("accent", 40000)),
        ("lastCol", "lt1", True, {}, "accent"),
        ("firstCol", "lt1", True, {}, "accent"),
        ("lastRow", "lt1", True, {"top": (38100, "lt1")}, "accent"),
        ("firstRow", "lt1", True, {"bottom": (38100, "lt1")}, "accent")),
    # A light table: pale accent throughout with accent lines round and inside, a
    # slightly darker header and bands, dark bold text in the header.
    "中度样式 4": (
        ("wholeTbl", "dk1", False, {e: (12700, "accent") for e in _LINES}, ("accent", 20000)),
        ("band1H", None, False, {}, ("accent", 40000)),
        ("band1V", None, False, {}, ("accent", 40000)),
        ("lastCol", None, True, {}, None),
        ("firstCol", None, True, {}, None),
        ("lastRow", None, True, {"top": (25400, "accent")}, ("accent", 20000)),
        ("firstRow", "dk1", True, {}, ("accent", 40000))),
}


def table_part(tag, accent, text, bold, lines, fill):
    def colour(c):
        c, tint = c if isinstance(c, tuple) else (c, None)
        c = accent if c == "accent" else c
        return '<a:schemeClr val="%s"><a:tint val="%d"/></a:schemeClr>' % (c, tint) if tint else \
            '<a:schemeClr val="%s"/>' % c
    out = ""
    if text or bold:
        out += '<a:tcTxStyle%s>%s</a:tcTxStyle>' % (' b="on"' if bold else "", (
            '<a:fontRef idx="minor"><a:prstClr val="black"/></a:fontRef>' + colour(text)) if text else "")
    edges = "".join('<a:%s><a:ln w="%d" cmpd="sng"><a:solidFill>%s</a:solidFill></a:ln></a:%s>' % (
        e, lines[e][0], colour(lines[e][1]), e) for e in _LINES if e in lines)
    if edges or fill:
        out += '<a:tcStyle>%s%s</a:tcStyle>' % ('<a:tcBdr>%s</a:tcBdr>' % edges if edges else "",
                                                '<a:fill><a:solidFill>%s</a:solidFill></a:fill>' % colour(fill)
                                                if fill else "")
    return '<a:%s>%s</a:%s>' % (tag, out, tag)


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



class PartWriter:
    """The parts besides the slides, the master and its layouts, for pptx.Writer."""

    def _app_xml(self):
        return (XML_HEAD + '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties" '
                'xmlns:vt="http://schemas.openxmlformats.org/officeDocument/2006/docPropsVTypes">'
                '<Application>Microsoft Office PowerPoint</Application><PresentationFormat>%s</PresentationFormat>'
                '<Slides>%d</Slides><AppVersion>14.0000</AppVersion></Properties>' % (self.size_name, len(self.p.slides)))


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
        parts = TABLE_LOOKS[name.split(" - ")[0]]
        return '<a:tblStyle styleId="%s" styleName=%s>%s</a:tblStyle>' % (sid, attr(name), "".join(
            table_part(tag, accent, *look) for tag, *look in parts))
