#!/usr/bin/env bash
# The AppStream metainfo of the window program:
#   check-metainfo.sh METAINFO DESKTOP_ENTRY MIME_XML CHANGELOG DOCS_DIR VERSION PROGRAM...
# appstreamcli validates it pedantically and reports nothing at all; it names
# the desktop entry, the entry's label file types (each one declared in the
# MIME XML), categories and keywords, the PROGRAMs the package installs, the
# release VERSION on the changelog's date, and for its screenshots the docs/
# pictures of that release under the homepage, at their sizes.
set -uo pipefail
metainfo=$1 desktop=$2 mime=$3 changelog=$4 docs=$5 version=$6
shift 6
programs=("$@")
for tool in appstreamcli:appstream xmllint:libxml2-utils; do
  command -v "${tool%%:*}" >/dev/null ||
    { echo "check-metainfo: ${tool%%:*} is missing (package ${tool#*:}): skipped"; exit 77; }
done

failures=0
fail() {
  echo "check-metainfo: $*" >&2
  failures=$((failures + 1))
}
# Every value an XPath expression selects, one a line.
values() {  # file expression
  local count i
  count=$(xmllint --xpath "count($2)" "$1") || return 1
  for ((i = 1; i <= count; i++)); do
    xmllint --xpath "string(($2)[$i])" "$1"
    echo
  done
}
sorted() { tr ';' '\n' | sed '/^$/d' | sort | paste -sd' ' -; }
entry() { sed -n "s/^$1=//p" "$desktop"; }
same() {  # what got expected
  [ "$2" = "$3" ] || fail "$1: [$2], expected [$3]"
}

# Not one error, warning, info or pedantic note.
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1)
status=$?
if [ "$status" -ne 0 ] || grep -qE '^[EWIP]: ' <<<"$report" ||
    [ "$(grep -c . <<<"$report")" -ne 1 ] || ! grep -qx '.*Validation was successful\.' <<<"$report"; then
  fail "appstreamcli validate --pedantic --no-net (status $status):"
  echo "$report" >&2
fi

m() { values "$metainfo" "$1" | sorted; }
id=$(xmllint --xpath 'string(/component/id)' "$metainfo")
desktop_id=$(basename "$desktop" .desktop)
same "the component id" "$id" "${desktop_id,,}"
same "the file name" "$(basename "$metainfo")" "$id.metainfo.xml"
same "the launchable" "$(m '/component/launchable[@type="desktop-id"]')" "$desktop_id.desktop"
same "the name" "$(xmllint --xpath 'string(/component/name[not(@xml:lang)])' "$metainfo")" "$(entry Name)"
same "the categories" "$(m '/component/categories/category')" "$(entry Categories | sorted)"
same "the keywords" "$(m '/component/keywords/keyword[not(@xml:lang)]')" "$(entry Keywords | sorted)"
same "the programs" "$(m '/component/provides/binary')" "$(printf '%s\n' "${programs[@]}" | sorted)"

types=$(m '/component/provides/mediatype')
same "the media types" "$types" "$(entry MimeType | sorted)"
declared=$(values "$mime" '//*[local-name()="mime-type"]/@type')
for type in $types; do
  grep -qx "$type" <<<"$declared" || fail "$type is not declared in $(basename "$mime")"
done

# The newest release is this version, on the date of its changelog entry.
same "the newest release" "$(xmllint --xpath 'string(/component/releases/release[1]/@version)' "$metainfo")" "$version"
entry_date=$(awk -v v="($version)" '$2 == v { found = 1 } found && /^ -- / { sub(/^.*>  /, ""); print; exit }' "$changelog")
[ -n "$entry_date" ] || fail "$(basename "$changelog") has no entry for $version"
same "the release date" "$(xmllint --xpath 'string(/component/releases/release[1]/@date)' "$metainfo")" \
  "$(date -u -d "$entry_date" +%F 2>/dev/null)"

homepage=$(xmllint --xpath 'string(/component/url[@type="homepage"])' "$metainfo")
[[ $homepage == https://*/ ]] || fail "the homepage is not an https address ending in /: $homepage"
shots=$(xmllint --xpath 'count(/component/screenshots/screenshot)' "$metainfo")
[ "$shots" -ge 1 ] || fail "there is no screenshot"
[ "$(xmllint --xpath 'count(/component/screenshots/screenshot[@type="default"])' "$metainfo")" = 1 ] ||
  fail "not exactly one screenshot is the default"
for ((i = 1; i <= shots; i++)); do
  shot="/component/screenshots/screenshot[$i]"
  url=$(xmllint --xpath "string($shot/image)" "$metainfo")
  name=${url#"${homepage}releases/$version/docs/"}
  if [ "$name" = "$url" ] || [[ $name == */* ]]; then
    fail "screenshot $i is not a picture of docs/ under ${homepage}releases/$version/: $url"
    continue
  fi
  [ -n "$(xmllint --xpath "string($shot/caption[@xml:lang='ko'])" "$metainfo")" ] ||
    fail "screenshot $i has no Korean caption"
  picture=$docs/$name
  if [ ! -f "$picture" ]; then
    fail "screenshot $i: $name is not in docs/"
    continue
  fi
  # The width and height of a PNG file: two big-endian numbers from byte 16.
  read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$picture")
  size="$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
  same "the size given for $name" \
    "$(xmllint --xpath "concat($shot/image/@width, 'x', $shot/image/@height)" "$metainfo")" "$size"
done

# Everything shown in English is there in Korean too.
for element in name summary; do
  [ -n "$(xmllint --xpath "string(/component/${element}[@xml:lang='ko'])" "$metainfo")" ] ||
    fail "the $element has no Korean translation"
done
same "Korean paragraphs and items of the description" \
  "$(xmllint --xpath "count(/component/description/*[self::p or self::ul]/descendant-or-self::*[self::p or self::li][@xml:lang='ko'])" "$metainfo")" \
  "$(xmllint --xpath "count(/component/description/*[self::p or self::ul]/descendant-or-self::*[self::p or self::li][not(@xml:lang)])" "$metainfo")"

if [ "$failures" -ne 0 ]; then
  echo "check-metainfo: $failures failed" >&2
  exit 1
fi
echo "check-metainfo: $(basename "$metainfo") validates without a note and agrees with the desktop entry, the MIME types, the changelog and docs/"
