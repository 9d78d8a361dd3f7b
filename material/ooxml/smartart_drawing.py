"""The drawing of a SmartArt graphic (drawingN.xml): the presentation points that carry a
shape, placed in the frame by the arrangement their kind asks for, with their texts at
one size that fits every shape. The drawing breaks each text into its lines itself, only
where a line may break (never inside a term of Chinese characters that the content does
not mark), so a viewer does not wrap them again. It is what viewers that do not lay out
SmartArt draw."""
import math
from dataclasses import dataclass

from .package import XML_HEAD, text
from .smartart_layouts import DGM, DSP, A
from .smartart_model import Pres
from .smartart_styles import THEME_EFFECTS, _quick_style

EMU_PT = 12700
MARK = "\u200b"  # a zero-width space: where the content lets a term break

# Characters that never begin a line, those that never end one (a line may begin before
# them), and the pause marks and closing brackets a line may end after, as Chinese
# typesetting keeps them (not after a closing quote: “生”字 is one term).
NO_LINE_START = set("，。、；：？！）》」』】〕”’…·%,.;:?!)]}")
NO_LINE_END = set("（《「『【〔“‘([{")
BREAK_AFTER = set("，。、；：？！）》」』】〕…,.;:?!)]}")
LINE_HEIGHT = 1.3  # a line in ems at the drawing's 90 % spacing, for fonts as tall as the CJK ones
PARA_AFTER = {0: 0.35, 1: 0.15}  # space after a paragraph in ems, as _drawing_paras writes it
FILL = 0.97  # how much of its width a line may take: the estimate of a line's width is not exact
INDENT = 228600  # a bulleted paragraph's indent, EMU


def _ideograph(ch):
    return "\u3400" <= ch <= "\u9fff" or "\uf900" <= ch <= "\ufaff"


def _may_break(a, b):
    """Whether a line may break between the characters a and b, where the content marks no
    break: after a space, a pause mark or a closing bracket, before an opening bracket or
    quote, between Chinese and a Latin word, and before a number that follows Chinese;
    never inside a term of Chinese characters, a word or a number."""
    if b in NO_LINE_START or a in NO_LINE_END or b == " ":
        return False
    return (a == " " or a in BREAK_AFTER or b in NO_LINE_END or (a.isascii() and a.isalpha() and _ideograph(b))
            or (_ideograph(a) and b.isascii() and b.isalnum()))


def _words(text):
    """The pieces of a text that a line never breaks inside (a mark stays with the piece
    before it)."""
    words, last = [], ""
    for ch in text:
        if ch == MARK:
            if words:
                words[-1] += ch
            continue
        if words and (words[-1].endswith(MARK) and ch not in NO_LINE_START and last not in NO_LINE_END
                      or _may_break(last, ch)):
            words.append(ch)
        elif words:
            words[-1] += ch
        else:
            words.append(ch)
        last = ch
    return words


def _asian(ch):
    # the office draws quotes next to Chinese from the Chinese font
    return ord(ch) > 0x2E7F or ch in "“”‘’"


def _width(line, size):
    """Points a line takes at `size`, as the office draws it (a little more rather than less):
    a Chinese character or full-width mark a whole em, a quote a little more, Latin letters
    and digits about two thirds, and a quarter em where Asian and Western text meet."""
    total, prev = 0.0, None
    for ch in line.replace(MARK, "").rstrip(" "):
        asian = _asian(ch)
        if asian:
            total += 1.15 if ch in "“”‘’" else 1.0
        elif ch == " ":
            total += 0.3
        else:
            total += 0.72 if ch.isupper() else 0.9 if ch in "%@&mwMW" else 0.65
        if prev is not None and ch != " " and asian != prev:
            total += 0.25
        prev = None if ch == " " else asian
    return total * size


def _break(text, size, width):
    """The lines of a paragraph at `size` points in `width` points, broken only between its
    words: as few lines as it takes, the longest of them as short as it can be (the lines
    read evenly). None when a word is wider than the line."""
    words = _words(text)
    room = width * FILL
    best = [(0, 0.0, 0)]  # for the first j words: (lines, the longest, where the last line begins)
    for j in range(1, len(words) + 1):
        choice = None
        for i in range(j - 1, -1, -1):
            w = _width("".join(words[i:j]), size)
            if w > room:
                break
            if best[i] is not None:
                c = (best[i][0] + 1, max(best[i][1], w), i)
                choice = c if choice is None or c[:2] < choice[:2] else choice
        best.append(choice)
    if best[-1] is None:
        return None
    lines, j = [], len(words)
    while j:
        i = best[j][2]
        lines.insert(0, "".join(words[i:j]))
        j = i
    return lines


def _para_size(size, level):
    return size if level == 0 else max(5, round(size * 0.78))


def _fit(placed, paras, size):
    """Where a shape's paragraphs go at `size` points and how their lines break: (the text
    rectangle, the lines of each paragraph), or None when they do not fit without breaking
    a word. The rectangle may depend on the text's height (a circle has more room across
    its middle)."""
    m = 2 * placed.margin(size)
    height = sum(_para_size(size, level) * (LINE_HEIGHT + PARA_AFTER[min(level, 1)]) for _, level in paras) * EMU_PT
    for _ in range(8):
        rect = placed.text_room(height + m)
        if rect is None:
            return None
        lines, need = [], 0.0
        for t, level in paras:
            sz = _para_size(size, level)
            broken = _break(t, sz, (rect[2] - m - (INDENT if level else 0)) / EMU_PT)
            if broken is None:
                return None
            lines.append(broken)
            need += (len(broken) * LINE_HEIGHT + PARA_AFTER[min(level, 1)]) * sz * EMU_PT
        if need <= height + 1:
            return rect, lines
        height = need
    return None


SIZES = (48, 44, 40, 36, 32, 28, 24, 20, 18, 16, 14, 12, 11, 10, 9, 8, 7, 6, 5)


def _ellipse_room(box, height):
    """The rectangle of `height` across the middle of an ellipse, as wide as the ellipse is
    there (a little taller than asked, for a text the office lays out a little taller)."""
    x, y, w, h = box
    if height >= h * 0.96:
        return None
    half = w / 2 * math.sqrt(1 - (height / h) ** 2) * 0.98
    tall = min(h * 0.96, height * 1.1)
    return (x + w / 2 - half, y + h / 2 - tall / 2, 2 * half, tall)


@dataclass
class Placed:
    pres: Pres
    box: tuple  # x, y, cx, cy in the frame
    rot: int = 0  # 60000ths of a degree
    adj: int = -1  # the preset geometry's adjustment, where the arrangement sets it
    path: tuple = ()  # a line's points in the box, for connectors
    room: object = None  # text height -> where a text of that height goes, if the arrangement says

    def text_rect(self):
        """The geometry's own rectangle for its text."""
        x, y, w, h = self.box
        shape = self.pres.node.shape
        if shape == "ellipse":  # the inscribed rectangle
            k = (1 - math.sqrt(0.5)) / 2
            return (x + w * k, y + h * k, w * (1 - 2 * k), h * (1 - 2 * k))
        if shape == "roundRect":  # lines kept clear of the rounded ends, as the geometry's own text rectangle
            inset = min(w, h) * 0.16667 * 0.29289
            return (x + inset, y, w - 2 * inset, h)
        if shape == "trapezoid":  # between the slanted sides at mid-height, lower half for the apex
            inset = min(w, h) * self.adj / 100000 if self.adj >= 0 else 0
            if inset * 2 >= w * 0.99:
                return (x + w / 4, y + h * 0.4, w / 2, h * 0.6)
            return (x + inset / 2, y, w - inset, h)
        return self.box

    def in_circle(self):
        return self.room is not None or self.pres.node.shape == "ellipse"

    def text_room(self, height):
        """Where a text of `height` (EMU, insets included) goes, or None if it has no room:
        in a circle, as wide as the circle is where the text stands."""
        if self.room is not None:
            return self.room(height)
        if self.in_circle():
            return _ellipse_room(self.box, height)
        rect = self.text_rect()
        return rect if height <= rect[3] else None

    def margin(self, size):
        """The text's insets: a text in a circle, whose rectangle keeps clear of the rim
        already, needs less."""
        return round(size * (0.1 if self.in_circle() else 0.3) * EMU_PT)


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
        ratio = 4.0 if vertical else 0.6  # across / along of a node, as the definition asks
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
        """Circles that overlap round the middle, spread across the frame as far as they still
        overlap all together; each text in the part of its circle that no other covers."""
        nodes = self.of("node")
        n = len(nodes)
        if n < 2:
            side = min(self.w, self.h) * 0.8
            return [Placed(p, ((self.w - side) / 2, (self.h - side) / 2, side, side)) for p in nodes]
        angles = [math.pi / 2 * (2 * k - 1) for k in range(2)] if n == 2 else [2 * math.pi * k / n for k in range(n)]
        # Centres in diameters from the middle. Three: spread across as far as the frame's
        # shape asks while each circle still reaches over the middle; two side by side and
        # four or more on a wider ring, each with a part of its own for its text.
        down = 0.27 if n == 3 else 0.4
        ys = [-down * math.cos(a) for a in angles]
        span_y = max(ys) - min(ys) + 1
        sines = [math.sin(a) for a in angles]
        across = min(0.5, max(down, (self.w / self.h * span_y - 1) / (max(sines) - min(sines)))) if n == 3 else down
        xs = [across * s for s in sines]
        span_x = max(xs) - min(xs) + 1
        d = min(self.w / span_x, self.h / span_y)
        x0 = (self.w - span_x * d) / 2 - (min(xs) - 0.5) * d
        y0 = (self.h - span_y * d) / 2 - (min(ys) - 0.5) * d
        centres = [(x0 + x * d, y0 + y * d) for x, y in zip(xs, ys)]
        out = []
        for k, p in enumerate(nodes):
            (cx, cy), others = centres[k], centres[:k] + centres[k + 1:]
            out.append(Placed(p, (cx - d / 2, cy - d / 2, d, d), room=_outer_room((cx, cy), d / 2, others)))
        return out

    def _radial(self, overlap):
        """The first item's circle in the middle, its sub-items' circles round it from the top
        clockwise, as large as the frame lets them be."""
        centre, spokes, lines = self.of("centre"), self.of("node"), self.of("connector")
        m = max(1, len(spokes))
        if overlap:
            factor = max(0.95, 0.55 / math.sin(math.pi / m))  # spoke centres from the middle, in spoke diameters
            ratio = 1.6  # the centre's diameter in spoke diameters
        else:
            factor = max(1.3, 1.05 / (2 * math.sin(math.pi / m)))
            ratio = 1.3
        places = [(factor * math.sin(2 * math.pi * k / m), -factor * math.cos(2 * math.pi * k / m)) for k in range(m)]
        span_x = max(ratio, max(abs(x) for x, _ in places) * 2 + 1)
        span_y = max(ratio, max(y for _, y in places) - min(y for _, y in places) + 1)
        d = min(self.w / span_x, self.h / span_y)
        dc, radius = ratio * d, factor * d
        middle_y = self.h / 2 - (max(y for _, y in places) + min(y for _, y in places)) / 2 * d
        out = [Placed(p, (self.w / 2 - dc / 2, middle_y - dc / 2, dc, dc)) for p in centre]
        for k, p in enumerate(spokes):
            angle = 2 * math.pi * k / m
            x, y = self.w / 2 + radius * math.sin(angle), middle_y - radius * math.cos(angle)
            if k < len(lines):  # from the centre's rim to the spoke's
                x1, y1 = self.w / 2 + dc / 2 * math.sin(angle), middle_y - dc / 2 * math.cos(angle)
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


def _outer_room(centre, r, others):
    """For a circle of radius r among overlapping others: text height -> the widest
    rectangle of that height inside the circle and clear of the others, and across within
    the circle's own text rectangle (where a viewer that keeps to it draws the text too);
    None if there is none. Of the places nearly as wide as the widest, the one nearest
    their middle: the text stands in the middle of the part that is the circle's own."""
    cx, cy = centre
    across = r * math.sqrt(0.5)  # half the width of the circle's own text rectangle

    def clear(x, y, half, half_h):
        if abs(x - cx) + half > across:
            return False
        corners = ((x - half, y - half_h), (x + half, y - half_h), (x - half, y + half_h), (x + half, y + half_h))
        if any(math.hypot(px - cx, py - cy) > r * 0.97 for px, py in corners):
            return False
        for ox, oy in others:  # the rectangle's nearest point to each other circle stays outside it
            nx, ny = min(max(ox, x - half), x + half), min(max(oy, y - half_h), y + half_h)
            if math.hypot(nx - ox, ny - oy) < r * 1.03:
                return False
        return True

    def room(height):
        height *= 1.08  # a little taller than asked, for a text the office lays out a little taller
        places = []
        for i in range(-4, 5):
            for j in range(-12, 13):
                x, y = cx + across * i / 4, cy + r * j / 12
                low, high = 0.0, across
                for _ in range(16):
                    mid = (low + high) / 2
                    low, high = (mid, high) if clear(x, y, mid, height / 2) else (low, mid)
                places.append((low, x, y))
        best = max(w for w, _, _ in places)
        if best < height / 4:
            return None
        near = [(x, y) for w, x, y in places if w >= best * 0.97]
        mx, my = sum(x for x, _ in near) / len(near), sum(y for _, y in near) / len(near)
        w, x, y = max(places, key=lambda q: (q[0] >= best * 0.97, -math.hypot(q[1] - mx, q[2] - my)))
        return (x - w, y - height / 2, 2 * w, height)
    return room


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


def _sized(placed):
    """The size of the graphic's texts and, for each shape with text, where its text goes
    and how its lines break. One size for every first-level text, as the definition's equal
    font constraints ask: the largest at which every text fits its shape with no word
    broken."""
    text_shapes = [(p, _paras(p)) for p in placed if _paras(p)]
    for size in SIZES:
        fitted = [_fit(p, paras, size) for p, paras in text_shapes]
        if all(fitted):
            return size, {id(p): f for (p, _), f in zip(text_shapes, fitted)}
    raise ValueError("a SmartArt text has a word too long for its shape at any size: %s" %
                     [paras for p, paras in text_shapes])


def drawing_xml(placed, colours, style_name):
    effect = _quick_style(style_name)[2]
    size, fitted = _sized(placed) if any(_paras(p) for p in placed) else (SIZES[0], {})
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
        body = ""
        if node.shape and not p.path:
            m = p.margin(size)
            rect, lines = fitted.get(id(p), (p.text_rect(), []))
            left = right = m
            gx, _, gw, _ = p.text_rect()
            if rect[0] >= gx and rect[0] + rect[2] <= gx + gw and abs(rect[0] + rect[2] / 2 - gx - gw / 2) > EMU_PT:
                # Off the middle: the geometry's own text rectangle across, and insets that put
                # the text where it goes (where a viewer that keeps to that rectangle puts it too).
                left, right = m + rect[0] - gx, m + gx + gw - rect[0] - rect[2]
                rect = (gx, rect[1], gw, rect[3])
            tx_, ty_, tw_, th_ = (round(v) for v in rect)
            levels = [level for _, level in _paras(p)]
            anchor = "t" if node.name == "childText" else "ctr"
            # wrap="none": the lines are broken already, and a viewer that draws the text in the
            # geometry's own rectangle (narrower than a circle's middle) keeps them whole.
            body = ('<dsp:txBody><a:bodyPr spcFirstLastPara="0" vert="horz" wrap="none" lIns="%d" tIns="%d" '
                    'rIns="%d" bIns="%d" numCol="1" spcCol="1270" anchor="%s" anchorCtr="0"><a:noAutofit/></a:bodyPr>'
                    '<a:lstStyle/>%s</dsp:txBody><dsp:txXfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/>'
                    '</dsp:txXfrm>') % (round(left), m, round(right), m, anchor, _drawing_paras(list(zip(lines, levels)), size, tx, node.name),
                                        tx_, ty_, tw_, th_)
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


def _drawing_paras(paras, size, colour, name):
    """The paragraphs of a shape, each a list of its lines with its level: a line the fitting
    breaks is a line break in its paragraph."""
    if not paras:
        return '<a:p><a:endParaRPr lang="zh-CN" altLang="en-US"/></a:p>'
    out = []
    for lines, level in paras:
        sz = _para_size(size, level)
        if level:
            ppr = ('<a:pPr marL="%d" lvl="1" indent="-%d" algn="l" defTabSz="%d"><a:lnSpc><a:spcPct val="90000"/>'
                   '</a:lnSpc><a:spcBef><a:spcPct val="0"/></a:spcBef><a:spcAft><a:spcPct val="15000"/></a:spcAft>'
                   '<a:buChar char="•"/></a:pPr>') % (INDENT, INDENT, sz * EMU_PT * 4)
        else:
            ppr = ('<a:pPr marL="0" lvl="0" indent="0" algn="%s" defTabSz="%d"><a:lnSpc><a:spcPct val="90000"/>'
                   '</a:lnSpc><a:spcBef><a:spcPct val="0"/></a:spcBef><a:spcAft><a:spcPct val="35000"/></a:spcAft>'
                   '<a:buNone/></a:pPr>') % ("l" if name == "childText" else "ctr", sz * EMU_PT * 4)
        rpr = '<a:rPr lang="zh-CN" altLang="en-US" sz="%d" kern="1200"><a:solidFill>%s</a:solidFill></a:rPr>' % (
            sz * 100, colour)
        out.append('<a:p>%s%s</a:p>' % (ppr, ("<a:br>%s</a:br>" % rpr).join(
            '<a:r>%s<a:t>%s</a:t></a:r>' % (rpr, text(line)) for line in lines)))
    return "".join(out)
