#!/usr/bin/env python3
"""Writes the software bill of materials of an installed Brenvik (CycloneDX 1.6, JSON):
every component it ships, with its version, licence (an SPDX expression), supplier and the
Debian source package it was built from, and every file of the folder with its SHA-256:

  bom.py OUTPUT FOLDER --version V --maker M --mail A --url U --licence L
         [--qt QT_NOTICES FILE...]

FOLDER is the installed tree (a Debian package's root, or the Windows folder); OUTPUT is
written inside it and is the one file it does not list. Brenvik's own files are every
file of FOLDER that belongs to no other component. With --qt (the Windows folder), the
components are those License.txt names, read from the same sources by the same code
(packaging/windows/notices.py): Qt from QT_NOTICES, the code by others inside Qt, and,
from the Debian packages that hold each FILE, the MinGW-w64 runtime's DLLs and the faces
brenvik.exe carries. The time is SOURCE_DATE_EPOCH's, and the serial number follows
from what the bill says: the same build gives the same bytes.
"""

import argparse
import hashlib
import json
import os
import pathlib
import re
import subprocess
import sys
import uuid
from datetime import datetime, timezone

sys.dont_write_bytecode = True  # the checkout stays as it is
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent / "windows"))
import notices  # noqa: E402

# Debian's short names of licences, as SPDX names them.
SPDX = {
    "expat": "MIT",
    "BSD-3-clause": "BSD-3-Clause",
    "SIL-OFL-1.1": "OFL-1.1",
    "LGPL-2+": "LGPL-2.0-or-later",
    "GPL-2+": "GPL-2.0-or-later",
}
GCC_RUNTIME_LICENCE = "GPL-3.0-or-later WITH GCC-exception-3.1"
QT = {"name": "The Qt Company", "url": ["https://www.qt.io"]}
DEBIAN = {"name": "Debian", "url": ["https://www.debian.org"]}


def spdx(debian_name):
    name = debian_name.strip()
    return SPDX.get(name, "LicenseRef-" + re.sub(r"[^A-Za-z0-9.-]", "-", name))


def sha256(path):
    digest = hashlib.sha256()
    with open(path, "rb") as file:
        for block in iter(lambda: file.read(1 << 20), b""):
            digest.update(block)
    return digest.hexdigest()


def deb_purl(name, version):
    return f"pkg:deb/debian/{name}@{version.replace('+', '%2B').replace(':', '%3A')}"


def debian_source(name, version):
    """The Debian source package NAME VERSION, as an ancestor of what was built from it."""
    purl = deb_purl(name, version) + "?arch=source"
    return {"pedigree": {"ancestors": [{"type": "library", "name": name, "version": version, "purl": purl}]}}


def debian_package(file):
    """The Debian package that holds FILE: its name, version, source name, source version
    and copyright file."""
    package, copyright = notices.debian_copyright(file)
    fields = subprocess.run(
        ["dpkg-query", "-W", "-f=${Version}\t${source:Package}\t${source:Version}", package],
        capture_output=True, text=True, check=True).stdout.split("\t")
    return package, *fields, copyright


def component(ref, name, version, supplier, licence, **more):
    return {"type": "library", "bom-ref": ref, "supplier": supplier, "name": name, "version": version,
            "licenses": [{"expression": licence}], **more}


def qt_components(qt):
    """Qt, with the code by others inside it, as License.txt names them."""
    debian_version = (qt / "debian-version").read_text().strip()
    version = notices.upstream_version(debian_version)
    source = debian_source("qt6-base", debian_version)
    inside = []
    for entry, _ in notices.attributions(qt)[0]:
        more = {}
        entry_version = entry.get("Version")
        for key, field in (("purl", "PURL"), ("cpe", "CPE")):
            value = entry.get(field)
            value = value[0] if isinstance(value, list) else value
            if value and entry_version:
                value = value.replace("$<VERSION_DASHED>", entry_version.replace(".", "-"))
                value = value.replace("$<VERSION>", entry_version)
            if value and "$<" not in value:
                more[key] = value
        if entry_version:
            more["version"] = entry_version
        inside.append({"type": "library", "bom-ref": f"qt/{entry['Id']}", "supplier": QT,
                       "name": entry["Name"], "licenses": [{"expression": entry["LicenseId"]}],
                       **more, **source})
    qt_component = component("qt", "Qt", version, QT, "LGPL-3.0-only",
                             purl=f"pkg:generic/qt@{version}", **source)
    qt_component["components"] = inside
    return qt_component


def debian_components(files):
    """The MinGW-w64 runtime's DLLs and the faces of FILES, by the Debian package of each:
    {file name: component}, the DLLs of one runtime sharing theirs."""
    found, by_ref = {}, {}
    for file in files:
        package, version, source, source_version, copyright = debian_package(file)
        upstream = notices.upstream_version(version.split(":")[-1])
        if package.startswith("gcc-"):
            made = component("gcc-runtime", "GCC runtime libraries", upstream, DEBIAN, GCC_RUNTIME_LICENCE)
        elif package.startswith("mingw-"):
            names = sorted({spdx(p["License"].split("\n")[0]) for p in notices.winpthreads_paragraphs(copyright)})
            made = component("winpthreads", "winpthreads", upstream, DEBIAN, " AND ".join(names))
        else:  # a face: a file inside brenvik.exe
            font = next(p for p in notices.dep5_paragraphs(copyright) if p.get("Files", "").strip() == "*")
            name = pathlib.Path(file).name
            made = component(f"{package}/{name}", name, upstream, DEBIAN, spdx(font["License"].split("\n")[0]))
            made["type"] = "file"
        made.update(debian_source(source, source_version))
        made["purl"] = deb_purl(package, version)
        found[pathlib.Path(file).name] = by_ref.setdefault(made["bom-ref"], made)
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("output", type=pathlib.Path)
    parser.add_argument("folder", type=pathlib.Path)
    for option in ("version", "maker", "mail", "url", "licence"):
        parser.add_argument(f"--{option}", required=True)
    parser.add_argument("--root", default="", help="where FOLDER is installed, where it is not a folder of its own")
    parser.add_argument("--qt", type=pathlib.Path)
    parser.add_argument("files", nargs="*")
    args = parser.parse_intermixed_args()

    brenvik = {"type": "application", "bom-ref": "brenvik", "supplier": {"name": args.maker, "url": [args.url],
               "contact": [{"email": args.mail}]}, "name": "Brenvik", "version": args.version,
               "licenses": [{"expression": args.licence}], "purl": f"pkg:generic/brenvik@{args.version}",
               "components": []}
    components, owners, faces = [], {}, []
    if args.qt:
        qt = qt_components(args.qt)
        parts = debian_components(args.files)
        faces = [made for made in parts.values() if made["type"] == "file"]
        owners = {name: made for name, made in parts.items() if made["type"] != "file"}
        components = [qt, *{made["bom-ref"]: made for made in owners.values()}.values()]
    for path in sorted(p for p in args.folder.rglob("*") if p.is_file() and p != args.output):
        name = path.relative_to(args.folder).as_posix()
        if args.root:
            name = f"{args.root}/{name}"
        owner = owners.get(path.name)
        if owner is None and args.qt and (path.name.startswith("Qt6") or "/" in name):
            owner = qt  # Qt's DLLs, and its plugins in their folders
        file = {"type": "file", "name": name, "hashes": [{"alg": "SHA-256", "content": sha256(path)}]}
        if name == "brenvik.exe" and faces:
            file["components"] = faces
        (owner or brenvik).setdefault("components", []).append(file)

    when = datetime.fromtimestamp(int(os.environ["SOURCE_DATE_EPOCH"]), timezone.utc)
    metadata = {"timestamp": when.strftime("%Y-%m-%dT%H:%M:%SZ"), "component": brenvik,
                "supplier": brenvik["supplier"]}
    bom = {"bomFormat": "CycloneDX", "specVersion": "1.6", "version": 1, "metadata": metadata,
           "components": components,
           "dependencies": [{"ref": "brenvik", "dependsOn": [c["bom-ref"] for c in components]}]}
    text = json.dumps(bom, indent=2, ensure_ascii=False)
    bom = {"bomFormat": bom.pop("bomFormat"), "specVersion": bom.pop("specVersion"),
           "serialNumber": f"urn:uuid:{uuid.uuid5(uuid.NAMESPACE_URL, text)}", **bom}
    args.output.write_text(json.dumps(bom, indent=2, ensure_ascii=False) + "\n", encoding="utf-8")


if __name__ == "__main__":
    main()
