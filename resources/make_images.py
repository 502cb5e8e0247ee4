#!/usr/bin/env python3
"""Writes the player's icons and its link cursor as small .ico/.cur files.

Run from anywhere: python3 resources/make_images.py. The results are committed, so the build needs no
Python; run it again only after changing a drawing below.
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The link cursor: B black, W white, anything else transparent. The tip of the finger, (6, 0), is the
# hot spot.
HAND = [
    "......BB",
    ".....BWWB",
    ".....BWWB",
    ".....BWWB",
    ".....BWWB",
    ".....BWWBBB",
    ".....BWWBWWBBB",
    ".....BWWBWWBWWBB",
    ".....BWWBWWBWWBWWB",
    ".BB..BWWBWWBWWBWWB",
    ".BWWBBWWWWWWWWWWWB",
    ".BWWWBWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWWB",
    "...BWWWWWWWWWWWWWB",
    "...BWWWWWWWWWWWWB",
    "....BWWWWWWWWWWWB",
    "....BWWWWWWWWWWB",
    ".....BWWWWWWWWWB",
    ".....BWWWWWWWWWB",
    ".....BBBBBBBBBBB",
]
HAND_HOT_SPOT = (6, 0)


def mask_rows(size, bit):
    """Rows of a 1-bit mask, bottom-up, each padded to 4 bytes; bit(x, y) gives one pixel."""
    stride = ((size + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(size)):
        row = bytearray(stride)
        for x in range(size):
            if bit(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def cursor_image(art, size=32):
    def pixel(x, y):
        return art[y][x] if y < len(art) and x < len(art[y]) else "."

    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    xor_mask = mask_rows(size, lambda x, y: pixel(x, y) == "W")
    and_mask = mask_rows(size, lambda x, y: pixel(x, y) not in "BW")
    return header + palette + xor_mask + and_mask


def colour_image(size, paint):
    """A 32-bit image with alpha; paint(x, y, size) gives (r, g, b, a)."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in reversed(range(size)):
        for x in range(size):
            r, g, b, a = paint(x, y, size)
            pixels += bytes((b, g, r, a))
    and_mask = mask_rows(size, lambda x, y: paint(x, y, size)[3] == 0)
    return header + bytes(pixels) + and_mask


def write_directory(path, kind, images):
    """images: list of (width, height, colour_count, field4, field6, data); kind 1 icon, 2 cursor."""
    out = bytearray(struct.pack("<HHH", 0, kind, len(images)))
    offset = 6 + 16 * len(images)
    for width, height, colours, field4, field6, data in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, colours, 0, field4, field6, len(data), offset)
        offset += len(data)
    for image in images:
        out += image[5]
    with open(path, "wb") as f:
        f.write(out)


def play_triangle(x, y, size):
    # A green triangle pointing right, a quarter of the size from each edge.
    margin = size // 4
    half = (size - 2 * margin) / 2.0
    top, bottom = margin, size - margin
    if top <= y < bottom:
        reach = half - abs(y + 0.5 - size / 2.0)
        if margin <= x < margin + 2 * reach + 1:
            return (20, 150, 40, 255)
    return (0, 0, 0, 0)


def stop_square(x, y, size):
    margin = size // 4
    if margin <= x < size - margin and margin <= y < size - margin:
        return (200, 30, 30, 255)
    return (0, 0, 0, 0)


# The application icon: a blue disc with a white question mark drawn on a 16 x 16 grid.
QUESTION = [
    "................",
    "................",
    "......WWWW......",
    ".....WW..WW.....",
    ".........WW.....",
    "........WW......",
    ".......WW.......",
    ".......WW.......",
    "................",
    ".......WW.......",
    ".......WW.......",
    "................",
]


def app_icon(x, y, size):
    scale = size / 16.0
    cx = cy = size / 2.0
    if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 > (size / 2.0 - 0.5) ** 2:
        return (0, 0, 0, 0)
    gx, gy = int(x / scale), int(y / scale) - 2
    if 0 <= gy < len(QUESTION) and QUESTION[gy][gx] == "W":
        return (255, 255, 255, 255)
    return (90, 95, 150, 255)


def icon(path, paint, sizes):
    write_directory(path, 1, [(s, s, 0, 1, 32, colour_image(s, paint)) for s in sizes])


def main():
    hot_x, hot_y = HAND_HOT_SPOT
    write_directory(os.path.join(HERE, "link.cur"), 2, [(32, 32, 2, hot_x, hot_y, cursor_image(HAND))])
    icon(os.path.join(HERE, "play.ico"), play_triangle, (16, 32))
    icon(os.path.join(HERE, "stop.ico"), stop_square, (16, 32))
    icon(os.path.join(HERE, "jorvo.ico"), app_icon, (16, 32))


if __name__ == "__main__":
    main()
