#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the result as a user meets it: the
# files in their places, the desktop entry and the unit valid, and the installed zorvqi-cli
# making its data directory on first start, leaving it alone afterwards and finding its modules.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
server_pid=""
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

# The files in their places.
icons=()
for size in 16 22 24 32 48 64 128 256; do icons+=("share/icons/hicolor/${size}x${size}/apps/zorvqi.png"); done
for file in bin/zorvqi bin/zorvqi-cli lib/zorvqi/gzip.dll lib/zorvqi/ewe.dll share/zorvqi/zorv.db \
  share/zorvqi/zorvqi.ini share/applications/zorvqi.desktop share/icons/hicolor/scalable/apps/zorvqi.svg \
  lib/systemd/user/zorvqi-watch.service "${icons[@]}"; do
  [ -f "$prefix/$file" ] || fail "$file not installed"
done
for exe in bin/zorvqi bin/zorvqi-cli; do [ -x "$prefix/$exe" ] || fail "$exe not executable"; done
file "$prefix/share/icons/hicolor/22x22/apps/zorvqi.png" | grep -q 'PNG image data, 22 x 22' ||
  fail "22x22 icon is not a 22 x 22 PNG"
iconv -f GBK -t UTF-8 "$prefix/share/zorvqi/zorvqi.ini" | grep -q '^\[配置\]' || fail "shipped zorvqi.ini is not GBK"

# The modules load with what they link against.
for module in gzip.dll ewe.dll; do
  ! ldd "$prefix/lib/zorvqi/$module" | grep -q 'not found' || fail "$module misses a library"
done

# Paths are the install prefix's, whatever the prefix was at configure time.
entry=$prefix/share/applications/zorvqi.desktop
unit=$prefix/lib/systemd/user/zorvqi-watch.service
grep -qx "Exec=$prefix/bin/zorvqi" "$entry" || fail "desktop entry Exec is not $prefix/bin/zorvqi"
grep -qx "ExecStart=$prefix/bin/zorvqi-cli watch" "$unit" || fail "unit ExecStart is not the installed zorvqi-cli"
grep -qx 'Name\[zh_CN\]=汐昙新文章监控提醒' "$entry" || fail "no Chinese name"
grep -qx 'Categories=Network;' "$entry" || fail "not in category Network"
for line in Restart=on-failure RestartSec=30 'RestartPreventExitStatus=1 2'; do
  grep -qx "$line" "$unit" || fail "unit lacks $line"
done

# desktop-file-validate prints every error, warning and hint; a clean entry prints nothing.
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"

if command -v systemd-analyze >/dev/null; then
  runtime=$work/runtime
  mkdir -m 700 "$runtime"
  report=$(XDG_RUNTIME_DIR=$runtime systemd-analyze verify --user "$unit" 2>&1) ||
    fail "systemd-analyze verify: $report"
  ! grep -q zorvqi-watch <<<"$report" || fail "systemd-analyze verify: $report"
else
  echo "systemd-analyze not found: unit not verified"
fi

# First start: the data directory is made from the shipped files; the demo plans are there,
# unchecked, since no demo site is installed.
home=$work/home
mkdir "$home"
data=$home/.local/share/zorvqi
cli() { env -u XDG_DATA_HOME HOME="$home" "$prefix/bin/zorvqi-cli" "$@"; }
plans=$(cli plans) || fail "first plans run failed"
[ -f "$data/zorv.db" ] || fail "no $data/zorv.db after the first start"
cmp -s "$data/zorvqi.ini" "$prefix/share/zorvqi/zorvqi.ini" || fail "zorvqi.ini is not the shipped one"
[ "$(wc -l <<<"$plans")" -eq 3 ] || fail "expected three demo plans, got: $plans"
grep -q '演示论坛' <<<"$plans" || fail "demo plans not listed: $plans"
[ "$(cut -f2 <<<"$plans" | sort -u)" = 0 ] || fail "installed demo plans are checked: $plans"

# Second start: the user's files stay as they are.
printf '[配置]\r\n类别=<演示><论坛><新闻>\r\n别名=mine\r\n' | iconv -f UTF-8 -t GBK >"$data/zorvqi.ini"
cli sql <<<"UPDATE rule SET name='my plan' WHERE id=1" >/dev/null || fail "sql failed"
plans=$(cli plans) || fail "second plans run failed"
grep -q 'my plan' <<<"$plans" || fail "second start replaced zorv.db: $plans"
iconv -f GBK -t UTF-8 "$data/zorvqi.ini" | grep -q '别名=mine' || fail "second start replaced zorvqi.ini"
[ -z "$(find "$data" -name '*.part-*')" ] || fail "a partial copy was left behind"

# The installed zorvqi-cli finds gzip.dll in lib/zorvqi: a gzip answer comes out decoded.
python3 - "$work/port" <<'PY' &
import gzip, http.server, sys
class Page(http.server.BaseHTTPRequestHandler):
    def do_GET(self):
        body = gzip.compress(b"<html>installed gzip ok</html>")
        self.send_response(200)
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)
    def log_message(self, *args):
        pass
server = http.server.HTTPServer(("127.0.0.1", 0), Page)
open(sys.argv[1] + ".tmp", "w").write(str(server.server_port))
import os; os.rename(sys.argv[1] + ".tmp", sys.argv[1])
server.serve_forever()
PY
server_pid=$!
for _ in $(seq 50); do [ -f "$work/port" ] && break; sleep 0.1; done
page=$(cli fetch "http://127.0.0.1:$(cat "$work/port")/") || fail "fetch failed"
grep -q 'installed gzip ok' <<<"$page" || fail "gzip.dll not found by the installed zorvqi-cli: $page"
mv "$prefix/lib/zorvqi" "$prefix/lib/zorvqi.away"
page=$(cli fetch "http://127.0.0.1:$(cat "$work/port")/" 2>/dev/null) || true
! grep -q 'installed gzip ok' <<<"$page" || fail "page decoded without gzip.dll: the check proves nothing"
mv "$prefix/lib/zorvqi.away" "$prefix/lib/zorvqi"
# What the unit relies on: watch ends with 1 while no plan is checked (no restart), and with 0
# soon after SIGTERM (a clean stop).
status=0
cli watch >/dev/null 2>&1 || status=$?
[ "$status" -eq 1 ] || fail "watch with no plan checked exited $status, not 1"
cli sql <<<"UPDATE rule SET isdo=1, url='http://127.0.0.1:$(cat "$work/port")/' WHERE id=1" >/dev/null ||
  fail "sql failed"
# exec: the signal goes to zorvqi-cli itself, not to a shell around it.
(exec env -u XDG_DATA_HOME HOME="$home" "$prefix/bin/zorvqi-cli" watch --interval 5 >/dev/null 2>&1) &
watch_pid=$!
sleep 2
kill -TERM "$watch_pid"
for _ in $(seq 100); do kill -0 "$watch_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$watch_pid" 2>/dev/null && kill -KILL "$watch_pid" && fail "watch still runs 10 s after SIGTERM"
status=0
wait "$watch_pid" || status=$?
[ "$status" -eq 0 ] || fail "watch stopped by SIGTERM exited $status, not 0"
echo "install test passed"
