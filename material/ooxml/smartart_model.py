"""The data model of a SmartArt graphic (dataN.xml): the document, each item and
sub-item with the transitions between them, and the presentation tree that our layout
definition makes of them (one point per laid-out node), with ids that are the same on
every build."""
import uuid
from dataclasses import dataclass, field

from .package import XML_HEAD, attr, text
from .smartart_layouts import DGM, DSP, ID_ROOT, NS_DGM, Each, Node, _vars

EXT_DATA_MODEL = "http://schemas.microsoft.com/office/drawing/2008/diagram"


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
    """A point's text as the learner types it: the content's marks of where a term may break
    (zero-width spaces) are for the drawing alone."""
    s = s.replace("\u200b", "")
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
