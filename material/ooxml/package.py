"""A package is a zip of XML parts. Written with one fixed timestamp, fixed
permissions and the parts in the order they were added, so that the same model gives
the same bytes on every build."""
import zipfile
from xml.sax.saxutils import escape, quoteattr

# 1980-01-01, the earliest time a zip entry can hold: no build date leaks into a file.
FIXED_TIME = (1980, 1, 1, 0, 0, 0)

CT_RELS = "application/vnd.openxmlformats-package.relationships+xml"
CT_CORE = "application/vnd.openxmlformats-package.core-properties+xml"
CT_APP = "application/vnd.openxmlformats-officedocument.extended-properties+xml"
R = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
R_CORE = "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties"
R_MEDIA = "http://schemas.microsoft.com/office/2007/relationships/media"

MEDIA_TYPES = {
    "jpg": "image/jpeg",
    "jpeg": "image/jpeg",
    "png": "image/png",
    "mp3": "audio/mpeg",
    "wav": "audio/wav",
}

XML_HEAD = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'


def text(value):
    """Escapes character data."""
    return escape(str(value))


def attr(value):
    """A quoted, escaped attribute value."""
    return quoteattr(str(value))


class Package:
    """Parts by name, with their content types and relationships."""

    def __init__(self):
        self._parts = []  # (name, bytes) in the order added
        self._overrides = {}  # part name -> content type
        self._defaults = {"rels": CT_RELS, "xml": "application/xml"}
        self._rels = {}  # source part ("" for the package) -> [(id, type, target, external)]

    def add(self, name, data, content_type=None):
        if isinstance(data, str):
            data = data.encode("utf-8")
        if any(n == name for n, _ in self._parts):
            raise ValueError("part added twice: " + name)
        self._parts.append((name, data))
        if content_type:
            self._overrides[name] = content_type
        else:
            ext = name.rsplit(".", 1)[-1].lower()
            if ext not in self._defaults:
                self._defaults[ext] = MEDIA_TYPES[ext]

    def has(self, name):
        return any(n == name for n, _ in self._parts)

    def relate(self, source, rel_type, target, external=False):
        """Adds a relationship from a part ("" for the package) and returns its id."""
        rels = self._rels.setdefault(source, [])
        for rid, t, tg, ext in rels:
            if t == rel_type and tg == target and ext == external:
                return rid
        rid = "rId%d" % (len(rels) + 1)
        rels.append((rid, rel_type, target, external))
        return rid

    def _rels_part(self, source):
        if source == "":
            return "_rels/.rels"
        folder, _, base = source.rpartition("/")
        return (folder + "/" if folder else "") + "_rels/" + base + ".rels"

    def write(self, path):
        out = [("[Content_Types].xml", self._content_types())]
        for name, data in self._parts:
            out.append((name, data))
        for source in self._rels:
            out.append((self._rels_part(source), self._rels_xml(source)))
        with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as z:
            for name, data in out:
                info = zipfile.ZipInfo(name, FIXED_TIME)
                info.compress_type = zipfile.ZIP_DEFLATED
                info.external_attr = 0o644 << 16
                info.create_system = 3
                z.writestr(info, data)

    def _content_types(self):
        s = [XML_HEAD, '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">']
        for ext in sorted(self._defaults):
            s.append('<Default Extension=%s ContentType=%s/>' % (attr(ext), attr(self._defaults[ext])))
        for name, ct in self._overrides.items():
            s.append('<Override PartName=%s ContentType=%s/>' % (attr("/" + name), attr(ct)))
        s.append("</Types>")
        return "".join(s).encode("utf-8")

    def _rels_xml(self, source):
        s = [XML_HEAD, '<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">']
        for rid, t, target, external in self._rels[source]:
            mode = ' TargetMode="External"' if external else ""
            s.append('<Relationship Id=%s Type=%s Target=%s%s/>' % (attr(rid), attr(t), attr(target), mode))
        s.append("</Relationships>")
        return "".join(s).encode("utf-8")


def core_properties(title, creator="PowerPoint 上机考试辅导"):
    # Fixed dates: the files are the same on every build.
    return (XML_HEAD +
            '<cp:coreProperties xmlns:cp="http://schemas.openxmlformats.org/package/2006/metadata/core-properties" '
            'xmlns:dc="http://purl.org/dc/elements/1.1/" xmlns:dcterms="http://purl.org/dc/terms/" '
            'xmlns:dcmitype="http://purl.org/dc/dcmitype/" xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">'
            '<dc:title>%s</dc:title><dc:creator>%s</dc:creator><cp:lastModifiedBy>%s</cp:lastModifiedBy>'
            '<cp:revision>1</cp:revision>'
            '<dcterms:created xsi:type="dcterms:W3CDTF">2024-01-01T00:00:00Z</dcterms:created>'
            '<dcterms:modified xsi:type="dcterms:W3CDTF">2024-01-01T00:00:00Z</dcterms:modified>'
            '</cp:coreProperties>') % (text(title), text(creator), text(creator))


def add_core(package, title, app_xml):
    package.add("docProps/core.xml", core_properties(title), CT_CORE)
    package.add("docProps/app.xml", app_xml, CT_APP)
    package.relate("", R_CORE, "docProps/core.xml")
    package.relate("", R + "extended-properties", "docProps/app.xml")
