"""Pictures that are not scenes in an arch: animation frames and the display test card."""

import math

import motifs
import resource_ids as ids
from motifs import number_text
from motifs.animals import birds
from motifs.land import glitter, hills, mountains, sea
from motifs.objects import hourglass_svg
from motifs.sky import earth, sky, star_field, sun
from motifs.travel import boat


def _doc(width, height, defs, body, background="#000000"):
    bg = (
        '<rect width="%d" height="%d" fill="%s"/>' % (width, height, background)
        if background
        else ""
    )
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d"><defs>%s</defs>%s%s</svg>'
        % (width, height, width, height, defs, bg, body)
    )


# ---------------------------------------------------------------- startup logo animation

ORBIT_FRAMES = ids.LOGO_FRAME_COUNT


def orbit_frame(frame, palette):
    """Frame k of the logo animation (87 x 47): the sun and the moon circling a small world,
    one full turn over the frames, passing behind it on the far side."""
    width, height = 87, 47
    scene = motifs.Scene(ids.LOGO_FIRST_FRAME, width, height, palette, time="night")
    scene.frame = "none"
    cx, cy = 43.5, 24.0
    rx, ry = 33.0, 10.5
    # a few fixed stars
    stars = "".join(
        '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="%s"/>'
        % (number_text(x), number_text(y), number_text(radius), number_text(opacity))
        for x, y, radius, opacity in (
            (6, 6, 0.6, 0.8),
            (20, 3, 0.5, 0.6),
            (70, 5, 0.6, 0.9),
            (82, 14, 0.5, 0.6),
            (12, 40, 0.5, 0.5),
            (78, 40, 0.6, 0.7),
            (56, 3, 0.4, 0.6),
            (30, 44, 0.4, 0.5),
        )
    )
    scene.add(stars)
    scene.add(
        '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="#e4d6a8" stroke-width="0.6" stroke-dasharray="1.5 2" opacity="0.55"/>'
        % (number_text(cx), number_text(cy), number_text(rx), number_text(ry))
    )

    theta = 2 * math.pi * frame / ORBIT_FRAMES
    bodies = []
    for which, angle in (("sun", theta), ("moon", theta + math.pi)):
        x = cx + rx * math.cos(angle)
        y = cy + ry * math.sin(angle)
        depth = math.sin(angle)  # > 0: in front of the world
        bodies.append((depth, which, x, y))
    # the world in the middle, drawn by the same motif as the day pictures
    body, scene.body = scene.body, []
    earth(scene, cx, height - cy, 8.5)
    world = "".join(scene.body)
    scene.body = body

    def draw(which, x, y, depth):
        size = 1.0 + 0.18 * depth
        if which == "sun":
            radius = 5.5 * size
            return (
                '<circle cx="%s" cy="%s" r="%s" fill="%s"/><circle cx="%s" cy="%s" r="%s" fill="%s"/>'
                % (
                    number_text(x),
                    number_text(y),
                    number_text(radius * 2.4),
                    scene.glow("#ffd060", 0.55),
                    number_text(x),
                    number_text(y),
                    number_text(radius),
                    scene.rad(["#fffbe8", "#ffd768", "#f4a838"], 0.42, 0.38, 0.62),
                )
            )
        radius = 4.4 * size
        return (
            '<circle cx="%s" cy="%s" r="%s" fill="%s"/><circle cx="%s" cy="%s" r="%s" fill="%s"/>'
            '<circle cx="%s" cy="%s" r="%s" fill="#b8b09c" opacity="0.5"/><circle cx="%s" cy="%s" r="%s" fill="#b8b09c" opacity="0.4"/>'
            % (
                number_text(x),
                number_text(y),
                number_text(radius * 2.3),
                scene.glow("#c8d4ff", 0.45),
                number_text(x),
                number_text(y),
                number_text(radius),
                scene.rad(["#fffdf2", "#f2eedc", "#c8c0a8"], 0.4, 0.4, 0.7),
                number_text(x - radius * 0.3),
                number_text(y - radius * 0.2),
                number_text(radius * 0.28),
                number_text(x + radius * 0.25),
                number_text(y + radius * 0.3),
                number_text(radius * 0.22),
            )
        )

    back = [entry for entry in bodies if entry[0] <= 0]
    front = [entry for entry in bodies if entry[0] > 0]
    for depth, which, x, y in sorted(back):
        scene.add(draw(which, x, y, depth))
    scene.add(world)
    for depth, which, x, y in sorted(front):
        scene.add(draw(which, x, y, depth))
    return _doc(width, height, "".join(scene.defs), "".join(scene.body))


# ---------------------------------------------------------------- About box animation

HOURGLASS_FRAMES = ids.ABOUT_FRAME_COUNT
_RUN_FRAMES = 27  # frames in which the sand runs; the rest turn the glass over


def hourglass_frame(frame):
    """Frame k of the About box animation (30 x 60): an hourglass runs out, then turns over
    (half a turn about its waist) and is full again at frame 0."""
    width, height = 30, 60
    defs = (
        '<radialGradient id="glow" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#ffc860" stop-opacity="0.28"/>'
        '<stop offset="1" stop-color="#ffc860" stop-opacity="0"/></radialGradient>'
        '<linearGradient id="wood" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#6a4022"/>'
        '<stop offset="0.45" stop-color="#c08a50"/><stop offset="1" stop-color="#5a3418"/></linearGradient>'
    )
    if frame < _RUN_FRAMES:
        sand = frame / (_RUN_FRAMES - 1)
        angle = 0.0
    else:
        sand = 1.0
        step = frame - _RUN_FRAMES + 1  # 1 .. 6
        angle = 180.0 * step / (HOURGLASS_FRAMES - _RUN_FRAMES + 1)
    glass = hourglass_svg(sand, wood="url(#wood)", stream=frame < _RUN_FRAMES)
    # upright it is 26 x 40 units; while it turns, shrink it so its width stays inside the frame
    turn = math.radians(angle)
    span = 26 * abs(math.cos(turn)) + 40 * abs(math.sin(turn))
    scale = min(1.08, 28.5 / span)
    body = (
        '<ellipse cx="15" cy="30" rx="15" ry="28" fill="url(#glow)"/>'
        '<g transform="translate(15,30) rotate(%s) scale(%s) translate(0,20)">%s</g>'
        % (number_text(angle), number_text(scale), glass)
    )
    return _doc(width, height, defs, body)


# ---------------------------------------------------------------- display check card


def test_card(palette):
    """The display check picture (384 x 164): a sunset landscape beside colour ramps, both of
    which only look smooth on a display with thousands of colours or more. The check shows its
    top-left 348 x 150 pixels, so everything is drawn inside those; the rest stays black."""
    width, height = 384, 164
    shown_width, shown_height = 348, 150
    scene = motifs.Scene(ids.DRIVER_PICTURE, 176, 142, palette)
    scene.frame = "none"
    sky(scene, "dusk", "summer", horizon=46, stars=0)
    star_field(scene, 14, low=110, bright=1)
    sun(scene, 118, 56, 13)
    mountains(scene, 46, 34, "#6a5a8a", 0)
    hills(scene, "summer", 40, 2)
    sea(scene, 22)
    glitter(scene, 118)
    boat(scene, 52, 14, 28, "ivory")
    birds(scene, 3, 60, 118, 7)
    landscape = (
        '<g transform="translate(4,4)"><clipPath id="land"><rect width="176" height="142" rx="5"/></clipPath><g clip-path="url(#land)">%s</g></g>'
        % "".join(scene.body)
    )

    bars = []
    defs = list(scene.defs)
    ramps = [
        ("#ff2020", "red"),
        ("#20d040", "green"),
        ("#2850ff", "blue"),
        ("#ffffff", "grey"),
        ("#ffd040", "gold"),
        ("#20c8e0", "cyan"),
    ]
    x0, y0, bw, bh, gap = 188, 8, shown_width - 4 - 188, 12, 3
    for i, (colour, name) in enumerate(ramps):
        gid = "ramp%d" % i
        defs.append(
            '<linearGradient id="%s" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#000000"/>'
            '<stop offset="0.7" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>'
            % (gid, colour, motifs.lighten(colour, 0.75))
        )
        bars.append(
            '<rect x="%d" y="%d" width="%d" height="%d" rx="2" fill="url(#%s)"/>'
            % (x0, y0 + i * (bh + gap), bw, bh, gid)
        )
    # a full rainbow, then a band of pale skin and sky tones
    hues = ["#ff2020", "#ff9a20", "#ffe020", "#40d040", "#20c8e0", "#2850ff", "#a040ff", "#ff2080"]
    defs.append(
        '<linearGradient id="rainbowramp" x1="0" y1="0" x2="1" y2="0">%s</linearGradient>'
        % "".join(
            '<stop offset="%s" stop-color="%s"/>' % (number_text(i / (len(hues) - 1)), colour)
            for i, colour in enumerate(hues)
        )
    )
    defs.append(
        '<linearGradient id="fade" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#ffffff" stop-opacity="0.85"/>'
        '<stop offset="0.5" stop-color="#ffffff" stop-opacity="0"/><stop offset="0.5" stop-color="#000000" stop-opacity="0"/>'
        '<stop offset="1" stop-color="#000000" stop-opacity="0.85"/></linearGradient>'
    )
    sy = y0 + len(ramps) * (bh + gap)
    bars.append(
        '<rect x="%d" y="%d" width="%d" height="24" rx="2" fill="url(#rainbowramp)"/>'
        % (x0, sy, bw)
    )
    bars.append(
        '<rect x="%d" y="%d" width="%d" height="24" rx="2" fill="url(#fade)"/>' % (x0, sy, bw)
    )
    # steps of grey underneath, for a quick look at the levels
    steps = "".join(
        '<rect x="%s" y="%d" width="%s" height="14" fill="#%02x%02x%02x"/>'
        % (number_text(x0 + i * bw / 16), sy + 28, number_text(bw / 16 + 0.4), level, level, level)
        for i, level in enumerate(int(j * 255 / 15) for j in range(16))
    )
    frame = (
        '<rect x="1" y="1" width="%d" height="%d" rx="6" fill="none" stroke="#e4d6a8" stroke-width="1.2"/>'
        '<rect x="4.5" y="4.5" width="175" height="141" rx="5" fill="none" stroke="#e4d6a8" stroke-width="0.8" opacity="0.7"/>'
    ) % (shown_width - 2, shown_height - 2)
    return _doc(width, height, "".join(defs), landscape + "".join(bars) + steps + frame)
