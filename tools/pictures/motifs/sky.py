"""Sky and weather: the background sky, sun, moon and stars, clouds, rain and snow, lights in the sky."""

import math
import random

from .canvas import lighten, mix, n, shade, smooth_path
from .registry import Colour, motif


@motif("sky")
def sky(S, time: str = "day", season: str = None, horizon: float = None, stars: int = None):
    """The background: a sky graded from the top of the picture to the horizon, for a time of day."""
    S.time = time
    if season:
        S.season = season
    if horizon is not None:
        S.horizon = horizon
    name = "sky.%s.%s" % (time, S.season) if time != "storm" else "sky.storm"
    colours = S.run(name)
    paint = S.lin(colours, 0, 0, 0, S.Y(S.horizon) + 6, user=True)
    S.add('<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (S.W, S.H, paint))
    if stars is None:
        stars = 40 if time == "night" else 0
    if stars:
        star_field(S, stars)


@motif("stars")
def star_field(S, count: int = 40, low: float = None, bright: int = None):
    """Scattered stars above the horizon; a few bright ones get a soft cross."""
    rng = random.Random(S.code * 31 + count)
    if low is None:
        low = S.horizon + 12
    if bright is None:
        bright = max(2, count // 12)
    tints = ["#ffffff", "#fff4d8", "#dce8ff", "#ffffff", "#f8f0ff"]
    parts = []
    for i in range(count):
        x = rng.uniform(3, S.W - 3)
        y = rng.uniform(low, S.H - 2)
        r = rng.choice((0.45, 0.55, 0.65, 0.8, 0.95))
        c = rng.choice(tints)
        op = rng.uniform(0.55, 1.0)
        parts.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s"/>' % (n(x), n(S.Y(y)), n(r), c, n(op)))
    for i in range(bright):
        x = rng.uniform(8, S.W - 8)
        y = rng.uniform(low + 10, S.H - 8)
        parts.append(sparkle_svg(S, x, S.Y(y), rng.uniform(2.5, 4.0), "#ffffff"))
    S.add("".join(parts))


def sparkle_svg(S, x, y, r, c):
    """A four-pointed twinkle at SVG coordinates."""
    g = S.glow(c, 0.5)
    w = r * 0.22
    d = ("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
        n(x), n(y - r), n(x + w), n(y - w), n(x + r), n(y), n(x + w), n(y + w),
        n(x), n(y + r), n(x - w), n(y + w), n(x - r), n(y), n(x - w), n(y - w)))
    return ('<circle cx="%s" cy="%s" r="%s" fill="%s"/><path d="%s" fill="%s"/>'
            % (n(x), n(y), n(r * 1.2), g, d, c))


@motif("sparkle")
def sparkle(S, x: float, y: float, r: float = 3, color: Colour = "white"):
    S.add(sparkle_svg(S, x, S.Y(y), r, color))


@motif("milkyway")
def milky_way(S, angle: float = -35, y: float = None):
    """A faint band of light across the night sky."""
    if y is None:
        y = S.H * 0.62
    g = S.rad([(0, "#c8c8f0", 0.28), (0.5, "#8a8ac8", 0.12), (1, "#5050a0", 0)])
    S.add('<g transform="%s"><ellipse cx="0" cy="0" rx="%s" ry="16" fill="%s"/></g>'
          % (S.at(S.W / 2, y, 1, angle), n(S.W * 0.9), g))
    rng = random.Random(S.code * 13)
    dots = []
    for i in range(60):
        t = rng.uniform(-1, 1)
        off = rng.gauss(0, 5)
        a = math.radians(angle)
        px = S.W / 2 + t * S.W * 0.8 * math.cos(a) - off * math.sin(a)
        py = S.Y(y) + t * S.W * 0.8 * math.sin(a) + off * math.cos(a)
        dots.append('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="%s"/>'
                    % (n(px), n(py), n(rng.uniform(0.3, 0.6)), n(rng.uniform(0.3, 0.8))))
    S.add("".join(dots))


@motif("aurora")
def aurora(S, y: float = None, color: Colour = "#5af0a8", color2: Colour = "#8a7af0"):
    """Curtains of northern light."""
    if y is None:
        y = S.H * 0.55
    for i, (dy, c, op) in enumerate(((0, color, 0.55), (14, color2, 0.35), (-10, color, 0.3))):
        pts = []
        for k in range(7):
            px = -10 + k * (S.W + 20) / 6
            py = S.Y(y + dy + 10 * math.sin(k * 1.3 + i))
            pts.append((px, py))
        top = smooth_path(pts)
        paint = S.lin([(0, c, 0), (0.55, c, op), (1, c, 0)])
        S.add('<path d="%s l0,34 L-10,%s Z" fill="%s" transform="translate(0,-20)"/>'
              % (top, n(pts[0][1] + 34), paint))


@motif("sun")
def sun(S, x: float, y: float, r: float = 12, color: Colour = "sun", glow: float = 1, rays: int = 0):
    """The sun: a warm disc in a wide soft glow, optionally with short rays."""
    S.sun_at = (x, y)
    parts = []
    if glow:
        parts.append('<circle cx="0" cy="0" r="%s" fill="%s"/>' % (n(r * 3.2 * glow), S.glow(color, 0.5)))
    if rays:
        for i in range(rays):
            a = i * 360 / rays
            parts.append('<path d="M%s,-1.4 L%s,0 L%s,1.4 Z" fill="%s" opacity="0.85" transform="rotate(%s)"/>'
                         % (n(r * 1.25), n(r * 1.9), n(r * 1.25), color, n(a)))
    disc = S.rad(["#fffbe8", color, mix(color, "#f08030", 0.35)], 0.42, 0.38, 0.62)
    parts.append('<circle cx="0" cy="0" r="%s" fill="%s"/>' % (n(r), disc))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("moon")
def moon(S, x: float, y: float, r: float = 10, phase: str = "full", glow: float = 1):
    """The moon. phase: new, crescent, quarter, gibbous, full, or waning-crescent etc., or 0..1 (0.5 full)."""
    names = {"new": 0.0, "crescent": 0.14, "quarter": 0.25, "first-quarter": 0.25, "gibbous": 0.38,
             "full": 0.5, "waning-gibbous": 0.62, "last-quarter": 0.75, "waning": 0.86,
             "waning-crescent": 0.86, "old": 0.9}
    p = names[phase] if phase in names else float(phase)
    parts = []
    light = S.col("moonlight")
    if glow:
        parts.append('<circle cx="0" cy="0" r="%s" fill="%s"/>' % (n(r * 2.6), S.glow("#c8d4ff", 0.35 * glow)))
    parts.append('<circle cx="0" cy="0" r="%s" fill="#2a3352" opacity="0.65"/>' % n(r))
    waxing = p <= 0.5
    q = p if waxing else 1 - p          # 0 new .. 0.5 full
    rx = r * abs(math.cos(2 * math.pi * q))
    fill = S.rad(["#fffdf2", light, "#d8d0b8"], 0.4, 0.4, 0.7)
    if q >= 0.499:
        lit = '<circle cx="0" cy="0" r="%s" fill="%s"/>' % (n(r), fill)
    elif q > 0.001:
        sweep = 0 if q < 0.25 else 1
        d = "M0,%s A%s,%s 0 0 1 0,%s A%s,%s 0 0 %d 0,%s Z" % (
            n(-r), n(r), n(r), n(r), n(max(rx, 0.01)), n(r), sweep, n(-r))
        lit = '<path d="%s" fill="%s"%s/>' % (d, fill, "" if waxing else ' transform="scale(-1,1)"')
    else:
        lit = ""
    parts.append(lit)
    if q > 0.2:
        # a few soft maria
        for cx, cy, cr in ((-0.32, -0.1, 0.2), (0.2, 0.28, 0.24), (0.3, -0.32, 0.12)):
            if (cx > -0.05) == waxing or q > 0.4:
                parts.append('<circle cx="%s" cy="%s" r="%s" fill="#c8c0aa" opacity="0.3"/>'
                             % (n(cx * r), n(cy * r), n(cr * r)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("meteor")
def meteor(S, x: float, y: float, length: float = 30, angle: float = 210, color: Colour = "white"):
    """A shooting star: a bright head with a fading tail (angle of travel in degrees, 0 = right)."""
    paint = S.lin([(0, color, 0), (0.7, color, 0.5), (1, color, 1)], 0, 0, 1, 0)
    S.add('<g transform="%s"><path d="M%s,-0.25 L0,-1 L0,1 L%s,0.25 Z" fill="%s" transform="translate(0,0)"/>'
          '<circle r="1.3" fill="%s"/><circle r="4" fill="%s"/></g>'
          % (S.at(x, y, 1, -angle), n(-length), n(-length), paint, color, S.glow(color, 0.6)))


@motif("meteors")
def meteors(S, count: int = 5, angle: float = 215, rx: float = None, ry: float = None, length: float = 30, spread: float = 70):
    """Shooting stars falling at about the same angle, or, given a radiant (rx, ry), flying out
    from that point of the sky as a shower's do."""
    rng = random.Random(S.code * 5 + 3)
    for i in range(count):
        if rx is None or ry is None:
            meteor(S, rng.uniform(20, S.W - 10), rng.uniform(S.horizon + 40, S.H - 15),
                   rng.uniform(14, length), angle + rng.uniform(-4, 4))
            continue
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(18, spread)
        mx, my = rx + d * math.cos(a), ry + d * math.sin(a)
        if not (4 < mx < S.W - 4 and S.horizon + 20 < my < S.H - 8):
            continue
        meteor(S, mx, my, min(d * 0.8, rng.uniform(10, length)), math.degrees(a))


@motif("comet")
def comet(S, x: float, y: float, length: float = 40, angle: float = 200):
    tail = S.lin([(0, "#a0c8ff", 0), (0.8, "#dcecff", 0.55), (1, "#ffffff", 0.9)], 0, 0, 1, 0)
    S.add('<g transform="%s"><path d="M%s,-6 Q%s,-1 0,-1.6 L0,1.6 Q%s,1 %s,5 Z" fill="%s"/>'
          '<circle r="5" fill="%s"/><circle r="1.7" fill="#ffffff"/></g>'
          % (S.at(x, y, 1, -angle), n(-length), n(-length * 0.5), n(-length * 0.5), n(-length), tail,
             S.glow("#dcecff", 0.7)))


@motif("planet")
def planet(S, x: float, y: float, r: float = 9, color: Colour = "#e0b878", ring: int = 1):
    """A planet; ring=1 gives it broad rings, ring=2 faint thin rings seen nearly upright, as for a
    planet tipped on its side."""
    body = S.rad([lighten(color, 0.4), color, shade(color, 0.5)], 0.35, 0.35, 0.75)
    if ring == 2:
        back = '<path d="M0,%s A%s,%s 0 0 1 0,%s" fill="none" stroke="#c8e0e8" stroke-width="0.5" opacity="0.45"/>' % (n(-r * 1.8), n(r * 0.3), n(r * 1.8), n(r * 1.8))
        front = '<path d="M0,%s A%s,%s 0 0 0 0,%s" fill="none" stroke="#dcecf0" stroke-width="0.6" opacity="0.6"/>' % (n(-r * 1.8), n(r * 0.3), n(r * 1.8), n(r * 1.8))
        S.add('<g transform="%s">%s<circle r="%s" fill="%s"/><path d="M%s,%s A%s,%s 0 0 0 %s,%s" stroke="%s" stroke-width="%s" fill="none" opacity="0.35"/>%s</g>'
              % (S.at(x, y, 1, 8), back, n(r), body, n(-r * 0.2), n(-r * 0.98), n(r * 0.3), n(r), n(-r * 0.2), n(r * 0.98),
                 lighten(color, 0.5), n(r * 0.25), front))
        return
    ring_back = ('<path d="M%s,0 A%s,%s 0 0 1 %s,0" fill="none" stroke="#e8dcc0" stroke-width="1.4" opacity="0.8"/>'
                 % (n(-r * 1.9), n(r * 1.9), n(r * 0.5), n(r * 1.9)))
    ring_front = ('<path d="M%s,0 A%s,%s 0 0 0 %s,0" fill="none" stroke="#f4ead0" stroke-width="1.6"/>'
                  % (n(-r * 1.9), n(r * 1.9), n(r * 0.5), n(r * 1.9)))
    S.add('<g transform="%s">%s<circle r="%s" fill="%s"/>%s</g>'
          % (S.at(x, y, 1, -18), ring_back if ring else "", n(r), body, ring_front if ring else ""))


@motif("clouds")
def clouds(S, x: float, y: float, w: float = 40, color: Colour = None, opacity: float = 0.95):
    """A soft cloud, lit from above; its colours follow the time of day."""
    base = {"day": ("#ffffff", "#c4d0e0"), "dawn": ("#ffe4dc", "#b898b8"), "dusk": ("#ffc8a0", "#8a5078"),
            "night": ("#4a5478", "#232a48"), "storm": ("#8a929c", "#3a424e")}.get(S.time, ("#ffffff", "#c4d0e0"))
    if color:
        base = (color, shade(color, 0.7))
    paint = S.lin([base[0], base[1]])
    rng = random.Random(int(x * 13 + y * 7 + S.code))
    circles = []
    k = w / 40.0
    for cx, cy, r in ((-12, -2, 8), (-2, -7, 10), (10, -4, 8), (17, 1, 5), (-18, 2, 5)):
        circles.append('<circle cx="%s" cy="%s" r="%s"/>' % (n(cx + rng.uniform(-1.5, 1.5)), n(cy), n(r)))
    S.add('<g transform="%s" fill="%s" opacity="%s"><rect x="-20" y="-3" width="40" height="9" rx="4.5"/>%s</g>'
          % (S.at(x, y, k), paint, n(opacity), "".join(circles)))


@motif("rainbow")
def rainbow(S, x: float, y: float, r: float = 60, opacity: float = 0.55):
    cols = ["#e85050", "#f39a3a", "#f4dc4a", "#5cc05a", "#4a8ce0", "#7a5ac8"]
    arcs = []
    for i, c in enumerate(cols):
        rr = r - i * 2.6
        arcs.append('<path d="M%s,0 A%s,%s 0 0 1 %s,0" fill="none" stroke="%s" stroke-width="2.8"/>'
                    % (n(-rr), n(rr), n(rr), n(rr), c))
    S.add('<g transform="%s" opacity="%s">%s</g>' % (S.at(x, y), n(opacity), "".join(arcs)))


@motif("rain")
def rain(S, count: int = 60, color: Colour = "#b8c8e0"):
    rng = random.Random(S.code * 11)
    lines = []
    for i in range(count):
        x = rng.uniform(0, S.W + 10)
        y = rng.uniform(0, S.H)
        l = rng.uniform(4, 8)
        lines.append('<path d="M%s,%s l-2,%s" />' % (n(x), n(S.Y(y)), n(l)))
    S.add('<g stroke="%s" stroke-width="0.7" opacity="0.6" stroke-linecap="round">%s</g>' % (color, "".join(lines)))


@motif("snowfall")
def snowfall(S, count: int = 40, low: float = 0):
    rng = random.Random(S.code * 17)
    dots = []
    for i in range(count):
        x = rng.uniform(2, S.W - 2)
        y = rng.uniform(low, S.H - 4)
        r = rng.choice((0.6, 0.8, 1.0, 1.2, 1.5))
        dots.append('<circle cx="%s" cy="%s" r="%s" opacity="%s"/>' % (n(x), n(S.Y(y)), n(r), n(rng.uniform(0.6, 1))))
    S.add('<g fill="#ffffff">%s</g>' % "".join(dots))


@motif("mist")
def mist(S, y: float = None, height: float = 14, color: Colour = "#ffffff", opacity: float = 0.35):
    if y is None:
        y = S.horizon
    paint = S.lin([(0, color, 0), (0.5, color, opacity), (1, color, 0)])
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(y) - height / 2), S.W, n(height), paint))


@motif("orbit8")
def orbit8(S, x: float = None, y: float = None, w: float = 50, color: Colour = "frame", dots: int = 1):
    """A figure-eight orbit traced as a dotted line, with a little bright body travelling on it."""
    if x is None:
        x = S.W / 2
    if y is None:
        y = S.H * 0.6
    pts = []
    for i in range(73):
        t = i * 2 * math.pi / 72
        px = x + w * math.sin(t)
        py = S.Y(y) - w * 0.45 * math.sin(t) * math.cos(t) * 1.6
        pts.append((px, py))
    d = "M" + " L".join("%s,%s" % (n(a), n(b)) for a, b in pts)
    S.add('<path d="%s" fill="none" stroke="%s" stroke-width="0.9" stroke-dasharray="1.6 2.4" opacity="0.8"/>' % (d, color))
    if dots:
        t = 0.35 * 2 * math.pi
        px, py = x + w * math.sin(t), S.Y(y) - w * 0.45 * math.sin(t) * math.cos(t) * 1.6
        S.add('<rect x="%s" y="%s" width="12" height="9" rx="1" fill="#0a0a14" stroke="%s" stroke-width="1"/>'
              '<rect x="%s" y="%s" width="4" height="5" fill="%s"/><path d="M%s,%s h4 M%s,%s h4 M%s,%s h3" stroke="%s" stroke-width="0.6"/>'
              % (n(px - 6), n(py - 4.5), color, n(px - 4.5), n(py - 3), S.col("sky"), n(px + 0.5), n(py - 2.5), n(px + 0.5), n(py - 0.5), n(px + 0.5), n(py + 1.5), color))


@motif("earth")
def earth(S, x: float, y: float, r: float = 10):
    """The Earth seen from space: blue oceans, green land, white cloud, the night side in shadow."""
    clip = S.uid("w")
    S.defs.append('<clipPath id="%s"><circle r="10"/></clipPath>' % clip)
    land = ('<path d="M-7,-5 C-5,-8 -1,-7 0,-4 C1,-1 -3,0 -2,3 C-1,6 -4,8 -6,6 C-8,3 -9,-2 -7,-5 Z '
            'M2,-8 C5,-9 8,-6 7,-3 C6,-1 3,-2 3,1 C3,3 6,4 5,7 C3,9 1,6 1,3 C1,0 -1,-6 2,-8 Z" fill="#6ab050"/>'
            '<path d="M-9,-1 Q-4,-3 1,-1 M-3,5 Q2,3 8,5 M-2,-9 Q2,-10 6,-9" stroke="#ffffff" stroke-width="1.1" fill="none" opacity="0.7" stroke-linecap="round"/>')
    S.add('<g transform="%s"><circle r="18" fill="%s"/><circle r="10" fill="%s"/><g clip-path="url(#%s)">%s'
          '<path d="M3,-11 A11,11 0 0 1 3,11 A7,11 0 0 0 3,-11 Z" fill="#000000" opacity="0.45"/></g></g>'
          % (S.at(x, y, r / 10), S.glow("#6ab4ee", 0.4), S.rad(["#9ad0f4", "#3a7ac0", "#17306a"], 0.38, 0.34, 0.72), clip, land))


@motif("searchlights")
def searchlights(S, count: int = 2, color: Colour = "#e8f0ff"):
    """Pale beams sweeping up into the sky from behind the horizon."""
    paint = S.lin([(0, color, 0), (1, color, 0.28)])
    beams = []
    for i, (bx, ang) in enumerate(((S.W * 0.25, -18), (S.W * 0.75, 22), (S.W * 0.5, 4))[:max(1, count + 1)]):
        beams.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
            n(bx), n(S.Y(S.horizon)), n(bx + ang * 3 - 10), n(S.Y(S.H)), n(bx + ang * 3 + 10), n(S.Y(S.H)), paint))
    S.add("".join(beams))


@motif("equinox")
def equinox(S, horizon: float = 40):
    """A sky divided down the middle: night with the moon on the left, day with the sun on the right."""
    S.horizon = horizon
    clip_l, clip_r = S.uid("l"), S.uid("r")
    S.defs.append('<clipPath id="%s"><rect x="0" y="0" width="%s" height="%d"/></clipPath><clipPath id="%s"><rect x="%s" y="0" width="%s" height="%d"/></clipPath>'
                  % (clip_l, n(S.W / 2), S.H, clip_r, n(S.W / 2), n(S.W / 2), S.H))
    night = S.lin(S.run("sky.night.spring"), 0, 0, 0, S.Y(S.horizon), user=True)
    day = S.lin(S.run("sky.day.spring"), 0, 0, 0, S.Y(S.horizon), user=True)
    S.add('<rect x="0" y="0" width="%d" height="%d" fill="%s" clip-path="url(#%s)"/>' % (S.W, S.H, night, clip_l))
    S.add('<rect x="0" y="0" width="%d" height="%d" fill="%s" clip-path="url(#%s)"/>' % (S.W, S.H, day, clip_r))
    body, S.body = S.body, []
    star_field(S, 24)
    moon(S, S.W * 0.25, S.H - 70, 11, "crescent")
    stars_svg = "".join(S.body)
    S.body = []
    sun(S, S.W * 0.75, S.H - 70, 12)
    sun_svg = "".join(S.body)
    S.body = body
    S.add('<g clip-path="url(#%s)">%s</g><g clip-path="url(#%s)">%s</g>' % (clip_l, stars_svg, clip_r, sun_svg))
    S.add('<path d="M%s,0 L%s,%s" stroke="#f4e6b8" stroke-width="0.8" opacity="0.6"/>' % (n(S.W / 2), n(S.W / 2), n(S.Y(S.horizon))))
    S.time = "day"


@motif("firelight")
def firelight(S, color: Colour = "#ff6a20"):
    """A red glow of fire rising from behind the horizon and colouring the sky."""
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(S.horizon + 110)), S.W, n(110), S.lin([(0, color, 0), (0.7, color, 0.4), (1, "#ffb040", 0.7)])))


@motif("orion")
def orion(S, x: float = 64, y: float = 160, s: float = 1.0):
    """The constellation of Orion: shoulders, belt of three and feet, joined by faint lines."""
    pts = {"a": (-14, 22), "b": (14, 20), "c": (-4, 0), "d": (0, 1), "e": (4, 2), "f": (-12, -22), "g": (14, -20)}
    lines = [("a", "c"), ("b", "e"), ("c", "f"), ("e", "g"), ("c", "d"), ("d", "e"), ("a", "b")]
    path = " ".join("M%s,%s L%s,%s" % (n(x + pts[p][0] * s), n(S.Y(y + pts[p][1] * s)), n(x + pts[q][0] * s), n(S.Y(y + pts[q][1] * s))) for p, q in lines)
    S.add('<path d="%s" stroke="#8a9ac8" stroke-width="0.5" opacity="0.6"/>' % path)
    for k, (px, py) in pts.items():
        col = "#ffb080" if k == "a" else "#c8d8ff"
        S.add(sparkle_svg(S, x + px * s, S.Y(y + py * s), 3.2 if k in "ag" else 2.2, col))


