"""Trees and plants: trees of every season, flowers, leaves, grasses and crops."""

import math
import random

from .canvas import leaf_path, lighten, mix, n, shade, star_points
from .registry import Colour, Colours, motif


def _leafy_colours(S, season):
    return {"spring": ("#f6c8d8", "#e890b0", "#fff0f4"), "summer": ("#5aa84a", "#2e7038", "#8ccc5a"),
            "autumn": ("#e8902a", "#b84a22", "#f6c850"), "blossom": ("#f8d8e4", "#e8a0bc", "#ffffff"),
            "green": ("#7cc050", "#3a8a3a", "#a8dc68")}.get(season)


@motif("tree")
def tree(S, x: float, y: float, h: float = 60, season: str = None, seed: int = 0):
    """A broad-leaved tree: bare in winter, in blossom in spring, green in summer, golden in autumn."""
    season = season or S.season
    rng = random.Random(int(x * 31 + y * 17 + seed + S.code))
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
def fir(S, x: float, y: float, h: float = 60, snow: int = 0, lights: int = 0, star: int = 0, color: Colour = "#2e6a4a"):
    """A fir tree in tiers; optionally with snow on its boughs, coloured lights and a star on top."""
    k = h / 60.0
    c = S.lit(color)
    paint = S.lin([lighten(c, 0.2), c, shade(c, 0.7)], 0, 0, 1, 0.3)
    parts = ['<rect x="-2.5" y="-7" width="5" height="7" fill="%s"/>' % S.lit("#5a3a26")]
    tiers = ((-6, 20, 18), (-20, 16, 18), (-33, 12, 16), (-45, 8, 15))
    for base, half, th in tiers:
        parts.append('<path d="M%s,%s Q0,%s %s,%s L0,%s Z" fill="%s"/>' % (n(-half), n(base), n(base - 3), n(half), n(base), n(base - th), paint))
        if snow:
            sc = "#f4f8ff" if S.time == "day" else S.lit("#f4f8ff") if S.time == "night" else lighten(S.lit("#f4f8ff"), 0.4)
            if S.time == "night":
                sc = "#8e9cc4"
            parts.append('<path d="M%s,%s Q0,%s %s,%s Q0,%s %s,%s Z" fill="%s"/>' % (
                n(-half * 0.95), n(base - 0.5), n(base - 3.5), n(half * 0.95), n(base - 0.5), n(base - 5), n(-half * 0.95), n(base - 0.5), sc))
            parts.append('<path d="M%s,%s L0,%s L%s,%s Q0,%s %s,%s Z" fill="%s"/>' % (
                n(-half * 0.22), n(base - th * 0.78), n(base - th), n(half * 0.22), n(base - th * 0.78), n(base - th * 0.74), n(-half * 0.22), n(base - th * 0.78), sc))
    if lights:
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
    if star:
        parts.append('<circle cx="0" cy="-61" r="8" fill="%s"/><path d="%s" fill="#ffe070"/>'
                     % (S.glow("#fff0a0", 0.6), star_points(0, -61, 5, 2.1)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(parts)))


@motif("cypress")
def cypress(S, x: float, y: float, h: float = 50, color: Colour = "#2e5a3a"):
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M0,0 C-7,-10 -6,-35 0,-%s C6,-35 7,-10 0,0 Z" fill="%s"/></g>'
          % (S.at(x, y, h / 50), "50", S.lin([lighten(c, 0.2), shade(c, 0.75)], 0, 0, 1, 0)))


def palm(S, x, y, h=60, lean=8):
    """A palm tree leaning over, its fronds spread from the top (drawn for islands)."""
    k = h / 60
    trunk = S.lit("#8a6440")
    leafc = S.lit("#3a8a48")
    fronds = []
    for a in (-160, -120, -70, -30, 10, -95):
        fronds.append('<path d="M0,0 Q%s,%s %s,%s Q%s,%s 0,0 Z" fill="%s" transform="translate(%s,-58) rotate(%s)"/>' % (
            "10", "-7", "24", "2", "10", "-1", leafc, n(lean), a))
    S.add('<g transform="%s"><path d="M-2.5,0 Q%s,-30 %s,-58 L%s,-58 Q%s,-30 2.5,0 Z" fill="%s"/>%s</g>'
          % (S.at(x, y, k), n(lean * 0.2 - 2), n(lean - 1.5), n(lean + 1.5), n(lean * 0.2 + 2), trunk, "".join(fronds)))


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
def flower(S, x: float, y: float, h: float = 30, kind: str = "tulip", color: Colour = "red", lean: float = 0):
    """A single flower on its stem. kind: tulip, daisy, sunflower, snowdrop, bell, rose, poppy, lily."""
    c = S.lit(color) if S.time == "night" else color
    stem = S.lit("#3e8a3e")
    r = max(2.5, h * 0.16)
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
def flowers(S, count: int = 8, kind: str = "daisy", colors: Colours = "white", low: float = 2, high: float = 18, h: float = 14):
    """A scattering of flowers over the foreground; colours separated by commas."""
    rng = random.Random(S.code * 37 + count)
    items = []
    for i in range(count):
        items.append((rng.uniform(low, high), rng.uniform(6, S.W - 6), rng.choice(colors), rng.uniform(-3, 3)))
    for yy, xx, c, lean in sorted(items, reverse=True):
        depth = 1 - (yy - low) / max(1, high - low)
        flower(S, xx, yy, h * (0.6 + 0.5 * depth), kind, c, lean)


@motif("grass")
def grass(S, count: int = 40, y: float = 0, h: float = 8, color: Colour = "#4e9a40"):
    rng = random.Random(S.code * 41)
    c = S.lit(color)
    blades = []
    for i in range(count):
        x = rng.uniform(0, S.W)
        hh = h * rng.uniform(0.5, 1.2)
        lean = rng.uniform(-3, 3)
        blades.append('<path d="M%s,%s q%s,%s %s,%s"/>' % (n(x), n(S.Y(y)), n(lean * 0.3), n(-hh * 0.5), n(lean), n(-hh)))
    S.add('<g stroke="%s" stroke-width="1" fill="none" stroke-linecap="round">%s</g>' % (c, "".join(blades)))


def leaf(S, x, y, s, color, angle=0):
    """One leaf of colour #rrggbb, turned by angle (drawn for falling leaves)."""
    S.add('<g transform="%s"><path d="%s" fill="%s"/><path d="M0,%s L0,%s" stroke="%s" stroke-width="0.6"/></g>'
          % (S.at(x, y, 1, angle), leaf_path(s), color, n(s * 1.3), n(-s * 0.8), shade(color, 0.6)))


@motif("leaves")
def leaves(S, count: int = 12, colors: Colours = "#e8902a,#d0542a,#f0c040,#b8402a", low: float = None):
    """Leaves falling through the air."""
    rng = random.Random(S.code * 43)
    if low is None:
        low = S.horizon
    for i in range(count):
        leaf(S, rng.uniform(6, S.W - 6), rng.uniform(low, S.H - 20), rng.uniform(2.5, 4.5), rng.choice(colors), rng.uniform(0, 360))


@motif("grapes")
def grapes(S, x: float, y: float, s: float = 12, color: Colour = "#6a3a8a"):
    paint = S.rad([lighten(color, 0.45), color, shade(color, 0.6)], 0.35, 0.35, 0.7)
    pts = [(0, 0), (-2.2, 0.2), (2.2, 0.2), (-1.1, 2), (1.1, 2), (0, 3.8), (-3.3, -1.6), (3.3, -1.6), (0, -1.8), (-1.1, -3.4), (1.1, -3.4)]
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 10), "".join(
        '<circle cx="%s" cy="%s" r="1.35" fill="%s"/>' % (n(px), n(py), paint) for px, py in pts)))


@motif("shamrock")
def shamrock(S, x: float, y: float, s: float = 14, color: Colour = "#3aa84a"):
    paint = S.rad([lighten(color, 0.3), color, shade(color, 0.7)], 0.4, 0.4, 0.8)
    heart = "M0,0 C-1,-3 -6,-5 -6,-9 C-6,-12 -2,-13 0,-10 C2,-13 6,-12 6,-9 C6,-5 1,-3 0,0 Z"
    leaves_ = "".join('<path d="%s" fill="%s" transform="rotate(%d)"/>' % (heart, paint, a) for a in (0, 120, 240))
    S.add('<g transform="%s"><path d="M0,0 Q2,8 6,14" stroke="%s" stroke-width="1.6" fill="none"/>%s</g>'
          % (S.at(x, y, s / 14), shade(color, 0.8), leaves_))


@motif("mushroom")
def mushroom(S, x: float, y: float, s: float = 10, color: Colour = "#d04030"):
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M-2,0 L-1.5,-6 L1.5,-6 L2,0 Z" fill="%s"/>'
          '<path d="M-7,-5 Q-7,-13 0,-13 Q7,-13 7,-5 Z" fill="%s"/>'
          '<circle cx="-3" cy="-9" r="1.1" fill="#fff"/><circle cx="2" cy="-10.5" r="0.9" fill="#fff"/><circle cx="4" cy="-7" r="0.8" fill="#fff"/></g>'
          % (S.at(x, y, s / 10), S.lit("#f0e6d0"), c))


@motif("sheaf")
def sheaf(S, x: float, y: float, s: float = 40, color: Colour = "#e8c060"):
    """A harvest sheaf of wheat, tied at the waist."""
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
def wheat(S, count: int = 30, y: float = 0, h: float = 18):
    """A band of ripe wheat stalks in the foreground."""
    rng = random.Random(S.code * 53)
    c = S.lit("#e8c060")
    parts = []
    for i in range(count):
        xx = rng.uniform(0, S.W)
        hh = h * rng.uniform(0.7, 1.1)
        lean = rng.uniform(-3, 3)
        parts.append('<path d="M%s,%s q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.8"/>' % (n(xx), n(S.Y(y)), n(lean * 0.3), n(-hh * 0.5), n(lean), n(-hh), shade(c, 0.8)))
        parts.append('<ellipse cx="%s" cy="%s" rx="1.3" ry="3.2" fill="%s" transform="rotate(%s %s %s)"/>'
                     % (n(xx + lean), n(S.Y(y) - hh - 2), c, n(lean * 5), n(xx + lean), n(S.Y(y) - hh - 2)))
    S.add("".join(parts))


@motif("mapleleaf")
def maple_leaf(S, x: float, y: float, s: float = 30, color: Colour = "red", angle: float = 0):
    """A stylised maple leaf; y is its centre."""
    d = ("M0,-20 L3,-13 L7,-15 L6,-7 L13,-11 L11,-6 L17,-5 L12,0 L14,3 L6,3 L7,7 L1,5 L1,14 L-1,14 L-1,5 L-7,7 L-6,3 L-14,3 "
         "L-12,0 L-17,-5 L-11,-6 L-13,-11 L-6,-7 L-7,-15 L-3,-13 Z")
    S.add('<g transform="%s"><path d="%s" fill="%s" stroke="%s" stroke-width="0.6" stroke-linejoin="round"/></g>'
          % (S.at(x, y, s / 34, angle), d, S.lin([lighten(color, 0.25), color, shade(color, 0.75)]), shade(color, 0.6)))


@motif("bamboo")
def bamboo(S, x: float, y: float = 0, h: float = 140, lean: float = 6, slips: Colours = "red,gold,sky,rose,lime"):
    """A bamboo stem with leaves and coloured paper slips hanging from it."""
    c = S.lit("#6aa84a") if S.time == "day" else mix(S.lit("#6aa84a"), "#8ad06a", 0.5)
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
                             % (n(sx), n(sy - 2), n(sx - 1.5), n(sy + 1), slips[i % len(slips)]))
    S.add("".join(parts))


@motif("haystack")
def haystack(S, x: float, y: float, s: float = 30):
    c = S.lit("#e0b85a")
    strands = "".join('<path d="M%s,%s q2,-3 4,-1" stroke="%s" stroke-width="0.6" fill="none"/>' % (n(-10 + (i * 7) % 20), n(-4 - (i * 5) % 20), shade(c, 0.7)) for i in range(10))
    S.add('<g transform="%s"><path d="M-16,0 C-16,-14 -10,-28 0,-28 C10,-28 16,-14 16,0 Z" fill="%s"/>%s<path d="M-1,-28 L0,-32 L1,-28" stroke="%s" stroke-width="1"/></g>'
          % (S.at(x, y, s / 30), S.rad([lighten(c, 0.25), c, shade(c, 0.7)], 0.35, 0.3, 0.8), strands, shade(c, 0.6)))


@motif("leafpair")
def leaf_pair(S, x: float, y: float, s: float = 20, color: Colour = "#4a9a4a"):
    """Two heart-shaped leaves on one stalk (the hollyhock leaves of a festival crest)."""
    heart_ = "M0,0 C-1,-3 -7,-5 -7,-10 C-7,-13 -3,-14 0,-11 C3,-14 7,-13 7,-10 C7,-5 1,-3 0,0 Z"
    paint = S.lin([lighten(color, 0.3), shade(color, 0.75)])
    S.add('<g transform="%s"><path d="M0,0 L0,10" stroke="%s" stroke-width="1.2"/>'
          '<path d="%s" fill="%s" transform="rotate(-40) scale(1,-1) translate(0,0)"/><path d="%s" fill="%s" transform="rotate(40) scale(1,-1)"/>'
          '<path d="%s" fill="%s" transform="scale(1,-1) translate(0,2)"/></g>'
          % (S.at(x, y, s / 20, 180), shade(color, 0.7), heart_, paint, heart_, paint, heart_, paint))


@motif("thistle")
def thistle(S, x: float, y: float, h: float = 40, color: Colour = "#9a5ab8"):
    stem = S.lit("#5a8a5a")
    S.add('<g transform="%s"><path d="M0,0 L0,-30" stroke="%s" stroke-width="1.6"/>'
          '<path d="M0,-12 l-9,-4 l3,3 l-5,0 l6,3 Z M0,-18 l9,-4 l-3,3 l5,0 l-6,3 Z" fill="%s"/>'
          '<ellipse cx="0" cy="-33" rx="5" ry="5.5" fill="%s"/><path d="M-5,-33 l-2,-2 M5,-33 l2,-2 M-3,-37 l-2,-3 M3,-37 l2,-3" stroke="%s" stroke-width="0.8"/>'
          '<path d="M-4.5,-36 C-5,-42 -2,-46 0,-47 C2,-46 5,-42 4.5,-36 Z" fill="%s"/></g>'
          % (S.at(x, y, h / 47), stem, stem, S.lin([lighten(stem, 0.2), shade(stem, 0.8)]), lighten(stem, 0.3), S.lin([lighten(color, 0.3), color])))


@motif("birch")
def birch(S, x: float, y: float, h: float = 70, season: str = None):
    """A birch: white trunk with dark marks, a light crown of small leaves (bare in winter)."""
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


@motif("sprouts")
def sprouts(S, x: float, y: float, s: float = 30):
    """A dish of green wheat sprouts tied with a red ribbon."""
    rng = random.Random(int(x + S.code * 3))
    blades = "".join('<path d="M%s,-6 q%s,-10 %s,-%s" />' % (n(rng.uniform(-9, 9)), n(rng.uniform(-2, 2)), n(rng.uniform(-4, 4)), n(rng.uniform(14, 22))) for i in range(28))
    S.add('<g transform="%s"><g stroke="#7ac850" stroke-width="1" fill="none">%s</g><rect x="-11" y="-8" width="22" height="3" fill="%s"/>'
          '<path d="M-13,-6 L13,-6 L10,0 L-10,0 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 30), blades, S.col("red"), S.lin(["#f4f0e8", "#b8c0d0"])))


@motif("fern")
def fern(S, x: float, y: float, h: float = 40, angle: float = 0, color: Colour = "#4a9a5a"):
    """A fern frond curling at its tip."""
    c = S.lit(color)
    leaflets = "".join('<path d="M0,%s l%s,-3 M0,%s l%s,-3" />' % (n(-4 - i * 3.6), n(8 - i * 0.6), n(-4 - i * 3.6), n(-8 + i * 0.6)) for i in range(10))
    S.add('<g transform="%s" fill="none" stroke="%s" stroke-linecap="round"><path d="M0,0 L0,-38 Q0,-44 4,-43 Q6,-40 3,-39" stroke-width="1.4"/>'
          '<g stroke-width="1.8">%s</g></g>' % (S.at(x, y, h / 44, angle), c, leaflets))


@motif("mimosa")
def mimosa(S, x: float, y: float, s: float = 40):
    """A sprig of mimosa: feathery leaves and clusters of yellow puffballs."""
    rng = random.Random(int(x * 7 + S.code))
    balls = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(rng.gauss(0, 9)), n(-26 + rng.gauss(0, 8)), n(rng.uniform(1.5, 2.4)), rng.choice(("#ffe040", "#f6d020", "#fff080")))
                    for i in range(40))
    S.add('<g transform="%s"><path d="M0,0 Q2,-16 -2,-34 M0,-14 Q8,-20 12,-30 M-1,-20 Q-8,-26 -12,-34" stroke="#6a8a4a" stroke-width="1.2" fill="none"/>%s</g>'
          % (S.at(x, y, s / 40), balls))


@motif("willow")
def willow(S, x: float, y: float, h: float = 90):
    """A weeping willow with long hanging strands of new green."""
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


@motif("vase")
def vase_branch(S, x: float, y: float, s: float = 60, blossom: Colour = "#fff0f4"):
    """A glass vase holding a cherry branch in blossom; y is the vase's foot."""
    br = S.lit("#5a3a2a") if S.time == "day" else "#6a4a3a"
    rng = random.Random(int(x + S.code * 5))
    flowers_ = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(px + rng.uniform(-2, 2)), n(py + rng.uniform(-2, 2)), n(rng.uniform(1.4, 2.2)), rng.choice((blossom, "#f8c8d8", "#ffffff")))
                       for px, py in [(-14 + t * 6, -40 - t * 5) for t in range(5)] + [(4 + t * 4, -44 - t * 6) for t in range(5)] + [(0, -30 - t * 4) for t in range(3)])
    S.add('<g transform="%s"><path d="M0,-14 L-16,-42 M-8,-27 L-12,-36 M0,-14 L2,-40 L18,-70 M2,-40 L10,-48 M0,-14 L0,-42" stroke="%s" stroke-width="1.6" fill="none" stroke-linecap="round"/>%s'
          '<path d="M-6,0 C-10,-6 -9,-14 -4,-18 L4,-18 C9,-14 10,-6 6,0 Z" fill="%s" stroke="#e0f0ff" stroke-width="0.8" stroke-opacity="0.8"/></g>'
          % (S.at(x, y, s / 70), br, flowers_, S.lin([(0, "#c8e8ff", 0.45), (1, "#6aa0c8", 0.6)])))


@motif("basil")
def basil(S, x: float, y: float, s: float = 16):
    """A little pot of basil with a paper carnation on a stick; y is the pot's foot."""
    g = S.lit("#4a9a3a")
    S.add('<g transform="%s"><path d="M-5,-7 L5,-7 L4,0 L-4,0 Z" fill="%s"/><rect x="-5.6" y="-8" width="11.2" height="1.8" fill="%s"/>'
          '<circle cx="-2.6" cy="-10" r="3" fill="%s"/><circle cx="2.6" cy="-10.4" r="3" fill="%s"/><circle cx="0" cy="-12.6" r="3.2" fill="%s"/>'
          '<path d="M2,-12 L4,-19" stroke="%s" stroke-width="0.5"/><circle cx="4.2" cy="-19.6" r="2.2" fill="%s"/><rect x="2.4" y="-17.4" width="4.4" height="2.6" fill="#f8f4ec" transform="rotate(-12 4.6 -16)"/></g>'
          % (S.at(x, y, s / 20), S.lit("#c8643a"), S.lit("#d8784a"), shade(g, 0.85), g, lighten(g, 0.15), S.lit("#6a8a4a"), S.col("red")))
