"""The 16 classic VGA colours, the only colours any picture uses."""

# One character per colour; the same characters are used in the hand-drawn
# grids and in the XPM files.  The order here is the order of the colour table
# in every file.  Colours are written in hex because some XPM readers map
# colour names such as "olive" or "silver" to black.
PALETTE = {
    "k": "#000000",  # black
    "m": "#800000",  # maroon
    "g": "#008000",  # green
    "o": "#808000",  # olive
    "n": "#000080",  # navy
    "p": "#800080",  # purple
    "t": "#008080",  # teal
    "s": "#C0C0C0",  # light grey
    "d": "#808080",  # dark grey
    "r": "#FF0000",  # red
    "l": "#00FF00",  # lime
    "y": "#FFFF00",  # yellow
    "b": "#0000FF",  # blue
    "f": "#FF00FF",  # fuchsia
    "c": "#00FFFF",  # cyan
    "w": "#FFFFFF",  # white
}
