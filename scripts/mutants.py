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
"""

import argparse
import json
import os
import re
import shutil
import signal
import subprocess
import sys
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


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--list", type=Path, default=ROOT / "tests" / "mutants.txt")
    parser.add_argument("--source", type=Path, default=ROOT, help="tree whose program and tests are mutated")
    parser.add_argument("--work", type=Path, default=ROOT / "build-mutants", help="scratch directory")
    parser.add_argument("--only", default="", help="comma-separated mutant ids")
    parser.add_argument("--check", action="store_true", help="only check that each edit applies once")
    parser.add_argument("--timeout", type=int, default=60, help="seconds per test")
    parser.add_argument("--json", type=Path, help="write the results as JSON")
    parser.add_argument("--every-test", action="store_true",
                        help="run the whole suite against each mutant, to record every test that kills it")
    parser.add_argument("--markdown", type=Path, help="write the results as a Markdown table")
    parser.add_argument("--before", type=Path, help="JSON of an earlier run, shown beside this one")
    args = parser.parse_args()

    # Stopping a run still puts the mutated file back (the finally below), as does the next run's copy.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("stopped"))
    mutants = parse(args.list)
    if args.only:
        chosen = set(args.only.split(","))
        mutants = [m for m in mutants if m.id in chosen]
    source = args.source.resolve()
    problems = check(mutants, source)
    if problems or args.check:
        print("\n".join(problems) or f"{len(mutants)} mutants, each applies exactly once")
        return 1 if problems else 0

    scratch, build_dir = args.work / "src", args.work / "build"
    scratch.mkdir(parents=True, exist_ok=True)
    sync(source, scratch)
    if not (build_dir / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(scratch), "-B", str(build_dir), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Debug"],
                       check=True, capture_output=True)
    ok, log = build(build_dir)
    if not ok:
        sys.exit("the unmutated tree does not build:\n" + log[-3000:])
    passed, failed = run_tests(build_dir, args.timeout)
    if not passed:
        sys.exit(f"the unmutated tree fails its tests: {', '.join(failed)}")

    results = {}
    for n, m in enumerate(mutants, 1):
        file = scratch / m.path
        original = file.read_text(encoding="utf-8")
        started = time.monotonic()
        try:
            file.write_text(original.replace(m.old, m.new, 1), encoding="utf-8")
            built, log = build(build_dir)
            if not built:
                status, tests = "broken", []
            else:
                passed, tests = run_tests(build_dir, args.timeout, args.every_test)
                status = "survived" if passed else "killed"
        finally:
            file.write_text(original, encoding="utf-8")
        results[m.id] = {"status": status, "area": m.area, "tests": tests}
        caught = f"  ({tests[0]})" if tests else ""
        print(f"[{n}/{len(mutants)}] {status:8} {m.id} [{m.area}] {time.monotonic() - started:.0f} s{caught}",
              flush=True)
        if status == "broken":
            print("\n".join(line for line in log.splitlines() if "error" in line)[:1500], flush=True)
    build(build_dir)  # leaves the scratch build unmutated

    counts = {s: sum(r["status"] == s for r in results.values()) for s in ("killed", "survived", "broken")}
    valid = counts["killed"] + counts["survived"]
    rate = 100.0 * counts["killed"] / valid if valid else 0.0
    print(f"{len(results)} mutants: {counts['killed']} killed, {counts['survived']} survived, "
          f"{counts['broken']} broken; kill rate {rate:.1f} %")
    if args.json:
        args.json.write_text(json.dumps(results, indent=1) + "\n", encoding="utf-8")
    if args.markdown:
        before = json.loads(args.before.read_text(encoding="utf-8")) if args.before else None
        write_markdown(args.markdown, mutants, results, before)
    return 0


if __name__ == "__main__":
    sys.exit(main())
