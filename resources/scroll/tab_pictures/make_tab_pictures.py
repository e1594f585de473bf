#!/usr/bin/env python3
# Writes the tab ruler's four stop markers as run-length pictures: "<name>.mapf" holds the header and the
# packed rows, "<name>.rlem" the offset of each row. Run it here after changing a shape.
import struct

WIDTH, HEIGHT = 11, 10
MARK, CLEAR = 255, 0  # index 255 takes the ruler's tab colour when drawn; 0 is transparent

# Column 5 is the stop itself; each marker stands on the ruler's bottom line.
SHAPES = {
    "Left Tab": [(5, r) for r in range(HEIGHT)] + [(c, r) for c in range(5, 11) for r in (8, 9)],
    "Center Tab": [(5, r) for r in range(HEIGHT)] + [(c, r) for c in range(1, 10) for r in (8, 9)],
    "Right Tab": [(5, r) for r in range(HEIGHT)] + [(c, r) for c in range(0, 6) for r in (8, 9)],
    "Decimal Tab": [(5, r) for r in range(HEIGHT)] + [(c, r) for c in range(1, 10) for r in (8, 9)]
    + [(c, r) for c in (8, 9) for r in (3, 4)],
}

HEADER = 32


def write(name, pixels):
    rows = []
    for r in range(HEIGHT):
        row = [MARK if (c, r) in pixels else CLEAR for c in range(WIDTH)]
        rows.append(bytes([WIDTH - 1]) + bytes(row))  # one run of WIDTH literal pixels
    header = struct.pack("<IH4hHIHHIHH", HEADER, WIDTH, 0, 0, HEIGHT, WIDTH, 8, 0, CLEAR, 0, 0, 1, 0)
    assert len(header) == HEADER
    with open(name + ".mapf", "wb") as f:
        f.write(header + b"".join(rows))
    offsets, at = [], 0
    for row in rows:
        offsets.append(at)
        at += len(row)
    with open(name + ".rlem", "wb") as f:
        f.write(struct.pack("<%dI" % HEIGHT, *offsets))


for name, pixels in SHAPES.items():
    write(name, set(pixels))
