"""Theme files (.thmx) held to what the program saves: the theme with its slide master and
layouts, related and typed, and shown by the answers that apply it."""
import posixpath
import xml.etree.ElementTree as ET
import zipfile

import diagram_parts

OOXML = "application/vnd.openxmlformats-officedocument."
# A theme file as the program saves it: the package leads to the theme manager, that to
# the theme, the theme to its slide master (relationship, content type of the target).
THEME_CHAIN = (("officeDocument", OOXML + "themeManager+xml"), ("theme", OOXML + "theme+xml"),
               ("slideMaster", OOXML + "presentationml.slideMaster+xml"))
NS = diagram_parts.NS


def related(z, part):
    """{id: (the relationship type's last word, the target part)} of a part ("" for the package)."""
    folder, _, base = part.rpartition("/")
    rels = posixpath.join(folder, "_rels", base + ".rels")
    if rels not in z.namelist():
        return {}
    return {r.get("Id"): (r.get("Type").rsplit("/", 1)[1], posixpath.normpath(posixpath.join(folder, r.get("Target"))))
            for r in ET.fromstring(z.read(rels)).findall("rel:Relationship", NS)}


def layouts_of(z, master):
    """The relationships (type, part) of the layouts a master lists, in its order."""
    rels = related(z, master)
    return [rels.get(i.get(diagram_parts.q("r:id")), ("", ""))
            for i in ET.fromstring(z.read(master)).iterfind("p:sldLayoutIdLst/p:sldLayoutId", NS)]


def master_look(z, master):
    """What a master and its layouts show of their look, by the layout's name ("" for the
    master): the background and the shapes drawn on them that are no placeholders."""
    out = {}
    for part in [master] + [t for _, t in layouts_of(z, master)]:
        page = ET.fromstring(z.read(part)).find("p:cSld", NS)
        drawn = [page.find("p:bg", NS)] + page.findall("p:spTree/*", NS)[2:]  # after the group's own properties
        out["" if part == master else page.get("name")] = [
            ET.tostring(e) for e in drawn if e is not None and e.find("*/p:nvPr/p:ph", NS) is None]
    return out


def problems(path, answers):
    """A theme file holds what the program saves: the package leads to the theme manager,
    that to the theme, the theme to a slide master, the master to the theme and to the
    layouts it lists, each layout back to the master, every part typed as what it is and
    none left out; and every answer presentation on its theme (by name) shows its master:
    the same background and decorations on the master and on each layout. LibreOffice
    opens a theme file only as an empty presentation of its own, so this is read from
    the parts."""
    with zipfile.ZipFile(path) as z:
        if z.testzip() is not None:
            return ["a damaged zip"]
        names = set(z.namelist())
        types = {o.get("PartName")[1:]: o.get("ContentType")
                 for o in ET.fromstring(z.read("[Content_Types].xml")).findall("ct:Override", NS)}
        chain, part = [], ""
        for rel, content_type in THEME_CHAIN:
            targets = [t for kind, t in related(z, part).values() if kind == rel]
            if len(targets) != 1 or targets[0] not in names or types.get(targets[0]) != content_type:
                return ["%s leads to %s by %s, not to one part of %s" % (part or "the package", targets, rel, content_type)]
            part = targets[0]
            chain.append(part)
        theme, master = chain[1], chain[2]
        out = [] if ("theme", theme) in related(z, master).values() else [master + " is not related to the theme"]
        layouts = layouts_of(z, master)
        if not layouts:
            out.append(master + " lists no layouts")
        for kind, layout in layouts:
            if kind != "slideLayout" or layout not in names or \
                    types.get(layout) != OOXML + "presentationml.slideLayout+xml":
                out.append("%s lists %r, not a layout" % (master, layout))
            elif ("slideMaster", master) not in related(z, layout).values():
                out.append(layout + " is not related to the master")
        left_out = {n for n in names if not n.endswith(".rels")} - {"[Content_Types].xml"} - set(chain) - \
            {t for _, t in layouts} - {t for _, t in related(z, "").values()}
        if left_out:
            out.append("parts outside the chain: %s" % sorted(left_out))
        if out:
            return out
        name = ET.fromstring(z.read(theme)).get("name")
        look = master_look(z, master)
    applied = 0
    for answer in answers:
        with zipfile.ZipFile(answer) as p:
            parts = {kind: t for kind, t in related(p, "ppt/presentation.xml").values()}
            if ET.fromstring(p.read(parts["theme"])).get("name") != name:
                continue
            applied += 1
            shown = master_look(p, parts["slideMaster"])
            out += ["%s: %s shows other than the theme's" % (answer.name, where or "the master")
                    for where in look if shown.get(where) != look[where]]
    return out if applied else ["no answer presentation is on its theme " + name]
