"""Festival things: candles, lanterns and fires, fireworks, masks, decorations and customs of the year."""

import math
import random

from .canvas import leaf_path, lighten, number_text, shade
from .registry import Colour, Colours, motif


@motif("candle")
def candle(scene, x: float, y: float, height: float = 30, colour: Colour = "ivory", flame: int = 1):
    """A candle with a glowing flame."""
    width = max(3.0, height * 0.22)
    body = scene.lin(
        [shade(colour, 0.75), lighten(colour, 0.25), colour, shade(colour, 0.7)], 0, 0, 1, 0
    )
    parts = [
        '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="%s"/>'
        % (
            number_text(-width / 2),
            number_text(-height),
            number_text(width),
            number_text(height),
            number_text(width * 0.15),
            body,
        ),
        '<ellipse cx="0" cy="%s" rx="%s" ry="%s" fill="%s"/>'
        % (
            number_text(-height),
            number_text(width / 2),
            number_text(width * 0.15),
            lighten(colour, 0.35),
        ),
    ]
    if flame:
        fl = height * 0.32 + 3
        parts.append(
            '<circle cx="0" cy="%s" r="%s" fill="%s"/>'
            % (number_text(-height - fl * 0.5), number_text(fl * 1.6), scene.glow("#ffb040", 0.55))
        )
        parts.append(
            '<path d="M0,%s C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,%s Z" fill="%s"/>'
            % (
                number_text(-height - 1),
                number_text(-fl * 0.45),
                number_text(-height - fl * 0.3),
                number_text(-fl * 0.15),
                number_text(-height - fl * 0.7),
                number_text(-height - fl),
                number_text(fl * 0.15),
                number_text(-height - fl * 0.7),
                number_text(fl * 0.45),
                number_text(-height - fl * 0.3),
                number_text(-height - 1),
                scene.rad(["#fffbe0", "#ffd850", "#ff8a20"], 0.5, 0.7, 0.6),
            )
        )
        parts.append(
            '<path d="M0,%s L0,%s" stroke="#3a2a20" stroke-width="0.6"/>'
            % (number_text(-height), number_text(-height - 1.5))
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y), "".join(parts)))


@motif("candles")
def candles(
    scene,
    count: int = 3,
    y: float = 4,
    height: float = 26,
    colours: Colours = "ivory",
    spread: float = None,
):
    """A row of candles across the picture, the middle ones tallest."""
    if spread is None:
        spread = scene.width - 40
    for i in range(count):
        along = (i + 0.5) / count
        xx = scene.width / 2 - spread / 2 + along * spread
        hh = height * (0.75 + 0.25 * math.cos((along - 0.5) * 3.1))
        candle(scene, xx, y, hh, colours[i % len(colours)])


@motif("lantern")
def lantern(scene, x: float, y: float, size: float = 14, colour: Colour = "red", string: int = 1):
    """A round paper lantern, glowing from inside; y is its centre."""
    body = scene.rad(["#fff4c0", lighten(colour, 0.3), colour, shade(colour, 0.6)], 0.5, 0.45, 0.6)
    ribs = "".join(
        '<path d="M0,-8 Q%s,0 0,8" fill="none" stroke="%s" stroke-width="0.5" opacity="0.6"/>'
        % (number_text(bulge), shade(colour, 0.55))
        for bulge in (-8, -4, 4, 8)
    )
    parts = []
    if string:
        parts.append(
            '<path d="M0,-11 L0,-%s" stroke="%s" stroke-width="0.6"/>'
            % (number_text(200), scene.lit("#3a3030"))
        )
    parts.append('<circle r="16" fill="%s"/>' % scene.glow(colour, 0.45))
    parts.append('<ellipse rx="10" ry="8.5" fill="%s"/>%s' % (body, ribs))
    parts.append(
        '<rect x="-4" y="-10.5" width="8" height="2.5" fill="#3a2a24"/><rect x="-4" y="8" width="8" height="2.5" fill="#3a2a24"/>'
    )
    parts.append(
        '<path d="M-1.5,10.5 L-2,16 M0,10.5 L0,17 M1.5,10.5 L2,16" stroke="%s" stroke-width="0.6"/>'
        % colour
    )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 20), "".join(parts)))


@motif("lanterns")
def lanterns(scene, y: float = None, count: int = 4, colours: Colours = "red,orange,gold,rose"):
    """Paper lanterns hanging from a sagging string."""
    if y is None:
        y = scene.height - 24
    sag = 14
    scene.add(
        '<path d="M-2,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.7"/>'
        % (
            number_text(scene.svg_y(y + 4)),
            number_text(scene.width / 2),
            number_text(scene.svg_y(y - sag * 2 + 4)),
            number_text(scene.width + 2),
            number_text(scene.svg_y(y + 4)),
            scene.lit("#4a4040"),
        )
    )
    for i in range(count):
        along = (i + 0.5) / count
        yy = y + 4 - sag * 2 * 2 * along * (1 - along) * 1.0 * 2 * 0.5
        drop = 8 + 4 * (i % 2)
        scene.add(
            '<path d="M%s,%s l0,%s" stroke="%s" stroke-width="0.6"/>'
            % (
                number_text(along * scene.width),
                number_text(scene.svg_y(yy)),
                number_text(drop),
                scene.lit("#4a4040"),
            )
        )
        lantern(scene, along * scene.width, yy - drop - 5, 12, colours[i % len(colours)], string=0)


@motif("fireworks")
def fireworks(
    scene,
    x: float,
    y: float,
    radius: float = 18,
    colour: Colour = "gold",
    rays: int = 16,
    trail: int = 1,
):
    """A firework burst: sparks flying out from a point, with a rising trail below."""
    hi = lighten(colour, 0.55)
    parts = ['<circle r="%s" fill="%s"/>' % (number_text(radius * 1.3), scene.glow(colour, 0.28))]
    rng = random.Random(int(x * 3 + y * 5 + scene.code))
    for i in range(rays):
        angle = math.radians(i * 360 / rays + rng.uniform(-4, 4))
        rr = radius * rng.uniform(0.75, 1.0)
        x1, y1 = math.cos(angle) * radius * 0.25, math.sin(angle) * radius * 0.25
        x2, y2 = math.cos(angle) * rr, math.sin(angle) * rr + radius * 0.08
        parts.append(
            '<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="1" stroke-linecap="round" opacity="0.85"/>'
            % (
                number_text(x1),
                number_text(y1),
                number_text((x1 + x2) / 2),
                number_text((y1 + y2) / 2 - radius * 0.05),
                number_text(x2),
                number_text(y2),
                colour,
            )
        )
        parts.append(
            '<circle cx="%s" cy="%s" r="1.2" fill="%s"/>'
            % (number_text(x2), number_text(y2 + 0.8), hi)
        )
    parts.append('<circle r="1.6" fill="#ffffff"/>')
    if trail:
        parts.append(
            '<path d="M0,%s Q2,%s 1,%s" fill="none" stroke="%s" stroke-width="0.8" stroke-dasharray="1.5 2" opacity="0.6"/>'
            % (
                number_text(radius * 0.4),
                number_text(radius * 1.5),
                number_text(radius * 3),
                colour,
            )
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y), "".join(parts)))


@motif("bonfire")
def bonfire(scene, x: float, y: float, size: float = 30, kind: str = "logs"):
    """A bonfire with tall flames and rising sparks, built as kind says.

    logs: crossed logs; heap: a mound of brushwood burning on top; pyre: a tall cone of poles
    tied together, garlanded with yellow daisies and crowned with a cross, just catching at its
    foot; guy: logs with a stuffed figure of old clothes sitting on the top."""
    logs = scene.lit("#5a3a26")
    flame = scene.rad(["#fffbe0", "#ffd040", "#ff7a20", "#e03a10"], 0.5, 0.85, 0.85)
    rng = random.Random(int(x + scene.code))
    sparks = "".join(
        '<circle cx="%s" cy="%s" r="%s" fill="#ffc850"/>'
        % (
            number_text(rng.uniform(-10, 10)),
            number_text(rng.uniform(-55, -32)),
            number_text(rng.uniform(0.5, 1.1)),
        )
        for i in range(10)
    )
    if kind == "logs":
        scene.add(
            '<g transform="%s"><ellipse cx="0" cy="-12" rx="32" ry="28" fill="%s"/>'
            '<path d="M-16,0 L14,-8 L16,-4 L-14,4 Z M16,0 L-14,-8 L-16,-4 L14,4 Z" fill="%s"/>'
            '<path d="M-12,-3 C-14,-14 -6,-18 -7,-30 C-2,-22 -1,-28 0,-40 C3,-28 6,-24 7,-32 C8,-22 14,-16 12,-3 Z" fill="%s"/>'
            '<path d="M-6,-3 C-6,-10 -2,-14 0,-22 C2,-14 6,-10 6,-3 Z" fill="#fff4c0" opacity="0.85"/>%s</g>'
            % (scene.at(x, y, size / 40), scene.glow("#ff9a30", 0.5), logs, flame, sparks)
        )
        return
    parts = []
    if kind == "heap":
        twigs = "".join(
            '<path d="M%s,%s L%s,%s"/>'
            % tuple(
                number_text(v)
                for v in (
                    rng.uniform(-22, 22),
                    rng.uniform(-2, 0),
                    rng.uniform(-14, 14),
                    rng.uniform(-18, -10),
                )
            )
            for i in range(16)
        )
        parts.append(
            '<ellipse cx="0" cy="-22" rx="40" ry="34" fill="%s"/>'
            '<path d="M-24,0 C-22,-12 -12,-18 0,-18 C12,-18 22,-12 24,0 Z" fill="%s"/>'
            '<g stroke="%s" stroke-width="1" stroke-linecap="round">%s</g>'
            '<path d="M-16,-13 C-18,-26 -8,-30 -9,-44 C-3,-34 -1,-42 1,-56 C4,-42 8,-36 9,-46 C11,-32 18,-26 15,-13 Z" fill="%s"/>'
            '<path d="M-7,-15 C-7,-24 -2,-28 0,-38 C2,-28 7,-24 7,-15 Z" fill="#fff4c0" opacity="0.85"/>'
            '<g transform="translate(0,-14)">%s</g>'
            % (
                scene.glow("#ff9a30", 0.5),
                shade(logs, 0.8),
                lighten(logs, 0.15),
                twigs,
                flame,
                sparks,
            )
        )
    elif kind == "pyre":
        poles = "".join(
            '<path d="M%s,0 L%s,-58" stroke="%s" stroke-width="2"/>'
            % (number_text(px), number_text(px * 0.08), shade(logs, 0.8 + 0.25 * (i % 2)))
            for i, px in enumerate((-17, -12, -7, -2, 3, 8, 13, 17))
        )
        daisies = "".join(
            '<circle cx="%s" cy="%s" r="1.4" fill="#f8d030"/><circle cx="%s" cy="%s" r="0.5" fill="#c07a10"/>'
            % (number_text(px), number_text(py), number_text(px), number_text(py))
            for px, py in (
                (-13, -12),
                (-9, -14.5),
                (-4, -16),
                (1, -16.4),
                (6, -15.6),
                (11, -13.6),
                (14, -11.6),
                (-9, -33),
                (-5, -35),
                (0, -35.6),
                (5, -35),
                (9, -33),
                (-3, -50),
                (0, -51),
                (3, -50),
            )
        )
        parts.append(
            '<ellipse cx="0" cy="-10" rx="30" ry="20" fill="%s"/>%s'
            '<path d="M-18,-13 Q0,-17 18,-13 M-11,-34 Q0,-37 11,-34 M-4,-50 Q0,-51.5 4,-50" fill="none" stroke="#5a8a3a" stroke-width="1.6"/>%s'
            '<path d="M0,-58 V-74 M-5,-69 H5" stroke="%s" stroke-width="2"/>'
            '<path d="M-20,0 C-20,-6 -15,-8 -15,-14 C-12,-8 -8,-10 -8,-16 C-5,-9 -2,-8 0,-14 C2,-8 6,-8 8,-15 C9,-9 13,-8 15,-13 C15,-7 20,-6 20,0 Z" fill="%s"/>'
            '<g transform="translate(0,8) scale(0.7)">%s</g>'
            % (scene.glow("#ff9a30", 0.45), poles, daisies, scene.lit("#f4e8c0"), flame, sparks)
        )
    elif kind == "guy":
        cloth = scene.lit("#5a4a6a")
        parts.append(
            '<ellipse cx="0" cy="-14" rx="34" ry="32" fill="%s"/>'
            '<path d="M-18,0 L14,-9 L16,-5 L-16,4 Z M18,0 L-14,-9 L-16,-5 L16,4 Z M-10,-8 L8,-16 L10,-13 L-8,-5 Z" fill="%s"/>'
            '<g transform="translate(0,-18)"><path d="M-7,0 L-6,-14 L6,-14 L7,0 Z" fill="%s"/>'
            '<path d="M-6,-12 L-12,-4 M6,-12 L12,-5 M-4,0 L-7,8 M4,0 L7,8" stroke="%s" stroke-width="2.6" stroke-linecap="round"/>'
            '<circle cx="0" cy="-18" r="4.2" fill="#b8925a"/><path d="M-1.6,-19 h0.8 M1,-19 h0.8 M-1.4,-16.6 Q0,-15.6 1.4,-16.6" stroke="#3a2a20" stroke-width="0.6"/>'
            '<path d="M-6.4,-21 H6.4 M-3.6,-21 L-3,-27 L3,-27 L3.6,-21 Z" stroke="#1e1a22" stroke-width="1.2" fill="#1e1a22"/></g>'
            '<path d="M-13,-3 C-15,-13 -8,-16 -9,-26 C-5,-20 -4,-24 -3,-32 C-1,-24 1,-22 2,-30 C4,-22 7,-26 8,-32 C10,-22 15,-15 13,-3 Z" fill="%s" opacity="0.92"/>'
            '<path d="M-6,-3 C-6,-10 -2,-14 0,-20 C2,-14 6,-10 6,-3 Z" fill="#fff4c0" opacity="0.85"/>%s'
            % (scene.glow("#ff9a30", 0.5), logs, cloth, cloth, flame, sparks)
        )
    else:
        raise ValueError("bonfire kind must be logs, heap, pyre or guy, not %s" % kind)
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 40), "".join(parts)))


@motif("witch")
def witch(scene, x: float, y: float, size: float = 30, angle: float = -8, flip: int = 0):
    """A witch riding her broomstick through the sky, a black silhouette; (x, y) is her middle."""
    ink = "#0c0a12"
    scene.add(
        '<g transform="%s" fill="%s"><path d="M-22,2 L14,-1" stroke="%s" stroke-width="1.4"/>'
        '<path d="M14,-3 L24,-6 L25,-2 L24,2 L14,1 Z"/>'
        '<path d="M-6,1 C-8,-6 -5,-11 -1,-12 L3,-11 C5,-8 5,-3 3,1 L6,4 L8,7 L4,6 L0,2 Z"/>'
        '<circle cx="-1" cy="-14.6" r="2.6"/><path d="M-5,-15.6 L5,-16.4 L4,-15 L-4,-14.4 Z M-2.6,-16 L1,-25 L2.2,-16.2 Z"/>'
        '<path d="M-5,-3 C-10,-2 -13,0 -16,-1 C-12,-4 -9,-7 -5,-8 Z"/>'
        '<path d="M-1,-8 L-8,-3" stroke="%s" stroke-width="1.2" stroke-linecap="round"/></g>'
        % (scene.at(x, y, size / 30, angle, bool(flip)), ink, ink, ink)
    )


@motif("bell")
def bell(
    scene,
    x: float,
    y: float,
    size: float = 24,
    colour: Colour = "gold",
    angle: float = 0,
    bow: int = 0,
):
    """A bell hanging from its top; y is the top, size its height."""
    paint = scene.lin(
        [shade(colour, 0.7), lighten(colour, 0.45), colour, shade(colour, 0.55)], 0, 0, 1, 0
    )
    bow_svg = ""
    if bow:
        bow_svg = (
            '<path d="M0,-1 C-6,-6 -10,-2 -8,1 C-6,3 -2,1 0,-1 C2,1 6,3 8,1 C10,-2 6,-6 0,-1 Z M0,-1 L-5,8 M0,-1 L5,8" fill="%s" stroke="%s" stroke-width="1.5"/>'
            % (scene.col("crimson"), scene.col("crimson"))
        )
    scene.add(
        '<g transform="%s"><path d="M0,0 L0,2" stroke="%s" stroke-width="1.5"/>'
        '<path d="M-2.5,2 C-7,2 -7,10 -8,14 C-8.5,17 -11,18 -11,20 L11,20 C11,18 8.5,17 8,14 C7,10 7,2 2.5,2 Z" fill="%s"/>'
        '<circle cx="0" cy="21.5" r="2.2" fill="%s"/>%s</g>'
        % (scene.at(x, y, size / 24, angle), shade(colour, 0.6), paint, shade(colour, 0.5), bow_svg)
    )


@motif("gift")
def gift(
    scene, x: float, y: float, size: float = 20, colour: Colour = "red", ribbon: Colour = "gold"
):
    """A wrapped present tied with a ribbon and a bow."""
    colour, ribbon = scene.lit(colour) if scene.time == "night" else colour, ribbon
    scene.add(
        '<g transform="%s"><rect x="-10" y="-16" width="20" height="16" fill="%s"/><rect x="-11" y="-19" width="22" height="4" fill="%s"/>'
        '<rect x="-1.5" y="-19" width="3" height="19" fill="%s"/><path d="M0,-19 C-6,-25 -9,-20 -5,-19 Z M0,-19 C6,-25 9,-20 5,-19 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 20),
            scene.lin([lighten(colour, 0.15), shade(colour, 0.75)], 0, 0, 1, 0),
            shade(colour, 0.85),
            ribbon,
            ribbon,
        )
    )


@motif("wreath")
def wreath(
    scene,
    x: float,
    y: float,
    radius: float = 30,
    colour: Colour = "#3a7a48",
    berries: Colour = "#e03040",
    bow: Colour = "crimson",
):
    """An evergreen wreath with berries and a bow; y is its centre."""
    rng = random.Random(int(radius * 7 + scene.code))
    parts = [
        '<circle r="%s" fill="none" stroke="%s" stroke-width="%s"/>'
        % (number_text(radius), shade(colour, 0.6), number_text(radius * 0.3))
    ]
    for i in range(28):
        angle = i * 360 / 28
        rr = radius + rng.uniform(-radius * 0.12, radius * 0.12)
        px, py = rr * math.cos(math.radians(angle)), rr * math.sin(math.radians(angle))
        parts.append(
            '<path d="%s" fill="%s" transform="translate(%s,%s) rotate(%s) scale(%s)"/>'
            % (
                leaf_path(1),
                rng.choice((colour, lighten(colour, 0.2), shade(colour, 0.8))),
                number_text(px),
                number_text(py),
                number_text(angle + rng.uniform(-40, 40)),
                number_text(radius * 0.16),
            )
        )
    for i in range(9):
        angle = rng.uniform(0, 360)
        px, py = radius * math.cos(math.radians(angle)), radius * math.sin(math.radians(angle))
        parts.append(
            '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
            % (number_text(px), number_text(py), number_text(max(1.2, radius * 0.07)), berries)
        )
    if bow != "none":
        bc = bow
        parts.append(
            '<g transform="translate(0,%s) scale(%s)"><path d="M0,0 C-6,-6 -11,-2 -9,2 C-7,5 -2,2 0,0 C2,2 7,5 9,2 C11,-2 6,-6 0,0 Z M0,0 L-5,10 L-3,10 L0,3 L3,10 L5,10 Z" fill="%s"/></g>'
            % (number_text(radius), number_text(radius / 20), bc)
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y), "".join(parts)))


@motif("pumpkin")
def pumpkin(scene, x: float, y: float, size: float = 24, face: int = 0, colour: Colour = "pumpkin"):
    """A ribbed pumpkin; with face=1 it is a lantern, lit from inside."""
    tone = scene.lit(colour) if not face else colour
    if face and scene.time == "night":
        tone = shade(colour, 0.75)
    paint = scene.rad([lighten(tone, 0.3), tone, shade(tone, 0.6)], 0.4, 0.35, 0.75)
    parts = []
    if face:
        parts.append('<circle cx="0" cy="-10" r="22" fill="%s"/>' % scene.glow("#ffa030", 0.45))
    for cx, rx in ((-7, 8), (7, 8), (-3, 8), (3, 8), (0, 7)):
        parts.append(
            '<ellipse cx="%s" cy="-10" rx="%s" ry="10" fill="%s" stroke="%s" stroke-width="0.6"/>'
            % (cx, rx, paint, shade(tone, 0.55))
        )
    parts.append(
        '<path d="M-1,-19 Q0,-24 3,-25 L3.5,-23 Q1.5,-22 1,-19 Z" fill="%s"/>'
        % scene.lit("#5a7a30")
    )
    if face:
        parts.append(
            '<path d="M-8,-13 L-5,-16 L-3,-12 Z M8,-13 L5,-16 L3,-12 Z M-1,-10 L0,-12 L1,-10 Z '
            'M-8,-7 Q0,-1 8,-7 L6,-6 L5,-4 L3,-5 L1,-3 L-1,-5 L-3,-3 L-5,-5 L-6,-6 Z" fill="#ffe070"/>'
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 20), "".join(parts)))


@motif("egg")
def egg(
    scene,
    x: float,
    y: float,
    size: float = 16,
    colour: Colour = "sky",
    band: Colour = "gold",
    pattern: str = "zigzag",
):
    """A painted egg standing on its end."""
    paint = scene.rad([lighten(colour, 0.4), colour, shade(colour, 0.7)], 0.4, 0.35, 0.75)
    clip = scene.uid("e")
    shape = "M0,0 C-7,0 -8,-7 -7,-11 C-6,-17 -3,-20 0,-20 C3,-20 6,-17 7,-11 C8,-7 7,0 0,0 Z"
    scene.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, shape))
    if pattern == "zigzag":
        deco = (
            '<path d="M-8,-10 L-5,-13 L-2,-10 L1,-13 L4,-10 L7,-13 L9,-10" fill="none" stroke="%s" stroke-width="1.4"/>'
            % band
        )
    elif pattern == "dots":
        deco = "".join(
            '<circle cx="%s" cy="%s" r="1.3" fill="%s"/>' % (number_text(px), number_text(py), band)
            for px, py in ((-3, -6), (3, -6), (0, -11), (-4, -14), (4, -14))
        )
    else:
        deco = (
            '<rect x="-9" y="-12" width="18" height="3" fill="%s"/><rect x="-9" y="-7" width="18" height="1.2" fill="#ffffff"/>'
            % band
        )
    scene.add(
        '<g transform="%s"><path d="%s" fill="%s"/><g clip-path="url(#%s)">%s</g></g>'
        % (scene.at(x, y, size / 20), shape, paint, clip, deco)
    )


@motif("kite")
def kite(
    scene, x: float, y: float, size: float = 24, colour: Colour = "red", colour2: Colour = "gold"
):
    """A diamond kite in two colours with a bowed tail and its string running away."""
    bows = "".join(
        '<path d="M%s,%s l-2,-1.5 l0,3 Z M%s,%s l2,-1.5 l0,3 Z" fill="%s"/>'
        % (number_text(bx), number_text(by), number_text(bx), number_text(by), colour2)
        for bx, by in ((-2, 30), (-6, 38), (-5, 46))
    )
    scene.add(
        '<g transform="%s"><path d="M0,-14 L9,0 L0,20 L-9,0 Z" fill="%s"/><path d="M0,-14 L9,0 L0,0 Z M0,0 L-9,0 L0,20 Z" fill="%s"/>'
        '<path d="M0,20 Q-8,30 -2,36 Q4,44 -5,52" fill="none" stroke="#e0d8c8" stroke-width="0.7"/>%s'
        '<path d="M0,20 Q20,40 40,120" fill="none" stroke="#e0d8c8" stroke-width="0.4" opacity="0.6"/></g>'
        % (scene.at(x, y, size / 34, -12), colour, colour2, bows)
    )


@motif("maypole")
def maypole(
    scene, x: float, y: float, height: float = 90, colours: Colours = "red,gold,sky,green,rose"
):
    """A maypole with a crown of flowers and ribbons streaming down."""
    scale = height / 90
    parts = [
        '<rect x="-1.6" y="-90" width="3.2" height="90" fill="%s"/>'
        % scene.lin([scene.lit("#f4ead0"), scene.lit("#c8b898")], 0, 0, 1, 0)
    ]
    for i, colour in enumerate(colours * 2):
        spread = (i - len(colours) + 0.5) * 9
        parts.append(
            '<path d="M0,-84 Q%s,-60 %s,-12" fill="none" stroke="%s" stroke-width="1.3"/>'
            % (number_text(spread * 0.8), number_text(spread), colour)
        )
    parts.append(
        '<ellipse cx="0" cy="-86" rx="7" ry="3" fill="none" stroke="#5aa040" stroke-width="2.2"/>'
    )
    for i, colour in enumerate(colours):
        parts.append(
            '<circle cx="%s" cy="%s" r="1.5" fill="%s"/>'
            % (number_text(-6 + i * 3), number_text(-86 + (i % 2) * 1.5), colour)
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, scale), "".join(parts)))


@motif("torch")
def torch(scene, x: float, y: float, size: float = 40):
    """A hand-held torch with a tall flame."""
    scene.add(
        '<g transform="%s"><path d="M-3,0 L-5,-24 L5,-24 L3,0 Z" fill="%s"/><path d="M-7,-24 L7,-24 L5,-30 L-5,-30 Z" fill="%s"/>'
        '<circle cx="0" cy="-40" r="14" fill="%s"/><path d="M-6,-30 C-8,-38 -2,-42 0,-52 C2,-42 8,-38 6,-30 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 52),
            scene.lit("#8a6a40"),
            scene.col("gold"),
            scene.glow("#ffb040", 0.5),
            scene.rad(["#fffbe0", "#ffd040", "#ff7a20"], 0.5, 0.8, 0.8),
        )
    )


@motif("carp")
def carp(scene, x: float, y: float, size: float = 40, colour: Colour = "red", angle: float = 6):
    """A carp streamer flying from its mouth ring; (x, y) is the mouth."""
    scales = "".join(
        '<path d="M%s,-4 a3,3 0 0 0 0,6 M%s,-1 a3,3 0 0 0 0,6" fill="none" stroke="%s" stroke-width="0.7" opacity="0.7"/>'
        % (number_text(8 + i * 5), number_text(10.5 + i * 5), lighten(colour, 0.5))
        for i in range(5)
    )
    scene.add(
        '<g transform="%s"><path d="M0,-6 C12,-7 26,-5 36,-2 L44,-7 L41,0 L44,7 L36,2 C26,5 12,7 0,6 Z" fill="%s"/>%s'
        '<circle cx="5" cy="-1.5" r="2.4" fill="#ffffff"/><circle cx="5" cy="-1.5" r="1.2" fill="#1a1a24"/>'
        '<ellipse cx="0" cy="0" rx="1.5" ry="6" fill="none" stroke="%s" stroke-width="1.2"/></g>'
        % (
            scene.at(x, y, size / 44, angle),
            scene.lin([lighten(colour, 0.3), colour, shade(colour, 0.7)]),
            scales,
            scene.col("gold"),
        )
    )


@motif("pole")
def pole(
    scene,
    x: float,
    y: float = 0,
    height: float = 120,
    colour: Colour = "#d8ccb0",
    top: Colour = "gold",
):
    """A tall pole with a ball of the top colour on it, to fly streamers from."""
    scene.add(
        '<rect x="%s" y="%s" width="2" height="%s" fill="%s"/><circle cx="%s" cy="%s" r="2.4" fill="%s"/>'
        % (
            number_text(x - 1),
            number_text(scene.svg_y(y + height)),
            number_text(height),
            scene.lit(colour),
            number_text(x),
            number_text(scene.svg_y(y + height)),
            top,
        )
    )


@motif("floatlantern")
def float_lantern(scene, x: float, y: float, size: float = 10, colour: Colour = "#ffb050"):
    """A paper lantern floating on water, with its reflection."""
    scene.add(
        '<g transform="%s"><ellipse cx="0" cy="2" rx="6" ry="8" fill="%s"/><rect x="-4" y="-8" width="8" height="8" fill="%s"/>'
        '<path d="M-5,-8 L0,-12 L5,-8 Z" fill="%s"/><rect x="-5" y="0" width="10" height="1.5" fill="#3a2a24"/>'
        '<circle cx="0" cy="-4" r="12" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 10),
            scene.glow(colour, 0.5),
            scene.lin(["#fff6d8", colour], 0, 0, 0, 1),
            shade(colour, 0.7),
            scene.glow(colour, 0.35),
        )
    )


@motif("crane")
def paper_crane(
    scene, x: float, y: float, size: float = 20, colour: Colour = "white", angle: float = 0
):
    """A folded paper crane."""
    scene.add(
        '<g transform="%s"><path d="M-14,-2 L-4,-4 L0,-16 L3,-4 L12,-10 L9,-3 L14,-4 L6,2 L-4,2 Z" fill="%s"/>'
        '<path d="M0,-16 L3,-4 L-4,-4 Z" fill="%s"/><path d="M-4,2 L6,2 L3,-4 Z" fill="%s"/></g>'
        % (scene.at(x, y, size / 28, angle), colour, shade(colour, 0.82), shade(colour, 0.7))
    )


@motif("parasol")
def parasol(scene, x: float, y: float, size: float = 40, colour: Colour = "red"):
    """A big festival parasol on a tall handle, seen from the side."""
    ribs = "".join('<path d="M0,-40 L%s,-30" />' % number_text(rib) for rib in (-18, -9, 0, 9, 18))
    scene.add(
        '<g transform="%s"><rect x="-0.8" y="-40" width="1.6" height="40" fill="%s"/>'
        '<path d="M-22,-29 Q0,-50 22,-29 Q0,-34 -22,-29 Z" fill="%s"/><g stroke="%s" stroke-width="0.5">%s</g>'
        '<path d="M-22,-29 q-1,4 0,7 M22,-29 q1,4 0,7" stroke="%s" stroke-width="1"/></g>'
        % (
            scene.at(x, y, size / 50),
            scene.lit("#5a4030"),
            scene.lin([lighten(colour, 0.2), shade(colour, 0.8)]),
            shade(colour, 0.6),
            ribs,
            scene.col("gold"),
        )
    )


@motif("drum")
def drum(scene, x: float, y: float, size: float = 30, colour: Colour = "red"):
    """A marching drum with crossed sticks; y is its bottom."""
    zig = "".join(
        '<path d="M%s,-4 L%s,-20" />' % (number_text(-12 + i * 6), number_text(-9 + i * 6))
        for i in range(4)
    )
    scene.add(
        '<g transform="%s"><rect x="-13" y="-22" width="26" height="20" fill="%s"/><g stroke="%s" stroke-width="0.9">%s</g>'
        '<rect x="-14" y="-23" width="28" height="3" rx="1" fill="%s"/><rect x="-14" y="-4" width="28" height="3" rx="1" fill="%s"/>'
        '<ellipse cx="0" cy="-23" rx="13" ry="3" fill="#f4ecd8"/>'
        '<path d="M-10,-36 L4,-23 M10,-36 L-4,-23" stroke="%s" stroke-width="1.4" stroke-linecap="round"/></g>'
        % (
            scene.at(x, y, size / 30),
            scene.lin([shade(colour, 0.7), lighten(colour, 0.25), shade(colour, 0.7)], 0, 0, 1, 0),
            scene.col("gold"),
            zig,
            scene.col("ivory"),
            scene.col("ivory"),
            scene.lit("#c8a070"),
        )
    )


@motif("theatremasks")
def theatre_masks(scene, x: float, y: float, size: float = 40):
    """The two masks of the stage, one smiling, one sad; y is their centre."""
    face = "M-9,-11 C-9,-15 9,-15 9,-11 C9,0 5,9 0,10 C-5,9 -9,0 -9,-11 Z"
    happy = '<path d="M-5,-6 q2,-2 4,0 M1,-6 q2,-2 4,0" stroke="#1a1a20" stroke-width="1.2" fill="none"/><path d="M-5,1 Q0,7 5,1 Q0,4 -5,1 Z" fill="#1a1a20"/>'
    sad = '<path d="M-5,-5 q2,-2 4,0 M1,-5 q2,-2 4,0" stroke="#1a1a20" stroke-width="1.2" fill="none" transform="rotate(180 0 -5.5)"/><path d="M-5,5 Q0,-1 5,5 Q0,2 -5,5 Z" fill="#1a1a20"/>'
    scene.add(
        '<g transform="%s"><g transform="translate(-8,0) rotate(-15)"><path d="%s" fill="%s"/>%s</g>'
        '<g transform="translate(9,4) rotate(14)"><path d="%s" fill="%s"/>%s</g>'
        '<path d="M-20,-10 q-6,10 -2,16 M20,-4 q6,10 2,16" stroke="%s" stroke-width="1.2" fill="none"/></g>'
        % (
            scene.at(x, y, size / 30),
            face,
            scene.lin(["#fff4c0", scene.col("gold")]),
            happy,
            face,
            scene.lin(["#e8e0ff", "#8a7ac8"]),
            sad,
            scene.col("crimson"),
        )
    )


@motif("onimask")
def oni_mask(scene, x: float, y: float, size: float = 40):
    """A red demon mask with horns, for the bean-throwing at the turn of the season; y is its centre."""
    scene.add(
        '<g transform="%s"><path d="M-10,-12 L-14,-24 L-5,-15 Z M10,-12 L14,-24 L5,-15 Z" fill="#f4e6c0"/>'
        '<path d="M-14,-6 C-14,-16 14,-16 14,-6 C14,6 8,14 0,14 C-8,14 -14,6 -14,-6 Z" fill="%s"/>'
        '<path d="M-9,-6 L-3,-3 L-9,-1 Z M9,-6 L3,-3 L9,-1 Z" fill="#ffe070"/>'
        '<path d="M-6,6 Q0,3 6,6 Q0,10 -6,6 Z" fill="#2a0a0a"/><path d="M-4,5 l1,2 l1,-2 M2,5 l1,2 l1,-2" fill="#ffffff"/>'
        '<path d="M-12,-10 Q-6,-14 -2,-10 M12,-10 Q6,-14 2,-10" stroke="#2a0a0a" stroke-width="1.6" fill="none"/></g>'
        % (scene.at(x, y, size / 40), scene.rad(["#ff8a6a", "#e03a2a", "#a01a1a"], 0.4, 0.35, 0.8))
    )


@motif("beans")
def beans(scene, count: int = 14, low: float = 4, high: float = 60):
    """Roasted beans scattered over the foreground, thrown to drive out bad luck."""
    rng = random.Random(scene.code * 97)
    out = "".join(
        '<ellipse cx="%s" cy="%s" rx="1.6" ry="1.2" fill="#e8c888" stroke="#a07a40" stroke-width="0.3"/>'
        % (
            number_text(rng.uniform(10, scene.width - 10)),
            number_text(scene.svg_y(rng.uniform(low, high))),
        )
        for i in range(count)
    )
    scene.add(out)


@motif("dolls")
def hina_dolls(scene, x: float, y: float, size: float = 50):
    """Festival dolls in court dress on a red-draped stand: the emperor and empress on top, ladies below."""
    red = scene.col("#d0303a")

    def doll(cx, cy, robe, scale=1.0):
        return (
            '<g transform="translate(%s,%s) scale(%s)"><path d="M-7,0 C-7,-8 -4,-12 0,-12 C4,-12 7,-8 7,0 Z" fill="%s"/>'
            '<path d="M-2.5,-12 L0,-6 L2.5,-12 Z" fill="#f4ecd8"/><circle cx="0" cy="-14.5" r="3" fill="#fbf0e4"/>'
            '<path d="M-3,-15 C-3,-19 3,-19 3,-15 L3,-13 L-3,-13 Z" fill="#1a1418"/></g>'
            % (
                number_text(cx),
                number_text(cy),
                number_text(scale),
                scene.lin([lighten(robe, 0.25), shade(robe, 0.75)]),
            )
        )

    parts = [
        '<rect x="-30" y="-14" width="60" height="14" fill="%s"/><rect x="-22" y="-28" width="44" height="14" fill="%s"/>'
        % (red, shade(red, 0.9)),
        '<path d="M-30,-14 h60 M-22,-28 h44" stroke="#ffffff" stroke-width="0.6" opacity="0.5"/>',
        doll(-9, -28, "#2a3a8a"),
        doll(9, -28, "#c83a6a"),
        doll(-20, -14, "#f0e8f0", 0.8),
        doll(0, -14, "#f0e8f0", 0.8),
        doll(20, -14, "#f0e8f0", 0.8),
        '<path d="M-6,-44 L0,-48 L6,-44" stroke="%s" stroke-width="1" fill="none"/>'
        % scene.col("gold"),
    ]
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 48), "".join(parts)))


@motif("crosses")
def brigid_cross(scene, x: float, y: float, size: float = 30, colour: Colour = "#e0c070"):
    """A cross woven from rushes, four bundled arms round a square woven centre; y is its centre."""
    colour = scene.lit(colour) if scene.time != "day" else colour
    dark = shade(colour, 0.6)
    arm = (
        '<path d="M-2.6,-5 L-2.6,-21 M0,-5 L0,-22 M2.6,-5 L2.6,-21" stroke="%s" stroke-width="2.4" stroke-linecap="round"/>'
        '<rect x="-4.4" y="-18" width="8.8" height="2" fill="%s"/>' % (colour, dark)
    )
    arms = "".join('<g transform="rotate(%d)">%s</g>' % (angle, arm) for angle in (0, 90, 180, 270))
    weave = "".join(
        '<rect x="%s" y="-6" width="2.2" height="12" fill="%s"/>'
        % (number_text(-5.5 + i * 2.8), colour if i % 2 else shade(colour, 0.85))
        for i in range(4)
    )
    weave += "".join(
        '<rect x="-6" y="%s" width="12" height="2.2" fill="%s" opacity="0.9"/>'
        % (number_text(-5.5 + i * 2.8), shade(colour, 0.9) if i % 2 else colour)
        for i in range(4)
    )
    scene.add(
        '<g transform="%s"><circle r="30" fill="%s"/>%s%s</g>'
        % (scene.at(x, y, size / 44), scene.glow("#fff0c0", 0.25), arms, weave)
    )


@motif("turnip")
def turnip_lantern(scene, x: float, y: float, size: float = 24):
    """A hollowed turnip lantern with a carved face glowing from inside."""
    body = scene.rad(["#fff4e0", "#f0d8c8", "#b88aa0"], 0.45, 0.35, 0.75)
    scene.add(
        '<g transform="%s"><circle cx="0" cy="-12" r="20" fill="%s"/><path d="M-12,-10 C-13,-20 -6,-24 0,-24 C6,-24 13,-20 12,-10 C11,-2 6,2 0,2 C-6,2 -11,-2 -12,-10 Z" fill="%s"/>'
        '<path d="M-12,-14 C-6,-18 6,-18 12,-14 C10,-22 6,-24 0,-24 C-6,-24 -10,-22 -12,-14 Z" fill="#9a5a9a"/>'
        '<path d="M-6,-12 L-3,-15 L-1,-11 Z M6,-12 L3,-15 L1,-11 Z M-6,-6 Q0,-1 6,-6 L4,-5 L2,-3 L0,-5 L-2,-3 L-4,-5 Z" fill="#ffc850"/>'
        '<path d="M0,2 L0,5 M-1,2 q-2,3 -4,3" stroke="#c8a890" stroke-width="0.8" fill="none"/></g>'
        % (scene.at(x, y, size / 24), scene.glow("#ffb040", 0.45), body)
    )


@motif("flames")
def flames(scene, y: float = None, count: int = 6):
    """A line of tall flames and smoke over the rooftops."""
    if y is None:
        y = scene.horizon
    rng = random.Random(scene.code * 107)
    paint = scene.rad(["#fffbe0", "#ffd040", "#ff7a20", "#c02a10"], 0.5, 0.9, 0.9)
    out = []
    smoke = []
    for i in range(count):
        px = (i + 0.5) * scene.width / count + rng.uniform(-5, 5)
        height = rng.uniform(20, 40)
        width = rng.uniform(8, 13)
        out.append(
            '<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="%s"/>'
            % (
                number_text(px - width),
                number_text(scene.svg_y(y - 4)),
                number_text(px - width),
                number_text(scene.svg_y(y + height * 0.5)),
                number_text(px - 2),
                number_text(scene.svg_y(y + height * 0.6)),
                number_text(px + rng.uniform(-3, 3)),
                number_text(scene.svg_y(y + height)),
                number_text(px + 2),
                number_text(scene.svg_y(y + height * 0.6)),
                number_text(px + width),
                number_text(scene.svg_y(y + height * 0.5)),
                number_text(px + width),
                number_text(scene.svg_y(y - 4)),
                paint,
            )
        )
        smoke.append(
            '<circle cx="%s" cy="%s" r="%s"/>'
            % (
                number_text(px + 8),
                number_text(scene.svg_y(y + height + 20)),
                number_text(rng.uniform(10, 16)),
            )
        )
    scene.add('<g fill="#3a2a2e" opacity="0.55">%s</g>%s' % ("".join(smoke), "".join(out)))


def grave_light(scene, x, y, size, colour):
    """A candle in a glass of colour c (#rrggbb), as set out on graves; y is its base."""
    scene.add(
        '<g transform="%s"><circle cx="0" cy="-12" r="14" fill="%s"/><path d="M-5,0 L-6,-14 L6,-14 L5,0 Z" fill="%s" opacity="0.9"/>'
        '<rect x="-6.5" y="-16" width="13" height="2.5" fill="%s"/><path d="M0,-9 C-2,-11 -1,-13 0,-16 C1,-13 2,-11 0,-9 Z" fill="#fff4b0"/></g>'
        % (
            scene.at(x, y, size / 16),
            scene.glow(colour, 0.45),
            scene.lin([lighten(colour, 0.45), colour, shade(colour, 0.7)], 0, 0, 1, 0),
            scene.lit("#c8ccd8"),
        )
    )


@motif("gravelights")
def grave_lights(
    scene,
    count: int = 9,
    low: float = 4,
    high: float = 30,
    colours: Colours = "#e83a3a,#f0a030,#f4e6c0,#e83a3a",
):
    """Rows of coloured grave candles glowing across the foreground."""
    rng = random.Random(scene.code * 109)
    items = sorted(
        (
            (rng.uniform(low, high), rng.uniform(8, scene.width - 8), rng.choice(colours))
            for i in range(count)
        ),
        reverse=True,
    )
    for yy, xx, colour in items:
        grave_light(scene, xx, yy, 14 - yy * 0.15, colour)


@motif("skull")
def sugar_skull(scene, x: float, y: float, size: float = 30):
    """A decorated sugar skull, smiling; (x, y) is its centre."""
    scene.add(
        '<g transform="%s"><path d="M-12,-2 C-12,-16 12,-16 12,-2 C12,4 8,6 7,10 L-7,10 C-8,6 -12,4 -12,-2 Z" fill="%s"/>'
        '<circle cx="-5" cy="-1" r="3.6" fill="#3ab0c8"/><circle cx="5" cy="-1" r="3.6" fill="#3ab0c8"/><circle cx="-5" cy="-1" r="1.5" fill="#1a1a20"/><circle cx="5" cy="-1" r="1.5" fill="#1a1a20"/>'
        '<path d="M0,3 L-1.5,6 L1.5,6 Z" fill="#e84a6a"/><path d="M-5,9 L5,9 M-3,8 v2.5 M0,8 v2.5 M3,8 v2.5" stroke="#1a1a20" stroke-width="0.7"/>'
        '<path d="M-4,-9 Q0,-12 4,-9" stroke="#e84a6a" stroke-width="1.4" fill="none"/><circle cx="0" cy="-10" r="1.4" fill="#f0c040"/>'
        '<circle cx="-9" cy="-6" r="1" fill="#8ad050"/><circle cx="9" cy="-6" r="1" fill="#8ad050"/></g>'
        % (scene.at(x, y, size / 26), scene.rad(["#ffffff", "#f4ecf0", "#d8ccd8"], 0.45, 0.35, 0.7))
    )


@motif("pharaoh")
def pharaoh_mask(scene, x: float, y: float, size: float = 60):
    """A golden funerary mask with a striped headdress; y is its chin."""
    gold = "#f2c552"
    blue = "#2a4a9a"
    stripes = "".join(
        '<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="2"/>'
        % (
            number_text(-20 + i * 0.2),
            number_text(-36 + i * 4),
            number_text(-13),
            number_text(-36 + i * 4 + 1),
            blue,
        )
        for i in range(8)
    )
    stripes += "".join(
        '<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="2"/>'
        % (
            number_text(20 - i * 0.2),
            number_text(-36 + i * 4),
            number_text(13),
            number_text(-36 + i * 4 + 1),
            blue,
        )
        for i in range(8)
    )
    scene.add(
        '<g transform="%s"><circle cx="0" cy="-26" r="34" fill="%s"/>'
        '<path d="M-24,4 L-20,-40 C-16,-56 16,-56 20,-40 L24,4 Z" fill="%s"/>%s'
        '<path d="M-12,-32 C-12,-46 12,-46 12,-32 L12,-14 C12,-4 6,0 0,0 C-6,0 -12,-4 -12,-14 Z" fill="%s"/>'
        '<path d="M-9,-28 L-3,-28 M3,-28 L9,-28" stroke="#1a1a30" stroke-width="2" stroke-linecap="round"/>'
        '<path d="M-10,-31 L-2,-31 M2,-31 L10,-31" stroke="%s" stroke-width="1"/><path d="M0,-26 L-2,-17 L2,-17 Z" fill="#d8a030"/>'
        '<path d="M-3,-11 Q0,-9 3,-11" stroke="#a06a20" stroke-width="1" fill="none"/><path d="M-2,0 L-2,8 L2,8 L2,0 Z" fill="%s"/>'
        '<path d="M-3,-48 C-3,-54 3,-54 3,-48 Z" fill="#e04a2a"/></g>'
        % (
            scene.at(x, y, size / 60),
            scene.glow("#ffc850", 0.35),
            scene.lin([lighten(gold, 0.4), gold, shade(gold, 0.7)], 0, 0, 1, 0),
            stripes,
            scene.lin([lighten(gold, 0.5), gold, shade(gold, 0.75)], 0, 0, 1, 0),
            blue,
            blue,
        )
    )


@motif("advent")
def advent_calendar(scene, x: float, y: float, size: float = 80, open_: int = 1):
    """A little house-shaped calendar with numbered doors; door 1 open and lit."""
    red = scene.col("#c8303a")
    doors = []
    door = 0
    for radius in range(4):
        for colour in range(4):
            door += 1
            dx, dy = -19 + colour * 10, -46 + radius * 11
            if door == 1 and open_:
                doors.append(
                    '<rect x="%s" y="%s" width="7" height="8" fill="#ffe090"/><path d="M%s,%s l-4,1 l0,8 l4,-1 Z" fill="#f4ecd8"/>'
                    % (number_text(dx), number_text(dy), number_text(dx), number_text(dy))
                )
            else:
                doors.append(
                    '<rect x="%s" y="%s" width="7" height="8" fill="#f4ecd8" stroke="%s" stroke-width="0.4"/><text x="%s" y="%s" font-family="DejaVu Sans, Liberation Sans, sans-serif" font-size="5" text-anchor="middle" fill="%s">%d</text>'
                    % (
                        number_text(dx),
                        number_text(dy),
                        shade(red, 0.6),
                        number_text(dx + 3.5),
                        number_text(dy + 6),
                        shade(red, 0.7),
                        (door * 7) % 24 + 1,
                    )
                )
    scene.add(
        '<g transform="%s"><rect x="-24" y="-52" width="48" height="52" fill="%s"/><path d="M-28,-50 L0,-70 L28,-50 Z" fill="%s"/>'
        '<circle cx="0" cy="-58" r="4" fill="#ffe090"/>%s</g>'
        % (
            scene.at(x, y, size / 70),
            scene.lin([lighten(red, 0.15), shade(red, 0.8)]),
            shade(red, 0.75),
            "".join(doors),
        )
    )


@motif("boot")
def boot(scene, x: float, y: float, size: float = 30, colour: Colour = "#8a3a2a", filled: int = 1):
    """A child's boot set out for the saint, filled with an orange and sweets."""
    colour = scene.lit(colour) if scene.time != "day" else colour
    fill = ""
    if filled:
        fill = (
            '<circle cx="-2" cy="-30" r="5" fill="%s"/><path d="M4,-28 l6,-8 l2,1 l-6,8 Z" fill="#e84a6a"/><rect x="-9" y="-32" width="4" height="6" fill="#f0c040" transform="rotate(-15 -7 -29)"/>'
            % scene.rad(["#ffd080", "#f08a20", "#c85a10"], 0.4, 0.35, 0.7)
        )
    scene.add(
        '<g transform="%s">%s<path d="M-8,-28 L8,-28 L8,-8 L18,-6 C22,-5 22,0 18,0 L-8,0 Z" fill="%s"/><rect x="-9" y="-30" width="18" height="4" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 30),
            fill,
            scene.lin([lighten(colour, 0.2), shade(colour, 0.7)]),
            shade(colour, 0.7),
        )
    )


@motif("kinara")
def kinara(
    scene,
    x: float,
    y: float,
    size: float = 80,
    colours: Colours = "crimson,crimson,crimson,#2a2a30,green,green,green",
):
    """A wooden candle holder with seven candles in a row, the middle one highest."""
    scale = size / 80
    wood = scene.lit("#8a5a30") if scene.time == "day" else "#8a5a30"
    scene.add(
        '<g transform="%s"><rect x="-36" y="-14" width="72" height="6" rx="2" fill="%s"/><path d="M-8,-8 L8,-8 L12,0 L-12,0 Z" fill="%s"/>'
        '<g fill="%s">%s</g></g>'
        % (
            scene.at(x, y, scale),
            scene.lin([lighten(wood, 0.25), shade(wood, 0.7)]),
            shade(wood, 0.8),
            shade(wood, 0.9),
            "".join(
                '<rect x="%s" y="%s" width="6" height="%s"/>'
                % (
                    number_text(-33 + i * 10.5),
                    number_text(-14 - (6 - abs(i - 3) * 2)),
                    number_text(6 - abs(i - 3) * 2),
                )
                for i in range(7)
            ),
        )
    )
    for i in range(7):
        top = y + (14 + 6 - abs(i - 3) * 2) * scale
        candle(scene, x + (-30 + i * 10.5) * scale, top, 20 * scale, colours[i % len(colours)])


@motif("patang")
def patang(
    scene,
    x: float,
    y: float,
    size: float = 20,
    colour: Colour = "red",
    colour2: Colour = "gold",
    angle: float = 0,
    sx: float = None,
    sy: float = None,
):
    """A square fighter kite flown corner up, with a small tail; (x, y) is its centre.

    With sx, sy its string runs down to that point (the flyer's hand)."""
    if sx is not None and sy is not None:
        scene.add(
            '<path d="M%s,%s Q%s,%s %s,%s" stroke="#f4f0e0" stroke-width="0.5" fill="none" opacity="0.8"/>'
            % (
                number_text(x),
                number_text(scene.svg_y(y - size * 0.25)),
                number_text((x + sx) / 2 + 6),
                number_text(scene.svg_y((y + sy) / 2 - 4)),
                number_text(sx),
                number_text(scene.svg_y(sy)),
            )
        )
    scene.add(
        '<g transform="%s"><path d="M0,-10 L10,0 L0,10 L-10,0 Z" fill="%s"/><path d="M0,-10 L10,0 L0,10 Z" fill="%s"/>'
        '<circle cx="0" cy="0" r="3" fill="%s"/><path d="M0,-10 L0,10 M-10,0 Q0,-5 10,0" stroke="%s" stroke-width="0.6" fill="none"/>'
        '<path d="M0,9 L-2.6,13.6 L2.6,13.6 Z" fill="%s"/></g>'
        % (scene.at(x, y, size / 20, angle), colour, colour2, colour, shade(colour, 0.5), colour2)
    )


@motif("swallowkite")
def swallowkite(
    scene, x: float, y: float, size: float = 30, colour: Colour = "#2a2a40", colour2: Colour = "red"
):
    """A painted swallow kite: spread wings, a forked tail, bright patterns; (x, y) its centre."""
    scene.add(
        '<path d="M%s,%s Q%s,%s %s,%s" stroke="#e0d8c8" stroke-width="0.4" fill="none" opacity="0.6"/>'
        % (
            number_text(x),
            number_text(scene.svg_y(y - 4)),
            number_text(x + 20),
            number_text(scene.svg_y(y - 60)),
            number_text(x + 30),
            number_text(scene.svg_y(y - 140)),
        )
    )
    scene.add(
        '<g transform="%s"><path d="M0,-12 C3,-12 4,-8 3,-4 L18,-10 C22,-8 20,-2 16,0 L4,2 L6,14 L2,10 L0,16 L-2,10 L-6,14 L-4,2 L-16,0 C-20,-2 -22,-8 -18,-10 L-3,-4 C-4,-8 -3,-12 0,-12 Z" fill="%s"/>'
        '<path d="M-15,-6 C-10,-6 -6,-4 -3,-2 M15,-6 C10,-6 6,-4 3,-2" stroke="%s" stroke-width="2" fill="none"/>'
        '<circle cx="-11" cy="-5" r="1.6" fill="%s"/><circle cx="11" cy="-5" r="1.6" fill="%s"/><circle cx="0" cy="-2" r="2.2" fill="%s"/>'
        '<circle cx="-1.2" cy="-9" r="0.7" fill="#ffffff"/><circle cx="1.2" cy="-9" r="0.7" fill="#ffffff"/></g>'
        % (
            scene.at(x, y, size / 30, -8),
            colour,
            colour2,
            scene.col("gold"),
            scene.col("gold"),
            colour2,
        )
    )
