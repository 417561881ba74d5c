#!/usr/bin/env python3
"""Writes the demo catalogue samples/demo.fmd: our own made-up collection.

Texts are windows-1252 bytes; the format is one line of blank-separated
numbers and texts, every text field ended by " \xa4 ".
"""
import sys

MARK = b"\xa4"


def pack(y, mo, d, h, mi, s):
    low = s // 2 + mi * 32 + h * 2048
    high = d + mo * 32 + (y - 1980) * 512
    v = (high << 16) | low
    return v - (1 << 32) if v >= 1 << 31 else v


# (primary, secondary, media type, occupier, rent moment, last occupier, rent count)
ITEMS = [
    ("Harbour Lights", "Pristavni svetla", 2, "", None, "", 0),
    ("The Quiet Meadow", "Ticha louka", 2, "Martin Novak", (2026, 11, 2, 18, 30, 0), "Martin Novak", 3),
    ("Northern Express", "Severni expres", 0, "", None, "Eva", 1),
    ("Blue Harbour", "", 7, "", None, "", 0),
    ("Night Train", "Nachtzug", 2, "Flat Mate", (2026, 12, 1, 20, 15, 10), "Flat Mate", 2),
    ("Songs of the Valley", "Pisne udoli", 4, "", None, "Jana", 4),
    ("Paper Kites", "Papirovi draci", 4, "Eva", (2026, 12, 5, 9, 41, 30), "Eva", 1),
    ("Garden Party", "Zahradni slavnost", 3, "", None, "", 0),
    ("Winter Road", "Zimni cesta", 3, "", None, "Petr", 2),
    ("Desert Bloom", "Kvetouci poust", 1, "", None, "", 0),
    ("Old Town Jazz", "Jazz ze Stareho mesta", 7, "Martin Novak", (2026, 10, 20, 16, 0, 0), "Martin Novak", 5),
    ("Copper Sky", "Medena obloha", 5, "", None, "", 0),
    ("Holiday Photos 2019", "Fotky z dovolene", 5, "", None, "", 0),
    ("Road Trip Mix", "Mix na cestu", 8, "", None, "Jana", 1),
    ("Lantern Festival", "Slavnost lampionu", 2, "", None, "", 0),
    ("Amélie's Bicycle", "Kolo pro Amélii", 0, "Jana", (2026, 12, 8, 11, 5, 44), "Jana", 2),
    ("River of Stars", "Reka hvezd", 2, "", None, "", 0),
    ("Tape Memories", "Kazetove vzpominky", 6, "", None, "", 0),
    ("Forest Echo", "Ozvena lesa", 4, "", None, "", 0),
    ("The Lighthouse Keeper", "Strazce majaku", 3, "", None, "Petr", 1),
    ("Midnight Radio", "Pulnocni radio", 6, "", None, "", 0),
    ("Summer Hits", "Letni hity", 8, "", None, "", 0),
    ("Glass Mountain", "Sklenena hora", 1, "", None, "", 0),
    ("Clockwork Orchard", "Natahovaci sad", 2, "Eva", (2026, 12, 9, 19, 0, 2), "Eva", 1),
    ("Vinyl Sunday", "Vinylova nedele", 7, "", None, "", 0),
    ("Salt and Pepper", "Sul a pepr", 0, "", None, "", 0),
    ("Morning Coffee Sessions", "Ranni kava", 4, "", None, "", 0),
    ("Backup Disc 3", "Zaloha", 5, "", None, "", 0),
    ("The Long Winter", "Dlouha zima", 2, "", None, "Martin Novak", 2),
    ("Cinema Paradise", "Kino raj", 1, "", None, "", 0),
    ("Rain on the Roof", "Dest na strese", 6, "", None, "", 0),
    ("Piano Evenings", "Klavirni vecery", 4, "", None, "", 0),
    ("Little Big Town", "Male velke mesto", 3, "", None, "", 0),
    ("Starlight Drive-In", "Letni kino", 2, "", None, "", 0),
    ("Greatest Ballads", "Nejvetsi balady", 8, "", None, "", 0),
    ("Harvest Moon", "Sklizenovy mesic", 7, "", None, "", 0),
]


def main(path):
    out = bytearray()
    rows = len(ITEMS) + 1
    created = pack(2025, 3, 14, 10, 0, 0)
    for n in (rows, created, len(ITEMS), 16777215, -16777208):
        out += str(n).encode() + b" "
    for i, (_, _, media, _, when, _, count) in enumerate(ITEMS, 1):
        for n in (i, media, pack(*when) if when else 0, count):
            out += str(n).encode() + b" "

    def text(t):
        nonlocal out
        out += (t.encode("cp1252") if t else b" ") + b" " + MARK + b" "

    for t in ("Title", "Original title", "RentTime", "Last_occupier"):
        text(t)
    for primary, secondary, _, occupier, _, last, _ in ITEMS:
        text(primary)
        text(secondary)
        text(occupier)
        text(last)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "samples/demo.fmd")
