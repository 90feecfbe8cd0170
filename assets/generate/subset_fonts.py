#!/usr/bin/python3
"""Makes the program's own copy of the title window's handwriting font.

The title window is drawn in Andika, whose files hold hundreds of scripts; drawing its two faces
maps most of both files into the program and copies their whole shaping tables. The program
keeps the Latin and Cyrillic part of Andika Regular and Bold, with every shaping feature and all
hinting, so that its texts are drawn exactly as with the whole font. The SIL Open Font License
reserves the name Andika for the unchanged font, so the part is named Hemodynamics Print.

Usage: subset_fonts.py <assets folder>   (needs python3-fonttools and fonts-sil-andika)
"""

import pathlib
import sys

from fontTools import subset
from fontTools.ttLib import TTFont

SOURCE = pathlib.Path("/usr/share/fonts/truetype/andika")
COPYRIGHT = pathlib.Path("/usr/share/doc/fonts-sil-andika/copyright")
FAMILY = "Hemodynamics Print"
POSTSCRIPT = "HemodynamicsPrint"
# Latin with its Western and Central European letters, Cyrillic, the punctuation of Russian
# texts; whatever else a text holds is drawn by the whole Andika, then by DejaVu Sans.
CHARACTERS = [
    (0x0020, 0x007E),
    (0x00A0, 0x017F),
    (0x0400, 0x045F),
    (0x0490, 0x0491),
    (0x2010, 0x2027),
    (0x2030, 0x203A),
    (0x20AC, 0x20AC),
    (0x2116, 0x2116),
    (0x2122, 0x2122),
]
DESCRIPTION = (
    "Andika by SIL International, Latin and Cyrillic only, renamed as its license asks of "
    "modified versions; made for the program \u00abМодель гемодинамики сосудистого русла\u00bb"
)


def unicodes():
    return [code for first, last in CHARACTERS for code in range(first, last + 1)]


def rename(font):
    names = font["name"]
    for record in list(names.names):
        text = record.toUnicode()
        if record.nameID == 7:  # Andika's trademark line is not this font's
            names.removeNames(nameID=7)
        elif record.nameID == 6:
            record.string = text.replace("Andika", POSTSCRIPT)
        elif record.nameID in (1, 3, 4, 16, 17, 18, 21, 22):
            record.string = text.replace("Andika", FAMILY)
        elif record.nameID == 10:
            record.string = DESCRIPTION


def make(face, folder):
    options = subset.Options()
    options.layout_features = ["*"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    options.hinting = True
    # The original's date, so that the same input always gives the same file.
    font = TTFont(SOURCE / f"Andika-{face}.ttf", recalcTimestamp=False)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=unicodes())
    subsetter.subset(font)
    rename(font)
    font.save(folder / f"{POSTSCRIPT}-{face}.ttf")


def license_text():
    """Andika's copyright and license, from the Debian package's copyright file."""
    lines = COPYRIGHT.read_text(encoding="utf-8").splitlines()
    # The stand-alone license paragraph, the last of the lines that name it.
    start = len(lines) - lines[::-1].index("License: OFL-1.1-RFN")
    body = []
    for line in lines[start:]:
        if not line.startswith(" "):
            break
        body.append("" if line.strip() == "." else line[1:])
    return "\n".join(body).strip() + "\n"


def main():
    folder = pathlib.Path(sys.argv[1]) / "fonts"
    folder.mkdir(exist_ok=True)
    for face in ("Regular", "Bold"):
        make(face, folder)
    (folder / "OFL.txt").write_text(
        f"{FAMILY} (HemodynamicsPrint-Regular.ttf, HemodynamicsPrint-Bold.ttf) is a modified\n"
        "version of Andika 6.101 (Latin and Cyrillic only, renamed), under the same license.\n\n"
        + license_text(),
        encoding="utf-8",
    )


if __name__ == "__main__":
    main()
