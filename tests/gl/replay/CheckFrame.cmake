# Checks a frame saved by a replay (FrameCapture: RGBA bytes, bottom row first): its left and right halves
# must each be one colour.
# cmake -DFRAME=<file> -DWIDTH=<pixels> -DHEIGHT=<pixels> -DLEFT=<rrggbbaa> -DRIGHT=<rrggbbaa> -P CheckFrame.cmake
math(EXPR half "${WIDTH} / 2")
string(REPEAT "${LEFT}" ${half} left)
string(REPEAT "${RIGHT}" ${half} right)
string(REPEAT "${left}${right}" ${HEIGHT} expected)
file(READ ${FRAME} actual HEX)
if(NOT actual STREQUAL expected)
    string(SUBSTRING "${actual}" 0 64 start)
    message(FATAL_ERROR "${FRAME}: expected ${LEFT} on the left and ${RIGHT} on the right; the first pixels are "
        "${start}")
endif()
