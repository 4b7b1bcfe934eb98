#!/usr/bin/env python3
"""Whole-process measurements of Brenvik against the toolkit's floor.

Start-up: the real main window (brenvik-startup) and a bare window of the same size
(brenvik-startup-baseline) each start, paint, tick once and exit; they run alternately,
RUNS times each, offscreen and under Xvfb, and the script prints medians of wall time
and peak RSS with the ratios to the baseline.

Idle: the real program left open for IDLE_SECONDS under Xvfb with a window manager
(openbox), first shown, then minimized; its CPU time comes from /proc/PID/stat and its
wake-ups from the main thread's voluntary context switches in /proc/PID/status. The
in-process repaint count comes from brenvik-idle.

Usage: processes.py BUILD_DIR   (environment: RUNS=20, IDLE_SECONDS=10)
"""
import os
import statistics
import subprocess
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
runs = int(os.environ.get("RUNS", "20"))
idle_seconds = int(os.environ.get("IDLE_SECONDS", "10"))
real = os.path.join(build, "bench", "brenvik-startup")
baseline = os.path.join(build, "bench", "brenvik-startup-baseline")
program = os.path.join(build, "src", "app", "brenvik")
idle = os.path.join(build, "bench", "brenvik-idle")


def run_once(command, env):
    """Wall seconds and peak RSS (KiB) of one whole process."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"{command[0]} failed with status {status}")
    return elapsed, usage.ru_maxrss


def start_up(label, env):
    samples = {real: [], baseline: []}
    for _ in range(2):  # warm the file cache
        run_once([real], env)
        run_once([baseline], env)
    for _ in range(runs):
        for command in (real, baseline):
            samples[command].append(run_once([command], env))
    t_real = statistics.median(s[0] for s in samples[real]) * 1000
    t_base = statistics.median(s[0] for s in samples[baseline]) * 1000
    m_real = statistics.median(s[1] for s in samples[real]) / 1024
    m_base = statistics.median(s[1] for s in samples[baseline]) / 1024
    print(f"start-up {label:9} ({runs} runs each): calculator {t_real:6.1f} ms {m_real:5.1f} MiB | "
          f"bare window {t_base:6.1f} ms {m_base:5.1f} MiB | ratio time {t_real / t_base:.2f} "
          f"RSS {m_real / m_base:.2f}")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")  # utime + stime


def wakeups(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("voluntary_ctxt_switches:"):
                return int(line.split()[1])
    return 0


def sample(pid):
    """CPU seconds and wake-ups of a process over idle_seconds."""
    cpu, woken = cpu_seconds(pid), wakeups(pid)
    time.sleep(idle_seconds)
    return cpu_seconds(pid) - cpu, wakeups(pid) - woken


def report(label, cpu, woken):
    print(f"  {label:34} {cpu:5.2f} s CPU = {100 * cpu / idle_seconds:6.3f} % of one core, "
          f"{woken / idle_seconds:5.1f} wake-ups/s")


def idle_cost(env):
    print(f"idle under Xvfb and openbox, {idle_seconds} s each:")
    process = subprocess.Popen([program], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(2)  # past start-up
        report("calculator, shown", *sample(process.pid))
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                 "NEC 2017-2023 Brenvik"], env=env, capture_output=True,
                                text=True, check=True).stdout.split()[0]
        subprocess.run(["xdotool", "windowminimize", "--sync", window], env=env, check=True)
        time.sleep(1)
        report("calculator, minimized", *sample(process.pid))
    finally:
        process.terminate()
        process.wait()
    floor = subprocess.Popen([baseline, "--stay"], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    try:
        time.sleep(2)
        report("bare window with a 50 ms timer", *sample(floor.pid))
    finally:
        floor.terminate()
        floor.wait()
    result = subprocess.run([idle, str(min(idle_seconds, 5))], env=env, capture_output=True, text=True)
    print("in-process:", result.stdout.strip())


def main():
    base_env = dict(os.environ)
    offscreen = dict(base_env, QT_QPA_PLATFORM="offscreen")
    start_up("offscreen", offscreen)

    display = ":97"
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(1)
        x11 = dict(base_env, DISPLAY=display, QT_QPA_PLATFORM="xcb")
        start_up("Xvfb", x11)
        manager = subprocess.Popen(["openbox"], env=x11, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        try:
            time.sleep(1)
            idle_cost(x11)
        finally:
            manager.terminate()
            manager.wait()
    finally:
        xvfb.terminate()
        xvfb.wait()


if __name__ == "__main__":
    main()
