#!/usr/bin/env bash
# Checks the desktop integration and the Debian package:
#   check_package.sh metadata <built packaging folder> <app id> <screenshots folder>
#   check_package.sh install  <build folder> <app id> "<icon sizes>" "<programs>"
#   check_package.sh deb      <build folder> <app id> "<icon sizes>" "<programs>"
# The programs are those installed to bin/, each with its manual page. The package is built
# twice and must come out the same to the byte; its programs must be hardened as Debian's are.
set -euo pipefail

mode="$1" dir="$2" app_id="$3" sizes="${4:-}" programs="${5:-amplora}"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# The paths every installation holds, relative to the prefix.
expected_paths() {
  local p s
  for p in $programs; do
    echo "bin/$p"
    echo "share/man/man1/$p.1.gz"
  done
  echo share/applications/amplora.desktop
  echo "share/metainfo/$app_id.metainfo.xml"
  echo share/icons/hicolor/scalable/apps/amplora.svg
  for s in $sizes; do echo "share/icons/hicolor/${s}x${s}/apps/amplora.png"; done
  echo share/doc/amplora/copyright
  echo share/doc/amplora/changelog.gz
}

check_tree() { # <prefix>: the files are there, the icons have their sizes, the data is valid
  local prefix="$1" path s p warnings
  while read -r path; do
    [ -f "$prefix/$path" ] || fail "missing $path"
  done < <(expected_paths)
  for p in $programs; do
    [ -x "$prefix/bin/$p" ] || fail "bin/$p is not executable"
    # man draws the page as a user would see it; groff's complaints mean a broken page.
    warnings="$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$p.1.gz" 2>&1 >/dev/null || true)"
    [ -z "$warnings" ] || fail "the manual page of $p: $warnings"
  done
  for s in $sizes; do
    file "$prefix/share/icons/hicolor/${s}x${s}/apps/amplora.png" |
      grep -q "PNG image data, $s x $s," || fail "the ${s}x${s} icon is not a $s x $s PNG"
  done
  desktop-file-validate "$prefix/share/applications/amplora.desktop" || fail "desktop entry"
  appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" >/dev/null ||
    fail "AppStream data"
}

# What the linker and compiler left in a program: position independent, relocations read-only
# after start, the stack protector, and no RPATH or RUNPATH (Debian allows none).
check_binary() { # <program file>
  local f="$1" name header segments dynamic symbols
  name="$(basename "$f")"
  header="$(readelf -hW "$f")" segments="$(readelf -lW "$f")" dynamic="$(readelf -dW "$f")"
  symbols="$(readelf --dyn-syms -W "$f")"
  grep -q 'Type: *DYN' <<<"$header" || fail "$name is not position independent"
  grep -q GNU_RELRO <<<"$segments" || fail "$name has no read-only relocations"
  grep -q BIND_NOW <<<"$dynamic" || fail "$name does not bind at start (BIND_NOW)"
  ! grep -Eq '\((RPATH|RUNPATH)\)' <<<"$dynamic" || fail "$name has an RPATH or RUNPATH"
  grep -q __stack_chk_fail <<<"$symbols" || fail "$name has no stack protector"
}

# Debian's compile flags on every file compiled (the checked buffer functions need the
# optimiser, which a Debug build goes without).
check_flags() { # <build folder>
  local flags=(-fstack-protector-strong -fstack-clash-protection -fcf-protection) flag commands
  grep -q '^CMAKE_BUILD_TYPE:STRING=Debug$' "$1/CMakeCache.txt" || flags+=(-D_FORTIFY_SOURCE=2)
  commands="$(grep '"command"' "$1/compile_commands.json")"
  for flag in "${flags[@]}"; do
    ! grep -qv -- "$flag" <<<"$commands" || fail "a file was compiled without $flag"
  done
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

case "$mode" in
metadata)
  shots="$4"
  metainfo="$dir/$app_id.metainfo.xml"
  desktop-file-validate "$dir/amplora.desktop" || fail "desktop entry"
  appstreamcli validate --no-net "$metainfo" || fail "AppStream data"
  grep -qx "Exec=amplora" "$dir/amplora.desktop" || fail "Exec is not amplora"
  grep -qx "Icon=amplora" "$dir/amplora.desktop" || fail "Icon is not amplora"
  grep -q "<launchable type=\"desktop-id\">amplora.desktop</launchable>" "$metainfo" ||
    fail "the AppStream data does not launch amplora.desktop"
  grep -q "<release version=\"[0-9.]*\" date=\"[0-9-]*\"" "$metainfo" ||
    fail "the AppStream data names no release with its date"
  # Each screenshot it shows is one of ours, published under the maker's address.
  images="$(grep -o '<image[^>]*>[^<]*</image>' "$metainfo" | sed 's/<[^>]*>//g')"
  [ -n "$images" ] || fail "the AppStream data shows no screenshot"
  for url in $images; do
    [ -f "$shots/$(basename "$url")" ] || fail "no $(basename "$url") in docs/screenshots"
  done
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
  for pkg in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libcanberra0 fonts-liberation2 \
    qt6-wayland; do
    grep -Eq "(^|, )$pkg( |,|$)" <<<"$depends" || fail "Depends lacks $pkg"
  done
  dpkg-deb -x "$deb" "$work/root"
  check_tree "$work/root/usr"
  for p in $programs; do
    file "$work/root/usr/bin/$p" | grep -Eq "ELF .*, stripped$" ||
      fail "$p is not a stripped executable"
    check_binary "$work/root/usr/bin/$p"
  done
  check_flags "$dir"
  # Built again a moment later, with every file staged anew: the same bytes.
  sleep 1
  cpack --config "$dir/CPackConfig.cmake" -G DEB -B "$work/again" >/dev/null
  cmp "$deb" "$work/again/$(basename "$deb")" || fail "a second build of the package differs"
  # Debian's own judgement of the package: no error and no warning. Lintian says it is run as
  # root (CI is); that note is not about the package.
  report="$(lintian --display-info "$deb" 2>&1 | grep -v 'running with root privileges' || true)"
  echo "lintian:"
  echo "${report:-(nothing to report)}"
  if grep -Eq '^[EW]: ' <<<"$report"; then fail "lintian reports errors or warnings"; fi
  ;;
*)
  echo "unknown mode $mode" >&2
  exit 2
  ;;
esac

[ "$failures" -eq 0 ] && echo "all $mode checks passed"
[ "$failures" -eq 0 ]
