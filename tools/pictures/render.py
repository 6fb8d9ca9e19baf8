"""Rendering of SVG text to pixels (rsvg-convert) and quantising to 256 colours (pngquant)."""

import os
import shutil
import subprocess

import rasters

# Both tools must behave the same on every run: one thread, fixed options.
_ENV = dict(os.environ, OMP_NUM_THREADS="1", LC_ALL="C")


class ToolMissing(RuntimeError):
    pass


def check_tools():
    missing = [tool for tool in ("rsvg-convert", "pngquant") if shutil.which(tool) is None]
    if missing:
        raise ToolMissing(
            "missing program(s): %s (Debian packages librsvg2-bin and pngquant)"
            % ", ".join(missing)
        )


def svg_to_rgba(svg, width, height):
    """Render SVG text at exactly width x height pixels; returns an RGBA Image (transparent where nothing is drawn)."""
    proc = subprocess.run(
        [
            "rsvg-convert",
            "--format=png",
            "--width=%d" % width,
            "--height=%d" % height,
            "--dpi-x=96",
            "--dpi-y=96",
        ],
        input=svg.encode("utf-8"),
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        env=_ENV,
    )
    if proc.returncode != 0:
        raise RuntimeError(
            "rsvg-convert failed: %s" % proc.stderr.decode("utf-8", "replace").strip()
        )
    img = rasters.read_png(proc.stdout)
    if img.width != width or img.height != height:
        raise RuntimeError(
            "rsvg-convert gave %dx%d instead of %dx%d" % (img.width, img.height, width, height)
        )
    return img


def over_black(img):
    """Composite an RGBA Image onto black; the result is opaque."""
    px = img.pixels
    out = bytearray(len(px))
    for i in range(0, len(px), 4):
        alpha = px[i + 3]
        if alpha == 255:
            out[i : i + 4] = px[i : i + 4]
        elif alpha:
            # rsvg-convert writes straight (non-premultiplied) alpha
            out[i] = (px[i] * alpha + 127) // 255
            out[i + 1] = (px[i + 1] * alpha + 127) // 255
            out[i + 2] = (px[i + 2] * alpha + 127) // 255
            out[i + 3] = 255
        else:
            out[i + 3] = 255
    return rasters.Image(img.width, img.height, out)


def quantise(img, colours=256, dither=True):
    """Reduce an opaque RGBA Image to at most `colours` colours with pngquant; returns an IndexedImage."""
    args = ["pngquant", "--speed=1", "--strip", "--quality=0-100"]
    if not dither:
        args.append("--nofs")
    args += [str(colours), "-"]
    proc = subprocess.run(
        args,
        input=rasters.write_png(img, alpha=False),
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        env=_ENV,
    )
    if proc.returncode != 0:
        raise RuntimeError(
            "pngquant failed (%d): %s"
            % (proc.returncode, proc.stderr.decode("utf-8", "replace").strip())
        )
    out = rasters.read_png(proc.stdout)
    if not isinstance(out, rasters.IndexedImage):
        raise RuntimeError("pngquant did not return a palette image")
    out.palette = [tuple(colour) for colour in out.palette]
    return out


def ensure_colour(picture, rgb):
    """Index of an exact `rgb` entry in q's palette, adding one (or taking the closest) if needed."""
    rgb = tuple(rgb)
    if rgb in picture.palette:
        return picture.palette.index(rgb)
    if len(picture.palette) < 256:
        picture.palette.append(rgb)
        return len(picture.palette) - 1
    best = min(
        range(len(picture.palette)),
        key=lambda i: sum((a - b) ** 2 for a, b in zip(picture.palette[i], rgb)),
    )
    picture.palette[best] = rgb
    return best


def pin_black(src, picture):
    """Make every pixel that is pure black in the source pure black in the quantised image too,
    so the black surroundings of a picture merge exactly with the black window behind it."""
    px = src.pixels
    idx = None
    out = bytearray(picture.indices)
    for pixel in range(src.width * src.height):
        i = pixel * 4
        if px[i] == 0 and px[i + 1] == 0 and px[i + 2] == 0:
            if idx is None:
                idx = ensure_colour(picture, (0, 0, 0))
            out[pixel] = idx
    picture.indices = bytes(out)
    return picture


def picture_from_svg(svg, width, height):
    """SVG text -> 8-bit IndexedImage on black (the common path for every bitmap)."""
    img = over_black(svg_to_rgba(svg, width, height))
    picture = quantise(img, 255)
    return pin_black(img, picture)
