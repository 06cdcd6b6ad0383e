// Writes the Hungarian names that make_tables.py needs and keeps in this folder, so that
// the tables can be regenerated without network or npm:
//
//   hu-country-names.tsv  ISO 3166 code -> Hungarian country name, from the npm package
//                         i18n-iso-countries (MIT licence, see hu-country-names.LICENSE)
//   hu-zone-names.tsv     Hungarian zone and city names from the CLDR data that the ICU
//                         of Node.js carries (Unicode License v3, see hu-zone-names.LICENSE)
//
// Run from this folder after `npm install i18n-iso-countries` in a scratch folder:
//
//   python3 make_tables.py --list-zones > /tmp/zones.txt
//   NODE_PATH=/tmp/npm/node_modules node extract-hu-names.mjs /tmp/zones.txt
//
// Node.js must have full ICU (the official builds do).

import { readFileSync, writeFileSync } from "node:fs";
import { createRequire } from "node:module";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";

const here = dirname(fileURLToPath(import.meta.url));
const require = createRequire(join(process.env.NODE_PATH ?? here, "x.js"));
const countries = require("i18n-iso-countries");
countries.registerLocale(require("i18n-iso-countries/langs/hu.json"));
const countriesVersion = require("i18n-iso-countries/package.json").version;

const zones = readFileSync(process.argv[2], "utf8").split("\n").filter((z) => z.trim());

const countryLines = [
    `# ISO 3166 code and Hungarian name, from i18n-iso-countries ${countriesVersion} (MIT licence)`,
];
for (const [code, name] of Object.entries(countries.getNames("hu", { select: "official" })).sort())
    countryLines.push(`${code}\t${name}`);
writeFileSync(join(here, "hu-country-names.tsv"), countryLines.join("\n") + "\n");

function partOf(format, date) {
    return format.formatToParts(date).find((p) => p.type === "timeZoneName").value;
}

// "GMT", "GMT+1", "GMT-03:30" as seconds east of UT.
function offsetSeconds(text) {
    const m = /^GMT(?:([+-])(\d{1,2})(?::(\d{2}))?(?::(\d{2}))?)?$/.exec(text);
    if (!m) return null;
    if (!m[1]) return 0;
    const s = Number(m[2]) * 3600 + Number(m[3] ?? 0) * 60 + Number(m[4] ?? 0);
    return m[1] === "-" ? -s : s;
}

const zoneLines = [
    `# Hungarian zone names from the CLDR ${process.versions.cldr} data of ICU ${process.versions.icu}` +
        " (Unicode License v3)",
    "# long: zone, offset in seconds, the zone's name at that offset, the years with that" +
        " name (sampled on the 15th of every month at noon UT)",
    "# generic: zone, the zone's generic name today",
    "# city: zone, the zone's location in Hungarian (a city, or the country), canonical zone",
];
for (const zone of zones) {
    let longName, offsetName, genericName;
    try {
        longName = new Intl.DateTimeFormat("hu", { timeZone: zone, timeZoneName: "long" });
        offsetName = new Intl.DateTimeFormat("hu", { timeZone: zone, timeZoneName: "longOffset" });
        genericName = new Intl.DateTimeFormat("hu", { timeZone: zone, timeZoneName: "longGeneric" });
    } catch {
        continue; // a zone ICU does not know gets the generator's fallback names
    }
    // The years in which the zone had each name at each offset, as ranges.
    const years = new Map();
    for (let year = 1900; year <= 2037; ++year) {
        for (let month = 0; month < 12; ++month) {
            const at = new Date(Date.UTC(year, month, 15, 12));
            const name = partOf(longName, at);
            const offset = offsetSeconds(partOf(offsetName, at));
            if (offset === null || name.startsWith("GMT")) continue;
            const key = `${offset}\t${name}`;
            if (!years.has(key)) years.set(key, new Set());
            years.get(key).add(year);
        }
    }
    for (const [key, set] of [...years].sort()) {
        const ranges = [];
        for (const year of [...set].sort((a, b) => a - b)) {
            const last = ranges[ranges.length - 1];
            if (last && last[1] === year - 1) last[1] = year;
            else ranges.push([year, year]);
        }
        const text = ranges.map(([a, b]) => (a === b ? `${a}` : `${a}-${b}`)).join(",");
        zoneLines.push(`long\t${zone}\t${key}\t${text}`);
    }
    const generic = partOf(genericName, new Date(Date.UTC(2024, 0, 15, 12)));
    if (!generic.startsWith("GMT")) zoneLines.push(`generic\t${zone}\t${generic}`);
    // Before the first metazone CLDR names a zone by its location.
    const location = partOf(genericName, new Date(Date.UTC(1800, 0, 15, 12))).replace(/ idő$/, "");
    const canonical = genericName.resolvedOptions().timeZone;
    if (!location.startsWith("GMT")) zoneLines.push(`city\t${zone}\t${location}\t${canonical}`);
}
writeFileSync(join(here, "hu-zone-names.tsv"), zoneLines.join("\n") + "\n");
