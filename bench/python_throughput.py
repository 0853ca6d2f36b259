"""Values per second of the Python module: reduce15 and reduce20 over 10^6
readings of petroleum products in one call (1 and 2 threads), against a plain
Python loop calling the same function once per value.

    PYTHONPATH=build/python /usr/bin/python3 bench/python_throughput.py [--rounds 5]
"""

import argparse
import time

import numpy as np

import vantorel

READINGS = 1_000_000
LOOP_READINGS = 20_000


def best_rate(call, values, rounds, clock=time.perf_counter):
    best = float("inf")
    for _ in range(rounds):
        start = clock()
        call()
        best = min(best, clock() - start)
    return values / best


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--rounds", type=int, default=5)
    args = parser.parse_args()
    rng = np.random.default_rng(1)
    # hydrometer readings of products to 0.1 kg/m3 and temperatures to 0.1 °C
    density = np.round(rng.uniform(700, 950, READINGS), 1)
    temperature = np.round(rng.uniform(-20, 50, READINGS), 1)
    for name in ("reduce15", "reduce20"):
        f = getattr(vantorel, name)
        assert (f(density, temperature).status == vantorel.Status.OK).all()
        rates = [best_rate(lambda: f(density, temperature, threads=t), READINGS, args.rounds) for t in (1, 2)]
        # on a shared machine the processor time tells what the code needs
        # (of both threads together for two)
        cpu = [best_rate(lambda: f(density, temperature, threads=t), READINGS, args.rounds, time.process_time)
               for t in (1, 2)]
        d, t = density[:LOOP_READINGS].tolist(), temperature[:LOOP_READINGS].tolist()
        loop = best_rate(lambda: [f(x, y).status for x, y in zip(d, t)], LOOP_READINGS, args.rounds)
        print(f"{name}: 1 thread {rates[0] / 1e6:.2f} M values/s ({cpu[0] / 1e6:.2f} M per processor second), "
              f"2 threads {rates[1] / 1e6:.2f} M/s ({cpu[1] / 1e6:.2f} M per processor second); "
              f"plain Python loop {loop / 1e6:.3f} M values/s ({rates[0] / loop:.0f}x slower than 1 thread)")


if __name__ == "__main__":
    main()
