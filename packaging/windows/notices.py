#!/usr/bin/env python3
"""Writes the licence file of Brenvik for Windows: Brenvik's own terms, then the notices of
everything the folder ships that others made, each licence text in full, as the sources
say them:

  notices.py TERMS QT_NOTICES OUTPUT FILE...

TERMS is Brenvik's part (the program's terms and disclaimer). QT_NOTICES is what
packaging/windows/qt.sh kept of Qt's source: LICENSES/, the qt_attribution.json files of
the third-party code with their licence files, Debian's copyright file, the Debian
version, the compiler and the configure options. FILE are the MinGW-w64 runtime's DLLs
and the faces (.ttf) brenvik.exe carries: their notices come from the copyright files of
the Debian packages that hold them.
OUTPUT is UTF-8 with a byte-order mark and CR LF line ends, as Notepad and the
installer's licence page read it.
"""

import json
import os
import pathlib
import re
import subprocess
import sys

# The third-party code of Qt's source that is not in the DLLs this build ships (Qt Core,
# Gui and Widgets, the Windows platform plugin and styles), and why; every other
# attribution is taken.
NOT_SHIPPED = {
    "extra-cmake-modules": "build system only",
    "kwin": "build system only",
    "android-native-style": "Android only",
    "android-gradle-wrapper": "Android only",
    "forkfd": "Unix only",
    "pixman": "ARM NEON only",
    "qeventdispatcher_cf": "macOS only",
    "cocoa-platform-plugin": "macOS only",
    "xcb-xinput": "X11 only",
    "dejayvu": "WebAssembly only",
    "libjpeg": "the JPEG plugin is configured off",
    "libpsl": "Qt Network is configured off",
    "psl-data": "Qt Network is configured off",
    "libdbus-1-headers": "Qt D-Bus is configured off",
    "valgrind": "Qt Test, not shipped",
    "catch2": "Qt Test, not shipped",
    "cycle": "Qt Test, not shipped",
    "linuxperf": "Qt Test, not shipped",
}
# Vulkan, configured off, has attributions of its own: every Id that starts with it.
NOT_SHIPPED_PREFIX = "vulkan"
RULE = "=" * 78


def upstream_version(debian_version):
    """The upstream part of a Debian version: 6.8.2 of 6.8.2+dfsg-9+deb13u2."""
    return re.sub(r"[+~-].*", "", debian_version)


def heading(text):
    return f"\n\n{RULE}\n{text}\n{RULE}\n"


def attributions(qt):
    """Every attribution of Qt's source that the DLLs contain, in the order of their Ids."""
    found, ids = [], set()
    for path in sorted(qt.rglob("qt_attribution.json")):
        entries = json.loads(path.read_text(encoding="utf-8"), strict=False)
        for entry in entries if isinstance(entries, list) else [entries]:
            ids.add(entry["Id"])
            shipped = entry["Id"] not in NOT_SHIPPED
            if shipped and not entry["Id"].lower().startswith(NOT_SHIPPED_PREFIX):
                found.append((entry, path.parent))
    return sorted(found, key=lambda item: item[0]["Name"].lower()), ids


def dep5_paragraphs(text):
    """The paragraphs of a machine-readable Debian copyright file, as field dictionaries."""
    paragraphs = []
    for block in re.split(r"\n\s*\n(?=\S)", text):
        fields, name = {}, None
        for line in block.splitlines():
            match = re.match(r"^([A-Za-z-]+):\s?(.*)$", line)
            if match and not line.startswith(" "):
                name = match.group(1)
                fields[name] = match.group(2)
            elif name:
                fields[name] += "\n" + line
        paragraphs.append(fields)
    return paragraphs


def debian_copyright(dll):
    """The copyright file of the Debian package that holds `dll`, and the package's name."""
    path = os.path.normpath(dll)  # as the package lists it: no "..", links kept
    owner = subprocess.run(["dpkg-query", "-S", path], capture_output=True, text=True, check=True)
    package = owner.stdout.split(":")[0]
    return package, pathlib.Path(f"/usr/share/doc/{package}/copyright").read_text(encoding="utf-8")


def between(text, start, end):
    """The lines of `text` from the one that starts with `start` to the first blank line
    after the one that starts with `end`."""
    lines = text.splitlines()
    first = next(i for i, line in enumerate(lines) if line.startswith(start))
    last = next(i for i in range(first, len(lines)) if lines[i].startswith(end))
    while last < len(lines) and lines[last].strip():
        last += 1
    return "\n".join(lines[first:last])


def gcc_runtime(text):
    return (
        between(text, "GCC is Copyright", "FITNESS FOR A PARTICULAR PURPOSE")
        + "\n\n"
        + between(text, "The following runtime libraries are licensed", " - libgcc")
        + "\n\n"
        + between(text, "GCC RUNTIME LIBRARY EXCEPTION", "presumption that third-party software")
    )


def winpthreads_paragraphs(text):
    """The paragraphs of the MinGW-w64 copyright file for winpthreads' library sources."""
    return [
        paragraph
        for paragraph in dep5_paragraphs(text)
        if "winpthreads/" in paragraph.get("Files", "") and "tests_" not in paragraph["Files"]
    ]


def winpthreads(text):
    """winpthreads' paragraphs of the MinGW-w64 copyright file, each followed by the text
    of the licence it names."""
    licences = {
        p["License"].split("\n")[0]: p["License"]
        for p in dep5_paragraphs(text)
        if "License" in p and "Files" not in p
    }
    parts = []
    for paragraph in winpthreads_paragraphs(text):
        licence = paragraph["License"]
        if "\n" not in licence and licence in licences:
            licence = licences[licence]
        parts.append(f"Files: {paragraph['Files']}\nCopyright: {paragraph['Copyright']}\nLicense: {licence}")
    return "\n\n".join(parts)


def main():
    terms, qt, output = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3]
    dlls = [pathlib.Path(file) for file in sys.argv[4:] if not file.endswith(".ttf")]
    faces = [pathlib.Path(file) for file in sys.argv[4:] if file.endswith(".ttf")]
    debian_version = (qt / "debian-version").read_text().strip()
    version = upstream_version(debian_version)
    licences = qt / "LICENSES"
    entries, ids = attributions(qt)
    unknown = set(NOT_SHIPPED) - ids
    if unknown:
        sys.exit(f"notices.py: no attribution in Qt's source for {', '.join(sorted(unknown))}")

    text = [pathlib.Path(terms).read_text(encoding="utf-8").rstrip("\n")]
    text.append(heading("SOFTWARE BY OTHERS SHIPPED WITH BRENVIK"))
    text.append(
        "Brenvik for Windows ships, beside brenvik.exe, software made by others, each part\n"
        "under its own licence, which follows in full:\n\n"
        f"  1. Qt {version}: Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll,\n"
        "     platforms\\qwindows.dll and styles\\qmodernwindowsstyle.dll;\n"
        "  2. the code by others that Qt builds into those DLLs;\n"
        "  3. the MinGW-w64 runtime: libstdc++-6.dll, libgcc_s_seh-1.dll and\n"
        "     libwinpthread-1.dll;\n"
        "  4. the Liberation Sans font, inside brenvik.exe.\n\n"
        "None of these licences limits what you may do with Brenvik itself beyond its\n"
        "own terms above."
    )

    options = (qt / "configure-options").read_text().split()
    compiler = (qt / "compiler").read_text().strip()
    text.append(heading(f"1. Qt {version}"))
    text.append(
        f"Qt is Copyright (C) The Qt Company Ltd. and other contributors. Brenvik uses Qt\n"
        f"{version} under the GNU Lesser General Public License version 3 (LGPL-3.0-only),\n"
        "whose text follows; it builds on the GNU General Public License version 3, whose\n"
        "text ends this file.\n\n"
        f"The Qt DLLs were built, with no change of ours, from Debian's qt6-base source\n"
        f"package version {debian_version} (Qt {version} with Debian's patches),\n"
        f"cross-compiled with {compiler}\n"
        "and these CMake options, as Brenvik's build script packaging/windows/qt.sh sets them:\n\n"
        + "\n".join(f"    {option}" for option in options)
        + "\n\n"
        "Where to get that source: from Debian's archive, with\n"
        f"    apt-get source qt6-base={debian_version}\n"
        "or from https://snapshot.debian.org/package/qt6-base/"
        f"{debian_version.replace('+', '%2B')}/ .\n"
        "Qt's own releases are at https://download.qt.io/archive/qt/ .\n\n"
        f"You may replace these DLLs with your own build of Qt {version}, changed or not,\n"
        "under the terms of the LGPL: Brenvik loads the Qt DLLs and plugins that stand\n"
        "beside brenvik.exe.\n\n"
        "Debian's record of who holds the copyright in each of Qt's files, and under which\n"
        "licence, is at the end of this file, before the text of the GNU GPL."
    )
    text.append(heading("GNU Lesser General Public License version 3"))
    text.append((licences / "LGPL-3.0-only.txt").read_text(encoding="utf-8").rstrip())

    text.append(heading("2. Code by others in the Qt DLLs"))
    text.append(
        "Qt builds the following code by others into its DLLs. Each is listed with what\n"
        "Qt uses it for, its copyright and its licence in full."
    )
    shown = {}
    for entry, folder in entries:
        name = entry["Name"] + (f" {entry['Version']}" if entry.get("Version") else "")
        part = [f"\n\n{'-' * 78}\n{name}", f"In Qt: {entry.get('QtUsage', '').strip()}"]
        copyright = entry.get("Copyright")
        if copyright:  # one text, or (Qt 6.8) a list of lines
            copyright = "\n".join(copyright) if isinstance(copyright, list) else copyright
            part.append(f"Copyright:\n{copyright.strip()}")
        part.append(f"Licence: {entry['License']}")
        if entry.get("LicenseFile"):
            file = (folder / entry["LicenseFile"]).resolve()
            if file in shown:
                part.append(f"(The text is the same as under {shown[file]} above.)")
            else:
                shown[file] = name
                part.append("\n" + file.read_text(encoding="utf-8", errors="replace").strip())
        text.append("\n".join(part))

    text.append(heading("3. The MinGW-w64 runtime"))
    copyrights = dict(debian_copyright(dll) for dll in dlls)
    gcc = next(body for package, body in copyrights.items() if package.startswith("gcc-"))
    mingw = next(body for package, body in copyrights.items() if package.startswith("mingw-"))
    text.append(
        "libstdc++-6.dll and libgcc_s_seh-1.dll are GCC's runtime libraries, as Debian's\n"
        "MinGW-w64 cross compiler ships them. From Debian's copyright file of that compiler:\n\n"
        + gcc_runtime(gcc)
        + "\n\n\nlibwinpthread-1.dll is MinGW-w64's winpthreads library. From Debian's copyright\n"
        "file of MinGW-w64:\n\n"
        + winpthreads(mingw)
    )

    text.append(heading("4. The Liberation Sans font"))
    package, copyright = debian_copyright(faces[0])
    font = next(p for p in dep5_paragraphs(copyright) if p.get("Files", "").strip() == "*")
    text.append(
        f"brenvik.exe carries, unchanged, from Debian's {package} package:\n"
        f"{' and '.join(face.name for face in faces)}.\n"
        "Brenvik draws its texts in them where Windows lacks Microsoft Sans Serif or Arial.\n"
        "From Debian's copyright file of that package:\n\n"
        f"Copyright:{font['Copyright']}\n\nLicense: "
        + re.sub(r"^ \.?", "", font["License"], flags=re.M)
    )

    text.append(heading(f"Qt {version}: who holds the copyright in its files (Debian's copyright file)"))
    text.append((qt / "debian-copyright").read_text(encoding="utf-8").rstrip())
    text.append(heading("GNU General Public License version 3"))
    text.append((licences / "GPL-3.0-only.txt").read_text(encoding="utf-8").rstrip())

    with open(output, "w", encoding="utf-8-sig", newline="\r\n") as out:
        out.write("\n".join(text) + "\n")


if __name__ == "__main__":
    main()
