"""Our own looks: a colour scheme, a font scheme, a background and the shapes that
decorate the master. One look gives the theme part of a presentation and a .thmx."""
import re
from dataclasses import dataclass, field

from .package import XML_HEAD, attr, text

NS_A = "http://schemas.openxmlformats.org/drawingml/2006/main"


@dataclass(frozen=True)
class Solid:
    color: str  # RRGGBB


@dataclass(frozen=True)
class Gradient:
    stops: tuple  # ((position 0..100, "RRGGBB"), ...)
    angle: int = 90  # degrees; 90 runs from top to bottom


@dataclass(frozen=True)
class PictureFill:
    picture: str  # a picture name known to the generator, e.g. "瀑布背景.jpg"
    transparency: int = 0  # percent, as 设置背景格式 → 透明度 sets it


@dataclass(frozen=True)
class Decoration:
    """A shape on the slide master: a preset or a free path in slide units (EMU)."""
    box: tuple  # x, y, cx, cy
    fill: object  # Solid or Gradient
    geometry: str = "rect"  # a preset name, or "path" with `path`
    path: tuple = ()  # ((x, y), ...) in 0..100000 of the box, closed
    alpha: int = 100  # percent opaque


@dataclass(frozen=True)
class Look:
    name: str  # shown as the theme's name; always one of ours
    dark1: str = "000000"
    light1: str = "FFFFFF"
    dark2: str = "1F497D"
    light2: str = "EEECE1"
    accents: tuple = ("4F81BD", "C0504D", "9BBB59", "8064A2", "4BACC6", "F79646")
    hlink: str = "0000FF"
    fol_hlink: str = "800080"
    major_latin: str = "Calibri"
    major_ea: str = "微软雅黑"
    minor_latin: str = "Calibri"
    minor_ea: str = "宋体"
    background: object = Solid("FFFFFF")
    title_color: str = ""  # empty: the scheme's text colour
    body_color: str = ""
    title_ea: str = ""  # a font for the titles other than the scheme's heading font
    decorations: tuple = field(default_factory=tuple)
    title_decorations: tuple = field(default_factory=tuple)  # on the title layout instead


def colour(value, alpha=100):
    """RRGGBB, or a colour of the theme by its name ("tx1", "bg1", "accent2")."""
    inner = "" if alpha >= 100 else '<a:alpha val="%d"/>' % (alpha * 1000)
    tag = "a:srgbClr" if re.fullmatch(r"[0-9A-Fa-f]{6}", value) else "a:schemeClr"
    return '<%s val="%s">%s</%s>' % (tag, value, inner, tag) if inner else '<%s val="%s"/>' % (tag, value)


def fill_xml(fill, alpha=100, picture_rid=None):
    if isinstance(fill, Solid):
        return "<a:solidFill>%s</a:solidFill>" % colour(fill.color, alpha)
    if isinstance(fill, Gradient):
        stops = "".join('<a:gs pos="%d">%s</a:gs>' % (p * 1000, colour(c, alpha)) for p, c in fill.stops)
        return ('<a:gradFill flip="none" rotWithShape="1"><a:gsLst>%s</a:gsLst>'
                '<a:lin ang="%d" scaled="1"/><a:tileRect/></a:gradFill>' % (stops, fill.angle * 60000))
    if isinstance(fill, PictureFill):
        # 透明度 is kept as the opacity left to the picture.
        blip = ('<a:blip r:embed="%s"><a:alphaModFix amt="%d"/></a:blip>' % (picture_rid, (100 - fill.transparency) * 1000)
                if fill.transparency else '<a:blip r:embed="%s"/>' % picture_rid)
        return ('<a:blipFill dpi="0" rotWithShape="1">%s<a:srcRect/><a:stretch><a:fillRect/></a:stretch></a:blipFill>'
                % blip)
    raise TypeError(fill)


def _font(latin, ea):
    return '<a:latin typeface=%s/><a:ea typeface=%s/><a:cs typeface=""/>' % (attr(latin), attr(ea))


def theme_xml(look):
    """The theme part (ppt/theme/theme1.xml, or theme/theme/theme1.xml in a .thmx)."""
    a = look.accents
    clr = ('<a:clrScheme name=%s><a:dk1>%s</a:dk1><a:lt1>%s</a:lt1><a:dk2>%s</a:dk2><a:lt2>%s</a:lt2>'
           % (attr(look.name), colour(look.dark1), colour(look.light1), colour(look.dark2), colour(look.light2)))
    clr += "".join("<a:accent%d>%s</a:accent%d>" % (i + 1, colour(c), i + 1) for i, c in enumerate(a))
    clr += "<a:hlink>%s</a:hlink><a:folHlink>%s</a:folHlink></a:clrScheme>" % (colour(look.hlink), colour(look.fol_hlink))
    fonts = ('<a:fontScheme name=%s><a:majorFont>%s</a:majorFont><a:minorFont>%s</a:minorFont></a:fontScheme>'
             % (attr(look.name), _font(look.major_latin, look.major_ea), _font(look.minor_latin, look.minor_ea)))
    ph = '<a:schemeClr val="phClr"/>'
    shade = lambda t, s: '<a:gs pos="%d"><a:schemeClr val="phClr"><a:tint val="%d"/><a:satMod val="%d"/></a:schemeClr></a:gs>' % (t[0], t[1], s)
    grad = lambda a, b: ('<a:gradFill rotWithShape="1"><a:gsLst>%s%s</a:gsLst><a:lin ang="5400000" scaled="0"/></a:gradFill>'
                         % (shade((0, a), 300000), shade((100000, b), 200000)))
    fmt = ('<a:fmtScheme name=%s>'
           '<a:fillStyleLst><a:solidFill>%s</a:solidFill>%s%s</a:fillStyleLst>'
           '<a:lnStyleLst>'
           '<a:ln w="9525" cap="flat" cmpd="sng" algn="ctr"><a:solidFill><a:schemeClr val="phClr"><a:shade val="95000"/></a:schemeClr></a:solidFill><a:prstDash val="solid"/></a:ln>'
           '<a:ln w="25400" cap="flat" cmpd="sng" algn="ctr"><a:solidFill>%s</a:solidFill><a:prstDash val="solid"/></a:ln>'
           '<a:ln w="38100" cap="flat" cmpd="sng" algn="ctr"><a:solidFill>%s</a:solidFill><a:prstDash val="solid"/></a:ln>'
           '</a:lnStyleLst>'
           '<a:effectStyleLst>'
           '<a:effectStyle><a:effectLst/></a:effectStyle>'
           '<a:effectStyle><a:effectLst><a:outerShdw blurRad="40000" dist="23000" dir="5400000" rotWithShape="0"><a:srgbClr val="000000"><a:alpha val="35000"/></a:srgbClr></a:outerShdw></a:effectLst></a:effectStyle>'
           '<a:effectStyle><a:effectLst><a:outerShdw blurRad="57150" dist="38100" dir="5400000" algn="t" rotWithShape="0"><a:srgbClr val="000000"><a:alpha val="40000"/></a:srgbClr></a:outerShdw></a:effectLst></a:effectStyle>'
           '</a:effectStyleLst>'
           '<a:bgFillStyleLst><a:solidFill>%s</a:solidFill>%s%s</a:bgFillStyleLst>'
           '</a:fmtScheme>') % (attr(look.name), ph, grad(50000, 15000), grad(80000, 30000), ph, ph,
                                ph, grad(40000, 95000), grad(60000, 20000))
    return (XML_HEAD + '<a:theme xmlns:a="%s" name=%s><a:themeElements>%s%s%s</a:themeElements>'
            '<a:objectDefaults/><a:extraClrSchemeLst/></a:theme>') % (NS_A, attr(look.name), clr, fonts, fmt)


def write_thmx(look, path):
    """A theme file as the presentation program saves one from "保存当前主题": the theme
    part behind a theme manager, and the slide master with its layouts that the theme part
    leads to, so that applying the file brings the look's background, decorations and
    text styles along with its colours, fonts and effects."""
    from .package import R, Package
    from .pptx_master import ThemeMasterWriter  # it builds on this module
    pkg = Package()
    pkg.add("theme/theme/themeManager.xml",
            XML_HEAD + '<a:themeManager xmlns:a="%s"/>' % NS_A,
            "application/vnd.openxmlformats-officedocument.themeManager+xml")
    pkg.add("theme/theme/theme1.xml", theme_xml(look), "application/vnd.openxmlformats-officedocument.theme+xml")
    pkg.relate("", R + "officeDocument", "theme/theme/themeManager.xml")
    pkg.relate("theme/theme/themeManager.xml", R + "theme", "theme1.xml")
    pkg.relate("theme/theme/theme1.xml", R + "slideMaster", "../slideMasters/slideMaster1.xml")
    ThemeMasterWriter(look, pkg).write()
    pkg.write(path)


def decoration_xml(deco, shape_id):
    x, y, cx, cy = deco.box
    if deco.geometry == "path":
        pts = deco.path
        path = '<a:moveTo><a:pt x="%d" y="%d"/></a:moveTo>' % pts[0]
        path += "".join('<a:lnTo><a:pt x="%d" y="%d"/></a:lnTo>' % p for p in pts[1:])
        geom = ('<a:custGeom><a:avLst/><a:gdLst/><a:ahLst/><a:cxnLst/><a:rect l="0" t="0" r="r" b="b"/>'
                '<a:pathLst><a:path w="100000" h="100000">%s<a:close/></a:path></a:pathLst></a:custGeom>' % path)
    else:
        geom = '<a:prstGeom prst="%s"><a:avLst/></a:prstGeom>' % deco.geometry
    return ('<p:sp><p:nvSpPr><p:cNvPr id="%d" name="装饰 %d"/><p:cNvSpPr/><p:nvPr userDrawn="1"/></p:nvSpPr>'
            '<p:spPr><a:xfrm><a:off x="%d" y="%d"/><a:ext cx="%d" cy="%d"/></a:xfrm>%s%s<a:ln><a:noFill/></a:ln></p:spPr>'
            '<p:txBody><a:bodyPr rtlCol="0" anchor="ctr"/><a:lstStyle/><a:p><a:endParaRPr lang="zh-CN" altLang="en-US"/></a:p></p:txBody></p:sp>'
            ) % (shape_id, shape_id, x, y, cx, cy, geom, fill_xml(deco.fill, deco.alpha))
