"""Things of daily life, learning and craft: clocks, books and writing, instruments, tools and the post."""

import math

from .canvas import lighten, mix, number_text, shade
from .registry import Colour, Colours, motif


@motif("basket")
def basket(scene, x: float, y: float, size: float = 30, colour: Colour = "#b88a50"):
    """A woven basket with a handle."""
    colour = scene.lit(colour)
    scene.add(
        '<g transform="%s"><path d="M-16,-12 A16,16 0 0 1 16,-12" fill="none" stroke="%s" stroke-width="2"/>'
        '<path d="M-18,-12 L-14,0 L14,0 L18,-12 Z" fill="%s"/>'
        '<path d="M-17,-8 L17,-8 M-16,-4 L16,-4" stroke="%s" stroke-width="0.8"/></g>'
        % (
            scene.at(x, y, size / 30),
            shade(colour, 0.8),
            scene.lin([lighten(colour, 0.2), shade(colour, 0.7)]),
            shade(colour, 0.65),
        )
    )


@motif("umbrella")
def umbrella(scene, x: float, y: float, size: float = 30, colour: Colour = "sky"):
    """An open umbrella with a scalloped edge and a crooked handle."""
    scene.add(
        '<g transform="%s"><path d="M0,-28 L0,-2 Q0,2 -3,2 Q-6,2 -6,-1" fill="none" stroke="%s" stroke-width="1.4"/>'
        '<path d="M-18,-20 Q-18,-38 0,-38 Q18,-38 18,-20 Q15,-23 12,-20 Q9,-23 6,-20 Q3,-23 0,-20 Q-3,-23 -6,-20 Q-9,-23 -12,-20 Q-15,-23 -18,-20 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 40),
            scene.lit("#5a4a40"),
            scene.lin([lighten(colour, 0.3), shade(colour, 0.75)]),
        )
    )


@motif("sundial")
def sundial(scene, x: float, y: float, size: float = 40):
    """A sundial on a stone pillar, its gnomon casting a shadow."""
    stone = scene.lit("#c8c0b0")
    dark = shade(stone, 0.7)
    ticks = "".join(
        '<path d="M0,0 L%s,%s" />'
        % (
            number_text(12 * math.cos(math.radians(angle))),
            number_text(3.2 * math.sin(math.radians(angle))),
        )
        for angle in range(180, 361, 20)
    )
    scene.add(
        '<g transform="%s"><path d="M-9,0 L-7,-6 L7,-6 L9,0 Z" fill="%s"/><path d="M-5,-6 L-4,-26 L4,-26 L5,-6 Z" fill="%s"/>'
        '<ellipse cx="0" cy="-28" rx="15" ry="4.5" fill="%s"/><ellipse cx="0" cy="-29" rx="14" ry="4" fill="%s"/>'
        '<g transform="translate(0,-29)" stroke="%s" stroke-width="0.5">%s</g>'
        '<path d="M0,-29 L9,-28 L9,-31 Z" fill="%s" opacity="0.6"/>'
        '<path d="M-1,-29 L-1,-38 L7,-29 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 40),
            dark,
            scene.lin([lighten(stone, 0.1), dark], 0, 0, 1, 0),
            dark,
            scene.lit("#d8c89a"),
            shade(stone, 0.5),
            ticks,
            shade(stone, 0.4),
            scene.lit("#b08a40"),
        )
    )


def hourglass_svg(sand, wood="#8a5a30", glass="#cfe6f6", grain="#f0c868", stream=True):
    """An hourglass 40 units high standing on (0,0), drawn upright."""
    top = max(0.0, 1 - sand)
    bot = sand
    parts = [
        '<rect x="-13" y="-40" width="26" height="3.5" rx="1" fill="%s"/>' % wood,
        '<rect x="-13" y="-3.5" width="26" height="3.5" rx="1" fill="%s"/>' % wood,
        '<rect x="-11.5" y="-37" width="2" height="34" fill="%s"/><rect x="9.5" y="-37" width="2" height="34" fill="%s"/>'
        % (wood, wood),
    ]
    bulb = "M-7.5,-36.5 C-7.5,-26 -1.2,-23 -1.2,-20 C-1.2,-17 -7.5,-14 -7.5,-3.5 L7.5,-3.5 C7.5,-14 1.2,-17 1.2,-20 C1.2,-23 7.5,-26 7.5,-36.5 Z"
    parts.append('<path d="%s" fill="%s" opacity="0.35"/>' % (bulb, glass))
    if top > 0.01:
        ty = -22 - 12 * top
        width = 1.2 + 6.2 * (top**0.5)
        parts.append(
            '<path d="M%s,%s Q0,%s %s,%s C%s,-24 1,-21.5 0,-20.5 C-1,-21.5 %s,-24 %s,%s Z" fill="%s"/>'
            % (
                number_text(-width),
                number_text(ty),
                number_text(ty - 1.2),
                number_text(width),
                number_text(ty),
                number_text(min(width, 5)),
                number_text(-min(width, 5)),
                number_text(-width),
                number_text(ty),
                grain,
            )
        )
    if stream and 0.01 < sand < 0.99:
        parts.append(
            '<rect x="-0.45" y="-20.5" width="0.9" height="%s" fill="%s"/>'
            % (number_text(16.5 - 12 * bot), grain)
        )
    if bot > 0.01:
        height = 12 * bot
        parts.append(
            '<path d="M-7.5,-3.6 L-7.3,%s Q0,%s 7.3,%s L7.5,-3.6 Z" fill="%s"/>'
            % (
                number_text(-3.6 - height * 0.6),
                number_text(-3.6 - height * 1.25),
                number_text(-3.6 - height * 0.6),
                grain,
            )
        )
    parts.append(
        '<path d="%s" fill="none" stroke="#ffffff" stroke-width="0.7" opacity="0.8"/>' % bulb
    )
    parts.append(
        '<path d="M-5,-34 C-5,-29 -3,-26 -2,-24.5" fill="none" stroke="#ffffff" stroke-width="0.8" opacity="0.7"/>'
    )
    return "".join(parts)


@motif("clock")
def clock(scene, x: float, y: float, radius: float = 16, hour: float = 12, minute: float = 0):
    """A round clock face; y is its centre."""
    ticks = "".join(
        '<path d="M0,%s L0,%s" transform="rotate(%d)"/>'
        % (
            number_text(-radius * 0.82),
            number_text(-radius * (0.7 if i % 3 == 0 else 0.76)),
            i * 30,
        )
        for i in range(12)
    )
    ha = (hour % 12 + minute / 60) * 30
    ma = minute * 6
    scene.add(
        '<g transform="%s"><circle r="%s" fill="%s"/><circle r="%s" fill="%s" stroke="%s" stroke-width="%s"/>'
        '<g stroke="#3a3030" stroke-width="%s">%s</g>'
        '<path d="M0,0 L0,%s" stroke="#2a2020" stroke-width="%s" stroke-linecap="round" transform="rotate(%s)"/>'
        '<path d="M0,0 L0,%s" stroke="#2a2020" stroke-width="%s" stroke-linecap="round" transform="rotate(%s)"/><circle r="%s" fill="#c83a3a"/></g>'
        % (
            scene.at(x, y),
            number_text(radius * 1.5),
            scene.glow("#fff0c0", 0.3),
            number_text(radius),
            scene.rad(["#fffdf4", "#f2e8cc"]),
            scene.col("gold"),
            number_text(radius * 0.1),
            number_text(radius * 0.06),
            ticks,
            number_text(-radius * 0.45),
            number_text(radius * 0.1),
            number_text(ha),
            number_text(-radius * 0.7),
            number_text(radius * 0.07),
            number_text(ma),
            number_text(radius * 0.08),
        )
    )


@motif("book")
def book(scene, x: float, y: float, size: float = 40, colour: Colour = "crimson", text: int = 1):
    """An open book seen from the front, lying on its cover."""
    cover = scene.lit(colour)
    page = (
        scene.lin(["#fffaf0", "#efe4c8"], 0, 0, 1, 0)
        if scene.time != "night"
        else scene.lin(["#d8d4d0", "#a8a4b0"], 0, 0, 1, 0)
    )
    page2 = (
        scene.lin(["#efe4c8", "#fffaf0"], 0, 0, 1, 0)
        if scene.time != "night"
        else scene.lin(["#a8a4b0", "#d8d4d0"], 0, 0, 1, 0)
    )
    parts = [
        '<path d="M-23,0 L-22,-14 Q-11,-16 0,-12 Q11,-16 22,-14 L23,0 Q11,-3 0,1 Q-11,-3 -23,0 Z" fill="%s"/>'
        % cover,
        '<path d="M-21,-2.5 L-21,-16 Q-10,-19 0,-14 L0,-1 Q-10,-5 -21,-2.5 Z" fill="%s"/>' % page,
        '<path d="M21,-2.5 L21,-16 Q10,-19 0,-14 L0,-1 Q10,-5 21,-2.5 Z" fill="%s"/>' % page2,
    ]
    if text:
        lines = []
        for i in range(4):
            yy = -13.5 + i * 2.6
            lines.append(
                '<path d="M-18,%s Q-10,%s -3,%s"/>'
                % (number_text(yy), number_text(yy - 1.8), number_text(yy + 0.6))
            )
            lines.append(
                '<path d="M3,%s Q10,%s 18,%s"/>'
                % (number_text(yy + 0.6), number_text(yy - 1.8), number_text(yy))
            )
        parts.append(
            '<g stroke="%s" stroke-width="0.7" fill="none" opacity="0.55">%s</g>'
            % (scene.lit("#6a5a4a"), "".join(lines))
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 46), "".join(parts)))


@motif("books")
def books(
    scene, x: float, y: float, size: float = 30, colours: Colours = "crimson,navy,green,amber"
):
    """A small stack of closed books."""
    colours = [scene.lit(colour) for colour in colours]
    parts = []
    yy = 0
    for i, colour in enumerate(colours):
        width = 30 - i * 3
        off = (i % 2) * 2 - 1
        parts.append(
            '<rect x="%s" y="%s" width="%s" height="6" rx="1" fill="%s"/><rect x="%s" y="%s" width="%s" height="4" fill="%s"/>'
            % (
                number_text(-width / 2 + off),
                number_text(yy - 6),
                number_text(width),
                colour,
                number_text(-width / 2 + off + 1.5),
                number_text(yy - 5),
                number_text(width - 3),
                scene.lit("#f4ead0"),
            )
        )
        parts.append(
            '<rect x="%s" y="%s" width="%s" height="6" rx="1" fill="%s"/>'
            % (number_text(width / 2 + off - 2), number_text(yy - 6), "2", shade(colour, 0.7))
        )
        yy -= 6
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 30), "".join(parts)))


@motif("quill")
def quill(scene, x: float, y: float, size: float = 40, angle: float = 20):
    """A quill pen, its feather leaning by angle degrees."""
    scene.add(
        '<g transform="%s"><path d="M0,0 C-2,-12 -6,-26 -2,-40 C4,-30 5,-14 0,0 Z" fill="%s"/>'
        '<path d="M0,0 C-1,-14 -2,-26 -2,-40" stroke="%s" stroke-width="0.6" fill="none"/></g>'
        % (
            scene.at(x, y, size / 40, angle),
            scene.lin(["#ffffff", "#d8d0c0"]),
            scene.lit("#8a7a60"),
        )
    )


@motif("scroll")
def scroll(scene, x: float, y: float, size: float = 40, colour: Colour = "cream"):
    """An unrolled scroll held between two rollers, lines of writing on it."""
    colour = scene.lit(colour)
    lines = "".join(
        '<path d="M-14,%s h%s"/>' % (number_text(-22 + i * 4), number_text(28 - (i % 3) * 5))
        for i in range(5)
    )
    scene.add(
        '<g transform="%s"><rect x="-17" y="-30" width="34" height="26" fill="%s"/>'
        '<rect x="-20" y="-32" width="40" height="5" rx="2.5" fill="%s"/><rect x="-20" y="-6" width="40" height="5" rx="2.5" fill="%s"/>'
        '<g stroke="%s" stroke-width="0.8" opacity="0.5">%s</g></g>'
        % (
            scene.at(x, y, size / 40),
            colour,
            shade(colour, 0.85),
            shade(colour, 0.85),
            scene.lit("#6a5a4a"),
            lines,
        )
    )


@motif("lamp")
def lamp(scene, x: float, y: float, size: float = 30):
    """An oil lamp with its small flame."""
    brass = scene.col("gold")
    scene.add(
        '<g transform="%s"><path d="M-14,-6 Q-14,0 0,0 Q10,0 18,-8 L16,-9 Q8,-4 4,-6 Z" fill="%s"/>'
        '<path d="M-10,-6 Q-12,-3 -18,-6 Q-20,-9 -16,-11" fill="none" stroke="%s" stroke-width="1.4"/>'
        '<circle cx="17" cy="-16" r="10" fill="%s"/><path d="M17,-9 C14,-12 16,-16 17,-21 C18,-16 20,-12 17,-9 Z" fill="#ffd850"/></g>'
        % (
            scene.at(x, y, size / 30),
            scene.lin([lighten(brass, 0.3), shade(brass, 0.6)]),
            shade(brass, 0.7),
            scene.glow("#ffb040", 0.55),
        )
    )


@motif("telescope")
def telescope(scene, x: float, y: float, size: float = 40):
    """A brass telescope on a tripod, pointing up at the sky."""
    colour = scene.lit("#c8a050")
    scene.add(
        '<g transform="%s"><path d="M0,-16 L-9,0 M0,-16 L9,0 M0,-16 L0,0" stroke="%s" stroke-width="1.3"/>'
        '<g transform="translate(0,-18) rotate(-32)"><rect x="-12" y="-3" width="30" height="6" rx="1" fill="%s"/>'
        '<rect x="-18" y="-2" width="7" height="4" fill="%s"/><rect x="17" y="-3.6" width="3" height="7.2" fill="%s"/></g></g>'
        % (
            scene.at(x, y, size / 40),
            scene.lit("#5a4a40"),
            scene.lin([lighten(colour, 0.3), shade(colour, 0.6)]),
            shade(colour, 0.8),
            shade(colour, 0.6),
        )
    )


@motif("newspaper")
def newspaper(scene, x: float, y: float, size: float = 40, angle: float = -8):
    """A folded newspaper with a headline and columns; y is its bottom edge."""
    paper = scene.lit("#f2ecdc")
    ink = scene.lit("#3a3636")
    lines = "".join(
        '<rect x="%s" y="%s" width="7" height="0.8" fill="%s" opacity="0.55"/>'
        % (number_text(-13 + (i % 3) * 9), number_text(-23 + (i // 3) * 2.3), ink)
        for i in range(24)
    )
    scene.add(
        '<g transform="%s"><path d="M-16,0 L-15,-34 L16,-35 L16,0 Z" fill="%s"/><path d="M-16,0 L16,0 L17,2 L-15,2 Z" fill="%s"/>'
        '<rect x="-13" y="-32" width="26" height="4" fill="%s"/><rect x="-13" y="-27" width="26" height="1" fill="%s"/>%s</g>'
        % (
            scene.at(x, y, size / 36, angle),
            scene.lin([lighten(paper, 0.3), paper, shade(paper, 0.85)], 0, 0, 1, 0),
            shade(paper, 0.75),
            ink,
            ink,
            lines,
        )
    )


@motif("camera")
def camera(scene, x: float, y: float, size: float = 50):
    """An old box camera on a wooden tripod, draped with its dark cloth."""
    wood = scene.lit("#a0703e")
    scene.add(
        '<g transform="%s"><path d="M0,-30 L-12,0 M0,-30 L12,0 M0,-30 L2,0" stroke="%s" stroke-width="1.8"/>'
        '<rect x="-10" y="-44" width="18" height="14" fill="%s"/><rect x="-14" y="-46" width="8" height="18" fill="#1e1e26"/>'
        '<path d="M8,-41 L14,-43 L14,-31 L8,-33 Z" fill="%s"/><circle cx="15" cy="-37" r="3.2" fill="#2a3040" stroke="#c8a050" stroke-width="1"/>'
        '<circle cx="14.5" cy="-38" r="1" fill="#8ab0e0"/></g>'
        % (
            scene.at(x, y, size / 46),
            shade(wood, 0.8),
            scene.lin([lighten(wood, 0.2), shade(wood, 0.8)]),
            scene.col("gold"),
        )
    )


@motif("needle")
def needle(
    scene,
    x: float,
    y: float,
    size: float = 40,
    angle: float = 30,
    colour: Colour = "#d0d6e0",
    thread: Colour = "red",
):
    """A sewing needle with a loop of thread."""
    scene.add(
        '<g transform="%s"><path d="M0,0 L1.2,-34 L0,-38 L-1.2,-34 Z" fill="%s"/><ellipse cx="0" cy="-33" rx="0.5" ry="2" fill="#1a1a20"/>'
        '<path d="M0,-34 C8,-40 14,-30 8,-20 C2,-10 14,-4 18,2" stroke="%s" stroke-width="1" fill="none"/></g>'
        % (scene.at(x, y, size / 38, angle), scene.lin(["#ffffff", colour], 0, 0, 1, 0), thread)
    )


@motif("radio")
def radio(scene, x: float, y: float, size: float = 40, waves: int = 1):
    """An old valve radio set in a wooden case, with waves rising from it."""
    wood = (
        scene.lit("#9a6038") if scene.time == "day" else mix(scene.lit("#9a6038"), "#9a6038", 0.5)
    )
    grille = "".join('<path d="M%s,-25 v14" />' % number_text(-11 + i * 3) for i in range(7))
    wv = ""
    if waves:
        wv = "".join(
            '<path d="M%s,-40 a%s,%s 0 0 1 %s,0" fill="none" stroke="%s" stroke-width="1.2" opacity="%s"/>'
            % (
                number_text(-radius),
                number_text(radius),
                number_text(radius * 0.8),
                number_text(2 * radius),
                scene.col("gold"),
                number_text(1 - radius / 40),
            )
            for radius in (10, 18, 26)
        )
    scene.add(
        '<g transform="%s"><path d="M-20,0 L-20,-24 C-20,-36 20,-36 20,-24 L20,0 Z" fill="%s"/>'
        '<path d="M-14,-8 L-14,-24 C-14,-31 6,-31 6,-24 L6,-8 Z" fill="%s"/><g stroke="%s" stroke-width="1">%s</g>'
        '<circle cx="13" cy="-20" r="3" fill="%s"/><circle cx="13" cy="-10" r="3" fill="%s"/>'
        '<rect x="-20" y="-4" width="40" height="4" fill="%s"/>%s</g>'
        % (
            scene.at(x, y, size / 40),
            scene.lin([lighten(wood, 0.25), shade(wood, 0.7)], 0, 0, 1, 0),
            "#e8d8a8",
            shade(wood, 0.7),
            grille,
            scene.col("gold"),
            scene.col("gold"),
            shade(wood, 0.6),
            wv,
        )
    )


@motif("kantele")
def kantele(scene, x: float, y: float, size: float = 50, angle: float = -10):
    """A kantele: a wing-shaped zither with five strings fanning from the tuning pegs to the tail.

    (x, y) is its middle, size its length; it lies turned by angle degrees."""
    wood = scene.lit("#c08a50")
    strings = "".join(
        '<path d="M%s,%s L%s,%s"/>'
        % (
            number_text(-19),
            number_text(-4.6 + i * 1.7),
            number_text(19),
            number_text(-8.4 + i * 3.4),
        )
        for i in range(5)
    )
    pegs = "".join(
        '<circle cx="-19" cy="%s" r="0.8" fill="%s"/>'
        % (number_text(-4.6 + i * 1.7), shade(wood, 0.4))
        for i in range(5)
    )
    scene.add(
        '<g transform="%s"><path d="M-24,-6 C-10,-8 8,-11 22,-12 C26,-6 26,6 22,10 C8,7 -10,4 -24,3 Q-26,-1.5 -24,-6 Z" fill="%s"/>'
        '<path d="M-24,3 C-10,4 8,7 22,10 L22,12 C8,9 -10,6 -24,5 Z" fill="%s"/>'
        '<circle cx="2" cy="-1" r="3.2" fill="%s"/><circle cx="2" cy="-1" r="1.8" fill="%s"/>'
        '<rect x="18" y="-10" width="2" height="18" rx="1" fill="%s"/>%s'
        '<g stroke="#f8f0dc" stroke-width="0.45">%s</g></g>'
        % (
            scene.at(x, y, size / 50, angle),
            scene.lin([lighten(wood, 0.3), wood, shade(wood, 0.75)]),
            shade(wood, 0.55),
            shade(wood, 0.45),
            shade(wood, 0.25),
            shade(wood, 0.5),
            pegs,
            strings,
        )
    )


@motif("table")
def table(scene, x: float, y: float, size: float = 100, colour: Colour = "#f4ecd8"):
    """A low table spread with a cloth; things set on it stand at y + 24 * size / 100."""
    colour = scene.lit(colour)
    scene.add(
        '<g transform="%s"><rect x="-44" y="-24" width="88" height="4" fill="%s"/><path d="M-46,-22 L46,-22 L42,-8 L-42,-8 Z" fill="%s"/>'
        '<path d="M-42,-8 L-40,0 M42,-8 L40,0" stroke="%s" stroke-width="3"/><path d="M-46,-22 L46,-22" stroke="%s" stroke-width="1.5"/></g>'
        % (
            scene.at(x, y, size / 100),
            shade(colour, 0.9),
            scene.lin([colour, shade(colour, 0.8)]),
            scene.lit("#6a4a32"),
            scene.col("crimson"),
        )
    )


@motif("spinningwheel")
def spinning_wheel(scene, x: float, y: float, size: float = 50):
    """A simple hand spinning wheel, as spun in village homes."""
    wood = scene.lit("#a0703e")
    spokes = "".join(
        '<path d="M0,-20 L%s,%s" />'
        % (
            number_text(14 * math.cos(math.radians(angle))),
            number_text(-20 + 14 * math.sin(math.radians(angle))),
        )
        for angle in range(0, 360, 30)
    )
    scene.add(
        '<g transform="%s"><rect x="-26" y="-4" width="52" height="4" fill="%s"/><path d="M-2,-4 L0,-20 L2,-4" stroke="%s" stroke-width="1.6"/>'
        '<circle cx="0" cy="-20" r="14" fill="none" stroke="%s" stroke-width="1.8"/><g stroke="%s" stroke-width="0.7">%s</g>'
        '<path d="M14,-20 L24,-12 M24,-12 L24,-4" stroke="%s" stroke-width="0.6"/><ellipse cx="22" cy="-12" rx="3" ry="1.6" fill="#f4ecd8"/></g>'
        % (
            scene.at(x, y, size / 40),
            shade(wood, 0.8),
            shade(wood, 0.8),
            wood,
            wood,
            spokes,
            "#e8e0d0",
        )
    )


@motif("letter")
def letter(scene, x: float, y: float, size: float = 30, angle: float = 0, stamp: Colour = "red"):
    """An envelope with a stamp and a wax seal; (x, y) is its centre."""
    paper = scene.lit("#f4ecd8") if scene.time == "night" else "#f8f2e2"
    scene.add(
        '<g transform="%s"><rect x="-16" y="-10" width="32" height="20" rx="1" fill="%s"/><path d="M-16,-10 L0,3 L16,-10" fill="none" stroke="%s" stroke-width="0.8"/>'
        '<rect x="8" y="-8" width="6" height="7" fill="%s"/><rect x="9" y="-7" width="4" height="5" fill="none" stroke="#ffffff" stroke-width="0.4"/>'
        '<circle cx="0" cy="3" r="2.4" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 32, angle),
            scene.lin([paper, shade(paper, 0.85)]),
            shade(paper, 0.6),
            stamp,
            scene.col("crimson"),
        )
    )


@motif("postbox")
def postbox(scene, x: float, y: float, height: float = 50, colour: Colour = "red"):
    """A round-topped pillar box for letters."""
    colour = scene.lit(colour) if scene.time != "day" else colour
    scene.add(
        '<g transform="%s"><rect x="-12" y="-4" width="24" height="4" fill="%s"/><path d="M-10,-4 L-10,-40 C-10,-50 10,-50 10,-40 L10,-4 Z" fill="%s"/>'
        '<rect x="-11" y="-42" width="22" height="3" fill="%s"/><rect x="-6" y="-34" width="12" height="2.4" rx="1" fill="#1a1a20"/>'
        '<rect x="-4" y="-26" width="8" height="6" fill="#f4ecd8"/></g>'
        % (
            scene.at(x, y, height / 50),
            shade(colour, 0.6),
            scene.lin([shade(colour, 0.7), lighten(colour, 0.25), shade(colour, 0.65)], 0, 0, 1, 0),
            shade(colour, 0.75),
        )
    )


@motif("xray")
def xray(scene, x: float, y: float, size: float = 60):
    """A glowing screen showing the bones of a hand, as in the first X-ray picture."""
    bone = "#e8f4ff"
    fingers = ""
    for i, (fx, length, angle) in enumerate(
        ((-9, 20, -14), (-3, 25, -4), (3, 26, 3), (9, 23, 10), (-15, 14, -40))
    ):
        fingers += (
            '<g transform="translate(%s,-12) rotate(%s)"><path d="M0,0 L0,%s" stroke="%s" stroke-width="2.2" stroke-linecap="round" stroke-dasharray="%s 1.4"/></g>'
            % (
                number_text(fx),
                number_text(angle),
                number_text(-length),
                bone,
                number_text(length / 3.3),
            )
        )
    scene.add(
        '<g transform="%s"><rect x="-30" y="-60" width="60" height="60" rx="3" fill="#14202e" stroke="%s" stroke-width="2"/>'
        '<rect x="-28" y="-58" width="56" height="56" fill="%s"/><g transform="translate(0,-6)">'
        '<path d="M-12,0 C-14,-6 -12,-12 -10,-14 L10,-14 C12,-12 13,-6 10,0 Z" fill="#6a9ac8" opacity="0.35"/>'
        '<path d="M-4,0 L-5,10 M3,0 L4,10" stroke="%s" stroke-width="2.4"/>%s'
        '<circle cx="3" cy="-28" r="2" fill="none" stroke="#ffe070" stroke-width="1.2"/></g></g>'
        % (
            scene.at(x, y, size / 60),
            scene.lit("#8a8a98"),
            scene.rad(["#5ab0c8", "#1a4a6a", "#0a1a2a"], 0.5, 0.5, 0.7),
            bone,
            fingers,
        )
    )


@motif("harp")
def harp(scene, x: float, y: float, size: float = 60):
    """A tall harp with golden frame and strings."""
    gold = scene.col("gold")
    strings = "".join(
        '<path d="M%s,%s L%s,-6" />'
        % (
            number_text(-10 + i * 2.6),
            number_text(-52 + i * 2.2 + (i * i) * 0.1),
            number_text(-12 + i * 2.8),
        )
        for i in range(10)
    )
    scene.add(
        '<g transform="%s"><path d="M-14,0 L-10,-56 C-6,-62 4,-58 10,-50 C16,-42 18,-34 22,-30 L18,-26 L-6,-4 Z" fill="none" stroke="%s" stroke-width="3" stroke-linejoin="round"/>'
        '<g stroke="#f4ecd8" stroke-width="0.5">%s</g><rect x="-18" y="-4" width="22" height="4" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 60),
            scene.lin([lighten(gold, 0.4), shade(gold, 0.6)], 0, 0, 1, 0),
            strings,
            shade(gold, 0.7),
        )
    )


@motif("projector")
def projector(scene, x: float, y: float, size: float = 50, beam_to: float = None):
    """A hand-cranked film projector on a stand, throwing a beam of light to the left."""
    scale = size / 50
    metal = "#4a4a56"
    beam = ""
    if beam_to is not None:
        bx = beam_to
        beam = '<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>' % (
            number_text(x - 16 * scale),
            number_text(scene.svg_y(y + 34 * scale)),
            number_text(bx),
            number_text(scene.svg_y(y + 62 * scale)),
            number_text(bx),
            number_text(scene.svg_y(y + 18 * scale)),
            scene.lin([(0, "#fff4d0", 0.15), (1, "#fff4d0", 0.55)], 1, 0, 0, 0),
        )
    scene.add(
        beam
        + '<g transform="%s"><path d="M-8,0 L0,-24 L8,0 M0,-24 L0,0" stroke="%s" stroke-width="1.6" fill="none"/>'
        '<rect x="-12" y="-38" width="22" height="14" rx="2" fill="%s"/><circle cx="-6" cy="-44" r="7" fill="none" stroke="%s" stroke-width="1.6"/>'
        '<circle cx="6" cy="-44" r="7" fill="none" stroke="%s" stroke-width="1.6"/><rect x="-18" y="-35" width="7" height="7" fill="%s"/>'
        '<path d="M10,-31 L16,-27 L16,-23" stroke="%s" stroke-width="1.2" fill="none"/></g>'
        % (scene.at(x, y, scale), scene.lit("#6a4a32"), metal, metal, metal, "#2a2a30", metal)
    )


@motif("screen")
def film_screen(
    scene, x: float, y: float, width: float = 60, height: float = 40, film: str = "train"
):
    """A white screen showing a little black-and-grey film picture (a train arriving); (x, y) is its bottom left."""
    left, top = x, scene.svg_y(y + height)
    train = (
        '<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="#5a5a60"/><rect x="%s" y="%s" width="%s" height="%s" fill="#2a2a30"/>'
        '<circle cx="%s" cy="%s" r="%s" fill="#d8d8dc"/><path d="M%s,%s q4,-6 10,-4" stroke="#a8a8b0" stroke-width="%s" fill="none"/>'
        % (
            number_text(left + width * 0.05),
            number_text(top + height * 0.95),
            number_text(left + width * 0.45),
            number_text(top + height * 0.6),
            number_text(left + width * 0.95),
            number_text(top + height * 0.6),
            number_text(left + width * 0.95),
            number_text(top + height * 0.95),
            number_text(left + width * 0.3),
            number_text(top + height * 0.45),
            number_text(width * 0.22),
            number_text(height * 0.3),
            number_text(left + width * 0.38),
            number_text(top + height * 0.6),
            number_text(height * 0.07),
            number_text(left + width * 0.35),
            number_text(top + height * 0.4),
            number_text(height * 0.06),
        )
    )
    scene.add(
        '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/><rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>%s'
        % (
            number_text(left - 2),
            number_text(top - 2),
            number_text(width + 4),
            number_text(height + 4),
            "#3a3038",
            number_text(left),
            number_text(top),
            number_text(width),
            number_text(height),
            scene.lin(["#f8f6f0", "#c8c4c0"]),
            train,
        )
    )


@motif("weathervane")
def weathervane(scene, x: float, y: float, height: float = 50, angle: float = 0):
    """A weathervane on its rod: a cockerel over an arrow, above the four letters of the winds.

    The arrow turns by angle degrees as seen from the side (0 points left); y is the rod's foot."""
    iron = scene.lit("#2a2a32") if scene.time == "day" else "#141420"
    gold = scene.col("gold")
    swing = max(0.25, abs(math.cos(math.radians(angle))))
    letters = "".join(
        '<text x="%s" y="%s" text-anchor="middle" font-family="DejaVu Sans, sans-serif" font-weight="bold" '
        'font-size="5" fill="%s">%s</text>' % (number_text(lx), number_text(ly), iron, letter)
        for lx, ly, letter in (
            (-11, -30.2, "W"),
            (11, -30.2, "E"),
            (0, -36.6, "N"),
            (0, -24.4, "S"),
        )
    )
    scene.add(
        '<g transform="%s"><path d="M0,0 V-52 M-8,-32 H8 M0,-38.5 V-26" stroke="%s" stroke-width="1.2"/>%s'
        '<circle cx="0" cy="-52.5" r="1.3" fill="%s"/>'
        '<g transform="translate(0,-47) scale(%s,1)"><path d="M-14,0 L-9,-2.6 L-9,-0.8 L9,-0.8 L9,-3 L14,-3 L11,0 '
        'L14,3 L9,3 L9,0.8 L-9,0.8 L-9,2.6 Z" fill="%s"/>'
        '<path d="M-5,-1 C-6,-5 -4,-9 -1,-9.6 L-1.6,-11.6 L0.4,-10.6 L1,-12 L2,-10 C3.4,-9 3,-7 2.4,-6 '
        'C5,-7 8,-8.6 9,-11 C9.6,-7 8,-2.6 4,-1 Z" fill="%s"/></g></g>'
        % (scene.at(x, y, height / 54), iron, letters, gold, number_text(swing), iron, gold)
    )


@motif("easel")
def easel(
    scene, x: float, y: float, size: float = 60, picture: Colours = "#8ab8e0,#e8902a,#5a8a3a"
):
    """A painter's easel on three legs holding a canvas with a little landscape on it.

    picture gives the painting's sky, tree and ground colours; y is the foot, size its height."""
    wood = scene.lit("#9a6a3a")
    sky, crown, land = (scene.lit(colour) for colour in (picture + picture[-1:] * 3)[:3])
    scene.add(
        '<g transform="%s"><path d="M-14,0 L-3,-58 M14,0 L3,-58 M0,-50 L6,0" stroke="%s" stroke-width="2" '
        'stroke-linecap="round"/><rect x="-15" y="-22" width="30" height="2.4" fill="%s"/>'
        '<rect x="-13" y="-52" width="26" height="30" fill="#f6f0e2"/><rect x="-11.5" y="-50.5" width="23" height="27" fill="%s"/>'
        '<path d="M-11.5,-31 Q0,-35 11.5,-32 V-23.5 H-11.5 Z" fill="%s"/>'
        '<rect x="2.4" y="-38" width="1.4" height="6" fill="%s"/><circle cx="3.1" cy="-40.5" r="4.6" fill="%s"/>'
        '<circle cx="-6" cy="-44" r="2.6" fill="#fff4c0"/></g>'
        % (scene.at(x, y, size / 60), wood, shade(wood, 0.8), sky, land, shade(wood, 0.6), crown)
    )


@motif("morsekey")
def morse_key(scene, x: float, y: float, size: float = 50, code: str = "-- .-- --."):
    """A telegraph key on its wooden base, wires running off, and the paper tape of a message.

    The tape runs out to the right printed with the code's dots and dashes ('_' is a space);
    y is the bottom of the base, size its width with the tape."""
    wood = scene.lit("#8a5a32")
    brass = scene.lit("#d8a848")
    paper = scene.lit("#f4ecd4")
    marks = []
    px = 0.0
    for ch in code.replace("_", " "):
        if ch == ".":
            marks.append('<circle cx="%s" cy="0" r="0.8"/>' % number_text(px + 0.8))
            px += 2.8
        elif ch == "-":
            marks.append(
                '<rect x="%s" y="-0.7" width="4" height="1.4" rx="0.6"/>' % number_text(px)
            )
            px += 5.6
        else:
            px += 3.2
    scene.add(
        '<g transform="%s">'
        '<path d="M-22,-3 C-32,-3 -36,4 -46,2 M-22,-1.5 C-30,-1 -34,7 -46,6" fill="none" stroke="#2a2226" stroke-width="0.9"/>'
        '<rect x="-24" y="-6" width="40" height="6" rx="1.2" fill="%s"/><rect x="-24" y="-6" width="40" height="1.4" rx="0.7" fill="%s"/>'
        '<rect x="-16" y="-11" width="4" height="5" fill="%s"/><rect x="6" y="-8.4" width="3" height="2.4" fill="%s"/>'
        '<path d="M-17,-11.4 L12,-9.6" stroke="%s" stroke-width="2.4" stroke-linecap="round"/>'
        '<rect x="11.2" y="-13" width="1.6" height="3.6" fill="#2a2226"/><ellipse cx="12" cy="-13.8" rx="4.4" ry="2.2" fill="#1e1a1e"/>'
        '<ellipse cx="11" cy="-14.4" rx="2" ry="0.7" fill="#ffffff" opacity="0.35"/>'
        '<g transform="translate(15,-3) rotate(24)"><rect x="0" y="-2.2" width="%s" height="4.4" fill="%s"/>'
        '<g transform="translate(2,0)" fill="#1e2030">%s</g></g></g>'
        % (
            scene.at(x, y, size / 70),
            scene.lin([lighten(wood, 0.2), shade(wood, 0.75)]),
            lighten(wood, 0.3),
            brass,
            brass,
            scene.lin([lighten(brass, 0.4), brass, shade(brass, 0.7)]),
            number_text(px + 4),
            paper,
            "".join(marks),
        )
    )
