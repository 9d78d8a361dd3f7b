#!/usr/bin/python3
"""Opens every generated presentation and document in a real headless LibreOffice and
checks what a learner would see, against the generator's own account of each file (its
manifest): the files open; each presentation has its slides in order with their titles,
the pictures and sounds the steps insert, SmartArt graphics with their texts, the
transitions, animations with their start, delay, duration and options, hidden slides,
notes and slide-show settings; the slide size, layouts, fonts, bullets, placeholder boxes,
text boxes, table columns, backgrounds and pictures of the master that the steps set;
SmartArt texts that fit their shapes and break only between words; table styles that
look like their names (table_styles.py), text that reads on its fill and buttons that
stand out (contrast_parts.py), nothing running into the looks' decorations
(decoration_parts.py); the parts of each SmartArt graphic (diagram_parts.py), the slide,
layout and master parts (slide_parts.py) and the timing trees where LibreOffice does not
read them as PowerPoint does (timing_parts.py) against the schemas; documents hold their
paragraphs; a theme file holds the slide master and layouts its case's answer shows
(theme_parts.py); looped tunes end on their beat (tune_ends.py); the other files are what
their names say. One office process for all files; one line a kind of claim.

    check_in_office.py MANIFEST MATERIAL_ROOT"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ET
import zipfile

import contrast_parts
import decoration_parts
import diagram_parts
import slide_parts
import table_styles
import timing_parts
import theme_parts
import tune_ends
import uno
from com.sun.star.beans import PropertyValue
from com.sun.star.connection import NoConnectException


def prop(name, value):
    p = PropertyValue()
    p.Name, p.Value = name, value
    return p


class Claims:
    """Failures grouped by the kind of claim they break."""

    def __init__(self):
        self.kinds = {}

    def check(self, kind, ok, what):
        self.kinds.setdefault(kind, [])
        if not ok:
            self.kinds[kind].append(what)

    def report(self):
        failed = 0
        for kind, failures in self.kinds.items():
            print("%-40s %s" % (kind, "ok" if not failures else "FAILED"))
            for f in failures:
                print("    " + f)
            failed += bool(failures)
        print("%d passed, %d failed" % (len(self.kinds) - failed, failed))
        return failed == 0


def start_office(profile):
    pipe = "ppt-trainer-material-%d" % os.getpid()
    office = subprocess.Popen(["soffice", "--headless", "--invisible", "--norestore", "--nologo", "--nodefault",
                               "-env:UserInstallation=" + pathlib.Path(profile).as_uri(),
                               "--accept=pipe,name=%s;urp;" % pipe],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    local = uno.getComponentContext()
    resolver = local.ServiceManager.createInstanceWithContext("com.sun.star.bridge.UnoUrlResolver", local)
    for _ in range(240):
        try:
            ctx = resolver.resolve("uno:pipe,name=%s;urp;StarOffice.ComponentContext" % pipe)
            return office, ctx, ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
        except NoConnectException:
            time.sleep(0.5)
    office.kill()
    raise SystemExit("LibreOffice did not start")


def shapes(page):
    return [page.getByIndex(i) for i in range(page.getCount())]


def title_of(page):
    for s in shapes(page):
        if s.getShapeType() == "com.sun.star.presentation.TitleTextShape":
            return s.getString()
    return ""


def diagram_texts(shape):
    """The paragraphs of text of an imported SmartArt graphic, shape by shape in drawing order
    (a line the drawing breaks is still one paragraph)."""
    if shape.getShapeType() == "com.sun.star.drawing.GroupShape":
        return [t for i in range(shape.getCount()) for t in diagram_texts(shape.getByIndex(i))]
    return [p.getString().replace("\n", "") for p in paragraphs_of(shape) if p.getString().strip()]


def is_diagram(shape):
    """A group that LibreOffice took for a SmartArt graphic: it keeps the graphic's data model."""
    if shape.getShapeType() != "com.sun.star.drawing.GroupShape":
        return False
    return any(p.Name == "OOXData" and p.Value is not None for p in shape.InteropGrabBag)


GRAPHICS = ("com.sun.star.drawing.GraphicObjectShape", "com.sun.star.presentation.GraphicObjectShape")


def is_picture(shape):
    """A picture as LibreOffice reads it: a graphic object, or, for a picture in a shape
    other than a rectangle (the 映像圆角矩形 style), a custom shape filled with it."""
    kind = shape.getShapeType()
    return kind in GRAPHICS or (kind == "com.sun.star.drawing.CustomShape" and shape.FillStyle.value == "BITMAP")


def embedded(picture):
    if picture.getShapeType() in GRAPHICS:
        return picture.Graphic is not None and not picture.Graphic.Linked
    return picture.FillBitmap is not None  # a fill is read from the package, never linked


def paragraphs_of(shape):
    en = shape.getText().createEnumeration()
    while en.hasMoreElements():
        yield en.nextElement()


def first_run(shape):
    """[font, size, bold, colour] of the first run of a text shape, as the office shows it."""
    for para in paragraphs_of(shape):
        runs = para.createEnumeration()
        if runs.hasMoreElements():
            r = runs.nextElement()
            return [r.CharFontNameAsian, round(r.CharHeight), r.CharWeight > 100, "%06X" % (r.CharColor & 0xFFFFFF)]
    return None


TEXT_KINDS = {"title": "TitleTextShape", "subtitle": "SubtitleShape", "body": "OutlinerShape"}
NUMBER_NONE = 5  # com.sun.star.style.NumberingType: no bullet


def has_bullet(para):
    level = {p.Name: p.Value for p in para.NumberingRules.getByIndex(para.NumberingLevel or 0)}
    return level["NumberingType"] != NUMBER_NONE


def emu(value):  # 1/100 mm to EMU
    return value * 360


def near(a, b, tolerance=2 * 360):
    return len(a) == len(b) and all(abs(x - y) <= tolerance for x, y in zip(a, b))


LINE_BREAK, PARAGRAPH_BREAK = 1, 0  # com.sun.star.text.ControlCharacter


def laid_out(doc, page, width, paras, fonts, wraps=True):
    """The size (1/100 mm) the office lays paragraphs out in: a scratch text box on the page,
    growing with its text, formatted as the drawing formats them ("\n" in a paragraph is the
    drawing's line break); `width` wide if it wraps, else as wide as its longest line."""
    box = doc.createInstance("com.sun.star.drawing.TextShape")
    page.add(box)
    try:
        box.TextAutoGrowWidth, box.TextAutoGrowHeight, box.TextWordWrap = not wraps, True, wraps
        box.TextLeftDistance = box.TextRightDistance = box.TextUpperDistance = box.TextLowerDistance = 0
        box.Size = uno.createUnoStruct("com.sun.star.awt.Size", width if wraps else 100, 100)
        text = box.getText()
        cursor = text.createTextCursor()
        for k, (t, *_) in enumerate(paras):
            if k:
                text.insertControlCharacter(cursor, PARAGRAPH_BREAK, False)
            for j, line in enumerate(t.split("\n")):
                if j:
                    text.insertControlCharacter(cursor, LINE_BREAK, False)
                text.insertString(cursor, line, False)
        for para, (_, size, margin, spacing, after) in zip(paragraphs_of(box), paras):
            para.CharFontName, para.CharFontNameAsian = fonts
            para.CharHeight = para.CharHeightAsian = size
            para.ParaLeftMargin = round(margin / 360)
            para.ParaLineSpacing = uno.createUnoStruct("com.sun.star.style.LineSpacing", 0, int(spacing))
            para.ParaBottomMargin = round(size * after / 100 * 2540 / 72)
        return box.Size.Width, box.Size.Height
    finally:
        page.remove(box)


class OfficeLines:
    """Lines as the office draws them: a shape exported as SVG, where each line of its text
    is placed on its own baseline."""
    SVG = "{http://www.w3.org/2000/svg}"

    def __init__(self, context, folder):
        self.export = context.ServiceManager.createInstanceWithContext("com.sun.star.drawing.GraphicExportFilter",
                                                                       context)
        self.path = pathlib.Path(folder) / "shape.svg"

    def of(self, shape):
        """[[line, …] for each paragraph of the shape's text], a bullet left out."""
        self.export.setSourceDocument(shape)
        self.export.filter((prop("URL", self.path.as_uri()), prop("MediaType", "image/svg+xml")))
        found = []
        for para, text in zip((t for t in ET.parse(self.path).iter(self.SVG + "tspan")
                               if t.get("class") == "TextParagraph"), (p.getString() for p in paragraphs_of(shape))):
            lines, baseline = [], None
            for part in para:
                if part.get("class") == "TextPosition":
                    if part.get("y") != baseline:
                        lines.append("")
                        baseline = part.get("y")
                    lines[-1] += "".join(part.itertext())
            extra = len("".join(lines)) - len(text.replace("\n", ""))
            while extra > 0 and lines:  # the bullet, drawn before the text
                cut = min(extra, len(lines[0]))
                lines[0], extra = lines[0][cut:], extra - cut
                if not lines[0]:
                    lines.pop(0)
            found.append(lines)
        return found


def check_diagram_texts(doc, page, graphic, drawn, where, claims, office_lines):
    """Each text of the slide's SmartArt drawing, laid out by the office in the fonts it took
    for the graphic, fits the box the drawing gives it (its lines as wide as the box at
    most); and each line the office draws of it ends where the text may break
    (diagram_parts.break_points: never inside a word)."""
    texts = [graphic.getByIndex(k) for k in range(graphic.getCount()) if graphic.getByIndex(k).getString()]
    run = next(paragraphs_of(texts[0])).createEnumeration().nextElement() if texts else None
    fonts = (run.CharFontName, run.CharFontNameAsian) if run else ("", "")
    for width, height, wraps, paras in drawn:
        need = laid_out(doc, page, round(width / 360), paras, fonts, wraps)
        claims.check("SmartArt texts fit their shapes", need[0] <= width / 360 * 1.02 and need[1] <= height / 360 * 1.02,
                     "%s: %s needs %d × %d, has %d × %d (1/100 mm)" % (
                         where, "/".join(p[0] for p in paras).replace("\n", "/").replace(diagram_parts.MARK, ""),
                         *need, width / 360, height / 360))
    for shape in texts:
        for para, lines in zip(paragraphs_of(shape), office_lines.of(shape)):
            plain = [line.replace(diagram_parts.MARK, "") for line in lines]
            ends = {sum(map(len, plain[:k])) for k in range(1, len(plain))}
            claims.check("SmartArt texts break only between words", ends <= diagram_parts.break_points(para.getString()),
                         "%s: %s" % (where, "/".join(plain)))


def children(node):
    out = []
    if hasattr(node, "createEnumeration"):
        en = node.createEnumeration()
        while en.hasMoreElements():
            out.append(en.nextElement())
    return out


def seconds(value):
    return value if isinstance(value, float) else 0.0


NODE_TYPES = {1: "click", 2: "with", 3: "after"}  # com.sun.star.presentation.EffectNodeType


def effects(node):
    """The effects of a slide's animation tree in the order of the animation pane (the
    nodes that carry a preset class), each read as the manifest describes a step."""
    data = {d.Name: d.Value for d in node.UserData or ()}
    if "preset-class" not in data:
        return [e for c in children(node) for e in effects(c)]
    parts = children(node)
    after = [c for c in parts if any(d.Name == "after-effect" and d.Value for d in c.UserData or ())]
    # How long it plays: the end of its longest behaviour, once (an instant one ends after 1 ms).
    end = max((seconds(c.Begin) + seconds(c.Duration) * (2 if c.AutoReverse else 1) for c in parts if c not in after),
              default=0.0)
    dim = "".join("%06X" % c.To if c.AttributeName == "DimColor" else "hide" for c in after)
    iterate = node.getImplementationName().endswith("IterateContainer") and node.IterateType == 2  # by letter
    return [{"start": NODE_TYPES.get(data.get("node-type")), "delay": round(seconds(node.Begin) * 1000),
             "duration": round(end * 1000) if end > 0.002 else 0, "repeat": round(seconds(node.RepeatCount) or 1),
             "by_letter": round(node.IterateInterval * 100) if iterate else 0, "after": dim}]


def as_read(step):
    """A step of the manifest as LibreOffice shows it: both ways to hide are a hide."""
    after = step["after"]
    return dict(step, after="hide" if after.endswith("隐藏") else after.upper())


# What the animation pane shows of each step, each a kind of claim over every step of
# every file: LibreOffice reads them all back.
STEP_CLAIMS = (("start", "animation starts and delays"),
               ("duration", "animation durations"),
               ("repeat", "animation repeat counts"),
               ("by_letter", "texts animated by letter"),
               ("after", "dim or hide after animation"))


def check_presentation(doc, path, entry, claims, office_lines):
    name = entry["path"]
    pages = doc.getDrawPages()
    with zipfile.ZipFile(path) as z:
        drawn = diagram_parts.drawn_texts(z)
    expected = entry["slides"]
    claims.check("slides in order with their titles", pages.getCount() == len(expected) and
                 [title_of(pages.getByIndex(i)) for i in range(pages.getCount())] == [s["title"] for s in expected],
                 "%s: %s" % (name, [title_of(pages.getByIndex(i)) for i in range(pages.getCount())]))
    for i, slide in enumerate(expected[:pages.getCount()]):
        page = pages.getByIndex(i)
        where = "%s slide %d" % (name, i + 1)
        kinds = [s.getShapeType() for s in shapes(page)]
        graphics = [s for s in shapes(page) if is_picture(s)]
        # Embedded, not linked: the picture's own bytes are in the file.
        claims.check("pictures embedded", len(graphics) == len(slide["pictures"]) and all(embedded(g) for g in graphics),
                     "%s: %d pictures, expected %s" % (where, len(graphics), slide["pictures"]))
        media = [s for s in shapes(page) if s.getShapeType().endswith("MediaShape")]
        claims.check("sounds embedded", len(media) == len(slide["sounds"]),
                     "%s: %d sounds, expected %s" % (where, len(media), slide["sounds"]))
        smartart = [s for s in shapes(page) if is_diagram(s)]
        diagrams = [diagram_texts(s) for s in smartart]
        if smartart:
            check_diagram_texts(doc, page, smartart[0], drawn.get("ppt/slides/slide%d.xml" % (i + 1), ()), where, claims,
                                office_lines)
        claims.check("SmartArt graphics with all their texts", diagrams == slide["diagrams"],
                     "%s: %s, expected %s" % (where, diagrams, slide["diagrams"]))
        tables = [s for s in shapes(page) if "TableShape" in s.getShapeType()]
        claims.check("tables with their rows", [t.Model.Rows.getCount() for t in tables] == slide["tables"],
                     "%s: tables %s" % (where, kinds))
        has_transition = page.TransitionType != 0 or page.Effect.value != "NONE"
        claims.check("transitions", has_transition == bool(slide["transition"]),
                     "%s: transition %s, expected %r" % (where, page.TransitionType, slide["transition"]))
        claims.check("transition sounds", bool(page.Sound) == bool(slide["transition_sound"]),
                     "%s: sound %r" % (where, page.Sound))
        auto = page.Change == 1
        claims.check("automatic advance after its time",
                     auto == bool(slide["advance_after"]) and
                     (not auto or abs(page.HighResDuration - slide["advance_after"] / 1000) < 0.01),
                     "%s: change %s after %s" % (where, page.Change, page.HighResDuration))
        read = effects(page.AnimationNode) if page.AnimationNode else []
        claims.check("animations", len(read) == slide["effects"],
                     "%s: %d effects, expected %d" % (where, len(read), slide["effects"]))
        for field, claim in STEP_CLAIMS:
            keys = ("start", "delay") if field == "start" else (field,)
            got = [tuple(r[k] for k in keys) for r in read]
            want = [tuple(as_read(step)[k] for k in keys) for step in slide["steps"]]
            claims.check(claim, got == want, "%s: %s, expected %s" % (where, got, want))
        claims.check("hidden slides", (not page.Visible) == slide["hidden"], "%s: visible %s" % (where, page.Visible))
        check_formatting(page, slide, where, claims)
        notes = " ".join(s.getString() for s in shapes(page.getNotesPage())
                         if s.getShapeType() == "com.sun.star.presentation.NotesShape")
        claims.check("notes", slide["notes"] in notes if slide["notes"] else not notes.strip(),
                     "%s: notes %r" % (where, notes))
    first = pages.getByIndex(0)
    claims.check("slide size", near([emu(first.Width), emu(first.Height)], entry["slide_size"]),
                 "%s: %d x %d" % (name, first.Width, first.Height))
    # LibreOffice reads the loop but not the kind of show, so the kind is read from the file.
    show = doc.getPresentation()
    with zipfile.ZipFile(path) as z:
        props = z.read("ppt/presProps.xml").decode("utf-8")
    kind = {"演讲者放映": "<p:present/>", "观众自行浏览": "<p:browse/>", "在展台浏览": "<p:kiosk/>"}[entry["show"]]
    claims.check("slide-show settings", show.IsEndless == entry["loop"] and kind in props,
                 "%s: endless %s, %s" % (name, show.IsEndless, props))
    with zipfile.ZipFile(path) as z:
        found = diagram_parts.problems(z)
        timing = timing_parts.problems(z)
        order = slide_parts.problems(z)
        looks = table_styles.problems(z)
        contrast = contrast_parts.problems(z)
        decoration_parts.check(z, pages, name, claims)
    claims.check("table styles look like their names", not looks, "%s: %s" % (name, "; ".join(looks[:5])))
    claims.check("text reads on its fill (3:1)", not contrast["text"], "%s: %s" % (name, "; ".join(contrast["text"])))
    claims.check("buttons stand out from the decoration under them (1.5:1)", not contrast["buttons"],
                 "%s: %s" % (name, "; ".join(contrast["buttons"])))
    claims.check("slide, layout and master parts in the schemas' element order", not order,
                 "%s: %s" % (name, "; ".join(order[:5])))
    for kind, claim in (("order", "SmartArt parts in the schemas' element order"),
                        ("relations", "SmartArt parts related and typed"),
                        ("model", "SmartArt data models whole, shape ids unique")):
        claims.check(claim, not found[kind], "%s: %s" % (name, "; ".join(found[kind][:5])))
    for kind, claim in (("order", "animation timing in the schema's order"),
                        ("graphics", "SmartArt built shape by shape (逐个)")):
        claims.check(claim, not timing[kind], "%s: %s" % (name, "; ".join(timing[kind][:5])))
    customs = doc.getCustomPresentations()
    claims.check("custom shows", sorted(customs.getElementNames()) == sorted(c[0] for c in entry["custom_shows"]) and
                 all(customs.getByName(c[0]).getCount() == len(c[1]) for c in entry["custom_shows"]),
                 "%s: %s" % (name, customs.getElementNames()))


def check_formatting(page, slide, where, claims):
    """What the steps set on slides, layouts and the master, as the slide shows it."""
    claims.check("slides on their layouts", page.MasterPage.Name == slide["layout"],
                 "%s: on %s, expected %s" % (where, page.MasterPage.Name, slide["layout"]))
    found = []
    for which, text, font, size, bold, colour in slide["texts"]:
        shape = next((s for s in shapes(page) if s.getShapeType().endswith("." + TEXT_KINDS[which]) and
                      s.getString().startswith(text)), None)
        run = first_run(shape) if shape is not None else None
        found.append(run and [which, text] + run[:3] + [run[3] if colour else ""])
    claims.check("text fonts, sizes, weight and colours", found == slide["texts"],
                 "%s: %s, expected %s" % (where, found, slide["texts"]))
    bullets = {p.getString(): has_bullet(p) for s in shapes(page) if s.getShapeType().endswith(".OutlinerShape")
               for p in paragraphs_of(s)}
    claims.check("paragraphs with and without bullets",
                 all(bullets.get(t) == b for t, b in slide["bullets"].items()), "%s: %s" % (where, bullets))
    if slide["body_box"]:
        body = [s for s in shapes(page) if s.getShapeType().endswith(".OutlinerShape")][:1]
        box = [emu(v) for b in body for v in (b.Position.X, b.Position.Y, b.Size.Width, b.Size.Height)]
        claims.check("placeholders where the steps put them", near(box, slide["body_box"]),
                     "%s: %s, expected %s" % (where, box, slide["body_box"]))
    texts = [s.getString().split("\n") for s in shapes(page) if hasattr(s, "getString")]
    claims.check("text boxes with their paragraphs", all(box in texts for box in slide["text_boxes"]),
                 "%s: %s, expected %s" % (where, texts, slide["text_boxes"]))
    widths = [[emu(t.Model.Columns.getByIndex(k).Width) for k in range(t.Model.Columns.getCount())]
              for t in shapes(page) if "TableShape" in t.getShapeType()]
    claims.check("table column widths", len(widths) == len(slide["table_widths"]) and
                 all(near(w, e) for w, e in zip(widths, slide["table_widths"])),
                 "%s: %s, expected %s" % (where, widths, slide["table_widths"]))
    # The slide's own background, else its master page's: LibreOffice makes a master page a layout.
    fill = page.Background if page.Background is not None else page.MasterPage.Background
    claims.check("backgrounds of slides, layouts and master with their transparency",
                 fill is not None and [fill.FillStyle.value, fill.FillTransparence] == slide["background"],
                 "%s: %s" % (where, fill and [fill.FillStyle.value, fill.FillTransparence]))
    pictures = [s for s in shapes(page.MasterPage) if s.getShapeType() in GRAPHICS and s.Visible]
    claims.check("pictures on the master and the layouts", len(pictures) == slide["master_pictures"],
                 "%s: %d, expected %d" % (where, len(pictures), slide["master_pictures"]))


def check_document(doc, entry, claims):
    paragraphs = []
    en = doc.getText().createEnumeration()
    while en.hasMoreElements():
        paragraphs.append(en.nextElement().getString())
    claims.check("documents hold their paragraphs", [p for p in paragraphs if p] == entry["paragraphs"],
                 "%s: %d paragraphs" % (entry["path"], len(paragraphs)))


def pdf_text(path, page):
    """The text of one page, as a reader extracts it (poppler's pdftotext)."""
    run = subprocess.run(["pdftotext", "-f", str(page), "-l", str(page), str(path), "-"], capture_output=True)
    return run.stdout.decode("utf-8", "replace")


def check_plain(path, entry, claims):
    data = path.read_bytes()
    kind = entry["kind"]
    if kind == "picture":
        ok = data.startswith(b"\xff\xd8\xff") if path.suffix.lower() == ".jpg" else data.startswith(b"\x89PNG")
        claims.check("pictures are JPEG or PNG as named", ok, entry["path"])
    elif kind == "sound":
        ok = data[:4] == b"RIFF" if path.suffix.lower() == ".wav" else data[:3] == b"ID3" or data[0] == 0xFF
        claims.check("sounds are WAV or MP3 as named", ok, entry["path"])
        if path.suffix.lower() == ".mp3":  # every tune of ours is played looped
            seams = tune_ends.problems(path)
            claims.check("looped tunes end on their beat", not seams, "%s: %s" % (entry["path"], "; ".join(seams)))
    elif kind == "pdf":
        # A published PDF has text: each slide's page yields its title.
        texts = [pdf_text(path, n) for n in range(1, len(entry["titles"]) + 1)]
        missing = [t for t, page in zip(entry["titles"], texts) if t not in page]
        claims.check("PDF files with their pages", data.startswith(b"%PDF") and
                     data.count(b"/Type /Page ") == entry["pages"] and not missing,
                     "%s: %s" % (entry["path"], "titles not found as text: %s" % missing if missing else "ok"))
    elif kind == "thmx":
        # The answers of the case whose material holds the theme file.
        answers = sorted(path.parents[len(pathlib.PurePosixPath(entry["path"]).parts) - 1]
                         .joinpath("答案", *pathlib.PurePosixPath(entry["path"]).parts[1:-1]).glob("*.pptx"))
        found = theme_parts.problems(path, answers)
        claims.check("theme files", not found, "%s: %s" % (entry["path"], "; ".join(found)))
    elif kind == "text":
        claims.check("notes to the learner are UTF-8 text", data.startswith(b"\xef\xbb\xbf") and
                     len(data.decode("utf-8-sig").strip()) > 0, entry["path"])


def main():
    manifest = json.loads(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
    root = pathlib.Path(sys.argv[2])
    claims = Claims()
    looks = table_styles.writer_problems()
    claims.check("table styles look like their names", not looks, "; ".join(looks[:5]))
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
        office, context, desktop = start_office(profile)
        office_lines = OfficeLines(context, profile)
        try:
            for entry in manifest["files"]:
                path = root / entry["path"]
                claims.check("every file is there", path.is_file(), entry["path"])
                if not path.is_file():
                    continue
                if entry["kind"] not in ("pptx", "ppsx", "docx"):
                    check_plain(path, entry, claims)
                    continue
                args = (prop("Hidden", True), prop("ReadOnly", True), prop("RepairPackage", False))
                try:
                    doc = desktop.loadComponentFromURL(path.resolve().as_uri(), "_blank", 0, args)
                except Exception as e:  # a filter failure is the claim's failure, not the run's
                    doc = None
                    print(entry["path"], e)
                claims.check("opens in LibreOffice", doc is not None, entry["path"])
                if doc is None:
                    continue
                try:
                    if entry["kind"] == "docx":
                        check_document(doc, entry, claims)
                    else:
                        check_presentation(doc, path, entry, claims, office_lines)
                finally:
                    doc.close(True)
        finally:
            try:
                desktop.terminate()
            except Exception:
                pass
            try:
                office.wait(30)
            except subprocess.TimeoutExpired:
                office.kill()
    sys.exit(0 if claims.report() else 1)


if __name__ == "__main__":
    main()
