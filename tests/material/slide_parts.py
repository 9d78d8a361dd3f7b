"""Checks the presentation, master, layout and slide parts of a package as PowerPoint
reads them, where no PowerPoint is at hand: every element we write in the order and
place the PresentationML and DrawingML schemas give it, with the enumerated values we
rely on (layout and placeholder types, the slide size). The pieces of DrawingML that
SmartArt shares are diagram_parts.py's; the timing tree is checked there too.

    problems(zip_file) -> [problem, …]"""
import re
import xml.etree.ElementTree as ET

from diagram_parts import COLOUR, FILL, MODEL, any_of, check_order, q, seq

LEVELS = ["a:defPPr"] + ["a:lvl%dpPr" % n for n in range(1, 10)] + ["a:extLst"]
PARTS = {
    "p:presentation": seq("p:sldMasterIdLst", "p:notesMasterIdLst", "p:handoutMasterIdLst", "p:sldIdLst",
                          "p:sldSz", "p:notesSz!", "p:smartTags", "p:embeddedFontLst", "p:custShowLst",
                          "p:photoAlbum", "p:custDataLst", "p:kinsoku", "p:defaultTextStyle", "p:modifyVerifier",
                          "p:extLst"),
    "p:sldMaster": seq("p:cSld!", "p:clrMap!", "p:sldLayoutIdLst", "p:transition", "p:timing", "p:hf",
                       "p:txStyles", "p:extLst"),
    "p:sldLayout": seq("p:cSld!", "p:clrMapOvr", "p:transition", "p:timing", "p:hf", "p:extLst"),
    "p:sld": seq("p:cSld!", "p:clrMapOvr", "p:transition|mc:AlternateContent", "p:timing", "p:extLst"),
    "p:cSld": seq("p:bg", "p:spTree!", "p:custDataLst", "p:controls", "p:extLst"),
    "p:bg": seq("p:bgPr|p:bgRef!"),
    "p:bgPr": seq(FILL + "!", "a:effectLst|a:effectDag!", "p:extLst"),
    "p:spTree": seq("p:nvGrpSpPr!", "p:grpSpPr!", "p:sp|p:grpSp|p:graphicFrame|p:cxnSp|p:pic|p:contentPart",
                    "p:extLst"),
    "p:nvGrpSpPr": seq("p:cNvPr!", "p:cNvGrpSpPr!", "p:nvPr!"),
    "p:grpSpPr": seq("a:xfrm", FILL, "a:effectLst|a:effectDag", "a:scene3d", "a:extLst"),
    "a:xfrm": seq("a:off", "a:ext", "a:chOff", "a:chExt"),  # a group's children have their own frame
    "p:sp": seq("p:nvSpPr!", "p:spPr!", "p:style", "p:txBody", "p:extLst"),
    "p:nvSpPr": seq("p:cNvPr!", "p:cNvSpPr!", "p:nvPr!"),
    "p:cNvPr": seq("a:hlinkClick", "a:hlinkHover", "a:extLst"),
    "p:cNvSpPr": seq("a:spLocks", "a:extLst"),
    "p:nvPr": seq("p:ph", "a:audioCd|a:wavAudioFile|a:audioFile|a:videoFile|a:quickTimeFile", "p:custDataLst",
                  "p:extLst"),
    "p:spPr": seq("a:xfrm", "a:custGeom|a:prstGeom", FILL, "a:ln", "a:effectLst|a:effectDag", "a:scene3d",
                  "a:sp3d", "a:extLst"),
    "p:style": seq("a:lnRef!", "a:fillRef!", "a:effectRef!", "a:fontRef!"),
    "p:txBody": seq("a:bodyPr!", "a:lstStyle", "a:p!"),
    "p:pic": seq("p:nvPicPr!", "p:blipFill!", "p:spPr!", "p:style", "p:extLst"),
    "p:nvPicPr": seq("p:cNvPr!", "p:cNvPicPr!", "p:nvPr!"),
    "p:cNvPicPr": seq("a:picLocks", "a:extLst"),
    "p:blipFill": seq("a:blip", "a:srcRect", "a:tile|a:stretch"),
    "a:blipFill": seq("a:blip", "a:srcRect", "a:tile|a:stretch"),
    "a:blip": any_of("a:alphaBiLevel", "a:alphaCeiling", "a:alphaFloor", "a:alphaInv", "a:alphaMod", "a:alphaModFix",
                     "a:alphaRepl", "a:biLevel", "a:blur", "a:clrChange", "a:clrRepl", "a:duotone", "a:fillOverlay",
                     "a:grayscl", "a:hsl", "a:lum", "a:tint", "a:extLst"),
    "a:stretch": seq("a:fillRect"),
    "a:gradFill": seq("a:gsLst", "a:lin|a:path", "a:tileRect"),
    "a:gsLst": seq("a:gs!"),
    "a:gs": seq(COLOUR + "!"),
    "a:lstStyle": seq(*LEVELS),
    "p:txStyles": seq("p:titleStyle", "p:bodyStyle", "p:otherStyle", "p:extLst"),
    "p:titleStyle": seq(*LEVELS), "p:bodyStyle": seq(*LEVELS), "p:otherStyle": seq(*LEVELS),
    "p:defaultTextStyle": seq(*LEVELS),
    "p:sldLayoutIdLst": seq("p:sldLayoutId"),
    "p:clrMapOvr": seq("a:masterClrMapping|a:overrideClrMapping!"),
    "p:xfrm": seq("a:off", "a:ext"),
    "a:tbl": seq("a:tblPr", "a:tblGrid!", "a:tr"),
    "a:tblPr": seq(FILL, "a:effectLst|a:effectDag", "a:tableStyle|a:tableStyleId", "a:extLst"),
    "a:tblGrid": seq("a:gridCol"),
    "a:tr": seq("a:tc", "a:extLst"),
    "a:tc": seq("a:txBody", "a:tcPr", "a:extLst"),
    "a:txBody": seq("a:bodyPr!", "a:lstStyle", "a:p!"),
}
PARTS.update({"a:lvl%dpPr" % n: MODEL[q("a:pPr")] for n in range(1, 10)})
PARTS["a:defRPr"] = MODEL[q("a:rPr")]
PARTS = {q(k): v for k, v in PARTS.items()}
ENUMS = {  # (element, attribute): allowed values
    ("p:sldLayout", "type"): "title tx twoColTx tbl txAndChart chartAndTx dgm chart txAndClipArt clipArtAndTx "
                             "titleOnly blank txAndObj objAndTx objOnly obj txAndMedia mediaAndTx objOverTx "
                             "txOverObj txAndTwoObj twoObjAndTx twoObjOverTx fourObj vertTx clipArtAndVertTx "
                             "vertTitleAndTx vertTitleAndTxOverChart twoObj objAndTwoObj twoObjAndObj cust secHead "
                             "twoTxTwoObj objTx picTx",
    ("p:ph", "type"): "title body ctrTitle subTitle dt sldNum ftr hdr obj chart tbl clipArt dgm media sldImg pic",
    ("p:ph", "sz"): "full half quarter",
    ("p:sldSz", "type"): "screen4x3 letter A4 35mm overhead banner custom ledger A3 B4ISO B5ISO B4JIS B5JIS "
                         "hagakiCard screen16x9 screen16x10",
    ("p:sldLayout", "showMasterSp"): "0 1 true false",
    ("p:nvPr", "userDrawn"): "0 1 true false",
}
ENUMS = {(q(e), a): set(v.split()) for (e, a), v in ENUMS.items()}


def problems(z):
    """Every presentation, master, layout and slide part of the package `z` against the schemas."""
    out = []
    for name in sorted(z.namelist()):
        if not re.fullmatch(r"ppt/(presentation|slideMasters/slideMaster\d+|slideLayouts/slideLayout\d+|"
                            r"slides/slide\d+)\.xml", name):
            continue
        root = ET.fromstring(z.read(name))
        timing = root.find(q("p:timing"))  # diagram_parts.py checks the timing tree
        if timing is not None:
            root.remove(timing)
        # A custom show's list of slides has p:sld elements of its own kind.
        check_order(root, root.tag, name, out, PARTS if root.tag == q("p:sld") else
                    {k: v for k, v in PARTS.items() if k != q("p:sld")})
        for el in root.iter():
            for (tag, attr), allowed in ENUMS.items():
                if el.tag == tag and attr in el.attrib and el.attrib[attr] not in allowed:
                    out.append("%s: %s=%r" % (name, attr, el.attrib[attr]))
        slide_size = root.find(q("p:sldSz"))
        if slide_size is not None and slide_size.get("type") == "screen16x9" and \
                int(slide_size.get("cx")) * 9 != int(slide_size.get("cy")) * 16:
            out.append("%s: a 16:9 slide of %s x %s" % (name, slide_size.get("cx"), slide_size.get("cy")))
    return out
