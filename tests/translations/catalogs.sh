#!/usr/bin/env bash
# Every catalog of translations/LINGUAS is complete: Qt's own tools, run on a copy of it, find no
# text of the sources that it lacks (lupdate) and none that it leaves untranslated (lrelease);
# and each translation holds the same %1-style arguments as its English, each as often.
# Usage: catalogs.sh <folder of Qt's tools>
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../harness/session.sh"
tools=$1

start_session
cd "$BNG_SOURCE_DIR"
for language in $(grep -E '^[a-zA-Z]' translations/LINGUAS); do
    catalog=$(ls translations/*_"$language".ts 2>/dev/null) || fail "there is no catalog for $language"
    cp "$catalog" "$work/catalog.ts"
    report=$("$tools/lupdate" -no-obsolete -locations none app game info sound ui \
        -ts "$work/catalog.ts" 2>&1)
    grep -q '(0 new and [0-9]* already existing)' <<<"$report" ||
        { echo "$report" >&2; fail "$catalog lacks texts of the sources"; }
    report=$("$tools/lrelease" "$work/catalog.ts" -qm "$work/catalog.qm" 2>&1)
    grep -q 'Generated [0-9]* translation(s) ([0-9]* finished and 0 unfinished)' <<<"$report" &&
        ! grep -q 'untranslated' <<<"$report" ||
        { echo "$report" >&2; fail "$catalog leaves texts untranslated"; }
    python3 - "$catalog" <<'PY' || fail "$catalog changes the arguments of a text"
import collections, re, sys, xml.etree.ElementTree as tree

def arguments(text):
    return collections.Counter(re.findall(r"%[1-9]", text or ""))

wrong = [m.findtext("source") for m in tree.parse(sys.argv[1]).iter("message")
         if arguments(m.findtext("source")) != arguments(m.findtext("translation"))]
for source in wrong:
    print(f"{sys.argv[1]}: {source!r}", file=sys.stderr)
sys.exit(bool(wrong))
PY
done
echo "catalogs complete, with the arguments of their English: $(grep -cE '^[a-zA-Z]' translations/LINGUAS)"
