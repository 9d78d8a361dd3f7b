"""Whether the shapes of each slide stay clear of the look's decorations at the slide's
edges and foot (a wave, a band of dunes, a coloured strip), as the office lays the shapes
out. The decorations are read from the master and layout parts the slide stands on, each
by its outline (a free path as drawn, an ellipse as an ellipse); a shape runs into one
where its box and that outline share more than a sliver. The shapes are LibreOffice's:
placeholders in the boxes their layout or the slide gives them, pictures, tables as tall
as their rows are laid out, SmartArt graphics, drawn shapes, buttons and sound icons.
The master's footer, date and number placeholders and a picture filling the whole slide
are the master's or the background's, and are left out.

    check(zip_file, pages, name, claims)"""
import math
import posixpath
import xml.etree.ElementTree as ET

from diagram_parts import q

CLAIM = "nothing runs into the look's decorations"
# Shapes that sit on a decoration by design: (look, LibreOffice shape type, decoration) and why.
DELIBERATE = {
    ("秋实", "TitleTextShape", "slideMaster1.xml 装饰 10"):
        "the pale green band across the top of 秋实 is the ground its titles stand on",
}
# The master's own placeholders, which stay where the master puts them.
MASTERS_OWN = ("FooterShape", "DateTimeShape", "SlideNumberShape", "HeaderShape")
SLIVER = 2 * 360  # EMU: boxes are read in 1/100 mm; a touch within this is none
EDGE = 360  # a decoration within this of a slide edge lies at that edge


def related(z, part, kind):
    """The part that `part` relates to by the relationship type ending in `kind`."""
    folder, base = posixpath.split(part)
    rels = ET.fromstring(z.read(posixpath.join(folder, "_rels", base + ".rels")))
    for rel in rels.findall(q("rel:Relationship")):
        if rel.get("Type").endswith("/" + kind):
            return posixpath.normpath(posixpath.join(folder, rel.get("Target")))
    return None


def slide_parts(z):
    """The slide parts in the order of the presentation."""
    pres = ET.fromstring(z.read("ppt/presentation.xml"))
    rels = ET.fromstring(z.read("ppt/_rels/presentation.xml.rels"))
    targets = {r.get("Id"): posixpath.normpath(posixpath.join("ppt", r.get("Target")))
               for r in rels.findall(q("rel:Relationship"))}
    return [targets[s.get(q("r:id"))] for s in pres.iter(q("p:sldId"))]


def outline(sp):
    """The outline of a drawn shape as a polygon in EMU."""
    off, ext = sp.find(".//" + q("a:xfrm") + "/" + q("a:off")), sp.find(".//" + q("a:xfrm") + "/" + q("a:ext"))
    x, y, cx, cy = (int(off.get("x")), int(off.get("y")), int(ext.get("cx")), int(ext.get("cy")))
    path = sp.find(".//" + q("a:custGeom") + "//" + q("a:path"))
    if path is not None:
        w, h = int(path.get("w") or cx or 1), int(path.get("h") or cy or 1)
        return [(x + int(pt.get("x")) * cx / w, y + int(pt.get("y")) * cy / h) for pt in path.iter(q("a:pt"))]
    preset = sp.find(".//" + q("a:prstGeom"))
    if preset is not None and preset.get("prst") == "ellipse":
        return [(x + cx / 2 * (1 + math.cos(2 * math.pi * k / 96)), y + cy / 2 * (1 + math.sin(2 * math.pi * k / 96)))
                for k in range(96)]
    return [(x, y), (x + cx, y), (x + cx, y + cy), (x, y + cy)]


def drawn_shapes(root):
    """The shapes of a master or layout that are no placeholders: the look's decorations."""
    tree = root.find(q("p:cSld") + "/" + q("p:spTree"))
    return [sp for sp in tree.findall(q("p:sp")) if sp.find(".//" + q("p:ph")) is None]


def decorations(z, slide, width, height):
    """(name, polygon) of each decoration of the slide's layout and, unless it hides them,
    of its master, that lies at an edge of the slide."""
    layout = related(z, slide, "slideLayout")
    master = related(z, layout, "slideMaster")
    slide_root, layout_root = ET.fromstring(z.read(slide)), ET.fromstring(z.read(layout))
    shown = [(layout, sp) for sp in drawn_shapes(layout_root)]
    if slide_root.get("showMasterSp") not in ("0", "false") and layout_root.get("showMasterSp") not in ("0", "false"):
        shown = [(master, sp) for sp in drawn_shapes(ET.fromstring(z.read(master)))] + shown
    out = []
    for part, sp in shown:
        poly = outline(sp)
        xs, ys = [p[0] for p in poly], [p[1] for p in poly]
        if min(xs) <= EDGE or min(ys) <= EDGE or max(xs) >= width - EDGE or max(ys) >= height - EDGE:
            name = sp.find(".//" + q("p:cNvPr")).get("name")
            out.append(("%s %s" % (posixpath.basename(part), name), poly))
    return out


def clipped_area(poly, box):
    """The area of `poly` inside the box (x0, y0, x1, y1): Sutherland–Hodgman, edge by edge."""
    x0, y0, x1, y1 = box
    for inside, cut in ((lambda p: p[0] >= x0, lambda a, b: (x0, a[1] + (b[1] - a[1]) * (x0 - a[0]) / (b[0] - a[0]))),
                        (lambda p: p[0] <= x1, lambda a, b: (x1, a[1] + (b[1] - a[1]) * (x1 - a[0]) / (b[0] - a[0]))),
                        (lambda p: p[1] >= y0, lambda a, b: (a[0] + (b[0] - a[0]) * (y0 - a[1]) / (b[1] - a[1]), y0)),
                        (lambda p: p[1] <= y1, lambda a, b: (a[0] + (b[0] - a[0]) * (y1 - a[1]) / (b[1] - a[1]), y1))):
        out = []
        for k, cur in enumerate(poly):
            prev = poly[k - 1]
            if inside(cur):
                if not inside(prev):
                    out.append(cut(prev, cur))
                out.append(cur)
            elif inside(prev):
                out.append(cut(prev, cur))
        poly = out
        if not poly:
            return 0.0
    return abs(sum(a[0] * b[1] - b[0] * a[1] for a, b in zip(poly, poly[1:] + poly[:1]))) / 2


def look_name(z):
    return ET.fromstring(z.read("ppt/theme/theme1.xml")).get("name")


def check(z, pages, name, claims):
    pres = ET.fromstring(z.read("ppt/presentation.xml")).find(q("p:sldSz"))
    width, height = int(pres.get("cx")), int(pres.get("cy"))
    look = look_name(z)
    for i, part in enumerate(slide_parts(z)[:pages.getCount()]):
        page = pages.getByIndex(i)
        found = decorations(z, part, width, height)
        for k in range(page.getCount()):
            shape = page.getByIndex(k)
            kind = shape.getShapeType().rsplit(".", 1)[1]
            x, y = shape.Position.X * 360, shape.Position.Y * 360
            w, h = shape.Size.Width * 360, shape.Size.Height * 360
            if kind in MASTERS_OWN or (w >= width - EDGE and h >= height - EDGE and "Graphic" in kind):
                continue
            box = (x + SLIVER, y + SLIVER, x + w - SLIVER, y + h - SLIVER)
            for deco, poly in found:
                if (look, kind, deco) in DELIBERATE or box[0] >= box[2] or box[1] >= box[3]:
                    continue
                claims.check(CLAIM, clipped_area(poly, box) <= 0,
                             "%s slide %d: %s %r (%d, %d, %d, %d) runs into %s" % (
                                 name, i + 1, kind, shape.Name if hasattr(shape, "Name") else "", x, y, w, h, deco))
