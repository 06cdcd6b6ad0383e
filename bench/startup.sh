#!/usr/bin/env bash
# Start-up time of the program: from launch to the main window shown, with a fresh home
# folder (the small city database, the default settings) under a virtual display.
# Prints each run and the median in milliseconds. Usage: bench/startup.sh [RUNS] [BUILD]
set -euo pipefail
runs="${1:-7}"
build="${2:-$(cd "$(dirname "$0")/.." && pwd)/build}"
program="$build/app/velkaris"
home="$(mktemp -d)"
config="$(mktemp -d)"
trap 'rm -rf "$home" "$config"' EXIT
times=()
for ((i = 0; i < runs; i++)); do
    t=$(XDG_CONFIG_HOME="$config" VELKARIS_STARTUP_PROBE=1 \
        xvfb-run -a -s "-screen 0 1920x1080x24" "$program" --home "$home" 2>/dev/null |
        awk '/^startup_ms/ {print $2}')
    echo "run $((i + 1)): ${t} ms"
    times+=("$t")
done
printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR] = $1} END {print "median: " a[int((NR + 1) / 2)] " ms"}'
