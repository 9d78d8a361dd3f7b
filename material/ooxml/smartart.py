"""SmartArt graphics as PowerPoint 2010 keeps them: a graphic frame on the slide that
points at five parts of ppt/diagrams/ —

    dataN.xml        the data model: the document, each item and sub-item with the
                     transitions between them, and the presentation tree that our
                     layout definition makes of them (one point per laid-out node)
    layoutN.xml      a layout definition of our own, per kind of arrangement
    quickStyleN.xml  our own style labels (line, fill, effect and font references)
    colorsN.xml      our own colour labels
    drawingN.xml     the shapes as laid out, with their texts: what viewers that do not
                     lay out SmartArt draw (PowerPoint writes the same cache)

The layout definitions are ours, so are their identifiers: a gallery layout that ours
does not reproduce exactly is drawn by the nearest of ours, whose title says what it
draws. The presentation tree is derived from the same layout tree that is written as
the layout definition, by a small interpreter of its forEach axes; the drawing places
the same presentation points by the arrangement the definition asks for."""
import math
import re
import uuid
from dataclasses import dataclass, field

from .package import R, XML_HEAD, attr, text

DGM = "http://schemas.openxmlformats.org/drawingml/2006/diagram"
DSP = "http://schemas.microsoft.com/office/drawing/2008/diagram"
A = "http://schemas.openxmlformats.org/drawingml/2006/main"
NS_DGM = 'xmlns:dgm="%s" xmlns:a="%s"' % (DGM, A)
URI_DIAGRAM = DGM
EXT_DATA_MODEL = "http://schemas.microsoft.com/office/drawing/2008/diagram"

PARTS = {  # kind: (file stem, content type, relationship type)
    "data": ("data", "application/vnd.openxmlformats-officedocument.drawingml.diagramData+xml", R + "diagramData"),
    "layout": ("layout", "application/vnd.openxmlformats-officedocument.drawingml.diagramLayout+xml",
               R + "diagramLayout"),
    "style": ("quickStyle", "application/vnd.openxmlformats-officedocument.drawingml.diagramStyle+xml",
              R + "diagramQuickStyle"),
    "colors": ("colors", "application/vnd.openxmlformats-officedocument.drawingml.diagramColors+xml",
               R + "diagramColors"),
    "drawing": ("drawing", "application/vnd.ms-office.drawingml.diagramDrawing+xml",
                "http://schemas.microsoft.com/office/2007/relationships/diagramDrawing"),
}
ID_ROOT = "urn:ppt-trainer:smartart:"
EMU_PT = 12700


# ---------------------------------------------------------------------------------------
# The layout tree: written out as dgm:layoutDef, and walked to make the presentation tree.

@dataclass(frozen=True)
class C:
    """A constraint (dgm:constr); only what differs from the schema's defaults is written."""
    type: str
    for_: str = "self"
    forName: str = ""
    refType: str = "none"
    refFor: str = "self"
    refForName: str = ""
    op: str = "none"
    val: float = 0
    fact: float = 1

    def xml(self):
        a = ' type="%s"' % self.type
        for name, value, default in (("for", self.for_, "self"), ("forName", self.forName, ""),
                                     ("refType", self.refType, "none"), ("refFor", self.refFor, "self"),
                                     ("refForName", self.refForName, ""), ("op", self.op, "none"),
                                     ("val", self.val, 0), ("fact", self.fact, 1)):
            if value != default:
                a += " %s=%s" % (name, attr(_num(value)))
        return "<dgm:constr%s/>" % a


def _num(v):
    if isinstance(v, float) and v.is_integer():
        return str(int(v))
    return str(v)


@dataclass(frozen=True)
class Rule:
    """A rule (dgm:rule): how far a value may give way when the text does not fit."""
    type: str
    val: float
    for_: str = "self"
    forName: str = ""

    def xml(self):
        f = (' for="%s"' % self.for_ if self.for_ != "self" else "") + \
            (' forName=%s' % attr(self.forName) if self.forName else "")
        return '<dgm:rule type="%s"%s val="%s" fact="NaN" max="NaN"/>' % (self.type, f, _num(self.val))


@dataclass(frozen=True)
class Node:
    """A dgm:layoutNode."""
    name: str
    alg: str
    params: tuple = ()  # ((type, val), …)
    shape: str = ""  # a preset geometry, "conn", or "" for none
    adj: tuple = ()  # ((idx, val), …)
    style: str = ""  # the style label: how the colours and the quick style reach the shape
    pres_of: tuple = ()  # (axis, ptType); empty: presents nothing
    constr: tuple = ()
    rules: tuple = ()
    vars: tuple = ()  # ((element, val or None), …) in the schema's order
    body: tuple = ()  # Each, Node or IfChildren

    def xml(self):
        s = ['<dgm:layoutNode name=%s%s>' % (attr(self.name), ' styleLbl="%s"' % self.style if self.style else "")]
        if self.vars:
            s.append("<dgm:varLst>%s</dgm:varLst>" % _vars(self.vars))
        s.append(_alg(self.alg, self.params))
        s.append(_shape(self.shape, self.adj))
        s.append(_pres_of(self.pres_of))
        s.append("<dgm:constrLst>%s</dgm:constrLst>" % "".join(c.xml() for c in self.constr) if self.constr
                 else "<dgm:constrLst/>")
        s.append("<dgm:ruleLst>%s</dgm:ruleLst>" % "".join(r.xml() for r in self.rules) if self.rules
                 else "<dgm:ruleLst/>")
        s.extend(b.xml() for b in self.body)
        s.append("</dgm:layoutNode>")
        return "".join(s)


@dataclass(frozen=True)
class Each:
    """A dgm:forEach over an axis of the data model from the current point."""
    name: str
    axis: str  # "ch", "followSib", "self"
    pt: str  # "node", "sibTrans", "parTrans"; empty: every kind
    body: tuple
    cnt: int = 0  # 0: all
    hide_last: bool = True  # hideLastTrans: no transition after the last sibling

    def xml(self):
        a = ' name=%s axis="%s"' % (attr(self.name), self.axis) + (' ptType="%s"' % self.pt if self.pt else "")
        if self.cnt:
            a += ' cnt="%d"' % self.cnt
        if not self.hide_last:
            a += ' hideLastTrans="0"'
        return "<dgm:forEach%s>%s</dgm:forEach>" % (a, "".join(b.xml() for b in self.body))


@dataclass(frozen=True)
class IfChildren:
    """A dgm:choose whose branch depends on whether the current item has sub-items."""
    name: str
    then: tuple
    otherwise: tuple = ()

    def xml(self):
        return ('<dgm:choose name=%s><dgm:if name=%s axis="ch" ptType="node" func="cnt" op="gte" val="1">%s'
                '</dgm:if><dgm:else name=%s>%s</dgm:else></dgm:choose>') % (
            attr(self.name), attr(self.name + "有下级"), "".join(b.xml() for b in self.then),
            attr(self.name + "无下级"), "".join(b.xml() for b in self.otherwise))


def _vars(pairs):
    return "".join("<dgm:%s/>" % k if v is None else '<dgm:%s val="%s"/>' % (k, v) for k, v in pairs)


def _alg(kind, params):
    if not params:
        return '<dgm:alg type="%s"/>' % kind
    return '<dgm:alg type="%s">%s</dgm:alg>' % (kind, "".join('<dgm:param type="%s" val="%s"/>' % p for p in params))


def _shape(kind, adj):
    if not kind:
        return "<dgm:shape/>"
    inner = "<dgm:adjLst>%s</dgm:adjLst>" % "".join('<dgm:adj idx="%d" val="%s"/>' % a for a in adj) if adj \
        else "<dgm:adjLst/>"
    return '<dgm:shape type="%s">%s</dgm:shape>' % (kind, inner)


def _pres_of(presented):
    if not presented:
        return "<dgm:presOf/>"
    axis, pt = presented
    return '<dgm:presOf axis="%s"%s/>' % (axis, ' ptType="%s"' % pt if pt else "")


def _fonts(node_names, size=65):
    """Every named text node starts at one size and shrinks together as far as 5 pt."""
    out = []
    for name in node_names:
        out.append(C("primFontSz", "ch", name, op="equ", val=size))
    return tuple(out)


def _text_node(name, shape, style, pres_of, bullets_from=2, adj=(), vars=(("bulletEnabled", 1),), extra=()):
    margins = tuple(C(m, refType="primFontSz", fact=0.3) for m in ("lMarg", "rMarg", "tMarg", "bMarg"))
    return Node(name, "tx", (("stBulletLvl", bullets_from),) if bullets_from != 2 else (), shape, adj, style,
                pres_of, margins + extra, (Rule("primFontSz", 5),), vars)


ROOT_VARS = (("dir", None), ("resizeHandles", "exact"))


def _lin(direction, node, arrow, node_h, arrow_w, arrow_h):
    """A row or column of nodes with an arrow between each two."""
    along, across = ("w", "h") if direction == "fromL" else ("h", "w")
    return Node("diagram", "lin", (("linDir", direction),), vars=ROOT_VARS, constr=(
        C(along, "ch", "node", refType=along),
        C(across, "ch", "node", refType=along, refFor="ch", refForName="node", fact=node_h),
        C(along, "ch", "sibTrans", refType=along, refFor="ch", refForName="node", fact=arrow_w),
        C(across, "ch", "sibTrans", refType=along, refFor="ch", refForName="node", fact=arrow_w * arrow_h),
        C("sibSp", refType=along, refFor="ch", refForName="node", fact=0.04),
    ) + _fonts(("node",)), body=(
        Each("每项", "ch", "node", (
            _text_node("node", "roundRect" if direction != "fromL" else "rect", "node1", ("desOrSelf", "node"),
                       adj=((1, 0.1),) if direction != "fromL" else ()),
            Each("其后的箭头", "followSib", "sibTrans", (
                Node("sibTrans", "sp", shape=arrow, adj=((1, 0.6), (2, 0.5)), style="sibTrans2D1",
                     pres_of=("self", "")),), cnt=1),
        )),))


def _blocks(columns, geometry, ratio):
    params = (("grDir", "tL"), ("flowDir", "row"), ("contDir", "sameDir"), ("off", "ctr"))
    if columns:
        params += (("bkpt", "fixed"), ("bkPtFixedVal", columns))
    return Node("diagram", "snake", params, vars=ROOT_VARS, constr=(
        C("w", "ch", "node", refType="w"),
        C("h", "ch", "node", refType="w", refFor="ch", refForName="node", fact=ratio),
        C("w", "ch", "sibTrans", refType="w", refFor="ch", refForName="node", fact=0.1),
        C("sp", refType="w", refFor="ch", refForName="sibTrans"),
        C("h", "ch", "sibTrans", refType="w", refFor="ch", refForName="sibTrans"),
    ) + _fonts(("node",)), body=(
        Each("每项", "ch", "node", (
            _text_node("node", geometry, "node1", ("desOrSelf", "node"), adj=((1, 0.1),) if geometry == "roundRect" else ()),
            Each("其后的间隔", "followSib", "sibTrans", (Node("sibTrans", "sp"),), cnt=1),
        )),))


def _bullet_list():
    """Each item a bar across the width; its sub-items as bullets in a box below the bar."""
    return Node("diagram", "lin", (("linDir", "fromT"), ("nodeVertAlign", "t")), vars=ROOT_VARS, constr=(
        C("w", "ch", "parentText", refType="w"),
        C("h", "ch", "parentText", refType="primFontSz", refFor="ch", refForName="parentText", fact=0.78),
        C("w", "ch", "childText", refType="w"),
        C("h", "ch", "childText", refType="primFontSz", refFor="ch", refForName="parentText", fact=0.46),
        C("h", "ch", "spacer", refType="primFontSz", refFor="ch", refForName="parentText", fact=0.08),
        C("h", "ch", "sibTrans", refType="primFontSz", refFor="ch", refForName="parentText", fact=0.08),
    ) + _fonts(("parentText",)) + (C("secFontSz", "ch", "childText", op="equ", val=65),), body=(
        Each("每项", "ch", "node", (
            _text_node("parentText", "roundRect", "node1", ("self", ""), adj=((1, 0.1),)),
            IfChildren("下级", (
                Node("childText", "tx", (("stBulletLvl", 1),), "rect", (), "alignAccFollowNode1", ("des", "node"),
                     tuple(C(m, refType="secFontSz", fact=0.2) for m in ("tMarg", "bMarg")),
                     (Rule("secFontSz", 5),), (("bulletEnabled", 1),)),)),
            Each("其后的间隔", "followSib", "sibTrans", (Node("spacer", "sp"),), cnt=1),
        )),))


def _cycle(node_shape, style, diam, arrows, node_w, centre=False):
    """Nodes round a circle (from the top, clockwise); `centre`: the first item in the middle
    with its sub-items round it."""
    params = (("stAng", 0), ("spanAng", 360)) + ((("ctrShpMap", "fNode"),) if centre else ())
    constr = (C("w", "ch", "node", refType="w", fact=node_w),
              C("h", "ch", "node", refType="w", refFor="ch", refForName="node"),
              C("diam", refType="w", refFor="ch", refForName="node", fact=diam))
    node = _text_node("node", node_shape, style, ("desOrSelf", "node"))
    if not centre:
        transitions = ()
        if arrows:
            constr += (C("w", "ch", "sibTrans", refType="w", refFor="ch", refForName="node", fact=0.25),
                       C("h", "ch", "sibTrans", refType="w", refFor="ch", refForName="sibTrans", fact=0.8),)
            transitions = (Each("其后的箭头", "followSib", "sibTrans", (
                Node("sibTrans", "conn", (("begPts", "auto"), ("endPts", "auto")), "rightArrow", ((1, 0.6), (2, 0.5)),
                     "sibTrans2D1", ("self", "")),), cnt=1, hide_last=False),)
        body = (Each("每项", "ch", "node", (node,) + transitions),)
    else:
        constr += (C("w", "ch", "centre", refType="w", refFor="ch", refForName="node", fact=1.3),
                   C("h", "ch", "centre", refType="w", refFor="ch", refForName="centre"))
        spokes = (Each("圆形", "self", "node", (node,)),)
        if arrows:  # straight lines from the middle to each shape
            spokes = (Each("连线", "self", "parTrans", (
                Node("connector", "conn", (("dim", "1D"), ("begSty", "noArr"), ("endSty", "noArr"),
                                           ("begPts", "radial"), ("endPts", "radial")), "conn", (),
                     "parChTrans1D2", ("self", "")),)),) + spokes
        body = (Each("中心项", "ch", "node", (
            _text_node("centre", "ellipse", "node0", ("self", "")),
            Each("周围各项", "ch", "", spokes)), cnt=1),)
    return Node("diagram", "cycle", params, vars=ROOT_VARS, constr=constr + _fonts(("node", "centre")[:1 + centre]),
                body=body)


def _hierarchy():
    """Each item a box in the top row; its sub-items in a row below it, joined by elbow lines."""
    def box(name):
        return (C("w", "ch", name, refType="w"), C("h", "ch", name, refType="w", refFor="ch", refForName=name,
                                                   fact=0.6))
    branch = Node("branch", "hierRoot", constr=box("text"), body=(
        _text_node("text", "roundRect", "node1", ("self", ""), adj=((1, 0.1),)),
        Node("children", "hierChild", (("chAlign", "l"), ("linDir", "fromL")), body=(
            Each("各下级", "ch", "", (
                Each("连线", "self", "parTrans", (
                    Node("connector", "conn", (("dim", "1D"), ("endSty", "noArr"), ("connRout", "bend"),
                                               ("begPts", "bCtr"), ("endPts", "tCtr")), "conn", (), "parChTrans1D2",
                         ("self", "")),)),
                Each("下级", "self", "node", (
                    Node("leaf", "hierRoot", constr=box("leafText"), body=(
                        _text_node("leafText", "roundRect", "node1", ("self", ""), adj=((1, 0.1),)),
                        Node("leafChildren", "hierChild"))),)))),)),
    ))
    return Node("diagram", "hierChild", (("chAlign", "l"), ("linDir", "fromL")),
                vars=ROOT_VARS,
                constr=(C("sp", refType="w", fact=0.04), C("sibSp", refType="w", fact=0.04)) +
                _fonts(("text", "leafText")),
                body=(Each("各项", "ch", "node", (branch,)),))


def _pyramid():
    return Node("diagram", "pyra", (("linDir", "fromT"), ("txDir", "fromT"), ("pyraAcctPos", "bef")),
                vars=ROOT_VARS, constr=(C("w", "ch", "node", refType="w"),
                                        C("h", "ch", "node", refType="h")) + _fonts(("node",)),
                body=(Each("每层", "ch", "node", (
                    _text_node("node", "trapezoid", "node1", ("desOrSelf", "node")),)),))


@dataclass(frozen=True)
class Kind:
    """One layout definition of ours and how the drawing arranges it."""
    key: str  # the last part of its identifier
    title: str  # what it draws, in the definition's title
    category: str  # the gallery group it belongs to
    tree: object
    arrange: str  # the drawing's arrangement (a method of _Drawing)
    shape_names: tuple  # layout nodes that carry a shape in the drawing
    one_item: bool = False  # the graphic takes one first-level item (its sub-items round it)


KINDS = {
    "process": Kind("process", "水平流程（形状间以箭头相连）", "process",
                    _lin("fromL", "node", "rightArrow", 0.6, 0.22, 1.2), "row", ("node", "sibTrans")),
    "vprocess": Kind("vprocess", "垂直流程（形状间以向下箭头相连）", "process",
                     _lin("fromT", "node", "downArrow", 2.5, 0.22, 1.2), "column", ("node", "sibTrans")),
    "bullets": Kind("bullets", "垂直项目符号列表（色条下列出下级项目）", "list", _bullet_list(), "bars",
                    ("parentText", "childText")),
    "blocks": Kind("blocks", "块列表（按行排列的矩形块）", "list", _blocks(0, "rect", 0.6), "grid", ("node",)),
    "matrix": Kind("matrix", "两列矩阵（每行两个方块）", "matrix", _blocks(2, "roundRect", 0.7), "grid2", ("node",)),
    "cycle": Kind("cycle", "循环（圆形按顺时针排列，以箭头相连）", "cycle",
                  _cycle("ellipse", "node1", 1.9, True, 0.3), "cycle", ("node", "sibTrans")),
    "venn": Kind("venn", "维恩图（半透明的圆形相互重叠）", "relationship",
                 _cycle("ellipse", "vennNode1", 0.6, False, 0.55), "venn", ("node",)),
    "radial": Kind("radial", "射线图（中心圆形以直线连接周围的圆形）", "cycle",
                   _cycle("ellipse", "node1", 2.6, True, 0.26, centre=True), "radial", ("centre", "connector", "node"),
                   one_item=True),
    "radialVenn": Kind("radialVenn", "射线重叠图（周围的圆形与中心圆形重叠）", "relationship",
                       _cycle("ellipse", "vennNode1", 1.55, False, 0.3, centre=True), "radial_venn", ("centre", "node"),
                       one_item=True),
    "hierarchy": Kind("hierarchy", "层次结构（上级在上，下级在下，以折线相连）", "hierarchy", _hierarchy(),
                      "tree", ("text", "leafText", "connector")),
    "pyramid": Kind("pyramid", "棱锥（自上而下逐层加宽）", "pyramid", _pyramid(), "pyramid", ("node",)),
}

# The gallery's names (插入 → SmartArt) and the layout of ours that draws each.
GALLERY = {
    "基本流程": "process",
    "垂直流程": "vprocess",
    "基本块列表": "blocks",
    "垂直项目符号列表": "bullets",
    "基本矩阵": "matrix",
    "基本循环": "cycle",
    "分段循环": "cycle",
    "基本维恩图": "venn",
    "基本射线图": "radial",
    "射线维恩图": "radialVenn",
    "组织结构图": "hierarchy",
    "层次结构": "hierarchy",
    "基本棱锥图": "pyramid",
}


def kind_of(diagram):
    try:
        kind = KINDS[GALLERY[diagram.layout]]
    except KeyError:
        raise ValueError("SmartArt layout %r has no layout of ours; known: %s" % (diagram.layout, "、".join(GALLERY)))
    if kind.one_item and len(diagram.items) != 1:
        raise ValueError("%s takes one first-level item with its sub-items round it" % diagram.layout)
    return kind


# ---------------------------------------------------------------------------------------
# Colours (更改颜色) and quick styles (SmartArt 样式), ours, by the gallery's names.

def _colour_scheme(name):
    """Returns (key, title, method, fill colours) for the node labels; colours are
    ("scheme", "accent2") or ("rgb", "RRGGBB")."""
    key = re.sub(r"\s", "", name)
    if key in ("", "彩色填充-强调文字颜色1"):
        return "accent1", "彩色填充 - 强调文字颜色 1", "repeat", [("scheme", "accent1")]
    if key == "彩色-强调文字颜色":
        return "colorful", "彩色 - 强调文字颜色", "repeat", [("scheme", "accent%d" % i) for i in range(2, 7)]
    m = re.fullmatch(r"彩色范围-强调文字颜色([2-6])至([2-6])", key)
    if m:
        lo, hi = int(m.group(1)), int(m.group(2))
        return ("range%dto%d" % (lo, hi), "彩色范围 - 强调文字颜色%d至%d" % (lo, hi), "span",
                [("scheme", "accent%d" % lo), ("scheme", "accent%d" % hi)])
    m = re.fullmatch(r"彩色填充-强调文字颜色([1-6])", key)
    if m:
        return ("accent" + m.group(1), "彩色填充 - 强调文字颜色 %s" % m.group(1), "repeat",
                [("scheme", "accent" + m.group(1))])
    raise ValueError("SmartArt colours %r are not ours; known: 彩色 - 强调文字颜色, 彩色范围 - 强调文字颜色2至3 …, "
                     "彩色填充 - 强调文字颜色1 …" % name)


QUICK_STYLES = {  # name: (key, title, effect index into the theme's effect styles)
    "": ("simple", "简单填充", 0),
    "简单填充": ("simple", "简单填充", 0),
    "细微效果": ("subtle", "细微效果", 1),
    "中等效果": ("moderate", "中等效果", 2),
    "强烈效果": ("intense", "强烈效果", 3),
}
# What the theme's effect styles hold (theme.py), for the drawing, which spells them out.
THEME_EFFECTS = [
    "<a:effectLst/>",
    "<a:effectLst/>",
    '<a:effectLst><a:outerShdw blurRad="40000" dist="23000" dir="5400000" rotWithShape="0"><a:srgbClr val="000000">'
    '<a:alpha val="35000"/></a:srgbClr></a:outerShdw></a:effectLst>',
    '<a:effectLst><a:outerShdw blurRad="57150" dist="38100" dir="5400000" algn="t" rotWithShape="0"><a:srgbClr '
    'val="000000"><a:alpha val="40000"/></a:srgbClr></a:outerShdw></a:effectLst>',
]

# Each style label we use: how its fill, line and text take the scheme's colours.
LABELS = ("node0", "node1", "vennNode1", "sibTrans2D1", "parChTrans1D2", "alignAccFollowNode1")


def _quick_style(name):
    try:
        return QUICK_STYLES[name]
    except KeyError:
        raise ValueError("SmartArt style %r is not ours; known: %s" % (name, "、".join(k for k in QUICK_STYLES if k)))


def _clr(c, mods=""):
    kind, val = c
    tag = "a:schemeClr" if kind == "scheme" else "a:srgbClr"
    return "<%s val=\"%s\"%s" % (tag, val, ">%s</%s>" % (mods, tag) if mods else "/>")


def _mix(a, b, t):
    return "".join("%02X" % round(int(a[i:i + 2], 16) * (1 - t) + int(b[i:i + 2], 16) * t) for i in (0, 2, 4))


def _resolve(colour, accents):
    kind, val = colour
    return val if kind == "rgb" else accents[int(val[-1]) - 1]


class Colours:
    def __init__(self, name, accents):
        self.key, self.title, self.method, self.fills = _colour_scheme(name)
        self.accents = accents

    def fill(self, idx, cnt):
        """The node colour of the idx-th of cnt shapes with one label."""
        if self.method == "repeat" or cnt < 2:
            return self.fills[idx % len(self.fills)]
        a, b = (_resolve(c, self.accents) for c in self.fills)
        return ("rgb", _mix(a, b, idx / (cnt - 1)))

    def label(self, name, idx, cnt):
        """(fill, line, text) colour XML of a shape of a label; fill or line None: none."""
        base = self.fill(idx, cnt)
        white = ("scheme", "lt1")
        if name == "vennNode1":
            return _clr(base, '<a:alpha val="50000"/>'), _clr(white), _clr(("scheme", "tx1"))
        if name == "sibTrans2D1":
            tint = '<a:tint val="60000"/>'
            return _clr(base, tint), _clr(base, tint), _clr(white)
        if name == "parChTrans1D2":
            return None, _clr(base, '<a:shade val="60000"/>'), _clr(("scheme", "tx1"))
        if name == "alignAccFollowNode1":
            tint = '<a:alpha val="90000"/><a:tint val="40000"/>'
            return _clr(base, tint), _clr(base, '<a:alpha val="90000"/><a:tint val="40000"/>'), _clr(("scheme", "dk1"))
        return _clr(base), _clr(white), _clr(white)

    def xml(self):
        def lst(tag, colours, meth=None):
            m = ' meth="%s"' % meth if meth else ""
            return "<dgm:%s%s>%s</dgm:%s>" % (tag, m, "".join(colours), tag) if colours else "<dgm:%s%s/>" % (tag, m)

        fills = [f for f in self.fills]
        labels = []
        for name in LABELS:
            if name == "vennNode1":
                fill, line, tx = [_clr(f, '<a:alpha val="50000"/>') for f in fills], [_clr(("scheme", "lt1"))], \
                    [_clr(("scheme", "tx1"))]
            elif name == "sibTrans2D1":
                fill = line = [_clr(f, '<a:tint val="60000"/>') for f in fills]
                tx = [_clr(("scheme", "lt1"))]
            elif name == "parChTrans1D2":
                fill, line, tx = [], [_clr(f, '<a:shade val="60000"/>') for f in fills], [_clr(("scheme", "tx1"))]
            elif name == "alignAccFollowNode1":
                fill = line = [_clr(f, '<a:alpha val="90000"/><a:tint val="40000"/>') for f in fills]
                tx = [_clr(("scheme", "dk1"))]
            else:
                fill, line, tx = [_clr(f) for f in fills], [_clr(("scheme", "lt1"))], [_clr(("scheme", "lt1"))]
            labels.append('<dgm:styleLbl name="%s">%s%s%s%s%s%s</dgm:styleLbl>' % (
                name, lst("fillClrLst", fill, self.method), lst("linClrLst", line, "repeat"),
                lst("effectClrLst", []), lst("txLinClrLst", []), lst("txFillClrLst", tx, "repeat"),
                lst("txEffectClrLst", [])))
        return (XML_HEAD + '<dgm:colorsDef %s uniqueId=%s><dgm:title lang="zh-CN" val=%s/><dgm:desc lang="zh-CN" '
                'val=%s/><dgm:catLst><dgm:cat type="%s" pri="10100"/></dgm:catLst>%s</dgm:colorsDef>') % (
            NS_DGM, attr(ID_ROOT + "colors:" + self.key), attr(self.title),
            attr("本软件的配色：" + self.title), "colorful" if len(self.fills) > 1 else "accent1", "".join(labels))


def style_xml(name):
    key, title, effect = _quick_style(name)
    labels = []
    for label in LABELS:
        ln = 1 if label == "parChTrans1D2" else 2
        fill = 0 if label == "parChTrans1D2" else 1
        eff = 0 if label in ("parChTrans1D2", "alignAccFollowNode1") else effect
        labels.append('<dgm:styleLbl name="%s"><dgm:style><a:lnRef idx="%d"><a:scrgbClr r="0" g="0" b="0"/></a:lnRef>'
                      '<a:fillRef idx="%d"><a:scrgbClr r="0" g="0" b="0"/></a:fillRef><a:effectRef idx="%d">'
                      '<a:scrgbClr r="0" g="0" b="0"/></a:effectRef><a:fontRef idx="minor"/></dgm:style>'
                      '</dgm:styleLbl>' % (label, ln, fill, eff))
    return (XML_HEAD + '<dgm:styleDef %s uniqueId=%s><dgm:title lang="zh-CN" val=%s/><dgm:desc lang="zh-CN" val=%s/>'
            '<dgm:catLst><dgm:cat type="simple" pri="10100"/></dgm:catLst>%s</dgm:styleDef>') % (
        NS_DGM, attr(ID_ROOT + "style:" + key), attr(title), attr("本软件的SmartArt样式：" + title), "".join(labels))


def layout_xml(kind):
    return (XML_HEAD + '<dgm:layoutDef %s uniqueId=%s><dgm:title lang="zh-CN" val=%s/><dgm:desc lang="zh-CN" '
            'val=%s/><dgm:catLst><dgm:cat type="%s" pri="100000"/></dgm:catLst>%s</dgm:layoutDef>') % (
        NS_DGM, attr(ID_ROOT + "layout:" + kind.key), attr(kind.title), attr("本软件的SmartArt版式：" + kind.title),
        kind.category, kind.tree.xml())


# ---------------------------------------------------------------------------------------
# The data model and its presentation tree.

@dataclass
class Pt:
    id: str
    type: str  # "doc", "node", "parTrans", "sibTrans", "pres"
    text: str = ""
    parent: object = None  # the parent node (for a node and its transitions)
    children: list = field(default_factory=list)  # child nodes
    par_trans: object = None
    sib_trans: object = None
    cxn: str = ""  # the parOf connection a transition belongs to
    level: int = 0


class Model:
    """The points of one graphic, with ids that are the same on every build."""

    def __init__(self, diagram, seed):
        self.seed = seed
        self.count = 0
        self.doc = Pt(self.new_id(), "doc")
        self.points = [self.doc]
        self.cxns = []  # (id, type, src, dest, srcOrd, destOrd, parTrans, sibTrans)
        for item in diagram.items:
            first, subs = (item[0], item[1]) if isinstance(item, tuple) else (item, ())
            node = self.add(self.doc, first, 1)
            for sub in subs:
                self.add(node, sub, 2)

    def new_id(self):
        self.count += 1
        return "{%s}" % str(uuid.uuid5(uuid.NAMESPACE_URL, "%s/%d" % (self.seed, self.count))).upper()

    def add(self, parent, text_, level):
        node = Pt(self.new_id(), "node", text_, parent, level=level)
        cxn = self.new_id()
        node.par_trans = Pt(self.new_id(), "parTrans", parent=parent, cxn=cxn)
        node.sib_trans = Pt(self.new_id(), "sibTrans", parent=parent, cxn=cxn)
        self.cxns.append((cxn, "parOf", parent.id, node.id, len(parent.children), 0, node.par_trans.id,
                          node.sib_trans.id))
        parent.children.append(node)
        self.points += [node, node.par_trans, node.sib_trans]
        return node

    # The axes of a forEach or presOf: a point's children are, for each child node, its
    # parent transition, the node and its sibling transition.
    @staticmethod
    def axis(p, name):
        if name == "self":
            return [p]
        if name == "ch":
            return [q for c in p.children for q in (c.par_trans, c, c.sib_trans)]
        if name == "followSib":
            siblings = Model.axis(p.parent, "ch") if p.parent else []
            return siblings[siblings.index(p) + 1:] if p in siblings else []
        if name in ("des", "desOrSelf"):
            out = [p] if name == "desOrSelf" else []
            for c in p.children:
                out += [c.par_trans] + Model.axis(c, "desOrSelf") + [c.sib_trans]
            return out
        raise ValueError(name)

    @staticmethod
    def select(p, axis, pt, cnt=0, hide_last=True):
        out = [q for q in Model.axis(p, axis) if not pt or q.type == pt]
        if hide_last:
            out = [q for q in out if not (q.type == "sibTrans" and q.parent.children[-1].sib_trans is q)]
        return out[:cnt] if cnt else out


@dataclass
class Pres:
    id: str
    node: Node
    assoc: Pt
    children: list = field(default_factory=list)
    shows: list = field(default_factory=list)  # data points presented, in order
    idx: int = 0
    cnt: int = 0


def present(model, tree):
    """The presentation tree our layout definition makes of the data: one point per
    layout node reached."""
    all_pres = []

    def build(node, ctx):
        pres = Pres(model.new_id(), node, ctx)
        all_pres.append(pres)
        if node.pres_of:
            axis, pt = node.pres_of
            pres.shows = [q for q in Model.axis(ctx, axis) if not pt or q.type == pt]
        for b in node.body:
            expand(b, ctx, pres)
        return pres

    def expand(b, ctx, parent):
        if isinstance(b, Node):
            parent.children.append(build(b, ctx))
        elif isinstance(b, Each):
            for q in Model.select(ctx, b.axis, b.pt, b.cnt, b.hide_last):
                for inner in b.body:
                    expand(inner, q, parent)
        else:
            for inner in (b.then if ctx.children else b.otherwise):
                expand(inner, ctx, parent)

    root = build(tree, model.doc)
    by_label = {}
    for p in all_pres:
        if p.node.style:
            by_label.setdefault(p.node.style, []).append(p)
    for group in by_label.values():
        for k, p in enumerate(group):
            p.idx, p.cnt = k, len(group)
    return root, all_pres


def _t(s):
    if not s:
        return '<dgm:t><a:bodyPr/><a:lstStyle/><a:p><a:endParaRPr lang="zh-CN" altLang="en-US"/></a:p></dgm:t>'
    return ('<dgm:t><a:bodyPr/><a:lstStyle/><a:p><a:r><a:rPr lang="zh-CN" altLang="en-US" dirty="0"/><a:t>%s</a:t>'
            '</a:r></a:p></dgm:t>') % text(s)


def data_xml(model, root, all_pres, kind, style_key, colours_key, drawing_rid):
    s = [XML_HEAD, '<dgm:dataModel %s><dgm:ptLst>' % NS_DGM]
    lo = ID_ROOT + "layout:" + kind.key
    for p in model.points:
        if p.type == "doc":
            s.append('<dgm:pt modelId="%s" type="doc"><dgm:prSet loTypeId=%s loCatId="%s" qsTypeId=%s qsCatId="simple" '
                     'csTypeId=%s csCatId="%s"/><dgm:spPr/>%s</dgm:pt>' % (
                         p.id, attr(lo), kind.category, attr(ID_ROOT + "style:" + style_key),
                         attr(ID_ROOT + "colors:" + colours_key), "colorful" if colours_key != "accent1" else "accent1",
                         _t("")))
        elif p.type == "node":
            s.append('<dgm:pt modelId="%s"><dgm:prSet phldrT="[文本]"/><dgm:spPr/>%s</dgm:pt>' % (p.id, _t(p.text)))
        else:
            s.append('<dgm:pt modelId="%s" type="%s" cxnId="%s"><dgm:prSet/><dgm:spPr/>%s</dgm:pt>' % (
                p.id, p.type, p.cxn, _t("")))
    for p in all_pres:
        a = ' presAssocID="%s" presName=%s' % (p.assoc.id, attr(p.node.name))
        if p.node.style:
            a += ' presStyleLbl="%s" presStyleIdx="%d" presStyleCnt="%d"' % (p.node.style, p.idx, p.cnt)
        else:
            a += ' presStyleCnt="0"'
        lv = "<dgm:presLayoutVars>%s</dgm:presLayoutVars>" % _vars(p.node.vars) if p.node.vars else ""
        s.append('<dgm:pt modelId="%s" type="pres"><dgm:prSet%s>%s</dgm:prSet><dgm:spPr/></dgm:pt>' % (
            p.id, a, lv) if lv else '<dgm:pt modelId="%s" type="pres"><dgm:prSet%s/><dgm:spPr/></dgm:pt>' % (p.id, a))
    s.append("</dgm:ptLst><dgm:cxnLst>")
    for cid, typ, src, dest, so, do, pt_, st in model.cxns:
        s.append('<dgm:cxn modelId="%s" srcId="%s" destId="%s" srcOrd="%d" destOrd="%d" parTransId="%s" '
                 'sibTransId="%s"/>' % (cid, src, dest, so, do, pt_, st))
    # The presentation tree hangs from the document point.
    s.append('<dgm:cxn modelId="%s" type="presParOf" srcId="%s" destId="%s" srcOrd="0" destOrd="0" presId=%s/>'
             % (model.new_id(), model.doc.id, root.id, attr(lo)))
    shown_from = {}
    for p in all_pres:
        for k, q in enumerate(p.shows):
            so = shown_from.get(q.id, 0)
            shown_from[q.id] = so + 1
            s.append('<dgm:cxn modelId="%s" type="presOf" srcId="%s" destId="%s" srcOrd="%d" destOrd="%d" presId=%s/>'
                     % (model.new_id(), q.id, p.id, so, k, attr(lo)))
        for k, c in enumerate(p.children):
            s.append('<dgm:cxn modelId="%s" type="presParOf" srcId="%s" destId="%s" srcOrd="%d" destOrd="0" '
                     'presId=%s/>' % (model.new_id(), p.id, c.id, k, attr(lo)))
    s.append('</dgm:cxnLst><dgm:bg/><dgm:whole/><dgm:extLst><a:ext uri="%s"><dsp:dataModelExt xmlns:dsp="%s" '
             'relId="%s" minVer="%s"/></a:ext></dgm:extLst></dgm:dataModel>' % (
                 EXT_DATA_MODEL, DSP, drawing_rid, DGM))
    return "".join(s)


# ---------------------------------------------------------------------------------------
# The drawing: the presentation points that carry a shape, placed in the frame.

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


def _frame_shapes(kind, all_pres):
    shapes = {}
    for p in all_pres:
        if p.node.name in kind.shape_names and p.node.shape:
            shapes.setdefault(p.node.name, []).append(p)
    return shapes


def lay_out(diagram, seed="diagram"):
    """The data model, its presentation tree and the placed shapes of a graphic."""
    kind = kind_of(diagram)
    model = Model(diagram, seed)
    root, all_pres = present(model, kind.tree)
    _, _, w, h = diagram.box
    placed = getattr(_Drawing(w, h, _frame_shapes(kind, all_pres)), kind.arrange)()
    return kind, model, root, all_pres, placed


def _seed(slide_part, number):
    """What a graphic's ids are made from: the same on every build, unique in a package."""
    return "%s/%d" % (slide_part, number)


def build_order(diagram, slide_part="", number=0):
    """The ids an animation names the drawn shapes of graphic `number` by, in the order a
    build one shape at a time (序列 “逐个”) shows them: each shape by the data point it
    draws (an item, or the transition an arrow or a line stands for), in the data
    model's reading order, so an arrow comes after the item it leaves from and a
    connector before the item it leads to. Shapes that draw no point belong to the
    graphic's background and are not built one by one."""
    _, model, _, _, placed = lay_out(diagram, _seed(slide_part, number))
    order = {p.id: k for k, p in enumerate(Model.axis(model.doc, "des"))}
    shown = [p.pres.shows[0].id for p in placed if p.pres.shows]
    return sorted(shown, key=order.__getitem__)


def write_diagram(pkg, slide_part, number, diagram, accents, spid):
    """Adds the five parts of graphic `number` and returns the slide's graphic frame."""
    kind, model, root, all_pres, placed = lay_out(diagram, _seed(slide_part, number))
    colours = Colours(diagram.colors, accents)
    rids = {}
    for part in ("data", "layout", "style", "colors", "drawing"):
        stem, _, rel = PARTS[part]
        rids[part] = pkg.relate(slide_part, rel, "../diagrams/%s%d.xml" % (stem, number))
    files = {
        "data": data_xml(model, root, all_pres, kind, _quick_style(diagram.style)[0], colours.key, rids["drawing"]),
        "layout": layout_xml(kind),
        "style": style_xml(diagram.style),
        "colors": colours.xml(),
        "drawing": drawing_xml(placed, colours, diagram.style),
    }
    for part, xml in files.items():
        stem, ct, _ = PARTS[part]
        pkg.add("ppt/diagrams/%s%d.xml" % (stem, number), xml, ct)
    x, y, cx, cy = diagram.box
    return ('<p:graphicFrame><p:nvGraphicFramePr><p:cNvPr id="%d" name=%s/><p:cNvGraphicFramePr/><p:nvPr/>'
            '</p:nvGraphicFramePr><p:xfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/></p:xfrm><a:graphic>'
            '<a:graphicData uri="%s"><dgm:relIds xmlns:dgm="%s" r:dm="%s" r:lo="%s" r:qs="%s" r:cs="%s"/>'
            '</a:graphicData></a:graphic></p:graphicFrame>') % (
        spid, attr("图示 %d" % (spid - 1)), x, y, cx, cy, URI_DIAGRAM, DGM, rids["data"], rids["layout"],
        rids["style"], rids["colors"])
