#!/bin/sh
# compile-tzdata.sh ARCHIVE FOLDER
#
# Unpacks a tz database source archive into FOLDER/src, builds its rearguard form with
# every entry of the backzone file (FOLDER/src/rearguard.zi) and compiles that with zic
# into FOLDER/zoneinfo, with transitions written out through 2037. Prints the version of
# the data. Used by make_tables.py and by the zdump comparison test, so that both read
# the same zones.
set -eu

archive=$1
out=$2
mkdir -p "$out/src" "$out/zoneinfo"
tar -xzf "$archive" -C "$out/src"
# The rearguard form keeps daylight saving positive (Irish winter time reads as standard
# time, Irish summer time as daylight saving), which is how the rule table reads it.
make -s -C "$out/src" AWK=awk PACKRATDATA=backzone PACKRATLIST= rearguard.zi >/dev/null
zic -b fat -d "$out/zoneinfo" "$out/src/rearguard.zi"
cat "$out/src/version"
