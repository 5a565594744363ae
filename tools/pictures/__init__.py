"""Fieldclear's pixel art, one module per group of pictures.

Shared pieces: palette (the 16 colours), canvas (the Picture class and grid
helpers), squares (helpers every tile set uses), output (XPM and PNG writing),
preview (PNG contact sheet and a mock-up window).  Pictures: fixed (faces,
digits, counter panel, window frame, icons, best-times panel) and one
tilesetN module per tile set.  Each picture module has a draw() function that
returns {picture id: Picture}; tools/draw_pictures.py lists them.
"""
