"""The looks of our presentations: colour, fonts, background and the master's shapes.
Each is drawn for this material; none copies a theme of the presentation program, so
none carries the name of one."""
from api import Decoration, Gradient, Look, Solid
from ooxml.model import HeadingRule

W, H = 9144000, 6858000

# White and plain, as a new presentation starts.
PLAIN = Look(name="素雅", dark2="44546A", light2="E7E6E6",
             accents=("4472C4", "ED7D31", "A5A5A5", "FFC000", "5B9BD5", "70AD47"))

# Vermilion and gold on warm paper: for 中国梦.
VERMILION = Look(
    name="朱红", dark1="3A1A12", light1="FFFFFF", dark2="8C1C13", light2="FBF3E4",
    accents=("C0392B", "D4A017", "8C1C13", "E67E22", "7F8C8D", "2C3E50"),
    hlink="B03A2E", fol_hlink="7D3C98", major_ea="黑体", minor_ea="宋体",
    background=Solid("FFF9EE"), title_color="A4161A",
    decorations=(Decoration((0, 0, W, 228600), Solid("C0392B")),
                 Decoration((0, 228600, W, 38100), Solid("D4A017")),
                 Decoration((0, H - 152400, W, 152400), Solid("C0392B"))),
    title_decorations=(Decoration((0, 1828800, W, 76200), Solid("D4A017")),
                       Decoration((7315200, 4572000, 1828800, 2286000), Solid("C0392B"), "path",
                                  ((100000, 0), (100000, 100000), (0, 100000)), alpha=25)))

# Blue waves rolling over the foot of each slide: our own look for the 波形 step.
WAVES = Look(
    name="碧波", dark1="17324D", light1="FFFFFF", dark2="1B4F72", light2="E8F4FA",
    accents=("2E86C1", "17A589", "BE780A", "8E44AD", "268FD4", "E74C3C"),
    hlink="1F618D", fol_hlink="76448A", major_ea="微软雅黑", minor_ea="微软雅黑",
    background=Solid("FFFFFF"), title_color="1B4F72",
    decorations=(Decoration((0, H - 1143000, W, 1143000), Solid("AED6F1"), "path",
                            ((0, 40000), (12000, 22000), (25000, 12000), (38000, 18000), (50000, 38000), (62000, 55000),
                             (75000, 52000), (88000, 32000), (100000, 15000), (100000, 100000), (0, 100000)), alpha=80),
                 Decoration((0, H - 800100, W, 800100), Solid("2E86C1"), "path",
                            ((0, 55000), (14000, 35000), (28000, 30000), (42000, 45000), (56000, 62000), (70000, 58000),
                             (84000, 38000), (100000, 30000), (100000, 100000), (0, 100000)), alpha=85)))

# A quiet blue-grey with a band on the left: for 无纸化考试.
SLATE = Look(
    name="青石", dark1="1C2833", light1="FFFFFF", dark2="21618C", light2="EBF5FB",
    accents=("2874A6", "48C9B0", "F5B041", "AF7AC5", "5499C7", "EC7063"),
    hlink="2471A3", fol_hlink="6C3483", major_ea="微软雅黑", minor_ea="微软雅黑",
    background=Gradient(((0, "FFFFFF"), (100, "EAF2F8")), 90), title_color="1F4E79",
    decorations=(Decoration((0, 0, 228600, H), Solid("2874A6")),
                 Decoration((228600, 0, 76200, H), Solid("48C9B0")),
                 HeadingRule((457200, 1371600, 8229600, 19050), Solid("2874A6"))))

# Autumn green and amber: for 练习五.
HARVEST = Look(
    name="秋实", dark1="233D2B", light1="FFFFFF", dark2="1E5631", light2="F4F1E1",
    accents=("4E8D3A", "E8A33D", "A4473C", "3E7CB1", "8F6F47", "6B8E23"),
    hlink="2E6DA4", fol_hlink="7B4B94", major_ea="黑体", minor_ea="宋体",
    background=Solid("FBFAF3"), title_color="1E5631",
    decorations=(Decoration((0, 0, W, 1371600), Solid("E9F2E1")),
                 Decoration((0, 1371600, W, 57150), Solid("E8A33D")),
                 Decoration((8001000, 5715000, 1143000, 1143000), Solid("4E8D3A"), "ellipse", alpha=25)))

# Sky blue fading through pale blue to a faint morning pink, top to bottom: the background
# of the step that picks the preset gradient "雨后初晴".
AFTER_RAIN = Gradient(((0, "5E9EFF"), (39, "85C2FF"), (70, "C4D6EB"), (100, "FFEBFA")), 90)

# ---- cases 1 to 3 -------------------------------------------------------------------

# Sand and ochre with dunes along the foot: our own look for the 跋涉 step of case 2.
DUNES = Look(
    name="大漠", dark1="3B2A1A", light1="FFFFFF", dark2="6B3A14", light2="F6EBD9",
    accents=("C0782F", "8C5A2B", "AF7F23", "6E8B3D", "4F7CAC", "A63D40"),
    hlink="8C4A12", fol_hlink="6E4C7E", major_ea="黑体", minor_ea="微软雅黑",
    background=Gradient(((0, "FFF9EE"), (100, "F4E4C8")), 90), title_color="6B3A14",
    decorations=(Decoration((0, 0, W, 114300), Solid("C0782F")),
                 Decoration((0, 114300, W, 28575), Solid("D9A441")),
                 Decoration((0, H - 685800, W, 685800), Solid("E3C48F"), "path",
                            ((0, 60000), (15000, 35000), (32000, 50000), (50000, 20000), (68000, 45000), (84000, 25000),
                             (100000, 40000), (100000, 100000), (0, 100000)), alpha=70),
                 Decoration((0, H - 380000, W, 380000), Solid("C8985A"), "path",
                            ((0, 45000), (20000, 65000), (42000, 30000), (60000, 55000), (80000, 35000),
                             (100000, 60000), (100000, 100000), (0, 100000)), alpha=80)),
    title_decorations=(Decoration((6400800, 457200, 1828800, 1828800), Solid("F0C987"), "ellipse", alpha=60),))

# Forsythia yellow on cream with a green band: our own look for the 暗香扑面 step of case 3.
FORSYTHIA = Look(
    name="金枝", dark1="2F3A1E", light1="FFFFFF", dark2="4E6B1F", light2="FBF6DF",
    accents=("B07D00", "5E8C31", "C0642A", "3E7CB1", "9C7A3C", "7B5EA7"),
    hlink="3E7CB1", fol_hlink="7B5EA7", major_ea="黑体", minor_ea="微软雅黑",
    background=Solid("FFFDF4"), title_color="4E6B1F",
    decorations=(Decoration((0, 0, W, 76200), Solid("5E8C31")),
                 Decoration((0, 76200, W, 38100), Solid("F2C200")),
                 Decoration((8534400, 5943600, 914400, 914400), Solid("F2C200"), "ellipse", alpha=35),
                 Decoration((8763000, 5638800, 457200, 457200), Solid("E0A800"), "ellipse", alpha=30)),
    title_decorations=(Decoration((0, 5715000, W, 1143000), Solid("F7E08A"), "path",
                                  ((0, 40000), (30000, 20000), (60000, 35000), (100000, 10000), (100000, 100000),
                                   (0, 100000)), alpha=60),))

# --- Looks of cases 7 to 9 -------------------------------------------------------------

# Sand and sage: low dunes at the foot of each slide under a band of green, for the
# desertification case (our own look for the step that applies 跋涉).
OASIS = Look(
    name="绿洲", dark1="3B2F20", light1="FFFFFF", dark2="6B4A22", light2="F6EEDC",
    accents=("B7803A", "5E8C31", "3F7F7A", "C96A3C", "8C8A36", "9C7A4E"),
    hlink="2E7D6B", fol_hlink="7A5C3A", major_ea="黑体", minor_ea="微软雅黑",
    background=Solid("FDF9F0"), title_color="6B4A22",
    decorations=(Decoration((0, 0, W, 114300), Solid("5E8C31")),
                 Decoration((0, 114300, W, 38100), Solid("B7803A")),
                 Decoration((0, H - 571500, W, 571500), Solid("EAD7AF"), "path",
                            ((0, 70000), (18000, 40000), (36000, 55000), (55000, 20000), (75000, 45000),
                             (90000, 30000), (100000, 45000), (100000, 100000), (0, 100000)), alpha=70)),
    title_decorations=(Decoration((0, H - 1600200, W, 1600200), Solid("E3C992"), "path",
                                  ((0, 55000), (20000, 30000), (42000, 45000), (62000, 12000), (82000, 35000),
                                   (100000, 20000), (100000, 100000), (0, 100000)), alpha=75),
                       Decoration((0, H - 685800, W, 685800), Solid("5E8C31"), "path",
                                  ((0, 60000), (25000, 35000), (50000, 55000), (75000, 30000), (100000, 50000),
                                   (100000, 100000), (0, 100000)), alpha=85)))

# Fire red and safety orange on white, a red band down the left: for the fire-safety
# training (our own look for the step that applies 奥斯汀).
EMBER = Look(
    name="丹焰", dark1="262626", light1="FFFFFF", dark2="7A1C10", light2="FCEFE6",
    accents=("D2381C", "D06F0E", "2E7D4F", "2F5D8C", "A98213", "7F7F7F"),
    hlink="B8321A", fol_hlink="7A4B94", major_ea="黑体", minor_ea="微软雅黑",
    background=Solid("FFFFFF"), title_color="B42A14",
    decorations=(Decoration((0, 0, 190500, H), Solid("D2381C")),
                 Decoration((190500, 0, 57150, H), Solid("F08A24")),
                 HeadingRule((457200, 1447800, 8229600, 19050), Solid("F08A24"))),
    title_decorations=(Decoration((0, H - 1371600, W, 1371600), Solid("D2381C")),
                       Decoration((0, H - 1447800, W, 76200), Solid("F08A24"))))
# ---- cases 4 to 6 ------------------------------------------------------------------
# 图解: the theme file of case 6, for a government work report turned into diagrams.
# Calm and official: warm white paper under a red band edged in gold, a gold ribbon
# hanging at the right, a red mark on a thin blue rule under the title and a blue band at
# the foot; on the title slide three rising bars stand on that rule, and a
# second rule parts the title from the subtitle. Every shape keeps clear
# of the placeholders. Strong red, amber and blue for charts and SmartArt, dark slate for
# the text, deep red titles.
_RED, _GOLD, _BLUE = "C0392B", "E3A21A", "2E6DA4"
ILLUSTRATED = Look(
    name="图解", dark1="1F2D3D", light1="FFFFFF", dark2="B03A2E", light2="F4F6F7",
    accents=("D9412F", "BE780A", "2E86C1", "239B56", "8E44AD", "16A085"),
    hlink="2471A3", fol_hlink="7D3C98", major_latin="Arial", major_ea="黑体", minor_latin="Arial",
    minor_ea="微软雅黑", background=Gradient(((0, "FFFFFF"), (100, "F6F1E7")), 90), title_color="9E1F14",
    decorations=(Decoration((0, 0, W, 146304), Solid(_RED)),
                 Decoration((0, 146304, W, 36576), Solid(_GOLD)),
                 Decoration((8778240, 0, 228600, 640080), Solid(_GOLD), "path",
                            ((0, 0), (100000, 0), (100000, 100000), (50000, 78000), (0, 100000))),
                 HeadingRule((457200, 1464310, 8229600, 12700), Solid(_BLUE)),
                 HeadingRule((457200, 1447800, 914400, 45720), Solid(_RED)),
                 Decoration((0, H - 91440, W, 91440), Solid(_BLUE))),
    # The title slide keeps the rule as the ground its three bars stand on.
    title_decorations=(Decoration((457200, 1464310, 8229600, 12700), Solid(_BLUE)),
                       Decoration((457200, 1447800, 914400, 45720), Solid(_RED)),
                       Decoration((3931920, 915670, 274320, 548640), Solid(_RED)),
                       Decoration((4434840, 687070, 274320, 777240), Solid(_GOLD)),
                       Decoration((4937760, 458470, 274320, 1005840), Solid(_BLUE)),
                       Decoration((1371600, 3737610, 6400800, 12700), Solid(_BLUE)),
                       Decoration((4114800, 3721100, 914400, 45720), Solid(_RED))))
