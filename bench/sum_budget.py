#!/usr/bin/env python3
"""Sums a budget file's items per category and month, as --report does."""
import sys
from decimal import Decimal

def main(path):
    with open(path, encoding="utf-8", newline="") as f:
        lines = [line for line in f.read().split("\r\n") if not line.startswith(";")]
    pos = 13  # the version line and the twelve budgets
    while pos < len(lines) and lines[pos]:
        name, pos = lines[pos], pos + 1
        sums = []
        for month in range(12):
            count, pos = int(lines[pos]), pos + 1
            total = Decimal(0)
            for j in range(count):
                if j > 0 or lines[pos + 2] != "__ENVELOPE__":
                    total += Decimal(lines[pos].split("\t")[0] or 0)
                pos += 3
            sums.append(total)
        print(name, *sums, sep="\t")

if __name__ == "__main__":
    main(sys.argv[1])
