"""The module under test is the one of the build tree: PYTHONPATH=<build>/python,
and VANTOREL_CALC names the vantorel-calc built beside it."""

import os
import pathlib

import pytest

vantorel = pytest.importorskip("vantorel", reason="the module vantorel is not on PYTHONPATH")


@pytest.fixture(scope="session")
def calc_program():
    path = os.environ.get("VANTOREL_CALC")
    if not path:
        path = str(pathlib.Path(vantorel.__file__).resolve().parent.parent / "bin" / "vantorel-calc")
    if not os.access(path, os.X_OK):
        pytest.skip(f"vantorel-calc not found at {path} (set VANTOREL_CALC)")
    return path


@pytest.fixture
def english():
    vantorel.set_language("en")
    yield
    vantorel.set_language("ru")
