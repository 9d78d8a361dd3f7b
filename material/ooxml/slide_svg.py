"""A slide drawn as SVG, as the presentation program would show it, for what it makes
of a presentation besides the file itself: slides saved as pictures, a published PDF,
a printed handout. The layout of text is our own approximation of the program's."""
from xml.sax.saxutils import escape

import dataclasses

from .model import LayoutFormat, P, TextStyle, paragraphs
from .pptx import fit_picture
from .pptx_master import BODY_BOX, LAYOUTS, LAYOUT_INDEX, LEFT_BOX, RIGHT_BOX, TITLE_BOX, layout_decorations
from .theme import Gradient, PictureFill, Solid

EMU_PX = 9525  # at 96 dots an inch
W, H = 960, 720
FONT = "Noto Sans CJK SC"
BULLET_FONT = "Arial"  # the master's bullets name it; fontconfig picks what stands for it
INSET = 91440  # a placeholder's left inset, where a paragraph of level 1 starts its bullet


def px(v):
    return v / EMU_PX


def _fill(fill, defs, key, picture_path):
    if isinstance(fill, Solid):
        return "#" + fill.color
    if isinstance(fill, Gradient):
        import math
        a = math.radians(fill.angle)
        x2, y2 = 0.5 + 0.5 * math.cos(a), 0.5 + 0.5 * math.sin(a)
        stops = "".join('<stop offset="%d%%" stop-color="#%s"/>' % (p, c) for p, c in fill.stops)
        defs.append('<linearGradient id="%s" x1="%.3f" y1="%.3f" x2="%.3f" y2="%.3f">%s</linearGradient>'
                    % (key, 1 - x2, 1 - y2, x2, y2, stops))
        return "url(#%s)" % key
    return "#FFFFFF"


def scheme_colour(look, value):
    """RRGGBB of a colour given as RRGGBB or as a name of the look's colour scheme."""
    names = {"tx1": look.dark1, "dk1": look.dark1, "tx2": look.dark2, "dk2": look.dark2, "bg1": look.light1,
             "lt1": look.light1, "bg2": look.light2, "lt2": look.light2, "hlink": look.hlink,
             "folHlink": look.fol_hlink}
    names.update(("accent%d" % (k + 1), c) for k, c in enumerate(look.accents))
    return names.get(value, value)


def text_colours(presentation, slide):
    """The colours of the title, the subtitle and the body text, as the master's styles and
    the slide's layout give them: the subtitle placeholder of 标题幻灯片 sets tx2."""
    look = presentation.look
    fmt = presentation.layouts.get(slide.layout) or LayoutFormat()
    master_title = (presentation.master_title or TextStyle()).color or look.title_color or look.dark1
    master_body = (presentation.master_body or TextStyle()).color or look.body_color or look.dark1
    return tuple(scheme_colour(look, c) for c in (fmt.title.color or master_title, fmt.body.color or look.dark2,
                                                   fmt.body.color or master_body))


def _text(out, texts, x, y, size, colour, line, anchor="start", bold=False, family=FONT):
    """One line of text; `texts` (when kept) gets its left edge, baseline, size and width."""
    out.append('<text x="%.1f" y="%.1f" font-family="%s" font-size="%.1f" fill="#%s"%s%s>%s</text>'
               % (x, y, family, size, colour, ' text-anchor="%s"' % anchor if anchor != "start" else "",
                  ' font-weight="bold"' if bold else "", escape(line)))
    if texts is not None and line.strip():
        width = sum(char_width(c, size) for c in line)
        left = x - {"start": 0, "middle": width / 2, "end": width}[anchor]
        texts.append((left, y, size, line, width))


FULL_WIDTH = "\u2014\u2018\u2019\u201c\u201d\u2026"  # —‘’“”…: below the CJK block, drawn full width in Chinese text


def char_width(c, size):
    return size * (0.55 if ord(c) < 0x2E80 and c not in FULL_WIDTH else 1.0)


CLOSING = "，。、；：？！）》」』”’,.;:?!)%"  # no line starts with these: they hang past the edge
OPENING = "（《「『“‘("  # nor ends with these: they go down with what they open


def wrap(text, size, width):
    lines, line, w = [], "", 0.0
    for c in text:
        cw = char_width(c, size)
        if w + cw > width and line and c not in CLOSING:
            carried = ""
            while len(line) > 1 and line[-1] in OPENING:
                carried, line = line[-1] + carried, line[:-1]
            lines.append(line)
            line, w = carried, sum(char_width(k, size) for k in carried)
        line += c
        w += cw
    if line:
        lines.append(line)
    return lines or [""]


def text_block(out, texts, paras, box, size, colour, bullets, centre=False, bold=False, anchor_middle=False):
    x, y, w, h = (px(v) for v in box)
    rows = []
    for p in paras:
        p = p if isinstance(p, P) else P(p)
        s = (p.size or size) * 96 / 72 * (0.85 ** p.level)
        bullet = bullets and p.bullet
        # The master's levels: each level half an inch further in, its text a hanging
        # indent of 0.375 inch after the bullet; "•" and "–" take turns by level.
        indent = px(INSET) + p.level * px(457200) + (px(342900) if bullet else 0)
        mark = ("–" if p.level % 2 else "•") if bullet else ""
        for k, line in enumerate(wrap(p.text, s, w - indent - 8)):
            rows.append((line, s, indent, mark if k == 0 else "", p.bold or bold, p.color or colour))
    total = sum(r[1] * 1.3 for r in rows)
    cy = y + (h - total) / 2 if anchor_middle else y + 6
    for line, s, indent, mark, b, col in rows:
        cy += s * 1.15
        if mark:
            _text(out, None, x + indent - px(342900), cy, s, col, mark, family=BULLET_FONT)
        if centre:
            _text(out, texts, x + w / 2, cy, s, col, line, "middle", b)
        else:
            _text(out, texts, x + indent, cy, s, col, line, bold=b)
        cy += s * 0.15


def slide_svg(presentation, slide, number, picture_path, picture_size, texts=None):
    """picture_path(name) -> a file the renderer can read; picture_size(name) -> (w, h) in pixels.
    texts: a list that gets each line of text drawn, as (left, baseline, size, text, width)
    in pixels, for a PDF's text layer."""
    look = presentation.look
    defs, out = [], []
    bg = slide.background or presentation.master_background or look.background
    if isinstance(bg, PictureFill):
        out.append('<image x="0" y="0" width="%d" height="%d" preserveAspectRatio="none" xlink:href="%s"/>'
                   % (W, H, escape(picture_path(bg.picture))))
    else:
        out.append('<rect width="%d" height="%d" fill="%s"/>' % (W, H, _fill(bg, defs, "bg", picture_path)))
    layout = LAYOUTS[LAYOUT_INDEX[slide.layout]][1]
    shown, own = layout_decorations(look, slide.layout, presentation.layouts.get(slide.layout) or LayoutFormat())
    decorations = shown + own
    for k, d in enumerate(decorations):
        fill = _fill(d.fill, defs, "d%d" % k, picture_path)
        x, y, w, h = (px(v) for v in d.box)
        op = ' fill-opacity="%.2f"' % (d.alpha / 100) if d.alpha < 100 else ""
        if d.geometry == "path":
            pts = " ".join("%.1f,%.1f" % (x + w * a / 100000, y + h * b / 100000) for a, b in d.path)
            out.append('<polygon points="%s" fill="%s"%s/>' % (pts, fill, op))
        elif d.geometry == "ellipse":
            out.append('<ellipse cx="%.1f" cy="%.1f" rx="%.1f" ry="%.1f" fill="%s"%s/>' % (x + w / 2, y + h / 2, w / 2, h / 2, fill, op))
        else:
            out.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="%s"%s/>' % (x, y, w, h, fill, op))
    title_colour, subtitle_colour, body_colour = text_colours(presentation, slide)
    if layout == "title":
        text_block(out, texts, [P(slide.title)] if slide.title else [], (685800, 2130425, 7772400, 1470025), 44,
                   title_colour, False, centre=True, anchor_middle=True)
        text_block(out, texts, slide.subtitle, (1371600, 3886200, 6400800, 1752600), 24, subtitle_colour, False,
                   centre=True)
    elif layout != "blank":
        text_block(out, texts, [P(slide.title)] if slide.title else [], TITLE_BOX, 40, title_colour, False,
                   centre=True, anchor_middle=True)
    if layout in ("obj", "secHead"):
        text_block(out, texts, slide.body, BODY_BOX, slide.body_size or 28, body_colour, True)
    elif layout == "twoObj":
        text_block(out, texts, slide.body, LEFT_BOX, slide.body_size or 24, body_colour, True)
        text_block(out, texts, slide.right, RIGHT_BOX, slide.body_size or 24, body_colour, True)
    for pic in slide.pictures:
        box = pic.box or fit_picture(pic, picture_size(pic.name),
                                     {"body": BODY_BOX, "left": LEFT_BOX, "right": RIGHT_BOX}.get(pic.into, BODY_BOX))
        x, y, w, h = (px(v) for v in box)
        out.append('<image x="%.1f" y="%.1f" width="%.1f" height="%.1f" preserveAspectRatio="none" xlink:href="%s"/>'
                   % (x, y, w, h, escape(picture_path(pic.name))))
    for table in slide.tables:
        x, y, w, _ = (px(v) for v in (table.box or BODY_BOX))
        cols = max(len(r) for r in table.rows)
        cw, rh = w / cols, 370840 / EMU_PX
        for r, row in enumerate(table.rows):
            for c in range(cols):
                fill = "#" + (look.accents[1] if r == 0 else "F2F2F2" if r % 2 else "E6E6E6")
                out.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="%s" stroke="#FFFFFF"/>'
                           % (x + c * cw, y + r * rh, cw, rh, fill))
                if c < len(row) and row[c]:
                    _text(out, texts, x + c * cw + 8, y + r * rh + 26, 18, "FFFFFF" if r == 0 else "000000", row[c])
    for s in slide.shapes:
        x, y, w, h = (px(v) for v in s.box)
        if s.path:
            pts = " ".join("%.1f,%.1f" % (x + w * a / 100000, y + h * b / 100000) for a, b in s.path)
            out.append('<polyline points="%s" fill="none" stroke="#%s" stroke-opacity="%.2f" stroke-width="%.1f" '
                       'stroke-linecap="round"/>' % (pts, s.line or "FFFF00", s.alpha / 100, px(s.line_width or 76200)))
            continue
        if s.geometry not in ("textbox", "wordart"):
            fill = s.fill or look.accents[0]
            rx = 12 if s.geometry == "roundRect" else 4 if s.geometry.startswith("actionButton") else 0
            if s.geometry == "rightArrow":
                out.append('<polygon points="%.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f %.1f,%.1f" fill="#%s"/>'
                           % (x, y + h * .3, x + w * .6, y + h * .3, x + w * .6, y, x + w, y + h / 2, x + w * .6, y + h,
                              x + w * .6, y + h * .7, x, y + h * .7, fill))
            else:
                out.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" rx="%d" fill="#%s"/>' % (x, y, w, h, rx, fill))
            if s.geometry == "actionButtonHome":
                cx, cy, r = x + w / 2, y + h / 2, min(w, h) * 0.3
                out.append('<polygon points="%.1f,%.1f %.1f,%.1f %.1f,%.1f" fill="#FFFFFF"/>' % (cx - r, cy, cx, cy - r, cx + r, cy))
                out.append('<rect x="%.1f" y="%.1f" width="%.1f" height="%.1f" fill="#FFFFFF"/>' % (cx - r * .65, cy, r * 1.3, r * .8))
        if s.text:
            paras = paragraphs(s.text if isinstance(s.text, tuple) else (s.text,))
            text_block(out, texts, [dataclasses.replace(p, size=p.size or s.size, bold=p.bold or s.bold, color=p.color or s.color or
                                                 ("FFFFFF" if s.geometry != "textbox" else "")) for p in paras],
                       s.box, s.size or 18, body_colour, False,
                       centre=s.geometry != "textbox", anchor_middle=s.geometry != "textbox")
    if slide.slide_number:
        _text(out, texts, px(8686800), px(6600000), 16, "808080", str(number), "end")
    if slide.footer:
        _text(out, texts, 480, px(6600000), 16, "808080", slide.footer, "middle")
    body = "".join(out)
    # xml:space="preserve": the renderer would otherwise fold the ideographic space (U+3000)
    # between phrases into one narrow space, as it folds runs of white space.
    return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" xml:space="preserve" '
            'width="%d" height="%d" viewBox="0 0 %d %d"><defs>%s</defs>%s</svg>') % (W, H, W, H, "".join(defs), body)

