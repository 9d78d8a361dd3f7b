"""The looks of our presentations: colour, fonts, background and the master's shapes.
Each is drawn for this material; none copies a theme of the presentation program, so
none carries the name of one."""
from api import Decoration, Gradient, Look, Solid

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
                                  ((100000, 0), (100000, 100000), (0, 100000)), alpha=85)))

# Blue waves rolling over the foot of each slide: our own look for the 波形 step.
WAVES = Look(
    name="碧波", dark1="17324D", light1="FFFFFF", dark2="1B4F72", light2="E8F4FA",
    accents=("2E86C1", "17A589", "F39C12", "8E44AD", "5DADE2", "E74C3C"),
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
                 Decoration((457200, 1371600, 8229600, 19050), Solid("2874A6"))))

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

# ---- cases 4 to 6 ------------------------------------------------------------------
# 图解: the theme file of case 6. A .thmx of ours carries the colour and font schemes,
# so the look is those alone on white: what a presentation gets from applying the file.
# Strong red, amber and blue for charts and SmartArt, dark slate for the text.
ILLUSTRATED = Look(
    name="图解", dark1="1F2D3D", light1="FFFFFF", dark2="B03A2E", light2="F4F6F7",
    accents=("D9412F", "F39C12", "2E86C1", "27AE60", "8E44AD", "16A085"),
    hlink="2471A3", fol_hlink="7D3C98", major_latin="Arial", major_ea="黑体", minor_latin="Arial",
    minor_ea="微软雅黑", background=Solid("FFFFFF"))
