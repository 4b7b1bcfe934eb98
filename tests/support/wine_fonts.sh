# Sourced by the tests that run the Windows program under Wine on an X server.

# windows_faces [microsoft]: gives the Wine prefix $WINEPREFIX (made already) faces that
# Windows has and Wine 10 lacks, under their Windows names, as Windows registers them:
# Arial as Liberation Sans, its metric twin; with `microsoft`, Microsoft Sans Serif (on
# every Windows 10 and 11, regular only), the outline face drawn to the widths of MS Sans
# Serif's 8-point strike. No free face is its twin: Liberation Sans stands in, each glyph
# made as wide as the strike's (Wine's free MS Sans Serif) at 8.25 points. Made from the
# free faces with fontTools. Exit 1 where that cannot be done.
windows_faces() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  python3 - "$fonts" "$@" >"$WINEPREFIX/faces.reg" <<'EOF' || return 1
import sys
from fontTools.ttLib import TTFont

folder, free = sys.argv[1], "/usr/share/fonts/truetype/liberation/LiberationSans-%s.ttf"
faces = [("Arial", "Regular", "arial.ttf")]  # the windows write no Arial in bold
if "microsoft" in sys.argv[2:]:
    faces.append(("Microsoft Sans Serif", "Regular", "micross.ttf"))


def to_strike(font):
    """Each glyph as wide as the 8-point strike's at 11 px, 8.25 points at 96 dpi, its
    hints kept; the widths and kerning of the old glyphs go."""
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


print("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts]")
for family, style, file in faces:
    font = TTFont(free % style)
    if family == "Microsoft Sans Serif":
        to_strike(font)
    full = family if style == "Regular" else f"{family} {style}"
    names = {1: family, 3: full, 4: full, 6: full.replace(" ", ""), 16: family}
    for record in font["name"].names:
        if record.nameID in names:
            record.string = names[record.nameID]
    font.save(f"{folder}/{file}")
    print(f'"{full} (TrueType)"="{file}"')
EOF
  wine regedit /S "$(winepath -w "$WINEPREFIX/faces.reg")" >/dev/null 2>&1
}
