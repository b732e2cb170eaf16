#!/usr/bin/python3
"""traces-figures.py REPORT.jsonl

Reads `quantlens-report --traces --json -r CORPUS` over a corpus made by
traces-corpus.py and prints, as Markdown: false alarms on the files saved
once, detection and first-quality accuracy for the files saved twice (first
quality lower, then higher than the second), per pair, and what the cropped
re-saves got. Files whose verdict is "cannot tell" count as not found."""
import collections
import json
import re
import sys

NAME = re.compile(r"(single|double|crop)-(\d+)(?:-(\d+))?\.jpg$")


def load(path):
    files = collections.defaultdict(list)
    for line in open(path, encoding="utf-8"):
        report = json.loads(line)
        match = NAME.search(report["path"])
        if report["status"] != "ok" or not match:
            continue
        kind, first, last = match.group(1), int(match.group(2)), int(match.group(3) or 0)
        files[kind].append((first, last, report["traces"]))
    return files


def percent(part, whole):
    return f"{100 * part / whole:.1f} %" if whole else "-"


def pairs_table(doubles, title):
    pairs = collections.defaultdict(lambda: [0, 0, 0, 0])
    for first, last, traces in doubles:
        counts = pairs[(first, last)]
        counts[0] += 1
        if traces["verdict"] == "found":
            counts[1] += 1
            quality = traces["firstQuality"]
            counts[2] += quality == first
            counts[3] += quality is not None and abs(quality - first) <= 5
    total = [sum(c[i] for c in pairs.values()) for i in range(4)]
    print(f"\n{title}: {total[0]} files, {percent(total[1], total[0])} found; of those the first quality is"
          f" exact for {percent(total[2], total[1])}, within ±5 for {percent(total[3], total[1])}.\n")
    print("| first → last | files | found | first quality exact | within ±5 |")
    print("|---|---:|---:|---:|---:|")
    for (first, last), c in sorted(pairs.items()):
        print(f"| {first} → {last} | {c[0]} | {percent(c[1], c[0])} | {percent(c[2], c[1])} | {percent(c[3], c[1])} |")
    rates = [c[1] / c[0] for c in pairs.values()]
    print(f"\nLowest pair: {100 * min(rates):.1f} %; mean over pairs: {100 * sum(rates) / len(rates):.1f} %.")


def main():
    files = load(sys.argv[1])
    singles = files["single"]
    verdicts = collections.Counter(t["verdict"] for _, _, t in singles)
    print(f"Saved once: {len(singles)} files; found {verdicts['found']} ({percent(verdicts['found'], len(singles))}),"
          f" none {verdicts['none']}, cannot tell {verdicts['cannot-tell']}.")
    doubles = files["double"]
    pairs_table([d for d in doubles if d[0] < d[1]], "First quality lower than the second")
    pairs_table([d for d in doubles if d[0] > d[1]], "First quality higher than the second")
    crops = files["crop"]
    found = [t for _, _, t in crops if t["verdict"] == "found"]
    wrong = [t for t in found if t["firstQuality"] is not None]
    print(f"\nCropped between the saves: {len(crops)} files; found {len(found)} ({percent(len(found), len(crops))}),"
          f" with a first quality {len(wrong)} ({percent(len(wrong), len(crops))}).")


main()
