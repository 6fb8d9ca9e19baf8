"""Animals: birds, insects, fish and beasts."""

import math
import random

from .canvas import leaf_path, lighten, number_text, polyline, shade
from .registry import Colour, motif


def perched_bird(scene, x, y, flip, scale=1):
    """A small bird perched on a wire or twig at SVG (x, y), facing left (right when flip is true)."""
    colour = "#1e2236" if scene.time == "day" else "#0a0c18"
    return (
        '<g transform="translate(%s,%s) scale(%s,%s)"><path d="M-1,-1 C-1,-5 3,-6 4,-4 L6,-4.5 L4,-3 C4,-1 2,0 -1,0 L-5,1.5 L-4,0.5 L-6,0.8 Z" fill="%s"/>'
        '<path d="M1.5,-2.5 C2,-1.5 3,-1 4,-2" fill="#f4ead8"/></g>'
        % (
            number_text(x),
            number_text(y),
            number_text(-scale if flip else scale),
            number_text(scale),
            colour,
        )
    )


@motif("bird")
def bird(
    scene, x: float, y: float, size: float = 8, colour: Colour = None, flap: int = 0, perch: int = 0
):
    """A bird in flight, drawn as a dark "m" of two wing strokes; flap=1 draws its wings down.

    perch=1 draws it sitting instead (perch=-1 facing right), its feet at (x, y)."""
    if perch:
        scene.add(perched_bird(scene, x, scene.svg_y(y), perch < 0, size / 8))
        return
    colour = (
        colour
        if colour
        else (
            "#2a2a38"
            if scene.time in ("day", "dawn")
            else "#0a0a14"
            if scene.time == "dusk"
            else "#8a92b0"
        )
    )
    outline = "M-5,0 Q-2.5,-3 0,0 Q2.5,-3 5,0" if not flap else "M-5,-2 Q-2.5,1 0,0 Q2.5,1 5,-2"
    scene.add(
        '<path d="%s" transform="%s" fill="none" stroke="%s" stroke-width="1" stroke-linecap="round"/>'
        % (outline, scene.at(x, y, size / 10), colour)
    )


@motif("birds")
def birds(
    scene, count: int = 5, x: float = None, y: float = None, size: float = 7, colour: Colour = None
):
    """A small flock in loose formation."""
    rng = random.Random(scene.code * 59)
    if x is None:
        x = scene.width * 0.6
    if y is None:
        y = scene.height - 40
    for i in range(count):
        bird(
            scene,
            x + (i - count / 2) * 8 + rng.uniform(-3, 3),
            y - abs(i - count / 2) * 4 + rng.uniform(-2, 2),
            size * rng.uniform(0.7, 1.1),
            colour,
            i % 2,
        )


@motif("dove")
def dove(scene, x: float, y: float, size: float = 30, branch: int = 1):
    """A white dove in flight, carrying a twig."""
    wing = scene.lin(["#ffffff", "#d8dce8"])
    tw = (
        '<path d="M-14,4 Q-18,6 -22,5" stroke="#5a7a3a" stroke-width="0.8" fill="none"/><path d="%s" fill="#6aa04a" transform="translate(-19,5) rotate(60) scale(1.6)"/><path d="%s" fill="#6aa04a" transform="translate(-21,4) rotate(-60) scale(1.6)"/>'
        % (leaf_path(1), leaf_path(1))
        if branch
        else ""
    )
    scene.add(
        '<g transform="%s"><path d="M-14,2 C-8,6 4,6 12,2 L18,6 L17,-2 C10,-4 -6,-6 -14,2 Z" fill="%s"/>'
        '<path d="M-2,0 C-4,-10 2,-20 14,-22 C8,-14 8,-6 4,0 Z" fill="%s"/>'
        '<path d="M-14,2 L-17,3 L-14,4 Z" fill="#e8a040"/><circle cx="-11" cy="1.5" r="0.7" fill="#2a2a30"/>%s</g>'
        % (scene.at(x, y, size / 36), wing, wing, tw)
    )


@motif("butterfly")
def butterfly(
    scene, x: float, y: float, size: float = 16, colour: Colour = "orange", angle: float = 0
):
    """A butterfly with its wings spread, seen from above; (x, y) is its body."""
    wing = scene.rad([lighten(colour, 0.5), colour, shade(colour, 0.6)], 0.3, 0.5, 0.8)
    scene.add(
        '<g transform="%s"><path d="M0,0 C-4,-10 -14,-12 -12,-3 C-11,1 -4,1 0,0 Z M0,0 C4,-10 14,-12 12,-3 C11,1 4,1 0,0 Z" fill="%s"/>'
        '<path d="M0,0 C-3,4 -10,8 -8,2 C-7,0 -2,0 0,0 Z M0,0 C3,4 10,8 8,2 C7,0 2,0 0,0 Z" fill="%s"/>'
        '<path d="M0,-5 L0,5" stroke="#2a2020" stroke-width="1.4" stroke-linecap="round"/>'
        '<path d="M0,-5 Q-2,-9 -3,-10 M0,-5 Q2,-9 3,-10" stroke="#2a2020" stroke-width="0.5" fill="none"/></g>'
        % (scene.at(x, y, size / 24, angle), wing, shade(colour, 0.85))
    )


@motif("bee")
def bee(scene, x: float, y: float, size: float = 10):
    """A honeybee with its striped body and pale wings."""
    scene.add(
        '<g transform="%s"><ellipse cx="-2" cy="-5" rx="3" ry="4" fill="#ffffff" opacity="0.7"/><ellipse cx="2" cy="-5" rx="3" ry="4" fill="#ffffff" opacity="0.7"/>'
        '<ellipse cx="0" cy="0" rx="6" ry="4" fill="#f4c430"/><path d="M-2,-3.8 L-2,3.8 M1.5,-3.8 L1.5,3.8" stroke="#2a2020" stroke-width="1.4"/></g>'
        % scene.at(x, y, size / 12)
    )


@motif("branch")
def branch(scene, y: float = None, side: str = "left", length: float = 70):
    """A bare branch reaching in from one side (for owls and birds to sit on)."""
    if y is None:
        y = scene.height * 0.45
    colour = scene.lit("#4a3426") if scene.time != "night" else "#1c1622"
    x0 = -2 if side == "left" else scene.width + 2
    sgn = 1 if side == "left" else -1
    scene.add(
        '<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="3.5" stroke-linecap="round"/>'
        '<path d="M%s,%s q%s,-8 %s,-14" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>'
        % (
            number_text(x0),
            number_text(scene.svg_y(y - 4)),
            number_text(x0 + sgn * length * 0.5),
            number_text(scene.svg_y(y + 3)),
            number_text(x0 + sgn * length),
            number_text(scene.svg_y(y)),
            colour,
            number_text(x0 + sgn * length * 0.6),
            number_text(scene.svg_y(y + 1)),
            number_text(sgn * 4),
            number_text(sgn * 12),
            colour,
        )
    )


@motif("bat")
def bat(scene, x: float, y: float, size: float = 14):
    """A bat with its wings spread, a black silhouette rimmed with violet."""
    scene.add(
        '<path d="M0,-2 C-3,-4 -6,-3 -10,-6 C-9,-2 -11,0 -12,1 C-9,0 -7,2 -6,3 C-4,1 -2,2 0,3 C2,2 4,1 6,3 C7,2 9,0 12,1 C11,0 9,-2 10,-6 C6,-3 3,-4 0,-2 Z" '
        'fill="#14101c" stroke="#6a5a8a" stroke-width="0.7" transform="%s"/>'
        % scene.at(x, y, size / 24)
    )


@motif("cat")
def cat(scene, x: float, y: float, size: float = 24):
    """A sitting cat, seen from behind as a silhouette."""
    scene.add(
        '<path d="M-7,0 C-9,-8 -8,-14 -5,-17 L-6,-23 L-2,-20 L2,-20 L6,-23 L5,-17 C8,-14 9,-8 7,0 Z M6,-1 C12,-1 14,-6 12,-10" '
        'fill="#0c0a12" stroke="#0c0a12" stroke-width="1.6" stroke-linecap="round" transform="%s"/>'
        % scene.at(x, y, size / 24)
    )


@motif("web")
def web(scene, x: float, y: float, radius: float = 30):
    """A spider's web spun in a corner; (x, y) is its hub."""
    spokes = "".join(
        '<path d="M0,0 L%s,%s"/>'
        % (
            number_text(radius * math.cos(math.radians(angle))),
            number_text(radius * math.sin(math.radians(angle))),
        )
        for angle in range(0, 360, 45)
    )
    rings_ = "".join('<circle r="%s"/>' % number_text(radius * share) for share in (0.3, 0.55, 0.8))
    scene.add(
        '<g transform="%s" fill="none" stroke="#c8d0e0" stroke-width="0.5" opacity="0.75">%s%s</g>'
        % (scene.at(x, y), spokes, rings_)
    )


@motif("shell")
def shell(scene, x: float, y: float, size: float = 16, colour: Colour = "#f4c8b0"):
    """A scallop shell lying on the sand, its ribs fanning from the hinge."""
    colour = scene.lit(colour)
    ribs = "".join(
        '<path d="M0,0 L%s,%s"/>'
        % (
            number_text(10 * math.cos(math.radians(angle))),
            number_text(-10 * math.sin(math.radians(angle))),
        )
        for angle in range(20, 161, 20)
    )
    scene.add(
        '<g transform="%s"><path d="M0,0 L-10,-4 A10.8,10.8 0 0 1 10,-4 Z" fill="%s"/><g stroke="%s" stroke-width="0.7">%s</g></g>'
        % (
            scene.at(x, y, size / 12),
            scene.lin([lighten(colour, 0.3), colour]),
            shade(colour, 0.7),
            ribs,
        )
    )


@motif("fish")
def fish(
    scene,
    x: float,
    y: float,
    size: float = 16,
    colour: Colour = "#8ab0d0",
    angle: float = 0,
    flip: int = 0,
):
    """A small fish swimming, seen from the side; flip=1 turns it to swim the other way."""
    scene.add(
        '<g transform="%s"><path d="M-10,0 C-5,-6 5,-6 9,0 C5,6 -5,6 -10,0 Z M8,0 L14,-5 L13,0 L14,5 Z" fill="%s"/>'
        '<circle cx="-5.5" cy="-1" r="1" fill="#1a1a24"/><path d="M-2,-4 Q0,0 -2,4" stroke="%s" stroke-width="0.6" fill="none"/></g>'
        % (
            scene.at(x, y, size / 24, angle, bool(flip)),
            scene.lin([lighten(colour, 0.35), colour, shade(colour, 0.65)]),
            shade(colour, 0.6),
        )
    )


@motif("hive")
def hive(scene, x: float, y: float, size: float = 30):
    """A straw beehive (skep) on a little stand."""
    colour = scene.lit("#d8a850")
    bands = "".join(
        '<path d="M%s,%s h%s" stroke="%s" stroke-width="0.9"/>'
        % (
            number_text(-14 + i * 1.2),
            number_text(-7 - i * 5),
            number_text(28 - i * 2.4),
            shade(colour, 0.7),
        )
        for i in range(5)
    )
    scene.add(
        '<g transform="%s"><rect x="-16" y="-5" width="32" height="3" fill="%s"/><rect x="-12" y="-2" width="3" height="2" fill="%s"/><rect x="9" y="-2" width="3" height="2" fill="%s"/>'
        '<path d="M-14,-5 C-15,-20 -10,-34 0,-34 C10,-34 15,-20 14,-5 Z" fill="%s"/>%s<path d="M-3,-5 A3,3 0 0 1 3,-5 Z" fill="#2a1a10"/></g>'
        % (
            scene.at(x, y, size / 34),
            scene.lit("#7a5030"),
            scene.lit("#7a5030"),
            scene.lit("#7a5030"),
            scene.rad([lighten(colour, 0.3), colour, shade(colour, 0.7)], 0.4, 0.3, 0.8),
            bands,
        )
    )


@motif("sheep")
def sheep(scene, count: int = 3, low: float = 6, high: float = None):
    """A few sheep grazing on the hillside."""
    rng = random.Random(scene.code * 89)
    if high is None:
        high = scene.horizon * 0.7
    wool = "#f4f0e6" if scene.time == "day" else scene.lit("#f4f0e6")
    out = []
    for i in range(count):
        px = rng.uniform(14, scene.width - 14)
        py = rng.uniform(low, high)
        scale = 1.2 - py / max(1, scene.horizon) * 0.6
        flip = -1 if rng.random() < 0.5 else 1
        out.append(
            '<g transform="translate(%s,%s) scale(%s,%s)"><rect x="-4" y="-3" width="1.4" height="3.5" fill="#2a2a30"/><rect x="2.6" y="-3" width="1.4" height="3.5" fill="#2a2a30"/>'
            '<ellipse cx="0" cy="-5" rx="6.5" ry="4" fill="%s"/><ellipse cx="6.5" cy="-6.5" rx="2.2" ry="1.7" fill="#2a2a30"/></g>'
            % (
                number_text(px),
                number_text(scene.svg_y(py)),
                number_text(scale * flip),
                number_text(scale),
                wool,
            )
        )
    scene.add("".join(out))


@motif("frog")
def frog(scene, x: float, y: float, size: float = 30, leap: int = 1):
    """A green frog, mid-leap when leap=1."""
    colour = scene.col("#5ab84a")
    body = scene.rad([lighten(colour, 0.35), colour, shade(colour, 0.7)], 0.4, 0.35, 0.8)
    if leap:
        shape = (
            '<path d="M-16,6 L-24,14 M-14,8 L-20,16 M10,-2 L18,-8 M8,0 L16,-2" stroke="%s" stroke-width="2.4" stroke-linecap="round"/>'
            '<ellipse cx="-2" cy="0" rx="14" ry="7" fill="%s" transform="rotate(-20)"/>'
            % (shade(colour, 0.8), body)
        )
    else:
        shape = (
            '<path d="M-12,0 Q-18,-2 -14,-8 M12,0 Q18,-2 14,-8" stroke="%s" stroke-width="3" fill="none"/>'
            '<ellipse cx="0" cy="-7" rx="13" ry="8" fill="%s"/>' % (shade(colour, 0.8), body)
        )
    eyes = (
        '<circle cx="6" cy="-9" r="3.2" fill="%s"/><circle cx="6.5" cy="-9.5" r="1.4" fill="#1a1a20"/><path d="M4,-3 Q9,-1 12,-5" stroke="#1a3a1a" stroke-width="0.8" fill="none"/>'
        % body
    )
    scene.add('<g transform="%s">%s%s</g>' % (scene.at(x, y, size / 30), shape, eyes))


@motif("fishbowl")
def fishbowl(scene, x: float, y: float, size: float = 40):
    """A round glass bowl with a goldfish; y is its bottom."""
    scene.add(
        '<g transform="%s"><circle cx="0" cy="-17" r="17" fill="%s" stroke="#e0f0ff" stroke-width="1" stroke-opacity="0.8"/>'
        '<path d="M-14,-24 Q0,-21 14,-24 L15,-17 A15,15 0 0 1 -15,-17 Z" fill="#6ab4ee" opacity="0.45"/>'
        '<ellipse cx="0" cy="-33" rx="9" ry="2" fill="none" stroke="#e0f0ff" stroke-width="1"/>'
        '<g transform="translate(2,-15) scale(0.45)"><path d="M-10,0 C-5,-6 5,-6 9,0 C5,6 -5,6 -10,0 Z M8,0 L14,-5 L13,0 L14,5 Z" fill="#f08a20"/></g>'
        '<path d="M-10,-26 Q-12,-20 -10,-14" stroke="#ffffff" stroke-width="1.3" fill="none" opacity="0.7"/></g>'
        % (scene.at(x, y, size / 34), scene.lin([(0, "#c8e8ff", 0.25), (1, "#6ab4ee", 0.3)]))
    )


@motif("wolf")
def wolf(scene, x: float, y: float, size: float = 40, colour: Colour = "#8a6a4a"):
    """A standing she-wolf in profile."""
    colour = scene.lit(colour) if scene.time == "day" else colour
    scene.add(
        '<path d="M-18,-14 C-12,-20 8,-20 12,-18 L18,-26 L19,-22 L22,-21 L26,-18 L20,-16 L16,-14 C15,-10 14,-8 12,-6 L13,0 L10,0 L9,-6 '
        'C2,-8 -6,-8 -10,-8 L-11,0 L-14,0 L-14,-9 C-17,-10 -19,-11 -20,-10 C-24,-8 -27,-4 -28,-2 C-27,-7 -23,-12 -18,-14 Z" '
        'fill="%s" transform="%s"/>'
        % (scene.lin([lighten(colour, 0.2), shade(colour, 0.7)]), scene.at(x, y, size / 40))
    )


@motif("goose")
def goose(scene, x: float, y: float, size: float = 30, colour: Colour = "#f4f0e6"):
    """A white goose standing; y is its feet."""
    colour = scene.lit(colour) if scene.time != "day" else colour
    scene.add(
        '<g transform="%s"><path d="M-2,0 L-2,-6 M3,0 L3,-6" stroke="#f09a30" stroke-width="1.2"/>'
        '<path d="M-14,-14 C-12,-20 2,-22 6,-14 C8,-18 8,-26 10,-30 C11,-33 15,-33 16,-30 L20,-29 L16,-27 C14,-24 12,-18 12,-12 C12,-6 4,-5 -2,-6 C-8,-7 -14,-9 -16,-12 Z" fill="%s"/>'
        '<circle cx="14" cy="-30.5" r="0.8" fill="#1a1a20"/><path d="M-10,-14 C-4,-18 2,-16 4,-12" stroke="%s" stroke-width="0.8" fill="none"/></g>'
        % (
            scene.at(x, y, size / 34),
            scene.lin([lighten(colour, 0.3), shade(colour, 0.8)]),
            shade(colour, 0.7),
        )
    )


@motif("tortoise")
def tortoise(scene, x: float, y: float, size: float = 40):
    """A giant tortoise with a domed shell."""
    shell = scene.lit("#7a6a4a")
    skin = scene.lit("#8a8a78")
    plates = "".join(
        '<path d="M%s,-10 L%s,-18 L%s,-10" />'
        % (number_text(-12 + i * 8), number_text(-8 + i * 8), number_text(-4 + i * 8))
        for i in range(3)
    )
    scene.add(
        '<g transform="%s"><path d="M-14,0 L-14,-4 M10,0 L10,-4 M-6,0 L-6,-3 M4,0 L4,-3" stroke="%s" stroke-width="3.5" stroke-linecap="round"/>'
        '<path d="M14,-8 C20,-10 24,-16 28,-14 C30,-13 30,-10 27,-9 C22,-8 18,-5 14,-5 Z" fill="%s"/><circle cx="26.5" cy="-12.5" r="0.8" fill="#1a1a20"/>'
        '<path d="M-18,-4 C-18,-18 -8,-24 0,-24 C10,-24 18,-16 18,-4 Z" fill="%s"/><g stroke="%s" stroke-width="0.8" fill="none">%s</g></g>'
        % (
            scene.at(x, y, size / 44),
            skin,
            skin,
            scene.rad([lighten(shell, 0.3), shell, shade(shell, 0.7)], 0.45, 0.3, 0.8),
            shade(shell, 0.55),
            plates,
        )
    )


@motif("horse")
def horse(
    scene,
    x: float,
    y: float,
    size: float = 40,
    colour: Colour = "#6a4028",
    rider: Colour = None,
    flip: int = 0,
):
    """A galloping horse on four legs (with a rider in colours when rider=colour); y is the ground."""
    coat = scene.lit(colour)
    far = shade(coat, 0.68)
    hoof = shade(coat, 0.35)

    def leg(pts, colour):
        outline = polyline(pts)
        ex, ey = pts[-1]
        return (
            '<path d="%s" stroke="%s" stroke-width="2.7" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'
            '<ellipse cx="%s" cy="%s" rx="1.6" ry="1.1" fill="%s"/>'
            % (outline, colour, number_text(ex), number_text(ey), hoof)
        )

    parts = [
        leg(((-8, -14), (-5, -7), (-7, -1)), far),
        leg(((6, -14), (5, -7), (3, -1)), far),
        '<path d="M-15,-21 C-20,-22 -24,-18 -26,-11 C-22,-14 -19,-16.5 -14.5,-17.5 Z" fill="%s"/>'
        % shade(coat, 0.55),
        '<path d="M-15,-22 C-12,-27 6,-27.5 11,-23.5 C14,-20.5 13.5,-14.5 9.5,-12.5 C2,-10.5 -8,-10.5 -13,-12 C-17,-14 -18,-19 -15,-22 Z" fill="%s"/>'
        % scene.lin([lighten(coat, 0.2), coat, shade(coat, 0.78)]),
        '<path d="M7,-24 C10,-28 14,-32 17,-35 C18,-36.5 20,-37 21.5,-36 L26.2,-31 C27.2,-29.8 26.2,-28.2 25,-28.6 L20,-30.4 C17,-27 15,-22 12,-17.5 Z" fill="%s"/>'
        % scene.lin([lighten(coat, 0.2), coat]),
        '<path d="M18.6,-36 L18.4,-39.6 L20.6,-36.6 Z" fill="%s"/>' % shade(coat, 0.7),
        '<path d="M17.6,-35.6 C14,-33 10,-29 6.6,-24.4 L9.6,-24.6 C12,-28.5 15,-32 18.6,-34.6 Z" fill="%s"/>'
        % shade(coat, 0.5),
        '<circle cx="21" cy="-33.4" r="0.7" fill="#1a1410"/>',
        leg(((-10, -14), (-13, -7), (-18, -2)), coat),
        leg(((8, -15), (13.5, -10), (17.5, -7)), coat),
    ]
    if rider:
        radius = rider
        parts.append(
            '<g transform="translate(0,-2)"><path d="M-2,-24 L-1,-32 C0,-36 4,-37 5,-33 L5,-26 L8,-22 L6,-21 L2,-24 Z" fill="%s"/><circle cx="3" cy="-38" r="2.8" fill="%s"/>'
            '<path d="M0,-40 C1,-43 6,-43 6,-39 Z" fill="%s"/></g>'
            % (radius, scene.lit("#e8c8a8"), shade(radius, 0.8))
        )
    scene.add(
        '<g transform="%s">%s</g>' % (scene.at(x, y, size / 40, 0, bool(flip)), "".join(parts))
    )


@motif("tiger")
def tiger(scene, x: float, y: float, size: float = 50, flip: int = 0):
    """A tiger walking through the grass, seen from the side; y is the ground, size its length."""
    orange = scene.lit("#e8842a")
    far = shade(orange, 0.7)
    ink = "#1e1610"
    body = (
        "M-24,-26 C-14,-30.5 8,-30.5 16,-27.5 C20,-26 22,-22 22,-18 C22,-14 18,-12 14,-12 L-18,-12 "
        "C-24,-12 -28,-16 -28,-20 C-28,-23 -27,-25 -24,-26 Z"
    )
    clip = scene.uid("t")
    scene.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, body))
    stripes = "".join(
        '<path d="M%s,-31 q2.4,5 -0.6,10 M%s,-12 q-1.8,-3 0.4,-6" />'
        % (number_text(sx), number_text(sx + 1.6))
        for sx in range(-22, 16, 5)
    )
    parts = [
        '<path d="M-16,-14 L-14,-1 M12,-14 L10,-1" stroke="%s" stroke-width="4.4" stroke-linecap="round"/>'
        % far,
        '<path d="M-27,-22 C-36,-22 -38,-12 -33,-6" stroke="%s" stroke-width="2.8" fill="none" stroke-linecap="round"/>'
        '<path d="M-27,-22 C-36,-22 -38,-12 -33,-6" stroke="%s" stroke-width="2.9" fill="none" stroke-dasharray="1.6 3.2"/>'
        % (orange, ink),
        '<path d="%s" fill="%s"/>'
        % (body, scene.lin([lighten(orange, 0.25), orange, shade(orange, 0.8)])),
        '<g clip-path="url(#%s)"><path d="M-26,-11 C-12,-15 6,-15 22,-11 L22,-8 L-26,-8 Z" fill="%s"/>'
        '<g stroke="%s" stroke-width="1.5" fill="none" stroke-linecap="round">%s</g></g>'
        % (clip, scene.lit("#f6eee0"), ink, stripes),
        '<path d="M-20,-14 L-22,-7 L-18,-1 M16,-14 L18,-1" stroke="%s" stroke-width="4.6" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'
        % orange,
        '<path d="M-22,-6 l1.4,-0.6 M18,-5 l1.6,0 M-16,-6 l1.4,0" stroke="%s" stroke-width="1" />'
        % ink,
        '<ellipse cx="-17.6" cy="-0.6" rx="2.8" ry="1.3" fill="%s"/><ellipse cx="19" cy="-0.6" rx="2.8" ry="1.3" fill="%s"/>'
        % (orange, orange),
        '<circle cx="21" cy="-33.6" r="2.4" fill="%s"/><circle cx="21" cy="-33.6" r="1.1" fill="%s"/>'
        % (orange, ink),
        '<path d="M17.6,-30 C19.6,-35.4 30,-35.4 32,-30.4 C34,-26 33.4,-20.6 28.4,-18.6 C24,-17.4 19,-19 17.6,-23 Z" fill="%s"/>'
        % scene.rad([lighten(orange, 0.25), orange, shade(orange, 0.8)], 0.5, 0.4, 0.7),
        '<path d="M24,-22.4 C27,-24.6 32.6,-24.2 33.2,-21.4 C32.8,-19.4 29.6,-18.2 26.4,-18.6 C24.6,-19 23.6,-20.6 24,-22.4 Z M18,-25 C19.4,-22 21.4,-20.4 23.4,-20 L19.6,-19 Z" fill="%s"/>'
        % scene.lit("#f6eee0"),
        '<path d="M31.6,-24.8 L33.6,-24 L32.6,-22.6 Z" fill="#3a2a2a"/>',
        '<ellipse cx="27.2" cy="-27.6" rx="1.5" ry="1.1" fill="#f0d040"/><ellipse cx="27.4" cy="-27.6" rx="0.4" ry="1" fill="%s"/>'
        % ink,
        '<path d="M22,-33 q1.4,2.6 0,5 M25,-34.4 q1,2 0,3.6 M19.2,-26.6 q2,0.4 3.4,2 M30.6,-30.4 q-1.6,0.6 -2.2,1.8" stroke="%s" stroke-width="1" fill="none" stroke-linecap="round"/>'
        % ink,
    ]
    scene.add(
        '<g transform="%s">%s</g>' % (scene.at(x, y, size / 70, 0, bool(flip)), "".join(parts))
    )
