"""100,000 random inputs per calculator, within and beyond the admitted ranges,
under every option value, give the same values, messages and statuses as
vantorel-calc batch given the same numbers."""

import csv
import io
import subprocess

import numpy as np
import pytest

import vantorel

INPUTS = 100_000
RNG = np.random.default_rng(20261208)


def readings(n, low, high):
    """Numbers as people type them (one or two decimals), full doubles, bounds,
    and empty fields (NaN)."""
    x = RNG.uniform(low, high, n)
    kind = RNG.integers(0, 10, n)
    x = np.where(kind < 4, np.round(x, 1), x)
    x = np.where(kind == 4, np.round(x, 2), x)
    x = np.where(kind == 5, RNG.choice([low, high, 0.0, -0.0, 1e20, -1e-7], n), x)
    x[RNG.random(n) < 0.01] = np.nan
    return x


HYDROMETER = (450, 1250)
TEMPERATURE = (-70, 270)
QUANTITY = (-100, 1e6)
API = (-10, 110)

# name, command, inputs (ranges), result columns, options and their values
CALCULATORS = [
    ("reduce20", "reduce20", [HYDROMETER, TEMPERATURE], ["temperature", "density20"], ["fahrenheit"]),
    ("actual20", "actual20", [HYDROMETER, TEMPERATURE], ["temperature", "actual_density"], ["fahrenheit"]),
    ("mass20", "mass20", [QUANTITY, HYDROMETER, TEMPERATURE], ["temperature", "mass_t", "actual_density"],
     ["fahrenheit", "volume_unit"]),
    ("volume20", "volume20", [QUANTITY, HYDROMETER, TEMPERATURE], ["temperature", "volume", "actual_density"],
     ["fahrenheit", "volume_unit"]),
    ("reduce15", "reduce15", [HYDROMETER, TEMPERATURE], ["density15"], ["fahrenheit", "group", "glass"]),
    ("actual15", "actual15", [HYDROMETER, TEMPERATURE], ["actual_density"], ["fahrenheit", "group", "pressure"]),
    ("mass15", "mass15", [QUANTITY, HYDROMETER, TEMPERATURE], ["mass_t", "actual_density"],
     ["fahrenheit", "group", "pressure", "volume_unit"]),
    ("volume15", "volume15", [QUANTITY, HYDROMETER, TEMPERATURE], ["volume", "actual_density"],
     ["fahrenheit", "group", "pressure", "volume_unit"]),
    ("api20", "api20", [HYDROMETER, TEMPERATURE], ["temperature", "density20", "api"], ["fahrenheit"]),
    ("api20_density", "api20-density", [API, TEMPERATURE], ["temperature", "density20", "actual_density"],
     ["fahrenheit"]),
    ("api15", "api15", [HYDROMETER, TEMPERATURE], ["density15", "api"], ["fahrenheit", "group", "glass"]),
    ("api15_density", "api15-density", [API, TEMPERATURE], ["density15", "actual_density"],
     ["fahrenheit", "group", "glass"]),
]

OPTION_VALUES = {
    "fahrenheit": [False, True],
    "group": ["crude", "products", "lube"],
    "glass": [True, False],
    "volume_unit": ["m3", "gal", "bbl"],
    # off, or a pressure (sometimes beyond the range) in each unit
    "pressure": [None, ("MPa", 3.5), ("bar", 104.0), ("at", -0.5), ("psi", 2000.25)],
}


def command_line_options(options):
    args = []
    for name, value in options.items():
        if name == "fahrenheit" and value:
            args.append("--fahrenheit")
        elif name == "glass" and not value:
            args.append("--no-glass")
        elif name in ("group", "volume_unit"):
            args += [f"--{name.replace('_', '-')}", value]
        elif name == "pressure" and value:
            args += ["--pressure", repr(value[1]), "--pressure-unit", value[0]]
    return args


def python_options(options):
    out = dict(options)
    if out.get("pressure"):
        unit, value = out.pop("pressure")
        out.update(pressure=value, pressure_unit=unit)
    return out


def field(x):
    return "" if np.isnan(x) else repr(float(x))


def rows(columns):
    return ([field(x) for x in row] for row in zip(*columns))


def run_batch(program, command, lines, options):
    """The batch output lines (as dicts) and the exit status under --strict."""
    text = io.StringIO()
    text.write("command,a1,a2,a3,a4\n")
    for line in lines:
        text.write(command + "," + ",".join(line) + "\n")
    done = subprocess.run(
        [program, "--decimal", ".", "--lang", "en", "--strict", "--threads", "2", *command_line_options(options),
         "batch", "-"],
        input=text.getvalue().encode(), capture_output=True, check=False)
    assert done.returncode in (0, 2, 3), done.stderr.decode()
    table = list(csv.reader(io.StringIO(done.stdout.decode())))
    return {name: column for name, column in zip(table[0], zip(*table[1:]))}, done.returncode


def numbers(column):
    """A printed column as numbers, NaN where nothing is printed."""
    return np.array(["nan" if text == "" else text for text in column]).astype(float)


def split(total, parts):
    return [total // parts + (1 if k < total % parts else 0) for k in range(parts)]


def check_same(program, name, command, results, options, columns):
    r = getattr(vantorel, name)(*columns, **python_options(options))
    printed_columns, exit_status = run_batch(program, command, rows(columns), options)
    assert len(printed_columns["error"]) == len(columns[0])
    for result in results:
        printed = numbers(printed_columns[result])
        mismatch = ~((printed == getattr(r, result)) | (np.isnan(printed) & np.isnan(getattr(r, result))))
        assert not mismatch.any(), (result, options, [c[mismatch][:3] for c in columns])
    errors = np.array(printed_columns["error"], dtype=object)
    assert (errors == r.error).all(), (options, errors[errors != r.error][:3], r.error[errors != r.error][:3])
    # the statuses: the worst is the exit status; the failed checks alone exit with 2
    assert exit_status == int(r.status.max())
    checks = r.status == vantorel.Status.CHECK_FAILED
    if checks.any():
        assert run_batch(program, command, rows(c[checks] for c in columns), options)[1] == 2
    return r.status


@pytest.mark.parametrize("name, command, ranges, results, option_names", CALCULATORS, ids=[c[0] for c in CALCULATORS])
def test_calculator_gives_what_the_command_line_prints(english, calc_program, name, command, ranges, results,
                                                       option_names):
    # every value of every option, in rotation (the runs stay few)
    values = [OPTION_VALUES[o] for o in option_names]
    combos = [[v[k % len(v)] for v in values] for k in range(2 * max(len(v) for v in values))]
    statuses = []
    for combo, n in zip(combos, split(INPUTS, len(combos))):
        columns = [readings(n, *r) for r in ranges]
        statuses.append(check_same(calc_program, name, command, results, dict(zip(option_names, combo)), columns))
    seen = set(np.concatenate(statuses).tolist())
    assert int(vantorel.Status.OK) in seen and int(vantorel.Status.CHECK_FAILED) in seen


UNITS = {"temperature": ["C", "F"], "volume": ["m3", "gal", "bbl"], "pressure": ["MPa", "bar", "at", "psi"]}


def test_convert_gives_what_the_command_line_prints(english, calc_program):
    pairs = [(q, a, b) for q, units in UNITS.items() for a in units for b in units]
    for (quantity, a, b), n in zip(pairs, split(INPUTS, len(pairs))):
        values = readings(n, -1e5, 1e5)
        r = vantorel.convert(quantity, values, a, b)
        printed, _ = run_batch(calc_program, "convert", ([quantity, field(v), a, b] for v in values), {})
        np.testing.assert_array_equal(numbers(printed[quantity]), r.value)
        np.testing.assert_array_equal(np.array(printed["error"], dtype=object), r.error)
