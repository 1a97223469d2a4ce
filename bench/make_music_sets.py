#!/usr/bin/env python3
"""Writes N small music sets and a CMake project that builds each through orvtool's package.

  make_music_sets.py N FOLDER

FOLDER/sets/NNNN/ holds a script.txt for events 0 and 1 and its four single-state sources (a Begin of
1,200 to 2,400 bytes and a Loop of 3,000 to 6,000 bytes each, payloads that differ from set to set);
FOLDER/CMakeLists.txt calls orvtool_add_music once per set.
"""
import os
import struct
import sys

MAGIC = 0x3F35C28F


def source(path, length, seed):
    header = struct.pack("<14i", MAGIC, 0, 1, 0, 1, 0, 1, 2, 56, 0, 0, 56 + length, 0, 0)
    payload = bytes((seed * 31 + i * 7 + i // 251) & 0xFF for i in range(length))
    with open(path, "wb") as f:
        f.write(header + payload)


def main():
    count, folder = int(sys.argv[1]), sys.argv[2]
    calls = []
    for n in range(count):
        name = f"{n:04d}"
        set_folder = os.path.join(folder, "sets", name)
        os.makedirs(set_folder)
        lines = []
        for event in (0, 1):
            for kind, base in (("begin", 1200), ("loop", 3000)):
                file_name = f"e{event}_{kind}.orv"
                source(os.path.join(set_folder, file_name), base + (n * 7 + event * 13) % base, n + event)
                lines.append(f"{event} {file_name} {kind}")
        with open(os.path.join(set_folder, "script.txt"), "w") as f:
            f.write("\n".join(lines) + "\n-1")
        calls.append(f"orvtool_add_music(set{name} SCRIPT sets/{name}/script.txt)")
    with open(os.path.join(folder, "CMakeLists.txt"), "w") as f:
        f.write("cmake_minimum_required(VERSION 3.20)\nproject(music_sets NONE)\n"
                "find_package(orvtool 1.0 CONFIG REQUIRED)\n" + "\n".join(calls) + "\n")


main()
