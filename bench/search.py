#!/usr/bin/env python3
"""Times vorlane-search against ripgrep and grep on one tree, case by case, in one run.

Every command of a round runs once, rounds are repeated, and each figure is the median of its
rounds, so that a change of load on the machine falls on all commands alike.

Cases:
  - no match, a few matches, and millions of matching lines ("e", all occurrences), in the
    four modes (case-sensitive or not, first or all occurrences);
  - vorlane-search at its default thread count against rg at its own, and with one thread
    against rg -j1; grep -rF (one thread) with the matching flags;
  - the same searches in the window (vorlane-bench-window) against the command line, with
    the window's longest event-loop gap and its peak memory against the list's text;
  - the options of the window (matches highlighted, context pane) on the largest search, each
    on alone and all on against all off: the search's time, and a caret step down the list;
  - loading the saved list of the largest search into the window;
  - a large text file opened in the editor, when vorlane-bench-editor is built;
  - the search options, each on against all off: --exclude with the usual names (none of them
    in the tree) and with a name that leaves a third of the tree out, --utf16 on the tree (which
    holds no UTF-16 file) and on one large file in UTF-16 against the same text in UTF-8, --json
    on millions of matching lines; and, when VORLANE_BASELINE names another vorlane-search (say
    main's), this one with every option off against it.

"bench/search.py TREE REPS options" runs the options part alone.
"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD = os.path.join(HERE, "..", "build", "release")
VORLANE = os.path.join(BUILD, "src", "search", "vorlane-search")
WINDOW = os.path.join(BUILD, "bench", "vorlane-bench-window")
EDITOR = os.path.join(BUILD, "bench", "vorlane-bench-editor")
NEVER = "Zq_never_found_qZ"
FEW = "Vorlane_needle"
MANY = "e"


def run_timed(cmd, env=None):
    # The output goes through a pipe that is read and dropped: grep stops at its first match
    # when it writes to /dev/null.
    start = time.perf_counter()
    process = subprocess.Popen(cmd, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    fd = process.stdout.fileno()
    while os.read(fd, 1 << 20):
        pass
    process.wait()
    return time.perf_counter() - start


def run_window(args):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    out = subprocess.run([WINDOW] + args, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env,
                         check=True).stdout.decode().split()
    return {"seconds": float(out[0]), "gap": int(out[1]), "rss": int(out[2]), "text": int(out[3]),
            "lines": int(out[4]), "step": float(out[5]) if len(out) > 5 else None}


def vorlane(tree, text, case, first, threads=None):
    return ([VORLANE, "--subdirs", "--ext", "*"] + (["--threads", str(threads)] if threads else [])
            + (["--case"] if case else []) + ([] if first else ["--all"]) + ["--", tree, text])


def rg(tree, text, case, first, threads=None):
    # First occurrence lists the files (-l), as vorlane stops reading a file at its first match.
    return (["rg", "--no-config", "-uuu", "-F"] + (["-j%d" % threads] if threads else [])
            + ([] if case else ["-i"]) + (["-l"] if first else ["-n"]) + ["--", text, tree])


def grep(tree, text, case, first):
    return ["grep", "-rF"] + ([] if case else ["-i"]) + (["-l"] if first else ["-n"]) + ["--", text, tree]


def medians(commands, reps):
    env_c = dict(os.environ, LC_ALL="C")
    for cmd in commands.values():
        run_timed(cmd, env_c)  # warm the cache and the program
    times = {name: [] for name in commands}
    for _ in range(reps):
        for name, cmd in commands.items():
            times[name].append(run_timed(cmd, env_c))
    return {name: statistics.median(values) for name, values in times.items()}


def run_cpu(cmd, env=None):
    """Wall time and processor time (user + system) of one run: on a loaded machine the
    processor time still tells what the program itself costs."""
    before = os.times()
    wall = run_timed(cmd, env)
    after = os.times()
    return wall, (after.children_user - before.children_user) + (after.children_system - before.children_system)


def medians_cpu(commands, reps):
    env_c = dict(os.environ, LC_ALL="C")
    for cmd in commands.values():
        run_cpu(cmd, env_c)
    walls = {name: [] for name in commands}
    cpus = {name: [] for name in commands}
    for _ in range(reps):
        for name, cmd in commands.items():
            wall, cpu = run_cpu(cmd, env_c)
            walls[name].append(wall)
            cpus[name].append(cpu)
    return ({name: statistics.median(v) for name, v in walls.items()},
            {name: statistics.median(v) for name, v in cpus.items()})


USUAL_EXCLUDED = [".git", ".svn", ".hg", "node_modules", "__pycache__", "build"]


def options(tree, reps, scratch):
    """Each option on against all off, and all off against a baseline program."""
    print("\nsearch options (all occurrences, ignoring case; ratios: option on / all off, of the wall"
          " time and of the processor time)")
    excluded = sum((["--exclude", name] for name in USUAL_EXCLUDED), [])
    rows = [
        ("--exclude, usual names (none in the tree)", FEW, excluded, None),
        ("--exclude sub2 (a third of the files)", FEW, ["--exclude", "sub2"], None),
        ("--utf16, tree without UTF-16 files", FEW, ["--utf16"], None),
        ("--utf16, no match", NEVER, ["--utf16"], None),
        ("--json, millions of lines", MANY, ["--json"], None),
    ]
    big = os.path.join(tree, "big0.txt")
    if os.path.exists(big):
        wide_dir = os.path.join(scratch, "utf16")
        narrow_dir = os.path.join(scratch, "utf8")
        os.makedirs(wide_dir)
        os.makedirs(narrow_dir)
        with open(big, "rb") as f:
            text = f.read().decode("utf-8", "replace")
        with open(os.path.join(wide_dir, "big.txt"), "wb") as f:
            f.write(b"\xff\xfe" + text.encode("utf-16-le"))
        with open(os.path.join(narrow_dir, "big.txt"), "wb") as f:
            f.write(text.encode("utf-8"))
        del text
        rows.append(("--utf16, 48 MB UTF-16 file vs UTF-8", FEW, ["--utf16"], (wide_dir, narrow_dir)))
    for label, text, flags, folders in rows:
        on_tree, off_tree = folders if folders else (tree, tree)
        off = vorlane(off_tree, text, False, False)
        on = off[:1] + flags + off[1:-3] + ["--", on_tree, text]
        status = subprocess.run(on, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode
        if status > 1:
            print("  %-44s FAILED (exit status %d): %s" % (label, status, " ".join(on)))
            continue
        m, c = medians_cpu({"off": off, "on": on}, reps)
        print("  %-44s off %7.3fs  on %7.3fs  %6.2f | cpu off %7.3fs  on %7.3fs  %6.2f" % (
            label, m["off"], m["on"], m["on"] / m["off"], c["off"], c["on"], c["on"] / c["off"]))
    baseline = os.environ.get("VORLANE_BASELINE")
    if baseline:
        print("\nevery option off, against %s (ratios: this one / baseline, wall and processor time)" % baseline)
        for text, label in ((NEVER, "no match"), (FEW, "few matches"), (MANY, "millions of lines")):
            for case, first in ((False, True), (False, False), (True, False)):
                ours = vorlane(tree, text, case, first)
                theirs = [baseline] + ours[1:]
                m, c = medians_cpu({"base": theirs, "ours": ours}, reps)
                print("  %-44s base %7.3fs  this %7.3fs  %6.2f | cpu base %7.3fs  this %7.3fs  %6.2f" % (
                    "%s, %s" % (label, mode_name(case, first)), m["base"], m["ours"], m["ours"] / m["base"],
                    c["base"], c["ours"], c["ours"] / c["base"]))


def same_files(tree):
    """vorlane lists the same files as grep, both case modes."""
    ok = True
    for case in (True, False):
        out = subprocess.run(vorlane(tree, FEW, case, True), stdout=subprocess.PIPE,
                             stderr=subprocess.DEVNULL).stdout.decode("utf-8", "replace").split("\r\n")
        ours = {out[i + 1] for i in range(len(out) - 1) if out[i] == "  "}
        theirs = set(subprocess.run(grep(tree, FEW, case, True), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                    env=dict(os.environ, LC_ALL="C")).stdout.decode("utf-8", "replace")
                     .split("\n")) - {""}
        same = ours == theirs
        ok = ok and same
        print("files listed, %s: %s" % ("case-sensitive" if case else "ignoring case",
                                        "same as grep" if same else "DIFFERENT from grep"))
    return ok


def mode_name(case, first):
    return "%s, %s" % ("case" if case else "no case", "first" if first else "all")


def main():
    tree, reps = os.path.abspath(sys.argv[1]), int(sys.argv[2])
    threads = len(os.sched_getaffinity(0))
    print("tree: %s; threads: vorlane-search and rg use %d (one per processor)" % (tree, threads))
    if sys.argv[3:] == ["options"]:
        with tempfile.TemporaryDirectory() as scratch:
            options(tree, reps, scratch)
        return 0
    ok = same_files(tree)

    print("\n%-30s %8s %8s %8s %8s %8s %8s | %7s %7s %7s" % (
        "case", "vorlane", "rg", "v -j1", "rg -j1", "grep", "window", "v/rg", "v1/rg1", "v/grep"))
    cases = [(NEVER, "no match"), (FEW, "few matches")]
    for text, label in cases:
        for case in (True, False):
            for first in (True, False):
                commands = {
                    "v": vorlane(tree, text, case, first),
                    "rg": rg(tree, text, case, first),
                    "v1": vorlane(tree, text, case, first, 1),
                    "rg1": rg(tree, text, case, first, 1),
                    "grep": grep(tree, text, case, first),
                }
                m = medians(commands, reps)
                w = statistics.median(run_window((["--case"] if case else []) + ([] if first else ["--all"])
                                                 + [tree, text])["seconds"] for _ in range(reps))
                print("%-30s %7.3fs %7.3fs %7.3fs %7.3fs %7.3fs %7.3fs | %7.2f %7.2f %7.2f" % (
                    "%s, %s" % (label, mode_name(case, first)), m["v"], m["rg"], m["v1"], m["rg1"], m["grep"], w,
                    m["v"] / m["rg"], m["v1"] / m["rg1"], m["v"] / m["grep"]))

    print("\nmillions of matching lines (\"%s\", all occurrences, ignoring case)" % MANY)
    commands = {
        "v": vorlane(tree, MANY, False, False),
        "rg": rg(tree, MANY, False, False),
        "v1": vorlane(tree, MANY, False, False, 1),
        "rg1": rg(tree, MANY, False, False, 1),
        "grep": grep(tree, MANY, False, False),
    }
    m = medians(commands, reps)
    windows = [run_window(["--all", tree, MANY]) for _ in range(reps)]
    w = statistics.median(x["seconds"] for x in windows)
    gap = max(x["gap"] for x in windows)
    rss = max(x["rss"] for x in windows)
    text_bytes = windows[0]["text"]
    print("  lines listed: %d (%d MB of text)" % (windows[0]["lines"], text_bytes >> 20))
    print("  vorlane %.3fs, rg %.3fs: %.2f; vorlane -j1 %.3fs, rg -j1 %.3fs: %.2f; grep %.3fs: %.2f"
          % (m["v"], m["rg"], m["v"] / m["rg"], m["v1"], m["rg1"], m["v1"] / m["rg1"], m["grep"], m["v"] / m["grep"]))
    print("  window %.3fs: %.2f of the command line; longest wait of the event loop %d ms; peak memory %d MB,"
          " %.2f of the list's text" % (w, w / m["v"], gap, rss >> 20, rss / text_bytes))

    print("  options of the window (all off, then each on): search time, and one step of the caret down the"
          " list (painted, the pane answered), mean of 300 steps")
    base = None
    for chosen in ("", "highlight", "preview", "highlight,preview"):
        runs = [run_window(["--options", chosen, "--all", tree, MANY]) for _ in range(reps)]
        seconds = statistics.median(x["seconds"] for x in runs)
        step = statistics.median(x["step"] for x in runs)
        if base is None:
            base = (seconds, step)
        print("    %-18s %7.3fs (%+6.1f%% of all off)  %7.3f ms per step (%+7.3f ms)"
              % (chosen or "all off", seconds, 100 * (seconds / base[0] - 1), step, step - base[1]))
    print("    (the external editor item costs nothing until it is used)")

    with tempfile.TemporaryDirectory() as scratch:
        saved = os.path.join(scratch, "e.LST")
        with open(saved, "wb") as out:
            subprocess.run(vorlane(tree, MANY, False, False), stdout=out, stderr=subprocess.DEVNULL, check=False)
        loads = [run_window(["--load", saved]) for _ in range(reps)]
        load = statistics.median(x["seconds"] for x in loads)
        print("  loading the saved list into the window: %.3fs (%.2f of the search in the window), peak memory %.2f"
              " of the list's text" % (load, load / w, max(x["rss"] for x in loads) / loads[0]["text"]))

        if os.path.exists(EDITOR):
            size_mb = 200
            big = os.path.join(scratch, "big.txt")
            subprocess.run([sys.executable, os.path.join(HERE, "gentext.py"), big, str(size_mb)], check=True)
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
            runs = []
            for _ in range(reps):
                out = subprocess.run([EDITOR, big], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env,
                                     check=True).stdout.decode().split()
                runs.append({"open": float(out[0]), "find": float(out[1]), "mark": float(out[2]),
                             "rss": int(out[3]), "file": int(out[4])})
            opened = [x["open"] for x in runs]
            rss = statistics.median(x["rss"] for x in runs) / runs[0]["file"]
            print("\n%d MB text file in the editor, %d runs:" % (size_mb, reps))
            print("  open %.2fs best, %.2fs median: %.2f of the 3 s goal; F3 to its last line %.2fs, F5 %.2fs"
                  % (min(opened), statistics.median(opened), statistics.median(opened) / 3.0,
                     statistics.median(x["find"] for x in runs), statistics.median(x["mark"] for x in runs)))
            print("  peak memory %.2f times the file's size: %.2f of the 4x goal" % (rss, rss / 4.0))
        options(tree, reps, scratch)
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
