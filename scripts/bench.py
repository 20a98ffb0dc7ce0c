#!/usr/bin/env python3
"""Start-up, memory and idle CPU of Bandwise against a bare Qt Widgets window (the floor).

Usage: bench.py BUILD_DIRECTORY REPORT_FILE. Runs on a private Xvfb screen: for each program the
median over 15 runs of the time from process start to its first painted frame and of its peak
resident memory, then the CPU time it uses in 30 s of idling; prints a table and writes it to
REPORT_FILE with the machine it came from.
"""
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 15
IDLE_SECONDS = 30
SETTLE_SECONDS = 0.2


def start(command, env, exit_after_frame):
    env = dict(env, BANDWISE_BENCH_T0=str(time.monotonic_ns()))
    if exit_after_frame:
        env["BANDWISE_BENCH_EXIT"] = "1"
    else:
        env.pop("BANDWISE_BENCH_EXIT", None)
    return subprocess.Popen([command], env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)


def first_frame(process):
    for line in process.stdout:
        if line.startswith("first-frame-ms:"):
            return float(line.split()[1])
    raise RuntimeError("no first frame reported")


def cpu_seconds(pid):
    # Time on the CPU of every thread, in nanoseconds: far finer than the clock ticks of /proc/PID/stat.
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
            total += int(stat.read().split()[0])
    return total / 1e9


def start_up(command, env):
    """One start to the first frame: milliseconds to the frame, peak resident megabytes."""
    process = start(command, env, exit_after_frame=True)
    frame = first_frame(process)
    process.stdout.read()
    _, _, usage = os.wait4(process.pid, 0)
    return frame, usage.ru_maxrss / 1024


def idle_cpu(command, env):
    """Per cent of one core used over IDLE_SECONDS after the first frame."""
    process = start(command, env, exit_after_frame=False)
    first_frame(process)
    time.sleep(1)
    before = cpu_seconds(process.pid)
    time.sleep(IDLE_SECONDS)
    idle = (cpu_seconds(process.pid) - before) / IDLE_SECONDS * 100
    process.terminate()
    process.wait()
    return idle


def measure(programs):
    """Medians of start-up and memory, and idle CPU, for each (name, command, env).

    The start-up runs take turns between the programs, so a machine that speeds up or slows down
    during the benchmark moves every row alike instead of skewing the ratios; the order rotates
    each round and each start waits for the screen to settle from the one before, so no program
    always follows the same one.
    """
    runs = {name: [] for name, _, _ in programs}
    for round_number in range(RUNS):
        shift = round_number % len(programs)
        for name, command, env in programs[shift:] + programs[:shift]:
            time.sleep(SETTLE_SECONDS)
            runs[name].append(start_up(command, env))
    results = {}
    for name, command, env in programs:
        frames = [frame for frame, _ in runs[name]]
        peaks = [peak for _, peak in runs[name]]
        results[name] = (statistics.median(frames), statistics.median(peaks), idle_cpu(command, env))
    return results


def machine():
    model = "unknown processor"
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    return f"{model}, {os.cpu_count()} cores, {platform.system()} {platform.release()}"


def main():
    build, report = sys.argv[1], sys.argv[2]
    # Xvfb picks a free display and writes its number once it accepts connections.
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
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
            results = measure([
                ("bare Qt window (floor)", floor, env),
                ("bare Qt window with one caption", floor, dict(env, BENCH_FLOOR_CAPTION="1")),
                ("bare Qt window with two idle 100 ms timers", floor, dict(env, BENCH_FLOOR_TIMERS="2")),
                ("Bandwise", os.path.join(program, "Bandwise"), env),
            ])
    finally:
        xvfb.terminate()
        xvfb.wait()

    floor = results["bare Qt window (floor)"]
    bandwise = results["Bandwise"]
    lines = [
        "| Program | First frame (median of %d) | Peak memory (median) | CPU while idle (%d s) |" % (RUNS, IDLE_SECONDS),
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
    def verdict(met):
        return "met" if met else "not met"

    start_ratio, memory_ratio, idle = bandwise[0] / floor[0], bandwise[1] / floor[1], bandwise[2]
    goals = (f"Goals: start-up within 1.3 times the floor ({start_ratio:.2f}, {verdict(start_ratio <= 1.3)}), "
             f"memory within 1.3 times the floor ({memory_ratio:.2f}, {verdict(memory_ratio <= 1.3)}), "
             f"idle CPU below 0.1 % of one core ({idle:.3f} %, {verdict(idle < 0.1)}).")
    print(goals)
    with open(report, "w") as out:
        out.write("# Benchmarks\n\n")
        out.write("Written by `make bench` (`scripts/bench.py`): a Release build on a private Xvfb screen; the "
                  "first frame is timed from process start to the first painted and flushed frame, memory is "
                  "the peak resident set, idle CPU is the time on the CPU of all its threads over %d s with both "
                  "timers running. The start-up runs take turns between the programs in a rotating order, each "
                  "after a pause that lets the screen settle.\n\n" % IDLE_SECONDS)
        out.write(f"Last run {time.strftime('%Y-%m-%d', time.gmtime())} on {machine()}.\n\n")
        out.write(table + "\n\n" + goals + "\n\n")
        out.write("The bare window draws no text, so it never loads the font database, which any window with a "
                  "caption pays for at its first frame; and it has no timers, while both panels poll every 100 ms by "
                  "design. The two extra floor rows show those costs of the toolkit on this machine: the window "
                  f"with one caption already takes {caption[0] / floor[0]:.2f} times the floor's start-up, and the "
                  f"two timers alone use {polling[2]:.3f} % of one core.\n")


if __name__ == "__main__":
    main()
