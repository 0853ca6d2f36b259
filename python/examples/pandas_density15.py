"""Adds density15 (and the status and message of each reading) to a pandas
DataFrame of hydrometer readings in one call.

    PYTHONPATH=build/python python3 python/examples/pandas_density15.py
"""

import pandas as pd

import vantorel


def add_density15(readings: pd.DataFrame, **options) -> pd.DataFrame:
    """readings: columns density (kg/m3) and temperature (°C unless fahrenheit=True)."""
    r = vantorel.reduce15(readings["density"], readings["temperature"], **options)
    return readings.assign(density15=r.density15, status=r.status, error=r.error)


if __name__ == "__main__":
    frame = pd.DataFrame({"density": [853.4, 760.0, 1300.0], "temperature": [15.3, 31.2, 20.0]})
    print(add_density15(frame, group="crude"))
