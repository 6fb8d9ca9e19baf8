"""Festival things: candles, lanterns and fires, fireworks, masks, decorations and customs of the year."""

import math
import random

from .canvas import leaf_path, lighten, n, shade
from .registry import Colour, Colours, motif


@motif("candle")
def candle(S, x: float, y: float, h: float = 30, color: Colour = "ivory", flame: int = 1):
    """A candle with a glowing flame."""
    w = max(3.0, h * 0.22)
    body = S.lin([shade(color, 0.75), lighten(color, 0.25), color, shade(color, 0.7)], 0, 0, 1, 0)
    parts = ['<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>' % (n(-w / 2), n(-h), n(w), n(h), n(w * 0.15), body),
             '<ellipse cx="0" cy="%s" rx="%s" ry="%s" fill="%s"/>' % (n(-h), n(w / 2), n(w * 0.15), lighten(color, 0.35))]
    if flame:
        fl = h * 0.32 + 3
        parts.append('<circle cx="0" cy="%s" r="%s" fill="%s"/>' % (n(-h - fl * 0.5), n(fl * 1.6), S.glow("#ffb040", 0.55)))
        parts.append('<path d="M0,%s C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,%s Z" fill="%s"/>' % (
            n(-h - 1), n(-fl * 0.45), n(-h - fl * 0.3), n(-fl * 0.15), n(-h - fl * 0.7), n(-h - fl),
            n(fl * 0.15), n(-h - fl * 0.7), n(fl * 0.45), n(-h - fl * 0.3), n(-h - 1),
            S.rad(["#fffbe0", "#ffd850", "#ff8a20"], 0.5, 0.7, 0.6)))
        parts.append('<path d="M0,%s L0,%s" stroke="#3a2a20" stroke-width="0.6"/>' % (n(-h), n(-h - 1.5)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("candles")
def candles(S, count: int = 3, y: float = 4, h: float = 26, colors: Colours = "ivory", spread: float = None):
    if spread is None:
        spread = (S.W - 40)
    for i in range(count):
        t = (i + 0.5) / count
        xx = S.W / 2 - spread / 2 + t * spread
        hh = h * (0.75 + 0.25 * math.cos((t - 0.5) * 3.1))
        candle(S, xx, y, hh, colors[i % len(colors)])


@motif("lantern")
def lantern(S, x: float, y: float, s: float = 14, color: Colour = "red", string: int = 1):
    """A round paper lantern, glowing from inside; y is its centre."""
    body = S.rad(["#fff4c0", lighten(color, 0.3), color, shade(color, 0.6)], 0.5, 0.45, 0.6)
    ribs = "".join('<path d="M0,-8 Q%s,0 0,8" fill="none" stroke="%s" stroke-width="0.5" opacity="0.6"/>' % (n(k), shade(color, 0.55)) for k in (-8, -4, 4, 8))
    parts = []
    if string:
        parts.append('<path d="M0,-11 L0,-%s" stroke="%s" stroke-width="0.6"/>' % (n(200), S.lit("#3a3030")))
    parts.append('<circle r="16" fill="%s"/>' % S.glow(color, 0.45))
    parts.append('<ellipse rx="10" ry="8.5" fill="%s"/>%s' % (body, ribs))
    parts.append('<rect x="-4" y="-10.5" width="8" height="2.5" fill="#3a2a24"/><rect x="-4" y="8" width="8" height="2.5" fill="#3a2a24"/>')
    parts.append('<path d="M-1.5,10.5 L-2,16 M0,10.5 L0,17 M1.5,10.5 L2,16" stroke="%s" stroke-width="0.6"/>' % color)
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 20), "".join(parts)))


@motif("lanterns")
def lanterns(S, y: float = None, count: int = 4, colors: Colours = "red,orange,gold,rose"):
    """Paper lanterns hanging from a sagging string."""
    if y is None:
        y = S.H - 24
    sag = 14
    S.add('<path d="M-2,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.7"/>' % (
        n(S.Y(y + 4)), n(S.W / 2), n(S.Y(y - sag * 2 + 4)), n(S.W + 2), n(S.Y(y + 4)), S.lit("#4a4040")))
    for i in range(count):
        t = (i + 0.5) / count
        yy = y + 4 - sag * 2 * 2 * t * (1 - t) * 1.0 * 2 * 0.5
        drop = 8 + 4 * (i % 2)
        S.add('<path d="M%s,%s l0,%s" stroke="%s" stroke-width="0.6"/>' % (n(t * S.W), n(S.Y(yy)), n(drop), S.lit("#4a4040")))
        lantern(S, t * S.W, yy - drop - 5, 12, colors[i % len(colors)], string=0)


@motif("fireworks")
def fireworks(S, x: float, y: float, r: float = 18, color: Colour = "gold", rays: int = 16, trail: int = 1):
    """A firework burst: sparks flying out from a point, with a rising trail below."""
    hi = lighten(color, 0.55)
    parts = ['<circle r="%s" fill="%s"/>' % (n(r * 1.3), S.glow(color, 0.28))]
    rng = random.Random(int(x * 3 + y * 5 + S.code))
    for i in range(rays):
        a = math.radians(i * 360 / rays + rng.uniform(-4, 4))
        rr = r * rng.uniform(0.75, 1.0)
        x1, y1 = math.cos(a) * r * 0.25, math.sin(a) * r * 0.25
        x2, y2 = math.cos(a) * rr, math.sin(a) * rr + r * 0.08
        parts.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="1" stroke-linecap="round" opacity="0.85"/>'
                     % (n(x1), n(y1), n((x1 + x2) / 2), n((y1 + y2) / 2 - r * 0.05), n(x2), n(y2), color))
        parts.append('<circle cx="%s" cy="%s" r="1.2" fill="%s"/>' % (n(x2), n(y2 + 0.8), hi))
    parts.append('<circle r="1.6" fill="#ffffff"/>')
    if trail:
        parts.append('<path d="M0,%s Q2,%s 1,%s" fill="none" stroke="%s" stroke-width="0.8" stroke-dasharray="1.5 2" opacity="0.6"/>'
                     % (n(r * 0.4), n(r * 1.5), n(r * 3), color))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("bonfire")
def bonfire(S, x: float, y: float, s: float = 30):
    """A bonfire of crossed logs with tall flames and rising sparks."""
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


@motif("bell")
def bell(S, x: float, y: float, s: float = 24, color: Colour = "gold", angle: float = 0, bow: int = 0):
    """A bell hanging from its top; y is the top, s its height."""
    paint = S.lin([shade(color, 0.7), lighten(color, 0.45), color, shade(color, 0.55)], 0, 0, 1, 0)
    b = ""
    if bow:
        b = ('<path d="M0,-1 C-6,-6 -10,-2 -8,1 C-6,3 -2,1 0,-1 C2,1 6,3 8,1 C10,-2 6,-6 0,-1 Z M0,-1 L-5,8 M0,-1 L5,8" fill="%s" stroke="%s" stroke-width="1.5"/>'
             % (S.col("crimson"), S.col("crimson")))
    S.add('<g transform="%s"><path d="M0,0 L0,2" stroke="%s" stroke-width="1.5"/>'
          '<path d="M-2.5,2 C-7,2 -7,10 -8,14 C-8.5,17 -11,18 -11,20 L11,20 C11,18 8.5,17 8,14 C7,10 7,2 2.5,2 Z" fill="%s"/>'
          '<circle cx="0" cy="21.5" r="2.2" fill="%s"/>%s</g>'
          % (S.at(x, y, s / 24, angle), shade(color, 0.6), paint, shade(color, 0.5), b))


@motif("gift")
def gift(S, x: float, y: float, s: float = 20, color: Colour = "red", ribbon: Colour = "gold"):
    c, r = S.lit(color) if S.time == "night" else color, ribbon
    S.add('<g transform="%s"><rect x="-10" y="-16" width="20" height="16" fill="%s"/><rect x="-11" y="-19" width="22" height="4" fill="%s"/>'
          '<rect x="-1.5" y="-19" width="3" height="19" fill="%s"/><path d="M0,-19 C-6,-25 -9,-20 -5,-19 Z M0,-19 C6,-25 9,-20 5,-19 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 20), S.lin([lighten(c, 0.15), shade(c, 0.75)], 0, 0, 1, 0), shade(c, 0.85), r, r))


@motif("wreath")
def wreath(S, x: float, y: float, r: float = 30, color: Colour = "#3a7a48", berries: Colour = "#e03040", bow: Colour = "crimson"):
    """An evergreen wreath with berries and a bow; y is its centre."""
    rng = random.Random(int(r * 7 + S.code))
    parts = ['<circle r="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (n(r), shade(color, 0.6), n(r * 0.3))]
    for i in range(28):
        a = i * 360 / 28
        rr = r + rng.uniform(-r * 0.12, r * 0.12)
        px, py = rr * math.cos(math.radians(a)), rr * math.sin(math.radians(a))
        parts.append('<path d="%s" fill="%s" transform="translate(%s,%s) rotate(%s) scale(%s)"/>'
                     % (leaf_path(1), rng.choice((color, lighten(color, 0.2), shade(color, 0.8))), n(px), n(py), n(a + rng.uniform(-40, 40)), n(r * 0.16)))
    for i in range(9):
        a = rng.uniform(0, 360)
        px, py = r * math.cos(math.radians(a)), r * math.sin(math.radians(a))
        parts.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(px), n(py), n(max(1.2, r * 0.07)), berries))
    if bow != "none":
        bc = bow
        parts.append('<g transform="translate(0,%s) scale(%s)"><path d="M0,0 C-6,-6 -11,-2 -9,2 C-7,5 -2,2 0,0 C2,2 7,5 9,2 C11,-2 6,-6 0,0 Z M0,0 L-5,10 L-3,10 L0,3 L3,10 L5,10 Z" fill="%s"/></g>'
                     % (n(r), n(r / 20), bc))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y), "".join(parts)))


@motif("pumpkin")
def pumpkin(S, x: float, y: float, s: float = 24, face: int = 0, color: Colour = "pumpkin"):
    """A ribbed pumpkin; with face=1 it is a lantern, lit from inside."""
    c = S.lit(color) if not face else color
    if face and S.time == "night":
        c = shade(color, 0.75)
    paint = S.rad([lighten(c, 0.3), c, shade(c, 0.6)], 0.4, 0.35, 0.75)
    parts = []
    if face:
        parts.append('<circle cx="0" cy="-10" r="22" fill="%s"/>' % S.glow("#ffa030", 0.45))
    for cx, rx in ((-7, 8), (7, 8), (-3, 8), (3, 8), (0, 7)):
        parts.append('<ellipse cx="%s" cy="-10" rx="%s" ry="10" fill="%s" stroke="%s" stroke-width="0.6"/>' % (cx, rx, paint, shade(c, 0.55)))
    parts.append('<path d="M-1,-19 Q0,-24 3,-25 L3.5,-23 Q1.5,-22 1,-19 Z" fill="%s"/>' % S.lit("#5a7a30"))
    if face:
        parts.append('<path d="M-8,-13 L-5,-16 L-3,-12 Z M8,-13 L5,-16 L3,-12 Z M-1,-10 L0,-12 L1,-10 Z '
                     'M-8,-7 Q0,-1 8,-7 L6,-6 L5,-4 L3,-5 L1,-3 L-1,-5 L-3,-3 L-5,-5 L-6,-6 Z" fill="#ffe070"/>')
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 20), "".join(parts)))


@motif("egg")
def egg(S, x: float, y: float, s: float = 16, color: Colour = "sky", band: Colour = "gold", pattern: str = "zigzag"):
    """A painted egg standing on its end."""
    paint = S.rad([lighten(color, 0.4), color, shade(color, 0.7)], 0.4, 0.35, 0.75)
    clip = S.uid("e")
    shape = "M0,0 C-7,0 -8,-7 -7,-11 C-6,-17 -3,-20 0,-20 C3,-20 6,-17 7,-11 C8,-7 7,0 0,0 Z"
    S.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, shape))
    if pattern == "zigzag":
        deco = '<path d="M-8,-10 L-5,-13 L-2,-10 L1,-13 L4,-10 L7,-13 L9,-10" fill="none" stroke="%s" stroke-width="1.4"/>' % band
    elif pattern == "dots":
        deco = "".join('<circle cx="%s" cy="%s" r="1.3" fill="%s"/>' % (n(px), n(py), band) for px, py in ((-3, -6), (3, -6), (0, -11), (-4, -14), (4, -14)))
    else:
        deco = '<rect x="-9" y="-12" width="18" height="3" fill="%s"/><rect x="-9" y="-7" width="18" height="1.2" fill="#ffffff"/>' % band
    S.add('<g transform="%s"><path d="%s" fill="%s"/><g clip-path="url(#%s)">%s</g></g>' % (S.at(x, y, s / 20), shape, paint, clip, deco))


@motif("kite")
def kite(S, x: float, y: float, s: float = 24, color: Colour = "red", color2: Colour = "gold"):
    bows = "".join('<path d="M%s,%s l-2,-1.5 l0,3 Z M%s,%s l2,-1.5 l0,3 Z" fill="%s"/>' % (n(bx), n(by), n(bx), n(by), color2)
                   for bx, by in ((-2, 30), (-6, 38), (-5, 46)))
    S.add('<g transform="%s"><path d="M0,-14 L9,0 L0,20 L-9,0 Z" fill="%s"/><path d="M0,-14 L9,0 L0,0 Z M0,0 L-9,0 L0,20 Z" fill="%s"/>'
          '<path d="M0,20 Q-8,30 -2,36 Q4,44 -5,52" fill="none" stroke="#e0d8c8" stroke-width="0.7"/>%s'
          '<path d="M0,20 Q20,40 40,120" fill="none" stroke="#e0d8c8" stroke-width="0.4" opacity="0.6"/></g>'
          % (S.at(x, y, s / 34, -12), color, color2, bows))


@motif("maypole")
def maypole(S, x: float, y: float, h: float = 90, colors: Colours = "red,gold,sky,green,rose"):
    """A maypole with a crown of flowers and ribbons streaming down."""
    k = h / 90
    parts = ['<rect x="-1.6" y="-90" width="3.2" height="90" fill="%s"/>' % S.lin([S.lit("#f4ead0"), S.lit("#c8b898")], 0, 0, 1, 0)]
    for i, c in enumerate(colors * 2):
        a = (i - len(colors) + 0.5) * 9
        parts.append('<path d="M0,-84 Q%s,-60 %s,-12" fill="none" stroke="%s" stroke-width="1.3"/>' % (n(a * 0.8), n(a), c))
    parts.append('<ellipse cx="0" cy="-86" rx="7" ry="3" fill="none" stroke="#5aa040" stroke-width="2.2"/>')
    for i, c in enumerate(colors):
        parts.append('<circle cx="%s" cy="%s" r="1.5" fill="%s"/>' % (n(-6 + i * 3), n(-86 + (i % 2) * 1.5), c))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, k), "".join(parts)))


@motif("torch")
def torch(S, x: float, y: float, s: float = 40):
    """A hand-held torch with a tall flame."""
    S.add('<g transform="%s"><path d="M-3,0 L-5,-24 L5,-24 L3,0 Z" fill="%s"/><path d="M-7,-24 L7,-24 L5,-30 L-5,-30 Z" fill="%s"/>'
          '<circle cx="0" cy="-40" r="14" fill="%s"/><path d="M-6,-30 C-8,-38 -2,-42 0,-52 C2,-42 8,-38 6,-30 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 52), S.lit("#8a6a40"), S.col("gold"), S.glow("#ffb040", 0.5), S.rad(["#fffbe0", "#ffd040", "#ff7a20"], 0.5, 0.8, 0.8)))


@motif("carp")
def carp(S, x: float, y: float, s: float = 40, color: Colour = "red", angle: float = 6):
    """A carp streamer flying from its mouth ring; (x, y) is the mouth."""
    scales = "".join('<path d="M%s,-4 a3,3 0 0 0 0,6 M%s,-1 a3,3 0 0 0 0,6" fill="none" stroke="%s" stroke-width="0.7" opacity="0.7"/>'
                     % (n(8 + i * 5), n(10.5 + i * 5), lighten(color, 0.5)) for i in range(5))
    S.add('<g transform="%s"><path d="M0,-6 C12,-7 26,-5 36,-2 L44,-7 L41,0 L44,7 L36,2 C26,5 12,7 0,6 Z" fill="%s"/>%s'
          '<circle cx="5" cy="-1.5" r="2.4" fill="#ffffff"/><circle cx="5" cy="-1.5" r="1.2" fill="#1a1a24"/>'
          '<ellipse cx="0" cy="0" rx="1.5" ry="6" fill="none" stroke="%s" stroke-width="1.2"/></g>'
          % (S.at(x, y, s / 44, angle), S.lin([lighten(color, 0.3), color, shade(color, 0.7)]), scales, S.col("gold")))


@motif("pole")
def pole(S, x: float, y: float = 0, h: float = 120, color: Colour = "#d8ccb0", top: Colour = "gold"):
    S.add('<rect x="%s" y="%s" width="2" height="%s" fill="%s"/><circle cx="%s" cy="%s" r="2.4" fill="%s"/>'
          % (n(x - 1), n(S.Y(y + h)), n(h), S.lit(color), n(x), n(S.Y(y + h)), top))


@motif("floatlantern")
def float_lantern(S, x: float, y: float, s: float = 10, color: Colour = "#ffb050"):
    """A paper lantern floating on water, with its reflection."""
    S.add('<g transform="%s"><ellipse cx="0" cy="2" rx="6" ry="8" fill="%s"/><rect x="-4" y="-8" width="8" height="8" fill="%s"/>'
          '<path d="M-5,-8 L0,-12 L5,-8 Z" fill="%s"/><rect x="-5" y="0" width="10" height="1.5" fill="#3a2a24"/>'
          '<circle cx="0" cy="-4" r="12" fill="%s"/></g>'
          % (S.at(x, y, s / 10), S.glow(color, 0.5), S.lin(["#fff6d8", color], 0, 0, 0, 1), shade(color, 0.7), S.glow(color, 0.35)))


@motif("crane")
def paper_crane(S, x: float, y: float, s: float = 20, color: Colour = "white", angle: float = 0):
    """A folded paper crane."""
    S.add('<g transform="%s"><path d="M-14,-2 L-4,-4 L0,-16 L3,-4 L12,-10 L9,-3 L14,-4 L6,2 L-4,2 Z" fill="%s"/>'
          '<path d="M0,-16 L3,-4 L-4,-4 Z" fill="%s"/><path d="M-4,2 L6,2 L3,-4 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 28, angle), color, shade(color, 0.82), shade(color, 0.7)))


@motif("parasol")
def parasol(S, x: float, y: float, s: float = 40, color: Colour = "red"):
    """A big festival parasol on a tall handle, seen from the side."""
    ribs = "".join('<path d="M0,-40 L%s,-30" />' % n(k) for k in (-18, -9, 0, 9, 18))
    S.add('<g transform="%s"><rect x="-0.8" y="-40" width="1.6" height="40" fill="%s"/>'
          '<path d="M-22,-29 Q0,-50 22,-29 Q0,-34 -22,-29 Z" fill="%s"/><g stroke="%s" stroke-width="0.5">%s</g>'
          '<path d="M-22,-29 q-1,4 0,7 M22,-29 q1,4 0,7" stroke="%s" stroke-width="1"/></g>'
          % (S.at(x, y, s / 50), S.lit("#5a4030"), S.lin([lighten(color, 0.2), shade(color, 0.8)]), shade(color, 0.6), ribs, S.col("gold")))


@motif("drum")
def drum(S, x: float, y: float, s: float = 30, color: Colour = "red"):
    """A marching drum with crossed sticks; y is its bottom."""
    zig = "".join('<path d="M%s,-4 L%s,-20" />' % (n(-12 + i * 6), n(-9 + i * 6)) for i in range(4))
    S.add('<g transform="%s"><rect x="-13" y="-22" width="26" height="20" fill="%s"/><g stroke="%s" stroke-width="0.9">%s</g>'
          '<rect x="-14" y="-23" width="28" height="3" rx="1" fill="%s"/><rect x="-14" y="-4" width="28" height="3" rx="1" fill="%s"/>'
          '<ellipse cx="0" cy="-23" rx="13" ry="3" fill="#f4ecd8"/>'
          '<path d="M-10,-36 L4,-23 M10,-36 L-4,-23" stroke="%s" stroke-width="1.4" stroke-linecap="round"/></g>'
          % (S.at(x, y, s / 30), S.lin([shade(color, 0.7), lighten(color, 0.25), shade(color, 0.7)], 0, 0, 1, 0), S.col("gold"), zig,
             S.col("ivory"), S.col("ivory"), S.lit("#c8a070")))


@motif("theatremasks")
def theatre_masks(S, x: float, y: float, s: float = 40):
    """The two masks of the stage, one smiling, one sad; y is their centre."""
    face = 'M-9,-11 C-9,-15 9,-15 9,-11 C9,0 5,9 0,10 C-5,9 -9,0 -9,-11 Z'
    happy = '<path d="M-5,-6 q2,-2 4,0 M1,-6 q2,-2 4,0" stroke="#1a1a20" stroke-width="1.2" fill="none"/><path d="M-5,1 Q0,7 5,1 Q0,4 -5,1 Z" fill="#1a1a20"/>'
    sad = '<path d="M-5,-5 q2,-2 4,0 M1,-5 q2,-2 4,0" stroke="#1a1a20" stroke-width="1.2" fill="none" transform="rotate(180 0 -5.5)"/><path d="M-5,5 Q0,-1 5,5 Q0,2 -5,5 Z" fill="#1a1a20"/>'
    S.add('<g transform="%s"><g transform="translate(-8,0) rotate(-15)"><path d="%s" fill="%s"/>%s</g>'
          '<g transform="translate(9,4) rotate(14)"><path d="%s" fill="%s"/>%s</g>'
          '<path d="M-20,-10 q-6,10 -2,16 M20,-4 q6,10 2,16" stroke="%s" stroke-width="1.2" fill="none"/></g>'
          % (S.at(x, y, s / 30), face, S.lin(["#fff4c0", S.col("gold")]), happy, face, S.lin(["#e8e0ff", "#8a7ac8"]), sad, S.col("crimson")))


@motif("onimask")
def oni_mask(S, x: float, y: float, s: float = 40):
    """A red demon mask with horns, for the bean-throwing at the turn of the season; y is its centre."""
    S.add('<g transform="%s"><path d="M-10,-12 L-14,-24 L-5,-15 Z M10,-12 L14,-24 L5,-15 Z" fill="#f4e6c0"/>'
          '<path d="M-14,-6 C-14,-16 14,-16 14,-6 C14,6 8,14 0,14 C-8,14 -14,6 -14,-6 Z" fill="%s"/>'
          '<path d="M-9,-6 L-3,-3 L-9,-1 Z M9,-6 L3,-3 L9,-1 Z" fill="#ffe070"/>'
          '<path d="M-6,6 Q0,3 6,6 Q0,10 -6,6 Z" fill="#2a0a0a"/><path d="M-4,5 l1,2 l1,-2 M2,5 l1,2 l1,-2" fill="#ffffff"/>'
          '<path d="M-12,-10 Q-6,-14 -2,-10 M12,-10 Q6,-14 2,-10" stroke="#2a0a0a" stroke-width="1.6" fill="none"/></g>'
          % (S.at(x, y, s / 40), S.rad(["#ff8a6a", "#e03a2a", "#a01a1a"], 0.4, 0.35, 0.8)))


@motif("beans")
def beans(S, count: int = 14, low: float = 4, high: float = 60):
    rng = random.Random(S.code * 97)
    out = "".join('<ellipse cx="%s" cy="%s" rx="1.6" ry="1.2" fill="#e8c888" stroke="#a07a40" stroke-width="0.3"/>' % (n(rng.uniform(10, S.W - 10)), n(S.Y(rng.uniform(low, high)))) for i in range(count))
    S.add(out)


@motif("dolls")
def hina_dolls(S, x: float, y: float, s: float = 50):
    """Festival dolls in court dress on a red-draped stand: the emperor and empress on top, ladies below."""
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


@motif("crosses")
def brigid_cross(S, x: float, y: float, s: float = 30, color: Colour = "#e0c070"):
    """A cross woven from rushes: a square woven centre and four arms of bundled stems, each
    tied near its end; y is its centre."""
    c = S.lit(color) if S.time != "day" else color
    dark = shade(c, 0.6)
    arm = ('<path d="M-2.6,-5 L-2.6,-21 M0,-5 L0,-22 M2.6,-5 L2.6,-21" stroke="%s" stroke-width="2.4" stroke-linecap="round"/>'
           '<rect x="-4.4" y="-18" width="8.8" height="2" fill="%s"/>' % (c, dark))
    arms = "".join('<g transform="rotate(%d)">%s</g>' % (a, arm) for a in (0, 90, 180, 270))
    weave = "".join('<rect x="%s" y="-6" width="2.2" height="12" fill="%s"/>' % (n(-5.5 + i * 2.8), c if i % 2 else shade(c, 0.85)) for i in range(4))
    weave += "".join('<rect x="-6" y="%s" width="12" height="2.2" fill="%s" opacity="0.9"/>' % (n(-5.5 + i * 2.8), shade(c, 0.9) if i % 2 else c) for i in range(4))
    S.add('<g transform="%s"><circle r="30" fill="%s"/>%s%s</g>' % (S.at(x, y, s / 44), S.glow("#fff0c0", 0.25), arms, weave))


@motif("turnip")
def turnip_lantern(S, x: float, y: float, s: float = 24):
    """A hollowed turnip lantern with a carved face glowing from inside."""
    body = S.rad(["#fff4e0", "#f0d8c8", "#b88aa0"], 0.45, 0.35, 0.75)
    S.add('<g transform="%s"><circle cx="0" cy="-12" r="20" fill="%s"/><path d="M-12,-10 C-13,-20 -6,-24 0,-24 C6,-24 13,-20 12,-10 C11,-2 6,2 0,2 C-6,2 -11,-2 -12,-10 Z" fill="%s"/>'
          '<path d="M-12,-14 C-6,-18 6,-18 12,-14 C10,-22 6,-24 0,-24 C-6,-24 -10,-22 -12,-14 Z" fill="#9a5a9a"/>'
          '<path d="M-6,-12 L-3,-15 L-1,-11 Z M6,-12 L3,-15 L1,-11 Z M-6,-6 Q0,-1 6,-6 L4,-5 L2,-3 L0,-5 L-2,-3 L-4,-5 Z" fill="#ffc850"/>'
          '<path d="M0,2 L0,5 M-1,2 q-2,3 -4,3" stroke="#c8a890" stroke-width="0.8" fill="none"/></g>'
          % (S.at(x, y, s / 24), S.glow("#ffb040", 0.45), body))


@motif("flames")
def flames(S, y: float = None, count: int = 6):
    """A line of tall flames and smoke over the rooftops."""
    if y is None:
        y = S.horizon
    rng = random.Random(S.code * 107)
    paint = S.rad(["#fffbe0", "#ffd040", "#ff7a20", "#c02a10"], 0.5, 0.9, 0.9)
    out = []
    smoke = []
    for i in range(count):
        px = (i + 0.5) * S.W / count + rng.uniform(-5, 5)
        h = rng.uniform(20, 40)
        w = rng.uniform(8, 13)
        out.append('<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="%s"/>' % (
            n(px - w), n(S.Y(y - 4)), n(px - w), n(S.Y(y + h * 0.5)), n(px - 2), n(S.Y(y + h * 0.6)), n(px + rng.uniform(-3, 3)), n(S.Y(y + h)),
            n(px + 2), n(S.Y(y + h * 0.6)), n(px + w), n(S.Y(y + h * 0.5)), n(px + w), n(S.Y(y - 4)), paint))
        smoke.append('<circle cx="%s" cy="%s" r="%s"/>' % (n(px + 8), n(S.Y(y + h + 20)), n(rng.uniform(10, 16))))
    S.add('<g fill="#3a2a2e" opacity="0.55">%s</g>%s' % ("".join(smoke), "".join(out)))


def grave_light(S, x, y, s, c):
    """A candle in a glass of colour c (#rrggbb), as set out on graves; y is its base."""
    S.add('<g transform="%s"><circle cx="0" cy="-12" r="14" fill="%s"/><path d="M-5,0 L-6,-14 L6,-14 L5,0 Z" fill="%s" opacity="0.9"/>'
          '<rect x="-6.5" y="-16" width="13" height="2.5" fill="%s"/><path d="M0,-9 C-2,-11 -1,-13 0,-16 C1,-13 2,-11 0,-9 Z" fill="#fff4b0"/></g>'
          % (S.at(x, y, s / 16), S.glow(c, 0.45), S.lin([lighten(c, 0.45), c, shade(c, 0.7)], 0, 0, 1, 0), S.lit("#c8ccd8")))


@motif("gravelights")
def grave_lights(S, count: int = 9, low: float = 4, high: float = 30, colors: Colours = "#e83a3a,#f0a030,#f4e6c0,#e83a3a"):
    rng = random.Random(S.code * 109)
    items = sorted(((rng.uniform(low, high), rng.uniform(8, S.W - 8), rng.choice(colors)) for i in range(count)), reverse=True)
    for yy, xx, c in items:
        grave_light(S, xx, yy, 14 - yy * 0.15, c)


@motif("skull")
def sugar_skull(S, x: float, y: float, s: float = 30):
    """A decorated sugar skull, smiling; (x, y) is its centre."""
    S.add('<g transform="%s"><path d="M-12,-2 C-12,-16 12,-16 12,-2 C12,4 8,6 7,10 L-7,10 C-8,6 -12,4 -12,-2 Z" fill="%s"/>'
          '<circle cx="-5" cy="-1" r="3.6" fill="#3ab0c8"/><circle cx="5" cy="-1" r="3.6" fill="#3ab0c8"/><circle cx="-5" cy="-1" r="1.5" fill="#1a1a20"/><circle cx="5" cy="-1" r="1.5" fill="#1a1a20"/>'
          '<path d="M0,3 L-1.5,6 L1.5,6 Z" fill="#e84a6a"/><path d="M-5,9 L5,9 M-3,8 v2.5 M0,8 v2.5 M3,8 v2.5" stroke="#1a1a20" stroke-width="0.7"/>'
          '<path d="M-4,-9 Q0,-12 4,-9" stroke="#e84a6a" stroke-width="1.4" fill="none"/><circle cx="0" cy="-10" r="1.4" fill="#f0c040"/>'
          '<circle cx="-9" cy="-6" r="1" fill="#8ad050"/><circle cx="9" cy="-6" r="1" fill="#8ad050"/></g>'
          % (S.at(x, y, s / 26), S.rad(["#ffffff", "#f4ecf0", "#d8ccd8"], 0.45, 0.35, 0.7)))


@motif("pharaoh")
def pharaoh_mask(S, x: float, y: float, s: float = 60):
    """A golden funerary mask with a striped headdress; y is its chin."""
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


@motif("advent")
def advent_calendar(S, x: float, y: float, s: float = 80, open_: int = 1):
    """A little house-shaped calendar with numbered doors; door 1 open and lit."""
    red = S.col("#c8303a")
    doors = []
    k = 0
    for r in range(4):
        for c in range(4):
            k += 1
            dx, dy = -19 + c * 10, -46 + r * 11
            if k == 1 and open_:
                doors.append('<rect x="%s" y="%s" width="7" height="8" fill="#ffe090"/><path d="M%s,%s l-4,1 l0,8 l4,-1 Z" fill="#f4ecd8"/>' % (n(dx), n(dy), n(dx), n(dy)))
            else:
                doors.append('<rect x="%s" y="%s" width="7" height="8" fill="#f4ecd8" stroke="%s" stroke-width="0.4"/><text x="%s" y="%s" font-family="DejaVu Sans, Liberation Sans, sans-serif" font-size="5" text-anchor="middle" fill="%s">%d</text>'
                             % (n(dx), n(dy), shade(red, 0.6), n(dx + 3.5), n(dy + 6), shade(red, 0.7), (k * 7) % 24 + 1))
    S.add('<g transform="%s"><rect x="-24" y="-52" width="48" height="52" fill="%s"/><path d="M-28,-50 L0,-70 L28,-50 Z" fill="%s"/>'
          '<circle cx="0" cy="-58" r="4" fill="#ffe090"/>%s</g>'
          % (S.at(x, y, s / 70), S.lin([lighten(red, 0.15), shade(red, 0.8)]), shade(red, 0.75), "".join(doors)))


@motif("boot")
def boot(S, x: float, y: float, s: float = 30, color: Colour = "#8a3a2a", filled: int = 1):
    """A child's boot set out for the saint, filled with an orange and sweets."""
    c = S.lit(color) if S.time != "day" else color
    fill = ""
    if filled:
        fill = ('<circle cx="-2" cy="-30" r="5" fill="%s"/><path d="M4,-28 l6,-8 l2,1 l-6,8 Z" fill="#e84a6a"/><rect x="-9" y="-32" width="4" height="6" fill="#f0c040" transform="rotate(-15 -7 -29)"/>'
                % S.rad(["#ffd080", "#f08a20", "#c85a10"], 0.4, 0.35, 0.7))
    S.add('<g transform="%s">%s<path d="M-8,-28 L8,-28 L8,-8 L18,-6 C22,-5 22,0 18,0 L-8,0 Z" fill="%s"/><rect x="-9" y="-30" width="18" height="4" fill="%s"/></g>'
          % (S.at(x, y, s / 30), fill, S.lin([lighten(c, 0.2), shade(c, 0.7)]), shade(c, 0.7)))


@motif("kinara")
def kinara(S, x: float, y: float, s: float = 80, colors: Colours = "crimson,crimson,crimson,#2a2a30,green,green,green"):
    """A wooden candle holder with seven candles in a row, the middle one highest."""
    k = s / 80
    wood = S.lit("#8a5a30") if S.time == "day" else "#8a5a30"
    S.add('<g transform="%s"><rect x="-36" y="-14" width="72" height="6" rx="2" fill="%s"/><path d="M-8,-8 L8,-8 L12,0 L-12,0 Z" fill="%s"/>'
          '<g fill="%s">%s</g></g>'
          % (S.at(x, y, k), S.lin([lighten(wood, 0.25), shade(wood, 0.7)]), shade(wood, 0.8), shade(wood, 0.9),
             "".join('<rect x="%s" y="%s" width="6" height="%s"/>' % (n(-33 + i * 10.5), n(-14 - (6 - abs(i - 3) * 2)), n(6 - abs(i - 3) * 2)) for i in range(7))))
    for i in range(7):
        top = y + (14 + 6 - abs(i - 3) * 2) * k
        candle(S, x + (-30 + i * 10.5) * k, top, 20 * k, colors[i % len(colors)])


@motif("patang")
def patang(S, x: float, y: float, s: float = 20, color: Colour = "red", color2: Colour = "gold", angle: float = 0, sx: float = None, sy: float = None):
    """A square fighter kite flown corner up, with a small tail; (x, y) its centre. With sx, sy its
    string runs down to that point (the flyer's hand)."""
    if sx is not None and sy is not None:
        S.add('<path d="M%s,%s Q%s,%s %s,%s" stroke="#f4f0e0" stroke-width="0.5" fill="none" opacity="0.8"/>'
              % (n(x), n(S.Y(y - s * 0.25)), n((x + sx) / 2 + 6), n(S.Y((y + sy) / 2 - 4)), n(sx), n(S.Y(sy))))
    S.add('<g transform="%s"><path d="M0,-10 L10,0 L0,10 L-10,0 Z" fill="%s"/><path d="M0,-10 L10,0 L0,10 Z" fill="%s"/>'
          '<circle cx="0" cy="0" r="3" fill="%s"/><path d="M0,-10 L0,10 M-10,0 Q0,-5 10,0" stroke="%s" stroke-width="0.6" fill="none"/>'
          '<path d="M0,9 L-2.6,13.6 L2.6,13.6 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 20, angle), color, color2, color, shade(color, 0.5), color2))


@motif("swallowkite")
def swallowkite(S, x: float, y: float, s: float = 30, color: Colour = "#2a2a40", color2: Colour = "red"):
    """A painted swallow kite: spread wings, a forked tail, bright patterns; (x, y) its centre."""
    S.add('<path d="M%s,%s Q%s,%s %s,%s" stroke="#e0d8c8" stroke-width="0.4" fill="none" opacity="0.6"/>'
          % (n(x), n(S.Y(y - 4)), n(x + 20), n(S.Y(y - 60)), n(x + 30), n(S.Y(y - 140))))
    S.add('<g transform="%s"><path d="M0,-12 C3,-12 4,-8 3,-4 L18,-10 C22,-8 20,-2 16,0 L4,2 L6,14 L2,10 L0,16 L-2,10 L-6,14 L-4,2 L-16,0 C-20,-2 -22,-8 -18,-10 L-3,-4 C-4,-8 -3,-12 0,-12 Z" fill="%s"/>'
          '<path d="M-15,-6 C-10,-6 -6,-4 -3,-2 M15,-6 C10,-6 6,-4 3,-2" stroke="%s" stroke-width="2" fill="none"/>'
          '<circle cx="-11" cy="-5" r="1.6" fill="%s"/><circle cx="11" cy="-5" r="1.6" fill="%s"/><circle cx="0" cy="-2" r="2.2" fill="%s"/>'
          '<circle cx="-1.2" cy="-9" r="0.7" fill="#ffffff"/><circle cx="1.2" cy="-9" r="0.7" fill="#ffffff"/></g>'
          % (S.at(x, y, s / 30, -8), color, color2, S.col("gold"), S.col("gold"), color2))
