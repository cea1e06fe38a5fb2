#!/usr/bin/env bash
# The overlay page in a real browser, as a streaming software's browser source shows it:
# the window started with --serve 0 (a copy of the program in a folder of its own, so its
# records folder and remote-control.txt are the test's), Debian's headless chromium
# showing the page from the url in remote-control.txt, a click through the API, and the
# page showing the new score without a reload.
#   overlay_page_live_test.sh PROGRAM PAGE_FILE
# PAGE_FILE is overlay/page/overlay.html: the server must hand it out as it is.
# The page's title repeats the names and scores it shows, and chromium's debugging port
# lists every page's title, so the test reads what the page shows from outside it.
set -euo pipefail
program=$1
page_file=$2

fail() {
  echo "overlay-page: FAILED: $*" >&2
  for log in "$work"/*.log; do
    [ -s "$log" ] && { echo "--- $(basename "$log"):" >&2; tail -n 15 "$log" >&2; }
  done
  exit 1
}
for tool in chromium curl Xvfb; do
  command -v "$tool" >/dev/null || { echo "overlay-page: FAILED: $tool is not installed (scripts/install-deps.sh all)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/overlay-page.XXXXXX")
pids=()
cleanup() {
  set +e
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

# within SECONDS COMMAND...: runs COMMAND until it succeeds, for at most SECONDS.
within() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.02
  done
}

# shellcheck source=scripts/display-common.sh
. "$(dirname "$0")/../../scripts/display-common.sh"
start_private_display "$work" || fail "Xvfb did not start"
pids+=("$xvfb")

mkdir "$work/board"
cp "$program" "$work/board/"
"$work/board/$(basename "$program")" --serve 0 >"$work/program.log" 2>&1 &
pids+=($!)
remote="$work/board/remote-control.txt"
within 30 grep -q '^token=' "$remote" 2>/dev/null || fail "the program wrote no token into $remote"
url=$(sed -n 's/^url=//p' "$remote")
token=$(sed -n 's/^token=//p' "$remote")
[[ "$url" == http://127.0.0.1:* ]] || fail "remote-control.txt names no local url: '$url'"

# The server hands out the page file as it is.
curl -sf -o "$work/served.html" "$url" || fail "GET $url failed"
cmp -s "$work/served.html" "$page_file" || fail "GET / is not $page_file"

# Without its sandbox: chromium refuses root with one, and a container may lack the user
# namespaces it needs; the only page it opens is the program's own.
chromium --headless --no-sandbox --disable-gpu --no-first-run --window-size=1920,1080 \
  --remote-debugging-port=0 --user-data-dir="$work/browser" "$url" >"$work/chromium.log" 2>&1 &
pids+=($!)
within 60 test -s "$work/browser/DevToolsActivePort" || fail "chromium opened no debugging port"
devtools=$(head -n1 "$work/browser/DevToolsActivePort")

# The title of the page at $url, as chromium lists its pages.
seen=""
title_is() {
  seen=$(curl -s "http://127.0.0.1:$devtools/json/list" |
    awk -v url="$url" '/"title":/ { title = $0 } /"url":/ && index($0, url) { print title; exit }' |
    sed 's/^ *"title": "//; s/",\{0,1\} *$//')
  [ "$seen" = "$1" ]
}
within 60 title_is "棒棒糖队 0 : 0 小黄鸭队" ||
  fail "the page never showed the starting board; its title was '$seen'"

# 按钮24 credits a fixed 521 beans to the lollipop team. A 409 while the window is still
# starting up is asked again; the click runs once, when it is answered 204.
status=""
click() {
  status=$(curl -s -o /dev/null -w '%{http_code}' -X POST -H "Authorization: Bearer $token" \
    "${url%/}/click/%E6%8C%89%E9%92%AE24")
  [ "$status" = 204 ]
}
within 30 click || fail "the click was answered $status"
clicked=$(date +%s%N)
within 10 title_is "棒棒糖队 521 : 0 小黄鸭队" ||
  fail "the page did not follow the click; its title was '$seen'"
shown=$(date +%s%N)
echo "overlay-page: passed: the page showed the click $(((shown - clicked) / 1000000)) ms after its answer (polled every 20 ms)"
