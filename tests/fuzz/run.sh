#!/usr/bin/env bash
# Fuzzes target $3 for the given number of seconds, starting from its seed corpus and from what
# earlier runs in the same build found. Usage: run.sh <fuzz build folder> <seconds> <target>
set -euo pipefail
build=$1
seconds=$2
name=$3
target=$build/$name
if [ ! -x "$target" ]; then
    echo "$target was not built: it needs clang++ with libFuzzer, which tools/setup test" \
        "installs; configure the build again once it is there" >&2
    exit 1
fi
if [ -d "$build/locale/de_DE.UTF-8" ]; then
    export LOCPATH=$build/locale BNG_COMMA_LOCALE=de_DE.UTF-8
fi
mkdir -p "$build/corpus/$name" "$build/artifacts/$name"
exec "$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$name/" \
    "$build/corpus/$name" "$(dirname "$0")/corpus/$name"
