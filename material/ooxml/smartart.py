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
the same presentation points by the arrangement the definition asks for.

The parts are written by smartart_layouts (the definitions and the gallery's names),
smartart_styles (colours and quick styles), smartart_model (the data model and the
presentation tree) and smartart_drawing (the placed shapes); this module ties them
together for the slide writer."""
from .package import R, attr
from .smartart_drawing import MARK, _Drawing, drawing_xml
from .smartart_layouts import DGM, kind_of, layout_xml
from .smartart_model import Model, data_xml, present
from .smartart_styles import Colours, _quick_style, style_xml

URI_DIAGRAM = DGM

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


def with_breaks(items, *terms):
    """A graphic's items with the places where their terms may break marked for the drawing.
    Each term is written with "|" where a line may break ("不稳定的|空气"); every text that
    holds it gets a zero-width space there, which the drawing breaks at and the data model
    leaves out. A term of Chinese characters that no mark splits stays on one line."""
    marks = {t.replace("|", ""): t.replace("|", MARK) for t in terms}
    found = set()

    def mark(text):
        for plain, marked in marks.items():
            if plain in text:
                found.add(plain)
                text = text.replace(plain, marked)
        return text
    out = tuple((mark(i[0]), tuple(mark(s) for s in i[1])) if isinstance(i, tuple) else mark(i) for i in items)
    if found != set(marks):
        raise ValueError("terms to break in no text of the graphic: %s" % sorted(set(marks) - found))
    return out


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
