"""A slide drawn as SVG, as the presentation program would show it, for what it makes
of a presentation besides the file itself: slides saved as pictures, a published PDF,
a printed handout. The layout of text is our own approximation of the program's."""
from xml.sax.saxutils import escape

import dataclasses

from .model import P, paragraphs
from .pptx import fit_picture
from .pptx_master import BODY_BOX, LAYOUTS, LAYOUT_INDEX, LEFT_BOX, RIGHT_BOX, TITLE_BOX
from .theme import Gradient, PictureFill, Solid

EMU_PX = 9525  # at 96 dots an inch
W, H = 960, 720
FONT = "Noto Sans CJK SC"


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


def char_width(c, size):
    return size * (0.55 if ord(c) < 0x2E80 else 1.0)


def wrap(text, size, width):
    lines, line, w = [], "", 0.0
    for c in text:
        cw = char_width(c, size)
        if w + cw > width and line:
            lines.append(line)
            line, w = "", 0.0
        line += c
        w += cw
    if line:
        lines.append(line)
    return lines or [""]


def text_block(out, paras, box, size, colour, bullets, centre=False, bold=False, anchor_middle=False):
    x, y, w, h = (px(v) for v in box)
    rows = []
    for p in paras:
        p = p if isinstance(p, P) else P(p)
        s = (p.size or size) * 96 / 72 * (0.85 ** p.level)
        bullet = bullets and p.bullet
        indent = (36 if bullet else 0) + p.level * 36
        for k, line in enumerate(wrap(p.text, s, w - indent - 8)):
            rows.append((line, s, indent, bullet and k == 0, p.bold or bold, p.color or colour))
    total = sum(r[1] * 1.3 for r in rows)
    cy = y + (h - total) / 2 if anchor_middle else y + 6
    for line, s, indent, bullet, b, col in rows:
        cy += s * 1.15
        if bullet:
            out.append('<text x="%.1f" y="%.1f" font-family="%s" font-size="%.1f" fill="#%s">•</text>'
                       % (x + indent - 30, cy, FONT, s, col))
        if centre:
            out.append('<text x="%.1f" y="%.1f" font-family="%s" font-size="%.1f" fill="#%s" text-anchor="middle"%s>%s</text>'
                       % (x + w / 2, cy, FONT, s, col, ' font-weight="bold"' if b else "", escape(line)))
        else:
            out.append('<text x="%.1f" y="%.1f" font-family="%s" font-size="%.1f" fill="#%s"%s>%s</text>'
                       % (x + indent, cy, FONT, s, col, ' font-weight="bold"' if b else "", escape(line)))
        cy += s * 0.15


def slide_svg(presentation, slide, number, picture_path, picture_size):
    """picture_path(name) -> a file the renderer can read; picture_size(name) -> (w, h) in pixels."""
    look = presentation.look
    defs, out = [], []
    bg = slide.background or presentation.master_background or look.background
    if isinstance(bg, PictureFill):
        out.append('<image x="0" y="0" width="%d" height="%d" preserveAspectRatio="none" xlink:href="%s"/>'
                   % (W, H, escape(picture_path(bg.picture))))
    else:
        out.append('<rect width="%d" height="%d" fill="%s"/>' % (W, H, _fill(bg, defs, "bg", picture_path)))
    layout = LAYOUTS[LAYOUT_INDEX[slide.layout]][1]
    decorations = list(look.decorations) + (list(look.title_decorations) if layout == "title" else [])
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
    title_colour = look.title_color or look.dark1
    body_colour = look.body_color or look.dark1
    if layout == "title":
        text_block(out, [P(slide.title)] if slide.title else [], (685800, 2130425, 7772400, 1470025), 44,
                   title_colour, False, centre=True, anchor_middle=True)
        text_block(out, slide.subtitle, (1371600, 3886200, 6400800, 1752600), 24, body_colour, False, centre=True)
    elif layout != "blank":
        text_block(out, [P(slide.title)] if slide.title else [], TITLE_BOX, 40, title_colour, False, centre=True,
                   anchor_middle=True)
    if layout in ("obj", "secHead"):
        text_block(out, slide.body, BODY_BOX, slide.body_size or 28, body_colour, True)
    elif layout == "twoObj":
        text_block(out, slide.body, LEFT_BOX, slide.body_size or 24, body_colour, True)
        text_block(out, slide.right, RIGHT_BOX, slide.body_size or 24, body_colour, True)
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
                    out.append('<text x="%.1f" y="%.1f" font-family="%s" font-size="18" fill="#%s">%s</text>'
                               % (x + c * cw + 8, y + r * rh + 26, FONT, "FFFFFF" if r == 0 else "000000", escape(row[c])))
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
            text_block(out, [dataclasses.replace(p, size=p.size or s.size, bold=p.bold or s.bold, color=p.color or s.color or
                                                 ("FFFFFF" if s.geometry != "textbox" else "")) for p in paras],
                       s.box, s.size or 18, body_colour, False,
                       centre=s.geometry != "textbox", anchor_middle=s.geometry != "textbox")
    if slide.slide_number:
        out.append('<text x="%.1f" y="%.1f" font-family="%s" font-size="16" fill="#808080" text-anchor="end">%d</text>'
                   % (px(8686800), px(6600000), FONT, number))
    if slide.footer:
        out.append('<text x="480" y="%.1f" font-family="%s" font-size="16" fill="#808080" text-anchor="middle">%s</text>'
                   % (px(6600000), FONT, escape(slide.footer)))
    body = "".join(out)
    return ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="%d" height="%d" '
            'viewBox="0 0 %d %d"><defs>%s</defs>%s</svg>') % (W, H, W, H, "".join(defs), body)

