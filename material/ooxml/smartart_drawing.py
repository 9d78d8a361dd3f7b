"""The drawing of a SmartArt graphic (drawingN.xml): the presentation points that carry a
shape, placed in the frame by the arrangement their kind asks for, with their texts at
one size that fits every shape (the line breaking estimate is here too). It is what
viewers that do not lay out SmartArt draw."""
import math
from dataclasses import dataclass

from .package import XML_HEAD, text
from .smartart_layouts import DGM, DSP, A
from .smartart_model import Pres
from .smartart_styles import THEME_EFFECTS, _quick_style

EMU_PT = 12700


def _char_width(ch, size):
    """Points a character takes at `size`: CJK characters and full-width punctuation a
    whole em, the rest about half."""
    return size if ord(ch) > 0x2E7F else size * 0.55


# Characters that never begin a line: the line breaker pulls the character before them
# down with them (and PowerPoint does the same for East Asian text).
NO_LINE_START = set("，。、；：？！）》」』】〕”’…·%,.;:?!)]}")
LINE_HEIGHT = 1.3  # a line in ems at the drawing's 90 % spacing, for fonts as tall as the CJK ones
PARA_AFTER = {0: 0.35, 1: 0.15}  # space after a paragraph in ems, as _drawing_paras writes it


def _units(text):
    """The pieces a line may break between: a CJK character, or a word of other characters
    with the spaces after it."""
    units = []
    for ch in text:
        if ord(ch) > 0x2E7F or not units or ord(units[-1][-1]) > 0x2E7F or units[-1][-1] == " ":
            units.append(ch)
        else:
            units[-1] += ch
    return units


def _line_count(text, size, width):
    """How many lines a paragraph takes at `size` points in `width` points."""
    lines, used, last = 1, 0.0, None
    for unit in _units(text):
        w = sum(_char_width(ch, size) for ch in unit.rstrip(" "))
        if used + w > width and used > 0:
            if unit[0] in NO_LINE_START and last is not None:
                w += last  # the character before goes down with it
            lines += 1
            used = 0.0
        while w > width:  # a word longer than the line breaks where it must
            lines += 1
            w -= width
        used += w + sum(_char_width(ch, size) for ch in unit[len(unit.rstrip(" ")):])
        last = w
    return lines


def _fits(paras, w, h, size):
    """Whether the paragraphs fit a text box of w × h EMU at `size` points."""
    height = 0.0
    for t, level in paras:
        sz = size if not level else size * 0.78
        indent = 228600 if level else 0
        height += _line_count(t, sz, max(1, w - indent) / EMU_PT) * sz * LINE_HEIGHT + sz * PARA_AFTER[min(level, 1)]
    return height * EMU_PT <= h


SIZES = (48, 44, 40, 36, 32, 28, 24, 20, 18, 16, 14, 12, 11, 10, 9, 8, 7, 6, 5)


@dataclass
class Placed:
    pres: Pres
    box: tuple  # x, y, cx, cy in the frame
    rot: int = 0  # 60000ths of a degree
    adj: int = -1  # the preset geometry's adjustment, where the arrangement sets it
    text_box: tuple = ()  # where the text goes, if not the geometry's own text rectangle

    def text_rect(self):
        """The rectangle the text is laid in: the arrangement's, or the geometry's."""
        if self.text_box:
            return self.text_box
        x, y, w, h = self.box
        shape = self.pres.node.shape
        if shape == "ellipse":  # the inscribed rectangle
            k = (1 - math.sqrt(0.5)) / 2
            return (x + w * k, y + h * k, w * (1 - 2 * k), h * (1 - 2 * k))
        if shape == "trapezoid":  # between the slanted sides at mid-height, lower half for the apex
            inset = min(w, h) * self.adj / 100000 if self.adj >= 0 else 0
            if inset * 2 >= w * 0.99:
                return (x + w / 4, y + h * 0.4, w / 2, h * 0.6)
            return (x + inset / 2, y, w - inset, h)
        return self.box
    path: tuple = ()  # a line's points in the box, for connectors


class _Drawing:
    """The arrangement of each kind, in the frame's own coordinates."""

    def __init__(self, w, h, shapes):
        self.w, self.h = w, h
        self.shapes = shapes  # {layout node name: [Pres …]} in presentation order

    def of(self, name):
        return self.shapes.get(name, [])

    def row(self, vertical=False):
        nodes, arrows = self.of("node"), self.of("sibTrans")
        n = len(nodes)
        along, across = (self.h, self.w) if vertical else (self.w, self.h)
        ratio = 2.5 if vertical else 0.6  # across / along of a node, as the definition asks
        size = along / (n + 0.3 * (n - 1))
        if size * ratio > across:
            size = across / ratio
        total = n * size + 0.3 * size * (n - 1)
        start = (along - total) / 2
        out = []
        for k, p in enumerate(nodes):
            a0 = start + k * 1.3 * size
            out.append(Placed(p, self._orient((a0, (across - size * ratio) / 2, size, size * ratio), vertical)))
        for k, p in enumerate(arrows):
            a0 = start + k * 1.3 * size + size + 0.04 * size
            aw, ah = 0.22 * size, 0.26 * size
            out.append(Placed(p, self._orient((a0, (across - ah) / 2, aw, ah), vertical)))
        return out

    @staticmethod
    def _orient(box, vertical):
        a, b, la, lb = box
        return (b, a, lb, la) if vertical else box

    def column(self):
        return self.row(vertical=True)

    def bars(self):
        bars, boxes = self.of("parentText"), self.of("childText")
        subs = {p.assoc.id: p for p in boxes}
        units = sum(1 + 0.7 * len(p.assoc.children) + (0.15 if p.assoc.children else 0) for p in bars) + \
            0.12 * (len(bars) - 1)
        unit = min(self.h / units, self.h / 3)
        y = (self.h - unit * units) / 2
        out = []
        for p in bars:
            out.append(Placed(p, (0, y, self.w, unit)))
            y += unit
            if p.assoc.id in subs:
                hh = 0.7 * unit * len(p.assoc.children) + 0.15 * unit
                out.append(Placed(subs[p.assoc.id], (0, y, self.w, hh)))
                y += hh
            y += 0.12 * unit
        return out

    def grid(self, columns=0, ratio=0.6):
        nodes = self.of("node")
        n = len(nodes)
        best = None
        for c in ([columns] if columns else range(1, n + 1)):
            r = math.ceil(n / c)
            w = min(self.w / (c + 0.1 * (c - 1)), self.h / (r * ratio + 0.1 * (r - 1)))
            if best is None or w > best[0]:
                best = (w, c, r)
        w, c, r = best
        h, gap = w * ratio, 0.1 * w
        y0 = (self.h - (r * h + (r - 1) * gap)) / 2
        out = []
        for k, p in enumerate(nodes):
            row, col = divmod(k, c)
            in_row = min(c, n - row * c)
            x0 = (self.w - (in_row * w + (in_row - 1) * gap)) / 2
            out.append(Placed(p, (x0 + col * (w + gap), y0 + row * (h + gap), w, h)))
        return out

    def grid2(self):
        return self.grid(2, 0.7)

    def _circle(self, count, radius, k):
        """The centre of the k-th of `count` places round the frame's middle, from the top clockwise."""
        angle = 2 * math.pi * k / max(1, count)
        return self.w / 2 + radius * math.sin(angle), self.h / 2 - radius * math.cos(angle), angle

    def cycle(self):
        nodes, arrows = self.of("node"), self.of("sibTrans")
        n = len(nodes)
        side = min(self.w, self.h)
        if n == 1:
            d, radius = side * 0.6, 0
        else:
            # the node as large as leaves room for an arrow between neighbours
            d = min(side / 2.6, side * math.sin(math.pi / n) / (1.5 + math.sin(math.pi / n)))
            radius = (side - d) / 2
        out = []
        for k, p in enumerate(nodes):
            x, y, _ = self._circle(n, radius, k)
            out.append(Placed(p, (x - d / 2, y - d / 2, d, d)))
        for k, p in enumerate(arrows):
            x, y, angle = self._circle(n, radius, k + 0.5)
            aw, ah = 0.25 * d, 0.2 * d
            out.append(Placed(p, (x - aw / 2, y - ah / 2, aw, ah), rot=round(math.degrees(angle) * 60000) % 21600000))
        return out

    def venn(self):
        nodes = self.of("node")
        n = len(nodes)
        side = min(self.w, self.h)
        d = side / 1.6 if n > 1 else side * 0.8
        radius = 0.3 * d if n > 1 else 0
        out = []
        for k, p in enumerate(nodes):
            x, y, angle = self._circle(n, radius, k)
            text_box = ()
            if n > 1:  # the text in the part of the circle that no other covers
                tx, ty = x + 0.2 * d * math.sin(angle), y - 0.2 * d * math.cos(angle)
                text_box = (tx - 0.28 * d, ty - 0.2 * d, 0.56 * d, 0.4 * d)
            out.append(Placed(p, (x - d / 2, y - d / 2, d, d), text_box=text_box))
        return out

    def _radial(self, overlap):
        centre, spokes, lines = self.of("centre"), self.of("node"), self.of("connector")
        m = max(1, len(spokes))
        side = min(self.w, self.h)
        if overlap:
            factor = max(0.95, 0.55 / math.sin(math.pi / m))  # spoke centres from the middle, in spoke diameters
            d = side / (2 * factor + 1)
            dc = 1.6 * d
        else:
            factor = max(1.3, 1.05 / (2 * math.sin(math.pi / m)))
            d = side / (2 * factor + 1)
            dc = 1.3 * d
        radius = factor * d
        out = [Placed(p, (self.w / 2 - dc / 2, self.h / 2 - dc / 2, dc, dc)) for p in centre]
        for k, p in enumerate(spokes):
            x, y, angle = self._circle(m, radius, k)
            if k < len(lines):  # from the centre's rim to the spoke's
                x1, y1 = self.w / 2 + dc / 2 * math.sin(angle), self.h / 2 - dc / 2 * math.cos(angle)
                x2, y2 = x - d / 2 * math.sin(angle), y + d / 2 * math.cos(angle)
                out.append(_line(lines[k], (x1, y1), (x2, y2)))
            out.append(Placed(p, (x - d / 2, y - d / 2, d, d)))
        return out

    def radial(self):
        return self._radial(False)

    def radial_venn(self):
        return self._radial(True)

    def tree(self):
        boxes = self.of("text") + self.of("leafText")
        lines = self.of("connector")
        tops = [p for p in boxes if p.assoc.level == 1]
        columns = sum(max(1, len(p.assoc.children)) for p in tops)
        w = self.w / (columns + 0.2 * (columns - 1))
        h = 0.6 * w
        if 2.6 * h > self.h:
            h = self.h / 2.6
            w = min(w, h / 0.6)
        gap = (self.w - columns * w) / max(1, columns - 1) if columns > 1 else 0
        y0 = (self.h - 2.6 * h) / 2 if any(p.assoc.children for p in tops) else (self.h - h) / 2
        by_point = {p.assoc.id: p for p in boxes}
        line_of = {p.assoc.id: p for p in lines}  # a connector presents its parent transition
        out, col = [], 0
        x_start = (self.w - (columns * w + (columns - 1) * gap)) / 2
        for top in tops:
            kids = top.assoc.children
            span = max(1, len(kids))
            left = x_start + col * (w + gap)
            width = span * w + (span - 1) * gap
            px = left + (width - w) / 2
            out.append(Placed(top, (px, y0, w, h)))
            for k, kid in enumerate(kids):
                kx = left + k * (w + gap)
                ky = y0 + 1.6 * h
                line = line_of.get(kid.par_trans.id)
                if line:
                    out.append(_elbow(line, (px + w / 2, y0 + h), (kx + w / 2, ky)))
                out.append(Placed(by_point[kid.id], (kx, ky, w, h)))
            col += span
        return out

    def pyramid(self):
        nodes = self.of("node")
        n = len(nodes)
        height = min(self.h, self.w * 0.8)
        base = height / 0.8
        x0, y0 = (self.w - base) / 2, (self.h - height) / 2
        layer = height / n
        out = []
        for k, p in enumerate(nodes):
            bottom = base * (k + 1) / n
            # the top edge narrower by one step a side: the sides run straight from the apex
            inset = base / (2 * n)
            out.append(Placed(p, (x0 + (base - bottom) / 2, y0 + k * layer, bottom, layer),
                              adj=round(inset * 100000 / min(bottom, layer))))
        return out


def _line(pres, a, b):
    (x1, y1), (x2, y2) = a, b
    x, y = min(x1, x2), min(y1, y2)
    w, h = max(1, abs(x2 - x1)), max(1, abs(y2 - y1))
    return Placed(pres, (x, y, w, h), path=((x1 - x, y1 - y), (x2 - x, y2 - y)))


def _elbow(pres, a, b):
    (x1, y1), (x2, y2) = a, b
    x, y = min(x1, x2), min(y1, y2)
    w, h = max(1, abs(x2 - x1)), max(1, abs(y2 - y1))
    return Placed(pres, (x, y, w, h), path=((x1 - x, 0), (x1 - x, h / 2), (x2 - x, h / 2), (x2 - x, h)))


def _paras(placed):
    """The texts a shape shows, with their levels relative to its first."""
    shows = [q for q in placed.pres.shows if q.type == "node"]
    if not shows:
        return []
    top = shows[0].level if placed.pres.node.name != "childText" else shows[0].level - 1
    return [(q.text, q.level - top) for q in shows]


def drawing_xml(placed, colours, style_name):
    effect = _quick_style(style_name)[2]
    # One size for every first-level text, as the definition's equal font constraints ask.
    text_shapes = [(p, _paras(p)) for p in placed if _paras(p)]
    size = SIZES[-1]
    for s in SIZES:
        if all(_fits(paras, p.text_rect()[2] - 2 * _margin(s), p.text_rect()[3] - 2 * _margin(s), s)
               for p, paras in text_shapes):
            size = s
            break
    out = []
    for p in placed:
        node = p.pres.node
        fill, line, tx = colours.label(node.style, p.pres.idx, p.pres.cnt) if node.style else (None, None, None)
        x, y, w, h = (round(v) for v in p.box)
        rot = ' rot="%d"' % p.rot if p.rot else ""
        xfrm = '<a:xfrm%s><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/></a:xfrm>' % (rot, x, y, w, h)
        if p.path:
            pts = [(round(px), round(py)) for px, py in p.path]
            geom = ('<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/><a:rect l="0" t="0" r="0" b="0"/><a:pathLst>'
                    '<a:path w="%d" h="%d" fill="none"><a:moveTo><a:pt x="%d" y="%d"/></a:moveTo>%s</a:path>'
                    '</a:pathLst></a:custGeom>') % (w, h, pts[0][0], pts[0][1], "".join(
                        '<a:lnTo><a:pt x="%d" y="%d"/></a:lnTo>' % pt for pt in pts[1:]))
        else:
            av = '<a:gd name="adj" fmla="val %d"/>' % p.adj if p.adj >= 0 else ""
            geom = '<a:prstGeom prst="%s"><a:avLst>%s</a:avLst></a:prstGeom>' % (node.shape, av)
        fill_xml = "<a:noFill/>" if fill is None else "<a:solidFill>%s</a:solidFill>" % fill
        ln = '<a:ln w="%d"><a:solidFill>%s</a:solidFill></a:ln>' % (12700, line) if line else "<a:ln><a:noFill/></a:ln>"
        eff = THEME_EFFECTS[effect] if node.style in ("node0", "node1", "vennNode1", "sibTrans2D1") else "<a:effectLst/>"
        paras = _paras(p)
        body = ""
        if node.shape and not p.path:
            m = _margin(size)
            tx_, ty_, tw_, th_ = (round(v) for v in p.text_rect())
            anchor = "t" if node.name == "childText" else "ctr"
            body = ('<dsp:txBody><a:bodyPr spcFirstLastPara="0" vert="horz" wrap="square" lIns="%d" tIns="%d" '
                    'rIns="%d" bIns="%d" numCol="1" spcCol="1270" anchor="%s" anchorCtr="0"><a:noAutofit/></a:bodyPr>'
                    '<a:lstStyle/>%s</dsp:txBody><dsp:txXfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/>'
                    '</dsp:txXfrm>') % (m, m, m, m, anchor, _drawing_paras(paras, size, tx, node.name), tx_, ty_, tw_, th_)
        out.append('<dsp:sp modelId="%s"><dsp:nvSpPr><dsp:cNvPr id="0" name=""/><dsp:cNvSpPr/></dsp:nvSpPr>'
                   '<dsp:spPr>%s%s%s%s%s</dsp:spPr><dsp:style><a:lnRef idx="%d"><a:scrgbClr r="0" g="0" b="0"/>'
                   '</a:lnRef><a:fillRef idx="%d"><a:scrgbClr r="0" g="0" b="0"/></a:fillRef><a:effectRef idx="%d">'
                   '<a:scrgbClr r="0" g="0" b="0"/></a:effectRef><a:fontRef idx="minor">%s</a:fontRef></dsp:style>'
                   '%s</dsp:sp>' % (p.pres.id, xfrm, geom, fill_xml, ln, eff, 1 if p.path else 2, 0 if p.path else 1,
                                    effect if node.style in ("node0", "node1", "vennNode1", "sibTrans2D1") else 0,
                                    '<a:schemeClr val="lt1"/>', body))
    return (XML_HEAD + '<dsp:drawing xmlns:dgm="%s" xmlns:dsp="%s" xmlns:a="%s"><dsp:spTree><dsp:nvGrpSpPr>'
            '<dsp:cNvPr id="0" name=""/><dsp:cNvGrpSpPr/></dsp:nvGrpSpPr><dsp:grpSpPr/>%s</dsp:spTree></dsp:drawing>'
            ) % (DGM, DSP, A, "".join(out))


def _margin(size):
    return round(size * 0.3 * EMU_PT)


def _drawing_paras(paras, size, colour, name):
    if not paras:
        return '<a:p><a:endParaRPr lang="zh-CN" altLang="en-US"/></a:p>'
    out = []
    for t, level in paras:
        sz = size if level == 0 else max(5, round(size * 0.78))
        if level:
            ppr = ('<a:pPr marL="228600" lvl="1" indent="-228600" algn="l" defTabSz="%d"><a:lnSpc><a:spcPct val="90000"/>'
                   '</a:lnSpc><a:spcBef><a:spcPct val="0"/></a:spcBef><a:spcAft><a:spcPct val="15000"/></a:spcAft>'
                   '<a:buChar char="•"/></a:pPr>') % (sz * EMU_PT * 4)
        else:
            ppr = ('<a:pPr marL="0" lvl="0" indent="0" algn="%s" defTabSz="%d"><a:lnSpc><a:spcPct val="90000"/>'
                   '</a:lnSpc><a:spcBef><a:spcPct val="0"/></a:spcBef><a:spcAft><a:spcPct val="35000"/></a:spcAft>'
                   '<a:buNone/></a:pPr>') % ("l" if name == "childText" else "ctr", sz * EMU_PT * 4)
        out.append('<a:p>%s<a:r><a:rPr lang="zh-CN" altLang="en-US" sz="%d" kern="1200"><a:solidFill>%s</a:solidFill>'
                   '</a:rPr><a:t>%s</a:t></a:r></a:p>' % (ppr, sz * 100, colour, text(t)))
    return "".join(out)
