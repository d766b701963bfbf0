#!/usr/bin/env python3
"""Writes the largest record file the tool reads: 1024 workouts of 1025
samples each, in the treadmill's fixed-width lines (about 29 MB).

usage: make_largest_record_file.py OUTPUT
"""
import sys

RECORDS = 1024
SAMPLES = 1025


def workout(r):
    lines = [f"2026/{1 + r % 12:02d}/{1 + r % 28:02d} {r % 24:02d}:{r % 60:02d}", f"{120 + r % 200:3d}{'LBS' if r % 2 else ' KG'}"]
    for i in range(SAMPLES):
        seconds = i * 2
        minutes, seconds = divmod(seconds, 60)
        calories = i * 999 // SAMPLES
        pulse = 60 + (i * 7 + r) % 140
        incline = (i // 40 + r) % 16
        distance = i * 9.99 / SAMPLES
        speed = 0.5 + (i * 3 + r) % 140 / 10
        lines.append(f"{minutes % 100:02d}:{seconds:02d} {calories:03d} {pulse:3d} {incline:02d} "
                     f"{distance:4.2f} {speed:4.1f}")
    return lines


def main():
    with open(sys.argv[1], "w", newline="\r\n") as out:
        for r in range(RECORDS):
            out.write("\n".join(workout(r)))
            out.write("\n")


if __name__ == "__main__":
    main()
