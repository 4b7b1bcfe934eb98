# Sourced by the tests that run the Windows program under Wine on an X server.

# microsoft_sans_serif: gives the Wine prefix $WINEPREFIX (made already) the face every
# Windows 10 and 11 has and Wine 10 lacks, registered as Windows registers it: Microsoft
# Sans Serif (regular only), the outline face drawn to the widths of MS Sans Serif's
# 8-point strike. No free face is its twin: Liberation Sans stands in, each glyph made as
# wide as the strike's (Wine's free MS Sans Serif) at 8.25 points, with fontTools. (Arial
# needs no stand-in: where it is missing, the program draws its metric twin, Liberation
# Sans, itself.) Exit 1 where that cannot be done.
microsoft_sans_serif() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  python3 - "$fonts" >"$WINEPREFIX/faces.reg" <<'EOF' || return 1
import sys
from fontTools.ttLib import TTFont


# Each glyph as wide as the 8-point strike's at 11 px, 8.25 points at 96 dpi, its hints
# kept; the widths and kerning of the old glyphs go.
def to_strike(font):
    bitmap = TTFont("/usr/share/wine/fonts/ms_sans_serif.ttf")
    strike, glyphs, em = bitmap["EBDT"].strikeData[0], font["glyf"], font["head"].unitsPerEm
    widths = {}
    for char, name in bitmap.getBestCmap().items():
        try:  # a glyph of no ink has no data to read its metrics from
            metrics = strike[name].metrics
        except (KeyError, AttributeError):
            continue
        widths[char] = getattr(metrics, "horiAdvance", None) or metrics.Advance
    for char, name in font.getBestCmap().items():
        advance, bearing = font["hmtx"][name]
        if char not in widths or not advance:
            continue
        factor = widths[char] * em / 11 / advance
        if glyphs[name].numberOfContours > 0:  # the texts' characters have outlines of their own
            glyphs[name].coordinates.scale((factor, 1))
            glyphs[name].coordinates.toInt()
        font["hmtx"][name] = (round(advance * factor), round(bearing * factor))
    for table in ("hdmx", "LTSH", "VDMX", "kern", "GPOS"):
        if table in font:
            del font[table]


font, family = TTFont("/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"), "Microsoft Sans Serif"
to_strike(font)
names = {1: family, 3: family, 4: family, 6: family.replace(" ", ""), 16: family}
for record in font["name"].names:
    if record.nameID in names:
        record.string = names[record.nameID]
font.save(f"{sys.argv[1]}/micross.ttf")
print("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]")
print(f'"{family} (TrueType)"="micross.ttf"')
EOF
  wine regedit /S "$(winepath -w "$WINEPREFIX/faces.reg")" >/dev/null 2>&1
}
