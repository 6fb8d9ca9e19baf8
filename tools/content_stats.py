#!/usr/bin/env python3
"""Counts the stock phrasings of the daybook's texts, so an edition can be measured.

Usage: python3 tools/content_stats.py [content/days] [--list]

Counts, over every entry:
  - "on this day in <year>";
  - the born list: "... born ... in <year>, and the <someone> ... in <year>";
  - "It is also" / "Today is also";
  - entries that write out their own date ("9 December") more than three times.
With --list, names the entries behind each count.
"""
import re
import sys
from pathlib import Path

MONTHS = ["January", "February", "March", "April", "May", "June", "July", "August",
          "September", "October", "November", "December"]
ON_THIS_DAY = re.compile(r"\bon this day in \d{3,4}\b", re.I)
BORN_LIST = re.compile(r"\bborn\b[^.;]*?\bin \d{3,4}, and (?:the |a |an )?[^.;]*?\bin \d{3,4}\b")
ALSO = re.compile(r"\b(?:it|today) is also\b", re.I)


def entries(folder):
    """Yields (month, day, text) for every entry of the month files."""
    for path in sorted(Path(folder).glob("[01][0-9]-*.txt")):
        month = int(path.name[:2])
        day, lines = None, []
        for line in path.read_text(encoding="utf-8").splitlines() + [":: end"]:
            if line.startswith("::"):
                if day is not None:
                    yield month, day, "\n".join(lines)
                word = line[2:].split()[0]
                day, lines = (int(word) if word.isdigit() else None), []
            else:
                lines.append(line)


def main(argv):
    folder = next((a for a in argv if not a.startswith("--")), "content/days")
    listing = "--list" in argv
    counts = {"on this day in <year>": [], "born list": [], "It/Today is also": [],
              "own date more than 3 times": []}
    for month, day, text in entries(folder):
        name = f"{day} {MONTHS[month - 1]}"
        for key, pattern in (("on this day in <year>", ON_THIS_DAY), ("born list", BORN_LIST),
                             ("It/Today is also", ALSO)):
            counts[key] += [name] * len(pattern.findall(text))
        own = len(re.findall(rf"\b{day} {MONTHS[month - 1]}\b", text))
        if own > 3:
            counts["own date more than 3 times"].append(f"{name} ({own})")
    for key, names in counts.items():
        print(f"{key}: {len(names)}" + (f"\n    {', '.join(names)}" if listing else ""))


if __name__ == "__main__":
    main(sys.argv[1:])
