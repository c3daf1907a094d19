#!/usr/bin/env bash
# Checks the desktop integration and the Debian package:
#   check_package.sh metadata <packaging folder> <app id>
#   check_package.sh install  <build folder> <app id> "<icon sizes>"
#   check_package.sh deb      <build folder> <app id> "<icon sizes>"
set -euo pipefail

mode="$1" dir="$2" app_id="$3" sizes="${4:-}"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The paths every installation holds, relative to the prefix.
expected_paths() {
  echo bin/amplora
  echo share/applications/amplora.desktop
  echo "share/metainfo/$app_id.metainfo.xml"
  echo share/icons/hicolor/scalable/apps/amplora.svg
  local s
  for s in $sizes; do echo "share/icons/hicolor/${s}x${s}/apps/amplora.png"; done
}

check_tree() { # <prefix>: the files are there, the icons have their sizes, the data is valid
  local prefix="$1" path s
  while read -r path; do
    [ -f "$prefix/$path" ] || fail "missing $path"
  done < <(expected_paths)
  [ -x "$prefix/bin/amplora" ] || fail "bin/amplora is not executable"
  for s in $sizes; do
    file "$prefix/share/icons/hicolor/${s}x${s}/apps/amplora.png" |
      grep -q "PNG image data, $s x $s," || fail "the ${s}x${s} icon is not a $s x $s PNG"
  done
  desktop-file-validate "$prefix/share/applications/amplora.desktop" || fail "desktop entry"
  appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "AppStream data"
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

case "$mode" in
metadata)
  desktop-file-validate "$dir/amplora.desktop" || fail "desktop entry"
  appstreamcli validate --no-net "$dir/$app_id.metainfo.xml" || fail "AppStream data"
  grep -qx "Exec=amplora" "$dir/amplora.desktop" || fail "Exec is not amplora"
  grep -qx "Icon=amplora" "$dir/amplora.desktop" || fail "Icon is not amplora"
  grep -q "<launchable type=\"desktop-id\">amplora.desktop</launchable>" \
    "$dir/$app_id.metainfo.xml" || fail "the AppStream data does not launch amplora.desktop"
  ;;
install)
  cmake --install "$dir" --prefix "$work/usr" >/dev/null
  check_tree "$work/usr"
  ;;
deb)
  cpack --config "$dir/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
  debs=("$work"/*.deb)
  [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no .deb"; exit 1; }
  deb="${debs[0]}"
  echo "$(basename "$deb"):"
  dpkg-deb -f "$deb" Package Version Architecture Depends
  dpkg-deb -c "$deb"
  listing="$(dpkg-deb -c "$deb" | awk '{print $NF}')"
  while read -r path; do
    grep -qx "./usr/$path" <<<"$listing" || fail "the package lacks /usr/$path"
  done < <(expected_paths)
  depends="$(dpkg-deb -f "$deb" Depends)"
  # Found by dpkg-shlibdeps, and named by hand for what it cannot see.
  for pkg in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation2; do
    grep -Eq "(^|, )$pkg( |,|$)" <<<"$depends" || fail "Depends lacks $pkg"
  done
  dpkg-deb -x "$deb" "$work/root"
  check_tree "$work/root/usr"
  file "$work/root/usr/bin/amplora" | grep -Eq "ELF .*, stripped$" ||
    fail "the program is not a stripped executable"
  ;;
*)
  echo "unknown mode $mode" >&2
  exit 2
  ;;
esac

[ "$failures" -eq 0 ] && echo "all $mode checks passed"
[ "$failures" -eq 0 ]
