"""What the functions add to the courses: broadcasting, scalars, statuses,
messages, options and threads. The numbers themselves are compared with
vantorel-calc in test_same_as_cli.py."""

import numpy as np
import pytest

import vantorel

S = vantorel.Status


def test_arrays_broadcast_and_match_scalar_calls():
    density = np.array([[850.0, 700.0, 499.9], [900.5, 1000.0, 760.2]])
    temperature = [15.3, 30.0, 20.0]
    r = vantorel.reduce20(density, temperature)
    assert r.density20.shape == r.temperature.shape == r.status.shape == r.error.shape == (2, 3)
    for (i, j), d in np.ndenumerate(density):
        one = vantorel.reduce20(d, temperature[j])
        assert isinstance(one.status, S) and isinstance(one.density20, np.float64)
        assert (one.status, one.error) == (r.status[i, j], r.error[i, j])
        np.testing.assert_equal([one.temperature, one.density20], [r.temperature[i, j], r.density20[i, j]])
    with pytest.raises(ValueError):
        vantorel.reduce20(np.ones(3), np.ones(2))


@pytest.mark.parametrize(
    "name, args, options, status, error",
    [
        ("reduce20", (499.9, 20), {}, S.CHECK_FAILED, "Density (areometer) is out of the table : 500 - 1090 kg/m3"),
        ("mass20", (1000, 850, np.nan), {}, S.CHECK_FAILED, "Field *Temperature in tank* must be filled"),
        ("volume20", (10, 494, 20), {}, S.CHECK_FAILED, "Density (20°C) is out of the table"),
        ("api20", (850, 20), {"table": "/nonexistent/tablegost3900.txt"}, S.CALC_FAILED,
         "File tablegost3900.txt not found. Check the file exists."),
        ("actual15", (850, 20), {"pressure": 11, "pressure_unit": "MPa"}, S.CHECK_FAILED, None),
        ("convert", ("temperature", np.inf, "C", "F"), {}, S.CHECK_FAILED, None),
        ("reduce15", (850, 20), {}, S.OK, ""),
    ],
)
def test_failures_carry_status_and_message(english, name, args, options, status, error):
    f = getattr(vantorel, name)
    r = f(*args, **options)
    assert r.status == status
    if error is not None:
        assert r.error == error
    if status == S.OK:
        f(*args, **options, strict=True)
    else:
        assert r.error
        with pytest.raises(ValueError) as raised:
            f(*args, **options, strict=True)
        assert str(raised.value) == r.error


def test_strict_names_the_first_failure(english):
    with pytest.raises(ValueError, match=r"^Density \(areometer\) is out of the table"):
        vantorel.reduce20([850, 499.9, 850], [20, 20, np.nan], strict=True, threads=2)


@pytest.mark.parametrize(
    "call",
    [
        lambda: vantorel.reduce15(850, 20, group="oil"),
        lambda: vantorel.mass15(1, 850, 20, volume_unit="l"),
        lambda: vantorel.actual15(850, 20, pressure=1, pressure_unit="kPa"),
        lambda: vantorel.convert("mass", 1, "t", "kg"),
        lambda: vantorel.reduce15(850, 20, threads=0),
        lambda: vantorel.reduce15("850", 20),
        lambda: vantorel.reduce15(850, 20, table="x"),
    ],
)
def test_wrong_options_raise(call):
    with pytest.raises((ValueError, TypeError)):
        call()


@pytest.mark.parametrize("threads", [2, 5])
def test_threads_give_the_same_arrays(threads):
    rng = np.random.default_rng(threads)
    n = 20001
    args = (rng.uniform(-10, 1e4, n), rng.uniform(600, 1200, n), rng.uniform(-60, 110, n))
    pressure = rng.uniform(-1, 12, n)
    one = vantorel.mass15(*args, pressure=pressure)
    more = vantorel.mass15(*args, pressure=pressure, threads=threads)
    for name in ("mass_t", "actual_density", "status", "error"):
        np.testing.assert_array_equal(getattr(one, name), getattr(more, name))
    assert (one.status == S.OK).any() and (one.status == S.CHECK_FAILED).any()
