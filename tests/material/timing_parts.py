"""Checks the animations of a presentation package where LibreOffice does not read them as
PowerPoint does: every element of a slide's timing tree in the place and order the
PresentationML schema gives it, with only the attributes the schema knows and the values
it allows (a stray attribute makes PowerPoint repair the file); and each SmartArt graphic
built one shape at a time (逐个) with a step for every drawn shape of its data model, in
reading order, as LibreOffice animates only the whole graphic.

    problems(zip_file) -> {kind of claim: [problem, …]}"""
import re
import xml.etree.ElementTree as ET

from diagram_parts import NS, any_of, q, seq, short

BEHAVIOURS = ("p:anim", "p:animClr", "p:animEffect", "p:animMotion", "p:animRot", "p:animScale", "p:cmd", "p:set")
NODES = ("p:par", "p:seq", "p:excl", "p:audio", "p:video") + BEHAVIOURS
VALUES = "p:boolVal|p:intVal|p:fltVal|p:strVal|p:clrVal"
COLOURS = "a:scrgbClr|a:srgbClr|a:hslClr|a:sysClr|a:schemeClr|a:prstClr"
CONDITIONS = seq("p:cond!")
MODEL = {q(k): v for k, v in {
    "p:timing": seq("p:tnLst", "p:bldLst", "p:extLst"),
    "p:tnLst": seq("p:par!"),
    "p:par": seq("p:cTn!"),
    "p:seq": seq("p:cTn!", "p:prevCondLst", "p:nextCondLst"),
    "p:cTn": seq("p:stCondLst", "p:endCondLst", "p:endSync", "p:iterate", "p:childTnLst", "p:subTnLst"),
    "p:childTnLst": any_of(*NODES),
    "p:subTnLst": any_of(*NODES),
    "p:stCondLst": CONDITIONS, "p:endCondLst": CONDITIONS, "p:prevCondLst": CONDITIONS, "p:nextCondLst": CONDITIONS,
    "p:cond": seq("p:tgtEl|p:tn|p:rtn"),
    "p:iterate": seq("p:tmAbs|p:tmPct!"),
    "p:cBhvr": seq("p:cTn!", "p:tgtEl!", "p:attrNameLst"),
    "p:attrNameLst": seq("p:attrName!"),
    "p:tgtEl": seq("p:sldTgt|p:sndTgt|p:spTgt|p:inkTgt!"),
    "p:spTgt": seq("p:bg|p:subSp|p:oleChartEl|p:txEl|p:graphicEl"),
    "p:txEl": seq("p:charRg|p:pRg!"),
    "p:graphicEl": seq("a:dgm|a:chart!"),
    "p:set": seq("p:cBhvr!", "p:to"),
    "p:anim": seq("p:cBhvr!", "p:tavLst"),
    "p:tavLst": seq("p:tav!"),
    "p:tav": seq("p:val"),
    "p:val": seq(VALUES + "!"),
    "p:animEffect": seq("p:cBhvr!", "p:progress"),
    "p:animScale": seq("p:cBhvr!", "p:by", "p:from", "p:to"),
    "p:animRot": seq("p:cBhvr!"),
    "p:animMotion": seq("p:cBhvr!", "p:by", "p:from", "p:to", "p:rCtr"),
    "p:animClr": seq("p:cBhvr!", "p:by", "p:from", "p:to"),
    "p:cmd": seq("p:cBhvr!"),
    "p:audio": seq("p:cMediaNode!"),
    "p:cMediaNode": seq("p:cTn!", "p:tgtEl!"),
    "p:bldLst": any_of("p:bldP", "p:bldDgm", "p:bldOleChart", "p:bldGraphic"),
    "p:bldGraphic": seq("p:bldAsOne|p:bldSub!"),
    "p:bldSub": seq("a:bldDgm|a:bldChart!"),
}.items()}
# The value a behaviour goes to: a variant for set and anim, a colour for animClr.
TO = {q("p:set"): seq(VALUES + "!"), q("p:animClr"): seq(COLOURS + "!")}
ATTRIBUTES = {q(k): set(v.split()) for k, v in {
    "p:cTn": "id presetID presetClass presetSubtype dur repeatCount repeatDur spd accel decel autoRev restart fill "
             "syncBehavior tmFilter evtFilter display masterRel bldLvl grpId afterEffect nodeType nodePh",
    "p:seq": "concurrent prevAc nextAc", "p:cond": "evt delay", "p:iterate": "type backwards",
    "p:cBhvr": "additive accumulate xfrmType from to rctx override",
    "p:anim": "by from to calcmode valueType", "p:animEffect": "transition filter prLst",
    "p:animClr": "clrSpc dir", "p:animScale": "zoomContents", "p:animRot": "by from to",
    "p:animMotion": "origin path pathEditMode rAng ptsTypes", "p:cmd": "type cmd",
    "p:cMediaNode": "vol mute numSld showWhenStopped", "p:spTgt": "spid", "p:pRg": "st end", "p:tav": "tm fmla",
    "p:bldP": "spid grpId uiExpand build bldLvl animBg autoUpdateAnimBg rev advAuto", "p:bldGraphic": "spid grpId",
    "a:bldDgm": "bld rev", "a:dgm": "id bldStep",
}.items()}
ENUMS = {(q(e), a): set(v.split()) for (e, a), v in {
    ("p:cTn", "nodeType"): "clickEffect withEffect afterEffect mainSeq interactiveSeq clickPar withGroup afterGroup "
                           "tmRoot",
    ("p:cTn", "presetClass"): "entr exit emph path verb mediacall",
    ("p:cTn", "fill"): "remove freeze hold transition", ("p:cTn", "masterRel"): "sameClick lastClick nextClick",
    ("p:cTn", "restart"): "always whenNotActive never", ("p:iterate", "type"): "el wd lt",
    ("p:bldP", "build"): "whole p cust allAtOnce", ("a:bldDgm", "bld"): "allAtOnce one lvlOne lvlAtOnce",
    ("a:dgm", "bldStep"): "sp bg", ("p:animEffect", "transition"): "in out none",
    ("p:cBhvr", "override"): "normal childStyle", ("p:animClr", "clrSpc"): "rgb hsl",
}.items()}
NUMBERS = {q("p:cTn"): ("id", "presetID", "presetSubtype", "grpId", "repeatCount", "dur"), q("p:cond"): ("delay",),
           q("p:tmPct"): ("val",)}
REQUIRED = {q("p:spTgt"): ("spid",), q("p:bldP"): ("spid", "grpId"), q("p:bldGraphic"): ("spid", "grpId"),
            q("p:tmPct"): ("val",), q("p:pRg"): ("st", "end")}


def check_timing(timing, where, out):
    for el in timing.iter():
        known = ATTRIBUTES.get(el.tag)
        if known is not None and not set(el.attrib) <= known:
            out.append("%s: %s with %s" % (where, short(el.tag), sorted(set(el.attrib) - known)))
        for (tag, name), allowed in ENUMS.items():
            if el.tag == tag and name in el.attrib and el.attrib[name] not in allowed:
                out.append("%s: %s %s=%r" % (where, short(el.tag), name, el.attrib[name]))
        for name in NUMBERS.get(el.tag, ()):
            value = el.get(name)
            if value is not None and not (value.isdigit() or value == "indefinite" and name in ("dur", "delay",
                                                                                                "repeatCount")):
                out.append("%s: %s %s=%r" % (where, short(el.tag), name, value))
        for name in REQUIRED.get(el.tag, ()):
            if name not in el.attrib:
                out.append("%s: %s lacks %s" % (where, short(el.tag), name))
        for to in el.findall("p:to", NS):
            check_children(to, TO.get(el.tag), where, out)
        check_children(el, MODEL.get(el.tag), where, out)
    ids = [c.get("id") for c in timing.iter(q("p:cTn")) if c.get("id")]
    if len(ids) != len(set(ids)):
        out.append("%s: time node ids repeat" % where)


def check_children(el, model, where, out):
    if model is None:
        return
    kind, positions = model
    tags = [c.tag for c in el]
    if kind == "choice":
        if not set(tags) <= positions:
            out.append("%s: %s may not hold %s" % (where, short(el.tag), [short(t) for t in tags]))
        return
    pos, hit = 0, set()
    for t in tags:
        while pos < len(positions) and t not in positions[pos][0]:
            pos += 1
        if pos == len(positions):
            out.append("%s: %s holds %s out of order (children %s)" % (where, short(el.tag), short(t),
                                                                       [short(c) for c in tags]))
            return
        hit.add(pos)
    if any(required and i not in hit for i, (_, required) in enumerate(positions)):
        out.append("%s: %s lacks a required child (children %s)" % (where, short(el.tag), [short(c) for c in tags]))


def drawn_points(z, slide, spid):
    """The data points a graphic's drawn shapes stand for, in the data model's reading
    order: each item, its sub-items and the transitions round it."""
    rels_name = "ppt/slides/_rels/" + slide.rsplit("/", 1)[1] + ".rels"
    rels = {r.get("Id"): r.get("Target") for r in ET.fromstring(z.read(rels_name)).findall("rel:Relationship", NS)}
    root = ET.fromstring(z.read(slide))
    frame = next(f for f in root.iter(q("p:graphicFrame")) if f.find(".//p:cNvPr", NS).get("id") == spid)
    data_part = "ppt/" + rels[frame.find(".//dgm:relIds", NS).get("{%s}dm" % NS["r"])].replace("../", "")
    dm = ET.fromstring(z.read(data_part))
    ext = dm.find("dgm:extLst/a:ext/dsp:dataModelExt", NS)
    drawing = ET.fromstring(z.read("ppt/" + rels[ext.get("relId")].replace("../", "")))
    points = {p.get("modelId"): p for p in dm.iter(q("dgm:pt"))}
    cxns = list(dm.iter(q("dgm:cxn")))
    children = {}
    for c in sorted((c for c in cxns if c.get("type", "parOf") == "parOf"), key=lambda c: int(c.get("srcOrd"))):
        children.setdefault(c.get("srcId"), []).append(c)
    order = []

    def walk(point):
        for c in children.get(point, ()):
            order.extend([c.get("parTransId"), c.get("destId")])
            walk(c.get("destId"))
            order.append(c.get("sibTransId"))
    walk(next(i for i, p in points.items() if p.get("type") == "doc"))
    first_shown = {c.get("destId"): c.get("srcId") for c in cxns if c.get("type") == "presOf" and c.get("destOrd") == "0"}
    drawn = {first_shown[s.get("modelId")] for s in drawing.iter(q("dsp:sp")) if s.get("modelId") in first_shown}
    return [i for i in order if i in drawn]


def problems(z):
    """{kind of claim: [problems]} for the animations of every slide of the package `z`."""
    found = {"order": [], "graphics": []}
    for slide in sorted(n for n in z.namelist() if re.fullmatch(r"ppt/slides/slide\d+\.xml", n)):
        timing = ET.fromstring(z.read(slide)).find("p:timing", NS)
        if timing is None:
            continue
        check_timing(timing, slide, found["order"])
        # The shape each effect (a time node with a group) animates, as its first behaviour names it.
        effects = [(c.get("grpId"), c.find("p:childTnLst/*/p:cBhvr/p:tgtEl/p:spTgt", NS))
                   for c in timing.iter(q("p:cTn")) if c.get("grpId") is not None]
        by_shape = set()
        for build in timing.iter(q("p:bldGraphic")):
            one = build.find("p:bldSub/a:bldDgm", NS)
            spid, grp = build.get("spid"), build.get("grpId")
            targets = [t for g, t in effects if g == grp]
            if any(t is None or t.get("spid") != spid for t in targets):
                found["graphics"].append("%s: group %s animates other shapes than %s" % (slide, grp, spid))
                continue
            ids = [t.find("p:graphicEl/a:dgm", NS) for t in targets]
            if one is None or one.get("bld") != "one":
                continue
            by_shape.add(grp)
            # 逐个: one step a drawn shape, in the reading order of the data model.
            ids = [i.get("id") if i is not None else None for i in ids]
            expected = drawn_points(z, slide, spid)
            if not expected or len(ids) % len(expected) or ids != expected * (len(ids) // len(expected)):
                found["graphics"].append("%s: graphic %s built by %s, its drawn shapes are %s" % (
                    slide, spid, ids, expected))
        stray = {g for g, t in effects if t is not None and t.find("p:graphicEl", NS) is not None} - by_shape
        if stray:
            found["graphics"].append("%s: steps by shape in groups %s, not built one shape at a time" % (slide, stray))
    return found
