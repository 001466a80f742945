#!/usr/bin/python3
"""The Ombra default graph drawn with matplotlib, as a yardstick for tessaly-render's timing.

Five parallel RCL curves (L 0.0025 H, C 1e-5 F, R 10, 30, 100, 300 and 1000 ohm), 501
log-spaced points from 10 Hz to 100 kHz, |Z| over the phase in two stacked axes, a title and a
legend, saved as a 960 by 720 PNG.

Usage: matplotlib_baseline.py [OUTPUT.png]
"""
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402

L = 0.0025
C = 1e-05
RESISTANCES = (10.0, 30.0, 100.0, 300.0, 1000.0)
COLOURS = ("#0000ff", "#ff0000", "#ff00ff", "#00ff00", "#00ffff")


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "ombra-matplotlib.png"
    f = np.logspace(1.0, 5.0, 501)
    s = 2j * np.pi * f
    fig, (upper, lower) = plt.subplots(2, 1, sharex=True, figsize=(9.6, 7.2), dpi=100)
    fig.suptitle("Parallel RCL circuit: impedance against frequency")
    for r, colour in zip(RESISTANCES, COLOURS):
        z = 1.0 / (1.0 / r + 1.0 / (s * L) + s * C)
        q = r / np.sqrt(L / C)
        label = f"R = {r:g} ohm, Q = {q:.3g}"
        upper.loglog(f, np.abs(z), color=colour, linewidth=1, label=label)
        lower.semilogx(f, np.degrees(np.angle(z)), color=colour, linewidth=1)
    upper.set_ylim(0.1, 1000.0)
    upper.set_ylabel("|Z| [ohm]")
    upper.grid(True, which="both", linewidth=0.3)
    upper.legend(loc="upper right", fontsize="small")
    lower.set_ylim(-90.0, 90.0)
    lower.set_yticks(range(-90, 91, 30))
    lower.set_ylabel("phase [deg]")
    lower.set_xlabel("frequency [Hz]")
    lower.set_xlim(10.0, 100000.0)
    lower.grid(True, which="both", linewidth=0.3)
    fig.savefig(output)


if __name__ == "__main__":
    main()
