"""Land and water: hills, plains, mountains, the sea and rivers, shores and tracks."""

import math
import random

from .canvas import lighten, mix, n, shade, smooth_path
from .plants import palm
from .registry import Colour, motif


def _land_colours(S, season):
    name = "land." + season
    cols = S.run(name)
    horizon_c = S.run("sky.%s.%s" % (S.time if S.time in ("night", "dawn", "day", "dusk") else "day", S.season))[-1]
    far = mix(S.lit(cols[0]), horizon_c, 0.35)
    return [far] + [S.lit(c) for c in cols[1:]]


@motif("hills")
def hills(S, season: str = None, y: float = None, layers: int = 3, rough: float = 1.0):
    """Rolling hills in layers from the horizon to the bottom edge, coloured by season."""
    season = season or S.season
    if y is not None:
        S.horizon = y
    cols = _land_colours(S, season)
    rng = random.Random(S.code * 3 + 1)
    for i in range(layers):
        top = S.horizon - i * (S.horizon * 0.42 / max(1, layers - 1)) if layers > 1 else S.horizon
        amp = (4 + 3 * i) * rough
        pts = []
        steps = 5
        phase = rng.uniform(0, 6.28)
        for k in range(steps + 1):
            px = -6 + k * (S.W + 12) / steps
            py = top + amp * math.sin(phase + k * 1.7) * 0.6 + rng.uniform(-1.5, 1.5) * rough
            pts.append((px, S.Y(py)))
        c = cols[min(i, len(cols) - 1)] if layers <= len(cols) else cols[int(i * (len(cols) - 1) / (layers - 1))]
        paint = S.lin([lighten(c, 0.08), c, shade(c, 0.85)])
        d = smooth_path(pts) + " L%s,%s L-6,%s Z" % (n(S.W + 6), n(S.H + 2), n(S.H + 2))
        S.add('<path d="%s" fill="%s"/>' % (d, paint))


@motif("plain")
def plain(S, season: str = None, y: float = None):
    """Flat land to the horizon, lighter in the distance."""
    season = season or S.season
    if y is not None:
        S.horizon = y
    cols = _land_colours(S, season)
    paint = S.lin(cols)
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(S.horizon)), S.W, n(S.horizon + 2), paint))


@motif("mountains")
def mountains(S, y: float = None, height: float = 40, color: Colour = "#7a88a8", snow: int = 1):
    """A far range of peaks standing on the horizon."""
    if y is None:
        y = S.horizon
    c = mix(S.lit(color), S.run("sky.%s.%s" % (S.time, S.season))[-1] if S.time != "storm" else "#6a7684", 0.25)
    rng = random.Random(S.code * 19)
    pts = [(-4, S.Y(y))]
    x = -4
    peaks = []
    while x < S.W + 4:
        w = rng.uniform(18, 34)
        h = rng.uniform(0.45, 1.0) * height
        pts.append((x + w / 2, S.Y(y + h)))
        peaks.append((x + w / 2, h, w))
        pts.append((x + w, S.Y(y + rng.uniform(0.15, 0.35) * height)))
        x += w
    pts.append((S.W + 4, S.Y(y)))
    d = "M" + " L".join("%s,%s" % (n(a), n(b)) for a, b in pts) + " Z"
    paint = S.lin([lighten(c, 0.15), c])
    S.add('<path d="%s" fill="%s" stroke="%s" stroke-width="0.6" stroke-linejoin="round"/>' % (d, paint, c))
    if snow:
        caps = []
        snowc = S.lit("#f4f8ff") if S.time != "night" else "#8a9ac0"
        for px, h, w in peaks:
            if h > height * 0.6:
                top = S.Y(y + h)
                k = h * 0.28
                caps.append("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
                    n(px), n(top), n(px + k * w / h / 2 * 1.0), n(top + k), n(px + 1), n(top + k * 0.7),
                    n(px - 2), n(top + k * 1.05), n(px - k * w / h / 2 * 1.0), n(top + k)))
        S.add('<path d="%s" fill="%s"/>' % (" ".join(caps), snowc))


@motif("sea")
def sea(S, y: float = None, color: Colour = None):
    """Open water from the horizon to the bottom edge, with light on it below the sun or moon."""
    if y is not None:
        S.horizon = y
    run = S.run("water." + ("night" if S.time == "night" else "dusk" if S.time in ("dusk", "dawn") else "day"))
    if color:
        c = color
        run = [lighten(c, 0.3), c, shade(c, 0.5)]
    paint = S.lin(run)
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(S.horizon)), S.W, n(S.horizon + 2), paint))
    rng = random.Random(S.code * 23)
    lines = []
    for i in range(int(S.horizon / 4)):
        yy = S.horizon - 2 - rng.uniform(0, S.horizon - 2)
        depth = 1 - yy / S.horizon
        w = 4 + depth * 18
        xx = rng.uniform(-5, S.W)
        lines.append('<path d="M%s,%s h%s" stroke-width="%s"/>' % (n(xx), n(S.Y(yy)), n(w), n(0.5 + depth * 0.6)))
    S.add('<g stroke="#ffffff" opacity="0.22" stroke-linecap="round">%s</g>' % "".join(lines))


@motif("glitter")
def glitter(S, x: float = None, color: Colour = "#fff0c0"):
    """The glittering path of the sun or moon on water, straight down from x."""
    if x is None:
        x = (S.sun_at[0] if S.sun_at else S.W / 2)
    rng = random.Random(S.code * 29)
    parts = []
    for i in range(int(S.horizon / 2.5)):
        yy = S.horizon - 1 - i * 2.5
        depth = 1 - yy / S.horizon
        w = 2 + depth * 14 * rng.uniform(0.5, 1.2)
        parts.append('<path d="M%s,%s h%s"/>' % (n(x - w / 2 + rng.uniform(-2, 2) * depth), n(S.Y(yy)), n(w)))
    S.add('<g stroke="%s" stroke-width="1" stroke-linecap="round" opacity="0.8">%s</g>' % (color, "".join(parts)))


@motif("shore")
def shore(S, y: float = 12, color: Colour = "#e4cc98", side: str = "left"):
    """A curving beach or bank in the foreground."""
    c = S.lit(color)
    if side == "left":
        d = "M-2,%s C30,%s 60,%s %s,%s L%s,%s L-2,%s Z" % (
            n(S.Y(y)), n(S.Y(y)), n(S.Y(y * 0.4)), n(S.W * 0.8), n(S.H + 1), n(S.W * 0.8), n(S.H + 2), n(S.H + 2))
    else:
        d = "M%s,%s C%s,%s %s,%s %s,%s L%s,%s Z" % (
            n(S.W + 2), n(S.Y(y)), n(S.W - 30), n(S.Y(y)), n(S.W - 60), n(S.Y(y * 0.4)), n(S.W * 0.2), n(S.H + 1),
            n(S.W + 2), n(S.H + 2))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin([lighten(c, 0.1), shade(c, 0.85)])))


@motif("field")
def field(S, y: float = None, color: Colour = "#d8b050", rows: int = 9):
    """A ploughed or ripe field running away to the horizon."""
    if y is None:
        y = S.horizon
    c = S.lit(color)
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(y)), S.W, n(y + 2), S.lin([lighten(c, 0.15), c, shade(c, 0.75)])))
    lines = []
    vx = S.W * 0.55
    for i in range(rows + 1):
        bx = -S.W * 0.6 + i * (S.W * 2.2) / rows
        lines.append('<path d="M%s,%s L%s,%s"/>' % (n(vx), n(S.Y(y)), n(bx), n(S.H + 1)))
    S.add('<g stroke="%s" stroke-width="0.9" opacity="0.5">%s</g>' % (shade(c, 0.65), "".join(lines)))


@motif("ground")
def ground(S, color: Colour, y: float = 10):
    """A plain strip of ground in the foreground (snow, grass, sand) with a gently curved top."""
    c = S.lit(color)
    d = "M-2,%s Q%s,%s %s,%s L%s,%s L-2,%s Z" % (n(S.Y(y)), n(S.W / 2), n(S.Y(y + 4)), n(S.W + 2), n(S.Y(y - 1)),
                                                n(S.W + 2), n(S.H + 2), n(S.H + 2))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin([lighten(c, 0.12), shade(c, 0.8)])))


@motif("river")
def river(S, x: float = 64, width: float = 30):
    """A river winding from the horizon to the foreground."""
    run = S.run("water." + ("night" if S.time == "night" else "dusk" if S.time in ("dusk", "dawn") else "day"))
    h = S.horizon
    d = "M%s,%s C%s,%s %s,%s %s,%s L%s,%s C%s,%s %s,%s %s,%s Z" % (
        n(x - 1), n(S.Y(h)), n(x - 12), n(S.Y(h * 0.7)), n(x + 14), n(S.Y(h * 0.3)), n(x - width / 2), n(S.H + 1),
        n(x + width / 2), n(S.H + 1), n(x + 26), n(S.Y(h * 0.3)), n(x - 4), n(S.Y(h * 0.7)), n(x + 1), n(S.Y(h)))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin(run)))


@motif("fence")
def fence(S, y: float = 0, h: float = 12, color: Colour = "#a0703e"):
    c = S.lit(color)
    posts = "".join('<rect x="%s" y="%s" width="2" height="%s"/>' % (n(4 + i * 12), n(S.Y(y + h)), n(h)) for i in range(int(S.W / 12) + 1))
    S.add('<g fill="%s">%s<rect x="0" y="%s" width="%d" height="1.4"/><rect x="0" y="%s" width="%d" height="1.4"/></g>'
          % (c, posts, n(S.Y(y + h * 0.75)), S.W, n(S.Y(y + h * 0.35)), S.W))


@motif("path")
def path(S, x: float = 64, width: float = 26, color: Colour = "#d8c8a0"):
    """A track winding away to the horizon."""
    c = S.lit(color)
    h = S.horizon
    d = "M%s,%s C%s,%s %s,%s %s,%s L%s,%s C%s,%s %s,%s %s,%s Z" % (
        n(x - 0.5), n(S.Y(h)), n(x - 8), n(S.Y(h * 0.6)), n(x + 10), n(S.Y(h * 0.3)), n(x - width / 2), n(S.H + 1),
        n(x + width / 2), n(S.H + 1), n(x + 18), n(S.Y(h * 0.3)), n(x - 2), n(S.Y(h * 0.6)), n(x + 0.5), n(S.Y(h)))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin([shade(c, 0.85), c])))


@motif("peak")
def peak(S, x: float, y: float = None, h: float = 100, w: float = 110, snow: int = 1, color: Colour = "#8a96b4"):
    """One great mountain standing over the horizon, with snow on its upper slopes."""
    if y is None:
        y = S.horizon
    c = S.lit(color)
    top = (x, S.Y(y + h))
    d = "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
        n(x - w / 2), n(S.Y(y)), n(x - w * 0.22), n(S.Y(y + h * 0.55)), n(x - w * 0.12), n(S.Y(y + h * 0.62)),
        n(top[0]), n(top[1]), n(x + w * 0.26), n(S.Y(y + h * 0.5)), n(x + w / 2), n(S.Y(y)))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin([lighten(c, 0.15), c, shade(c, 0.8)], 0, 0, 1, 0)))
    shadow = "M%s,%s L%s,%s L%s,%s Z" % (n(top[0]), n(top[1]), n(x + w * 0.26), n(S.Y(y + h * 0.5)), n(x + w * 0.05), n(S.Y(y)))
    S.add('<path d="%s" fill="#000000" opacity="0.18"/>' % shadow)
    if snow:
        sc = "#f4f8ff" if S.time == "day" else lighten(S.lit("#f4f8ff"), 0.25)
        d = "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
            n(top[0]), n(top[1]), n(x + w * 0.11), n(S.Y(y + h * 0.78)), n(x + w * 0.04), n(S.Y(y + h * 0.74)),
            n(x - w * 0.02), n(S.Y(y + h * 0.8)), n(x - w * 0.07), n(S.Y(y + h * 0.7)), n(x - w * 0.1), n(S.Y(y + h * 0.72)),
            n(x - w * 0.06), n(S.Y(y + h * 0.82)))
        S.add('<path d="%s" fill="%s"/>' % (d, sc))


@motif("moonground")
def moon_ground(S, y: float = 30):
    """A grey, cratered lunar surface under a black sky."""
    S.horizon = y
    d = "M-2,%s Q30,%s 64,%s Q100,%s %s,%s L%s,%s L-2,%s Z" % (n(S.Y(y)), n(S.Y(y + 4)), n(S.Y(y)), n(S.Y(y - 3)), n(S.W + 2), n(S.Y(y + 2)), n(S.W + 2), n(S.H + 2), n(S.H + 2))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin(["#b8b8c0", "#7a7a86", "#4a4a56"])))
    rng = random.Random(S.code * 67)
    craters = []
    for i in range(9):
        cx = rng.uniform(5, S.W - 5)
        cy = rng.uniform(3, y - 4)
        r = rng.uniform(2, 6) * (1 - cy / y * 0.6)
        craters.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#5a5a66" stroke="#c8c8d0" stroke-width="0.5"/>' % (n(cx), n(S.Y(cy)), n(r), n(r * 0.35)))
    S.add("".join(craters))


@motif("volcano")
def volcano(S, x: float, y: float = None, h: float = 70, w: float = 120, smoke: int = 1, glow: int = 1):
    """A volcano with a glowing crater and a tall plume of ash."""
    if y is None:
        y = S.horizon
    c = S.lit("#6a5a5a")
    parts = []
    if smoke:
        puffs = []
        rng = random.Random(S.code * 71)
        for i in range(9):
            t = i / 8
            px = x + t * 24 + rng.uniform(-3, 3)
            py = S.Y(y + h + 6 + t * 90)
            r = 7 + t * 16
            puffs.append('<circle cx="%s" cy="%s" r="%s"/>' % (n(px), n(py), n(r)))
        parts.append('<g fill="%s" opacity="0.9">%s</g>' % (S.lin(["#8a7a80", "#4a3a40"]), "".join(puffs)))
    parts.append('<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
        n(x - w / 2), n(S.Y(y)), n(x - 8), n(S.Y(y + h)), n(x + 8), n(S.Y(y + h)), n(x + w / 2), n(S.Y(y)),
        S.lin([lighten(c, 0.1), shade(c, 0.7)])))
    if glow:
        parts.append('<ellipse cx="%s" cy="%s" rx="14" ry="10" fill="%s"/>' % (n(x), n(S.Y(y + h)), S.glow("#ff6a20", 0.8)))
        parts.append('<path d="M%s,%s q-3,10 -6,20 q-2,8 -8,18 L%s,%s q3,-10 6,-18 q3,-10 4,-20 Z" fill="#ff7a28" opacity="0.85"/>'
                     % (n(x - 2), n(S.Y(y + h)), n(x - 14), n(S.Y(y + h - 38))))
    S.add("".join(parts))


@motif("heather")
def heather(S, y: float = None, count: int = 160, color: Colour = "#b05ab0"):
    """Hillsides of flowering heather: purple land stippled with bloom."""
    if y is None:
        y = S.horizon
    c = S.lit(color)
    rng = random.Random(S.code * 73)
    dots = []
    for i in range(count):
        yy = rng.uniform(0, y - 2)
        depth = 1 - yy / y
        dots.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.9"/>' % (
            n(rng.uniform(0, S.W)), n(S.Y(yy)), n(0.5 + depth * 1.2), rng.choice((lighten(c, 0.35), c, shade(c, 0.8), "#e0a0e0"))))
    S.add("".join(dots))


@motif("fallen")
def fallen(S, x: float, y: float, count: int = 8):
    """Trees flattened in a ring, all lying away from a blast beyond the horizon."""
    c = S.lit("#5a4030")
    rng = random.Random(S.code * 79)
    logs = []
    for i in range(count):
        px = rng.uniform(8, S.W - 8)
        py = rng.uniform(4, y + 10)
        ang = math.degrees(math.atan2(0, px - x)) + rng.uniform(-10, 10)
        L = rng.uniform(16, 26)
        logs.append('<g transform="translate(%s,%s) rotate(%s)"><rect x="0" y="-1.2" width="%s" height="2.4" fill="%s"/>'
                    '<path d="M%s,0 l5,-3 M%s,0 l5,3 M%s,0 l4,-3" stroke="%s" stroke-width="0.8"/></g>'
                    % (n(px), n(S.Y(py)), n(ang), n(L), c, n(L * 0.5), n(L * 0.6), n(L * 0.8), c))
    S.add("".join(logs))


@motif("footprints")
def footprints(S, count: int = 6):
    rng = random.Random(S.code * 83)
    prints = []
    for i in range(count):
        px = 70 + i * 5 + rng.uniform(-1, 1)
        py = 6 + i * 2.2 + (i % 2) * 2
        prints.append('<ellipse cx="%s" cy="%s" rx="1.6" ry="0.8" fill="#4a4a56"/>' % (n(px), n(S.Y(py))))
    S.add("".join(prints))


@motif("splash")
def splash(S, x: float, y: float, s: float = 30, color: Colour = "#8ad0f0"):
    """Water thrown up in an arc of drops."""
    rng = random.Random(int(x * 5 + y + S.code))
    drops = "".join('<ellipse cx="%s" cy="%s" rx="1.3" ry="2" fill="%s" transform="rotate(%s %s %s)"/>' % (
        n(t * 30), n(-22 * math.sin(t * math.pi / 1.3) + rng.uniform(-3, 3)), color, n(t * 60), n(t * 30), n(-22 * math.sin(t * math.pi / 1.3)))
        for t in [i / 20 for i in range(20)])
    S.add('<g transform="%s"><path d="M0,0 Q12,-34 30,-6" fill="none" stroke="%s" stroke-width="3" opacity="0.45"/>%s</g>' % (S.at(x, y, s / 30), color, drops))


@motif("iceshelf")
def ice_shelf(S, y: float = None):
    """Floes of ice along the near edge of the water."""
    if y is None:
        y = S.horizon * 0.5
    rng = random.Random(S.code * 101)
    floes = []
    for i in range(7):
        px = rng.uniform(-6, S.W)
        py = rng.uniform(2, y)
        w = rng.uniform(10, 24)
        floes.append('<path d="M%s,%s l%s,-3 l%s,1 l%s,4 Z" fill="%s"/>' % (n(px), n(S.Y(py)), n(w * 0.3), n(w * 0.5), n(w * 0.2), S.lit("#e8f0fa")))
    S.add("".join(floes))


@motif("cave")
def cave(S, animals: Colour = "#c8602a"):
    """The inside of a cave: rock framing the picture, and animals painted in ochre on its wall."""
    W, H = S.W, S.H
    rock = S.lin(["#4a3a30", "#7a6048", "#5a4434"])
    wall = S.rad(["#e8c898", "#c89a68", "#6a4a34"], 0.5, 0.55, 0.7)
    S.add('<rect width="%d" height="%d" fill="%s"/>' % (W, H, wall))
    S.add('<path d="M0,0 L%d,0 L%d,%d L0,%d Z M0,%s C16,%s 10,%s 30,%s C50,%s 80,%s 100,%s C118,%s 112,%s %d,%s L%d,%d L0,%d Z" fill="%s" fill-rule="evenodd"/>'
          % (W, W, H, H, n(H * 0.98), n(H * 0.6), n(H * 0.3), n(H * 0.18), n(H * 0.1), n(H * 0.12), n(H * 0.2), n(H * 0.35), n(H * 0.7), W, n(H * 0.98), W, H, H, rock))
    bull = ('<path d="M-14,0 C-14,-8 -6,-11 4,-10 C8,-14 12,-14 14,-11 L12,-9 C14,-6 12,-2 10,-1 L10,6 L8,6 L7,1 C2,2 -4,2 -8,1 L-9,6 L-11,6 L-12,1 C-14,0 -15,-2 -14,0 Z '
            'M12,-14 Q15,-18 19,-17 M10,-14 Q8,-19 11,-21" fill="%s" stroke="%s" stroke-width="1"/>' % (animals, animals))
    horse_ = '<path d="M-10,0 C-8,-6 4,-7 7,-5 L10,-10 L13,-9 L11,-3 L10,5 L8,5 L7,0 L-5,0 L-7,5 L-9,5 Z M-10,0 L-14,3" fill="%s" stroke="%s" stroke-width="0.8"/>' % ("#3a2418", "#3a2418")
    hands = "".join('<circle cx="%s" cy="%s" r="1.1" fill="%s" opacity="0.7"/>' % (n(20 + i * 3), n(H * 0.6 + (i % 2) * 3), animals) for i in range(4))
    S.add('<g transform="translate(%s,%s) scale(1.6)">%s</g><g transform="translate(%s,%s) scale(1.3)">%s</g>%s'
          % (n(W * 0.55), n(H * 0.42), bull, n(W * 0.36), n(H * 0.66), horse_, hands))


@motif("island")
def island(S, x: float, y: float = None, w: float = 60, palms: int = 2):
    """A low island on the horizon with palm trees."""
    if y is None:
        y = S.horizon
    c = S.lit("#d8c08a")
    S.add('<path d="M%s,%s Q%s,%s %s,%s Z" fill="%s"/>' % (n(x - w / 2), n(S.Y(y)), n(x), n(S.Y(y + 10)), n(x + w / 2), n(S.Y(y)), c))
    for i in range(palms):
        palm(S, x - w * 0.15 + i * w * 0.22, y + 4, 26 - i * 6, lean=6 - i * 10)
