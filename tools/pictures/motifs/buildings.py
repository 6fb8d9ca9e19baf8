"""Buildings and monuments: houses, churches and towns, towers, bridges and ancient stones."""

import random

from .canvas import lighten, mix, n, shade
from .registry import Colour, Colours, Numbers, motif


def _window(S, x, y, w, h, lit):
    if lit:
        return ('<rect x="%s" y="%s" width="%s" height="%s" fill="#ffd070"/>'
                '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                % (n(x), n(y), n(w), n(h), n(x - 3), n(y - 3), n(w + 6), n(h + 6), S.glow("#ffc860", 0.35)))
    return '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (n(x), n(y), n(w), n(h), S.lit("#3a4460"))


@motif("house")
def house(S, x: float, y: float, s: float = 20, color: Colour = "#c89a70", roof: Colour = "#8a3a30", lit: int = None, snow: int = 0):
    """A cottage with a pitched roof, a door, a chimney and (at dusk and night) glowing windows."""
    lit = S.time in ("night", "dusk") if lit is None else bool(lit)
    wall = S.lit(color)
    rf = S.lit(roof)
    parts = ['<rect x="11" y="-27" width="4" height="8" fill="%s"/>' % S.lit("#7a5040"),
             '<rect x="-14" y="-16" width="28" height="16" fill="%s"/>' % wall,
             '<path d="M-17,-15 L0,-30 L17,-15 Z" fill="%s"/>' % rf]
    if snow:
        parts.append('<path d="M-17,-15 L0,-30 L17,-15 L14,-15 L0,-27 L-14,-15 Z M-17,-15 L0,-30 L17,-15 Q0,-22 -17,-15 Z" fill="%s"/>'
                     % ("#eef4ff" if S.time == "day" else "#9aa8cc"))
    parts.append('<rect x="-3" y="-9" width="6" height="9" fill="%s"/>' % S.lit("#5a3424"))
    parts.append(_window(S, -11, -12, 5, 5, lit))
    parts.append(_window(S, 6, -12, 5, 5, lit))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 30), "".join(parts)))


@motif("church")
def church(S, x: float, y: float, s: float = 50, color: Colour = "#d8ccb8", lit: int = None, snow: int = 0):
    """A small church with a spired tower."""
    lit = S.time in ("night", "dusk") if lit is None else bool(lit)
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
    if snow:
        sc = "#eef4ff" if S.time == "day" else "#9aa8cc"
        parts.append('<path d="M-6,-29 L9,-42 L24,-29 L20,-30 L9,-39 L-2,-30 Z" fill="%s"/>' % sc)
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 68), "".join(parts)))


@motif("town")
def town(S, y: float = None, count: int = 7, lit: int = None, color: Colour = "#2a2e48", spire: int = 1):
    """A row of rooftops with lit windows, seen across the fields."""
    if y is None:
        y = S.horizon - 2
    lit = S.time in ("night", "dusk") if lit is None else bool(lit)
    rng = random.Random(S.code * 47)
    c = S.lit(color) if S.time == "day" else color
    if S.time == "day":
        c = S.lit("#8a7e78")
    x = -4
    shapes = []
    windows = []
    spire_at = rng.randint(2, max(2, count - 2)) if spire else -1
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
def lighthouse(S, x: float, y: float, h: float = 70, beam: int = 1):
    parts = []
    if beam:
        parts.append('<path d="M0,-62 L-70,-75 L-70,-52 Z" fill="%s"/>' % S.lin([(0, "#fff4c0", 0), (1, "#fff4c0", 0.55)], 0, 0, 1, 0))
        parts.append('<path d="M0,-62 L50,-70 L50,-56 Z" fill="%s"/>' % S.lin([(0, "#fff4c0", 0.5), (1, "#fff4c0", 0)], 0, 0, 1, 0))
    white, red = S.lit("#f4f0e8"), S.lit("#c83a3a")
    parts.append('<path d="M-8,0 L-5,-55 L5,-55 L8,0 Z" fill="%s"/>' % white)
    parts.append('<path d="M-7.2,-14 L-6.6,-24 L6.6,-24 L7.2,-14 Z M-6,-34 L-5.5,-44 L5.5,-44 L6,-34 Z" fill="%s"/>' % red)
    parts.append('<rect x="-4" y="-66" width="8" height="11" fill="#ffe890"/><circle cx="0" cy="-61" r="9" fill="%s"/>' % S.glow("#fff0a0", 0.6))
    parts.append('<path d="M-6,-66 L0,-72 L6,-66 Z" fill="%s"/><rect x="-7" y="-56" width="14" height="2" fill="%s"/>' % (red, S.lit("#3a3a44")))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, h / 72), "".join(parts)))


@motif("tower")
def tower(S, x: float, y: float, h: float = 60, clock: int = 1, color: Colour = "#c8bca8"):
    """A tall tower with a pointed roof, with a clock face unless clock=0."""
    c = S.lit(color)
    face = "#fff6dc" if S.time in ("night", "dusk") else "#f8f2e2"
    if clock:
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
def castle(S, x: float, y: float, s: float = 50, color: Colour = "#a8a0a8"):
    c = S.lit(color)
    merl = "".join('<rect x="%s" y="-34" width="3" height="3"/>' % n(-20 + i * 6) for i in range(7))
    S.add('<g transform="%s" fill="%s"><rect x="-20" y="-31" width="40" height="31"/>%s'
          '<rect x="-26" y="-44" width="12" height="44"/><rect x="14" y="-44" width="12" height="44"/>'
          '<path d="M-27,-44 L-20,-56 L-13,-44 Z M13,-44 L20,-56 L27,-44 Z" fill="%s"/>'
          '<path d="M-5,0 L-5,-10 A5,5 0 0 1 5,-10 L5,0 Z" fill="%s"/></g>'
          % (S.at(x, y, s / 56), c, merl, S.lit("#6a4a5a"), S.lit("#3a2a2a")))


@motif("window")
def window_frame(S, color: Colour = "#3a2a24", bars: int = 1, sill: int = 1):
    """An arched window frame around the whole scene: the picture becomes a view from inside."""
    W, H = S.W, S.H
    r = (W - 2) / 2
    parts = []
    if bars:
        parts.append('<path d="M%s,%s L%s,%s M0,%s L%d,%s" stroke="%s" stroke-width="3"/>'
                     % (n(W / 2), n(1), n(W / 2), n(H), n(r + 20), W, n(r + 20), color))
    if sill:
        parts.append('<rect x="0" y="%s" width="%d" height="12" fill="%s"/><rect x="0" y="%s" width="%d" height="2" fill="%s"/>'
                     % (n(H - 12), W, S.lin([lighten(color, 0.2), color]), n(H - 12), W, lighten(color, 0.4)))
    S.add("".join(parts))


@motif("torii")
def torii(S, x: float, y: float, s: float = 60, color: Colour = "#d8402a"):
    """A shrine gate: two posts and two crossbeams, the top one curving up at its ends."""
    c = S.lit(color)
    S.add('<g transform="%s" fill="%s"><rect x="-19" y="-46" width="4" height="46"/><rect x="15" y="-46" width="4" height="46"/>'
          '<rect x="-23" y="-40" width="46" height="3.5"/><path d="M-30,-50 Q0,-46 30,-50 L31,-55 Q0,-51 -31,-55 Z"/>'
          '<rect x="-1.5" y="-48" width="3" height="8"/><path d="M-31,-55 Q0,-51 31,-55 L31,-56.5 Q0,-53 -31,-56.5 Z" fill="#2a2a30"/></g>'
          % (S.at(x, y, s / 56), c))


@motif("telegraph")
def telegraph(S, y: float = 0, h: float = 80, wires: int = 3, birds: int = 0, x1: float = 22, x2: float = None):
    """Wooden poles carrying wires across the picture; with birds=N, swallows sit on the wires."""
    if x2 is None:
        x2 = S.W + 40
    c = S.lit("#6a4a32")
    top = y + h
    parts = []
    for px, k in ((x1, 1.0), (x2, 1.0)):
        parts.append('<rect x="%s" y="%s" width="3" height="%s" fill="%s"/><rect x="%s" y="%s" width="18" height="2" fill="%s"/>'
                     % (n(px - 1.5), n(S.Y(top)), n(h), c, n(px - 9), n(S.Y(top - 4)), c))
    wire_c = S.lit("#3a3a44") if S.time == "day" else "#5a6080"
    rng = random.Random(S.code * 61)
    for i in range(wires):
        off = -7 + i * 7
        wy = top - 4
        parts.append('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.6"/>'
                     % (n(x1 + off), n(S.Y(wy)), n((x1 + x2) / 2), n(S.Y(wy - 22)), n(x2 + off), n(S.Y(wy)), wire_c))
        for b in range(birds // max(1, wires) + (1 if i < birds % max(1, wires) else 0)):
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
def bridge(S, y: float = None, color: Colour = "#c8482a", h: float = 70):
    """A suspension bridge across the picture: two towers, sweeping cables and a deck."""
    if y is None:
        y = S.horizon
    c = S.lit(color)
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


@motif("stones")
def stones(S, x: float, y: float, s: float = 60, color: Colour = "#9a96a0"):
    """A ring of standing stones with trilithons, seen from the side."""
    c = S.lit(color)
    dark = shade(c, 0.75)
    parts = []
    for px, w, h, cap in ((-40, 8, 24, 0), (-28, 9, 30, 1), (-17, 9, 30, 0), (-4, 10, 36, 1), (8, 10, 36, 0), (22, 9, 28, 1), (33, 9, 28, 0), (46, 7, 20, 0)):
        parts.append('<path d="M%s,0 L%s,%s L%s,%s L%s,0 Z" fill="%s"/>' % (n(px), n(px + 0.8), n(-h), n(px + w - 0.6), n(-h - 0.5), n(px + w), c if px % 2 else dark))
    for px, w, h in ((-28, 20, 30), (-4, 22, 36), (22, 20, 28)):
        parts.append('<rect x="%s" y="%s" width="%s" height="5" fill="%s"/>' % (n(px - 1), n(-h - 5), n(w), shade(c, 0.9)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 60), "".join(parts)))


@motif("yurt")
def yurt(S, x: float, y: float, s: float = 36, color: Colour = "#f2ecdc", trim: Colour = "#c04a3a"):
    c, t = S.lit(color), S.lit(trim)
    S.add('<g transform="%s"><path d="M-20,0 L-20,-12 L20,-12 L20,0 Z" fill="%s"/><path d="M-21,-12 Q-14,-22 0,-25 Q14,-22 21,-12 Z" fill="%s"/>'
          '<rect x="-20" y="-12" width="40" height="2.2" fill="%s"/><rect x="-20" y="-5" width="40" height="1.6" fill="%s"/>'
          '<rect x="-4" y="-10" width="8" height="10" fill="%s"/><circle cx="0" cy="-24" r="2" fill="%s"/></g>'
          % (S.at(x, y, s / 40), S.lin([lighten(c, 0.1), shade(c, 0.85)], 0, 0, 1, 0), shade(c, 0.93), t, t, t, shade(c, 0.6)))


@motif("eiffel")
def lattice_tower(S, x: float, y: float, h: float = 120, color: Colour = "#8a7a6a"):
    """A tall iron lattice tower with arched legs."""
    c = S.lit(color) if S.time == "day" else "#2a2838"
    lat = "".join('<path d="M%s,%s L%s,%s M%s,%s L%s,%s" />' % (n(-w), n(yy), n(w2), n(yy - 6), n(w), n(yy), n(-w2), n(yy - 6))
                  for yy, w, w2 in ((-20, 15, 12), (-40, 9, 7), (-52, 7, 6), (-64, 5, 4.5), (-76, 4, 3.5)))
    S.add('<g transform="%s"><path d="M-22,0 C-16,-20 -8,-50 -2,-100 L2,-100 C8,-50 16,-20 22,0 L15,0 Q0,-24 -15,0 Z" fill="%s"/>'
          '<rect x="-12" y="-30" width="24" height="3" fill="%s"/><rect x="-7" y="-58" width="14" height="2.4" fill="%s"/>'
          '<path d="M-1,-100 L0,-112 L1,-100 Z" fill="%s"/><g stroke="#000000" stroke-width="0.5" opacity="0.35">%s</g></g>'
          % (S.at(x, y, h / 112), c, c, c, c, lat))


@motif("ruins")
def ruins(S, x: float, y: float, s: float = 50, color: Colour = "#c8bca8"):
    """Stone walls and terraces of an old mountain town."""
    c = S.lit(color)
    parts = []
    for i, (px, w, h) in enumerate(((-30, 14, 10), (-14, 10, 14), (-2, 16, 9), (16, 12, 13), (-22, 8, 20), (6, 9, 18))):
        parts.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (n(px), n(-h), n(w), n(h), c if i % 2 else shade(c, 0.85)))
        parts.append('<rect x="%s" y="%s" width="2.5" height="3.5" fill="%s"/>' % (n(px + w / 2 - 1), n(-h + 3), shade(c, 0.45)))
    for k in range(3):
        parts.append('<rect x="-40" y="%s" width="80" height="1.2" fill="%s"/>' % (n(4 + k * 5), shade(c, 0.7)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 50), "".join(parts)))


@motif("columns")
def columns(S, x: float, y: float, s: float = 50, count: int = 4, broken: int = 1, color: Colour = "#e0d6c4"):
    """A row of classical columns, some broken off."""
    c = S.lit(color)
    parts = []
    for i in range(count):
        px = (i - (count - 1) / 2) * 14
        h = 40 if not (broken and i % 2) else 24 - i * 2
        parts.append('<rect x="%s" y="%s" width="7" height="%s" fill="%s"/><rect x="%s" y="-3" width="11" height="3" fill="%s"/>'
                     % (n(px - 3.5), n(-h), n(h), S.lin([shade(c, 0.75), lighten(c, 0.2), shade(c, 0.8)], 0, 0, 1, 0), n(px - 5.5), shade(c, 0.85)))
        if h == 40:
            parts.append('<rect x="%s" y="-43" width="11" height="3" fill="%s"/>' % (n(px - 5.5), shade(c, 0.9)))
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 50), "".join(parts)))


@motif("roof")
def roof(S, y: float = 0, h: float = 60, color: Colour = "#3a2e3a"):
    """A tiled rooftop and chimney in the foreground, for cats and storks to sit on."""
    c = S.lit(color) if S.time == "day" else color
    top = y + h
    tiles = "".join('<path d="M-2,%s L%d,%s" />' % (n(S.Y(top - 6 - k * 7)), S.W + 2, n(S.Y(top - 10 - k * 7))) for k in range(int(h / 7)))
    S.add('<path d="M-2,%s L%d,%s L%d,%s L-2,%s Z" fill="%s"/><g stroke="%s" stroke-width="0.6">%s</g>'
          '<rect x="%s" y="%s" width="12" height="22" fill="%s"/><rect x="%s" y="%s" width="14" height="3" fill="%s"/>'
          % (n(S.Y(top)), S.W + 2, n(S.Y(top - 4)), S.W + 2, n(S.H + 2), n(S.H + 2), c, lighten(c, 0.15), tiles,
             n(S.W * 0.12), n(S.Y(top + 18)), shade(c, 0.9), n(S.W * 0.12 - 1), n(S.Y(top + 19)), lighten(c, 0.1)))


@motif("domes")
def onion_church(S, x: float, y: float, s: float = 60, color: Colour = "#f0e8d8", domes: Colour = "gold", lit: int = None, snow: int = 0):
    """A church with onion domes, the tallest in the middle."""
    lit = S.time in ("night", "dusk") if lit is None else bool(lit)
    wall = S.lit(color)
    dc = domes if S.time == "day" else mix(domes, S.lit(domes), 0.4)
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
    if snow:
        parts.append('<rect x="-25" y="-25" width="50" height="2" fill="#dfe8f8"/>')
    S.add('<g transform="%s">%s</g>' % (S.at(x, y, s / 60), "".join(parts)))


@motif("curtains")
def curtains(S, color: Colour = "crimson"):
    """Stage curtains drawn back to both sides, with a pelmet across the top."""
    paint = S.lin([shade(color, 0.6), lighten(color, 0.2), shade(color, 0.7), lighten(color, 0.1), shade(color, 0.6)], 0, 0, 1, 0)
    W, H = S.W, S.H
    S.add('<path d="M0,0 L30,0 C28,%s 20,%s 8,%s L0,%s Z" fill="%s"/>' % (n(H * 0.4), n(H * 0.6), n(H * 0.66), n(H), paint))
    S.add('<path d="M%d,0 L%d,0 C%s,%s %s,%s %s,%s L%d,%s Z" fill="%s"/>' % (W, W - 30, n(W - 28), n(H * 0.4), n(W - 20), n(H * 0.6), n(W - 8), n(H * 0.66), W, n(H), paint))
    S.add('<rect x="0" y="0" width="%d" height="%s" fill="%s"/>' % (W, n(H * 0.16), paint))
    S.add('<path d="M0,%s %s" fill="none" stroke="%s" stroke-width="2"/>' % (n(H * 0.16), " ".join("Q%s,%s %s,%s" % (n(i * 16 + 8), n(H * 0.16 + 8), n(i * 16 + 16), n(H * 0.16)) for i in range(int(W / 16) + 1)), S.col("gold")))


@motif("stage")
def stage(S, y: float = 24, color: Colour = "#8a5a36"):
    """Boards of a stage in the foreground, lit from the front."""
    c = S.lit(color) if S.time == "day" else color
    boards = "".join('<path d="M%s,%s L%s,%s" />' % (n(S.W / 2 + (i - 4) * 10), n(S.Y(y)), n(S.W / 2 + (i - 4) * 24), n(S.H)) for i in range(9))
    S.add('<rect x="0" y="%s" width="%d" height="%s" fill="%s"/><g stroke="%s" stroke-width="0.6">%s</g>'
          '<ellipse cx="%s" cy="%s" rx="50" ry="12" fill="%s"/>'
          % (n(S.Y(y)), S.W, n(y + 1), S.lin([lighten(c, 0.2), shade(c, 0.6)]), shade(c, 0.6), boards, n(S.W / 2), n(S.Y(y * 0.5)), S.glow("#fff0c0", 0.35)))


@motif("spotlight")
def spotlight(S, x: float = 64, y: float = 24, color: Colour = "#fff4d0"):
    S.add('<path d="M%s,0 L%s,0 L%s,%s L%s,%s Z" fill="%s"/>' % (n(x - 6), n(x + 6), n(x + 30), n(S.Y(y)), n(x - 30), n(S.Y(y)), S.lin([(0, color, 0.05), (1, color, 0.35)])))


@motif("gables")
def gables(S, y: float = None, count: int = 6, colors: Colours = "#a0503a,#5a3a2a,#c88a5a,#6a4a3a", lit: int = None):
    """A row of tall, narrow gabled canal houses."""
    if y is None:
        y = S.horizon
    lit = S.time in ("night", "dusk") if lit is None else bool(lit)
    cols = [S.lit(c) for c in colors]
    w = S.W / count
    out = []
    for i in range(count):
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


@motif("arch")
def triumphal_arch(S, x: float, y: float, s: float = 60, color: Colour = "#e0d6c4"):
    """A Roman triumphal arch."""
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M-24,0 L-24,-36 L24,-36 L24,0 L9,0 L9,-16 A9,9 0 0 0 -9,-16 L-9,0 Z" fill="%s"/>'
          '<rect x="-26" y="-46" width="52" height="10" fill="%s"/><rect x="-27" y="-37" width="54" height="2" fill="%s"/>'
          '<path d="M-20,0 v-34 M-13,0 v-34 M13,0 v-34 M20,0 v-34" stroke="%s" stroke-width="1.4"/></g>'
          % (S.at(x, y, s / 46), S.lin([lighten(c, 0.15), shade(c, 0.8)]), shade(c, 0.92), shade(c, 0.8), shade(c, 0.8)))


@motif("mast")
def radio_mast(S, x: float, y: float, h: float = 100):
    """A tall lattice radio mast sending out rings of signal."""
    c = S.lit("#c8c8d0") if S.time == "day" else "#6a6a88"
    lat = "".join('<path d="M%s,%s L%s,%s" />' % (n(-6 + i * 0.5), n(-i * 9), n(6 - (i + 1) * 0.5), n(-(i + 1) * 9)) for i in range(10))
    arcs = "".join('<path d="M%s,%s A%s,%s 0 0 1 %s,%s M%s,%s A%s,%s 0 0 0 %s,%s" fill="none" stroke="%s" stroke-width="1.1" opacity="%s"/>' % (
        n(r * 0.7), n(-96 - r * 0.7), n(r), n(r), n(r * 0.7), n(-96 + r * 0.7), n(-r * 0.7), n(-96 - r * 0.7), n(r), n(r), n(-r * 0.7), n(-96 + r * 0.7),
        S.col("gold"), n(1 - r / 34)) for r in (8, 16, 24))
    S.add('<g transform="%s"><path d="M-7,0 L-1,-92 L1,-92 L7,0 Z" fill="none" stroke="%s" stroke-width="1.2"/><g stroke="%s" stroke-width="0.7">%s</g>'
          '<circle cx="0" cy="-96" r="3" fill="#ff5040"/><circle cx="0" cy="-96" r="8" fill="%s"/>%s</g>'
          % (S.at(x, y, h / 100), c, c, lat, S.glow("#ff5040", 0.5), arcs))


@motif("observatory")
def observatory(S, x: float, y: float, s: float = 50):
    """An observatory: a round tower with a domed roof, its shutter open."""
    wall = S.lit("#e8e0d0")
    dome = S.lit("#c8ccd8") if S.time == "day" else "#8a90a8"
    S.add('<g transform="%s"><rect x="-18" y="-22" width="36" height="22" fill="%s"/><path d="M-20,-22 A20,20 0 0 1 20,-22 Z" fill="%s"/>'
          '<path d="M-3,-41 L3,-41 L3,-22 L-3,-22 Z" fill="#1a1a2a"/><rect x="-4" y="-12" width="8" height="12" fill="%s"/>'
          '<rect x="10" y="-16" width="4" height="5" fill="#ffd070"/></g>'
          % (S.at(x, y, s / 42), wall, S.lin([lighten(dome, 0.3), shade(dome, 0.7)], 0, 0, 1, 0), S.lit("#5a3424")))


@motif("shrine")
def flower_shrine(S, x: float, y: float, s: float = 60):
    """A little wooden pavilion with a roof covered in flowers."""
    rng = random.Random(int(x + S.code * 7))
    flowers_ = "".join('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (n(rng.uniform(-24, 24)), n(rng.uniform(-50, -40)), n(rng.uniform(1.8, 3)), rng.choice(("#f8c8d8", "#ffffff", "#f6d860", "#e87a9a", "#c8a0e8")))
                       for i in range(46))
    S.add('<g transform="%s"><rect x="-20" y="-4" width="40" height="4" fill="%s"/><rect x="-16" y="-38" width="3" height="34" fill="%s"/><rect x="13" y="-38" width="3" height="34" fill="%s"/>'
          '<path d="M-28,-38 Q0,-44 28,-38 L20,-52 Q0,-56 -20,-52 Z" fill="%s"/>%s'
          '<path d="M-5,-4 L-5,-16 C-5,-22 5,-22 5,-16 L5,-4 Z" fill="%s"/><circle cx="0" cy="-18" r="2.2" fill="#f6e0a0"/></g>'
          % (S.at(x, y, s / 56), S.lit("#8a5a36"), S.lit("#a0703e"), S.lit("#a0703e"), S.lit("#6aa04a"), flowers_, S.col("gold")))


@motif("temple")
def temple(S, x: float, y: float, s: float = 60, color: Colour = "#f0e6d0", roof: Colour = "#c83a2a"):
    """A temple hall with layered, steep roofs and golden finials."""
    c, r = S.lit(color), S.lit(roof)
    gold = S.col("gold")
    S.add('<g transform="%s"><rect x="-22" y="-18" width="44" height="18" fill="%s"/>'
          '<path d="M-30,-16 L-14,-34 L14,-34 L30,-16 Q0,-20 -30,-16 Z" fill="%s"/><path d="M-20,-32 L-6,-48 L6,-48 L20,-32 Z" fill="%s"/>'
          '<path d="M-30,-16 l-4,-5 M30,-16 l4,-5 M-20,-32 l-4,-4 M20,-32 l4,-4 M0,-48 L0,-58" stroke="%s" stroke-width="1.4"/>'
          '<path d="M-4,0 L-4,-10 L0,-14 L4,-10 L4,0 Z" fill="%s"/>'
          '<path d="M-16,-4 v-8 M-10,-4 v-8 M10,-4 v-8 M16,-4 v-8" stroke="%s" stroke-width="1.6"/></g>'
          % (S.at(x, y, s / 58), c, S.lin([lighten(r, 0.2), shade(r, 0.7)]), shade(r, 0.9), gold, gold, shade(c, 0.7)))


@motif("statue")
def liberty_statue(S, x: float, y: float, h: float = 120, color: Colour = "#6ab0a0"):
    """A robed figure on a pedestal holding a torch high and a tablet in the other arm."""
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


@motif("pyramids")
def pyramids(S, y: float = None, color: Colour = "#d8b070"):
    if y is None:
        y = S.horizon
    c = S.lit(color)
    out = []
    for px, w, h in ((30, 50, 34), (86, 70, 46), (116, 30, 20)):
        out.append('<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/><path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
            n(px - w / 2), n(S.Y(y)), n(px), n(S.Y(y + h)), n(px + w / 2), n(S.Y(y)), c,
            n(px), n(S.Y(y + h)), n(px + w / 2), n(S.Y(y)), n(px + w * 0.1), n(S.Y(y)), shade(c, 0.75)))
    S.add("".join(out))


@motif("wall")
def wall(S, y: float = 0, h: float = 34, color: Colour = "#b8b4ac", graffiti: int = 1):
    """A long concrete wall across the picture, painted with bright colours."""
    c = S.lit(color)
    segs = "".join('<path d="M%s,%s v%s" />' % (n(i * 14), n(S.Y(y + h)), n(h)) for i in range(1, int(S.W / 14) + 1))
    paint = ""
    if graffiti:
        rng = random.Random(S.code * 113)
        for i in range(6):
            gx = rng.uniform(4, S.W - 20)
            gy = y + rng.uniform(6, h - 8)
            col = rng.choice(("#e84a6a", "#f0c040", "#4ab0e0", "#6ac050", "#c870e0"))
            paint += '<path d="M%s,%s q5,-8 10,0 t10,0" stroke="%s" stroke-width="2.4" fill="none" stroke-linecap="round"/>' % (n(gx), n(S.Y(gy)), col)
    S.add('<rect x="-2" y="%s" width="%d" height="%s" fill="%s"/><rect x="-2" y="%s" width="%d" height="4" rx="2" fill="%s"/>'
          '<g stroke="%s" stroke-width="0.6">%s</g>%s'
          % (n(S.Y(y + h)), S.W + 4, n(h), S.lin([lighten(c, 0.1), shade(c, 0.8)]), n(S.Y(y + h + 3)), S.W + 4, lighten(c, 0.1), shade(c, 0.7), segs, paint))


@motif("palace")
def palace(S, x: float, y: float, s: float = 120, color: Colour = "#e8dcc4", roof: Colour = "#6a7088"):
    """A long palace front seen across its courtyard: wings, a central block and rows of tall windows;
    s is its width."""
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


@motif("rooftops")
def rooftops(S, heights: Numbers = "30,44,26,38,50,34", colors: Colours = "#e8b878,#e89a8a,#8ac8c0,#f0e0c8,#d8a0c0,#c8d890", y: float = 0):
    """Flat-roofed city houses side by side, with parapets, water tanks and stair huts; the roof of
    house i (of n, left to right) is at height heights[i] and its middle at x = W * (i + 0.5) / n."""
    w = S.W / float(len(heights))
    rng = random.Random(S.code * 31 + 5)
    for i, h in enumerate(heights):
        c = S.lit(colors[i % len(colors)])
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


@motif("watchtower")
def watchtower(S, x: float, y: float, h: float = 70, lamp: int = 1):
    """A concrete border watchtower with its cabin and a searchlight."""
    c = S.lit("#a8a49c")
    glass = "#ffd070" if S.time in ("night", "dusk") else S.lit("#6a7a8a")
    beam = ""
    if lamp:
        beam = '<path d="M8,-55 L60,-20 L60,0 Z" fill="%s" opacity="0.25"/>' % S.lin([(0, "#f0f4ff", 0.9), (1, "#f0f4ff", 0)], 0, 0, 1, 0)
    S.add('<g transform="%s">%s<rect x="-4" y="-46" width="8" height="46" fill="%s"/>'
          '<rect x="-8" y="-58" width="16" height="12" fill="%s"/><rect x="-6.5" y="-56" width="13" height="5" fill="%s"/>'
          '<rect x="-9" y="-60" width="18" height="2.4" fill="%s"/><rect x="6.5" y="-57" width="3" height="3" fill="#f0f4ff"/></g>'
          % (S.at(x, y, h / 60), beam, S.lin([lighten(c, 0.1), shade(c, 0.75)], 0, 0, 1, 0), c, glass, shade(c, 0.7)))


@motif("passagetomb")
def passage_tomb(S, x: float, y: float, s: float = 120, sunx: float = None, suny: float = None):
    """A great round grassy mound faced with white quartz, ringed by kerbstones, its entrance with a
    roof-box slot above and the carved entrance stone before it; with sunx, suny a shaft of the
    rising sun runs from there into the slot. s is its width."""
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
              % (n(sunx), n(S.Y(suny + 6)), n(tx - 2 * k), n(S.Y(ty)), n(sunx), n(S.Y(suny - 6)),
                 S.lin([(0, "#ffe0a0", 0.55), (1, "#ffd070", 0.15)], 0, 0, 1, 0), n(tx - 2.4 * k), n(S.Y(ty + 1 * k)), n(4.8 * k), n(2 * k),
                 n(tx), n(S.Y(ty)), n(6 * k), S.glow("#ffd070", 0.8)))


@motif("colosseum")
def colosseum(S, x: float, y: float, s: float = 110, color: Colour = "#d8c4a0"):
    """The great amphitheatre: tiers of arches round an oval wall, the outer ring broken away on one
    side; s is its width."""
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
def tent(S, x: float, y: float, s: float = 40, color: Colour = "#d8c8a0"):
    """A small pointed polar tent on its pole, guy lines pegged in the snow."""
    c = S.lit(color)
    S.add('<g transform="%s"><path d="M-26,0 L0,-30 M26,0 L0,-30" stroke="%s" stroke-width="0.5"/>'
          '<path d="M-16,0 L0,-30 L16,0 Z" fill="%s"/><path d="M0,-30 L16,0 L4,0 Z" fill="%s"/>'
          '<path d="M-3,0 L0,-9 L3,0 Z" fill="%s"/><path d="M0,-30 V-34" stroke="%s" stroke-width="1"/></g>'
          % (S.at(x, y, s / 34), S.lit("#8a8070"), S.lin([lighten(c, 0.15), c]), shade(c, 0.8), shade(c, 0.45), S.lit("#6a4a2a")))


@motif("tvtower")
def tvtower(S, x: float, y: float, h: float = 150):
    """A television tower: a slim concrete shaft, a ball with a ring of windows, a red-tipped mast."""
    c = S.lit("#b8b4b0")
    lit = S.time in ("night", "dusk")
    win = "#ffd070" if lit else shade(c, 0.6)
    S.add('<g transform="%s"><path d="M-3.4,0 L-1.4,-100 L1.4,-100 L3.4,0 Z" fill="%s"/>'
          '<circle cx="0" cy="-106" r="8" fill="%s"/><rect x="-8" y="-107" width="16" height="2" fill="%s"/>'
          '<rect x="-1" y="-142" width="2" height="30" fill="%s"/><rect x="-0.6" y="-150" width="1.2" height="8" fill="%s"/>'
          '<circle cx="0" cy="-150" r="1.2" fill="#ff4a3a"/></g>'
          % (S.at(x, y, h / 150), S.lin([lighten(c, 0.1), shade(c, 0.7)], 0, 0, 1, 0),
             S.rad([lighten(c, 0.3), c, shade(c, 0.6)], 0.35, 0.35, 0.7), win, shade(c, 0.9), S.lit("#e8e0d8")))
