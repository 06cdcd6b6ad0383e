#!/usr/bin/env python3
"""Builds the country, zone and daylight-saving tables of share/velkaris/data from the
tz database source archive in this folder.

    python3 tools/data/make_tables.py            # writes the tables
    python3 tools/data/make_tables.py --list-zones

Needs python3, tar, make, awk, zic and zdump (the last two come with the C library);
no network. The Hungarian names come from hu-country-names.tsv and hu-zone-names.tsv
(see extract-hu-names.mjs). The output is the same on every run for the same inputs.
"""

import argparse
import collections
import datetime
import glob
import os
import re
import subprocess
import sys
import tempfile
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
OUT = os.path.join(ROOT, "share", "velkaris", "data")

LAST_YEAR = 2037
# The year whose rules say whether a zone keeps daylight saving today and which standard
# offset it has now.
CURRENT_YEAR = 2026

# The program's own code for Hungary; every other country has its ISO 3166 code.
COUNTRY_CODE_OVERRIDES = {"HU": "H"}
# Hungary and its neighbours: the rule table of the small city database.
SMALL_COUNTRIES = {"HU", "AT", "SK", "UA", "RO", "RS", "HR", "SI"}

# Zones of the backzone file that zone.tab does not list: the country each lies in and
# the rough latitude and longitude of its city. Where the zone begins with local mean
# time the longitude of that mean time is used instead. Atlantic/Jan_Mayen and
# Pacific/Johnston are left out: the file gives each one offset and no history, and
# their countries keep the zones of zone.tab.
EXTRA_ZONES = {
    "Africa/Timbuktu": ("ML", 16.77, -3.01),
    "America/Argentina/ComodRivadavia": ("AR", -45.87, -67.5),
    "America/Coral_Harbour": ("CA", 64.14, -83.17),
    "America/Ensenada": ("MX", 31.87, -116.6),
    "America/Montreal": ("CA", 45.5, -73.57),
    "America/Nipigon": ("CA", 49.02, -88.27),
    "America/Pangnirtung": ("CA", 66.15, -65.72),
    "America/Rainy_River": ("CA", 48.72, -94.57),
    "America/Rosario": ("AR", -32.95, -60.67),
    "America/Thunder_Bay": ("CA", 48.38, -89.25),
    "America/Yellowknife": ("CA", 62.45, -114.37),
    "Asia/Chongqing": ("CN", 29.57, 106.58),
    "Asia/Hanoi": ("VN", 21.03, 105.85),
    "Asia/Harbin": ("CN", 45.75, 126.68),
    "Asia/Kashgar": ("CN", 39.47, 75.98),
    "Asia/Tel_Aviv": ("IL", 32.08, 34.78),
    "Australia/Currie": ("AU", -39.93, 143.87),
    "Europe/Belfast": ("GB", 54.6, -5.93),
    "Europe/Tiraspol": ("MD", 46.83, 29.63),
    "Europe/Uzhgorod": ("UA", 48.62, 22.3),
    "Europe/Zaporozhye": ("UA", 47.83, 35.17),
    "Pacific/Enderbury": ("KI", -3.13, -171.08),
}

# Hungarian names of places that Hungarians name in their own way.
CITY_OVERRIDES = {
    "America/Argentina/ComodRivadavia": "Comodoro Rivadavia",
    "Asia/Hanoi": "Hanoi",
    "Asia/Jerusalem": "Jeruzsálem",
    "Asia/Tashkent": "Taskent",
    "Europe/Chisinau": "Kisinyov",
    "Europe/Kyiv": "Kijev",
    "Europe/Lisbon": "Lisszabon",
    "Europe/Simferopol": "Szimferopol",
    "Europe/Tiraspol": "Tiraszpol",
    "Europe/Uzhgorod": "Ungvár",
    "Europe/Zaporozhye": "Zaporizzsja",
}

# Shorter names for countries with several zones whose names with a city would not fit
# in 50 characters.
SHORT_COUNTRY_NAMES = {"UM": "Az USA lakatlan külbirtokai", "US": "Egyesült Államok"}

REGION_NAMES = {
    "Africa": "Afrika",
    "America": "Amerika",
    "Antarctica": "Antarktisz",
    "Arctic": "Sarkvidék",
    "Asia": "Ázsia",
    "Atlantic": "Atlanti-óceán",
    "Australia": "Ausztrália",
    "Europe": "Európa",
    "Indian": "Indiai-óceán",
    "Pacific": "Csendes-óceán",
}

WITH_DST = "Nyári időszámítással"
WITHOUT_DST = "Nyári időszámítás nélkül"
EARLIER_ZONES_GROUP = "Korábbi zónaidők"

CEST_COLUMNS = ["CountryCode", "EV", "HO", "NAP", "ORATOL", "NYARIE", "TZOFFSET",
                "TIMEZONECODE", "INFO01", "INFO02", "INFO03"]


class State:
    """One period of a zone: from `start` (UT, None for the first) on, `offset` seconds
    east of UT, abbreviation `abbr`, daylight saving when `dst`."""

    def __init__(self, start, offset, abbr, dst):
        self.start = start
        self.offset = offset
        self.abbr = abbr
        self.dst = dst
        self.standard = None  # the state whose offset is this one's standard offset


class Row:
    def __init__(self, local, state, mark, code=None):
        self.local = local
        self.state = state
        self.mark = mark
        self.code = code or state.abbr


def fail(message):
    sys.exit("make_tables.py: " + message)


def the_archive():
    found = sorted(glob.glob(os.path.join(HERE, "tzdata*.tar.gz")))
    if len(found) != 1:
        fail("expected exactly one tzdata*.tar.gz in " + HERE)
    return found[0]


def compile_zones(work):
    script = os.path.join(HERE, "compile-tzdata.sh")
    out = subprocess.run(["sh", script, the_archive(), work], check=True,
                         capture_output=True, text=True)
    return out.stdout.strip()


def parse_coordinate(text, degree_digits):
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    d = int(digits[:degree_digits])
    m = int(digits[degree_digits:degree_digits + 2])
    s = int(digits[degree_digits + 2:] or 0)
    return sign * (d + m / 60 + s / 3600)


def read_zone_tab(src):
    """(zone, ISO code, latitude, longitude) of every zone that zone.tab lists."""
    zones = []
    with open(os.path.join(src, "zone.tab"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            fields = line.rstrip("\n").split("\t")
            coords = fields[1]
            split = max(coords.rfind("+"), coords.rfind("-"))
            lat = parse_coordinate(coords[:split], 2)
            lon = parse_coordinate(coords[split:], 3)
            zones.append((fields[2], fields[0], lat, lon))
    return zones


def parse_offset(text):
    sign = -1 if text[0] == "-" else 1
    digits = text[1:]
    return sign * (int(digits[0:2]) * 3600 + int(digits[2:4] or 0) * 60 + int(digits[4:6] or 0))


def parse_clock(date, time):
    parts = [int(p) for p in time.split(":")] + [0, 0]
    return datetime.datetime.fromisoformat(date) + datetime.timedelta(
        hours=parts[0], minutes=parts[1], seconds=parts[2])


def zone_states(zoneinfo, zone):
    """The periods of a zone through 2037, as zdump lists them."""
    out = subprocess.run(["zdump", "-i", "-c", "1000,%d" % (LAST_YEAR + 1),
                          os.path.join(zoneinfo, zone)],
                         check=True, capture_output=True, text=True).stdout
    states = []
    for line in out.splitlines():
        if not line or line.startswith("TZ="):
            continue
        f = line.split("\t")
        offset = parse_offset(f[2])
        abbr = f[3] if len(f) > 3 and f[3] else f[2]
        dst = len(f) > 4 and f[4] == "1"
        if f[0] == "-":
            if states:
                fail("%s: a second first line in zdump's output" % zone)
            states.append(State(None, offset, abbr, dst))
        else:
            local = parse_clock(f[0], f[1])
            states.append(State(local - datetime.timedelta(seconds=offset), offset, abbr, dst))
    if len(states) < 2:
        fail("%s: the zone never changes" % zone)
    # "LMT" in the rule table is the mean time of the place, taken from its longitude. A
    # later period of local mean time (Lagos 1908-1914) keeps its fixed offset under the
    # numeric code of that offset.
    first_zone = next((i for i, s in enumerate(states) if s.abbr != "LMT"), len(states))
    for s in states[first_zone:]:
        if s.abbr == "LMT":
            s.abbr = numeric_abbr(s.offset)
    for i, s in enumerate(states):
        s.standard = s if not s.dst else standard_of_daylight_saving(states, i)
    return states


def standard_of_daylight_saving(states, i):
    """The standard time under daylight-saving period i. zdump gives offsets, not the
    standard offset under them, so it is the standard period just before (or else just
    after) when that lies up to two hours below; otherwise (a standard offset that
    changed with the start of daylight saving, as in Argentina in 1999) one hour below."""
    s = states[i]
    before = [t for t in states[:i] if not t.dst and t.abbr not in ("LMT", "-00")]
    after = [t for t in states[i + 1:] if not t.dst]
    for t in before[-1:] + after[:1]:
        if 0 < s.offset - t.offset <= 7200:
            return t
    offset = s.offset - 3600
    return State(None, offset, numeric_abbr(offset), False)


def numeric_abbr(offset):
    """The tz database's numeric abbreviation of an offset: -03, +0530, +001335."""
    sign = "-" if offset < 0 else "+"
    h, rest = divmod(abs(offset), 3600)
    m, sec = divmod(rest, 60)
    return "%s%02d" % (sign, h) + ("%02d" % m if rest else "") + ("%02d" % sec if sec else "")


def rule_rows(states):
    """The rule rows of one zone, read as the zone resolver reads them.

    The first row is local mean time up to the end of the mean-time era (or, for a place
    that was uninhabited, the tz database's "-00" up to its first zone). A daylight-saving
    start or end gives two rows marked DSTS or DSTE: the state in force until the change,
    dated at the change on the old clock, and the state after it, dated at the change on
    the new clock. Any other change (of the standard offset or of the zone's name) gives
    one unmarked row dated at the change on the new clock."""
    first = 1
    while states[0].abbr == "LMT" and states[first].abbr == "LMT":
        first += 1
    initial = states[first - 1]

    def clock(state, at):
        return at + datetime.timedelta(seconds=state.offset)

    rows = [Row(clock(initial, states[first].start), initial, "")]
    for k in range(first, len(states)):
        before, after = states[k - 1], states[k]
        at = after.start
        mark = "DSTS" if after.dst and not before.dst else \
            "DSTE" if before.dst and not after.dst else ""
        if mark and k != first:
            rows.append(Row(clock(before, at), before, mark))
        rows.append(Row(clock(after, at), after, mark))
    return [r for r in rows if r.local.year <= LAST_YEAR]


def offset_text(seconds):
    sign = "-" if seconds < 0 else "+"
    h, rest = divmod(abs(seconds), 3600)
    m, s = divmod(rest, 60)
    return "%s%02d:%02d" % (sign, h, m) + (":%02d" % s if s else "")


def amount_text(seconds):
    h, rest = divmod(seconds, 3600)
    return "%d:%02d" % (h, rest // 60)


def clock_text(t):
    return "%d:%02d" % (t.hour, t.minute) + (":%02d" % t.second if t.second else "")


def minutes_of(seconds):
    """Whole minutes of an offset, the seconds dropped toward zero, as the zone resolver
    reads an offset text."""
    m = abs(seconds) // 60
    return -m if seconds < 0 else m


def utc_delta_text(minutes):
    """The offset as the zone table writes it: UTC, UTC + 1, UTC - 3:30."""
    if minutes == 0:
        return "UTC"
    return "UTC " + hours_minutes_text(minutes)


def hours_minutes_text(minutes):
    h, m = divmod(abs(minutes), 60)
    return ("+ " if minutes > 0 else "- ") + ("%d:%02d" % (h, m) if m else "%d" % h)


def to_code_page(text):
    """The text in Windows-1250: letters the code page lacks lose their accents."""
    out = []
    for ch in text:
        try:
            ch.encode("cp1250")
            out.append(ch)
        except UnicodeEncodeError:
            base = unicodedata.normalize("NFKD", ch).encode("ascii", "ignore").decode()
            out.append(base or "?")
    return "".join(out)


def write_table(name, header, rows):
    lines = [";".join(header)] + [";".join(str(v) for v in row) for row in rows]
    for line in lines:
        for value in line.split(";"):
            if len(value) > 50:
                fail("%s: value longer than 50 characters: %s" % (name, value))
    data = "".join(to_code_page(line) + "\r\n" for line in lines).encode("cp1250")
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)
    return len(data)


def read_tsv(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        return [line.rstrip("\n").split("\t") for line in f
                if line.strip() and not line.startswith("#")]


class Names:
    def __init__(self):
        self.country = {code: name for code, name in read_tsv("hu-country-names.tsv")}
        self.long = collections.defaultdict(list)
        self.generic = {}
        self.city = {}
        for f in read_tsv("hu-zone-names.tsv"):
            if f[0] == "long":
                years = set()
                for part in f[4].split(","):
                    first, _, last = part.partition("-")
                    years.update(range(int(first), int(last or first) + 1))
                self.long[(f[1], int(f[2]))].append((f[3], years))
            elif f[0] == "generic":
                self.generic[f[1]] = f[2]
            elif f[0] == "city" and f[1] not in EXTRA_ZONES:
                # CLDR knows the zones of the backzone file only as other zones' names.
                self.city[f[1]] = f[2]

    def city_of(self, zone, iso):
        if zone in CITY_OVERRIDES:
            return CITY_OVERRIDES[zone]
        city = self.city.get(zone)
        if city and city != self.country.get(iso):
            return city
        return zone.rsplit("/", 1)[1].replace("_", " ")


def zone_list(src):
    zones = [(zone, iso, lat, lon) for zone, iso, lat, lon in read_zone_tab(src)]
    listed = {z[0] for z in zones}
    for zone, (iso, lat, lon) in sorted(EXTRA_ZONES.items()):
        if zone in listed:
            fail(zone + " is in zone.tab now; drop it from EXTRA_ZONES")
        if not os.path.exists(os.path.join(src, "..", "zoneinfo", zone)):
            fail(zone + " is no longer a zone of its own")
        zones.append((zone, iso, lat, lon))
    return zones


class Country:
    def __init__(self, zone, iso, lat, lon):
        self.zone = zone
        self.iso = iso
        self.lat = lat
        self.lon = lon
        self.code = None
        self.name = None
        self.states = None
        self.rows = None


def assign_codes(countries, names):
    by_iso = collections.defaultdict(list)
    for c in countries:
        by_iso[c.iso].append(c)
    for iso, members in by_iso.items():
        base = COUNTRY_CODE_OVERRIDES.get(iso, iso)
        country_name = names.country.get(iso) or fail("no Hungarian name for " + iso)
        for c in members:
            if len(members) == 1:
                c.code, c.name = base, country_name
            else:
                c.code = base + "-" + c.zone.rsplit("/", 1)[1]
                short_name = SHORT_COUNTRY_NAMES.get(iso, country_name)
                c.name = "%s (%s)" % (short_name, names.city_of(c.zone, iso))
    codes = [c.code.lower() for c in countries]
    if len(set(codes)) != len(codes):
        fail("country codes are not unique")


def years_between(start, end, low, high):
    """Years of [start, end) that fall within [low, high); None is the beginning."""
    a = max(start.year + start.timetuple().tm_yday / 366 if start else low, low)
    b = min(end.year + end.timetuple().tm_yday / 366 if end else high, high)
    return max(b - a, 0)


def zone_table_rows(countries, names):
    """The rows of table.timezone.v2.dat: every (zone code, offset) of the rule rows,
    grouped by offset, the zones in use since 1970 first. Each use counts by the years it
    lasted between 1900 and 2038."""
    uses = collections.Counter()
    recent = collections.Counter()
    dst_uses = collections.Counter()
    partners = collections.defaultdict(collections.Counter)
    votes = collections.defaultdict(collections.Counter)
    for c in countries:
        for k, s in enumerate(c.states):
            if s.abbr == "LMT":
                continue
            end = c.states[k + 1].start if k + 1 < len(c.states) else None
            years = years_between(s.start, end, 1900, LAST_YEAR + 1)
            key = (s.abbr, minutes_of(s.offset))
            uses[key] += years
            recent[key] += years_between(s.start, end, 1970, LAST_YEAR + 1)
            if s.dst:
                dst_uses[key] += years
                partners[key][(s.standard.abbr, minutes_of(s.standard.offset))] += years
            # Numeric codes stand for many unrelated zones: they keep a neutral name.
            if not is_numeric(s.abbr):
                span = set(range(s.start.year if s.start else 1900,
                                 (end.year if end else LAST_YEAR) + 1))
                for name, name_years in names.long.get((c.zone, s.offset), []):
                    if span & name_years:
                        votes[key][name] += len(span & name_years)

    def display_name(key):
        if votes[key]:
            return max(votes[key].items(), key=lambda kv: (kv[1], kv[0]))[0]
        kind = "nyári idő" if dst_uses[key] * 2 > uses[key] else "zónaidő"
        return "%s %s" % (utc_delta_text(key[1]), kind)

    def standard_of(key):
        # A code that is daylight saving in one zone and standard time in another (-02 is
        # Brazil's summer and Fernando de Noronha's standard time) keeps its pairing.
        if not partners[key]:
            return ""
        code, minutes = max(partners[key].items(), key=lambda kv: (kv[1], kv[0]))[0]
        return code if minutes == 0 else "%s %s" % (code, hours_minutes_text(minutes))

    def zone_row(key):
        abbreviations = "" if is_numeric(key[0]) else key[0]
        return [key[0], display_name(key), abbreviations, utc_delta_text(key[1]),
                standard_of(key)]

    order = lambda key: (key[1], -recent[key], -uses[key], key[0])
    current = sorted((k for k in uses if recent[k] > 0), key=order)
    earlier = sorted((k for k in uses if recent[k] == 0), key=order)
    rows, group = [], None
    for key in current:
        if key[1] != group:
            group = key[1]
            rows.append([utc_delta_text(group), "", "", "", ""])
        rows.append(zone_row(key))
    rows.append([EARLIER_ZONES_GROUP, "", "", "", ""])
    rows.extend(zone_row(key) for key in earlier)
    return rows


def is_numeric(abbr):
    return abbr.lstrip("+-").isdigit()


def first_version_rows(countries, names):
    """The rows of table.timezone.dat: GMT for a missing code, then every IANA zone of a
    country with its standard offset and daylight saving of today."""
    rows = [["GMT", "greenwichi középidő", 0, "", WITHOUT_DST]]
    for c in sorted(countries, key=lambda c: c.zone):
        now = [s for s in c.states if s.start is None or s.start.year <= CURRENT_YEAR]
        in_year = [s for s in c.states if s.start and s.start.year == CURRENT_YEAR]
        standard = now[-1].standard
        minutes = minutes_of(standard.offset)
        h, m = divmod(abs(minutes), 60)
        delta = (-1 if minutes < 0 else 1) * (h * 100 + m)
        dst = any(s.dst for s in in_year) or now[-1].dst
        name = names.generic.get(c.zone) or "%s zónaidő" % utc_delta_text(minutes)
        region = REGION_NAMES.get(c.zone.split("/")[0], "")
        rows.append([c.zone, name, delta, region, WITH_DST if dst else WITHOUT_DST])
    return rows


def cest_rows(countries):
    out = []
    for c in sorted(countries, key=lambda c: c.code.lower()):
        for i, r in enumerate(c.rows):
            s = r.state
            out.append([c.code, r.local.year, r.local.month, r.local.day, clock_text(r.local),
                        amount_text(s.offset - s.standard.offset) if s.dst else "NO",
                        offset_text(s.offset), r.code, r.mark, c.zone if i == 0 else "", ""])
    return out


def write_zone_map(countries):
    """tools/data/zone-country-codes.tsv: the country code of every IANA zone, for the
    city tables."""
    lines = ["# IANA zone, country code of table.country.dat, ISO 3166 code, latitude, "
             "longitude (degrees, north and east positive: zone.tab's, or for a zone "
             "that it does not list a rough position, the longitude taken from its local "
             "mean time), Hungarian name"]
    for c in sorted(countries, key=lambda c: c.zone):
        lines.append("\t".join([c.zone, c.code, c.iso, "%.4f" % c.lat, "%.4f" % c.lon, c.name]))
    with open(os.path.join(HERE, "zone-country-codes.tsv"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def write_attribution(version):
    countries_version = read_first_comment("hu-country-names.tsv")
    zone_names = read_first_comment("hu-zone-names.tsv")
    text = f"""Sources of the country, time-zone and daylight-saving tables in this folder
(table.country.dat, table.timezone.dat, table.timezone.v2.dat, table.cest.v2.dat and its
.small and .long variants), generated by tools/data/make_tables.py:

- The tz database (https://www.iana.org/time-zones), version {version}, as the source
  package of Debian's tzdata carries it, read in its rearguard form with every entry of
  the backzone file, through {LAST_YEAR}. Public domain.
- Hungarian country names: {countries_version[2:]}.
  Copyright (c) 2016 widdix GmbH; the licence text is tools/data/hu-country-names.LICENSE.
- Hungarian zone and city names: {zone_names[2:]}.
  Copyright (c) Unicode, Inc.; the licence text is tools/data/hu-zone-names.LICENSE.

Country codes are the ISO 3166 codes, "H" for Hungary; a country with several zones has
one code per zone: its ISO code, "-" and the zone's city (US-Chicago). Zone codes are the
tz database's abbreviations.
"""
    # Other tables of this folder have their own paragraphs, kept as they are.
    path = os.path.join(OUT, "ATTRIBUTION")
    others = []
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for block in re.split(r"\n(?=Sources of )", f.read()):
                if block.strip() and not block.startswith(text.split("\n", 1)[0]):
                    others.append(block.strip("\n") + "\n")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join([text] + others))
    with open(os.path.join(OUT, "TZDATA_VERSION"), "w", encoding="utf-8") as f:
        f.write(version + "\n")


def read_first_comment(name):
    with open(os.path.join(HERE, name), encoding="utf-8") as f:
        return f.readline().strip()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--list-zones", action="store_true",
                        help="print the IANA zones the tables cover and stop")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        version = compile_zones(work)
        countries = [Country(*z) for z in zone_list(os.path.join(work, "src"))]
        if args.list_zones:
            print("\n".join(c.zone for c in countries))
            return
        names = Names()
        assign_codes(countries, names)
        for c in countries:
            c.states = zone_states(os.path.join(work, "zoneinfo"), c.zone)
            c.rows = rule_rows(c.states)
            if c.zone in EXTRA_ZONES and c.states[0].abbr == "LMT":
                first_row = c.rows[0].state
                c.lon = round(first_row.offset / 240, 4)
    os.makedirs(OUT, exist_ok=True)
    sizes = {}
    countries.sort(key=lambda c: c.code.lower())
    sizes["table.country.dat"] = write_table(
        "table.country.dat", ["CountryCode", "DisplayName", "TimeZoneCode"],
        [[c.code, c.name, c.zone] for c in countries])
    sizes["table.timezone.dat"] = write_table(
        "table.timezone.dat", ["TimeZoneCode", "DisplayName", "Delta", "Group", "Type"],
        first_version_rows(countries, names))
    sizes["table.timezone.v2.dat"] = write_table(
        "table.timezone.v2.dat",
        ["TimeZoneCode", "DisplayName", "Abbreviations", "UTCDelta", "StandardTimeZone"],
        zone_table_rows(countries, names))
    small = cest_rows([c for c in countries if c.iso in SMALL_COUNTRIES])
    sizes["table.cest.v2.dat.long"] = write_table("table.cest.v2.dat.long", CEST_COLUMNS,
                                                  cest_rows(countries))
    sizes["table.cest.v2.dat.small"] = write_table("table.cest.v2.dat.small", CEST_COLUMNS,
                                                   small)
    # The table read when a mode's own file is missing: the whole world, as a link so
    # that it is not shipped twice.
    plain = os.path.join(OUT, "table.cest.v2.dat")
    if os.path.lexists(plain):
        os.remove(plain)
    os.symlink("table.cest.v2.dat.long", plain)
    write_zone_map(countries)
    write_attribution(version)
    for name, size in sorted(sizes.items()):
        print("%-26s %9d bytes" % (name, size))


if __name__ == "__main__":
    main()
