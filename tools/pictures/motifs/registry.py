"""The table of motifs that the drawing statements call by name, and the @motif decorator that
fills it.

A motif declares the kind of each argument with an annotation, and the decorator turns what the
description gives (a number, a word, a colour name) into that kind before the motif runs, so
the motifs themselves never convert:

    @motif("sun")
    def sun(scene, x: float, y: float, radius: float = 12, colour: Colour = "sun", rays: int = 0): ...

Kinds: float, int and str; Colour (a palette name or #rrggbb, handed over as #rrggbb; "none"
is kept as it is, for motifs that may leave a part out); Colours (colours separated by commas,
handed over as a list of #rrggbb); Numbers (numbers separated by commas, a list of floats).
A missing optional argument (None) stays None.
"""

import functools
import inspect

MOTIFS = {}


class Colour:
    """Kind of an argument that names one colour."""


class Colours:
    """Kind of an argument that names several colours, separated by commas."""


class Numbers:
    """Kind of an argument that lists numbers, separated by commas."""


def _items(value):
    """The entries of a list argument: given as a list already, or as text separated by commas."""
    return value if isinstance(value, (list, tuple)) else str(value).split(",")


def _convert(kind, scene, value):
    """A value turned into the kind its motif declares (see the module notes)."""
    if value is None:
        return None
    if kind is Colour:
        return value if value == "none" else scene.col(value)
    if kind is Colours:
        return [scene.col(item) for item in _items(value)]
    if kind is Numbers:
        return [float(item) for item in _items(value)]
    return kind(value)


def motif(name):
    """Register a drawing function under `name`, converting its arguments to their declared kinds."""

    def register(draw):
        signature = inspect.signature(draw)
        kinds = {
            parameter.name: parameter.annotation
            for parameter in signature.parameters.values()
            if parameter.annotation is not inspect.Parameter.empty
        }

        @functools.wraps(draw)
        def converted(scene, *args, **options):
            bound = signature.bind(scene, *args, **options)
            bound.apply_defaults()
            for key, kind in kinds.items():
                bound.arguments[key] = _convert(kind, scene, bound.arguments[key])
            return draw(*bound.args, **bound.kwargs)

        MOTIFS[name] = converted
        return converted

    return register
