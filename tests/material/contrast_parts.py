"""Reads the colours of a presentation package as PowerPoint resolves them and measures
what a learner must read or find against what lies under it:

- text on a solid fill: every run of text in a slide's shapes, in table cells (their own
  fill, else the fill and text colour their table's style gives them) and in the laid-out shapes of SmartArt graphics (ppt/diagrams/drawing*.xml),
  against the fill of its shape, at least 3:1 (the WCAG 2 contrast ratio of relative
  luminances; the floor for large text);
- a shape that is clicked (an action button, a shape with a link) against the decoration
  of the layout or master (or the background) under its middle, at least 1.5:1.

Colours: srgbClr, sysClr (its lastClr), prstClr (the few we meet), schemeClr through the
master's clrMap (or the slide's override) and the theme of the slide's master, phClr as
the style reference's colour; with tint and shade in linear RGB, lumMod and lumOff in HSL,
as DrawingML defines them, and alpha. A fill that is not opaque is laid over white, the
slide's usual ground. Gradient and picture fills are not solid: text on them is not
measured. Text colour: the run's own fill (a run with a link takes the theme's hyperlink
colour), else the shape's list style, else its style's fontRef colour, else for a
placeholder the layout's and the master's placeholder and the master's text styles, else
the presentation's default text style; in a table cell the run's own, else the table
style's, else the text colour.

    problems(zip_file) -> {"text": [problem, …], "buttons": [problem, …]}"""
import colorsys
import posixpath
import xml.etree.ElementTree as ET

NS = {
    "a": "http://schemas.openxmlformats.org/drawingml/2006/main",
    "p": "http://schemas.openxmlformats.org/presentationml/2006/main",
    "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
    "dsp": "http://schemas.microsoft.com/office/drawing/2008/diagram",
    "rel": "http://schemas.openxmlformats.org/package/2006/relationships",
}
TEXT_FLOOR = 3.0
BUTTON_FLOOR = 1.5
PRESET = {"black": "000000", "white": "FFFFFF"}
SCHEME = ("dk1", "lt1", "dk2", "lt2", "accent1", "accent2", "accent3", "accent4", "accent5", "accent6",
          "hlink", "folHlink")
COLOUR_TAGS = {"{%s}%s" % (NS["a"], t) for t in ("srgbClr", "schemeClr", "sysClr", "prstClr", "scrgbClr", "hslClr")}


def q(name):
    prefix, local = name.split(":")
    return "{%s}%s" % (NS[prefix], local)


# ---- colour arithmetic ----------------------------------------------------------------

def to_linear(c):
    return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4


def from_linear(c):
    c = min(max(c, 0.0), 1.0)
    return c * 12.92 if c <= 0.0031308 else 1.055 * c ** (1 / 2.4) - 0.055


def luminance(rgb):
    # WCAG 2's relative luminance (its own 0.03928 knee; the same to three places).
    lin = [c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4 for c in rgb]
    return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]


def ratio(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def over(colour, ground=(1.0, 1.0, 1.0)):
    """An (r, g, b, alpha) colour laid over an opaque ground: opaque (r, g, b)."""
    r, g, b, alpha = colour
    return tuple(c * alpha + d * (1 - alpha) for c, d in zip((r, g, b), ground))


def hex_rgb(value):
    return tuple(int(value[i:i + 2], 16) / 255 for i in (0, 2, 4))


def show(rgb):
    return "".join("%02X" % round(c * 255) for c in rgb)


def modify(rgb, alpha, el):
    """One colour transform of DrawingML, applied in the order the file gives."""
    tag, val = el.tag.split("}")[1], int(el.get("val", "0")) / 100000
    if tag in ("tint", "shade"):  # in linear RGB: a tint towards white, a shade towards black
        lin = [to_linear(c) for c in rgb]
        lin = [1 - (1 - c) * val for c in lin] if tag == "tint" else [c * val for c in lin]
        return tuple(from_linear(c) for c in lin), alpha
    if tag in ("lumMod", "lumOff"):  # in HSL
        h, l, s = colorsys.rgb_to_hls(*rgb)
        l = min(max(l * val if tag == "lumMod" else l + val, 0.0), 1.0)
        return colorsys.hls_to_rgb(h, l, s), alpha
    if tag == "alpha":
        return rgb, val
    if tag == "alphaMod":
        return rgb, alpha * val
    raise ValueError("colour transform %s is not read" % tag)


class Colours:
    """A theme's colour scheme as a slide sees it: through its master's colour map."""

    def __init__(self, theme, clr_map):
        self.map = clr_map
        scheme = theme.find("a:themeElements/a:clrScheme", NS)
        self.scheme = {}
        for name in SCHEME:
            el = scheme.find("a:" + name, NS)
            self.scheme[name] = self.colour(el[0]) if el is not None else None
        fmt = theme.find("a:themeElements/a:fmtScheme", NS)
        self.fill_styles = list(fmt.find("a:fillStyleLst", NS)) if fmt is not None else []
        self.bg_styles = list(fmt.find("a:bgFillStyleLst", NS)) if fmt is not None else []

    def colour(self, el, ph=None):
        """(r, g, b, alpha) of a colour element; `ph` stands for phClr."""
        tag = el.tag.split("}")[1]
        if tag == "srgbClr":
            rgb, alpha = hex_rgb(el.get("val")), 1.0
        elif tag == "sysClr":
            rgb, alpha = hex_rgb(el.get("lastClr", "000000")), 1.0
        elif tag == "prstClr":
            rgb, alpha = hex_rgb(PRESET[el.get("val")]), 1.0
        elif tag == "scrgbClr":
            rgb = tuple(from_linear(int(el.get(k)) / 100000) for k in "rgb")
            alpha = 1.0
        elif tag == "schemeClr":
            name = el.get("val")
            if name == "phClr":
                if ph is None:
                    raise ValueError("phClr outside a style reference")
                *rgb, alpha = ph
            else:
                *rgb, alpha = self.scheme[self.map.get(name, name)]
        else:
            raise ValueError("colour %s is not read" % tag)
        rgb = tuple(rgb)
        for mod in el:
            rgb, alpha = modify(rgb, alpha, mod)
        return rgb + (alpha,)

    def fill(self, el, ph=None):
        """A fill element as (r, g, b, alpha) when it is solid; None for no fill or
        a fill that is not one colour."""
        if el is not None and el.tag == q("a:solidFill") and len(el):
            return self.colour(el[0], ph)
        return None

    def style_fill(self, fill_ref):
        """The theme fill a style's fillRef names, in the reference's colour."""
        idx = int(fill_ref.get("idx", "0"))
        ref = next((c for c in fill_ref if c.tag in COLOUR_TAGS), None)
        ph = self.colour(ref) if ref is not None else None
        styles = self.bg_styles if idx > 1000 else self.fill_styles
        n = idx - 1001 if idx > 1000 else idx - 1
        if idx == 0 or not 0 <= n < len(styles):
            return None
        return self.fill(styles[n], ph)


FILLS = {q("a:" + t) for t in ("noFill", "solidFill", "gradFill", "blipFill", "pattFill", "grpFill")}


def fill_of(props):
    """The fill element among a shape's properties, if it names one."""
    return next((c for c in props if c.tag in FILLS), None) if props is not None else None


# ---- the package ----------------------------------------------------------------------

class Package:
    def __init__(self, z):
        self.z = z
        self.names = set(z.namelist())
        self.cache = {}

    def xml(self, part):
        if part not in self.cache:
            self.cache[part] = ET.fromstring(self.z.read(part))
        return self.cache[part]

    def related(self, part, kind):
        """The parts `part` relates to by a relationship type ending in `kind`."""
        folder, name = posixpath.split(part)
        rels = posixpath.join(folder, "_rels", name + ".rels")
        if rels not in self.names:
            return []
        return [posixpath.normpath(posixpath.join(folder, r.get("Target")))
                for r in self.xml(rels).findall("rel:Relationship", NS)
                if r.get("Type").endswith("/" + kind) and r.get("TargetMode") != "External"]


def placeholder(sp):
    return sp.find("p:nvSpPr/p:nvPr/p:ph", NS)


def matching(tree, ph, by_type_only=False):
    """The placeholder of a layout or master that a slide's placeholder inherits from."""
    kind = ph.get("type", "obj")
    idx = ph.get("idx")
    candidates = [(sp, placeholder(sp)) for sp in tree.iter(q("p:sp")) if placeholder(sp) is not None]
    if not by_type_only and idx is not None:
        found = [sp for sp, p in candidates if p.get("idx") == idx]
        if found:
            return found[0]
    if by_type_only:  # a master has one title, one body and the three footers
        kind = {"ctrTitle": "title", "subTitle": "body", "obj": "body"}.get(kind, kind)
    return next((sp for sp, p in candidates if p.get("type", "obj") == kind), None)


def level_colour(lst, level, colours):
    """The colour a list style (lstStyle, or a master's text style) gives a paragraph level."""
    if lst is None:
        return None
    el = lst.find("a:lvl%dpPr/a:defRPr/a:solidFill" % (level + 1), NS)
    return colours.fill(el) if el is not None else None


class Slide:
    """A slide with its layout, master, theme and colour map."""

    def __init__(self, pkg, part):
        self.pkg, self.part = pkg, part
        self.tree = pkg.xml(part)
        self.layout_part = pkg.related(part, "slideLayout")[0]
        self.layout = pkg.xml(self.layout_part)
        self.master_part = pkg.related(self.layout_part, "slideMaster")[0]
        self.master = pkg.xml(self.master_part)
        theme = pkg.xml(pkg.related(self.master_part, "theme")[0])
        clr_map = dict(self.master.find("p:clrMap", NS).attrib)
        for tree in (self.layout, self.tree):  # a layout's, then a slide's own colour map
            override = tree.find("p:clrMapOvr/a:overrideClrMapping", NS)
            if override is not None:
                clr_map = dict(override.attrib)
        self.colours = Colours(theme, clr_map)
        pres = pkg.xml("ppt/presentation.xml")
        self.default_text = pres.find("p:defaultTextStyle", NS)

    def shape_fill(self, sp):
        """The solid fill of a slide shape as (r, g, b, alpha), else None."""
        fill = fill_of(sp.find("p:spPr", NS))
        if fill is not None:
            return self.colours.fill(fill)
        ref = sp.find("p:style/a:fillRef", NS)
        if ref is not None:
            return self.colours.style_fill(ref)
        ph = placeholder(sp)
        if ph is not None:
            for tree, by_type in ((self.layout, False), (self.master, True)):
                inherited = matching(tree, ph, by_type)
                if inherited is not None:
                    found = fill_of(inherited.find("p:spPr", NS))
                    if found is not None:
                        return self.colours.fill(found)
        return None

    def text_colour(self, run, level, sp):
        """The colour of a run of text in a slide shape."""
        c = self.colours
        props = run.find("a:rPr", NS)
        if props is not None and props.find("a:hlinkClick", NS) is not None:
            return c.scheme[c.map.get("hlink", "hlink")]
        own = props.find("a:solidFill", NS) if props is not None else None
        if own is not None:
            return c.fill(own)
        found = level_colour(sp.find("p:txBody/a:lstStyle", NS), level, c)
        if found:
            return found
        font = sp.find("p:style/a:fontRef", NS)
        if font is not None and len(font):
            return c.colour(font[0])
        ph = placeholder(sp)
        if ph is not None:
            for tree, by_type in ((self.layout, False), (self.master, True)):
                inherited = matching(tree, ph, by_type)
                if inherited is not None:
                    found = level_colour(inherited.find("p:txBody/a:lstStyle", NS), level, c)
                    if found:
                        return found
            kind = ph.get("type", "obj")
            style = "title" if kind in ("title", "ctrTitle") else "other" if kind in ("dt", "ftr", "sldNum") else "body"
            found = level_colour(self.master.find("p:txStyles/p:%sStyle" % style, NS), level, c)
            if found:
                return found
        return level_colour(self.default_text, level, c) or c.scheme[c.map.get("tx1", "dk1")]


def runs(body):
    """(run, paragraph level) of every run with text in a text body."""
    for para in body.findall("a:p", NS):
        ppr = para.find("a:pPr", NS)
        level = int(ppr.get("lvl", "0")) if ppr is not None else 0
        for run in para:
            if run.tag in (q("a:r"), q("a:fld")) and (run.findtext("a:t", "", NS)).strip():
                yield run, level


def shapes(tree):
    """Every p:sp of a shape tree, groups opened."""
    for el in tree.iter(q("p:sp")):
        yield el


def measure(out, where, text, colour, fill):
    ground = over(fill)
    ink = over(colour, ground)
    r = ratio(ink, ground)
    if r < TEXT_FLOOR:
        out.append("%s: “%s” %s on %s, %.2f:1" % (where, text[:12], show(ink), show(ground), r))


def table_style(pkg, style_id):
    """The a:tblStyle of ppt/tableStyles.xml with this id; None where the file defines none."""
    if "ppt/tableStyles.xml" not in pkg.names:
        return None
    return next((t for t in pkg.xml("ppt/tableStyles.xml").findall("a:tblStyle", NS) if t.get("styleId") == style_id),
                None)


def styled_cell(colours, style, props, row, col, rows, cols):
    """(fill, text colour) a table style gives the cell at row, col: the parts that paint
    it layered as the program layers them (the whole table, vertical then horizontal
    bands, last and first column, last and first row), the last that sets each wins."""
    if style is None:
        return None, None
    on = (lambda flag: props is not None and props.get(flag) in ("1", "true"))
    parts = ["wholeTbl"]
    if on("bandCol"):
        parts.append("band%dV" % ((col - on("firstCol")) % 2 + 1))
    if on("bandRow"):
        parts.append("band%dH" % ((row - on("firstRow")) % 2 + 1))
    parts += [p for p, here in (("lastCol", col == cols - 1), ("firstCol", col == 0), ("lastRow", row == rows - 1),
                                ("firstRow", row == 0)) if here and on(p)]
    fill = ink = None
    for part in parts:
        el = style.find("a:" + part, NS)
        if el is None:
            continue
        solid, ref = el.find("a:tcStyle/a:fill/a:solidFill", NS), el.find("a:tcStyle/a:fillRef", NS)
        if solid is not None or ref is not None:
            fill = colours.fill(solid) if solid is not None else colours.style_fill(ref)
        text = next((e for e in el.findall("a:tcTxStyle/*", NS) if e.tag in COLOUR_TAGS), None)
        if text is not None:
            ink = colours.colour(text)
    return fill, ink


def check_text(pkg, slide, number, out):
    where = "slide %d" % number
    for sp in shapes(slide.tree.find("p:cSld/p:spTree", NS)):
        body = sp.find("p:txBody", NS)
        fill = slide.shape_fill(sp) if body is not None else None
        if fill is None:
            continue
        for run, level in runs(body):
            measure(out, where, run.findtext("a:t", "", NS), slide.text_colour(run, level, sp), fill)
    c = slide.colours
    for table in slide.tree.iter(q("a:tbl")):
        style = table_style(pkg, table.findtext("a:tblPr/a:tableStyleId", "", NS))
        rows = table.findall("a:tr", NS)
        for r, row in enumerate(rows):
            cells = row.findall("a:tc", NS)
            for k, cell in enumerate(cells):
                body = cell.find("a:txBody", NS)
                own_fill = fill_of(cell.find("a:tcPr", NS))
                fill, ink = styled_cell(c, style, table.find("a:tblPr", NS), r, k, len(rows), len(cells))
                fill = c.fill(own_fill) if own_fill is not None else fill
                if fill is None or body is None:
                    continue
                for run, _ in runs(body):
                    own = run.find("a:rPr/a:solidFill", NS)
                    measure(out, "%s table cell %d,%d" % (where, r + 1, k + 1), run.findtext("a:t", "", NS),
                            c.fill(own) if own is not None else ink or c.scheme[c.map.get("tx1", "dk1")], fill)
    for drawing in pkg.related(slide.part, "diagramDrawing"):
        for sp in pkg.xml(drawing).iter(q("dsp:sp")):
            body = sp.find("dsp:txBody", NS)
            if body is None:
                continue
            own, ref = fill_of(sp.find("dsp:spPr", NS)), sp.find("dsp:style/a:fillRef", NS)
            fill = c.fill(own) if own is not None else c.style_fill(ref) if ref is not None else None
            if fill is None:
                continue
            font = sp.find("dsp:style/a:fontRef", NS)
            for run, level in runs(body):
                own = run.find("a:rPr/a:solidFill", NS)
                colour = (c.fill(own) if own is not None else level_colour(body.find("a:lstStyle", NS), level, c) or
                          (c.colour(font[0]) if font is not None and len(font) else c.scheme[c.map.get("tx1", "dk1")]))
                measure(out, where + " SmartArt", run.findtext("a:t", "", NS), colour, fill)


# ---- what lies under a shape ------------------------------------------------------------

def box_of(sp):
    xfrm = sp.find("p:spPr/a:xfrm", NS)
    if xfrm is None:
        return None
    off, ext = xfrm.find("a:off", NS), xfrm.find("a:ext", NS)
    return int(off.get("x")), int(off.get("y")), int(ext.get("cx")), int(ext.get("cy"))


def covers(sp, point):
    """Whether a decoration's outline holds a point: its free path (straight lines), an
    ellipse, or else its box."""
    box = box_of(sp)
    if box is None:
        return False
    x, y, cx, cy = box
    u, v = (point[0] - x) / cx if cx else -1, (point[1] - y) / cy if cy else -1
    if not (0 <= u <= 1 and 0 <= v <= 1):
        return False
    geom = sp.find("p:spPr/a:prstGeom", NS)
    if geom is not None and geom.get("prst") == "ellipse":
        return (u - 0.5) ** 2 + (v - 0.5) ** 2 <= 0.25
    path = sp.find("p:spPr/a:custGeom/a:pathLst/a:path", NS)
    if path is None:
        return True
    w, h = int(path.get("w", "1")) or 1, int(path.get("h", "1")) or 1
    pts = [(int(pt.get("x")) / w, int(pt.get("y")) / h) for pt in path.iter(q("a:pt"))]
    inside = False
    for (x1, y1), (x2, y2) in zip(pts, pts[1:] + pts[:1]):
        if (y1 > v) != (y2 > v) and u < x1 + (v - y1) * (x2 - x1) / (y2 - y1):
            inside = not inside
    return inside


def background(slide):
    """The colours the slide's background may show: one for a solid fill, each stop of a
    gradient; none for a picture."""
    c = slide.colours
    for tree in (slide.tree, slide.layout, slide.master):
        bg = tree.find("p:cSld/p:bg", NS)
        if bg is None:
            continue
        props = bg.find("p:bgPr", NS)
        if props is not None:
            fill = fill_of(props)
            if fill is not None and fill.tag == q("a:gradFill"):
                return [over(c.colour(gs[0])) for gs in fill.iter(q("a:gs"))]
            solid = c.fill(fill)
            return [over(solid)] if solid else []
        ref = bg.find("p:bgRef", NS)
        solid = c.style_fill(ref) if ref is not None else None
        return [over(solid)] if solid else []
    return [(1.0, 1.0, 1.0)]


def check_buttons(slide, number, out):
    """Shapes a learner clicks against what lies under their middle."""
    show_master = slide.layout.get("showMasterSp", "1") not in ("0", "false") and \
        slide.tree.get("showMasterSp", "1") not in ("0", "false")
    decorations = [sp for tree in ((slide.master,) if show_master else ()) + (slide.layout,)
                   for sp in shapes(tree.find("p:cSld/p:spTree", NS)) if placeholder(sp) is None]
    for sp in shapes(slide.tree.find("p:cSld/p:spTree", NS)):
        geom = sp.find("p:spPr/a:prstGeom", NS)
        clicked = sp.find("p:nvSpPr/p:cNvPr/a:hlinkClick", NS) is not None or \
            (geom is not None and geom.get("prst", "").startswith("actionButton"))
        fill = slide.shape_fill(sp) if clicked else None
        box = box_of(sp)
        if fill is None or box is None:
            continue
        middle = (box[0] + box[2] / 2, box[1] + box[3] / 2)
        grounds = background(slide)
        for deco in decorations:  # in drawing order: the last that covers the middle is on top
            colour = slide.shape_fill(deco)
            if colour is not None and covers(deco, middle):
                grounds = [over(colour, g) for g in grounds] or [over(colour)]
        name = sp.find("p:nvSpPr/p:cNvPr", NS).get("name")
        for ground in grounds:
            r = ratio(over(fill, ground), ground)
            if r < BUTTON_FLOOR:
                out.append("slide %d: %s %s on %s, %.2f:1" % (number, name, show(over(fill, ground)), show(ground), r))


def problems(z):
    pkg = Package(z)
    pres = "ppt/presentation.xml"
    order = {rid: target for rid, target in
             ((r.get("Id"), posixpath.normpath(posixpath.join("ppt", r.get("Target"))))
              for r in pkg.xml("ppt/_rels/presentation.xml.rels").findall("rel:Relationship", NS))}
    out = {"text": [], "buttons": []}
    for number, sid in enumerate(pkg.xml(pres).findall("p:sldIdLst/p:sldId", NS), 1):
        slide = Slide(pkg, order[sid.get(q("r:id"))])
        check_text(pkg, slide, number, out["text"])
        check_buttons(slide, number, out["buttons"])
    return out
