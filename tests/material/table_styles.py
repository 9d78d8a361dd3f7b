"""Checks that the table styles of a presentation look like the names the 表格样式 gallery
shows for them: each a:tblStyle of ppt/tableStyles.xml in the schema's element order, and
what tells one style from another — the header row's fill and text colour, the grid lines
and the banded body — as the gallery draws the style of that name. The writer's own
table of styles is held to the same looks, so a style no presentation uses yet is right
the day one does.

    problems(zip_file) -> [problem, …]
    writer_problems() -> [problem, …]"""
import pathlib
import sys
import xml.etree.ElementTree as ET

from diagram_parts import COLOUR, FILL, check_order, q, seq

# The gallery's look by name: the accent it is drawn in; the header row's fill ("solid"
# accent, or the accent at a tint in thousandths of a percent) and its text colour; the
# colour of the lines round and inside the table. Every style has a body at 20% tint
# with bands at 40%.
LOOKS = {
    "中度样式 2 - 强调 1": {"accent": "accent1", "header": "solid", "header_text": "lt1", "lines": "lt1"},
    "中度样式 4 - 强调 2": {"accent": "accent2", "header": 40000, "header_text": "dk1", "lines": "accent2"},
}
BODY, BAND = 20000, 40000

PARTS = ("a:tblBg", "a:wholeTbl", "a:band1H", "a:band2H", "a:band1V", "a:band2V", "a:lastCol", "a:firstCol",
         "a:lastRow", "a:seCell", "a:swCell", "a:firstRow", "a:neCell", "a:nwCell", "a:extLst")
EDGES = ("a:left", "a:right", "a:top", "a:bottom", "a:insideH", "a:insideV", "a:tl2br", "a:tr2bl")
MODELS = {
    "a:tblStyleLst": seq("a:tblStyle"),
    "a:tblStyle": seq(*PARTS),
    "a:tcTxStyle": seq("a:font|a:fontRef", COLOUR, "a:extLst"),
    "a:tcStyle": seq("a:tcBdr", "a:fill|a:fillRef", "a:cell3D"),
    "a:tcBdr": seq(*EDGES, "a:extLst"),
    "a:fill": seq(FILL + "!"),
    "a:tblBg": seq(FILL + "|a:fillRef", "a:effect|a:effectRef"),
}
MODELS.update({p: seq("a:tcTxStyle", "a:tcStyle") for p in PARTS[1:-1]})
MODELS.update({e: seq("a:ln|a:lnRef!") for e in EDGES})
MODELS = {q(k): v for k, v in MODELS.items()}


def fill_of(style, part):
    """("solid", None) for the plain accent, ("tint", n) for a tint, None for no fill."""
    colour = style.find("%s/%s/%s/%s/%s" % (q(part), q("a:tcStyle"), q("a:fill"), q("a:solidFill"), q("a:schemeClr")))
    if colour is None:
        return None
    changes = [(c.tag, c.get("val")) for c in colour]
    if not changes:
        return colour.get("val"), "solid"
    if len(changes) == 1 and changes[0][0] == q("a:tint"):
        return colour.get("val"), int(changes[0][1])
    return colour.get("val"), changes


def look_problems(style, where):
    name = style.get("styleName")
    look = LOOKS.get(name)
    if look is None:
        return ["%s: no look is known for the style %r" % (where, name)]
    out, accent = [], look["accent"]
    where = "%s %s" % (where, name)
    header = fill_of(style, "a:firstRow")
    if header != (accent, look["header"]):
        out.append("%s: header fill %s, the gallery's is %s %s" % (where, header, accent, look["header"]))
    text = style.find("%s/%s" % (q("a:firstRow"), q("a:tcTxStyle")))
    colour = None if text is None else text.find(q("a:schemeClr"))
    if text is None or text.get("b") != "on" or colour is None or colour.get("val") != look["header_text"]:
        out.append("%s: header text %s, the gallery's is bold %s" % (
            where, None if text is None else (text.get("b"), colour is not None and colour.get("val")),
            look["header_text"]))
    for edge in EDGES[:6]:
        line = style.find("%s/%s/%s/%s/%s/%s/%s" % (q("a:wholeTbl"), q("a:tcStyle"), q("a:tcBdr"), q(edge), q("a:ln"),
                                                    q("a:solidFill"), q("a:schemeClr")))
        if line is None or line.get("val") != look["lines"] or len(line):
            out.append("%s: %s line %s, the gallery's is %s" % (
                where, edge[2:], None if line is None else line.get("val"), look["lines"]))
    if fill_of(style, "a:wholeTbl") != (accent, BODY):
        out.append("%s: body %s, the gallery's is %s at %d%%" % (where, fill_of(style, "a:wholeTbl"), accent,
                                                                 BODY // 1000))
    for band in ("a:band1H", "a:band1V"):
        if fill_of(style, band) != (accent, BAND):
            out.append("%s: %s %s, the gallery's is %s at %d%%" % (where, band[2:], fill_of(style, band), accent,
                                                                   BAND // 1000))
    return out


def styles_problems(xml, where):
    root = ET.fromstring(xml)
    out = []
    check_order(root, root.tag, where, out, MODELS)
    for style in root.iter(q("a:tblStyle")):
        out += look_problems(style, where)
    return out


def problems(z):
    """The table styles of the package `z`, if any of its slides has a table."""
    slides = [n for n in z.namelist() if n.startswith("ppt/slides/slide") and n.endswith(".xml")]
    used = {el.text for n in slides for el in ET.fromstring(z.read(n)).iter(q("a:tableStyleId"))}
    if not used:
        return []
    xml = z.read("ppt/tableStyles.xml")
    defined = {s.get("styleId") for s in ET.fromstring(xml).iter(q("a:tblStyle"))}
    return ["ppt/tableStyles.xml lacks %s" % sorted(used - defined)] * bool(used - defined) + \
        styles_problems(xml, "ppt/tableStyles.xml")


def writer_problems():
    """Every style of the writer's table, written as a presentation's tableStyles part holds it."""
    sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "material"))
    from ooxml.pptx_parts import TABLE_STYLES, PartWriter
    out = ["the writer has %r, the check no look for it" % n for n in TABLE_STYLES if n not in LOOKS]
    styles = "".join(PartWriter._table_style(n, sid, accent) for n, (sid, accent) in TABLE_STYLES.items())
    xml = '<a:tblStyleLst xmlns:a="http://schemas.openxmlformats.org/drawingml/2006/main">%s</a:tblStyleLst>' % styles
    return out + styles_problems(xml, "the writer's table styles")
