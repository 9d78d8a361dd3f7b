"""Animations as the presentation program stores them: a timing tree of click groups,
each a run of steps that start together, each step a set of effects.

An effect is named as the 动画 tab names it ("飞入", "浮入", …) with its effect option
("自左侧", …). To add an effect: add a row to EFFECTS with its preset numbers and a
function that writes its behaviours."""
from dataclasses import dataclass


@dataclass(frozen=True)
class Effect:
    target: str  # a shape key of the slide: "title", "body", "subtitle", "picture:碧水.jpg", …
    name: str  # "飞入", "浮入", "陀螺旋", …, or "播放" for a sound or music
    option: str = ""  # "自左侧", …
    start: str = "click"  # "click" (单击时), "with" (与上一动画同时), "after" (上一动画之后)
    duration: int = 500  # ms
    delay: int = 0  # ms
    by_paragraph: bool = False  # 序列 "按段落"
    paragraphs: int = 0  # filled in by the writer for by-paragraph builds


def _set_visible(ids, spid):
    return ('<p:set><p:cBhvr><p:cTn id="%d" dur="1" fill="hold"><p:stCondLst><p:cond delay="0"/></p:stCondLst></p:cTn>'
            '%s<p:attrNameLst><p:attrName>style.visibility</p:attrName></p:attrNameLst></p:cBhvr>'
            '<p:to><p:strVal val="visible"/></p:to></p:set>') % (next(ids), spid)


def _anim(ids, spid, attr_name, frm, to, dur, extra=""):
    return ('<p:anim calcmode="lin" valueType="num"><p:cBhvr additive="base"><p:cTn id="%d" dur="%d" fill="hold"%s/>'
            '%s<p:attrNameLst><p:attrName>%s</p:attrName></p:attrNameLst></p:cBhvr><p:tavLst>'
            '<p:tav tm="0"><p:val><p:strVal val="%s"/></p:val></p:tav>'
            '<p:tav tm="100000"><p:val><p:strVal val="%s"/></p:val></p:tav></p:tavLst></p:anim>'
            ) % (next(ids), dur, extra, spid, attr_name, frm, to)


def _filter(ids, spid, name, dur, transition="in"):
    return ('<p:animEffect transition="%s" filter="%s"><p:cBhvr><p:cTn id="%d" dur="%d"/>%s</p:cBhvr></p:animEffect>'
            % (transition, name, next(ids), dur, spid))


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


def _appear(ids, spid, e):
    return _set_visible(ids, spid)


def _fade(ids, spid, e):
    return _set_visible(ids, spid) + _filter(ids, spid, "fade", e.duration)


def _fly(ids, spid, e):
    _, x, y = FLY_FROM[e.option or "自底部"]
    return (_set_visible(ids, spid) + _anim(ids, spid, "ppt_x", x, "#ppt_x", e.duration) +
            _anim(ids, spid, "ppt_y", y, "#ppt_y", e.duration))


def _float(ids, spid, e):
    start = "#ppt_y+.1" if e.option in ("", "上浮") else "#ppt_y-.1"
    return (_set_visible(ids, spid) + _filter(ids, spid, "fade", e.duration) +
            _anim(ids, spid, "ppt_x", "#ppt_x", "#ppt_x", e.duration, ' decel="100000"') +
            _anim(ids, spid, "ppt_y", start, "#ppt_y", e.duration, ' decel="100000"'))


def _wipe(ids, spid, e):
    return _set_visible(ids, spid) + _filter(ids, spid, WIPE_FROM[e.option or "自底部"][1], e.duration)


def _split(ids, spid, e):
    return _set_visible(ids, spid) + _filter(ids, spid, SPLIT[e.option or "左右向中央收缩"][1], e.duration)


def _zoom(ids, spid, e):
    return (_set_visible(ids, spid) + _anim(ids, spid, "ppt_w", "0", "#ppt_w", e.duration) +
            _anim(ids, spid, "ppt_h", "0", "#ppt_h", e.duration) + _filter(ids, spid, "fade", e.duration))


def _spin(ids, spid, e):
    return ('<p:animRot by="21600000"><p:cBhvr><p:cTn id="%d" dur="%d" fill="hold"/>%s'
            '<p:attrNameLst><p:attrName>r</p:attrName></p:attrNameLst></p:cBhvr></p:animRot>' % (next(ids), e.duration, spid))


# name: (presetID, presetClass, option -> subtype, behaviours)
EFFECTS = {
    "出现": (1, "entr", lambda o: 0, _appear),
    "淡出": (10, "entr", lambda o: 0, _fade),
    "飞入": (2, "entr", lambda o: FLY_FROM[o or "自底部"][0], _fly),
    "浮入": (42, "entr", lambda o: 0, _float),
    "擦除": (22, "entr", lambda o: WIPE_FROM[o or "自底部"][0], _wipe),
    "劈裂": (16, "entr", lambda o: SPLIT[o or "左右向中央收缩"][0], _split),
    "缩放": (53, "entr", lambda o: 528 if o == "幻灯片中心" else 16, _zoom),
    "陀螺旋": (8, "emph", lambda o: 0, _spin),
}
EFFECTS_DOWN_FLOAT = 47  # "浮入" with "下浮" is a preset of its own


def preset(effect):
    if effect.name == "浮入" and effect.option == "下浮":
        return EFFECTS_DOWN_FLOAT, "entr", 0
    pid, cls, sub, _ = EFFECTS[effect.name]
    return pid, cls, sub(effect.option)


class _Ids:
    def __init__(self):
        self.n = 0

    def __next__(self):
        self.n += 1
        return self.n


def timing_xml(effects, shape_ids, text_shapes, media=(), graphics=()):
    """effects: [Effect] in the order of the animation pane; shape_ids: key -> spid;
    text_shapes: keys of shapes with a text body (they get a build entry);
    media: [(spid, loop, hide, across_slides)] of sounds that play from the first one;
    graphics: keys of SmartArt graphics (built as one object)."""
    ids = _Ids()
    root_id = next(ids)
    seq_id = next(ids)
    # Expand by-paragraph builds: one effect a paragraph, each after the one before in
    # PowerPoint's sense (later paragraphs keep the effect's start unless it is "click").
    steps = []
    for e in effects:
        if e.by_paragraph and e.paragraphs > 1:
            for k in range(e.paragraphs):
                start = e.start if k == 0 else ("click" if e.start == "click" else "after")
                steps.append((e, k, start))
        else:
            steps.append((e, None, e.start))
    groups = []  # click groups: [steps] where steps = [[(effect, paragraph, start)]]
    for step in steps:
        _, _, start = step
        if start == "click" or not groups:
            groups.append([[step]])
        elif start == "after":
            groups[-1].append([step])
        else:
            groups[-1][-1].append(step)
    grp_ids = {}
    builds = []
    out = []
    for g_index, group in enumerate(groups):
        first_start = group[0][0][2]
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
            for e, paragraph, start in par:
                node = {"click": "clickEffect", "with": "withEffect", "after": "afterEffect"}[start]
                spid = shape_ids[e.target]
                if paragraph is None:
                    tgt = '<p:tgtEl><p:spTgt spid="%d"/></p:tgtEl>' % spid
                else:
                    tgt = ('<p:tgtEl><p:spTgt spid="%d"><p:txEl><p:pRg st="%d" end="%d"/></p:txEl></p:spTgt></p:tgtEl>'
                           % (spid, paragraph, paragraph))
                longest = max(longest, e.delay + e.duration)
                effect_id = next(ids)
                if e.name == "播放":
                    inner.append(
                        '<p:par><p:cTn id="%d" presetID="1" presetClass="mediacall" presetSubtype="0" fill="hold" '
                        'nodeType="%s"><p:stCondLst><p:cond delay="%d"/></p:stCondLst><p:childTnLst>'
                        '<p:cmd type="call" cmd="playFrom(0.0)"><p:cBhvr><p:cTn id="%d" dur="%d" fill="hold"/>%s'
                        '</p:cBhvr></p:cmd></p:childTnLst></p:cTn></p:par>'
                        % (effect_id, node, e.delay, next(ids), e.duration, tgt))
                    continue
                key = (e.target, e.name, e.option)
                if key not in grp_ids:
                    grp_ids[key] = len(grp_ids)
                    if e.target in text_shapes:
                        builds.append((spid, grp_ids[key], "p" if e.by_paragraph else None))
                    elif e.target in graphics:
                        builds.append((spid, grp_ids[key], "graphic"))
                pid, cls, sub = preset(e)
                behaviours = EFFECTS[e.name][3](ids, tgt, e)
                inner.append(
                    '<p:par><p:cTn id="%d" presetID="%d" presetClass="%s" presetSubtype="%d" fill="hold" '
                    '%sgrpId="%d" nodeType="%s"><p:stCondLst><p:cond delay="%d"/></p:stCondLst>'
                    '<p:childTnLst>%s</p:childTnLst></p:cTn></p:par>'
                    % (effect_id, pid, cls, sub, 'build="p" ' if paragraph is not None else "",
                       grp_ids[key], node, e.delay, behaviours))
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
        bld = "<p:bldLst>%s</p:bldLst>" % "".join(
            '<p:bldGraphic spid="%d" grpId="%d"><p:bldAsOne/></p:bldGraphic>' % (s, g) if b == "graphic" else
            '<p:bldP spid="%d" grpId="%d"%s/>' % (s, g, ' build="p"' if b else ' animBg="1"') for s, g, b in builds)
    return ('<p:timing><p:tnLst><p:par><p:cTn id="%d" dur="indefinite" restart="never" nodeType="tmRoot">'
            '<p:childTnLst>%s%s</p:childTnLst></p:cTn></p:par></p:tnLst>%s</p:timing>') % (root_id, main, audio, bld)
