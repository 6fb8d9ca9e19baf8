"""The scene being drawn and the SVG helpers every motif shares: number text, colour
arithmetic, gradients, smooth paths and stars."""

import math
import random


def number_text(value):
    """A number as short, stable SVG text: at most two decimals, no trailing zeros, never "-0"."""
    text = "%.2f" % value
    text = text.rstrip("0").rstrip(".")
    return "0" if text in ("-0", "") else text


def hex_rgb(colour):
    """#rrggbb as a (red, green, blue) tuple of 0..255."""
    digits = colour.lstrip("#")
    return tuple(int(digits[i : i + 2], 16) for i in (0, 2, 4))


def rgb_hex(rgb):
    """(red, green, blue), clamped to 0..255 and rounded, as #rrggbb."""
    return "#%02x%02x%02x" % tuple(max(0, min(255, int(round(value)))) for value in rgb)


def mix(first, second, share):
    """The colour `share` of the way from `first` to `second` (0 gives first, 1 second)."""
    start, end = hex_rgb(first), hex_rgb(second)
    return rgb_hex([a + (b - a) * share for a, b in zip(start, end)])


def shade(colour, factor):
    """A colour darkened (factor below 1) or brightened (above 1) by scaling its channels."""
    return rgb_hex([value * factor for value in hex_rgb(colour)])


def lighten(colour, share):
    """A colour moved `share` of the way towards white."""
    return mix(colour, "#ffffff", share)


class Scene:
    """One picture being composed: its size, time of day, season, palette and SVG pieces."""

    def __init__(self, code, width, height, palette, time="day", season="summer"):
        self.code = code
        self.width = width
        self.height = height
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
    def svg_y(self, y):
        """The SVG y of a height y above the bottom edge."""
        return self.height - y

    def at(self, x, y, scale=1.0, rotate=0.0, flip=False):
        """The transform that puts a motif's origin at (x, y above the bottom edge), turned by
        `rotate` degrees, scaled, and mirrored left to right when flip is true."""
        transform = "translate(%s,%s)" % (number_text(x), number_text(self.svg_y(y)))
        if rotate:
            transform += " rotate(%s)" % number_text(rotate)
        if scale != 1.0 or flip:
            transform += " scale(%s,%s)" % (
                number_text(-scale if flip else scale),
                number_text(scale),
            )
        return transform

    # -- colours
    def col(self, name):
        """A palette name or #rrggbb as #rrggbb (the first colour of a named run)."""
        if name is None:
            return None
        name = str(name)
        if name.startswith("#"):
            return name
        if name in self.palette:
            value = self.palette[name]
            return value[0] if isinstance(value, list) else value
        raise KeyError("unknown colour '%s'" % name)

    def run(self, name):
        """A named run of colours from the palette (sky and land gradients), as a list."""
        value = self.palette.get(name)
        if value is None:
            raise KeyError("unknown colour run '%s'" % name)
        return value if isinstance(value, list) else [value]

    def lit(self, colour):
        """A colour of an unlit object as seen at the scene's time of day."""
        colour = self.col(colour)
        if self.time == "night":
            return mix(shade(colour, 0.5), "#1c2654", 0.3)
        if self.time == "dusk":
            return mix(shade(colour, 0.72), "#5a2e58", 0.18)
        if self.time == "dawn":
            return mix(shade(colour, 0.85), "#6a5a90", 0.12)
        return colour

    # -- defs
    def uid(self, prefix):
        """A fresh id for a definition (clip path, gradient) of this picture."""
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
            return (
                '<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s>%s</linearGradient>'
                % (
                    gid,
                    number_text(x1),
                    number_text(y1),
                    number_text(x2),
                    number_text(y2),
                    units,
                    stops,
                )
            )

        return self._cached(key, build)

    def rad(self, colours, cx=0.5, cy=0.5, radius=0.5, fx=None, fy=None, opac=None):
        """A radial gradient through the colours, from the focus (fx, fy; the centre unless given)
        out to the radius, all as shares of the shape's box."""
        stops = _stops(colours, opac)
        fx = cx if fx is None else fx
        fy = cy if fy is None else fy
        key = ("rad", stops, cx, cy, radius, fx, fy)

        def build(gid):
            return (
                '<radialGradient id="%s" cx="%s" cy="%s" r="%s" fx="%s" fy="%s">%s</radialGradient>'
                % (
                    gid,
                    number_text(cx),
                    number_text(cy),
                    number_text(radius),
                    number_text(fx),
                    number_text(fy),
                    stops,
                )
            )

        return self._cached(key, build)

    def glow(self, colour, inner=0.55):
        """Radial glow paint: the colour fading to nothing, `inner` its opacity in the middle."""
        colour = self.col(colour)
        return self.rad([(0, colour, inner), (0.4, colour, inner * 0.45), (1, colour, 0)])

    def add(self, svg):
        """Paint an SVG fragment over what is drawn so far."""
        self.body.append(svg)


def _stops(colours, opacities=None):
    """The <stop> elements of a gradient through colours or (offset, colour[, opacity]) tuples."""
    out = []
    count = len(colours)
    for i, entry in enumerate(colours):
        if isinstance(entry, tuple):
            offset, colour = entry[0], entry[1]
            opacity = entry[2] if len(entry) > 2 else 1
        else:
            offset = i / (count - 1) if count > 1 else 0
            colour, opacity = entry, 1
        if opacities is not None:
            opacity = opacities[i]
        extra = ' stop-opacity="%s"' % number_text(opacity) if opacity != 1 else ""
        out.append('<stop offset="%s" stop-color="%s"%s/>' % (number_text(offset), colour, extra))
    return "".join(out)


def polyline(points):
    """Path data for straight lines through points given in SVG coordinates."""
    return "M" + " L".join("%s,%s" % (number_text(x), number_text(y)) for x, y in points)


def smooth_path(points):
    """A smooth curve (Catmull-Rom turned into cubic Beziers) through points given in SVG coordinates."""
    if len(points) < 2:
        return ""
    pts = list(points)
    path = ["M%s,%s" % (number_text(pts[0][0]), number_text(pts[0][1]))]
    for i in range(len(pts) - 1):
        p0 = pts[i - 1] if i > 0 else pts[i]
        p1, p2 = pts[i], pts[i + 1]
        p3 = pts[i + 2] if i + 2 < len(pts) else p2
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        path.append(
            "C%s,%s %s,%s %s,%s"
            % tuple(number_text(v) for v in (c1[0], c1[1], c2[0], c2[1], p2[0], p2[1]))
        )
    return " ".join(path)


def star_points(cx, cy, r_out, r_in, points=5, rot=-90):
    """Path data of a star with `points` points of radius r_out and notches at r_in."""
    pts = []
    for i in range(points * 2):
        radius = r_out if i % 2 == 0 else r_in
        angle = math.radians(rot + i * 180 / points)
        pts.append((cx + radius * math.cos(angle), cy + radius * math.sin(angle)))
    return polyline(pts) + " Z"


def leaf_path(size):
    """Path data of a pointed leaf `size` long each way from its middle, pointing up."""
    return "M0,%s C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,%s Z" % tuple(
        number_text(v)
        for v in (
            size,
            -size * 0.8,
            size * 0.4,
            -size * 0.6,
            -size * 0.6,
            -size,
            size * 0.6,
            -size * 0.6,
            size * 0.8,
            size * 0.4,
            size,
        )
    )
