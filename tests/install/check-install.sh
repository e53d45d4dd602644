#!/usr/bin/env bash
# Installs the build into a scratch root (DESTDIR) and checks what a desktop needs: the program,
# a valid desktop entry with the Japanese name, the icon in the hicolor theme, and that the
# installed program, run by a user who cannot write its folder, keeps its data in that user's
# configuration folder.
set -euo pipefail
build=$1
prefix=$2
fail() { echo "FAIL: $*"; exit 1; }

root=$(mktemp -d)
trap 'chmod -R u+w "$root" 2>/dev/null || true; rm -rf "$root"' EXIT
chmod 755 "$root"
DESTDIR="$root" cmake --install "$build" --prefix "$prefix" >/dev/null
top="$root$prefix"

[ -x "$top/bin/ruliform" ] || fail "no executable $prefix/bin/ruliform"

entry="$top/share/applications/ruliform.desktop"
[ -f "$entry" ] || fail "no desktop entry"
key() { grep -E "^$1=" "$entry" | head -1 | cut -d= -f2-; }
[ "$(key Type)" = Application ] || fail "Type is not Application"
[ "$(key Name)" = Ruliform ] || fail "Name is not Ruliform"
[ -n "$(key 'Name\[ja\]')" ] || fail "no Japanese name"
[ "$(key Exec)" = ruliform ] || fail "Exec does not start ruliform"
[ "$(key Icon)" = ruliform ] || fail "Icon is not the theme's ruliform"
case ";$(key Categories)" in *";Graphics;"*) ;; *) fail "not in Graphics" ;; esac
case ";$(key Categories)" in *";Office;"*) ;; *) fail "not in Office" ;; esac
if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $out"
    if echo "$out" | grep -qiE "error|warning"; then fail "desktop-file-validate: $out"; fi
fi

for size in 16 24 32 48 64 128 256; do
    png="$top/share/icons/hicolor/${size}x${size}/apps/ruliform.png"
    [ -f "$png" ] || fail "no ${size}x${size} icon"
    # The PNG signature, then IHDR's width and height as big-endian words.
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    wh=$(od -An -tu1 -j16 -N8 "$png" | tr -s ' ' | sed 's/^ //')
    set -- $wh
    [ $(( ($1 << 24) + ($2 << 16) + ($3 << 8) + $4 )) -eq "$size" ] || fail "$png is not $size wide"
    [ $(( ($5 << 24) + ($6 << 16) + ($7 << 8) + $8 )) -eq "$size" ] || fail "$png is not $size high"
done

# The installed program started by an ordinary user: its folder is not theirs to write, so the
# database it opens at start lands in their configuration folder and nothing in the program's.
home="$root/home"
mkdir -p "$home"
chmod 555 "$top/bin"
run=()
if [ "$(id -u)" -eq 0 ]; then
    chown 65534:65534 "$home"
    run=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen "${run[@]}" "$top/bin/ruliform" \
    >"$root/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 600); do
    [ -f "$home/.config/Ruliform/rulif.db3" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ -f "$home/.config/Ruliform/rulif.db3" ] || fail "no database in ~/.config/Ruliform: $(cat "$root/run.log")"
[ "$(ls "$top/bin")" = ruliform ] || fail "the program wrote into its folder: $(ls "$top/bin")"
echo "install tree checked"
