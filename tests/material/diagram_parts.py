"""Checks the SmartArt parts of a presentation package as PowerPoint reads them, where no
PowerPoint is at hand: every element in the order and place the DrawingML schemas give
it (dml-diagram, the 2008 drawing extension, and the DrawingML pieces they use), with its
required attributes and the enumerated values we rely on; the graphic frame's
relationships, content types and the drawing relation from the data model; and the data
model consistent in itself and with the layout, style and colour definitions it names.

    problems(zip_file) -> {kind of claim: [problem, …]}"""
import posixpath
import re
import xml.etree.ElementTree as ET

NS = {
    "dgm": "http://schemas.openxmlformats.org/drawingml/2006/diagram",
    "dsp": "http://schemas.microsoft.com/office/drawing/2008/diagram",
    "a": "http://schemas.openxmlformats.org/drawingml/2006/main",
    "p": "http://schemas.openxmlformats.org/presentationml/2006/main",
    "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
    "rel": "http://schemas.openxmlformats.org/package/2006/relationships",
    "ct": "http://schemas.openxmlformats.org/package/2006/content-types",
    "mc": "http://schemas.openxmlformats.org/markup-compatibility/2006",
}
R = NS["r"] + "/"
REL_TYPES = {"dm": R + "diagramData", "lo": R + "diagramLayout", "qs": R + "diagramQuickStyle",
             "cs": R + "diagramColors"}
DRAWING_REL = "http://schemas.microsoft.com/office/2007/relationships/diagramDrawing"
CT = "application/vnd.openxmlformats-officedocument.drawingml."
CONTENT_TYPES = {"dm": CT + "diagramData+xml", "lo": CT + "diagramLayout+xml", "qs": CT + "diagramStyle+xml",
                 "cs": CT + "diagramColors+xml", "drawing": "application/vnd.ms-office.drawingml.diagramDrawing+xml"}


def q(name):
    prefix, local = name.split(":")
    return "{%s}%s" % (NS[prefix], local)


def seq(*positions):
    """A sequence: each position a tag, or tags separated by "|" for a choice there;
    a trailing "!" marks a required position. Positions may repeat in place."""
    return ("seq", [([q(t) for t in p.rstrip("!").split("|")], p.endswith("!")) for p in positions])


def any_of(*tags):
    return ("choice", {q(t) for t in tags})


# The content models of the elements we write, in the schemas' order.
LAYOUT_CHILDREN = ("dgm:alg", "dgm:shape", "dgm:presOf", "dgm:constrLst", "dgm:ruleLst", "dgm:forEach",
                   "dgm:layoutNode", "dgm:choose", "dgm:extLst")
FILL = "a:noFill|a:solidFill|a:gradFill|a:blipFill|a:pattFill|a:grpFill"
COLOUR = "a:scrgbClr|a:srgbClr|a:hslClr|a:sysClr|a:schemeClr|a:prstClr"
TEXT_BODY = seq("a:bodyPr!", "a:lstStyle", "a:p!")
STYLE = seq("a:lnRef!", "a:fillRef!", "a:effectRef!", "a:fontRef!")
VARS = seq("dgm:orgChart", "dgm:chMax", "dgm:chPref", "dgm:bulletEnabled", "dgm:dir", "dgm:hierBranch",
           "dgm:animOne", "dgm:animLvl", "dgm:resizeHandles")
MODEL = {
    # dml-diagram: data model
    "dgm:dataModel": seq("dgm:ptLst!", "dgm:cxnLst", "dgm:bg", "dgm:whole", "dgm:extLst"),
    "dgm:ptLst": seq("dgm:pt"),
    "dgm:pt": seq("dgm:prSet", "dgm:spPr", "dgm:t", "dgm:extLst"),
    "dgm:prSet": seq("dgm:presLayoutVars", "dgm:style"),
    "dgm:presLayoutVars": VARS,
    "dgm:t": TEXT_BODY,
    "dgm:cxnLst": seq("dgm:cxn"),
    "dgm:cxn": seq("dgm:extLst"),
    "dgm:extLst": seq("a:ext"),
    # layout definition
    "dgm:layoutDef": seq("dgm:title", "dgm:desc", "dgm:catLst", "dgm:sampData", "dgm:styleData", "dgm:clrData",
                         "dgm:layoutNode!", "dgm:extLst"),
    "dgm:catLst": seq("dgm:cat"),
    "dgm:layoutNode": any_of("dgm:varLst", *LAYOUT_CHILDREN),
    "dgm:forEach": any_of(*LAYOUT_CHILDREN),
    "dgm:if": any_of(*LAYOUT_CHILDREN),
    "dgm:else": any_of(*LAYOUT_CHILDREN),
    "dgm:choose": seq("dgm:if!", "dgm:else"),
    "dgm:varLst": VARS,
    "dgm:alg": seq("dgm:param", "dgm:extLst"),
    "dgm:shape": seq("dgm:adjLst", "dgm:extLst"),
    "dgm:adjLst": seq("dgm:adj"),
    "dgm:presOf": seq("dgm:extLst"),
    "dgm:constrLst": seq("dgm:constr"),
    "dgm:ruleLst": seq("dgm:rule"),
    # colours and quick style (styleLbl differs by its root: see LABEL_MODELS)
    "dgm:colorsDef": seq("dgm:title", "dgm:desc", "dgm:catLst", "dgm:styleLbl", "dgm:extLst"),
    "dgm:styleDef": seq("dgm:title", "dgm:desc", "dgm:catLst", "a:scene3d", "dgm:styleLbl!", "dgm:extLst"),
    "dgm:style": STYLE,
    # the drawing extension
    "dsp:drawing": seq("dsp:spTree!"),
    "dsp:spTree": seq("dsp:nvGrpSpPr!", "dsp:grpSpPr!", "dsp:sp|dsp:grpSp", "dsp:extLst"),
    "dsp:nvGrpSpPr": seq("dsp:cNvPr!", "dsp:cNvGrpSpPr!"),
    "dsp:sp": seq("dsp:nvSpPr!", "dsp:spPr!", "dsp:style", "dsp:txBody", "dsp:txXfrm", "dsp:extLst"),
    "dsp:nvSpPr": seq("dsp:cNvPr!", "dsp:cNvSpPr!"),
    "dsp:spPr": seq("a:xfrm", "a:custGeom|a:prstGeom", FILL, "a:ln", "a:effectLst|a:effectDag", "a:scene3d",
                    "a:sp3d", "a:extLst"),
    "dsp:style": STYLE,
    "dsp:txBody": TEXT_BODY,
    "dsp:txXfrm": seq("a:off", "a:ext"),
    # DrawingML pieces
    "a:xfrm": seq("a:off", "a:ext"),
    "a:prstGeom": seq("a:avLst"),
    "a:custGeom": seq("a:avLst", "a:gdLst", "a:ahLst", "a:cxnLst", "a:rect", "a:pathLst!"),
    "a:avLst": seq("a:gd"),
    "a:pathLst": seq("a:path"),
    "a:path": any_of("a:close", "a:moveTo", "a:lnTo", "a:arcTo", "a:quadBezTo", "a:cubicBezTo"),
    "a:moveTo": seq("a:pt!"),
    "a:lnTo": seq("a:pt!"),
    "a:ln": seq("a:noFill|a:solidFill|a:gradFill|a:pattFill", "a:prstDash|a:custDash", "a:round|a:bevel|a:miter",
                "a:headEnd", "a:tailEnd", "a:extLst"),
    "a:solidFill": seq(COLOUR + "!"),
    "a:effectLst": seq("a:blur", "a:fillOverlay", "a:glow", "a:innerShdw", "a:outerShdw", "a:prstShdw",
                       "a:reflection", "a:softEdge"),
    "a:outerShdw": seq(COLOUR + "!"),
    "a:lnRef": seq(COLOUR), "a:fillRef": seq(COLOUR), "a:effectRef": seq(COLOUR), "a:fontRef": seq(COLOUR),
    "a:bodyPr": seq("a:prstTxWarp", "a:noAutofit|a:normAutofit|a:spAutoFit", "a:scene3d", "a:sp3d|a:flatTx",
                    "a:extLst"),
    "a:p": seq("a:pPr", "a:r|a:br|a:fld", "a:endParaRPr"),
    "a:pPr": seq("a:lnSpc", "a:spcBef", "a:spcAft", "a:buClrTx|a:buClr", "a:buSzTx|a:buSzPct|a:buSzPts",
                 "a:buFontTx|a:buFont", "a:buNone|a:buAutoNum|a:buChar|a:buBlip", "a:tabLst", "a:defRPr", "a:extLst"),
    "a:lnSpc": seq("a:spcPct|a:spcPts!"), "a:spcBef": seq("a:spcPct|a:spcPts!"), "a:spcAft": seq("a:spcPct|a:spcPts!"),
    "a:r": seq("a:rPr", "a:t!"),
    "a:rPr": seq("a:ln", FILL, "a:effectLst|a:effectDag", "a:highlight", "a:uLnTx|a:uLn", "a:uFillTx|a:uFill",
                 "a:latin", "a:ea", "a:cs", "a:sym", "a:hlinkClick", "a:hlinkMouseOver", "a:rtl", "a:extLst"),
    "a:endParaRPr": seq("a:ln", FILL, "a:effectLst|a:effectDag", "a:highlight", "a:uLnTx|a:uLn",
                        "a:uFillTx|a:uFill", "a:latin", "a:ea", "a:cs", "a:sym", "a:hlinkClick", "a:hlinkMouseOver",
                        "a:rtl", "a:extLst"),
    # the slide's graphic frame and the build list of its animation
    "p:graphicFrame": seq("p:nvGraphicFramePr!", "p:xfrm!", "a:graphic!", "p:extLst"),
    "p:nvGraphicFramePr": seq("p:cNvPr!", "p:cNvGraphicFramePr!", "p:nvPr!"),
    "a:graphic": seq("a:graphicData!"),
    "p:bldLst": any_of("p:bldP", "p:bldDgm", "p:bldOleChart", "p:bldGraphic"),
    "p:bldGraphic": seq("p:bldAsOne|p:bldSub!"),
}
LABEL_MODELS = {
    "dgm:colorsDef": seq("dgm:fillClrLst", "dgm:linClrLst", "dgm:effectClrLst", "dgm:txLinClrLst",
                         "dgm:txFillClrLst", "dgm:txEffectClrLst", "dgm:extLst"),
    "dgm:styleDef": seq("a:scene3d", "a:sp3d", "dgm:txPr", "dgm:style", "dgm:extLst"),
}
COLOUR_LISTS = {q(t) for t in ("dgm:fillClrLst", "dgm:linClrLst", "dgm:effectClrLst", "dgm:txLinClrLst",
                               "dgm:txFillClrLst", "dgm:txEffectClrLst")}

REQUIRED = {
    "dgm:pt": ["modelId"], "dgm:cxn": ["modelId", "srcId", "destId", "srcOrd", "destOrd"],
    "dgm:title": ["val"], "dgm:desc": ["val"], "dgm:cat": ["type", "pri"], "dgm:alg": ["type"],
    "dgm:param": ["type", "val"], "dgm:adj": ["idx", "val"], "dgm:constr": ["type"], "dgm:rule": ["type"],
    "dgm:if": ["func", "op", "val"], "dgm:styleLbl": ["name"], "dsp:sp": ["modelId"], "dsp:cNvPr": ["id", "name"],
    "a:off": ["x", "y"], "a:prstGeom": ["prst"], "a:gd": ["name", "fmla"],
    "a:path": [], "a:pt": ["x", "y"], "a:lnRef": ["idx"], "a:fillRef": ["idx"], "a:effectRef": ["idx"],
    "a:fontRef": ["idx"], "p:cNvPr": ["id", "name"], "a:graphicData": ["uri"], "p:bldGraphic": ["spid", "grpId"],
}
ENUMS = {  # (element, attribute): allowed values
    ("dgm:alg", "type"): "composite conn cycle hierChild hierRoot pyra lin sp tx snake",
    ("dgm:pt", "type"): "node asst doc pres parTrans sibTrans",
    ("dgm:cxn", "type"): "parOf presOf presParOf unknownRelationship",
    ("dgm:forEach", "axis"): "self ch des desOrSelf par ancst ancstOrSelf followSib precedSib follow preced root none",
    ("dgm:presOf", "axis"): "self ch des desOrSelf par ancst ancstOrSelf followSib precedSib follow preced root none",
    ("dgm:if", "axis"): "self ch des desOrSelf par ancst ancstOrSelf followSib precedSib follow preced root none",
    ("dgm:forEach", "ptType"): "all doc node norm nonNorm asst nonAsst parTrans pres sibTrans",
    ("dgm:presOf", "ptType"): "all doc node norm nonNorm asst nonAsst parTrans pres sibTrans",
    ("dgm:if", "ptType"): "all doc node norm nonNorm asst nonAsst parTrans pres sibTrans",
    ("dgm:if", "func"): "cnt pos revPos posEven posOdd var depth maxDepth",
    ("dgm:if", "op"): "equ neq gt lt gte lte",
    ("dgm:constr", "for"): "self ch des", ("dgm:constr", "refFor"): "self ch des",
    ("dgm:constr", "op"): "none equ gte lte",
    ("dgm:constr", "type"): "none alignOff begMarg bendDist begPad b bMarg bOff ctrX ctrXOff ctrY ctrYOff connDist "
                            "diam endMarg endPad h hArH hOff l lMarg lOff r rMarg rOff primFontSz pyraAcctRatio "
                            "secFontSz sibSp secSibSp sp stemThick t tMarg tOff w wArH wOff",
    ("dgm:param", "type"): "horzAlign vertAlign chDir chAlign secChAlign linDir secLinDir stElem bendPt connRout "
                           "begSty endSty dim rotPath ctrShpMap nodeHorzAlign nodeVertAlign fallback txDir "
                           "pyraAcctPos pyraAcctTxMar txBlDir txAnchorHorz txAnchorVert txAnchorHorzCh "
                           "txAnchorVertCh parTxLTRAlign parTxRTLAlign shpTxLTRAlignCh shpTxRTLAlignCh autoTxRot "
                           "grDir flowDir contDir bkpt off hierAlign bkPtFixedVal stBulletLvl stAng spanAng ar "
                           "lnSpPar lnSpAfParP lnSpCh lnSpAfChP rtShortDist alignTx pyraLvlNode pyraAcctBkgdNode "
                           "pyraAcctTxNode srcNode dstNode begPts endPts",
    ("dgm:fillClrLst", "meth"): "span cycle repeat", ("dgm:linClrLst", "meth"): "span cycle repeat",
    ("dgm:txFillClrLst", "meth"): "span cycle repeat",
}
PARAM_VALUES = {  # the enumerated parameter values of the algorithms
    "linDir": "fromL fromR fromT fromB", "secLinDir": "fromL fromR fromT fromB", "txDir": "fromT fromB",
    "chAlign": "t b l r", "nodeVertAlign": "t mid b", "nodeHorzAlign": "l ctr r", "grDir": "tL tR bL bR",
    "flowDir": "row col", "contDir": "revDir sameDir", "off": "ctr off", "bkpt": "endCnv bal fixed",
    "ctrShpMap": "none fNode", "connRout": "stra bend curve longCurve", "dim": "1D 2D cust",
    "begSty": "auto arr noArr", "endSty": "auto arr noArr", "pyraAcctPos": "bef aft",
    "begPts": "auto bCtr ctr midL midR tCtr bL bR tL tR radial",
    "endPts": "auto bCtr ctr midL midR tCtr bL bR tL tR radial",
}
PARAM_VALUES = {k: set(v.split()) for k, v in PARAM_VALUES.items()}
ENUMS = {(q(e), a): set(v.split()) for (e, a), v in ENUMS.items()}
MODEL = {q(k): v for k, v in MODEL.items()}
REQUIRED = {q(k): v for k, v in REQUIRED.items()}
LABEL_MODELS = {q(k): v for k, v in LABEL_MODELS.items()}
MODEL_ID = re.compile(r"^(-?\d+|\{[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}\})$")


def short(tag):
    uri, local = tag[1:].split("}")
    return next(p for p, u in NS.items() if u == uri) + ":" + local


def check_order(element, root_tag, where, out, models=None):
    """Every element below `element` against its content model (`models`: more of them,
    by tag, over ours)."""
    for el in element.iter():
        model = LABEL_MODELS.get(root_tag) if el.tag == q("dgm:styleLbl") else \
            (models or {}).get(el.tag) or MODEL.get(el.tag)
        if el.tag in COLOUR_LISTS:
            model = ("seq", [([q(t) for t in COLOUR.split("|")], False)])
        for name in REQUIRED.get(el.tag, ()):
            if name not in el.attrib:
                out.append("%s: %s lacks %s" % (where, short(el.tag), name))
        for (tag, name), allowed in ENUMS.items():
            if el.tag == tag and name in el.attrib and not set(el.attrib[name].split()) <= allowed:
                out.append("%s: %s %s=%r" % (where, short(el.tag), name, el.attrib[name]))
        if el.tag == q("dgm:param") and not set(el.get("val", "").split(",")) <= \
                PARAM_VALUES.get(el.get("type"), set(el.get("val", "").split(","))):
            out.append("%s: parameter %s=%r" % (where, el.get("type"), el.get("val")))
        if model is None:
            continue
        kind, positions = model
        children = [c.tag for c in el]
        if kind == "choice":
            bad = [short(c) for c in children if c not in positions]
            if bad:
                out.append("%s: %s may not hold %s" % (where, short(el.tag), bad))
            continue
        pos, hit = 0, set()
        for c in children:
            while pos < len(positions) and c not in positions[pos][0]:
                pos += 1
            if pos == len(positions):
                out.append("%s: %s holds %s out of order or not at all allowed (children %s)" % (
                    where, short(el.tag), short(c), [short(t) for t in children]))
                break
            hit.add(pos)
        else:
            missing = [positions[i][0] for i, (_, required) in enumerate(positions) if required and i not in hit]
            if missing:
                out.append("%s: %s lacks %s" % (where, short(el.tag), [short(t[0]) for t in missing]))


def problems(z):
    """{kind of claim: [problems]} for every SmartArt graphic of the package `z`."""
    found = {"order": [], "relations": [], "model": []}
    names = set(z.namelist())
    types = ET.fromstring(z.read("[Content_Types].xml"))
    overrides = {o.get("PartName").lstrip("/"): o.get("ContentType") for o in types.findall("ct:Override", NS)}
    for slide in sorted(n for n in names if re.fullmatch(r"ppt/slides/slide\d+\.xml", n)):
        root = ET.fromstring(z.read(slide))
        frames = [f for f in root.iter(q("p:graphicFrame")) if f.find(".//dgm:relIds", NS) is not None]
        ids = [c.get("id") for c in root.iter(q("p:cNvPr"))]
        if len(ids) != len(set(ids)):
            found["model"].append("%s: shape ids repeat: %s" % (slide, ids))
        targets = {t.get("spid") for t in root.iter(q("p:spTgt"))} | {b.get("spid") for b in root.iter(q("p:bldGraphic"))}
        if not targets <= set(ids):
            found["model"].append("%s: animations of missing shapes %s" % (slide, targets - set(ids)))
        if root.find("p:timing", NS) is not None:
            check_order(root.find("p:timing", NS), None, slide, found["order"])
        if not frames:
            continue
        rels_name = "ppt/slides/_rels/" + slide.rsplit("/", 1)[1] + ".rels"
        rels = {r.get("Id"): (r.get("Type"), posixpath.normpath(posixpath.join("ppt/slides", r.get("Target"))))
                for r in ET.fromstring(z.read(rels_name)).findall("rel:Relationship", NS)}
        for frame in frames:
            where = "%s %s" % (slide, frame.find(".//p:cNvPr", NS).get("name"))
            check_order(frame, None, where, found["order"])
            rel_ids = frame.find(".//dgm:relIds", NS)
            parts = {}
            for key, rel_type in REL_TYPES.items():
                rid = rel_ids.get("{%s}%s" % (NS["r"], key))
                rel = rels.get(rid)
                if rel is None or rel[0] != rel_type or rel[1] not in names or overrides.get(rel[1]) != CONTENT_TYPES[key]:
                    found["relations"].append("%s: r:%s=%s gives %s" % (where, key, rid, rel))
                    continue
                parts[key] = rel[1]
            if len(parts) < 4:
                continue
            xml = {key: ET.fromstring(z.read(part)) for key, part in parts.items()}
            ext = xml["dm"].find("dgm:extLst/a:ext/dsp:dataModelExt", NS)
            if any(not e.get("uri") for e in xml["dm"].findall("dgm:extLst/a:ext", NS)):
                found["order"].append("%s: an extension without its uri" % where)
            drawing = rels.get(ext.get("relId")) if ext is not None else None
            if drawing is None or drawing[0] != DRAWING_REL or drawing[1] not in names or \
                    overrides.get(drawing[1]) != CONTENT_TYPES["drawing"] or not ext.get("minVer"):
                found["relations"].append("%s: the data model's drawing relation gives %s" % (where, drawing))
            else:
                xml["drawing"] = ET.fromstring(z.read(drawing[1]))
                parts["drawing"] = drawing[1]
            expected_roots = {"dm": "dgm:dataModel", "lo": "dgm:layoutDef", "qs": "dgm:styleDef", "cs": "dgm:colorsDef",
                              "drawing": "dsp:drawing"}
            for key, el in xml.items():
                if el.tag != q(expected_roots[key]):
                    found["order"].append("%s: %s is a %s" % (where, parts[key], short(el.tag)))
                check_order(el, el.tag, parts[key], found["order"])
            check_model(xml, where, found["model"])
    return found


def check_model(xml, where, out):
    dm, lo = xml["dm"], xml["lo"]
    points = {p.get("modelId"): p for p in dm.iter(q("dgm:pt"))}
    all_ids = [p.get("modelId") for p in dm.iter(q("dgm:pt"))] + [c.get("modelId") for c in dm.iter(q("dgm:cxn"))]
    if len(all_ids) != len(set(all_ids)) or not all(MODEL_ID.match(i) for i in all_ids):
        out.append("%s: model ids repeat or are malformed" % where)
    docs = [p for p in points.values() if p.get("type") == "doc"]
    if len(docs) != 1:
        out.append("%s: %d document points" % (where, len(docs)))
        return
    pr = docs[0].find("dgm:prSet", NS)
    for attr_name, part in (("loTypeId", lo), ("qsTypeId", xml["qs"]), ("csTypeId", xml["cs"])):
        if pr is None or pr.get(attr_name) != part.get("uniqueId") or not part.get("uniqueId"):
            out.append("%s: %s does not name the definition in the package" % (where, attr_name))
        elif part.get("uniqueId").startswith("urn:microsoft.com"):
            out.append("%s: %s claims a built-in definition" % (where, attr_name))
    for c in dm.iter(q("dgm:cxn")):
        refs = [c.get("srcId"), c.get("destId")] + [c.get(k) for k in ("parTransId", "sibTransId") if c.get(k)]
        if not all(r in points for r in refs):
            out.append("%s: connection %s to missing points" % (where, c.get("modelId")))
        if c.get("type") in ("presOf", "presParOf") and c.get("presId") != lo.get("uniqueId"):
            out.append("%s: connection %s made by another layout" % (where, c.get("modelId")))
    # Each item under its parent in order, with its own transitions.
    ords = {}
    for c in dm.iter(q("dgm:cxn")):
        if c.get("type", "parOf") == "parOf":
            ords.setdefault(c.get("srcId"), []).append(int(c.get("srcOrd")))
            for k in ("parTransId", "sibTransId"):
                t = points.get(c.get(k))
                if t is None or t.get("cxnId") != c.get("modelId"):
                    out.append("%s: transition %s not of its connection" % (where, c.get(k)))
    if any(sorted(v) != list(range(len(v))) for v in ords.values()):
        out.append("%s: sibling orders %s" % (where, ords))
    # The presentation tree: hung from the document, named after the layout's nodes.
    names = {n.get("name") for n in lo.iter(q("dgm:layoutNode"))}
    pres = {i for i, p in points.items() if p.get("type") == "pres"}
    parents = {c.get("destId"): c.get("srcId") for c in dm.iter(q("dgm:cxn")) if c.get("type") == "presParOf"}
    for i in pres:
        p = points[i].find("dgm:prSet", NS)
        if p.get("presName") not in names or p.get("presAssocID") not in points:
            out.append("%s: presentation point %s of %r" % (where, i, p.get("presName")))
        top = i
        for _ in range(len(pres) + 1):
            top = parents.get(top, top)
        if points.get(top) is None or points[top].get("type") != "doc":
            out.append("%s: presentation point %s not under the document" % (where, i))
    # Every style label a layout node uses is in the style and colour definitions.
    used = {n.get("styleLbl") for n in lo.iter(q("dgm:layoutNode")) if n.get("styleLbl")}
    for key in ("qs", "cs"):
        defined = {s.get("name") for s in xml[key].findall("dgm:styleLbl", NS)}
        if not used <= defined:
            out.append("%s: labels %s missing from the %s definition" % (where, used - defined, key))
    if "drawing" in xml:
        shapes = [s.get("modelId") for s in xml["drawing"].iter(q("dsp:sp"))]
        if len(shapes) != len(set(shapes)) or not set(shapes) <= pres:
            out.append("%s: drawn shapes that are no presentation points" % where)


MARK = "\u200b"  # a zero-width space: where the content lets a term break
NO_LINE_START = set("，。、；：？！）》」』】〕”’…·%,.;:?!)]}")
NO_LINE_END = set("（《「『【〔“‘([{")
BREAK_AFTER = set("，。、；：？！）》」』】〕…,.;:?!)]}")  # not a closing quote: “生”字 is one term


def _ideograph(ch):
    return "\u3400" <= ch <= "\u9fff" or "\uf900" <= ch <= "\ufaff"


def break_points(text):
    """Where a line of `text` may break, as positions in the text without its marks and line
    breaks: where the content marks it, after a space, a pause mark or a closing bracket,
    before an opening bracket or quote, between Chinese and a Latin word, and before a
    number that follows Chinese. Never inside a term of Chinese characters, a word or a
    number, never before a closing mark nor after an opening one."""
    points, plain = set(), ""
    for ch in text:
        if ch == MARK:
            points.add(len(plain))
        elif ch != "\n":
            plain += ch
    for k in range(1, len(plain)):
        a, b = plain[k - 1], plain[k]
        if b in NO_LINE_START or a in NO_LINE_END or b == " ":
            points.discard(k)
        elif a == " " or a in BREAK_AFTER or b in NO_LINE_END or \
                (a.isascii() and a.isalpha() and _ideograph(b)) or \
                (_ideograph(a) and b.isascii() and (b.isalpha() or b.isdigit())):
            points.add(k)
    return points


def drawn_texts(z):
    """{slide part: [(width, height, wraps, [(text, size, left margin, line spacing %, space after %), …]), …]}:
    each text of the SmartArt drawings with the box it is laid in (EMU, insets taken off) and
    whether a viewer wraps its lines, for a text layout of the office to tell whether it
    fits. A text keeps its marks of where it may break, and "\n" where the drawing breaks
    its line."""
    out = {}
    for slide in sorted(n for n in z.namelist() if re.fullmatch(r"ppt/slides/slide\d+\.xml", n)):
        rels_name = "ppt/slides/_rels/" + slide.rsplit("/", 1)[1] + ".rels"
        drawings = [posixpath.normpath(posixpath.join("ppt/slides", r.get("Target")))
                    for r in ET.fromstring(z.read(rels_name)).findall("rel:Relationship", NS)
                    if r.get("Type") == DRAWING_REL] if rels_name in z.namelist() else []
        for part in sorted(drawings):
            for sp in ET.fromstring(z.read(part)).iter(q("dsp:sp")):
                body = sp.find("dsp:txBody", NS)
                paras = []
                for p in body.findall("a:p", NS) if body is not None else ():
                    ppr, rpr = p.find("a:pPr", NS), p.find("a:r/a:rPr", NS)
                    if rpr is None:
                        continue
                    pct = {k: int(p.find("a:pPr/a:%s/a:spcPct" % k, NS).get("val")) / 1000
                           if p.find("a:pPr/a:%s/a:spcPct" % k, NS) is not None else d
                           for k, d in (("lnSpc", 100), ("spcAft", 0))}
                    text = "".join("\n" if el.tag == q("a:br") else el.findtext("a:t", "", NS)
                                   for el in p if el.tag in (q("a:r"), q("a:br")))
                    paras.append((text, int(rpr.get("sz")) / 100,
                                  int(ppr.get("marL", 0)) if ppr is not None else 0, pct["lnSpc"], pct["spcAft"]))
                if not paras:
                    continue
                ext = (sp.find("dsp:txXfrm/a:ext", NS) if sp.find("dsp:txXfrm", NS) is not None
                       else sp.find("dsp:spPr/a:xfrm/a:ext", NS))
                bp = body.find("a:bodyPr", NS)
                inset = {k: int(bp.get(k, d)) for k, d in (("lIns", 91440), ("rIns", 91440), ("tIns", 45720),
                                                            ("bIns", 45720))}
                out.setdefault(slide, []).append((int(ext.get("cx")) - inset["lIns"] - inset["rIns"],
                                                  int(ext.get("cy")) - inset["tIns"] - inset["bIns"],
                                                  bp.get("wrap", "square") != "none", paras))
    return out
