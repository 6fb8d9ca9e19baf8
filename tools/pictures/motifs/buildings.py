"""Buildings and monuments: houses, churches and towns, towers, bridges and ancient stones."""

import random

from .animals import perched_bird
from .canvas import lighten, mix, number_text, shade
from .registry import Colour, Colours, Numbers, motif


def _window(scene, x, y, width, height, lit):
    """A window at SVG (x, y): glowing with a halo when lit, dark glass otherwise."""
    if lit:
        return (
            '<rect x="%s" y="%s" width="%s" height="%s" fill="#ffd070"/>'
            '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
            % (
                number_text(x),
                number_text(y),
                number_text(width),
                number_text(height),
                number_text(x - 3),
                number_text(y - 3),
                number_text(width + 6),
                number_text(height + 6),
                scene.glow("#ffc860", 0.35),
            )
        )
    return '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (
        number_text(x),
        number_text(y),
        number_text(width),
        number_text(height),
        scene.lit("#3a4460"),
    )


@motif("house")
def house(
    scene,
    x: float,
    y: float,
    size: float = 20,
    colour: Colour = "#c89a70",
    roof: Colour = "#8a3a30",
    lit: int = None,
    snow: int = 0,
):
    """A cottage with a pitched roof, a door, a chimney and (at dusk and night) glowing windows."""
    lit = scene.time in ("night", "dusk") if lit is None else bool(lit)
    wall = scene.lit(colour)
    rf = scene.lit(roof)
    parts = [
        '<rect x="11" y="-27" width="4" height="8" fill="%s"/>' % scene.lit("#7a5040"),
        '<rect x="-14" y="-16" width="28" height="16" fill="%s"/>' % wall,
        '<path d="M-17,-15 L0,-30 L17,-15 Z" fill="%s"/>' % rf,
    ]
    if snow:
        parts.append(
            '<path d="M-17,-15 L0,-30 L17,-15 L14,-15 L0,-27 L-14,-15 Z M-17,-15 L0,-30 L17,-15 Q0,-22 -17,-15 Z" fill="%s"/>'
            % ("#eef4ff" if scene.time == "day" else "#9aa8cc")
        )
    parts.append('<rect x="-3" y="-9" width="6" height="9" fill="%s"/>' % scene.lit("#5a3424"))
    parts.append(_window(scene, -11, -12, 5, 5, lit))
    parts.append(_window(scene, 6, -12, 5, 5, lit))
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 30), "".join(parts)))


@motif("church")
def church(
    scene,
    x: float,
    y: float,
    size: float = 50,
    colour: Colour = "#d8ccb8",
    lit: int = None,
    snow: int = 0,
):
    """A small church with a spired tower."""
    lit = scene.time in ("night", "dusk") if lit is None else bool(lit)
    wall = scene.lit(colour)
    roof = scene.lit("#6a5a70")
    parts = [
        '<rect x="-4" y="-30" width="26" height="30" fill="%s"/>' % shade(wall, 0.92),
        '<path d="M-6,-29 L9,-42 L24,-29 Z" fill="%s"/>' % roof,
        '<rect x="-18" y="-38" width="14" height="38" fill="%s"/>' % wall,
        '<path d="M-19,-38 L-11,-62 L-3,-38 Z" fill="%s"/>' % roof,
        '<path d="M-11,-62 L-11,-68 M-13.5,-65.5 L-8.5,-65.5" stroke="%s" stroke-width="1"/>'
        % scene.lit("#c8a860"),
        '<path d="M-14,0 L-14,-8 A3,3 0 0 1 -8,-8 L-8,0 Z" fill="%s"/>' % scene.lit("#5a3424"),
        '<circle cx="-11" cy="-30" r="2.6" fill="%s"/>'
        % ("#fff0c0" if lit else scene.lit("#f0ead8")),
    ]
    for wx in (1, 9, 16):
        if lit:
            parts.append(
                '<path d="M%s,-12 L%s,-19 A2,2 0 0 1 %s,-19 L%s,-12 Z" fill="#ffc860"/>'
                % (wx, wx, wx + 4, wx + 4)
            )
        else:
            parts.append(
                '<path d="M%s,-12 L%s,-19 A2,2 0 0 1 %s,-19 L%s,-12 Z" fill="%s"/>'
                % (wx, wx, wx + 4, wx + 4, scene.lit("#46506a"))
            )
    if lit:
        parts.append(
            '<ellipse cx="9" cy="-16" rx="16" ry="10" fill="%s"/>' % scene.glow("#ffc860", 0.35)
        )
    if snow:
        sc = "#eef4ff" if scene.time == "day" else "#9aa8cc"
        parts.append('<path d="M-6,-29 L9,-42 L24,-29 L20,-30 L9,-39 L-2,-30 Z" fill="%s"/>' % sc)
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 68), "".join(parts)))


@motif("town")
def town(
    scene,
    y: float = None,
    count: int = 7,
    lit: int = None,
    colour: Colour = "#2a2e48",
    spire: int = 1,
):
    """A row of rooftops with lit windows, seen across the fields."""
    if y is None:
        y = scene.horizon - 2
    lit = scene.time in ("night", "dusk") if lit is None else bool(lit)
    rng = random.Random(scene.code * 47)
    tone = scene.lit(colour) if scene.time == "day" else colour
    if scene.time == "day":
        tone = scene.lit("#8a7e78")
    x = -4
    shapes = []
    windows = []
    spire_at = rng.randint(2, max(2, count - 2)) if spire else -1
    i = 0
    while x < scene.width + 2:
        width = rng.uniform(11, 18)
        height = rng.uniform(9, 17)
        if i == spire_at:
            shapes.append(
                "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z"
                % (
                    number_text(x),
                    number_text(scene.svg_y(y)),
                    number_text(x),
                    number_text(scene.svg_y(y + height + 8)),
                    number_text(x + width / 2),
                    number_text(scene.svg_y(y + height + 26)),
                    number_text(x + width),
                    number_text(scene.svg_y(y + height + 8)),
                    number_text(x + width),
                    number_text(scene.svg_y(y)),
                )
            )
        else:
            shapes.append(
                "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z"
                % (
                    number_text(x),
                    number_text(scene.svg_y(y)),
                    number_text(x),
                    number_text(scene.svg_y(y + height)),
                    number_text(x + width / 2),
                    number_text(scene.svg_y(y + height + width * 0.4)),
                    number_text(x + width),
                    number_text(scene.svg_y(y + height)),
                    number_text(x + width),
                    number_text(scene.svg_y(y)),
                )
            )
        if lit:
            for window in range(rng.randint(1, 2)):
                wx = x + rng.uniform(2, width - 4)
                wy = y + rng.uniform(2, height - 5)
                windows.append(
                    '<rect x="%s" y="%s" width="2.2" height="2.6" fill="#ffd070"/>'
                    % (number_text(wx), number_text(scene.svg_y(wy)))
                )
        x += width + rng.uniform(-2, 1)
        i += 1
    scene.add('<path d="%s" fill="%s"/>%s' % (" ".join(shapes), tone, "".join(windows)))
    if lit:
        scene.add(
            '<rect x="0" y="%s" width="%d" height="12" fill="%s"/>'
            % (
                number_text(scene.svg_y(y + 8)),
                scene.width,
                scene.lin([(0, "#ffb060", 0), (1, "#ffb060", 0.18)]),
            )
        )


@motif("lighthouse")
def lighthouse(scene, x: float, y: float, height: float = 70, beam: int = 1):
    """A white lighthouse with red bands and a glowing lantern; beam=1 sends light out both ways."""
    parts = []
    if beam:
        parts.append(
            '<path d="M0,-62 L-70,-75 L-70,-52 Z" fill="%s"/>'
            % scene.lin([(0, "#fff4c0", 0), (1, "#fff4c0", 0.55)], 0, 0, 1, 0)
        )
        parts.append(
            '<path d="M0,-62 L50,-70 L50,-56 Z" fill="%s"/>'
            % scene.lin([(0, "#fff4c0", 0.5), (1, "#fff4c0", 0)], 0, 0, 1, 0)
        )
    white, red = scene.lit("#f4f0e8"), scene.lit("#c83a3a")
    parts.append('<path d="M-8,0 L-5,-55 L5,-55 L8,0 Z" fill="%s"/>' % white)
    parts.append(
        '<path d="M-7.2,-14 L-6.6,-24 L6.6,-24 L7.2,-14 Z M-6,-34 L-5.5,-44 L5.5,-44 L6,-34 Z" fill="%s"/>'
        % red
    )
    parts.append(
        '<rect x="-4" y="-66" width="8" height="11" fill="#ffe890"/><circle cx="0" cy="-61" r="9" fill="%s"/>'
        % scene.glow("#fff0a0", 0.6)
    )
    parts.append(
        '<path d="M-6,-66 L0,-72 L6,-66 Z" fill="%s"/><rect x="-7" y="-56" width="14" height="2" fill="%s"/>'
        % (red, scene.lit("#3a3a44"))
    )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, height / 72), "".join(parts)))


@motif("tower")
def tower(
    scene, x: float, y: float, height: float = 60, clock: int = 1, colour: Colour = "#c8bca8"
):
    """A tall tower with a pointed roof, with a clock face unless clock=0."""
    colour = scene.lit(colour)
    face = "#fff6dc" if scene.time in ("night", "dusk") else "#f8f2e2"
    if clock:
        top = (
            '<circle cx="0" cy="-38" r="6" fill="%s" stroke="%s" stroke-width="1"/>'
            '<path d="M0,-38 L0,-42.5 M0,-38 L3,-38" stroke="#2a2a34" stroke-width="0.9"/>'
            % (face, scene.lit("#8a7a50"))
        )
    else:
        top = (
            '<rect x="-5" y="-44" width="3" height="7" fill="%s"/><rect x="2" y="-44" width="3" height="7" fill="%s"/>'
            % (shade(colour, 0.45), shade(colour, 0.45))
        )
    scene.add(
        '<g transform="%s"><rect x="-9" y="-48" width="18" height="48" fill="%s"/><rect x="-9" y="-48" width="6" height="48" fill="#ffffff" opacity="0.12"/>'
        '<path d="M-11,-48 L0,-64 L11,-48 Z" fill="%s"/>%s'
        '<path d="M-3,0 L-3,-8 A3,3 0 0 1 3,-8 L3,0 Z" fill="%s"/></g>'
        % (scene.at(x, y, height / 64), colour, scene.lit("#5a4a60"), top, scene.lit("#4a3020"))
    )


@motif("castle")
def castle(scene, x: float, y: float, size: float = 50, colour: Colour = "#a8a0a8"):
    """A castle wall with battlements between two round towers with pointed roofs."""
    colour = scene.lit(colour)
    merl = "".join(
        '<rect x="%s" y="-34" width="3" height="3"/>' % number_text(-20 + i * 6) for i in range(7)
    )
    scene.add(
        '<g transform="%s" fill="%s"><rect x="-20" y="-31" width="40" height="31"/>%s'
        '<rect x="-26" y="-44" width="12" height="44"/><rect x="14" y="-44" width="12" height="44"/>'
        '<path d="M-27,-44 L-20,-56 L-13,-44 Z M13,-44 L20,-56 L27,-44 Z" fill="%s"/>'
        '<path d="M-5,0 L-5,-10 A5,5 0 0 1 5,-10 L5,0 Z" fill="%s"/></g>'
        % (scene.at(x, y, size / 56), colour, merl, scene.lit("#6a4a5a"), scene.lit("#3a2a2a"))
    )


@motif("window")
def window_frame(scene, colour: Colour = "#3a2a24", bars: int = 1, sill: int = 1):
    """An arched window frame around the whole scene: the picture becomes a view from inside."""
    width, height = scene.width, scene.height
    radius = (width - 2) / 2
    parts = []
    if bars:
        parts.append(
            '<path d="M%s,%s L%s,%s M0,%s L%d,%s" stroke="%s" stroke-width="3"/>'
            % (
                number_text(width / 2),
                number_text(1),
                number_text(width / 2),
                number_text(height),
                number_text(radius + 20),
                width,
                number_text(radius + 20),
                colour,
            )
        )
    if sill:
        parts.append(
            '<rect x="0" y="%s" width="%d" height="12" fill="%s"/><rect x="0" y="%s" width="%d" height="2" fill="%s"/>'
            % (
                number_text(height - 12),
                width,
                scene.lin([lighten(colour, 0.2), colour]),
                number_text(height - 12),
                width,
                lighten(colour, 0.4),
            )
        )
    scene.add("".join(parts))


@motif("torii")
def torii(scene, x: float, y: float, size: float = 60, colour: Colour = "#d8402a"):
    """A shrine gate: two posts and two crossbeams, the top one curving up at its ends."""
    colour = scene.lit(colour)
    scene.add(
        '<g transform="%s" fill="%s"><rect x="-19" y="-46" width="4" height="46"/><rect x="15" y="-46" width="4" height="46"/>'
        '<rect x="-23" y="-40" width="46" height="3.5"/><path d="M-30,-50 Q0,-46 30,-50 L31,-55 Q0,-51 -31,-55 Z"/>'
        '<rect x="-1.5" y="-48" width="3" height="8"/><path d="M-31,-55 Q0,-51 31,-55 L31,-56.5 Q0,-53 -31,-56.5 Z" fill="#2a2a30"/></g>'
        % (scene.at(x, y, size / 56), colour)
    )


@motif("telegraph")
def telegraph(
    scene,
    y: float = 0,
    height: float = 80,
    wires: int = 3,
    birds: int = 0,
    x1: float = 22,
    x2: float = None,
):
    """Wooden poles carrying wires across the picture; with birds=N, swallows sit on the wires."""
    if x2 is None:
        x2 = scene.width + 40
    colour = scene.lit("#6a4a32")
    top = y + height
    parts = []
    for px, scale in ((x1, 1.0), (x2, 1.0)):
        parts.append(
            '<rect x="%s" y="%s" width="3" height="%s" fill="%s"/><rect x="%s" y="%s" width="18" height="2" fill="%s"/>'
            % (
                number_text(px - 1.5),
                number_text(scene.svg_y(top)),
                number_text(height),
                colour,
                number_text(px - 9),
                number_text(scene.svg_y(top - 4)),
                colour,
            )
        )
    wire_c = scene.lit("#3a3a44") if scene.time == "day" else "#5a6080"
    rng = random.Random(scene.code * 61)
    for i in range(wires):
        off = -7 + i * 7
        wy = top - 4
        parts.append(
            '<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.6"/>'
            % (
                number_text(x1 + off),
                number_text(scene.svg_y(wy)),
                number_text((x1 + x2) / 2),
                number_text(scene.svg_y(wy - 22)),
                number_text(x2 + off),
                number_text(scene.svg_y(wy)),
                wire_c,
            )
        )
        for perch in range(birds // max(1, wires) + (1 if i < birds % max(1, wires) else 0)):
            along = (
                rng.uniform(0.08, 0.45) if (x2 - x1) > 1.6 * scene.width else rng.uniform(0.1, 0.9)
            )
            bx = (
                (1 - along) ** 2 * (x1 + off)
                + 2 * (1 - along) * along * (x1 + x2) / 2
                + along * along * (x2 + off)
            )
            by = (1 - along) ** 2 * wy + 2 * (1 - along) * along * (wy - 22) + along * along * wy
            parts.append(perched_bird(scene, bx, scene.svg_y(by), rng.random() < 0.5))
    scene.add("".join(parts))


@motif("bridge")
def bridge(scene, y: float = None, colour: Colour = "#c8482a", height: float = 70):
    """A suspension bridge across the picture: two towers, sweeping cables and a deck."""
    if y is None:
        y = scene.horizon
    colour = scene.lit(colour)
    deck = y + 10
    t1, t2 = scene.width * 0.22, scene.width * 0.8
    parts = []
    for tx in (t1, t2):
        parts.append(
            '<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="%s"/>'
            % (
                number_text(tx - 4),
                number_text(scene.svg_y(y - 4)),
                number_text(tx - 3),
                number_text(scene.svg_y(y + height)),
                number_text(tx + 3),
                number_text(scene.svg_y(y + height)),
                number_text(tx + 4),
                number_text(scene.svg_y(y - 4)),
                colour,
            )
        )
        for level in (0.45, 0.75, 0.95):
            parts.append(
                '<rect x="%s" y="%s" width="8" height="2" fill="%s"/>'
                % (
                    number_text(tx - 4),
                    number_text(scene.svg_y(y + height * level)),
                    shade(colour, 0.8),
                )
            )
    cable = "M-10,%s Q%s,%s %s,%s Q%s,%s %s,%s Q%s,%s %s,%s" % (
        number_text(scene.svg_y(deck + 6)),
        number_text(t1 * 0.5),
        number_text(scene.svg_y(deck + height * 0.3)),
        number_text(t1),
        number_text(scene.svg_y(y + height - 2)),
        number_text((t1 + t2) / 2),
        number_text(scene.svg_y(deck - height * 0.75)),
        number_text(t2),
        number_text(scene.svg_y(y + height - 2)),
        number_text((t2 + scene.width) / 2 + 6),
        number_text(scene.svg_y(deck + height * 0.3)),
        number_text(scene.width + 10),
        number_text(scene.svg_y(deck + 6)),
    )
    parts.append('<path d="%s" fill="none" stroke="%s" stroke-width="1.3"/>' % (cable, colour))
    hangers = []
    for i in range(1, 20):
        along = i / 20
        hx = t1 + (t2 - t1) * along
        cy = (
            (1 - along) ** 2 * (y + height - 2)
            + 2 * (1 - along) * along * (deck - height * 0.75)
            + along * along * (y + height - 2)
        )
        hangers.append(
            "M%s,%s L%s,%s"
            % (
                number_text(hx),
                number_text(scene.svg_y(cy)),
                number_text(hx),
                number_text(scene.svg_y(deck)),
            )
        )
    parts.append('<path d="%s" stroke="%s" stroke-width="0.4"/>' % (" ".join(hangers), colour))
    parts.append(
        '<rect x="-2" y="%s" width="%d" height="3" fill="%s"/>'
        % (number_text(scene.svg_y(deck)), scene.width + 4, shade(colour, 0.7))
    )
    scene.add("".join(parts))


@motif("stones")
def stones(scene, x: float, y: float, size: float = 60, colour: Colour = "#9a96a0"):
    """A ring of standing stones with trilithons, seen from the side."""
    colour = scene.lit(colour)
    dark = shade(colour, 0.75)
    parts = []
    for px, width, height, cap in (
        (-40, 8, 24, 0),
        (-28, 9, 30, 1),
        (-17, 9, 30, 0),
        (-4, 10, 36, 1),
        (8, 10, 36, 0),
        (22, 9, 28, 1),
        (33, 9, 28, 0),
        (46, 7, 20, 0),
    ):
        parts.append(
            '<path d="M%s,0 L%s,%s L%s,%s L%s,0 Z" fill="%s"/>'
            % (
                number_text(px),
                number_text(px + 0.8),
                number_text(-height),
                number_text(px + width - 0.6),
                number_text(-height - 0.5),
                number_text(px + width),
                colour if px % 2 else dark,
            )
        )
    for px, width, height in ((-28, 20, 30), (-4, 22, 36), (22, 20, 28)):
        parts.append(
            '<rect x="%s" y="%s" width="%s" height="5" fill="%s"/>'
            % (
                number_text(px - 1),
                number_text(-height - 5),
                number_text(width),
                shade(colour, 0.9),
            )
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 60), "".join(parts)))


@motif("yurt")
def yurt(
    scene,
    x: float,
    y: float,
    size: float = 36,
    colour: Colour = "#f2ecdc",
    trim: Colour = "#c04a3a",
):
    """A round felt tent with a domed roof, banded in the trim colour."""
    colour, trim = scene.lit(colour), scene.lit(trim)
    scene.add(
        '<g transform="%s"><path d="M-20,0 L-20,-12 L20,-12 L20,0 Z" fill="%s"/><path d="M-21,-12 Q-14,-22 0,-25 Q14,-22 21,-12 Z" fill="%s"/>'
        '<rect x="-20" y="-12" width="40" height="2.2" fill="%s"/><rect x="-20" y="-5" width="40" height="1.6" fill="%s"/>'
        '<rect x="-4" y="-10" width="8" height="10" fill="%s"/><circle cx="0" cy="-24" r="2" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 40),
            scene.lin([lighten(colour, 0.1), shade(colour, 0.85)], 0, 0, 1, 0),
            shade(colour, 0.93),
            trim,
            trim,
            trim,
            shade(colour, 0.6),
        )
    )


@motif("eiffel")
def lattice_tower(scene, x: float, y: float, height: float = 120, colour: Colour = "#8a7a6a"):
    """A tall iron lattice tower with arched legs."""
    colour = scene.lit(colour) if scene.time == "day" else "#2a2838"
    lat = "".join(
        '<path d="M%s,%s L%s,%s M%s,%s L%s,%s" />'
        % (
            number_text(-width),
            number_text(yy),
            number_text(w2),
            number_text(yy - 6),
            number_text(width),
            number_text(yy),
            number_text(-w2),
            number_text(yy - 6),
        )
        for yy, width, w2 in ((-20, 15, 12), (-40, 9, 7), (-52, 7, 6), (-64, 5, 4.5), (-76, 4, 3.5))
    )
    scene.add(
        '<g transform="%s"><path d="M-22,0 C-16,-20 -8,-50 -2,-100 L2,-100 C8,-50 16,-20 22,0 L15,0 Q0,-24 -15,0 Z" fill="%s"/>'
        '<rect x="-12" y="-30" width="24" height="3" fill="%s"/><rect x="-7" y="-58" width="14" height="2.4" fill="%s"/>'
        '<path d="M-1,-100 L0,-112 L1,-100 Z" fill="%s"/><g stroke="#000000" stroke-width="0.5" opacity="0.35">%s</g></g>'
        % (scene.at(x, y, height / 112), colour, colour, colour, colour, lat)
    )


@motif("ruins")
def ruins(scene, x: float, y: float, size: float = 50, colour: Colour = "#c8bca8"):
    """Stone walls and terraces of an old mountain town."""
    colour = scene.lit(colour)
    parts = []
    for i, (px, width, height) in enumerate(
        ((-30, 14, 10), (-14, 10, 14), (-2, 16, 9), (16, 12, 13), (-22, 8, 20), (6, 9, 18))
    ):
        parts.append(
            '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
            % (
                number_text(px),
                number_text(-height),
                number_text(width),
                number_text(height),
                colour if i % 2 else shade(colour, 0.85),
            )
        )
        parts.append(
            '<rect x="%s" y="%s" width="2.5" height="3.5" fill="%s"/>'
            % (number_text(px + width / 2 - 1), number_text(-height + 3), shade(colour, 0.45))
        )
    for row in range(3):
        parts.append(
            '<rect x="-40" y="%s" width="80" height="1.2" fill="%s"/>'
            % (number_text(4 + row * 5), shade(colour, 0.7))
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 50), "".join(parts)))


@motif("columns")
def columns(
    scene,
    x: float,
    y: float,
    size: float = 50,
    count: int = 4,
    broken: int = 1,
    colour: Colour = "#e0d6c4",
):
    """A row of classical columns, some broken off."""
    colour = scene.lit(colour)
    parts = []
    for i in range(count):
        px = (i - (count - 1) / 2) * 14
        height = 40 if not (broken and i % 2) else 24 - i * 2
        parts.append(
            '<rect x="%s" y="%s" width="7" height="%s" fill="%s"/><rect x="%s" y="-3" width="11" height="3" fill="%s"/>'
            % (
                number_text(px - 3.5),
                number_text(-height),
                number_text(height),
                scene.lin(
                    [shade(colour, 0.75), lighten(colour, 0.2), shade(colour, 0.8)], 0, 0, 1, 0
                ),
                number_text(px - 5.5),
                shade(colour, 0.85),
            )
        )
        if height == 40:
            parts.append(
                '<rect x="%s" y="-43" width="11" height="3" fill="%s"/>'
                % (number_text(px - 5.5), shade(colour, 0.9))
            )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 50), "".join(parts)))


@motif("roof")
def roof(scene, y: float = 0, height: float = 60, colour: Colour = "#3a2e3a"):
    """A tiled rooftop and chimney in the foreground, for cats and storks to sit on."""
    colour = scene.lit(colour) if scene.time == "day" else colour
    top = y + height
    tiles = "".join(
        '<path d="M-2,%s L%d,%s" />'
        % (
            number_text(scene.svg_y(top - 6 - row * 7)),
            scene.width + 2,
            number_text(scene.svg_y(top - 10 - row * 7)),
        )
        for row in range(int(height / 7))
    )
    scene.add(
        '<path d="M-2,%s L%d,%s L%d,%s L-2,%s Z" fill="%s"/><g stroke="%s" stroke-width="0.6">%s</g>'
        '<rect x="%s" y="%s" width="12" height="22" fill="%s"/><rect x="%s" y="%s" width="14" height="3" fill="%s"/>'
        % (
            number_text(scene.svg_y(top)),
            scene.width + 2,
            number_text(scene.svg_y(top - 4)),
            scene.width + 2,
            number_text(scene.height + 2),
            number_text(scene.height + 2),
            colour,
            lighten(colour, 0.15),
            tiles,
            number_text(scene.width * 0.12),
            number_text(scene.svg_y(top + 18)),
            shade(colour, 0.9),
            number_text(scene.width * 0.12 - 1),
            number_text(scene.svg_y(top + 19)),
            lighten(colour, 0.1),
        )
    )


@motif("domes")
def onion_church(
    scene,
    x: float,
    y: float,
    size: float = 60,
    colour: Colour = "#f0e8d8",
    domes: Colour = "gold",
    lit: int = None,
    snow: int = 0,
):
    """A church with onion domes, the tallest in the middle."""
    lit = scene.time in ("night", "dusk") if lit is None else bool(lit)
    wall = scene.lit(colour)
    dc = domes if scene.time == "day" else mix(domes, scene.lit(domes), 0.4)
    dome = lambda cx, cy, radius: (
        '<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="%s"/><path d="M%s,%s v-5 M%s,%s h4" stroke="%s" stroke-width="0.8"/>'
        % (
            number_text(cx - radius),
            number_text(cy),
            number_text(cx - radius * 1.3),
            number_text(cy - radius * 1.2),
            number_text(cx - 0.5),
            number_text(cy - radius * 1.3),
            number_text(cx),
            number_text(cy - radius * 2.2),
            number_text(cx + 0.5),
            number_text(cy - radius * 1.3),
            number_text(cx + radius * 1.3),
            number_text(cy - radius * 1.2),
            number_text(cx + radius),
            number_text(cy),
            scene.rad([lighten(dc, 0.45), dc, shade(dc, 0.7)], 0.35, 0.4, 0.7),
            number_text(cx),
            number_text(cy - radius * 2.2),
            number_text(cx - 2),
            number_text(cy - radius * 2.2 - 3),
            dc,
        )
    )
    win = "#ffc860" if lit else scene.lit("#46506a")
    parts = [
        '<rect x="-24" y="-24" width="48" height="24" fill="%s"/>' % wall,
        '<rect x="-8" y="-40" width="16" height="18" fill="%s"/>' % shade(wall, 0.95),
        '<rect x="-22" y="-32" width="8" height="10" fill="%s"/><rect x="14" y="-32" width="8" height="10" fill="%s"/>'
        % (wall, wall),
        dome(0, -40, 8),
        dome(-18, -32, 4.5),
        dome(18, -32, 4.5),
        '<path d="M-4,0 L-4,-9 A4,4 0 0 1 4,-9 L4,0 Z" fill="%s"/>' % scene.lit("#5a3424"),
    ]
    for wx in (-17, -11, 9, 15):
        parts.append('<path d="M%s,-10 v-6 a1.5,1.5 0 0 1 3,0 v6 Z" fill="%s"/>' % (wx, win))
    parts.append('<circle cx="0" cy="-31" r="2.6" fill="%s"/>' % win)
    if lit:
        parts.append(
            '<ellipse cx="0" cy="-14" rx="26" ry="14" fill="%s"/>' % scene.glow("#ffc860", 0.3)
        )
    if snow:
        parts.append('<rect x="-25" y="-25" width="50" height="2" fill="#dfe8f8"/>')
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 60), "".join(parts)))


@motif("curtains")
def curtains(scene, colour: Colour = "crimson"):
    """Stage curtains drawn back to both sides, with a pelmet across the top."""
    paint = scene.lin(
        [
            shade(colour, 0.6),
            lighten(colour, 0.2),
            shade(colour, 0.7),
            lighten(colour, 0.1),
            shade(colour, 0.6),
        ],
        0,
        0,
        1,
        0,
    )
    width, height = scene.width, scene.height
    scene.add(
        '<path d="M0,0 L30,0 C28,%s 20,%s 8,%s L0,%s Z" fill="%s"/>'
        % (
            number_text(height * 0.4),
            number_text(height * 0.6),
            number_text(height * 0.66),
            number_text(height),
            paint,
        )
    )
    scene.add(
        '<path d="M%d,0 L%d,0 C%s,%s %s,%s %s,%s L%d,%s Z" fill="%s"/>'
        % (
            width,
            width - 30,
            number_text(width - 28),
            number_text(height * 0.4),
            number_text(width - 20),
            number_text(height * 0.6),
            number_text(width - 8),
            number_text(height * 0.66),
            width,
            number_text(height),
            paint,
        )
    )
    scene.add(
        '<rect x="0" y="0" width="%d" height="%s" fill="%s"/>'
        % (width, number_text(height * 0.16), paint)
    )
    scene.add(
        '<path d="M0,%s %s" fill="none" stroke="%s" stroke-width="2"/>'
        % (
            number_text(height * 0.16),
            " ".join(
                "Q%s,%s %s,%s"
                % (
                    number_text(i * 16 + 8),
                    number_text(height * 0.16 + 8),
                    number_text(i * 16 + 16),
                    number_text(height * 0.16),
                )
                for i in range(int(width / 16) + 1)
            ),
            scene.col("gold"),
        )
    )


@motif("stage")
def stage(scene, y: float = 24, colour: Colour = "#8a5a36"):
    """Boards of a stage in the foreground, lit from the front."""
    colour = scene.lit(colour) if scene.time == "day" else colour
    boards = "".join(
        '<path d="M%s,%s L%s,%s" />'
        % (
            number_text(scene.width / 2 + (i - 4) * 10),
            number_text(scene.svg_y(y)),
            number_text(scene.width / 2 + (i - 4) * 24),
            number_text(scene.height),
        )
        for i in range(9)
    )
    scene.add(
        '<rect x="0" y="%s" width="%d" height="%s" fill="%s"/><g stroke="%s" stroke-width="0.6">%s</g>'
        '<ellipse cx="%s" cy="%s" rx="50" ry="12" fill="%s"/>'
        % (
            number_text(scene.svg_y(y)),
            scene.width,
            number_text(y + 1),
            scene.lin([lighten(colour, 0.2), shade(colour, 0.6)]),
            shade(colour, 0.6),
            boards,
            number_text(scene.width / 2),
            number_text(scene.svg_y(y * 0.5)),
            scene.glow("#fff0c0", 0.35),
        )
    )


@motif("spotlight")
def spotlight(scene, x: float = 64, y: float = 24, colour: Colour = "#fff4d0"):
    """A cone of light widening from the top of the picture down to the stage at (x, y)."""
    scene.add(
        '<path d="M%s,0 L%s,0 L%s,%s L%s,%s Z" fill="%s"/>'
        % (
            number_text(x - 6),
            number_text(x + 6),
            number_text(x + 30),
            number_text(scene.svg_y(y)),
            number_text(x - 30),
            number_text(scene.svg_y(y)),
            scene.lin([(0, colour, 0.05), (1, colour, 0.35)]),
        )
    )


@motif("gables")
def gables(
    scene,
    y: float = None,
    count: int = 6,
    colours: Colours = "#a0503a,#5a3a2a,#c88a5a,#6a4a3a",
    lit: int = None,
):
    """A row of tall, narrow gabled canal houses."""
    if y is None:
        y = scene.horizon
    lit = scene.time in ("night", "dusk") if lit is None else bool(lit)
    colours = [scene.lit(colour) for colour in colours]
    width = scene.width / count
    out = []
    for i in range(count):
        x0 = i * width
        height = 44 + (i * 13) % 18
        colour = colours[i % len(colours)]
        out.append(
            '<path d="M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" fill="%s" stroke="%s" stroke-width="0.5"/>'
            % (
                number_text(x0),
                number_text(scene.svg_y(y)),
                number_text(x0),
                number_text(scene.svg_y(y + height)),
                number_text(x0 + width * 0.2),
                number_text(scene.svg_y(y + height)),
                number_text(x0 + width * 0.2),
                number_text(scene.svg_y(y + height + 5)),
                number_text(x0 + width * 0.5),
                number_text(scene.svg_y(y + height + 12)),
                number_text(x0 + width * 0.8),
                number_text(scene.svg_y(y + height + 5)),
                number_text(x0 + width * 0.8),
                number_text(scene.svg_y(y + height)),
                number_text(x0 + width),
                number_text(scene.svg_y(y + height)),
                number_text(x0 + width),
                number_text(scene.svg_y(y)),
                colour,
                shade(colour, 0.7),
            )
        )
        for radius in range(3):
            for row in range(2):
                wc = (
                    "#ffd070"
                    if lit and (i + radius + row) % 3
                    else scene.lit("#f0ece0")
                    if not lit
                    else scene.lit("#46506a")
                )
                out.append(
                    '<rect x="%s" y="%s" width="%s" height="5" fill="%s"/>'
                    % (
                        number_text(x0 + width * (0.18 + row * 0.42)),
                        number_text(scene.svg_y(y + 8 + radius * 13 + 5)),
                        number_text(width * 0.22),
                        wc,
                    )
                )
    scene.add("".join(out))


@motif("arch")
def triumphal_arch(scene, x: float, y: float, size: float = 60, colour: Colour = "#e0d6c4"):
    """A Roman triumphal arch."""
    colour = scene.lit(colour)
    scene.add(
        '<g transform="%s"><path d="M-24,0 L-24,-36 L24,-36 L24,0 L9,0 L9,-16 A9,9 0 0 0 -9,-16 L-9,0 Z" fill="%s"/>'
        '<rect x="-26" y="-46" width="52" height="10" fill="%s"/><rect x="-27" y="-37" width="54" height="2" fill="%s"/>'
        '<path d="M-20,0 v-34 M-13,0 v-34 M13,0 v-34 M20,0 v-34" stroke="%s" stroke-width="1.4"/></g>'
        % (
            scene.at(x, y, size / 46),
            scene.lin([lighten(colour, 0.15), shade(colour, 0.8)]),
            shade(colour, 0.92),
            shade(colour, 0.8),
            shade(colour, 0.8),
        )
    )


@motif("mast")
def radio_mast(scene, x: float, y: float, height: float = 100):
    """A tall lattice radio mast sending out rings of signal."""
    colour = scene.lit("#c8c8d0") if scene.time == "day" else "#6a6a88"
    lat = "".join(
        '<path d="M%s,%s L%s,%s" />'
        % (
            number_text(-6 + i * 0.5),
            number_text(-i * 9),
            number_text(6 - (i + 1) * 0.5),
            number_text(-(i + 1) * 9),
        )
        for i in range(10)
    )
    arcs = "".join(
        '<path d="M%s,%s A%s,%s 0 0 1 %s,%s M%s,%s A%s,%s 0 0 0 %s,%s" fill="none" stroke="%s" stroke-width="1.1" opacity="%s"/>'
        % (
            number_text(radius * 0.7),
            number_text(-96 - radius * 0.7),
            number_text(radius),
            number_text(radius),
            number_text(radius * 0.7),
            number_text(-96 + radius * 0.7),
            number_text(-radius * 0.7),
            number_text(-96 - radius * 0.7),
            number_text(radius),
            number_text(radius),
            number_text(-radius * 0.7),
            number_text(-96 + radius * 0.7),
            scene.col("gold"),
            number_text(1 - radius / 34),
        )
        for radius in (8, 16, 24)
    )
    scene.add(
        '<g transform="%s"><path d="M-7,0 L-1,-92 L1,-92 L7,0 Z" fill="none" stroke="%s" stroke-width="1.2"/><g stroke="%s" stroke-width="0.7">%s</g>'
        '<circle cx="0" cy="-96" r="3" fill="#ff5040"/><circle cx="0" cy="-96" r="8" fill="%s"/>%s</g>'
        % (scene.at(x, y, height / 100), colour, colour, lat, scene.glow("#ff5040", 0.5), arcs)
    )


@motif("observatory")
def observatory(scene, x: float, y: float, size: float = 50):
    """An observatory: a round tower with a domed roof, its shutter open."""
    wall = scene.lit("#e8e0d0")
    dome = scene.lit("#c8ccd8") if scene.time == "day" else "#8a90a8"
    scene.add(
        '<g transform="%s"><rect x="-18" y="-22" width="36" height="22" fill="%s"/><path d="M-20,-22 A20,20 0 0 1 20,-22 Z" fill="%s"/>'
        '<path d="M-3,-41 L3,-41 L3,-22 L-3,-22 Z" fill="#1a1a2a"/><rect x="-4" y="-12" width="8" height="12" fill="%s"/>'
        '<rect x="10" y="-16" width="4" height="5" fill="#ffd070"/></g>'
        % (
            scene.at(x, y, size / 42),
            wall,
            scene.lin([lighten(dome, 0.3), shade(dome, 0.7)], 0, 0, 1, 0),
            scene.lit("#5a3424"),
        )
    )


@motif("shrine")
def flower_shrine(scene, x: float, y: float, size: float = 60):
    """A little wooden pavilion with a roof covered in flowers."""
    rng = random.Random(int(x + scene.code * 7))
    flowers_ = "".join(
        '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
        % (
            number_text(rng.uniform(-24, 24)),
            number_text(rng.uniform(-50, -40)),
            number_text(rng.uniform(1.8, 3)),
            rng.choice(("#f8c8d8", "#ffffff", "#f6d860", "#e87a9a", "#c8a0e8")),
        )
        for i in range(46)
    )
    scene.add(
        '<g transform="%s"><rect x="-20" y="-4" width="40" height="4" fill="%s"/><rect x="-16" y="-38" width="3" height="34" fill="%s"/><rect x="13" y="-38" width="3" height="34" fill="%s"/>'
        '<path d="M-28,-38 Q0,-44 28,-38 L20,-52 Q0,-56 -20,-52 Z" fill="%s"/>%s'
        '<path d="M-5,-4 L-5,-16 C-5,-22 5,-22 5,-16 L5,-4 Z" fill="%s"/><circle cx="0" cy="-18" r="2.2" fill="#f6e0a0"/></g>'
        % (
            scene.at(x, y, size / 56),
            scene.lit("#8a5a36"),
            scene.lit("#a0703e"),
            scene.lit("#a0703e"),
            scene.lit("#6aa04a"),
            flowers_,
            scene.col("gold"),
        )
    )


@motif("temple")
def temple(
    scene,
    x: float,
    y: float,
    size: float = 60,
    colour: Colour = "#f0e6d0",
    roof: Colour = "#c83a2a",
):
    """A temple hall with layered, steep roofs and golden finials."""
    colour, roof = scene.lit(colour), scene.lit(roof)
    gold = scene.col("gold")
    scene.add(
        '<g transform="%s"><rect x="-22" y="-18" width="44" height="18" fill="%s"/>'
        '<path d="M-30,-16 L-14,-34 L14,-34 L30,-16 Q0,-20 -30,-16 Z" fill="%s"/><path d="M-20,-32 L-6,-48 L6,-48 L20,-32 Z" fill="%s"/>'
        '<path d="M-30,-16 l-4,-5 M30,-16 l4,-5 M-20,-32 l-4,-4 M20,-32 l4,-4 M0,-48 L0,-58" stroke="%s" stroke-width="1.4"/>'
        '<path d="M-4,0 L-4,-10 L0,-14 L4,-10 L4,0 Z" fill="%s"/>'
        '<path d="M-16,-4 v-8 M-10,-4 v-8 M10,-4 v-8 M16,-4 v-8" stroke="%s" stroke-width="1.6"/></g>'
        % (
            scene.at(x, y, size / 58),
            colour,
            scene.lin([lighten(roof, 0.2), shade(roof, 0.7)]),
            shade(roof, 0.9),
            gold,
            gold,
            shade(colour, 0.7),
        )
    )


@motif("statue")
def liberty_statue(scene, x: float, y: float, height: float = 120, colour: Colour = "#6ab0a0"):
    """A robed figure on a pedestal holding a torch high and a tablet in the other arm."""
    colour = scene.lit(colour)
    stone = scene.lit("#c8b898")
    paint = scene.lin([lighten(colour, 0.25), colour, shade(colour, 0.7)], 0, 0, 1, 0)
    scene.add(
        '<g transform="%s"><path d="M-16,0 L-12,-30 L12,-30 L16,0 Z" fill="%s"/><rect x="-14" y="-36" width="28" height="6" fill="%s"/>'
        '<path d="M-8,-36 C-9,-50 -8,-64 -5,-74 L5,-74 C8,-64 9,-50 8,-36 Z" fill="%s"/>'
        '<path d="M4,-72 L8,-98 L11,-97 L8,-70 Z" fill="%s"/><path d="M7,-98 L13,-98 L12,-102 L8,-102 Z" fill="%s"/>'
        '<circle cx="10" cy="-106" r="7" fill="%s"/><path d="M10,-101 C7,-104 9,-107 10,-111 C11,-107 13,-104 10,-101 Z" fill="#ffd040"/>'
        '<circle cx="0" cy="-78" r="4.5" fill="%s"/><path d="M-5,-80 L-8,-85 M-3,-82 L-4,-88 M0,-83 L0,-89 M3,-82 L4,-88 M5,-80 L8,-85" stroke="%s" stroke-width="1.2"/>'
        '<path d="M-7,-62 L-12,-58 L-10,-50 L-5,-54 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, height / 112),
            scene.lin([lighten(stone, 0.2), shade(stone, 0.75)], 0, 0, 1, 0),
            shade(stone, 0.9),
            paint,
            colour,
            scene.col("gold"),
            scene.glow("#ffb040", 0.6),
            colour,
            colour,
            shade(colour, 0.8),
        )
    )


@motif("pyramids")
def pyramids(scene, y: float = None, colour: Colour = "#d8b070"):
    """The three great pyramids standing on the desert horizon."""
    if y is None:
        y = scene.horizon
    colour = scene.lit(colour)
    out = []
    for px, width, height in ((30, 50, 34), (86, 70, 46), (116, 30, 20)):
        out.append(
            '<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/><path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>'
            % (
                number_text(px - width / 2),
                number_text(scene.svg_y(y)),
                number_text(px),
                number_text(scene.svg_y(y + height)),
                number_text(px + width / 2),
                number_text(scene.svg_y(y)),
                colour,
                number_text(px),
                number_text(scene.svg_y(y + height)),
                number_text(px + width / 2),
                number_text(scene.svg_y(y)),
                number_text(px + width * 0.1),
                number_text(scene.svg_y(y)),
                shade(colour, 0.75),
            )
        )
    scene.add("".join(out))


@motif("wall")
def wall(scene, y: float = 0, height: float = 34, colour: Colour = "#b8b4ac", graffiti: int = 1):
    """A long concrete wall across the picture, painted with bright colours."""
    colour = scene.lit(colour)
    segs = "".join(
        '<path d="M%s,%s v%s" />'
        % (number_text(i * 14), number_text(scene.svg_y(y + height)), number_text(height))
        for i in range(1, int(scene.width / 14) + 1)
    )
    paint = ""
    if graffiti:
        rng = random.Random(scene.code * 113)
        for i in range(6):
            gx = rng.uniform(4, scene.width - 20)
            gy = y + rng.uniform(6, height - 8)
            col = rng.choice(("#e84a6a", "#f0c040", "#4ab0e0", "#6ac050", "#c870e0"))
            paint += (
                '<path d="M%s,%s q5,-8 10,0 t10,0" stroke="%s" stroke-width="2.4" fill="none" stroke-linecap="round"/>'
                % (number_text(gx), number_text(scene.svg_y(gy)), col)
            )
    scene.add(
        '<rect x="-2" y="%s" width="%d" height="%s" fill="%s"/><rect x="-2" y="%s" width="%d" height="4" rx="2" fill="%s"/>'
        '<g stroke="%s" stroke-width="0.6">%s</g>%s'
        % (
            number_text(scene.svg_y(y + height)),
            scene.width + 4,
            number_text(height),
            scene.lin([lighten(colour, 0.1), shade(colour, 0.8)]),
            number_text(scene.svg_y(y + height + 3)),
            scene.width + 4,
            lighten(colour, 0.1),
            shade(colour, 0.7),
            segs,
            paint,
        )
    )


@motif("palace")
def palace(
    scene,
    x: float,
    y: float,
    size: float = 120,
    colour: Colour = "#e8dcc4",
    roof: Colour = "#6a7088",
):
    """A long palace front seen across its courtyard: wings, a central block and rows of tall windows; size is its width."""
    colour, roof = scene.lit(colour), scene.lit(roof)
    lit = scene.time in ("night", "dusk")
    win = "#ffd070" if lit else shade(scene.lit("#5a6a8a"), 0.9)
    parts = [
        '<path d="M-60,-18 L-58,-24 L58,-24 L60,-18 Z" fill="%s"/>' % roof,
        '<rect x="-60" y="-18" width="120" height="18" fill="%s"/>'
        % scene.lin([lighten(colour, 0.1), shade(colour, 0.85)]),
        '<path d="M-16,-28 L-14,-36 L14,-36 L16,-28 Z" fill="%s"/><rect x="-16" y="-28" width="32" height="28" fill="%s"/>'
        % (roof, lighten(colour, 0.05)),
        '<path d="M-16,-28 L0,-33 L16,-28 Z" fill="%s"/>' % shade(colour, 0.9),
    ]
    for wx in range(-56, 57, 6):
        if -16 <= wx <= 14:
            continue
        parts.append(
            '<rect x="%s" y="-15" width="2.6" height="6" fill="%s"/><rect x="%s" y="-7" width="2.6" height="5" fill="%s"/>'
            % (number_text(wx), win, number_text(wx), win)
        )
    for wx in range(-13, 14, 5):
        parts.append(
            '<rect x="%s" y="-24" width="2.4" height="8" rx="1.2" fill="%s"/><rect x="%s" y="-12" width="2.4" height="8" rx="1.2" fill="%s"/>'
            % (number_text(wx), win, number_text(wx), win)
        )
    parts.append('<rect x="-62" y="-1.6" width="124" height="1.6" fill="%s"/>' % shade(colour, 0.7))
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 120), "".join(parts)))


@motif("rooftops")
def rooftops(
    scene,
    heights: Numbers = "30,44,26,38,50,34",
    colours: Colours = "#e8b878,#e89a8a,#8ac8c0,#f0e0c8,#d8a0c0,#c8d890",
    y: float = 0,
):
    """Flat-roofed city houses side by side, with parapets, water tanks and stair huts.

    The roof of house i of n (left to right) is at height heights[i] and its middle at
    x = width * (i + 0.5) / n."""
    width = scene.width / float(len(heights))
    rng = random.Random(scene.code * 31 + 5)
    for i, height in enumerate(heights):
        colour = scene.lit(colours[i % len(colours)])
        x0 = i * width - 0.5
        top = y + height
        parts = [
            '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
            % (
                number_text(x0),
                number_text(scene.svg_y(top)),
                number_text(width + 1),
                number_text(height),
                scene.lin([lighten(colour, 0.12), shade(colour, 0.85)], 0, 0, 1, 0),
            ),
            '<rect x="%s" y="%s" width="%s" height="2.4" fill="%s"/>'
            % (
                number_text(x0 - 0.5),
                number_text(scene.svg_y(top + 2.4)),
                number_text(width + 2),
                shade(colour, 0.8),
            ),
        ]
        if i % 3 == 1:
            parts.append(
                '<rect x="%s" y="%s" width="7" height="6" fill="%s"/><rect x="%s" y="%s" width="2.4" height="4" fill="%s"/>'
                % (
                    number_text(x0 + width - 9),
                    number_text(scene.svg_y(top + 8)),
                    shade(colour, 0.9),
                    number_text(x0 + width - 7),
                    number_text(scene.svg_y(top + 6)),
                    shade(colour, 0.55),
                )
            )
        elif i % 3 == 2:
            parts.append(
                '<rect x="%s" y="%s" width="6" height="5" rx="1.5" fill="%s"/>'
                % (number_text(x0 + 2.5), number_text(scene.svg_y(top + 7.4)), scene.lit("#3a3a44"))
            )
        for row in range(int((height - 6) // 10)):
            for column in range(2):
                wx = x0 + width * (0.26 + 0.38 * column) - 1.5
                wy = top - 8 - row * 10
                parts.append(
                    '<path d="M%s,%s v-4 a1.6,1.6 0 0 1 3.2,0 v4 Z" fill="%s"/>'
                    % (number_text(wx), number_text(scene.svg_y(wy - 5)), shade(colour, 0.5))
                )
        if rng.random() < 0.5:
            parts.append(
                '<path d="M%s,%s h%s" stroke="%s" stroke-width="1.2" stroke-dasharray="2 1.4"/>'
                % (
                    number_text(x0 + 2),
                    number_text(scene.svg_y(top - 5)),
                    number_text(width - 4),
                    scene.lit("#e84a6a"),
                )
            )
        scene.add("".join(parts))


@motif("watchtower")
def watchtower(scene, x: float, y: float, height: float = 70, lamp: int = 1):
    """A concrete border watchtower with its cabin and a searchlight."""
    colour = scene.lit("#a8a49c")
    glass = "#ffd070" if scene.time in ("night", "dusk") else scene.lit("#6a7a8a")
    beam = ""
    if lamp:
        beam = '<path d="M8,-55 L60,-20 L60,0 Z" fill="%s" opacity="0.25"/>' % scene.lin(
            [(0, "#f0f4ff", 0.9), (1, "#f0f4ff", 0)], 0, 0, 1, 0
        )
    scene.add(
        '<g transform="%s">%s<rect x="-4" y="-46" width="8" height="46" fill="%s"/>'
        '<rect x="-8" y="-58" width="16" height="12" fill="%s"/><rect x="-6.5" y="-56" width="13" height="5" fill="%s"/>'
        '<rect x="-9" y="-60" width="18" height="2.4" fill="%s"/><rect x="6.5" y="-57" width="3" height="3" fill="#f0f4ff"/></g>'
        % (
            scene.at(x, y, height / 60),
            beam,
            scene.lin([lighten(colour, 0.1), shade(colour, 0.75)], 0, 0, 1, 0),
            colour,
            glass,
            shade(colour, 0.7),
        )
    )


@motif("passagetomb")
def passage_tomb(
    scene, x: float, y: float, size: float = 120, sunx: float = None, suny: float = None
):
    """A great round grassy mound faced with white quartz, ringed by kerbstones.

    Its entrance has a roof-box slot above and the carved entrance stone before it; with sunx,
    suny a shaft of the rising sun runs from there into the slot. size is its width."""
    scale = size / 120
    rng = random.Random(scene.code * 17)
    grass, quartz, stone = scene.lit("#6a9a4a"), scene.lit("#eeeee8"), scene.lit("#8a8a90")
    parts = [
        '<path d="M-62,-2 C-56,-26 -30,-44 0,-45 C30,-44 56,-26 62,-2 Z" fill="%s"/>'
        % scene.lin([lighten(grass, 0.15), shade(grass, 0.8)]),
        '<path d="M-48,-2 C-44,-14 -24,-22 0,-22.5 C24,-22 44,-14 48,-2 Z" fill="%s"/>'
        % scene.lin([quartz, shade(quartz, 0.85)]),
    ]
    pebbles = []
    for i in range(int(40 * max(1, scale))):
        px = rng.uniform(-42, 42)
        top = -2 - 20.5 * (1 - (px / 48.0) ** 2)
        py = rng.uniform(top + 1.5, -3)
        pebbles.append(
            '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
            % (
                number_text(px),
                number_text(py),
                number_text(rng.uniform(0.6, 1.2)),
                shade(stone, rng.uniform(0.7, 1.0)),
            )
        )
    parts.append("".join(pebbles))
    parts.append(
        "".join(
            '<rect x="%s" y="-4.4" width="%s" height="4.4" rx="1.8" fill="%s"/>'
            % (number_text(kx), number_text(6.6), shade(stone, 0.8 + 0.12 * ((i * 7) % 3 - 1)))
            for i, kx in enumerate(range(-60, 58, 7))
            if not -9 < kx < 3
        )
    )
    parts.append(
        '<rect x="-3.6" y="-15" width="7.2" height="13" fill="#141018"/><rect x="-5.6" y="-16.8" width="11.2" height="2" fill="%s"/>'
        '<rect x="-2.8" y="-19.8" width="5.6" height="2.4" fill="#141018"/><rect x="-4.8" y="-21.4" width="9.6" height="1.8" fill="%s"/>'
        % (shade(stone, 0.9), shade(stone, 0.9))
    )
    spiral = "M0,0 a1,1 0 0 1 2,0 a2,2 0 0 1 -4,0 a3,3 0 0 1 6,0"
    parts.append(
        '<g transform="translate(0,2)"><path d="M-14,0 C-14,-8.4 14,-8.4 14,0 Z" fill="%s"/><g stroke="%s" stroke-width="0.7" fill="none">'
        '<path transform="translate(-7,-3.2) scale(0.8)" d="%s"/><path transform="translate(1.4,-3.2) scale(0.8)" d="%s"/><path transform="translate(8,-2) scale(0.55)" d="%s"/></g></g>'
        % (
            scene.lin([lighten(stone, 0.4), shade(stone, 0.9)]),
            shade(stone, 0.45),
            spiral,
            spiral,
            spiral,
        )
    )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, scale), "".join(parts)))
    if sunx is not None and suny is not None:
        tx, ty = x, y + 18.6 * scale
        scene.add(
            '<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/><rect x="%s" y="%s" width="%s" height="%s" fill="#ffd870"/>'
            '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
            % (
                number_text(sunx),
                number_text(scene.svg_y(suny + 6)),
                number_text(tx - 2 * scale),
                number_text(scene.svg_y(ty)),
                number_text(sunx),
                number_text(scene.svg_y(suny - 6)),
                scene.lin([(0, "#ffe0a0", 0.55), (1, "#ffd070", 0.15)], 0, 0, 1, 0),
                number_text(tx - 2.4 * scale),
                number_text(scene.svg_y(ty + 1 * scale)),
                number_text(4.8 * scale),
                number_text(2 * scale),
                number_text(tx),
                number_text(scene.svg_y(ty)),
                number_text(6 * scale),
                scene.glow("#ffd070", 0.8),
            )
        )


@motif("colosseum")
def colosseum(scene, x: float, y: float, size: float = 110, colour: Colour = "#d8c4a0"):
    """The great amphitheatre: tiers of arches round an oval wall, the outer ring broken away on one side; size is its width."""
    colour = scene.lit(colour)
    dark = shade(colour, 0.45)
    parts = [
        '<path d="M-54,0 L-54,-30 Q0,-40 40,-34 L40,-24 L54,-20 L54,0 Z" fill="%s"/>'
        % shade(colour, 0.8),
        '<path d="M-54,0 L-54,-44 Q-20,-50 14,-48 L22,-42 L30,-40 L34,-30 L44,-26 L54,-22 L54,0 Z" fill="%s"/>'
        % scene.lin([lighten(colour, 0.15), shade(colour, 0.85)], 0, 0, 1, 0),
    ]
    for row, (top, hgt) in enumerate(((-12, 10), (-24, 9), (-36, 8))):
        for arch in range(12):
            ax = -51 + arch * 8.6
            if row == 2 and ax > 16 or row == 1 and ax > 38:
                continue
            parts.append(
                '<path d="M%s,%s v%s a2.6,2.6 0 0 1 5.2,0 v%s Z" fill="%s"/>'
                % (
                    number_text(ax),
                    number_text(top + hgt),
                    number_text(-hgt + 2.6),
                    number_text(hgt - 2.6),
                    dark,
                )
            )
    parts.append(
        '<path d="M-54,-13 H54 M-54,-25 H44 M-54,-37 H26" stroke="%s" stroke-width="1"/>'
        % lighten(colour, 0.2)
    )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 110), "".join(parts)))


@motif("tent")
def tent(scene, x: float, y: float, size: float = 40, colour: Colour = "#d8c8a0"):
    """A small pointed polar tent on its pole, guy lines pegged in the snow."""
    colour = scene.lit(colour)
    scene.add(
        '<g transform="%s"><path d="M-26,0 L0,-30 M26,0 L0,-30" stroke="%s" stroke-width="0.5"/>'
        '<path d="M-16,0 L0,-30 L16,0 Z" fill="%s"/><path d="M0,-30 L16,0 L4,0 Z" fill="%s"/>'
        '<path d="M-3,0 L0,-9 L3,0 Z" fill="%s"/><path d="M0,-30 V-34" stroke="%s" stroke-width="1"/></g>'
        % (
            scene.at(x, y, size / 34),
            scene.lit("#8a8070"),
            scene.lin([lighten(colour, 0.15), colour]),
            shade(colour, 0.8),
            shade(colour, 0.45),
            scene.lit("#6a4a2a"),
        )
    )


@motif("tvtower")
def tvtower(scene, x: float, y: float, height: float = 150):
    """A television tower: a slim concrete shaft, a ball with a ring of windows, a red-tipped mast."""
    colour = scene.lit("#b8b4b0")
    lit = scene.time in ("night", "dusk")
    win = "#ffd070" if lit else shade(colour, 0.6)
    scene.add(
        '<g transform="%s"><path d="M-3.4,0 L-1.4,-100 L1.4,-100 L3.4,0 Z" fill="%s"/>'
        '<circle cx="0" cy="-106" r="8" fill="%s"/><rect x="-8" y="-107" width="16" height="2" fill="%s"/>'
        '<rect x="-1" y="-142" width="2" height="30" fill="%s"/><rect x="-0.6" y="-150" width="1.2" height="8" fill="%s"/>'
        '<circle cx="0" cy="-150" r="1.2" fill="#ff4a3a"/></g>'
        % (
            scene.at(x, y, height / 150),
            scene.lin([lighten(colour, 0.1), shade(colour, 0.7)], 0, 0, 1, 0),
            scene.rad([lighten(colour, 0.3), colour, shade(colour, 0.6)], 0.35, 0.35, 0.7),
            win,
            shade(colour, 0.9),
            scene.lit("#e8e0d8"),
        )
    )


@motif("shaheedminar")
def shaheed_minar(scene, x: float, y: float, size: float = 80, sun: Colour = "#d8283a"):
    """The martyrs' monument of Dhaka: white frames of slender columns before a red sun.

    The tall middle frame bends forward at the top like a mother bowing over her children,
    two lower frames stand at each side; y is the top of its steps, size its height."""
    white = scene.lit("#f4f2ec")
    side = shade(white, 0.86)
    bend = shade(white, 0.78)
    parts = ['<circle cx="0" cy="-52" r="20" fill="%s"/>' % scene.lit(sun)]
    # steps
    parts.append(
        '<rect x="-50" y="0" width="100" height="3" fill="%s"/><rect x="-44" y="-2" width="88" height="2.4" fill="%s"/>'
        % (shade(white, 0.7), shade(white, 0.8))
    )

    def frame(left, right, top, colour, bars=3, stroke=2.2):
        out = [
            '<path d="M%s,-2 V%s M%s,-2 V%s M%s,%s H%s" stroke="%s" stroke-width="%s" fill="none"/>'
            % tuple(
                number_text(v) if not isinstance(v, str) else v
                for v in (
                    left,
                    top,
                    right,
                    top,
                    left - stroke / 2,
                    top,
                    right + stroke / 2,
                    colour,
                    stroke,
                )
            )
        ]
        for i in range(1, bars + 1):
            bx = left + (right - left) * i / (bars + 1)
            out.append(
                '<path d="M%s,-2 V%s" stroke="%s" stroke-width="%s"/>'
                % (number_text(bx), number_text(top), colour, number_text(stroke * 0.6))
            )
        return "".join(out)

    parts.append(frame(-45, -37, -34, shade(side, 0.92), bars=1, stroke=2))
    parts.append(frame(37, 45, -34, shade(side, 0.92), bars=1, stroke=2))
    parts.append(frame(-31, -21, -46, side, bars=1, stroke=2))
    parts.append(frame(21, 31, -46, side, bars=1, stroke=2))
    parts.append(frame(-12, 12, -70, white, bars=3, stroke=2.4))
    # the top of the middle frame bowing forward: seen from the front, a shorter, darker frame
    parts.append(
        '<path d="M-12.5,-70 L-11,-80 H11 L12.5,-70" stroke="%s" stroke-width="2.4" fill="none"/>'
        '<path d="M-5.5,-70 L-5,-80 M0,-70 V-80 M5.5,-70 L5,-80" stroke="%s" stroke-width="1.4"/>'
        % (bend, bend)
    )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 80), "".join(parts)))


@motif("dome")
def dome(
    scene,
    x: float,
    y: float,
    size: float = 70,
    colour: Colour = "#d8d2c4",
    lit: int = None,
    towers: int = 1,
):
    """A great domed building over the roofs: a colonnaded drum, the dome and its lantern.

    With towers=1 it is a cathedral, two western towers before it and a cross on top; with
    towers=0 a capitol, long low wings to both sides and a statue on top. y is its foot, size its
    height to the top."""
    lit = scene.time in ("night", "dusk") if lit is None else bool(lit)
    stone = scene.lit(colour)
    dark = shade(stone, 0.72)
    columns = "".join(
        '<rect x="%s" y="-44" width="1.2" height="9" fill="%s"/>'
        % (number_text(-13 + i * 3.6), dark)
        for i in range(8)
    )
    windows = ""
    if lit:
        windows = "".join(
            '<rect x="%s" y="-24" width="2" height="4" fill="#ffd070"/>' % number_text(wx)
            for wx in (-22, -16, 14, 20)
        )
    if towers:
        front = (
            '<rect x="-30" y="-26" width="60" height="26" fill="%s"/>'
            '<rect x="-27" y="-42" width="9" height="30" fill="%s"/><rect x="18" y="-42" width="9" height="30" fill="%s"/>'
            '<path d="M-27,-42 L-22.5,-50 L-18,-42 Z M18,-42 L22.5,-50 L27,-42 Z" fill="%s"/>'
            % (scene.lin([lighten(stone, 0.1), shade(stone, 0.85)], 0, 0, 1, 0), stone, stone, dark)
        )
    else:
        front = (
            '<rect x="-58" y="-16" width="116" height="16" fill="%s"/><rect x="-20" y="-26" width="40" height="26" fill="%s"/>'
            '<path d="M-12,-26 L0,-32 L12,-26 Z" fill="%s"/>%s'
            % (
                scene.lin([lighten(stone, 0.1), shade(stone, 0.85)], 0, 0, 1, 0),
                stone,
                dark,
                "".join(
                    '<rect x="%s" y="-13" width="1.6" height="9" fill="%s"/>'
                    % (number_text(wx), dark)
                    for wx in (-54, -48, -42, -36, -30, 28, 34, 40, 46, 52)
                ),
            )
        )
    scene.add(
        '<g transform="%s">%s'
        '<rect x="-15" y="-45" width="30" height="19" fill="%s"/>%s'
        '<path d="M-16,-45 C-16,-62 -6,-68 0,-68 C6,-68 16,-62 16,-45 Z" fill="%s"/>'
        '<rect x="-2.2" y="-75" width="4.4" height="8" fill="%s"/><path d="M-2.6,-75 Q0,-79 2.6,-75 Z" fill="%s"/>'
        '<path d="%s" stroke="%s" stroke-width="0.9"/>%s</g>'
        % (
            scene.at(x, y, size / 86),
            front,
            stone,
            columns,
            scene.rad([lighten(stone, 0.25), stone, shade(stone, 0.7)], 0.35, 0.3, 0.8),
            stone,
            dark,
            "M0,-79 V-86 M-2,-83.5 H2" if towers else "M0,-79 V-84 M-1,-82.5 H1",
            scene.col("gold") if towers else shade(stone, 0.6),
            windows,
        )
    )
