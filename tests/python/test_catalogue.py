"""The catalogue lookups and the named ids."""

import keyword

import pytest

import vivuzazadur as vvz
from vivuzazadur import Groups, Symbols, Units


@pytest.mark.parametrize(
    "view, key, expected",
    [
        (vvz.units, "ft", Units.Foot),
        (vvz.units, "Foot", Units.Foot),
        (vvz.units, Units.Foot, Units.Foot),
        (vvz.units, Symbols.Foot_Prime, Units.Foot),
        (vvz.units, "kN*m", Units.KilonewtonMeter),
        (vvz.groups, "Length", Groups.Length),
        (vvz.groups, "ft", Groups.Length),
        (vvz.symbols, Symbols.Inch_FootPrimeInchDoublePrime_Fraction,
         Symbols.Inch_FootPrimeInchDoublePrime_Fraction),
        (vvz.symbols, "Foot_Prime", Symbols.Foot_Prime),
        (vvz.symbols, "Inch", vvz.Formatter().default_symbol("Inch")),
    ],
)
def test_lookup_by_id_global_name_or_text(view, key, expected):
    assert view[key].id == expected
    assert key in view
    assert view.get(key).id == expected


@pytest.mark.parametrize("view", [vvz.units, vvz.groups, vvz.symbols])
@pytest.mark.parametrize("key", ["no such unit", 0x7FFFFFF, 0])
def test_unknown_keys(view, key):
    with pytest.raises(KeyError):
        view[key]
    assert key not in view
    assert view.get(key, "fallback") == "fallback"


def test_entries_describe_the_catalogue():
    foot = vvz.units["ft"]
    assert (foot.global_name, foot.name, foot.group) == ("Foot", "foot", Groups.Length)
    assert list(foot.dimension) == [1, 0, 0, 0, 0, 0, 0]
    assert Symbols.Foot_Prime in foot.symbols
    assert all(vvz.symbols[s].unit == Units.Foot for s in foot.symbols)
    assert Units.Foot in vvz.groups["Length"].units
    assert vvz.symbols[Symbols.Foot_Prime].text == "′"
    assert vvz.symbols["ft"].unit == Units.Foot


@pytest.mark.parametrize(
    "view, ids", [(vvz.groups, Groups), (vvz.units, Units), (vvz.symbols, Symbols)]
)
def test_every_entry_has_its_named_id(view, ids):
    entries = list(view)
    assert len(entries) == len(view) == len(view.ids()) > 10
    names = {name: value for name, value in vars(ids).items() if not name.startswith("__")}
    assert len(names) == len(entries)
    for entry in entries:
        identifier = "".join(c if c.isalnum() or c == "_" else "_" for c in entry.global_name)
        if identifier[0].isdigit():
            identifier = "_" + identifier
        if keyword.iskeyword(identifier):
            identifier += "_"
        assert names[identifier] == entry.id, entry
