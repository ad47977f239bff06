#!/usr/bin/env python3
"""Writes the demo scheme set under examples/: Windows-1251 text with CR LF line ends, in the
layout the program itself writes, and the small bitmap one of its items shows."""
import math
import pathlib
import struct

EXAMPLES = pathlib.Path(__file__).resolve().parent.parent / "examples"

HEADER_CAPTION = "Items\tLinks\tViews\tScreenX\tScreenY\tScale\tBackGroundImage"
ITEM_CAPTION = "Item.id\tX\tY\tType\tValue\tAndOr\tCustom\tIsCust\tVis\tName\turl\tphoto\ttext"
LINK_CAPTION = "LinkFrom To\tValue\tAndOr\tName"

BOOLEAN, REAL, FLAG, FUZZY, PROJECTION = 0, 1, 2, 3, 4


def real(value):
    return f"{value:.4f}"


def item(id, x, y, type, name, value=0.0, and_or=1.0, custom=0.0, url="", photo="", text=""):
    is_cust = 1 if type == FLAG else 0
    if type == FLAG:
        custom = 1.0
    fields = [id, x, y, type, real(value), real(and_or), real(custom), is_cust, 1, name, url,
              photo, text.replace("\r\n", "\\n")]
    return "\t".join(str(f) for f in fields)


def link(source, target, value=1.0, name=""):
    return f"{source}\t{target}\t{real(value)}\t{real(0.0)}\t{name}"


def scheme(items, links, views, screen=(0, 0), scale=1.0):
    groups = [v for v in views if v.startswith(" ")]
    lines = ["Lumeris 1.5", HEADER_CAPTION,
             f"{len(items)}\t{len(links)}\t{len(groups)}\t{screen[0]}\t{screen[1]}\t"
             f"{real(scale)}\tnone",
             ITEM_CAPTION, *items, LINK_CAPTION, *links, "Views", *views]
    return "".join(line + "\r\n" for line in lines) + "\r\n"


def demo():
    items = [
        item(1, -200, -100, REAL, "Дождь / Rain", value=0.5),
        item(2, -200, 60, BOOLEAN, "Sprinkler"),
        item(3, 0, -20, FUZZY, "Мокрая трава / Wet grass"),
        item(4, 200, -20, BOOLEAN, "Скользко / Slippery",
             text="Осторожно: мокрая трава скользкая.\r\nCareful: wet grass is slippery."),
        item(5, -400, -20, FLAG, "Лето / Summer"),
        item(6, -400, 160, PROJECTION, "Утро / Morning"),
        item(7, 0, 160, REAL, "Фонарь / Lamp", photo="lamp.bmp"),
        item(8, 200, 160, REAL, "Вторая схема / Second scheme", url="second.txt"),
    ]
    links = [
        link(5, 1, 0.5, "влага"),
        link(5, 2, 1.0, "dry days"),
        link(1, 3, 1.0),
        link(2, 3, 0.8),
        link(3, 4, 0.9, "causes"),
        link(4, 7, -0.5),
    ]
    # The morning view lifts the rain and hides the sprinkler; entries newest first.
    views = [" 6\t2", "2\t100\t0\t0", "1\t0\t-60\t1"]
    return scheme(items, links, views, screen=(-450, -250))


def second():
    items = [
        item(1, 0, 0, REAL, "Назад / Back", url="demo.txt"),
        item(2, 160, 80, FUZZY, "Second scheme",
             text="Эта схема связана с demo.txt.\r\nThis scheme leads back to demo.txt."),
    ]
    return scheme(items, [link(1, 2, 1.0, "back")], [], screen=(-300, -200))


def lamp_bitmap(size=32):
    """A yellow lamp on a grey base, on white (the transparent colour)."""
    rows = []
    for y in range(size - 1, -1, -1):  # bottom-up
        row = bytearray()
        for x in range(size):
            blue, green, red = 255, 255, 255
            if math.hypot(x - 15.5, y - 12) < 9:
                blue, green, red = 40, 210, 250
            elif 12 <= x <= 19 and 21 <= y <= 28:
                blue, green, red = 120, 120, 120
            row += bytes((blue, green, red))
        rows.append(bytes(row))
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, size, size, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + pixels


def main():
    EXAMPLES.mkdir(exist_ok=True)
    (EXAMPLES / "demo.txt").write_bytes(demo().encode("cp1251"))
    (EXAMPLES / "second.txt").write_bytes(second().encode("cp1251"))
    (EXAMPLES / "lamp.bmp").write_bytes(lamp_bitmap())


if __name__ == "__main__":
    main()
