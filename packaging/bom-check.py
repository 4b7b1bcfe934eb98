#!/usr/bin/env python3
"""Checks a bill of materials of Brenvik against CycloneDX's published JSON schema (kept
in packaging/cyclonedx/schemas.tar.xz) and against the installed files it describes:

  bom-check.py BOM FOLDER

FOLDER is where it was installed: the Windows folder (C:\\Program Files\\Brenvik, or the
ZIP unpacked), or / for the Debian package. Every file the bill lists must be there with
the SHA-256 it gives; in the Windows folder, every file there must be listed too (the
bill itself, and the uninstaller the installer writes, aside). Every component must give
its version, licence and supplier. Says what is wrong and exits 1, else prints a line.
Needs Python's jsonschema (Debian's python3-jsonschema).
"""

import hashlib
import json
import pathlib
import sys
import tarfile

import jsonschema

SCHEMAS = pathlib.Path(__file__).resolve().parent / "cyclonedx" / "schemas.tar.xz"
MAIN_SCHEMA = "bom-1.6.SNAPSHOT.schema.json"


def schema_errors(bom):
    base = "http://cyclonedx.org/schema/"
    with tarfile.open(SCHEMAS) as schemas:
        store = {base + member.name: json.load(schemas.extractfile(member)) for member in schemas.getmembers()}
    schema = store[base + MAIN_SCHEMA]
    try:  # jsonschema 4.18 and later (Debian 13) resolve references through a registry
        from referencing import Registry
        from referencing.jsonschema import DRAFT7

        registry = Registry().with_resources((uri, DRAFT7.create_resource(s)) for uri, s in store.items())
        validator = jsonschema.Draft7Validator(schema, registry=registry)
    except ImportError:  # Debian 12's
        validator = jsonschema.Draft7Validator(schema, resolver=jsonschema.RefResolver(base + MAIN_SCHEMA, schema,
                                                                                        store=store))
    return [f"{'/'.join(map(str, error.absolute_path)) or 'the bill'}: {error.message}"
            for error in validator.iter_errors(bom)]


def walk(component):
    yield component
    for inner in component.get("components", []):
        yield from walk(inner)


def main():
    path, folder = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    bom = json.loads(path.read_text(encoding="utf-8"))
    problems = schema_errors(bom)
    everything = [c for top in [bom["metadata"]["component"], *bom.get("components", [])] for c in walk(top)]
    listed = {}
    for component in everything:
        if component["type"] == "file" and "hashes" in component:
            listed[component["name"]] = component["hashes"][0]["content"]
        elif component["type"] != "file":
            for field in ("licenses", "supplier"):
                if field not in component:
                    problems.append(f"{component['name']} has no {field}")
    for name, digest in sorted(listed.items()):
        file = folder / name.lstrip("/")
        if not file.is_file():
            problems.append(f"{name} is listed but not there")
        elif hashlib.sha256(file.read_bytes()).hexdigest() != digest:
            problems.append(f"{name} is not the file the bill lists (SHA-256 differs)")
    if not any(name.startswith("/") for name in listed):  # a folder of its own: all of it listed
        unlisted = {p.relative_to(folder).as_posix() for p in folder.rglob("*") if p.is_file()} - set(listed)
        problems += [f"{name} is there but not listed" for name in sorted(unlisted - {path.name, "Uninstall.exe"})]
    if problems:
        print(f"{path}:", *problems, sep="\n  ")
        sys.exit(1)
    print(f"{path}: CycloneDX {bom['specVersion']}, valid; {len(everything)} components, of them "
          f"{len(listed)} files, each where it says with the SHA-256 it gives")


if __name__ == "__main__":
    main()
