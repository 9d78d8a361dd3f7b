"""Our SmartArt colours (更改颜色, colorsN.xml) and quick styles (SmartArt 样式,
quickStyleN.xml), by the gallery's names, and what the drawing needs of them: each style
label's fill, line and text colours and the effect a quick style takes from the theme."""
import re

from .package import XML_HEAD, attr
from .smartart_layouts import ID_ROOT, NS_DGM


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

