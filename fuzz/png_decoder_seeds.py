#!/usr/bin/env python3
"""Writes small PNG files of every colour type and bit depth, plain and Adam7, every filter, stored,
fixed and dynamic blocks, into the directory given: seeds for png_decoder_fuzzer."""
import os
import random
import struct
import sys
import zlib

PAIRS = [(0, 1), (0, 2), (0, 4), (0, 8), (0, 16), (2, 8), (2, 16), (3, 1), (3, 2), (3, 4), (3, 8),
         (4, 8), (4, 16), (6, 8), (6, 16)]
CHANNELS = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}
ADAM7 = [(0, 0, 8, 8), (4, 0, 8, 8), (0, 4, 4, 8), (2, 0, 4, 4), (0, 2, 2, 4), (1, 0, 2, 2), (0, 1, 1, 2)]


def chunk(name, data):
    body = name + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def scanlines(width, height, bits, filter_type, rng):
    row_bytes = (width * bits + 7) // 8
    return b"".join(bytes([filter_type]) + bytes(rng.randrange(256) for _ in range(row_bytes))
                    for _ in range(height))


def raw_data(width, height, bits, interlace, filter_type, rng):
    if not interlace:
        return scanlines(width, height, bits, filter_type, rng)
    out = b""
    for x0, y0, dx, dy in ADAM7:
        pw = (width - x0 + dx - 1) // dx if width > x0 else 0
        ph = (height - y0 + dy - 1) // dy if height > y0 else 0
        if pw and ph:
            out += scanlines(pw, ph, bits, filter_type, rng)
    return out


def main(directory):
    os.makedirs(directory, exist_ok=True)
    rng = random.Random(1)
    n = 0
    for colour, depth in PAIRS:
        for interlace in (0, 1):
            for filter_type in range(5):
                width, height = rng.randrange(1, 12), rng.randrange(1, 12)
                raw = raw_data(width, height, depth * CHANNELS[colour], interlace, filter_type, rng)
                strategy = [zlib.Z_DEFAULT_STRATEGY, zlib.Z_FIXED, zlib.Z_RLE][n % 3]
                compressor = zlib.compressobj(level=n % 10, strategy=strategy)
                stream = compressor.compress(raw) + compressor.flush()
                png = b"\x89PNG\r\n\x1a\n"
                png += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, interlace))
                if colour == 3:
                    png += chunk(b"PLTE", bytes(rng.randrange(256) for _ in range(3 << depth)))
                half = len(stream) // 2
                png += chunk(b"IDAT", stream[:half]) + chunk(b"IDAT", stream[half:]) + chunk(b"IEND", b"")
                with open(os.path.join(directory, "seed%03d.png" % n), "wb") as f:
                    f.write(png)
                n += 1


if __name__ == "__main__":
    main(sys.argv[1])
