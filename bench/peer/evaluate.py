#!/usr/bin/env python3
"""The same evaluation of one record done the way an engineer would without
Kurvadex: numpy and matplotlib from Debian's packages. Reads a standard CSV
data file (CP932, four header lines), builds the skeleton curve (envelope of
first excursions, averaged per deformation, resampled into 301 bins), fits the
exponential curve A x^n exp(-x/c) on the same 50 x 50 x 10 grid, draws the
hysteresis with the skeleton and the fit, and saves a PNG.

Usage: evaluate.py DATA.csv OUT.png   (load in column 1, deformation in column 2)
"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402


def read(path):
    with open(path, encoding="cp932", errors="replace") as f:
        lines = f.read().splitlines()
    data = np.array([[float(v) for v in line.split(",")] for line in lines[4:] if line.strip()])
    return data[:, 1], data[:, 0]  # deformation, load


def skeleton(x, y):
    pos = (x >= 0) & (y >= 0) & (x >= np.maximum.accumulate(np.where(x >= 0, x, -np.inf)))
    neg = (x < 0) & (y <= 0) & (x <= np.minimum.accumulate(np.where(x < 0, x, np.inf)))
    px = np.concatenate(([0.0], x[pos], x[neg]))
    py = np.concatenate(([0.0], y[pos], y[neg]))
    order = np.argsort(px, kind="stable")
    px, py = px[order], py[order]
    ux, inverse = np.unique(px, return_inverse=True)
    uy = np.bincount(inverse, weights=py) / np.bincount(inverse)
    w = (ux[-1] - ux[0]) / 300
    bins = np.floor((ux - ux[0]) / w + 0.5).astype(int)
    counts = np.bincount(bins, minlength=301)
    sums = np.bincount(bins, weights=uy, minlength=301)
    keep = counts > 0
    return ux[0] + w * np.arange(bins.max() + 1)[keep], sums[keep] / counts[keep]


def curve(a, n, c, x):
    return np.sign(x) * a * np.abs(x) ** n * np.exp(-np.abs(x) / c)


def fit(sx, sy):
    band = (sx[:-1] >= 0.1 * sx[0]) & (sx[:-1] <= 0.1 * sx[-1])
    k0 = np.mean(np.diff(sy)[band] / np.diff(sx)[band])
    d0 = (sx[np.argmax(sy)] - sx[np.argmin(sy)]) / 2
    best = (np.inf, None)
    for a in (0.85 + 0.3 * np.arange(50) / 50) * k0:
        for c in (0.8 + 0.4 * np.arange(50) / 50) * d0:
            for n in 1 - 0.005 * np.arange(10):
                r = np.sum((curve(a, n, c, sx) - sy) ** 2)
                if r < best[0]:
                    best = (r, (a, n, c))
    return best[1]


def main():
    x, y = read(sys.argv[1])
    sx, sy = skeleton(x, y)
    a, n, c = fit(sx, sy)
    fx = np.linspace(sx[0], sx[-1], 300, endpoint=False)
    fig, ax = plt.subplots(figsize=(5.44, 5.04), dpi=100)
    ax.plot(x, y, color="red", linewidth=0.8)
    ax.plot(sx, sy, color="black", linewidth=2)
    ax.plot(fx, curve(a, n, c, fx), color="green")
    ax.grid(True)
    fig.savefig(sys.argv[2])


if __name__ == "__main__":
    main()
