"""What a content module uses to describe the material and the answer of an exercise
or a case. See README.md for a walk-through.

    from api import case, Picture, Presentation, Slide, …

    @case(10)
    def build(material, answer):
        material.add("YSWG.pptx", Presentation(...))
        material.add("碧水.jpg")            # a picture of pictures.py, drawn in pictures/
        answer.add("YSWG.pptx", Presentation(...))

Files are named exactly as the texts name them. A name of pictures.py or sounds.py
needs no item: the drawing or the tune is found by its name."""
from dataclasses import dataclass

from ooxml.animation import Effect  # noqa: F401
from ooxml.docx import Document, Para  # noqa: F401
from ooxml.model import (CM, Diagram, LayoutFormat, P, Picture, Presentation, Printing, Shape, Show, Slide, Sound,  # noqa: F401
                         Table, TextStyle, Transition)
from ooxml.theme import Decoration, Gradient, Look, PictureFill, Solid  # noqa: F401


@dataclass(frozen=True, eq=False)
class SlideImage:
    """One slide of a presentation saved as a picture (另存为 JPEG → 每张幻灯片)."""
    presentation: Presentation
    number: int


@dataclass(frozen=True, eq=False)
class SlidesPdf:
    """A presentation published as PDF, one page a slide; or, with `handouts`, printed
    as handouts of that many slides a page (6 = 6张水平放置的幻灯片) in grey."""
    presentation: Presentation
    slides: tuple = ()  # slide numbers; empty = all
    handouts: int = 0
    grey: bool = False


class Folder:
    def __init__(self, path):
        self.path = path  # "素材/技能练习/421"
        self.files = {}  # name -> item, in the order added

    def add(self, name, item=None):
        if name in self.files:
            raise ValueError("%s: %s added twice" % (self.path, name))
        self.files[name] = item

    def add_slide_images(self, folder, presentation):
        """The folder that 另存为 JPEG makes beside a presentation: 幻灯片1.JPG, 幻灯片2.JPG, …"""
        for n in range(1, len(presentation.slides) + 1):
            self.add("%s/幻灯片%d.JPG" % (folder, n), SlideImage(presentation, n))


class Work:
    def __init__(self, kind, key, material_path, answer_path):
        self.kind, self.key = kind, key
        self.material = Folder(material_path)
        self.answer = Folder(answer_path)


EXERCISES = {}  # key -> the function that describes the exercise's folders
CASES = {}  # case number -> the same for a case


def exercise(key):
    def register(build):
        EXERCISES[key] = build
        return build
    return register


def case(number):
    def register(build):
        CASES[number] = build
        return build
    return register


def works():
    """Every registered exercise and case with its folders described, exercises first."""
    out = []
    for key in sorted(EXERCISES):
        work = Work("exercise", key, "素材/技能练习/" + key, "答案/技能练习/" + key)
        EXERCISES[key](work.material, work.answer)
        out.append(work)
    for number in sorted(CASES):
        work = Work("case", number, "素材/实战模拟/实例%d" % number, "答案/实战模拟/实例%d" % number)
        CASES[number](work.material, work.answer)
        out.append(work)
    return out
