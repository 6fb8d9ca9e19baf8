#!/usr/bin/env python3
"""Build every bitmap and icon of Tavrin from the drawing sources in resources/art.

    python3 tools/pictures/make_pictures.py --days content/days --out OUTDIR

writes OUTDIR/bmp/NNNN.bmp (8-bit, 256-colour table of its own), OUTDIR/tavrin.ico,
OUTDIR/icon100.ico, the resource scripts OUTDIR/morvest_pictures.rc and
OUTDIR/morvsave_pictures.rc (file names relative to OUTDIR: compile with -I OUTDIR), and
OUTDIR/contact_sheet.png for a look at the whole set.

Day pictures are made for exactly the days that the content marks with `picture` (and the
dates that other days borrow with `picture MMDD`); each must have a description in
resources/art/days.txt. The output depends only on the sources: the same sources give the
same bytes.
"""

import argparse
import base64
import calendar
import multiprocessing
import os
import re
import sys
import time

sys.dont_write_bytecode = True  # keep the source tree clean when the build runs us
HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import rasters  # noqa: E402
import resource_ids as ids  # noqa: E402
import render  # noqa: E402
import scenes  # noqa: E402
import fixed  # noqa: E402

REPO = os.path.dirname(os.path.dirname(HERE))
ART = os.path.join(REPO, "resources", "art")

DAY_WIDTH_MAX = 128
DAY_HEIGHT_MIN, DAY_HEIGHT_MAX = 78, 378

# Fixed pictures: number -> (width, height). Day pictures come on top of these.
FIXED_SIZES = {
    ids.ABOUT_PICTURE: (124, 238),
    ids.DRIVER_PICTURE: (384, 164),
    ids.SYSINFO_PICTURE: (148, 384),
    ids.FALLBACK_PICTURE: (127, 234),
    ids.SAVER_SETUP_PICTURE: (141, 194),
    ids.SAVER_PREVIEW: (97, 165),
    ids.LOGO_PICTURE: (416, 169),
}
FIXED_SIZES.update({number: (87, 47) for number in ids.LOGO_FRAMES})
FIXED_SIZES.update({number: (30, 60) for number in ids.ABOUT_FRAMES})
# the pictures described in resources/art/pictures.txt
SCENE_PICTURES = (
    ids.ABOUT_PICTURE,
    ids.FALLBACK_PICTURE,
    ids.SAVER_SETUP_PICTURE,
    ids.SAVER_PREVIEW,
)

SAVER_ONLY = {ids.SAVER_PREVIEW}
ICONS = (
    ("tavrin.ico", "Tavrin", "icon-tavrin"),
    ("icon%d.ico" % ids.SAVER_ICON, str(ids.SAVER_ICON), "icon-saver"),
)
TINTS = (("Sky", (225, 240, 255)), ("Coral", (255, 220, 220)))


class BuildError(Exception):
    pass


# ---------------------------------------------------------------- content

MONTH_FILE = re.compile(r"^(\d\d)-[a-z]+\.txt$")


def valid_code(code):
    month, day = divmod(code, 100)
    return 1 <= month <= 12 and 1 <= day <= (
        29 if month == 2 else calendar.monthrange(2001, month)[1]
    )


def read_marks(days_dir):
    """The picture marks of the content: a list of (code, borrowed code or None, where)."""
    if not os.path.isdir(days_dir):
        raise BuildError("content directory not found: %s" % days_dir)
    marks = []
    months = set()
    for name in sorted(os.listdir(days_dir)):
        match = MONTH_FILE.match(name)
        if not match:
            continue
        month = int(match.group(1))
        if not 1 <= month <= 12:
            continue
        months.add(month)
        path = os.path.join(days_dir, name)
        with open(path, encoding="utf-8") as fh:
            for no, line in enumerate(fh, 1):
                if not line.startswith("::"):
                    continue
                toks = line[2:].split()
                where = "%s:%d" % (os.path.join(days_dir, name), no)
                if not toks or not toks[0].isdigit():
                    raise BuildError("%s: header without a day number: %s" % (where, line.strip()))
                code = month * 100 + int(toks[0])
                if "picture" not in toks:
                    continue
                if not valid_code(code):
                    raise BuildError(
                        "%s: day %s is not a date of month %d" % (where, toks[0], month)
                    )
                i = toks.index("picture")
                borrowed = None
                if i + 1 < len(toks) and toks[i + 1].isdigit():
                    borrowed = int(toks[i + 1])
                    if borrowed <= 100 or not valid_code(borrowed):
                        raise BuildError(
                            "%s: 'picture %s' does not name a date (MMDD)" % (where, toks[i + 1])
                        )
                marks.append((code, borrowed, where))
    missing = sorted(set(range(1, 13)) - months)
    return marks, missing


def needed_days(marks, descriptions):
    """Date codes that need a picture of their own; a clear error for any without a description."""
    need = {}
    for code, borrowed, where in marks:
        target = borrowed if borrowed is not None else code
        need.setdefault(target, where)
    problems = []
    for target, where in sorted(need.items()):
        if target not in descriptions:
            problems.append(
                "%s: day %02d/%02d needs picture %d, but resources/art/days.txt has no description for %04d"
                % (where, target // 100, target % 100, ids.DAY_BASE + target, target)
            )
    if problems:
        raise BuildError("\n".join(problems))
    return sorted(need)


# ---------------------------------------------------------------- jobs (run in worker processes)


def _load_art():
    palette = scenes.read_palette(os.path.join(ART, "palettes.txt"))
    with open(os.path.join(ART, "frame.svg"), encoding="utf-8") as fh:
        frame = fh.read()
    return palette, frame


def _art_file(name):
    with open(os.path.join(ART, name), encoding="utf-8") as fh:
        return fh.read()


def _scene_picture(table, key, number, size, fixed):
    palette, frame = _load_art()
    descs = scenes.parse(os.path.join(ART, table))
    if key not in descs:
        raise BuildError("resources/art/%s has no description for %d" % (table, key))
    svg, width, height = scenes.compose(descs[key], palette, frame, default_size=size, code=number)
    if fixed and (width, height) != size:
        raise BuildError(
            "picture %d is described as %dx%d but must be %dx%d"
            % (number, width, height, size[0], size[1])
        )
    return render.picture_from_svg(svg, width, height)


def _masked_picture():
    """The System Information picture: the image above, its mask below (white = background shows through)."""
    width, height = 148, 192
    rgba = render.svg_to_rgba(_art_file("sysinfo.svg"), width, height)
    opaque = bytearray(width * height * 4)
    solid = [False] * (width * height)
    px = rgba.pixels
    for pixel in range(width * height):
        i = pixel * 4
        opaque[i + 3] = 255
        if px[i + 3] >= 128:
            solid[pixel] = True
            opaque[i : i + 3] = px[i : i + 3]
    img = rasters.Image(width, height, opaque)
    picture = render.quantise(img, 254)
    black = render.ensure_colour(picture, (0, 0, 0))
    white = render.ensure_colour(picture, (255, 255, 255))
    top = bytearray(picture.indices)
    for pixel in range(width * height):
        if not solid[pixel]:
            top[pixel] = black
    mask = bytes(black if s else white for s in solid)
    return rasters.IndexedImage(width, height * 2, picture.palette, bytes(top) + mask)


def _icon(base):
    """One icon file: 48, 32 and 16 pixel images with alpha, then the same three in 256 colours
    for displays that show no more."""
    rgba = []
    for size in (48, 32, 16):
        src = _art_file(base + ("-16.svg" if size == 16 else ".svg"))
        rgba.append(render.svg_to_rgba(src, size, size))
    low = []
    for img in rgba:
        clear = [img.pixels[pixel * 4 + 3] < 128 for pixel in range(img.width * img.height)]
        solid = bytearray(img.pixels)
        for pixel, is_clear in enumerate(clear):
            solid[pixel * 4 + 3] = 255
            if is_clear:
                solid[pixel * 4 : pixel * 4 + 3] = b"\0\0\0"
        picture = render.quantise(rasters.Image(img.width, img.height, solid), 255, dither=False)
        black = render.ensure_colour(picture, (0, 0, 0))
        picture.indices = bytes(
            black if is_clear else i for i, is_clear in zip(picture.indices, clear)
        )
        low.append((picture, clear))
    return rasters.write_ico(rgba + low)


def run_job(job):
    kind, number, arg = job
    if kind == "icon":
        return kind, number, _icon(arg)
    if kind == "day":
        picture = _scene_picture("days.txt", arg, number, (128, 200), False)
    elif kind == "scene":
        picture = _scene_picture("pictures.txt", number, number, FIXED_SIZES[number], True)
    elif kind == "logo":
        picture = render.picture_from_svg(_art_file("logo.svg"), 416, 169)
    elif kind == "orbit":
        palette, _ = _load_art()
        picture = render.picture_from_svg(fixed.orbit_frame(arg, palette), 87, 47)
    elif kind == "hourglass":
        picture = render.picture_from_svg(fixed.hourglass_frame(arg), 30, 60)
    elif kind == "testcard":
        palette, _ = _load_art()
        picture = render.picture_from_svg(fixed.test_card(palette), 384, 164)
    elif kind == "masked":
        picture = _masked_picture()
    else:
        raise BuildError("unknown job kind %s" % kind)
    return kind, number, rasters.write_bmp8(picture)


def plan_jobs(days):
    jobs = [("day", ids.DAY_BASE + code, code) for code in days]
    jobs += [("scene", num, None) for num in SCENE_PICTURES]
    jobs.append(("logo", ids.LOGO_PICTURE, None))
    jobs += [("orbit", number, i) for i, number in enumerate(ids.LOGO_FRAMES)]
    jobs += [("hourglass", number, i) for i, number in enumerate(ids.ABOUT_FRAMES)]
    jobs.append(("testcard", ids.DRIVER_PICTURE, None))
    jobs.append(("masked", ids.SYSINFO_PICTURE, None))
    jobs += [("icon", name, base) for name, _rc, base in ICONS]
    return jobs


# ---------------------------------------------------------------- outputs


def check_size(number, width, height):
    if number in FIXED_SIZES:
        want = FIXED_SIZES[number]
        if (width, height) != want:
            raise BuildError(
                "picture %d came out %dx%d instead of %dx%d"
                % (number, width, height, want[0], want[1])
            )
    elif not (width <= DAY_WIDTH_MAX and DAY_HEIGHT_MIN <= height <= DAY_HEIGHT_MAX):
        raise BuildError(
            "day picture %d is %dx%d: at most %d wide and %d to %d high"
            % (number, width, height, DAY_WIDTH_MAX, DAY_HEIGHT_MIN, DAY_HEIGHT_MAX)
        )


def write_rc(out_dir, numbers):
    head = "// Pictures and icons made by tools/pictures/make_pictures.py. Do not edit.\n"
    main = [head]
    saver = [head]
    for num in sorted(numbers):
        line = '%d BITMAP "bmp/%04d.bmp"\n' % (num, num)
        (saver if num in SAVER_ONLY else main).append(line)
    saver_icon = '%d ICON "icon%d.ico"\n' % (ids.SAVER_ICON, ids.SAVER_ICON)
    main.append('Tavrin ICON "tavrin.ico"\n' + saver_icon)
    saver.append(saver_icon)
    for name, lines in (("morvest_pictures.rc", main), ("morvsave_pictures.rc", saver)):
        with open(os.path.join(out_dir, name), "w", encoding="ascii", newline="\n") as fh:
            fh.write("".join(lines))


def _data_uri(img):
    return "data:image/png;base64," + base64.b64encode(
        rasters.write_png(img.to_rgba() if isinstance(img, rasters.IndexedImage) else img)
    ).decode("ascii")


def contact_sheet(pictures, days, tint_days):
    """An SVG sheet with every picture, labelled, grouped by kind; plus tinted day pictures."""
    width = 1500
    pad, label_h = 10, 16
    sections = [
        ("Day pictures", [ids.DAY_BASE + code for code in days]),
        (
            "Common, About, screen saver and logo",
            [
                ids.FALLBACK_PICTURE,
                ids.ABOUT_PICTURE,
                ids.SAVER_SETUP_PICTURE,
                ids.SAVER_PREVIEW,
                ids.SYSINFO_PICTURE,
                ids.DRIVER_PICTURE,
                ids.LOGO_PICTURE,
            ],
        ),
        (
            "Logo animation %d-%d (150 ms a frame)" % (ids.LOGO_FRAMES[0], ids.LOGO_FRAMES[-1]),
            list(ids.LOGO_FRAMES),
        ),
        (
            "About animation %d-%d (100 ms a frame)" % (ids.ABOUT_FRAMES[0], ids.ABOUT_FRAMES[-1]),
            list(ids.ABOUT_FRAMES),
        ),
    ]
    items = []  # (section title or None, [(label, image)])
    for title, nums in sections:
        items.append((title, [(str(num), pictures[num]) for num in nums if num in pictures]))
    tinted = []
    for code in tint_days:
        num = ids.DAY_BASE + code
        if num in pictures:
            for name, tint in TINTS:
                tinted.append(("%d %s" % (num, name), pictures[num].to_rgba(tint)))
    if tinted:
        items.append(
            (
                "Day pictures under the tints %s"
                % " and ".join("%s %s" % (nm, tint) for nm, tint in TINTS),
                tinted,
            )
        )

    body = []
    y = pad
    for title, row_items in items:
        body.append(
            '<text x="%d" y="%d" font-family="DejaVu Sans, Liberation Sans, sans-serif" font-size="14" fill="#e4d6a8">%s</text>'
            % (pad, y + 14, title)
        )
        y += 24
        x = pad
        row_h = 0
        row = []

        def flush(row, y, row_h):
            for lx, label, img in row:
                top = y + row_h - img.height
                body.append(
                    '<image x="%d" y="%d" width="%d" height="%d" href="%s" style="image-rendering:pixelated"/>'
                    % (lx, top, img.width, img.height, _data_uri(img))
                )
                body.append(
                    '<text x="%d" y="%d" font-family="DejaVu Sans, Liberation Sans, sans-serif" font-size="10" fill="#b0b0b0">%s</text>'
                    % (lx, y + row_h + 12, label)
                )

        for label, img in row_items:
            cell = max(img.width, 7 * len(label)) + pad
            if x + cell > width - pad and row:
                flush(row, y, row_h)
                y += row_h + label_h + pad
                x, row_h, row = pad, 0, []
            row.append((x, label, img))
            row_h = max(row_h, img.height)
            x += cell
        if row:
            flush(row, y, row_h)
            y += row_h + label_h + pad
        y += 8
    height = y + pad
    return (
        (
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
            '<rect width="%d" height="%d" fill="#000000"/>%s</svg>'
            % (width, height, width, height, width, height, "".join(body))
        ),
        width,
        height,
    )


def build(days_dir, out_dir, jobs_count=None, all_days=False, log=print):
    started = time.time()
    render.check_tools()
    descriptions = scenes.parse(os.path.join(ART, "days.txt"))
    marks, missing = read_marks(days_dir)
    if missing:
        log(
            "warning: no content file for month(s) %s in %s"
            % (", ".join("%02d" % match for match in missing), days_dir)
        )
    days = sorted(descriptions) if all_days else needed_days(marks, descriptions)
    jobs = plan_jobs(days)

    os.makedirs(os.path.join(out_dir, "bmp"), exist_ok=True)
    jobs_count = jobs_count or min(8, max(2, os.cpu_count() or 2))
    pictures = {}
    with multiprocessing.Pool(jobs_count) as pool:
        for kind, number, data in pool.imap(run_job, jobs, chunksize=1):
            if kind == "icon":
                with open(os.path.join(out_dir, number), "wb") as fh:
                    fh.write(data)
                continue
            info = rasters.read_bmp(data)
            check_size(number, info["width"], info["height"])
            pictures[number] = info["image"]
            with open(os.path.join(out_dir, "bmp", "%04d.bmp" % number), "wb") as fh:
                fh.write(data)
    # anything left over from an earlier run with other marks would end up in no script; drop it
    for name in os.listdir(os.path.join(out_dir, "bmp")):
        match = re.match(r"^(\d{4})\.bmp$", name)
        if match and int(match.group(1)) not in pictures:
            os.remove(os.path.join(out_dir, "bmp", name))
    write_rc(out_dir, pictures)

    tint_days = [code for code in (101, 214, 321, 501, 621, 1031, 1225) if code in days][
        :6
    ] or days[:6]
    svg, width, height = contact_sheet(pictures, days, tint_days)
    sheet = render.svg_to_rgba(svg, width, height)
    with open(os.path.join(out_dir, "contact_sheet.png"), "wb") as fh:
        fh.write(rasters.write_png(sheet, alpha=False))
    log(
        "made %d pictures (%d days) and 2 icons in %s in %.1f s"
        % (len(pictures), len(days), out_dir, time.time() - started)
    )
    return pictures, days


def main(argv=None):
    ap = argparse.ArgumentParser(
        description="Build Tavrin's pictures and icons from resources/art."
    )
    ap.add_argument("--days", required=True, help="folder of the month files (content/days)")
    ap.add_argument("--out", required=True, help="output folder")
    ap.add_argument(
        "--jobs", type=int, default=None, help="worker processes (default: number of cores)"
    )
    ap.add_argument(
        "--all-days",
        action="store_true",
        help="draw every described day, marked or not (for review)",
    )
    args = ap.parse_args(argv)
    try:
        build(
            os.path.abspath(args.days),
            os.path.abspath(args.out),
            args.jobs,
            args.all_days,
            log=lambda msg: print(msg, file=sys.stderr),
        )
    except (BuildError, scenes.DescriptionError, render.ToolMissing) as exc:
        print("make_pictures: error: %s" % exc, file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
