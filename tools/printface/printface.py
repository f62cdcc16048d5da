#!/usr/bin/python3
"""Makes the print faces: copies of installed Noto CJK faces whose text reads back as drawn.

A PDF's text is found again through the map from each drawn glyph back to a character, and Qt's
PDF writer gives each glyph the lowest character that the face maps to it. Noto CJK draws many
characters with one glyph: 人 (U+4EBA) with the Kangxi radical ⼈ (U+2F08), 長 with ⻑, ・ with
‧ (U+2027), ～ with 〜, the ideographic space with the em space. So a worksheet or a report that
draws 人 reads back as ⼈, and a teacher cannot find a pupil's name in it.

Each print face keeps, for every glyph that several characters share, one of them: the highest
that is no alias of another (a radical, or a character whose compatibility decomposition is
another of the glyph's characters, such as a compatibility ideograph). The program draws with
the print face first and the original face behind it, which draws the characters left out with
the same glyph. Every character of code page 932, which is what the data files can hold, so reads
back as itself: the kept one from the print face, the others as the lowest of their glyph in the
original face. Shaping features that replace glyphs by default (ccmp, locl, calt, liga, clig, rlig)
are switched off, since a replaced glyph has no character at all: Noto's locl, for one, swaps the
digits after Latin letters for copies that nothing maps to.

The faces are written as one collection sharing their outlines. Only the character maps, the
feature lists and the names change; the copyright and licence (SIL Open Font License 1.1) stay in
the name table, and the new family names use no reserved name.

usage: printface.py OUTPUT.ttc FONTFILE:INDEX:FAMILY [FONTFILE:INDEX:FAMILY ...]
"""

import collections
import os
import sys
import unicodedata

from fontTools.ttLib import TTFont
from fontTools.ttLib.ttCollection import TTCollection

# Features a shaper applies without being asked, that substitute glyphs.
DEFAULT_SUBSTITUTIONS = {'ccmp', 'locl', 'calt', 'liga', 'clig', 'rlig'}


def is_radical(code):
    return 0x2E80 <= code <= 0x2FDF


def is_alias(code, codes):
    """Whether a character stands in for another character of its glyph."""
    decomposed = unicodedata.normalize('NFKD', chr(code))
    if len(decomposed) == 1 and ord(decomposed) != code and ord(decomposed) in codes:
        return True
    return is_radical(code) and any(not is_radical(other) for other in codes)


def kept_character(codes):
    main = [code for code in codes if not is_alias(code, codes)]
    return max(main or codes)


def one_character_per_glyph(font):
    best = font.getBestCmap()
    by_glyph = collections.defaultdict(list)
    for code, glyph in best.items():
        by_glyph[glyph].append(code)
    dropped = set()
    for codes in by_glyph.values():
        if len(codes) > 1:
            kept = kept_character(codes)
            dropped.update(code for code in codes if code != kept)
    for table in font['cmap'].tables:
        # Format 14 holds variation sequences, whose base characters stay mapped.
        if table.format != 14:
            table.cmap = {code: glyph for code, glyph in table.cmap.items() if code not in dropped}
    return len(dropped)


def without_default_substitutions(font):
    if 'GSUB' not in font:
        return
    gsub = font['GSUB'].table
    features = gsub.FeatureList.FeatureRecord
    for script in gsub.ScriptList.ScriptRecord:
        systems = [script.Script.DefaultLangSys] if script.Script.DefaultLangSys else []
        systems += [record.LangSys for record in script.Script.LangSysRecord]
        for system in systems:
            system.FeatureIndex = [i for i in system.FeatureIndex if features[i].FeatureTag not in DEFAULT_SUBSTITUTIONS]
            system.FeatureCount = len(system.FeatureIndex)
            if system.ReqFeatureIndex != 0xFFFF and features[system.ReqFeatureIndex].FeatureTag in DEFAULT_SUBSTITUTIONS:
                system.ReqFeatureIndex = 0xFFFF


def renamed(font, family):
    postscript = family.replace(' ', '') + '-Regular'
    for record in font['name'].names:
        if record.nameID in (1, 4, 16):
            record.string = family
        elif record.nameID == 3:
            record.string = postscript
        elif record.nameID == 6:
            record.string = postscript


def main(argv):
    if len(argv) < 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    output = argv[1]
    collection = TTCollection()
    for spec in argv[2:]:
        path, index, family = spec.rsplit(':', 2)
        # Lazily loaded and without recomputed boxes, the outlines are copied as they are.
        font = TTFont(path, fontNumber=int(index), lazy=True, recalcBBoxes=False, recalcTimestamp=False)
        one_character_per_glyph(font)
        without_default_substitutions(font)
        renamed(font, family)
        collection.fonts.append(font)
    partial = output + '.part'
    collection.save(partial, shareTables=True)
    os.replace(partial, output)


if __name__ == '__main__':
    main(sys.argv)
