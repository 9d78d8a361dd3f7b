"""Every picture the material uses, by the file name the texts give it: the drawing in
pictures/ it is rendered from, and its size in pixels. A name used in a folder or on a
slide must be a row here."""

PICTURES = {
    # name: (drawing, width, height)
    "风景.jpg": ("风景.svg", 1200, 800),
    "声音图标.png": ("声音图标.svg", 128, 128),  # the icon of an inserted sound
}
