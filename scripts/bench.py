#!/usr/bin/env python3
"""Start-up, memory and idle CPU of Bandwise against a bare Qt Widgets window (the floor), and the finder's speed.

Usage: bench.py [--runs N] BUILD_DIRECTORY REPORT_FILE. Runs on a private Xvfb screen: for each
program the median over N runs (15 by default) of the time from its launch to its first painted
frame and of its peak resident memory, then the CPU time it uses in 30 s of idling; prints a table
and writes it to REPORT_FILE with the machine it came from. The programs hold no benchmark code:
BUILD_DIRECTORY/bench/first_frame starts each one and watches its window from outside.
"""
import argparse
import os
import platform
import shutil
import signal
import statistics
import subprocess
from pathlib import Path
import sys
import tempfile
import time

RUNS = 15
IDLE_SECONDS = 30
SETTLE_SECONDS = 0.2


class Probe:
    """BUILD_DIRECTORY/bench/first_frame running one program; its lines read as "name: value"."""

    def __init__(self, probe, command, env, end_after_frame):
        # The program's own messages go to a file, where they can neither fill a pipe nobody reads
        # nor mix with the probe's lines, and still explain a failure.
        self.messages = tempfile.TemporaryFile(mode="w+")
        arguments = [probe] + (["--kill"] if end_after_frame else []) + ["--", command]
        self.process = subprocess.Popen(arguments, env=env, stdout=subprocess.PIPE, stderr=self.messages, text=True)
        self.values = {}

    def read_until(self, name):
        for line in self.process.stdout:
            key, _, value = line.partition(":")
            self.values[key] = float(value)
            if key == name:
                return self.values[key]
        self.process.wait()
        self.messages.seek(0)
        raise RuntimeError(f"first_frame gave no {name}:\n{self.messages.read()}")

    def close(self):
        self.process.wait()
        self.messages.close()


def cpu_seconds(pid):
    # Time on the CPU of every thread, in nanoseconds: far finer than the clock ticks of /proc/PID/stat.
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
            total += int(stat.read().split()[0])
    return total / 1e9


def start_up(probe, command, env):
    """One start to the first frame: milliseconds to the frame, peak resident megabytes."""
    run = Probe(probe, command, env, end_after_frame=True)
    frame = run.read_until("first-frame-ms")
    peak_kb = run.read_until("peak-memory-kb")
    run.close()
    return frame, peak_kb / 1024


def idle_cpu(probe, command, env):
    """Per cent of one core used over IDLE_SECONDS after the first frame."""
    run = Probe(probe, command, env, end_after_frame=False)
    run.read_until("first-frame-ms")
    pid = int(run.values["pid"])
    time.sleep(1)
    before = cpu_seconds(pid)
    time.sleep(IDLE_SECONDS)
    idle = (cpu_seconds(pid) - before) / IDLE_SECONDS * 100
    os.kill(pid, signal.SIGTERM)
    run.read_until("peak-memory-kb")
    run.close()
    return idle


def measure(probe, programs, runs):
    """Medians of start-up and memory, and idle CPU, for each (name, command, env).

    The start-up runs take turns between the programs, so a machine that speeds up or slows down
    during the benchmark moves every row alike instead of skewing the ratios; the order rotates
    each round and each start waits for the screen to settle from the one before, so no program
    always follows the same one.
    """
    results_of_runs = {name: [] for name, _, _ in programs}
    for round_number in range(runs):
        shift = round_number % len(programs)
        for name, command, env in programs[shift:] + programs[:shift]:
            time.sleep(SETTLE_SECONDS)
            results_of_runs[name].append(start_up(probe, command, env))
    results = {}
    for name, command, env in programs:
        frames = [frame for frame, _ in results_of_runs[name]]
        peaks = [peak for _, peak in results_of_runs[name]]
        results[name] = (statistics.median(frames), statistics.median(peaks), idle_cpu(probe, command, env))
    return results


def finder_times(build):
    """The lines of BUILD_DIRECTORY/bench/finder_bench, run on one core: "case: N ms"."""
    finder = os.path.join(build, "bench", "finder_bench")
    if not os.access(finder, os.X_OK):
        sys.exit(f"{finder} is missing")
    one_core = {min(os.sched_getaffinity(0))}
    result = subprocess.run([finder], check=True, stdout=subprocess.PIPE, text=True,
                            preexec_fn=lambda: os.sched_setaffinity(0, one_core))
    return result.stdout.splitlines()


def verdict(met):
    return "met" if met else "not met"


def start_to_exit(command, runs=101):
    """The median wall-clock time of COMMAND from its launch to its end, in milliseconds."""
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
        times.append((time.perf_counter() - start) * 1e3)
    return statistics.median(times)


def machine():
    model = "unknown processor"
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    parser = argparse.ArgumentParser(description="Start-up, memory and idle CPU against a bare Qt window.")
    parser.add_argument("--runs", type=int, default=RUNS, help="start-up runs per program (default %(default)s)")
    parser.add_argument("build")
    parser.add_argument("report")
    arguments = parser.parse_args()
    build, report, runs = arguments.build, arguments.report, arguments.runs
    probe = os.path.join(build, "bench", "first_frame")
    if not os.access(probe, os.X_OK):
        sys.exit(f"{probe} is missing: it is built only where libx11-dev and libxdamage-dev are installed")
    # Xvfb picks a free display and writes its number once it accepts connections.
    read_end, write_end = os.pipe()
    # -noreset: otherwise the server resets whenever its last client leaves, as it does after every
    # run, and refuses the next run's connection if that comes during the reset.
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
                             "-noreset"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, pass_fds=(write_end,))
    os.close(write_end)
    try:
        with os.fdopen(read_end) as ready:
            display = ":" + ready.readline().strip()
        env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        with tempfile.TemporaryDirectory() as program:
            # A copy of the program directory, so the runs' Settings.ini stays out of the build.
            shutil.copytree(os.path.join(build, "dist"), program, dirs_exist_ok=True)
            # As shipped, whatever language a developer chose in the build's program directory.
            shutil.copy(os.path.join(os.path.dirname(__file__), "..", "data", "Language.ini"), program)
            floor = os.path.join(build, "bench", "bench_floor")
            results = measure(probe, [
                ("bare Qt window (floor)", floor, env),
                ("bare Qt window with one caption", floor, dict(env, BENCH_FLOOR_CAPTION="1")),
                ("bare Qt window with two idle 100 ms timers", floor, dict(env, BENCH_FLOOR_TIMERS="2")),
                ("Bandwise", os.path.join(program, "Bandwise"), env),
            ], runs)
    finally:
        xvfb.terminate()
        xvfb.wait()

    finder_lines = finder_times(build)
    print("\n".join(finder_lines))
    # The command line against the cheapest program there is; the goal allows 1.5 times it plus 20 ms.
    true_ms = start_to_exit([shutil.which("true")])
    cli_ms = start_to_exit([os.path.join(build, "dist", "bandwise-cli"), "decode", "yellow", "violet", "red", "gold"])
    cli_line = (f"`bandwise-cli decode yellow violet red gold`, start to exit (median of 101): {cli_ms:.2f} ms; "
                f"`true`: {true_ms:.2f} ms. Goal: within 1.5 times `true` plus 20 ms "
                f"({1.5 * true_ms + 20:.1f} ms, {verdict(cli_ms <= 1.5 * true_ms + 20)}).")
    print(cli_line)
    floor = results["bare Qt window (floor)"]
    bandwise = results["Bandwise"]
    lines = [
        "| Program | First frame (median of %d) | Peak memory (median) | CPU while idle (%d s) |" % (runs, IDLE_SECONDS),
        "|---|---|---|---|",
    ]
    for name, (frame, peak, idle) in results.items():
        lines.append(f"| {name} | {frame:.1f} ms | {peak:.1f} MB | {idle:.3f} % of one core |")
    caption = results["bare Qt window with one caption"]
    polling = results["bare Qt window with two idle 100 ms timers"]
    lines.append(f"| Bandwise / floor | {bandwise[0] / floor[0]:.2f} | {bandwise[1] / floor[1]:.2f} | "
                 f"+{bandwise[2] - floor[2]:.3f} points |")
    lines.append(f"| Bandwise / the window with a caption, and over the timers alone | {bandwise[0] / caption[0]:.2f} | "
                 f"{bandwise[1] / caption[1]:.2f} | +{bandwise[2] - polling[2]:.3f} points |")
    table = "\n".join(lines)
    print(table)
    start_ratio, memory_ratio, idle = bandwise[0] / floor[0], bandwise[1] / floor[1], bandwise[2]
    goals = (f"Goals: start-up within 1.3 times the floor ({start_ratio:.2f}, {verdict(start_ratio <= 1.3)}), "
             f"memory within 1.3 times the floor ({memory_ratio:.2f}, {verdict(memory_ratio <= 1.3)}), "
             f"idle CPU below 0.1 % of one core ({idle:.3f} %, {verdict(idle < 0.1)}).")
    print(goals)
    # What follows the marker is written by hand (earlier runs, what changed between them) and kept.
    marker = "<!-- kept by make bench -->"
    previous = Path(report).read_text(encoding="utf-8") if Path(report).is_file() else ""
    kept = previous[previous.index(marker):] if marker in previous else ""
    with open(report, "w") as out:
        out.write("# Benchmarks\n\n")
        out.write("Written by `make bench` (`scripts/bench.py`): a Release build on a private Xvfb screen; the "
                  "first frame is timed from outside the program by `bench/first_frame`, from just before it starts "
                  "the program to the X server's first report, through its DAMAGE extension, of drawing in the "
                  "program's window; memory is the peak resident set of such a start, ended with SIGTERM at its "
                  "first frame; idle CPU is the time on the CPU of all its threads over %d s with both "
                  "timers running. The start-up runs take turns between the programs in a rotating order, each "
                  "after a pause that lets the screen settle.\n\n" % IDLE_SECONDS)
        out.write(f"Last run {time.strftime('%Y-%m-%d', time.gmtime())} on {machine()}.\n\n")
        out.write(table + "\n\n" + goals + "\n\n")
        out.write("The bare window draws no text, so it never loads the font database, which any window with a "
                  "caption pays for at its first frame; and it has no timers, while both panels poll every 100 ms by "
                  "design. The two extra floor rows show those costs of the toolkit on this machine: the window "
                  f"with one caption already takes {caption[0] / floor[0]:.2f} times the floor's start-up, and the "
                  f"two timers alone use {polling[2]:.3f} % of one core.\n")
        out.write("\n## Standard-value finder\n\n`bench/finder_bench` on one core: E96 from 1 Ω to 10 MΩ (673 parts), "
                  "the median of 7 runs of each search. Goals: up to two parts in 5 ms, three in 30 ms, four in "
                  "300 ms, a divider of one part per leg in 5 ms.\n\n")
        out.write("".join(f"- {line}\n" for line in finder_lines))
        out.write(f"\n## Command line\n\n{cli_line}\n")
        if kept:
            out.write("\n" + kept)


if __name__ == "__main__":
    main()
