"""The table of motifs that the drawing statements call by name, and the @motif decorator that
fills it."""


MOTIFS = {}


def motif(name):
    def register(fn):
        MOTIFS[name] = fn
        return fn
    return register
