#!/usr/bin/env python3
"""Write the largest record the program accepts, 30,000 rows x 16 channels, as a
standard CSV data file: a reversed-cyclic racking test (load in channel 1,
shear angle in channel 2, fourteen displacement gauges), for timing whole runs.
Standard library only; the same file every time.

Usage: make_record.py OUT.csv
"""
import math
import random
import sys

ROWS = 30000
CHANNELS = 16
AMPLITUDES = [1 / 450, 1 / 300, 1 / 200, 1 / 150, 1 / 100, 1 / 75, 1 / 50, 1 / 30, 1 / 20]
CYCLES = 3
FINAL = 1 / 10
PU, K0 = 18.5, 2000.0  # kN, kN/rad


def protocol():
    """Turning points of the angle, from 0, three cycles per amplitude, then a last push."""
    points = [0.0]
    for a in AMPLITUDES:
        for _ in range(CYCLES):
            points += [a, -a]
    points += [0.0, FINAL]
    return points


def angles():
    """ROWS angles spaced evenly along the path through the turning points."""
    turns = protocol()
    path = sum(abs(b - a) for a, b in zip(turns, turns[1:]))
    step = path / (ROWS - 1)
    out, g, k = [0.0], 0.0, 1
    while len(out) < ROWS:
        target = turns[k]
        d = target - g
        if abs(d) <= step:
            g = target
            k = min(k + 1, len(turns) - 1)
        else:
            g += step if d > 0 else -step
        out.append(g)
    return out


def loads(gs):
    """Bouc-Wen hysteresis whose strength fades once the angle has passed 1/30 rad."""
    z, gmax, out = 0.0, 0.0, []
    prev = 0.0
    for g in gs:
        dg = g - prev
        prev = g
        gmax = max(gmax, abs(g))
        strength = PU * max(0.45, 1.0 - 15.0 * max(0.0, gmax - 1 / 30))
        for _ in range(4):  # sub-steps keep the integration smooth at large steps
            h = dg / 4
            r = abs(z) / strength
            turn = 0.5 + 0.5 * math.copysign(1.0, h * z)
            z += K0 * h * (1.0 - turn * r - (1 - turn) * 0.3 * r)
        z = max(-strength, min(strength, z))
        out.append(z)
    return out


def main():
    rng = random.Random(20240918)
    gs = angles()
    ps = loads(gs)
    names = ["荷重", "せん断変形角"] + [f"変位{k:02d}" for k in range(3, CHANNELS + 1)]
    instruments = ["ロードセル", "計算値"] + ["変位計"] * (CHANNELS - 2)
    units = ["kN", "rad"] + ["mm"] * (CHANNELS - 2)
    lines = [",".join(f"{c:2d}CH" for c in range(1, CHANNELS + 1)), ",".join(names), ",".join(instruments),
             ",".join(units)]
    for g, p in zip(gs, ps):
        row = [p + rng.gauss(0, 0.02), g + rng.gauss(0, 1e-6)]
        for c in range(3, CHANNELS + 1):
            # gauges along the wall: a share of the racking plus slip and uplift with the load
            row.append(g * 2730 * (c / CHANNELS) + p * 0.05 * ((c % 3) - 1) + rng.gauss(0, 0.01))
        lines.append(",".join(f"{v:12.5e}" for v in row))
    with open(sys.argv[1], "w", encoding="cp932", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
