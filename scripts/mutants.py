#!/usr/bin/env python3
"""Seeds each fault of scripts/mutants.txt into a scratch copy of the tree, rebuilds it
incrementally, runs the test suite and says whether a test caught the fault.

Usage: scripts/mutants.py [WORDS...]   (only the faults whose description holds all
the words; the scratch tree and its build live in build-mutants/)
Prints one line a fault, "killed" or "SURVIVED", and a total; exits 1 if any survived
or could not be seeded.
"""
import os
import shutil
import subprocess
import sys
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
work = os.path.join(root, "build-mutants")
tree = os.path.join(work, "tree")
build = os.path.join(work, "build")
# The package and resource-script checks test no code of ours that a fault can reach.
ctest = ["ctest", "--stop-on-failure", "-j2", "--timeout", "120",
         "-E", "debian_package|windows_resources"]


def faults(path):
    """(description, file, old text, new text) for each entry of the list."""
    entries, entry = [], None
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if line.startswith("=="):
            entry = [line[2:].strip(), None, [], []]
            entries.append(entry)
        elif entry and line.startswith("- "):
            entry[2].append(line[2:])
        elif entry and line.startswith("+ "):
            entry[3].append(line[2:])
        elif entry and line.strip() and not line.startswith("#"):
            entry[1] = line.strip()
    # A fault without "+" lines takes its "-" lines out whole, line ends included.
    return [(d, f, "\n".join(old) + ("" if new else "\n"), "\n".join(new))
            for d, f, old, new in entries]


def copy_tree():
    files = subprocess.run(["git", "ls-files", "-z"], cwd=root, capture_output=True,
                           check=True).stdout.decode().split("\0")
    for name in filter(None, files):
        source, target = os.path.join(root, name), os.path.join(tree, name)
        if os.path.isfile(source) and (not os.path.exists(target) or
                                       open(source, "rb").read() != open(target, "rb").read()):
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copy2(source, target)


def run(command, cwd):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    return subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


def main():
    words = [w.lower() for w in sys.argv[1:]]
    chosen = [f for f in faults(os.path.join(root, "scripts", "mutants.txt"))
              if all(w in f[0].lower() for w in words)]
    os.makedirs(tree, exist_ok=True)
    copy_tree()
    if not os.path.exists(os.path.join(build, "build.ninja")):
        subprocess.run(["cmake", "-S", tree, "-B", build, "-G", "Ninja"], check=True,
                       stdout=subprocess.DEVNULL)
    if not run(["cmake", "--build", build], tree) or not run(ctest, build):
        sys.exit("the unchanged tree does not build or pass its tests")
    killed = survived = broken = skipped = 0
    for description, name, old, new in chosen:
        if description.startswith("equivalent:"):
            skipped += 1
            continue
        path = os.path.join(tree, name)
        original = open(path, encoding="utf-8").read()
        if original.count(old) != 1:
            print(f"NOT SEEDED  {description} (the text stands {original.count(old)} "
                  f"times in {name})")
            broken += 1
            continue
        started = time.monotonic()
        try:
            open(path, "w", encoding="utf-8").write(original.replace(old, new))
            if not run(["cmake", "--build", build], tree):
                print(f"NOT SEEDED  {description} (it does not build)")
                broken += 1
                continue
            caught = not run(ctest, build)
        finally:
            open(path, "w", encoding="utf-8").write(original)
        killed += caught
        survived += not caught
        print(f"{'killed  ' if caught else 'SURVIVED'}    {description} "
              f"({time.monotonic() - started:.0f} s)", flush=True)
    run(["cmake", "--build", build], tree)  # leave the scratch build as the tree is
    print(f"{killed} killed, {survived} survived, {broken} not seeded, "
          f"{skipped} equivalent of {len(chosen)}")
    sys.exit(1 if survived or broken else 0)


if __name__ == "__main__":
    main()
