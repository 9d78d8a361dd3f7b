#!/usr/bin/env python3
"""Generates the material and answer folders of the exercises and cases.

    generate.py --out DIR --work DIR --renderer PATH --lame PATH --manifest FILE

DIR receives 素材/… and 答案/…; the manifest lists every file with what a learner must
find in it (slides, titles, pictures, sounds, transitions, animations), for the tests.
Same sources, same bytes: nothing depends on the time or on the order of a directory."""
import argparse
import importlib
import json
import os
import pathlib
import shutil
import subprocess
import sys
from concurrent.futures import ProcessPoolExecutor

HERE = pathlib.Path(__file__).resolve().parent
sys.path.insert(0, str(HERE))

import api  # noqa: E402
import audio  # noqa: E402
from ooxml.animation import slide_steps  # noqa: E402
from ooxml.docx import Document, write_document  # noqa: E402
from ooxml.model import LayoutFormat, Presentation, PictureFill, TextStyle, paragraphs  # noqa: E402
from ooxml.pdf import write_pdf  # noqa: E402
from ooxml.pptx import BODY_BOX, LAYOUT_INDEX, LAYOUTS, SLIDE_H, SLIDE_SIZES, slide_texts, write_presentation  # noqa: E402
from ooxml.slide_svg import slide_svg  # noqa: E402
from ooxml.smartart import build_order  # noqa: E402
from ooxml.theme import Gradient, Look, Solid, write_thmx  # noqa: E402
from pictures import PICTURES  # noqa: E402
from sounds import SOUNDS  # noqa: E402

PICTURE_EXT = (".jpg", ".png")
SOUND_EXT = (".mp3", ".wav")


def load_content():
    for module in sorted((HERE / "content").glob("*.py")):
        if module.name != "__init__.py":
            importlib.import_module("content." + module.stem)
    return api.works()


def presentations_of(item):
    if isinstance(item, Presentation):
        return [item]
    if isinstance(item, (api.SlideImage, api.SlidesPdf)):
        return [item.presentation]
    return []


def used_media(works):
    pictures, sounds = set(), set()
    for work in works:
        for folder in (work.material, work.answer):
            for name, item in folder.files.items():
                base = name.rsplit("/", 1)[-1]
                if item is None and base.lower().endswith(PICTURE_EXT):
                    pictures.add(base)
                if item is None and base.lower().endswith(SOUND_EXT):
                    sounds.add(base)
                for p in presentations_of(item):
                    for fill in [p.look.background, p.master_background] + [s.background for s in p.slides] + \
                            [f.background for f in p.layouts.values()]:
                        if isinstance(fill, PictureFill):
                            pictures.add(fill.picture)
                    pictures.update(pic.name for pic in p.master_pictures)
                    pictures.update(pic.name for f in p.layouts.values() for pic in f.pictures)
                    for s in p.slides:
                        pictures.update(pic.name for pic in s.pictures)
                        sounds.update(snd.name for snd in s.sounds)
                        if s.sounds:
                            pictures.add("声音图标.png")
                        if s.transition and s.transition.sound:
                            sounds.add(s.transition.sound)
    for name in pictures:
        if name not in PICTURES:
            raise SystemExit("picture %s is not in pictures.py" % name)
    for name in sounds:
        if name not in SOUNDS:
            raise SystemExit("sound %s is not in sounds.py" % name)
    return sorted(pictures), sorted(sounds)


def render(renderer, jobs, work):
    """jobs: [(svg, out, w, h, grey)]; one renderer process for them all."""
    if not jobs:
        return
    job_file = work / ("jobs-%d.txt" % len(list(work.glob("jobs-*.txt"))))
    job_file.write_text("".join("%s\t%s\t%d\t%d%s\n" % (s, o, w, h, "\tgrey" if g else "") for s, o, w, h, g in jobs),
                        encoding="utf-8")
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", ASAN_OPTIONS="detect_leaks=0")
    subprocess.run([renderer, str(job_file)], check=True, env=env)


def make_sound(args):
    name, folder, lame = args
    samples = SOUNDS[name]()
    wav = folder / (name.rsplit(".", 1)[0] + ".wav")
    audio.write_wav(samples, wav)
    if name.lower().endswith(".mp3"):
        # Constant bit rate, no tags: the same samples always give the same bytes.
        subprocess.run([lame, "--quiet", "--noreplaygain", "-b", "96", "-m", "m", str(wav), str(folder / name)],
                       check=True)
    return name


class Resources:
    def __init__(self, pictures_dir, sounds_dir):
        self.pictures_dir, self.sounds_dir = pictures_dir, sounds_dir

    def path(self, name):
        folder = self.pictures_dir if name.lower().endswith(PICTURE_EXT) else self.sounds_dir
        return folder / name

    def data(self, name):
        return self.path(name).read_bytes(), name.rsplit(".", 1)[1].lower()

    def picture_size(self, name):
        _, w, h = PICTURES[name]
        return None, None, w, h


INSTANT = {"出现"}  # effects that take no time, whatever their duration says


def step_expectation(step):
    e = step.effect
    return {"start": step.start, "delay": step.delay, "duration": 0 if e.name in INSTANT else step.duration,
            "repeat": max(1, e.repeat), "by_letter": e.by_letter, "after": e.after}


def _rgb(look, value):
    """A colour as RRGGBB: the theme's colours by their names resolved through the look."""
    names = {"tx1": look.dark1, "bg1": look.light1, "tx2": look.dark2, "bg2": look.light2}
    names.update({"accent%d" % (k + 1): c for k, c in enumerate(look.accents)})
    return names.get(value, value).upper()


def _texts(p, s):
    """What the first run of the title, the subtitle and the text shows: [which, its text, font,
    size, bold, colour], the colour only where a step or the look sets one (the rest is the
    theme's and links take the link colour). Slide, layout, master and look, in that order."""
    look, kind = p.look, LAYOUTS[LAYOUT_INDEX[s.layout]][1]
    fmt = p.layouts.get(s.layout) or LayoutFormat()
    mt, mb = p.master_title or TextStyle(), p.master_body or TextStyle()
    out = []
    if s.title:
        colour = fmt.title.color or mt.color or look.title_color
        out.append(["title", s.title, s.title_font or fmt.title.font or mt.font or look.title_ea or look.major_ea,
                    s.title_size or fmt.title.size or (44 if kind == "title" else mt.size or 40), fmt.title.bold or mt.bold,
                    _rgb(look, colour) if colour and s.title_link is None else ""])
    first, which = (s.subtitle[:1], "subtitle") if kind == "title" else (s.body[:1], "body")
    if first:
        para = first[0]
        colour = para.color or fmt.body.color or mb.color or (look.body_color if kind != "title" else "")
        size = para.size or s.body_size or (fmt.body.size or 24 if kind == "title" else 24 if kind == "twoTxTwoObj"
                                            else (28, 24, 20, 18, 18)[min(para.level, 4)])
        out.append([which, para.text, fmt.body.font or mb.font or look.minor_ea, size, para.bold or fmt.body.bold or mb.bold,
                    _rgb(look, colour) if colour and para.link is None else ""])
    return out


def _fill_kind(fill):
    kind = {Solid: "SOLID", Gradient: "GRADIENT", PictureFill: "BITMAP"}[type(fill)]
    return [kind, getattr(fill, "transparency", 0)]


def slide_expectations(p):
    out = []
    width, height = SLIDE_SIZES[p.slide_size][:2]
    sy = height / SLIDE_H
    for s in p.slides:
        steps = slide_steps(s.animations, slide_texts(s), {d.key: build_order(d) for d in s.diagrams})
        fmt = p.layouts.get(s.layout) or LayoutFormat()
        columns = [max(len(r) for r in t.rows) for t in s.tables]
        out.append({
            "layout": s.layout,
            "title": s.title,
            "pictures": [pic.name for pic in s.pictures],
            "sounds": [snd.name for snd in s.sounds],
            "transition": s.transition.name if s.transition else "",
            "transition_sound": s.transition.sound if s.transition else "",
            "advance_after": s.transition.advance_after if s.transition else 0,
            "animations": [{"target": e.target, "name": e.name, "start": e.start} for e in s.animations],
            # A build by paragraph or shape by shape is one effect a step, as the expanded
            # animation pane lists them; each with its timing and options.
            "effects": len(steps),
            "steps": [step_expectation(st) for st in steps],
            "hidden": s.hidden,
            "notes": s.notes,
            "tables": [len(t.rows) for t in s.tables],
            # Each SmartArt graphic's texts in reading order: items, each followed by its sub-items.
            "diagrams": [d.texts() for d in s.diagrams],
            # Column widths in EMU: as dragged, or the placeholder's width shared out.
            "table_widths": [list(t.widths) or [(t.box or BODY_BOX)[2] // n] * n for t, n in zip(s.tables, columns)],
            "texts": _texts(p, s),
            # Whether each paragraph of the text placeholders shows a bullet (比较's headings never do).
            "bullets": {**{q.text: q.bullet for q in s.body + s.right}, **{h: False for h in s.headings if h}},
            "body_box": [s.body_box[0], round(s.body_box[1] * sy), s.body_box[2], round(s.body_box[3] * sy)]
            if s.body_box else [],
            "text_boxes": [[q.text for q in paragraphs(sh.text if isinstance(sh.text, tuple) else (sh.text,))]
                           for sh in s.shapes if sh.geometry in ("textbox", "wordart") and sh.text],
            # What the slide stands on: its own background, or its layout's, or the master's.
            "background": _fill_kind(s.background or fmt.background or p.master_background or p.look.background),
            "master_pictures": len(fmt.pictures) + (0 if fmt.hide_master_graphics else len(p.master_pictures)),
        })
    return {"slides": out, "show": p.show.kind, "loop": p.show.loop or p.show.kind == "在展台浏览",
            "custom_shows": [[name, list(n)] for name, n in p.custom_shows], "slide_size": [width, height]}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--out", required=True)
    ap.add_argument("--work", required=True)
    ap.add_argument("--renderer", required=True)
    ap.add_argument("--lame", required=True)
    ap.add_argument("--manifest", required=True)
    a = ap.parse_args()
    # Absolute: the drawings refer to the rendered pictures by path.
    out, work = pathlib.Path(a.out).resolve(), pathlib.Path(a.work).resolve()
    works = load_content()
    for d in (work,):
        shutil.rmtree(d, ignore_errors=True)
    pictures_dir, sounds_dir, slides_dir = work / "pictures", work / "sounds", work / "slides"
    for d in (pictures_dir, sounds_dir, slides_dir):
        d.mkdir(parents=True)

    pictures, sounds = used_media(works)
    with ProcessPoolExecutor() as pool:
        sound_jobs = pool.map(make_sound, [(n, sounds_dir, a.lame) for n in sounds])
        render(a.renderer, [(HERE / "pictures" / PICTURES[n][0], pictures_dir / n, PICTURES[n][1], PICTURES[n][2], False)
                            for n in pictures], work)
        list(sound_jobs)
    res = Resources(pictures_dir, sounds_dir)

    # Slides drawn as pictures, for what a presentation makes besides itself.
    slide_jobs, slide_files, slide_texts, handout_jobs = [], {}, {}, []
    for work_ in works:
        for folder in (work_.material, work_.answer):
            for name, item in folder.files.items():
                if not isinstance(item, (api.SlideImage, api.SlidesPdf)):
                    continue
                p = item.presentation
                grey = isinstance(item, api.SlidesPdf) and item.grey
                for n, s in enumerate(p.slides, 1):
                    if isinstance(item, api.SlideImage) and n != item.number:
                        continue
                    key = (id(p), n, grey)
                    if key in slide_files:
                        continue
                    svg = slides_dir / ("%d-%d%s.svg" % (len(slide_files), n, "-grey" if grey else ""))
                    texts = []
                    svg.write_text(slide_svg(p, s, n, lambda pic: str(res.path(pic)),
                                             lambda pic: PICTURES[pic][1:], texts), encoding="utf-8")
                    jpg = svg.with_suffix(".jpg")
                    slide_jobs.append((svg, jpg, 960, 720, grey))
                    slide_files[key] = jpg
                    slide_texts[key] = texts
    render(a.renderer, slide_jobs, work)
    handout_pages = {}
    for work_ in works:
        for folder in (work_.material, work_.answer):
            for name, item in folder.files.items():
                if isinstance(item, api.SlidesPdf) and item.handouts:
                    numbers = item.slides or tuple(range(1, len(item.presentation.slides) + 1))
                    svg = slides_dir / ("handout-%d.svg" % len(handout_pages))
                    svg.write_text(handout_svg([slide_files[(id(item.presentation), n, item.grey)] for n in numbers],
                                               item.handouts), encoding="utf-8")
                    handout_pages[(folder.path, name)] = svg.with_suffix(".jpg")
                    handout_jobs.append((svg, svg.with_suffix(".jpg"), 1240, 1754, item.grey))
    render(a.renderer, handout_jobs, work)

    for top in ("素材", "答案"):
        shutil.rmtree(out / top, ignore_errors=True)
    manifest = {"exercises": [], "cases": [], "files": []}
    for work_ in works:
        manifest["exercises" if work_.kind == "exercise" else "cases"].append(work_.key)
        for folder in (work_.material, work_.answer):
            base = out / folder.path  # made by its first file: no empty folder is shipped
            for name, item in folder.files.items():
                target = base / name
                target.parent.mkdir(parents=True, exist_ok=True)
                entry = {"path": folder.path + "/" + name, "role": "material" if folder is work_.material else "answer"}
                lower = name.lower()
                if isinstance(item, Presentation):
                    write_presentation(item, res, target)
                    entry.update(kind="ppsx" if lower.endswith(".ppsx") else "pptx", **slide_expectations(item))
                elif isinstance(item, Document):
                    write_document(item, target)
                    entry.update(kind="docx", paragraphs=[getattr(p, "text", p) for p in item.paragraphs])
                elif isinstance(item, Look):
                    write_thmx(item, target)
                    entry.update(kind="thmx")
                elif isinstance(item, api.SlideImage):
                    shutil.copyfile(slide_files[(id(item.presentation), item.number, False)], target)
                    entry.update(kind="picture")
                elif isinstance(item, api.SlidesPdf):
                    if item.handouts:  # a picture of the printed sheet
                        pages = [(handout_pages[(folder.path, name)].read_bytes(), 595.28, 841.89, [])]
                    else:  # a page a slide, its text over the picture; the drawing's pixels become points
                        numbers = item.slides or range(1, len(item.presentation.slides) + 1)
                        keys = [(id(item.presentation), n, item.grey) for n in numbers]
                        pages = [(slide_files[k].read_bytes(), 720.0, 540.0,
                                  [tuple(v * 0.75 for v in t[:3]) + (t[3], t[4] * 0.75) for t in slide_texts[k]])
                                 for k in keys]
                    write_pdf(pages, target, item.presentation.title)
                    # The titles its pages must yield as text (none on a printed sheet).
                    titles = [] if item.handouts else [item.presentation.slides[k[1] - 1].title for k in keys]
                    entry.update(kind="pdf", pages=len(pages), titles=titles)
                elif isinstance(item, str):
                    target.write_text(item.replace("\n", "\r\n"), encoding="utf-8-sig")
                    entry.update(kind="text")
                elif item is None and lower.endswith(PICTURE_EXT):
                    shutil.copyfile(res.path(name.rsplit("/", 1)[-1]), target)
                    entry.update(kind="picture")
                elif item is None and lower.endswith(SOUND_EXT):
                    shutil.copyfile(res.path(name.rsplit("/", 1)[-1]), target)
                    entry.update(kind="sound")
                else:
                    raise SystemExit("%s/%s: no way to make this file" % (folder.path, name))
                manifest["files"].append(entry)
    pathlib.Path(a.manifest).write_text(json.dumps(manifest, ensure_ascii=False, indent=1), encoding="utf-8")


def handout_svg(slide_jpgs, per_page):
    """An A4 page of handouts, slides in rows from left to right (水平放置)."""
    cols, rows = {1: (1, 1), 2: (1, 2), 3: (1, 3), 4: (2, 2), 6: (2, 3), 9: (3, 3)}[per_page]
    W, H = 1240, 1754
    cw, ch = (W - 160) / cols, (H - 240) / rows
    tw = min(cw - 40, (ch - 40) * 4 / 3)
    th = tw * 3 / 4
    out = ['<rect width="%d" height="%d" fill="#FFFFFF"/>' % (W, H)]
    for k in range(cols * rows):
        r, c = divmod(k, cols)
        x = 80 + c * cw + (cw - tw) / 2
        y = 120 + r * ch + (ch - th) / 2
        if k < len(slide_jpgs):
            out.append('<image x="%.1f" y="%.1f" width="%.1f" height="%.1f" xlink:href="%s"/>' % (x, y, tw, th, slide_jpgs[k]))
        out.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="none" stroke="#000000" stroke-width="1.5"/>'
                   % (x, y, tw, th) if k < len(slide_jpgs) else "")
    return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="%d" height="%d">'
            '%s</svg>') % (W, H, "".join(out))


if __name__ == "__main__":
    main()
