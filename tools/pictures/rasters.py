"""Small readers and writers for the raster formats the picture build needs.

PNG (decode: grey, RGB, palette, grey+alpha, RGBA, non-interlaced; encode: RGB/RGBA/palette),
Windows BMP (8 bits per pixel with a full 256-entry colour table) and Windows ICO (32-bit
images with an AND mask). Pure standard library.
"""

import struct
import zlib

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"


class Image:
    """An RGBA image: width, height and a bytearray of 4 bytes per pixel, rows top-down."""

    def __init__(self, width, height, pixels=None):
        self.width = width
        self.height = height
        self.pixels = pixels if pixels is not None else bytearray(width * height * 4)

    def get(self, x, y):
        i = (y * self.width + x) * 4
        return tuple(self.pixels[i : i + 4])

    def set(self, x, y, rgba):
        i = (y * self.width + x) * 4
        self.pixels[i : i + 4] = bytes(rgba)


class IndexedImage:
    """A palette image: width, height, a list of (r, g, b) and one index byte per pixel, rows top-down."""

    def __init__(self, width, height, palette, indices):
        self.width = width
        self.height = height
        self.palette = list(palette)
        self.indices = indices

    def to_rgba(self, tint=None):
        pal = self.palette
        if tint is not None:
            pal = [tuple(c * t // 255 for c, t in zip(rgb, tint)) for rgb in pal]
        table = [bytes((r, g, b, 255)) for r, g, b in pal]
        table += [b"\0\0\0\xff"] * (256 - len(table))
        out = b"".join(table[i] for i in self.indices)
        return Image(self.width, self.height, bytearray(out))


# ---------------------------------------------------------------- PNG


def _chunks(data):
    if data[:8] != PNG_SIGNATURE:
        raise ValueError("not a PNG file")
    pos = 8
    while pos < len(data):
        (length,) = struct.unpack(">I", data[pos : pos + 4])
        kind = data[pos + 4 : pos + 8]
        yield kind, data[pos + 8 : pos + 8 + length]
        pos += 12 + length


def _unfilter(raw, height, stride, bpp):
    """Undo the per-row PNG filters; returns the bare rows joined."""
    out = bytearray(height * stride)
    prev = bytearray(stride)
    pos = 0
    for y in range(height):
        ftype = raw[pos]
        line = bytearray(raw[pos + 1 : pos + 1 + stride])
        pos += 1 + stride
        if ftype == 0:
            pass
        elif ftype == 1:
            for i in range(bpp, stride):
                line[i] = (line[i] + line[i - bpp]) & 255
        elif ftype == 2:
            line = bytearray((a + b) & 255 for a, b in zip(line, prev))
        elif ftype == 3:
            for i in range(stride):
                left = line[i - bpp] if i >= bpp else 0
                line[i] = (line[i] + ((left + prev[i]) >> 1)) & 255
        elif ftype == 4:
            for i in range(stride):
                a = line[i - bpp] if i >= bpp else 0
                b = prev[i]
                c = prev[i - bpp] if i >= bpp else 0
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                if pa <= pb and pa <= pc:
                    pred = a
                elif pb <= pc:
                    pred = b
                else:
                    pred = c
                line[i] = (line[i] + pred) & 255
        else:
            raise ValueError("bad PNG filter type %d" % ftype)
        out[y * stride : (y + 1) * stride] = line
        prev = line
    return out


def read_png(data):
    """Decode PNG bytes. Palette images give an IndexedImage, everything else an RGBA Image."""
    ihdr = None
    palette = []
    trns = None
    idat = []
    for kind, body in _chunks(data):
        if kind == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif kind == b"PLTE":
            palette = [tuple(body[i : i + 3]) for i in range(0, len(body), 3)]
        elif kind == b"tRNS":
            trns = body
        elif kind == b"IDAT":
            idat.append(body)
        elif kind == b"IEND":
            break
    if ihdr is None:
        raise ValueError("PNG without IHDR")
    width, height, depth, ctype, _comp, _filt, interlace = ihdr
    if interlace:
        raise ValueError("interlaced PNG is not supported")
    raw = zlib.decompress(b"".join(idat))
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[ctype]
    if ctype != 3 and depth != 8:
        raise ValueError("only 8-bit PNG channels are supported")
    bits = channels * depth
    stride = (width * bits + 7) // 8
    rows = _unfilter(raw, height, stride, max(1, bits // 8))
    if ctype == 3:
        if depth == 8:
            indices = bytes(rows)
        else:
            per = 8 // depth
            mask = (1 << depth) - 1
            out = bytearray(width * height)
            for y in range(height):
                row = rows[y * stride : (y + 1) * stride]
                for x in range(width):
                    byte = row[x // per]
                    shift = 8 - depth * (x % per + 1)
                    out[y * width + x] = (byte >> shift) & mask
            indices = bytes(out)
        img = IndexedImage(width, height, palette, indices)
        img.transparency = trns
        return img
    px = bytearray(width * height * 4)
    n = width * height
    if ctype == 6:
        px[:] = rows
    elif ctype == 2:
        px[0::4] = rows[0::3]
        px[1::4] = rows[1::3]
        px[2::4] = rows[2::3]
        px[3::4] = b"\xff" * n
    elif ctype == 0:
        px[0::4] = rows
        px[1::4] = rows
        px[2::4] = rows
        px[3::4] = b"\xff" * n
    elif ctype == 4:
        px[0::4] = rows[0::2]
        px[1::4] = rows[0::2]
        px[2::4] = rows[0::2]
        px[3::4] = rows[1::2]
    return Image(width, height, px)


def _chunk(kind, body):
    return (
        struct.pack(">I", len(body))
        + kind
        + body
        + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)
    )


def write_png(img, alpha=True):
    """Encode an RGBA Image (or IndexedImage) as PNG bytes; filter 0 on every row, fixed zlib level."""
    if isinstance(img, IndexedImage):
        ihdr = struct.pack(">IIBBBBB", img.width, img.height, 8, 3, 0, 0, 0)
        plte = b"".join(bytes(c) for c in img.palette)
        stride = img.width
        data = img.indices
        rows = b"".join(b"\0" + data[y * stride : (y + 1) * stride] for y in range(img.height))
        return (
            PNG_SIGNATURE
            + _chunk(b"IHDR", ihdr)
            + _chunk(b"PLTE", plte)
            + _chunk(b"IDAT", zlib.compress(rows, 9))
            + _chunk(b"IEND", b"")
        )
    if alpha:
        ctype, stride, data = 6, img.width * 4, bytes(img.pixels)
    else:
        rgb = bytearray(img.width * img.height * 3)
        rgb[0::3] = img.pixels[0::4]
        rgb[1::3] = img.pixels[1::4]
        rgb[2::3] = img.pixels[2::4]
        ctype, stride, data = 2, img.width * 3, bytes(rgb)
    ihdr = struct.pack(">IIBBBBB", img.width, img.height, 8, ctype, 0, 0, 0)
    rows = b"".join(b"\0" + data[y * stride : (y + 1) * stride] for y in range(img.height))
    return (
        PNG_SIGNATURE
        + _chunk(b"IHDR", ihdr)
        + _chunk(b"IDAT", zlib.compress(rows, 6))
        + _chunk(b"IEND", b"")
    )


# ---------------------------------------------------------------- BMP

BMP_FILE_HEADER = 14
BMP_INFO_HEADER = 40


def bmp_row_size(width, bits):
    return (width * bits + 31) // 32 * 4


def write_bmp8(img):
    """An IndexedImage as an 8-bit uncompressed BMP file with a full 256-entry colour table."""
    if len(img.palette) > 256:
        raise ValueError("more than 256 colours")
    w, h = img.width, img.height
    row = bmp_row_size(w, 8)
    pad = b"\0" * (row - w)
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in img.palette)
    table += b"\0\0\0\0" * (256 - len(img.palette))
    pixels = b"".join(img.indices[y * w : (y + 1) * w] + pad for y in range(h - 1, -1, -1))
    offset = BMP_FILE_HEADER + BMP_INFO_HEADER + 1024
    info = struct.pack(
        "<IiiHHIIiiII", BMP_INFO_HEADER, w, h, 1, 8, 0, len(pixels), 2835, 2835, 256, 0
    )
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + table + pixels


def read_bmp(data):
    """Parse a BMP file into a dict of its header fields plus an IndexedImage (8-bit only)."""
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    _magic, fsize, _r1, _r2, offset = struct.unpack("<2sIHHI", data[:14])
    fields = struct.unpack("<IiiHHIIiiII", data[14:54])
    names = (
        "size",
        "width",
        "height",
        "planes",
        "bits",
        "compression",
        "image_size",
        "xppm",
        "yppm",
        "clr_used",
        "clr_important",
    )
    info = dict(zip(names, fields))
    info["file_size"] = fsize
    info["offset"] = offset
    info["actual_size"] = len(data)
    if info["bits"] == 8 and info["compression"] == 0:
        ncol = info["clr_used"] or 256
        table = data[54 : 54 + 4 * ncol]
        palette = [(table[i + 2], table[i + 1], table[i]) for i in range(0, len(table), 4)]
        w, h = info["width"], abs(info["height"])
        row = bmp_row_size(w, 8)
        rows = [data[offset + y * row : offset + y * row + w] for y in range(h)]
        if info["height"] > 0:
            rows.reverse()
        info["image"] = IndexedImage(w, h, palette, b"".join(rows))
    return info


# ---------------------------------------------------------------- ICO


def write_ico(images):
    """An .ico file from a list of images: RGBA Image objects become 32-bit entries with alpha,
    (IndexedImage, mask) pairs become 8-bit entries with a 256-colour table. Every entry carries
    its AND mask (bit set = transparent), so it also draws right where alpha is not used."""
    count = len(images)
    head = struct.pack("<HHH", 0, 1, count)
    entries = b""
    bodies = b""
    offset = 6 + 16 * count
    for img in images:
        if isinstance(img, tuple):
            body, w, h, bits, colours = _ico_body8(*img)
        else:
            body, w, h, bits, colours = _ico_body32(img)
        entries += struct.pack(
            "<BBBBHHII", w % 256, h % 256, colours, 0, 1, bits, len(body), offset
        )
        bodies += body
        offset += len(body)
    return head + entries + bodies


def _mask_rows(w, h, clear):
    """The AND mask, bottom row first; clear(x, y) tells whether pixel (x, y) is transparent."""
    mrow = bmp_row_size(w, 1)
    out = bytearray()
    for y in range(h - 1, -1, -1):
        bits = bytearray(mrow)
        for x in range(w):
            if clear(x, y):
                bits[x >> 3] |= 0x80 >> (x & 7)
        out += bits
    return bytes(out)


def _ico_body32(img):
    w, h = img.width, img.height
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = img.get(x, y)
            xor += bytes((b, g, r, a))
    mask = _mask_rows(w, h, lambda x, y: img.get(x, y)[3] < 128)
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + mask, w, h, 32, 0


def _ico_body8(img, clear):
    """img: IndexedImage (transparent pixels already black); clear: list of booleans, one a pixel."""
    w, h = img.width, img.height
    table = b"".join(bytes((b, g, r, 0)) for r, g, b in img.palette) + b"\0\0\0\0" * (
        256 - len(img.palette)
    )
    row = bmp_row_size(w, 8)
    xor = b"".join(
        img.indices[y * w : (y + 1) * w] + b"\0" * (row - w) for y in range(h - 1, -1, -1)
    )
    mask = _mask_rows(w, h, lambda x, y: clear[y * w + x])
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 8, 0, len(xor) + len(mask), 0, 0, 256, 0)
    return info + table + xor + mask, w, h, 8, 0


def read_ico(data):
    """Parse an .ico file into a list of dicts (width, height, bits, has_mask, image header fields)."""
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    if reserved != 0 or kind != 1:
        raise ValueError("not an icon file")
    out = []
    for i in range(count):
        w, h, colours, _res, planes, bits, size, offset = struct.unpack(
            "<BBBBHHII", data[6 + 16 * i : 22 + 16 * i]
        )
        body = data[offset : offset + size]
        if len(body) != size:
            raise ValueError("icon image %d runs past the end of the file" % i)
        hsize, bw, bh, bplanes, bbits, comp = struct.unpack("<IiiHHI", body[:20])
        ncol = (1 << bbits) if bbits <= 8 else 0
        xor_size = bmp_row_size(bw, bbits) * (bh // 2)
        and_size = bmp_row_size(bw, 1) * (bh // 2)
        out.append(
            {
                "width": w or 256,
                "height": h or 256,
                "dir_bits": bits,
                "header_size": hsize,
                "bmp_width": bw,
                "bmp_height": bh,
                "bits": bbits,
                "compression": comp,
                "expected_size": hsize + 4 * ncol + xor_size + and_size,
                "size": size,
                "body": body,
            }
        )
    return out
