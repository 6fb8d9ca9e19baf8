"""Flags and symbols: flags and banners, hearts and stars, heraldry, letters and signs."""

import math
import random

from .canvas import leaf_path, lighten, n, shade, star_points
from .registry import Colour, Colours, motif


@motif("heart")
def heart(S, x: float, y: float, s: float = 16, color: Colour = "red", glow: int = 0):
    """A heart; y is its centre, s its width."""
    paint = S.rad([lighten(color, 0.45), color, shade(color, 0.7)], 0.35, 0.3, 0.75)
    g = '<circle r="16" fill="%s"/>' % S.glow(color, 0.4) if glow else ""
    S.add('<g transform="%s">%s<path d="M0,9 C-4,5 -10,1 -10,-4 C-10,-8 -7,-10 -4.5,-10 C-2.5,-10 -0.8,-8.8 0,-7 '
          'C0.8,-8.8 2.5,-10 4.5,-10 C7,-10 10,-8 10,-4 C10,1 4,5 0,9 Z" fill="%s"/>'
          '<ellipse cx="-5" cy="-5" rx="2" ry="1.3" fill="#ffffff" opacity="0.45" transform="rotate(-35 -5 -5)"/></g>'
          % (S.at(x, y, s / 20), g, paint))


@motif("star")
def star(S, x: float, y: float, r: float = 8, color: Colour = "gold", glow: int = 1, points: int = 5):
    """A star shape (five points unless told), y is its centre."""
    g = '<circle r="%s" fill="%s"/>' % (n(r * 2.2), S.glow(color, 0.45)) if glow else ""
    paint = S.rad([lighten(color, 0.6), color, shade(color, 0.8)], 0.5, 0.45, 0.6)
    S.add('<g transform="%s">%s<path d="%s" fill="%s"/></g>' % (S.at(x, y), g, star_points(0, 0, r, r * 0.42, points), paint))


@motif("bunting")
def bunting(S, y: float = None, colors: Colours = "red,gold,blue,green", count: int = 9, sag: float = 10):
    """A string of little triangular flags across the picture."""
    if y is None:
        y = S.H - 30
    S.add('<path d="M-2,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.7"/>' % (
        n(S.Y(y)), n(S.W / 2), n(S.Y(y - sag * 2)), n(S.W + 2), n(S.Y(y)), S.lit("#d0c8b8")))
    flags = []
    for i in range(count):
        t = (i + 0.5) / count
        px = -2 + t * (S.W + 4)
        py = S.Y(y) + 2 * t * (1 - t) * sag * 2
        slope = (1 - 2 * t) * sag * 4 / S.W
        flags.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
            n(px - 4.5), n(py - slope * 4.5), n(px + 4.5), n(py + slope * 4.5), n(px), n(py + 10), colors[i % len(colors)]))
    S.add("".join(flags))


@motif("flag")
def flag(S, x: float, y: float, h: float = 50, colors: Colours = "red,white,blue", vertical: int = 0, saltire: Colour = None, canton: Colour = None, emblem: Colour = None, cross: Colour = None, cross2: Colour = None, stars: int = 20, seal: Colour = None):
    """A flag of plain stripes waving on a pole; colours from top to bottom (or left to right).
    saltire=colour lays a diagonal cross over it; canton=colour a starred corner; emblem=colour a
    maple leaf in the middle (seal=colour a round badge); cross=colour and cross2=colour a Nordic
    cross with its inner line."""
    k = h / 50
    parts = ['<rect x="-0.8" y="-50" width="1.6" height="50" fill="%s"/><circle cx="0" cy="-50.5" r="1.5" fill="%s"/>'
             % (S.lit("#c8c0b0"), S.col("gold"))]
    w, fh = 28.0, 18.0
    count = len(colors)
    clip = S.uid("c")
    wave = "M0.8,-49 C8,-52 14,-45 %s,-48 L%s,%s C14,%s 8,%s 0.8,%s Z" % (n(w), n(w), n(-49 + fh + 1), n(-49 + fh - 2), n(-49 + fh + 4), n(-49 + fh))
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, wave))
    stripes = []
    for i, c in enumerate(colors):
        if vertical:
            stripes.append('<rect x="%s" y="-56" width="%s" height="30" fill="%s"/>' % (n(0.8 + i * w / count), n(w / count + 0.3), c))
        else:
            stripes.append('<rect x="0" y="%s" width="30" height="%s" fill="%s"/>' % (n(-51 + i * (fh + 4) / count), n((fh + 4) / count + 0.3), c))
    if saltire:
        stripes.append('<path d="M0.8,-49 L%s,%s M0.8,%s L%s,-49" stroke="%s" stroke-width="3.6"/>' % (n(w), n(-49 + fh + 2), n(-49 + fh + 1), n(w), saltire))
    if canton:
        stripes.append('<rect x="0" y="-52" width="%s" height="%s" fill="%s"/>' % (n(w * 0.42), n(fh * 0.58 + 3), canton))
        if stars == 1:
            stripes.append('<path d="%s" fill="#ffffff"/>' % star_points(w * 0.21, -52 + (fh * 0.58 + 3) / 2, 2.6, 1.1))
        else:
            stripes.append("".join('<circle cx="%s" cy="%s" r="0.45" fill="#ffffff"/>' % (n(2.2 + i * 2.1), n(-47.4 + j * 2.2)) for i in range(5) for j in range(4)))
    if cross:
        cy = -49 + fh / 2 + 0.5
        stripes.append('<path d="M%s,-56 V-26 M0,%s H30" stroke="%s" stroke-width="5"/>' % (n(w * 0.36), n(cy), cross))
        if cross2:
            stripes.append('<path d="M%s,-56 V-26 M0,%s H30" stroke="%s" stroke-width="2.4"/>' % (n(w * 0.36), n(cy), cross2))
    if emblem:
        stripes.append('<path transform="translate(%s,%s) scale(0.3)" d="M0,-20 L3,-13 L7,-15 L6,-7 L13,-11 L11,-6 L17,-5 L12,0 L14,3 L6,3 L7,7 L1,5 L1,14 L-1,14 L-1,5 L-7,7 L-6,3 L-14,3 L-12,0 L-17,-5 L-11,-6 L-13,-11 L-6,-7 L-7,-15 L-3,-13 Z" fill="%s"/>'
                       % (n(w / 2 + 0.4), n(-49 + fh / 2 + 0.6), emblem))
    if seal:
        sc = seal
        stripes.append('<circle cx="%s" cy="%s" r="3.2" fill="%s"/><path d="M%s,%s q2,-3 4,0" stroke="%s" stroke-width="0.8" fill="none"/>'
                       % (n(w / 2 + 0.4), n(-49 + fh / 2 + 0.8), sc, n(w / 2 - 1.6), n(-49 + fh / 2 + 2.6), S.lit("#3a8a3a")))
    shade_paint = S.lin([(0, "#000000", 0), (0.35, "#000000", 0.18), (0.6, "#ffffff", 0.12), (1, "#000000", 0.15)], 0, 0, 1, 0)
    parts.append('<g clip-path="url(#%s)">%s<rect x="0" y="-56" width="30" height="30" fill="%s"/></g>' % (clip, "".join(stripes), shade_paint))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(parts)))


@motif("key")
def key(S, x: float, y: float, s: float = 24, color: Colour = "gold"):
    S.add('<g transform="%s" fill="none" stroke="%s" stroke-width="2"><circle cx="-10" cy="0" r="5"/><path d="M-5,0 L12,0 M8,0 L8,4 M11,0 L11,4"/></g>'
          % (S.at(x, y, s / 24), color))


@motif("musicnotes")
def music_notes(S, x: float, y: float, s: float = 20, color: Colour = "gold"):
    S.add('<g transform="%s" fill="%s"><ellipse cx="-6" cy="0" rx="3" ry="2.2" transform="rotate(-20 -6 0)"/><path d="M-3.2,-0.5 L-3.2,-16 L8,-19 L8,-4" fill="none" stroke="%s" stroke-width="1.2"/>'
          '<ellipse cx="5.2" cy="-3.5" rx="3" ry="2.2" transform="rotate(-20 5.2 -3.5)"/><path d="M-3.2,-16 L8,-19 L8,-16 L-3.2,-13 Z"/></g>'
          % (S.at(x, y, s / 20), color, color))


@motif("bow")
def archery_bow(S, x: float, y: float, s: float = 40, angle: float = 0):
    """A drawn bow with an arrow on the string; (x, y) is the grip."""
    S.add('<g transform="%s"><path d="M-4,-20 Q10,0 -4,20" fill="none" stroke="%s" stroke-width="2"/>'
          '<path d="M-4,-20 L-14,0 L-4,20" fill="none" stroke="#e8e0d0" stroke-width="0.6"/>'
          '<path d="M-14,0 L20,0" stroke="%s" stroke-width="1"/><path d="M20,0 L15,-2.5 L16,0 L15,2.5 Z" fill="#c8ccd8"/>'
          '<path d="M-14,0 l3,-2 M-14,0 l3,2 M-12,0 l3,-2 M-12,0 l3,2" stroke="%s" stroke-width="0.8"/></g>'
          % (S.at(x, y, s / 40, angle), S.lit("#8a5a30"), S.lit("#a0703e"), S.col("red")))


@motif("seal")
def wax_seal(S, x: float, y: float, r: float = 6, color: Colour = "crimson"):
    S.add('<g transform="%s"><path d="M-2,0 L-4,12 L0,9 L2,13 L3,0" fill="%s"/><circle r="%s" fill="%s"/><circle r="%s" fill="none" stroke="%s" stroke-width="0.8"/></g>'
          % (S.at(x, y), shade(color, 0.8), n(r), S.rad([lighten(color, 0.3), color, shade(color, 0.7)], 0.4, 0.4, 0.7), n(r * 0.6), lighten(color, 0.3)))


@motif("pennant")
def pennant(S, x: float, y: float, h: float = 60, color: Colour = "red", color2: Colour = "white", angle: float = 0):
    """A pole with a long tapering pennant streaming from its top, in two colours."""
    S.add('<g transform="%s"><rect x="-0.8" y="-60" width="1.6" height="60" fill="%s"/><circle cx="0" cy="-60.5" r="1.4" fill="%s"/>'
          '<path d="M0.8,-58 C10,-61 22,-53 36,-55 C24,-51 12,-54 0.8,-50 Z" fill="%s"/>'
          '<path d="M0.8,-56 C10,-58.5 20,-53 30,-54.4 C20,-52.6 10,-55 0.8,-52 Z" fill="%s"/></g>'
          % (S.at(x, y, h / 60, angle), S.lit("#d8d0c0"), S.col("gold"), color, color2))


@motif("page")
def calendar_page(S, x: float, y: float, s: float = 40, number: str = "29", color: Colour = "crimson"):
    """A tear-off calendar leaf with its number written large; y is its bottom."""
    S.add('<g transform="%s"><rect x="-15" y="-38" width="30" height="38" rx="1.5" fill="#fbf6e6"/><rect x="-15" y="-38" width="30" height="9" rx="1.5" fill="%s"/>'
          '<circle cx="-8" cy="-38" r="1.3" fill="#4a4048"/><circle cx="8" cy="-38" r="1.3" fill="#4a4048"/>'
          '<text x="0" y="-8" text-anchor="middle" font-family="DejaVu Serif, Liberation Serif, serif" font-weight="bold" font-size="19" fill="#2a2430">%s</text></g>'
          % (S.at(x, y, s / 38), color, number))


@motif("symbol")
def symbol(S, x: float, y: float, s: float = 30, text: str = "π", color: Colour = "gold"):
    """A single large letter or sign, in the lettering of the logo."""
    S.add('<g transform="%s"><text x="0" y="0" text-anchor="middle" font-family="DejaVu Serif, Liberation Serif, serif" font-weight="bold" font-size="30" fill="%s" stroke="%s" stroke-width="0.6">%s</text></g>'
          % (S.at(x, y, s / 30), S.lin([lighten(color, 0.5), color, shade(color, 0.7)]), shade(color, 0.5), text))


@motif("laurel")
def laurel(S, x: float, y: float, r: float = 24, color: Colour = "#6a9a4a"):
    """A laurel wreath open at the top; y is its centre."""
    leaves_ = []
    for side in (-1, 1):
        for i in range(9):
            a = math.radians(100 + i * 17) if side < 0 else math.radians(80 - i * 17)
            px, py = r * math.cos(a), r * math.sin(a)
            leaves_.append('<path d="%s" fill="%s" transform="translate(%s,%s) rotate(%s) scale(%s)"/>' % (
                leaf_path(1), color if i % 2 else lighten(color, 0.2), n(px), n(py), n(math.degrees(a) + (60 if side < 0 else -60) + 180), n(r * 0.13)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(leaves_)))


@motif("cross")
def cross(S, x: float, y: float, h: float = 40, color: Colour = "#dcecff", glow: int = 1):
    """A plain cross, glowing faintly (cut from ice when the colour is pale)."""
    g = '<circle cx="0" cy="-26" r="22" fill="%s"/>' % S.glow(color, 0.35) if glow else ""
    S.add('<g transform="%s">%s<rect x="-3" y="-40" width="6" height="40" fill="%s"/><rect x="-13" y="-31" width="26" height="6" fill="%s"/></g>'
          % (S.at(x, y, h / 40), g, S.lin([lighten(color, 0.4), shade(color, 0.8)], 0, 0, 1, 0), S.lin([lighten(color, 0.4), shade(color, 0.8)])))


@motif("shield")
def shield(S, x: float, y: float, s: float = 30, color: Colour = "red", color2: Colour = "gold", angle: float = 0):
    """A kite-shaped shield painted in two colours; (x, y) is its centre."""
    clip = S.uid("s")
    shape = "M-10,-14 Q0,-17 10,-14 Q11,0 0,18 Q-11,0 -10,-14 Z"
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, shape))
    S.add('<g transform="%s"><path d="%s" fill="%s"/><g clip-path="url(#%s)"><path d="M-12,-20 L0,-20 L0,20 L-12,20 Z" fill="%s"/><path d="M-12,-4 L12,4 L12,8 L-12,0 Z" fill="%s"/></g>'
          '<path d="%s" fill="none" stroke="%s" stroke-width="1.2"/><circle r="2" fill="%s"/></g>'
          % (S.at(x, y, s / 34, angle), shape, color, clip, shade(color, 0.8), color2, shape, S.lit("#d8ccb0"), S.lit("#d8ccb0")))


@motif("arrows")
def arrows(S, count: int = 6, angle: float = 200):
    rng = random.Random(S.code * 103)
    out = []
    for i in range(count):
        px = rng.uniform(20, S.W - 10)
        py = rng.uniform(S.horizon + 30, S.H - 30)
        a = angle + rng.uniform(-6, 6)
        out.append('<g transform="translate(%s,%s) rotate(%s)"><path d="M-10,0 L10,0" stroke="#2a2a30" stroke-width="0.8"/><path d="M10,0 L7,-1.5 L7,1.5 Z" fill="#2a2a30"/>'
                   '<path d="M-10,0 l-2,-2 M-10,0 l-2,2" stroke="#f4ecd8" stroke-width="0.8"/></g>' % (n(px), n(S.Y(py)), n(-a)))
    S.add("".join(out))


@motif("morse")
def morse(S, x: float, y: float, code: str = "-- .-- --.", color: Colour = "gold", angle: float = 0):
    """A line of Morse dots and dashes, glowing, as if travelling along a wire; '_' is a space."""
    parts = []
    px = 0.0
    for ch in code.replace("_", " "):
        if ch == ".":
            parts.append('<circle cx="%s" cy="0" r="1.3"/>' % n(px + 1.3))
            px += 4.2
        elif ch == "-":
            parts.append('<rect x="%s" y="-1.3" width="6" height="2.6" rx="1.3"/>' % n(px))
            px += 8.6
        else:
            px += 4
    S.add('<g transform="%s"><ellipse cx="%s" cy="0" rx="%s" ry="6" fill="%s"/><g fill="%s">%s</g></g>'
          % (S.at(x, y, 1, angle), n(px / 2), n(px / 2 + 6), S.glow(color, 0.3), lighten(color, 0.3), "".join(parts)))
