"""A PDF of JPEG pages, each page one picture: what publishing or printing a presentation
gives, drawn by our own slide renderer. Written by hand, with no dates, so that it is the
same on every build."""
import struct


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
    """pages: [(jpeg bytes, page width pt, page height pt)]."""
    objects = []

    def add(body):
        objects.append(body)
        return len(objects)

    catalog = add(None)
    tree = add(None)
    kids = []
    for data, pw, ph in pages:
        w, h, comps = jpeg_size(data)
        space = "/DeviceGray" if comps == 1 else "/DeviceRGB"
        image = add(b"<< /Type /XObject /Subtype /Image /Width %d /Height %d /ColorSpace %s /BitsPerComponent 8 "
                    b"/Filter /DCTDecode /Length %d >>\nstream\n" % (w, h, space.encode(), len(data)) + data +
                    b"\nendstream")
        content = b"q %.2f 0 0 %.2f 0 0 cm /Im0 Do Q" % (pw, ph)
        stream = add(b"<< /Length %d >>\nstream\n" % len(content) + content + b"\nendstream")
        kids.append(add(b"<< /Type /Page /Parent %d 0 R /MediaBox [0 0 %.2f %.2f] /Resources << /XObject << /Im0 %d 0 R >> >> "
                        b"/Contents %d 0 R >>" % (tree, pw, ph, image, stream)))
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
