#!/usr/bin/env python3
"""Tests of the picture build: run from the repository root with

    python3 tools/pictures/test_pictures.py

The generator runs twice into temporary folders (the determinism check); the other checks
read the files of the first run. The last line of output is "N passed, M failed".
"""

import calendar
import os
import re
import struct
import subprocess
import sys
import tempfile
import traceback
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
GENERATOR = os.path.join(HERE, "make_pictures.py")
DAYS = os.path.join(REPO, "content", "days")
ART_DAYS = os.path.join(REPO, "resources", "art", "days.txt")
ART_PICTURES = os.path.join(REPO, "resources", "art", "pictures.txt")

FIXED = {
    99: (124, 238),
    1021: (384, 164),
    1092: (148, 384),
    2100: (127, 234),
    8502: (141, 194),
    8503: (97, 165),
    9050: (416, 169),
}
FIXED.update({n: (87, 47) for n in range(4700, 4718)})
FIXED.update({n: (30, 60) for n in range(1101, 1134)})
# pictures drawn as scenes or artwork (not small animation frames): these must be richly coloured
SCENES = {99, 1021, 2100, 8502, 8503, 9050}


def run_generator(days, out):
    return subprocess.run(
        [sys.executable, GENERATOR, "--days", days, "--out", out],
        cwd=REPO,
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        universal_newlines=True,
    )


# ---------------------------------------------------------------- independent readers


def parse_bmp(data):
    """The BMP fields as a dict, read here with struct rather than with the generator's reader."""
    f = {}
    f["magic"], f["file_size"], f["r1"], f["r2"], f["offset"] = struct.unpack("<2sIHHI", data[:14])
    (
        f["hsize"],
        f["width"],
        f["height"],
        f["planes"],
        f["bits"],
        f["compression"],
        f["image_size"],
        _x,
        _y,
        f["clr_used"],
        f["clr_important"],
    ) = struct.unpack("<IiiHHIIiiII", data[14:54])
    f["table"] = [tuple(data[54 + 4 * i : 58 + 4 * i]) for i in range(256)]
    f["row"] = (f["width"] * 8 + 31) // 32 * 4
    return f


def bmp_rows(data, f):
    """Rows of palette indices, top row (as displayed) first."""
    rows = [
        data[f["offset"] + y * f["row"] : f["offset"] + y * f["row"] + f["width"]]
        for y in range(f["height"])
    ]
    return rows[::-1]


def marked_days():
    """(own, borrowed) picture codes marked in the content, read with a plain regex."""
    own, borrowed = set(), {}
    for name in sorted(os.listdir(DAYS)):
        m = re.match(r"^(\d\d)-\w+\.txt$", name)
        if not m:
            continue
        month = int(m.group(1))
        with open(os.path.join(DAYS, name), encoding="utf-8") as fh:
            for line in fh:
                h = re.match(r"^::\s*(\d+)(.*)$", line)
                if not h or "picture" not in h.group(2).split():
                    continue
                code = month * 100 + int(h.group(1))
                b = re.search(r"picture\s+(\d+)", h.group(2))
                if b:
                    borrowed[code] = int(b.group(1))
                else:
                    own.add(code)
    return own, borrowed


# ---------------------------------------------------------------- the checks


class Ctx:
    out1 = None
    out2 = None
    tmp = None


def test_generation_runs_and_is_deterministic():
    tmp = Ctx.tmp
    Ctx.out1 = os.path.join(tmp, "run1")
    Ctx.out2 = os.path.join(tmp, "run2")
    for out in (Ctx.out1, Ctx.out2):
        proc = run_generator(os.path.relpath(DAYS, REPO), out)
        assert proc.returncode == 0, "generator failed (%d):\n%s" % (proc.returncode, proc.stderr)
    files1 = sorted(
        os.path.relpath(os.path.join(d, f), Ctx.out1) for d, _s, fs in os.walk(Ctx.out1) for f in fs
    )
    files2 = sorted(
        os.path.relpath(os.path.join(d, f), Ctx.out2) for d, _s, fs in os.walk(Ctx.out2) for f in fs
    )
    assert files1 == files2, "the two runs wrote different file lists: %s" % sorted(
        set(files1) ^ set(files2)
    )
    differ = []
    for rel in files1:
        with open(os.path.join(Ctx.out1, rel), "rb") as a, open(
            os.path.join(Ctx.out2, rel), "rb"
        ) as b:
            if a.read() != b.read():
                differ.append(rel)
    assert not differ, "files differ between two runs: %s" % differ


def _bmps():
    folder = os.path.join(Ctx.out1, "bmp")
    out = {}
    for name in sorted(os.listdir(folder)):
        m = re.match(r"^(\d{4})\.bmp$", name)
        assert m, "unexpected file in bmp/: %s" % name
        with open(os.path.join(folder, name), "rb") as fh:
            out[int(m.group(1))] = fh.read()
    return out


def test_every_bmp_has_the_picture_format():
    problems = []
    for num, data in _bmps().items():
        f = parse_bmp(data)
        want = {
            "magic": b"BM",
            "file_size": len(data),
            "offset": 14 + 40 + 1024,
            "hsize": 40,
            "planes": 1,
            "bits": 8,
            "compression": 0,
            "clr_used": 256,
            "image_size": f["row"] * abs(f["height"]),
        }
        for key, value in want.items():
            if f[key] != value:
                problems.append("%d: %s is %r, want %r" % (num, key, f[key], value))
        if f["height"] <= 0:
            problems.append("%d: rows must be stored bottom-up (positive height)" % num)
        if len(data) != 1078 + f["row"] * abs(f["height"]):
            problems.append(
                "%d: %d bytes, want %d" % (num, len(data), 1078 + f["row"] * abs(f["height"]))
            )
        if any(entry[3] != 0 for entry in f["table"]):
            problems.append("%d: colour table has non-zero reserved bytes" % num)
        pad = f["row"] - f["width"]
        if pad and any(
            any(data[f["offset"] + y * f["row"] + f["width"] : f["offset"] + (y + 1) * f["row"]])
            for y in range(f["height"])
        ):
            problems.append("%d: row padding is not zero" % num)
    assert not problems, "\n".join(problems[:30])


def test_sizes_follow_the_rules():
    problems = []
    bmps = _bmps()
    for num, (w, h) in FIXED.items():
        if num not in bmps:
            problems.append("picture %d is missing" % num)
            continue
        f = parse_bmp(bmps[num])
        if (f["width"], f["height"]) != (w, h):
            problems.append("%d is %dx%d, want %dx%d" % (num, f["width"], f["height"], w, h))
    for num, data in bmps.items():
        if num in FIXED:
            continue
        month, day = divmod(num - 2000, 100)
        if not (1 <= month <= 12 and 1 <= day <= calendar.monthrange(2000, month)[1]):
            problems.append("%d is neither a fixed picture nor a date" % num)
        f = parse_bmp(data)
        if not (f["width"] <= 128 and 78 <= f["height"] <= 378):
            problems.append(
                "day picture %d is %dx%d (at most 128 wide, 78 to 378 high)"
                % (num, f["width"], f["height"])
            )
    assert not problems, "\n".join(problems)


def test_pictures_are_rich_and_sit_on_black():
    """Scenes use a wide palette (a sign of proper quantising, not posterised), and the corners
    outside the arched panel of a day picture are exact black so it merges with the window."""
    problems = []
    for num, data in _bmps().items():
        f = parse_bmp(data)
        rows = bmp_rows(data, f)
        used = set()
        for r in rows:
            used.update(r)
        is_day = num not in FIXED
        if (is_day or num in SCENES) and len(used) < 120:
            problems.append("%d uses only %d colours" % (num, len(used)))
        if is_day or num in (99, 2100, 8502, 8503):
            for x, y in ((0, 0), (f["width"] - 1, 0), (2, 2)):
                b, g, r, _ = f["table"][rows[y][x]]
                if (r, g, b) != (0, 0, 0):
                    problems.append(
                        "%d: pixel (%d,%d) outside the panel is %s, not black"
                        % (num, x, y, (r, g, b))
                    )
            # and the panel itself is not black: a pixel in the middle of the picture has colour
            b, g, r, _ = f["table"][rows[f["height"] // 2][f["width"] // 2]]
            if r + g + b == 0:
                problems.append("%d: the middle of the picture is black" % num)
    assert not problems, "\n".join(problems[:30])


def test_the_display_check_card_lies_inside_what_the_check_shows():
    """The check shows the card's top-left 348 x 150 pixels: outside them it is black."""
    data = _bmps()[1021]
    f = parse_bmp(data)
    lit = [
        (x, y)
        for y, row in enumerate(bmp_rows(data, f))
        for x, index in enumerate(row)
        if (x >= 348 or y >= 150) and f["table"][index][:3] != (0, 0, 0)
    ]
    assert not lit, "%d pixels outside the shown part are not black, first %s" % (len(lit), lit[0])


def test_masked_picture_is_black_where_its_mask_is_white():
    data = _bmps()[1092]
    f = parse_bmp(data)
    rows = bmp_rows(data, f)
    half = f["height"] // 2
    image, mask = rows[:half], rows[half:]
    colour = lambda i: tuple(reversed(f["table"][i][:3]))
    clear = solid = 0
    for y in range(half):
        for x in range(f["width"]):
            m = colour(mask[y][x])
            assert m in (
                (0, 0, 0),
                (255, 255, 255),
            ), "mask pixel (%d,%d) is %s, not black or white" % (x, y, m)
            if m == (255, 255, 255):
                clear += 1
                assert colour(image[y][x]) == (
                    0,
                    0,
                    0,
                ), "image pixel (%d,%d) is %s where the mask is white" % (x, y, colour(image[y][x]))
            else:
                solid += 1
    total = half * f["width"]
    assert (
        0.2 * total < solid < 0.9 * total
    ), "the mask covers %d of %d pixels: the picture is missing or fills the box" % (solid, total)
    assert clear > 0


def test_every_marked_day_has_its_picture_in_the_resources():
    own, borrowed = marked_days()
    assert own, "no day of the content is marked with a picture"
    bmps = _bmps()
    with open(os.path.join(Ctx.out1, "morvest_pictures.rc"), encoding="ascii") as fh:
        rc = fh.read()
    missing = sorted(c for c in own | set(borrowed.values()) if 2000 + c not in bmps)
    assert not missing, "marked days without a bitmap: %s" % missing
    not_in_rc = sorted(
        c
        for c in own | set(borrowed.values())
        if not re.search(r"^%d BITMAP " % (2000 + c), rc, re.M)
    )
    assert not not_in_rc, "marked days missing from morvest_pictures.rc: %s" % not_in_rc
    # only marked (or borrowed) days get a picture of their own
    extra = sorted(
        n for n in bmps if n not in FIXED and (n - 2000) not in own | set(borrowed.values())
    )
    assert not extra, "day pictures made for days that are not marked: %s" % extra


def test_resource_scripts_name_existing_files():
    with open(os.path.join(Ctx.out1, "morvest_pictures.rc"), encoding="ascii") as fh:
        main = fh.read()
    with open(os.path.join(Ctx.out1, "morvsave_pictures.rc"), encoding="ascii") as fh:
        saver = fh.read()
    bmps = _bmps()
    entries = re.findall(r'^(\w+)\s+(BITMAP|ICON)\s+"([^"]+)"\s*$', main + saver, re.M)
    for _name, _kind, path in entries:
        assert os.path.isfile(os.path.join(Ctx.out1, path)), (
            "resource file %s does not exist" % path
        )
    main_bitmaps = {
        int(n) for n, kind, _p in re.findall(r'^(\w+)\s+(BITMAP)\s+"([^"]+)"', main, re.M)
    }
    saver_bitmaps = {
        int(n) for n, kind, _p in re.findall(r'^(\w+)\s+(BITMAP)\s+"([^"]+)"', saver, re.M)
    }
    assert main_bitmaps == set(bmps) - {
        8503
    }, "morvest_pictures.rc does not list exactly the pictures but 8503"
    assert saver_bitmaps == {8503}, "morvsave_pictures.rc must hold only bitmap 8503"
    assert re.search(r'^Tavrin ICON "tavrin.ico"$', main, re.M) and re.search(
        r'^100 ICON "icon100.ico"$', main, re.M
    )
    assert re.search(r'^100 ICON "icon100.ico"$', saver, re.M)
    for line in (main + saver).splitlines():
        assert (
            not line.strip()
            or line.startswith("//")
            or re.match(r'^\w+ (BITMAP|ICON) "[^"]+"$', line)
        ), ("odd line: %r" % line)


def test_icons_hold_16_32_and_48_pixel_images():
    for name in ("tavrin.ico", "icon100.ico"):
        with open(os.path.join(Ctx.out1, name), "rb") as fh:
            data = fh.read()
        reserved, kind, count = struct.unpack("<HHH", data[:6])
        assert (reserved, kind) == (0, 1), "%s: not an icon file" % name
        sizes = set()
        for i in range(count):
            w, h, _c, _r, planes, bits, size, offset = struct.unpack(
                "<BBBBHHII", data[6 + 16 * i : 22 + 16 * i]
            )
            body = data[offset : offset + size]
            assert len(body) == size, "%s: image %d runs past the end" % (name, i)
            hsize, bw, bh, bplanes, bbits, comp = struct.unpack("<IiiHHI", body[:20])
            assert (
                hsize == 40 and comp == 0 and bplanes == 1
            ), "%s: image %d is not a plain BMP image" % (name, i)
            assert (bw, bh) == (
                w,
                2 * h,
            ), "%s: image %d header %dx%d does not match %dx%d (with mask)" % (
                name,
                i,
                bw,
                bh,
                w,
                h,
            )
            colours = (1 << bbits) if bbits <= 8 else 0
            xor = (bw * bbits + 31) // 32 * 4 * h
            mask = (bw + 31) // 32 * 4 * h
            assert (
                size == 40 + 4 * colours + xor + mask
            ), "%s: image %d has no room for its AND mask" % (name, i)
            if bbits == 32:
                alphas = body[40 + 3 : 40 + xor : 4]
                assert (
                    max(alphas) == 255 and min(alphas) == 0
                ), "%s: %dpx image is all clear or all solid" % (name, w)
                # the AND mask agrees with the alpha channel (XP draws with the mask on low colour displays)
                row = (bw + 31) // 32 * 4
                mbits = body[40 + xor : 40 + xor + mask]
                for y in range(h):
                    for x in range(w):
                        a = body[40 + (y * w + x) * 4 + 3]
                        m = (mbits[y * row + x // 8] >> (7 - x % 8)) & 1
                        assert m == (
                            1 if a < 128 else 0
                        ), "%s: %dpx mask disagrees with alpha at (%d,%d)" % (name, w, x, y)
            if bbits == 8:
                # classic 256-colour image: where the AND mask is set the colour must be black,
                # or the XOR step would tint the background behind the icon
                row8 = (bw + 3) // 4 * 4
                row = (bw + 31) // 32 * 4
                table = body[40 : 40 + 1024]
                pix = body[40 + 1024 : 40 + 1024 + xor]
                mbits = body[40 + 1024 + xor :]
                clear = 0
                for y in range(h):
                    for x in range(w):
                        if (mbits[y * row + x // 8] >> (7 - x % 8)) & 1:
                            clear += 1
                            i = pix[y * row8 + x]
                            assert (
                                table[4 * i : 4 * i + 3] == b"\0\0\0"
                            ), "%s: 8-bit %dpx is not black under its mask" % (name, w)
                assert 0 < clear < w * h, "%s: 8-bit %dpx mask is all clear or all solid" % (
                    name,
                    w,
                )
            sizes.add((w, bbits))
        assert {16, 32, 48} <= {w for w, _b in sizes}, "%s has sizes %s" % (name, sorted(sizes))
        assert {
            (16, 32),
            (32, 32),
            (48, 32),
        } <= sizes, "%s lacks a 32-bit image of some size: %s" % (name, sorted(sizes))


def test_animations_move_every_frame_and_loop():
    bmps = _bmps()
    for first, count in ((4700, 18), (1101, 33)):
        frames = [bmp_rows(bmps[n], parse_bmp(bmps[n])) for n in range(first, first + count)]
        tables = [parse_bmp(bmps[n])["table"] for n in range(first, first + count)]
        pixels = [[tables[k][i][:3] for r in frames[k] for i in r] for k in range(count)]
        for k in range(count):
            nxt = (k + 1) % count
            changed = sum(
                1
                for a, b in zip(pixels[k], pixels[nxt])
                if sum(abs(p - q) for p, q in zip(a, b)) > 24
            )
            assert changed > 0, "frames %d and %d are the same: the loop stalls" % (
                first + k,
                first + nxt,
            )
            assert changed < 0.6 * len(
                pixels[k]
            ), "frames %d and %d differ almost everywhere: the loop jumps" % (
                first + k,
                first + nxt,
            )


def test_contact_sheet_is_a_png():
    with open(os.path.join(Ctx.out1, "contact_sheet.png"), "rb") as fh:
        data = fh.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    w, h = struct.unpack(">II", data[16:24])
    assert w >= 800 and h >= 600, "contact sheet is only %dx%d" % (w, h)
    assert (
        zlib.crc32(data[12:29]) & 0xFFFFFFFF == struct.unpack(">I", data[29:33])[0]
    ), "IHDR checksum is wrong"


def test_the_generator_numbers_its_pictures_as_resource_h_does():
    """The fixed picture numbers the generator writes are those the programs load, and ours."""
    with open(os.path.join(REPO, "resources", "resource.h"), encoding="utf-8") as fh:
        header = dict(
            (name, int(value))
            for name, value in re.findall(r"^#define\s+(IDB_\w+)\s+(\d+)\b", fh.read(), re.M)
        )
    from_header = {
        v
        for k, v in header.items()
        if not k.endswith(("_FIRST_FRAME", "_FRAME_COUNT", "_PICTURE_BASE"))
    }
    for kind in ("LOGO", "ABOUT"):
        first = header["IDB_%s_FIRST_FRAME" % kind]
        from_header.update(range(first, first + header["IDB_%s_FRAME_COUNT" % kind]))
    sys.path.insert(0, HERE)
    import make_pictures

    generator = set(make_pictures.FIXED_SIZES)
    assert generator == from_header, "generator and resource.h differ in %s" % sorted(
        generator ^ from_header
    )
    assert set(FIXED) == from_header, "this test and resource.h differ in %s" % sorted(
        set(FIXED) ^ from_header
    )


def test_drawing_statements_are_converted_or_refused_with_their_line():
    sys.path.insert(0, HERE)
    import scenes

    path = os.path.join(Ctx.tmp, "statements.txt")
    palette = scenes.read_palette(os.path.join(REPO, "resources", "art", "palettes.txt"))
    for statement, error in (
        ("sun 64 150 radius=9 colour=gold rays=8", None),
        ("sun 64 150 colour=nosuchcolour", "nosuchcolour"),
        ("sun 64 150 size=9", "size"),
        ("sun 64 150 radius=big", "big"),
        ("flowers 6 daisy red,nosuch", "nosuch"),
    ):
        with open(path, "w", encoding="utf-8") as fh:
            fh.write("0101  test\n    sky day\n    %s\n" % statement)
        try:
            svg, _w, _h = scenes.compose(scenes.parse(path)[101], palette, "$SCENE")
        except scenes.DescriptionError as exc:
            assert error and error in str(exc) and ":3:" in str(exc), "%r: %s" % (statement, exc)
        else:
            assert not error, "%r was accepted" % statement
            assert palette["gold"] in svg and svg.count("rotate(") == 8, (
                "colour name or ray count not applied: %s" % svg
            )


def test_every_motif_is_drawn_in_some_picture():
    sys.path.insert(0, HERE)
    import motifs

    used = set()
    for path in (ART_DAYS, ART_PICTURES):
        with open(path, encoding="utf-8") as fh:
            used.update(
                line.split()[0]
                for line in fh
                if line[:1].isspace() and line.strip() and not line.lstrip().startswith("#")
            )
    with open(os.path.join(HERE, "fixed.py"), encoding="utf-8") as fh:
        called_by_fixed = set(re.findall(r"\b(\w+)\(", fh.read()))
    used.update(name for name, fn in motifs.MOTIFS.items() if fn.__name__ in called_by_fixed)
    unused = sorted(set(motifs.MOTIFS) - used)
    assert not unused, "motifs that no picture draws: %s" % unused
    undocumented = sorted(
        name for name, fn in motifs.MOTIFS.items() if not (fn.__doc__ or "").strip()
    )
    assert not undocumented, "motifs without a line saying what they draw: %s" % undocumented


def _described():
    codes = set()
    with open(ART_DAYS, encoding="utf-8") as fh:
        for line in fh:
            m = re.match(r"^(\d{4})\s", line)
            if m:
                codes.add(int(m.group(1)))
    return codes


def test_a_marked_day_without_a_description_is_an_error():
    described = _described()
    free = next(
        m * 100 + d for m in range(1, 13) for d in range(1, 29) if m * 100 + d not in described
    )
    month, day = divmod(free, 100)
    folder = os.path.join(Ctx.tmp, "content-missing")
    os.makedirs(folder)
    with open(os.path.join(folder, "%02d-test.txt" % month), "w", encoding="utf-8") as fh:
        fh.write(":: %d picture\nA day with a picture nobody has drawn.\n" % day)
    proc = run_generator(folder, os.path.join(Ctx.tmp, "out-missing"))
    assert proc.returncode != 0, "a marked day without a description was accepted"
    assert "%02d/%02d" % (month, day) in proc.stderr and "%04d" % free in proc.stderr, (
        "the message does not name the day: %s" % proc.stderr
    )
    assert not os.path.exists(
        os.path.join(Ctx.tmp, "out-missing", "morvest_pictures.rc")
    ), "resources were written anyway"

    # a day that borrows an undrawn date is refused the same way; one that names no date at all too
    described_code = min(described)
    with open(os.path.join(folder, "%02d-test.txt" % month), "w", encoding="utf-8") as fh:
        fh.write(
            ":: %d picture %d\nBorrowed.\n\n:: %d picture %d\nFine.\n"
            % (day, free, (day % 28) + 1, described_code)
        )
    proc = run_generator(folder, os.path.join(Ctx.tmp, "out-missing"))
    assert proc.returncode != 0 and "%04d" % free in proc.stderr, (
        "an undrawn borrowed picture was accepted: %s" % proc.stderr
    )
    with open(os.path.join(folder, "%02d-test.txt" % month), "w", encoding="utf-8") as fh:
        fh.write(":: %d picture 1961\nNot a date.\n" % day)
    proc = run_generator(folder, os.path.join(Ctx.tmp, "out-missing"))
    assert proc.returncode != 0 and "1961" in proc.stderr, (
        "a borrowed number that is no date was accepted: %s" % proc.stderr
    )


TESTS = [
    test_generation_runs_and_is_deterministic,
    test_every_bmp_has_the_picture_format,
    test_sizes_follow_the_rules,
    test_pictures_are_rich_and_sit_on_black,
    test_masked_picture_is_black_where_its_mask_is_white,
    test_the_display_check_card_lies_inside_what_the_check_shows,
    test_every_marked_day_has_its_picture_in_the_resources,
    test_resource_scripts_name_existing_files,
    test_icons_hold_16_32_and_48_pixel_images,
    test_animations_move_every_frame_and_loop,
    test_contact_sheet_is_a_png,
    test_a_marked_day_without_a_description_is_an_error,
    test_the_generator_numbers_its_pictures_as_resource_h_does,
    test_every_motif_is_drawn_in_some_picture,
    test_drawing_statements_are_converted_or_refused_with_their_line,
]


def main():
    passed = failed = 0
    with tempfile.TemporaryDirectory(prefix="tavrin-pictures-") as tmp:
        Ctx.tmp = tmp
        for test in TESTS:
            if test is not TESTS[0] and Ctx.out1 is None:
                print("SKIP %s (no generated pictures)" % test.__name__)
                failed += 1
                continue
            try:
                test()
            except Exception as exc:  # report and go on with the other checks
                failed += 1
                detail = str(exc) if isinstance(exc, AssertionError) else traceback.format_exc()
                print("FAIL %s\n  %s" % (test.__name__, detail.replace("\n", "\n  ")))
                if test is TESTS[0] and not (
                    Ctx.out1 and os.path.isfile(os.path.join(Ctx.out1, "morvest_pictures.rc"))
                ):
                    Ctx.out1 = None
            else:
                passed += 1
                print("ok   %s" % test.__name__)
    print("%d passed, %d failed" % (passed, failed))
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
