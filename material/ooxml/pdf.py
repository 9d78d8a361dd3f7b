"""A PDF of JPEG pages, each page one picture: what publishing or printing a presentation
gives, drawn by our own slide renderer, with the slides' text laid invisibly over the
pictures so that it can be selected, searched and copied as in a PDF the program
publishes. Written by hand, with no dates, so that it is the same on every build."""
import struct

# The text's font is not embedded: a Chinese font every PDF reader has or substitutes,
# addressed by Unicode through the predefined CMap, with a ToUnicode map for extraction.
FONT = (b"<< /Type /Font /Subtype /Type0 /BaseFont /STSong-Light /Encoding /UniGB-UCS2-H "
        b"/DescendantFonts [<< /Type /Font /Subtype /CIDFontType0 /BaseFont /STSong-Light "
        b"/CIDSystemInfo << /Registry (Adobe) /Ordering (GB1) /Supplement 2 >> /FontDescriptor %d 0 R "
        b"/DW 1000 /W [1 95 500] >>] /ToUnicode %d 0 R >>")
DESCRIPTOR = (b"<< /Type /FontDescriptor /FontName /STSong-Light /Flags 6 /FontBBox [-25 -254 1000 880] "
              b"/ItalicAngle 0 /Ascent 880 /Descent -120 /CapHeight 880 /StemV 93 >>")


def _to_unicode(high_bytes):
    """Codes are UCS-2: each maps to itself, in ranges that keep to one high byte."""
    ranges = [b"<%02X00> <%02XFF> <%02X00>" % (h, h, h) for h in sorted(high_bytes)]
    body = (b"/CIDInit /ProcSet findresource begin 12 dict begin begincmap /CIDSystemInfo << /Registry (Adobe) "
            b"/Ordering (UCS) /Supplement 0 >> def /CMapName /Adobe-Identity-UCS def /CMapType 2 def\n"
            b"1 begincodespacerange <0000> <FFFF> endcodespacerange\n")
    for k in range(0, len(ranges), 100):
        chunk = ranges[k:k + 100]
        body += b"%d beginbfrange\n%s\nendbfrange\n" % (len(chunk), b"\n".join(chunk))
    return body + b"endcmap CMapName currentdict /CMap defineresource pop end end"


def _text_layer(texts, page_height):
    """Invisible text (render mode 3), each line stretched to the width it has in the picture."""
    ops = []
    for left, baseline, size, line, width in texts:
        natural = sum(500 if 0x20 <= ord(c) <= 0x7E else 1000 for c in line) * size / 1000
        ops.append(b"/T1 %.2f Tf %.2f Tz 1 0 0 1 %.2f %.2f Tm <%s> Tj" % (
            size, 100 * width / natural, left, page_height - baseline, line.encode("utf-16-be").hex().upper().encode()))
    return b" BT 3 Tr " + b" ".join(ops) + b" ET" if ops else b""


def jpeg_size(data):
    i = 2
    while i < len(data):
        marker, length = data[i + 1], struct.unpack(">H", data[i + 2:i + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            h, w = struct.unpack(">HH", data[i + 5:i + 9])
            components = data[i + 9]
            return w, h, components
        i += 2 + length
    raise ValueError("not a JPEG")


def write_pdf(pages, path, title):
    """pages: [(jpeg bytes, page width pt, page height pt, texts)], texts the lines drawn on
    the page as (left, baseline from the top, size, text, width) in points."""
    objects = []

    def add(body):
        objects.append(body)
        return len(objects)

    catalog = add(None)
    tree = add(None)
    lines = [t[3] for page in pages for t in page[3]]
    font = None
    if lines:
        descriptor = add(DESCRIPTOR)
        cmap = _to_unicode({ord(c) >> 8 for line in lines for c in line})
        to_unicode = add(b"<< /Length %d >>\nstream\n" % len(cmap) + cmap + b"\nendstream")
        font = add(FONT % (descriptor, to_unicode))
    kids = []
    for data, pw, ph, texts in pages:
        w, h, comps = jpeg_size(data)
        space = "/DeviceGray" if comps == 1 else "/DeviceRGB"
        image = add(b"<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace %s /BitsPerComponent 8 "
                    b"/Filter /DCTDecode /Length %d >>\nstream\n" % (w, h, space.encode(), len(data)) + data +
                    b"\nendstream")
        content = b"q %.2f 0 0 %.2f 0 0 cm /Im0 Do Q" % (pw, ph) + _text_layer(texts, ph)
        stream = add(b"<< /Length %d >>\nstream\n" % len(content) + content + b"\nendstream")
        fonts = b" /Font << /T1 %d 0 R >>" % font if texts else b""
        kids.append(add(b"<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %.2f %.2f] /Resources << /XObject << /Im0 %d 0 R >>%s >> "
                        b"/Contents %d 0 R >>" % (tree, pw, ph, image, fonts, stream)))
    objects[catalog - 1] = b"<< /Type /Catalog /Pages %d 0 R >>" % tree
    objects[tree - 1] = b"<< /Type /Pages /Kids [%s] /Count %d >>" % (
        b" ".join(b"%d 0 R" % k for k in kids), len(kids))
    title_hex = ("FEFF" + title.encode("utf-16-be").hex().upper()).encode()
    info = add(b"<< /Title <%s> /Producer (ppt-trainer material) >>" % title_hex)
    out = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
    offsets = []
    for k, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % k + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n \n" % o for o in offsets)
    out += b"trailer\n<< /Size %d /Root %d 0 R /Info %d 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (
        len(objects) + 1, catalog, info, xref)
    with open(path, "wb") as f:
        f.write(out)
