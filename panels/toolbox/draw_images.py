#!/usr/bin/python3
"""Draws the panels' toolbox images: 16 x 15 pixels, 24-bit colour, one per control.

Each picture below is one character per pixel, top row first; the palette gives the colours.
Run it from anywhere to write RA.bmp, RB.bmp, RC.bmp and RX.bmp beside this file.
"""
import os
import struct

WIDTH, HEIGHT = 16, 15

# Shared colours: the toolbox face, outlines, paper, leaders and the red information line.
PALETTE = {
    ".": 0xC0C0C0,
    "k": 0x404040,
    "s": 0x808080,
    "w": 0xFFFFFF,
    "g": 0xA0A0A0,
    "r": 0xE03C31,
}

IMAGES = {
    # Delivery note: a loaded lorry.
    "RA": ({"a": 0x5DA84E, "d": 0x2F6B2A, "b": 0x9FD3F0, "h": 0xD8D8D8}, [
        "................",
        "................",
        "aaaaaaaaaa......",
        "awwwwwwwwa......",
        "awggggggwa......",
        "awwwwwwwwadddd..",
        "awggggwwwadbbbd.",
        "awwwwwwwwadbbbd.",
        "awggggggwadddddd",
        "aaaaaaaaaadddddd",
        "dddddddddddddddd",
        "..kkk.....kkk...",
        ".kkhkk...kkhkk..",
        "..kkk.....kkk...",
        "................",
    ]),
    # Invoice header: a sheet with its coloured head and a few header fields.
    "RB": ({"a": 0x3F7CC8}, [
        "..kkkkkkkkkk....",
        "..kwwwwwwwwkk...",
        "..kaaaaaaaakwk..",
        "..kaaaaaaaakkkk.",
        "..kwwwwwwwwwwwk.",
        "..kwggwkkkkkwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwggwkkkkkkwk.",
        "..kwwwwwwwwwwwk.",
        "..kwggwkkkwwwwk.",
        "..kwwwwwwwwwwwk.",
        "..kwrrrrrrrrrwk.",
        "..kwwwwwwwwwwwk.",
        "..kkkkkkkkkkkkk.",
        "................",
    ]),
    # Invoice with lines: a sheet with its head and a table of goods lines.
    "RC": ({"a": 0xD9A520, "y": 0xFBEFB8}, [
        "..kkkkkkkkkk....",
        "..kwwwwwwwwkk...",
        "..kaaaaaaaakwk..",
        "..kaaaaaaaakkkk.",
        "..kwwwwwwwwwwwk.",
        "..kwssssssssswk.",
        "..kwsyysyysyswk.",
        "..kwssssssssswk.",
        "..kwswwswwswswk.",
        "..kwssssssssswk.",
        "..kwsyysyysyswk.",
        "..kwssssssssswk.",
        "..kwwwwwwwwwwwk.",
        "..kkkkkkkkkkkkk.",
        "................",
    ]),
    # Report options: a tab strip with an option button and a ticked check box.
    "RX": ({"a": 0x8A5CC2, "t": 0xE6DCF2}, [
        ".aaaaaa.........",
        ".atttta.ssssss..",
        "kattttakkkkkkkkk",
        "kwwwwwwwwwwwwwwk",
        "kwwkkwwwwwwwwwwk",
        "kwkaakwggggggwwk",
        "kwkaakwwwwwwwwwk",
        "kwwkkwwwwwwwwwwk",
        "kwwwwwwwwwwwwwwk",
        "kwkkkkkwwwwwwwwk",
        "kwkwwakwggggggwk",
        "kwkawakwwwwwwwwk",
        "kwkwawkwwwwwwwwk",
        "kwkkkkkwwwwwwwwk",
        "kkkkkkkkkkkkkkkk",
    ]),
}


def bmp(rows, palette):
    """A bottom-up 24-bit BMP; each row of 16 pixels is 48 bytes, already a multiple of four."""
    assert len(rows) == HEIGHT and all(len(row) == WIDTH for row in rows), rows
    pixels = bytearray()
    for row in reversed(rows):
        for char in row:
            rgb = palette[char]
            pixels += bytes((rgb & 0xFF, (rgb >> 8) & 0xFF, rgb >> 16))
    header_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, len(pixels),
                              3780, 3780, 0, 0)
    return file_header + info_header + bytes(pixels)


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, (colours, rows) in IMAGES.items():
        with open(os.path.join(folder, name + ".bmp"), "wb") as out:
            out.write(bmp(rows, {**PALETTE, **colours}))


if __name__ == "__main__":
    main()
