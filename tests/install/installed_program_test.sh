#!/usr/bin/env bash
# An install into a scratch prefix: every file in its place, the desktop entry and the metadata
# accepted by the desktop's own checkers, and the installed program started from a prefix it
# cannot write, keeping its settings in the user's configuration folder.
#
#   installed_program_test.sh <build folder> <version>
set -euo pipefail
build=$1
version=$2

scratch=$(mktemp -d)
cleanup() {
  chmod -R u+w "$scratch" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
chmod 755 "$scratch"
prefix=$scratch/prefix
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.norvex5.Norvex5
for file in bin/norvex5 bin/norvex5-wheels share/man/man1/norvex5-wheels.1 \
  share/applications/$id.desktop \
  share/metainfo/$id.metainfo.xml \
  share/norvex5/help/norvex5-fr.html share/norvex5/help/norvex5-en.html share/norvex5/help/norvex5-pt.html \
  share/norvex5/help/norvex5-es.html share/norvex5/help/norvex5-it.html share/norvex5/help/norvex5-hr.html \
  share/norvex5/help/norvex5-de.html share/norvex5/help/norvex5-help.css \
  share/doc/norvex5/LICENSE share/doc/norvex5/copyright; do
  [ -s "$prefix/$file" ] || fail "not installed: $file"
done
for size in 16 24 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  if [ ! -s "$icon" ]; then
    fail "no ${size}px icon"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  elif [ "$(od -An -tu1 -j16 -N8 "$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')" != "${size}x${size}" ]; then
    fail "the ${size}px icon has another size"
  fi
done
[ -x "$prefix/bin/norvex5" ] || fail "the program is not executable"
"$prefix/bin/norvex5-wheels" --help >/dev/null || fail "the installed wheel tool does not run"
grep -q "^Icon=$id\$" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the metadata does not carry version $version"
grep -q "GNU GENERAL PUBLIC LICENSE" "$prefix/share/doc/norvex5/LICENSE" || fail "LICENSE is not the GPL"

desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "desktop-file-validate refused the entry"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >"$scratch/appstream.txt" ||
  { cat "$scratch/appstream.txt" >&2; fail "appstreamcli refused the metadata"; }

# The installed program, first run, as a user who may not write the prefix. Root writes anyway,
# so root runs it as nobody (setpriv runs it in its own place: the end request reaches it).
home=$scratch/home
mkdir -p "$home/runtime"
chmod 700 "$home/runtime"
chmod -R a-w "$prefix"
run=()
if [ "$(id -u)" -eq 0 ]; then
  chown -R nobody "$home"
  run=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
before=$(find "$prefix" | sort | md5sum)
"${run[@]}" env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
  XDG_RUNTIME_DIR="$home/runtime" QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$prefix/bin/norvex5" >"$scratch/out.txt" 2>&1 &
program=$!
sleep 3
if ! kill -0 $program 2>/dev/null; then
  cat "$scratch/out.txt" >&2
  fail "the installed program did not start"
else
  # Asked to end, as at the end of a session: it ends as when the window is closed.
  kill -TERM $program
  for _ in $(seq 50); do kill -0 $program 2>/dev/null || break; sleep 0.1; done
  if kill -0 $program 2>/dev/null; then
    kill -KILL $program
    fail "the program did not end when asked"
  fi
  status=0
  wait $program || status=$?
  [ $status -eq 0 ] || { cat "$scratch/out.txt" >&2; fail "the program ended with status $status"; }
  settings=$home/.config/Norvex5/nrvx5.par
  [ -f "$settings" ] || fail "no settings in the user's configuration folder"
  [ ! -f "$settings" ] || [ "$(stat -c %s "$settings")" -eq 40 ] || fail "the settings file is not 40 bytes"
fi
[ "$(find "$prefix" | sort | md5sum)" = "$before" ] || fail "the program wrote into its prefix"

[ $failures -eq 0 ] && echo "installed program: all checks passed"
exit $((failures > 0))
