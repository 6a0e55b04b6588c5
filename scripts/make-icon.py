#!/usr/bin/env python3
"""Draws the player's icon (a framed landscape: sky, sun, two hills) at 16, 24, 32 and 48 pixels
and writes it as a Windows icon file: src/dialogs/player.ico. Run it again after changing the
drawing; the build uses the file that is checked in."""
import math
import struct
import sys


def pixel(x, y, n):
    """The colour (r, g, b, a) of pixel (x, y) of an n x n icon, by the centre of the pixel."""
    u, v = (x + 0.5) / n, (y + 0.5) / n
    frame = 0.07
    corner = 0.14
    # Rounded outer square: transparent outside.
    dx = max(corner - u, u - (1 - corner), 0)
    dy = max(corner - v, v - (1 - corner), 0)
    if math.hypot(dx, dy) > corner:
        return (0, 0, 0, 0)
    inside = frame < u < 1 - frame and frame < v < 1 - frame
    if not inside:
        return (52, 58, 72, 255)  # the frame
    # Picture coordinates inside the frame, 0..1.
    s = (u - frame) / (1 - 2 * frame)
    t = (v - frame) / (1 - 2 * frame)
    hill1 = 0.72 - 0.18 * math.cos((s - 0.25) * math.pi * 1.6)
    hill2 = 0.84 - 0.12 * math.cos((s - 0.8) * math.pi * 1.8)
    if t > hill2:
        return (46, 125, 50, 255)
    if t > hill1:
        return (102, 187, 106, 255)
    if math.hypot(s - 0.7, t - 0.3) < 0.14:
        return (255, 202, 40, 255)  # the sun
    k = t / 0.8
    return (int(30 + 100 * k), int(100 + 110 * k), int(200 + 50 * k), 255)


def image(n):
    rows = []
    for y in reversed(range(n)):  # bottom-up
        row = b"".join(struct.pack("BBBB", b, g, r, a) for (r, g, b, a) in (pixel(x, y, n) for x in range(n)))
        rows.append(row)
    xor = b"".join(rows)
    mask_stride = ((n + 31) // 32) * 4
    and_mask = bytes(mask_stride * n)  # the alpha channel decides; the mask is all zero
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    return header + xor + and_mask


def main(path):
    sizes = [16, 24, 32, 48]
    images = [image(n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(sizes))
    offset = 6 + 16 * len(sizes)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n % 256, n % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "src/dialogs/player.ico")
