"""Animations as the presentation program stores them: a timing tree of click groups,
each a run of steps that start together, each step a set of effects.

An effect is named as the 动画 tab names it ("飞入", "浮入", …) with its effect option
("自左侧", …). To add an effect: add a row to EFFECTS with its preset numbers and a
function that writes its behaviours.

One effect may play as several steps, as the animation pane lists them when it is
expanded: a text built by paragraph (序列 “按段落”), an effect on some lines of a text,
and a SmartArt graphic built one shape at a time (序列 “逐个”). `expand` makes those
steps; the writer and the tests' manifest both use it."""
from dataclasses import dataclass


@dataclass(frozen=True)
class Effect:
    target: str  # a shape key of the slide: "title", "body", "subtitle", "picture:碧水.jpg", …
    name: str  # "飞入", "浮入", "陀螺旋", …, or "播放" for a sound or music
    option: str = ""  # "自左侧", …
    start: str = "click"  # "click" (单击时), "with" (与上一动画同时), "after" (上一动画之后)
    duration: int = 500  # ms
    delay: int = 0  # ms
    by_paragraph: bool = False  # 序列 “按段落”; on a SmartArt graphic 序列 “逐个”: one step a shape
    only: tuple = ()  # the paragraphs (from 0) of a text the effect is on, when only some lines are selected
    delays: tuple = ()  # the delay of each step from the first, as set in the expanded pane; later steps keep `delay`
    durations: tuple = ()  # the same for the duration
    repeat: int = 0  # 计时 → 重复: how often it plays; 0 plays once
    after: str = ""  # 效果 → 动画播放后: "RRGGBB" (dims to that colour), "下次单击后隐藏", "播放动画后隐藏"
    by_letter: int = 0  # 效果 → 动画文本 “按字母”: the 字母之间延迟百分比 (20 for 20%); 0 animates all at once
    length: float = 0.25  # a motion path's length (直线), as a fraction of the slide's height


@dataclass(frozen=True)
class Step:
    """One line of the expanded animation pane: an effect on a whole shape (part None),
    on one paragraph (part an int) or on one shape of a SmartArt graphic (part its id)."""
    effect: Effect
    part: object
    start: str
    delay: int
    duration: int
    letters: int = 0  # the letters it animates one by one, for 按字母

    def length(self):
        """How long the step plays, delay included: the steps after it wait that long."""
        once = self.duration
        if self.effect.by_letter and self.letters > 1:
            once += (self.letters - 1) * self.duration * self.effect.by_letter // 100
        return self.delay + once * max(1, self.effect.repeat)


def expand(effect, paragraphs=(), graphic=None):
    """The steps of an effect. paragraphs: the target's paragraphs as (text, level);
    graphic: for a SmartArt graphic, its shapes' ids in the order 逐个 builds them."""
    if effect.by_paragraph and graphic is not None:
        parts = [(shape, 0, 0) for shape in graphic]
    elif effect.by_paragraph or effect.only:
        numbers = effect.only or range(len(paragraphs))
        parts = [(k, paragraphs[k][1], len(paragraphs[k][0])) for k in numbers if paragraphs[k][0]]
    else:
        parts = [(None, 0, sum(len(t) for t, _ in paragraphs))]
    if not parts:
        raise ValueError("%s on %s: no paragraph or shape to build" % (effect.name, effect.target))
    steps = []
    for k, (part, level, letters) in enumerate(parts):
        if k == 0:
            start = effect.start
        elif level:
            start = "with"  # a lower level comes with its paragraph
        else:
            start = "click" if effect.start == "click" else "after"
        steps.append(Step(effect, part, start, effect.delays[k] if k < len(effect.delays) else effect.delay,
                          effect.durations[k] if k < len(effect.durations) else effect.duration, letters))
    return steps


# ---- behaviours ----------------------------------------------------------------------

def _set_visible(ids, tgt, visible=True):
    return ('<p:set><p:cBhvr><p:cTn id="%d" dur="1" fill="hold"><p:stCondLst><p:cond delay="0"/></p:stCondLst></p:cTn>'
            '%s<p:attrNameLst><p:attrName>style.visibility</p:attrName></p:attrNameLst></p:cBhvr>'
            '<p:to><p:strVal val="%s"/></p:to></p:set>') % (next(ids), tgt, "visible" if visible else "hidden")


def _anim(ids, tgt, attr_name, frm, to, dur, extra=""):
    return _keyframes(ids, tgt, attr_name, ((0, frm), (100000, to)), dur, extra)


def _keyframes(ids, tgt, attr_name, frames, dur, extra=""):
    """An animation of one property through (time in 1000ths of a percent, value) frames."""
    tavs = "".join('<p:tav tm="%d"><p:val><p:strVal val="%s"/></p:val></p:tav>' % f for f in frames)
    return ('<p:anim calcmode="lin" valueType="num"><p:cBhvr additive="base"><p:cTn id="%d" dur="%d" fill="hold"%s/>'
            '%s<p:attrNameLst><p:attrName>%s</p:attrName></p:attrNameLst></p:cBhvr><p:tavLst>%s</p:tavLst></p:anim>'
            ) % (next(ids), dur, extra, tgt, attr_name, tavs)


def _filter(ids, tgt, name, dur, transition="in"):
    return ('<p:animEffect transition="%s" filter="%s"><p:cBhvr><p:cTn id="%d" dur="%d"/>%s</p:cBhvr></p:animEffect>'
            % (transition, name, next(ids), dur, tgt))


def _scale(ids, tgt, by, dur, extra=""):
    return ('<p:animScale><p:cBhvr><p:cTn id="%d" dur="%d"%s fill="hold"/>%s</p:cBhvr>'
            '<p:by x="%d" y="%d"/></p:animScale>') % (next(ids), dur, extra, tgt, by, by)


def _rotate(ids, tgt, by, dur, delay=0):
    cond = '<p:stCondLst><p:cond delay="%d"/></p:stCondLst>' % delay
    return ('<p:animRot by="%d"><p:cBhvr><p:cTn id="%d" dur="%d" fill="hold">%s</p:cTn>%s'
            '<p:attrNameLst><p:attrName>r</p:attrName></p:attrNameLst></p:cBhvr></p:animRot>') % (
        by, next(ids), dur, cond, tgt)


def _font_weight(ids, tgt, dur, fill):
    return ('<p:set><p:cBhvr override="childStyle"><p:cTn id="%d" dur="%d" fill="%s"/>%s<p:attrNameLst>'
            '<p:attrName>style.fontWeight</p:attrName></p:attrNameLst></p:cBhvr><p:to><p:strVal val="bold"/></p:to>'
            '</p:set>') % (next(ids), dur, fill, tgt)


FLY_FROM = {  # option: (subtype, x from, y from)
    "自底部": (4, "#ppt_x", "1+#ppt_h/2"),
    "自左侧": (8, "0-#ppt_w/2", "#ppt_y"),
    "自右侧": (2, "1+#ppt_w/2", "#ppt_y"),
    "自顶部": (1, "#ppt_x", "0-#ppt_h/2"),
}
WIPE_FROM = {"自底部": (4, "wipe(up)"), "自左侧": (8, "wipe(right)"), "自右侧": (2, "wipe(left)"),
             "自顶部": (1, "wipe(down)")}
SPLIT = {"中央向左右展开": (42, "barn(outVertical)"), "左右向中央收缩": (21, "barn(inVertical)"),
         "中央向上下展开": (37, "barn(outHorizontal)"), "上下向中央收缩": (26, "barn(inHorizontal)")}


def _appear(ids, tgt, e, dur):
    return _set_visible(ids, tgt)


def _fade(ids, tgt, e, dur):
    return _set_visible(ids, tgt) + _filter(ids, tgt, "fade", dur)


def _fly(ids, tgt, e, dur):
    _, x, y = FLY_FROM[e.option or "自底部"]
    return _set_visible(ids, tgt) + _anim(ids, tgt, "ppt_x", x, "#ppt_x", dur) + _anim(ids, tgt, "ppt_y", y, "#ppt_y", dur)


def _float(ids, tgt, e, dur):
    start = "#ppt_y+.1" if e.option in ("", "上浮") else "#ppt_y-.1"
    return (_set_visible(ids, tgt) + _filter(ids, tgt, "fade", dur) +
            _anim(ids, tgt, "ppt_x", "#ppt_x", "#ppt_x", dur, ' decel="100000"') +
            _anim(ids, tgt, "ppt_y", start, "#ppt_y", dur, ' decel="100000"'))


def _wipe(ids, tgt, e, dur):
    return _set_visible(ids, tgt) + _filter(ids, tgt, WIPE_FROM[e.option or "自底部"][1], dur)


def _split(ids, tgt, e, dur):
    return _set_visible(ids, tgt) + _filter(ids, tgt, SPLIT[e.option or "左右向中央收缩"][1], dur)


def _zoom(ids, tgt, e, dur):
    moves = ""
    if e.option == "幻灯片中心":  # from the middle of the slide to its place
        moves = _anim(ids, tgt, "ppt_x", "0.5", "#ppt_x", dur) + _anim(ids, tgt, "ppt_y", "0.5", "#ppt_y", dur)
    return (_set_visible(ids, tgt) + _anim(ids, tgt, "ppt_w", "0", "#ppt_w", dur) +
            _anim(ids, tgt, "ppt_h", "0", "#ppt_h", dur) + moves + _filter(ids, tgt, "fade", dur))


def _circle(ids, tgt, e, dur):  # 形状 (圆) and 圆形扩展: a circle opening from the centre, or closing in
    return _set_visible(ids, tgt) + _filter(ids, tgt, "circle(in)" if e.option.startswith("缩小") else "circle(out)", dur)


def _wheel(ids, tgt, e, dur):
    return _set_visible(ids, tgt) + _filter(ids, tgt, "wheel(1)", dur)


def _random_bars(ids, tgt, e, dur):
    return _set_visible(ids, tgt) + _filter(
        ids, tgt, "randombar(vertical)" if e.option == "垂直" else "randombar(horizontal)", dur)


def _bounce(ids, tgt, e, dur):
    return (_set_visible(ids, tgt) + _filter(ids, tgt, "fade", dur // 4) +
            _keyframes(ids, tgt, "ppt_x", ((0, "#ppt_x-0.25"), (100000, "#ppt_x")), dur) +
            _keyframes(ids, tgt, "ppt_y", ((0, "#ppt_y-0.25"), (50000, "#ppt_y"), (65000, "#ppt_y-0.08"),
                                           (80000, "#ppt_y"), (90000, "#ppt_y-0.02"), (100000, "#ppt_y")), dur))


def _grow_turn(ids, tgt, e, dur):
    return (_set_visible(ids, tgt) + _anim(ids, tgt, "ppt_w", "0", "#ppt_w", dur) +
            _anim(ids, tgt, "ppt_h", "0", "#ppt_h", dur) +
            ('<p:anim calcmode="lin" valueType="num"><p:cBhvr><p:cTn id="%d" dur="%d" fill="hold"/>%s'
             '<p:attrNameLst><p:attrName>style.rotation</p:attrName></p:attrNameLst></p:cBhvr><p:tavLst>'
             '<p:tav tm="0"><p:val><p:fltVal val="90"/></p:val></p:tav>'
             '<p:tav tm="100000"><p:val><p:fltVal val="0"/></p:val></p:tav></p:tavLst></p:anim>') % (next(ids), dur, tgt) +
            _filter(ids, tgt, "fade", dur))


def _swivel(ids, tgt, e, dur):
    return (_set_visible(ids, tgt) + _filter(ids, tgt, "fade", dur) +
            _keyframes(ids, tgt, "ppt_w", ((0, "0"), (25000, "#ppt_w"), (50000, "0"), (75000, "#ppt_w"),
                                           (100000, "#ppt_w")), dur))


def _spin(ids, tgt, e, dur):
    return _rotate(ids, tgt, 21600000, dur)


def _pulse(ids, tgt, e, dur):
    return _scale(ids, tgt, 105000, dur // 2, ' autoRev="1"')


def _colour_pulse(ids, tgt, e, dur):
    return ('<p:animClr clrSpc="hsl" dir="cw"><p:cBhvr override="childStyle"><p:cTn id="%d" dur="%d" autoRev="1" '
            'fill="hold"/>%s<p:attrNameLst><p:attrName>style.color</p:attrName></p:attrNameLst></p:cBhvr>'
            '<p:to><a:schemeClr val="accent2"/></p:to></p:animClr>') % (next(ids), dur // 2, tgt)


def _grow_shrink(ids, tgt, e, dur):  # at its own setting, 150 %
    return _scale(ids, tgt, 150000, dur)


def _teeter(ids, tgt, e, dur):
    quarter = dur // 4
    return "".join(_rotate(ids, tgt, by, quarter, k * quarter) for k, by in enumerate((240000, -480000, 480000, -240000)))


def _wave(ids, tgt, e, dur):
    return _anim(ids, tgt, "ppt_y", "#ppt_y", "#ppt_y-.03", dur // 2, ' autoRev="1"')


def _bold_flash(ids, tgt, e, dur):
    return _font_weight(ids, tgt, dur, "remove")


def _bold_reveal(ids, tgt, e, dur):  # the text stays bold
    return _font_weight(ids, tgt, dur, "hold")


def _line(ids, tgt, e, dur):  # 直线, 下: down by `length` of the slide's height
    return ('<p:animMotion origin="layout" path="M 0 0 L 0 %.4f E" pathEditMode="relative" ptsTypes="AA"><p:cBhvr>'
            '<p:cTn id="%d" dur="%d" fill="hold"/>%s<p:attrNameLst><p:attrName>ppt_x</p:attrName>'
            '<p:attrName>ppt_y</p:attrName></p:attrNameLst></p:cBhvr></p:animMotion>') % (e.length, next(ids), dur, tgt)


def _fixed(subtype):
    return lambda option: subtype


def _circle_subtype(option):
    return 16 if option.startswith("缩小") else 32  # 放大 by default


# name: (presetID, presetClass, option -> subtype, behaviours)
EFFECTS = {
    # entrance
    "出现": (1, "entr", _fixed(0), _appear),
    "飞入": (2, "entr", lambda o: FLY_FROM[o or "自底部"][0], _fly),
    "形状": (6, "entr", _circle_subtype, _circle),  # 放大/缩小, shape 圆
    "圆形扩展": (6, "entr", _circle_subtype, _circle),  # the same preset, as 更多进入效果 names it
    "淡出": (10, "entr", _fixed(0), _fade),
    "随机线条": (14, "entr", lambda o: 5 if o == "垂直" else 10, _random_bars),
    "劈裂": (16, "entr", lambda o: SPLIT[o or "左右向中央收缩"][0], _split),
    "旋转": (19, "entr", _fixed(10), _swivel),
    "轮子": (21, "entr", _fixed(1), _wheel),
    "擦除": (22, "entr", lambda o: WIPE_FROM[o or "自底部"][0], _wipe),
    "弹跳": (26, "entr", _fixed(0), _bounce),
    "翻转式由远及近": (31, "entr", _fixed(0), _grow_turn),
    "浮入": (42, "entr", _fixed(0), _float),
    "缩放": (53, "entr", lambda o: 528 if o == "幻灯片中心" else 16, _zoom),
    # emphasis
    "放大/缩小": (6, "emph", _fixed(0), _grow_shrink),
    "陀螺旋": (8, "emph", _fixed(0), _spin),
    "加粗闪烁": (10, "emph", _fixed(0), _bold_flash),
    "加粗展示": (15, "emph", _fixed(0), _bold_reveal),
    "脉冲": (26, "emph", _fixed(0), _pulse),
    "彩色脉冲": (27, "emph", _fixed(0), _colour_pulse),
    "跷跷板": (32, "emph", _fixed(0), _teeter),
    "波浪形": (34, "emph", _fixed(0), _wave),
    # motion paths
    "直线": (42, "path", _fixed(0), _line),
}
EFFECTS_DOWN_FLOAT = 47  # "浮入" with "下浮" is a preset of its own


def preset(effect):
    if effect.name == "浮入" and effect.option == "下浮":
        return EFFECTS_DOWN_FLOAT, "entr", 0
    pid, cls, sub, _ = EFFECTS[effect.name]
    return pid, cls, sub(effect.option)


def _after_effect(ids, tgt, after):
    """What 动画播放后 leaves: the sub-node the program keeps under the effect, played
    with the next click (a dim colour, 下次单击后隐藏) or right after it (播放动画后隐藏)."""
    if not after:
        return ""
    rel = "sameClick" if after == "播放动画后隐藏" else "nextClick"
    ctn = '<p:cTn id="%d" dur="1" fill="hold" masterRel="%s" afterEffect="1"/>' % (next(ids), rel)
    if after in ("下次单击后隐藏", "播放动画后隐藏"):
        body = ('<p:set><p:cBhvr>%s%s<p:attrNameLst><p:attrName>style.visibility</p:attrName></p:attrNameLst></p:cBhvr>'
                '<p:to><p:strVal val="hidden"/></p:to></p:set>') % (ctn, tgt)
    else:
        body = ('<p:animClr clrSpc="rgb" dir="cw"><p:cBhvr>%s%s<p:attrNameLst><p:attrName>ppt_c</p:attrName>'
                '</p:attrNameLst></p:cBhvr><p:to><a:srgbClr val="%s"/></p:to></p:animClr>') % (ctn, tgt, after)
    return "<p:subTnLst>%s</p:subTnLst>" % body


class _Ids:
    def __init__(self):
        self.n = 0

    def __next__(self):
        self.n += 1
        return self.n


def _target(spid, part):
    if part is None:
        inner = ""
    elif isinstance(part, int):
        inner = '<p:txEl><p:pRg st="%d" end="%d"/></p:txEl>' % (part, part)
    else:
        inner = '<p:graphicEl><a:dgm id="%s"/></p:graphicEl>' % part
    return '<p:tgtEl><p:spTgt spid="%d">%s</p:spTgt></p:tgtEl>' % (spid, inner)


def slide_steps(effects, texts=None, graphics=None):
    """Every step of a slide's effects in the order of the pane. texts: key -> the
    paragraphs of that shape as (text, level); graphics: key -> a graphic's shape ids."""
    texts, graphics = texts or {}, graphics or {}
    return [s for e in effects for s in expand(e, texts.get(e.target, ()), graphics.get(e.target))]


def timing_xml(effects, shape_ids, text_shapes, media=(), graphics=None, texts=None):
    """effects: [Effect] in the order of the animation pane; shape_ids: key -> spid;
    text_shapes: keys of shapes with a text body (they get a build entry);
    media: [(spid, loop, hide, across_slides)] of sounds that play from the first one;
    graphics: key -> the shape ids of a SmartArt graphic in build order;
    texts: key -> the paragraphs of a shape as (text, level)."""
    graphics = graphics or {}
    ids = _Ids()
    root_id = next(ids)
    seq_id = next(ids)
    groups = []  # click groups: [steps] where steps = [[Step]] that start together
    for step in slide_steps(effects, texts, graphics):
        if step.start == "click" or not groups:
            groups.append([[step]])
        elif step.start == "after":
            groups[-1].append([step])
        else:
            groups[-1][-1].append(step)
    grp_ids = {}
    builds = []
    out = []
    for g_index, group in enumerate(groups):
        first_start = group[0][0].start
        cond = '<p:cond delay="indefinite"/>'
        if g_index == 0 and first_start != "click":
            cond += '<p:cond evt="onBegin" delay="0"><p:tn val="%d"/></p:cond>' % seq_id
        group_xml = []
        offset = 0
        group_id = next(ids)
        for par in group:
            par_id = next(ids)
            inner = []
            longest = 0
            for step in par:
                e = step.effect
                node = {"click": "clickEffect", "with": "withEffect", "after": "afterEffect"}[step.start]
                spid = shape_ids[e.target]
                tgt = _target(spid, step.part)
                longest = max(longest, step.length())
                effect_id = next(ids)
                if e.name == "播放":
                    inner.append(
                        '<p:par><p:cTn id="%d" presetID="1" presetClass="mediacall" presetSubtype="0" fill="hold" '
                        'nodeType="%s"><p:stCondLst><p:cond delay="%d"/></p:stCondLst><p:childTnLst>'
                        '<p:cmd type="call" cmd="playFrom(0.0)"><p:cBhvr><p:cTn id="%d" dur="%d" fill="hold"/>%s'
                        '</p:cBhvr></p:cmd></p:childTnLst></p:cTn></p:par>'
                        % (effect_id, node, step.delay, next(ids), step.duration, tgt))
                    continue
                key = (e.target, e.name, e.option, e.only)
                if key not in grp_ids:
                    grp_ids[key] = len(grp_ids)
                    if e.target in graphics:
                        builds.append((spid, grp_ids[key], "one" if e.by_paragraph else "graphic"))
                    elif e.target in text_shapes:
                        builds.append((spid, grp_ids[key], "p" if e.by_paragraph or e.only else None))
                pid, cls, sub = preset(e)
                iterate = ('<p:iterate type="lt"><p:tmPct val="%d"/></p:iterate>' % (e.by_letter * 1000)
                           if e.by_letter else "")
                behaviours = EFFECTS[e.name][3](ids, tgt, e, step.duration)
                inner.append(
                    '<p:par><p:cTn id="%d" presetID="%d" presetClass="%s" presetSubtype="%d"%s fill="hold" '
                    'grpId="%d" nodeType="%s"><p:stCondLst><p:cond delay="%d"/></p:stCondLst>%s'
                    '<p:childTnLst>%s</p:childTnLst>%s</p:cTn></p:par>'
                    % (effect_id, pid, cls, sub, ' repeatCount="%d"' % (e.repeat * 1000) if e.repeat > 1 else "",
                       grp_ids[key], node, step.delay, iterate, behaviours, _after_effect(ids, tgt, e.after)))
            group_xml.append('<p:par><p:cTn id="%d" fill="hold"><p:stCondLst><p:cond delay="%d"/></p:stCondLst>'
                             '<p:childTnLst>%s</p:childTnLst></p:cTn></p:par>' % (par_id, offset, "".join(inner)))
            offset += longest
        out.append('<p:par><p:cTn id="%d" fill="hold"><p:stCondLst>%s</p:stCondLst><p:childTnLst>%s'
                   '</p:childTnLst></p:cTn></p:par>' % (group_id, cond, "".join(group_xml)))
    main = ""
    if out:
        main = ('<p:seq concurrent="1" nextAc="seek"><p:cTn id="%d" dur="indefinite" nodeType="mainSeq">'
                '<p:childTnLst>%s</p:childTnLst></p:cTn><p:prevCondLst><p:cond evt="onPrev" delay="0">'
                '<p:tgtEl><p:sldTgt/></p:tgtEl></p:cond></p:prevCondLst><p:nextCondLst><p:cond evt="onNext" delay="0">'
                '<p:tgtEl><p:sldTgt/></p:tgtEl></p:cond></p:nextCondLst></p:seq>') % (seq_id, "".join(out))
    audio = ""
    for spid, loop, hide, across in media:
        audio += ('<p:audio><p:cMediaNode vol="80000"%s%s><p:cTn id="%d"%s fill="hold" display="0">'
                  '<p:stCondLst><p:cond delay="indefinite"/></p:stCondLst>'
                  '<p:endCondLst><p:cond evt="onStopAudio" delay="0"><p:tgtEl><p:sldTgt/></p:tgtEl></p:cond></p:endCondLst>'
                  '</p:cTn><p:tgtEl><p:spTgt spid="%d"/></p:tgtEl></p:cMediaNode></p:audio>'
                  % (' numSld="999"' if across else "", ' showWhenStopped="0"' if hide else "", next(ids),
                     ' repeatCount="indefinite"' if loop else "", spid))
    if not main and not audio:
        return ""
    bld = ""
    if builds:
        bld = "<p:bldLst>%s</p:bldLst>" % "".join(_build(*b) for b in builds)
    return ('<p:timing><p:tnLst><p:par><p:cTn id="%d" dur="indefinite" restart="never" nodeType="tmRoot">'
            '<p:childTnLst>%s%s</p:childTnLst></p:cTn></p:par></p:tnLst>%s</p:timing>') % (root_id, main, audio, bld)


def _build(spid, grp, kind):
    if kind == "graphic":
        return '<p:bldGraphic spid="%d" grpId="%d"><p:bldAsOne/></p:bldGraphic>' % (spid, grp)
    if kind == "one":  # 逐个: the graphic's shapes one at a time
        return '<p:bldGraphic spid="%d" grpId="%d"><p:bldSub><a:bldDgm bld="one"/></p:bldSub></p:bldGraphic>' % (spid, grp)
    return '<p:bldP spid="%d" grpId="%d"%s/>' % (spid, grp, ' build="p"' if kind else ' animBg="1"')
