"""People: silhouettes, dancers and figures with faces."""

import random

from .canvas import lighten, mix, number_text, shade
from .registry import Colour, Colours, motif


@motif("figure")
def figure(
    scene, x: float, y: float, height: float = 30, colour: Colour = "#2a2430", pose: str = "stand"
):
    """A simple silhouette of a person (stand, wave, walk)."""
    colour = colour if scene.time != "day" else scene.lit(colour)
    arms = {
        "stand": "M-4,-19 L-6,-9 M4,-19 L6,-9",
        "wave": "M-4,-19 L-6,-9 M4,-19 L9,-29",
        "walk": "M-4,-19 L-7,-11 M4,-19 L7,-12",
    }.get(pose, "M-4,-19 L-6,-9 M4,-19 L6,-9")
    legs = "M-2,-10 L-3,0 M2,-10 L3,0" if pose != "walk" else "M-2,-10 L-5,0 M2,-10 L5,0"
    scene.add(
        '<g transform="%s" stroke="%s" stroke-linecap="round" fill="%s"><circle cx="0" cy="-26" r="3.2" stroke="none"/>'
        '<path d="M-4,-21 Q0,-23 4,-21 L3,-10 L-3,-10 Z" stroke="none"/><path d="%s" stroke-width="2.2" fill="none"/>'
        '<path d="%s" stroke-width="2.4" fill="none"/></g>'
        % (scene.at(x, y, height / 30), colour, colour, arms, legs)
    )


@motif("dancers")
def dancers(scene, y: float = 4, count: int = 4, height: float = 22, colour: Colour = "#2a2430"):
    """A row of silhouetted people dancing across the foreground, walking and waving in turn."""
    for i in range(count):
        figure(
            scene,
            scene.width * (i + 0.5) / count,
            y,
            height * (0.9 + 0.1 * (i % 2)),
            colour,
            "wave" if i % 2 else "walk",
        )


@motif("king")
def king(
    scene,
    x: float,
    y: float,
    height: float = 30,
    robe: Colour = "crimson",
    crown: Colour = "gold",
    gift: int = 1,
):
    """A walking figure in a long robe, crowned, carrying a gift."""
    skin = "#e0b890" if scene.time == "day" else "#8a7068"
    robe_p = scene.lin([lighten(robe, 0.2), shade(robe, 0.65)])
    parts = [
        '<path d="M-6,0 L-4,-20 Q0,-23 4,-20 L7,0 Z" fill="%s"/>' % robe_p,
        '<circle cx="0" cy="-24.5" r="3.4" fill="%s"/>' % skin,
        '<path d="M-3.4,-27 L-3.4,-31 L-1.7,-29 L0,-32 L1.7,-29 L3.4,-31 L3.4,-27 Z" fill="%s"/>'
        % crown,
        '<path d="M3,-18 L8,-13" stroke="%s" stroke-width="2" stroke-linecap="round"/>'
        % shade(robe, 0.8),
    ]
    if gift:
        parts.append(
            '<rect x="7" y="-16" width="5" height="5" rx="1" fill="%s"/><path d="M7,-13.5 h5" stroke="#ffffff" stroke-width="0.6"/>'
            % crown
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, height / 32), "".join(parts)))


def _flame(scene, x, y, scale=1.0, glow=1):
    """A small candle flame with its halo at (x, y) in local units (drawn by the caller's group)."""
    halo = (
        '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
        % (number_text(x), number_text(y), number_text(5 * scale), scene.glow("#ffd070", 0.7))
        if glow
        else ""
    )
    return halo + (
        '<path d="M%s,%s q%s,%s 0,%s q%s,%s 0,%s Z" fill="#ffd860"/><circle cx="%s" cy="%s" r="%s" fill="#fff8d8"/>'
        % (
            number_text(x),
            number_text(y + 1.2 * scale),
            number_text(-1.2 * scale),
            number_text(-1.4 * scale),
            number_text(-3 * scale),
            number_text(1.2 * scale),
            number_text(1.6 * scale),
            number_text(3 * scale),
            number_text(x),
            number_text(y + 0.4 * scale),
            number_text(0.45 * scale),
        )
    )


@motif("person")
def person(
    scene,
    x: float,
    y: float,
    height: float = 50,
    robe: Colour = "#3a4a6a",
    skin: Colour = "#f0c8a8",
    hair: Colour = "#5a3a24",
    view: str = "front",
    hat: str = "none",
    hold: str = "none",
    sash: Colour = None,
    cape: Colour = None,
    beard: int = 0,
    back: Colour = None,
    legs: Colour = "#2a2a38",
    glow: int = 0,
    flip: int = 0,
):
    """A person with a face, in a long robe seen from the front or walking seen from the side.

    view: front (a girl's gown, a bishop's vestments) or side (legs, coat, something stuck on the
    back). hat: none, candles, mitre, wreath (of flowers); hold: none, candle, crozier, point; back: a colour for a
    paper fish on the back (side view). glow=1 keeps the colours as if lit by the person's own
    candles."""
    col = scene.col if glow else scene.lit
    rc, sk, hc = col(robe), col(skin), col(hair)
    dk = "#2a2028"
    parts = []
    if view == "side":
        lc = col(legs)
        parts.append(
            '<path d="M-1,-42 L-6,-29" stroke="%s" stroke-width="2.8" stroke-linecap="round"/>'
            % shade(rc, 0.7)
        )
        parts.append(
            '<path d="M-0.5,-24 L-3,-13 L-6.5,-1.5 M0.5,-24 L3.5,-13 L5,-1.5" stroke="%s" stroke-width="3.4" fill="none" stroke-linecap="round" stroke-linejoin="round"/>'
            % lc
        )
        parts.append(
            '<path d="M-9,-0.2 C-9,-2.4 -4,-3 -4.2,-0.2 Z M3.4,-0.2 C3.4,-3 8.4,-2.4 8.4,-0.2 Z" fill="%s"/>'
            % dk
        )
        parts.append(
            '<path d="M-5,-44 C-7,-37 -7.5,-28 -6.5,-21 L6,-21 C6.5,-29 6.5,-38 4.5,-44 Q0,-46.5 -5,-44 Z" fill="%s"/>'
            % scene.lin([lighten(rc, 0.15), rc, shade(rc, 0.75)], 0, 0, 1, 0)
        )
        if back:
            fc = back
            parts.append(
                '<g transform="translate(-6.6,-34) rotate(-8)"><path d="M0,-6 C3,-3 3,3 0,5.5 C-3,3 -3,-3 0,-6 Z M0,5 L-2.6,8.5 L2.6,8.5 Z" fill="%s" stroke="%s" stroke-width="0.4"/>'
                '<circle cx="0.6" cy="-3" r="0.6" fill="%s"/><path d="M-1.6,0 Q0,1 1.6,0 M-1.6,2 Q0,3 1.6,2" stroke="%s" stroke-width="0.4" fill="none"/>'
                '<rect x="-2.4" y="-7.2" width="4.8" height="1.6" fill="#f4f0e0" opacity="0.9" transform="rotate(10)"/></g>'
                % (fc, shade(fc, 0.6), dk, shade(fc, 0.6))
            )
        arm = "M1,-42 L8,-40" if hold == "point" else "M1,-42 L6,-29"
        parts.append(
            '<path d="%s" stroke="%s" stroke-width="2.8" stroke-linecap="round"/>' % (arm, rc)
        )
        hx, hy = (9, -40) if hold == "point" else (6.4, -28)
        parts.append(
            '<circle cx="%s" cy="%s" r="1.5" fill="%s"/>' % (number_text(hx), number_text(hy), sk)
        )
        parts.append('<rect x="-1.4" y="-47.5" width="3" height="4" fill="%s"/>' % shade(sk, 0.9))
        parts.append(
            '<circle cx="0.6" cy="-51" r="5.2" fill="%s"/>'
            % scene.rad([lighten(sk, 0.2), sk, shade(sk, 0.85)], 0.6, 0.4, 0.7)
        )
        parts.append('<path d="M5.5,-51 l1.3,1.6 l-1.5,0.4 Z" fill="%s"/>' % sk)
        parts.append(
            '<path d="M-4.8,-49.5 C-6.4,-56 0,-58.4 4.8,-54.4 C2.6,-54.4 0,-53.6 -1.2,-51 C-1.8,-49 -2.8,-47.4 -4.8,-49.5 Z" fill="%s"/>'
            % hc
        )
        parts.append(
            '<circle cx="3.2" cy="-51.4" r="0.65" fill="%s"/><path d="M3,-47.8 Q4,-47.2 4.8,-47.9" stroke="%s" stroke-width="0.5" fill="none"/>'
            % (dk, shade(sk, 0.6))
        )
    else:
        if hold == "crozier":
            parts.append(
                '<path d="M11,0 L11,-62 C11,-68.5 18.5,-68.5 18.5,-63 C18.5,-60 15.5,-60 15.5,-62.5" stroke="%s" stroke-width="1.5" fill="none" stroke-linecap="round"/>'
                % scene.col("gold")
            )
        parts.append(
            '<ellipse cx="-4" cy="-0.4" rx="3" ry="1.3" fill="%s"/><ellipse cx="4" cy="-0.4" rx="3" ry="1.3" fill="%s"/>'
            % (dk, dk)
        )
        parts.append(
            '<path d="M-7,-44 C-9,-30 -12,-12 -13,-1 Q0,1 13,-1 C12,-12 9,-30 7,-44 Q0,-46.5 -7,-44 Z" fill="%s"/>'
            % scene.lin([lighten(rc, 0.2), rc, shade(rc, 0.8)], 0, 0, 1, 0)
        )
        parts.append(
            '<path d="M-3,-30 L-5.5,-2 M3,-30 L5.5,-2 M0,-28 L0,-1" stroke="%s" stroke-width="0.5" fill="none" opacity="0.6"/>'
            % shade(rc, 0.75)
        )
        if cape:
            cc = col(cape)
            parts.append(
                '<path d="M-7.6,-44 C-11,-30 -13,-14 -13.4,-5 L-6,-5 C-5,-20 -3,-36 0,-44 C3,-36 5,-20 6,-5 L13.4,-5 C13,-14 11,-30 7.6,-44 Q0,-47 -7.6,-44 Z" fill="%s" stroke="%s" stroke-width="0.8"/>'
                % (
                    scene.lin([lighten(cc, 0.15), cc, shade(cc, 0.7)], 0, 0, 1, 0),
                    scene.col("gold"),
                )
            )
        if sash:
            parts.append(
                '<path d="M-9.4,-29.5 Q0,-27.5 9.4,-29.5 L9.8,-26.5 Q0,-24.5 -9.8,-26.5 Z" fill="%s"/>'
                % col(sash)
            )
        if hold in ("candle", "none"):
            for sgn in (-1, 1):
                if hold == "candle":
                    outline = "M%s,-44 C%s,-40 %s,-33 %s,-31 L%s,-34 C%s,-35 %s,-39 %s,-42 Z" % (
                        number_text(7 * sgn),
                        number_text(11 * sgn),
                        number_text(10 * sgn),
                        number_text(3 * sgn),
                        number_text(2 * sgn),
                        number_text(6 * sgn),
                        number_text(6.5 * sgn),
                        number_text(5 * sgn),
                    )
                else:
                    outline = "M%s,-44 C%s,-38 %s,-30 %s,-24 L%s,-24 C%s,-30 %s,-36 %s,-41 Z" % (
                        number_text(7 * sgn),
                        number_text(10 * sgn),
                        number_text(11 * sgn),
                        number_text(11 * sgn),
                        number_text(8.5 * sgn),
                        number_text(8.5 * sgn),
                        number_text(7.5 * sgn),
                        number_text(5 * sgn),
                    )
                parts.append('<path d="%s" fill="%s"/>' % (outline, shade(rc, 0.9)))
            hands = (
                ((-1.8, -32.5), (1.8, -32.5)) if hold == "candle" else ((-9.8, -23.5), (9.8, -23.5))
            )
        else:
            parts.append(
                '<path d="M-7,-44 C-10,-38 -11,-30 -11,-24 L-8.5,-24 C-8.5,-30 -7.5,-36 -5,-41 Z M7,-44 C10,-42 11,-38 11,-33 L8.6,-33 C8.6,-37 7.6,-39 5,-41 Z" fill="%s"/>'
                % shade(cape and col(cape) or rc, 0.9)
            )
            hands = ((-9.8, -23.5), (10.6, -33))
        for hx, hy in hands:
            parts.append(
                '<circle cx="%s" cy="%s" r="1.6" fill="%s"/>'
                % (number_text(hx), number_text(hy), sk)
            )
        if hold == "candle":
            parts.append(
                '<rect x="-0.9" y="-40" width="1.8" height="7.5" fill="#f8f2e0"/>'
                + _flame(scene, 0, -41.5, 1.1)
            )
        parts.append('<rect x="-1.6" y="-47" width="3.2" height="4" fill="%s"/>' % shade(sk, 0.9))
        parts.append(
            '<path d="M-5.8,-52 C-7.5,-48 -8,-45 -8.8,-42.4 L-5,-43.2 L-4,-47 Z M5.8,-52 C7.5,-48 8,-45 8.8,-42.4 L5,-43.2 L4,-47 Z" fill="%s"/>'
            % hc
        )
        parts.append(
            '<circle cx="0" cy="-51" r="5.5" fill="%s"/>'
            % scene.rad([lighten(sk, 0.2), sk, shade(sk, 0.85)], 0.45, 0.4, 0.7)
        )
        parts.append(
            '<path d="M-5.6,-51.5 C-6,-57.6 6,-57.6 5.6,-51.5 C3,-54.6 -3,-54.6 -5.6,-51.5 Z" fill="%s"/>'
            % hc
        )
        parts.append(
            '<circle cx="-2" cy="-50.6" r="0.6" fill="%s"/><circle cx="2" cy="-50.6" r="0.6" fill="%s"/>'
            % (dk, dk)
        )
        parts.append(
            '<circle cx="-3.2" cy="-48.8" r="1" fill="#f08080" opacity="0.35"/><circle cx="3.2" cy="-48.8" r="1" fill="#f08080" opacity="0.35"/>'
        )
        if beard:
            bc = col("#f4f0ea")
            parts.append(
                '<path d="M-5.2,-50 C-5.4,-44 -2.4,-40.4 0,-40 C2.4,-40.4 5.4,-44 5.2,-50 C3.4,-47.2 -3.4,-47.2 -5.2,-50 Z" fill="%s"/>'
                '<path d="M-2.6,-48.4 Q0,-49.4 2.6,-48.4 Q0,-47.6 -2.6,-48.4 Z" fill="%s"/>'
                % (bc, shade(bc, 0.9))
            )
        else:
            parts.append(
                '<path d="M-1.2,-48.2 Q0,-47.3 1.2,-48.2" stroke="%s" stroke-width="0.5" fill="none"/>'
                % shade(sk, 0.6)
            )
        if hat == "candles":
            parts.append(
                '<ellipse cx="0" cy="-56.4" rx="6.4" ry="1.7" fill="%s"/>' % col("#3a7a48")
            )
            parts.append(
                "".join(
                    '<circle cx="%s" cy="-56" r="0.55" fill="#e03040"/>' % number_text(bx)
                    for bx in (-5, -1.2, 3.4)
                )
            )
            for cx_, ch in ((-4.6, 4.6), (-2.3, 5.4), (0, 6), (2.3, 5.4), (4.6, 4.6)):
                parts.append(
                    '<rect x="%s" y="%s" width="1.2" height="%s" fill="#fbf6e8"/>'
                    % (number_text(cx_ - 0.6), number_text(-56.6 - ch), number_text(ch))
                )
                parts.append(_flame(scene, cx_, -58 - ch, 0.8, glow=1))
        elif hat == "wreath":
            parts.append(
                '<ellipse cx="0" cy="-55.6" rx="6.2" ry="1.8" fill="none" stroke="%s" stroke-width="1.6"/>'
                % col("#4a8a3a")
            )
            parts.append(
                "".join(
                    '<circle cx="%s" cy="%s" r="0.9" fill="%s"/>'
                    % (number_text(bx), number_text(by), flower)
                    for bx, by, flower in (
                        (-5.4, -55.2, "#f4f0ff"),
                        (-2.6, -54, "#f0d040"),
                        (0.4, -53.8, "#e04a6a"),
                        (3.2, -54.2, "#f4f0ff"),
                        (5.6, -55.4, "#9a7ad8"),
                        (-1, -57.4, "#f0d040"),
                        (2.4, -57.4, "#f4f0ff"),
                    )
                )
            )
        elif hat == "mitre":
            parts.append(
                '<path d="M-5.4,-54.6 L-6.4,-61 Q-3,-65.5 0,-70 Q3,-65.5 6.4,-61 L5.4,-54.6 Z" fill="%s"/>'
                '<path d="M0,-70 L0,-54.6 M-5.8,-56 L5.8,-56" stroke="%s" stroke-width="1.2"/><path d="M0,-66 v4.4 M-1.7,-64 h3.4" stroke="%s" stroke-width="0.8"/>'
                % (
                    scene.lin([col("#fbf8f0"), col("#e0d6c0")]),
                    scene.col("gold"),
                    scene.col("crimson"),
                )
            )
    scene.add(
        '<g transform="%s">%s</g>' % (scene.at(x, y, height / 60, 0, bool(flip)), "".join(parts))
    )


@motif("crowd")
def crowd(
    scene,
    y: float = 0,
    rows: int = 3,
    height: float = 16,
    colour: Colour = "#1e1a28",
    flags: Colours = None,
    caps: Colour = None,
    lights: int = 0,
):
    """A packed crowd seen from behind: rows of heads and shoulders, hats and waving arms.

    Some raise an arm, with a little flag when flags names colours, or a small flame when
    lights=1; caps=colour puts caps of that colour on some heads. y is the bottom of the nearest
    row, height the height of a person in it (the rows behind are smaller and paler)."""
    rng = random.Random(scene.code * 107 + rows)
    for row in range(rows - 1, -1, -1):
        scale = height / 16 * (1 - 0.16 * row)
        base = y + row * height * 0.42
        tone = scene.lit(colour) if scene.time == "day" else colour
        tone = mix(tone, scene.run("sky.%s.%s" % (scene.time, scene.season))[-1], 0.12 * row)
        parts = []
        px = rng.uniform(-4, 2)
        while px < scene.width + 6:
            top = 10.5 + rng.uniform(-1.2, 1.2)
            if rng.random() < 0.3:
                arm_x = rng.choice((-1, 1)) * 3.4
                parts.append(
                    '<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
                    % (
                        number_text(px + arm_x * scale),
                        number_text(scene.svg_y(base + 6.5 * scale)),
                        number_text(px + arm_x * 1.6 * scale),
                        number_text(scene.svg_y(base + (top + 4.5) * scale)),
                        tone,
                        number_text(1.5 * scale),
                    )
                )
                if lights:
                    fx = px + arm_x * 1.6 * scale
                    fy = scene.svg_y(base + (top + 5.6) * scale)
                    parts.append(
                        '<circle cx="%s" cy="%s" r="%s" fill="%s"/><path d="M%s,%s q%s,%s 0,%s q%s,%s 0,%s Z" fill="#ffe080"/>'
                        % (
                            number_text(fx),
                            number_text(fy),
                            number_text(4 * scale),
                            scene.glow("#ffb040", 0.5),
                            number_text(fx),
                            number_text(fy + 1.2 * scale),
                            number_text(-1.2 * scale),
                            number_text(-1.2 * scale),
                            number_text(-2.6 * scale),
                            number_text(1.2 * scale),
                            number_text(1.4 * scale),
                            number_text(2.6 * scale),
                        )
                    )
                elif flags and rng.random() < 0.75:
                    fx = px + arm_x * 1.6 * scale
                    fy = scene.svg_y(base + (top + 4.5) * scale)
                    parts.append(
                        '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>'
                        % (
                            number_text(fx - (3.6 * scale if arm_x < 0 else 0)),
                            number_text(fy - 0.6 * scale),
                            number_text(3.6 * scale),
                            number_text(2.4 * scale),
                            rng.choice(flags),
                        )
                    )
            parts.append(
                '<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="%s"/>'
                % tuple(
                    [
                        number_text(v)
                        for v in (
                            px - 5 * scale,
                            scene.svg_y(base),
                            px - 5 * scale,
                            scene.svg_y(base + 7.5 * scale),
                            px - 3 * scale,
                            scene.svg_y(base + 8.6 * scale),
                            px,
                            scene.svg_y(base + 8.6 * scale),
                            px + 3 * scale,
                            scene.svg_y(base + 8.6 * scale),
                            px + 5 * scale,
                            scene.svg_y(base + 7.5 * scale),
                            px + 5 * scale,
                            scene.svg_y(base),
                        )
                    ]
                    + [tone]
                )
            )
            parts.append(
                '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                % (
                    number_text(px),
                    number_text(scene.svg_y(base + top * scale)),
                    number_text(2.3 * scale),
                    tone,
                )
            )
            if caps and rng.random() < 0.4:
                parts.append(
                    '<path d="M%s,%s a%s,%s 0 0 1 %s,0 Z" fill="%s"/><path d="M%s,%s h%s" stroke="#1a1a22" stroke-width="%s"/>'
                    % (
                        number_text(px - 2.5 * scale),
                        number_text(scene.svg_y(base + (top + 0.8) * scale)),
                        number_text(2.5 * scale),
                        number_text(2.2 * scale),
                        number_text(5 * scale),
                        scene.lit(caps),
                        number_text(px - 2.7 * scale),
                        number_text(scene.svg_y(base + (top + 0.6) * scale)),
                        number_text(5.4 * scale),
                        number_text(0.7 * scale),
                    )
                )
            elif rng.random() < 0.25:
                parts.append(
                    '<path d="M%s,%s h%s" stroke="%s" stroke-width="%s"/>'
                    % (
                        number_text(px - 3.3 * scale),
                        number_text(scene.svg_y(base + (top + 1.2) * scale)),
                        number_text(6.6 * scale),
                        tone,
                        number_text(1.1 * scale),
                    )
                )
            px += rng.uniform(6.5, 9) * scale
        scene.add("".join(parts))
