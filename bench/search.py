#!/usr/bin/env python3
"""Times vorlane-search, grep -rF and rg -j1 -uuu -F on one tree and prints medians and ratios."""
import os
import re
import statistics
import subprocess
import sys
import time

NEEDLE = "Vorlane_needle"
BUILD = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "build", "release")
VORLANE = os.path.join(BUILD, "src", "search", "vorlane-search")
WINDOW = os.path.join(BUILD, "bench", "vorlane-bench-window")


def timed(cmd, env=None):
    start = time.perf_counter()
    subprocess.run(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env, check=False)
    return time.perf_counter() - start


def median(cmd, reps, env=None):
    timed(cmd, env)  # warm the cache and the program
    return statistics.median(timed(cmd, env) for _ in range(reps))


def files_listed(cmd, env=None):
    out = subprocess.run(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env, check=False).stdout
    return out


def vorlane_files(tree, case):
    args = [VORLANE, "--subdirs", "--ext", "*"] + (["--case"] if case else []) + [tree, NEEDLE]
    lines = files_listed(args).decode("utf-8", "replace").split("\r\n")
    return {lines[i + 1] for i in range(len(lines) - 1) if lines[i] == "  "}


def grep_files(tree, case):
    args = ["grep", "-rlF"] + ([] if case else ["-i"]) + [NEEDLE, tree]
    env = dict(os.environ, LC_ALL="C")
    return set(files_listed(args, env).decode("utf-8", "replace").split("\n")) - {""}


def window_median(tree, case, first, reps):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    args = [WINDOW] + (["--case"] if case else []) + ([] if first else ["--all"]) + [tree, NEEDLE]
    runs = []
    for _ in range(reps + 1):
        out = subprocess.run(args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env, check=True).stdout
        runs.append(float(out.decode().strip()))
    return statistics.median(runs[1:])


def main():
    tree, reps = sys.argv[1], int(sys.argv[2])
    env_c = dict(os.environ, LC_ALL="C")
    ok = True
    for case in (True, False):
        same = vorlane_files(tree, case) == grep_files(tree, case)
        ok = ok and same
        print("files listed, %s: %s" % ("case-sensitive" if case else "ignoring case",
                                        "same as grep" if same else "DIFFERENT from grep"))
    print()
    print("%-34s %9s %9s %9s %9s %8s %8s" % ("mode", "vorlane", "grep", "rg -j1", "window", "v/grep", "v/rg"))
    for case in (True, False):
        for first in (True, False):
            flags = ([] if case else ["-i"]) + (["-m1"] if first else [])
            v = median([VORLANE, "--subdirs", "--ext", "*"] + (["--case"] if case else [])
                       + ([] if first else ["--all"]) + [tree, NEEDLE], reps)
            g = median(["grep", "-rFn"] + flags + [NEEDLE, tree], reps, env_c)
            r = median(["rg", "-j1", "-uuu", "-F", "-n", "--no-config"] + flags + [NEEDLE, tree], reps)
            w = window_median(tree, case, first, reps)
            mode = "%s, %s" % ("case-sensitive" if case else "ignoring case",
                               "first occurrence" if first else "all occurrences")
            print("%-34s %8.3fs %8.3fs %8.3fs %8.3fs %8.2f %8.2f   window/vorlane %.2f"
                  % (mode, v, g, r, w, v / g, v / r, w / v))
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
