"""The documented examples run: pandas in one call, Dask on a LocalCluster."""

import pathlib
import sys

import numpy as np
import pytest

import vantorel

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "examples"))


def test_pandas_example_adds_density15():
    pd = pytest.importorskip("pandas")
    from pandas_density15 import add_density15

    frame = pd.DataFrame({"density": [853.4, 1300.0], "temperature": [15.3, 20.0]})
    out = add_density15(frame)
    r = vantorel.reduce15(frame["density"].to_numpy(), frame["temperature"].to_numpy())
    np.testing.assert_array_equal(out["density15"], r.density15)
    assert list(out["status"]) == [vantorel.Status.OK, vantorel.Status.CHECK_FAILED]


def test_dask_example_on_a_small_dataset(tmp_path):
    pytest.importorskip("dask.dataframe")
    pytest.importorskip("dask.distributed")
    from dask_density15 import make_dataset, run

    make_dataset(str(tmp_path), 5000, files=4)
    result = run(str(tmp_path), workers=2)
    pd = pytest.importorskip("pandas")
    frame = pd.concat(pd.read_csv(f) for f in sorted(tmp_path.glob("*.csv")))
    expected = vantorel.reduce15(frame["density"].to_numpy(), frame["temperature"].to_numpy()).status
    assert result["readings"] == 5000
    assert result["statuses"] == {int(s): int((expected == s).sum()) for s in np.unique(expected)}
