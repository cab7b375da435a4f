#!/usr/bin/env python3
"""Writes the reproducible benchmark tree: many small text files and a few large ones,
CR LF and LF line ends, with the needle scattered in a few of them."""
import os
import random
import sys

NEEDLE = "Vorlane_needle"


def main():
    root = sys.argv[1]
    target_mb = int(sys.argv[2]) if len(sys.argv) > 2 else 560
    marker = os.path.join(root, ".complete-%d" % target_mb)
    if os.path.exists(marker):
        return
    rng = random.Random(42)
    letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ_"
    words = ["".join(rng.choice(letters) for _ in range(rng.randint(2, 10))) for _ in range(5000)]
    words += ["begin", "end;", "if", "then", "else", "(", ");", ":=", "var", "procedure", "0", "1", "42"]
    lines = []
    for _ in range(40000):
        n = rng.randint(0, 16)
        lines.append(("  " * rng.randint(0, 4)) + " ".join(rng.choice(words) for _ in range(n)))

    def body(size, crlf, needles):
        chosen = []
        total = 0
        while total < size:
            batch = rng.choices(lines, k=256)
            chosen.extend(batch)
            total += sum(len(x) + 2 for x in batch)
        for variant in needles:
            at = rng.randrange(len(chosen))
            line = chosen[at]
            cut = rng.randint(0, len(line))
            chosen[at] = line[:cut] + variant + line[cut:]
        return ("\r\n" if crlf else "\n").join(chosen).encode() + (b"\r\n" if crlf else b"\n")

    os.makedirs(root, exist_ok=True)
    written = 0
    small_budget = target_mb * 1024 * 1024 * 6 // 10
    index = 0
    while written < small_budget:
        folder = os.path.join(root, "src", "d%03d" % (index // 100), "sub%d" % (index % 3))
        os.makedirs(folder, exist_ok=True)
        needles = []
        if rng.random() < 0.01:
            needles.append(NEEDLE)
        if rng.random() < 0.005:
            needles.append(NEEDLE.upper())
        data = body(rng.randint(1000, 24000), rng.random() < 0.5, needles)
        with open(os.path.join(folder, "f%05d.pas" % index), "wb") as f:
            f.write(data)
        written += len(data)
        index += 1
    big = 0
    while written < target_mb * 1024 * 1024:
        data = body(48 * 1024 * 1024, big % 2 == 0, [NEEDLE] * 3 + [NEEDLE.lower()])
        with open(os.path.join(root, "big%d.txt" % big), "wb") as f:
            f.write(data)
        written += len(data)
        big += 1
    open(marker, "w").close()
    print("tree: %d small files, %d large ones, %d MB" % (index, big, written // (1024 * 1024)))


if __name__ == "__main__":
    main()
