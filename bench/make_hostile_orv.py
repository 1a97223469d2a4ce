#!/usr/bin/env python3
"""Writes ORV files that the layout allows but no build writes, to measure orvtool on them.

  make_hostile_orv.py pairs N FILE   one state of N pairs (distinct events, the highest first),
                                     governing one chunk
  make_hostile_orv.py rows N FILE [STRIDE]
                                     N states and N chunk rows, each row its own state of one pair,
                                     which sends its event STRIDE rows on (default 1, the next row)
  make_hostile_orv.py shared P R FILE [TO]
                                     R one-byte chunk rows of no entry, all under one state of P pairs
                                     (events 0 to P - 1), each sending its event to chunk TO (default 1;
                                     R + 1 is the trailing row), so two such files differ in every pair

All are valid: `orvtool info` calls their layout ok.
"""
import struct
import sys

MAGIC = 0x3F35C28F
STEP = 65536  # records packed at a time


def pairs_file(n, path):
    # State 0 without pairs, so the leading row sends every event on to chunk 1; state 1 holds the n
    # pairs and governs that one 30-byte chunk.
    state_words = 2 + 2 + 2 * n
    chunk_count = 3
    h = 16 + 4 * state_words + 12 * chunk_count
    with open(path, "wb") as f:
        f.write(struct.pack("<iii", MAGIC, 0, 2))
        f.write(struct.pack("<ii", 0, 0))
        f.write(struct.pack("<ii", 0, n))
        for start in range(0, n, STEP):
            end = min(n, start + STEP)
            # Events n - 1 down to 0, so those a trace can name come last; even ones go back to the
            # chunk, odd ones to the trailing row.
            f.write(b"".join(struct.pack("<ii", n - 1 - k, 1 + (n - 1 - k) % 2) for k in range(start, end)))
        f.write(struct.pack("<i", chunk_count))
        f.write(struct.pack("<9i", h, 0, 0, h, 1, 112, h + 30, 0, 0))
        f.write(b"\x5a" * 30)


def rows_file(n, path, stride):
    # n states and n rows: row r (1 to n - 2) is a chunk of one byte under state r, whose one pair sends
    # event r % 15 to chunk r * stride % (n - 2) + 1.
    chunks = n - 2
    h = 16 + 16 * n + 12 * n
    with open(path, "wb") as f:
        f.write(struct.pack("<iii", MAGIC, 0, n))
        f.write(struct.pack("<iiii", 0, 1, 0, 1))
        for start in range(1, n, STEP):
            end = min(n, start + STEP)
            f.write(b"".join(struct.pack("<iiii", 0, 1, s % 15, s * stride % chunks + 1) for s in range(start, end)))
        f.write(struct.pack("<i", n))
        f.write(struct.pack("<iii", h, 0, 0))
        for start in range(1, n - 1, STEP):
            end = min(n - 1, start + STEP)
            f.write(b"".join(struct.pack("<iii", h + r - 1, r, 0) for r in range(start, end)))
        f.write(struct.pack("<iii", h + chunks, 0, 0))
        f.write(b"\x5a" * chunks)


def shared_file(p, r, path, to):
    # State 0 without pairs leads every event to chunk 1; rows 1 to r all look events up in state 1.
    h = 16 + 4 * (2 + 2 + 2 * p) + 12 * (r + 2)
    with open(path, "wb") as f:
        f.write(struct.pack("<iii", MAGIC, 0, 2))
        f.write(struct.pack("<iiii", 0, 0, 0, p))
        for start in range(0, p, STEP):
            f.write(b"".join(struct.pack("<ii", k, to) for k in range(start, min(p, start + STEP))))
        f.write(struct.pack("<iiii", r + 2, h, 0, 0))
        for start in range(0, r, STEP):
            f.write(b"".join(struct.pack("<iii", h + k, 1, 0) for k in range(start, min(r, start + STEP))))
        f.write(struct.pack("<iii", h + r, 0, 0))
        f.write(b"\x5a" * r)


def main():
    if len(sys.argv) in (5, 6) and sys.argv[1] == "shared":
        p, r = int(sys.argv[2]), int(sys.argv[3])
        to = int(sys.argv[5]) if len(sys.argv) == 6 else 1
        if p < 0 or r < 1 or not 0 <= to <= r + 1:
            sys.exit("shared: P must be at least 0, R at least 1, TO from 0 to R + 1")
        shared_file(p, r, sys.argv[4], to)
        return
    if len(sys.argv) == 5 and sys.argv[1] == "rows":
        stride = int(sys.argv[4])
    elif len(sys.argv) != 4 or sys.argv[1] not in ("pairs", "rows"):
        sys.exit(__doc__)
    else:
        stride = 1
    kind, n, path = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    if kind == "pairs":
        pairs_file(n, path)
    elif n < 3:
        sys.exit("rows: N must be at least 3")
    else:
        rows_file(n, path, stride)


if __name__ == "__main__":
    main()
