"""Flags and symbols: flags and banners, hearts and stars, heraldry, letters and signs."""

import math
import random

from .canvas import leaf_path, lighten, number_text, shade, star_points
from .registry import Colour, Colours, motif


@motif("heart")
def heart(scene, x: float, y: float, size: float = 16, colour: Colour = "red", glow: int = 0):
    """A heart; y is its centre, size its width."""
    paint = scene.rad([lighten(colour, 0.45), colour, shade(colour, 0.7)], 0.35, 0.3, 0.75)
    halo = '<circle r="16" fill="%s"/>' % scene.glow(colour, 0.4) if glow else ""
    scene.add(
        '<g transform="%s">%s<path d="M0,9 C-4,5 -10,1 -10,-4 C-10,-8 -7,-10 -4.5,-10 C-2.5,-10 -0.8,-8.8 0,-7 '
        'C0.8,-8.8 2.5,-10 4.5,-10 C7,-10 10,-8 10,-4 C10,1 4,5 0,9 Z" fill="%s"/>'
        '<ellipse cx="-5" cy="-5" rx="2" ry="1.3" fill="#ffffff" opacity="0.45" transform="rotate(-35 -5 -5)"/></g>'
        % (scene.at(x, y, size / 20), halo, paint)
    )


@motif("star")
def star(
    scene,
    x: float,
    y: float,
    radius: float = 8,
    colour: Colour = "gold",
    glow: int = 1,
    points: int = 5,
):
    """A star shape (five points unless told), y is its centre."""
    halo = (
        '<circle r="%s" fill="%s"/>' % (number_text(radius * 2.2), scene.glow(colour, 0.45))
        if glow
        else ""
    )
    paint = scene.rad([lighten(colour, 0.6), colour, shade(colour, 0.8)], 0.5, 0.45, 0.6)
    scene.add(
        '<g transform="%s">%s<path d="%s" fill="%s"/></g>'
        % (scene.at(x, y), halo, star_points(0, 0, radius, radius * 0.42, points), paint)
    )


@motif("bunting")
def bunting(
    scene,
    y: float = None,
    colours: Colours = "red,gold,blue,green",
    count: int = 9,
    sag: float = 10,
):
    """A string of little triangular flags across the picture."""
    if y is None:
        y = scene.height - 30
    scene.add(
        '<path d="M-2,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.7"/>'
        % (
            number_text(scene.svg_y(y)),
            number_text(scene.width / 2),
            number_text(scene.svg_y(y - sag * 2)),
            number_text(scene.width + 2),
            number_text(scene.svg_y(y)),
            scene.lit("#d0c8b8"),
        )
    )
    flags = []
    for i in range(count):
        along = (i + 0.5) / count
        px = -2 + along * (scene.width + 4)
        py = scene.svg_y(y) + 2 * along * (1 - along) * sag * 2
        slope = (1 - 2 * along) * sag * 4 / scene.width
        flags.append(
            '<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>'
            % (
                number_text(px - 4.5),
                number_text(py - slope * 4.5),
                number_text(px + 4.5),
                number_text(py + slope * 4.5),
                number_text(px),
                number_text(py + 10),
                colours[i % len(colours)],
            )
        )
    scene.add("".join(flags))


@motif("flag")
def flag(
    scene,
    x: float,
    y: float,
    height: float = 50,
    colours: Colours = "red,white,blue",
    vertical: int = 0,
    saltire: Colour = None,
    canton: Colour = None,
    emblem: Colour = None,
    cross: Colour = None,
    cross2: Colour = None,
    stars: int = 20,
    seal: Colour = None,
    union: int = 0,
    sickle: Colour = None,
):
    """A flag of plain stripes waving on a pole; colours from top to bottom (or left to right).

    saltire=colour lays a diagonal cross over it; canton=colour a starred corner; emblem=colour a
    maple leaf in the middle (seal=colour a round badge); cross=colour and cross2=colour a Nordic
    cross with its inner line; union=1 the crosses of the Union flag (on a navy field);
    sickle=colour a star with a hammer and sickle in the upper corner by the pole."""
    scale = height / 50
    parts = [
        '<rect x="-0.8" y="-50" width="1.6" height="50" fill="%s"/><circle cx="0" cy="-50.5" r="1.5" fill="%s"/>'
        % (scene.lit("#c8c0b0"), scene.col("gold"))
    ]
    width, fh = 28.0, 18.0
    count = len(colours)
    clip = scene.uid("c")
    wave = "M0.8,-49 C8,-52 14,-45 %s,-48 L%s,%s C14,%s 8,%s 0.8,%s Z" % (
        number_text(width),
        number_text(width),
        number_text(-49 + fh + 1),
        number_text(-49 + fh - 2),
        number_text(-49 + fh + 4),
        number_text(-49 + fh),
    )
    scene.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, wave))
    stripes = []
    for i, colour in enumerate(colours):
        if vertical:
            stripes.append(
                '<rect x="%s" y="-56" width="%s" height="30" fill="%s"/>'
                % (number_text(0.8 + i * width / count), number_text(width / count + 0.3), colour)
            )
        else:
            stripes.append(
                '<rect x="0" y="%s" width="30" height="%s" fill="%s"/>'
                % (
                    number_text(-51 + i * (fh + 4) / count),
                    number_text((fh + 4) / count + 0.3),
                    colour,
                )
            )
    if saltire:
        stripes.append(
            '<path d="M0.8,-49 L%s,%s M0.8,%s L%s,-49" stroke="%s" stroke-width="3.6"/>'
            % (
                number_text(width),
                number_text(-49 + fh + 2),
                number_text(-49 + fh + 1),
                number_text(width),
                saltire,
            )
        )
    if canton:
        stripes.append(
            '<rect x="0" y="-52" width="%s" height="%s" fill="%s"/>'
            % (number_text(width * 0.42), number_text(fh * 0.58 + 3), canton)
        )
        if stars == 1:
            stripes.append(
                '<path d="%s" fill="#ffffff"/>'
                % star_points(width * 0.21, -52 + (fh * 0.58 + 3) / 2, 2.6, 1.1)
            )
        else:
            stripes.append(
                "".join(
                    '<circle cx="%s" cy="%s" r="0.45" fill="#ffffff"/>'
                    % (number_text(2.2 + i * 2.1), number_text(-47.4 + j * 2.2))
                    for i in range(5)
                    for j in range(4)
                )
            )
    if cross:
        cy = -49 + fh / 2 + 0.5
        stripes.append(
            '<path d="M%s,-56 V-26 M0,%s H30" stroke="%s" stroke-width="5"/>'
            % (number_text(width * 0.36), number_text(cy), cross)
        )
        if cross2:
            stripes.append(
                '<path d="M%s,-56 V-26 M0,%s H30" stroke="%s" stroke-width="2.4"/>'
                % (number_text(width * 0.36), number_text(cy), cross2)
            )
    if emblem:
        stripes.append(
            '<path transform="translate(%s,%s) scale(0.3)" d="M0,-20 L3,-13 L7,-15 L6,-7 L13,-11 L11,-6 L17,-5 L12,0 L14,3 L6,3 L7,7 L1,5 L1,14 L-1,14 L-1,5 L-7,7 L-6,3 L-14,3 L-12,0 L-17,-5 L-11,-6 L-13,-11 L-6,-7 L-7,-15 L-3,-13 Z" fill="%s"/>'
            % (number_text(width / 2 + 0.4), number_text(-49 + fh / 2 + 0.6), emblem)
        )
    if seal:
        sc = seal
        stripes.append(
            '<circle cx="%s" cy="%s" r="3.2" fill="%s"/><path d="M%s,%s q2,-3 4,0" stroke="%s" stroke-width="0.8" fill="none"/>'
            % (
                number_text(width / 2 + 0.4),
                number_text(-49 + fh / 2 + 0.8),
                sc,
                number_text(width / 2 - 1.6),
                number_text(-49 + fh / 2 + 2.6),
                scene.lit("#3a8a3a"),
            )
        )
    if union:
        middle = -49 + fh / 2 + 0.5
        diagonals = "M0.8,-50 L%s,%s M0.8,%s L%s,-50" % (
            number_text(width),
            number_text(-48 + fh + 2),
            number_text(-48 + fh + 2),
            number_text(width),
        )
        upright = "M%s,-56 V-26 M0,%s H30" % (number_text(width / 2 + 0.4), number_text(middle))
        stripes.append(
            '<path d="%s" stroke="#ffffff" stroke-width="4.4"/><path d="%s" stroke="%s" stroke-width="1.6"/>'
            '<path d="%s" stroke="#ffffff" stroke-width="6"/><path d="%s" stroke="%s" stroke-width="3.4"/>'
            % (diagonals, diagonals, scene.col("red"), upright, upright, scene.col("red"))
        )
    if sickle:
        stripes.append(
            '<g transform="translate(6.5,-44.5)" fill="%s"><path d="%s"/>'
            '<path d="M-2.6,3.6 A3.4,3.4 0 1 0 2.2,-0.6 L1.4,0.2 A2.3,2.3 0 1 1 -1.8,2.8 Z"/>'
            '<path d="M-2.4,-0.4 L1.8,3.8" stroke="%s" stroke-width="0.9"/>'
            '<path d="M-3.2,0.2 L-1.6,-1.4 L-0.9,-0.7 L-2.5,0.9 Z"/></g>'
            % (sickle, star_points(0, -4.6, 1.5, 0.6), sickle)
        )
    shade_paint = scene.lin(
        [(0, "#000000", 0), (0.35, "#000000", 0.18), (0.6, "#ffffff", 0.12), (1, "#000000", 0.15)],
        0,
        0,
        1,
        0,
    )
    parts.append(
        '<g clip-path="url(#%s)">%s<rect x="0" y="-56" width="30" height="30" fill="%s"/></g>'
        % (clip, "".join(stripes), shade_paint)
    )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, scale), "".join(parts)))


@motif("gonfanon")
def gonfanon(
    scene,
    x: float,
    y: float,
    height: float = 100,
    colour: Colour = "#f4ecd8",
    colour2: Colour = "gold",
    angle: float = 0,
):
    """A knight's lance with a banner of three tails below its point, a cross on the banner.

    Banners like this went into battle with the mounted knights of the eleventh century; the
    lance leans by angle degrees (negative to the left). y is the foot of the lance."""
    wave = (
        "M1,-92 C8,-94 14,-90 22,-93 L34,-90 L24,-87.5 L33,-84.5 L23,-82.5 L31,-79 L20,-78 "
        "C14,-76 8,-80 1,-77 Z"
    )
    clip = scene.uid("c")
    scene.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, wave))
    cloth = scene.lit(colour)
    scene.add(
        '<g transform="%s"><path d="M-0.9,0 L-0.6,-96 L0.6,-96 L0.9,0 Z" fill="%s"/>'
        '<path d="M0,-104 L2,-96 L0,-94.5 L-2,-96 Z" fill="%s"/>'
        '<path d="%s" fill="%s"/><g clip-path="url(#%s)">'
        '<path d="M9,-95 V-74 M1,-85.5 H36" stroke="%s" stroke-width="2.6"/>'
        '<rect x="0" y="-96" width="36" height="20" fill="%s"/></g>'
        '<path d="%s" fill="none" stroke="%s" stroke-width="0.5"/></g>'
        % (
            scene.at(x, y, height / 104, angle),
            scene.lit("#7a5232"),
            scene.lit("#d0d6e0"),
            wave,
            scene.lin([lighten(cloth, 0.2), cloth, shade(cloth, 0.8)], 0, 0, 1, 0),
            clip,
            colour2,
            scene.lin(
                [
                    (0, "#000000", 0),
                    (0.45, "#000000", 0.16),
                    (0.7, "#ffffff", 0.1),
                    (1, "#000000", 0.2),
                ],
                0,
                0,
                1,
                0,
            ),
            wave,
            shade(cloth, 0.6),
        )
    )


@motif("key")
def key(scene, x: float, y: float, size: float = 24, colour: Colour = "gold"):
    """An old-fashioned key with a round bow, lying on its side."""
    scene.add(
        '<g transform="%s" fill="none" stroke="%s" stroke-width="2"><circle cx="-10" cy="0" r="5"/><path d="M-5,0 L12,0 M8,0 L8,4 M11,0 L11,4"/></g>'
        % (scene.at(x, y, size / 24), colour)
    )


@motif("musicnotes")
def music_notes(scene, x: float, y: float, size: float = 20, colour: Colour = "gold"):
    """A pair of beamed quavers, as a sign of music."""
    scene.add(
        '<g transform="%s" fill="%s"><ellipse cx="-6" cy="0" rx="3" ry="2.2" transform="rotate(-20 -6 0)"/><path d="M-3.2,-0.5 L-3.2,-16 L8,-19 L8,-4" fill="none" stroke="%s" stroke-width="1.2"/>'
        '<ellipse cx="5.2" cy="-3.5" rx="3" ry="2.2" transform="rotate(-20 5.2 -3.5)"/><path d="M-3.2,-16 L8,-19 L8,-16 L-3.2,-13 Z"/></g>'
        % (scene.at(x, y, size / 20), colour, colour)
    )


@motif("bow")
def archery_bow(scene, x: float, y: float, size: float = 40, angle: float = 0):
    """A drawn bow with an arrow on the string; (x, y) is the grip."""
    scene.add(
        '<g transform="%s"><path d="M-4,-20 Q10,0 -4,20" fill="none" stroke="%s" stroke-width="2"/>'
        '<path d="M-4,-20 L-14,0 L-4,20" fill="none" stroke="#e8e0d0" stroke-width="0.6"/>'
        '<path d="M-14,0 L20,0" stroke="%s" stroke-width="1"/><path d="M20,0 L15,-2.5 L16,0 L15,2.5 Z" fill="#c8ccd8"/>'
        '<path d="M-14,0 l3,-2 M-14,0 l3,2 M-12,0 l3,-2 M-12,0 l3,2" stroke="%s" stroke-width="0.8"/></g>'
        % (
            scene.at(x, y, size / 40, angle),
            scene.lit("#8a5a30"),
            scene.lit("#a0703e"),
            scene.col("red"),
        )
    )


@motif("seal")
def wax_seal(scene, x: float, y: float, radius: float = 6, colour: Colour = "crimson"):
    """A round wax seal with a raised rim and an impressed mark; (x, y) is its centre."""
    scene.add(
        '<g transform="%s"><path d="M-2,0 L-4,12 L0,9 L2,13 L3,0" fill="%s"/><circle r="%s" fill="%s"/><circle r="%s" fill="none" stroke="%s" stroke-width="0.8"/></g>'
        % (
            scene.at(x, y),
            shade(colour, 0.8),
            number_text(radius),
            scene.rad([lighten(colour, 0.3), colour, shade(colour, 0.7)], 0.4, 0.4, 0.7),
            number_text(radius * 0.6),
            lighten(colour, 0.3),
        )
    )


@motif("page")
def calendar_page(
    scene, x: float, y: float, size: float = 40, number: str = "29", colour: Colour = "crimson"
):
    """A tear-off calendar leaf with its number written large; y is its bottom."""
    scene.add(
        '<g transform="%s"><rect x="-15" y="-38" width="30" height="38" rx="1.5" fill="#fbf6e6"/><rect x="-15" y="-38" width="30" height="9" rx="1.5" fill="%s"/>'
        '<circle cx="-8" cy="-38" r="1.3" fill="#4a4048"/><circle cx="8" cy="-38" r="1.3" fill="#4a4048"/>'
        '<text x="0" y="-8" text-anchor="middle" font-family="DejaVu Serif, Liberation Serif, serif" font-weight="bold" font-size="19" fill="#2a2430">%s</text></g>'
        % (scene.at(x, y, size / 38), colour, number)
    )


@motif("symbol")
def symbol(scene, x: float, y: float, size: float = 30, text: str = "π", colour: Colour = "gold"):
    """A single large letter or sign, in the lettering of the logo."""
    scene.add(
        '<g transform="%s"><text x="0" y="0" text-anchor="middle" font-family="DejaVu Serif, Liberation Serif, serif" font-weight="bold" font-size="30" fill="%s" stroke="%s" stroke-width="0.6">%s</text></g>'
        % (
            scene.at(x, y, size / 30),
            scene.lin([lighten(colour, 0.5), colour, shade(colour, 0.7)]),
            shade(colour, 0.5),
            text,
        )
    )


@motif("laurel")
def laurel(scene, x: float, y: float, radius: float = 24, colour: Colour = "#6a9a4a"):
    """A laurel wreath open at the top; y is its centre."""
    leaves_ = []
    for side in (-1, 1):
        for i in range(9):
            angle = math.radians(100 + i * 17) if side < 0 else math.radians(80 - i * 17)
            px, py = radius * math.cos(angle), radius * math.sin(angle)
            leaves_.append(
                '<path d="%s" fill="%s" transform="translate(%s,%s) rotate(%s) scale(%s)"/>'
                % (
                    leaf_path(1),
                    colour if i % 2 else lighten(colour, 0.2),
                    number_text(px),
                    number_text(py),
                    number_text(math.degrees(angle) + (60 if side < 0 else -60) + 180),
                    number_text(radius * 0.13),
                )
            )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y), "".join(leaves_)))


@motif("cross")
def cross(scene, x: float, y: float, height: float = 40, colour: Colour = "#dcecff", glow: int = 1):
    """A plain cross, glowing faintly (cut from ice when the colour is pale)."""
    halo = '<circle cx="0" cy="-26" r="22" fill="%s"/>' % scene.glow(colour, 0.35) if glow else ""
    scene.add(
        '<g transform="%s">%s<rect x="-3" y="-40" width="6" height="40" fill="%s"/><rect x="-13" y="-31" width="26" height="6" fill="%s"/></g>'
        % (
            scene.at(x, y, height / 40),
            halo,
            scene.lin([lighten(colour, 0.4), shade(colour, 0.8)], 0, 0, 1, 0),
            scene.lin([lighten(colour, 0.4), shade(colour, 0.8)]),
        )
    )


@motif("shield")
def shield(
    scene,
    x: float,
    y: float,
    size: float = 30,
    colour: Colour = "red",
    colour2: Colour = "gold",
    angle: float = 0,
):
    """A kite-shaped shield painted in two colours; (x, y) is its centre."""
    clip = scene.uid("s")
    shape = "M-10,-14 Q0,-17 10,-14 Q11,0 0,18 Q-11,0 -10,-14 Z"
    scene.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, shape))
    scene.add(
        '<g transform="%s"><path d="%s" fill="%s"/><g clip-path="url(#%s)"><path d="M-12,-20 L0,-20 L0,20 L-12,20 Z" fill="%s"/><path d="M-12,-4 L12,4 L12,8 L-12,0 Z" fill="%s"/></g>'
        '<path d="%s" fill="none" stroke="%s" stroke-width="1.2"/><circle r="2" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 34, angle),
            shape,
            colour,
            clip,
            shade(colour, 0.8),
            colour2,
            shape,
            scene.lit("#d8ccb0"),
            scene.lit("#d8ccb0"),
        )
    )


@motif("arrows")
def arrows(scene, count: int = 6, angle: float = 200):
    """A volley of arrows flying across the sky at about the same angle."""
    rng = random.Random(scene.code * 103)
    out = []
    for i in range(count):
        px = rng.uniform(20, scene.width - 10)
        py = rng.uniform(scene.horizon + 30, scene.height - 30)
        tilt = angle + rng.uniform(-6, 6)
        out.append(
            '<g transform="translate(%s,%s) rotate(%s)"><path d="M-10,0 L10,0" stroke="#2a2a30" stroke-width="0.8"/><path d="M10,0 L7,-1.5 L7,1.5 Z" fill="#2a2a30"/>'
            '<path d="M-10,0 l-2,-2 M-10,0 l-2,2" stroke="#f4ecd8" stroke-width="0.8"/></g>'
            % (number_text(px), number_text(scene.svg_y(py)), number_text(-tilt))
        )
    scene.add("".join(out))


@motif("morse")
def morse(
    scene, x: float, y: float, code: str = "-- .-- --.", colour: Colour = "gold", angle: float = 0
):
    """A line of Morse dots and dashes, glowing, as if travelling along a wire; '_' is a space."""
    parts = []
    px = 0.0
    for ch in code.replace("_", " "):
        if ch == ".":
            parts.append('<circle cx="%s" cy="0" r="1.3"/>' % number_text(px + 1.3))
            px += 4.2
        elif ch == "-":
            parts.append(
                '<rect x="%s" y="-1.3" width="6" height="2.6" rx="1.3"/>' % number_text(px)
            )
            px += 8.6
        else:
            px += 4
    scene.add(
        '<g transform="%s"><ellipse cx="%s" cy="0" rx="%s" ry="6" fill="%s"/><g fill="%s">%s</g></g>'
        % (
            scene.at(x, y, 1, angle),
            number_text(px / 2),
            number_text(px / 2 + 6),
            scene.glow(colour, 0.3),
            lighten(colour, 0.3),
            "".join(parts),
        )
    )


# Bengali letters as strokes in a box 19 high around (0, -7.5): the headline on top, the stem at
# the right hanging from it, the rounded body with its little knot at the left. আ is অ with the
# long vowel's second stem.
_BANGLA_A = (
    "M8.5,-17 V2 M-11.6,-13 C-12.5,-8 -9,-1.2 -3.5,-1.4 C0,-1.5 3,-3.4 4.5,-3.4 C6,-3.4 7.5,-3 8.5,-2.4 "
    "M-6.3,-12.4 C-5.5,-11 -3.8,-10 -3,-11 C-2.2,-12.2 -3,-13.6 -1.5,-14 C2,-15 4.5,-12.5 4.6,-9.5 "
    "C4.7,-7 6.5,-4.8 8.5,-3.8"
)
_BANGLA = {
    "অ": ("translate(0,7.5)", "M-13.5,-17 H13.4 " + _BANGLA_A),
    "আ": ("translate(-3.5,7.5)", "M-13.5,-17 H19.5 M15.5,-17 V2 " + _BANGLA_A),
}


@motif("bangla")
def bangla(scene, x: float, y: float, size: float = 30, text: str = "অ", colour: Colour = "white"):
    """A Bengali letter, অ or আ, written with a broad pen; (x, y) is its middle, size its height."""
    offset, strokes = _BANGLA[text]
    scene.add(
        '<g transform="%s"><g transform="%s" fill="none" stroke-linecap="round" stroke-linejoin="round">'
        '<path d="%s" stroke="%s" stroke-width="4.6" opacity="0.45"/><path d="%s" stroke="%s" stroke-width="2.4"/>'
        "</g></g>"
        % (scene.at(x, y, size / 19), offset, strokes, shade(colour, 0.3), strokes, colour)
    )


@motif("medal")
def medal(scene, x: float, y: float, radius: float = 24, colour: Colour = "gold", glow: int = 1):
    """A struck medal: a disc with a raised rim, lettering round it and a bearded head in profile.

    (x, y) is its centre."""
    relief = shade(colour, 0.72)
    lettering = "".join(
        '<rect x="-0.5" y="-17.4" width="1" height="1.8" fill="%s" transform="rotate(%s)"/>'
        % (relief, number_text(angle))
        for angle in range(-120, 121, 10)
        if abs(angle) > 8
    )
    head = (
        "M-7,13 C-7,9 -6,7 -5,5 C-7,4 -9,2 -8,-1 L-10.5,-3 L-8.4,-4.2 C-9,-7 -8,-11 -4,-13 "
        "C1,-15.4 7,-13 8,-7 C9,-3 8,1 6,4 C6,8 7,11 9,13 Z"
    )
    beard = "M-8,-1 C-8,3 -6,6 -3,7 C-1,6 0,3 0,0 C-3,1 -6,0 -8,-1 Z"
    scene.add(
        '<g transform="%s">%s<circle r="20" fill="%s"/><circle r="17" fill="%s"/>'
        '<circle r="20" fill="none" stroke="%s" stroke-width="1"/>%s'
        '<path d="%s" fill="%s"/><path d="%s" fill="%s"/>'
        '<path d="M-3,-12.4 C1,-14 6,-12 7.4,-7" fill="none" stroke="%s" stroke-width="0.8" opacity="0.7"/>'
        '<circle cx="-4.6" cy="-5" r="0.7" fill="%s"/></g>'
        % (
            scene.at(x, y, radius / 20),
            '<circle r="34" fill="%s"/>' % scene.glow(colour, 0.4) if glow else "",
            scene.rad([lighten(colour, 0.5), colour, shade(colour, 0.65)], 0.35, 0.3, 0.8),
            scene.rad([lighten(colour, 0.2), colour, shade(colour, 0.8)], 0.6, 0.6, 0.8),
            shade(colour, 0.55),
            lettering,
            head,
            scene.lin([lighten(relief, 0.25), relief, shade(relief, 0.8)]),
            beard,
            shade(relief, 0.85),
            lighten(colour, 0.6),
            shade(relief, 0.6),
        )
    )
