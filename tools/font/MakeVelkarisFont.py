# Builds the chart symbol font "VelkarisWIN" from the Noto fonts.
#
#   fontforge -lang=py -script tools/font/MakeVelkarisFont.py OUT.ttf
#
# Every glyph sits at the character code the chart code draws it with: ASCII
# characters as themselves, the Windows program's 8-bit codes above 0x7F as the
# Windows-1250 character of that byte (0x82 -> U+201A and so on).
#
# The outlines come from Noto Sans Symbols, Noto Sans Symbols 2 and Noto Sans
# (package fonts-noto-core, SIL Open Font License 1.1, no reserved font name);
# the semisquare is drawn here. Each symbol is scaled to fit one common box and
# centred on one common line, so that all of them share the size and position in
# the text cell whatever their size in their source font.
#
# The output is byte-identical from run to run: the font's creation and
# modification times come from SOURCE_DATE_EPOCH (a fixed default when unset)
# and nothing else in it depends on the time or the machine.

import os
import struct
import sys

import fontforge
import psMat

NOTO_DIR = "/usr/share/fonts/truetype/noto"
SOURCE_FILES = {
    "sym": "NotoSansSymbols-Regular.ttf",
    "sym2": "NotoSansSymbols2-Regular.ttf",
    "sans": "NotoSans-Regular.ttf",
}

FAMILY = "VelkarisWIN"
VERSION = "1.000"
# 2024-01-01T00:00:00Z; used when SOURCE_DATE_EPOCH is not set.
DEFAULT_EPOCH = 1704067200
# Seconds from 1904-01-01 (the font format's epoch) to 1970-01-01.
MAC_EPOCH_OFFSET = 2082844800

# Font units. The em box runs from -DESCENT to ASCENT; the text cell is exactly
# the em box, and every symbol is centred on its middle line.
EM = 1000
ASCENT = 800
DESCENT = 200
CENTRE_Y = (ASCENT - DESCENT) // 2
# The box a symbol is scaled into (ink height and the widest ink allowed).
BOX_HEIGHT = 720
BOX_WIDTH = 880
# Small source glyphs (the minor aspects) are enlarged at most this much; more
# would make their strokes heavier than the rest.
MAX_ENLARGEMENT = 1.3
# Side bearing on both sides of every glyph.
SIDE = 60
# Letter groups (axes, letter aspects): cap height and tracking, in font units.
LETTER_CAP = 540
LETTER_TRACKING = -30
SPACE_WIDTH = 500

# (code, glyph name, how it is made)
#   ("sym", src, cp)      a Noto glyph, fitted into the symbol box
#   ("small", src, cp, f) a Noto glyph, fitted into f times the symbol box
#   ("letters", text)     Latin capitals/lowercase of Noto Sans set together
#   ("drawn", name)       an outline drawn below
GLYPHS = [
    # Signs, Aries ... Pisces
    (ord("q"), "aries", ("sym", "sym", 0x2648)),
    (ord("w"), "taurus", ("sym", "sym", 0x2649)),
    (ord("e"), "gemini", ("sym", "sym", 0x264A)),
    (ord("r"), "cancer", ("sym", "sym", 0x264B)),
    (ord("t"), "leo", ("sym", "sym", 0x264C)),
    (ord("y"), "virgo", ("sym", "sym", 0x264D)),
    (ord("u"), "libra", ("sym", "sym", 0x264E)),
    (ord("i"), "scorpius", ("sym", "sym", 0x264F)),
    (ord("o"), "sagittarius", ("sym", "sym", 0x2650)),
    (ord("p"), "capricorn", ("sym", "sym", 0x2651)),
    (ord("["), "aquarius", ("sym", "sym", 0x2652)),
    (ord("]"), "pisces", ("sym", "sym", 0x2653)),
    # Bodies
    (ord("a"), "sun", ("sym", "sym2", 0x2609)),
    (ord("s"), "moon", ("sym", "sym", 0x263D)),
    (ord("d"), "mercury", ("sym", "sym", 0x263F)),
    (ord("f"), "venus", ("sym", "sym", 0x2640)),
    (ord("g"), "mars", ("sym", "sym", 0x2642)),
    (ord("h"), "jupiter", ("sym", "sym", 0x2643)),
    (ord("j"), "saturn", ("sym", "sym", 0x2644)),
    (ord("k"), "uranus", ("sym", "sym", 0x2645)),
    (ord("!"), "uranus.alt", ("sym", "sym", 0x26E2)),
    (ord("l"), "neptune", ("sym", "sym", 0x2646)),
    (ord(";"), "pluto", ("sym", "sym", 0x2647)),
    (0x00A6, "pluto.alt1", ("sym", "sym2", 0x2BD3)),
    (ord("_"), "pluto.alt2", ("sym", "sym2", 0x2BD4)),
    (ord("A"), "northnode", ("sym", "sym", 0x260A)),
    (ord("Q"), "southnode", ("sym", "sym", 0x260B)),
    (0x2021, "lilith", ("sym", "sym", 0x26B8)),
    (ord("L"), "earth", ("sym", "sym", 0x2641)),
    (ord("K"), "chiron", ("sym", "sym", 0x26B7)),
    (0x201A, "pholus", ("sym", "sym2", 0x2BDB)),
    (ord("F"), "ceres", ("sym", "sym", 0x26B3)),
    (ord("G"), "pallas", ("sym", "sym", 0x26B4)),
    (ord("H"), "juno", ("sym", "sym", 0x26B5)),
    (ord("J"), "vesta", ("sym", "sym", 0x26B6)),
    # Axes
    (ord("S"), "ascendant", ("letters", "AC")),
    (ord("D"), "midheaven", ("letters", "MC")),
    (ord("T"), "imumcoeli", ("letters", "IC")),
    # Aspects
    (ord("z"), "conjunction", ("sym", "sym", 0x260C)),
    (ord("x"), "opposition", ("sym", "sym", 0x260D)),
    (ord("c"), "square", ("sym", "sym2", 0x25A1)),
    (ord("m"), "semisquare", ("drawn", "semisquare")),
    (ord("<"), "sesquiquadrate", ("sym", "sym", 0x26BC)),
    (ord("b"), "trine", ("sym", "sym2", 0x25B3)),
    (ord("n"), "sextile", ("sym", "sym", 0x26B9)),
    (ord(">"), "semisextile", ("sym", "sym", 0x26BA)),
    (ord("?"), "quincunx", ("sym", "sym", 0x26BB)),
    (0x201E, "quintile", ("letters", "Q")),
    (0x2020, "decile", ("letters", "D")),
    (0x2026, "biquintile", ("letters", "bQ")),
    # Ego-state marker
    (0x20AC, "egomarker", ("small", "sym2", 0x25B2, 0.5)),
]


def fail(message):
    sys.stderr.write("MakeVelkarisFont: " + message + "\n")
    sys.exit(1)


def open_sources():
    fonts = {}
    for key, name in SOURCE_FILES.items():
        path = os.path.join(NOTO_DIR, name)
        if not os.path.isfile(path):
            fail("missing source font " + path + " (package fonts-noto-core)")
        fonts[key] = fontforge.open(path)
    return fonts


def source_glyph(font, codepoint):
    for glyph in font.glyphs():
        if glyph.unicode == codepoint:
            if glyph.references:
                glyph.unlinkRef()
            return glyph
    fail("U+%04X is not in %s" % (codepoint, font.familyname))


def new_layer():
    layer = fontforge.layer()
    layer.is_quadratic = True
    return layer


def copy_layer(layer, matrix):
    out = new_layer()
    for contour in layer:
        c = contour.dup()
        c.transform(matrix)
        out += c
    return out


def fit_into_box(layer, factor=1.0):
    """Scales an outline to fit the symbol box (times factor), centred on the
    middle line, with its ink starting at the side bearing."""
    x0, y0, x1, y1 = layer.boundingBox()
    scale = min(BOX_HEIGHT * factor / (y1 - y0), BOX_WIDTH * factor / (x1 - x0),
                MAX_ENLARGEMENT)
    matrix = psMat.compose(
        psMat.translate(-x0, -(y0 + y1) / 2.0),
        psMat.compose(psMat.scale(scale), psMat.translate(SIDE, CENTRE_Y)))
    return copy_layer(layer, matrix), (x1 - x0) * scale


def letters(sans, text):
    """Sets text in Noto Sans with its cap height LETTER_CAP, the capitals
    centred on the middle line."""
    scale = LETTER_CAP / float(sans.capHeight)
    baseline = CENTRE_Y - LETTER_CAP / 2.0
    out = new_layer()
    pen_x = 0.0
    for i, ch in enumerate(text):
        glyph = source_glyph(sans, ord(ch))
        if i > 0:
            pen_x += LETTER_TRACKING
        matrix = psMat.compose(psMat.translate(pen_x, 0),
                               psMat.compose(psMat.scale(scale),
                                             psMat.translate(0, baseline)))
        for contour in glyph.foreground:
            c = contour.dup()
            c.transform(matrix)
            out += c
        pen_x += glyph.width
    # Start the ink at the side bearing like the symbols.
    x0, _, x1, _ = out.boundingBox()
    out = copy_layer(out, psMat.translate(SIDE - x0, 0))
    return out, x1 - x0


def semisquare(stroke):
    """The angle sign of the semisquare: a base line and an arm at 45 degrees,
    both the given stroke wide, drawn into the symbol box."""
    length = 1000.0
    arm = length * 0.75
    root2 = 2 ** 0.5
    points = [
        (0.0, 0.0),
        (arm, arm),
        (arm + stroke * root2, arm),
        (stroke * (1 + root2), stroke),
        (length, stroke),
        (length, 0.0),
    ]
    contour = fontforge.contour()
    contour.is_quadratic = True
    contour.moveTo(*points[0])
    for p in points[1:]:
        contour.lineTo(*p)
    contour.closed = True
    layer = new_layer()
    layer += contour
    return layer


def add_glyph(font, code, name, layer, ink_width):
    glyph = font.createChar(code, name)
    glyph.foreground = layer
    glyph.round()
    glyph.correctDirection()
    glyph.width = int(round(ink_width)) + 2 * SIDE
    return glyph


def build(sources):
    font = fontforge.font()
    font.encoding = "UnicodeFull"
    font.em = EM
    font.ascent = ASCENT
    font.descent = DESCENT
    font.layers["Fore"].is_quadratic = True

    # .notdef: an empty box.
    notdef = font.createChar(-1, ".notdef")
    pen = notdef.glyphPen()
    for (x0, y0, x1, y1) in ((100, -100, 500, 700), (150, -50, 450, 650)):
        pen.moveTo((x0, y0))
        pen.lineTo((x0, y1))
        pen.lineTo((x1, y1))
        pen.lineTo((x1, y0))
        pen.closePath()
    pen = None
    notdef.correctDirection()
    notdef.width = 600

    space = font.createChar(0x20, "space")
    space.width = SPACE_WIDTH

    # The drawn strokes take the weight of the Noto square's outline.
    square = source_glyph(sources["sym2"], 0x25A1)
    outer = square.foreground[0].boundingBox()
    inner = square.foreground[1].boundingBox()
    noto_stroke = inner[0] - outer[0]

    codes = set()
    for code, name, how in GLYPHS:
        if code in codes:
            fail("code U+%04X given twice" % code)
        codes.add(code)
        kind = how[0]
        if kind == "sym":
            layer, width = fit_into_box(source_glyph(sources[how[1]], how[2]).foreground)
        elif kind == "small":
            layer, width = fit_into_box(source_glyph(sources[how[1]], how[2]).foreground, how[3])
        elif kind == "letters":
            layer, width = letters(sources["sans"], how[1])
        elif kind == "drawn" and how[1] == "semisquare":
            # Drawn at 1000 units and scaled into the box, so the stroke is
            # given in those units.
            raw = semisquare(noto_stroke * 1000.0 / BOX_WIDTH)
            layer, width = fit_into_box(raw)
        else:
            fail("unknown glyph recipe for " + name)
        add_glyph(font, code, name, layer, width)
    return font


def set_names_and_metrics(font):
    font.fontname = FAMILY
    font.familyname = FAMILY
    font.fullname = FAMILY
    font.weight = "Regular"
    font.version = VERSION
    font.copyright = (
        "Copyright 2015 Google LLC (Noto Sans), Copyright 2016 Google LLC "
        "(Noto Sans Symbols), Copyright 2017 Google Inc. (Noto Sans Symbols 2). "
        "Rearranged for Velkaris.")
    lang = "English (US)"
    font.appendSFNTName(lang, "Family", FAMILY)
    font.appendSFNTName(lang, "SubFamily", "Regular")
    font.appendSFNTName(lang, "Fullname", FAMILY)
    font.appendSFNTName(lang, "UniqueID", FAMILY + " " + VERSION)
    font.appendSFNTName(lang, "Version", "Version " + VERSION)
    font.appendSFNTName(lang, "PostScriptName", FAMILY)
    font.appendSFNTName(
        lang, "License",
        "This Font Software is licensed under the SIL Open Font License, Version 1.1. "
        "It is derived from Noto Sans, Noto Sans Symbols and Noto Sans Symbols 2.")
    font.appendSFNTName(lang, "License URL", "https://openfontlicense.org")
    font.appendSFNTName(lang, "Descriptor",
                        "Chart symbols for Velkaris, built from the Noto fonts.")

    font.os2_version = 4
    font.os2_vendor = "VLKR"
    font.os2_weight = 400
    font.os2_width = 5
    font.os2_fstype = 0
    font.os2_use_typo_metrics = True
    for attr in ("os2_winascent_add", "os2_windescent_add", "os2_typoascent_add",
                 "os2_typodescent_add", "hhea_ascent_add", "hhea_descent_add"):
        setattr(font, attr, False)
    font.os2_winascent = ASCENT
    font.os2_windescent = DESCENT
    font.os2_typoascent = ASCENT
    font.os2_typodescent = -DESCENT
    font.os2_typolinegap = 0
    font.hhea_ascent = ASCENT
    font.hhea_descent = -DESCENT
    font.hhea_linegap = 0
    font.os2_capheight = LETTER_CAP
    font.os2_xheight = LETTER_CAP


def check_inside_cell(font):
    # Nothing may reach outside the text cell; a glyph that did would be
    # clipped on some systems and overlap its neighbours in the wheel.
    for glyph in font.glyphs():
        if glyph.glyphname in (".notdef", "space"):
            continue
        x0, y0, x1, y1 = glyph.boundingBox()
        if y0 < -DESCENT or y1 > ASCENT or x0 < 0 or x1 > glyph.width:
            fail("%s leaves its cell: %s" % (glyph.glyphname, (x0, y0, x1, y1)))


def check_head_times(path, epoch):
    # The 'head' table holds both times as seconds since 1904-01-01.
    with open(path, "rb") as f:
        data = f.read()
    tables = struct.unpack(">H", data[4:6])[0]
    for i in range(tables):
        tag, _, offset, _ = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
        if tag == b"head":
            created, modified = struct.unpack(">qq", data[offset + 20:offset + 36])
            if created - MAC_EPOCH_OFFSET != epoch or modified - MAC_EPOCH_OFFSET != epoch:
                fail("the font's times do not follow SOURCE_DATE_EPOCH")
            return
    fail("the generated font has no 'head' table")


def main():
    if len(sys.argv) != 2:
        fail("usage: fontforge -lang=py -script MakeVelkarisFont.py OUT.ttf")
    out = sys.argv[1]
    # fontforge stamps a new font and its output with SOURCE_DATE_EPOCH when
    # that is set, and with the clock otherwise; so set it before anything.
    epoch = os.environ.get("SOURCE_DATE_EPOCH", "").strip()
    if not epoch:
        epoch = str(DEFAULT_EPOCH)
        os.environ["SOURCE_DATE_EPOCH"] = epoch
    if not epoch.isdigit():
        fail("SOURCE_DATE_EPOCH must be a number of seconds: " + epoch)

    sources = open_sources()
    font = build(sources)
    set_names_and_metrics(font)
    check_inside_cell(font)
    font.generate(out, flags=("no-FFTM-table", "omit-instructions", "opentype"))
    font.close()
    for f in sources.values():
        f.close()
    check_head_times(out, int(epoch))


main()
