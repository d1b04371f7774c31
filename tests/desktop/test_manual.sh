#!/usr/bin/env bash
# The user manual was built beside the program: a PDF of several pages that
# holds the title of every chapter of its source, and the version on its
# title page is the one the build carries.
set -euo pipefail
BUILD_DIR=${1:?usage: $0 BUILD_DIR SOURCE}
SOURCE=${2:?usage: $0 BUILD_DIR SOURCE VERSION}
VERSION=${3:?usage: $0 BUILD_DIR SOURCE VERSION}
PDF="$BUILD_DIR/Corvinade User Manual.pdf"
fail() { echo "FAIL: $*" >&2; exit 1; }

[ -s "$PDF" ] || fail "no manual at $PDF"
pages=$(pdfinfo "$PDF" | awk '/^Pages:/ {print $2}')
[ "${pages:-0}" -ge 10 ] || fail "only ${pages:-0} pages"
pdfinfo "$PDF" | grep -q '^Title: *Corvinade User Manual$' || fail "document title"
# pdftotext breaks lines where the page does; join the words again and
# undo the typographic ligatures.
text=$(pdftotext -layout "$PDF" - | sed -e 's/\xef\xac\x81/fi/g' -e 's/\xef\xac\x82/fl/g' | tr -s ' \n' '  ')
grep -qF -- "Version $VERSION " <<<"$text " || fail "the title page does not say Version $VERSION"
chapters=0
while IFS= read -r title; do
  chapters=$((chapters + 1))
  grep -qF -- "$title" <<<"$text" || fail "chapter '$title' is not in the PDF"
done < <(sed -n 's|.*<h1[^>]*>\(.*\)</h1>.*|\1|p' "$SOURCE")
[ "$chapters" -ge 10 ] || fail "only $chapters chapters in the source"
# The screenshots are drawn into the pages.
[ "$(pdfimages -list "$PDF" | tail -n +3 | wc -l)" -ge 4 ] || fail "screenshots missing"
echo "PASS: $pages pages, $chapters chapters"
