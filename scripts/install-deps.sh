#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian 12 machine.
# Safe to run again: it only installs what is missing, and does nothing when all is there.
#
# A mirror in sync trouble can serve an i386 index a sync behind its amd64 index. Then
# `apt-get update` fails for that index (a warning here: the other lists are fresh), and the
# i386 halves of multi-arch libraries cannot match installed amd64 ones. The script then brings
# both halves of each library that apt names to a version that both indices offer, downgrades
# allowed, and says which packages it moved.
set -uo pipefail

# The 64-bit compiler and loader run the Windows tests on machines that cannot run 32-bit code.
packages=(cmake ninja-build make g++ googletest g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
          wine wine32:i386 wine64 libxinerama1:i386 fonts-wine xvfb xauth xdotool imagemagick clang libclang-rt-14-dev
          nlohmann-json3-dev time gnome-backgrounds libimage-exiftool-perl
          libjpeg62-turbo-dev libpng-dev libheif-dev libwebp-dev libavif-dev fonts-dejavu-core)
max_rounds=8

installed_version() { dpkg-query -W -f='${Status} ${Version}\n' "$1" 2>/dev/null | sed -n 's/^install ok installed //p' | head -n 1; }

missing=()
for p in "${packages[@]}"; do
  [ -n "$(installed_version "$p")" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386 || { echo "install-deps: could not add the i386 architecture" >&2; exit 1; }
fi
if ! $sudo apt-get update -qq; then
  echo "install-deps: warning: apt-get update failed for some index; going on with the lists there are" >&2
fi

# Versions that apt-cache lists for one package name (with or without :i386), newest first.
versions_of() { apt-cache madison "$1" 2>/dev/null | awk -F'|' '$3 ~ /Packages/ { gsub(/ /, "", $2); print $2 }'; }

# The newest version of a library that both the amd64 and the i386 index offer.
common_version() {
  local amd64 i386
  amd64=$(versions_of "$1")
  i386=$(versions_of "$1:i386")
  [ -n "$amd64" ] && [ -n "$i386" ] || return 1
  grep -Fxf <(printf '%s\n' "$i386") <<<"$amd64" | head -n 1
}

declare -A pinned=()   # library name -> version both halves are brought to
pins=()
moved=()

# Reads apt's unmet dependencies and pins each library it names; prints nothing, returns
# non-zero when no new pin could be found.
pin_from_unmet() {
  local report=$1 found=1 line name arch version exact
  while read -r line; do
    name=${line%% *}; exact=""
    [[ $line =~ \(=\ ([^\)]+)\) ]] && exact=${BASH_REMATCH[1]}
    arch=""; [[ $name == *:* ]] && arch=${name#*:} && name=${name%%:*}
    [ -n "${pinned[$name]:-}" ] && continue
    if version=$(common_version "$name") && [ -n "$version" ]; then
      pinned[$name]=$version
      pins+=("$name=$version" "$name:i386=$version")
      local had; had=$(installed_version "$name")
      [ -n "$had" ] && [ "$had" != "$version" ] && moved+=("$name $had -> $version")
      found=0
    elif [ -n "$exact" ] && versions_of "$name${arch:+:$arch}" | grep -Fxq "$exact"; then
      pinned[$name]=$exact
      pins+=("$name${arch:+:$arch}=$exact")
      local had; had=$(installed_version "$name${arch:+:$arch}")
      [ -n "$had" ] && [ "$had" != "$exact" ] && moved+=("$name $had -> $exact")
      found=0
    fi
  done < <(sed -n '/unmet dependencies:/,/^E:/p' <<<"$report" | grep -oE 'Depends: [^ ]+( \(= [^)]+\))?' | sed 's/^[A-Za-z]*Depends: //')
  # A package that wants one exact version of a library already pinned to another (a -dev package
  # of a newer suite) goes to the pinned version when its index offers that.
  local wanter="" library
  while read -r line; do
    [[ $line =~ ^([^ ]+)\ :\ (.*)$ ]] && wanter=${BASH_REMATCH[1]} && line=${BASH_REMATCH[2]}
    [[ $line =~ Depends:\ ([^ :]+)(:[^ ]+)?\ \(=\ ([^\)]+)\) ]] || continue
    library=${BASH_REMATCH[1]}; version=${pinned[$library]:-}
    name=${wanter%%:*}
    [ -n "$wanter" ] && [ -n "$version" ] && [ "$version" != "${BASH_REMATCH[3]}" ] && [ -z "${pinned[$name]:-}" ] || continue
    versions_of "$wanter" | grep -Fxq "$version" || continue
    pinned[$name]=$version
    pins+=("$wanter=$version")
    found=0
  done < <(sed -n '/unmet dependencies:/,/^E:/p' <<<"$report")
  return $found
}

apt_install() { $sudo apt-get install -y -qq --no-install-recommends "$@"; }

if apt_install "${missing[@]}" >/dev/null; then exit 0; fi

echo "install-deps: the package indices disagree; looking for versions that both architectures offer" >&2
for ((round = 1; round <= max_rounds; round++)); do
  report=$(apt-get install -s --no-install-recommends --allow-downgrades "${missing[@]}" "${pins[@]}" 2>&1)
  if [ $? -eq 0 ]; then
    if apt_install --allow-downgrades "${missing[@]}" "${pins[@]}" >/dev/null; then
      if [ ${#moved[@]} -gt 0 ]; then
        (IFS=','; echo "install-deps: moved to a version both architectures offer: ${moved[*]}" | sed 's/,/, /g' >&2)
      fi
      exit 0
    fi
    break
  fi
  pin_from_unmet "$report" || break
done

echo "install-deps: could not install: ${missing[*]}" >&2
exit 1
