"""Sky and weather: the background sky, sun, moon and stars, clouds, rain and snow, lights in the sky."""

import math
import random

from .canvas import lighten, mix, number_text, polyline, shade, smooth_path
from .registry import Colour, motif


@motif("sky")
def sky(scene, time: str = "day", season: str = None, horizon: float = None, stars: int = None):
    """The background: a sky graded from the top of the picture to the horizon, for a time of day."""
    scene.time = time
    if season:
        scene.season = season
    if horizon is not None:
        scene.horizon = horizon
    name = "sky.%s.%s" % (time, scene.season) if time != "storm" else "sky.storm"
    colours = scene.run(name)
    paint = scene.lin(colours, 0, 0, 0, scene.svg_y(scene.horizon) + 6, user=True)
    scene.add(
        '<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (scene.width, scene.height, paint)
    )
    if stars is None:
        stars = 40 if time == "night" else 0
    if stars:
        star_field(scene, stars)


@motif("stars")
def star_field(scene, count: int = 40, low: float = None, bright: int = None):
    """Scattered stars above the horizon; a few bright ones get a soft cross."""
    rng = random.Random(scene.code * 31 + count)
    if low is None:
        low = scene.horizon + 12
    if bright is None:
        bright = max(2, count // 12)
    tints = ["#ffffff", "#fff4d8", "#dce8ff", "#ffffff", "#f8f0ff"]
    parts = []
    for i in range(count):
        x = rng.uniform(3, scene.width - 3)
        y = rng.uniform(low, scene.height - 2)
        radius = rng.choice((0.45, 0.55, 0.65, 0.8, 0.95))
        colour = rng.choice(tints)
        op = rng.uniform(0.55, 1.0)
        parts.append(
            '<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s"/>'
            % (
                number_text(x),
                number_text(scene.svg_y(y)),
                number_text(radius),
                colour,
                number_text(op),
            )
        )
    for i in range(bright):
        x = rng.uniform(8, scene.width - 8)
        y = rng.uniform(low + 10, scene.height - 8)
        parts.append(sparkle_svg(scene, x, scene.svg_y(y), rng.uniform(2.5, 4.0), "#ffffff"))
    scene.add("".join(parts))


def sparkle_svg(scene, x, y, radius, colour):
    """A four-pointed twinkle at SVG coordinates."""
    glow_paint = scene.glow(colour, 0.5)
    width = radius * 0.22
    outline = "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
        number_text(x),
        number_text(y - radius),
        number_text(x + width),
        number_text(y - width),
        number_text(x + radius),
        number_text(y),
        number_text(x + width),
        number_text(y + width),
        number_text(x),
        number_text(y + radius),
        number_text(x - width),
        number_text(y + width),
        number_text(x - radius),
        number_text(y),
        number_text(x - width),
        number_text(y - width),
    )
    return '<circle cx="%s" cy="%s" r="%s" fill="%s"/><path d="%s" fill="%s"/>' % (
        number_text(x),
        number_text(y),
        number_text(radius * 1.2),
        glow_paint,
        outline,
        colour,
    )


@motif("sparkle")
def sparkle(scene, x: float, y: float, radius: float = 3, colour: Colour = "white"):
    """A four-pointed twinkle of light in a soft glow; (x, y) is its centre."""
    scene.add(sparkle_svg(scene, x, scene.svg_y(y), radius, colour))


@motif("milkyway")
def milky_way(scene, angle: float = -35, y: float = None):
    """A faint band of light across the night sky."""
    if y is None:
        y = scene.height * 0.62
    glow_paint = scene.rad([(0, "#c8c8f0", 0.28), (0.5, "#8a8ac8", 0.12), (1, "#5050a0", 0)])
    scene.add(
        '<g transform="%s"><ellipse cx="0" cy="0" rx="%s" ry="16" fill="%s"/></g>'
        % (scene.at(scene.width / 2, y, 1, angle), number_text(scene.width * 0.9), glow_paint)
    )
    rng = random.Random(scene.code * 13)
    dots = []
    for i in range(60):
        along = rng.uniform(-1, 1)
        off = rng.gauss(0, 5)
        tilt = math.radians(angle)
        px = scene.width / 2 + along * scene.width * 0.8 * math.cos(tilt) - off * math.sin(tilt)
        py = scene.svg_y(y) + along * scene.width * 0.8 * math.sin(tilt) + off * math.cos(tilt)
        dots.append(
            '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="%s"/>'
            % (
                number_text(px),
                number_text(py),
                number_text(rng.uniform(0.3, 0.6)),
                number_text(rng.uniform(0.3, 0.8)),
            )
        )
    scene.add("".join(dots))


@motif("aurora")
def aurora(scene, y: float = None, colour: Colour = "#5af0a8", colour2: Colour = "#8a7af0"):
    """Curtains of northern light."""
    if y is None:
        y = scene.height * 0.55
    for i, (dy, curtain, opacity) in enumerate(
        ((0, colour, 0.55), (14, colour2, 0.35), (-10, colour, 0.3))
    ):
        pts = []
        for step in range(7):
            px = -10 + step * (scene.width + 20) / 6
            py = scene.svg_y(y + dy + 10 * math.sin(step * 1.3 + i))
            pts.append((px, py))
        top = smooth_path(pts)
        paint = scene.lin([(0, curtain, 0), (0.55, curtain, opacity), (1, curtain, 0)])
        scene.add(
            '<path d="%s l0,34 L-10,%s Z" fill="%s" transform="translate(0,-20)"/>'
            % (top, number_text(pts[0][1] + 34), paint)
        )


@motif("sun")
def sun(
    scene,
    x: float,
    y: float,
    radius: float = 12,
    colour: Colour = "sun",
    glow: float = 1,
    rays: int = 0,
):
    """The sun: a warm disc in a wide soft glow, optionally with short rays."""
    scene.sun_at = (x, y)
    parts = []
    if glow:
        parts.append(
            '<circle cx="0" cy="0" r="%s" fill="%s"/>'
            % (number_text(radius * 3.2 * glow), scene.glow(colour, 0.5))
        )
    if rays:
        for i in range(rays):
            angle = i * 360 / rays
            parts.append(
                '<path d="M%s,-1.4 L%s,0 L%s,1.4 Z" fill="%s" opacity="0.85" transform="rotate(%s)"/>'
                % (
                    number_text(radius * 1.25),
                    number_text(radius * 1.9),
                    number_text(radius * 1.25),
                    colour,
                    number_text(angle),
                )
            )
    disc = scene.rad(["#fffbe8", colour, mix(colour, "#f08030", 0.35)], 0.42, 0.38, 0.62)
    parts.append('<circle cx="0" cy="0" r="%s" fill="%s"/>' % (number_text(radius), disc))
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y), "".join(parts)))


@motif("moon")
def moon(scene, x: float, y: float, radius: float = 10, phase: str = "full", glow: float = 1):
    """The moon. phase: new, crescent, quarter, gibbous, full, or waning-crescent etc., or 0..1 (0.5 full)."""
    names = {
        "new": 0.0,
        "crescent": 0.14,
        "quarter": 0.25,
        "first-quarter": 0.25,
        "gibbous": 0.38,
        "full": 0.5,
        "waning-gibbous": 0.62,
        "last-quarter": 0.75,
        "waning": 0.86,
        "waning-crescent": 0.86,
        "old": 0.9,
    }
    fraction = names[phase] if phase in names else float(phase)
    parts = []
    light = scene.col("moonlight")
    if glow:
        parts.append(
            '<circle cx="0" cy="0" r="%s" fill="%s"/>'
            % (number_text(radius * 2.6), scene.glow("#c8d4ff", 0.35 * glow))
        )
    parts.append(
        '<circle cx="0" cy="0" r="%s" fill="#2a3352" opacity="0.65"/>' % number_text(radius)
    )
    waxing = fraction <= 0.5
    fullness = fraction if waxing else 1 - fraction  # 0 new .. 0.5 full
    rx = radius * abs(math.cos(2 * math.pi * fullness))
    fill = scene.rad(["#fffdf2", light, "#d8d0b8"], 0.4, 0.4, 0.7)
    if fullness >= 0.499:
        lit = '<circle cx="0" cy="0" r="%s" fill="%s"/>' % (number_text(radius), fill)
    elif fullness > 0.001:
        sweep = 0 if fullness < 0.25 else 1
        outline = "M0,%s A%s,%s 0 0 1 0,%s A%s,%s 0 0 %d 0,%s Z" % (
            number_text(-radius),
            number_text(radius),
            number_text(radius),
            number_text(radius),
            number_text(max(rx, 0.01)),
            number_text(radius),
            sweep,
            number_text(-radius),
        )
        lit = '<path d="%s" fill="%s"%s/>' % (
            outline,
            fill,
            "" if waxing else ' transform="scale(-1,1)"',
        )
    else:
        lit = ""
    parts.append(lit)
    if fullness > 0.2:
        # a few soft maria
        for cx, cy, cr in ((-0.32, -0.1, 0.2), (0.2, 0.28, 0.24), (0.3, -0.32, 0.12)):
            if (cx > -0.05) == waxing or fullness > 0.4:
                parts.append(
                    '<circle cx="%s" cy="%s" r="%s" fill="#c8c0aa" opacity="0.3"/>'
                    % (number_text(cx * radius), number_text(cy * radius), number_text(cr * radius))
                )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y), "".join(parts)))


@motif("meteor")
def meteor(
    scene, x: float, y: float, length: float = 30, angle: float = 210, colour: Colour = "white"
):
    """A shooting star: a bright head with a fading tail (angle of travel in degrees, 0 = right)."""
    paint = scene.lin([(0, colour, 0), (0.7, colour, 0.5), (1, colour, 1)], 0, 0, 1, 0)
    scene.add(
        '<g transform="%s"><path d="M%s,-0.25 L0,-1 L0,1 L%s,0.25 Z" fill="%s" transform="translate(0,0)"/>'
        '<circle r="1.3" fill="%s"/><circle r="4" fill="%s"/></g>'
        % (
            scene.at(x, y, 1, -angle),
            number_text(-length),
            number_text(-length),
            paint,
            colour,
            scene.glow(colour, 0.6),
        )
    )


@motif("meteors")
def meteors(
    scene,
    count: int = 5,
    angle: float = 215,
    rx: float = None,
    ry: float = None,
    length: float = 30,
    spread: float = 70,
):
    """Shooting stars at about the same angle, or flying out from a radiant (rx, ry) as in a shower."""
    rng = random.Random(scene.code * 5 + 3)
    for i in range(count):
        if rx is None or ry is None:
            meteor(
                scene,
                rng.uniform(20, scene.width - 10),
                rng.uniform(scene.horizon + 40, scene.height - 15),
                rng.uniform(14, length),
                angle + rng.uniform(-4, 4),
            )
            continue
        direction = rng.uniform(0, 2 * math.pi)
        distance = rng.uniform(18, spread)
        mx, my = rx + distance * math.cos(direction), ry + distance * math.sin(direction)
        if not (4 < mx < scene.width - 4 and scene.horizon + 20 < my < scene.height - 8):
            continue
        meteor(scene, mx, my, min(distance * 0.8, rng.uniform(10, length)), math.degrees(direction))


@motif("comet")
def comet(scene, x: float, y: float, length: float = 40, angle: float = 200):
    """A comet: a bright head with a long pale tail streaming away from its direction of travel."""
    tail = scene.lin([(0, "#a0c8ff", 0), (0.8, "#dcecff", 0.55), (1, "#ffffff", 0.9)], 0, 0, 1, 0)
    scene.add(
        '<g transform="%s"><path d="M%s,-6 Q%s,-1 0,-1.6 L0,1.6 Q%s,1 %s,5 Z" fill="%s"/>'
        '<circle r="5" fill="%s"/><circle r="1.7" fill="#ffffff"/></g>'
        % (
            scene.at(x, y, 1, -angle),
            number_text(-length),
            number_text(-length * 0.5),
            number_text(-length * 0.5),
            number_text(-length),
            tail,
            scene.glow("#dcecff", 0.7),
        )
    )


@motif("planet")
def planet(scene, x: float, y: float, radius: float = 9, colour: Colour = "#e0b878", ring: int = 1):
    """A planet; ring=1 gives it broad rings, ring=2 thin ones seen nearly upright (a tipped planet)."""
    body = scene.rad([lighten(colour, 0.4), colour, shade(colour, 0.5)], 0.35, 0.35, 0.75)
    if ring == 2:
        back = (
            '<path d="M0,%s A%s,%s 0 0 1 0,%s" fill="none" stroke="#c8e0e8" stroke-width="0.5" opacity="0.45"/>'
            % (
                number_text(-radius * 1.8),
                number_text(radius * 0.3),
                number_text(radius * 1.8),
                number_text(radius * 1.8),
            )
        )
        front = (
            '<path d="M0,%s A%s,%s 0 0 0 0,%s" fill="none" stroke="#dcecf0" stroke-width="0.6" opacity="0.6"/>'
            % (
                number_text(-radius * 1.8),
                number_text(radius * 0.3),
                number_text(radius * 1.8),
                number_text(radius * 1.8),
            )
        )
        scene.add(
            '<g transform="%s">%s<circle r="%s" fill="%s"/><path d="M%s,%s A%s,%s 0 0 0 %s,%s" stroke="%s" stroke-width="%s" fill="none" opacity="0.35"/>%s</g>'
            % (
                scene.at(x, y, 1, 8),
                back,
                number_text(radius),
                body,
                number_text(-radius * 0.2),
                number_text(-radius * 0.98),
                number_text(radius * 0.3),
                number_text(radius),
                number_text(-radius * 0.2),
                number_text(radius * 0.98),
                lighten(colour, 0.5),
                number_text(radius * 0.25),
                front,
            )
        )
        return
    ring_back = (
        '<path d="M%s,0 A%s,%s 0 0 1 %s,0" fill="none" stroke="#e8dcc0" stroke-width="1.4" opacity="0.8"/>'
        % (
            number_text(-radius * 1.9),
            number_text(radius * 1.9),
            number_text(radius * 0.5),
            number_text(radius * 1.9),
        )
    )
    ring_front = (
        '<path d="M%s,0 A%s,%s 0 0 0 %s,0" fill="none" stroke="#f4ead0" stroke-width="1.6"/>'
        % (
            number_text(-radius * 1.9),
            number_text(radius * 1.9),
            number_text(radius * 0.5),
            number_text(radius * 1.9),
        )
    )
    scene.add(
        '<g transform="%s">%s<circle r="%s" fill="%s"/>%s</g>'
        % (
            scene.at(x, y, 1, -18),
            ring_back if ring else "",
            number_text(radius),
            body,
            ring_front if ring else "",
        )
    )


@motif("clouds")
def clouds(
    scene, x: float, y: float, width: float = 40, colour: Colour = None, opacity: float = 0.95
):
    """A soft cloud, lit from above; its colours follow the time of day."""
    base = {
        "day": ("#ffffff", "#c4d0e0"),
        "dawn": ("#ffe4dc", "#b898b8"),
        "dusk": ("#ffc8a0", "#8a5078"),
        "night": ("#4a5478", "#232a48"),
        "storm": ("#8a929c", "#3a424e"),
    }.get(scene.time, ("#ffffff", "#c4d0e0"))
    if colour:
        base = (colour, shade(colour, 0.7))
    paint = scene.lin([base[0], base[1]])
    rng = random.Random(int(x * 13 + y * 7 + scene.code))
    circles = []
    scale = width / 40.0
    for cx, cy, radius in ((-12, -2, 8), (-2, -7, 10), (10, -4, 8), (17, 1, 5), (-18, 2, 5)):
        circles.append(
            '<circle cx="%s" cy="%s" r="%s"/>'
            % (number_text(cx + rng.uniform(-1.5, 1.5)), number_text(cy), number_text(radius))
        )
    scene.add(
        '<g transform="%s" fill="%s" opacity="%s"><rect x="-20" y="-3" width="40" height="9" rx="4.5"/>%s</g>'
        % (scene.at(x, y, scale), paint, number_text(opacity), "".join(circles))
    )


@motif("rainbow")
def rainbow(scene, x: float, y: float, radius: float = 60, opacity: float = 0.55):
    """A rainbow arching over (x, y), faint unless opacity is raised."""
    colours = ["#e85050", "#f39a3a", "#f4dc4a", "#5cc05a", "#4a8ce0", "#7a5ac8"]
    arcs = []
    for i, colour in enumerate(colours):
        rr = radius - i * 2.6
        arcs.append(
            '<path d="M%s,0 A%s,%s 0 0 1 %s,0" fill="none" stroke="%s" stroke-width="2.8"/>'
            % (number_text(-rr), number_text(rr), number_text(rr), number_text(rr), colour)
        )
    scene.add(
        '<g transform="%s" opacity="%s">%s</g>'
        % (scene.at(x, y), number_text(opacity), "".join(arcs))
    )


@motif("rain")
def rain(scene, count: int = 60, colour: Colour = "#b8c8e0"):
    """Streaks of rain falling slantwise over the whole picture."""
    rng = random.Random(scene.code * 11)
    lines = []
    for i in range(count):
        x = rng.uniform(0, scene.width + 10)
        y = rng.uniform(0, scene.height)
        length = rng.uniform(4, 8)
        lines.append(
            '<path d="M%s,%s l-2,%s" />'
            % (number_text(x), number_text(scene.svg_y(y)), number_text(length))
        )
    scene.add(
        '<g stroke="%s" stroke-width="0.7" opacity="0.6" stroke-linecap="round">%s</g>'
        % (colour, "".join(lines))
    )


@motif("snowfall")
def snowfall(scene, count: int = 40, low: float = 0):
    """Snowflakes falling over the picture, down to the height low."""
    rng = random.Random(scene.code * 17)
    dots = []
    for i in range(count):
        x = rng.uniform(2, scene.width - 2)
        y = rng.uniform(low, scene.height - 4)
        radius = rng.choice((0.6, 0.8, 1.0, 1.2, 1.5))
        dots.append(
            '<circle cx="%s" cy="%s" r="%s" opacity="%s"/>'
            % (
                number_text(x),
                number_text(scene.svg_y(y)),
                number_text(radius),
                number_text(rng.uniform(0.6, 1)),
            )
        )
    scene.add('<g fill="#ffffff">%s</g>' % "".join(dots))


@motif("mist")
def mist(
    scene, y: float = None, height: float = 14, colour: Colour = "#ffffff", opacity: float = 0.35
):
    """A band of soft mist lying across the picture at height y (the horizon unless given)."""
    if y is None:
        y = scene.horizon
    paint = scene.lin([(0, colour, 0), (0.5, colour, opacity), (1, colour, 0)])
    scene.add(
        '<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>'
        % (number_text(scene.svg_y(y) - height / 2), scene.width, number_text(height), paint)
    )


@motif("orbit8")
def orbit8(
    scene,
    x: float = None,
    y: float = None,
    width: float = 50,
    colour: Colour = "frame",
    dots: int = 1,
):
    """A figure-eight orbit traced as a dotted line, with a little bright body travelling on it."""
    if x is None:
        x = scene.width / 2
    if y is None:
        y = scene.height * 0.6
    pts = []
    for i in range(73):
        turn = i * 2 * math.pi / 72
        px = x + width * math.sin(turn)
        py = scene.svg_y(y) - width * 0.45 * math.sin(turn) * math.cos(turn) * 1.6
        pts.append((px, py))
    outline = polyline(pts)
    scene.add(
        '<path d="%s" fill="none" stroke="%s" stroke-width="0.9" stroke-dasharray="1.6 2.4" opacity="0.8"/>'
        % (outline, colour)
    )
    if dots:
        turn = 0.35 * 2 * math.pi
        px, py = (
            x + width * math.sin(turn),
            scene.svg_y(y) - width * 0.45 * math.sin(turn) * math.cos(turn) * 1.6,
        )
        scene.add(
            '<rect x="%s" y="%s" width="12" height="9" rx="1" fill="#0a0a14" stroke="%s" stroke-width="1"/>'
            '<rect x="%s" y="%s" width="4" height="5" fill="%s"/><path d="M%s,%s h4 M%s,%s h4 M%s,%s h3" stroke="%s" stroke-width="0.6"/>'
            % (
                number_text(px - 6),
                number_text(py - 4.5),
                colour,
                number_text(px - 4.5),
                number_text(py - 3),
                scene.col("sky"),
                number_text(px + 0.5),
                number_text(py - 2.5),
                number_text(px + 0.5),
                number_text(py - 0.5),
                number_text(px + 0.5),
                number_text(py + 1.5),
                colour,
            )
        )


@motif("earth")
def earth(scene, x: float, y: float, radius: float = 10):
    """The Earth seen from space: blue oceans, green land, white cloud, the night side in shadow."""
    clip = scene.uid("w")
    scene.defs.append('<clipPath id="%s"><circle r="10"/></clipPath>' % clip)
    land = (
        '<path d="M-7,-5 C-5,-8 -1,-7 0,-4 C1,-1 -3,0 -2,3 C-1,6 -4,8 -6,6 C-8,3 -9,-2 -7,-5 Z '
        'M2,-8 C5,-9 8,-6 7,-3 C6,-1 3,-2 3,1 C3,3 6,4 5,7 C3,9 1,6 1,3 C1,0 -1,-6 2,-8 Z" fill="#6ab050"/>'
        '<path d="M-9,-1 Q-4,-3 1,-1 M-3,5 Q2,3 8,5 M-2,-9 Q2,-10 6,-9" stroke="#ffffff" stroke-width="1.1" fill="none" opacity="0.7" stroke-linecap="round"/>'
    )
    scene.add(
        '<g transform="%s"><circle r="18" fill="%s"/><circle r="10" fill="%s"/><g clip-path="url(#%s)">%s'
        '<path d="M3,-11 A11,11 0 0 1 3,11 A7,11 0 0 0 3,-11 Z" fill="#000000" opacity="0.45"/></g></g>'
        % (
            scene.at(x, y, radius / 10),
            scene.glow("#6ab4ee", 0.4),
            scene.rad(["#9ad0f4", "#3a7ac0", "#17306a"], 0.38, 0.34, 0.72),
            clip,
            land,
        )
    )


@motif("searchlights")
def searchlights(scene, count: int = 2, colour: Colour = "#e8f0ff"):
    """Pale beams sweeping up into the sky from behind the horizon."""
    paint = scene.lin([(0, colour, 0), (1, colour, 0.28)])
    beams = []
    for i, (bx, ang) in enumerate(
        ((scene.width * 0.25, -18), (scene.width * 0.75, 22), (scene.width * 0.5, 4))[
            : max(1, count + 1)
        ]
    ):
        beams.append(
            '<path d="M%s,%s L%s,%s L%s,%s Z" fill="%s"/>'
            % (
                number_text(bx),
                number_text(scene.svg_y(scene.horizon)),
                number_text(bx + ang * 3 - 10),
                number_text(scene.svg_y(scene.height)),
                number_text(bx + ang * 3 + 10),
                number_text(scene.svg_y(scene.height)),
                paint,
            )
        )
    scene.add("".join(beams))


@motif("equinox")
def equinox(scene, horizon: float = 40):
    """A sky divided down the middle: night with the moon on the left, day with the sun on the right."""
    scene.horizon = horizon
    clip_l, clip_r = scene.uid("l"), scene.uid("r")
    scene.defs.append(
        '<clipPath id="%s"><rect x="0" y="0" width="%s" height="%d"/></clipPath><clipPath id="%s"><rect x="%s" y="0" width="%s" height="%d"/></clipPath>'
        % (
            clip_l,
            number_text(scene.width / 2),
            scene.height,
            clip_r,
            number_text(scene.width / 2),
            number_text(scene.width / 2),
            scene.height,
        )
    )
    night = scene.lin(scene.run("sky.night.spring"), 0, 0, 0, scene.svg_y(scene.horizon), user=True)
    day = scene.lin(scene.run("sky.day.spring"), 0, 0, 0, scene.svg_y(scene.horizon), user=True)
    scene.add(
        '<rect x="0" y="0" width="%d" height="%d" fill="%s" clip-path="url(#%s)"/>'
        % (scene.width, scene.height, night, clip_l)
    )
    scene.add(
        '<rect x="0" y="0" width="%d" height="%d" fill="%s" clip-path="url(#%s)"/>'
        % (scene.width, scene.height, day, clip_r)
    )
    body, scene.body = scene.body, []
    star_field(scene, 24)
    moon(scene, scene.width * 0.25, scene.height - 70, 11, "crescent")
    stars_svg = "".join(scene.body)
    scene.body = []
    sun(scene, scene.width * 0.75, scene.height - 70, 12)
    sun_svg = "".join(scene.body)
    scene.body = body
    scene.add(
        '<g clip-path="url(#%s)">%s</g><g clip-path="url(#%s)">%s</g>'
        % (clip_l, stars_svg, clip_r, sun_svg)
    )
    scene.add(
        '<path d="M%s,0 L%s,%s" stroke="#f4e6b8" stroke-width="0.8" opacity="0.6"/>'
        % (
            number_text(scene.width / 2),
            number_text(scene.width / 2),
            number_text(scene.svg_y(scene.horizon)),
        )
    )
    scene.time = "day"


@motif("firelight")
def firelight(scene, colour: Colour = "#ff6a20"):
    """A red glow of fire rising from behind the horizon and colouring the sky."""
    scene.add(
        '<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>'
        % (
            number_text(scene.svg_y(scene.horizon + 110)),
            scene.width,
            number_text(110),
            scene.lin([(0, colour, 0), (0.7, colour, 0.4), (1, "#ffb040", 0.7)]),
        )
    )


@motif("orion")
def orion(scene, x: float = 64, y: float = 160, size: float = 1.0):
    """The constellation of Orion: shoulders, belt of three and feet, joined by faint lines."""
    pts = {
        "a": (-14, 22),
        "b": (14, 20),
        "c": (-4, 0),
        "d": (0, 1),
        "e": (4, 2),
        "f": (-12, -22),
        "g": (14, -20),
    }
    lines = [("a", "c"), ("b", "e"), ("c", "f"), ("e", "g"), ("c", "d"), ("d", "e"), ("a", "b")]
    path = " ".join(
        "M%s,%s L%s,%s"
        % (
            number_text(x + pts[start][0] * size),
            number_text(scene.svg_y(y + pts[start][1] * size)),
            number_text(x + pts[end][0] * size),
            number_text(scene.svg_y(y + pts[end][1] * size)),
        )
        for start, end in lines
    )
    scene.add('<path d="%s" stroke="#8a9ac8" stroke-width="0.5" opacity="0.6"/>' % path)
    for name, (px, py) in pts.items():
        col = "#ffb080" if name == "a" else "#c8d8ff"
        scene.add(
            sparkle_svg(
                scene, x + px * size, scene.svg_y(y + py * size), 3.2 if name in "ag" else 2.2, col
            )
        )
