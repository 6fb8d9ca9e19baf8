"""The motif library: skies, landscapes and the small things drawn on them.

Every motif is a function `name(scene, *args, **options)` registered with @motif. Positions are
given in pixels with y measured UP from the bottom edge of the picture (pictures stand on the
bottom edge and differ in height, so a tree at y=10 stands at the same place in every picture).
A motif draws itself around a local origin at its base (or centre for things in the sky); its
size argument is its height (or radius) in pixels.

The motifs live in one module per theme:

    sky        sky and weather: sun, moon, stars, clouds, rain, snow, lights in the sky
    land       land and water: hills, mountains, sea, rivers, shores, tracks
    plants     trees, flowers, leaves, grasses and crops
    animals    birds, insects, fish and beasts
    people     silhouettes, dancers, figures with faces
    buildings  houses, churches, towns, towers, bridges, monuments
    symbols    flags, banners, hearts, stars, heraldry, letters and signs
    festivals  candles, lanterns, fires, fireworks, masks and customs of the year
    food       fruit, bread, cakes and festive dishes
    objects    clocks, books, instruments, tools and the post
    travel     boats, carts, sledges, balloons, aircraft and rockets

`canvas` holds the Scene they draw on and the shared SVG helpers, `registry` the table of names.
"""

# importing the theme modules registers their motifs
from . import (
    animals,
    buildings,
    festivals,
    food,
    land,
    objects,
    people,
    plants,
    sky,
    symbols,
    travel,
)
from .canvas import (
    Scene,
    hex_rgb,
    lighten,
    mix,
    number_text,
    polyline,
    rgb_hex,
    shade,
    smooth_path,
    star_points,
)
from .registry import MOTIFS, motif

__all__ = [
    "MOTIFS",
    "motif",
    "Scene",
    "hex_rgb",
    "lighten",
    "mix",
    "number_text",
    "polyline",
    "rgb_hex",
    "shade",
    "smooth_path",
    "star_points",
    "animals",
    "buildings",
    "festivals",
    "food",
    "land",
    "objects",
    "people",
    "plants",
    "sky",
    "symbols",
    "travel",
]
