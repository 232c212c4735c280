"""Shared fixtures of the Python module's tests. The build tree's package is found through
PYTHONPATH, which the CTest sets."""

import pytest

import vivuzazadur as vvz


@pytest.fixture
def en():
    return vvz.Formatter("en-US")


@pytest.fixture
def de():
    return vvz.Formatter("de-DE", locale_numbers=True)
