#!/usr/bin/env bash
# make test-package: builds the Debian package, looks inside it, unpacks it into a scratch root
# and runs the unpacked command line there: version, help and an import into the data folder
# the launcher gives a user.
set -euo pipefail
build=$(cd "$1" && pwd)
samples=$(cd "$2" && pwd)
fail() { echo "package test: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB >/dev/null) || fail "cpack could not build the package"
deb=$(ls -t "$build"/quorvel-3r10_*_*.deb | head -n 1)
[ -f "$deb" ] || fail "no package in $build"

info=$(dpkg-deb --info "$deb")
for field in "Package: quorvel-3r10" "Section: games" "Maintainer: " "Depends: .*libc6" "Depends: .*libqt6widgets6" \
             "Version: [0-9]"; do
  grep -Eq "^ $field" <<<"$info" || fail "dpkg-deb --info shows no \"$field\""
done

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for file in ./usr/bin/quorvel ./usr/bin/quorvel-3r10 ./usr/lib/quorvel-3r10/quorvel \
            ./usr/lib/quorvel-3r10/Quorvel_3r10 ./usr/lib/quorvel-3r10/Quorvel_3r10_ENU.lng \
            ./usr/share/applications/quorvel-3r10.desktop ./usr/share/icons/hicolor/scalable/apps/quorvel-3r10.svg \
            ./usr/share/man/man1/quorvel.1 ./usr/share/man/man1/quorvel-3r10.1 \
            ./usr/share/bash-completion/completions/quorvel ./usr/share/metainfo/example.quorvel.Quorvel3r10.metainfo.xml; do
  grep -qx "$file" <<<"$contents" || fail "the package holds no $file"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
grep -qx "Exec=/usr/bin/quorvel-3r10" "$root/usr/share/applications/quorvel-3r10.desktop" ||
  fail "the desktop entry does not start the installed launcher"

if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root/usr/share/metainfo/example.quorvel.Quorvel3r10.metainfo.xml" >/dev/null ||
    fail "appstreamcli refuses the metainfo file"
fi

export HOME="$root/home"
unset XDG_DATA_HOME
quorvel="$root/usr/bin/quorvel"
# Each output is read whole before it is searched: "grep -q" leaving early would break the pipe.
version=$("$quorvel" --version) || fail "the installed quorvel --version failed"
grep -q "^quorvel " <<<"$version" || fail "the installed quorvel --version printed no version"
usage=$("$quorvel" --help) || fail "the installed quorvel --help failed"
grep -q -- "--data-dir" <<<"$usage" || fail "the installed quorvel --help printed no usage"
"$quorvel" --yes import "$samples/cash3.csv" >/dev/null || fail "the installed quorvel could not import"
[ -s "$HOME/.local/share/Quorvel_3r10/Quorvel_3r10.ldr" ] || fail "the import left no archive in the user's data folder"
status=$("$quorvel" info) || fail "the installed quorvel info failed"
grep -q "3329" <<<"$status" || fail "the installed quorvel does not see the imported draws"
echo "package test: $(basename "$deb") passed"
