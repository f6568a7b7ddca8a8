#!/usr/bin/env bash
# The help pages: all seven are there, each is well-formed, no anchor name is used
# twice in a page, and every link to a page (with or without #anchor) lands on a page
# and an element id that exist.
set -euo pipefail
dir=$1
failures=0
fail() { echo "$*"; failures=$((failures + 1)); }

for name in setup usermanual oroi menu examples QuestionsD7 SpecialInstructionsD7; do
  [ -f "$dir/$name.htm" ] || fail "missing page: $name.htm"
done

# The values of one attribute in a page, one a line.
values() {
  local page=$1 attribute=$2 n i
  n=$(xmllint --xpath "count(//@$attribute)" "$page")
  for ((i = 1; i <= n; i++)); do
    xmllint --xpath "string((//@$attribute)[$i])" "$page"
    echo
  done
}

for page in "$dir"/*.htm; do
  xmllint --noout "$page" || { fail "not well-formed: $page"; continue; }
  for id in $(values "$page" id | sort | uniq -d); do
    fail "$(basename "$page"): id \"$id\" used twice"
  done
  while IFS= read -r href; do
    case $href in
      '' | *:*) continue ;;   # no link, or not a local page
    esac
    file=${href%%#*}
    anchor=
    [ "$file" != "$href" ] && anchor=${href#*#}
    target="$dir/${file:-$(basename "$page")}"
    if [ ! -f "$target" ]; then
      fail "$(basename "$page"): link to a missing page: $href"
    elif [ -n "$anchor" ] && [ "$(xmllint --xpath "count(//*[@id='$anchor'])" "$target" 2>/dev/null)" = 0 ]; then
      fail "$(basename "$page"): link to a missing anchor: $href"
    fi
  done < <(values "$page" href)
done

[ "$failures" -eq 0 ] || { echo "$failures fault(s) in the help pages"; exit 1; }
echo ok
