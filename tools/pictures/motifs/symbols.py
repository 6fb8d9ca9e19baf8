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
):
    """A flag of plain stripes waving on a pole; colours from top to bottom (or left to right).

    saltire=colour lays a diagonal cross over it; canton=colour a starred corner; emblem=colour a
    maple leaf in the middle (seal=colour a round badge); cross=colour and cross2=colour a Nordic
    cross with its inner line."""
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


@motif("pennant")
def pennant(
    scene,
    x: float,
    y: float,
    height: float = 60,
    colour: Colour = "red",
    colour2: Colour = "white",
    angle: float = 0,
):
    """A pole with a long tapering pennant streaming from its top, in two colours."""
    scene.add(
        '<g transform="%s"><rect x="-0.8" y="-60" width="1.6" height="60" fill="%s"/><circle cx="0" cy="-60.5" r="1.4" fill="%s"/>'
        '<path d="M0.8,-58 C10,-61 22,-53 36,-55 C24,-51 12,-54 0.8,-50 Z" fill="%s"/>'
        '<path d="M0.8,-56 C10,-58.5 20,-53 30,-54.4 C20,-52.6 10,-55 0.8,-52 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, height / 60, angle),
            scene.lit("#d8d0c0"),
            scene.col("gold"),
            colour,
            colour2,
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
