"""The picture numbers and frame counts of both programs, read from resources/resource.h.

The programs load their bitmaps by the numbers that resource.h defines; the generator takes
the same numbers from there, so a number changed in the header changes the pictures' names too.
Only `#define NAME <integer>` lines are read; anything else in the header is skipped.
"""

import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
HEADER = os.path.join(os.path.dirname(os.path.dirname(HERE)), "resources", "resource.h")

_DEFINE = re.compile(
    r"^\s*#\s*define\s+([A-Za-z_]\w*)\s+(-?(?:0[xX][0-9a-fA-F]+|\d+))\s*(?://.*|/\*.*)?$"
)


def read_defines(path=HEADER):
    """{name: integer value} of every `#define NAME <integer>` line of a C header."""
    values = {}
    with open(path, encoding="utf-8") as fh:
        for line in fh:
            match = _DEFINE.match(line)
            if match:
                values[match.group(1)] = int(match.group(2), 0)
    return values


_DEFINES = read_defines()


def _get(name):
    if name not in _DEFINES:
        raise KeyError("%s does not define %s" % (HEADER, name))
    return _DEFINES[name]


ABOUT_PICTURE = _get("IDB_ABOUT_PICTURE")
ABOUT_FIRST_FRAME = _get("IDB_ABOUT_FIRST_FRAME")
ABOUT_FRAME_COUNT = _get("IDB_ABOUT_FRAME_COUNT")
DRIVER_PICTURE = _get("IDB_DRIVER_PICTURE")
SYSINFO_PICTURE = _get("IDB_SYSINFO_PICTURE")
FALLBACK_PICTURE = _get("IDB_FALLBACK_PICTURE")
LOGO_FIRST_FRAME = _get("IDB_LOGO_FIRST_FRAME")
LOGO_FRAME_COUNT = _get("IDB_LOGO_FRAME_COUNT")
LOGO_PICTURE = _get("IDB_LOGO_PICTURE")
SAVER_SETUP_PICTURE = _get("IDB_SAVER_SETUP_PICTURE")
SAVER_PREVIEW = _get("IDB_SAVER_PREVIEW")
SAVER_ICON = _get("IDI_SAVER")

# A day's picture is DAY_BASE + month * 100 + day.
DAY_BASE = _get("IDB_DAY_PICTURE_BASE")

LOGO_FRAMES = range(LOGO_FIRST_FRAME, LOGO_FIRST_FRAME + LOGO_FRAME_COUNT)
ABOUT_FRAMES = range(ABOUT_FIRST_FRAME, ABOUT_FIRST_FRAME + ABOUT_FRAME_COUNT)
