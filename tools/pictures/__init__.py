"""Fieldclear's pixel art, one module per group of pictures.

Shared pieces: palette (the 16 colours), canvas (the Picture class and grid
helpers), font (a small pixel font), squares (helpers the tile sets share),
output (XPM and PNG writing) and preview (PNG contact sheet and mock-up
windows).  Pictures: fixed (faces, digits, counter panel, window frame, icons,
best-times panel) and one tilesetN module per tile set.  Each picture module
has a draw() function that returns {picture id: Picture}; tools/draw_pictures.py
lists them.
"""
