"""Where the play backgrounds' small painted flags stand, as (x, foot y,
colour, wave) in the 1024 x 768 picture, by background: read by the painter
(backgrounds.py) and by tools/check_assets, which holds each flag wholly
inside the window of every stage preview cut from its background, or wholly
outside. Plain Python, so that the check needs nothing else."""

FLAG_HEIGHT = 70       # the pole, from its foot to the knob's centre
FLAG_CLOTH = 0.55      # the cloth's width, of the pole's height
FLAG_KNOB = 3.2        # the knob's radius

# On the near hill, clear of the trees, so the preview of the meadow shows
# them whole above its frame's lower edge.
BACKGROUND_FLAGS = {
    "1": [(60, 618, "#A8382E", 0.3), (940, 643, "#C9962E", -0.4)],
}


def flag_box(x, foot):
    """(left, top, right, bottom) of a flag, its outline included."""
    h, out = FLAG_HEIGHT, 1.5
    return (x - FLAG_KNOB - out, foot - h - FLAG_KNOB - out, x + 1.5 + h * FLAG_CLOTH + out, foot)
