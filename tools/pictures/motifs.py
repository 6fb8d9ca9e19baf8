"""The motif library: skies, landscapes and the small things drawn on them.

Every motif is a function `name(scene, *args, **options)` registered with @motif. Positions are
given in pixels with y measured UP from the bottom edge of the picture (pictures stand on the
bottom edge and differ in height, so a tree at y=10 stands at the same place in every picture).
A motif draws itself around a local origin at its base (or centre for things in the sky); its
size argument is its height (or radius) in pixels.
"""

import math
import random

MOTIFS = {}


def motif(name):
    def register(fn):
        MOTIFS[name] = fn
        return fn
    return register


# ---------------------------------------------------------------- numbers and colours

def n(v):
    """Compact, stable number formatting for SVG."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def hex_rgb(c):
    c = c.lstrip("#")
    return tuple(int(c[i:i + 2], 16) for i in (0, 2, 4))


def rgb_hex(rgb):
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(v)))) for v in rgb)


def mix(a, b, t):
    ra, rb = hex_rgb(a), hex_rgb(b)
    return rgb_hex([x + (y - x) * t for x, y in zip(ra, rb)])


def shade(c, k):
    return rgb_hex([v * k for v in hex_rgb(c)])


def lighten(c, t):
    return mix(c, "#ffffff", t)


# ---------------------------------------------------------------- the scene

class Scene:
    """One picture being composed: its size, time of day, season, palette and SVG pieces."""

    def __init__(self, code, width, height, palette, time="day", season="summer"):
        self.code = code
        self.W = width
        self.H = height
        self.palette = palette
        self.time = time
        self.season = season
        self.horizon = 40
        self.defs = []
        self.body = []
        self.rng = random.Random(code * 7919 + 17)
        self._ids = {}
        self._count = 0
        self.frame = "arch"
        self.sun_at = None

    # -- coordinates
    def Y(self, y):
        return self.H - y

    def at(self, x, y, s=1.0, rot=0.0, flip=False):
        t = "translate(%s,%s)" % (n(x), n(self.Y(y)))
        if rot:
            t += " rotate(%s)" % n(rot)
        if s != 1.0 or flip:
            t += " scale(%s,%s)" % (n(-s if flip else s), n(s))
        return t

    # -- colours
    def col(self, name):
        if name is None:
            return None
        name = str(name)
        if name.startswith("#"):
            return name
        if name in self.palette:
            v = self.palette[name]
            return v[0] if isinstance(v, list) else v
        raise KeyError("unknown colour '%s'" % name)

    def run(self, name):
        v = self.palette.get(name)
        if v is None:
            raise KeyError("unknown colour run '%s'" % name)
        return v if isinstance(v, list) else [v]

    def lit(self, c):
        """A colour of an unlit object as seen at the scene's time of day."""
        c = self.col(c)
        if self.time == "night":
            return mix(shade(c, 0.5), "#1c2654", 0.3)
        if self.time == "dusk":
            return mix(shade(c, 0.72), "#5a2e58", 0.18)
        if self.time == "dawn":
            return mix(shade(c, 0.85), "#6a5a90", 0.12)
        return c

    # -- defs
    def uid(self, prefix):
        self._count += 1
        return "%s%d" % (prefix, self._count)

    def _cached(self, key, build):
        if key not in self._ids:
            gid = self.uid("g")
            self.defs.append(build(gid))
            self._ids[key] = gid
        return "url(#%s)" % self._ids[key]

    def lin(self, colours, x1=0, y1=0, x2=0, y2=1, opac=None, user=False):
        """A linear gradient through evenly spaced colours (or (offset, colour[, opacity]) tuples)."""
        stops = _stops(colours, opac)
        key = ("lin", stops, x1, y1, x2, y2, user)

        def build(gid):
            units = ' gradientUnits="userSpaceOnUse"' if user else ""
            return ('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s>%s</linearGradient>'
                    % (gid, n(x1), n(y1), n(x2), n(y2), units, stops))
        return self._cached(key, build)

    def rad(self, colours, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, opac=None):
        stops = _stops(colours, opac)
        fx = cx if fx is None else fx
        fy = cy if fy is None else fy
        key = ("rad", stops, cx, cy, r, fx, fy)

        def build(gid):
            return ('<radialGradient id="%s" cx="%s" cy="%s" r="%s" fx="%s" fy="%s">%s</radialGradient>'
                    % (gid, n(cx), n(cy), n(r), n(fx), n(fy), stops))
        return self._cached(key, build)

    def glow(self, c, inner=0.55):
        """Radial glow paint: colour c fading to nothing."""
        c = self.col(c)
        return self.rad([(0, c, inner), (0.4, c, inner * 0.45), (1, c, 0)])

    def add(self, svg):
        self.body.append(svg)


def _stops(colours, opac=None):
    out = []
    count = len(colours)
    for i, c in enumerate(colours):
        if isinstance(c, tuple):
            off, col = c[0], c[1]
            op = c[2] if len(c) > 2 else 1
        else:
            off = i / (count - 1) if count > 1 else 0
            col, op = c, 1
        if opac is not None:
            op = opac[i]
        extra = ' stop-opacity="%s"' % n(op) if op != 1 else ""
        out.append('<stop offset="%s" stop-color="%s"%s/>' % (n(off), col, extra))
    return "".join(out)


def smooth_path(points, closed=False):
    """A smooth curve (Catmull-Rom turned into cubic Beziers) through points given in SVG coordinates."""
    if len(points) < 2:
        return ""
    pts = list(points)
    d = ["M%s,%s" % (n(pts[0][0]), n(pts[0][1]))]
    for i in range(len(pts) - 1):
        p0 = pts[i - 1] if i > 0 else pts[i]
        p1, p2 = pts[i], pts[i + 1]
        p3 = pts[i + 2] if i + 2 < len(pts) else p2
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d.append("C%s,%s %s,%s %s,%s" % (n(c1[0]), n(c1[1]), n(c2[0]), n(c2[1]), n(p2[0]), n(p2[1])))
    return " ".join(d)


def star_points(cx, cy, r_out, r_in, points=5, rot=-90):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return "M" + " L".join("%s,%s" % (n(x), n(y)) for x, y in pts) + " Z"


# ================================================================ sky

@motif("sky")
def sky(S, time="day", season=None, horizon=None, stars=None):
    """The background: a sky graded from the top of the picture to the horizon, for a time of day."""
    S.time = time
    if season:
        S.season = season
    if horizon is not None:
        S.horizon = float(horizon)
    name = "sky.%s.%s" % (time, S.season) if time != "storm" else "sky.storm"
    colours = S.run(name)
    paint = S.lin(colours, 0, 0, 0, S.Y(S.horizon) + 6, user=True)
    S.add('<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (S.W, S.H, paint))
    if stars is None:
        stars = 40 if time == "night" else 0
    if int(stars):
        star_field(S, int(stars))


@motif("stars")
def star_field(S, count=40, low=None, bright=None):
    """Scattered stars above the horizon; a few bright ones get a soft cross."""
    rng = random.Random(S.code * 31 + int(count))
    low = S.horizon + 12 if low is None else float(low)
    bright = max(2, int(count) // 12) if bright is None else int(bright)
    tints = ["#ffffff", "#fff4d8", "#dce8ff", "#ffffff", "#f8f0ff"]
    parts = []
    for i in range(int(count)):
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
def sparkle(S, x, y, r=3, color="white"):
    S.add(sparkle_svg(S, float(x), S.Y(float(y)), float(r), S.col(color)))


@motif("milkyway")
def milky_way(S, angle=-35, y=None):
    """A faint band of light across the night sky."""
    y = S.H * 0.62 if y is None else float(y)
    g = S.rad([(0, "#c8c8f0", 0.28), (0.5, "#8a8ac8", 0.12), (1, "#5050a0", 0)])
    S.add('<g transform="%s"><ellipse cx="0" cy="0" rx="%s" ry="16" fill="%s"/></g>'
          % (S.at(S.W / 2, y, 1, float(angle)), n(S.W * 0.9), g))
    rng = random.Random(S.code * 13)
    dots = []
    for i in range(60):
        t = rng.uniform(-1, 1)
        off = rng.gauss(0, 5)
        a = math.radians(float(angle))
        px = S.W / 2 + t * S.W * 0.8 * math.cos(a) - off * math.sin(a)
        py = S.Y(y) + t * S.W * 0.8 * math.sin(a) + off * math.cos(a)
        dots.append('<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="%s"/>'
                    % (n(px), n(py), n(rng.uniform(0.3, 0.6)), n(rng.uniform(0.3, 0.8))))
    S.add("".join(dots))


@motif("aurora")
def aurora(S, y=None, color="#5af0a8", color2="#8a7af0"):
    """Curtains of northern light."""
    y = S.H * 0.55 if y is None else float(y)
    c1, c2 = S.col(color), S.col(color2)
    for i, (dy, c, op) in enumerate(((0, c1, 0.55), (14, c2, 0.35), (-10, c1, 0.3))):
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
def sun(S, x, y, r=12, color="sun", glow=1, rays=0):
    """The sun: a warm disc in a wide soft glow, optionally with short rays."""
    x, y, r = float(x), float(y), float(r)
    c = S.col(color)
    S.sun_at = (x, y)
    parts = []
    if float(glow):
        parts.append('<circle cx="0" cy="0" r="%s" fill="%s"/>' % (n(r * 3.2 * float(glow)), S.glow(c, 0.5)))
    if int(rays):
        for i in range(int(rays)):
            a = i * 360 / int(rays)
            parts.append('<path d="M%s,-1.4 L%s,0 L%s,1.4 Z" fill="%s" opacity="0.85" transform="rotate(%s)"/>'
                         % (n(r * 1.25), n(r * 1.9), n(r * 1.25), c, n(a)))
    disc = S.rad(["#fffbe8", c, mix(c, "#f08030", 0.35)], 0.42, 0.38, 0.62)
    parts.append('<circle cx="0" cy="0" r="%s" fill="%s"/>' % (n(r), disc))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("moon")
def moon(S, x, y, r=10, phase="full", glow=1):
    """The moon. phase: new, crescent, quarter, gibbous, full, or waning-crescent etc., or 0..1 (0.5 full)."""
    x, y, r = float(x), float(y), float(r)
    names = {"new": 0.0, "crescent": 0.14, "quarter": 0.25, "first-quarter": 0.25, "gibbous": 0.38,
             "full": 0.5, "waning-gibbous": 0.62, "last-quarter": 0.75, "waning": 0.86,
             "waning-crescent": 0.86, "old": 0.9}
    p = names[phase] if phase in names else float(phase)
    parts = []
    light = S.col("moonlight")
    if float(glow):
        parts.append('<circle cx="0" cy="0" r="%s" fill="%s"/>' % (n(r * 2.6), S.glow("#c8d4ff", 0.35 * float(glow))))
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


@motif("eclipse")
def eclipse(S, x, y, r=12):
    """A total eclipse: dark disc in a pearly corona."""
    x, y, r = float(x), float(y), float(r)
    corona = S.rad([(0, "#ffffff", 0.95), (0.38, "#fff6dc", 0.8), (0.55, "#c8d8ff", 0.35), (1, "#8090ff", 0)])
    S.add('<g transform="%s"><circle r="%s" fill="%s"/><circle r="%s" fill="#06060c"/>'
          '<circle r="%s" fill="none" stroke="#ffe8b0" stroke-width="0.8" opacity="0.9"/></g>'
          % (S.at(x, y), n(r * 2.8), corona, n(r), n(r + 0.3)))


@motif("meteor")
def meteor(S, x, y, length=30, angle=210, color="white"):
    """A shooting star: a bright head with a fading tail (angle of travel in degrees, 0 = right)."""
    x, y, length = float(x), float(y), float(length)
    c = S.col(color)
    paint = S.lin([(0, c, 0), (0.7, c, 0.5), (1, c, 1)], 0, 0, 1, 0)
    S.add('<g transform="%s"><path d="M%s,-0.25 L0,-1 L0,1 L%s,0.25 Z" fill="%s" transform="translate(0,0)"/>'
          '<circle r="1.3" fill="%s"/><circle r="4" fill="%s"/></g>'
          % (S.at(x, y, 1, -float(angle)), n(-length), n(-length), paint, c, S.glow(c, 0.6)))


@motif("meteors")
def meteors(S, count=5, angle=215, rx=None, ry=None, length=30, spread=70):
    """Shooting stars falling at about the same angle, or, given a radiant (rx, ry), flying out
    from that point of the sky as a shower's do."""
    rng = random.Random(S.code * 5 + 3)
    length = float(length)
    for i in range(int(count)):
        if rx is None or ry is None:
            meteor(S, rng.uniform(20, S.W - 10), rng.uniform(S.horizon + 40, S.H - 15),
                   rng.uniform(14, length), float(angle) + rng.uniform(-4, 4))
            continue
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(18, float(spread))
        mx, my = float(rx) + d * math.cos(a), float(ry) + d * math.sin(a)
        if not (4 < mx < S.W - 4 and S.horizon + 20 < my < S.H - 8):
            continue
        meteor(S, mx, my, min(d * 0.8, rng.uniform(10, length)), math.degrees(a))


@motif("comet")
def comet(S, x, y, length=40, angle=200):
    x, y, length = float(x), float(y), float(length)
    tail = S.lin([(0, "#a0c8ff", 0), (0.8, "#dcecff", 0.55), (1, "#ffffff", 0.9)], 0, 0, 1, 0)
    S.add('<g transform="%s"><path d="M%s,-6 Q%s,-1 0,-1.6 L0,1.6 Q%s,1 %s,5 Z" fill="%s"/>'
          '<circle r="5" fill="%s"/><circle r="1.7" fill="#ffffff"/></g>'
          % (S.at(x, y, 1, -float(angle)), n(-length), n(-length * 0.5), n(-length * 0.5), n(-length), tail,
             S.glow("#dcecff", 0.7)))


@motif("planet")
def planet(S, x, y, r=9, color="#e0b878", ring=1):
    """A planet; ring=1 gives it broad rings, ring=2 faint thin rings seen nearly upright, as for a
    planet tipped on its side."""
    x, y, r = float(x), float(y), float(r)
    c = S.col(color)
    body = S.rad([lighten(c, 0.4), c, shade(c, 0.5)], 0.35, 0.35, 0.75)
    if int(ring) == 2:
        back = '<path d="M0,%s A%s,%s 0 0 1 0,%s" fill="none" stroke="#c8e0e8" stroke-width="0.5" opacity="0.45"/>' % (n(-r * 1.8), n(r * 0.3), n(r * 1.8), n(r * 1.8))
        front = '<path d="M0,%s A%s,%s 0 0 0 0,%s" fill="none" stroke="#dcecf0" stroke-width="0.6" opacity="0.6"/>' % (n(-r * 1.8), n(r * 0.3), n(r * 1.8), n(r * 1.8))
        S.add('<g transform="%s">%s<circle r="%s" fill="%s"/><path d="M%s,%s A%s,%s 0 0 0 %s,%s" stroke="%s" stroke-width="%s" fill="none" opacity="0.35"/>%s</g>'
              % (S.at(x, y, 1, 8), back, n(r), body, n(-r * 0.2), n(-r * 0.98), n(r * 0.3), n(r), n(-r * 0.2), n(r * 0.98),
                 lighten(c, 0.5), n(r * 0.25), front))
        return
    ring_back = ('<path d="M%s,0 A%s,%s 0 0 1 %s,0" fill="none" stroke="#e8dcc0" stroke-width="1.4" opacity="0.8"/>'
                 % (n(-r * 1.9), n(r * 1.9), n(r * 0.5), n(r * 1.9)))
    ring_front = ('<path d="M%s,0 A%s,%s 0 0 0 %s,0" fill="none" stroke="#f4ead0" stroke-width="1.6"/>'
                  % (n(-r * 1.9), n(r * 1.9), n(r * 0.5), n(r * 1.9)))
    S.add('<g transform="%s">%s<circle r="%s" fill="%s"/>%s</g>'
          % (S.at(x, y, 1, -18), ring_back if int(ring) else "", n(r), body, ring_front if int(ring) else ""))


@motif("clouds")
def clouds(S, x, y, w=40, color=None, opacity=0.95):
    """A soft cloud, lit from above; its colours follow the time of day."""
    x, y, w = float(x), float(y), float(w)
    base = {"day": ("#ffffff", "#c4d0e0"), "dawn": ("#ffe4dc", "#b898b8"), "dusk": ("#ffc8a0", "#8a5078"),
            "night": ("#4a5478", "#232a48"), "storm": ("#8a929c", "#3a424e")}.get(S.time, ("#ffffff", "#c4d0e0"))
    if color:
        base = (S.col(color), shade(S.col(color), 0.7))
    paint = S.lin([base[0], base[1]])
    rng = random.Random(int(x * 13 + y * 7 + S.code))
    circles = []
    k = w / 40.0
    for cx, cy, r in ((-12, -2, 8), (-2, -7, 10), (10, -4, 8), (17, 1, 5), (-18, 2, 5)):
        circles.append('<circle cx="%s" cy="%s" r="%s"/>' % (n(cx + rng.uniform(-1.5, 1.5)), n(cy), n(r)))
    S.add('<g transform="%s" fill="%s" opacity="%s"><rect x="-20" y="-3" width="40" height="9" rx="4.5"/>%s</g>'
          % (S.at(x, y, k), paint, n(float(opacity)), "".join(circles)))


@motif("rainbow")
def rainbow(S, x, y, r=60, opacity=0.55):
    x, y, r = float(x), float(y), float(r)
    cols = ["#e85050", "#f39a3a", "#f4dc4a", "#5cc05a", "#4a8ce0", "#7a5ac8"]
    arcs = []
    for i, c in enumerate(cols):
        rr = r - i * 2.6
        arcs.append('<path d="M%s,0 A%s,%s 0 0 1 %s,0" fill="none" stroke="%s" stroke-width="2.8"/>'
                    % (n(-rr), n(rr), n(rr), n(rr), c))
    S.add('<g transform="%s" opacity="%s">%s</g>' % (S.at(x, y), n(float(opacity)), "".join(arcs)))


@motif("rain")
def rain(S, count=60, color="#b8c8e0"):
    rng = random.Random(S.code * 11)
    c = S.col(color)
    lines = []
    for i in range(int(count)):
        x = rng.uniform(0, S.W + 10)
        y = rng.uniform(0, S.H)
        l = rng.uniform(4, 8)
        lines.append('<path d="M%s,%s l-2,%s" />' % (n(x), n(S.Y(y)), n(l)))
    S.add('<g stroke="%s" stroke-width="0.7" opacity="0.6" stroke-linecap="round">%s</g>' % (c, "".join(lines)))


@motif("snowfall")
def snowfall(S, count=40, low=0):
    rng = random.Random(S.code * 17)
    dots = []
    for i in range(int(count)):
        x = rng.uniform(2, S.W - 2)
        y = rng.uniform(float(low), S.H - 4)
        r = rng.choice((0.6, 0.8, 1.0, 1.2, 1.5))
        dots.append('<circle cx="%s" cy="%s" r="%s" opacity="%s"/>' % (n(x), n(S.Y(y)), n(r), n(rng.uniform(0.6, 1))))
    S.add('<g fill="#ffffff">%s</g>' % "".join(dots))


@motif("snowflake")
def snowflake(S, x, y, r=8, color="snow"):
    """A six-armed crystal."""
    x, y, r = float(x), float(y), float(r)
    c = S.col(color)
    arm = "M0,0 L0,%s M0,%s l%s,%s M0,%s l%s,%s M0,%s l%s,%s M0,%s l%s,%s" % (
        n(-r), n(-r * 0.55), n(-r * 0.25), n(-r * 0.22), n(-r * 0.55), n(r * 0.25), n(-r * 0.22),
        n(-r * 0.8), n(-r * 0.16), n(-r * 0.14), n(-r * 0.8), n(r * 0.16), n(-r * 0.14))
    arms = "".join('<path d="%s" transform="rotate(%d)"/>' % (arm, a) for a in range(0, 360, 60))
    S.add('<g transform="%s"><circle r="%s" fill="%s"/><g stroke="%s" stroke-width="%s" stroke-linecap="round" fill="none">%s</g></g>'
          % (S.at(x, y), n(r * 1.5), S.glow("#c8e0ff", 0.35), c, n(max(0.8, r / 9)), arms))


@motif("mist")
def mist(S, y=None, height=14, color="#ffffff", opacity=0.35):
    y = S.horizon if y is None else float(y)
    paint = S.lin([(0, S.col(color), 0), (0.5, S.col(color), float(opacity)), (1, S.col(color), 0)])
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(y) - float(height) / 2), S.W, n(height), paint))


# ================================================================ land and water

def _land_colours(S, season):
    name = "land." + season
    cols = S.run(name)
    horizon_c = S.run("sky.%s.%s" % (S.time if S.time in ("night", "dawn", "day", "dusk") else "day", S.season))[-1]
    far = mix(S.lit(cols[0]), horizon_c, 0.35)
    return [far] + [S.lit(c) for c in cols[1:]]


@motif("hills")
def hills(S, season=None, y=None, layers=3, rough=1.0):
    """Rolling hills in layers from the horizon to the bottom edge, coloured by season."""
    season = season or S.season
    if y is not None:
        S.horizon = float(y)
    cols = _land_colours(S, season)
    rng = random.Random(S.code * 3 + 1)
    layers = int(layers)
    for i in range(layers):
        top = S.horizon - i * (S.horizon * 0.42 / max(1, layers - 1)) if layers > 1 else S.horizon
        amp = (4 + 3 * i) * float(rough)
        pts = []
        steps = 5
        phase = rng.uniform(0, 6.28)
        for k in range(steps + 1):
            px = -6 + k * (S.W + 12) / steps
            py = top + amp * math.sin(phase + k * 1.7) * 0.6 + rng.uniform(-1.5, 1.5) * float(rough)
            pts.append((px, S.Y(py)))
        c = cols[min(i, len(cols) - 1)] if layers <= len(cols) else cols[int(i * (len(cols) - 1) / (layers - 1))]
        paint = S.lin([lighten(c, 0.08), c, shade(c, 0.85)])
        d = smooth_path(pts) + " L%s,%s L-6,%s Z" % (n(S.W + 6), n(S.H + 2), n(S.H + 2))
        S.add('<path d="%s" fill="%s"/>' % (d, paint))


@motif("plain")
def plain(S, season=None, y=None):
    """Flat land to the horizon, lighter in the distance."""
    season = season or S.season
    if y is not None:
        S.horizon = float(y)
    cols = _land_colours(S, season)
    paint = S.lin(cols)
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(S.horizon)), S.W, n(S.horizon + 2), paint))


@motif("mountains")
def mountains(S, y=None, height=40, color="#7a88a8", snow=1):
    """A far range of peaks standing on the horizon."""
    y = S.horizon if y is None else float(y)
    c = mix(S.lit(color), S.run("sky.%s.%s" % (S.time, S.season))[-1] if S.time != "storm" else "#6a7684", 0.25)
    rng = random.Random(S.code * 19)
    pts = [(-4, S.Y(y))]
    x = -4
    peaks = []
    while x < S.W + 4:
        w = rng.uniform(18, 34)
        h = rng.uniform(0.45, 1.0) * float(height)
        pts.append((x + w / 2, S.Y(y + h)))
        peaks.append((x + w / 2, h, w))
        pts.append((x + w, S.Y(y + rng.uniform(0.15, 0.35) * float(height))))
        x += w
    pts.append((S.W + 4, S.Y(y)))
    d = "M" + " L".join("%s,%s" % (n(a), n(b)) for a, b in pts) + " Z"
    paint = S.lin([lighten(c, 0.15), c])
    S.add('<path d="%s" fill="%s" stroke="%s" stroke-width="0.6" stroke-linejoin="round"/>' % (d, paint, c))
    if int(snow):
        caps = []
        snowc = S.lit("#f4f8ff") if S.time != "night" else "#8a9ac0"
        for px, h, w in peaks:
            if h > float(height) * 0.6:
                top = S.Y(y + h)
                k = h * 0.28
                caps.append("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
                    n(px), n(top), n(px + k * w / h / 2 * 1.0), n(top + k), n(px + 1), n(top + k * 0.7),
                    n(px - 2), n(top + k * 1.05), n(px - k * w / h / 2 * 1.0), n(top + k)))
        S.add('<path d="%s" fill="%s"/>' % (" ".join(caps), snowc))


@motif("sea")
def sea(S, y=None, color=None):
    """Open water from the horizon to the bottom edge, with light on it below the sun or moon."""
    if y is not None:
        S.horizon = float(y)
    run = S.run("water." + ("night" if S.time == "night" else "dusk" if S.time in ("dusk", "dawn") else "day"))
    if color:
        c = S.col(color)
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
def glitter(S, x=None, color="#fff0c0"):
    """The glittering path of the sun or moon on water, straight down from x."""
    x = (S.sun_at[0] if S.sun_at else S.W / 2) if x is None else float(x)
    c = S.col(color)
    rng = random.Random(S.code * 29)
    parts = []
    for i in range(int(S.horizon / 2.5)):
        yy = S.horizon - 1 - i * 2.5
        depth = 1 - yy / S.horizon
        w = 2 + depth * 14 * rng.uniform(0.5, 1.2)
        parts.append('<path d="M%s,%s h%s"/>' % (n(x - w / 2 + rng.uniform(-2, 2) * depth), n(S.Y(yy)), n(w)))
    S.add('<g stroke="%s" stroke-width="1" stroke-linecap="round" opacity="0.8">%s</g>' % (c, "".join(parts)))


@motif("shore")
def shore(S, y=12, color="#e4cc98", side="left"):
    """A curving beach or bank in the foreground."""
    y = float(y)
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
def field(S, y=None, color="#d8b050", rows=9):
    """A ploughed or ripe field running away to the horizon."""
    y = S.horizon if y is None else float(y)
    c = S.lit(color)
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(y)), S.W, n(y + 2), S.lin([lighten(c, 0.15), c, shade(c, 0.75)])))
    lines = []
    vx = S.W * 0.55
    for i in range(int(rows) + 1):
        bx = -S.W * 0.6 + i * (S.W * 2.2) / int(rows)
        lines.append('<path d="M%s,%s L%s,%s"/>' % (n(vx), n(S.Y(y)), n(bx), n(S.H + 1)))
    S.add('<g stroke="%s" stroke-width="0.9" opacity="0.5">%s</g>' % (shade(c, 0.65), "".join(lines)))


@motif("ground")
def ground(S, color, y=10):
    """A plain strip of ground in the foreground (snow, grass, sand) with a gently curved top."""
    y = float(y)
    c = S.lit(color)
    d = "M-2,%s Q%s,%s %s,%s L%s,%s L-2,%s Z" % (n(S.Y(y)), n(S.W / 2), n(S.Y(y + 4)), n(S.W + 2), n(S.Y(y - 1)),
                                                n(S.W + 2), n(S.H + 2), n(S.H + 2))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin([lighten(c, 0.12), shade(c, 0.8)])))


@motif("river")
def river(S, x=64, width=30):
    """A river winding from the horizon to the foreground."""
    x, width = float(x), float(width)
    run = S.run("water." + ("night" if S.time == "night" else "dusk" if S.time in ("dusk", "dawn") else "day"))
    h = S.horizon
    d = "M%s,%s C%s,%s %s,%s %s,%s L%s,%s C%s,%s %s,%s %s,%s Z" % (
        n(x - 1), n(S.Y(h)), n(x - 12), n(S.Y(h * 0.7)), n(x + 14), n(S.Y(h * 0.3)), n(x - width / 2), n(S.H + 1),
        n(x + width / 2), n(S.H + 1), n(x + 26), n(S.Y(h * 0.3)), n(x - 4), n(S.Y(h * 0.7)), n(x + 1), n(S.Y(h)))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin(run)))


# ================================================================ plants

def _leafy_colours(S, season):
    return {"spring": ("#f6c8d8", "#e890b0", "#fff0f4"), "summer": ("#5aa84a", "#2e7038", "#8ccc5a"),
            "autumn": ("#e8902a", "#b84a22", "#f6c850"), "blossom": ("#f8d8e4", "#e8a0bc", "#ffffff"),
            "green": ("#7cc050", "#3a8a3a", "#a8dc68")}.get(season)


@motif("tree")
def tree(S, x, y, h=60, season=None, seed=0):
    """A broad-leaved tree: bare in winter, in blossom in spring, green in summer, golden in autumn."""
    x, y, h = float(x), float(y), float(h)
    season = season or S.season
    rng = random.Random(int(x * 31 + y * 17 + int(seed) + S.code))
    k = h / 60.0
    trunk_c = S.lit("#6a4a32")
    parts = ['<path d="M-2.4,0 C-2,-10 -1.6,-20 -1,-30 L1,-30 C1.6,-20 2,-10 2.4,0 Z" fill="%s"/>' % trunk_c]
    if season == "winter":
        parts.append(_branches(S, rng, 0, -18, -90, 26, 4, 2.2, trunk_c))
        if S.time != "night":
            pass
    else:
        parts.append('<path d="M0,-22 L-10,-34 M0,-26 L9,-37 M0,-30 L0,-42" stroke="%s" stroke-width="1.6" fill="none"/>' % trunk_c)
        c_light, c_dark, c_hi = _leafy_colours(S, season)
        c_light, c_dark = S.lit(c_light), S.lit(c_dark)
        paint = S.rad([lighten(c_light, 0.15), c_light, c_dark], 0.35, 0.3, 0.75)
        blobs = []
        for cx, cy, r in ((-12, -36, 11), (12, -38, 11), (0, -47, 13), (-6, -30, 9), (7, -29, 9), (-15, -44, 8), (14, -46, 8)):
            blobs.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(cx + rng.uniform(-1, 1)), n(cy + rng.uniform(-1, 1)), n(r), paint))
        parts.append("".join(blobs))
        dots = []
        if season in ("spring", "blossom", "autumn"):
            hi = S.lit(c_hi) if S.time == "night" else c_hi
            for i in range(22):
                a = rng.uniform(0, 6.28)
                rr = rng.uniform(0, 17)
                dots.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(rr * math.cos(a)), n(-40 + rr * 0.8 * math.sin(a)), n(rng.uniform(0.9, 1.6)), hi))
        parts.append("".join(dots))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(parts)))


def _branches(S, rng, x, y, ang, length, depth, width, colour):
    out = []
    x2 = x + length * math.cos(math.radians(ang))
    y2 = y + length * math.sin(math.radians(ang))
    out.append('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (n(x), n(y), n(x2), n(y2), colour, n(width)))
    if depth > 0:
        for turn in (-28, 24):
            out.append(_branches(S, rng, x2, y2, ang + turn + rng.uniform(-8, 8), length * rng.uniform(0.6, 0.72), depth - 1, width * 0.62, colour))
    return "".join(out)


@motif("fir")
def fir(S, x, y, h=60, snow=0, lights=0, star=0, color="#2e6a4a"):
    """A fir tree in tiers; optionally with snow on its boughs, coloured lights and a star on top."""
    x, y, h = float(x), float(y), float(h)
    k = h / 60.0
    c = S.lit(color)
    paint = S.lin([lighten(c, 0.2), c, shade(c, 0.7)], 0, 0, 1, 0.3)
    parts = ['<rect x="-2.5" y="-7" width="5" height="7" fill="%s"/>' % S.lit("#5a3a26")]
    tiers = ((-6, 20, 18), (-20, 16, 18), (-33, 12, 16), (-45, 8, 15))
    for base, half, th in tiers:
        parts.append('<path d="M%s,%s Q0,%s %s,%s L0,%s Z" fill="%s"/>' % (n(-half), n(base), n(base - 3), n(half), n(base), n(base - th), paint))
        if int(snow):
            sc = "#f4f8ff" if S.time == "day" else S.lit("#f4f8ff") if S.time == "night" else lighten(S.lit("#f4f8ff"), 0.4)
            if S.time == "night":
                sc = "#8e9cc4"
            parts.append('<path d="M%s,%s Q0,%s %s,%s Q0,%s %s,%s Z" fill="%s"/>' % (
                n(-half * 0.95), n(base - 0.5), n(base - 3.5), n(half * 0.95), n(base - 0.5), n(base - 5), n(-half * 0.95), n(base - 0.5), sc))
            parts.append('<path d="M%s,%s L0,%s L%s,%s Q0,%s %s,%s Z" fill="%s"/>' % (
                n(-half * 0.22), n(base - th * 0.78), n(base - th), n(half * 0.22), n(base - th * 0.78), n(base - th * 0.74), n(-half * 0.22), n(base - th * 0.78), sc))
    if int(lights):
        rng = random.Random(int(x * 7 + S.code))
        cols = ["#ffd850", "#ff6a6a", "#7ad8ff", "#ffa040", "#c890ff", "#fff4c0"]
        for base, half, th in tiers:
            for i in range(4):
                t = (i + 0.5) / 4
                lx = (-half + t * 2 * half) * 0.85
                ly = base - 2.5 - abs(lx) * 0.1
                col = rng.choice(cols)
                parts.append('<circle cx="%s" cy="%s" r="3.2" fill="%s"/><circle cx="%s" cy="%s" r="1.3" fill="%s"/>'
                             % (n(lx), n(ly), S.glow(col, 0.6), n(lx), n(ly), col))
    if int(star):
        parts.append('<circle cx="0" cy="-61" r="8" fill="%s"/><path d="%s" fill="#ffe070"/>'
                     % (S.glow("#fff0a0", 0.6), star_points(0, -61, 5, 2.1)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(parts)))


@motif("cypress")
def cypress(S, x, y, h=50, color="#2e5a3a"):
    x, y, h = float(x), float(y), float(h)
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M0,0 C-7,-10 -6,-35 0,-%s C6,-35 7,-10 0,0 Z" fill="%s"/></g>'
          % (S.at(x, y, h / 50), "50", S.lin([lighten(c, 0.2), shade(c, 0.75)], 0, 0, 1, 0)))


@motif("palm")
def palm(S, x, y, h=60, lean=8):
    x, y, h = float(x), float(y), float(h)
    k = h / 60
    trunk = S.lit("#8a6440")
    leafc = S.lit("#3a8a48")
    l = float(lean)
    fronds = []
    for a in (-160, -120, -70, -30, 10, -95):
        fronds.append('<path d="M0,0 Q%s,%s %s,%s Q%s,%s 0,0 Z" fill="%s" transform="translate(%s,-58) rotate(%s)"/>' % (
            "10", "-7", "24", "2", "10", "-1", leafc, n(l), a))
    S.add('<g transform="%s"><path d="M-2.5,0 Q%s,-30 %s,-58 L%s,-58 Q%s,-30 2.5,0 Z" fill="%s"/>%s</g>'
          % (S.at(x, y, k), n(l * 0.2 - 2), n(l - 1.5), n(l + 1.5), n(l * 0.2 + 2), trunk, "".join(fronds)))


def _flower_head(S, kind, c, r):
    c2 = shade(c, 0.75)
    if kind == "tulip":
        return ('<path d="M%s,0 C%s,%s %s,%s 0,%s C%s,%s %s,%s %s,0 Q0,%s %s,0 Z" fill="%s"/>'
                % (n(-r), n(-r * 1.1), n(-r * 1.6), n(-r * 0.5), n(-r * 2.1), n(-r * 1.6), n(r * 0.5), n(-r * 2.1), n(r * 1.1),
                   n(-r * 1.6), n(r), n(r * 0.6), n(-r), c))
    if kind == "daisy":
        petals = "".join('<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%d)" fill="%s"/>'
                         % (n(-r * 0.75), n(r * 0.28), n(r * 0.6), a, c) for a in range(0, 360, 30))
        return petals + '<circle r="%s" fill="#f4c430"/>' % n(r * 0.38)
    if kind == "chrysanthemum":
        petals = "".join('<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%d)" fill="%s"/>'
                         % (n(-r * 0.62), n(r * 0.16), n(r * 0.48), a, c if (a // 15) % 2 else lighten(c, 0.3)) for a in range(0, 360, 15))
        inner = "".join('<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%d)" fill="%s"/>'
                        % (n(-r * 0.3), n(r * 0.12), n(r * 0.3), a + 7, lighten(c, 0.45)) for a in range(0, 360, 30))
        return petals + inner + '<circle r="%s" fill="%s"/>' % (n(r * 0.16), shade(c, 0.8))
    if kind == "marigold":
        petals = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(r * 0.55 * math.cos(math.radians(a))), n(r * 0.55 * math.sin(math.radians(a))), n(r * 0.42), c if a % 60 else shade(c, 0.85))
                         for a in range(0, 360, 30))
        return petals + '<circle r="%s" fill="%s"/>' % (n(r * 0.45), lighten(c, 0.25))
    if kind == "daffodil":
        petals = "".join('<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%d)" fill="%s"/>'
                         % (n(-r * 0.6), n(r * 0.35), n(r * 0.62), a, lighten(c, 0.35)) for a in range(0, 360, 60))
        return petals + '<circle r="%s" fill="#f09a20"/><circle r="%s" fill="#f8c040"/>' % (n(r * 0.42), n(r * 0.26))
    if kind == "sunflower":
        petals = "".join('<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%d)" fill="%s"/>'
                         % (n(-r * 0.8), n(r * 0.25), n(r * 0.55), a, c) for a in range(0, 360, 24))
        return petals + '<circle r="%s" fill="#6a3a1a"/>' % n(r * 0.5)
    if kind == "snowdrop":
        return ('<path d="M0,0 C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,0 Z" fill="%s"/>'
                % (n(-r * 0.9), n(r * 0.3), n(-r * 0.5), n(r * 1.8), n(r * 1.9), n(r * 0.5), n(r * 1.8), n(r * 0.9), n(r * 0.3), c))
    if kind == "bell":
        return ('<path d="M0,0 C%s,0 %s,%s %s,%s L%s,%s C%s,%s %s,0 0,0 Z" fill="%s"/>'
                % (n(-r * 0.8), n(-r * 0.9), n(r), n(-r * 0.9), n(r * 1.5), n(r * 0.9), n(r * 1.5), n(r * 0.9), n(r), n(r * 0.8), c))
    if kind == "rose":
        return ('<circle r="%s" fill="%s"/><path d="M%s,0 A%s,%s 0 1 1 0,%s" fill="none" stroke="%s" stroke-width="%s"/>'
                '<path d="M0,%s A%s,%s 0 1 0 %s,0" fill="none" stroke="%s" stroke-width="%s"/>'
                % (n(r), c, n(-r * 0.5), n(r * 0.5), n(r * 0.5), n(-r * 0.5), c2, n(r * 0.18),
                   n(r * 0.75), n(r * 0.75), n(r * 0.75), n(r * 0.75), c2, n(r * 0.15)))
    if kind == "poppy":
        petals = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(r * 0.45 * math.cos(math.radians(a))), n(r * 0.45 * math.sin(math.radians(a))), n(r * 0.62), c)
                         for a in (0, 90, 180, 270))
        return petals + '<circle r="%s" fill="#2a1a20"/>' % n(r * 0.3)
    if kind == "lily":
        petals = "".join('<path d="M0,0 Q%s,%s 0,%s Q%s,%s 0,0 Z" fill="%s" transform="rotate(%d)"/>'
                         % (n(-r * 0.4), n(-r * 0.6), n(-r * 1.3), n(r * 0.4), n(-r * 0.6), c, a) for a in (-60, -20, 20, 60, 0))
        return petals + '<circle r="%s" fill="#f6d860"/>' % n(r * 0.18)
    # plain round bloom
    return '<circle r="%s" fill="%s"/><circle r="%s" fill="%s"/>' % (n(r), c, n(r * 0.4), lighten(c, 0.5))


@motif("flower")
def flower(S, x, y, h=30, kind="tulip", color="red", lean=0):
    """A single flower on its stem. kind: tulip, daisy, sunflower, snowdrop, bell, rose, poppy, lily."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit(color) if S.time == "night" else S.col(color)
    stem = S.lit("#3e8a3e")
    r = max(2.5, h * 0.16)
    lean = float(lean)
    top = (lean, -h)
    leaf = ('<path d="M0,%s Q%s,%s %s,%s Q%s,%s 0,%s Z" fill="%s"/>'
            % (n(-h * 0.2), n(-h * 0.25), n(-h * 0.3), n(-h * 0.28), n(-h * 0.55), n(-h * 0.05), n(-h * 0.4), n(-h * 0.3), stem))
    head_y = top[1] + (r * 1.2 if kind == "tulip" else 0)
    if kind in ("snowdrop", "bell"):
        head = '<g transform="translate(%s,%s) rotate(%s)">%s</g>' % (n(top[0] + 3), n(top[1] + 2), "20", _flower_head(S, kind, c, r))
        stemd = "M0,0 Q%s,%s %s,%s Q%s,%s %s,%s" % (n(lean * 0.3), n(-h * 0.6), n(top[0]), n(top[1]), n(top[0] + 2), n(top[1] - 2), n(top[0] + 3), n(top[1] + 2))
    else:
        head = '<g transform="translate(%s,%s)">%s</g>' % (n(top[0]), n(head_y), _flower_head(S, kind, c, r))
        stemd = "M0,0 Q%s,%s %s,%s" % (n(lean * 0.2), n(-h * 0.5), n(top[0]), n(top[1]))
    S.add('<g transform="%s"><path d="%s" fill="none" stroke="%s" stroke-width="%s"/>%s%s</g>'
          % (S.at(x, y), stemd, stem, n(max(1, h / 25)), leaf, head))


@motif("flowers")
def flowers(S, count=8, kind="daisy", colors="white", low=2, high=18, h=14):
    """A scattering of flowers over the foreground; colours separated by commas."""
    rng = random.Random(S.code * 37 + int(count))
    cols = str(colors).split(",")
    items = []
    for i in range(int(count)):
        items.append((rng.uniform(float(low), float(high)), rng.uniform(6, S.W - 6), rng.choice(cols), rng.uniform(-3, 3)))
    for yy, xx, c, lean in sorted(items, reverse=True):
        depth = 1 - (yy - float(low)) / max(1, float(high) - float(low))
        flower(S, xx, yy, float(h) * (0.6 + 0.5 * depth), kind, c, lean)


@motif("grass")
def grass(S, count=40, y=0, h=8, color="#4e9a40"):
    rng = random.Random(S.code * 41)
    c = S.lit(color)
    blades = []
    for i in range(int(count)):
        x = rng.uniform(0, S.W)
        hh = float(h) * rng.uniform(0.5, 1.2)
        lean = rng.uniform(-3, 3)
        blades.append('<path d="M%s,%s q%s,%s %s,%s"/>' % (n(x), n(S.Y(float(y))), n(lean * 0.3), n(-hh * 0.5), n(lean), n(-hh)))
    S.add('<g stroke="%s" stroke-width="1" fill="none" stroke-linecap="round">%s</g>' % (c, "".join(blades)))


def _leaf_path(s):
    return "M0,%s C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,%s Z" % (
        n(s), n(-s * 0.8), n(s * 0.4), n(-s * 0.6), n(-s * 0.6), n(-s), n(s * 0.6), n(-s * 0.6), n(s * 0.8), n(s * 0.4), n(s))


@motif("leaf")
def leaf(S, x, y, s=6, color="orange", angle=0):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><path d="%s" fill="%s"/><path d="M0,%s L0,%s" stroke="%s" stroke-width="0.6"/></g>'
          % (S.at(x, y, 1, float(angle)), _leaf_path(s), c, n(s * 1.3), n(-s * 0.8), shade(c, 0.6)))


@motif("leaves")
def leaves(S, count=12, colors="#e8902a,#d0542a,#f0c040,#b8402a", low=None):
    """Leaves falling through the air."""
    rng = random.Random(S.code * 43)
    cols = str(colors).split(",")
    low = S.horizon if low is None else float(low)
    for i in range(int(count)):
        leaf(S, rng.uniform(6, S.W - 6), rng.uniform(low, S.H - 20), rng.uniform(2.5, 4.5), rng.choice(cols), rng.uniform(0, 360))


@motif("vine")
def vine(S, y=None, color="#4a8a3a", fruit="#6a3a8a"):
    """A garland of leaves with bunches of fruit hanging across the top."""
    y = S.H - 30 if y is None else float(y)
    c = S.col(color)
    parts = ['<path d="M-4,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="1.4"/>' % (n(S.Y(y)), n(S.W / 2), n(S.Y(y - 16)), n(S.W + 4), n(S.Y(y)), shade(c, 0.6))]
    S.add("".join(parts))
    for i in range(7):
        t = i / 6
        xx = t * S.W
        yy = y - 16 * 2 * t * (1 - t) * 2 * 0.5 * 2
        leaf(S, xx, yy - 2, 4, color, 160 + i * 25)
    for xx in (S.W * 0.3, S.W * 0.7):
        grapes(S, xx, y - 12, 10, fruit)


@motif("grapes")
def grapes(S, x, y, s=12, color="#6a3a8a"):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    paint = S.rad([lighten(c, 0.45), c, shade(c, 0.6)], 0.35, 0.35, 0.7)
    pts = [(0, 0), (-2.2, 0.2), (2.2, 0.2), (-1.1, 2), (1.1, 2), (0, 3.8), (-3.3, -1.6), (3.3, -1.6), (0, -1.8), (-1.1, -3.4), (1.1, -3.4)]
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 10), "".join(
        '<circle cx="%s" cy="%s" r="1.35" fill="%s"/>' % (n(px), n(py), paint) for px, py in pts)))


@motif("shamrock")
def shamrock(S, x, y, s=14, color="#3aa84a"):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    paint = S.rad([lighten(c, 0.3), c, shade(c, 0.7)], 0.4, 0.4, 0.8)
    heart = "M0,0 C-1,-3 -6,-5 -6,-9 C-6,-12 -2,-13 0,-10 C2,-13 6,-12 6,-9 C6,-5 1,-3 0,0 Z"
    leaves_ = "".join('<path d="%s" fill="%s" transform="rotate(%d)"/>' % (heart, paint, a) for a in (0, 120, 240))
    S.add('<g transform="%s"><path d="M0,0 Q2,8 6,14" stroke="%s" stroke-width="1.6" fill="none"/>%s</g>'
          % (S.at(x, y, s / 14), shade(c, 0.8), leaves_))


@motif("mushroom")
def mushroom(S, x, y, s=10, color="#d04030"):
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M-2,0 L-1.5,-6 L1.5,-6 L2,0 Z" fill="%s"/>'
          '<path d="M-7,-5 Q-7,-13 0,-13 Q7,-13 7,-5 Z" fill="%s"/>'
          '<circle cx="-3" cy="-9" r="1.1" fill="#fff"/><circle cx="2" cy="-10.5" r="0.9" fill="#fff"/><circle cx="4" cy="-7" r="0.8" fill="#fff"/></g>'
          % (S.at(x, y, s / 10), S.lit("#f0e6d0"), c))


# ================================================================ buildings

def _window(S, x, y, w, h, lit):
    if lit:
        return ('<rect x="%s" y="%s" width="%s" height="%s" fill="#ffd070"/>'
                '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                % (n(x), n(y), n(w), n(h), n(x - 3), n(y - 3), n(w + 6), n(h + 6), S.glow("#ffc860", 0.35)))
    return '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (n(x), n(y), n(w), n(h), S.lit("#3a4460"))


@motif("house")
def house(S, x, y, s=20, color="#c89a70", roof="#8a3a30", lit=None, snow=0):
    """A cottage with a pitched roof, a door, a chimney and (at dusk and night) glowing windows."""
    x, y, s = float(x), float(y), float(s)
    lit = S.time in ("night", "dusk") if lit is None else bool(int(lit))
    wall = S.lit(color)
    rf = S.lit(roof)
    parts = ['<rect x="11" y="-27" width="4" height="8" fill="%s"/>' % S.lit("#7a5040"),
             '<rect x="-14" y="-16" width="28" height="16" fill="%s"/>' % wall,
             '<path d="M-17,-15 L0,-30 L17,-15 Z" fill="%s"/>' % rf]
    if int(snow):
        parts.append('<path d="M-17,-15 L0,-30 L17,-15 L14,-15 L0,-27 L-14,-15 Z M-17,-15 L0,-30 L17,-15 Q0,-22 -17,-15 Z" fill="%s"/>'
                     % ("#eef4ff" if S.time == "day" else "#9aa8cc"))
    parts.append('<rect x="-3" y="-9" width="6" height="9" fill="%s"/>' % S.lit("#5a3424"))
    parts.append(_window(S, -11, -12, 5, 5, lit))
    parts.append(_window(S, 6, -12, 5, 5, lit))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 30), "".join(parts)))


@motif("church")
def church(S, x, y, s=50, color="#d8ccb8", lit=None, snow=0):
    """A small church with a spired tower."""
    x, y, s = float(x), float(y), float(s)
    lit = S.time in ("night", "dusk") if lit is None else bool(int(lit))
    wall = S.lit(color)
    roof = S.lit("#6a5a70")
    parts = ['<rect x="-4" y="-30" width="26" height="30" fill="%s"/>' % shade(wall, 0.92),
             '<path d="M-6,-29 L9,-42 L24,-29 Z" fill="%s"/>' % roof,
             '<rect x="-18" y="-38" width="14" height="38" fill="%s"/>' % wall,
             '<path d="M-19,-38 L-11,-62 L-3,-38 Z" fill="%s"/>' % roof,
             '<path d="M-11,-62 L-11,-68 M-13.5,-65.5 L-8.5,-65.5" stroke="%s" stroke-width="1"/>' % S.lit("#c8a860"),
             '<path d="M-14,0 L-14,-8 A3,3 0 0 1 -8,-8 L-8,0 Z" fill="%s"/>' % S.lit("#5a3424"),
             '<circle cx="-11" cy="-30" r="2.6" fill="%s"/>' % ("#fff0c0" if lit else S.lit("#f0ead8"))]
    for wx in (1, 9, 16):
        if lit:
            parts.append('<path d="M%s,-12 L%s,-19 A2,2 0 0 1 %s,-19 L%s,-12 Z" fill="#ffc860"/>' % (wx, wx, wx + 4, wx + 4))
        else:
            parts.append('<path d="M%s,-12 L%s,-19 A2,2 0 0 1 %s,-19 L%s,-12 Z" fill="%s"/>' % (wx, wx, wx + 4, wx + 4, S.lit("#46506a")))
    if lit:
        parts.append('<ellipse cx="9" cy="-16" rx="16" ry="10" fill="%s"/>' % S.glow("#ffc860", 0.35))
    if int(snow):
        sc = "#eef4ff" if S.time == "day" else "#9aa8cc"
        parts.append('<path d="M-6,-29 L9,-42 L24,-29 L20,-30 L9,-39 L-2,-30 Z" fill="%s"/>' % sc)
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 68), "".join(parts)))


@motif("town")
def town(S, y=None, count=7, lit=None, color="#2a2e48", snow=0, spire=1):
    """A row of rooftops with lit windows, seen across the fields."""
    y = S.horizon - 2 if y is None else float(y)
    lit = S.time in ("night", "dusk") if lit is None else bool(int(lit))
    rng = random.Random(S.code * 47)
    c = S.lit(color) if S.time == "day" else S.col(color)
    if S.time == "day":
        c = S.lit("#8a7e78")
    x = -4
    shapes = []
    windows = []
    spire_at = rng.randint(2, max(2, int(count) - 2)) if int(spire) else -1
    i = 0
    while x < S.W + 2:
        w = rng.uniform(11, 18)
        h = rng.uniform(9, 17)
        if i == spire_at:
            shapes.append("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
                n(x), n(S.Y(y)), n(x), n(S.Y(y + h + 8)), n(x + w / 2), n(S.Y(y + h + 26)), n(x + w), n(S.Y(y + h + 8)), n(x + w), n(S.Y(y))))
        else:
            shapes.append("M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
                n(x), n(S.Y(y)), n(x), n(S.Y(y + h)), n(x + w / 2), n(S.Y(y + h + w * 0.4)), n(x + w), n(S.Y(y + h)), n(x + w), n(S.Y(y))))
        if lit:
            for k in range(rng.randint(1, 2)):
                wx = x + rng.uniform(2, w - 4)
                wy = y + rng.uniform(2, h - 5)
                windows.append('<rect x="%s" y="%s" width="2.2" height="2.6" fill="#ffd070"/>' % (n(wx), n(S.Y(wy))))
        x += w + rng.uniform(-2, 1)
        i += 1
    S.add('<path d="%s" fill="%s"/>%s' % (" ".join(shapes), c, "".join(windows)))
    if lit:
        S.add('<rect x="0" y="%s" width="%d" height="12" fill="%s"/>' % (n(S.Y(y + 8)), S.W, S.lin([(0, "#ffb060", 0), (1, "#ffb060", 0.18)])))


@motif("lighthouse")
def lighthouse(S, x, y, h=70, beam=1):
    x, y, h = float(x), float(y), float(h)
    parts = []
    if int(beam):
        parts.append('<path d="M0,-62 L-70,-75 L-70,-52 Z" fill="%s"/>' % S.lin([(0, "#fff4c0", 0), (1, "#fff4c0", 0.55)], 0, 0, 1, 0))
        parts.append('<path d="M0,-62 L50,-70 L50,-56 Z" fill="%s"/>' % S.lin([(0, "#fff4c0", 0.5), (1, "#fff4c0", 0)], 0, 0, 1, 0))
    white, red = S.lit("#f4f0e8"), S.lit("#c83a3a")
    parts.append('<path d="M-8,0 L-5,-55 L5,-55 L8,0 Z" fill="%s"/>' % white)
    parts.append('<path d="M-7.2,-14 L-6.6,-24 L6.6,-24 L7.2,-14 Z M-6,-34 L-5.5,-44 L5.5,-44 L6,-34 Z" fill="%s"/>' % red)
    parts.append('<rect x="-4" y="-66" width="8" height="11" fill="#ffe890"/><circle cx="0" cy="-61" r="9" fill="%s"/>' % S.glow("#fff0a0", 0.6))
    parts.append('<path d="M-6,-66 L0,-72 L6,-66 Z" fill="%s"/><rect x="-7" y="-56" width="14" height="2" fill="%s"/>' % (red, S.lit("#3a3a44")))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, h / 72), "".join(parts)))


@motif("windmill")
def windmill(S, x, y, h=60, angle=15):
    x, y, h = float(x), float(y), float(h)
    body, roof, sail = S.lit("#e8dcc4"), S.lit("#7a4a34"), S.lit("#f4ecdc")
    sails = "".join('<g transform="rotate(%s)"><rect x="-1" y="-34" width="2" height="34" fill="%s"/><rect x="1" y="-32" width="6" height="24" fill="%s" opacity="0.9"/></g>'
                    % (n(float(angle) + a), S.lit("#5a4030"), sail) for a in (0, 90, 180, 270))
    S.add('<g transform="%s"><path d="M-10,0 L-7,-40 L7,-40 L10,0 Z" fill="%s"/><path d="M-9,-40 L0,-50 L9,-40 Z" fill="%s"/>'
          '<path d="M-3,0 L-3,-7 A3,3 0 0 1 3,-7 L3,0 Z" fill="%s"/><g transform="translate(0,-42)">%s<circle r="2" fill="%s"/></g></g>'
          % (S.at(x, y, h / 60), body, roof, S.lit("#5a3424"), sails, S.lit("#4a3020")))


@motif("tower")
def tower(S, x, y, h=60, clock=1, color="#c8bca8"):
    """A tall tower with a pointed roof, with a clock face unless clock=0."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit(color)
    face = "#fff6dc" if S.time in ("night", "dusk") else "#f8f2e2"
    if int(clock):
        top = ('<circle cx="0" cy="-38" r="6" fill="%s" stroke="%s" stroke-width="1"/>'
               '<path d="M0,-38 L0,-42.5 M0,-38 L3,-38" stroke="#2a2a34" stroke-width="0.9"/>' % (face, S.lit("#8a7a50")))
    else:
        top = ('<rect x="-5" y="-44" width="3" height="7" fill="%s"/><rect x="2" y="-44" width="3" height="7" fill="%s"/>'
               % (shade(c, 0.45), shade(c, 0.45)))
    S.add('<g transform="%s"><rect x="-9" y="-48" width="18" height="48" fill="%s"/><rect x="-9" y="-48" width="6" height="48" fill="#ffffff" opacity="0.12"/>'
          '<path d="M-11,-48 L0,-64 L11,-48 Z" fill="%s"/>%s'
          '<path d="M-3,0 L-3,-8 A3,3 0 0 1 3,-8 L3,0 Z" fill="%s"/></g>'
          % (S.at(x, y, h / 64), c, S.lit("#5a4a60"), top, S.lit("#4a3020")))


@motif("castle")
def castle(S, x, y, s=50, color="#a8a0a8"):
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    merl = "".join('<rect x="%s" y="-34" width="3" height="3"/>' % n(-20 + i * 6) for i in range(7))
    S.add('<g transform="%s" fill="%s"><rect x="-20" y="-31" width="40" height="31"/>%s'
          '<rect x="-26" y="-44" width="12" height="44"/><rect x="14" y="-44" width="12" height="44"/>'
          '<path d="M-27,-44 L-20,-56 L-13,-44 Z M13,-44 L20,-56 L27,-44 Z" fill="%s"/>'
          '<path d="M-5,0 L-5,-10 A5,5 0 0 1 5,-10 L5,0 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 56), c, merl, S.lit("#6a4a5a"), S.lit("#3a2a2a")))


# ================================================================ lights, fire and celebration

@motif("candle")
def candle(S, x, y, h=30, color="ivory", flame=1):
    """A candle with a glowing flame."""
    x, y, h = float(x), float(y), float(h)
    c = S.col(color)
    w = max(3.0, h * 0.22)
    body = S.lin([shade(c, 0.75), lighten(c, 0.25), c, shade(c, 0.7)], 0, 0, 1, 0)
    parts = ['<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>' % (n(-w / 2), n(-h), n(w), n(h), n(w * 0.15), body),
             '<ellipse cx="0" cy="%s" rx="%s" ry="%s" fill="%s"/>' % (n(-h), n(w / 2), n(w * 0.15), lighten(c, 0.35))]
    if int(flame):
        fl = h * 0.32 + 3
        parts.append('<circle cx="0" cy="%s" r="%s" fill="%s"/>' % (n(-h - fl * 0.5), n(fl * 1.6), S.glow("#ffb040", 0.55)))
        parts.append('<path d="M0,%s C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,%s Z" fill="%s"/>' % (
            n(-h - 1), n(-fl * 0.45), n(-h - fl * 0.3), n(-fl * 0.15), n(-h - fl * 0.7), n(-h - fl),
            n(fl * 0.15), n(-h - fl * 0.7), n(fl * 0.45), n(-h - fl * 0.3), n(-h - 1),
            S.rad(["#fffbe0", "#ffd850", "#ff8a20"], 0.5, 0.7, 0.6)))
        parts.append('<path d="M0,%s L0,%s" stroke="#3a2a20" stroke-width="0.6"/>' % (n(-h), n(-h - 1.5)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("candles")
def candles(S, count=3, y=4, h=26, colors="ivory", spread=None):
    cols = str(colors).split(",")
    cnt = int(count)
    spread = (S.W - 40) if spread is None else float(spread)
    for i in range(cnt):
        t = (i + 0.5) / cnt
        xx = S.W / 2 - spread / 2 + t * spread
        hh = float(h) * (0.75 + 0.25 * math.cos((t - 0.5) * 3.1))
        candle(S, xx, float(y), hh, cols[i % len(cols)])


@motif("lantern")
def lantern(S, x, y, s=14, color="red", string=1):
    """A round paper lantern, glowing from inside; y is its centre."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    body = S.rad(["#fff4c0", lighten(c, 0.3), c, shade(c, 0.6)], 0.5, 0.45, 0.6)
    ribs = "".join('<path d="M0,-8 Q%s,0 0,8" fill="none" stroke="%s" stroke-width="0.5" opacity="0.6"/>' % (n(k), shade(c, 0.55)) for k in (-8, -4, 4, 8))
    parts = []
    if int(string):
        parts.append('<path d="M0,-11 L0,-%s" stroke="%s" stroke-width="0.6"/>' % (n(200), S.lit("#3a3030")))
    parts.append('<circle r="16" fill="%s"/>' % S.glow(c, 0.45))
    parts.append('<ellipse rx="10" ry="8.5" fill="%s"/>%s' % (body, ribs))
    parts.append('<rect x="-4" y="-10.5" width="8" height="2.5" fill="#3a2a24"/><rect x="-4" y="8" width="8" height="2.5" fill="#3a2a24"/>')
    parts.append('<path d="M-1.5,10.5 L-2,16 M0,10.5 L0,17 M1.5,10.5 L2,16" stroke="%s" stroke-width="0.6"/>' % c)
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 20), "".join(parts)))


@motif("lanterns")
def lanterns(S, y=None, count=4, colors="red,orange,gold,rose"):
    """Paper lanterns hanging from a sagging string."""
    y = S.H - 24 if y is None else float(y)
    cols = str(colors).split(",")
    cnt = int(count)
    sag = 14
    S.add('<path d="M-2,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.7"/>' % (
        n(S.Y(y + 4)), n(S.W / 2), n(S.Y(y - sag * 2 + 4)), n(S.W + 2), n(S.Y(y + 4)), S.lit("#4a4040")))
    for i in range(cnt):
        t = (i + 0.5) / cnt
        yy = y + 4 - sag * 2 * 2 * t * (1 - t) * 1.0 * 2 * 0.5
        drop = 8 + 4 * (i % 2)
        S.add('<path d="M%s,%s l0,%s" stroke="%s" stroke-width="0.6"/>' % (n(t * S.W), n(S.Y(yy)), n(drop), S.lit("#4a4040")))
        lantern(S, t * S.W, yy - drop - 5, 12, cols[i % len(cols)], string=0)


@motif("fireworks")
def fireworks(S, x, y, r=18, color="gold", rays=16, trail=1):
    """A firework burst: sparks flying out from a point, with a rising trail below."""
    x, y, r = float(x), float(y), float(r)
    c = S.col(color)
    hi = lighten(c, 0.55)
    parts = ['<circle r="%s" fill="%s"/>' % (n(r * 1.3), S.glow(c, 0.28))]
    cnt = int(rays)
    rng = random.Random(int(x * 3 + y * 5 + S.code))
    for i in range(cnt):
        a = math.radians(i * 360 / cnt + rng.uniform(-4, 4))
        rr = r * rng.uniform(0.75, 1.0)
        x1, y1 = math.cos(a) * r * 0.25, math.sin(a) * r * 0.25
        x2, y2 = math.cos(a) * rr, math.sin(a) * rr + r * 0.08
        parts.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="1" stroke-linecap="round" opacity="0.85"/>'
                     % (n(x1), n(y1), n((x1 + x2) / 2), n((y1 + y2) / 2 - r * 0.05), n(x2), n(y2), c))
        parts.append('<circle cx="%s" cy="%s" r="1.2" fill="%s"/>' % (n(x2), n(y2 + 0.8), hi))
    parts.append('<circle r="1.6" fill="#ffffff"/>')
    if int(trail):
        parts.append('<path d="M0,%s Q2,%s 1,%s" fill="none" stroke="%s" stroke-width="0.8" stroke-dasharray="1.5 2" opacity="0.6"/>'
                     % (n(r * 0.4), n(r * 1.5), n(r * 3), c))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("bonfire")
def bonfire(S, x, y, s=30):
    """A bonfire of crossed logs with tall flames and rising sparks."""
    x, y, s = float(x), float(y), float(s)
    logs = S.lit("#5a3a26")
    flame = S.rad(["#fffbe0", "#ffd040", "#ff7a20", "#e03a10"], 0.5, 0.85, 0.85)
    rng = random.Random(int(x + S.code))
    sparks = "".join('<circle cx="%s" cy="%s" r="%s" fill="#ffc850"/>' % (n(rng.uniform(-10, 10)), n(rng.uniform(-55, -32)), n(rng.uniform(0.5, 1.1)))
                     for i in range(10))
    S.add('<g transform="%s"><ellipse cx="0" cy="-12" rx="32" ry="28" fill="%s"/>'
          '<path d="M-16,0 L14,-8 L16,-4 L-14,4 Z M16,0 L-14,-8 L-16,-4 L14,4 Z" fill="%s"/>'
          '<path d="M-12,-3 C-14,-14 -6,-18 -7,-30 C-2,-22 -1,-28 0,-40 C3,-28 6,-24 7,-32 C8,-22 14,-16 12,-3 Z" fill="%s"/>'
          '<path d="M-6,-3 C-6,-10 -2,-14 0,-22 C2,-14 6,-10 6,-3 Z" fill="#fff4c0" opacity="0.85"/>%s</g>'
          % (S.at(x, y, s / 40), S.glow("#ff9a30", 0.5), logs, flame, sparks))


@motif("heart")
def heart(S, x, y, s=16, color="red", glow=0):
    """A heart; y is its centre, s its width."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    paint = S.rad([lighten(c, 0.45), c, shade(c, 0.7)], 0.35, 0.3, 0.75)
    g = '<circle r="16" fill="%s"/>' % S.glow(c, 0.4) if int(glow) else ""
    S.add('<g transform="%s">%s<path d="M0,9 C-4,5 -10,1 -10,-4 C-10,-8 -7,-10 -4.5,-10 C-2.5,-10 -0.8,-8.8 0,-7 '
          'C0.8,-8.8 2.5,-10 4.5,-10 C7,-10 10,-8 10,-4 C10,1 4,5 0,9 Z" fill="%s"/>'
          '<ellipse cx="-5" cy="-5" rx="2" ry="1.3" fill="#ffffff" opacity="0.45" transform="rotate(-35 -5 -5)"/></g>'
          % (S.at(x, y, s / 20), g, paint))


@motif("star")
def star(S, x, y, r=8, color="gold", glow=1, points=5):
    """A star shape (five points unless told), y is its centre."""
    x, y, r = float(x), float(y), float(r)
    c = S.col(color)
    g = '<circle r="%s" fill="%s"/>' % (n(r * 2.2), S.glow(c, 0.45)) if int(glow) else ""
    paint = S.rad([lighten(c, 0.6), c, shade(c, 0.8)], 0.5, 0.45, 0.6)
    S.add('<g transform="%s">%s<path d="%s" fill="%s"/></g>' % (S.at(x, y), g, star_points(0, 0, r, r * 0.42, int(points)), paint))


@motif("bell")
def bell(S, x, y, s=24, color="gold", angle=0, bow=0):
    """A bell hanging from its top; y is the top, s its height."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    paint = S.lin([shade(c, 0.7), lighten(c, 0.45), c, shade(c, 0.55)], 0, 0, 1, 0)
    b = ""
    if int(bow):
        b = ('<path d="M0,-1 C-6,-6 -10,-2 -8,1 C-6,3 -2,1 0,-1 C2,1 6,3 8,1 C10,-2 6,-6 0,-1 Z M0,-1 L-5,8 M0,-1 L5,8" fill="%s" stroke="%s" stroke-width="1.5"/>'
             % (S.col("crimson"), S.col("crimson")))
    S.add('<g transform="%s"><path d="M0,0 L0,2" stroke="%s" stroke-width="1.5"/>'
          '<path d="M-2.5,2 C-7,2 -7,10 -8,14 C-8.5,17 -11,18 -11,20 L11,20 C11,18 8.5,17 8,14 C7,10 7,2 2.5,2 Z" fill="%s"/>'
          '<circle cx="0" cy="21.5" r="2.2" fill="%s"/>%s</g>'
          % (S.at(x, y, s / 24, float(angle)), shade(c, 0.6), paint, shade(c, 0.5), b))


@motif("gift")
def gift(S, x, y, s=20, color="red", ribbon="gold"):
    x, y, s = float(x), float(y), float(s)
    c, r = S.lit(color) if S.time == "night" else S.col(color), S.col(ribbon)
    S.add('<g transform="%s"><rect x="-10" y="-16" width="20" height="16" fill="%s"/><rect x="-11" y="-19" width="22" height="4" fill="%s"/>'
          '<rect x="-1.5" y="-19" width="3" height="19" fill="%s"/><path d="M0,-19 C-6,-25 -9,-20 -5,-19 Z M0,-19 C6,-25 9,-20 5,-19 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 20), S.lin([lighten(c, 0.15), shade(c, 0.75)], 0, 0, 1, 0), shade(c, 0.85), r, r))


@motif("wreath")
def wreath(S, x, y, r=30, color="#3a7a48", berries="#e03040", bow="crimson"):
    """An evergreen wreath with berries and a bow; y is its centre."""
    x, y, r = float(x), float(y), float(r)
    c = S.col(color)
    rng = random.Random(int(r * 7 + S.code))
    parts = ['<circle r="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (n(r), shade(c, 0.6), n(r * 0.3))]
    for i in range(28):
        a = i * 360 / 28
        rr = r + rng.uniform(-r * 0.12, r * 0.12)
        px, py = rr * math.cos(math.radians(a)), rr * math.sin(math.radians(a))
        parts.append('<path d="%s" fill="%s" transform="translate(%s,%s) rotate(%s) scale(%s)"/>'
                     % (_leaf_path(1), rng.choice((c, lighten(c, 0.2), shade(c, 0.8))), n(px), n(py), n(a + rng.uniform(-40, 40)), n(r * 0.16)))
    for i in range(9):
        a = rng.uniform(0, 360)
        px, py = r * math.cos(math.radians(a)), r * math.sin(math.radians(a))
        parts.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(px), n(py), n(max(1.2, r * 0.07)), S.col(berries)))
    if bow != "none":
        bc = S.col(bow)
        parts.append('<g transform="translate(0,%s) scale(%s)"><path d="M0,0 C-6,-6 -11,-2 -9,2 C-7,5 -2,2 0,0 C2,2 7,5 9,2 C11,-2 6,-6 0,0 Z M0,0 L-5,10 L-3,10 L0,3 L3,10 L5,10 Z" fill="%s"/></g>'
                     % (n(r), n(r / 20), bc))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("bunting")
def bunting(S, y=None, colors="red,gold,blue,green", count=9, sag=10):
    """A string of little triangular flags across the picture."""
    y = S.H - 30 if y is None else float(y)
    cols = [S.col(c) for c in str(colors).split(",")]
    cnt = int(count)
    sag = float(sag)
    S.add('<path d="M-2,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.7"/>' % (
        n(S.Y(y)), n(S.W / 2), n(S.Y(y - sag * 2)), n(S.W + 2), n(S.Y(y)), S.lit("#d0c8b8")))
    flags = []
    for i in range(cnt):
        t = (i + 0.5) / cnt
        px = -2 + t * (S.W + 4)
        py = S.Y(y) + 2 * t * (1 - t) * sag * 2
        slope = (1 - 2 * t) * sag * 4 / S.W
        flags.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
            n(px - 4.5), n(py - slope * 4.5), n(px + 4.5), n(py + slope * 4.5), n(px), n(py + 10), cols[i % len(cols)]))
    S.add("".join(flags))


@motif("flag")
def flag(S, x, y, h=50, colors="red,white,blue", vertical=0, saltire=None, canton=None, emblem=None, cross=None, cross2=None, stars=20, seal=None):
    """A flag of plain stripes waving on a pole; colours from top to bottom (or left to right).
    saltire=colour lays a diagonal cross over it; canton=colour a starred corner; emblem=colour a
    maple leaf in the middle (seal=colour a round badge); cross=colour and cross2=colour a Nordic
    cross with its inner line."""
    x, y, h = float(x), float(y), float(h)
    cols = [S.col(c) for c in str(colors).split(",")]
    k = h / 50
    parts = ['<rect x="-0.8" y="-50" width="1.6" height="50" fill="%s"/><circle cx="0" cy="-50.5" r="1.5" fill="%s"/>'
             % (S.lit("#c8c0b0"), S.col("gold"))]
    w, fh = 28.0, 18.0
    count = len(cols)
    clip = S.uid("c")
    wave = "M0.8,-49 C8,-52 14,-45 %s,-48 L%s,%s C14,%s 8,%s 0.8,%s Z" % (n(w), n(w), n(-49 + fh + 1), n(-49 + fh - 2), n(-49 + fh + 4), n(-49 + fh))
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, wave))
    stripes = []
    for i, c in enumerate(cols):
        if int(vertical):
            stripes.append('<rect x="%s" y="-56" width="%s" height="30" fill="%s"/>' % (n(0.8 + i * w / count), n(w / count + 0.3), c))
        else:
            stripes.append('<rect x="0" y="%s" width="30" height="%s" fill="%s"/>' % (n(-51 + i * (fh + 4) / count), n((fh + 4) / count + 0.3), c))
    if saltire:
        stripes.append('<path d="M0.8,-49 L%s,%s M0.8,%s L%s,-49" stroke="%s" stroke-width="3.6"/>' % (n(w), n(-49 + fh + 2), n(-49 + fh + 1), n(w), S.col(saltire)))
    if canton:
        stripes.append('<rect x="0" y="-52" width="%s" height="%s" fill="%s"/>' % (n(w * 0.42), n(fh * 0.58 + 3), S.col(canton)))
        if int(stars) == 1:
            stripes.append('<path d="%s" fill="#ffffff"/>' % star_points(w * 0.21, -52 + (fh * 0.58 + 3) / 2, 2.6, 1.1))
        else:
            stripes.append("".join('<circle cx="%s" cy="%s" r="0.45" fill="#ffffff"/>' % (n(2.2 + i * 2.1), n(-47.4 + j * 2.2)) for i in range(5) for j in range(4)))
    if cross:
        cy = -49 + fh / 2 + 0.5
        stripes.append('<path d="M%s,-56 V-26 M0,%s H30" stroke="%s" stroke-width="5"/>' % (n(w * 0.36), n(cy), S.col(cross)))
        if cross2:
            stripes.append('<path d="M%s,-56 V-26 M0,%s H30" stroke="%s" stroke-width="2.4"/>' % (n(w * 0.36), n(cy), S.col(cross2)))
    if emblem:
        stripes.append('<path transform="translate(%s,%s) scale(0.3)" d="M0,-20 L3,-13 L7,-15 L6,-7 L13,-11 L11,-6 L17,-5 L12,0 L14,3 L6,3 L7,7 L1,5 L1,14 L-1,14 L-1,5 L-7,7 L-6,3 L-14,3 L-12,0 L-17,-5 L-11,-6 L-13,-11 L-6,-7 L-7,-15 L-3,-13 Z" fill="%s"/>'
                       % (n(w / 2 + 0.4), n(-49 + fh / 2 + 0.6), S.col(emblem)))
    if seal:
        sc = S.col(seal)
        stripes.append('<circle cx="%s" cy="%s" r="3.2" fill="%s"/><path d="M%s,%s q2,-3 4,0" stroke="%s" stroke-width="0.8" fill="none"/>'
                       % (n(w / 2 + 0.4), n(-49 + fh / 2 + 0.8), sc, n(w / 2 - 1.6), n(-49 + fh / 2 + 2.6), S.lit("#3a8a3a")))
    shade_paint = S.lin([(0, "#000000", 0), (0.35, "#000000", 0.18), (0.6, "#ffffff", 0.12), (1, "#000000", 0.15)], 0, 0, 1, 0)
    parts.append('<g clip-path="url(#%s)">%s<rect x="0" y="-56" width="30" height="30" fill="%s"/></g>' % (clip, "".join(stripes), shade_paint))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(parts)))


@motif("balloons")
def balloons(S, x, y, s=30, colors="red,gold,sky"):
    x, y, s = float(x), float(y), float(s)
    cols = [S.col(c) for c in str(colors).split(",")]
    parts = []
    spots = [(-7, -30), (6, -34), (0, -42), (-12, -44), (11, -46)]
    for i, c in enumerate(cols[:5]):
        bx, by = spots[i]
        parts.append('<path d="M0,0 Q%s,%s %s,%s" fill="none" stroke="#c8c0b0" stroke-width="0.5"/>' % (n(bx * 0.3), n(by * 0.5), n(bx), n(by + 6)))
        parts.append('<ellipse cx="%s" cy="%s" rx="5" ry="6.2" fill="%s"/><ellipse cx="%s" cy="%s" rx="1.2" ry="1.8" fill="#ffffff" opacity="0.6"/>'
                     % (n(bx), n(by), S.rad([lighten(c, 0.4), c, shade(c, 0.7)], 0.35, 0.3, 0.7), n(bx - 2), n(by - 2.5)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 40), "".join(parts)))


@motif("cake")
def cake(S, x, y, s=30, color="#f4d8e0", candles=3):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    parts = ['<ellipse cx="0" cy="0" rx="20" ry="3" fill="%s"/>' % S.lit("#e8e8f0"),
             '<rect x="-16" y="-18" width="32" height="18" fill="%s"/>' % S.lin([lighten(c, 0.2), shade(c, 0.8)], 0, 0, 1, 0),
             '<path d="M-16,-18 Q-12,-12 -8,-18 Q-4,-12 0,-18 Q4,-12 8,-18 Q12,-12 16,-18 Z" fill="#ffffff"/>',
             '<rect x="-16" y="-9" width="32" height="2" fill="%s"/>' % S.col("rose")]
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 30), "".join(parts)))
    for i in range(int(candles)):
        cx = x + (i - (int(candles) - 1) / 2) * 7 * s / 30
        candle(S, cx, y + 18 * s / 30, 9 * s / 30, "sky" if i % 2 else "rose")


@motif("mask")
def mask(S, x, y, s=30, color="violet", trim="gold"):
    """A carnival mask; y is its centre."""
    x, y, s = float(x), float(y), float(s)
    c, t = S.col(color), S.col(trim)
    S.add('<g transform="%s"><path d="M-20,-4 C-18,-12 -8,-10 0,-6 C8,-10 18,-12 20,-4 C20,4 12,8 6,4 C3,2 -3,2 -6,4 C-12,8 -20,4 -20,-4 Z" fill="%s" stroke="%s" stroke-width="1"/>'
          '<ellipse cx="-9" cy="-2" rx="5" ry="3" fill="#000000"/><ellipse cx="9" cy="-2" rx="5" ry="3" fill="#000000"/>'
          '<path d="M18,-8 C24,-20 30,-24 34,-30 C30,-22 28,-16 20,-6 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 40), S.lin([lighten(c, 0.3), shade(c, 0.7)]), t, t))


@motif("crown")
def crown(S, x, y, s=24, color="gold"):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><path d="M-14,0 L-16,-16 L-8,-8 L0,-20 L8,-8 L16,-16 L14,0 Z" fill="%s"/>'
          '<rect x="-14" y="-3" width="28" height="3" fill="%s"/><circle cx="0" cy="-9" r="2" fill="#e03040"/>'
          '<circle cx="-16" cy="-17" r="1.5" fill="%s"/><circle cx="16" cy="-17" r="1.5" fill="%s"/><circle cx="0" cy="-21" r="1.5" fill="%s"/></g>'
          % (S.at(x, y, s / 22), S.lin([lighten(c, 0.4), c, shade(c, 0.7)]), shade(c, 0.75), c, c, c))


@motif("rings")
def rings(S, x, y, s=20, color="gold"):
    """Two interlinked rings; y is their centre."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s" fill="none" stroke-width="2.4"><circle cx="-5" cy="0" r="8" stroke="%s"/>'
          '<circle cx="5" cy="0" r="8" stroke="%s"/><circle cx="-5" cy="0" r="8" stroke="#ffffff" stroke-width="0.6" opacity="0.5"/></g>'
          % (S.at(x, y, s / 26), c, lighten(c, 0.2)))


# ================================================================ things of the year

@motif("pumpkin")
def pumpkin(S, x, y, s=24, face=0, color="pumpkin"):
    """A ribbed pumpkin; with face=1 it is a lantern, lit from inside."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color) if not int(face) else S.col(color)
    if int(face) and S.time == "night":
        c = shade(S.col(color), 0.75)
    paint = S.rad([lighten(c, 0.3), c, shade(c, 0.6)], 0.4, 0.35, 0.75)
    parts = []
    if int(face):
        parts.append('<circle cx="0" cy="-10" r="22" fill="%s"/>' % S.glow("#ffa030", 0.45))
    for cx, rx in ((-7, 8), (7, 8), (-3, 8), (3, 8), (0, 7)):
        parts.append('<ellipse cx="%s" cy="-10" rx="%s" ry="10" fill="%s" stroke="%s" stroke-width="0.6"/>' % (cx, rx, paint, shade(c, 0.55)))
    parts.append('<path d="M-1,-19 Q0,-24 3,-25 L3.5,-23 Q1.5,-22 1,-19 Z" fill="%s"/>' % S.lit("#5a7a30"))
    if int(face):
        parts.append('<path d="M-8,-13 L-5,-16 L-3,-12 Z M8,-13 L5,-16 L3,-12 Z M-1,-10 L0,-12 L1,-10 Z '
                     'M-8,-7 Q0,-1 8,-7 L6,-6 L5,-4 L3,-5 L1,-3 L-1,-5 L-3,-3 L-5,-5 L-6,-6 Z" fill="#ffe070"/>')
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 20), "".join(parts)))


@motif("sheaf")
def sheaf(S, x, y, s=40, color="#e8c060"):
    """A harvest sheaf of wheat, tied at the waist."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    dark = shade(c, 0.75)
    stalks = []
    heads = []
    for i in range(-6, 7):
        top_x = i * 2.2
        top_y = -38 + abs(i) * 0.9
        stalks.append('<path d="M%s,0 Q%s,-18 %s,%s" fill="none" stroke="%s" stroke-width="1.1"/>' % (n(i * 1.3), n(i * 0.2), n(top_x), n(top_y), dark if i % 2 else c))
        heads.append('<ellipse cx="%s" cy="%s" rx="1.6" ry="4" fill="%s" transform="rotate(%s %s %s)"/>' % (n(top_x), n(top_y - 3), c, n(i * 5), n(top_x), n(top_y - 3)))
    S.add('<g transform="%s">%s%s<rect x="-6" y="-18" width="12" height="3" fill="%s"/></g>'
          % (S.at(x, y, s / 44), "".join(stalks), "".join(heads), S.lit("#a0602a")))


@motif("wheat")
def wheat(S, count=30, y=0, h=18):
    """A band of ripe wheat stalks in the foreground."""
    rng = random.Random(S.code * 53)
    c = S.lit("#e8c060")
    parts = []
    for i in range(int(count)):
        xx = rng.uniform(0, S.W)
        hh = float(h) * rng.uniform(0.7, 1.1)
        lean = rng.uniform(-3, 3)
        parts.append('<path d="M%s,%s q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.8"/>' % (n(xx), n(S.Y(float(y))), n(lean * 0.3), n(-hh * 0.5), n(lean), n(-hh), shade(c, 0.8)))
        parts.append('<ellipse cx="%s" cy="%s" rx="1.3" ry="3.2" fill="%s" transform="rotate(%s %s %s)"/>'
                     % (n(xx + lean), n(S.Y(float(y)) - hh - 2), c, n(lean * 5), n(xx + lean), n(S.Y(float(y)) - hh - 2)))
    S.add("".join(parts))


@motif("apple")
def apple(S, x, y, s=12, color="red"):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><path d="M0,-14 C-5,-17 -11,-14 -11,-7 C-11,0 -5,3 0,1 C5,3 11,0 11,-7 C11,-14 5,-17 0,-14 Z" fill="%s"/>'
          '<path d="M0,-14 Q1,-18 3,-20" stroke="#5a3a20" stroke-width="1.2" fill="none"/><path d="M1,-17 Q6,-21 9,-17 Q5,-15 1,-17 Z" fill="#5aa040"/></g>'
          % (S.at(x, y, s / 16), S.rad([lighten(c, 0.4), c, shade(c, 0.6)], 0.35, 0.35, 0.75)))


@motif("acorn")
def acorn(S, x, y, s=12):
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M-5,-9 C-5,-3 -2,0 0,0 C2,0 5,-3 5,-9 Z" fill="%s"/>'
          '<path d="M-6,-9 Q0,-15 6,-9 Z" fill="%s"/><path d="M0,-13 L1,-16" stroke="%s" stroke-width="1"/></g>'
          % (S.at(x, y, s / 16), S.lit("#c08040"), S.lit("#7a5030"), S.lit("#7a5030")))


@motif("snowman")
def snowman(S, x, y, s=40, scarf="red"):
    x, y, s = float(x), float(y), float(s)
    body = S.rad(["#ffffff", "#e8eef8", "#b8c4dc"], 0.4, 0.35, 0.7) if S.time == "day" else S.rad(["#c8d0e8", "#9aa6c8", "#6a769c"], 0.4, 0.35, 0.7)
    S.add('<g transform="%s"><circle cx="0" cy="-9" r="10" fill="%s"/><circle cx="0" cy="-24" r="7.5" fill="%s"/><circle cx="0" cy="-36" r="5.5" fill="%s"/>'
          '<rect x="-4.5" y="-46" width="9" height="6" fill="#2a2a30"/><rect x="-6.5" y="-41" width="13" height="1.6" fill="#2a2a30"/>'
          '<path d="M-5,-31 Q0,-29 5,-31 L5,-29 Q0,-27 -5,-29 Z M2,-30 L4,-24 L6,-25 L4,-30 Z" fill="%s"/>'
          '<path d="M0,-36 L5,-35 L0,-34.4 Z" fill="#f08a30"/><circle cx="-2" cy="-38" r="0.8" fill="#2a2a30"/><circle cx="2" cy="-38" r="0.8" fill="#2a2a30"/>'
          '<circle cx="0" cy="-24" r="0.9" fill="#2a2a30"/><circle cx="0" cy="-20" r="0.9" fill="#2a2a30"/>'
          '<path d="M-7,-25 L-15,-31 M7,-25 L15,-32" stroke="%s" stroke-width="1.1"/></g>'
          % (S.at(x, y, s / 46), body, body, body, S.col(scarf), S.lit("#6a4a32")))


@motif("sled")
def sled(S, x, y, s=24, color="red"):
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    S.add('<g transform="%s"><rect x="-12" y="-8" width="22" height="3" rx="1" fill="%s"/>'
          '<path d="M-11,-5 L-11,-1 M7,-5 L7,-1" stroke="%s" stroke-width="1.2"/>'
          '<path d="M-14,-1 L9,-1 Q14,-1 14,-5" fill="none" stroke="%s" stroke-width="1.4"/></g>'
          % (S.at(x, y, s / 28), c, S.lit("#5a4a40"), S.lit("#8a8a98")))


@motif("egg")
def egg(S, x, y, s=16, color="sky", band="gold", pattern="zigzag"):
    """A painted egg standing on its end."""
    x, y, s = float(x), float(y), float(s)
    c, b = S.col(color), S.col(band)
    paint = S.rad([lighten(c, 0.4), c, shade(c, 0.7)], 0.4, 0.35, 0.75)
    clip = S.uid("e")
    shape = "M0,0 C-7,0 -8,-7 -7,-11 C-6,-17 -3,-20 0,-20 C3,-20 6,-17 7,-11 C8,-7 7,0 0,0 Z"
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, shape))
    if pattern == "zigzag":
        deco = '<path d="M-8,-10 L-5,-13 L-2,-10 L1,-13 L4,-10 L7,-13 L9,-10" fill="none" stroke="%s" stroke-width="1.4"/>' % b
    elif pattern == "dots":
        deco = "".join('<circle cx="%s" cy="%s" r="1.3" fill="%s"/>' % (n(px), n(py), b) for px, py in ((-3, -6), (3, -6), (0, -11), (-4, -14), (4, -14)))
    else:
        deco = '<rect x="-9" y="-12" width="18" height="3" fill="%s"/><rect x="-9" y="-7" width="18" height="1.2" fill="#ffffff"/>' % b
    S.add('<g transform="%s"><path d="%s" fill="%s"/><g clip-path="url(#%s)">%s</g></g>' % (S.at(x, y, s / 20), shape, paint, clip, deco))


@motif("basket")
def basket(S, x, y, s=30, color="#b88a50"):
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M-16,-12 A16,16 0 0 1 16,-12" fill="none" stroke="%s" stroke-width="2"/>'
          '<path d="M-18,-12 L-14,0 L14,0 L18,-12 Z" fill="%s"/>'
          '<path d="M-17,-8 L17,-8 M-16,-4 L16,-4" stroke="%s" stroke-width="0.8"/></g>'
          % (S.at(x, y, s / 30), shade(c, 0.8), S.lin([lighten(c, 0.2), shade(c, 0.7)]), shade(c, 0.65)))


@motif("kite")
def kite(S, x, y, s=24, color="red", color2="gold"):
    x, y, s = float(x), float(y), float(s)
    c, c2 = S.col(color), S.col(color2)
    bows = "".join('<path d="M%s,%s l-2,-1.5 l0,3 Z M%s,%s l2,-1.5 l0,3 Z" fill="%s"/>' % (n(bx), n(by), n(bx), n(by), c2)
                   for bx, by in ((-2, 30), (-6, 38), (-5, 46)))
    S.add('<g transform="%s"><path d="M0,-14 L9,0 L0,20 L-9,0 Z" fill="%s"/><path d="M0,-14 L9,0 L0,0 Z M0,0 L-9,0 L0,20 Z" fill="%s"/>'
          '<path d="M0,20 Q-8,30 -2,36 Q4,44 -5,52" fill="none" stroke="#e0d8c8" stroke-width="0.7"/>%s'
          '<path d="M0,20 Q20,40 40,120" fill="none" stroke="#e0d8c8" stroke-width="0.4" opacity="0.6"/></g>'
          % (S.at(x, y, s / 34, -12), c, c2, bows))


@motif("umbrella")
def umbrella(S, x, y, s=30, color="sky"):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><path d="M0,-28 L0,-2 Q0,2 -3,2 Q-6,2 -6,-1" fill="none" stroke="%s" stroke-width="1.4"/>'
          '<path d="M-18,-20 Q-18,-38 0,-38 Q18,-38 18,-20 Q15,-23 12,-20 Q9,-23 6,-20 Q3,-23 0,-20 Q-3,-23 -6,-20 Q-9,-23 -12,-20 Q-15,-23 -18,-20 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 40), S.lit("#5a4a40"), S.lin([lighten(c, 0.3), shade(c, 0.75)])))


@motif("maypole")
def maypole(S, x, y, h=90, colors="red,gold,sky,green,rose"):
    """A maypole with a crown of flowers and ribbons streaming down."""
    x, y, h = float(x), float(y), float(h)
    cols = [S.col(c) for c in str(colors).split(",")]
    k = h / 90
    parts = ['<rect x="-1.6" y="-90" width="3.2" height="90" fill="%s"/>' % S.lin([S.lit("#f4ead0"), S.lit("#c8b898")], 0, 0, 1, 0)]
    for i, c in enumerate(cols * 2):
        a = (i - len(cols) + 0.5) * 9
        parts.append('<path d="M0,-84 Q%s,-60 %s,-12" fill="none" stroke="%s" stroke-width="1.3"/>' % (n(a * 0.8), n(a), c))
    parts.append('<ellipse cx="0" cy="-86" rx="7" ry="3" fill="none" stroke="#5aa040" stroke-width="2.2"/>')
    for i, c in enumerate(cols):
        parts.append('<circle cx="%s" cy="%s" r="1.5" fill="%s"/>' % (n(-6 + i * 3), n(-86 + (i % 2) * 1.5), c))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(parts)))


@motif("sundial")
def sundial(S, x, y, s=40):
    """A sundial on a stone pillar, its gnomon casting a shadow."""
    x, y, s = float(x), float(y), float(s)
    stone = S.lit("#c8c0b0")
    dark = shade(stone, 0.7)
    ticks = "".join('<path d="M0,0 L%s,%s" />' % (n(12 * math.cos(math.radians(a))), n(3.2 * math.sin(math.radians(a)))) for a in range(180, 361, 20))
    S.add('<g transform="%s"><path d="M-9,0 L-7,-6 L7,-6 L9,0 Z" fill="%s"/><path d="M-5,-6 L-4,-26 L4,-26 L5,-6 Z" fill="%s"/>'
          '<ellipse cx="0" cy="-28" rx="15" ry="4.5" fill="%s"/><ellipse cx="0" cy="-29" rx="14" ry="4" fill="%s"/>'
          '<g transform="translate(0,-29)" stroke="%s" stroke-width="0.5">%s</g>'
          '<path d="M0,-29 L9,-28 L9,-31 Z" fill="%s" opacity="0.6"/>'
          '<path d="M-1,-29 L-1,-38 L7,-29 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 40), dark, S.lin([lighten(stone, 0.1), dark], 0, 0, 1, 0), dark, S.lit("#d8c89a"), shade(stone, 0.5), ticks,
             shade(stone, 0.4), S.lit("#b08a40")))


@motif("hourglass")
def hourglass(S, x, y, s=40, sand=0.5):
    """An hourglass; sand = share of the sand already run down (0..1)."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 40), hourglass_svg(float(sand), S.lit("#8a5a30"))))


def hourglass_svg(sand, wood="#8a5a30", glass="#cfe6f6", grain="#f0c868", stream=True):
    """An hourglass 40 units high standing on (0,0), drawn upright."""
    top = max(0.0, 1 - sand)
    bot = sand
    parts = ['<rect x="-13" y="-40" width="26" height="3.5" rx="1" fill="%s"/>' % wood,
             '<rect x="-13" y="-3.5" width="26" height="3.5" rx="1" fill="%s"/>' % wood,
             '<rect x="-11.5" y="-37" width="2" height="34" fill="%s"/><rect x="9.5" y="-37" width="2" height="34" fill="%s"/>' % (wood, wood)]
    bulb = "M-7.5,-36.5 C-7.5,-26 -1.2,-23 -1.2,-20 C-1.2,-17 -7.5,-14 -7.5,-3.5 L7.5,-3.5 C7.5,-14 1.2,-17 1.2,-20 C1.2,-23 7.5,-26 7.5,-36.5 Z"
    parts.append('<path d="%s" fill="%s" opacity="0.35"/>' % (bulb, glass))
    if top > 0.01:
        ty = -22 - 12 * top
        w = 1.2 + 6.2 * (top ** 0.5)
        parts.append('<path d="M%s,%s Q0,%s %s,%s C%s,-24 1,-21.5 0,-20.5 C-1,-21.5 %s,-24 %s,%s Z" fill="%s"/>'
                     % (n(-w), n(ty), n(ty - 1.2), n(w), n(ty), n(min(w, 5)), n(-min(w, 5)), n(-w), n(ty), grain))
    if stream and 0.01 < sand < 0.99:
        parts.append('<rect x="-0.45" y="-20.5" width="0.9" height="%s" fill="%s"/>' % (n(16.5 - 12 * bot), grain))
    if bot > 0.01:
        h = 12 * bot
        parts.append('<path d="M-7.5,-3.6 L-7.3,%s Q0,%s 7.3,%s L7.5,-3.6 Z" fill="%s"/>' % (n(-3.6 - h * 0.6), n(-3.6 - h * 1.25), n(-3.6 - h * 0.6), grain))
    parts.append('<path d="%s" fill="none" stroke="#ffffff" stroke-width="0.7" opacity="0.8"/>' % bulb)
    parts.append('<path d="M-5,-34 C-5,-29 -3,-26 -2,-24.5" fill="none" stroke="#ffffff" stroke-width="0.8" opacity="0.7"/>')
    return "".join(parts)


@motif("clock")
def clock(S, x, y, r=16, hour=12, minute=0):
    """A round clock face; y is its centre."""
    x, y, r = float(x), float(y), float(r)
    ticks = "".join('<path d="M0,%s L0,%s" transform="rotate(%d)"/>' % (n(-r * 0.82), n(-r * (0.7 if i % 3 == 0 else 0.76)), i * 30) for i in range(12))
    ha = (float(hour) % 12 + float(minute) / 60) * 30
    ma = float(minute) * 6
    S.add('<g transform="%s"><circle r="%s" fill="%s"/><circle r="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
          '<g stroke="#3a3030" stroke-width="%s">%s</g>'
          '<path d="M0,0 L0,%s" stroke="#2a2020" stroke-width="%s" stroke-linecap="round" transform="rotate(%s)"/>'
          '<path d="M0,0 L0,%s" stroke="#2a2020" stroke-width="%s" stroke-linecap="round" transform="rotate(%s)"/><circle r="%s" fill="#c83a3a"/></g>'
          % (S.at(x, y), n(r * 1.5), S.glow("#fff0c0", 0.3), n(r), S.rad(["#fffdf4", "#f2e8cc"]), S.col("gold"), n(r * 0.1),
             n(r * 0.06), ticks, n(-r * 0.45), n(r * 0.1), n(ha), n(-r * 0.7), n(r * 0.07), n(ma), n(r * 0.08)))


@motif("book")
def book(S, x, y, s=40, color="crimson", text=1):
    """An open book seen from the front, lying on its cover."""
    x, y, s = float(x), float(y), float(s)
    cover = S.lit(color)
    page = S.lin(["#fffaf0", "#efe4c8"], 0, 0, 1, 0) if S.time != "night" else S.lin(["#d8d4d0", "#a8a4b0"], 0, 0, 1, 0)
    page2 = S.lin(["#efe4c8", "#fffaf0"], 0, 0, 1, 0) if S.time != "night" else S.lin(["#a8a4b0", "#d8d4d0"], 0, 0, 1, 0)
    parts = ['<path d="M-23,0 L-22,-14 Q-11,-16 0,-12 Q11,-16 22,-14 L23,0 Q11,-3 0,1 Q-11,-3 -23,0 Z" fill="%s"/>' % cover,
             '<path d="M-21,-2.5 L-21,-16 Q-10,-19 0,-14 L0,-1 Q-10,-5 -21,-2.5 Z" fill="%s"/>' % page,
             '<path d="M21,-2.5 L21,-16 Q10,-19 0,-14 L0,-1 Q10,-5 21,-2.5 Z" fill="%s"/>' % page2]
    if int(text):
        lines = []
        for i in range(4):
            yy = -13.5 + i * 2.6
            lines.append('<path d="M-18,%s Q-10,%s -3,%s"/>' % (n(yy), n(yy - 1.8), n(yy + 0.6)))
            lines.append('<path d="M3,%s Q10,%s 18,%s"/>' % (n(yy + 0.6), n(yy - 1.8), n(yy)))
        parts.append('<g stroke="%s" stroke-width="0.7" fill="none" opacity="0.55">%s</g>' % (S.lit("#6a5a4a"), "".join(lines)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 46), "".join(parts)))


@motif("books")
def books(S, x, y, s=30, colors="crimson,navy,green,amber"):
    """A small stack of closed books."""
    x, y, s = float(x), float(y), float(s)
    cols = [S.lit(c) for c in str(colors).split(",")]
    parts = []
    yy = 0
    for i, c in enumerate(cols):
        w = 30 - i * 3
        off = (i % 2) * 2 - 1
        parts.append('<rect x="%s" y="%s" width="%s" height="6" rx="1" fill="%s"/><rect x="%s" y="%s" width="%s" height="4" fill="%s"/>'
                     % (n(-w / 2 + off), n(yy - 6), n(w), c, n(-w / 2 + off + 1.5), n(yy - 5), n(w - 3), S.lit("#f4ead0")))
        parts.append('<rect x="%s" y="%s" width="%s" height="6" rx="1" fill="%s"/>' % (n(w / 2 + off - 2), n(yy - 6), "2", shade(c, 0.7)))
        yy -= 6
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 30), "".join(parts)))


@motif("quill")
def quill(S, x, y, s=40, angle=20):
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M0,0 C-2,-12 -6,-26 -2,-40 C4,-30 5,-14 0,0 Z" fill="%s"/>'
          '<path d="M0,0 C-1,-14 -2,-26 -2,-40" stroke="%s" stroke-width="0.6" fill="none"/></g>'
          % (S.at(x, y, s / 40, float(angle)), S.lin(["#ffffff", "#d8d0c0"]), S.lit("#8a7a60")))


@motif("scroll")
def scroll(S, x, y, s=40, color="cream"):
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    lines = "".join('<path d="M-14,%s h%s"/>' % (n(-22 + i * 4), n(28 - (i % 3) * 5)) for i in range(5))
    S.add('<g transform="%s"><rect x="-17" y="-30" width="34" height="26" fill="%s"/>'
          '<rect x="-20" y="-32" width="40" height="5" rx="2.5" fill="%s"/><rect x="-20" y="-6" width="40" height="5" rx="2.5" fill="%s"/>'
          '<g stroke="%s" stroke-width="0.8" opacity="0.5">%s</g></g>'
          % (S.at(x, y, s / 40), c, shade(c, 0.85), shade(c, 0.85), S.lit("#6a5a4a"), lines))


@motif("lamp")
def lamp(S, x, y, s=30):
    """An oil lamp with its small flame."""
    x, y, s = float(x), float(y), float(s)
    brass = S.col("gold")
    S.add('<g transform="%s"><path d="M-14,-6 Q-14,0 0,0 Q10,0 18,-8 L16,-9 Q8,-4 4,-6 Z" fill="%s"/>'
          '<path d="M-10,-6 Q-12,-3 -18,-6 Q-20,-9 -16,-11" fill="none" stroke="%s" stroke-width="1.4"/>'
          '<circle cx="17" cy="-16" r="10" fill="%s"/><path d="M17,-9 C14,-12 16,-16 17,-21 C18,-16 20,-12 17,-9 Z" fill="#ffd850"/></g>'
          % (S.at(x, y, s / 30), S.lin([lighten(brass, 0.3), shade(brass, 0.6)]), shade(brass, 0.7), S.glow("#ffb040", 0.55)))


@motif("globe")
def globe(S, x, y, s=36):
    x, y, s = float(x), float(y), float(s)
    sea_ = S.rad(["#8ac8f0", "#3a7ac0", "#1a3a7a"], 0.4, 0.35, 0.75)
    S.add('<g transform="%s"><path d="M-8,0 L8,0 L4,-4 L-4,-4 Z" fill="%s"/><rect x="-1" y="-10" width="2" height="6" fill="%s"/>'
          '<circle cx="0" cy="-24" r="13" fill="%s"/>'
          '<path d="M-9,-30 C-5,-33 -2,-28 -5,-25 C-8,-22 -4,-18 -7,-16 C-11,-19 -12,-26 -9,-30 Z M2,-34 C7,-34 10,-29 6,-26 C3,-24 4,-19 8,-18 C5,-14 1,-17 0,-21 C-1,-26 -2,-31 2,-34 Z" fill="#6ab050"/>'
          '<path d="M-14,-26 A14,15 0 0 0 12,-14" fill="none" stroke="%s" stroke-width="1.4"/></g>'
          % (S.at(x, y, s / 40), S.col("gold"), S.col("gold"), sea_, S.col("gold")))


@motif("telescope")
def telescope(S, x, y, s=40):
    x, y, s = float(x), float(y), float(s)
    c = S.lit("#c8a050")
    S.add('<g transform="%s"><path d="M0,-16 L-9,0 M0,-16 L9,0 M0,-16 L0,0" stroke="%s" stroke-width="1.3"/>'
          '<g transform="translate(0,-18) rotate(-32)"><rect x="-12" y="-3" width="30" height="6" rx="1" fill="%s"/>'
          '<rect x="-18" y="-2" width="7" height="4" fill="%s"/><rect x="17" y="-3.6" width="3" height="7.2" fill="%s"/></g></g>'
          % (S.at(x, y, s / 40), S.lit("#5a4a40"), S.lin([lighten(c, 0.3), shade(c, 0.6)]), shade(c, 0.8), shade(c, 0.6)))


@motif("rocket")
def rocket(S, x, y, s=50, angle=0):
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M-6,6 C-5,14 0,22 0,26 C0,22 5,14 6,6 Z" fill="%s"/>'
          '<path d="M0,-30 C8,-22 8,-6 6,6 L-6,6 C-8,-6 -8,-22 0,-30 Z" fill="%s"/>'
          '<path d="M-6,-2 L-12,8 L-6,6 Z M6,-2 L12,8 L6,6 Z" fill="#c83a3a"/><circle cx="0" cy="-14" r="3" fill="#4a8ad0" stroke="#c8ccd8" stroke-width="1"/></g>'
          % (S.at(x, y, s / 56, float(angle)), S.rad(["#fff8d0", "#ffb040", "#ff6020"], 0.5, 0.2, 0.8), S.lin(["#ffffff", "#c8ccd8", "#8a90a0"], 0, 0, 1, 0)))


@motif("boat")
def boat(S, x, y, s=30, sail="ivory", hull="#7a4a30"):
    """A small sailing boat; y is the waterline."""
    x, y, s = float(x), float(y), float(s)
    sc, hc = S.lit(sail), S.lit(hull)
    S.add('<g transform="%s"><path d="M-16,-4 L16,-4 L11,2 L-11,2 Z" fill="%s"/><rect x="-0.6" y="-36" width="1.2" height="32" fill="%s"/>'
          '<path d="M1,-35 L15,-7 L1,-7 Z" fill="%s"/><path d="M-1,-30 L-12,-7 L-1,-7 Z" fill="%s"/>'
          '<path d="M-14,3 h28" stroke="#ffffff" stroke-width="0.6" opacity="0.4"/></g>'
          % (S.at(x, y, s / 36), hc, shade(hc, 0.7), S.lin([lighten(sc, 0.2), shade(sc, 0.85)], 0, 0, 1, 0), shade(sc, 0.85)))


@motif("bird")
def bird(S, x, y, s=8, color=None, flap=0):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color) if color else ("#2a2a38" if S.time in ("day", "dawn") else "#0a0a14" if S.time == "dusk" else "#8a92b0")
    d = "M-5,0 Q-2.5,-3 0,0 Q2.5,-3 5,0" if not int(flap) else "M-5,-2 Q-2.5,1 0,0 Q2.5,1 5,-2"
    S.add('<path d="%s" transform="%s" fill="none" stroke="%s" stroke-width="1" stroke-linecap="round"/>' % (d, S.at(x, y, s / 10), c))


@motif("birds")
def birds(S, count=5, x=None, y=None, s=7, color=None):
    """A small flock in loose formation."""
    rng = random.Random(S.code * 59)
    x = S.W * 0.6 if x is None else float(x)
    y = S.H - 40 if y is None else float(y)
    for i in range(int(count)):
        bird(S, x + (i - int(count) / 2) * 8 + rng.uniform(-3, 3), y - abs(i - int(count) / 2) * 4 + rng.uniform(-2, 2), float(s) * rng.uniform(0.7, 1.1), color, i % 2)


@motif("dove")
def dove(S, x, y, s=30, branch=1):
    """A white dove in flight, carrying a twig."""
    x, y, s = float(x), float(y), float(s)
    w = S.lin(["#ffffff", "#d8dce8"])
    tw = '<path d="M-14,4 Q-18,6 -22,5" stroke="#5a7a3a" stroke-width="0.8" fill="none"/><path d="%s" fill="#6aa04a" transform="translate(-19,5) rotate(60) scale(1.6)"/><path d="%s" fill="#6aa04a" transform="translate(-21,4) rotate(-60) scale(1.6)"/>' % (_leaf_path(1), _leaf_path(1)) if int(branch) else ""
    S.add('<g transform="%s"><path d="M-14,2 C-8,6 4,6 12,2 L18,6 L17,-2 C10,-4 -6,-6 -14,2 Z" fill="%s"/>'
          '<path d="M-2,0 C-4,-10 2,-20 14,-22 C8,-14 8,-6 4,0 Z" fill="%s"/>'
          '<path d="M-14,2 L-17,3 L-14,4 Z" fill="#e8a040"/><circle cx="-11" cy="1.5" r="0.7" fill="#2a2a30"/>%s</g>'
          % (S.at(x, y, s / 36), w, w, tw))


@motif("butterfly")
def butterfly(S, x, y, s=16, color="orange", angle=0):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    wing = S.rad([lighten(c, 0.5), c, shade(c, 0.6)], 0.3, 0.5, 0.8)
    S.add('<g transform="%s"><path d="M0,0 C-4,-10 -14,-12 -12,-3 C-11,1 -4,1 0,0 Z M0,0 C4,-10 14,-12 12,-3 C11,1 4,1 0,0 Z" fill="%s"/>'
          '<path d="M0,0 C-3,4 -10,8 -8,2 C-7,0 -2,0 0,0 Z M0,0 C3,4 10,8 8,2 C7,0 2,0 0,0 Z" fill="%s"/>'
          '<path d="M0,-5 L0,5" stroke="#2a2020" stroke-width="1.4" stroke-linecap="round"/>'
          '<path d="M0,-5 Q-2,-9 -3,-10 M0,-5 Q2,-9 3,-10" stroke="#2a2020" stroke-width="0.5" fill="none"/></g>'
          % (S.at(x, y, s / 24, float(angle)), wing, shade(c, 0.85)))


@motif("bee")
def bee(S, x, y, s=10):
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><ellipse cx="-2" cy="-5" rx="3" ry="4" fill="#ffffff" opacity="0.7"/><ellipse cx="2" cy="-5" rx="3" ry="4" fill="#ffffff" opacity="0.7"/>'
          '<ellipse cx="0" cy="0" rx="6" ry="4" fill="#f4c430"/><path d="M-2,-3.8 L-2,3.8 M1.5,-3.8 L1.5,3.8" stroke="#2a2020" stroke-width="1.4"/></g>'
          % S.at(x, y, s / 12))


@motif("owl")
def owl(S, x, y, s=30):
    x, y, s = float(x), float(y), float(s)
    b = S.lit("#8a6a4a") if S.time != "night" else "#4a3e48"
    S.add('<g transform="%s"><path d="M-10,0 C-12,-10 -11,-22 -9,-28 L-6,-24 Q0,-27 6,-24 L9,-28 C11,-22 12,-10 10,0 Z" fill="%s"/>'
          '<path d="M-7,-4 C-8,-10 -6,-14 0,-15 C6,-14 8,-10 7,-4 Z" fill="%s"/>'
          '<circle cx="-4" cy="-19" r="3.8" fill="#ffe070"/><circle cx="4" cy="-19" r="3.8" fill="#ffe070"/>'
          '<circle cx="-4" cy="-19" r="1.8" fill="#1a1410"/><circle cx="4" cy="-19" r="1.8" fill="#1a1410"/><path d="M-1,-16 L0,-13 L1,-16 Z" fill="#e0a040"/></g>'
          % (S.at(x, y, s / 30), b, shade(b, 1.25)))


@motif("branch")
def branch(S, y=None, side="left", length=70):
    """A bare branch reaching in from one side (for owls and birds to sit on)."""
    y = S.H * 0.45 if y is None else float(y)
    c = S.lit("#4a3426") if S.time != "night" else "#1c1622"
    L = float(length)
    x0 = -2 if side == "left" else S.W + 2
    sgn = 1 if side == "left" else -1
    S.add('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="3.5" stroke-linecap="round"/>'
          '<path d="M%s,%s q%s,-8 %s,-14" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>'
          % (n(x0), n(S.Y(y - 4)), n(x0 + sgn * L * 0.5), n(S.Y(y + 3)), n(x0 + sgn * L), n(S.Y(y)), c,
             n(x0 + sgn * L * 0.6), n(S.Y(y + 1)), n(sgn * 4), n(sgn * 12), c))


@motif("bat")
def bat(S, x, y, s=14):
    x, y, s = float(x), float(y), float(s)
    S.add('<path d="M0,-2 C-3,-4 -6,-3 -10,-6 C-9,-2 -11,0 -12,1 C-9,0 -7,2 -6,3 C-4,1 -2,2 0,3 C2,2 4,1 6,3 C7,2 9,0 12,1 C11,0 9,-2 10,-6 C6,-3 3,-4 0,-2 Z" '
          'fill="#14101c" stroke="#6a5a8a" stroke-width="0.7" transform="%s"/>' % S.at(x, y, s / 24))


@motif("cat")
def cat(S, x, y, s=24):
    """A sitting cat, seen from behind as a silhouette."""
    x, y, s = float(x), float(y), float(s)
    S.add('<path d="M-7,0 C-9,-8 -8,-14 -5,-17 L-6,-23 L-2,-20 L2,-20 L6,-23 L5,-17 C8,-14 9,-8 7,0 Z M6,-1 C12,-1 14,-6 12,-10" '
          'fill="#0c0a12" stroke="#0c0a12" stroke-width="1.6" stroke-linecap="round" transform="%s"/>' % S.at(x, y, s / 24))


@motif("ghost")
def ghost(S, x, y, s=30):
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s" opacity="0.85"><circle cx="0" cy="-16" r="22" fill="%s"/>'
          '<path d="M-10,0 L-10,-18 C-10,-32 10,-32 10,-18 L10,0 L6.5,-3 L3.3,0 L0,-3 L-3.3,0 L-6.5,-3 Z" fill="%s"/>'
          '<ellipse cx="-3.5" cy="-19" rx="1.5" ry="2.2" fill="#1a1a2a"/><ellipse cx="3.5" cy="-19" rx="1.5" ry="2.2" fill="#1a1a2a"/></g>'
          % (S.at(x, y, s / 30), S.glow("#c8e0ff", 0.3), S.lin(["#ffffff", "#c8d4ec"])))


@motif("web")
def web(S, x, y, r=30):
    """A spider's web spun in a corner; (x, y) is its hub."""
    x, y, r = float(x), float(y), float(r)
    spokes = "".join('<path d="M0,0 L%s,%s"/>' % (n(r * math.cos(math.radians(a))), n(r * math.sin(math.radians(a)))) for a in range(0, 360, 45))
    rings_ = "".join('<circle r="%s"/>' % n(r * k) for k in (0.3, 0.55, 0.8))
    S.add('<g transform="%s" fill="none" stroke="#c8d0e0" stroke-width="0.5" opacity="0.75">%s%s</g>' % (S.at(x, y), spokes, rings_))


@motif("shell")
def shell(S, x, y, s=16, color="#f4c8b0"):
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    ribs = "".join('<path d="M0,0 L%s,%s"/>' % (n(10 * math.cos(math.radians(a))), n(-10 * math.sin(math.radians(a)))) for a in range(20, 161, 20))
    S.add('<g transform="%s"><path d="M0,0 L-10,-4 A10.8,10.8 0 0 1 10,-4 Z" fill="%s"/><g stroke="%s" stroke-width="0.7">%s</g></g>'
          % (S.at(x, y, s / 12), S.lin([lighten(c, 0.3), c]), shade(c, 0.7), ribs))


@motif("anchor")
def anchor(S, x, y, s=30, color="#c8ccd8"):
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    S.add('<g transform="%s" fill="none" stroke="%s" stroke-width="2.2" stroke-linecap="round"><circle cx="0" cy="-27" r="3"/>'
          '<path d="M0,-24 L0,-2 M-7,-19 L7,-19 M-12,-9 Q-10,-1 0,-2 Q10,-1 12,-9"/></g>' % (S.at(x, y, s / 30), c))


@motif("key")
def key(S, x, y, s=24, color="gold"):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s" fill="none" stroke="%s" stroke-width="2"><circle cx="-10" cy="0" r="5"/><path d="M-5,0 L12,0 M8,0 L8,4 M11,0 L11,4"/></g>'
          % (S.at(x, y, s / 24), c))


@motif("feather")
def feather(S, x, y, s=30, color="#f4ead0", angle=30):
    quill(S, x, y, s, angle)


@motif("torch")
def torch(S, x, y, s=40):
    """A hand-held torch with a tall flame."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M-3,0 L-5,-24 L5,-24 L3,0 Z" fill="%s"/><path d="M-7,-24 L7,-24 L5,-30 L-5,-30 Z" fill="%s"/>'
          '<circle cx="0" cy="-40" r="14" fill="%s"/><path d="M-6,-30 C-8,-38 -2,-42 0,-52 C2,-42 8,-38 6,-30 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 52), S.lit("#8a6a40"), S.col("gold"), S.glow("#ffb040", 0.5), S.rad(["#fffbe0", "#ffd040", "#ff7a20"], 0.5, 0.8, 0.8)))


@motif("musicnotes")
def music_notes(S, x, y, s=20, color="gold"):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s" fill="%s"><ellipse cx="-6" cy="0" rx="3" ry="2.2" transform="rotate(-20 -6 0)"/><path d="M-3.2,-0.5 L-3.2,-16 L8,-19 L8,-4" fill="none" stroke="%s" stroke-width="1.2"/>'
          '<ellipse cx="5.2" cy="-3.5" rx="3" ry="2.2" transform="rotate(-20 5.2 -3.5)"/><path d="M-3.2,-16 L8,-19 L8,-16 L-3.2,-13 Z"/></g>'
          % (S.at(x, y, s / 20), c, c))


@motif("sign")
def sign(S, x, y, s=30):
    """A wooden signpost with two arms."""
    x, y, s = float(x), float(y), float(s)
    w = S.lit("#a0703e")
    S.add('<g transform="%s"><rect x="-1.2" y="-34" width="2.4" height="34" fill="%s"/><path d="M-2,-32 L14,-32 L18,-29 L14,-26 L-2,-26 Z" fill="%s"/>'
          '<path d="M2,-22 L-14,-22 L-18,-19 L-14,-16 L2,-16 Z" fill="%s"/></g>' % (S.at(x, y, s / 34), shade(w, 0.8), w, shade(w, 0.9)))


@motif("fence")
def fence(S, y=0, h=12, color="#a0703e"):
    c = S.lit(color)
    posts = "".join('<rect x="%s" y="%s" width="2" height="%s"/>' % (n(4 + i * 12), n(S.Y(float(y) + float(h))), n(float(h))) for i in range(int(S.W / 12) + 1))
    S.add('<g fill="%s">%s<rect x="0" y="%s" width="%d" height="1.4"/><rect x="0" y="%s" width="%d" height="1.4"/></g>'
          % (c, posts, n(S.Y(float(y) + float(h) * 0.75)), S.W, n(S.Y(float(y) + float(h) * 0.35)), S.W))


@motif("path")
def path(S, x=64, width=26, color="#d8c8a0"):
    """A track winding away to the horizon."""
    x, width = float(x), float(width)
    c = S.lit(color)
    h = S.horizon
    d = "M%s,%s C%s,%s %s,%s %s,%s L%s,%s C%s,%s %s,%s %s,%s Z" % (
        n(x - 0.5), n(S.Y(h)), n(x - 8), n(S.Y(h * 0.6)), n(x + 10), n(S.Y(h * 0.3)), n(x - width / 2), n(S.H + 1),
        n(x + width / 2), n(S.H + 1), n(x + 18), n(S.Y(h * 0.3)), n(x - 2), n(S.Y(h * 0.6)), n(x + 0.5), n(S.Y(h)))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin([shade(c, 0.85), c])))


@motif("window")
def window_frame(S, color="#3a2a24", bars=1, sill=1):
    """An arched window frame around the whole scene: the picture becomes a view from inside."""
    c = S.col(color)
    W, H = S.W, S.H
    r = (W - 2) / 2
    parts = []
    if int(bars):
        parts.append('<path d="M%s,%s L%s,%s M0,%s L%d,%s" stroke="%s" stroke-width="3"/>'
                     % (n(W / 2), n(1), n(W / 2), n(H), n(r + 20), W, n(r + 20), c))
    if int(sill):
        parts.append('<rect x="0" y="%s" width="%d" height="12" fill="%s"/><rect x="0" y="%s" width="%d" height="2" fill="%s"/>'
                     % (n(H - 12), W, S.lin([lighten(c, 0.2), c]), n(H - 12), W, lighten(c, 0.4)))
    S.add("".join(parts))


@motif("figure")
def figure(S, x, y, h=30, color="#2a2430", pose="stand"):
    """A simple silhouette of a person (stand, wave, walk)."""
    x, y, h = float(x), float(y), float(h)
    c = S.col(color) if S.time != "day" else S.lit(color)
    arms = {"stand": "M-4,-19 L-6,-9 M4,-19 L6,-9", "wave": "M-4,-19 L-6,-9 M4,-19 L9,-29",
            "walk": "M-4,-19 L-7,-11 M4,-19 L7,-12"}.get(pose, "M-4,-19 L-6,-9 M4,-19 L6,-9")
    legs = "M-2,-10 L-3,0 M2,-10 L3,0" if pose != "walk" else "M-2,-10 L-5,0 M2,-10 L5,0"
    S.add('<g transform="%s" stroke="%s" stroke-linecap="round" fill="%s"><circle cx="0" cy="-26" r="3.2" stroke="none"/>'
          '<path d="M-4,-21 Q0,-23 4,-21 L3,-10 L-3,-10 Z" stroke="none"/><path d="%s" stroke-width="2.2" fill="none"/>'
          '<path d="%s" stroke-width="2.4" fill="none"/></g>' % (S.at(x, y, h / 30), c, c, arms, legs))


@motif("dancers")
def dancers(S, y=4, count=4, h=22, color="#2a2430"):
    for i in range(int(count)):
        figure(S, S.W * (i + 0.5) / int(count), float(y), float(h) * (0.9 + 0.1 * (i % 2)), color, "wave" if i % 2 else "walk")


@motif("moonpath")
def moonpath(S, x=None):
    glitter(S, x, "#dce4ff")


@motif("orbit8")
def orbit8(S, x=None, y=None, w=50, color="frame", dots=1):
    """A figure-eight orbit traced as a dotted line, with a little bright body travelling on it."""
    x = S.W / 2 if x is None else float(x)
    y = S.H * 0.6 if y is None else float(y)
    w = float(w)
    c = S.col(color)
    pts = []
    for i in range(73):
        t = i * 2 * math.pi / 72
        px = x + w * math.sin(t)
        py = S.Y(y) - w * 0.45 * math.sin(t) * math.cos(t) * 1.6
        pts.append((px, py))
    d = "M" + " L".join("%s,%s" % (n(a), n(b)) for a, b in pts)
    S.add('<path d="%s" fill="none" stroke="%s" stroke-width="0.9" stroke-dasharray="1.6 2.4" opacity="0.8"/>' % (d, c))
    if int(dots):
        t = 0.35 * 2 * math.pi
        px, py = x + w * math.sin(t), S.Y(y) - w * 0.45 * math.sin(t) * math.cos(t) * 1.6
        S.add('<rect x="%s" y="%s" width="12" height="9" rx="1" fill="#0a0a14" stroke="%s" stroke-width="1"/>'
              '<rect x="%s" y="%s" width="4" height="5" fill="%s"/><path d="M%s,%s h4 M%s,%s h4 M%s,%s h3" stroke="%s" stroke-width="0.6"/>'
              % (n(px - 6), n(py - 4.5), c, n(px - 4.5), n(py - 3), S.col("sky"), n(px + 0.5), n(py - 2.5), n(px + 0.5), n(py - 0.5), n(px + 0.5), n(py + 1.5), c))


# ================================================================ more things of the year

@motif("newspaper")
def newspaper(S, x, y, s=40, angle=-8):
    """A folded newspaper with a headline and columns; y is its bottom edge."""
    x, y, s = float(x), float(y), float(s)
    paper = S.lit("#f2ecdc")
    ink = S.lit("#3a3636")
    cols = "".join('<path d="M%s,-24 v18 M%s,-24 v18" stroke="%s" stroke-width="0.4"/>' % (n(-13 + i * 9), n(-13 + i * 9 + 7), ink) for i in range(3))
    lines = "".join('<rect x="%s" y="%s" width="7" height="0.8" fill="%s" opacity="0.55"/>' % (n(-13 + (i % 3) * 9), n(-23 + (i // 3) * 2.3), ink) for i in range(24))
    S.add('<g transform="%s"><path d="M-16,0 L-15,-34 L16,-35 L16,0 Z" fill="%s"/><path d="M-16,0 L16,0 L17,2 L-15,2 Z" fill="%s"/>'
          '<rect x="-13" y="-32" width="26" height="4" fill="%s"/><rect x="-13" y="-27" width="26" height="1" fill="%s"/>%s</g>'
          % (S.at(x, y, s / 36, float(angle)), S.lin([lighten(paper, 0.3), paper, shade(paper, 0.85)], 0, 0, 1, 0), shade(paper, 0.75), ink, ink, lines))


@motif("fish")
def fish(S, x, y, s=16, color="#8ab0d0", angle=0, flip=0):
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><path d="M-10,0 C-5,-6 5,-6 9,0 C5,6 -5,6 -10,0 Z M8,0 L14,-5 L13,0 L14,5 Z" fill="%s"/>'
          '<circle cx="-5.5" cy="-1" r="1" fill="#1a1a24"/><path d="M-2,-4 Q0,0 -2,4" stroke="%s" stroke-width="0.6" fill="none"/></g>'
          % (S.at(x, y, s / 24, float(angle), bool(int(flip))), S.lin([lighten(c, 0.35), c, shade(c, 0.65)]), shade(c, 0.6)))


@motif("carp")
def carp(S, x, y, s=40, color="red", angle=6):
    """A carp streamer flying from its mouth ring; (x, y) is the mouth."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    scales = "".join('<path d="M%s,-4 a3,3 0 0 0 0,6 M%s,-1 a3,3 0 0 0 0,6" fill="none" stroke="%s" stroke-width="0.7" opacity="0.7"/>'
                     % (n(8 + i * 5), n(10.5 + i * 5), lighten(c, 0.5)) for i in range(5))
    S.add('<g transform="%s"><path d="M0,-6 C12,-7 26,-5 36,-2 L44,-7 L41,0 L44,7 L36,2 C26,5 12,7 0,6 Z" fill="%s"/>%s'
          '<circle cx="5" cy="-1.5" r="2.4" fill="#ffffff"/><circle cx="5" cy="-1.5" r="1.2" fill="#1a1a24"/>'
          '<ellipse cx="0" cy="0" rx="1.5" ry="6" fill="none" stroke="%s" stroke-width="1.2"/></g>'
          % (S.at(x, y, s / 44, float(angle)), S.lin([lighten(c, 0.3), c, shade(c, 0.7)]), scales, S.col("gold")))


@motif("pole")
def pole(S, x, y=0, h=120, color="#d8ccb0", top="gold"):
    x, y, h = float(x), float(y), float(h)
    S.add('<rect x="%s" y="%s" width="2" height="%s" fill="%s"/><circle cx="%s" cy="%s" r="2.4" fill="%s"/>'
          % (n(x - 1), n(S.Y(y + h)), n(h), S.lit(color), n(x), n(S.Y(y + h)), S.col(top)))


@motif("torii")
def torii(S, x, y, s=60, color="#d8402a"):
    """A shrine gate: two posts and two crossbeams, the top one curving up at its ends."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    S.add('<g transform="%s" fill="%s"><rect x="-19" y="-46" width="4" height="46"/><rect x="15" y="-46" width="4" height="46"/>'
          '<rect x="-23" y="-40" width="46" height="3.5"/><path d="M-30,-50 Q0,-46 30,-50 L31,-55 Q0,-51 -31,-55 Z"/>'
          '<rect x="-1.5" y="-48" width="3" height="8"/><path d="M-31,-55 Q0,-51 31,-55 L31,-56.5 Q0,-53 -31,-56.5 Z" fill="#2a2a30"/></g>'
          % (S.at(x, y, s / 56), c))


@motif("hive")
def hive(S, x, y, s=30):
    """A straw beehive (skep) on a little stand."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit("#d8a850")
    bands = "".join('<path d="M%s,%s h%s" stroke="%s" stroke-width="0.9"/>' % (n(-14 + i * 1.2), n(-7 - i * 5), n(28 - i * 2.4), shade(c, 0.7)) for i in range(5))
    S.add('<g transform="%s"><rect x="-16" y="-5" width="32" height="3" fill="%s"/><rect x="-12" y="-2" width="3" height="2" fill="%s"/><rect x="9" y="-2" width="3" height="2" fill="%s"/>'
          '<path d="M-14,-5 C-15,-20 -10,-34 0,-34 C10,-34 15,-20 14,-5 Z" fill="%s"/>%s<path d="M-3,-5 A3,3 0 0 1 3,-5 Z" fill="#2a1a10"/></g>'
          % (S.at(x, y, s / 34), S.lit("#7a5030"), S.lit("#7a5030"), S.lit("#7a5030"), S.rad([lighten(c, 0.3), c, shade(c, 0.7)], 0.4, 0.3, 0.8), bands))


@motif("telegraph")
def telegraph(S, y=0, h=80, wires=3, birds=0, x1=22, x2=None):
    """Wooden poles carrying wires across the picture; with birds=N, swallows sit on the wires."""
    y, h = float(y), float(h)
    x1 = float(x1)
    x2 = S.W + 40 if x2 is None else float(x2)
    c = S.lit("#6a4a32")
    top = y + h
    parts = []
    for px, k in ((x1, 1.0), (x2, 1.0)):
        parts.append('<rect x="%s" y="%s" width="3" height="%s" fill="%s"/><rect x="%s" y="%s" width="18" height="2" fill="%s"/>'
                     % (n(px - 1.5), n(S.Y(top)), n(h), c, n(px - 9), n(S.Y(top - 4)), c))
    wire_c = S.lit("#3a3a44") if S.time == "day" else "#5a6080"
    rng = random.Random(S.code * 61)
    for i in range(int(wires)):
        off = -7 + i * 7
        wy = top - 4
        parts.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.6"/>'
                     % (n(x1 + off), n(S.Y(wy)), n((x1 + x2) / 2), n(S.Y(wy - 22)), n(x2 + off), n(S.Y(wy)), wire_c))
        for b in range(int(birds) // max(1, int(wires)) + (1 if i < int(birds) % max(1, int(wires)) else 0)):
            t = rng.uniform(0.08, 0.45) if (x2 - x1) > 1.6 * S.W else rng.uniform(0.1, 0.9)
            bx = (1 - t) ** 2 * (x1 + off) + 2 * (1 - t) * t * (x1 + x2) / 2 + t * t * (x2 + off)
            by = (1 - t) ** 2 * wy + 2 * (1 - t) * t * (wy - 22) + t * t * wy
            parts.append(_swallow(S, bx, S.Y(by), rng.random() < 0.5))
    S.add("".join(parts))


def _swallow(S, x, y, flip):
    c = "#1e2236" if S.time == "day" else "#0a0c18"
    return ('<g transform="translate(%s,%s) scale(%s,1)"><path d="M-1,-1 C-1,-5 3,-6 4,-4 L6,-4.5 L4,-3 C4,-1 2,0 -1,0 L-5,1.5 L-4,0.5 L-6,0.8 Z" fill="%s"/>'
            '<path d="M1.5,-2.5 C2,-1.5 3,-1 4,-2" fill="#f4ead8"/></g>' % (n(x), n(y), "-1" if flip else "1", c))


@motif("bridge")
def bridge(S, y=None, color="#c8482a", h=70):
    """A suspension bridge across the picture: two towers, sweeping cables and a deck."""
    y = S.horizon if y is None else float(y)
    c = S.lit(color)
    h = float(h)
    deck = y + 10
    t1, t2 = S.W * 0.22, S.W * 0.8
    parts = []
    for tx in (t1, t2):
        parts.append('<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
            n(tx - 4), n(S.Y(y - 4)), n(tx - 3), n(S.Y(y + h)), n(tx + 3), n(S.Y(y + h)), n(tx + 4), n(S.Y(y - 4)), c))
        for k in (0.45, 0.75, 0.95):
            parts.append('<rect x="%s" y="%s" width="8" height="2" fill="%s"/>' % (n(tx - 4), n(S.Y(y + h * k)), shade(c, 0.8)))
    cable = "M-10,%s Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s" % (
        n(S.Y(deck + 6)), n(t1 * 0.5), n(S.Y(deck + h * 0.3)), n(t1), n(S.Y(y + h - 2)),
        n((t1 + t2) / 2), n(S.Y(deck - h * 0.75)), n(t2), n(S.Y(y + h - 2)),
        n((t2 + S.W) / 2 + 6), n(S.Y(deck + h * 0.3)), n(S.W + 10), n(S.Y(deck + 6)))
    parts.append('<path d="%s" fill="none" stroke="%s" stroke-width="1.3"/>' % (cable, c))
    hangers = []
    for i in range(1, 20):
        t = i / 20
        hx = t1 + (t2 - t1) * t
        cy = (1 - t) ** 2 * (y + h - 2) + 2 * (1 - t) * t * (deck - h * 0.75) + t * t * (y + h - 2)
        hangers.append("M%s,%s L%s,%s" % (n(hx), n(S.Y(cy)), n(hx), n(S.Y(deck))))
    parts.append('<path d="%s" stroke="%s" stroke-width="0.4"/>' % (" ".join(hangers), c))
    parts.append('<rect x="-2" y="%s" width="%d" height="3" fill="%s"/>' % (n(S.Y(deck)), S.W + 4, shade(c, 0.7)))
    S.add("".join(parts))


@motif("peak")
def peak(S, x, y=None, h=100, w=110, snow=1, color="#8a96b4"):
    """One great mountain standing over the horizon, with snow on its upper slopes."""
    x = float(x)
    y = S.horizon if y is None else float(y)
    h, w = float(h), float(w)
    c = S.lit(color)
    top = (x, S.Y(y + h))
    d = "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
        n(x - w / 2), n(S.Y(y)), n(x - w * 0.22), n(S.Y(y + h * 0.55)), n(x - w * 0.12), n(S.Y(y + h * 0.62)),
        n(top[0]), n(top[1]), n(x + w * 0.26), n(S.Y(y + h * 0.5)), n(x + w / 2), n(S.Y(y)))
    S.add('<path d="%s" fill="%s"/>' % (d, S.lin([lighten(c, 0.15), c, shade(c, 0.8)], 0, 0, 1, 0)))
    shadow = "M%s,%s L%s,%s L%s,%s Z" % (n(top[0]), n(top[1]), n(x + w * 0.26), n(S.Y(y + h * 0.5)), n(x + w * 0.05), n(S.Y(y)))
    S.add('<path d="%s" fill="#000000" opacity="0.18"/>' % shadow)
    if int(snow):
        sc = "#f4f8ff" if S.time == "day" else lighten(S.lit("#f4f8ff"), 0.25)
        d = "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
            n(top[0]), n(top[1]), n(x + w * 0.11), n(S.Y(y + h * 0.78)), n(x + w * 0.04), n(S.Y(y + h * 0.74)),
            n(x - w * 0.02), n(S.Y(y + h * 0.8)), n(x - w * 0.07), n(S.Y(y + h * 0.7)), n(x - w * 0.1), n(S.Y(y + h * 0.72)),
            n(x - w * 0.06), n(S.Y(y + h * 0.82)))
        S.add('<path d="%s" fill="%s"/>' % (d, sc))


@motif("bicycle")
def bicycle(S, x, y, s=40, color="#2a8ad0"):
    """An old-fashioned safety bicycle seen from the side; y is where the wheels touch the ground."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color) if S.time == "day" else S.lit(color)
    tyre = S.lit("#2a2a30") if S.time == "day" else "#8a92b0"
    spokes = lambda cx: "".join('<path d="M%s,-10 L%s,%s" />' % (n(cx), n(cx + 9 * math.cos(math.radians(a))), n(-10 + 9 * math.sin(math.radians(a)))) for a in range(0, 360, 30))
    S.add('<g transform="%s"><g fill="none" stroke="%s" stroke-width="1.6"><circle cx="-15" cy="-10" r="9.5"/><circle cx="15" cy="-10" r="9.5"/></g>'
          '<g stroke="%s" stroke-width="0.35" opacity="0.7">%s%s</g>'
          '<path d="M-15,-10 L-3,-10 L-7,-22 Z M-3,-10 L9,-22 L-7,-22 M15,-10 L10,-25 L7,-27 M-7,-22 L-8,-25" fill="none" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>'
          '<path d="M-11,-26 L-5,-26" stroke="%s" stroke-width="2" stroke-linecap="round"/><path d="M7,-27 L12,-28" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>'
          '<circle cx="-3" cy="-10" r="2" fill="none" stroke="%s" stroke-width="1"/></g>'
          % (S.at(x, y, s / 40), tyre, tyre, spokes(-15), spokes(15), c, S.lit("#5a3a26"), tyre, c))


@motif("balloon")
def hot_air_balloon(S, x, y, s=50, color="#e84a3a", color2="gold"):
    """A hot-air balloon in gores of two colours with a basket below; y is the envelope's centre."""
    x, y, s = float(x), float(y), float(s)
    c, c2 = S.col(color), S.col(color2)
    env = "M0,-22 C14,-22 20,-12 19,-2 C18,8 9,15 5,22 L-5,22 C-9,15 -18,8 -19,-2 C-20,-12 -14,-22 0,-22 Z"
    clip = S.uid("b")
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, env))
    gores = "".join('<path d="M0,-30 Q%s,0 %s,26 L%s,26 Q%s,0 0,-30 Z" fill="%s"/>' % (n(k * 2), n(k * 0.5), n((k + 5) * 0.5), n((k + 5) * 2), c2)
                    for k in (-15, -5, 5))
    shade_ = S.rad([(0, "#ffffff", 0.35), (0.5, "#ffffff", 0), (1, "#000000", 0.35)], 0.35, 0.3, 0.8)
    S.add('<g transform="%s"><path d="%s" fill="%s"/><g clip-path="url(#%s)">%s<path d="%s" fill="%s"/></g>'
          '<path d="M-5,22 L-4,30 M5,22 L4,30" stroke="%s" stroke-width="0.6"/><rect x="-4.5" y="30" width="9" height="6" rx="1" fill="%s"/></g>'
          % (S.at(x, y, s / 58), env, c, clip, gores, env, shade_, S.lit("#5a4a40"), S.lit("#a0703e")))


@motif("stones")
def stones(S, x, y, s=60, color="#9a96a0"):
    """A ring of standing stones with trilithons, seen from the side."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    dark = shade(c, 0.75)
    parts = []
    for px, w, h, cap in ((-40, 8, 24, 0), (-28, 9, 30, 1), (-17, 9, 30, 0), (-4, 10, 36, 1), (8, 10, 36, 0), (22, 9, 28, 1), (33, 9, 28, 0), (46, 7, 20, 0)):
        parts.append('<path d="M%s,0 L%s,%s L%s,%s L%s,0 Z" fill="%s"/>' % (n(px), n(px + 0.8), n(-h), n(px + w - 0.6), n(-h - 0.5), n(px + w), c if px % 2 else dark))
    for px, w, h in ((-28, 20, 30), (-4, 22, 36), (22, 20, 28)):
        parts.append('<rect x="%s" y="%s" width="%s" height="5" fill="%s"/>' % (n(px - 1), n(-h - 5), n(w), shade(c, 0.9)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 60), "".join(parts)))


@motif("mapleleaf")
def maple_leaf(S, x, y, s=30, color="red", angle=0):
    """A stylised maple leaf; y is its centre."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    d = ("M0,-20 L3,-13 L7,-15 L6,-7 L13,-11 L11,-6 L17,-5 L12,0 L14,3 L6,3 L7,7 L1,5 L1,14 L-1,14 L-1,5 L-7,7 L-6,3 L-14,3 "
         "L-12,0 L-17,-5 L-11,-6 L-13,-11 L-6,-7 L-7,-15 L-3,-13 Z")
    S.add('<g transform="%s"><path d="%s" fill="%s" stroke="%s" stroke-width="0.6" stroke-linejoin="round"/></g>'
          % (S.at(x, y, s / 34, float(angle)), d, S.lin([lighten(c, 0.25), c, shade(c, 0.75)]), shade(c, 0.6)))


@motif("bamboo")
def bamboo(S, x, y=0, h=140, lean=6, slips="red,gold,sky,rose,lime"):
    """A bamboo stem with leaves and coloured paper slips hanging from it."""
    x, y, h, lean = float(x), float(y), float(h), float(lean)
    c = S.lit("#6aa84a") if S.time == "day" else mix(S.lit("#6aa84a"), "#8ad06a", 0.5)
    cols = [S.col(v) for v in str(slips).split(",")]
    parts = ['<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="3"/>' % (
        n(x), n(S.Y(y)), n(x + lean * 0.2), n(S.Y(y + h * 0.5)), n(x + lean), n(S.Y(y + h)), c)]
    rng = random.Random(int(x + S.code))
    for i in range(1, 9):
        t = i / 9
        px = x + lean * t * t
        py = y + h * t
        parts.append('<rect x="%s" y="%s" width="4" height="1" fill="%s"/>' % (n(px - 2), n(S.Y(py)), shade(c, 0.7)))
        if i > 2:
            side = 1 if i % 2 else -1
            parts.append('<path d="M%s,%s q%s,-4 %s,0 q%s,2 %s,0 Z" fill="%s"/>' % (
                n(px), n(S.Y(py)), n(side * 7), n(side * 16), n(-side * 8), n(-side * 16), shade(c, 0.85)))
            if i < 8:
                sx = px + side * rng.uniform(6, 13)
                sy = S.Y(py) + 3
                parts.append('<path d="M%s,%s v3" stroke="#d8d0c0" stroke-width="0.3"/><rect x="%s" y="%s" width="3" height="9" fill="%s"/>'
                             % (n(sx), n(sy - 2), n(sx - 1.5), n(sy + 1), cols[i % len(cols)]))
    S.add("".join(parts))


@motif("haystack")
def haystack(S, x, y, s=30):
    x, y, s = float(x), float(y), float(s)
    c = S.lit("#e0b85a")
    strands = "".join('<path d="M%s,%s q2,-3 4,-1" stroke="%s" stroke-width="0.6" fill="none"/>' % (n(-10 + (i * 7) % 20), n(-4 - (i * 5) % 20), shade(c, 0.7)) for i in range(10))
    S.add('<g transform="%s"><path d="M-16,0 C-16,-14 -10,-28 0,-28 C10,-28 16,-14 16,0 Z" fill="%s"/>%s<path d="M-1,-28 L0,-32 L1,-28" stroke="%s" stroke-width="1"/></g>'
          % (S.at(x, y, s / 30), S.rad([lighten(c, 0.25), c, shade(c, 0.7)], 0.35, 0.3, 0.8), strands, shade(c, 0.6)))


@motif("yurt")
def yurt(S, x, y, s=36, color="#f2ecdc", trim="#c04a3a"):
    x, y, s = float(x), float(y), float(s)
    c, t = S.lit(color), S.lit(trim)
    S.add('<g transform="%s"><path d="M-20,0 L-20,-12 L20,-12 L20,0 Z" fill="%s"/><path d="M-21,-12 Q-14,-22 0,-25 Q14,-22 21,-12 Z" fill="%s"/>'
          '<rect x="-20" y="-12" width="40" height="2.2" fill="%s"/><rect x="-20" y="-5" width="40" height="1.6" fill="%s"/>'
          '<rect x="-4" y="-10" width="8" height="10" fill="%s"/><circle cx="0" cy="-24" r="2" fill="%s"/></g>'
          % (S.at(x, y, s / 40), S.lin([lighten(c, 0.1), shade(c, 0.85)], 0, 0, 1, 0), shade(c, 0.93), t, t, t, shade(c, 0.6)))


@motif("bow")
def archery_bow(S, x, y, s=40, angle=0):
    """A drawn bow with an arrow on the string; (x, y) is the grip."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M-4,-20 Q10,0 -4,20" fill="none" stroke="%s" stroke-width="2"/>'
          '<path d="M-4,-20 L-14,0 L-4,20" fill="none" stroke="#e8e0d0" stroke-width="0.6"/>'
          '<path d="M-14,0 L20,0" stroke="%s" stroke-width="1"/><path d="M20,0 L15,-2.5 L16,0 L15,2.5 Z" fill="#c8ccd8"/>'
          '<path d="M-14,0 l3,-2 M-14,0 l3,2 M-12,0 l3,-2 M-12,0 l3,2" stroke="%s" stroke-width="0.8"/></g>'
          % (S.at(x, y, s / 40, float(angle)), S.lit("#8a5a30"), S.lit("#a0703e"), S.col("red")))


@motif("eiffel")
def lattice_tower(S, x, y, h=120, color="#8a7a6a"):
    """A tall iron lattice tower with arched legs."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit(color) if S.time == "day" else "#2a2838"
    lat = "".join('<path d="M%s,%s L%s,%s M%s,%s L%s,%s" />' % (n(-w), n(yy), n(w2), n(yy - 6), n(w), n(yy), n(-w2), n(yy - 6))
                  for yy, w, w2 in ((-20, 15, 12), (-40, 9, 7), (-52, 7, 6), (-64, 5, 4.5), (-76, 4, 3.5)))
    S.add('<g transform="%s"><path d="M-22,0 C-16,-20 -8,-50 -2,-100 L2,-100 C8,-50 16,-20 22,0 L15,0 Q0,-24 -15,0 Z" fill="%s"/>'
          '<rect x="-12" y="-30" width="24" height="3" fill="%s"/><rect x="-7" y="-58" width="14" height="2.4" fill="%s"/>'
          '<path d="M-1,-100 L0,-112 L1,-100 Z" fill="%s"/><g stroke="#000000" stroke-width="0.5" opacity="0.35">%s</g></g>'
          % (S.at(x, y, h / 112), c, c, c, c, lat))


@motif("lander")
def lander(S, x, y, s=40):
    """A lunar lander on its four legs; y is the ground."""
    x, y, s = float(x), float(y), float(s)
    gold = S.col("gold")
    S.add('<g transform="%s"><path d="M-10,-12 L-18,0 M10,-12 L18,0 M-6,-12 L-9,0 M6,-12 L9,0" stroke="#c8ccd8" stroke-width="1.2"/>'
          '<path d="M-21,0 h6 M15,0 h6" stroke="#c8ccd8" stroke-width="1.5"/>'
          '<path d="M-12,-20 L12,-20 L14,-12 L-14,-12 Z" fill="%s"/>'
          '<path d="M-9,-20 L-10,-30 L-4,-34 L6,-34 L10,-28 L9,-20 Z" fill="%s"/><path d="M-3,-31 L2,-31 L3,-27 L-2,-27 Z" fill="#1a1a2a"/>'
          '<path d="M6,-34 L7,-40 M7,-40 l3,-1" stroke="#c8ccd8" stroke-width="0.8" fill="none"/></g>'
          % (S.at(x, y, s / 40), S.lin([lighten(gold, 0.3), shade(gold, 0.6)], 0, 0, 1, 0), S.lin(["#e8ecf4", "#9aa0b0"], 0, 0, 1, 0)))


@motif("moonground")
def moon_ground(S, y=30):
    """A grey, cratered lunar surface under a black sky."""
    y = float(y)
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


@motif("earth")
def earth(S, x, y, r=10):
    """The Earth seen from space: blue oceans, green land, white cloud, the night side in shadow."""
    x, y, r = float(x), float(y), float(r)
    clip = S.uid("w")
    S.defs.append('<clipPath id="%s"><circle r="10"/></clipPath>' % clip)
    land = ('<path d="M-7,-5 C-5,-8 -1,-7 0,-4 C1,-1 -3,0 -2,3 C-1,6 -4,8 -6,6 C-8,3 -9,-2 -7,-5 Z '
            'M2,-8 C5,-9 8,-6 7,-3 C6,-1 3,-2 3,1 C3,3 6,4 5,7 C3,9 1,6 1,3 C1,0 -1,-6 2,-8 Z" fill="#6ab050"/>'
            '<path d="M-9,-1 Q-4,-3 1,-1 M-3,5 Q2,3 8,5 M-2,-9 Q2,-10 6,-9" stroke="#ffffff" stroke-width="1.1" fill="none" opacity="0.7" stroke-linecap="round"/>')
    S.add('<g transform="%s"><circle r="18" fill="%s"/><circle r="10" fill="%s"/><g clip-path="url(#%s)">%s'
          '<path d="M3,-11 A11,11 0 0 1 3,11 A7,11 0 0 0 3,-11 Z" fill="#000000" opacity="0.45"/></g></g>'
          % (S.at(x, y, r / 10), S.glow("#6ab4ee", 0.4), S.rad(["#9ad0f4", "#3a7ac0", "#17306a"], 0.38, 0.34, 0.72), clip, land))


@motif("ruins")
def ruins(S, x, y, s=50, color="#c8bca8"):
    """Stone walls and terraces of an old mountain town."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    parts = []
    for i, (px, w, h) in enumerate(((-30, 14, 10), (-14, 10, 14), (-2, 16, 9), (16, 12, 13), (-22, 8, 20), (6, 9, 18))):
        parts.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (n(px), n(-h), n(w), n(h), c if i % 2 else shade(c, 0.85)))
        parts.append('<rect x="%s" y="%s" width="2.5" height="3.5" fill="%s"/>' % (n(px + w / 2 - 1), n(-h + 3), shade(c, 0.45)))
    for k in range(3):
        parts.append('<rect x="-40" y="%s" width="80" height="1.2" fill="%s"/>' % (n(4 + k * 5), shade(c, 0.7)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 50), "".join(parts)))


@motif("columns")
def columns(S, x, y, s=50, count=4, broken=1, color="#e0d6c4"):
    """A row of classical columns, some broken off."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    parts = []
    cnt = int(count)
    for i in range(cnt):
        px = (i - (cnt - 1) / 2) * 14
        h = 40 if not (int(broken) and i % 2) else 24 - i * 2
        parts.append('<rect x="%s" y="%s" width="7" height="%s" fill="%s"/><rect x="%s" y="-3" width="11" height="3" fill="%s"/>'
                     % (n(px - 3.5), n(-h), n(h), S.lin([shade(c, 0.75), lighten(c, 0.2), shade(c, 0.8)], 0, 0, 1, 0), n(px - 5.5), shade(c, 0.85)))
        if h == 40:
            parts.append('<rect x="%s" y="-43" width="11" height="3" fill="%s"/>' % (n(px - 5.5), shade(c, 0.9)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 50), "".join(parts)))


@motif("loaf")
def loaf(S, x, y, s=30):
    """A round harvest loaf with a scored top."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit("#d08a40")
    S.add('<g transform="%s"><path d="M-20,0 C-21,-10 -12,-18 0,-18 C12,-18 21,-10 20,0 Z" fill="%s"/>'
          '<path d="M-10,-13 Q-6,-16 -2,-13 M-2,-14 Q2,-17 6,-14 M6,-13 Q10,-15 13,-11" stroke="%s" stroke-width="1.3" fill="none"/>'
          '<ellipse cx="0" cy="0" rx="21" ry="2" fill="%s"/></g>'
          % (S.at(x, y, s / 40), S.rad([lighten(c, 0.35), c, shade(c, 0.65)], 0.4, 0.3, 0.8), lighten(c, 0.45), shade(c, 0.6)))


@motif("ship")
def ship(S, x, y, s=50, sail="ivory", flip=0):
    """A three-masted sailing ship; y is the waterline."""
    x, y, s = float(x), float(y), float(s)
    sc = S.lit(sail)
    hull = S.lit("#6a3e26")
    sails = []
    for mx, mh in ((-10, 34), (2, 42), (13, 30)):
        sails.append('<rect x="%s" y="%s" width="1.2" height="%s" fill="%s"/>' % (n(mx - 0.6), n(-mh - 6), n(mh), shade(hull, 0.8)))
        for k, (top, w) in enumerate(((-mh - 3, 6), (-mh * 0.62 - 4, 8))):
            sails.append('<path d="M%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" fill="%s"/>' % (
                n(mx - w), n(top), n(mx), n(top + 2), n(mx + w), n(top), n(mx + w), n(top + mh * 0.32),
                n(mx + 1.5), n(top + mh * 0.36), n(mx - w), n(top + mh * 0.32), S.lin([lighten(sc, 0.2), shade(sc, 0.82)], 0, 0, 1, 0)))
    S.add('<g transform="%s">%s<path d="M-24,-8 L24,-8 L28,-14 L30,-14 L22,2 L-20,2 L-26,-10 Z" fill="%s"/>'
          '<rect x="-22" y="-7" width="42" height="1.2" fill="%s"/><path d="M2,-48 l0,-3 l5,1.5 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 50, 0, bool(int(flip))), "".join(sails), hull, S.col("gold"), S.col("red")))


@motif("floatlantern")
def float_lantern(S, x, y, s=10, color="#ffb050"):
    """A paper lantern floating on water, with its reflection."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><ellipse cx="0" cy="2" rx="6" ry="8" fill="%s"/><rect x="-4" y="-8" width="8" height="8" fill="%s"/>'
          '<path d="M-5,-8 L0,-12 L5,-8 Z" fill="%s"/><rect x="-5" y="0" width="10" height="1.5" fill="#3a2a24"/>'
          '<circle cx="0" cy="-4" r="12" fill="%s"/></g>'
          % (S.at(x, y, s / 10), S.glow(c, 0.5), S.lin(["#fff6d8", c], 0, 0, 0, 1), shade(c, 0.7), S.glow(c, 0.35)))


@motif("crane")
def paper_crane(S, x, y, s=20, color="white", angle=0):
    """A folded paper crane."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><path d="M-14,-2 L-4,-4 L0,-16 L3,-4 L12,-10 L9,-3 L14,-4 L6,2 L-4,2 Z" fill="%s"/>'
          '<path d="M0,-16 L3,-4 L-4,-4 Z" fill="%s"/><path d="M-4,2 L6,2 L3,-4 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 28, float(angle)), c, shade(c, 0.82), shade(c, 0.7)))


@motif("camera")
def camera(S, x, y, s=50):
    """An old box camera on a wooden tripod, draped with its dark cloth."""
    x, y, s = float(x), float(y), float(s)
    w = S.lit("#a0703e")
    S.add('<g transform="%s"><path d="M0,-30 L-12,0 M0,-30 L12,0 M0,-30 L2,0" stroke="%s" stroke-width="1.8"/>'
          '<rect x="-10" y="-44" width="18" height="14" fill="%s"/><rect x="-14" y="-46" width="8" height="18" fill="#1e1e26"/>'
          '<path d="M8,-41 L14,-43 L14,-31 L8,-33 Z" fill="%s"/><circle cx="15" cy="-37" r="3.2" fill="#2a3040" stroke="#c8a050" stroke-width="1"/>'
          '<circle cx="14.5" cy="-38" r="1" fill="#8ab0e0"/></g>'
          % (S.at(x, y, s / 46), shade(w, 0.8), S.lin([lighten(w, 0.2), shade(w, 0.8)]), S.col("gold")))


@motif("volcano")
def volcano(S, x, y=None, h=70, w=120, smoke=1, glow=1):
    """A volcano with a glowing crater and a tall plume of ash."""
    x = float(x)
    y = S.horizon if y is None else float(y)
    h, w = float(h), float(w)
    c = S.lit("#6a5a5a")
    parts = []
    if int(smoke):
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
    if int(glow):
        parts.append('<ellipse cx="%s" cy="%s" rx="14" ry="10" fill="%s"/>' % (n(x), n(S.Y(y + h)), S.glow("#ff6a20", 0.8)))
        parts.append('<path d="M%s,%s q-3,10 -6,20 q-2,8 -8,18 L%s,%s q3,-10 6,-18 q3,-10 4,-20 Z" fill="#ff7a28" opacity="0.85"/>'
                     % (n(x - 2), n(S.Y(y + h)), n(x - 14), n(S.Y(y + h - 38))))
    S.add("".join(parts))


@motif("heather")
def heather(S, y=None, count=160, color="#b05ab0"):
    """Hillsides of flowering heather: purple land stippled with bloom."""
    y = S.horizon if y is None else float(y)
    c = S.lit(color)
    rng = random.Random(S.code * 73)
    dots = []
    for i in range(int(count)):
        yy = rng.uniform(0, y - 2)
        depth = 1 - yy / y
        dots.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.9"/>' % (
            n(rng.uniform(0, S.W)), n(S.Y(yy)), n(0.5 + depth * 1.2), rng.choice((lighten(c, 0.35), c, shade(c, 0.8), "#e0a0e0"))))
    S.add("".join(dots))


@motif("seal")
def wax_seal(S, x, y, r=6, color="crimson"):
    x, y, r = float(x), float(y), float(r)
    c = S.col(color)
    S.add('<g transform="%s"><path d="M-2,0 L-4,12 L0,9 L2,13 L3,0" fill="%s"/><circle r="%s" fill="%s"/><circle r="%s" fill="none" stroke="%s" stroke-width="0.8"/></g>'
          % (S.at(x, y), shade(c, 0.8), n(r), S.rad([lighten(c, 0.3), c, shade(c, 0.7)], 0.4, 0.4, 0.7), n(r * 0.6), lighten(c, 0.3)))


@motif("parasol")
def parasol(S, x, y, s=40, color="red"):
    """A big festival parasol on a tall handle, seen from the side."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    ribs = "".join('<path d="M0,-40 L%s,-30" />' % n(k) for k in (-18, -9, 0, 9, 18))
    S.add('<g transform="%s"><rect x="-0.8" y="-40" width="1.6" height="40" fill="%s"/>'
          '<path d="M-22,-29 Q0,-50 22,-29 Q0,-34 -22,-29 Z" fill="%s"/><g stroke="%s" stroke-width="0.5">%s</g>'
          '<path d="M-22,-29 q-1,4 0,7 M22,-29 q1,4 0,7" stroke="%s" stroke-width="1"/></g>'
          % (S.at(x, y, s / 50), S.lit("#5a4030"), S.lin([lighten(c, 0.2), shade(c, 0.8)]), shade(c, 0.6), ribs, S.col("gold")))


@motif("searchlights")
def searchlights(S, count=2, color="#e8f0ff"):
    """Pale beams sweeping up into the sky from behind the horizon."""
    c = S.col(color)
    paint = S.lin([(0, c, 0), (1, c, 0.28)])
    beams = []
    for i, (bx, ang) in enumerate(((S.W * 0.25, -18), (S.W * 0.75, 22), (S.W * 0.5, 4))[:max(1, int(count) + 1)]):
        beams.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
            n(bx), n(S.Y(S.horizon)), n(bx + ang * 3 - 10), n(S.Y(S.H)), n(bx + ang * 3 + 10), n(S.Y(S.H)), paint))
    S.add("".join(beams))


@motif("fallen")
def fallen(S, x, y, count=8):
    """Trees flattened in a ring, all lying away from a blast beyond the horizon."""
    x, y = float(x), float(y)
    c = S.lit("#5a4030")
    rng = random.Random(S.code * 79)
    logs = []
    for i in range(int(count)):
        px = rng.uniform(8, S.W - 8)
        py = rng.uniform(4, y + 10)
        ang = math.degrees(math.atan2(0, px - x)) + rng.uniform(-10, 10)
        L = rng.uniform(16, 26)
        logs.append('<g transform="translate(%s,%s) rotate(%s)"><rect x="0" y="-1.2" width="%s" height="2.4" fill="%s"/>'
                    '<path d="M%s,0 l5,-3 M%s,0 l5,3 M%s,0 l4,-3" stroke="%s" stroke-width="0.8"/></g>'
                    % (n(px), n(S.Y(py)), n(ang), n(L), c, n(L * 0.5), n(L * 0.6), n(L * 0.8), c))
    S.add("".join(logs))


@motif("footprints")
def footprints(S, count=6):
    rng = random.Random(S.code * 83)
    prints = []
    for i in range(int(count)):
        px = 70 + i * 5 + rng.uniform(-1, 1)
        py = 6 + i * 2.2 + (i % 2) * 2
        prints.append('<ellipse cx="%s" cy="%s" rx="1.6" ry="0.8" fill="#4a4a56"/>' % (n(px), n(S.Y(py))))
    S.add("".join(prints))


@motif("roof")
def roof(S, y=0, h=60, color="#3a2e3a"):
    """A tiled rooftop and chimney in the foreground, for cats and storks to sit on."""
    y, h = float(y), float(h)
    c = S.lit(color) if S.time == "day" else S.col(color)
    top = y + h
    tiles = "".join('<path d="M-2,%s L%d,%s" />' % (n(S.Y(top - 6 - k * 7)), S.W + 2, n(S.Y(top - 10 - k * 7))) for k in range(int(h / 7)))
    S.add('<path d="M-2,%s L%d,%s L%d,%s L-2,%s Z" fill="%s"/><g stroke="%s" stroke-width="0.6">%s</g>'
          '<rect x="%s" y="%s" width="12" height="22" fill="%s"/><rect x="%s" y="%s" width="14" height="3" fill="%s"/>'
          % (n(S.Y(top)), S.W + 2, n(S.Y(top - 4)), S.W + 2, n(S.H + 2), n(S.H + 2), c, lighten(c, 0.15), tiles,
             n(S.W * 0.12), n(S.Y(top + 18)), shade(c, 0.9), n(S.W * 0.12 - 1), n(S.Y(top + 19)), lighten(c, 0.1)))


@motif("sheep")
def sheep(S, count=3, low=6, high=None):
    """A few sheep grazing on the hillside."""
    rng = random.Random(S.code * 89)
    high = S.horizon * 0.7 if high is None else float(high)
    wool = "#f4f0e6" if S.time == "day" else S.lit("#f4f0e6")
    out = []
    for i in range(int(count)):
        px = rng.uniform(14, S.W - 14)
        py = rng.uniform(float(low), high)
        k = 1.2 - py / max(1, S.horizon) * 0.6
        flip = -1 if rng.random() < 0.5 else 1
        out.append('<g transform="translate(%s,%s) scale(%s,%s)"><rect x="-4" y="-3" width="1.4" height="3.5" fill="#2a2a30"/><rect x="2.6" y="-3" width="1.4" height="3.5" fill="#2a2a30"/>'
                   '<ellipse cx="0" cy="-5" rx="6.5" ry="4" fill="%s"/><ellipse cx="6.5" cy="-6.5" rx="2.2" ry="1.7" fill="#2a2a30"/></g>'
                   % (n(px), n(S.Y(py)), n(k * flip), n(k), wool))
    S.add("".join(out))


@motif("pennant")
def pennant(S, x, y, h=60, color="red", color2="white", angle=0):
    """A pole with a long tapering pennant streaming from its top, in two colours."""
    x, y, h = float(x), float(y), float(h)
    c, c2 = S.col(color), S.col(color2)
    S.add('<g transform="%s"><rect x="-0.8" y="-60" width="1.6" height="60" fill="%s"/><circle cx="0" cy="-60.5" r="1.4" fill="%s"/>'
          '<path d="M0.8,-58 C10,-61 22,-53 36,-55 C24,-51 12,-54 0.8,-50 Z" fill="%s"/>'
          '<path d="M0.8,-56 C10,-58.5 20,-53 30,-54.4 C20,-52.6 10,-55 0.8,-52 Z" fill="%s"/></g>'
          % (S.at(x, y, h / 60, float(angle)), S.lit("#d8d0c0"), S.col("gold"), c, c2))


@motif("leafpair")
def leaf_pair(S, x, y, s=20, color="#4a9a4a"):
    """Two heart-shaped leaves on one stalk (the hollyhock leaves of a festival crest)."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    heart_ = "M0,0 C-1,-3 -7,-5 -7,-10 C-7,-13 -3,-14 0,-11 C3,-14 7,-13 7,-10 C7,-5 1,-3 0,0 Z"
    paint = S.lin([lighten(c, 0.3), shade(c, 0.75)])
    S.add('<g transform="%s"><path d="M0,0 L0,10" stroke="%s" stroke-width="1.2"/>'
          '<path d="%s" fill="%s" transform="rotate(-40) scale(1,-1) translate(0,0)"/><path d="%s" fill="%s" transform="rotate(40) scale(1,-1)"/>'
          '<path d="%s" fill="%s" transform="scale(1,-1) translate(0,2)"/></g>'
          % (S.at(x, y, s / 20, 180), shade(c, 0.7), heart_, paint, heart_, paint, heart_, paint))


# ================================================================ winter and spring festivals

@motif("drum")
def drum(S, x, y, s=30, color="red"):
    """A marching drum with crossed sticks; y is its bottom."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    zig = "".join('<path d="M%s,-4 L%s,-20" />' % (n(-12 + i * 6), n(-9 + i * 6)) for i in range(4))
    S.add('<g transform="%s"><rect x="-13" y="-22" width="26" height="20" fill="%s"/><g stroke="%s" stroke-width="0.9">%s</g>'
          '<rect x="-14" y="-23" width="28" height="3" rx="1" fill="%s"/><rect x="-14" y="-4" width="28" height="3" rx="1" fill="%s"/>'
          '<ellipse cx="0" cy="-23" rx="13" ry="3" fill="#f4ecd8"/>'
          '<path d="M-10,-36 L4,-23 M10,-36 L-4,-23" stroke="%s" stroke-width="1.4" stroke-linecap="round"/></g>'
          % (S.at(x, y, s / 30), S.lin([shade(c, 0.7), lighten(c, 0.25), shade(c, 0.7)], 0, 0, 1, 0), S.col("gold"), zig,
             S.col("ivory"), S.col("ivory"), S.lit("#c8a070")))


@motif("domes")
def onion_church(S, x, y, s=60, color="#f0e8d8", domes="gold", lit=None, snow=0):
    """A church with onion domes, the tallest in the middle."""
    x, y, s = float(x), float(y), float(s)
    lit = S.time in ("night", "dusk") if lit is None else bool(int(lit))
    wall = S.lit(color)
    dc = S.col(domes) if S.time == "day" else mix(S.col(domes), S.lit(domes), 0.4)
    dome = lambda cx, cy, r: ('<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="%s"/><path d="M%s,%s v-5 M%s,%s h4" stroke="%s" stroke-width="0.8"/>'
                              % (n(cx - r), n(cy), n(cx - r * 1.3), n(cy - r * 1.2), n(cx - 0.5), n(cy - r * 1.3), n(cx), n(cy - r * 2.2),
                                 n(cx + 0.5), n(cy - r * 1.3), n(cx + r * 1.3), n(cy - r * 1.2), n(cx + r), n(cy),
                                 S.rad([lighten(dc, 0.45), dc, shade(dc, 0.7)], 0.35, 0.4, 0.7),
                                 n(cx), n(cy - r * 2.2), n(cx - 2), n(cy - r * 2.2 - 3), dc))
    win = "#ffc860" if lit else S.lit("#46506a")
    parts = ['<rect x="-24" y="-24" width="48" height="24" fill="%s"/>' % wall,
             '<rect x="-8" y="-40" width="16" height="18" fill="%s"/>' % shade(wall, 0.95),
             '<rect x="-22" y="-32" width="8" height="10" fill="%s"/><rect x="14" y="-32" width="8" height="10" fill="%s"/>' % (wall, wall),
             dome(0, -40, 8), dome(-18, -32, 4.5), dome(18, -32, 4.5),
             '<path d="M-4,0 L-4,-9 A4,4 0 0 1 4,-9 L4,0 Z" fill="%s"/>' % S.lit("#5a3424")]
    for wx in (-17, -11, 9, 15):
        parts.append('<path d="M%s,-10 v-6 a1.5,1.5 0 0 1 3,0 v6 Z" fill="%s"/>' % (wx, win))
    parts.append('<circle cx="0" cy="-31" r="2.6" fill="%s"/>' % win)
    if lit:
        parts.append('<ellipse cx="0" cy="-14" rx="26" ry="14" fill="%s"/>' % S.glow("#ffc860", 0.3))
    if int(snow):
        parts.append('<rect x="-25" y="-25" width="50" height="2" fill="#dfe8f8"/>')
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 60), "".join(parts)))


@motif("thistle")
def thistle(S, x, y, h=40, color="#9a5ab8"):
    x, y, h = float(x), float(y), float(h)
    c = S.col(color)
    stem = S.lit("#5a8a5a")
    S.add('<g transform="%s"><path d="M0,0 L0,-30" stroke="%s" stroke-width="1.6"/>'
          '<path d="M0,-12 l-9,-4 l3,3 l-5,0 l6,3 Z M0,-18 l9,-4 l-3,3 l5,0 l-6,3 Z" fill="%s"/>'
          '<ellipse cx="0" cy="-33" rx="5" ry="5.5" fill="%s"/><path d="M-5,-33 l-2,-2 M5,-33 l2,-2 M-3,-37 l-2,-3 M3,-37 l2,-3" stroke="%s" stroke-width="0.8"/>'
          '<path d="M-4.5,-36 C-5,-42 -2,-46 0,-47 C2,-46 5,-42 4.5,-36 Z" fill="%s"/></g>'
          % (S.at(x, y, h / 47), stem, stem, S.lin([lighten(stem, 0.2), shade(stem, 0.8)]), lighten(stem, 0.3), S.lin([lighten(c, 0.3), c])))


@motif("birch")
def birch(S, x, y, h=70, season=None):
    """A birch: white trunk with dark marks, a light crown of small leaves (bare in winter)."""
    x, y, h = float(x), float(y), float(h)
    season = season or S.season
    k = h / 70
    bark = "#f4f0e8" if S.time == "day" else S.lit("#f4f0e8") if S.time == "night" else shade("#f4f0e8", 0.8)
    marks = "".join('<rect x="%s" y="%s" width="%s" height="1" fill="#2a2a30"/>' % (n(-1.5 + (i % 2)), n(-6 - i * 7), n(1.5 + (i % 3)), ) for i in range(8))
    parts = ['<path d="M-2,0 L-1,-60 L1,-60 L2,0 Z" fill="%s"/>%s' % (bark, marks)]
    if season == "winter":
        parts.append('<path d="M0,-30 L-12,-46 M0,-38 L10,-54 M0,-50 L-7,-62 M0,-45 L6,-62" stroke="%s" stroke-width="0.8" fill="none"/>' % S.lit("#6a5a50"))
    else:
        col = {"spring": "#a8d86a", "summer": "#6aae4a", "autumn": "#f0c040"}.get(season, "#8cc85a")
        col = S.lit(col)
        rng = random.Random(int(x * 13 + S.code))
        dots = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(rng.gauss(0, 7)), n(-48 + rng.gauss(0, 10)), n(rng.uniform(1.5, 3)), rng.choice((col, lighten(col, 0.2), shade(col, 0.8))))
                       for i in range(45))
        parts.append(dots)
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(parts)))


@motif("frog")
def frog(S, x, y, s=30, leap=1):
    """A green frog, mid-leap when leap=1."""
    x, y, s = float(x), float(y), float(s)
    c = S.col("#5ab84a")
    body = S.rad([lighten(c, 0.35), c, shade(c, 0.7)], 0.4, 0.35, 0.8)
    if int(leap):
        shape = ('<path d="M-16,6 L-24,14 M-14,8 L-20,16 M10,-2 L18,-8 M8,0 L16,-2" stroke="%s" stroke-width="2.4" stroke-linecap="round"/>'
                 '<ellipse cx="-2" cy="0" rx="14" ry="7" fill="%s" transform="rotate(-20)"/>' % (shade(c, 0.8), body))
    else:
        shape = ('<path d="M-12,0 Q-18,-2 -14,-8 M12,0 Q18,-2 14,-8" stroke="%s" stroke-width="3" fill="none"/>'
                 '<ellipse cx="0" cy="-7" rx="13" ry="8" fill="%s"/>' % (shade(c, 0.8), body))
    eyes = '<circle cx="6" cy="-9" r="3.2" fill="%s"/><circle cx="6.5" cy="-9.5" r="1.4" fill="#1a1a20"/><path d="M4,-3 Q9,-1 12,-5" stroke="#1a3a1a" stroke-width="0.8" fill="none"/>' % body
    S.add('<g transform="%s">%s%s</g>' % (S.at(x, y, s / 30), shape, eyes))


@motif("page")
def calendar_page(S, x, y, s=40, number="29", color="crimson"):
    """A tear-off calendar leaf with its number written large; y is its bottom."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><rect x="-15" y="-38" width="30" height="38" rx="1.5" fill="#fbf6e6"/><rect x="-15" y="-38" width="30" height="9" rx="1.5" fill="%s"/>'
          '<circle cx="-8" cy="-38" r="1.3" fill="#4a4048"/><circle cx="8" cy="-38" r="1.3" fill="#4a4048"/>'
          '<text x="0" y="-8" text-anchor="middle" font-family="DejaVu Serif, Liberation Serif, serif" font-weight="bold" font-size="19" fill="#2a2430">%s</text></g>'
          % (S.at(x, y, s / 38), c, str(number)))


@motif("symbol")
def symbol(S, x, y, s=30, text="π", color="gold"):
    """A single large letter or sign, in the lettering of the logo."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><text x="0" y="0" text-anchor="middle" font-family="DejaVu Serif, Liberation Serif, serif" font-weight="bold" font-size="30" fill="%s" stroke="%s" stroke-width="0.6">%s</text></g>'
          % (S.at(x, y, s / 30), S.lin([lighten(c, 0.5), c, shade(c, 0.7)]), shade(c, 0.5), str(text)))


@motif("pie")
def pie(S, x, y, s=40, color="#d89a50", filling="#c03a4a"):
    """A round pie with a lattice top, seen from slightly above."""
    x, y, s = float(x), float(y), float(s)
    c, f = S.lit(color), S.lit(filling)
    lattice = "".join('<path d="M%s,-14 L%s,-4" />' % (n(-14 + i * 7), n(-14 + i * 7)) for i in range(5)) + "".join('<path d="M-18,%s L18,%s" />' % (n(-12 + i * 3.5), n(-12 + i * 3.5)) for i in range(3))
    clip = S.uid("p")
    S.defs.append('<clipPath id="%s"><ellipse cx="0" cy="-9" rx="17" ry="6"/></clipPath>' % clip)
    S.add('<g transform="%s"><path d="M-20,-9 L-16,0 L16,0 L20,-9 Z" fill="%s"/><ellipse cx="0" cy="-9" rx="20" ry="7.5" fill="%s"/>'
          '<ellipse cx="0" cy="-9" rx="17" ry="6" fill="%s"/><g clip-path="url(#%s)" stroke="%s" stroke-width="2">%s</g></g>'
          % (S.at(x, y, s / 40), S.lit("#d8d8e0"), S.lin([lighten(c, 0.3), c]), f, clip, lighten(c, 0.2), lattice))


@motif("theatremasks")
def theatre_masks(S, x, y, s=40):
    """The two masks of the stage, one smiling, one sad; y is their centre."""
    x, y, s = float(x), float(y), float(s)
    face = 'M-9,-11 C-9,-15 9,-15 9,-11 C9,0 5,9 0,10 C-5,9 -9,0 -9,-11 Z'
    happy = '<path d="M-5,-6 q2,-2 4,0 M1,-6 q2,-2 4,0" stroke="#1a1a20" stroke-width="1.2" fill="none"/><path d="M-5,1 Q0,7 5,1 Q0,4 -5,1 Z" fill="#1a1a20"/>'
    sad = '<path d="M-5,-5 q2,-2 4,0 M1,-5 q2,-2 4,0" stroke="#1a1a20" stroke-width="1.2" fill="none" transform="rotate(180 0 -5.5)"/><path d="M-5,5 Q0,-1 5,5 Q0,2 -5,5 Z" fill="#1a1a20"/>'
    S.add('<g transform="%s"><g transform="translate(-8,0) rotate(-15)"><path d="%s" fill="%s"/>%s</g>'
          '<g transform="translate(9,4) rotate(14)"><path d="%s" fill="%s"/>%s</g>'
          '<path d="M-20,-10 q-6,10 -2,16 M20,-4 q6,10 2,16" stroke="%s" stroke-width="1.2" fill="none"/></g>'
          % (S.at(x, y, s / 30), face, S.lin(["#fff4c0", S.col("gold")]), happy, face, S.lin(["#e8e0ff", "#8a7ac8"]), sad, S.col("crimson")))


@motif("curtains")
def curtains(S, color="crimson"):
    """Stage curtains drawn back to both sides, with a pelmet across the top."""
    c = S.col(color)
    paint = S.lin([shade(c, 0.6), lighten(c, 0.2), shade(c, 0.7), lighten(c, 0.1), shade(c, 0.6)], 0, 0, 1, 0)
    W, H = S.W, S.H
    S.add('<path d="M0,0 L30,0 C28,%s 20,%s 8,%s L0,%s Z" fill="%s"/>' % (n(H * 0.4), n(H * 0.6), n(H * 0.66), n(H), paint))
    S.add('<path d="M%d,0 L%d,0 C%s,%s %s,%s %s,%s L%d,%s Z" fill="%s"/>' % (W, W - 30, n(W - 28), n(H * 0.4), n(W - 20), n(H * 0.6), n(W - 8), n(H * 0.66), W, n(H), paint))
    S.add('<rect x="0" y="0" width="%d" height="%s" fill="%s"/>' % (W, n(H * 0.16), paint))
    S.add('<path d="M0,%s %s" fill="none" stroke="%s" stroke-width="2"/>' % (n(H * 0.16), " ".join("Q%s,%s %s,%s" % (n(i * 16 + 8), n(H * 0.16 + 8), n(i * 16 + 16), n(H * 0.16)) for i in range(int(W / 16) + 1)), S.col("gold")))


@motif("stage")
def stage(S, y=24, color="#8a5a36"):
    """Boards of a stage in the foreground, lit from the front."""
    y = float(y)
    c = S.lit(color) if S.time == "day" else S.col(color)
    boards = "".join('<path d="M%s,%s L%s,%s" />' % (n(S.W / 2 + (i - 4) * 10), n(S.Y(y)), n(S.W / 2 + (i - 4) * 24), n(S.H)) for i in range(9))
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/><g stroke="%s" stroke-width="0.6">%s</g>'
          '<ellipse cx="%s" cy="%s" rx="50" ry="12" fill="%s"/>'
          % (n(S.Y(y)), S.W, n(y + 1), S.lin([lighten(c, 0.2), shade(c, 0.6)]), shade(c, 0.6), boards, n(S.W / 2), n(S.Y(y * 0.5)), S.glow("#fff0c0", 0.35)))


@motif("spotlight")
def spotlight(S, x=64, y=24, color="#fff4d0"):
    x, y = float(x), float(y)
    c = S.col(color)
    S.add('<path d="M%s,0 L%s,0 L%s,%s L%s,%s Z" fill="%s"/>' % (n(x - 6), n(x + 6), n(x + 30), n(S.Y(y)), n(x - 30), n(S.Y(y)), S.lin([(0, c, 0.05), (1, c, 0.35)])))


@motif("fishbowl")
def fishbowl(S, x, y, s=40):
    """A round glass bowl with a goldfish; y is its bottom."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><circle cx="0" cy="-17" r="17" fill="%s" stroke="#e0f0ff" stroke-width="1" stroke-opacity="0.8"/>'
          '<path d="M-14,-24 Q0,-21 14,-24 L15,-17 A15,15 0 0 1 -15,-17 Z" fill="#6ab4ee" opacity="0.45"/>'
          '<ellipse cx="0" cy="-33" rx="9" ry="2" fill="none" stroke="#e0f0ff" stroke-width="1"/>'
          '<g transform="translate(2,-15) scale(0.45)"><path d="M-10,0 C-5,-6 5,-6 9,0 C5,6 -5,6 -10,0 Z M8,0 L14,-5 L13,0 L14,5 Z" fill="#f08a20"/></g>'
          '<path d="M-10,-26 Q-12,-20 -10,-14" stroke="#ffffff" stroke-width="1.3" fill="none" opacity="0.7"/></g>'
          % (S.at(x, y, s / 34), S.lin([(0, "#c8e8ff", 0.25), (1, "#6ab4ee", 0.3)])))


@motif("sprouts")
def sprouts(S, x, y, s=30):
    """A dish of green wheat sprouts tied with a red ribbon."""
    x, y, s = float(x), float(y), float(s)
    rng = random.Random(int(x + S.code * 3))
    blades = "".join('<path d="M%s,-6 q%s,-10 %s,-%s" />' % (n(rng.uniform(-9, 9)), n(rng.uniform(-2, 2)), n(rng.uniform(-4, 4)), n(rng.uniform(14, 22))) for i in range(28))
    S.add('<g transform="%s"><g stroke="#7ac850" stroke-width="1" fill="none">%s</g><rect x="-11" y="-8" width="22" height="3" fill="%s"/>'
          '<path d="M-13,-6 L13,-6 L10,0 L-10,0 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 30), blades, S.col("red"), S.lin(["#f4f0e8", "#b8c0d0"])))


@motif("needle")
def needle(S, x, y, s=40, angle=30, color="#d0d6e0", thread="red"):
    """A sewing needle with a loop of thread."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M0,0 L1.2,-34 L0,-38 L-1.2,-34 Z" fill="%s"/><ellipse cx="0" cy="-33" rx="0.5" ry="2" fill="#1a1a20"/>'
          '<path d="M0,-34 C8,-40 14,-30 8,-20 C2,-10 14,-4 18,2" stroke="%s" stroke-width="1" fill="none"/></g>'
          % (S.at(x, y, s / 38, float(angle)), S.lin(["#ffffff", S.col(color)], 0, 0, 1, 0), S.col(thread)))


@motif("radio")
def radio(S, x, y, s=40, waves=1):
    """An old valve radio set in a wooden case, with waves rising from it."""
    x, y, s = float(x), float(y), float(s)
    w = S.lit("#9a6038") if S.time == "day" else mix(S.lit("#9a6038"), "#9a6038", 0.5)
    grille = "".join('<path d="M%s,-25 v14" />' % n(-11 + i * 3) for i in range(7))
    wv = ""
    if int(waves):
        wv = "".join('<path d="M%s,-40 a%s,%s 0 0 1 %s,0" fill="none" stroke="%s" stroke-width="1.2" opacity="%s"/>' % (n(-r), n(r), n(r * 0.8), n(2 * r), S.col("gold"), n(1 - r / 40)) for r in (10, 18, 26))
    S.add('<g transform="%s"><path d="M-20,0 L-20,-24 C-20,-36 20,-36 20,-24 L20,0 Z" fill="%s"/>'
          '<path d="M-14,-8 L-14,-24 C-14,-31 6,-31 6,-24 L6,-8 Z" fill="%s"/><g stroke="%s" stroke-width="1">%s</g>'
          '<circle cx="13" cy="-20" r="3" fill="%s"/><circle cx="13" cy="-10" r="3" fill="%s"/>'
          '<rect x="-20" y="-4" width="40" height="4" fill="%s"/>%s</g>'
          % (S.at(x, y, s / 40), S.lin([lighten(w, 0.25), shade(w, 0.7)], 0, 0, 1, 0), "#e8d8a8", shade(w, 0.7), grille,
             S.col("gold"), S.col("gold"), shade(w, 0.6), wv))


@motif("waka")
def waka(S, x, y, s=60, color="#a0442a"):
    """A long carved canoe with paddlers; y is the waterline."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    paddlers = "".join('<circle cx="%s" cy="-9" r="1.6" fill="#1e1a24"/><path d="M%s,-7.5 v-0.5 M%s,-6 l-3,8" stroke="#1e1a24" stroke-width="1.2"/>'
                       % (n(-20 + i * 8), n(-20 + i * 8), n(-20 + i * 8)) for i in range(6))
    S.add('<g transform="%s">%s<path d="M-30,-6 L30,-6 Q34,-8 36,-16 L38,-15 Q36,-4 30,0 L-28,0 Q-33,-2 -33,-8 Z" fill="%s"/>'
          '<path d="M-26,-4 L28,-4" stroke="#ffffff" stroke-width="0.6" stroke-dasharray="2 2" opacity="0.6"/></g>'
          % (S.at(x, y, s / 70), paddlers, S.lin([lighten(c, 0.2), shade(c, 0.7)])))


@motif("fern")
def fern(S, x, y, h=40, angle=0, color="#4a9a5a"):
    """A fern frond curling at its tip."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit(color)
    leaflets = "".join('<path d="M0,%s l%s,-3 M0,%s l%s,-3" />' % (n(-4 - i * 3.6), n(8 - i * 0.6), n(-4 - i * 3.6), n(-8 + i * 0.6)) for i in range(10))
    S.add('<g transform="%s" fill="none" stroke="%s" stroke-linecap="round"><path d="M0,0 L0,-38 Q0,-44 4,-43 Q6,-40 3,-39" stroke-width="1.4"/>'
          '<g stroke-width="1.8">%s</g></g>' % (S.at(x, y, h / 44, float(angle)), c, leaflets))


@motif("onimask")
def oni_mask(S, x, y, s=40):
    """A red demon mask with horns, for the bean-throwing at the turn of the season; y is its centre."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M-10,-12 L-14,-24 L-5,-15 Z M10,-12 L14,-24 L5,-15 Z" fill="#f4e6c0"/>'
          '<path d="M-14,-6 C-14,-16 14,-16 14,-6 C14,6 8,14 0,14 C-8,14 -14,6 -14,-6 Z" fill="%s"/>'
          '<path d="M-9,-6 L-3,-3 L-9,-1 Z M9,-6 L3,-3 L9,-1 Z" fill="#ffe070"/>'
          '<path d="M-6,6 Q0,3 6,6 Q0,10 -6,6 Z" fill="#2a0a0a"/><path d="M-4,5 l1,2 l1,-2 M2,5 l1,2 l1,-2" fill="#ffffff"/>'
          '<path d="M-12,-10 Q-6,-14 -2,-10 M12,-10 Q6,-14 2,-10" stroke="#2a0a0a" stroke-width="1.6" fill="none"/></g>'
          % (S.at(x, y, s / 40), S.rad(["#ff8a6a", "#e03a2a", "#a01a1a"], 0.4, 0.35, 0.8)))


@motif("beans")
def beans(S, count=14, low=4, high=60):
    rng = random.Random(S.code * 97)
    out = "".join('<ellipse cx="%s" cy="%s" rx="1.6" ry="1.2" fill="#e8c888" stroke="#a07a40" stroke-width="0.3"/>' % (n(rng.uniform(10, S.W - 10)), n(S.Y(rng.uniform(float(low), float(high))))) for i in range(int(count)))
    S.add(out)


@motif("dolls")
def hina_dolls(S, x, y, s=50):
    """Festival dolls in court dress on a red-draped stand: the emperor and empress on top, ladies below."""
    x, y, s = float(x), float(y), float(s)
    red = S.col("#d0303a")

    def doll(cx, cy, robe, k=1.0):
        return ('<g transform="translate(%s,%s) scale(%s)"><path d="M-7,0 C-7,-8 -4,-12 0,-12 C4,-12 7,-8 7,0 Z" fill="%s"/>'
                '<path d="M-2.5,-12 L0,-6 L2.5,-12 Z" fill="#f4ecd8"/><circle cx="0" cy="-14.5" r="3" fill="#fbf0e4"/>'
                '<path d="M-3,-15 C-3,-19 3,-19 3,-15 L3,-13 L-3,-13 Z" fill="#1a1418"/></g>'
                % (n(cx), n(cy), n(k), S.lin([lighten(robe, 0.25), shade(robe, 0.75)])))
    parts = ['<rect x="-30" y="-14" width="60" height="14" fill="%s"/><rect x="-22" y="-28" width="44" height="14" fill="%s"/>' % (red, shade(red, 0.9)),
             '<path d="M-30,-14 h60 M-22,-28 h44" stroke="#ffffff" stroke-width="0.6" opacity="0.5"/>',
             doll(-9, -28, "#2a3a8a"), doll(9, -28, "#c83a6a"),
             doll(-20, -14, "#f0e8f0", 0.8), doll(0, -14, "#f0e8f0", 0.8), doll(20, -14, "#f0e8f0", 0.8),
             '<path d="M-6,-44 L0,-48 L6,-44" stroke="%s" stroke-width="1" fill="none"/>' % S.col("gold")]
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 48), "".join(parts)))


@motif("mimosa")
def mimosa(S, x, y, s=40):
    """A sprig of mimosa: feathery leaves and clusters of yellow puffballs."""
    x, y, s = float(x), float(y), float(s)
    rng = random.Random(int(x * 7 + S.code))
    balls = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(rng.gauss(0, 9)), n(-26 + rng.gauss(0, 8)), n(rng.uniform(1.5, 2.4)), rng.choice(("#ffe040", "#f6d020", "#fff080")))
                    for i in range(40))
    S.add('<g transform="%s"><path d="M0,0 Q2,-16 -2,-34 M0,-14 Q8,-20 12,-30 M-1,-20 Q-8,-26 -12,-34" stroke="#6a8a4a" stroke-width="1.2" fill="none"/>%s</g>'
          % (S.at(x, y, s / 40), balls))


@motif("crosses")
def brigid_cross(S, x, y, s=30, color="#e0c070"):
    """A cross woven from rushes: a square woven centre and four arms of bundled stems, each
    tied near its end; y is its centre."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color) if S.time != "day" else S.col(color)
    dark = shade(c, 0.6)
    arm = ('<path d="M-2.6,-5 L-2.6,-21 M0,-5 L0,-22 M2.6,-5 L2.6,-21" stroke="%s" stroke-width="2.4" stroke-linecap="round"/>'
           '<rect x="-4.4" y="-18" width="8.8" height="2" fill="%s"/>' % (c, dark))
    arms = "".join('<g transform="rotate(%d)">%s</g>' % (a, arm) for a in (0, 90, 180, 270))
    weave = "".join('<rect x="%s" y="-6" width="2.2" height="12" fill="%s"/>' % (n(-5.5 + i * 2.8), c if i % 2 else shade(c, 0.85)) for i in range(4))
    weave += "".join('<rect x="-6" y="%s" width="12" height="2.2" fill="%s" opacity="0.9"/>' % (n(-5.5 + i * 2.8), shade(c, 0.9) if i % 2 else c) for i in range(4))
    S.add('<g transform="%s"><circle r="30" fill="%s"/>%s%s</g>' % (S.at(x, y, s / 44), S.glow("#fff0c0", 0.25), arms, weave))


@motif("pancakes")
def pancakes(S, x, y, s=30):
    """A stack of golden pancakes on a plate, with a pat of butter."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit("#e8b060")
    stack = "".join('<ellipse cx="0" cy="%s" rx="14" ry="4" fill="%s" stroke="%s" stroke-width="0.6"/>' % (n(-4 - i * 3), c, shade(c, 0.7)) for i in range(5))
    S.add('<g transform="%s"><ellipse cx="0" cy="-2" rx="19" ry="4.5" fill="%s"/>%s<rect x="-3" y="-21" width="6" height="3" fill="#fff4b0"/></g>'
          % (S.at(x, y, s / 30), S.lit("#e8ecf4"), stack))


@motif("gables")
def gables(S, y=None, count=6, colors="#a0503a,#5a3a2a,#c88a5a,#6a4a3a", lit=None):
    """A row of tall, narrow gabled canal houses."""
    y = S.horizon if y is None else float(y)
    lit = S.time in ("night", "dusk") if lit is None else bool(int(lit))
    cols = [S.lit(c) for c in str(colors).split(",")]
    w = S.W / int(count)
    out = []
    for i in range(int(count)):
        x0 = i * w
        h = 44 + (i * 13) % 18
        c = cols[i % len(cols)]
        out.append('<path d="M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" fill="%s" stroke="%s" stroke-width="0.5"/>' % (
            n(x0), n(S.Y(y)), n(x0), n(S.Y(y + h)), n(x0 + w * 0.2), n(S.Y(y + h)), n(x0 + w * 0.2), n(S.Y(y + h + 5)),
            n(x0 + w * 0.5), n(S.Y(y + h + 12)), n(x0 + w * 0.8), n(S.Y(y + h + 5)), n(x0 + w * 0.8), n(S.Y(y + h)),
            n(x0 + w), n(S.Y(y + h)), n(x0 + w), n(S.Y(y)), c, shade(c, 0.7)))
        for r in range(3):
            for k in range(2):
                wc = "#ffd070" if lit and (i + r + k) % 3 else S.lit("#f0ece0") if not lit else S.lit("#46506a")
                out.append('<rect x="%s" y="%s" width="%s" height="5" fill="%s"/>' % (n(x0 + w * (0.18 + k * 0.42)), n(S.Y(y + 8 + r * 13 + 5)), n(w * 0.22), wc))
    S.add("".join(out))


@motif("splash")
def splash(S, x, y, s=30, color="#8ad0f0"):
    """Water thrown up in an arc of drops."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    rng = random.Random(int(x * 5 + y + S.code))
    drops = "".join('<ellipse cx="%s" cy="%s" rx="1.3" ry="2" fill="%s" transform="rotate(%s %s %s)"/>' % (
        n(t * 30), n(-22 * math.sin(t * math.pi / 1.3) + rng.uniform(-3, 3)), c, n(t * 60), n(t * 30), n(-22 * math.sin(t * math.pi / 1.3)))
        for t in [i / 20 for i in range(20)])
    S.add('<g transform="%s"><path d="M0,0 Q12,-34 30,-6" fill="none" stroke="%s" stroke-width="3" opacity="0.45"/>%s</g>' % (S.at(x, y, s / 30), c, drops))


@motif("laurel")
def laurel(S, x, y, r=24, color="#6a9a4a"):
    """A laurel wreath open at the top; y is its centre."""
    x, y, r = float(x), float(y), float(r)
    c = S.col(color)
    leaves_ = []
    for side in (-1, 1):
        for i in range(9):
            a = math.radians(100 + i * 17) if side < 0 else math.radians(80 - i * 17)
            px, py = r * math.cos(a), r * math.sin(a)
            leaves_.append('<path d="%s" fill="%s" transform="translate(%s,%s) rotate(%s) scale(%s)"/>' % (
                _leaf_path(1), c if i % 2 else lighten(c, 0.2), n(px), n(py), n(math.degrees(a) + (60 if side < 0 else -60) + 180), n(r * 0.13)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(leaves_)))


@motif("wolf")
def wolf(S, x, y, s=40, color="#8a6a4a"):
    """A standing she-wolf in profile."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color) if S.time == "day" else S.col(color)
    S.add('<path d="M-18,-14 C-12,-20 8,-20 12,-18 L18,-26 L19,-22 L22,-21 L26,-18 L20,-16 L16,-14 C15,-10 14,-8 12,-6 L13,0 L10,0 L9,-6 '
          'C2,-8 -6,-8 -10,-8 L-11,0 L-14,0 L-14,-9 C-17,-10 -19,-11 -20,-10 C-24,-8 -27,-4 -28,-2 C-27,-7 -23,-12 -18,-14 Z" '
          'fill="%s" transform="%s"/>' % (S.lin([lighten(c, 0.2), shade(c, 0.7)]), S.at(x, y, s / 40)))


@motif("arch")
def triumphal_arch(S, x, y, s=60, color="#e0d6c4"):
    """A Roman triumphal arch."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M-24,0 L-24,-36 L24,-36 L24,0 L9,0 L9,-16 A9,9 0 0 0 -9,-16 L-9,0 Z" fill="%s"/>'
          '<rect x="-26" y="-46" width="52" height="10" fill="%s"/><rect x="-27" y="-37" width="54" height="2" fill="%s"/>'
          '<path d="M-20,0 v-34 M-13,0 v-34 M13,0 v-34 M20,0 v-34" stroke="%s" stroke-width="1.4"/></g>'
          % (S.at(x, y, s / 46), S.lin([lighten(c, 0.15), shade(c, 0.8)]), shade(c, 0.92), shade(c, 0.8), shade(c, 0.8)))


@motif("block")
def tofu_block(S, x, y, s=40):
    """A soft white block (the tofu that broken needles are laid to rest in), on a tray."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><rect x="-24" y="-4" width="48" height="4" fill="%s"/><path d="M-18,-4 L-18,-18 L-12,-24 L24,-24 L24,-10 L18,-4 Z" fill="%s"/>'
          '<path d="M-18,-18 L18,-18 L24,-24 M18,-18 L18,-4" stroke="%s" stroke-width="0.8" fill="none"/></g>'
          % (S.at(x, y, s / 40), S.lit("#6a4a3a"), S.lin(["#fffdf6", "#e6e0d0"]), S.lit("#c8c0b0")))


@motif("cross")
def cross(S, x, y, h=40, color="#dcecff", glow=1):
    """A plain cross, glowing faintly (cut from ice when the colour is pale)."""
    x, y, h = float(x), float(y), float(h)
    c = S.col(color)
    g = '<circle cx="0" cy="-26" r="22" fill="%s"/>' % S.glow(c, 0.35) if int(glow) else ""
    S.add('<g transform="%s">%s<rect x="-3" y="-40" width="6" height="40" fill="%s"/><rect x="-13" y="-31" width="26" height="6" fill="%s"/></g>'
          % (S.at(x, y, h / 40), g, S.lin([lighten(c, 0.4), shade(c, 0.8)], 0, 0, 1, 0), S.lin([lighten(c, 0.4), shade(c, 0.8)])))


@motif("equinox")
def equinox(S, horizon=40):
    """A sky divided down the middle: night with the moon on the left, day with the sun on the right."""
    S.horizon = float(horizon)
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


@motif("iceshelf")
def ice_shelf(S, y=None):
    """Floes of ice along the near edge of the water."""
    y = S.horizon * 0.5 if y is None else float(y)
    rng = random.Random(S.code * 101)
    floes = []
    for i in range(7):
        px = rng.uniform(-6, S.W)
        py = rng.uniform(2, y)
        w = rng.uniform(10, 24)
        floes.append('<path d="M%s,%s l%s,-3 l%s,1 l%s,4 Z" fill="%s"/>' % (n(px), n(S.Y(py)), n(w * 0.3), n(w * 0.5), n(w * 0.2), S.lit("#e8f0fa")))
    S.add("".join(floes))


@motif("kantele")
def kantele(S, x, y, s=50):
    """A kantele: a small wing-shaped zither with five strings."""
    x, y, s = float(x), float(y), float(s)
    w = S.lit("#c08a50")
    strings = "".join('<path d="M%s,%s L%s,%s" />' % (n(-20 + i * 1), n(-4 - i * 2.2), n(20 - i * 0.5), n(-10 - i * 2.5)) for i in range(5))
    S.add('<g transform="%s"><path d="M-24,0 L22,-6 L26,-24 L-22,-14 Z" fill="%s"/><circle cx="-4" cy="-10" r="3" fill="%s"/>'
          '<g stroke="#f4ecd8" stroke-width="0.5">%s</g></g>' % (S.at(x, y, s / 50, -10), S.lin([lighten(w, 0.25), shade(w, 0.7)]), shade(w, 0.5), strings))


@motif("mast")
def radio_mast(S, x, y, h=100):
    """A tall lattice radio mast sending out rings of signal."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit("#c8c8d0") if S.time == "day" else "#6a6a88"
    lat = "".join('<path d="M%s,%s L%s,%s" />' % (n(-6 + i * 0.5), n(-i * 9), n(6 - (i + 1) * 0.5), n(-(i + 1) * 9)) for i in range(10))
    rings_ = "".join('<path d="M%s,-96 a%s,%s 0 0 1 0,%s M%s,-96 a%s,%s 0 0 0 0,%s" fill="none" stroke="%s" stroke-width="1" opacity="%s"/>' % (
        n(r), n(r), n(r), n(r * 0.01), n(-r), n(r), n(r), n(r * 0.01), S.col("gold"), n(1 - r / 40)) for r in ())
    arcs = "".join('<path d="M%s,%s A%s,%s 0 0 1 %s,%s M%s,%s A%s,%s 0 0 0 %s,%s" fill="none" stroke="%s" stroke-width="1.1" opacity="%s"/>' % (
        n(r * 0.7), n(-96 - r * 0.7), n(r), n(r), n(r * 0.7), n(-96 + r * 0.7), n(-r * 0.7), n(-96 - r * 0.7), n(r), n(r), n(-r * 0.7), n(-96 + r * 0.7),
        S.col("gold"), n(1 - r / 34)) for r in (8, 16, 24))
    S.add('<g transform="%s"><path d="M-7,0 L-1,-92 L1,-92 L7,0 Z" fill="none" stroke="%s" stroke-width="1.2"/><g stroke="%s" stroke-width="0.7">%s</g>'
          '<circle cx="0" cy="-96" r="3" fill="#ff5040"/><circle cx="0" cy="-96" r="8" fill="%s"/>%s</g>'
          % (S.at(x, y, h / 100), c, c, lat, S.glow("#ff5040", 0.5), arcs))


@motif("observatory")
def observatory(S, x, y, s=50):
    """An observatory: a round tower with a domed roof, its shutter open."""
    x, y, s = float(x), float(y), float(s)
    wall = S.lit("#e8e0d0")
    dome = S.lit("#c8ccd8") if S.time == "day" else "#8a90a8"
    S.add('<g transform="%s"><rect x="-18" y="-22" width="36" height="22" fill="%s"/><path d="M-20,-22 A20,20 0 0 1 20,-22 Z" fill="%s"/>'
          '<path d="M-3,-41 L3,-41 L3,-22 L-3,-22 Z" fill="#1a1a2a"/><rect x="-4" y="-12" width="8" height="12" fill="%s"/>'
          '<rect x="10" y="-16" width="4" height="5" fill="#ffd070"/></g>'
          % (S.at(x, y, s / 42), wall, S.lin([lighten(dome, 0.3), shade(dome, 0.7)], 0, 0, 1, 0), S.lit("#5a3424")))


@motif("shrine")
def flower_shrine(S, x, y, s=60):
    """A little wooden pavilion with a roof covered in flowers."""
    x, y, s = float(x), float(y), float(s)
    rng = random.Random(int(x + S.code * 7))
    flowers_ = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(rng.uniform(-24, 24)), n(rng.uniform(-50, -40)), n(rng.uniform(1.8, 3)), rng.choice(("#f8c8d8", "#ffffff", "#f6d860", "#e87a9a", "#c8a0e8")))
                       for i in range(46))
    S.add('<g transform="%s"><rect x="-20" y="-4" width="40" height="4" fill="%s"/><rect x="-16" y="-38" width="3" height="34" fill="%s"/><rect x="13" y="-38" width="3" height="34" fill="%s"/>'
          '<path d="M-28,-38 Q0,-44 28,-38 L20,-52 Q0,-56 -20,-52 Z" fill="%s"/>%s'
          '<path d="M-5,-4 L-5,-16 C-5,-22 5,-22 5,-16 L5,-4 Z" fill="%s"/><circle cx="0" cy="-18" r="2.2" fill="#f6e0a0"/></g>'
          % (S.at(x, y, s / 56), S.lit("#8a5a36"), S.lit("#a0703e"), S.lit("#a0703e"), S.lit("#6aa04a"), flowers_, S.col("gold")))


@motif("table")
def table(S, x, y, s=100, color="#f4ecd8"):
    """A low table spread with a cloth; things set on it stand at y + 24 * s / 100."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    S.add('<g transform="%s"><rect x="-44" y="-24" width="88" height="4" fill="%s"/><path d="M-46,-22 L46,-22 L42,-8 L-42,-8 Z" fill="%s"/>'
          '<path d="M-42,-8 L-40,0 M42,-8 L40,0" stroke="%s" stroke-width="3"/><path d="M-46,-22 L46,-22" stroke="%s" stroke-width="1.5"/></g>'
          % (S.at(x, y, s / 100), shade(c, 0.9), S.lin([c, shade(c, 0.8)]), S.lit("#6a4a32"), S.col("crimson")))


@motif("temple")
def temple(S, x, y, s=60, color="#f0e6d0", roof="#c83a2a"):
    """A temple hall with layered, steep roofs and golden finials."""
    x, y, s = float(x), float(y), float(s)
    c, r = S.lit(color), S.lit(roof)
    gold = S.col("gold")
    S.add('<g transform="%s"><rect x="-22" y="-18" width="44" height="18" fill="%s"/>'
          '<path d="M-30,-16 L-14,-34 L14,-34 L30,-16 Q0,-20 -30,-16 Z" fill="%s"/><path d="M-20,-32 L-6,-48 L6,-48 L20,-32 Z" fill="%s"/>'
          '<path d="M-30,-16 l-4,-5 M30,-16 l4,-5 M-20,-32 l-4,-4 M20,-32 l4,-4 M0,-48 L0,-58" stroke="%s" stroke-width="1.4"/>'
          '<path d="M-4,0 L-4,-10 L0,-14 L4,-10 L4,0 Z" fill="%s"/>'
          '<path d="M-16,-4 v-8 M-10,-4 v-8 M10,-4 v-8 M16,-4 v-8" stroke="%s" stroke-width="1.6"/></g>'
          % (S.at(x, y, s / 58), c, S.lin([lighten(r, 0.2), shade(r, 0.7)]), shade(r, 0.9), gold, gold, shade(c, 0.7)))


@motif("willow")
def willow(S, x, y, h=90):
    """A weeping willow with long hanging strands of new green."""
    x, y, h = float(x), float(y), float(h)
    k = h / 90
    trunk = S.lit("#6a4a32")
    leaf_c = S.lit("#9ad05a")
    rng = random.Random(int(x * 3 + S.code))
    strands = []
    for i in range(26):
        sx = rng.uniform(-30, 30)
        sy = -70 + abs(sx) * 0.5 + rng.uniform(-4, 4)
        L = rng.uniform(30, 55)
        strands.append('<path d="M%s,%s q%s,%s %s,%s" />' % (n(sx), n(sy), n(sx * 0.2), n(L * 0.5), n(sx * 0.15 + rng.uniform(-3, 3)), n(L)))
    S.add('<g transform="%s"><path d="M-3,0 C-2,-20 -4,-40 -1,-62 L2,-62 C3,-40 2,-20 4,0 Z" fill="%s"/>'
          '<path d="M0,-50 Q-16,-70 -28,-66 M0,-56 Q14,-74 28,-66" stroke="%s" stroke-width="1.6" fill="none"/>'
          '<ellipse cx="0" cy="-64" rx="30" ry="12" fill="%s"/><g stroke="%s" stroke-width="1.6" fill="none" stroke-linecap="round">%s</g></g>'
          % (S.at(x, y, k), trunk, trunk, S.lin([lighten(leaf_c, 0.2), leaf_c]), leaf_c, "".join(strands)))


@motif("zeppole")
def zeppole(S, x, y, s=60):
    """A plate of ring pastries with cream and a cherry on each."""
    x, y, s = float(x), float(y), float(s)
    dough = S.lit("#dc9a4a")

    def one(cx, cy, k):
        return ('<g transform="translate(%s,%s) scale(%s)"><ellipse cx="0" cy="0" rx="12" ry="6" fill="%s"/><ellipse cx="0" cy="-2" rx="5" ry="2.4" fill="#fff6e0"/>'
                '<circle cx="0" cy="-4" r="2" fill="#c8203a"/><ellipse cx="-6" cy="-2" rx="2" ry="1" fill="#ffffff" opacity="0.7"/></g>'
                % (n(cx), n(cy), n(k), S.rad([lighten(dough, 0.3), dough, shade(dough, 0.7)], 0.5, 0.4, 0.6)))
    S.add('<g transform="%s"><ellipse cx="0" cy="-3" rx="28" ry="6" fill="%s"/>%s%s%s</g>'
          % (S.at(x, y, s / 60), S.lit("#e8ecf4"), one(-12, -8, 0.9), one(12, -8, 0.9), one(0, -15, 1.0)))


# ================================================================ autumn

@motif("cave")
def cave(S, animals="#c8602a"):
    """The inside of a cave: rock framing the picture, and animals painted in ochre on its wall."""
    W, H = S.W, S.H
    rock = S.lin(["#4a3a30", "#7a6048", "#5a4434"])
    wall = S.rad(["#e8c898", "#c89a68", "#6a4a34"], 0.5, 0.55, 0.7)
    c = S.col(animals)
    S.add('<rect width="%d" height="%d" fill="%s"/>' % (W, H, wall))
    S.add('<path d="M0,0 L%d,0 L%d,%d L0,%d Z M0,%s C16,%s 10,%s 30,%s C50,%s 80,%s 100,%s C118,%s 112,%s %d,%s L%d,%d L0,%d Z" fill="%s" fill-rule="evenodd"/>'
          % (W, W, H, H, n(H * 0.98), n(H * 0.6), n(H * 0.3), n(H * 0.18), n(H * 0.1), n(H * 0.12), n(H * 0.2), n(H * 0.35), n(H * 0.7), W, n(H * 0.98), W, H, H, rock))
    bull = ('<path d="M-14,0 C-14,-8 -6,-11 4,-10 C8,-14 12,-14 14,-11 L12,-9 C14,-6 12,-2 10,-1 L10,6 L8,6 L7,1 C2,2 -4,2 -8,1 L-9,6 L-11,6 L-12,1 C-14,0 -15,-2 -14,0 Z '
            'M12,-14 Q15,-18 19,-17 M10,-14 Q8,-19 11,-21" fill="%s" stroke="%s" stroke-width="1"/>' % (c, c))
    horse_ = '<path d="M-10,0 C-8,-6 4,-7 7,-5 L10,-10 L13,-9 L11,-3 L10,5 L8,5 L7,0 L-5,0 L-7,5 L-9,5 Z M-10,0 L-14,3" fill="%s" stroke="%s" stroke-width="0.8"/>' % ("#3a2418", "#3a2418")
    hands = "".join('<circle cx="%s" cy="%s" r="1.1" fill="%s" opacity="0.7"/>' % (n(20 + i * 3), n(H * 0.6 + (i % 2) * 3), c) for i in range(4))
    S.add('<g transform="translate(%s,%s) scale(1.6)">%s</g><g transform="translate(%s,%s) scale(1.3)">%s</g>%s'
          % (n(W * 0.55), n(H * 0.42), bull, n(W * 0.36), n(H * 0.66), horse_, hands))


@motif("goose")
def goose(S, x, y, s=30, color="#f4f0e6"):
    """A white goose standing; y is its feet."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color) if S.time != "day" else S.col(color)
    S.add('<g transform="%s"><path d="M-2,0 L-2,-6 M3,0 L3,-6" stroke="#f09a30" stroke-width="1.2"/>'
          '<path d="M-14,-14 C-12,-20 2,-22 6,-14 C8,-18 8,-26 10,-30 C11,-33 15,-33 16,-30 L20,-29 L16,-27 C14,-24 12,-18 12,-12 C12,-6 4,-5 -2,-6 C-8,-7 -14,-9 -16,-12 Z" fill="%s"/>'
          '<circle cx="14" cy="-30.5" r="0.8" fill="#1a1a20"/><path d="M-10,-14 C-4,-18 2,-16 4,-12" stroke="%s" stroke-width="0.8" fill="none"/></g>'
          % (S.at(x, y, s / 34), S.lin([lighten(c, 0.3), shade(c, 0.8)]), shade(c, 0.7)))


@motif("spinningwheel")
def spinning_wheel(S, x, y, s=50):
    """A simple hand spinning wheel, as spun in village homes."""
    x, y, s = float(x), float(y), float(s)
    w = S.lit("#a0703e")
    spokes = "".join('<path d="M0,-20 L%s,%s" />' % (n(14 * math.cos(math.radians(a))), n(-20 + 14 * math.sin(math.radians(a)))) for a in range(0, 360, 30))
    S.add('<g transform="%s"><rect x="-26" y="-4" width="52" height="4" fill="%s"/><path d="M-2,-4 L0,-20 L2,-4" stroke="%s" stroke-width="1.6"/>'
          '<circle cx="0" cy="-20" r="14" fill="none" stroke="%s" stroke-width="1.8"/><g stroke="%s" stroke-width="0.7">%s</g>'
          '<path d="M14,-20 L24,-12 M24,-12 L24,-4" stroke="%s" stroke-width="0.6"/><ellipse cx="22" cy="-12" rx="3" ry="1.6" fill="#f4ecd8"/></g>'
          % (S.at(x, y, s / 40), shade(w, 0.8), shade(w, 0.8), w, w, spokes, "#e8e0d0"))


@motif("letter")
def letter(S, x, y, s=30, angle=0, stamp="red"):
    """An envelope with a stamp and a wax seal; (x, y) is its centre."""
    x, y, s = float(x), float(y), float(s)
    paper = S.lit("#f4ecd8") if S.time == "night" else "#f8f2e2"
    S.add('<g transform="%s"><rect x="-16" y="-10" width="32" height="20" rx="1" fill="%s"/><path d="M-16,-10 L0,3 L16,-10" fill="none" stroke="%s" stroke-width="0.8"/>'
          '<rect x="8" y="-8" width="6" height="7" fill="%s"/><rect x="9" y="-7" width="4" height="5" fill="none" stroke="#ffffff" stroke-width="0.4"/>'
          '<circle cx="0" cy="3" r="2.4" fill="%s"/></g>'
          % (S.at(x, y, s / 32, float(angle)), S.lin([paper, shade(paper, 0.85)]), shade(paper, 0.6), S.col(stamp), S.col("crimson")))


@motif("postbox")
def postbox(S, x, y, h=50, color="red"):
    """A round-topped pillar box for letters."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit(color) if S.time != "day" else S.col(color)
    S.add('<g transform="%s"><rect x="-12" y="-4" width="24" height="4" fill="%s"/><path d="M-10,-4 L-10,-40 C-10,-50 10,-50 10,-40 L10,-4 Z" fill="%s"/>'
          '<rect x="-11" y="-42" width="22" height="3" fill="%s"/><rect x="-6" y="-34" width="12" height="2.4" rx="1" fill="#1a1a20"/>'
          '<rect x="-4" y="-26" width="8" height="6" fill="#f4ecd8"/></g>'
          % (S.at(x, y, h / 50), shade(c, 0.6), S.lin([shade(c, 0.7), lighten(c, 0.25), shade(c, 0.65)], 0, 0, 1, 0), shade(c, 0.75)))


@motif("shield")
def shield(S, x, y, s=30, color="red", color2="gold", angle=0):
    """A kite-shaped shield painted in two colours; (x, y) is its centre."""
    x, y, s = float(x), float(y), float(s)
    c, c2 = S.col(color), S.col(color2)
    clip = S.uid("s")
    shape = "M-10,-14 Q0,-17 10,-14 Q11,0 0,18 Q-11,0 -10,-14 Z"
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, shape))
    S.add('<g transform="%s"><path d="%s" fill="%s"/><g clip-path="url(#%s)"><path d="M-12,-20 L0,-20 L0,20 L-12,20 Z" fill="%s"/><path d="M-12,-4 L12,4 L12,8 L-12,0 Z" fill="%s"/></g>'
          '<path d="%s" fill="none" stroke="%s" stroke-width="1.2"/><circle r="2" fill="%s"/></g>'
          % (S.at(x, y, s / 34, float(angle)), shape, c, clip, shade(c, 0.8), c2, shape, S.lit("#d8ccb0"), S.lit("#d8ccb0")))


@motif("arrows")
def arrows(S, count=6, angle=200):
    rng = random.Random(S.code * 103)
    out = []
    for i in range(int(count)):
        px = rng.uniform(20, S.W - 10)
        py = rng.uniform(S.horizon + 30, S.H - 30)
        a = float(angle) + rng.uniform(-6, 6)
        out.append('<g transform="translate(%s,%s) rotate(%s)"><path d="M-10,0 L10,0" stroke="#2a2a30" stroke-width="0.8"/><path d="M10,0 L7,-1.5 L7,1.5 Z" fill="#2a2a30"/>'
                   '<path d="M-10,0 l-2,-2 M-10,0 l-2,2" stroke="#f4ecd8" stroke-width="0.8"/></g>' % (n(px), n(S.Y(py)), n(-a)))
    S.add("".join(out))


@motif("statue")
def liberty_statue(S, x, y, h=120, color="#6ab0a0"):
    """A robed figure on a pedestal holding a torch high and a tablet in the other arm."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit(color)
    stone = S.lit("#c8b898")
    paint = S.lin([lighten(c, 0.25), c, shade(c, 0.7)], 0, 0, 1, 0)
    S.add('<g transform="%s"><path d="M-16,0 L-12,-30 L12,-30 L16,0 Z" fill="%s"/><rect x="-14" y="-36" width="28" height="6" fill="%s"/>'
          '<path d="M-8,-36 C-9,-50 -8,-64 -5,-74 L5,-74 C8,-64 9,-50 8,-36 Z" fill="%s"/>'
          '<path d="M4,-72 L8,-98 L11,-97 L8,-70 Z" fill="%s"/><path d="M7,-98 L13,-98 L12,-102 L8,-102 Z" fill="%s"/>'
          '<circle cx="10" cy="-106" r="7" fill="%s"/><path d="M10,-101 C7,-104 9,-107 10,-111 C11,-107 13,-104 10,-101 Z" fill="#ffd040"/>'
          '<circle cx="0" cy="-78" r="4.5" fill="%s"/><path d="M-5,-80 L-8,-85 M-3,-82 L-4,-88 M0,-83 L0,-89 M3,-82 L4,-88 M5,-80 L8,-85" stroke="%s" stroke-width="1.2"/>'
          '<path d="M-7,-62 L-12,-58 L-10,-50 L-5,-54 Z" fill="%s"/></g>'
          % (S.at(x, y, h / 112), S.lin([lighten(stone, 0.2), shade(stone, 0.75)], 0, 0, 1, 0), shade(stone, 0.9), paint, c, S.col("gold"),
             S.glow("#ffb040", 0.6), c, c, shade(c, 0.8)))


@motif("turnip")
def turnip_lantern(S, x, y, s=24):
    """A hollowed turnip lantern with a carved face glowing from inside."""
    x, y, s = float(x), float(y), float(s)
    body = S.rad(["#fff4e0", "#f0d8c8", "#b88aa0"], 0.45, 0.35, 0.75)
    S.add('<g transform="%s"><circle cx="0" cy="-12" r="20" fill="%s"/><path d="M-12,-10 C-13,-20 -6,-24 0,-24 C6,-24 13,-20 12,-10 C11,-2 6,2 0,2 C-6,2 -11,-2 -12,-10 Z" fill="%s"/>'
          '<path d="M-12,-14 C-6,-18 6,-18 12,-14 C10,-22 6,-24 0,-24 C-6,-24 -10,-22 -12,-14 Z" fill="#9a5a9a"/>'
          '<path d="M-6,-12 L-3,-15 L-1,-11 Z M6,-12 L3,-15 L1,-11 Z M-6,-6 Q0,-1 6,-6 L4,-5 L2,-3 L0,-5 L-2,-3 L-4,-5 Z" fill="#ffc850"/>'
          '<path d="M0,2 L0,5 M-1,2 q-2,3 -4,3" stroke="#c8a890" stroke-width="0.8" fill="none"/></g>'
          % (S.at(x, y, s / 24), S.glow("#ffb040", 0.45), body))


@motif("island")
def island(S, x, y=None, w=60, palms=2):
    """A low island on the horizon with palm trees."""
    x = float(x)
    y = S.horizon if y is None else float(y)
    w = float(w)
    c = S.lit("#d8c08a")
    S.add('<path d="M%s,%s Q%s,%s %s,%s Z" fill="%s"/>' % (n(x - w / 2), n(S.Y(y)), n(x), n(S.Y(y + 10)), n(x + w / 2), n(S.Y(y)), c))
    for i in range(int(palms)):
        palm(S, x - w * 0.15 + i * w * 0.22, y + 4, 26 - i * 6, lean=6 - i * 10)


@motif("firelight")
def firelight(S, color="#ff6a20"):
    """A red glow of fire rising from behind the horizon and colouring the sky."""
    c = S.col(color)
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>' % (n(S.Y(S.horizon + 110)), S.W, n(110), S.lin([(0, c, 0), (0.7, c, 0.4), (1, "#ffb040", 0.7)])))


@motif("flames")
def flames(S, y=None, count=6):
    """A line of tall flames and smoke over the rooftops."""
    y = S.horizon if y is None else float(y)
    rng = random.Random(S.code * 107)
    paint = S.rad(["#fffbe0", "#ffd040", "#ff7a20", "#c02a10"], 0.5, 0.9, 0.9)
    out = []
    smoke = []
    for i in range(int(count)):
        px = (i + 0.5) * S.W / int(count) + rng.uniform(-5, 5)
        h = rng.uniform(20, 40)
        w = rng.uniform(8, 13)
        out.append('<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="%s"/>' % (
            n(px - w), n(S.Y(y - 4)), n(px - w), n(S.Y(y + h * 0.5)), n(px - 2), n(S.Y(y + h * 0.6)), n(px + rng.uniform(-3, 3)), n(S.Y(y + h)),
            n(px + 2), n(S.Y(y + h * 0.6)), n(px + w), n(S.Y(y + h * 0.5)), n(px + w), n(S.Y(y - 4)), paint))
        smoke.append('<circle cx="%s" cy="%s" r="%s"/>' % (n(px + 8), n(S.Y(y + h + 20)), n(rng.uniform(10, 16))))
    S.add('<g fill="#3a2a2e" opacity="0.55">%s</g>%s' % ("".join(smoke), "".join(out)))


@motif("orion")
def orion(S, x=64, y=160, s=1.0):
    """The constellation of Orion: shoulders, belt of three and feet, joined by faint lines."""
    x, y, s = float(x), float(y), float(s)
    pts = {"a": (-14, 22), "b": (14, 20), "c": (-4, 0), "d": (0, 1), "e": (4, 2), "f": (-12, -22), "g": (14, -20)}
    lines = [("a", "c"), ("b", "e"), ("c", "f"), ("e", "g"), ("c", "d"), ("d", "e"), ("a", "b")]
    path = " ".join("M%s,%s L%s,%s" % (n(x + pts[p][0] * s), n(S.Y(y + pts[p][1] * s)), n(x + pts[q][0] * s), n(S.Y(y + pts[q][1] * s))) for p, q in lines)
    S.add('<path d="%s" stroke="#8a9ac8" stroke-width="0.5" opacity="0.6"/>' % path)
    for k, (px, py) in pts.items():
        col = "#ffb080" if k == "a" else "#c8d8ff"
        S.add(sparkle_svg(S, x + px * s, S.Y(y + py * s), 3.2 if k in "ag" else 2.2, col))


# ================================================================ November and December

@motif("gravelight")
def grave_light(S, x, y, s=16, color="#e83a3a"):
    """A candle in a coloured glass, as set out on graves; y is its base."""
    x, y, s = float(x), float(y), float(s)
    c = S.col(color)
    S.add('<g transform="%s"><circle cx="0" cy="-12" r="14" fill="%s"/><path d="M-5,0 L-6,-14 L6,-14 L5,0 Z" fill="%s" opacity="0.9"/>'
          '<rect x="-6.5" y="-16" width="13" height="2.5" fill="%s"/><path d="M0,-9 C-2,-11 -1,-13 0,-16 C1,-13 2,-11 0,-9 Z" fill="#fff4b0"/></g>'
          % (S.at(x, y, s / 16), S.glow(c, 0.45), S.lin([lighten(c, 0.45), c, shade(c, 0.7)], 0, 0, 1, 0), S.lit("#c8ccd8")))


@motif("gravelights")
def grave_lights(S, count=9, low=4, high=30, colors="#e83a3a,#f0a030,#f4e6c0,#e83a3a"):
    rng = random.Random(S.code * 109)
    cols = str(colors).split(",")
    items = sorted(((rng.uniform(float(low), float(high)), rng.uniform(8, S.W - 8), rng.choice(cols)) for i in range(int(count))), reverse=True)
    for yy, xx, c in items:
        grave_light(S, xx, yy, 14 - yy * 0.15, c)


@motif("skull")
def sugar_skull(S, x, y, s=30):
    """A decorated sugar skull, smiling; (x, y) is its centre."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M-12,-2 C-12,-16 12,-16 12,-2 C12,4 8,6 7,10 L-7,10 C-8,6 -12,4 -12,-2 Z" fill="%s"/>'
          '<circle cx="-5" cy="-1" r="3.6" fill="#3ab0c8"/><circle cx="5" cy="-1" r="3.6" fill="#3ab0c8"/><circle cx="-5" cy="-1" r="1.5" fill="#1a1a20"/><circle cx="5" cy="-1" r="1.5" fill="#1a1a20"/>'
          '<path d="M0,3 L-1.5,6 L1.5,6 Z" fill="#e84a6a"/><path d="M-5,9 L5,9 M-3,8 v2.5 M0,8 v2.5 M3,8 v2.5" stroke="#1a1a20" stroke-width="0.7"/>'
          '<path d="M-4,-9 Q0,-12 4,-9" stroke="#e84a6a" stroke-width="1.4" fill="none"/><circle cx="0" cy="-10" r="1.4" fill="#f0c040"/>'
          '<circle cx="-9" cy="-6" r="1" fill="#8ad050"/><circle cx="9" cy="-6" r="1" fill="#8ad050"/></g>'
          % (S.at(x, y, s / 26), S.rad(["#ffffff", "#f4ecf0", "#d8ccd8"], 0.45, 0.35, 0.7)))


@motif("pharaoh")
def pharaoh_mask(S, x, y, s=60):
    """A golden funerary mask with a striped headdress; y is its chin."""
    x, y, s = float(x), float(y), float(s)
    gold = "#f2c552"
    blue = "#2a4a9a"
    stripes = "".join('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="2"/>' % (n(-20 + i * 0.2), n(-36 + i * 4), n(-13), n(-36 + i * 4 + 1), blue) for i in range(8))
    stripes += "".join('<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="2"/>' % (n(20 - i * 0.2), n(-36 + i * 4), n(13), n(-36 + i * 4 + 1), blue) for i in range(8))
    S.add('<g transform="%s"><circle cx="0" cy="-26" r="34" fill="%s"/>'
          '<path d="M-24,4 L-20,-40 C-16,-56 16,-56 20,-40 L24,4 Z" fill="%s"/>%s'
          '<path d="M-12,-32 C-12,-46 12,-46 12,-32 L12,-14 C12,-4 6,0 0,0 C-6,0 -12,-4 -12,-14 Z" fill="%s"/>'
          '<path d="M-9,-28 L-3,-28 M3,-28 L9,-28" stroke="#1a1a30" stroke-width="2" stroke-linecap="round"/>'
          '<path d="M-10,-31 L-2,-31 M2,-31 L10,-31" stroke="%s" stroke-width="1"/><path d="M0,-26 L-2,-17 L2,-17 Z" fill="#d8a030"/>'
          '<path d="M-3,-11 Q0,-9 3,-11" stroke="#a06a20" stroke-width="1" fill="none"/><path d="M-2,0 L-2,8 L2,8 L2,0 Z" fill="%s"/>'
          '<path d="M-3,-48 C-3,-54 3,-54 3,-48 Z" fill="#e04a2a"/></g>'
          % (S.at(x, y, s / 60), S.glow("#ffc850", 0.35), S.lin([lighten(gold, 0.4), gold, shade(gold, 0.7)], 0, 0, 1, 0), stripes,
             S.lin([lighten(gold, 0.5), gold, shade(gold, 0.75)], 0, 0, 1, 0), blue, blue))


@motif("pyramids")
def pyramids(S, y=None, color="#d8b070"):
    y = S.horizon if y is None else float(y)
    c = S.lit(color)
    out = []
    for px, w, h in ((30, 50, 34), (86, 70, 46), (116, 30, 20)):
        out.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/><path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
            n(px - w / 2), n(S.Y(y)), n(px), n(S.Y(y + h)), n(px + w / 2), n(S.Y(y)), c,
            n(px), n(S.Y(y + h)), n(px + w / 2), n(S.Y(y)), n(px + w * 0.1), n(S.Y(y)), shade(c, 0.75)))
    S.add("".join(out))


@motif("xray")
def xray(S, x, y, s=60):
    """A glowing screen showing the bones of a hand, as in the first X-ray picture."""
    x, y, s = float(x), float(y), float(s)
    bone = "#e8f4ff"
    fingers = ""
    for i, (fx, L, a) in enumerate(((-9, 20, -14), (-3, 25, -4), (3, 26, 3), (9, 23, 10), (-15, 14, -40))):
        fingers += '<g transform="translate(%s,-12) rotate(%s)"><path d="M0,0 L0,%s" stroke="%s" stroke-width="2.2" stroke-linecap="round" stroke-dasharray="%s 1.4"/></g>' % (
            n(fx), n(a), n(-L), bone, n(L / 3.3))
    S.add('<g transform="%s"><rect x="-30" y="-60" width="60" height="60" rx="3" fill="#14202e" stroke="%s" stroke-width="2"/>'
          '<rect x="-28" y="-58" width="56" height="56" fill="%s"/><g transform="translate(0,-6)">'
          '<path d="M-12,0 C-14,-6 -12,-12 -10,-14 L10,-14 C12,-12 13,-6 10,0 Z" fill="#6a9ac8" opacity="0.35"/>'
          '<path d="M-4,0 L-5,10 M3,0 L4,10" stroke="%s" stroke-width="2.4"/>%s'
          '<circle cx="3" cy="-28" r="2" fill="none" stroke="#ffe070" stroke-width="1.2"/></g></g>'
          % (S.at(x, y, s / 60), S.lit("#8a8a98"), S.rad(["#5ab0c8", "#1a4a6a", "#0a1a2a"], 0.5, 0.5, 0.7), bone, fingers))


@motif("wall")
def wall(S, y=0, h=34, color="#b8b4ac", graffiti=1):
    """A long concrete wall across the picture, painted with bright colours."""
    y, h = float(y), float(h)
    c = S.lit(color)
    segs = "".join('<path d="M%s,%s v%s" />' % (n(i * 14), n(S.Y(y + h)), n(h)) for i in range(1, int(S.W / 14) + 1))
    paint = ""
    if int(graffiti):
        rng = random.Random(S.code * 113)
        for i in range(6):
            gx = rng.uniform(4, S.W - 20)
            gy = y + rng.uniform(6, h - 8)
            col = rng.choice(("#e84a6a", "#f0c040", "#4ab0e0", "#6ac050", "#c870e0"))
            paint += '<path d="M%s,%s q5,-8 10,0 t10,0" stroke="%s" stroke-width="2.4" fill="none" stroke-linecap="round"/>' % (n(gx), n(S.Y(gy)), col)
    S.add('<rect x="-2" y="%s" width="%d" height="%s" fill="%s"/><rect x="-2" y="%s" width="%d" height="4" rx="2" fill="%s"/>'
          '<g stroke="%s" stroke-width="0.6">%s</g>%s'
          % (n(S.Y(y + h)), S.W + 4, n(h), S.lin([lighten(c, 0.1), shade(c, 0.8)]), n(S.Y(y + h + 3)), S.W + 4, lighten(c, 0.1), shade(c, 0.7), segs, paint))


@motif("harp")
def harp(S, x, y, s=60):
    """A tall harp with golden frame and strings."""
    x, y, s = float(x), float(y), float(s)
    gold = S.col("gold")
    strings = "".join('<path d="M%s,%s L%s,-6" />' % (n(-10 + i * 2.6), n(-52 + i * 2.2 + (i * i) * 0.1), n(-12 + i * 2.8)) for i in range(10))
    S.add('<g transform="%s"><path d="M-14,0 L-10,-56 C-6,-62 4,-58 10,-50 C16,-42 18,-34 22,-30 L18,-26 L-6,-4 Z" fill="none" stroke="%s" stroke-width="3" stroke-linejoin="round"/>'
          '<g stroke="#f4ecd8" stroke-width="0.5">%s</g><rect x="-18" y="-4" width="22" height="4" fill="%s"/></g>'
          % (S.at(x, y, s / 60), S.lin([lighten(gold, 0.4), shade(gold, 0.6)], 0, 0, 1, 0), strings, shade(gold, 0.7)))


@motif("tortoise")
def tortoise(S, x, y, s=40):
    """A giant tortoise with a domed shell."""
    x, y, s = float(x), float(y), float(s)
    shell = S.lit("#7a6a4a")
    skin = S.lit("#8a8a78")
    plates = "".join('<path d="M%s,-10 L%s,-18 L%s,-10" />' % (n(-12 + i * 8), n(-8 + i * 8), n(-4 + i * 8)) for i in range(3))
    S.add('<g transform="%s"><path d="M-14,0 L-14,-4 M10,0 L10,-4 M-6,0 L-6,-3 M4,0 L4,-3" stroke="%s" stroke-width="3.5" stroke-linecap="round"/>'
          '<path d="M14,-8 C20,-10 24,-16 28,-14 C30,-13 30,-10 27,-9 C22,-8 18,-5 14,-5 Z" fill="%s"/><circle cx="26.5" cy="-12.5" r="0.8" fill="#1a1a20"/>'
          '<path d="M-18,-4 C-18,-18 -8,-24 0,-24 C10,-24 18,-16 18,-4 Z" fill="%s"/><g stroke="%s" stroke-width="0.8" fill="none">%s</g></g>'
          % (S.at(x, y, s / 44), skin, skin, S.rad([lighten(shell, 0.3), shell, shade(shell, 0.7)], 0.45, 0.3, 0.8), shade(shell, 0.55), plates))


@motif("contrails")
def contrails(S, color="#ffffff"):
    """Two white trails crossing the sky in a great X."""
    c = S.col(color)
    paint = S.lin([(0, c, 0.2), (0.5, c, 0.9), (1, c, 0.2)])
    top = S.Y(S.H - 20)
    bot = S.Y(S.horizon + 20)
    S.add('<path d="M6,%s L%d,%s" stroke="%s" stroke-width="3.2" stroke-linecap="round"/>'
          '<path d="M%d,%s L6,%s" stroke="%s" stroke-width="3.2" stroke-linecap="round"/>'
          % (n(top + 30), S.W - 6, n(bot), paint, S.W - 6, n(top + 30), n(bot), paint))


@motif("advent")
def advent_calendar(S, x, y, s=80, open_=1):
    """A little house-shaped calendar with numbered doors; door 1 open and lit."""
    x, y, s = float(x), float(y), float(s)
    red = S.col("#c8303a")
    doors = []
    k = 0
    for r in range(4):
        for c in range(4):
            k += 1
            dx, dy = -19 + c * 10, -46 + r * 11
            if k == 1 and int(open_):
                doors.append('<rect x="%s" y="%s" width="7" height="8" fill="#ffe090"/><path d="M%s,%s l-4,1 l0,8 l4,-1 Z" fill="#f4ecd8"/>' % (n(dx), n(dy), n(dx), n(dy)))
            else:
                doors.append('<rect x="%s" y="%s" width="7" height="8" fill="#f4ecd8" stroke="%s" stroke-width="0.4"/><text x="%s" y="%s" font-family="DejaVu Sans, Liberation Sans, sans-serif" font-size="5" text-anchor="middle" fill="%s">%d</text>'
                             % (n(dx), n(dy), shade(red, 0.6), n(dx + 3.5), n(dy + 6), shade(red, 0.7), (k * 7) % 24 + 1))
    S.add('<g transform="%s"><rect x="-24" y="-52" width="48" height="52" fill="%s"/><path d="M-28,-50 L0,-70 L28,-50 Z" fill="%s"/>'
          '<circle cx="0" cy="-58" r="4" fill="#ffe090"/>%s</g>'
          % (S.at(x, y, s / 70), S.lin([lighten(red, 0.15), shade(red, 0.8)]), shade(red, 0.75), "".join(doors)))


@motif("vase")
def vase_branch(S, x, y, s=60, blossom="#fff0f4"):
    """A glass vase holding a cherry branch in blossom; y is the vase's foot."""
    x, y, s = float(x), float(y), float(s)
    br = S.lit("#5a3a2a") if S.time == "day" else "#6a4a3a"
    rng = random.Random(int(x + S.code * 5))
    flowers_ = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(px + rng.uniform(-2, 2)), n(py + rng.uniform(-2, 2)), n(rng.uniform(1.4, 2.2)), rng.choice((S.col(blossom), "#f8c8d8", "#ffffff")))
                       for px, py in [(-14 + t * 6, -40 - t * 5) for t in range(5)] + [(4 + t * 4, -44 - t * 6) for t in range(5)] + [(0, -30 - t * 4) for t in range(3)])
    S.add('<g transform="%s"><path d="M0,-14 L-16,-42 M-8,-27 L-12,-36 M0,-14 L2,-40 L18,-70 M2,-40 L10,-48 M0,-14 L0,-42" stroke="%s" stroke-width="1.6" fill="none" stroke-linecap="round"/>%s'
          '<path d="M-6,0 C-10,-6 -9,-14 -4,-18 L4,-18 C9,-14 10,-6 6,0 Z" fill="%s" stroke="#e0f0ff" stroke-width="0.8" stroke-opacity="0.8"/></g>'
          % (S.at(x, y, s / 70), br, flowers_, S.lin([(0, "#c8e8ff", 0.45), (1, "#6aa0c8", 0.6)])))


@motif("boot")
def boot(S, x, y, s=30, color="#8a3a2a", filled=1):
    """A child's boot set out for the saint, filled with an orange and sweets."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color) if S.time != "day" else S.col(color)
    fill = ""
    if int(filled):
        fill = ('<circle cx="-2" cy="-30" r="5" fill="%s"/><path d="M4,-28 l6,-8 l2,1 l-6,8 Z" fill="#e84a6a"/><rect x="-9" y="-32" width="4" height="6" fill="#f0c040" transform="rotate(-15 -7 -29)"/>'
                % S.rad(["#ffd080", "#f08a20", "#c85a10"], 0.4, 0.35, 0.7))
    S.add('<g transform="%s">%s<path d="M-8,-28 L8,-28 L8,-8 L18,-6 C22,-5 22,0 18,0 L-8,0 Z" fill="%s"/><rect x="-9" y="-30" width="18" height="4" fill="%s"/></g>'
          % (S.at(x, y, s / 30), fill, S.lin([lighten(c, 0.2), shade(c, 0.7)]), shade(c, 0.7)))


@motif("mitre")
def mitre(S, x, y, s=30):
    """A bishop's tall pointed mitre with a cross; (x, y) is its base centre."""
    x, y, s = float(x), float(y), float(s)
    S.add('<g transform="%s"><path d="M-10,0 L-12,-20 Q-6,-30 0,-36 Q6,-30 12,-20 L10,0 Z" fill="%s"/>'
          '<path d="M0,-36 L0,0 M-11,-4 L11,-4" stroke="%s" stroke-width="2"/><path d="M0,-26 v8 M-3,-22 h6" stroke="%s" stroke-width="1.2"/></g>'
          % (S.at(x, y, s / 36), S.lin(["#ffffff", "#e0d8c8"]), S.col("gold"), S.col("crimson")))


@motif("biplane")
def biplane(S, x, y, s=60, color="#e8dcc0"):
    """An early biplane with two long wings and a spinning propeller; (x, y) is its centre."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color) if S.time != "day" else S.col(color)
    struts = "".join('<path d="M%s,-6 L%s,4" />' % (n(px), n(px)) for px in (-26, -14, 14, 26))
    S.add('<g transform="%s"><rect x="-34" y="-8" width="68" height="3" rx="1.5" fill="%s"/><rect x="-34" y="3" width="68" height="3" rx="1.5" fill="%s"/>'
          '<g stroke="%s" stroke-width="0.8">%s</g><path d="M-4,-1 L-30,0 L-30,2 L-4,3 Z M-30,-4 L-36,-4 L-36,6 L-30,6 Z" fill="%s"/>'
          '<rect x="-3" y="-4" width="6" height="9" fill="%s"/><circle cx="-1" cy="-6.5" r="1.8" fill="#3a3030"/>'
          '<ellipse cx="6" cy="0.5" rx="1.2" ry="7" fill="#ffffff" opacity="0.5"/><path d="M-10,6 L-8,11 M10,6 L8,11" stroke="%s" stroke-width="0.8"/>'
          '<circle cx="-8" cy="11" r="1.6" fill="#3a3030"/><circle cx="8" cy="11" r="1.6" fill="#3a3030"/></g>'
          % (S.at(x, y, s / 72, -6), c, shade(c, 0.9), S.lit("#6a4a32"), struts, shade(c, 0.85), S.lit("#8a6a44"), S.lit("#6a4a32")))


@motif("kinara")
def kinara(S, x, y, s=80, colors="crimson,crimson,crimson,#2a2a30,green,green,green"):
    """A wooden candle holder with seven candles in a row, the middle one highest."""
    x, y, s = float(x), float(y), float(s)
    k = s / 80
    cols = str(colors).split(",")
    wood = S.lit("#8a5a30") if S.time == "day" else "#8a5a30"
    S.add('<g transform="%s"><rect x="-36" y="-14" width="72" height="6" rx="2" fill="%s"/><path d="M-8,-8 L8,-8 L12,0 L-12,0 Z" fill="%s"/>'
          '<g fill="%s">%s</g></g>'
          % (S.at(x, y, k), S.lin([lighten(wood, 0.25), shade(wood, 0.7)]), shade(wood, 0.8), shade(wood, 0.9),
             "".join('<rect x="%s" y="%s" width="6" height="%s"/>' % (n(-33 + i * 10.5), n(-14 - (6 - abs(i - 3) * 2)), n(6 - abs(i - 3) * 2)) for i in range(7))))
    for i in range(7):
        top = y + (14 + 6 - abs(i - 3) * 2) * k
        candle(S, x + (-30 + i * 10.5) * k, top, 20 * k, cols[i % len(cols)])


@motif("projector")
def projector(S, x, y, s=50, beam_to=None):
    """A hand-cranked film projector on a stand, throwing a beam of light to the left."""
    x, y, s = float(x), float(y), float(s)
    k = s / 50
    metal = "#4a4a56"
    beam = ""
    if beam_to is not None:
        bx = float(beam_to)
        beam = '<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (n(x - 16 * k), n(S.Y(y + 34 * k)), n(bx), n(S.Y(y + 62 * k)), n(bx), n(S.Y(y + 18 * k)),
                                                              S.lin([(0, "#fff4d0", 0.15), (1, "#fff4d0", 0.55)], 1, 0, 0, 0))
    S.add(beam + '<g transform="%s"><path d="M-8,0 L0,-24 L8,0 M0,-24 L0,0" stroke="%s" stroke-width="1.6" fill="none"/>'
          '<rect x="-12" y="-38" width="22" height="14" rx="2" fill="%s"/><circle cx="-6" cy="-44" r="7" fill="none" stroke="%s" stroke-width="1.6"/>'
          '<circle cx="6" cy="-44" r="7" fill="none" stroke="%s" stroke-width="1.6"/><rect x="-18" y="-35" width="7" height="7" fill="%s"/>'
          '<path d="M10,-31 L16,-27 L16,-23" stroke="%s" stroke-width="1.2" fill="none"/></g>'
          % (S.at(x, y, k), S.lit("#6a4a32"), metal, metal, metal, "#2a2a30", metal))


@motif("screen")
def film_screen(S, x, y, w=60, h=40, scene="train"):
    """A white screen showing a little black-and-grey film picture (a train arriving); (x, y) is its bottom left."""
    x, y, w, h = float(x), float(y), float(w), float(h)
    X, Y = x, S.Y(y + h)
    train = ('<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="#5a5a60"/><rect x="%s" y="%s" width="%s" height="%s" fill="#2a2a30"/>'
             '<circle cx="%s" cy="%s" r="%s" fill="#d8d8dc"/><path d="M%s,%s q4,-6 10,-4" stroke="#a8a8b0" stroke-width="%s" fill="none"/>'
             % (n(X + w * 0.05), n(Y + h * 0.95), n(X + w * 0.45), n(Y + h * 0.6), n(X + w * 0.95), n(Y + h * 0.6), n(X + w * 0.95), n(Y + h * 0.95),
                n(X + w * 0.3), n(Y + h * 0.45), n(w * 0.22), n(h * 0.3), n(X + w * 0.38), n(Y + h * 0.6), n(h * 0.07),
                n(X + w * 0.35), n(Y + h * 0.4), n(h * 0.06)))
    S.add('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/><rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>%s'
          % (n(X - 2), n(Y - 2), n(w + 4), n(h + 4), "#3a3038", n(X), n(Y), n(w), n(h), S.lin(["#f8f6f0", "#c8c4c0"]), train))


@motif("morse")
def morse(S, x, y, code="-- .-- --.", color="gold", angle=0):
    """A line of Morse dots and dashes, glowing, as if travelling along a wire; '_' is a space."""
    x, y = float(x), float(y)
    c = S.col(color)
    parts = []
    px = 0.0
    for ch in str(code).replace("_", " "):
        if ch == ".":
            parts.append('<circle cx="%s" cy="0" r="1.3"/>' % n(px + 1.3))
            px += 4.2
        elif ch == "-":
            parts.append('<rect x="%s" y="-1.3" width="6" height="2.6" rx="1.3"/>' % n(px))
            px += 8.6
        else:
            px += 4
    S.add('<g transform="%s"><ellipse cx="%s" cy="0" rx="%s" ry="6" fill="%s"/><g fill="%s">%s</g></g>'
          % (S.at(x, y, 1, float(angle)), n(px / 2), n(px / 2 + 6), S.glow(c, 0.3), lighten(c, 0.3), "".join(parts)))


@motif("king")
def king(S, x, y, h=30, robe="crimson", crown="gold", gift=1):
    """A walking figure in a long robe, crowned, carrying a gift."""
    x, y, h = float(x), float(y), float(h)
    r = S.col(robe)
    c = S.col(crown)
    skin = "#e0b890" if S.time == "day" else "#8a7068"
    robe_p = S.lin([lighten(r, 0.2), shade(r, 0.65)])
    parts = ['<path d="M-6,0 L-4,-20 Q0,-23 4,-20 L7,0 Z" fill="%s"/>' % robe_p,
             '<circle cx="0" cy="-24.5" r="3.4" fill="%s"/>' % skin,
             '<path d="M-3.4,-27 L-3.4,-31 L-1.7,-29 L0,-32 L1.7,-29 L3.4,-31 L3.4,-27 Z" fill="%s"/>' % c,
             '<path d="M3,-18 L8,-13" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % shade(r, 0.8)]
    if int(gift):
        parts.append('<rect x="7" y="-16" width="5" height="5" rx="1" fill="%s"/><path d="M7,-13.5 h5" stroke="#ffffff" stroke-width="0.6"/>' % c)
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, h / 32), "".join(parts)))


# ---------------------------------------------------------------- people, and things for particular days

def _flame(S, x, y, k=1.0, glow=1):
    """A small candle flame with its halo at (x, y) in local units (drawn by the caller's group)."""
    halo = '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(x), n(y), n(5 * k), S.glow("#ffd070", 0.7)) if glow else ""
    return halo + ('<path d="M%s,%s q%s,%s 0,%s q%s,%s 0,%s Z" fill="#ffd860"/><circle cx="%s" cy="%s" r="%s" fill="#fff8d8"/>'
                   % (n(x), n(y + 1.2 * k), n(-1.2 * k), n(-1.4 * k), n(-3 * k), n(1.2 * k), n(1.6 * k), n(3 * k),
                      n(x), n(y + 0.4 * k), n(0.45 * k)))


@motif("person")
def person(S, x, y, h=50, robe="#3a4a6a", skin="#f0c8a8", hair="#5a3a24", view="front", hat="none", hold="none",
           sash=None, cape=None, beard=0, back=None, legs="#2a2a38", glow=0, flip=0):
    """A person with a face: front view in a long robe (a girl's gown, a bishop's vestments) or side
    view walking (legs, coat, something stuck on the back). hat: none, candles, mitre; hold: none,
    candle, crozier, point; back: a colour for a paper fish on the back (side view). glow=1 keeps
    the colours as if lit by the person's own candles."""
    x, y, h = float(x), float(y), float(h)
    col = S.col if int(glow) else S.lit
    rc, sk, hc = col(robe), col(skin), col(hair)
    dk = "#2a2028"
    p = []
    if view == "side":
        lc = col(legs)
        p.append('<path d="M-1,-42 L-6,-29" stroke="%s" stroke-width="2.8" stroke-linecap="round"/>' % shade(rc, 0.7))
        p.append('<path d="M-0.5,-24 L-3,-13 L-6.5,-1.5 M0.5,-24 L3.5,-13 L5,-1.5" stroke="%s" stroke-width="3.4" fill="none" stroke-linecap="round" stroke-linejoin="round"/>' % lc)
        p.append('<path d="M-9,-0.2 C-9,-2.4 -4,-3 -4.2,-0.2 Z M3.4,-0.2 C3.4,-3 8.4,-2.4 8.4,-0.2 Z" fill="%s"/>' % dk)
        p.append('<path d="M-5,-44 C-7,-37 -7.5,-28 -6.5,-21 L6,-21 C6.5,-29 6.5,-38 4.5,-44 Q0,-46.5 -5,-44 Z" fill="%s"/>'
                 % S.lin([lighten(rc, 0.15), rc, shade(rc, 0.75)], 0, 0, 1, 0))
        if back:
            fc = S.col(back)
            p.append('<g transform="translate(-6.6,-34) rotate(-8)"><path d="M0,-6 C3,-3 3,3 0,5.5 C-3,3 -3,-3 0,-6 Z M0,5 L-2.6,8.5 L2.6,8.5 Z" fill="%s" stroke="%s" stroke-width="0.4"/>'
                     '<circle cx="0.6" cy="-3" r="0.6" fill="%s"/><path d="M-1.6,0 Q0,1 1.6,0 M-1.6,2 Q0,3 1.6,2" stroke="%s" stroke-width="0.4" fill="none"/>'
                     '<rect x="-2.4" y="-7.2" width="4.8" height="1.6" fill="#f4f0e0" opacity="0.9" transform="rotate(10)"/></g>'
                     % (fc, shade(fc, 0.6), dk, shade(fc, 0.6)))
        arm = "M1,-42 L8,-40" if hold == "point" else "M1,-42 L6,-29"
        p.append('<path d="%s" stroke="%s" stroke-width="2.8" stroke-linecap="round"/>' % (arm, rc))
        hx, hy = (9, -40) if hold == "point" else (6.4, -28)
        p.append('<circle cx="%s" cy="%s" r="1.5" fill="%s"/>' % (n(hx), n(hy), sk))
        p.append('<rect x="-1.4" y="-47.5" width="3" height="4" fill="%s"/>' % shade(sk, 0.9))
        p.append('<circle cx="0.6" cy="-51" r="5.2" fill="%s"/>' % S.rad([lighten(sk, 0.2), sk, shade(sk, 0.85)], 0.6, 0.4, 0.7))
        p.append('<path d="M5.5,-51 l1.3,1.6 l-1.5,0.4 Z" fill="%s"/>' % sk)
        p.append('<path d="M-4.8,-49.5 C-6.4,-56 0,-58.4 4.8,-54.4 C2.6,-54.4 0,-53.6 -1.2,-51 C-1.8,-49 -2.8,-47.4 -4.8,-49.5 Z" fill="%s"/>' % hc)
        p.append('<circle cx="3.2" cy="-51.4" r="0.65" fill="%s"/><path d="M3,-47.8 Q4,-47.2 4.8,-47.9" stroke="%s" stroke-width="0.5" fill="none"/>' % (dk, shade(sk, 0.6)))
    else:
        if hold == "crozier":
            p.append('<path d="M11,0 L11,-62 C11,-68.5 18.5,-68.5 18.5,-63 C18.5,-60 15.5,-60 15.5,-62.5" stroke="%s" stroke-width="1.5" fill="none" stroke-linecap="round"/>' % S.col("gold"))
        p.append('<ellipse cx="-4" cy="-0.4" rx="3" ry="1.3" fill="%s"/><ellipse cx="4" cy="-0.4" rx="3" ry="1.3" fill="%s"/>' % (dk, dk))
        p.append('<path d="M-7,-44 C-9,-30 -12,-12 -13,-1 Q0,1 13,-1 C12,-12 9,-30 7,-44 Q0,-46.5 -7,-44 Z" fill="%s"/>'
                 % S.lin([lighten(rc, 0.2), rc, shade(rc, 0.8)], 0, 0, 1, 0))
        p.append('<path d="M-3,-30 L-5.5,-2 M3,-30 L5.5,-2 M0,-28 L0,-1" stroke="%s" stroke-width="0.5" fill="none" opacity="0.6"/>' % shade(rc, 0.75))
        if cape:
            cc = col(cape)
            p.append('<path d="M-7.6,-44 C-11,-30 -13,-14 -13.4,-5 L-6,-5 C-5,-20 -3,-36 0,-44 C3,-36 5,-20 6,-5 L13.4,-5 C13,-14 11,-30 7.6,-44 Q0,-47 -7.6,-44 Z" fill="%s" stroke="%s" stroke-width="0.8"/>'
                     % (S.lin([lighten(cc, 0.15), cc, shade(cc, 0.7)], 0, 0, 1, 0), S.col("gold")))
        if sash:
            p.append('<path d="M-9.4,-29.5 Q0,-27.5 9.4,-29.5 L9.8,-26.5 Q0,-24.5 -9.8,-26.5 Z" fill="%s"/>' % col(sash))
        if hold in ("candle", "none"):
            for sgn in (-1, 1):
                if hold == "candle":
                    d = "M%s,-44 C%s,-40 %s,-33 %s,-31 L%s,-34 C%s,-35 %s,-39 %s,-42 Z" % (
                        n(7 * sgn), n(11 * sgn), n(10 * sgn), n(3 * sgn), n(2 * sgn), n(6 * sgn), n(6.5 * sgn), n(5 * sgn))
                else:
                    d = "M%s,-44 C%s,-38 %s,-30 %s,-24 L%s,-24 C%s,-30 %s,-36 %s,-41 Z" % (
                        n(7 * sgn), n(10 * sgn), n(11 * sgn), n(11 * sgn), n(8.5 * sgn), n(8.5 * sgn), n(7.5 * sgn), n(5 * sgn))
                p.append('<path d="%s" fill="%s"/>' % (d, shade(rc, 0.9)))
            hands = ((-1.8, -32.5), (1.8, -32.5)) if hold == "candle" else ((-9.8, -23.5), (9.8, -23.5))
        else:
            p.append('<path d="M-7,-44 C-10,-38 -11,-30 -11,-24 L-8.5,-24 C-8.5,-30 -7.5,-36 -5,-41 Z M7,-44 C10,-42 11,-38 11,-33 L8.6,-33 C8.6,-37 7.6,-39 5,-41 Z" fill="%s"/>' % shade(cape and col(cape) or rc, 0.9))
            hands = ((-9.8, -23.5), (10.6, -33))
        for hx, hy in hands:
            p.append('<circle cx="%s" cy="%s" r="1.6" fill="%s"/>' % (n(hx), n(hy), sk))
        if hold == "candle":
            p.append('<rect x="-0.9" y="-40" width="1.8" height="7.5" fill="#f8f2e0"/>' + _flame(S, 0, -41.5, 1.1))
        p.append('<rect x="-1.6" y="-47" width="3.2" height="4" fill="%s"/>' % shade(sk, 0.9))
        p.append('<path d="M-5.8,-52 C-7.5,-48 -8,-45 -8.8,-42.4 L-5,-43.2 L-4,-47 Z M5.8,-52 C7.5,-48 8,-45 8.8,-42.4 L5,-43.2 L4,-47 Z" fill="%s"/>' % hc)
        p.append('<circle cx="0" cy="-51" r="5.5" fill="%s"/>' % S.rad([lighten(sk, 0.2), sk, shade(sk, 0.85)], 0.45, 0.4, 0.7))
        p.append('<path d="M-5.6,-51.5 C-6,-57.6 6,-57.6 5.6,-51.5 C3,-54.6 -3,-54.6 -5.6,-51.5 Z" fill="%s"/>' % hc)
        p.append('<circle cx="-2" cy="-50.6" r="0.6" fill="%s"/><circle cx="2" cy="-50.6" r="0.6" fill="%s"/>' % (dk, dk))
        p.append('<circle cx="-3.2" cy="-48.8" r="1" fill="#f08080" opacity="0.35"/><circle cx="3.2" cy="-48.8" r="1" fill="#f08080" opacity="0.35"/>')
        if int(beard):
            bc = col("#f4f0ea")
            p.append('<path d="M-5.2,-50 C-5.4,-44 -2.4,-40.4 0,-40 C2.4,-40.4 5.4,-44 5.2,-50 C3.4,-47.2 -3.4,-47.2 -5.2,-50 Z" fill="%s"/>'
                     '<path d="M-2.6,-48.4 Q0,-49.4 2.6,-48.4 Q0,-47.6 -2.6,-48.4 Z" fill="%s"/>' % (bc, shade(bc, 0.9)))
        else:
            p.append('<path d="M-1.2,-48.2 Q0,-47.3 1.2,-48.2" stroke="%s" stroke-width="0.5" fill="none"/>' % shade(sk, 0.6))
        if hat == "candles":
            p.append('<ellipse cx="0" cy="-56.4" rx="6.4" ry="1.7" fill="%s"/>' % col("#3a7a48"))
            p.append("".join('<circle cx="%s" cy="-56" r="0.55" fill="#e03040"/>' % n(bx) for bx in (-5, -1.2, 3.4)))
            for cx_, ch in ((-4.6, 4.6), (-2.3, 5.4), (0, 6), (2.3, 5.4), (4.6, 4.6)):
                p.append('<rect x="%s" y="%s" width="1.2" height="%s" fill="#fbf6e8"/>' % (n(cx_ - 0.6), n(-56.6 - ch), n(ch)))
                p.append(_flame(S, cx_, -58 - ch, 0.8, glow=1))
        elif hat == "mitre":
            p.append('<path d="M-5.4,-54.6 L-6.4,-61 Q-3,-65.5 0,-70 Q3,-65.5 6.4,-61 L5.4,-54.6 Z" fill="%s"/>'
                     '<path d="M0,-70 L0,-54.6 M-5.8,-56 L5.8,-56" stroke="%s" stroke-width="1.2"/><path d="M0,-66 v4.4 M-1.7,-64 h3.4" stroke="%s" stroke-width="0.8"/>'
                     % (S.lin([col("#fbf8f0"), col("#e0d6c0")]), S.col("gold"), S.col("crimson")))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, h / 60, 0, bool(int(flip))), "".join(p)))


@motif("horse")
def horse(S, x, y, s=40, color="#6a4028", rider=None, flip=0):
    """A galloping horse on four legs (with a rider in colours when rider=colour); y is the ground."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    far = shade(c, 0.68)
    hoof = shade(c, 0.35)
    def leg(pts, colour):
        d = "M" + " L".join("%s,%s" % (n(a), n(b)) for a, b in pts)
        ex, ey = pts[-1]
        return ('<path d="%s" stroke="%s" stroke-width="2.7" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'
                '<ellipse cx="%s" cy="%s" rx="1.6" ry="1.1" fill="%s"/>' % (d, colour, n(ex), n(ey), hoof))
    parts = [leg(((-8, -14), (-5, -7), (-7, -1)), far), leg(((6, -14), (5, -7), (3, -1)), far),
             '<path d="M-15,-21 C-20,-22 -24,-18 -26,-11 C-22,-14 -19,-16.5 -14.5,-17.5 Z" fill="%s"/>' % shade(c, 0.55),
             '<path d="M-15,-22 C-12,-27 6,-27.5 11,-23.5 C14,-20.5 13.5,-14.5 9.5,-12.5 C2,-10.5 -8,-10.5 -13,-12 C-17,-14 -18,-19 -15,-22 Z" fill="%s"/>'
             % S.lin([lighten(c, 0.2), c, shade(c, 0.78)]),
             '<path d="M7,-24 C10,-28 14,-32 17,-35 C18,-36.5 20,-37 21.5,-36 L26.2,-31 C27.2,-29.8 26.2,-28.2 25,-28.6 L20,-30.4 C17,-27 15,-22 12,-17.5 Z" fill="%s"/>'
             % S.lin([lighten(c, 0.2), c]),
             '<path d="M18.6,-36 L18.4,-39.6 L20.6,-36.6 Z" fill="%s"/>' % shade(c, 0.7),
             '<path d="M17.6,-35.6 C14,-33 10,-29 6.6,-24.4 L9.6,-24.6 C12,-28.5 15,-32 18.6,-34.6 Z" fill="%s"/>' % shade(c, 0.5),
             '<circle cx="21" cy="-33.4" r="0.7" fill="#1a1410"/>',
             leg(((-10, -14), (-13, -7), (-18, -2)), c), leg(((8, -15), (13.5, -10), (17.5, -7)), c)]
    if rider:
        r = S.col(rider)
        parts.append('<g transform="translate(0,-2)"><path d="M-2,-24 L-1,-32 C0,-36 4,-37 5,-33 L5,-26 L8,-22 L6,-21 L2,-24 Z" fill="%s"/><circle cx="3" cy="-38" r="2.8" fill="%s"/>'
                     '<path d="M0,-40 C1,-43 6,-43 6,-39 Z" fill="%s"/></g>' % (r, S.lit("#e8c8a8"), shade(r, 0.8)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 40, 0, bool(int(flip))), "".join(parts)))


@motif("tiger")
def tiger(S, x, y, s=50, flip=0):
    """A tiger walking through the grass, seen from the side; y is the ground, s its length."""
    x, y, s = float(x), float(y), float(s)
    o = S.lit("#e8842a")
    far = shade(o, 0.7)
    ink = "#1e1610"
    body = ("M-24,-26 C-14,-30.5 8,-30.5 16,-27.5 C20,-26 22,-22 22,-18 C22,-14 18,-12 14,-12 L-18,-12 "
            "C-24,-12 -28,-16 -28,-20 C-28,-23 -27,-25 -24,-26 Z")
    clip = S.uid("t")
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, body))
    stripes = "".join('<path d="M%s,-31 q2.4,5 -0.6,10 M%s,-12 q-1.8,-3 0.4,-6" />' % (n(sx), n(sx + 1.6)) for sx in range(-22, 16, 5))
    p = ['<path d="M-16,-14 L-14,-1 M12,-14 L10,-1" stroke="%s" stroke-width="4.4" stroke-linecap="round"/>' % far,
         '<path d="M-27,-22 C-36,-22 -38,-12 -33,-6" stroke="%s" stroke-width="2.8" fill="none" stroke-linecap="round"/>'
         '<path d="M-27,-22 C-36,-22 -38,-12 -33,-6" stroke="%s" stroke-width="2.9" fill="none" stroke-dasharray="1.6 3.2"/>' % (o, ink),
         '<path d="%s" fill="%s"/>' % (body, S.lin([lighten(o, 0.25), o, shade(o, 0.8)])),
         '<g clip-path="url(#%s)"><path d="M-26,-11 C-12,-15 6,-15 22,-11 L22,-8 L-26,-8 Z" fill="%s"/>'
         '<g stroke="%s" stroke-width="1.5" fill="none" stroke-linecap="round">%s</g></g>' % (clip, S.lit("#f6eee0"), ink, stripes),
         '<path d="M-20,-14 L-22,-7 L-18,-1 M16,-14 L18,-1" stroke="%s" stroke-width="4.6" fill="none" stroke-linecap="round" stroke-linejoin="round"/>' % o,
         '<path d="M-22,-6 l1.4,-0.6 M18,-5 l1.6,0 M-16,-6 l1.4,0" stroke="%s" stroke-width="1" />' % ink,
         '<ellipse cx="-17.6" cy="-0.6" rx="2.8" ry="1.3" fill="%s"/><ellipse cx="19" cy="-0.6" rx="2.8" ry="1.3" fill="%s"/>' % (o, o),
         '<circle cx="21" cy="-33.6" r="2.4" fill="%s"/><circle cx="21" cy="-33.6" r="1.1" fill="%s"/>' % (o, ink),
         '<path d="M17.6,-30 C19.6,-35.4 30,-35.4 32,-30.4 C34,-26 33.4,-20.6 28.4,-18.6 C24,-17.4 19,-19 17.6,-23 Z" fill="%s"/>'
         % S.rad([lighten(o, 0.25), o, shade(o, 0.8)], 0.5, 0.4, 0.7),
         '<path d="M24,-22.4 C27,-24.6 32.6,-24.2 33.2,-21.4 C32.8,-19.4 29.6,-18.2 26.4,-18.6 C24.6,-19 23.6,-20.6 24,-22.4 Z M18,-25 C19.4,-22 21.4,-20.4 23.4,-20 L19.6,-19 Z" fill="%s"/>' % S.lit("#f6eee0"),
         '<path d="M31.6,-24.8 L33.6,-24 L32.6,-22.6 Z" fill="#3a2a2a"/>',
         '<ellipse cx="27.2" cy="-27.6" rx="1.5" ry="1.1" fill="#f0d040"/><ellipse cx="27.4" cy="-27.6" rx="0.4" ry="1" fill="%s"/>' % ink,
         '<path d="M22,-33 q1.4,2.6 0,5 M25,-34.4 q1,2 0,3.6 M19.2,-26.6 q2,0.4 3.4,2 M30.6,-30.4 q-1.6,0.6 -2.2,1.8" stroke="%s" stroke-width="1" fill="none" stroke-linecap="round"/>' % ink]
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 70, 0, bool(int(flip))), "".join(p)))


@motif("montgolfier")
def montgolfier(S, x, y, s=90, color="#2a4a9a", trim="gold"):
    """The tall early balloon, blue with gold garlands, its open cage showing a sheep, a duck and a
    rooster; y is the envelope's middle, s its whole height."""
    x, y, s = float(x), float(y), float(s)
    c, g = S.col(color), S.col(trim)
    env = "M0,-34 C16,-34 23,-22 22,-8 C21,4 12,12 8,18 L-8,18 C-12,12 -21,4 -22,-8 C-23,-22 -16,-34 0,-34 Z"
    clip = S.uid("m")
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, env))
    garland = " ".join("M%s,-20 q3,4 6,0" % n(gx) for gx in range(-24, 24, 6))
    dots = "".join('<circle cx="%s" cy="-27" r="1" fill="%s"/>' % (n(dx), g) for dx in range(-12, 13, 6))
    ww = S.lit("#c89a58")
    p = ['<path d="%s" fill="%s"/>' % (env, S.lin([lighten(c, 0.2), c, shade(c, 0.7)], 0, 0, 1, 0)),
         '<g clip-path="url(#%s)"><rect x="-25" y="-6" width="50" height="3" fill="%s"/><rect x="-25" y="7" width="50" height="2" fill="%s"/>'
         '<path d="%s" stroke="%s" stroke-width="1.2" fill="none"/>%s'
         '<path d="%s" fill="%s"/></g>' % (clip, g, g, garland, g, dots, env,
                                         S.rad([(0, "#ffffff", 0.3), (0.5, "#ffffff", 0), (1, "#000000", 0.3)], 0.35, 0.3, 0.8)),
         '<rect x="-8.5" y="17" width="17" height="3" rx="1" fill="%s"/>' % g,
         '<path d="M-8,20 L-14,30 M8,20 L14,30 M-3,20 L-5,30 M3,20 L5,30" stroke="%s" stroke-width="0.6"/>' % S.lit("#5a4a40"),
         # the passengers, heads over the rail: sheep, duck, rooster
         '<g transform="translate(0,30) scale(1.45) translate(0,-30)">'
         '<circle cx="-7.5" cy="29" r="2.4" fill="#f4f0e6"/><circle cx="-5" cy="28.4" r="2.4" fill="#f4f0e6"/><ellipse cx="-3.6" cy="29.4" rx="1.6" ry="2" fill="#3a3030"/>',
         '<circle cx="1.4" cy="28.6" r="1.9" fill="#f8f4ec"/><path d="M3,28.4 l2.4,0.6 l-2.4,0.8 Z" fill="#f0a030"/><circle cx="1.8" cy="28" r="0.45" fill="#1a1410"/>',
         '<circle cx="7.4" cy="28.4" r="1.9" fill="#c8742a"/><path d="M6,26.6 q0.6,-1.6 1.2,-0.4 q0.6,-1.4 1.2,-0.2 q0.8,-1 1,0.6 Z" fill="#e02a2a"/>'
         '<path d="M9.1,28.2 l1.8,0.5 l-1.8,0.6 Z" fill="#f0c040"/><path d="M8.2,29.6 q0.4,1.4 -0.4,1.6" stroke="#e02a2a" stroke-width="0.8" fill="none"/></g>',
         '<rect x="-14" y="30" width="28" height="9" rx="1" fill="%s"/><path d="M-14,32.8 h28 M-14,35.8 h28 M-7,30 v9 M0,30 v9 M7,30 v9" stroke="%s" stroke-width="0.6"/>'
         % (ww, shade(ww, 0.7)),
         '<rect x="-14.6" y="29.2" width="29.2" height="1.6" rx="0.8" fill="%s"/>' % shade(ww, 0.8)]
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 72), "".join(p)))


@motif("palace")
def palace(S, x, y, s=120, color="#e8dcc4", roof="#6a7088"):
    """A long palace front seen across its courtyard: wings, a central block and rows of tall windows;
    s is its width."""
    x, y, s = float(x), float(y), float(s)
    c, r = S.lit(color), S.lit(roof)
    lit = S.time in ("night", "dusk")
    win = "#ffd070" if lit else shade(S.lit("#5a6a8a"), 0.9)
    p = ['<path d="M-60,-18 L-58,-24 L58,-24 L60,-18 Z" fill="%s"/>' % r,
         '<rect x="-60" y="-18" width="120" height="18" fill="%s"/>' % S.lin([lighten(c, 0.1), shade(c, 0.85)]),
         '<path d="M-16,-28 L-14,-36 L14,-36 L16,-28 Z" fill="%s"/><rect x="-16" y="-28" width="32" height="28" fill="%s"/>' % (r, lighten(c, 0.05)),
         '<path d="M-16,-28 L0,-33 L16,-28 Z" fill="%s"/>' % shade(c, 0.9)]
    for wx in range(-56, 57, 6):
        if -16 <= wx <= 14:
            continue
        p.append('<rect x="%s" y="-15" width="2.6" height="6" fill="%s"/><rect x="%s" y="-7" width="2.6" height="5" fill="%s"/>' % (n(wx), win, n(wx), win))
    for wx in range(-13, 14, 5):
        p.append('<rect x="%s" y="-24" width="2.4" height="8" rx="1.2" fill="%s"/><rect x="%s" y="-12" width="2.4" height="8" rx="1.2" fill="%s"/>' % (n(wx), win, n(wx), win))
    p.append('<rect x="-62" y="-1.6" width="124" height="1.6" fill="%s"/>' % shade(c, 0.7))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 120), "".join(p)))


@motif("patang")
def patang(S, x, y, s=20, color="red", color2="gold", angle=0, sx=None, sy=None):
    """A square fighter kite flown corner up, with a small tail; (x, y) its centre. With sx, sy its
    string runs down to that point (the flyer's hand)."""
    x, y, s = float(x), float(y), float(s)
    c, c2 = S.col(color), S.col(color2)
    if sx is not None and sy is not None:
        S.add('<path d="M%s,%s Q%s,%s %s,%s" stroke="#f4f0e0" stroke-width="0.5" fill="none" opacity="0.8"/>'
              % (n(x), n(S.Y(y - s * 0.25)), n((x + float(sx)) / 2 + 6), n(S.Y((y + float(sy)) / 2 - 4)), n(float(sx)), n(S.Y(float(sy)))))
    S.add('<g transform="%s"><path d="M0,-10 L10,0 L0,10 L-10,0 Z" fill="%s"/><path d="M0,-10 L10,0 L0,10 Z" fill="%s"/>'
          '<circle cx="0" cy="0" r="3" fill="%s"/><path d="M0,-10 L0,10 M-10,0 Q0,-5 10,0" stroke="%s" stroke-width="0.6" fill="none"/>'
          '<path d="M0,9 L-2.6,13.6 L2.6,13.6 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 20, float(angle)), c, c2, c, shade(c, 0.5), c2))


@motif("rooftops")
def rooftops(S, heights="30,44,26,38,50,34", colors="#e8b878,#e89a8a,#8ac8c0,#f0e0c8,#d8a0c0,#c8d890", y=0):
    """Flat-roofed city houses side by side, with parapets, water tanks and stair huts; the roof of
    house i (of n, left to right) is at height heights[i] and its middle at x = W * (i + 0.5) / n."""
    hs = [float(v) for v in str(heights).split(",")]
    cols = [c for c in str(colors).split(",")]
    y = float(y)
    w = S.W / float(len(hs))
    rng = random.Random(S.code * 31 + 5)
    for i, h in enumerate(hs):
        c = S.lit(cols[i % len(cols)])
        x0 = i * w - 0.5
        top = y + h
        p = ['<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (n(x0), n(S.Y(top)), n(w + 1), n(h), S.lin([lighten(c, 0.12), shade(c, 0.85)], 0, 0, 1, 0)),
             '<rect x="%s" y="%s" width="%s" height="2.4" fill="%s"/>' % (n(x0 - 0.5), n(S.Y(top + 2.4)), n(w + 2), shade(c, 0.8))]
        if i % 3 == 1:
            p.append('<rect x="%s" y="%s" width="7" height="6" fill="%s"/><rect x="%s" y="%s" width="2.4" height="4" fill="%s"/>'
                     % (n(x0 + w - 9), n(S.Y(top + 8)), shade(c, 0.9), n(x0 + w - 7), n(S.Y(top + 6)), shade(c, 0.55)))
        elif i % 3 == 2:
            p.append('<rect x="%s" y="%s" width="6" height="5" rx="1.5" fill="%s"/>' % (n(x0 + 2.5), n(S.Y(top + 7.4)), S.lit("#3a3a44")))
        for row in range(int((h - 6) // 10)):
            for k in range(2):
                wx = x0 + w * (0.26 + 0.38 * k) - 1.5
                wy = top - 8 - row * 10
                p.append('<path d="M%s,%s v-4 a1.6,1.6 0 0 1 3.2,0 v4 Z" fill="%s"/>' % (n(wx), n(S.Y(wy - 5)), shade(c, 0.5)))
        if rng.random() < 0.5:
            p.append('<path d="M%s,%s h%s" stroke="%s" stroke-width="1.2" stroke-dasharray="2 1.4"/>' % (n(x0 + 2), n(S.Y(top - 5)), n(w - 4), S.lit("#e84a6a")))
        S.add("".join(p))


@motif("grill")
def grill(S, x, y, s=50, fish=5):
    """A street grill on legs, glowing charcoal under a grid with sardines laid across it, and
    smoke rising; s is its width."""
    x, y, s = float(x), float(y), float(s)
    metal = S.lit("#4a4a52")
    p = ['<path d="M-20,-16 L-23,0 M20,-16 L23,0 M-12,-16 L-13,0 M12,-16 L13,0" stroke="%s" stroke-width="1.6"/>' % metal,
         '<path d="M-25,-24 L25,-24 L22,-15 L-22,-15 Z" fill="%s"/>' % S.lin([lighten(metal, 0.2), shade(metal, 0.7)]),
         '<path d="M-25,-24 L25,-24 L21,-38 L-21,-38 Z" fill="%s"/>' % S.lin(["#a02a10", "#f05a20", "#ffd070"]),
         '<ellipse cx="0" cy="-31" rx="30" ry="12" fill="%s"/>' % S.glow("#ff8030", 0.45),
         '<path d="M-25,-24 L-21,-38 M-15,-24 L-12.6,-38 M-5,-24 L-4.2,-38 M5,-24 L4.2,-38 M15,-24 L12.6,-38 M25,-24 L21,-38 '
         'M-24,-27.5 H24 M-23,-31 H23 M-22,-34.5 H22" stroke="%s" stroke-width="0.6"/>' % S.lit("#5a5a62")]
    count = int(fish)
    for i in range(count):
        row, col = i // 2, i % 2
        fx = -10 + col * 20 - row * 1.5 + (row % 2) * 3
        fy = -27 - row * 4.2
        k = 1 - row * 0.08
        p.append('<g transform="translate(%s,%s) rotate(%s) scale(%s)"><path d="M-8,0 C-5,-2.2 4,-2.4 7,-0.4 L10,-2.6 L9.4,0 L10,2.6 L7,0.4 C4,2.4 -5,2.2 -8,0 Z" fill="%s"/>'
                 '<path d="M-6,-0.9 C-2,-1.9 3,-1.9 6.6,-0.7" stroke="%s" stroke-width="1" fill="none"/><circle cx="-6" cy="-0.3" r="0.55" fill="#1a1a24"/>'
                 '<path d="M-2,-1.5 l1,2.6 M2,-1.7 l1,2.8" stroke="#3a2a20" stroke-width="0.6"/></g>'
                 % (n(fx), n(fy), n(-4 + ((i * 5) % 3) * 4), n(k * 1.15), S.lin(["#f0f4f8", "#a8b8c8", "#6a7a8a"]), S.lit("#3a5a7a")))
    for k, sx in enumerate((-10, 4, 16)):
        p.append('<path d="M%s,-34 C%s,-42 %s,-48 %s,-58" stroke="#e8e4f0" stroke-width="%s" fill="none" stroke-linecap="round" opacity="0.35"/>'
                 % (n(sx), n(sx - 5), n(sx + 5), n(sx - 2), n(3 - k * 0.5)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 50), "".join(p)))


@motif("basil")
def basil(S, x, y, s=16):
    """A little pot of basil with a paper carnation on a stick; y is the pot's foot."""
    x, y, s = float(x), float(y), float(s)
    g = S.lit("#4a9a3a")
    S.add('<g transform="%s"><path d="M-5,-7 L5,-7 L4,0 L-4,0 Z" fill="%s"/><rect x="-5.6" y="-8" width="11.2" height="1.8" fill="%s"/>'
          '<circle cx="-2.6" cy="-10" r="3" fill="%s"/><circle cx="2.6" cy="-10.4" r="3" fill="%s"/><circle cx="0" cy="-12.6" r="3.2" fill="%s"/>'
          '<path d="M2,-12 L4,-19" stroke="%s" stroke-width="0.5"/><circle cx="4.2" cy="-19.6" r="2.2" fill="%s"/><rect x="2.4" y="-17.4" width="4.4" height="2.6" fill="#f8f4ec" transform="rotate(-12 4.6 -16)"/></g>'
          % (S.at(x, y, s / 20), S.lit("#c8643a"), S.lit("#d8784a"), shade(g, 0.85), g, lighten(g, 0.15), S.lit("#6a8a4a"), S.col("red")))


@motif("watchtower")
def watchtower(S, x, y, h=70, lamp=1):
    """A concrete border watchtower with its cabin and a searchlight."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit("#a8a49c")
    glass = "#ffd070" if S.time in ("night", "dusk") else S.lit("#6a7a8a")
    beam = ""
    if int(lamp):
        beam = '<path d="M8,-55 L60,-20 L60,0 Z" fill="%s" opacity="0.25"/>' % S.lin([(0, "#f0f4ff", 0.9), (1, "#f0f4ff", 0)], 0, 0, 1, 0)
    S.add('<g transform="%s">%s<rect x="-4" y="-46" width="8" height="46" fill="%s"/>'
          '<rect x="-8" y="-58" width="16" height="12" fill="%s"/><rect x="-6.5" y="-56" width="13" height="5" fill="%s"/>'
          '<rect x="-9" y="-60" width="18" height="2.4" fill="%s"/><rect x="6.5" y="-57" width="3" height="3" fill="#f0f4ff"/></g>'
          % (S.at(x, y, h / 60), beam, S.lin([lighten(c, 0.1), shade(c, 0.75)], 0, 0, 1, 0), c, glass, shade(c, 0.7)))


@motif("passagetomb")
def passage_tomb(S, x, y, s=120, sunx=None, suny=None):
    """A great round grassy mound faced with white quartz, ringed by kerbstones, its entrance with a
    roof-box slot above and the carved entrance stone before it; with sunx, suny a shaft of the
    rising sun runs from there into the slot. s is its width."""
    x, y, s = float(x), float(y), float(s)
    k = s / 120
    rng = random.Random(S.code * 17)
    grass, quartz, stone = S.lit("#6a9a4a"), S.lit("#eeeee8"), S.lit("#8a8a90")
    p = ['<path d="M-62,-2 C-56,-26 -30,-44 0,-45 C30,-44 56,-26 62,-2 Z" fill="%s"/>' % S.lin([lighten(grass, 0.15), shade(grass, 0.8)]),
         '<path d="M-48,-2 C-44,-14 -24,-22 0,-22.5 C24,-22 44,-14 48,-2 Z" fill="%s"/>' % S.lin([quartz, shade(quartz, 0.85)])]
    pebbles = []
    for i in range(40):
        px = rng.uniform(-42, 42)
        top = -2 - 20.5 * (1 - (px / 48.0) ** 2)
        py = rng.uniform(top + 1.5, -3)
        pebbles.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(px), n(py), n(rng.uniform(0.6, 1.2)), shade(stone, rng.uniform(0.7, 1.0))))
    p.append("".join(pebbles))
    p.append("".join('<rect x="%s" y="-4.4" width="%s" height="4.4" rx="1.8" fill="%s"/>' % (n(kx), n(6.6), shade(stone, 0.8 + 0.12 * ((i * 7) % 3 - 1)))
                     for i, kx in enumerate(range(-60, 58, 7)) if not -9 < kx < 3))
    p.append('<rect x="-3.6" y="-15" width="7.2" height="13" fill="#141018"/><rect x="-5.6" y="-16.8" width="11.2" height="2" fill="%s"/>'
             '<rect x="-2.8" y="-19.8" width="5.6" height="2.4" fill="#141018"/><rect x="-4.8" y="-21.4" width="9.6" height="1.8" fill="%s"/>' % (shade(stone, 0.9), shade(stone, 0.9)))
    spiral = "M0,0 a1,1 0 0 1 2,0 a2,2 0 0 1 -4,0 a3,3 0 0 1 6,0"
    p.append('<g transform="translate(0,2)"><path d="M-14,0 C-14,-8.4 14,-8.4 14,0 Z" fill="%s"/><g stroke="%s" stroke-width="0.7" fill="none">'
             '<path transform="translate(-7,-3.2) scale(0.8)" d="%s"/><path transform="translate(1.4,-3.2) scale(0.8)" d="%s"/><path transform="translate(8,-2) scale(0.55)" d="%s"/></g></g>'
             % (S.lin([lighten(stone, 0.4), shade(stone, 0.9)]), shade(stone, 0.45), spiral, spiral, spiral))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(p)))
    if sunx is not None and suny is not None:
        tx, ty = x, y + 18.6 * k
        S.add('<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/><rect x="%s" y="%s" width="%s" height="%s" fill="#ffd870"/>'
              '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
              % (n(float(sunx)), n(S.Y(float(suny) + 6)), n(tx - 2 * k), n(S.Y(ty)), n(float(sunx)), n(S.Y(float(suny) - 6)),
                 S.lin([(0, "#ffe0a0", 0.55), (1, "#ffd070", 0.15)], 0, 0, 1, 0), n(tx - 2.4 * k), n(S.Y(ty + 1 * k)), n(4.8 * k), n(2 * k),
                 n(tx), n(S.Y(ty)), n(6 * k), S.glow("#ffd070", 0.8)))


@motif("oxcart")
def oxcart(S, x, y, s=60, color="#2a2226", leaves="#4a9a4a"):
    """A court carriage on two great wheels, its roof hung with heart-shaped leaves, drawn by a
    black ox; y is the ground, s its whole length."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    gold = S.col("gold")
    lc = S.lit(leaves)
    ox = S.lit("#3a3034")
    leaf = "".join('<path transform="translate(%s,%s) rotate(%s)" d="M0,0 C-2.4,-2 -2.4,-4.6 0,-3.6 C2.4,-4.6 2.4,-2 0,0 Z" fill="%s"/>'
                   % (n(lx), n(ly), n(rot), lc) for lx, ly, rot in ((-14, -30, 180), (-8, -31, 170), (-2, -31, 190), (4, -31, 180), (10, -30, 200), (-17, -24, 160), (13, -24, 200)))
    p = ['<path d="M-18,-28 L-14,-34 L14,-34 L18,-28 Z" fill="%s"/>' % shade(c, 1.3),
         '<rect x="-16" y="-28" width="32" height="16" fill="%s"/>' % S.lin([lighten(c, 0.2), c], 0, 0, 1, 0),
         '<rect x="-12" y="-25" width="10" height="9" fill="%s"/><rect x="2" y="-25" width="10" height="9" fill="%s"/>' % (S.lit("#c8a060"), S.lit("#c8a060")),
         '<path d="M-12,-20.5 h10 M2,-20.5 h10 M-7,-25 v9 M7,-25 v9" stroke="%s" stroke-width="0.5"/>' % shade(c, 0.8),
         leaf,
         '<path d="M16,-14 L44,-16" stroke="%s" stroke-width="1.4"/>' % S.lit("#6a4a2a"),
         '<circle cx="-4" cy="-10" r="10" fill="none" stroke="%s" stroke-width="2"/><circle cx="-4" cy="-10" r="1.6" fill="%s"/>' % (shade(c, 1.4), gold),
         '<path d="M-4,-20 V0 M-14,-10 H6 M-11,-17 L3,-3 M3,-17 L-11,-3" stroke="%s" stroke-width="0.7"/>' % shade(c, 1.4),
         '<path d="M38,-20 C40,-24 52,-24 56,-20 L60,-22 L63,-20 L62,-15 L58,-15 L56,-13 L56,0 L54,0 L53,-11 L44,-11 L43,0 L41,0 L40,-12 C38,-13 37,-16 38,-20 Z" fill="%s"/>' % ox,
         '<path d="M58,-22 q1,-3 4,-3 M60,-22 q2,-1 3,-4" stroke="%s" stroke-width="0.8" fill="none"/>' % S.lit("#e8e0c8"),
         '<path d="M42,-21 Q48,-25 54,-21" stroke="%s" stroke-width="1.6" fill="none"/>' % S.col("red")]
    S.add('<g transform="%s">%s</g>' % (S.at(x - s * 0.2, y, s / 80), "".join(p)))


@motif("sakecup")
def sake_cup(S, x, y, s=20, petals="gold"):
    """A shallow red lacquer sake cup on its foot, chrysanthemum petals floating in it."""
    x, y, s = float(x), float(y), float(s)
    pc = S.col(petals)
    red = S.lit("#c8302a")
    pet = "".join('<ellipse cx="%s" cy="-9.6" rx="1.6" ry="0.6" fill="%s" transform="rotate(%s %s -9.6)"/>' % (n(px), pc, n(rot), n(px))
                  for px, rot in ((-5, 20), (-1.6, -30), (2, 10), (5, 60)))
    S.add('<g transform="%s"><path d="M-4,0 L4,0 L2.6,-3 L-2.6,-3 Z" fill="%s"/><path d="M-10,-10 Q0,-0.6 10,-10 Z" fill="%s"/>'
          '<ellipse cx="0" cy="-10" rx="10" ry="1.8" fill="%s"/><ellipse cx="0" cy="-9.8" rx="8.4" ry="1.2" fill="#f4ead0" opacity="0.7"/>%s</g>'
          % (S.at(x, y, s / 20), shade(red, 0.8), S.lin([lighten(red, 0.2), shade(red, 0.7)]), shade(red, 0.7), pet))


@motif("colosseum")
def colosseum(S, x, y, s=110, color="#d8c4a0"):
    """The great amphitheatre: tiers of arches round an oval wall, the outer ring broken away on one
    side; s is its width."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    dark = shade(c, 0.45)
    p = ['<path d="M-54,0 L-54,-30 Q0,-40 40,-34 L40,-24 L54,-20 L54,0 Z" fill="%s"/>' % shade(c, 0.8),
         '<path d="M-54,0 L-54,-44 Q-20,-50 14,-48 L22,-42 L30,-40 L34,-30 L44,-26 L54,-22 L54,0 Z" fill="%s"/>' % S.lin([lighten(c, 0.15), shade(c, 0.85)], 0, 0, 1, 0)]
    for row, (top, hgt) in enumerate(((-12, 10), (-24, 9), (-36, 8))):
        for k in range(12):
            ax = -51 + k * 8.6
            if row == 2 and ax > 16 or row == 1 and ax > 38:
                continue
            p.append('<path d="M%s,%s v%s a2.6,2.6 0 0 1 5.2,0 v%s Z" fill="%s"/>' % (n(ax), n(top + hgt), n(-hgt + 2.6), n(hgt - 2.6), dark))
    p.append('<path d="M-54,-13 H54 M-54,-25 H44 M-54,-37 H26" stroke="%s" stroke-width="1"/>' % lighten(c, 0.2))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 110), "".join(p)))


@motif("tent")
def tent(S, x, y, s=40, color="#d8c8a0"):
    """A small pointed polar tent on its pole, guy lines pegged in the snow."""
    x, y, s = float(x), float(y), float(s)
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M-26,0 L0,-30 M26,0 L0,-30" stroke="%s" stroke-width="0.5"/>'
          '<path d="M-16,0 L0,-30 L16,0 Z" fill="%s"/><path d="M0,-30 L16,0 L4,0 Z" fill="%s"/>'
          '<path d="M-3,0 L0,-9 L3,0 Z" fill="%s"/><path d="M0,-30 V-34" stroke="%s" stroke-width="1"/></g>'
          % (S.at(x, y, s / 34), S.lit("#8a8070"), S.lin([lighten(c, 0.15), c]), shade(c, 0.8), shade(c, 0.45), S.lit("#6a4a2a")))


@motif("sledge")
def sledge(S, x, y, s=40, dogs=3):
    """A loaded polar sledge and a few dogs in harness, seen from the side, heading left."""
    x, y, s = float(x), float(y), float(s)
    wood = S.lit("#8a5a30")
    load = S.lit("#a89a80")
    dog = S.lit("#5a5048")
    p = ['<path d="M-2,0 H40 Q44,0 44,-3" stroke="%s" stroke-width="1.2" fill="none"/><path d="M4,-1 v-4 M18,-1 v-4 M32,-1 v-4" stroke="%s" stroke-width="1"/>' % (wood, wood),
         '<rect x="2" y="-11" width="34" height="6" rx="1.5" fill="%s"/><path d="M8,-11 v6 M20,-11 v6 M30,-11 v6" stroke="%s" stroke-width="0.6"/>' % (load, shade(load, 0.7)),
         '<path d="M-2,-4 L%s,-6" stroke="%s" stroke-width="0.5"/>' % (n(-12 * int(dogs) - 2), S.lit("#3a3030"))]
    for i in range(int(dogs)):
        dx = -8 - i * 12
        p.append('<path d="M%s,-6 C%s,-8 %s,-8 %s,-6 L%s,-9 L%s,-8 L%s,-6 L%s,0 M%s,-6 L%s,0 M%s,-5.6 L%s,0 M%s,-5.6 L%s,0 M%s,-6.4 q3,-1 3,-4" '
                 'stroke="%s" stroke-width="1.6" fill="%s" stroke-linecap="round" stroke-linejoin="round"/>'
                 % (n(dx + 4), n(dx + 2), n(dx - 3), n(dx - 4), n(dx - 5.6), n(dx - 7), n(dx - 5), n(dx - 5.2), n(dx - 3.6), n(dx - 2.6),
                    n(dx + 2), n(dx + 2.8), n(dx + 3.6), n(dx + 4.4), n(dx + 4), dog, dog))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 40), "".join(p)))



@motif("tvtower")
def tvtower(S, x, y, h=150):
    """A television tower: a slim concrete shaft, a ball with a ring of windows, a red-tipped mast."""
    x, y, h = float(x), float(y), float(h)
    c = S.lit("#b8b4b0")
    lit = S.time in ("night", "dusk")
    win = "#ffd070" if lit else shade(c, 0.6)
    S.add('<g transform="%s"><path d="M-3.4,0 L-1.4,-100 L1.4,-100 L3.4,0 Z" fill="%s"/>'
          '<circle cx="0" cy="-106" r="8" fill="%s"/><rect x="-8" y="-107" width="16" height="2" fill="%s"/>'
          '<rect x="-1" y="-142" width="2" height="30" fill="%s"/><rect x="-0.6" y="-150" width="1.2" height="8" fill="%s"/>'
          '<circle cx="0" cy="-150" r="1.2" fill="#ff4a3a"/></g>'
          % (S.at(x, y, h / 150), S.lin([lighten(c, 0.1), shade(c, 0.7)], 0, 0, 1, 0),
             S.rad([lighten(c, 0.3), c, shade(c, 0.6)], 0.35, 0.35, 0.7), win, shade(c, 0.9), S.lit("#e8e0d8")))


@motif("swallowkite")
def swallowkite(S, x, y, s=30, color="#2a2a40", color2="red"):
    """A painted swallow kite: spread wings, a forked tail, bright patterns; (x, y) its centre."""
    x, y, s = float(x), float(y), float(s)
    c, c2 = S.col(color), S.col(color2)
    S.add('<path d="M%s,%s Q%s,%s %s,%s" stroke="#e0d8c8" stroke-width="0.4" fill="none" opacity="0.6"/>'
          % (n(x), n(S.Y(y - 4)), n(x + 20), n(S.Y(y - 60)), n(x + 30), n(S.Y(y - 140))))
    S.add('<g transform="%s"><path d="M0,-12 C3,-12 4,-8 3,-4 L18,-10 C22,-8 20,-2 16,0 L4,2 L6,14 L2,10 L0,16 L-2,10 L-6,14 L-4,2 L-16,0 C-20,-2 -22,-8 -18,-10 L-3,-4 C-4,-8 -3,-12 0,-12 Z" fill="%s"/>'
          '<path d="M-15,-6 C-10,-6 -6,-4 -3,-2 M15,-6 C10,-6 6,-4 3,-2" stroke="%s" stroke-width="2" fill="none"/>'
          '<circle cx="-11" cy="-5" r="1.6" fill="%s"/><circle cx="11" cy="-5" r="1.6" fill="%s"/><circle cx="0" cy="-2" r="2.2" fill="%s"/>'
          '<circle cx="-1.2" cy="-9" r="0.7" fill="#ffffff"/><circle cx="1.2" cy="-9" r="0.7" fill="#ffffff"/></g>'
          % (S.at(x, y, s / 30, -8), c, c2, S.col("gold"), S.col("gold"), c2))
