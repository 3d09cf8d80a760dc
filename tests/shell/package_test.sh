#!/usr/bin/env bash
# The Debian package: built with cpack, unpacked into a temporary root, its
# desktop entry and AppStream data validated, and the installed game started
# with a fresh data folder, which it fills on its first start.
set -u
build=$1
work=$(mktemp -d)
trap 'kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAILED: $*"; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/package/velmora_*.deb) || fail "no package"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q "libqt6widgets6" <<<"$depends" || fail "the Qt widgets library is not a dependency"
grep -q "qt6-qpa-plugins" <<<"$depends" || fail "the window system plugins are not a dependency"
dpkg -x "$deb" "$work/root" || fail "dpkg -x"
usr=$work/root/usr

for f in bin/velmora bin/velmora-cli share/velmora/manual/index.html share/icons/hicolor/scalable/apps/velmora.svg \
         share/icons/hicolor/48x48/apps/velmora.png share/applications/io.github.velmora.Velmora.desktop \
         share/metainfo/io.github.velmora.Velmora.metainfo.xml share/velmora/Sound/Capture.wav \
         share/velmora/Sound/Error.wav share/velmora/Sound/Movement.wav share/velmora/Sound/Promotion.wav \
         share/velmora/SKIN/Mint.bmp share/velmora/translations/velmora_de.qm share/velmora/translations/velmora_ru.qm \
         share/velmora/translations/velmora_pt_BR.qm share/velmora/translations/velmora_tr.qm \
         share/doc/velmora/copyright; do
  [ -e "$usr/$f" ] || fail "missing $f"
done
desktop-file-validate "$usr/share/applications/io.github.velmora.Velmora.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$usr/share/metainfo/io.github.velmora.Velmora.metainfo.xml" >/dev/null ||
  fail "AppStream data"
"$usr/bin/velmora" --version | grep -q "^velmora [0-9]" || fail "velmora --version"
"$usr/bin/velmora-cli" --version | grep -q "^velmora-cli [0-9]" || fail "velmora-cli --version"

# The first start makes the player's folder; the end writes the settings.
export HOME=$work/home XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=offscreen
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
(cd "$work" && exec "$usr/bin/velmora") &
game=$!
# Once it answers a second copy, it quits on a signal as on closing.
for _ in $(seq 600); do [ -S "$XDG_RUNTIME_DIR/velmora-$(id -u)" ] && break; sleep 0.1; done
for d in Save SKIN Sound; do [ -d "$XDG_DATA_HOME/velmora/$d" ] || fail "no $d folder"; done
for f in "$usr"/share/velmora/Sound/* "$usr"/share/velmora/SKIN/*; do
  [ -e "$f" ] || continue
  [ -e "$XDG_DATA_HOME/velmora/$(basename "$(dirname "$f")")/$(basename "$f")" ] || fail "not copied: $f"
done
kill -TERM "$game"
wait "$game"
[ -s "$XDG_DATA_HOME/velmora/velmora.ini" ] || fail "no settings written in the data folder"
echo "package: all passed"
