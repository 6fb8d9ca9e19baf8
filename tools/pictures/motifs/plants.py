"""Trees and plants: trees of every season, flowers, leaves, grasses and crops."""

import math
import random

from .canvas import leaf_path, lighten, mix, number_text, shade, star_points
from .registry import Colour, Colours, motif


def _leafy_colours(scene, season):
    """(light, dark, highlight) colours of a broad-leaved crown in a season, None in winter."""
    return {
        "spring": ("#f6c8d8", "#e890b0", "#fff0f4"),
        "summer": ("#5aa84a", "#2e7038", "#8ccc5a"),
        "autumn": ("#e8902a", "#b84a22", "#f6c850"),
        "blossom": ("#f8d8e4", "#e8a0bc", "#ffffff"),
        "green": ("#7cc050", "#3a8a3a", "#a8dc68"),
        "gold": ("#f0c040", "#c0841c", "#fff0a0"),
        "red": ("#e0442a", "#9a2418", "#f6a040"),
    }.get(season)


@motif("tree")
def tree(scene, x: float, y: float, height: float = 60, season: str = None, seed: int = 0):
    """A broad-leaved tree: bare in winter, in blossom in spring, green in summer, golden in autumn.

    The seasons gold and red give the clear yellow of beeches and the red of maples."""
    season = season or scene.season
    rng = random.Random(int(x * 31 + y * 17 + seed + scene.code))
    scale = height / 60.0
    trunk_c = scene.lit("#6a4a32")
    parts = [
        '<path d="M-2.4,0 C-2,-10 -1.6,-20 -1,-30 L1,-30 C1.6,-20 2,-10 2.4,0 Z" fill="%s"/>'
        % trunk_c
    ]
    if season == "winter":
        parts.append(_branches(scene, rng, 0, -18, -90, 26, 4, 2.2, trunk_c))
        if scene.time != "night":
            pass
    else:
        parts.append(
            '<path d="M0,-22 L-10,-34 M0,-26 L9,-37 M0,-30 L0,-42" stroke="%s" stroke-width="1.6" fill="none"/>'
            % trunk_c
        )
        c_light, c_dark, c_hi = _leafy_colours(scene, season)
        c_light, c_dark = scene.lit(c_light), scene.lit(c_dark)
        paint = scene.rad([lighten(c_light, 0.15), c_light, c_dark], 0.35, 0.3, 0.75)
        blobs = []
        for cx, cy, radius in (
            (-12, -36, 11),
            (12, -38, 11),
            (0, -47, 13),
            (-6, -30, 9),
            (7, -29, 9),
            (-15, -44, 8),
            (14, -46, 8),
        ):
            blobs.append(
                '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                % (
                    number_text(cx + rng.uniform(-1, 1)),
                    number_text(cy + rng.uniform(-1, 1)),
                    number_text(radius),
                    paint,
                )
            )
        parts.append("".join(blobs))
        dots = []
        if season in ("spring", "blossom", "autumn", "gold", "red"):
            hi = scene.lit(c_hi) if scene.time == "night" else c_hi
            for i in range(22):
                angle = rng.uniform(0, 6.28)
                rr = rng.uniform(0, 17)
                dots.append(
                    '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                    % (
                        number_text(rr * math.cos(angle)),
                        number_text(-40 + rr * 0.8 * math.sin(angle)),
                        number_text(rng.uniform(0.9, 1.6)),
                        hi,
                    )
                )
        parts.append("".join(dots))
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, scale), "".join(parts)))


def _branches(scene, rng, x, y, ang, length, depth, width, colour):
    """SVG of a bare branch that forks `depth` times, starting at (x, y) in local units."""
    out = []
    x2 = x + length * math.cos(math.radians(ang))
    y2 = y + length * math.sin(math.radians(ang))
    out.append(
        '<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
        % (
            number_text(x),
            number_text(y),
            number_text(x2),
            number_text(y2),
            colour,
            number_text(width),
        )
    )
    if depth > 0:
        for turn in (-28, 24):
            out.append(
                _branches(
                    scene,
                    rng,
                    x2,
                    y2,
                    ang + turn + rng.uniform(-8, 8),
                    length * rng.uniform(0.6, 0.72),
                    depth - 1,
                    width * 0.62,
                    colour,
                )
            )
    return "".join(out)


@motif("fir")
def fir(
    scene,
    x: float,
    y: float,
    height: float = 60,
    snow: int = 0,
    lights: int = 0,
    star: int = 0,
    colour: Colour = "#2e6a4a",
):
    """A fir tree in tiers; optionally with snow on its boughs, coloured lights and a star on top."""
    scale = height / 60.0
    colour = scene.lit(colour)
    paint = scene.lin([lighten(colour, 0.2), colour, shade(colour, 0.7)], 0, 0, 1, 0.3)
    parts = ['<rect x="-2.5" y="-7" width="5" height="7" fill="%s"/>' % scene.lit("#5a3a26")]
    tiers = ((-6, 20, 18), (-20, 16, 18), (-33, 12, 16), (-45, 8, 15))
    for base, half, th in tiers:
        parts.append(
            '<path d="M%s,%s Q0,%s %s,%s L0,%s Z" fill="%s"/>'
            % (
                number_text(-half),
                number_text(base),
                number_text(base - 3),
                number_text(half),
                number_text(base),
                number_text(base - th),
                paint,
            )
        )
        if snow:
            sc = (
                "#f4f8ff"
                if scene.time == "day"
                else scene.lit("#f4f8ff")
                if scene.time == "night"
                else lighten(scene.lit("#f4f8ff"), 0.4)
            )
            if scene.time == "night":
                sc = "#8e9cc4"
            parts.append(
                '<path d="M%s,%s Q0,%s %s,%s Q0,%s %s,%s Z" fill="%s"/>'
                % (
                    number_text(-half * 0.95),
                    number_text(base - 0.5),
                    number_text(base - 3.5),
                    number_text(half * 0.95),
                    number_text(base - 0.5),
                    number_text(base - 5),
                    number_text(-half * 0.95),
                    number_text(base - 0.5),
                    sc,
                )
            )
            parts.append(
                '<path d="M%s,%s L0,%s L%s,%s Q0,%s %s,%s Z" fill="%s"/>'
                % (
                    number_text(-half * 0.22),
                    number_text(base - th * 0.78),
                    number_text(base - th),
                    number_text(half * 0.22),
                    number_text(base - th * 0.78),
                    number_text(base - th * 0.74),
                    number_text(-half * 0.22),
                    number_text(base - th * 0.78),
                    sc,
                )
            )
    if lights:
        rng = random.Random(int(x * 7 + scene.code))
        colours = ["#ffd850", "#ff6a6a", "#7ad8ff", "#ffa040", "#c890ff", "#fff4c0"]
        for base, half, th in tiers:
            for i in range(4):
                along = (i + 0.5) / 4
                lx = (-half + along * 2 * half) * 0.85
                ly = base - 2.5 - abs(lx) * 0.1
                col = rng.choice(colours)
                parts.append(
                    '<circle cx="%s" cy="%s" r="3.2" fill="%s"/><circle cx="%s" cy="%s" r="1.3" fill="%s"/>'
                    % (
                        number_text(lx),
                        number_text(ly),
                        scene.glow(col, 0.6),
                        number_text(lx),
                        number_text(ly),
                        col,
                    )
                )
    if star:
        parts.append(
            '<circle cx="0" cy="-61" r="8" fill="%s"/><path d="%s" fill="#ffe070"/>'
            % (scene.glow("#fff0a0", 0.6), star_points(0, -61, 5, 2.1))
        )
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, scale), "".join(parts)))


@motif("cypress")
def cypress(scene, x: float, y: float, height: float = 50, colour: Colour = "#2e5a3a"):
    """A tall, narrow cypress tree."""
    colour = scene.lit(colour)
    scene.add(
        '<g transform="%s"><path d="M0,0 C-7,-10 -6,-35 0,-%s C6,-35 7,-10 0,0 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, height / 50),
            "50",
            scene.lin([lighten(colour, 0.2), shade(colour, 0.75)], 0, 0, 1, 0),
        )
    )


def palm(scene, x, y, height=60, lean=8):
    """A palm tree leaning over, its fronds spread from the top (drawn for islands)."""
    scale = height / 60
    trunk = scene.lit("#8a6440")
    leafc = scene.lit("#3a8a48")
    fronds = []
    for angle in (-160, -120, -70, -30, 10, -95):
        fronds.append(
            '<path d="M0,0 Q%s,%s %s,%s Q%s,%s 0,0 Z" fill="%s" transform="translate(%s,-58) rotate(%s)"/>'
            % ("10", "-7", "24", "2", "10", "-1", leafc, number_text(lean), angle)
        )
    scene.add(
        '<g transform="%s"><path d="M-2.5,0 Q%s,-30 %s,-58 L%s,-58 Q%s,-30 2.5,0 Z" fill="%s"/>%s</g>'
        % (
            scene.at(x, y, scale),
            number_text(lean * 0.2 - 2),
            number_text(lean - 1.5),
            number_text(lean + 1.5),
            number_text(lean * 0.2 + 2),
            trunk,
            "".join(fronds),
        )
    )


def _flower_head(scene, kind, colour, radius):
    """SVG of the head of a flower of a kind, centred on the origin."""
    c2 = shade(colour, 0.75)
    if kind == "tulip":
        return '<path d="M%s,0 C%s,%s %s,%s 0,%s C%s,%s %s,%s %s,0 Q0,%s %s,0 Z" fill="%s"/>' % (
            number_text(-radius),
            number_text(-radius * 1.1),
            number_text(-radius * 1.6),
            number_text(-radius * 0.5),
            number_text(-radius * 2.1),
            number_text(-radius * 1.6),
            number_text(radius * 0.5),
            number_text(-radius * 2.1),
            number_text(radius * 1.1),
            number_text(-radius * 1.6),
            number_text(radius),
            number_text(radius * 0.6),
            number_text(-radius),
            colour,
        )
    if kind == "daisy":
        petals = "".join(
            '<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%d)" fill="%s"/>'
            % (
                number_text(-radius * 0.75),
                number_text(radius * 0.28),
                number_text(radius * 0.6),
                angle,
                colour,
            )
            for angle in range(0, 360, 30)
        )
        return petals + '<circle r="%s" fill="#f4c430"/>' % number_text(radius * 0.38)
    if kind == "chrysanthemum":
        # a full, round bloom: rings of narrow petals, each ring shorter, paler and turned a little
        rings = []
        for reach, width, count, turn, tone in (
            (0.95, 0.13, 28, 0, 0.82),
            (0.72, 0.13, 22, 8, 1.0),
            (0.5, 0.12, 16, 4, 1.12),
            (0.3, 0.11, 10, 14, 1.25),
        ):
            rings.append(
                "".join(
                    '<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%s)" fill="%s" stroke="%s" '
                    'stroke-width="%s"/>'
                    % (
                        number_text(-radius * reach * 0.55),
                        number_text(radius * width),
                        number_text(radius * reach * 0.5),
                        number_text(turn + k * 360 / count),
                        shade(colour, tone) if tone < 1 else lighten(colour, tone - 1),
                        shade(colour, 0.6),
                        number_text(radius * 0.025),
                    )
                    for k in range(count)
                )
            )
        return "".join(rings) + '<circle r="%s" fill="%s"/>' % (
            number_text(radius * 0.12),
            shade(colour, 0.85),
        )
    if kind == "marigold":
        petals = "".join(
            '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
            % (
                number_text(radius * 0.55 * math.cos(math.radians(angle))),
                number_text(radius * 0.55 * math.sin(math.radians(angle))),
                number_text(radius * 0.42),
                colour if angle % 60 else shade(colour, 0.85),
            )
            for angle in range(0, 360, 30)
        )
        return petals + '<circle r="%s" fill="%s"/>' % (
            number_text(radius * 0.45),
            lighten(colour, 0.25),
        )
    if kind == "daffodil":
        petals = "".join(
            '<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%d)" fill="%s"/>'
            % (
                number_text(-radius * 0.6),
                number_text(radius * 0.35),
                number_text(radius * 0.62),
                angle,
                lighten(colour, 0.35),
            )
            for angle in range(0, 360, 60)
        )
        return petals + '<circle r="%s" fill="#f09a20"/><circle r="%s" fill="#f8c040"/>' % (
            number_text(radius * 0.42),
            number_text(radius * 0.26),
        )
    if kind == "sunflower":
        petals = "".join(
            '<ellipse cx="0" cy="%s" rx="%s" ry="%s" transform="rotate(%d)" fill="%s"/>'
            % (
                number_text(-radius * 0.8),
                number_text(radius * 0.25),
                number_text(radius * 0.55),
                angle,
                colour,
            )
            for angle in range(0, 360, 24)
        )
        return petals + '<circle r="%s" fill="#6a3a1a"/>' % number_text(radius * 0.5)
    if kind == "snowdrop":
        return '<path d="M0,0 C%s,%s %s,%s 0,%s C%s,%s %s,%s 0,0 Z" fill="%s"/>' % (
            number_text(-radius * 0.9),
            number_text(radius * 0.3),
            number_text(-radius * 0.5),
            number_text(radius * 1.8),
            number_text(radius * 1.9),
            number_text(radius * 0.5),
            number_text(radius * 1.8),
            number_text(radius * 0.9),
            number_text(radius * 0.3),
            colour,
        )
    if kind == "bell":
        return '<path d="M0,0 C%s,0 %s,%s %s,%s L%s,%s C%s,%s %s,0 0,0 Z" fill="%s"/>' % (
            number_text(-radius * 0.8),
            number_text(-radius * 0.9),
            number_text(radius),
            number_text(-radius * 0.9),
            number_text(radius * 1.5),
            number_text(radius * 0.9),
            number_text(radius * 1.5),
            number_text(radius * 0.9),
            number_text(radius),
            number_text(radius * 0.8),
            colour,
        )
    if kind == "rose":
        return (
            '<circle r="%s" fill="%s"/><path d="M%s,0 A%s,%s 0 1 1 0,%s" fill="none" stroke="%s" stroke-width="%s"/>'
            '<path d="M0,%s A%s,%s 0 1 0 %s,0" fill="none" stroke="%s" stroke-width="%s"/>'
            % (
                number_text(radius),
                colour,
                number_text(-radius * 0.5),
                number_text(radius * 0.5),
                number_text(radius * 0.5),
                number_text(-radius * 0.5),
                c2,
                number_text(radius * 0.18),
                number_text(radius * 0.75),
                number_text(radius * 0.75),
                number_text(radius * 0.75),
                number_text(radius * 0.75),
                c2,
                number_text(radius * 0.15),
            )
        )
    if kind == "poppy":
        petals = "".join(
            '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
            % (
                number_text(radius * 0.45 * math.cos(math.radians(angle))),
                number_text(radius * 0.45 * math.sin(math.radians(angle))),
                number_text(radius * 0.62),
                colour,
            )
            for angle in (0, 90, 180, 270)
        )
        return petals + '<circle r="%s" fill="#2a1a20"/>' % number_text(radius * 0.3)
    if kind == "lily":
        petals = "".join(
            '<path d="M0,0 Q%s,%s 0,%s Q%s,%s 0,0 Z" fill="%s" transform="rotate(%d)"/>'
            % (
                number_text(-radius * 0.4),
                number_text(-radius * 0.6),
                number_text(-radius * 1.3),
                number_text(radius * 0.4),
                number_text(-radius * 0.6),
                colour,
                angle,
            )
            for angle in (-60, -20, 20, 60, 0)
        )
        return petals + '<circle r="%s" fill="#f6d860"/>' % number_text(radius * 0.18)
    # plain round bloom
    return '<circle r="%s" fill="%s"/><circle r="%s" fill="%s"/>' % (
        number_text(radius),
        colour,
        number_text(radius * 0.4),
        lighten(colour, 0.5),
    )


@motif("flower")
def flower(
    scene,
    x: float,
    y: float,
    height: float = 30,
    kind: str = "tulip",
    colour: Colour = "red",
    lean: float = 0,
):
    """A single flower on its stem. kind: tulip, daisy, sunflower, snowdrop, bell, rose, poppy, lily."""
    colour = scene.lit(colour) if scene.time == "night" else colour
    stem = scene.lit("#3e8a3e")
    radius = max(2.5, height * 0.16)
    top = (lean, -height)
    leaf = '<path d="M0,%s Q%s,%s %s,%s Q%s,%s 0,%s Z" fill="%s"/>' % (
        number_text(-height * 0.2),
        number_text(-height * 0.25),
        number_text(-height * 0.3),
        number_text(-height * 0.28),
        number_text(-height * 0.55),
        number_text(-height * 0.05),
        number_text(-height * 0.4),
        number_text(-height * 0.3),
        stem,
    )
    head_y = top[1] + (radius * 1.2 if kind == "tulip" else 0)
    if kind in ("snowdrop", "bell"):
        head = '<g transform="translate(%s,%s) rotate(%s)">%s</g>' % (
            number_text(top[0] + 3),
            number_text(top[1] + 2),
            "20",
            _flower_head(scene, kind, colour, radius),
        )
        stemd = "M0,0 Q%s,%s %s,%s Q%s,%s %s,%s" % (
            number_text(lean * 0.3),
            number_text(-height * 0.6),
            number_text(top[0]),
            number_text(top[1]),
            number_text(top[0] + 2),
            number_text(top[1] - 2),
            number_text(top[0] + 3),
            number_text(top[1] + 2),
        )
    else:
        head = '<g transform="translate(%s,%s)">%s</g>' % (
            number_text(top[0]),
            number_text(head_y),
            _flower_head(scene, kind, colour, radius),
        )
        stemd = "M0,0 Q%s,%s %s,%s" % (
            number_text(lean * 0.2),
            number_text(-height * 0.5),
            number_text(top[0]),
            number_text(top[1]),
        )
    scene.add(
        '<g transform="%s"><path d="%s" fill="none" stroke="%s" stroke-width="%s"/>%s%s</g>'
        % (scene.at(x, y), stemd, stem, number_text(max(1, height / 25)), leaf, head)
    )


@motif("flowers")
def flowers(
    scene,
    count: int = 8,
    kind: str = "daisy",
    colours: Colours = "white",
    low: float = 2,
    high: float = 18,
    height: float = 14,
):
    """A scattering of flowers over the foreground; colours separated by commas."""
    rng = random.Random(scene.code * 37 + count)
    items = []
    for i in range(count):
        items.append(
            (
                rng.uniform(low, high),
                rng.uniform(6, scene.width - 6),
                rng.choice(colours),
                rng.uniform(-3, 3),
            )
        )
    for yy, xx, colour, lean in sorted(items, reverse=True):
        depth = 1 - (yy - low) / max(1, high - low)
        flower(scene, xx, yy, height * (0.6 + 0.5 * depth), kind, colour, lean)


@motif("grass")
def grass(scene, count: int = 40, y: float = 0, height: float = 8, colour: Colour = "#4e9a40"):
    """Blades of grass scattered along a line in the foreground."""
    rng = random.Random(scene.code * 41)
    colour = scene.lit(colour)
    blades = []
    for i in range(count):
        x = rng.uniform(0, scene.width)
        hh = height * rng.uniform(0.5, 1.2)
        lean = rng.uniform(-3, 3)
        blades.append(
            '<path d="M%s,%s q%s,%s %s,%s"/>'
            % (
                number_text(x),
                number_text(scene.svg_y(y)),
                number_text(lean * 0.3),
                number_text(-hh * 0.5),
                number_text(lean),
                number_text(-hh),
            )
        )
    scene.add(
        '<g stroke="%s" stroke-width="1" fill="none" stroke-linecap="round">%s</g>'
        % (colour, "".join(blades))
    )


def leaf(scene, x, y, size, colour, angle=0):
    """One leaf of colour #rrggbb, turned by angle (drawn for falling leaves)."""
    scene.add(
        '<g transform="%s"><path d="%s" fill="%s"/><path d="M0,%s L0,%s" stroke="%s" stroke-width="0.6"/></g>'
        % (
            scene.at(x, y, 1, angle),
            leaf_path(size),
            colour,
            number_text(size * 1.3),
            number_text(-size * 0.8),
            shade(colour, 0.6),
        )
    )


@motif("leaves")
def leaves(
    scene, count: int = 12, colours: Colours = "#e8902a,#d0542a,#f0c040,#b8402a", low: float = None
):
    """Leaves falling through the air."""
    rng = random.Random(scene.code * 43)
    if low is None:
        low = scene.horizon
    for i in range(count):
        leaf(
            scene,
            rng.uniform(6, scene.width - 6),
            rng.uniform(low, scene.height - 20),
            rng.uniform(2.5, 4.5),
            rng.choice(colours),
            rng.uniform(0, 360),
        )


@motif("grapes")
def grapes(scene, x: float, y: float, size: float = 12, colour: Colour = "#6a3a8a"):
    """A bunch of grapes."""
    paint = scene.rad([lighten(colour, 0.45), colour, shade(colour, 0.6)], 0.35, 0.35, 0.7)
    pts = [
        (0, 0),
        (-2.2, 0.2),
        (2.2, 0.2),
        (-1.1, 2),
        (1.1, 2),
        (0, 3.8),
        (-3.3, -1.6),
        (3.3, -1.6),
        (0, -1.8),
        (-1.1, -3.4),
        (1.1, -3.4),
    ]
    scene.add(
        '<g transform="%s">%s</g>'
        % (
            scene.at(x, y, size / 10),
            "".join(
                '<circle cx="%s" cy="%s" r="1.35" fill="%s"/>'
                % (number_text(px), number_text(py), paint)
                for px, py in pts
            ),
        )
    )


@motif("shamrock")
def shamrock(scene, x: float, y: float, size: float = 14, colour: Colour = "#3aa84a"):
    """A three-leaved shamrock on its stalk."""
    paint = scene.rad([lighten(colour, 0.3), colour, shade(colour, 0.7)], 0.4, 0.4, 0.8)
    heart = "M0,0 C-1,-3 -6,-5 -6,-9 C-6,-12 -2,-13 0,-10 C2,-13 6,-12 6,-9 C6,-5 1,-3 0,0 Z"
    leaves_ = "".join(
        '<path d="%s" fill="%s" transform="rotate(%d)"/>' % (heart, paint, angle)
        for angle in (0, 120, 240)
    )
    scene.add(
        '<g transform="%s"><path d="M0,0 Q2,8 6,14" stroke="%s" stroke-width="1.6" fill="none"/>%s</g>'
        % (scene.at(x, y, size / 14), shade(colour, 0.8), leaves_)
    )


@motif("mushroom")
def mushroom(scene, x: float, y: float, size: float = 10, colour: Colour = "#d04030"):
    """A toadstool with a spotted cap."""
    colour = scene.lit(colour)
    scene.add(
        '<g transform="%s"><path d="M-2,0 L-1.5,-6 L1.5,-6 L2,0 Z" fill="%s"/>'
        '<path d="M-7,-5 Q-7,-13 0,-13 Q7,-13 7,-5 Z" fill="%s"/>'
        '<circle cx="-3" cy="-9" r="1.1" fill="#fff"/><circle cx="2" cy="-10.5" r="0.9" fill="#fff"/><circle cx="4" cy="-7" r="0.8" fill="#fff"/></g>'
        % (scene.at(x, y, size / 10), scene.lit("#f0e6d0"), colour)
    )


@motif("sheaf")
def sheaf(scene, x: float, y: float, size: float = 40, colour: Colour = "#e8c060"):
    """A harvest sheaf of wheat, tied at the waist."""
    colour = scene.lit(colour)
    dark = shade(colour, 0.75)
    stalks = []
    heads = []
    for i in range(-6, 7):
        top_x = i * 2.2
        top_y = -38 + abs(i) * 0.9
        stalks.append(
            '<path d="M%s,0 Q%s,-18 %s,%s" fill="none" stroke="%s" stroke-width="1.1"/>'
            % (
                number_text(i * 1.3),
                number_text(i * 0.2),
                number_text(top_x),
                number_text(top_y),
                dark if i % 2 else colour,
            )
        )
        heads.append(
            '<ellipse cx="%s" cy="%s" rx="1.6" ry="4" fill="%s" transform="rotate(%s %s %s)"/>'
            % (
                number_text(top_x),
                number_text(top_y - 3),
                colour,
                number_text(i * 5),
                number_text(top_x),
                number_text(top_y - 3),
            )
        )
    scene.add(
        '<g transform="%s">%s%s<rect x="-6" y="-18" width="12" height="3" fill="%s"/></g>'
        % (scene.at(x, y, size / 44), "".join(stalks), "".join(heads), scene.lit("#a0602a"))
    )


@motif("wheat")
def wheat(scene, count: int = 30, y: float = 0, height: float = 18):
    """A band of ripe wheat stalks in the foreground."""
    rng = random.Random(scene.code * 53)
    colour = scene.lit("#e8c060")
    parts = []
    for i in range(count):
        xx = rng.uniform(0, scene.width)
        hh = height * rng.uniform(0.7, 1.1)
        lean = rng.uniform(-3, 3)
        parts.append(
            '<path d="M%s,%s q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="0.8"/>'
            % (
                number_text(xx),
                number_text(scene.svg_y(y)),
                number_text(lean * 0.3),
                number_text(-hh * 0.5),
                number_text(lean),
                number_text(-hh),
                shade(colour, 0.8),
            )
        )
        parts.append(
            '<ellipse cx="%s" cy="%s" rx="1.3" ry="3.2" fill="%s" transform="rotate(%s %s %s)"/>'
            % (
                number_text(xx + lean),
                number_text(scene.svg_y(y) - hh - 2),
                colour,
                number_text(lean * 5),
                number_text(xx + lean),
                number_text(scene.svg_y(y) - hh - 2),
            )
        )
    scene.add("".join(parts))


@motif("mapleleaf")
def maple_leaf(
    scene, x: float, y: float, size: float = 30, colour: Colour = "red", angle: float = 0
):
    """A stylised maple leaf; y is its centre."""
    outline = (
        "M0,-20 L3,-13 L7,-15 L6,-7 L13,-11 L11,-6 L17,-5 L12,0 L14,3 L6,3 L7,7 L1,5 L1,14 L-1,14 L-1,5 L-7,7 L-6,3 L-14,3 "
        "L-12,0 L-17,-5 L-11,-6 L-13,-11 L-6,-7 L-7,-15 L-3,-13 Z"
    )
    scene.add(
        '<g transform="%s"><path d="%s" fill="%s" stroke="%s" stroke-width="0.6" stroke-linejoin="round"/></g>'
        % (
            scene.at(x, y, size / 34, angle),
            outline,
            scene.lin([lighten(colour, 0.25), colour, shade(colour, 0.75)]),
            shade(colour, 0.6),
        )
    )


@motif("bamboo")
def bamboo(
    scene,
    x: float,
    y: float = 0,
    height: float = 140,
    lean: float = 6,
    slips: Colours = "red,gold,sky,rose,lime",
):
    """A bamboo stem with leaves and coloured paper slips hanging from it."""
    colour = (
        scene.lit("#6aa84a") if scene.time == "day" else mix(scene.lit("#6aa84a"), "#8ad06a", 0.5)
    )
    parts = [
        '<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="3"/>'
        % (
            number_text(x),
            number_text(scene.svg_y(y)),
            number_text(x + lean * 0.2),
            number_text(scene.svg_y(y + height * 0.5)),
            number_text(x + lean),
            number_text(scene.svg_y(y + height)),
            colour,
        )
    ]
    rng = random.Random(int(x + scene.code))
    for i in range(1, 9):
        along = i / 9
        px = x + lean * along * along
        py = y + height * along
        parts.append(
            '<rect x="%s" y="%s" width="4" height="1" fill="%s"/>'
            % (number_text(px - 2), number_text(scene.svg_y(py)), shade(colour, 0.7))
        )
        if i > 2:
            side = 1 if i % 2 else -1
            parts.append(
                '<path d="M%s,%s q%s,-4 %s,0 q%s,2 %s,0 Z" fill="%s"/>'
                % (
                    number_text(px),
                    number_text(scene.svg_y(py)),
                    number_text(side * 7),
                    number_text(side * 16),
                    number_text(-side * 8),
                    number_text(-side * 16),
                    shade(colour, 0.85),
                )
            )
            if i < 8:
                sx = px + side * rng.uniform(6, 13)
                sy = scene.svg_y(py) + 3
                parts.append(
                    '<path d="M%s,%s v3" stroke="#d8d0c0" stroke-width="0.3"/><rect x="%s" y="%s" width="3" height="9" fill="%s"/>'
                    % (
                        number_text(sx),
                        number_text(sy - 2),
                        number_text(sx - 1.5),
                        number_text(sy + 1),
                        slips[i % len(slips)],
                    )
                )
    scene.add("".join(parts))


@motif("haystack")
def haystack(scene, x: float, y: float, size: float = 30):
    """A rounded haystack with wisps of straw."""
    colour = scene.lit("#e0b85a")
    strands = "".join(
        '<path d="M%s,%s q2,-3 4,-1" stroke="%s" stroke-width="0.6" fill="none"/>'
        % (number_text(-10 + (i * 7) % 20), number_text(-4 - (i * 5) % 20), shade(colour, 0.7))
        for i in range(10)
    )
    scene.add(
        '<g transform="%s"><path d="M-16,0 C-16,-14 -10,-28 0,-28 C10,-28 16,-14 16,0 Z" fill="%s"/>%s<path d="M-1,-28 L0,-32 L1,-28" stroke="%s" stroke-width="1"/></g>'
        % (
            scene.at(x, y, size / 30),
            scene.rad([lighten(colour, 0.25), colour, shade(colour, 0.7)], 0.35, 0.3, 0.8),
            strands,
            shade(colour, 0.6),
        )
    )


@motif("leafpair")
def leaf_pair(scene, x: float, y: float, size: float = 20, colour: Colour = "#4a9a4a"):
    """Two heart-shaped leaves on one stalk (the hollyhock leaves of a festival crest)."""
    heart_ = "M0,0 C-1,-3 -7,-5 -7,-10 C-7,-13 -3,-14 0,-11 C3,-14 7,-13 7,-10 C7,-5 1,-3 0,0 Z"
    paint = scene.lin([lighten(colour, 0.3), shade(colour, 0.75)])
    scene.add(
        '<g transform="%s"><path d="M0,0 L0,10" stroke="%s" stroke-width="1.2"/>'
        '<path d="%s" fill="%s" transform="rotate(-40) scale(1,-1) translate(0,0)"/><path d="%s" fill="%s" transform="rotate(40) scale(1,-1)"/>'
        '<path d="%s" fill="%s" transform="scale(1,-1) translate(0,2)"/></g>'
        % (
            scene.at(x, y, size / 20, 180),
            shade(colour, 0.7),
            heart_,
            paint,
            heart_,
            paint,
            heart_,
            paint,
        )
    )


@motif("thistle")
def thistle(scene, x: float, y: float, height: float = 40, colour: Colour = "#9a5ab8"):
    """A thistle: spiny leaves on a stem topped with a purple flower head."""
    stem = scene.lit("#5a8a5a")
    scene.add(
        '<g transform="%s"><path d="M0,0 L0,-30" stroke="%s" stroke-width="1.6"/>'
        '<path d="M0,-12 l-9,-4 l3,3 l-5,0 l6,3 Z M0,-18 l9,-4 l-3,3 l5,0 l-6,3 Z" fill="%s"/>'
        '<ellipse cx="0" cy="-33" rx="5" ry="5.5" fill="%s"/><path d="M-5,-33 l-2,-2 M5,-33 l2,-2 M-3,-37 l-2,-3 M3,-37 l2,-3" stroke="%s" stroke-width="0.8"/>'
        '<path d="M-4.5,-36 C-5,-42 -2,-46 0,-47 C2,-46 5,-42 4.5,-36 Z" fill="%s"/></g>'
        % (
            scene.at(x, y, height / 47),
            stem,
            stem,
            scene.lin([lighten(stem, 0.2), shade(stem, 0.8)]),
            lighten(stem, 0.3),
            scene.lin([lighten(colour, 0.3), colour]),
        )
    )


@motif("birch")
def birch(scene, x: float, y: float, height: float = 70, season: str = None):
    """A birch: white trunk with dark marks, a light crown of small leaves (bare in winter)."""
    season = season or scene.season
    scale = height / 70
    bark = (
        "#f4f0e8"
        if scene.time == "day"
        else scene.lit("#f4f0e8")
        if scene.time == "night"
        else shade("#f4f0e8", 0.8)
    )
    marks = "".join(
        '<rect x="%s" y="%s" width="%s" height="1" fill="#2a2a30"/>'
        % (
            number_text(-1.5 + (i % 2)),
            number_text(-6 - i * 7),
            number_text(1.5 + (i % 3)),
        )
        for i in range(8)
    )
    parts = ['<path d="M-2,0 L-1,-60 L1,-60 L2,0 Z" fill="%s"/>%s' % (bark, marks)]
    if season == "winter":
        parts.append(
            '<path d="M0,-30 L-12,-46 M0,-38 L10,-54 M0,-50 L-7,-62 M0,-45 L6,-62" stroke="%s" stroke-width="0.8" fill="none"/>'
            % scene.lit("#6a5a50")
        )
    else:
        col = {"spring": "#a8d86a", "summer": "#6aae4a", "autumn": "#f0c040"}.get(season, "#8cc85a")
        col = scene.lit(col)
        rng = random.Random(int(x * 13 + scene.code))
        dots = "".join(
            '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
            % (
                number_text(rng.gauss(0, 7)),
                number_text(-48 + rng.gauss(0, 10)),
                number_text(rng.uniform(1.5, 3)),
                rng.choice((col, lighten(col, 0.2), shade(col, 0.8))),
            )
            for i in range(45)
        )
        parts.append(dots)
    scene.add('<g transform="%s">%s</g>' % (scene.at(x, y, scale), "".join(parts)))


@motif("sprouts")
def sprouts(scene, x: float, y: float, size: float = 30):
    """A dish of green wheat sprouts tied with a red ribbon."""
    rng = random.Random(int(x + scene.code * 3))
    blades = "".join(
        '<path d="M%s,-6 q%s,-10 %s,-%s" />'
        % (
            number_text(rng.uniform(-9, 9)),
            number_text(rng.uniform(-2, 2)),
            number_text(rng.uniform(-4, 4)),
            number_text(rng.uniform(14, 22)),
        )
        for i in range(28)
    )
    scene.add(
        '<g transform="%s"><g stroke="#7ac850" stroke-width="1" fill="none">%s</g><rect x="-11" y="-8" width="22" height="3" fill="%s"/>'
        '<path d="M-13,-6 L13,-6 L10,0 L-10,0 Z" fill="%s"/></g>'
        % (scene.at(x, y, size / 30), blades, scene.col("red"), scene.lin(["#f4f0e8", "#b8c0d0"]))
    )


@motif("fern")
def fern(
    scene, x: float, y: float, height: float = 40, angle: float = 0, colour: Colour = "#4a9a5a"
):
    """A fern frond curling at its tip."""
    colour = scene.lit(colour)
    leaflets = "".join(
        '<path d="M0,%s l%s,-3 M0,%s l%s,-3" />'
        % (
            number_text(-4 - i * 3.6),
            number_text(8 - i * 0.6),
            number_text(-4 - i * 3.6),
            number_text(-8 + i * 0.6),
        )
        for i in range(10)
    )
    scene.add(
        '<g transform="%s" fill="none" stroke="%s" stroke-linecap="round"><path d="M0,0 L0,-38 Q0,-44 4,-43 Q6,-40 3,-39" stroke-width="1.4"/>'
        '<g stroke-width="1.8">%s</g></g>' % (scene.at(x, y, height / 44, angle), colour, leaflets)
    )


@motif("mimosa")
def mimosa(scene, x: float, y: float, size: float = 40):
    """A sprig of mimosa: feathery leaves and clusters of yellow puffballs."""
    rng = random.Random(int(x * 7 + scene.code))
    balls = "".join(
        '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
        % (
            number_text(rng.gauss(0, 9)),
            number_text(-26 + rng.gauss(0, 8)),
            number_text(rng.uniform(1.5, 2.4)),
            rng.choice(("#ffe040", "#f6d020", "#fff080")),
        )
        for i in range(40)
    )
    scene.add(
        '<g transform="%s"><path d="M0,0 Q2,-16 -2,-34 M0,-14 Q8,-20 12,-30 M-1,-20 Q-8,-26 -12,-34" stroke="#6a8a4a" stroke-width="1.2" fill="none"/>%s</g>'
        % (scene.at(x, y, size / 40), balls)
    )


@motif("willow")
def willow(scene, x: float, y: float, height: float = 90):
    """A weeping willow with long hanging strands of new green."""
    scale = height / 90
    trunk = scene.lit("#6a4a32")
    leaf_c = scene.lit("#9ad05a")
    rng = random.Random(int(x * 3 + scene.code))
    strands = []
    for i in range(26):
        sx = rng.uniform(-30, 30)
        sy = -70 + abs(sx) * 0.5 + rng.uniform(-4, 4)
        length = rng.uniform(30, 55)
        strands.append(
            '<path d="M%s,%s q%s,%s %s,%s" />'
            % (
                number_text(sx),
                number_text(sy),
                number_text(sx * 0.2),
                number_text(length * 0.5),
                number_text(sx * 0.15 + rng.uniform(-3, 3)),
                number_text(length),
            )
        )
    scene.add(
        '<g transform="%s"><path d="M-3,0 C-2,-20 -4,-40 -1,-62 L2,-62 C3,-40 2,-20 4,0 Z" fill="%s"/>'
        '<path d="M0,-50 Q-16,-70 -28,-66 M0,-56 Q14,-74 28,-66" stroke="%s" stroke-width="1.6" fill="none"/>'
        '<ellipse cx="0" cy="-64" rx="30" ry="12" fill="%s"/><g stroke="%s" stroke-width="1.6" fill="none" stroke-linecap="round">%s</g></g>'
        % (
            scene.at(x, y, scale),
            trunk,
            trunk,
            scene.lin([lighten(leaf_c, 0.2), leaf_c]),
            leaf_c,
            "".join(strands),
        )
    )


@motif("vase")
def vase_branch(scene, x: float, y: float, size: float = 60, blossom: Colour = "#fff0f4"):
    """A glass vase holding a cherry branch in blossom; y is the vase's foot."""
    br = scene.lit("#5a3a2a") if scene.time == "day" else "#6a4a3a"
    rng = random.Random(int(x + scene.code * 5))
    flowers_ = "".join(
        '<circle cx="%s" cy="%s" r="%s" fill="%s"/>'
        % (
            number_text(px + rng.uniform(-2, 2)),
            number_text(py + rng.uniform(-2, 2)),
            number_text(rng.uniform(1.4, 2.2)),
            rng.choice((blossom, "#f8c8d8", "#ffffff")),
        )
        for px, py in [(-14 + step * 6, -40 - step * 5) for step in range(5)]
        + [(4 + step * 4, -44 - step * 6) for step in range(5)]
        + [(0, -30 - step * 4) for step in range(3)]
    )
    scene.add(
        '<g transform="%s"><path d="M0,-14 L-16,-42 M-8,-27 L-12,-36 M0,-14 L2,-40 L18,-70 M2,-40 L10,-48 M0,-14 L0,-42" stroke="%s" stroke-width="1.6" fill="none" stroke-linecap="round"/>%s'
        '<path d="M-6,0 C-10,-6 -9,-14 -4,-18 L4,-18 C9,-14 10,-6 6,0 Z" fill="%s" stroke="#e0f0ff" stroke-width="0.8" stroke-opacity="0.8"/></g>'
        % (
            scene.at(x, y, size / 70),
            br,
            flowers_,
            scene.lin([(0, "#c8e8ff", 0.45), (1, "#6aa0c8", 0.6)]),
        )
    )


@motif("basil")
def basil(scene, x: float, y: float, size: float = 16):
    """A little pot of basil with a paper carnation on a stick; y is the pot's foot."""
    green = scene.lit("#4a9a3a")
    scene.add(
        '<g transform="%s"><path d="M-5,-7 L5,-7 L4,0 L-4,0 Z" fill="%s"/><rect x="-5.6" y="-8" width="11.2" height="1.8" fill="%s"/>'
        '<circle cx="-2.6" cy="-10" r="3" fill="%s"/><circle cx="2.6" cy="-10.4" r="3" fill="%s"/><circle cx="0" cy="-12.6" r="3.2" fill="%s"/>'
        '<path d="M2,-12 L4,-19" stroke="%s" stroke-width="0.5"/><circle cx="4.2" cy="-19.6" r="2.2" fill="%s"/><rect x="2.4" y="-17.4" width="4.4" height="2.6" fill="#f8f4ec" transform="rotate(-12 4.6 -16)"/></g>'
        % (
            scene.at(x, y, size / 20),
            scene.lit("#c8643a"),
            scene.lit("#d8784a"),
            shade(green, 0.85),
            green,
            lighten(green, 0.15),
            scene.lit("#6a8a4a"),
            scene.col("red"),
        )
    )


_BRAMBLE_LEAF = (
    "M0,0 C-2.2,-1.2 -3.6,-3.4 -3.4,-6 L-4.2,-6.4 L-3.2,-7.2 C-2.6,-9.4 -1.4,-10.8 0,-12 "
    "C1.4,-10.8 2.6,-9.4 3.2,-7.2 L4.2,-6.4 L3.4,-6 C3.6,-3.4 2.2,-1.2 0,0 Z"
)


@motif("bramble")
def bramble(scene, x: float, y: float, size: float = 50, flip: int = 0, ripe: float = 0.75):
    """A bramble cane arching over with its leaves and clusters of blackberries.

    Each berry is a knot of small round drupelets, black-purple when ripe and red before; ripe
    is the share of ripe berries. (x, y) is where the cane leaves the ground, size its height."""
    rng = random.Random(int(x * 7 + y * 3 + scene.code))
    cane = scene.lit("#6a3a3a")
    leaf_colour = scene.lit("#3e7a3a")
    leaf_paint = scene.lin([lighten(leaf_colour, 0.2), leaf_colour, shade(leaf_colour, 0.7)])
    parts = [
        '<path d="M0,0 C2,-30 20,-48 40,-44 C50,-42 56,-34 58,-22" fill="none" stroke="%s" stroke-width="2.2"/>'
        '<path d="M8,-28 C2,-36 -6,-38 -12,-34 M30,-45 C34,-54 42,-56 48,-54" fill="none" stroke="%s" stroke-width="1.3"/>'
        % (cane, cane)
    ]
    # thorns along the main cane
    for t in (0.15, 0.3, 0.45, 0.6, 0.75, 0.9):
        px = 58 * t - 6 * t * (1 - t)
        py = -44 * (1 - (2 * t - 1) ** 2) - 2
        parts.append(
            '<path d="M%s,%s l1.6,-1.8 l0.3,1.5 Z" fill="%s"/>'
            % (number_text(px), number_text(py), cane)
        )
    # trefoil leaves
    for lx, ly, turn in (
        (6, -22, -40),
        (18, -40, -10),
        (44, -46, 20),
        (55, -30, 60),
        (-8, -34, -70),
    ):
        leaf = "".join(
            '<path d="%s" transform="rotate(%s) scale(%s)" fill="%s"/>'
            % (_BRAMBLE_LEAF, number_text(turn + spread), number_text(scale), leaf_paint)
            for spread, scale in ((-55, 0.8), (55, 0.8), (0, 1.0))
        )
        vein = '<path d="M0,0 L0,-10" stroke="%s" stroke-width="0.4" transform="rotate(%s)"/>' % (
            shade(leaf_colour, 0.6),
            number_text(turn),
        )
        parts.append(
            '<g transform="translate(%s,%s)">%s%s</g>'
            % (number_text(lx), number_text(ly), leaf, vein)
        )
    # clusters of berries hanging below the cane
    ripe_colour = scene.lit("#2a1030")
    red_colour = scene.lit("#c0283a")
    for bx, by in ((26, -36), (36, -38), (48, -36), (14, -26), (57, -16), (31, -30), (42, -31)):
        colour = ripe_colour if rng.random() < ripe else red_colour
        drupe = scene.rad([lighten(colour, 0.45), colour, shade(colour, 0.6)], 0.35, 0.3, 0.7)
        berry = [
            '<path d="M%s,%s l0,-3" stroke="%s" stroke-width="0.5"/>'
            % (number_text(bx), number_text(by - 2.6), cane)
        ]
        for dx, dy in (
            (0, 0),
            (-1.3, -0.8),
            (1.3, -0.8),
            (-1.3, 0.8),
            (1.3, 0.8),
            (0, -1.6),
            (0, 1.6),
            (-0.7, 2.4),
            (0.7, 2.4),
        ):
            berry.append(
                '<circle cx="%s" cy="%s" r="0.95" fill="%s"/>'
                % (number_text(bx + dx), number_text(by + dy), drupe)
            )
        berry.append(
            '<circle cx="%s" cy="%s" r="0.35" fill="#ffffff" opacity="0.6"/>'
            % (number_text(bx - 0.8), number_text(by - 0.9))
        )
        parts.append("".join(berry))
    scene.add(
        '<g transform="%s">%s</g>' % (scene.at(x, y, size / 56, 0, bool(flip)), "".join(parts))
    )
