#!/usr/bin/env python3
"""Writes a text file of about SIZE_MB megabytes for the editor's benchmark, the same bytes on
every run: lines of 20 to 120 characters made of varied words, some with accented letters
(UTF-8 mostly, now and then a lone Windows-1252 byte), LF line ends. Its last line holds the
word "Vorlane_fin", found nowhere else, which vorlane-bench-editor searches for.

usage: gentext.py OUT SIZE_MB
"""
import random
import sys

MARKER = "Vorlane_fin"
WORDS = ("le la les un une des et ou donc car mais fichier texte recherche ligne fenêtre "
         "éditeur sauvegarde imprimer couleur police marquer trouve suivant précédent début "
         "été déjà où garçon naïve cœur Noël the of and file search window editor print font "
         "colour alpha beta gamma delta epsilon 0 1 42 2024 x_y foo_bar CamelCase int main "
         "return void static const").split()


def main():
    out, size_mb = sys.argv[1], float(sys.argv[2])
    target = int(size_mb * (1 << 20))
    rng = random.Random(20)
    # A stock of lines drawn once and then picked from keeps the script fast on hundreds of MB.
    stock = []
    for _ in range(20000):
        width = rng.randint(20, 120)
        words = []
        length = 0
        while length < width:
            word = rng.choice(WORDS)
            words.append(word)
            length += len(word) + 1
        line = " ".join(words).encode("utf-8")[:width].decode("utf-8", "ignore")
        raw = line.encode("utf-8")
        if rng.random() < 0.01:
            raw += b" caf\xe9"  # a Windows-1252 byte, not valid UTF-8
        stock.append(raw + b"\n")
    last = ("fin du texte " + MARKER + " ici\n").encode("utf-8")
    written = 0
    with open(out, "wb") as f:
        buffer = []
        while written + len(last) < target:
            line = stock[rng.randrange(len(stock))]
            buffer.append(line)
            written += len(line)
            if len(buffer) >= 10000:
                f.write(b"".join(buffer))
                buffer.clear()
        f.write(b"".join(buffer))
        f.write(last)


if __name__ == "__main__":
    main()
