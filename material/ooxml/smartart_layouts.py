"""Our SmartArt layout definitions (layoutN.xml): the building blocks of a dgm:layoutDef
(constraints, rules, layout nodes, forEach and choose), the layout tree of each kind of
arrangement, the gallery's names and the kind of ours that draws each. The same tree is
written out as the definition and walked to make the presentation tree (smartart_model).
Also the namespaces and identifiers that every SmartArt part shares."""
from dataclasses import dataclass

from .package import XML_HEAD, attr

DGM = "http://schemas.openxmlformats.org/drawingml/2006/diagram"
DSP = "http://schemas.microsoft.com/office/drawing/2008/diagram"
A = "http://schemas.openxmlformats.org/drawingml/2006/main"
NS_DGM = 'xmlns:dgm="%s" xmlns:a="%s"' % (DGM, A)
ID_ROOT = "urn:ppt-trainer:smartart:"


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
                     _lin("fromT", "node", "downArrow", 4.0, 0.22, 1.2), "column", ("node", "sibTrans")),
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



def layout_xml(kind):
    return (XML_HEAD + '<dgm:layoutDef %s uniqueId=%s><dgm:title lang="zh-CN" val=%s/><dgm:desc lang="zh-CN" '
            'val=%s/><dgm:catLst><dgm:cat type="%s" pri="100000"/></dgm:catLst>%s</dgm:layoutDef>') % (
        NS_DGM, attr(ID_ROOT + "layout:" + kind.key), attr(kind.title), attr("本软件的SmartArt版式：" + kind.title),
        kind.category, kind.tree.xml())
