#!/usr/bin/env python3
"""Write samples/racking-test.csv: a synthetic reversed-cyclic racking test
of a 2P plywood-sheathed timber shear wall, in KURVADEX's standard CSV layout.

The record is invented, but shaped like a real lab record so that the
program's loop detection, envelope and evaluation code have something
believable to chew on. Re-running the script gives a byte-identical file.

    python3 scripts/make_sample.py [output.csv]
"""

import math
import os
import random
import sys

SEED = 20240917

WALL_HEIGHT_MM = 2730.0          # 2P wall: 1,820 mm wide, 2,730 mm high

# Skeleton curve P = PU * (1 - exp(-K0*g/PU)) - KS * max(0, g - GS)^2.
# The quadratic term gives the post-peak softening: peak ~17.6 kN near
# 1/30 rad, down to ~70 % of it at 1/15 rad.
PU = 18.5                        # kN
K0 = 2000.0                      # kN/rad
GS = 0.025                       # rad, where softening starts
KS = 3450.0                      # kN/rad^2
NEG_SCALE = 0.96                 # real walls are never quite symmetric

AMPLITUDES = [1 / 450, 1 / 300, 1 / 200, 1 / 150, 1 / 100, 1 / 75, 1 / 50]
CYCLES_PER_AMPLITUDE = 3
FINAL_ANGLE = 1 / 15
STEP = 2.0e-4                    # rad per scan
MIN_SCANS_PER_QUARTER = 20       # keeps the small cycles from looking jagged

LOAD_NOISE = 0.02                # kN
ANGLE_NOISE = 1.0e-6             # rad
DISP_NOISE = 0.01                # mm
SILL_STIFFNESS = 20.0            # kN/mm, sill plate against anchor bolts

CHANNELS = [
    # (point, instrument, unit) - each must fit the logger's byte limits
    ("荷重", "ロードセル", "kN"),
    ("せん断変形角", "計算値", "rad"),
    ("頂部水平変位", "変位計", "mm"),
    ("脚部水平変位", "変位計", "mm"),
]
NAME_MAX_BYTES = 19
UNIT_MAX_BYTES = 9


def skeleton(g):
    """Virgin envelope for a positive angle."""
    p = PU * (1.0 - math.exp(-K0 * g / PU))
    if g > GS:
        p -= KS * (g - GS) ** 2
    return p


def envelope(g):
    return skeleton(g) if g >= 0 else -NEG_SCALE * skeleton(-g)


def severity(gmax):
    """0 for a fresh wall, 1 once the nails have been worked at 1/50 rad."""
    return min(1.0, gmax / 0.02)


class Branch:
    """One half-cycle from a reversal point to the next target.

    Unloading runs straight down at nearly the initial stiffness until the
    load passes zero, then the wall slides through the pinched region where
    the nails have crushed the wood, and stiffens again as the nail shanks
    bear on fresh material near the target. The steep unloading line is
    what gives a clean, single zero crossing per half-cycle.
    """

    def __init__(self, g_from, p_from, g_to, p_to, gmax):
        s = severity(gmax)
        self.sign = 1.0 if g_to > g_from else -1.0
        self.g_from, self.p_from = g_from, p_from
        self.p_to = p_to
        self.ku = K0 * (1.0 - 0.12 * s)
        # Angle at which the unloading line reaches zero load.
        self.g_zero = g_from + self.sign * abs(p_from) / self.ku
        self.span = abs(g_to - self.g_zero)
        self.pinch = 0.05 + 0.17 * s
        self.power = 1.2 + 2.3 * s
        # Match the reloading slope at zero load to the unloading slope so the
        # curve has no kink where it crosses the axis.
        self.b = max(0.02, self.pinch * abs(p_to) / (self.ku * self.span))

    def __call__(self, g):
        past_zero = (g - self.g_zero) * self.sign
        if past_zero < 0:
            return self.p_from + self.ku * (g - self.g_from)
        u = min(1.0, past_zero / self.span)
        f = (self.pinch * (1.0 - math.exp(-u / self.b)) / (1.0 - math.exp(-1.0 / self.b))
             + (1.0 - self.pinch) * u ** self.power)
        return self.p_to * f


class FinalPush:
    """Last reload: back to the largest cycled angle, then onto the skeleton.

    The wall does not regain the full virgin strength straight away; the
    shortfall fades out over a few thousandths of a radian.
    """

    def __init__(self, g_from, p_from, gmax):
        self.gmax = gmax
        self.p_reach = 0.97 * envelope(gmax)
        self.reload = Branch(g_from, p_from, gmax, self.p_reach, gmax)

    def __call__(self, g):
        if g <= self.gmax:
            return self.reload(g)
        shortfall = envelope(self.gmax) - self.p_reach
        return envelope(g) - shortfall * math.exp(-(g - self.gmax) / 0.005)


class FinalPushNegative:
    """After the positive push: back through zero and onto the negative side
    to the same final angle, so that both sides show the load falling below
    80 % of their peak, as a complete test does."""

    def __init__(self, g_from, p_from, gmax):
        self.gmax = gmax
        self.p_reach = 0.97 * envelope(-gmax)
        self.reload = Branch(g_from, p_from, -gmax, self.p_reach, FINAL_ANGLE)

    def __call__(self, g):
        if g >= -self.gmax:
            return self.reload(g)
        shortfall = envelope(-self.gmax) - self.p_reach
        return envelope(g) - shortfall * math.exp((g + self.gmax) / 0.005)


def scans(g_a, g_b, amplitude):
    """Angles from g_a (exclusive) to g_b (inclusive)."""
    n = max(MIN_SCANS_PER_QUARTER, round(amplitude / STEP))
    return [g_a + (g_b - g_a) * k / n for k in range(1, n + 1)]


def simulate():
    """Noise-free (angle, load, sill slip) for every scan."""
    targets = []                  # (angle, fraction of the envelope load)
    for amp in AMPLITUDES:
        drop = 0.03 + 0.07 * severity(amp)
        for keep in [1.0, 1.0 - drop, 1.0 - 1.3 * drop][:CYCLES_PER_AMPLITUDE]:
            targets += [(amp, keep), (-amp, keep)]

    history = [(0.0, 0.0)]
    g_now, p_now, amp_now, gmax = 0.0, 0.0, 0.0, 0.0
    for g_to, keep in targets:
        amp = abs(g_to)
        if gmax == 0.0:
            path, load = scans(0.0, g_to, amp), envelope
        else:
            path = scans(g_now, 0.0, amp_now) + scans(0.0, g_to, amp)
            load = Branch(g_now, p_now, g_to, envelope(g_to) * keep, gmax)
        history += [(g, load(g)) for g in path]
        g_now, p_now, amp_now = g_to, history[-1][1], amp
        gmax = max(gmax, amp)

    push = FinalPush(g_now, p_now, gmax)
    path = scans(g_now, 0.0, amp_now) + scans(0.0, FINAL_ANGLE, FINAL_ANGLE)
    history += [(g, push(g)) for g in path]

    back = FinalPushNegative(FINAL_ANGLE, history[-1][1], gmax)
    path = scans(FINAL_ANGLE, 0.0, FINAL_ANGLE) + scans(0.0, -FINAL_ANGLE, FINAL_ANGLE)
    history += [(g, back(g)) for g in path]

    # The sill rides on the anchor bolts: mostly elastic, with a little
    # rotation-driven drift.
    return [(g, p, p / SILL_STIFFNESS + 4.0 * g) for g, p in history]


def record(rows):
    rng = random.Random(SEED)
    out = []
    for i, (g, p, slip) in enumerate(rows):
        if i == 0:
            # The logger is zeroed on the first scan.
            out.append((0.0, 0.0, 0.0, 0.0))
            continue
        # The apparent shear angle is (top - sill) / height, so the top gauge
        # also carries the sill slip.
        slip_m = slip + rng.uniform(-DISP_NOISE, DISP_NOISE)
        top_m = g * WALL_HEIGHT_MM + slip + rng.uniform(-DISP_NOISE, DISP_NOISE)
        out.append((p + rng.uniform(-LOAD_NOISE, LOAD_NOISE),
                    g + rng.uniform(-ANGLE_NOISE, ANGLE_NOISE),
                    top_m, slip_m))
    return out


def render(values):
    lines = [",".join("%2dCH" % (i + 1) for i in range(len(CHANNELS))),
             ",".join(c[0] for c in CHANNELS),
             ",".join(c[1] for c in CHANNELS),
             ",".join(c[2] for c in CHANNELS)]
    # "+ 0.0" turns a stray -0.0 into 0.0 so no "-0.00000e+00" appears.
    lines += [",".join("%12.5e" % (v + 0.0) for v in row) for row in values]
    return "".join(line + "\n" for line in lines).encode("cp932")


def self_check(data):
    text = data.decode("cp932")
    assert "\r" not in text and not text.startswith("\ufeff")
    lines = text.split("\n")
    assert lines[-1] == ""
    lines = lines[:-1]
    assert all(len(line.split(",")) == len(CHANNELS) for line in lines)
    for field in lines[1].split(",") + lines[2].split(","):
        assert len(field.encode("cp932")) <= NAME_MAX_BYTES, field
    for field in lines[3].split(","):
        assert len(field.encode("cp932")) <= UNIT_MAX_BYTES, field
    rows = [[float(v) for v in line.split(",")] for line in lines[4:]]
    loads = [r[0] for r in rows]
    angles = [r[1] for r in rows]
    i_peak = max(range(len(loads)), key=loads.__getitem__)
    summary = {
        "rows": len(rows),
        "peak_load_kN": loads[i_peak],
        "peak_angle_rad": angles[i_peak],
        "min_load_kN": min(loads),
        "max_angle_rad": max(angles),
        "min_angle_rad": min(angles),
        "final_load_kN": loads[-1],
        "final_angle_rad": angles[-1],
    }
    assert 3000 <= len(rows) <= 7000
    assert rows[0] == [0.0] * len(CHANNELS)
    # Both sides fall below 80 % of their peak after it: every evaluation works.
    i_last_positive = max(i for i in range(len(rows)) if angles[i] == max(angles))
    assert loads[i_last_positive] < 0.8 * loads[i_peak]
    assert loads[-1] > 0.8 * min(loads)
    return summary


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "samples", "racking-test.csv")
    data = render(record(simulate()))
    summary = self_check(data)
    os.makedirs(os.path.dirname(os.path.abspath(target)), exist_ok=True)
    with open(target, "wb") as f:
        f.write(data)
    print(target)
    for key, value in summary.items():
        print("  %-16s %s" % (key, value))


if __name__ == "__main__":
    main()
