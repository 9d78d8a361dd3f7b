#!/usr/bin/python3
"""Opens every generated presentation and document in a real headless LibreOffice and
checks what a learner would see, against the generator's own account of each file (its
manifest): the files open; each presentation has its slides in order with their titles,
the pictures and sounds the steps insert, SmartArt graphics with their texts, the
transitions, animations with their start, delay, duration and options, hidden slides,
notes and slide-show settings; the parts of each SmartArt graphic against the schemas
(diagram_parts.py), and the timing trees where LibreOffice does not read them as
PowerPoint does (timing_parts.py); documents hold their paragraphs; the other files are
what their names say. One office process for all files; one line a kind of claim.

    check_in_office.py MANIFEST MATERIAL_ROOT"""
import json
import os
import pathlib
import subprocess
import sys
import tempfile
import time
import zipfile

import diagram_parts
import timing_parts
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
            return office, ctx.ServiceManager.createInstanceWithContext("com.sun.star.frame.Desktop", ctx)
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
    """The lines of text of an imported SmartArt graphic, shape by shape in drawing order."""
    if shape.getShapeType() == "com.sun.star.drawing.GroupShape":
        return [t for i in range(shape.getCount()) for t in diagram_texts(shape.getByIndex(i))]
    return [line for line in shape.getString().splitlines() if line.strip()]


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


def check_presentation(doc, path, entry, claims):
    name = entry["path"]
    pages = doc.getDrawPages()
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
        diagrams = [diagram_texts(s) for s in shapes(page) if is_diagram(s)]
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
        notes = " ".join(s.getString() for s in shapes(page.getNotesPage())
                         if s.getShapeType() == "com.sun.star.presentation.NotesShape")
        claims.check("notes", slide["notes"] in notes if slide["notes"] else not notes.strip(),
                     "%s: notes %r" % (where, notes))
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


def check_document(doc, entry, claims):
    paragraphs = []
    en = doc.getText().createEnumeration()
    while en.hasMoreElements():
        paragraphs.append(en.nextElement().getString())
    claims.check("documents hold their paragraphs", [p for p in paragraphs if p] == entry["paragraphs"],
                 "%s: %d paragraphs" % (entry["path"], len(paragraphs)))


def check_plain(path, entry, claims):
    data = path.read_bytes()
    kind = entry["kind"]
    if kind == "picture":
        ok = data.startswith(b"\xff\xd8\xff") if path.suffix.lower() == ".jpg" else data.startswith(b"\x89PNG")
        claims.check("pictures are JPEG or PNG as named", ok, entry["path"])
    elif kind == "sound":
        ok = data[:4] == b"RIFF" if path.suffix.lower() == ".wav" else data[:3] == b"ID3" or data[0] == 0xFF
        claims.check("sounds are WAV or MP3 as named", ok, entry["path"])
    elif kind == "pdf":
        claims.check("PDF files with their pages", data.startswith(b"%PDF") and
                     data.count(b"/Type /Page ") == entry["pages"], entry["path"])
    elif kind == "thmx":
        with zipfile.ZipFile(path) as z:
            claims.check("theme files", z.testzip() is None and "theme/theme/theme1.xml" in z.namelist(), entry["path"])
    elif kind == "text":
        claims.check("notes to the learner are UTF-8 text", data.startswith(b"\xef\xbb\xbf") and
                     len(data.decode("utf-8-sig").strip()) > 0, entry["path"])


def main():
    manifest = json.loads(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
    root = pathlib.Path(sys.argv[2])
    claims = Claims()
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as profile:
        office, desktop = start_office(profile)
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
                        check_presentation(doc, path, entry, claims)
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
