#!/usr/bin/env python3
"""Draws the application icon of ORVBuilder.exe and writes it as app.ico.

A loop arrow around a sound wave on a dark disc, at 32 x 32 and 16 x 16, 16 colours each.
The build uses the committed app.ico, so it needs no Python; run this after changing the
picture, and `make_icon.py --check` to see that app.ico is up to date.

Usage: make_icon.py [--check] [OUTPUT]   (OUTPUT defaults to app.ico beside this script)
"""
import math
import os
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, LIME, YELLOW = 0, 4, 10, 11

# Geometry per size, in pixels: disc radius, loop ring radii, the gap in the ring (angles
# anticlockwise from the right), the arrowhead's length (share of the gap) and half width,
# and the sound wave (half length, amplitude, period, half thickness).
STYLES = {
    32: dict(disc=15.6, ring=(10.0, 12.3), gap=(10, 80), head_len=0.8, head_half=3.4,
             wave=(7.5, 4.5, 10.0, 0.9)),
    16: dict(disc=7.9, ring=(5.1, 6.4), gap=(0, 80), head_len=0.9, head_half=2.0,
             wave=(3.6, 1.8, 6.0, 0.7)),
}


def draw(size):
    """Returns size rows, top first, of palette indices, or None where the icon is transparent."""
    st = STYLES[size]
    c = size / 2.0
    r_in, r_out = st["ring"]
    r_mid, half_w = (r_in + r_out) / 2.0, (r_out - r_in) / 2.0
    gap_lo, gap_hi = (math.radians(a) for a in st["gap"])
    wave_len, amp, period, thick = st["wave"]
    k = 2 * math.pi / period
    rows = []
    for j in range(size):
        row = []
        for i in range(size):
            x, y = i + 0.5 - c, c - (j + 0.5)  # y grows upwards
            r = math.hypot(x, y)
            a = math.atan2(y, x) % (2 * math.pi)
            px = None
            if r <= st["disc"]:
                px = BLACK if r > st["disc"] - 1.0 else NAVY
            # The ring runs anticlockwise from the gap's upper end round to its lower end,
            # where the arrowhead points on into the gap.
            if r_in <= r <= r_out and not gap_lo <= a <= gap_hi:
                px = YELLOW
            t = (a - gap_lo) / (gap_hi - gap_lo)
            if 0 <= t <= st["head_len"] and abs(r - r_mid) <= st["head_half"] * (1 - t / st["head_len"]):
                px = YELLOW
            # Distance to the wave's curve, to first order, so that its steep parts keep their width.
            dist = abs(y - amp * math.sin(k * x)) / math.hypot(1.0, amp * k * math.cos(k * x))
            if abs(x) <= wave_len and dist <= thick:
                px = LIME
            row.append(px)
        rows.append(row)
    return rows


def encode_image(rows):
    """One icon image: BITMAPINFOHEADER, palette, 4-bit colour rows and 1-bit mask rows, bottom-up."""
    size = len(rows)
    xor_stride = (size * 4 + 31) // 32 * 4
    and_stride = (size + 31) // 32 * 4
    xor, mask = bytearray(), bytearray()
    for row in reversed(rows):
        line = bytearray(xor_stride)
        bits = bytearray(and_stride)
        for i, px in enumerate(row):
            if px is None:
                bits[i // 8] |= 0x80 >> (i % 8)
                px = 0  # transparent pixels are black in the colour image, so they leave the screen as is
            line[i // 2] |= px << (4 if i % 2 == 0 else 0)
        xor += line
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bytes(xor) + bytes(mask)


def encode_ico(images):
    """ICONDIR, one ICONDIRENTRY per (size, image bytes), then the images in the same order."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = len(out) + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


def main(argv):
    check = "--check" in argv
    args = [a for a in argv if a != "--check"]
    path = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "app.ico")
    ico = encode_ico([(size, encode_image(draw(size))) for size in (32, 16)])
    if check:
        with open(path, "rb") as f:
            if f.read() != ico:
                print(f"{path} is out of date: run make_icon.py", file=sys.stderr)
                return 1
        return 0
    with open(path, "wb") as f:
        f.write(ico)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
