#!/usr/bin/env python3
"""Tells whether the test suite catches faults: seeds each fault into a scratch copy of the
tree, rebuilds it incrementally, runs the suite and says whether a test caught it.

  mutants/run.py [WORDS...]
      the faults of mutants/faults.txt (only those whose description holds all the
      words); each is a slip chosen by hand. One whose description starts "(Qt X.Y)"
      is in code that older Qt leaves out: where Qt is older it is reported "not run".
  mutants/run.py --sample N [--seed S]
      N faults drawn at random (seeded, 1 unless given) from every line of src/ by the
      classic operators of mutation testing: a comparison flipped or its boundary moved,
      + and -, * and /, && and || swapped, a condition negated, an integer literal moved
      by one, a boolean literal flipped, a call statement deleted. Each operator gets its
      share of the draw. A fault that does not build is drawn again; one listed in
      mutants/equivalent.txt is reported under its heading there ("equivalent",
      "undetectable here" or "given up: not visible"), not run, and left out of the score.

The scratch tree and its build live in build-mutants/. Prints one line a fault,
"killed", "SURVIVED" or "equivalent", then a total; exits 1 if any survived or, in the
list mode, could not be seeded.
"""
import argparse
import functools
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
work = os.path.join(root, "build-mutants")
tree = os.path.join(work, "tree")
build = os.path.join(work, "build")
# The package check tests no code of ours that a fault can reach (the resource script's
# does: the copyright years).
ctest = ["ctest", "--stop-on-failure", "-j2", "--timeout", "60", "-E", "debian_package"]


def entries(path):
    """(description, file, old lines, new lines, heading) for each entry of a fault list;
    the heading is that of the last "## " line before it."""
    found, entry, heading = [], None, ""
    for line in open(path, encoding="utf-8"):
        line = line.rstrip("\n")
        if line.startswith("## "):
            heading = line[3:].strip()
        elif line.startswith("=="):
            entry = [line[2:].strip(), None, [], [], heading]
            found.append(entry)
        elif entry and line.startswith("- "):
            entry[2].append(line[2:])
        elif entry and line.startswith("+ "):
            entry[3].append(line[2:])
        elif entry and line.strip() and not line.startswith("#"):
            entry[1] = line.strip()
    return found


def copy_tree():
    files = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"],
                           cwd=root, capture_output=True, check=True).stdout.decode().split("\0")
    for name in filter(None, files):
        source, target = os.path.join(root, name), os.path.join(tree, name)
        if os.path.isfile(source) and (not os.path.exists(target) or
                                       open(source, "rb").read() != open(target, "rb").read()):
            os.makedirs(os.path.dirname(target), exist_ok=True)
            shutil.copy(source, target)  # a new time: the build sees the file changed


def run(command, cwd):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    return subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL).returncode == 0


def prepare():
    os.makedirs(tree, exist_ok=True)
    copy_tree()
    if not os.path.exists(os.path.join(build, "build.ninja")):
        subprocess.run(["cmake", "-S", tree, "-B", build, "-G", "Ninja"], check=True,
                       stdout=subprocess.DEVNULL)
    if not run(["cmake", "--build", build], tree) or not run(ctest, build):
        sys.exit("the unchanged tree does not build or pass its tests")


def try_fault(name, original, mutated, label):
    """Seeds a fault, prints "killed" or "SURVIVED" with `label`, and gives whether a test
    caught it; None, and nothing printed, where the fault does not build."""
    path, started = os.path.join(tree, name), time.monotonic()
    try:
        open(path, "w", encoding="utf-8").write(mutated)
        if not run(["cmake", "--build", build], tree):
            return None
        caught = not run(ctest, build)
    finally:
        open(path, "w", encoding="utf-8").write(original)
    print(f"{'killed    ' if caught else 'SURVIVED  '}  {label} "
          f"({time.monotonic() - started:.0f} s)", flush=True)
    return caught


# ---- the list mode ------------------------------------------------------------------

def qt_older_than(wanted):
    return qt_version()[:2] < [int(part) for part in wanted.split(".")]


def listed(words):
    killed = survived = broken = skipped = unrun = 0
    chosen = [e for e in entries(os.path.join(root, "mutants", "faults.txt"))
              if all(w in e[0].lower() for w in words)]
    for description, name, old, new, _ in chosen:
        if description.startswith("equivalent:"):
            skipped += 1
            continue
        needs = re.match(r"\(Qt (\d+\.\d+)\) ", description)
        if needs and qt_older_than(needs.group(1)):
            print(f"not run     {description} (older Qt here)")
            unrun += 1
            continue
        # A fault without "+" lines takes its "-" lines out whole, line ends included.
        old_text = "\n".join(old) + ("" if new else "\n")
        original = open(os.path.join(tree, name), encoding="utf-8").read()
        if original.count(old_text) != 1:
            print(f"NOT SEEDED  {description} (the text stands {original.count(old_text)} "
                  f"times in {name})")
            broken += 1
            continue
        caught = try_fault(name, original, original.replace(old_text, "\n".join(new)), description)
        if caught is None:
            print(f"NOT SEEDED  {description} (it does not build)")
            broken += 1
            continue
        killed += caught
        survived += not caught
    print(f"{killed} killed, {survived} survived, {broken} not seeded, "
          f"{skipped} equivalent, {unrun} not run of {len(chosen)}")
    return survived or broken


# ---- the sampled mode ---------------------------------------------------------------

# What the preprocessor decides on Linux; a condition it cannot read counts as compiled.
LINUX = {"Q_OS_UNIX": True, "Q_OS_LINUX": True, "Q_OS_WIN": False, "_WIN32": False,
         "_MSC_VER": False, "Q_OS_MACOS": False, "Q_OS_MACX": False}


@functools.cache
def qt_version():
    found = subprocess.run(["qtpaths6", "--qt-version"], capture_output=True, text=True).stdout
    return [int(part) for part in found.split(".")[:3]]


def compiled(condition):
    """Whether the preprocessor keeps what `condition` guards, here: on Linux, with this
    Qt (QT_VERSION against QT_VERSION_CHECK)."""
    expression = re.sub(r"defined\s*\(\s*(\w+)\s*\)|defined\s+(\w+)",
                        lambda m: str(LINUX.get(m.group(1) or m.group(2), True)), condition)
    expression = re.sub(r"QT_VERSION_CHECK\s*\(\s*(\d+)\s*,\s*(\d+)\s*,\s*(\d+)\s*\)",
                        lambda m: str([int(m.group(i)) for i in (1, 2, 3)]), expression)
    expression = re.sub(r"\bQT_VERSION\b", str(qt_version()), expression)
    expression = expression.replace("&&", " and ").replace("||", " or ")
    expression = re.sub(r"!(?!=)", " not ", expression)
    try:
        return bool(eval(expression, {"__builtins__": {}}, {"True": True, "False": False}))
    except Exception:
        return True


def code_lines(text):
    """Each line with its comments, string and character literals blanked out, and None
    for a preprocessor line or a line the preprocessor leaves out here."""
    lines, in_comment, branches = [], False, []  # branches: (this branch on, any branch on)
    for line in text.split("\n"):
        stripped = line.strip()
        if not in_comment and stripped.startswith("#"):
            directive = re.match(r"#\s*(\w+)\s*(.*)", stripped)
            word, rest = (directive.group(1), directive.group(2)) if directive else ("", "")
            if word in ("if", "ifdef", "ifndef"):
                on = (compiled(rest) if word == "if" else
                      LINUX.get(rest.split()[0], True) if word == "ifdef" else
                      not LINUX.get(rest.split()[0], False))
                branches.append([on, on])
            elif word == "elif" and branches:
                on = not branches[-1][1] and compiled(rest)
                branches[-1] = [on, branches[-1][1] or on]
            elif word == "else" and branches:
                branches[-1] = [not branches[-1][1], True]
            elif word == "endif" and branches:
                branches.pop()
            lines.append(None)
            continue
        if not all(on for on, _ in branches):
            lines.append(None)
            continue
        masked, i = [], 0
        while i < len(line):
            if in_comment:
                end = line.find("*/", i)
                if end < 0:
                    masked.append(" " * (len(line) - i))
                    i = len(line)
                else:
                    masked.append(" " * (end + 2 - i))
                    i, in_comment = end + 2, False
            elif line.startswith("//", i):
                masked.append(" " * (len(line) - i))
                i = len(line)
            elif line.startswith("/*", i):
                in_comment = True
            elif line[i] in "\"'":
                quote, j = line[i], i + 1
                while j < len(line) and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                masked.append(quote + "_" * (min(j, len(line)) - i - 1) + quote)
                i = j + 1
            else:
                masked.append(line[i])
                i += 1
        lines.append("".join(masked)[:len(line)])
    return lines


def matching_paren(code, open_at):
    depth = 0
    for i in range(open_at, len(code)):
        depth += {"(": 1, ")": -1}.get(code[i], 0)
        if depth == 0:
            return i
    return -1


NOT_CALLS = {"return", "if", "while", "for", "switch", "case", "delete", "new", "throw",
             "else", "do", "sizeof", "static_assert", "decltype", "alignas"}


def sites(name, text):
    """(operator, first line, last line, the lines as they stand, as the fault leaves them)
    for each fault the operators can make in a file."""
    raw, code = text.split("\n"), code_lines(text)
    found = []

    def at(operator, number, start, end, replacements):
        for replacement in replacements:
            found.append((operator, number, number, [raw[number]],
                          [raw[number][:start] + replacement + raw[number][end:]]))

    for number, line in enumerate(code):
        if line is None:
            continue
        for m in re.finditer(r"(?<= )(==|!=|<=|>=|<|>)(?= )", line):
            others = {"<": ["<=", ">="], "<=": ["<", ">"], ">": [">=", "<="],
                      ">=": [">", "<"], "==": ["!="], "!=": ["=="]}[m.group(1)]
            at("comparison", number, m.start(), m.end(), others)
        for m in re.finditer(r"(?<= )(\+=|-=|\+|-)(?= )", line):
            at("plus-minus", number, m.start(), m.end(),
               [{"+": "-", "-": "+", "+=": "-=", "-=": "+="}[m.group(1)]])
        for m in re.finditer(r"(?<= )(\*=|/=|\*|/)(?= )", line):
            at("times-divide", number, m.start(), m.end(),
               [{"*": "/", "/": "*", "*=": "/=", "/=": "*="}[m.group(1)]])
        for m in re.finditer(r"(?<= )(&&|\|\|)(?= )", line):
            at("and-or", number, m.start(), m.end(), ["||" if m.group(1) == "&&" else "&&"])
        for m in re.finditer(r"\b(if|while) \(", line):
            close = matching_paren(line, m.end() - 1)
            if close > 0:
                condition = raw[number][m.end():close]
                at("negation", number, m.end(), close, [f"!({condition})"])
        for m in re.finditer(r"(?<![\w.])\d+(?![\w.])", line):
            value = int(m.group(0))
            at("integer", number, m.start(), m.end(), [str(value + 1), str(value - 1)])
        for m in re.finditer(r"\b(true|false)\b", line):
            at("boolean", number, m.start(), m.end(), ["false" if m.group(1) == "true" else "true"])
        call = re.match(r"(\s*)((?:emit )?[A-Za-z_][\w:]*(?:(?:->|\.)\w+)*)\(", line)
        if call and call.group(2).split("::")[0].split("->")[0] not in NOT_CALLS:
            # The statement runs to the ")" that closes its call and a ";" after it.
            joined, last = line, number
            close = matching_paren(joined, call.end() - 1)
            while close < 0 and last + 1 < len(code) and code[last + 1] is not None:
                last += 1
                joined += "\n" + code[last]
                close = matching_paren(joined, call.end() - 1)
            if close > 0 and joined[close + 1:].strip() == ";":
                found.append(("call", number, last, raw[number:last + 1],
                              [call.group(1) + ";"]))
    return found


def all_sites():
    by_operator = {}
    for folder, _, files in os.walk(os.path.join(root, "src")):
        for file in sorted(files):
            if file.endswith((".cpp", ".h", ".h.in")):
                name = os.path.relpath(os.path.join(folder, file), root)
                for site in sites(name, open(os.path.join(root, name), encoding="utf-8").read()):
                    by_operator.setdefault(site[0], []).append((name,) + site)
    for faults in by_operator.values():
        faults.sort(key=lambda fault: (fault[0], fault[2], fault[5]))
    return dict(sorted(by_operator.items()))


def folded(lines):
    return " ".join(" ".join(lines).split())


def equivalents():
    """{(file, text as it stands, as the fault leaves it): (heading, why)}, from the file."""
    listed_ones = {}
    path = os.path.join(root, "mutants", "equivalent.txt")
    for description, name, old, new, heading in entries(path) if os.path.exists(path) else []:
        source = os.path.join(root, name)
        lines = ({folded([line]) for line in open(source, encoding="utf-8")}
                 if os.path.exists(source) else set())
        if not all(folded([line]) in lines for line in old):
            print(f"stale: the text of \"{description}\" no longer stands in {name}")
        listed_ones[(name, folded(old), folded(new))] = (heading, description)
    return listed_ones


def sampled(count, seed):
    draw = random.Random(seed)
    by_operator, known = all_sites(), equivalents()
    operators = sorted(by_operator)
    killed = survived = unbuilt = 0
    set_aside = {}  # by heading
    tried = set()
    while killed + survived + sum(set_aside.values()) < count:
        operator = draw.choice(operators)
        name, _, first, last, old, new = draw.choice(by_operator[operator])
        key = (name, folded(old), folded(new))
        if (name, first, folded(new)) in tried:
            continue
        tried.add((name, first, folded(new)))
        where = f"{name}:{first + 1}  {operator}: {folded(old)}  ->  {folded(new)}"
        if key in known:
            heading, why = known[key]
            set_aside[heading] = set_aside.get(heading, 0) + 1
            print(f"{heading}  {where}  ({why})", flush=True)
            continue
        original = open(os.path.join(tree, name), encoding="utf-8").read()
        lines = original.split("\n")
        if lines[first:last + 1] != old:
            sys.exit(f"the scratch tree differs from the source at {name}:{first + 1}")
        lines[first:last + 1] = new
        caught = try_fault(name, original, "\n".join(lines), where)
        if caught is None:
            unbuilt += 1
            continue
        killed += caught
        survived += not caught
    score = 100.0 * killed / max(1, killed + survived)
    aside = "".join(f", {n} {heading}" for heading, n in sorted(set_aside.items()))
    print(f"seed {seed}: {killed} killed, {survived} survived{aside} "
          f"({unbuilt} drawn again: they do not build); score {score:.0f} % of "
          f"{killed + survived}")
    return survived


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--sample", type=int, help="draw this many faults from src/")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("words", nargs="*")
    options = parser.parse_args()
    # A run stopped with kill or Ctrl+C still puts the faulty file back.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    prepare()
    try:
        failed = (sampled(options.sample, options.seed) if options.sample
                  else listed([w.lower() for w in options.words]))
    finally:
        run(["cmake", "--build", build], tree)  # leave the scratch build as the tree is
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
