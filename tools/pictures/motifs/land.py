"""Land and water: hills, plains, mountains, the sea and rivers, shores and tracks."""

import math
import random

from .canvas import lighten, mix, number_text, polyline, shade, smooth_path
from .plants import palm
from .registry import Colour, motif


def _land_colours(scene, season):
    """The land colours of a season under this scene's light, the farthest hazed towards the sky."""
    name = "land." + season
    colours = scene.run(name)
    horizon_c = scene.run(
        "sky.%s.%s"
        % (scene.time if scene.time in ("night", "dawn", "day", "dusk") else "day", scene.season)
    )[-1]
    far = mix(scene.lit(colours[0]), horizon_c, 0.35)
    return [far] + [scene.lit(colour) for colour in colours[1:]]


@motif("hills")
def hills(scene, season: str = None, y: float = None, layers: int = 3, rough: float = 1.0):
    """Rolling hills in layers from the horizon to the bottom edge, coloured by season."""
    season = season or scene.season
    if y is not None:
        scene.horizon = y
    colours = _land_colours(scene, season)
    rng = random.Random(scene.code * 3 + 1)
    for i in range(layers):
        top = (
            scene.horizon - i * (scene.horizon * 0.42 / max(1, layers - 1))
            if layers > 1
            else scene.horizon
        )
        amp = (4 + 3 * i) * rough
        pts = []
        steps = 5
        phase = rng.uniform(0, 6.28)
        for step in range(steps + 1):
            px = -6 + step * (scene.width + 12) / steps
            py = top + amp * math.sin(phase + step * 1.7) * 0.6 + rng.uniform(-1.5, 1.5) * rough
            pts.append((px, scene.svg_y(py)))
        colour = (
            colours[min(i, len(colours) - 1)]
            if layers <= len(colours)
            else colours[int(i * (len(colours) - 1) / (layers - 1))]
        )
        paint = scene.lin([lighten(colour, 0.08), colour, shade(colour, 0.85)])
        outline = smooth_path(pts) + " L%s,%s L-6,%s Z" % (
            number_text(scene.width + 6),
            number_text(scene.height + 2),
            number_text(scene.height + 2),
        )
        scene.add('<path d="%s" fill="%s"/>' % (outline, paint))


@motif("plain")
def plain(scene, season: str = None, y: float = None):
    """Flat land to the horizon, lighter in the distance."""
    season = season or scene.season
    if y is not None:
        scene.horizon = y
    colours = _land_colours(scene, season)
    paint = scene.lin(colours)
    scene.add(
        '<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>'
        % (
            number_text(scene.svg_y(scene.horizon)),
            scene.width,
            number_text(scene.horizon + 2),
            paint,
        )
    )


@motif("mountains")
def mountains(
    scene, y: float = None, height: float = 40, colour: Colour = "#7a88a8", snow: int = 1
):
    """A far range of peaks standing on the horizon."""
    if y is None:
        y = scene.horizon
    colour = mix(
        scene.lit(colour),
        scene.run("sky.%s.%s" % (scene.time, scene.season))[-1]
        if scene.time != "storm"
        else "#6a7684",
        0.25,
    )
    rng = random.Random(scene.code * 19)
    pts = [(-4, scene.svg_y(y))]
    x = -4
    peaks = []
    while x < scene.width + 4:
        width = rng.uniform(18, 34)
        peak_height = rng.uniform(0.45, 1.0) * height
        pts.append((x + width / 2, scene.svg_y(y + peak_height)))
        peaks.append((x + width / 2, peak_height, width))
        pts.append((x + width, scene.svg_y(y + rng.uniform(0.15, 0.35) * height)))
        x += width
    pts.append((scene.width + 4, scene.svg_y(y)))
    outline = polyline(pts) + " Z"
    paint = scene.lin([lighten(colour, 0.15), colour])
    scene.add(
        '<path d="%s" fill="%s" stroke="%s" stroke-width="0.6" stroke-linejoin="round"/>'
        % (outline, paint, colour)
    )
    if snow:
        caps = []
        snowc = scene.lit("#f4f8ff") if scene.time != "night" else "#8a9ac0"
        for px, peak_height, width in peaks:
            if peak_height > height * 0.6:
                top = scene.svg_y(y + peak_height)
                cap = peak_height * 0.28
                caps.append(
                    "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z"
                    % (
                        number_text(px),
                        number_text(top),
                        number_text(px + cap * width / peak_height / 2 * 1.0),
                        number_text(top + cap),
                        number_text(px + 1),
                        number_text(top + cap * 0.7),
                        number_text(px - 2),
                        number_text(top + cap * 1.05),
                        number_text(px - cap * width / peak_height / 2 * 1.0),
                        number_text(top + cap),
                    )
                )
        scene.add('<path d="%s" fill="%s"/>' % (" ".join(caps), snowc))


@motif("sea")
def sea(scene, y: float = None, colour: Colour = None):
    """Open water from the horizon to the bottom edge, with light on it below the sun or moon."""
    if y is not None:
        scene.horizon = y
    run = scene.run(
        "water."
        + (
            "night"
            if scene.time == "night"
            else "dusk"
            if scene.time in ("dusk", "dawn")
            else "day"
        )
    )
    if colour:
        run = [lighten(colour, 0.3), colour, shade(colour, 0.5)]
    paint = scene.lin(run)
    scene.add(
        '<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>'
        % (
            number_text(scene.svg_y(scene.horizon)),
            scene.width,
            number_text(scene.horizon + 2),
            paint,
        )
    )
    rng = random.Random(scene.code * 23)
    lines = []
    for i in range(int(scene.horizon / 4)):
        yy = scene.horizon - 2 - rng.uniform(0, scene.horizon - 2)
        depth = 1 - yy / scene.horizon
        width = 4 + depth * 18
        xx = rng.uniform(-5, scene.width)
        lines.append(
            '<path d="M%s,%s h%s" stroke-width="%s"/>'
            % (
                number_text(xx),
                number_text(scene.svg_y(yy)),
                number_text(width),
                number_text(0.5 + depth * 0.6),
            )
        )
    scene.add('<g stroke="#ffffff" opacity="0.22" stroke-linecap="round">%s</g>' % "".join(lines))


@motif("glitter")
def glitter(scene, x: float = None, colour: Colour = "#fff0c0"):
    """The glittering path of the sun or moon on water, straight down from x."""
    if x is None:
        x = scene.sun_at[0] if scene.sun_at else scene.width / 2
    rng = random.Random(scene.code * 29)
    parts = []
    for i in range(int(scene.horizon / 2.5)):
        yy = scene.horizon - 1 - i * 2.5
        depth = 1 - yy / scene.horizon
        width = 2 + depth * 14 * rng.uniform(0.5, 1.2)
        parts.append(
            '<path d="M%s,%s h%s"/>'
            % (
                number_text(x - width / 2 + rng.uniform(-2, 2) * depth),
                number_text(scene.svg_y(yy)),
                number_text(width),
            )
        )
    scene.add(
        '<g stroke="%s" stroke-width="1" stroke-linecap="round" opacity="0.8">%s</g>'
        % (colour, "".join(parts))
    )


@motif("shore")
def shore(scene, y: float = 12, colour: Colour = "#e4cc98", side: str = "left"):
    """A curving beach or bank in the foreground."""
    colour = scene.lit(colour)
    if side == "left":
        outline = "M-2,%s C30,%s 60,%s %s,%s L%s,%s L-2,%s Z" % (
            number_text(scene.svg_y(y)),
            number_text(scene.svg_y(y)),
            number_text(scene.svg_y(y * 0.4)),
            number_text(scene.width * 0.8),
            number_text(scene.height + 1),
            number_text(scene.width * 0.8),
            number_text(scene.height + 2),
            number_text(scene.height + 2),
        )
    else:
        outline = "M%s,%s C%s,%s %s,%s %s,%s L%s,%s Z" % (
            number_text(scene.width + 2),
            number_text(scene.svg_y(y)),
            number_text(scene.width - 30),
            number_text(scene.svg_y(y)),
            number_text(scene.width - 60),
            number_text(scene.svg_y(y * 0.4)),
            number_text(scene.width * 0.2),
            number_text(scene.height + 1),
            number_text(scene.width + 2),
            number_text(scene.height + 2),
        )
    scene.add(
        '<path d="%s" fill="%s"/>'
        % (outline, scene.lin([lighten(colour, 0.1), shade(colour, 0.85)]))
    )


@motif("field")
def field(scene, y: float = None, colour: Colour = "#d8b050", rows: int = 9):
    """A ploughed or ripe field running away to the horizon."""
    if y is None:
        y = scene.horizon
    colour = scene.lit(colour)
    scene.add(
        '<rect x="0" y="%s" width="%d" height="%s" fill="%s"/>'
        % (
            number_text(scene.svg_y(y)),
            scene.width,
            number_text(y + 2),
            scene.lin([lighten(colour, 0.15), colour, shade(colour, 0.75)]),
        )
    )
    lines = []
    vx = scene.width * 0.55
    for i in range(rows + 1):
        bx = -scene.width * 0.6 + i * (scene.width * 2.2) / rows
        lines.append(
            '<path d="M%s,%s L%s,%s"/>'
            % (
                number_text(vx),
                number_text(scene.svg_y(y)),
                number_text(bx),
                number_text(scene.height + 1),
            )
        )
    scene.add(
        '<g stroke="%s" stroke-width="0.9" opacity="0.5">%s</g>'
        % (shade(colour, 0.65), "".join(lines))
    )


@motif("ground")
def ground(scene, colour: Colour, y: float = 10):
    """A plain strip of ground in the foreground (snow, grass, sand) with a gently curved top."""
    colour = scene.lit(colour)
    outline = "M-2,%s Q%s,%s %s,%s L%s,%s L-2,%s Z" % (
        number_text(scene.svg_y(y)),
        number_text(scene.width / 2),
        number_text(scene.svg_y(y + 4)),
        number_text(scene.width + 2),
        number_text(scene.svg_y(y - 1)),
        number_text(scene.width + 2),
        number_text(scene.height + 2),
        number_text(scene.height + 2),
    )
    scene.add(
        '<path d="%s" fill="%s"/>'
        % (outline, scene.lin([lighten(colour, 0.12), shade(colour, 0.8)]))
    )


@motif("river")
def river(scene, x: float = 64, width: float = 30):
    """A river winding from the horizon to the foreground."""
    run = scene.run(
        "water."
        + (
            "night"
            if scene.time == "night"
            else "dusk"
            if scene.time in ("dusk", "dawn")
            else "day"
        )
    )
    horizon = scene.horizon
    outline = "M%s,%s C%s,%s %s,%s %s,%s L%s,%s C%s,%s %s,%s %s,%s Z" % (
        number_text(x - 1),
        number_text(scene.svg_y(horizon)),
        number_text(x - 12),
        number_text(scene.svg_y(horizon * 0.7)),
        number_text(x + 14),
        number_text(scene.svg_y(horizon * 0.3)),
        number_text(x - width / 2),
        number_text(scene.height + 1),
        number_text(x + width / 2),
        number_text(scene.height + 1),
        number_text(x + 26),
        number_text(scene.svg_y(horizon * 0.3)),
        number_text(x - 4),
        number_text(scene.svg_y(horizon * 0.7)),
        number_text(x + 1),
        number_text(scene.svg_y(horizon)),
    )
    scene.add('<path d="%s" fill="%s"/>' % (outline, scene.lin(run)))


@motif("fence")
def fence(scene, y: float = 0, height: float = 12, colour: Colour = "#a0703e"):
    """A wooden fence of posts and two rails across the whole picture."""
    colour = scene.lit(colour)
    posts = "".join(
        '<rect x="%s" y="%s" width="2" height="%s"/>'
        % (number_text(4 + i * 12), number_text(scene.svg_y(y + height)), number_text(height))
        for i in range(int(scene.width / 12) + 1)
    )
    scene.add(
        '<g fill="%s">%s<rect x="0" y="%s" width="%d" height="1.4"/><rect x="0" y="%s" width="%d" height="1.4"/></g>'
        % (
            colour,
            posts,
            number_text(scene.svg_y(y + height * 0.75)),
            scene.width,
            number_text(scene.svg_y(y + height * 0.35)),
            scene.width,
        )
    )


@motif("path")
def path(scene, x: float = 64, width: float = 26, colour: Colour = "#d8c8a0"):
    """A track winding away to the horizon."""
    colour = scene.lit(colour)
    horizon = scene.horizon
    outline = "M%s,%s C%s,%s %s,%s %s,%s L%s,%s C%s,%s %s,%s %s,%s Z" % (
        number_text(x - 0.5),
        number_text(scene.svg_y(horizon)),
        number_text(x - 8),
        number_text(scene.svg_y(horizon * 0.6)),
        number_text(x + 10),
        number_text(scene.svg_y(horizon * 0.3)),
        number_text(x - width / 2),
        number_text(scene.height + 1),
        number_text(x + width / 2),
        number_text(scene.height + 1),
        number_text(x + 18),
        number_text(scene.svg_y(horizon * 0.3)),
        number_text(x - 2),
        number_text(scene.svg_y(horizon * 0.6)),
        number_text(x + 0.5),
        number_text(scene.svg_y(horizon)),
    )
    scene.add('<path d="%s" fill="%s"/>' % (outline, scene.lin([shade(colour, 0.85), colour])))


@motif("peak")
def peak(
    scene,
    x: float,
    y: float = None,
    height: float = 100,
    width: float = 110,
    snow: int = 1,
    colour: Colour = "#8a96b4",
):
    """One great mountain standing over the horizon, with snow on its upper slopes."""
    if y is None:
        y = scene.horizon
    colour = scene.lit(colour)
    top = (x, scene.svg_y(y + height))
    outline = "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
        number_text(x - width / 2),
        number_text(scene.svg_y(y)),
        number_text(x - width * 0.22),
        number_text(scene.svg_y(y + height * 0.55)),
        number_text(x - width * 0.12),
        number_text(scene.svg_y(y + height * 0.62)),
        number_text(top[0]),
        number_text(top[1]),
        number_text(x + width * 0.26),
        number_text(scene.svg_y(y + height * 0.5)),
        number_text(x + width / 2),
        number_text(scene.svg_y(y)),
    )
    scene.add(
        '<path d="%s" fill="%s"/>'
        % (outline, scene.lin([lighten(colour, 0.15), colour, shade(colour, 0.8)], 0, 0, 1, 0))
    )
    shadow = "M%s,%s L%s,%s L%s,%s Z" % (
        number_text(top[0]),
        number_text(top[1]),
        number_text(x + width * 0.26),
        number_text(scene.svg_y(y + height * 0.5)),
        number_text(x + width * 0.05),
        number_text(scene.svg_y(y)),
    )
    scene.add('<path d="%s" fill="#000000" opacity="0.18"/>' % shadow)
    if snow:
        sc = "#f4f8ff" if scene.time == "day" else lighten(scene.lit("#f4f8ff"), 0.25)
        outline = "M%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s L%s,%s Z" % (
            number_text(top[0]),
            number_text(top[1]),
            number_text(x + width * 0.11),
            number_text(scene.svg_y(y + height * 0.78)),
            number_text(x + width * 0.04),
            number_text(scene.svg_y(y + height * 0.74)),
            number_text(x - width * 0.02),
            number_text(scene.svg_y(y + height * 0.8)),
            number_text(x - width * 0.07),
            number_text(scene.svg_y(y + height * 0.7)),
            number_text(x - width * 0.1),
            number_text(scene.svg_y(y + height * 0.72)),
            number_text(x - width * 0.06),
            number_text(scene.svg_y(y + height * 0.82)),
        )
        scene.add('<path d="%s" fill="%s"/>' % (outline, sc))


@motif("moonground")
def moon_ground(scene, y: float = 30):
    """A grey, cratered lunar surface under a black sky."""
    scene.horizon = y
    outline = "M-2,%s Q30,%s 64,%s Q100,%s %s,%s L%s,%s L-2,%s Z" % (
        number_text(scene.svg_y(y)),
        number_text(scene.svg_y(y + 4)),
        number_text(scene.svg_y(y)),
        number_text(scene.svg_y(y - 3)),
        number_text(scene.width + 2),
        number_text(scene.svg_y(y + 2)),
        number_text(scene.width + 2),
        number_text(scene.height + 2),
        number_text(scene.height + 2),
    )
    scene.add('<path d="%s" fill="%s"/>' % (outline, scene.lin(["#b8b8c0", "#7a7a86", "#4a4a56"])))
    rng = random.Random(scene.code * 67)
    craters = []
    for i in range(9):
        cx = rng.uniform(5, scene.width - 5)
        cy = rng.uniform(3, y - 4)
        radius = rng.uniform(2, 6) * (1 - cy / y * 0.6)
        craters.append(
            '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#5a5a66" stroke="#c8c8d0" stroke-width="0.5"/>'
            % (
                number_text(cx),
                number_text(scene.svg_y(cy)),
                number_text(radius),
                number_text(radius * 0.35),
            )
        )
    scene.add("".join(craters))


@motif("volcano")
def volcano(
    scene,
    x: float,
    y: float = None,
    height: float = 70,
    width: float = 120,
    smoke: int = 1,
    glow: int = 1,
):
    """A volcano with a glowing crater and a tall plume of ash."""
    if y is None:
        y = scene.horizon
    colour = scene.lit("#6a5a5a")
    parts = []
    if smoke:
        puffs = []
        rng = random.Random(scene.code * 71)
        for i in range(9):
            along = i / 8
            px = x + along * 24 + rng.uniform(-3, 3)
            py = scene.svg_y(y + height + 6 + along * 90)
            radius = 7 + along * 16
            puffs.append(
                '<circle cx="%s" cy="%s" r="%s"/>'
                % (number_text(px), number_text(py), number_text(radius))
            )
        parts.append(
            '<g fill="%s" opacity="0.9">%s</g>'
            % (scene.lin(["#8a7a80", "#4a3a40"]), "".join(puffs))
        )
    parts.append(
        '<path d="M%s,%s L%s,%s L%s,%s L%s,%s Z" fill="%s"/>'
        % (
            number_text(x - width / 2),
            number_text(scene.svg_y(y)),
            number_text(x - 8),
            number_text(scene.svg_y(y + height)),
            number_text(x + 8),
            number_text(scene.svg_y(y + height)),
            number_text(x + width / 2),
            number_text(scene.svg_y(y)),
            scene.lin([lighten(colour, 0.1), shade(colour, 0.7)]),
        )
    )
    if glow:
        parts.append(
            '<ellipse cx="%s" cy="%s" rx="14" ry="10" fill="%s"/>'
            % (number_text(x), number_text(scene.svg_y(y + height)), scene.glow("#ff6a20", 0.8))
        )
        parts.append(
            '<path d="M%s,%s q-3,10 -6,20 q-2,8 -8,18 L%s,%s q3,-10 6,-18 q3,-10 4,-20 Z" fill="#ff7a28" opacity="0.85"/>'
            % (
                number_text(x - 2),
                number_text(scene.svg_y(y + height)),
                number_text(x - 14),
                number_text(scene.svg_y(y + height - 38)),
            )
        )
    scene.add("".join(parts))


@motif("heather")
def heather(scene, y: float = None, count: int = 160, colour: Colour = "#b05ab0"):
    """Hillsides of flowering heather: purple land stippled with bloom."""
    if y is None:
        y = scene.horizon
    colour = scene.lit(colour)
    rng = random.Random(scene.code * 73)
    dots = []
    for i in range(count):
        yy = rng.uniform(0, y - 2)
        depth = 1 - yy / y
        dots.append(
            '<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.9"/>'
            % (
                number_text(rng.uniform(0, scene.width)),
                number_text(scene.svg_y(yy)),
                number_text(0.5 + depth * 1.2),
                rng.choice((lighten(colour, 0.35), colour, shade(colour, 0.8), "#e0a0e0")),
            )
        )
    scene.add("".join(dots))


@motif("fallen")
def fallen(scene, x: float, y: float, count: int = 8):
    """Trees flattened in a ring, all lying away from a blast beyond the horizon."""
    colour = scene.lit("#5a4030")
    rng = random.Random(scene.code * 79)
    logs = []
    for i in range(count):
        px = rng.uniform(8, scene.width - 8)
        py = rng.uniform(4, y + 10)
        ang = math.degrees(math.atan2(0, px - x)) + rng.uniform(-10, 10)
        length = rng.uniform(16, 26)
        logs.append(
            '<g transform="translate(%s,%s) rotate(%s)"><rect x="0" y="-1.2" width="%s" height="2.4" fill="%s"/>'
            '<path d="M%s,0 l5,-3 M%s,0 l5,3 M%s,0 l4,-3" stroke="%s" stroke-width="0.8"/></g>'
            % (
                number_text(px),
                number_text(scene.svg_y(py)),
                number_text(ang),
                number_text(length),
                colour,
                number_text(length * 0.5),
                number_text(length * 0.6),
                number_text(length * 0.8),
                colour,
            )
        )
    scene.add("".join(logs))


@motif("footprints")
def footprints(scene, count: int = 6):
    """A trail of footprints leading away across the ground."""
    rng = random.Random(scene.code * 83)
    prints = []
    for i in range(count):
        px = 70 + i * 5 + rng.uniform(-1, 1)
        py = 6 + i * 2.2 + (i % 2) * 2
        prints.append(
            '<ellipse cx="%s" cy="%s" rx="1.6" ry="0.8" fill="#4a4a56"/>'
            % (number_text(px), number_text(scene.svg_y(py)))
        )
    scene.add("".join(prints))


@motif("splash")
def splash(scene, x: float, y: float, size: float = 30, colour: Colour = "#8ad0f0"):
    """Water thrown up in an arc of drops."""
    rng = random.Random(int(x * 5 + y + scene.code))
    drops = "".join(
        '<ellipse cx="%s" cy="%s" rx="1.3" ry="2" fill="%s" transform="rotate(%s %s %s)"/>'
        % (
            number_text(along * 30),
            number_text(-22 * math.sin(along * math.pi / 1.3) + rng.uniform(-3, 3)),
            colour,
            number_text(along * 60),
            number_text(along * 30),
            number_text(-22 * math.sin(along * math.pi / 1.3)),
        )
        for along in [i / 20 for i in range(20)]
    )
    scene.add(
        '<g transform="%s"><path d="M0,0 Q12,-34 30,-6" fill="none" stroke="%s" stroke-width="3" opacity="0.45"/>%s</g>'
        % (scene.at(x, y, size / 30), colour, drops)
    )


@motif("iceshelf")
def ice_shelf(scene, y: float = None):
    """Floes of ice along the near edge of the water."""
    if y is None:
        y = scene.horizon * 0.5
    rng = random.Random(scene.code * 101)
    floes = []
    for i in range(7):
        px = rng.uniform(-6, scene.width)
        py = rng.uniform(2, y)
        width = rng.uniform(10, 24)
        floes.append(
            '<path d="M%s,%s l%s,-3 l%s,1 l%s,4 Z" fill="%s"/>'
            % (
                number_text(px),
                number_text(scene.svg_y(py)),
                number_text(width * 0.3),
                number_text(width * 0.5),
                number_text(width * 0.2),
                scene.lit("#e8f0fa"),
            )
        )
    scene.add("".join(floes))


@motif("cave")
def cave(scene, animals: Colour = "#c8602a"):
    """The inside of a cave: rock framing the picture, and animals painted in ochre on its wall."""
    width, height = scene.width, scene.height
    rock = scene.lin(["#4a3a30", "#7a6048", "#5a4434"])
    wall = scene.rad(["#e8c898", "#c89a68", "#6a4a34"], 0.5, 0.55, 0.7)
    scene.add('<rect width="%d" height="%d" fill="%s"/>' % (width, height, wall))
    scene.add(
        '<path d="M0,0 L%d,0 L%d,%d L0,%d Z M0,%s C16,%s 10,%s 30,%s C50,%s 80,%s 100,%s C118,%s 112,%s %d,%s L%d,%d L0,%d Z" fill="%s" fill-rule="evenodd"/>'
        % (
            width,
            width,
            height,
            height,
            number_text(height * 0.98),
            number_text(height * 0.6),
            number_text(height * 0.3),
            number_text(height * 0.18),
            number_text(height * 0.1),
            number_text(height * 0.12),
            number_text(height * 0.2),
            number_text(height * 0.35),
            number_text(height * 0.7),
            width,
            number_text(height * 0.98),
            width,
            height,
            height,
            rock,
        )
    )
    bull = (
        '<path d="M-14,0 C-14,-8 -6,-11 4,-10 C8,-14 12,-14 14,-11 L12,-9 C14,-6 12,-2 10,-1 L10,6 L8,6 L7,1 C2,2 -4,2 -8,1 L-9,6 L-11,6 L-12,1 C-14,0 -15,-2 -14,0 Z '
        'M12,-14 Q15,-18 19,-17 M10,-14 Q8,-19 11,-21" fill="%s" stroke="%s" stroke-width="1"/>'
        % (animals, animals)
    )
    horse_ = (
        '<path d="M-10,0 C-8,-6 4,-7 7,-5 L10,-10 L13,-9 L11,-3 L10,5 L8,5 L7,0 L-5,0 L-7,5 L-9,5 Z M-10,0 L-14,3" fill="%s" stroke="%s" stroke-width="0.8"/>'
        % ("#3a2418", "#3a2418")
    )
    hands = "".join(
        '<circle cx="%s" cy="%s" r="1.1" fill="%s" opacity="0.7"/>'
        % (number_text(20 + i * 3), number_text(height * 0.6 + (i % 2) * 3), animals)
        for i in range(4)
    )
    scene.add(
        '<g transform="translate(%s,%s) scale(1.6)">%s</g><g transform="translate(%s,%s) scale(1.3)">%s</g>%s'
        % (
            number_text(width * 0.55),
            number_text(height * 0.42),
            bull,
            number_text(width * 0.36),
            number_text(height * 0.66),
            horse_,
            hands,
        )
    )


@motif("island")
def island(scene, x: float, y: float = None, width: float = 60, palms: int = 2):
    """A low island on the horizon with palm trees."""
    if y is None:
        y = scene.horizon
    colour = scene.lit("#d8c08a")
    scene.add(
        '<path d="M%s,%s Q%s,%s %s,%s Z" fill="%s"/>'
        % (
            number_text(x - width / 2),
            number_text(scene.svg_y(y)),
            number_text(x),
            number_text(scene.svg_y(y + 10)),
            number_text(x + width / 2),
            number_text(scene.svg_y(y)),
            colour,
        )
    )
    for i in range(palms):
        palm(scene, x - width * 0.15 + i * width * 0.22, y + 4, 26 - i * 6, lean=6 - i * 10)
