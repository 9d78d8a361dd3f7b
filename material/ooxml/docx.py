"""Writes a Word document: paragraphs in the styles 标题 1, 标题 2 (Heading1, Heading2, with
their outline levels, so that 幻灯片(从大纲) makes a slide of each 标题 1 and a text line of
each 标题 2), 标题 (the title) and 正文 (Normal); pictures are not needed by any of ours."""
from dataclasses import dataclass

from .package import R, XML_HEAD, Package, add_core, attr, text

W = 'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main" ' \
    'xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"'
CT = "application/vnd.openxmlformats-officedocument.wordprocessingml."


@dataclass(frozen=True)
class Para:
    text: str
    style: str = "正文"  # "标题", "标题 1", "标题 2", "正文"


@dataclass
class Document:
    title: str
    paragraphs: list  # Para or str (正文)


STYLE_IDS = {"正文": "Normal", "标题": "Title", "标题 1": "Heading1", "标题 2": "Heading2"}


def _styles():
    def heading(sid, name, level, size, space):
        return ('<w:style w:type="paragraph" w:styleId="%s"><w:name w:val="%s"/><w:basedOn w:val="Normal"/>'
                '<w:next w:val="Normal"/><w:uiPriority w:val="9"/><w:qFormat/><w:pPr><w:keepNext/><w:keepLines/>'
                '<w:spacing w:before="%d" w:after="%d" w:line="%d" w:lineRule="auto"/><w:outlineLvl w:val="%d"/></w:pPr>'
                '<w:rPr><w:rFonts w:asciiTheme="majorHAnsi" w:eastAsia="黑体" w:hAnsiTheme="majorHAnsi"/><w:b/>'
                '<w:bCs/><w:kern w:val="44"/><w:sz w:val="%d"/><w:szCs w:val="%d"/></w:rPr></w:style>'
                ) % (sid, name, space, space, 240 * 2 if level == 0 else 240 * 3 // 2, level, size, size)
    return (XML_HEAD + '<w:styles %s><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii="Times New Roman" '
            'w:eastAsia="宋体" w:hAnsi="Times New Roman" w:cs="Times New Roman"/><w:kern w:val="2"/><w:sz w:val="21"/>'
            '<w:szCs w:val="22"/><w:lang w:val="en-US" w:eastAsia="zh-CN" w:bidi="ar-SA"/></w:rPr></w:rPrDefault>'
            '<w:pPrDefault/></w:docDefaults>'
            '<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/><w:qFormat/>'
            '<w:pPr><w:widowControl w:val="0"/><w:spacing w:line="360" w:lineRule="auto"/><w:ind w:firstLineChars="200" '
            'w:firstLine="420"/><w:jc w:val="both"/></w:pPr></w:style>'
            '<w:style w:type="character" w:default="1" w:styleId="DefaultParagraphFont"><w:name w:val="Default '
            'Paragraph Font"/><w:uiPriority w:val="1"/><w:semiHidden/></w:style>'
            '%s%s'
            '<w:style w:type="paragraph" w:styleId="Title"><w:name w:val="Title"/><w:basedOn w:val="Normal"/>'
            '<w:next w:val="Normal"/><w:qFormat/><w:pPr><w:spacing w:before="240" w:after="240"/><w:ind '
            'w:firstLineChars="0" w:firstLine="0"/><w:jc w:val="center"/></w:pPr><w:rPr><w:rFonts w:eastAsia="黑体"/>'
            '<w:b/><w:sz w:val="36"/></w:rPr></w:style></w:styles>') % (
        W, heading("Heading1", "heading 1", 0, 32, 240), heading("Heading2", "heading 2", 1, 28, 120))


def write_document(document, path):
    pkg = Package()
    pkg.relate("", R + "officeDocument", "word/document.xml")
    add_core(pkg, document.title,
             XML_HEAD + '<Properties xmlns="http://schemas.openxmlformats.org/officeDocument/2006/extended-properties">'
             '<Application>Microsoft Office Word</Application><AppVersion>14.0000</AppVersion></Properties>')
    body = []
    paras = [p if isinstance(p, Para) else Para(p) for p in document.paragraphs]
    for p, following in zip(paras, paras[1:] + [None]):
        style = STYLE_IDS[p.style]
        ppr = '<w:pPr><w:pStyle w:val="%s"/></w:pPr>' % style if style != "Normal" else ""
        if style.startswith("Heading"):
            # A heading keeps with its text or its first sub-item (the style's 与下段同页), but
            # not with a heading of its own level or above: an outline of headings alone would
            # otherwise be one unbreakable chain that the word processor moves to a new page.
            nxt = STYLE_IDS[following.style] if following else ""
            loose = nxt.startswith("Heading") and int(nxt[-1]) <= int(style[-1])
            ppr = '<w:pPr><w:pStyle w:val="%s"/>%s<w:ind w:firstLineChars="0" w:firstLine="0"/></w:pPr>' % (
                style, '<w:keepNext w:val="0"/>' if loose else "")
        body.append('<w:p>%s<w:r><w:t xml:space="preserve">%s</w:t></w:r></w:p>' % (ppr, text(p.text)))
    xml = (XML_HEAD + '<w:document %s><w:body>%s<w:sectPr><w:pgSz w:w="11906" w:h="16838"/><w:pgMar w:top="1440" '
           'w:right="1800" w:bottom="1440" w:left="1800" w:header="851" w:footer="992" w:gutter="0"/>'
           '<w:cols w:space="425"/><w:docGrid w:type="lines" w:linePitch="312"/></w:sectPr></w:body></w:document>'
           ) % (W, "".join(body))
    pkg.add("word/document.xml", xml, CT + "document.main+xml")
    pkg.relate("word/document.xml", R + "styles", "styles.xml")
    pkg.add("word/styles.xml", _styles(), CT + "styles+xml")
    pkg.write(path)
