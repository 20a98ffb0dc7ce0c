#!/usr/bin/env python3
"""Mutation testing: does the test suite notice when the program is broken on purpose?

Each mutant in the list is one exact edit of one source file, modelling a fault a user would
see. The script copies the tree into a scratch directory, builds it once, then for each mutant
applies the edit, rebuilds incrementally, runs ctest and restores the file. A mutant is killed
when a test fails, survives when every test passes, and is reported as broken when it does not
build (a fault in the list, not in the tests).

    scripts/mutants.py                        every mutant of tests/mutants.txt
    scripts/mutants.py --only id1,id2         some of them
    scripts/mutants.py --check                only check that every edit applies exactly once
    scripts/mutants.py --json out.json --markdown out.md [--before earlier.json]

With --auto the mutants are generated instead: relational, equality, arithmetic, compound
assignment and logical operators swapped, a negation removed, a constant set to 0 or raised by
one, a return of the default value, a call statement deleted, over every production file, a
seeded sample of --per-file of each (operators taken in turn). A mutant that does not build gives
way to the next candidate of its file; one listed in tests/mutants-equivalent.txt ("id | reason",
a change nobody could see) is not run again. --changed-since REV keeps to the files a change
touched, and updates the JSON record rather than replacing it; the report always covers the whole
sample, with --before giving an earlier run's killed share beside this one's.

    scripts/mutants.py --auto --jobs 2 --every-test --json docs/mutants-auto.json \
        --before docs/mutants-auto-before.json --report docs/mutants.md
"""

import argparse
import fnmatch
import functools
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent


@dataclass
class Mutant:
    id: str
    area: str
    fault: str
    path: str
    old: str
    new: str
    line: int = -1  # generated mutants replace this line (0-based); listed ones their old text


def apply(m, original):
    if m.line < 0:
        return original.replace(m.old, m.new, 1)
    lines = original.split("\n")
    if lines[m.line] != m.old:
        raise ValueError(f"{m.id}: line {m.line + 1} of {m.path} is no longer {m.old!r}")
    lines[m.line] = m.new
    return "\n".join(lines)


def parse(list_file):
    mutants = []
    header = re.compile(r"^== (\S+) \| (\S+) \| (.+)$")
    lines = list_file.read_text(encoding="utf-8").split("\n")
    i = 0
    while i < len(lines):
        line = lines[i]
        i += 1
        if not line.startswith("== "):
            if line.strip() and not line.startswith("#"):
                sys.exit(f"{list_file}:{i}: expected '== id | area | fault', got {line!r}")
            continue
        match = header.match(line)
        if not match:
            sys.exit(f"{list_file}:{i}: malformed header {line!r}")
        if not lines[i].startswith("@ ") or lines[i + 1] != "<<<":
            sys.exit(f"{list_file}:{i + 1}: expected '@ path' and '<<<'")
        path = lines[i][2:].strip()
        i += 2
        old, new = [], []
        while lines[i] != "===":
            old.append(lines[i])
            i += 1
        i += 1
        while lines[i] != ">>>":
            new.append(lines[i])
            i += 1
        i += 1
        mutants.append(Mutant(match[1], match[2], match[3], path, "\n".join(old), "\n".join(new)))
    ids = [m.id for m in mutants]
    duplicates = {x for x in ids if ids.count(x) > 1}
    if duplicates:
        sys.exit(f"duplicate mutant ids: {', '.join(sorted(duplicates))}")
    return mutants


def check(mutants, tree):
    problems = []
    for m in mutants:
        file = tree / m.path
        if not file.is_file():
            problems.append(f"{m.id}: no file {m.path}")
            continue
        count = file.read_text(encoding="utf-8").count(m.old)
        if count != 1:
            problems.append(f"{m.id}: the old text occurs {count} times in {m.path}")
        if m.old == m.new:
            problems.append(f"{m.id}: the edit changes nothing")
    return problems


def tracked_files(source):
    out = subprocess.run(["git", "ls-files", "-z", "--cached", "--others", "--exclude-standard"], cwd=source,
                         check=True, capture_output=True).stdout
    return [p for p in out.decode().split("\0") if p and (source / p).is_file()]


def sync(source, scratch):
    """Copies the tree, touching only files whose content differs, so the build stays incremental."""
    wanted = set(tracked_files(source))
    for relative in wanted:
        src, dst = source / relative, scratch / relative
        if dst.is_file() and dst.read_bytes() == src.read_bytes():
            continue
        dst.parent.mkdir(parents=True, exist_ok=True)
        # A fresh time stamp, not the source's: an object built after the source was edited, from
        # the scratch copy's older text, must still be rebuilt.
        shutil.copy(src, dst)
    for dst in scratch.rglob("*"):
        if dst.is_file() and str(dst.relative_to(scratch)) not in wanted:
            dst.unlink()


def build(build_dir):
    result = subprocess.run(["cmake", "--build", str(build_dir)], capture_output=True, text=True)
    return result.returncode == 0, result.stdout + result.stderr


def run_tests(build_dir, timeout, every_test=False):
    stop = [] if every_test else ["--stop-on-failure"]
    result = subprocess.run(["ctest", "-j2", "--timeout", str(timeout)] + stop, cwd=build_dir,
                            capture_output=True, text=True)
    failed = re.findall(r"^\s*\d+ - (\S+)(?:\s+#.*?)? \((?:Failed|Timeout|SEGFAULT|Subprocess aborted|Child aborted|Exception)",
                        result.stdout, re.M)
    return result.returncode == 0, failed


def write_markdown(path, mutants, results, before):
    lines = ["| mutant | area | fault modelled | " + ("before | after" if before else "result") + " | caught by |",
             "|---|---|---|" + ("---|" if before else "") + "---|---|"]
    for m in mutants:
        r = results.get(m.id)
        if r is None:
            continue
        fault = m.fault.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace("|", "\\|")
        cells = [f"`{m.id}`", m.area, fault]
        if before:
            cells.append(before.get(m.id, {}).get("status", "-"))
        cells += [r["status"], ", ".join(f"`{t}`" for t in r.get("tests", [])[:1])]
        lines.append("| " + " | ".join(cells) + " |")
    Path(path).write_text("\n".join(lines) + "\n", encoding="utf-8")


# ---- Generated mutants: the classic operators of the mutation tools, over every production file.

PRODUCTION = ("common/", "bandwise/", "settings/", "ui/", "platform/", "cli/")
EQUIVALENTS = ROOT / "tests" / "mutants-equivalent.txt"
# Binary operators stand between spaces in this tree's style, which keeps template brackets,
# arrows and stream operators out of reach.
OPERATORS = [
    ("relational", r" (<|<=|>|>=) ", {"<": "<=", "<=": "<", ">": ">=", ">=": ">"}),
    ("equality", r" (==|!=) ", {"==": "!=", "!=": "=="}),
    ("arithmetic", r" ([-+*/%]) ", {"+": "-", "-": "+", "*": "/", "/": "*", "%": "*"}),
    ("compound", r" ([-+*/]=) ", {"+=": "-=", "-=": "+=", "*=": "/=", "/=": "*="}),
    ("logical", r" (&&|\|\|) ", {"&&": "||", "||": "&&"}),
]
CALL_STATEMENT = re.compile(r"^\s*(?!return\b|if\b|while\b|for\b|case\b|delete\b)[A-Za-z_][\w:.>\-]*(<[^;]*>)?\(.*\);\s*$")


@functools.cache
def bandwise_core():
    """The sources of the bandwise_core library, as its CMake file lists them."""
    listing = (ROOT / "bandwise/CMakeLists.txt").read_text().split("add_library(bandwise_ui")[0]
    return frozenset(re.findall(r"\S+\.(?:cpp|h)", listing))


def layer_of(path):
    if path.startswith("common/values/"):
        return "common/values"
    if path.startswith("bandwise/"):
        return "bandwise core" if path[len("bandwise/"):] in bandwise_core() else "bandwise widgets and windows"
    return path.split("/")[0]


def code_spans(line):
    """The parts of a line outside string and character literals and before a // comment."""
    spans, start, i, quote = [], 0, 0, None
    while i < len(line):
        c = line[i]
        if quote:
            if c == "\\":
                i += 1
            elif c == quote:
                quote, start = None, i + 1
        elif c in "\"'":
            spans.append((start, i))
            quote = c
        elif line.startswith("//", i):
            break
        i += 1
    if not quote:
        spans.append((start, i))
    return spans


def line_mutations(line):
    """(operator, mutated line) for each classic mutation of one line of code."""
    stripped = line.strip()
    if not stripped or stripped.startswith(("#", "//", "*", "/*")) or "static_assert" in line:
        return []
    out = []
    spans = code_spans(line)

    def inside(a, b):
        return any(s <= a and b <= e for s, e in spans)

    for name, pattern, swap in OPERATORS:
        for m in re.finditer(pattern, line):
            if inside(m.start(), m.end()) and m[1] in swap:
                out.append((name, line[:m.start(1)] + swap[m[1]] + line[m.end(1):]))
    for m in re.finditer(r"(?<![\w!=<>&|])!(?!=)", line):
        if inside(m.start(), m.end()):
            out.append(("negation", line[:m.start()] + line[m.end():]))
    for m in re.finditer(r"(?<![\w.])(\d+\.\d+|\d+)(?![\w.])", line):
        if not inside(m.start(), m.end()):
            continue
        text = m[1]
        values = [v for v in ("0.0", str(float(text) + 1)) if float(v) != float(text)] if "." in text \
            else [v for v in ("0", str(int(text) + 1)) if v != text]
        out += [("constant", line[:m.start()] + v + line[m.end():]) for v in values]
    m = re.match(r"^(\s*)return (.+);\s*$", line)
    already_default = ("{}", "true", "false", "0", "0.0", "std::nullopt", "nullptr", '""')
    if m and inside(len(m[1]), len(line.rstrip())) and m[2] not in already_default:
        out.append(("return-default", f"{m[1]}return {{}};"))
    if CALL_STATEMENT.match(line) and "=" not in line.split("(")[0]:
        out.append(("call-deleted", re.match(r"^\s*", line)[0] + ";"))
    return out


def generate(source, files, per_file, seed):
    import hashlib
    import random

    mutants, reserves = [], {}
    for path in files:
        lines = (source / path).read_text(encoding="utf-8").split("\n")
        found, seen = [], {}
        for number, line in enumerate(lines):
            # The id names the line by its text, so that it outlives edits elsewhere in the file; a
            # repeated line is told apart by how many times it came before.
            again = seen.get(line.strip(), 0)
            seen[line.strip()] = again + 1
            for k, (operator, new) in enumerate(line_mutations(line)):
                key = f"{line.strip()}|{k}" + (f"|{again}" if again else "")
                digest = hashlib.sha1(key.encode()).hexdigest()[:8]
                found.append(Mutant(f"{path}:{operator}:{digest}", layer_of(path), f"line {number + 1}: {line.strip()} → {new.strip() or '(nothing)'}",
                                    path, line, new, number))
        # Operators taken in turn, so that a file's many constants do not crowd out its conditions.
        rng = random.Random(f"{seed}:{path}")
        by_operator = {}
        for m in found:
            by_operator.setdefault(m.id.split(":")[1], []).append(m)
        queues = [rng.sample(group, len(group)) for _, group in sorted(by_operator.items())]
        rng.shuffle(queues)
        chosen = []
        while len(chosen) < min(per_file, len(found)):
            for queue in queues:
                if queue and len(chosen) < per_file:
                    chosen.append(queue.pop())
        mutants += sorted(chosen, key=lambda m: m.line)
        # What is left, in the same turn of operators, stands in for a sampled mutant that does not build.
        reserves[path] = [queue.pop() for _ in range(max(map(len, queues), default=0)) for queue in queues if queue]
    return mutants, reserves


def production_files(source, changed_since=None, patterns=""):
    # The fallbacks for other systems are not built here, so their mutants could never be caught.
    files = [p for p in tracked_files(source)
             if p.startswith(PRODUCTION) and p.endswith((".cpp", ".h")) and not p.endswith("_other.cpp")]
    if changed_since:
        diff = subprocess.run(["git", "diff", "--name-only", changed_since], cwd=source, check=True,
                              capture_output=True, text=True).stdout.split()
        files = [p for p in files if p in diff]
    if patterns:
        files = [p for p in files if any(fnmatch.fnmatch(p, pattern) for pattern in patterns.split(","))]
    return sorted(files)


def read_equivalents():
    if not EQUIVALENTS.is_file():
        return {}
    rows = {}
    for line in EQUIVALENTS.read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            ident, _, reason = line.partition(" | ")
            rows[ident.strip()] = reason.strip()
    return rows


def reported_sample(sample, reserves, results):
    """The sample as run: each mutant that did not build gives way to its file's next stand-in."""
    out, reserves = [], {path: list(rest) for path, rest in reserves.items()}
    for m in sample:
        while results.get(m.id, {}).get("status") == "broken" and reserves[m.path]:
            m = reserves[m.path].pop(0)
        out.append(m)
    return out


def write_auto_report(path, mutants, results, equivalents, before):
    """The per-layer and per-file counts, between markers in the Markdown file."""
    def status(m, run):
        return "equivalent" if m.id in equivalents else run.get(m.id, {}).get("status", "not run")

    def share(group, run):
        killed = sum(status(m, run) == "killed" for m in group)
        valid = killed + sum(status(m, run) == "survived" for m in group)
        return f"{100.0 * killed / valid:.1f} %" if valid else "-"

    def table(title, key):
        groups = {}
        for m in mutants:
            groups.setdefault(key(m), []).append(m)
        rows = [f"| {title} | mutants | did not build | equivalent | killed | survived | not run | "
                "killed share before | killed share |",
                "|---|---|---|---|---|---|---|---|---|"]
        for name in sorted(groups) + ["all"]:
            group = groups[name] if name != "all" else mutants
            c = {s: sum(status(m, results) == s for m in group)
                 for s in ("equivalent", "killed", "survived", "not run", "broken")}
            # A file whose stand-ins all failed to build keeps its last one here, as "did not build".
            rows.append(f"| {name} | {len(group) - c['broken']} | {c['broken']} | {c['equivalent']} | {c['killed']} | "
                        f"{c['survived']} | {c['not run']} | {share(group, before)} | {share(group, results)} |")
        return "\n".join(rows)

    def listing(rows):
        return "\n".join(rows) or "- none"

    section = "\n\n".join([
        "<!-- auto:begin -->",
        table("layer", lambda m: m.area),
        table("file", lambda m: m.path),
        "Equivalent mutants (no behaviour a user or caller could see changes), from "
        "[tests/mutants-equivalent.txt](../tests/mutants-equivalent.txt):\n\n"
        + listing([f"- `{m.id}` ({m.fault}): {equivalents[m.id]}" for m in mutants if m.id in equivalents]),
        "Survivors, each a candidate for a row in a table test or for the equivalents list:\n\n"
        + listing([f"- `{m.id}` ({m.fault})" for m in mutants if status(m, results) == "survived"]),
        "<!-- auto:end -->"])
    text = Path(path).read_text(encoding="utf-8") if Path(path).is_file() else ""
    if "<!-- auto:begin -->" in text:
        text = re.sub(r"<!-- auto:begin -->.*<!-- auto:end -->", lambda _: section, text, flags=re.S)
    else:
        text = text.rstrip("\n") + "\n\n" + section + "\n"
    Path(path).write_text(text, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", type=Path, default=ROOT / "tests" / "mutants.txt")
    parser.add_argument("--source", type=Path, default=ROOT, help="tree whose program and tests are mutated")
    parser.add_argument("--work", type=Path, default=ROOT / "build-mutants", help="scratch directory")
    parser.add_argument("--only", default="", help="comma-separated mutant ids")
    parser.add_argument("--check", action="store_true", help="only check that each edit applies once")
    parser.add_argument("--timeout", type=int, default=60,
                        help="seconds per test (the whole suite takes under ten; a hung test is a kill)")
    parser.add_argument("--json", type=Path, help="write the results as JSON")
    parser.add_argument("--auto", action="store_true",
                        help="generated mutants of every production file instead of the list")
    parser.add_argument("--jobs", type=int, default=1, help="build copies that run mutants side by side")
    parser.add_argument("--per-file", type=int, default=3, help="generated mutants sampled per file")
    parser.add_argument("--seed", default="bandwise", help="seed of the sample")
    parser.add_argument("--changed-since", help="only the files changed since this git revision")
    parser.add_argument("--files", default="", help="only the files matching these comma-separated patterns")
    parser.add_argument("--report", type=Path, help="Markdown file whose generated-mutant section is rewritten")
    parser.add_argument("--every-test", action="store_true",
                        help="run the whole suite against each mutant, to record every test that kills it")
    parser.add_argument("--markdown", type=Path, help="write the results as a Markdown table")
    parser.add_argument("--before", type=Path, help="JSON of an earlier run, shown beside this one")
    args = parser.parse_args()

    # Stopping a run still puts the mutated file back (the finally below), as does the next run's copy.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    equivalents = read_equivalents()
    if args.auto:
        mutants, reserves = generate(args.source.resolve(),
                                     production_files(args.source.resolve(), args.changed_since, args.files),
                                     args.per_file, args.seed)
        print(f"{len(mutants)} generated mutants, {sum(m.id in equivalents for m in mutants)} of them "
              "known equivalents", flush=True)
    else:
        mutants, reserves = parse(args.list), {}
    if args.only:
        chosen = set(args.only.split(","))
        everyone = mutants + [m for rest in reserves.values() for m in rest] if args.auto else mutants
        mutants = [m for m in everyone if m.id in chosen]
    source = args.source.resolve()
    problems = [] if args.auto else check(mutants, source)
    if problems or args.check:
        print("\n".join(problems) or f"{len(mutants)} mutants, each applies exactly once")
        return 1 if problems else 0

    # Each worker has a copy of the tree and a build of its own; the first keeps the old names.
    copies = [(args.work / "src", args.work / "build")] + [
        (args.work / f"src-{k}", args.work / f"build-{k}") for k in range(2, args.jobs + 1)]
    for scratch, build_dir in copies:
        scratch.mkdir(parents=True, exist_ok=True)
        sync(source, scratch)
        if not (build_dir / "build.ninja").exists():
            subprocess.run(["cmake", "-S", str(scratch), "-B", str(build_dir), "-G", "Ninja",
                            "-DCMAKE_BUILD_TYPE=Debug"], check=True, capture_output=True)
        ok, log = build(build_dir)
        if not ok:
            sys.exit("the unmutated tree does not build:\n" + log[-3000:])
    passed, failed = run_tests(copies[0][1], args.timeout)
    if not passed:
        sys.exit(f"the unmutated tree fails its tests: {', '.join(failed)}")

    def equivalent_result(m):
        return {"status": "equivalent", "area": m.area, "tests": [], "path": m.path, "line": m.line + 1,
                "fault": m.fault, "reason": equivalents[m.id]}

    results = {m.id: equivalent_result(m) for m in mutants if m.id in equivalents}
    pending = [(n, m) for n, m in enumerate(mutants, 1) if m.id not in equivalents]
    lock = threading.Lock()

    def work(scratch, build_dir):
        while True:
            with lock:
                if not pending:
                    break
                n, m = pending.pop(0)
            file = scratch / m.path
            original = file.read_text(encoding="utf-8")
            started = time.monotonic()
            try:
                file.write_text(apply(m, original), encoding="utf-8")
                built, log = build(build_dir)
                if not built:
                    status, tests = "broken", []
                else:
                    passed, tests = run_tests(build_dir, args.timeout, args.every_test)
                    status = "survived" if passed else "killed"
            finally:
                file.write_text(original, encoding="utf-8")
            with lock:
                results[m.id] = {"status": status, "area": m.area, "tests": tests, "path": m.path,
                                 "line": m.line + 1, "fault": m.fault}
                if status == "broken" and args.auto and reserves[m.path]:
                    stand_in = reserves[m.path].pop(0)
                    mutants.append(stand_in)
                    if stand_in.id in equivalents:
                        results[stand_in.id] = equivalent_result(stand_in)
                    else:
                        pending.append((len(mutants), stand_in))
                caught = f"  ({tests[0]})" if tests else ""
                print(f"[{n}/{len(mutants)}] {status:8} {m.id} [{m.area}] {time.monotonic() - started:.0f} s{caught}",
                      flush=True)
                if status == "broken" and not args.auto:
                    print("\n".join(line for line in log.splitlines() if "error" in line)[:1500], flush=True)
        build(build_dir)  # leaves the scratch build unmutated

    workers = [threading.Thread(target=work, args=copy) for copy in copies]
    for worker in workers:
        worker.start()
    for worker in workers:
        worker.join()

    counts = {s: sum(r["status"] == s for r in results.values()) for s in ("killed", "survived", "broken")}
    valid = counts["killed"] + counts["survived"]
    rate = 100.0 * counts["killed"] / valid if valid else 0.0
    print(f"{len(results)} mutants: {counts['killed']} killed, {counts['survived']} survived, "
          f"{counts['broken']} broken; kill rate {rate:.1f} %")
    before = json.loads(args.before.read_text(encoding="utf-8")) if args.before and args.before.is_file() else None
    if args.auto and args.json and args.json.is_file():
        # A run over some files updates the record of the whole sample rather than replacing it.
        results = {**json.loads(args.json.read_text(encoding="utf-8")), **results}
    if args.json:
        args.json.write_text(json.dumps(results, indent=1, sort_keys=True) + "\n", encoding="utf-8")
    if args.auto and args.report:
        sample, reserves = generate(source, production_files(source), args.per_file, args.seed)
        write_auto_report(args.report, reported_sample(sample, reserves, results), results, equivalents,
                          before or {})
    if args.markdown:
        write_markdown(args.markdown, mutants, results, before)
    return 0


if __name__ == "__main__":
    sys.exit(main())
