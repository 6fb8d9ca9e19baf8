"""The scene being drawn and the SVG helpers every motif shares: number text, colour
arithmetic, gradients, smooth paths and stars."""

import math
import random


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


def leaf_path(s):
    return "M0,%s C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,%s Z" % (
        n(s), n(-s * 0.8), n(s * 0.4), n(-s * 0.6), n(-s * 0.6), n(-s), n(s * 0.6), n(-s * 0.6), n(s * 0.8), n(s * 0.4), n(s))
