"""Reading the hand-written picture descriptions and composing them into SVG.

A description file holds blocks like

    1225  Christmas Day
        size 240
        sky night winter
        fir 64 8 120 snow=1 lights=1 star=1

A line that starts at the left margin names a picture (a date code MMDD in the day table, a
picture number in the table of other pictures) and gives it a title; the indented lines below
it are drawing statements, painted in order: a motif name followed by its arguments, either
by position or as name=value. `size H` or `size WxH` sets the picture size, `frame none`
drops the arched panel. Everything after '#' is a comment.
"""

import string

import motifs


class DescriptionError(Exception):
    pass


class Description:
    def __init__(self, key, title, source, line):
        self.key = key
        self.title = title
        self.source = source
        self.line = line
        self.statements = []  # (line number, name, positional args, keyword args)


def _value(tok):
    try:
        return int(tok)
    except ValueError:
        pass
    try:
        return float(tok)
    except ValueError:
        return tok


def parse(path):
    """Read a description file into an ordered dict {key (int): Description}."""
    out = {}
    cur = None
    with open(path, encoding="utf-8") as fh:
        for no, raw in enumerate(fh, 1):
            if raw.lstrip().startswith("#") or not raw.strip():
                continue
            line = _strip_comment(raw).rstrip()
            if not line.strip():
                continue
            if not line[0].isspace():
                parts = line.split(None, 1)
                if not parts[0].isdigit():
                    raise DescriptionError(
                        "%s:%d: a picture line must start with its number, not '%s'"
                        % (path, no, parts[0])
                    )
                key = int(parts[0])
                if key in out:
                    raise DescriptionError(
                        "%s:%d: %s is described twice (first at line %d)"
                        % (path, no, parts[0], out[key].line)
                    )
                cur = Description(key, parts[1].strip() if len(parts) > 1 else "", path, no)
                out[key] = cur
                continue
            if cur is None:
                raise DescriptionError(
                    "%s:%d: drawing statement before the first picture line" % (path, no)
                )
            toks = line.split()
            args, kw = [], {}
            for token in toks[1:]:
                if "=" in token and not token.startswith("#"):
                    name, value = token.split("=", 1)
                    kw[name] = _value(value)
                else:
                    args.append(_value(token))
            cur.statements.append((no, toks[0], args, kw))
    return out


def _strip_comment(raw):
    """Cut a trailing comment: a '#' that starts the line or follows a space and is not a colour."""
    out = []
    i = 0
    while i < len(raw):
        ch = raw[i]
        if ch == "#" and (i == 0 or raw[i - 1].isspace()):
            word = raw[i + 1 : i + 7]
            if (
                len(word) == 6
                and all(colour in "0123456789abcdefABCDEF" for colour in word)
                and (i + 7 >= len(raw) or not raw[i + 7].isalnum())
            ):
                out.append(raw[i : i + 7])
                i += 7
                continue
            break
        out.append(ch)
        i += 1
    return "".join(out)


def read_palette(path):
    pal = {}
    with open(path, encoding="utf-8") as fh:
        for no, raw in enumerate(fh, 1):
            if raw.lstrip().startswith("#") or not raw.strip():
                continue
            toks = _strip_comment(raw).split()
            if len(toks) < 2:
                raise DescriptionError(
                    "%s:%d: a colour line needs a name and a colour" % (path, no)
                )
            pal[toks[0]] = toks[1] if len(toks) == 2 else toks[1:]
    return pal


def arch_path(width, height):
    """The arched panel outline: straight sides, a round top, open below the bottom edge."""
    radius = (width - 2) / 2.0
    return "M1,%s L1,%s A%s,%s 0 0 1 %s,%s L%s,%s Z" % (
        motifs.number_text(height + 2),
        motifs.number_text(1 + radius),
        motifs.number_text(radius),
        motifs.number_text(radius),
        motifs.number_text(width - 1),
        motifs.number_text(1 + radius),
        motifs.number_text(width - 1),
        motifs.number_text(height + 2),
    )


def compose(desc, palette, frame_template, default_size=(128, 200), code=None, label=None):
    """Run a description's statements; returns (svg text, width, height)."""
    label = label or "%s:%d (%s)" % (desc.source, desc.line, desc.key)
    width, height = default_size
    frame = "arch"
    todo = []
    for no, name, args, kw in desc.statements:
        if name == "size":
            size_text = str(args[0]) if args else ""
            try:
                if "x" in size_text:
                    width, height = (int(value) for value in size_text.split("x"))
                else:
                    height = int(size_text)
            except ValueError:
                raise DescriptionError(
                    "%s:%d: size wants H or WxH, not '%s'" % (desc.source, no, size_text)
                )
        elif name == "frame":
            frame = str(args[0]) if args else "arch"
        else:
            todo.append((no, name, args, kw))
    scene = motifs.Scene(code if code is not None else desc.key, width, height, palette)
    scene.frame = frame
    for no, name, args, kw in todo:
        fn = motifs.MOTIFS.get(name)
        if fn is None:
            raise DescriptionError(
                "%s:%d: unknown motif '%s' in %s" % (desc.source, no, name, label)
            )
        try:
            fn(scene, *args, **kw)
        except (TypeError, ValueError, KeyError) as exc:
            raise DescriptionError("%s:%d: %s: %s" % (desc.source, no, name, exc))
    return finish(scene, frame_template), width, height


def finish(scene, frame_template):
    """Wrap a composed scene into its SVG document (in the arched panel unless the frame is 'none')."""
    width, height = scene.width, scene.height
    defs = "".join(scene.defs)
    body = "".join(scene.body)
    if scene.frame == "none":
        return (
            '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d"><defs>%s</defs>%s</svg>'
            % (width, height, width, height, defs, body)
        )
    tpl = string.Template(frame_template)
    mid = width / 2.0
    return tpl.substitute(
        W=width,
        H=height,
        PANEL=arch_path(width, height),
        DEFS=defs,
        SCENE=body,
        MID=motifs.number_text(mid),
        KL=motifs.number_text(mid - 3),
        KR=motifs.number_text(mid + 3),
    )
