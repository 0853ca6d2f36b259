"""density15 for a dataset of readings in CSV partitions, with dask.dataframe on a
dask.distributed cluster: a LocalCluster here, the same code on a real one
(pass its scheduler address as --scheduler).

    PYTHONPATH=build/python python3 python/examples/dask_density15.py --make 10000000 readings/
    PYTHONPATH=build/python python3 python/examples/dask_density15.py --workers 2 readings/

Each CSV file holds the columns density and temperature; the result is a count
per status and the throughput.
"""

import argparse
import os
import time

import numpy as np
import pandas as pd


def density15(partition: pd.DataFrame) -> pd.DataFrame:
    """One partition: runs on the worker, where vantorel must be importable."""
    import vantorel

    r = vantorel.reduce15(partition["density"].to_numpy(), partition["temperature"].to_numpy())
    return partition.assign(density15=r.density15, status=r.status)


def make_dataset(folder: str, readings: int, files: int = 20, seed: int = 1) -> None:
    """Readings as a hydrometer gives them: kg/m3 and °C to one decimal."""
    os.makedirs(folder, exist_ok=True)
    rng = np.random.default_rng(seed)
    for k in range(files):
        n = readings // files + (1 if k < readings % files else 0)
        frame = pd.DataFrame({"density": np.round(rng.uniform(650, 1000, n), 1),
                              "temperature": np.round(rng.uniform(-20, 60, n), 1)})
        frame.to_csv(os.path.join(folder, f"readings-{k:03}.csv"), index=False)


def run(folder: str, workers: int = 1, scheduler: str = "") -> dict:
    import dask.dataframe as dd
    from dask.distributed import Client, LocalCluster

    cluster = None if scheduler else LocalCluster(n_workers=workers, threads_per_worker=1, processes=True,
                                                  dashboard_address=None)
    with Client(scheduler or cluster) as client:
        # the workers find the module where this process found it
        client.run(lambda path: os.environ.__setitem__("PYTHONPATH", path), os.environ.get("PYTHONPATH", ""))
        frame = dd.read_csv(os.path.join(folder, "*.csv"), dtype={"density": "float64", "temperature": "float64"})
        meta = frame._meta.assign(density15=np.float64(0), status=np.int8(0))
        start = time.perf_counter()
        counts = frame.map_partitions(density15, meta=meta)["status"].value_counts().compute()
        seconds = time.perf_counter() - start
    if cluster:
        cluster.close()
    total = int(counts.sum())
    return {"readings": total, "seconds": seconds, "per_second": total / seconds,
            "statuses": {int(k): int(v) for k, v in counts.items()}}


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("folder")
    parser.add_argument("--make", type=int, metavar="READINGS", help="write a dataset of this many readings")
    parser.add_argument("--workers", type=int, default=1)
    parser.add_argument("--scheduler", default="", help="a running scheduler's address instead of a LocalCluster")
    args = parser.parse_args()
    if args.make:
        make_dataset(args.folder, args.make)
    else:
        result = run(args.folder, args.workers, args.scheduler)
        print(f"{result['readings']} readings in {result['seconds']:.2f} s on {args.workers} worker(s): "
              f"{result['per_second']:,.0f} readings/s; statuses {result['statuses']}")
