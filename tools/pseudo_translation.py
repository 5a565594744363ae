#!/usr/bin/env python3
"""Writes a pseudo-translation of the game's texts: every letter of every source text in
translations/fieldclear_en.ts replaced by an accented look-alike, so that a text the program
shows without translating it stands out as plain English.

    python3 tools/pseudo_translation.py translations/fieldclear_en.ts OUT.ts

Placeholders (%1, %n) and the & of access keys are kept as they are."""

import re
import sys
import xml.etree.ElementTree as ET

PLAIN = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
LOOKALIKE = "ȧƀçđéƒğħíĵķĺɱñöƥʠŕšŧüʋŵẋýžÄƁÇĐÉƑĞĦÍĴĶĹṀÑÖƤɊŘŠŦÜṾŴẊÝŽ"
assert len(PLAIN) == len(LOOKALIKE)
TABLE = str.maketrans(PLAIN, LOOKALIKE)


def pseudo(text):
    # Letters after % or & are a placeholder's or an access key's own and stay.
    parts = re.split(r"(%\w|&)", text)
    return "".join(p if re.fullmatch(r"%\w|&", p) else p.translate(TABLE) for p in parts)


def main(source, out):
    tree = ET.parse(source)
    root = tree.getroot()
    root.set("language", "eo")  # any language but English; the test loads the file by path
    for message in root.iter("message"):
        text = pseudo(message.find("source").text or "")
        translation = message.find("translation")
        translation.attrib.clear()
        translation.text = None
        for form in list(translation):
            translation.remove(form)
        if message.get("numerus") == "yes":
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = text
        else:
            translation.text = text
    tree.write(out, encoding="utf-8", xml_declaration=True)
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
