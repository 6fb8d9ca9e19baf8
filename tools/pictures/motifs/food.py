"""Food and drink: fruit and nuts, bread and cakes, dishes of the feast days."""

import random

from .canvas import lighten, mix, number_text, shade
from .registry import Colour, motif


@motif("apple")
def apple(scene, x: float, y: float, size: float = 12, colour: Colour = "red"):
    """An apple with its stalk and a leaf."""
    scene.add(
        '<g transform="%s"><path d="M0,-14 C-5,-17 -11,-14 -11,-7 C-11,0 -5,3 0,1 C5,3 11,0 11,-7 C11,-14 5,-17 0,-14 Z" fill="%s"/>'
        '<path d="M0,-14 Q1,-18 3,-20" stroke="#5a3a20" stroke-width="1.2" fill="none"/><path d="M1,-17 Q6,-21 9,-17 Q5,-15 1,-17 Z" fill="#5aa040"/></g>'
        % (
            scene.at(x, y, size / 16),
            scene.rad([lighten(colour, 0.4), colour, shade(colour, 0.6)], 0.35, 0.35, 0.75),
        )
    )


@motif("loaf")
def loaf(scene, x: float, y: float, size: float = 30):
    """A round harvest loaf with a scored top."""
    colour = scene.lit("#d08a40")
    scene.add(
        '<g transform="%s"><path d="M-20,0 C-21,-10 -12,-18 0,-18 C12,-18 21,-10 20,0 Z" fill="%s"/>'
        '<path d="M-10,-13 Q-6,-16 -2,-13 M-2,-14 Q2,-17 6,-14 M6,-13 Q10,-15 13,-11" stroke="%s" stroke-width="1.3" fill="none"/>'
        '<ellipse cx="0" cy="0" rx="21" ry="2" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 40),
            scene.rad([lighten(colour, 0.35), colour, shade(colour, 0.65)], 0.4, 0.3, 0.8),
            lighten(colour, 0.45),
            shade(colour, 0.6),
        )
    )


@motif("pie")
def pie(
    scene,
    x: float,
    y: float,
    size: float = 40,
    colour: Colour = "#d89a50",
    filling: Colour = "#c03a4a",
):
    """A round pie with a lattice top, seen from slightly above."""
    colour, filling = scene.lit(colour), scene.lit(filling)
    lattice = "".join(
        '<path d="M%s,-14 L%s,-4" />' % (number_text(-14 + i * 7), number_text(-14 + i * 7))
        for i in range(5)
    ) + "".join(
        '<path d="M-18,%s L18,%s" />' % (number_text(-12 + i * 3.5), number_text(-12 + i * 3.5))
        for i in range(3)
    )
    clip = scene.uid("p")
    scene.defs.append(
        '<clipPath id="%s"><ellipse cx="0" cy="-9" rx="17" ry="6"/></clipPath>' % clip
    )
    scene.add(
        '<g transform="%s"><path d="M-20,-9 L-16,0 L16,0 L20,-9 Z" fill="%s"/><ellipse cx="0" cy="-9" rx="20" ry="7.5" fill="%s"/>'
        '<ellipse cx="0" cy="-9" rx="17" ry="6" fill="%s"/><g clip-path="url(#%s)" stroke="%s" stroke-width="2">%s</g></g>'
        % (
            scene.at(x, y, size / 40),
            scene.lit("#d8d8e0"),
            scene.lin([lighten(colour, 0.3), colour]),
            filling,
            clip,
            lighten(colour, 0.2),
            lattice,
        )
    )


@motif("pancakes")
def pancakes(scene, x: float, y: float, size: float = 30):
    """A stack of golden pancakes on a plate, with a pat of butter."""
    colour = scene.lit("#e8b060")
    stack = "".join(
        '<ellipse cx="0" cy="%s" rx="14" ry="4" fill="%s" stroke="%s" stroke-width="0.6"/>'
        % (number_text(-4 - i * 3), colour, shade(colour, 0.7))
        for i in range(5)
    )
    scene.add(
        '<g transform="%s"><ellipse cx="0" cy="-2" rx="19" ry="4.5" fill="%s"/>%s<rect x="-3" y="-21" width="6" height="3" fill="#fff4b0"/></g>'
        % (scene.at(x, y, size / 30), scene.lit("#e8ecf4"), stack)
    )


@motif("block")
def tofu_block(scene, x: float, y: float, size: float = 40):
    """A soft white block (the tofu that broken needles are laid to rest in), on a tray."""
    scene.add(
        '<g transform="%s"><rect x="-24" y="-4" width="48" height="4" fill="%s"/><path d="M-18,-4 L-18,-18 L-12,-24 L24,-24 L24,-10 L18,-4 Z" fill="%s"/>'
        '<path d="M-18,-18 L18,-18 L24,-24 M18,-18 L18,-4" stroke="%s" stroke-width="0.8" fill="none"/></g>'
        % (
            scene.at(x, y, size / 40),
            scene.lit("#6a4a3a"),
            scene.lin(["#fffdf6", "#e6e0d0"]),
            scene.lit("#c8c0b0"),
        )
    )


@motif("zeppole")
def zeppole(scene, x: float, y: float, size: float = 60):
    """A plate of ring pastries with cream and a cherry on each."""
    dough = scene.lit("#dc9a4a")

    def one(cx, cy, scale):
        return (
            '<g transform="translate(%s,%s) scale(%s)"><ellipse cx="0" cy="0" rx="12" ry="6" fill="%s"/><ellipse cx="0" cy="-2" rx="5" ry="2.4" fill="#fff6e0"/>'
            '<circle cx="0" cy="-4" r="2" fill="#c8203a"/><ellipse cx="-6" cy="-2" rx="2" ry="1" fill="#ffffff" opacity="0.7"/></g>'
            % (
                number_text(cx),
                number_text(cy),
                number_text(scale),
                scene.rad([lighten(dough, 0.3), dough, shade(dough, 0.7)], 0.5, 0.4, 0.6),
            )
        )

    scene.add(
        '<g transform="%s"><ellipse cx="0" cy="-3" rx="28" ry="6" fill="%s"/>%s%s%s</g>'
        % (
            scene.at(x, y, size / 60),
            scene.lit("#e8ecf4"),
            one(-12, -8, 0.9),
            one(12, -8, 0.9),
            one(0, -15, 1.0),
        )
    )


@motif("grill")
def grill(scene, x: float, y: float, size: float = 50, fish: int = 5):
    """A street grill on legs, glowing charcoal under a grid with sardines laid across it, and smoke rising; size is its width."""
    metal = scene.lit("#4a4a52")
    parts = [
        '<path d="M-20,-16 L-23,0 M20,-16 L23,0 M-12,-16 L-13,0 M12,-16 L13,0" stroke="%s" stroke-width="1.6"/>'
        % metal,
        '<path d="M-25,-24 L25,-24 L22,-15 L-22,-15 Z" fill="%s"/>'
        % scene.lin([lighten(metal, 0.2), shade(metal, 0.7)]),
        '<path d="M-25,-24 L25,-24 L21,-38 L-21,-38 Z" fill="%s"/>'
        % scene.lin(["#a02a10", "#f05a20", "#ffd070"]),
        '<ellipse cx="0" cy="-31" rx="30" ry="12" fill="%s"/>' % scene.glow("#ff8030", 0.45),
        '<path d="M-25,-24 L-21,-38 M-15,-24 L-12.6,-38 M-5,-24 L-4.2,-38 M5,-24 L4.2,-38 M15,-24 L12.6,-38 M25,-24 L21,-38 '
        'M-24,-27.5 H24 M-23,-31 H23 M-22,-34.5 H22" stroke="%s" stroke-width="0.6"/>'
        % scene.lit("#5a5a62"),
    ]
    for i in range(fish):
        row, col = i // 2, i % 2
        fx = -10 + col * 20 - row * 1.5 + (row % 2) * 3
        fy = -27 - row * 4.2
        scale = 1 - row * 0.08
        parts.append(
            '<g transform="translate(%s,%s) rotate(%s) scale(%s)"><path d="M-8,0 C-5,-2.2 4,-2.4 7,-0.4 L10,-2.6 L9.4,0 L10,2.6 L7,0.4 C4,2.4 -5,2.2 -8,0 Z" fill="%s"/>'
            '<path d="M-6,-0.9 C-2,-1.9 3,-1.9 6.6,-0.7" stroke="%s" stroke-width="1" fill="none"/><circle cx="-6" cy="-0.3" r="0.55" fill="#1a1a24"/>'
            '<path d="M-2,-1.5 l1,2.6 M2,-1.7 l1,2.8" stroke="#3a2a20" stroke-width="0.6"/></g>'
            % (
                number_text(fx),
                number_text(fy),
                number_text(-4 + ((i * 5) % 3) * 4),
                number_text(scale * 1.15),
                scene.lin(["#f0f4f8", "#a8b8c8", "#6a7a8a"]),
                scene.lit("#3a5a7a"),
            )
        )
    for scale, sx in enumerate((-10, 4, 16)):
        parts.append(
            '<path d="M%s,-34 C%s,-42 %s,-48 %s,-58" stroke="#e8e4f0" stroke-width="%s" fill="none" stroke-linecap="round" opacity="0.35"/>'
            % (
                number_text(sx),
                number_text(sx - 5),
                number_text(sx + 5),
                number_text(sx - 2),
                number_text(3 - scale * 0.5),
            )
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 50), "".join(parts)))


@motif("sakecup")
def sake_cup(scene, x: float, y: float, size: float = 20, petals: Colour = "gold"):
    """A shallow red lacquer sake cup on its foot, chrysanthemum petals floating in it."""
    red = scene.lit("#c8302a")
    pet = "".join(
        '<ellipse cx="%s" cy="-9.6" rx="1.6" ry="0.6" fill="%s" transform="rotate(%s %s -9.6)"/>'
        % (number_text(px), petals, number_text(rot), number_text(px))
        for px, rot in ((-5, 20), (-1.6, -30), (2, 10), (5, 60))
    )
    scene.add(
        '<g transform="%s"><path d="M-4,0 L4,0 L2.6,-3 L-2.6,-3 Z" fill="%s"/><path d="M-10,-10 Q0,-0.6 10,-10 Z" fill="%s"/>'
        '<ellipse cx="0" cy="-10" rx="10" ry="1.8" fill="%s"/><ellipse cx="0" cy="-9.8" rx="8.4" ry="1.2" fill="#f4ead0" opacity="0.7"/>%s</g>'
        % (
            scene.at(x, y, size / 20),
            shade(red, 0.8),
            scene.lin([lighten(red, 0.2), shade(red, 0.7)]),
            shade(red, 0.7),
            pet,
        )
    )


@motif("tangyuan")
def tangyuan(scene, x: float, y: float, size: float = 40, steam: int = 1):
    """A porcelain bowl of tangyuan: sweet rice balls, white and pink, in warm syrup, with a spoon.

    steam=1 lets a wisp of steam rise from it; y is the foot of the bowl, size its width."""
    rng = random.Random(int(x * 5 + y + scene.code))
    china = (
        scene.lit("#f6f4ee") if scene.time == "day" else mix(scene.lit("#f6f4ee"), "#f6f4ee", 0.6)
    )
    blue = (
        scene.lit("#3a5aa8") if scene.time == "day" else mix(scene.lit("#3a5aa8"), "#3a5aa8", 0.6)
    )
    syrup = "#e8c890"
    parts = [
        # the far rim and the syrup inside it
        '<ellipse cx="0" cy="-15" rx="19" ry="4.6" fill="%s"/>' % shade(china, 0.82),
        '<ellipse cx="0" cy="-14.6" rx="17" ry="3.6" fill="%s"/>'
        % scene.rad([lighten(syrup, 0.3), syrup], 0.5, 0.4, 0.7),
    ]
    balls = []
    for bx, by, colour in (
        (-9, -17, "#ffffff"),
        (-2.5, -18.4, "#f8c8d4"),
        (4, -17.6, "#ffffff"),
        (10, -16.6, "#ffffff"),
        (-5.5, -15.2, "#ffffff"),
        (1.5, -14.8, "#f8c8d4"),
        (7.5, -15.2, "#fff4e4"),
    ):
        ball = scene.lit(colour) if scene.time == "day" else mix(scene.lit(colour), colour, 0.7)
        balls.append(
            '<circle cx="%s" cy="%s" r="3.1" fill="%s"/>'
            % (
                number_text(bx + rng.uniform(-0.3, 0.3)),
                number_text(by),
                scene.rad([lighten(ball, 0.5), ball, shade(ball, 0.78)], 0.4, 0.35, 0.7),
            )
        )
    parts.append("".join(balls))
    parts.append(
        # the bowl's body, its blue band and foot
        '<path d="M-19,-15 C-18,-5 -10,0 0,0 C10,0 18,-5 19,-15 C12,-11.6 -12,-11.6 -19,-15 Z" fill="%s"/>'
        '<path d="M-17.6,-10.4 C-10,-7.4 10,-7.4 17.6,-10.4" fill="none" stroke="%s" stroke-width="1.1"/>'
        '<path d="M-14,-6 C-7,-3.8 7,-3.8 14,-6" fill="none" stroke="%s" stroke-width="0.6" stroke-dasharray="1.6 1.2"/>'
        '<path d="M-7,0 L-6,1.8 L6,1.8 L7,0 Z" fill="%s"/>'
        # the spoon resting in the bowl
        '<path d="M8,-15 L22,-27" stroke="%s" stroke-width="2" stroke-linecap="round"/>'
        '<ellipse cx="6" cy="-14" rx="4" ry="2" fill="%s" transform="rotate(-40 6 -14)"/>'
        % (
            scene.lin([lighten(china, 0.3), china, shade(china, 0.78)], 0, 0, 1, 0),
            blue,
            blue,
            shade(china, 0.7),
            china,
            shade(china, 0.9),
        )
    )
    if steam:
        parts.append(
            '<path d="M-5,-22 C-8,-28 -2,-31 -5,-38 M3,-22 C0,-29 6,-32 3,-40" fill="none" stroke="#ffffff" '
            'stroke-width="1.4" stroke-linecap="round" opacity="0.35"/>'
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 40), "".join(parts)))
