#!/usr/bin/env python3
"""Adds the spellings people type for the symbol texts that hold ², ³, µ or °: m2, kg/m3, um,
m/s^2, ºC, ˚F.

Every text that a locale enters for a symbol (the symbol's own text, every form of a unit's name
of a name symbol, then its alternates) and that holds ², ³, µ or μ gets the spellings with 2,
3 and u in their place, and with ^2 and ^3, as further alternates of the same symbol; one that
holds ° gets the spellings with º (U+00BA) and ˚ (U+02DA), the degree signs of other keyboards.
The caret spelling matters where the text before the power is itself a symbol: «m/s^2» would
otherwise read as the square of «m/s». They go in
translations/<locale>/ViVuzaZadurUI_units_parsing_alternate_symbols.ts,
marked by a translator comment "generated from «...»". A spelling that the locale already reads
as the same unit is not added again. A spelling is left out, and listed at the end of the
locale's CLASHES.md, when
  - it equals a text that the locale reads as another unit, or a fixed text of the parser;
  - it differs only in case from a text that the locale reads as another unit;
  - the symbol already has the ten alternates a symbol can have.
A locale reads the fixed texts, its own texts and en-US's (CLASHES.md tells how), so an en-US
spelling must also be safe in every other locale.

Usage: typed_spellings.py [--check]
Without arguments the files are rewritten; running it again changes nothing. With --check
nothing is written, and the exit status is 1 when a file differs from what it would write.
"""

import re
import sys
from pathlib import Path
from xml.etree import ElementTree
from xml.sax.saxutils import escape

ROOT = Path(__file__).resolve().parent.parent
TRANSLATIONS = ROOT / "translations"
ALTERNATES = "ViVuzaZadurUI_units_parsing_alternate_symbols.ts"
MAX_ALTERNATES = 10
TYPED = [str.maketrans({"²": "2", "³": "3", "µ": "u", "μ": "u"}),
         str.maketrans({"²": "^2", "³": "^3", "µ": "u", "μ": "u"})]
# The degree sign's look-alikes of other keyboards, the ordinal indicator and the ring, in the
# texts of symbols («ºC»); names, which people do not type with them, get none.
DEGREES = [str.maketrans({"°": "º"}), str.maketrans({"°": "˚"})]
MARK = "generated from"  # the translator comment of the spellings written here
GENERATED = MARK + " «{}»"
SECTION = "## Typed spellings not added"
FIXED = -1  # the unit of a text that a fixed text of the parser holds


def read(path):
    return (ROOT / path).read_text(encoding="utf-8")


class Catalogue:
    """Groups, units and symbols in catalogue order, with the keys and names of the symbols."""

    def __init__(self):
        self.group_names = dict(
            (int(i, 16), name) for i, name in re.findall(
                r'GROUP\(0x([0-9a-f]+), "(\w+)"', read("coreunits/catalogue/Groups.inc")))
        self.symbols = []  # (symbol id, global name) in catalogue order
        self.keys = {}  # symbol id -> (kind, key), as the name tables derive them
        self.unit_names = {}
        for unit, name, listed, english in re.findall(
                r'UNIT\(0x([0-9a-f]+),\s*"(\w+)",.*"([^"]*)", "([^"]*)"\)',
                read("coreunits/catalogue/Units.inc")):
            unit = int(unit, 16)
            self.unit_names[unit] = english
            names = [name + "_Name"] + [name + "_Name%d" % (n + 2) if s == "-" else s
                                        for n, s in enumerate(listed.split())]
            self.symbols += [((n + 1) << 20 | unit, g) for n, g in enumerate(names)]
            self.keys[1 << 20 | unit] = ("UnitName", "")
            for n, s in enumerate(listed.split()):
                self.keys[(n + 2) << 20 | unit] = ("UnitName", "") if s == "-" else (
                    "Translated", "eS" + s)
        # Feet-and-inches and degrees-minutes-seconds symbols enter their alternates only.
        ids = dict((g, i) for i, g in self.symbols)
        self.composite = set(ids[name] for name in re.findall(
            r'\{Symbols::(\w+), Kind::(?:FeetInches|DegreesMinutesSeconds)',
            read("units/UnitSymbolTable.cpp")))
        registry = read("units/symbols/parse/ParseSymbolRegistry.cpp")
        self.fixed = set(text.encode().decode("unicode_escape")
                         for texts in re.findall(r"Fixed<\w+>\(\{([^}]*)\}\)", registry)
                         for text in re.findall(r'L"((?:[^"\\]|\\.)*)"', texts))
        self.order = dict((g, n) for n, (_, g) in enumerate(self.symbols))
        self.global_names = dict(self.symbols)
        self.symbol_ids = dict((g, s) for s, g in self.symbols)
        if set(self.keys) != set(self.global_names):
            sys.exit("the catalogue and the symbol keys do not list the same symbols")

    def context(self, symbol):
        return "UnitSymbol_" + self.group_names[symbol & 0xff000]

    def unit_name(self, unit):
        return "a fixed text" if unit == FIXED else self.unit_names[unit]


def translations(path):
    """(context, source) -> message element of a .ts file."""
    found = {}
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.find("name").text
        for message in context.iter("message"):
            found[(name, message.find("source").text)] = message
    return found


class Locale:
    def __init__(self, catalogue, name):
        self.catalogue, self.name = catalogue, name
        folder = TRANSLATIONS / name
        names = translations(folder / "ViVuzaZadurUI.ts")
        symbols = translations(folder / "ViVuzaZadurUI_units_symbols.ts")
        self.path = folder / ALTERNATES
        self.lines = self.path.read_text(encoding="utf-8").split("\n")
        self.messages = {}  # symbol global name -> {n: (message line, text)}, written by hand
        for line in self.lines:
            match = re.match(r"<message><source>eS(.+)_Alternate(\d+)</source>", line)
            message = ElementTree.fromstring(line) if match else None
            if match and not (message.findtext("translatorcomment") or "").startswith(MARK):
                self.messages.setdefault(match[1], {})[int(match[2])] = (
                    line, message.findtext("translation"))
        self.added = []  # (symbol, n, text, spelling)
        self.skipped = []  # (unit, text, spelling, reason)
        # The texts each symbol enters, in the order the locale's table enters them, and whether
        # each is a form of a name.
        self.entries = []
        for symbol, global_name in catalogue.symbols:
            if symbol & 0xff000 == 0x1000:  # the dimensionless group enters nothing
                continue
            kind, key = catalogue.keys[symbol]
            context = catalogue.context(symbol)
            if symbol not in catalogue.composite:
                english = catalogue.unit_names[symbol & 0xfffff]
                name = self.texts(names, "UnitType", english) or [english]
                if kind == "UnitName":
                    text = name[0]
                elif kind == "Literal":
                    text = key
                else:
                    text = (self.texts(symbols, context, key) or [key])[0]
                # A name symbol enters every form of the name; any other symbol its one text.
                is_name = kind == "UnitName" and text == name[0]
                for form in name if is_name else [text]:
                    self.entries.append((symbol, form, is_name))
            for _, (_, text) in sorted(self.messages.get(global_name, {}).items()):
                if text:
                    self.entries.append((symbol, text, False))

    @staticmethod
    def texts(messages, context, source):
        """The translation of a message, or the numerus forms of one, each once; [] for none."""
        message = messages.get((context, source))
        if message is None:
            return []
        translation = message.find("translation")
        forms = [form.text for form in translation.iter("numerusform")] or [translation.text]
        return list(dict.fromkeys(form for form in forms if form))

    def own(self):
        """Text -> unit of the locale's own texts: the first symbol to enter a text keeps it."""
        reads = {}
        entered = [(symbol, text) for symbol, text, _ in self.entries]
        entered += [(symbol, spelling) for symbol, _, _, spelling in self.added]
        for symbol, text in entered:
            reads.setdefault(text, FIXED if text in self.catalogue.fixed else symbol & 0xfffff)
        return reads


class Reading:
    """What a locale reads: a text's unit, and the units of texts that differ only in case."""

    def __init__(self, catalogue, own, english):
        self.units = dict((text, FIXED) for text in catalogue.fixed)
        for reads in (own, english):
            for text, unit in reads.items():
                self.units.setdefault(text, unit)
        self.folded = {}
        for text, unit in self.units.items():
            if unit != FIXED:
                self.folded.setdefault(text.casefold(), {})[text] = unit

    def objection(self, spelling, unit, catalogue):
        """Why the spelling may not enter as the unit, or None; "" when it reads so already."""
        if spelling in self.units:
            other = self.units[spelling]
            if other == unit:
                return ""
            return "equals a text that reads as %s" % catalogue.unit_name(other)
        for text, other in sorted(self.folded.get(spelling.casefold(), {}).items()):
            if other != unit:
                return "differs only in case from «%s», %s" % (text, catalogue.unit_name(other))
        return None

    def add(self, spelling, unit):
        self.units[spelling] = unit
        self.folded.setdefault(spelling.casefold(), {})[spelling] = unit


def generate(catalogue, locale, readings):
    """Adds the locale's spellings. The first reading is the locale's own; the others are those
    of the locales that read its texts as well."""
    numbers = dict((g, max(m)) for g, m in locale.messages.items())
    for symbol, text, is_name in locale.entries:
        typed = TYPED if is_name else TYPED + DEGREES
        for spelling in dict.fromkeys(text.translate(t) for t in typed):
            add(catalogue, locale, readings, numbers, symbol, text, spelling)


def add(catalogue, locale, readings, numbers, symbol, text, spelling):
    unit = symbol & 0xfffff
    objections = [r.objection(spelling, unit, catalogue) for r in readings]
    if spelling == text or objections[0] == "":
        return
    reason = next((o for o in objections if o), None)
    global_name = catalogue.global_names[symbol]
    if reason is None and numbers.get(global_name, 0) >= MAX_ALTERNATES:
        reason = "the symbol has its ten alternates already"
    if reason is not None:
        if (unit, text, spelling, reason) not in locale.skipped:
            locale.skipped.append((unit, text, spelling, reason))
        return
    numbers[global_name] = numbers.get(global_name, 0) + 1
    locale.added.append((symbol, numbers[global_name], text, spelling))
    for reading in readings:
        reading.add(spelling, unit)


def alternates_file(catalogue, locale):
    """The alternates file: contexts in group order, each symbol's alternates in catalogue order
    and by number, the generated ones after those written by hand."""
    by_context = {}
    for global_name, messages in locale.messages.items():
        symbol = catalogue.symbol_ids[global_name]
        for n, (line, _) in messages.items():
            by_context.setdefault(catalogue.context(symbol), []).append(
                ((catalogue.order[global_name], n), line))
    for symbol, n, text, spelling in locale.added:
        global_name = catalogue.global_names[symbol]
        line = ("<message><source>eS%s_Alternate%d</source><extracomment>%s</extracomment>"
                "<translatorcomment>%s</translatorcomment><translation>%s</translation></message>"
                % (global_name, n, escape(catalogue.unit_names[symbol & 0xfffff]),
                   escape(GENERATED.format(text)), escape(spelling)))
        by_context.setdefault(catalogue.context(symbol), []).append(
            ((catalogue.order[global_name], n), line))
    first = locale.lines.index("<context>")
    last = len(locale.lines) - locale.lines[::-1].index("</context>")
    body = []
    for group, name in catalogue.group_names.items():
        context = "UnitSymbol_" + name
        if context in by_context:
            body += ["<context>", "<name>%s</name>" % context]
            body += [line for _, line in sorted(by_context[context])]
            body += ["</context>"]
    return "\n".join(locale.lines[:first] + body + locale.lines[last:])


def clashes_file(catalogue, locale):
    path = TRANSLATIONS / locale.name / "CLASHES.md"
    kept = path.read_text(encoding="utf-8").split("\n" + SECTION + "\n")[0].rstrip("\n")
    lines = [kept, "", SECTION, "",
             "scripts/typed_spellings.py adds, for every text with ², ³ or µ, the spellings with 2, 3",
             "or u and with ^2 or ^3 that people type (m2, kg/m3, um, m/s^2), and for every text with",
             "°, the spellings with the look-alikes º and ˚ (ºC, ˚F), as alternates of the same symbol.",
             "It leaves out the spellings below, which would read as another unit, differ from one",
             "only in case, or find the symbol with its ten alternates already.",
             ""]
    for unit, text, spelling, reason in locale.skipped:
        lines.append("- «%s» for «%s» (%s): %s." % (spelling, text, catalogue.unit_names[unit],
                                                    reason))
    if not locale.skipped:
        lines.append("None is left out.")
    return path, "\n".join(lines) + "\n"


def main(arguments):
    check = arguments == ["--check"]
    if arguments and not check:
        print(__doc__, file=sys.stderr)
        return 2
    catalogue = Catalogue()
    names = sorted(p.name for p in TRANSLATIONS.iterdir() if (p / ALTERNATES).exists())
    locales = dict((name, Locale(catalogue, name)) for name in names)
    english = locales["en-US"]
    others = [locales[name] for name in names if name != "en-US"]
    # en-US's spellings are read by every locale; each locale's own only by itself.
    generate(catalogue, english, [Reading(catalogue, english.own(), {})] +
             [Reading(catalogue, other.own(), english.own()) for other in others])
    for locale in others:
        generate(catalogue, locale, [Reading(catalogue, locale.own(), english.own())])
    stale = []
    for locale in locales.values():
        for path, content in [(locale.path, alternates_file(catalogue, locale)),
                              clashes_file(catalogue, locale)]:
            if path.read_text(encoding="utf-8") != content:
                stale.append(path)
                if not check:
                    path.write_text(content, encoding="utf-8")
    for path in stale:
        print("%s %s" % ("out of date:" if check else "written:", path.relative_to(ROOT)))
    return 1 if check and stale else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
