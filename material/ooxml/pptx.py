"""Writes a Presentation (model.py) as a .pptx or .ppsx package of our own master and layouts:
the package, the slides and their shapes (placeholders, pictures, tables, shapes, sounds,
SmartArt graphics) and their links. The master and layouts are in pptx_master.py, the
transitions, notes and settings parts in pptx_parts.py."""
import dataclasses

from .animation import timing_xml
from .model import P, paragraphs
from .package import R, R_MEDIA, XML_HEAD, Package, add_core, attr, text
from .pptx_master import (BODY_BOX, CT, LAYOUT_INDEX, LAYOUTS, LEFT_BOX, NS, RIGHT_BOX, SLIDE_H, SLIDE_SIZES,
                          SLIDE_W, MasterWriter, emu_box, nv_group, ph_xml, placeholder_sp)
from .pptx_parts import TABLE_STYLES, PartWriter
from .smartart import build_order, write_diagram
from .theme import colour, fill_xml, theme_xml

JUMPS = {"firstslide", "lastslide", "nextslide", "prevslide"}


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
        inner += "<a:solidFill>%s</a:solidFill>" % colour(color)  # RRGGBB, or the theme's by name
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


class Writer(MasterWriter, PartWriter):
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


    def _picture_box(self, pic, slide):
        areas = {"body": BODY_BOX, "left": LEFT_BOX, "right": RIGHT_BOX}
        if pic.box:
            return self.picture_box(pic.box)
        return fit_picture(pic, self.res.picture_size(pic.name)[2:], self.layout_area(slide.layout, areas.get(pic.into, BODY_BOX)))

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
        fill = "<a:solidFill>%s</a:solidFill>" % colour(s.fill) if s.fill else ""
        line = "<a:ln><a:solidFill>%s</a:solidFill></a:ln>" % colour(s.line) if s.line else ""
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



def write_presentation(presentation, resources, path):
    Writer(presentation, resources).write(path)
