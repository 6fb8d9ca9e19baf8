"""Boats, vehicles and flight: sailing boats and ships, carts and sledges, balloons, aircraft and rockets."""

import math

from .canvas import lighten, number_text, shade
from .registry import Colour, motif


@motif("rocket")
def rocket(scene, x: float, y: float, size: float = 50, angle: float = 0):
    """A space rocket climbing on a flame, turned by angle degrees."""
    scene.add(
        '<g transform="%s"><path d="M-6,6 C-5,14 0,22 0,26 C0,22 5,14 6,6 Z" fill="%s"/>'
        '<path d="M0,-30 C8,-22 8,-6 6,6 L-6,6 C-8,-6 -8,-22 0,-30 Z" fill="%s"/>'
        '<path d="M-6,-2 L-12,8 L-6,6 Z M6,-2 L12,8 L6,6 Z" fill="#c83a3a"/><circle cx="0" cy="-14" r="3" fill="#4a8ad0" stroke="#c8ccd8" stroke-width="1"/></g>'
        % (
            scene.at(x, y, size / 56, angle),
            scene.rad(["#fff8d0", "#ffb040", "#ff6020"], 0.5, 0.2, 0.8),
            scene.lin(["#ffffff", "#c8ccd8", "#8a90a0"], 0, 0, 1, 0),
        )
    )


@motif("boat")
def boat(
    scene, x: float, y: float, size: float = 30, sail: Colour = "ivory", hull: Colour = "#7a4a30"
):
    """A small sailing boat; y is the waterline."""
    sc, hc = scene.lit(sail), scene.lit(hull)
    scene.add(
        '<g transform="%s"><path d="M-16,-4 L16,-4 L11,2 L-11,2 Z" fill="%s"/><rect x="-0.6" y="-36" width="1.2" height="32" fill="%s"/>'
        '<path d="M1,-35 L15,-7 L1,-7 Z" fill="%s"/><path d="M-1,-30 L-12,-7 L-1,-7 Z" fill="%s"/>'
        '<path d="M-14,3 h28" stroke="#ffffff" stroke-width="0.6" opacity="0.4"/></g>'
        % (
            scene.at(x, y, size / 36),
            hc,
            shade(hc, 0.7),
            scene.lin([lighten(sc, 0.2), shade(sc, 0.85)], 0, 0, 1, 0),
            shade(sc, 0.85),
        )
    )


@motif("bicycle")
def bicycle(scene, x: float, y: float, size: float = 40, colour: Colour = "#2a8ad0"):
    """An old-fashioned safety bicycle seen from the side; y is where the wheels touch the ground."""
    colour = colour if scene.time == "day" else scene.lit(colour)
    tyre = scene.lit("#2a2a30") if scene.time == "day" else "#8a92b0"
    spokes = lambda cx: "".join(
        '<path d="M%s,-10 L%s,%s" />'
        % (
            number_text(cx),
            number_text(cx + 9 * math.cos(math.radians(angle))),
            number_text(-10 + 9 * math.sin(math.radians(angle))),
        )
        for angle in range(0, 360, 30)
    )
    scene.add(
        '<g transform="%s"><g fill="none" stroke="%s" stroke-width="1.6"><circle cx="-15" cy="-10" r="9.5"/><circle cx="15" cy="-10" r="9.5"/></g>'
        '<g stroke="%s" stroke-width="0.35" opacity="0.7">%s%s</g>'
        '<path d="M-15,-10 L-3,-10 L-7,-22 Z M-3,-10 L9,-22 L-7,-22 M15,-10 L10,-25 L7,-27 M-7,-22 L-8,-25" fill="none" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>'
        '<path d="M-11,-26 L-5,-26" stroke="%s" stroke-width="2" stroke-linecap="round"/><path d="M7,-27 L12,-28" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>'
        '<circle cx="-3" cy="-10" r="2" fill="none" stroke="%s" stroke-width="1"/></g>'
        % (
            scene.at(x, y, size / 40),
            tyre,
            tyre,
            spokes(-15),
            spokes(15),
            colour,
            scene.lit("#5a3a26"),
            tyre,
            colour,
        )
    )


@motif("balloon")
def hot_air_balloon(
    scene,
    x: float,
    y: float,
    size: float = 50,
    colour: Colour = "#e84a3a",
    colour2: Colour = "gold",
):
    """A hot-air balloon in gores of two colours with a basket below; y is the envelope's centre."""
    env = "M0,-22 C14,-22 20,-12 19,-2 C18,8 9,15 5,22 L-5,22 C-9,15 -18,8 -19,-2 C-20,-12 -14,-22 0,-22 Z"
    clip = scene.uid("b")
    scene.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, env))
    gores = "".join(
        '<path d="M0,-30 Q%s,0 %s,26 L%s,26 Q%s,0 0,-30 Z" fill="%s"/>'
        % (
            number_text(offset * 2),
            number_text(offset * 0.5),
            number_text((offset + 5) * 0.5),
            number_text((offset + 5) * 2),
            colour2,
        )
        for offset in (-15, -5, 5)
    )
    shade_ = scene.rad(
        [(0, "#ffffff", 0.35), (0.5, "#ffffff", 0), (1, "#000000", 0.35)], 0.35, 0.3, 0.8
    )
    scene.add(
        '<g transform="%s"><path d="%s" fill="%s"/><g clip-path="url(#%s)">%s<path d="%s" fill="%s"/></g>'
        '<path d="M-5,22 L-4,30 M5,22 L4,30" stroke="%s" stroke-width="0.6"/><rect x="-4.5" y="30" width="9" height="6" rx="1" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 58),
            env,
            colour,
            clip,
            gores,
            env,
            shade_,
            scene.lit("#5a4a40"),
            scene.lit("#a0703e"),
        )
    )


@motif("lander")
def lander(scene, x: float, y: float, size: float = 40):
    """A lunar lander on its four legs; y is the ground."""
    gold = scene.col("gold")
    scene.add(
        '<g transform="%s"><path d="M-10,-12 L-18,0 M10,-12 L18,0 M-6,-12 L-9,0 M6,-12 L9,0" stroke="#c8ccd8" stroke-width="1.2"/>'
        '<path d="M-21,0 h6 M15,0 h6" stroke="#c8ccd8" stroke-width="1.5"/>'
        '<path d="M-12,-20 L12,-20 L14,-12 L-14,-12 Z" fill="%s"/>'
        '<path d="M-9,-20 L-10,-30 L-4,-34 L6,-34 L10,-28 L9,-20 Z" fill="%s"/><path d="M-3,-31 L2,-31 L3,-27 L-2,-27 Z" fill="#1a1a2a"/>'
        '<path d="M6,-34 L7,-40 M7,-40 l3,-1" stroke="#c8ccd8" stroke-width="0.8" fill="none"/></g>'
        % (
            scene.at(x, y, size / 40),
            scene.lin([lighten(gold, 0.3), shade(gold, 0.6)], 0, 0, 1, 0),
            scene.lin(["#e8ecf4", "#9aa0b0"], 0, 0, 1, 0),
        )
    )


@motif("ship")
def ship(scene, x: float, y: float, size: float = 50, sail: Colour = "ivory", flip: int = 0):
    """A three-masted sailing ship; y is the waterline."""
    sc = scene.lit(sail)
    hull = scene.lit("#6a3e26")
    sails = []
    for mx, mh in ((-10, 34), (2, 42), (13, 30)):
        sails.append(
            '<rect x="%s" y="%s" width="1.2" height="%s" fill="%s"/>'
            % (number_text(mx - 0.6), number_text(-mh - 6), number_text(mh), shade(hull, 0.8))
        )
        for deck, (top, width) in enumerate(((-mh - 3, 6), (-mh * 0.62 - 4, 8))):
            sails.append(
                '<path d="M%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" fill="%s"/>'
                % (
                    number_text(mx - width),
                    number_text(top),
                    number_text(mx),
                    number_text(top + 2),
                    number_text(mx + width),
                    number_text(top),
                    number_text(mx + width),
                    number_text(top + mh * 0.32),
                    number_text(mx + 1.5),
                    number_text(top + mh * 0.36),
                    number_text(mx - width),
                    number_text(top + mh * 0.32),
                    scene.lin([lighten(sc, 0.2), shade(sc, 0.82)], 0, 0, 1, 0),
                )
            )
    scene.add(
        '<g transform="%s">%s<path d="M-24,-8 L24,-8 L28,-14 L30,-14 L22,2 L-20,2 L-26,-10 Z" fill="%s"/>'
        '<rect x="-22" y="-7" width="42" height="1.2" fill="%s"/><path d="M2,-48 l0,-3 l5,1.5 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, size / 50, 0, bool(flip)),
            "".join(sails),
            hull,
            scene.col("gold"),
            scene.col("red"),
        )
    )


@motif("waka")
def waka(scene, x: float, y: float, size: float = 60, colour: Colour = "#a0442a"):
    """A long carved canoe with paddlers; y is the waterline."""
    colour = scene.lit(colour)
    paddlers = "".join(
        '<circle cx="%s" cy="-9" r="1.6" fill="#1e1a24"/><path d="M%s,-7.5 v-0.5 M%s,-6 l-3,8" stroke="#1e1a24" stroke-width="1.2"/>'
        % (number_text(-20 + i * 8), number_text(-20 + i * 8), number_text(-20 + i * 8))
        for i in range(6)
    )
    scene.add(
        '<g transform="%s">%s<path d="M-30,-6 L30,-6 Q34,-8 36,-16 L38,-15 Q36,-4 30,0 L-28,0 Q-33,-2 -33,-8 Z" fill="%s"/>'
        '<path d="M-26,-4 L28,-4" stroke="#ffffff" stroke-width="0.6" stroke-dasharray="2 2" opacity="0.6"/></g>'
        % (
            scene.at(x, y, size / 70),
            paddlers,
            scene.lin([lighten(colour, 0.2), shade(colour, 0.7)]),
        )
    )


@motif("biplane")
def biplane(scene, x: float, y: float, size: float = 60, colour: Colour = "#e8dcc0"):
    """An early biplane with two long wings and a spinning propeller; (x, y) is its centre."""
    colour = scene.lit(colour) if scene.time != "day" else colour
    struts = "".join(
        '<path d="M%s,-6 L%s,4" />' % (number_text(px), number_text(px))
        for px in (-26, -14, 14, 26)
    )
    scene.add(
        '<g transform="%s"><rect x="-34" y="-8" width="68" height="3" rx="1.5" fill="%s"/><rect x="-34" y="3" width="68" height="3" rx="1.5" fill="%s"/>'
        '<g stroke="%s" stroke-width="0.8">%s</g><path d="M-4,-1 L-30,0 L-30,2 L-4,3 Z M-30,-4 L-36,-4 L-36,6 L-30,6 Z" fill="%s"/>'
        '<rect x="-3" y="-4" width="6" height="9" fill="%s"/><circle cx="-1" cy="-6.5" r="1.8" fill="#3a3030"/>'
        '<ellipse cx="6" cy="0.5" rx="1.2" ry="7" fill="#ffffff" opacity="0.5"/><path d="M-10,6 L-8,11 M10,6 L8,11" stroke="%s" stroke-width="0.8"/>'
        '<circle cx="-8" cy="11" r="1.6" fill="#3a3030"/><circle cx="8" cy="11" r="1.6" fill="#3a3030"/></g>'
        % (
            scene.at(x, y, size / 72, -6),
            colour,
            shade(colour, 0.9),
            scene.lit("#6a4a32"),
            struts,
            shade(colour, 0.85),
            scene.lit("#8a6a44"),
            scene.lit("#6a4a32"),
        )
    )


@motif("montgolfier")
def montgolfier(
    scene, x: float, y: float, size: float = 90, colour: Colour = "#2a4a9a", trim: Colour = "gold"
):
    """The tall early balloon, blue with gold garlands, a sheep, a duck and a rooster in its cage.

    y is the envelope's middle, size its whole height."""
    env = "M0,-34 C16,-34 23,-22 22,-8 C21,4 12,12 8,18 L-8,18 C-12,12 -21,4 -22,-8 C-23,-22 -16,-34 0,-34 Z"
    clip = scene.uid("m")
    scene.defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (clip, env))
    garland = " ".join("M%s,-20 q3,4 6,0" % number_text(gx) for gx in range(-24, 24, 6))
    dots = "".join(
        '<circle cx="%s" cy="-27" r="1" fill="%s"/>' % (number_text(dx), trim)
        for dx in range(-12, 13, 6)
    )
    ww = scene.lit("#c89a58")
    parts = [
        '<path d="%s" fill="%s"/>'
        % (env, scene.lin([lighten(colour, 0.2), colour, shade(colour, 0.7)], 0, 0, 1, 0)),
        '<g clip-path="url(#%s)"><rect x="-25" y="-6" width="50" height="3" fill="%s"/><rect x="-25" y="7" width="50" height="2" fill="%s"/>'
        '<path d="%s" stroke="%s" stroke-width="1.2" fill="none"/>%s'
        '<path d="%s" fill="%s"/></g>'
        % (
            clip,
            trim,
            trim,
            garland,
            trim,
            dots,
            env,
            scene.rad(
                [(0, "#ffffff", 0.3), (0.5, "#ffffff", 0), (1, "#000000", 0.3)], 0.35, 0.3, 0.8
            ),
        ),
        '<rect x="-8.5" y="17" width="17" height="3" rx="1" fill="%s"/>' % trim,
        '<path d="M-8,20 L-14,30 M8,20 L14,30 M-3,20 L-5,30 M3,20 L5,30" stroke="%s" stroke-width="0.6"/>'
        % scene.lit("#5a4a40"),
        # the passengers, heads over the rail: sheep, duck, rooster
        '<g transform="translate(0,30) scale(1.45) translate(0,-30)">'
        '<circle cx="-7.5" cy="29" r="2.4" fill="#f4f0e6"/><circle cx="-5" cy="28.4" r="2.4" fill="#f4f0e6"/><ellipse cx="-3.6" cy="29.4" rx="1.6" ry="2" fill="#3a3030"/>',
        '<circle cx="1.4" cy="28.6" r="1.9" fill="#f8f4ec"/><path d="M3,28.4 l2.4,0.6 l-2.4,0.8 Z" fill="#f0a030"/><circle cx="1.8" cy="28" r="0.45" fill="#1a1410"/>',
        '<circle cx="7.4" cy="28.4" r="1.9" fill="#c8742a"/><path d="M6,26.6 q0.6,-1.6 1.2,-0.4 q0.6,-1.4 1.2,-0.2 q0.8,-1 1,0.6 Z" fill="#e02a2a"/>'
        '<path d="M9.1,28.2 l1.8,0.5 l-1.8,0.6 Z" fill="#f0c040"/><path d="M8.2,29.6 q0.4,1.4 -0.4,1.6" stroke="#e02a2a" stroke-width="0.8" fill="none"/></g>',
        '<rect x="-14" y="30" width="28" height="9" rx="1" fill="%s"/><path d="M-14,32.8 h28 M-14,35.8 h28 M-7,30 v9 M0,30 v9 M7,30 v9" stroke="%s" stroke-width="0.6"/>'
        % (ww, shade(ww, 0.7)),
        '<rect x="-14.6" y="29.2" width="29.2" height="1.6" rx="0.8" fill="%s"/>' % shade(ww, 0.8),
    ]
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 72), "".join(parts)))


@motif("oxcart")
def oxcart(
    scene,
    x: float,
    y: float,
    size: float = 60,
    colour: Colour = "#2a2226",
    leaves: Colour = "#4a9a4a",
):
    """A court carriage on two great wheels, its roof hung with leaves, drawn by a black ox.

    y is the ground, size its whole length."""
    colour = scene.lit(colour)
    gold = scene.col("gold")
    lc = scene.lit(leaves)
    ox = scene.lit("#3a3034")
    leaf = "".join(
        '<path transform="translate(%s,%s) rotate(%s)" d="M0,0 C-2.4,-2 -2.4,-4.6 0,-3.6 C2.4,-4.6 2.4,-2 0,0 Z" fill="%s"/>'
        % (number_text(lx), number_text(ly), number_text(rot), lc)
        for lx, ly, rot in (
            (-14, -30, 180),
            (-8, -31, 170),
            (-2, -31, 190),
            (4, -31, 180),
            (10, -30, 200),
            (-17, -24, 160),
            (13, -24, 200),
        )
    )
    parts = [
        '<path d="M-18,-28 L-14,-34 L14,-34 L18,-28 Z" fill="%s"/>' % shade(colour, 1.3),
        '<rect x="-16" y="-28" width="32" height="16" fill="%s"/>'
        % scene.lin([lighten(colour, 0.2), colour], 0, 0, 1, 0),
        '<rect x="-12" y="-25" width="10" height="9" fill="%s"/><rect x="2" y="-25" width="10" height="9" fill="%s"/>'
        % (scene.lit("#c8a060"), scene.lit("#c8a060")),
        '<path d="M-12,-20.5 h10 M2,-20.5 h10 M-7,-25 v9 M7,-25 v9" stroke="%s" stroke-width="0.5"/>'
        % shade(colour, 0.8),
        leaf,
        '<path d="M16,-14 L44,-16" stroke="%s" stroke-width="1.4"/>' % scene.lit("#6a4a2a"),
        '<circle cx="-4" cy="-10" r="10" fill="none" stroke="%s" stroke-width="2"/><circle cx="-4" cy="-10" r="1.6" fill="%s"/>'
        % (shade(colour, 1.4), gold),
        '<path d="M-4,-20 V0 M-14,-10 H6 M-11,-17 L3,-3 M3,-17 L-11,-3" stroke="%s" stroke-width="0.7"/>'
        % shade(colour, 1.4),
        '<path d="M38,-20 C40,-24 52,-24 56,-20 L60,-22 L63,-20 L62,-15 L58,-15 L56,-13 L56,0 L54,0 L53,-11 L44,-11 L43,0 L41,0 L40,-12 C38,-13 37,-16 38,-20 Z" fill="%s"/>'
        % ox,
        '<path d="M58,-22 q1,-3 4,-3 M60,-22 q2,-1 3,-4" stroke="%s" stroke-width="0.8" fill="none"/>'
        % scene.lit("#e8e0c8"),
        '<path d="M42,-21 Q48,-25 54,-21" stroke="%s" stroke-width="1.6" fill="none"/>'
        % scene.col("red"),
    ]
    scene.add('<g transform="%s">%s</g>' % (scene.at(x - size * 0.2, y, size / 80), "".join(parts)))


@motif("sledge")
def sledge(scene, x: float, y: float, size: float = 40, dogs: int = 3):
    """A loaded polar sledge and a few dogs in harness, seen from the side, heading left."""
    wood = scene.lit("#8a5a30")
    load = scene.lit("#a89a80")
    dog = scene.lit("#5a5048")
    parts = [
        '<path d="M-2,0 H40 Q44,0 44,-3" stroke="%s" stroke-width="1.2" fill="none"/><path d="M4,-1 v-4 M18,-1 v-4 M32,-1 v-4" stroke="%s" stroke-width="1"/>'
        % (wood, wood),
        '<rect x="2" y="-11" width="34" height="6" rx="1.5" fill="%s"/><path d="M8,-11 v6 M20,-11 v6 M30,-11 v6" stroke="%s" stroke-width="0.6"/>'
        % (load, shade(load, 0.7)),
        '<path d="M-2,-4 L%s,-6" stroke="%s" stroke-width="0.5"/>'
        % (number_text(-12 * dogs - 2), scene.lit("#3a3030")),
    ]
    for i in range(dogs):
        dx = -8 - i * 12
        parts.append(
            '<path d="M%s,-6 C%s,-8 %s,-8 %s,-6 L%s,-9 L%s,-8 L%s,-6 L%s,0 M%s,-6 L%s,0 M%s,-5.6 L%s,0 M%s,-5.6 L%s,0 M%s,-6.4 q3,-1 3,-4" '
            'stroke="%s" stroke-width="1.6" fill="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            % (
                number_text(dx + 4),
                number_text(dx + 2),
                number_text(dx - 3),
                number_text(dx - 4),
                number_text(dx - 5.6),
                number_text(dx - 7),
                number_text(dx - 5),
                number_text(dx - 5.2),
                number_text(dx - 3.6),
                number_text(dx - 2.6),
                number_text(dx + 2),
                number_text(dx + 2.8),
                number_text(dx + 3.6),
                number_text(dx + 4.4),
                number_text(dx + 4),
                dog,
                dog,
            )
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, size / 40), "".join(parts)))
