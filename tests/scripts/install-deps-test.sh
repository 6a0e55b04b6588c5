#!/usr/bin/env bash
# scripts/install-deps.sh against stand-in apt-get, apt-cache, dpkg, dpkg-query and sudo on PATH:
# a mirror whose i386 index is a sync behind (update exits 100, zlib1g installed for amd64 at a
# version the i386 index lacks), a -dev package of a newer suite than the version its library is
# brought to, a mirror where no version fits both, and a machine that has it all.
# Usage: install-deps-test.sh SCRIPT
set -uo pipefail
script=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# Writes the stand-ins into $work/bin. Each case sets:
#   INSTALLED   "name=version ..." of what dpkg reports installed (all else is missing)
#   MADISON     "name|version ..." of what the indices offer (name with :i386 for the i386 index)
#   NEEDS_PIN   the install works only when these words are all on its command line
#   UNMET       the unmet dependency apt reports until then (a zlib1g:i386 one when unset)
mkdir -p "$work/bin"
cat >"$work/bin/dpkg-query" <<'EOF'
#!/usr/bin/env bash
for entry in $INSTALLED; do
  [ "${entry%%=*}" = "${@: -1}" ] && { printf 'install ok installed %s' "${entry#*=}"; exit 0; }
done
exit 1
EOF
cat >"$work/bin/dpkg" <<'EOF'
#!/usr/bin/env bash
[ "$1" = --print-foreign-architectures ] && echo i386
exit 0
EOF
cat >"$work/bin/apt-cache" <<'EOF'
#!/usr/bin/env bash
for entry in $MADISON; do
  [ "${entry%%|*}" = "$2" ] && echo " $2 | ${entry#*|} | http://mirror bookworm/main Packages"
done
exit 0
EOF
cat >"$work/bin/apt-get" <<'EOF'
#!/usr/bin/env bash
echo "apt-get $*" >>"$CALLS"
if [ "$1" = update ]; then
  echo "E: Failed to fetch .../binary-i386/Packages.xz  File has unexpected size. Mirror sync in progress?" >&2
  exit 100
fi
for word in $NEEDS_PIN; do
  if [[ " $* " != *" $word "* ]]; then
    printf '%s\n' "The following packages have unmet dependencies:" \
      "${UNMET:- libcurl4:i386 : Depends: zlib1g:i386 (>= 1:1.1.4) but it is not going to be installed}" \
      "E: Unable to correct problems, you have held broken packages." >&2
    exit 100
  fi
done
exit 0
EOF
printf '#!/bin/sh\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

# Runs the script in one case; `expect` is the exit status, then patterns the calls log and the
# script's messages must hold.
run_case() {
  local name=$1 expect=$2; shift 2
  : >"$work/calls"
  CALLS="$work/calls" PATH="$work/bin:$PATH" bash "$script" >"$work/out" 2>&1
  local status=$?
  [ "$status" -eq "$expect" ] || { echo "FAIL $name: exit $status, expected $expect"; cat "$work/out"; failures=$((failures + 1)); return; }
  for pattern in "$@"; do
    # grep reads the files itself: under pipefail, a cat cut short by grep -q would fail the case.
    if ! grep -qF -- "$pattern" "$work/calls" "$work/out"; then
      echo "FAIL $name: no \"$pattern\" in"; cat "$work/calls" "$work/out"; failures=$((failures + 1)); return
    fi
  done
  echo "ok   $name"
}

all=$(sed -n '/^packages=(/,/)/p' "$script" | sed 's/packages=(//; s/)//')

export INSTALLED="zlib1g=2" NEEDS_PIN="zlib1g=1 zlib1g:i386=1 --allow-downgrades"
export MADISON="zlib1g|2 zlib1g|1 zlib1g:i386|1"
run_case "skew resolved" 0 "warning: apt-get update failed" "zlib1g 2 -> 1" \
  "apt-get install -y -qq --no-install-recommends --allow-downgrades cmake"

export INSTALLED="libheif1=2" NEEDS_PIN="libheif1=1 libheif1:i386=1 libheif-dev=1"
export MADISON="libheif1|2 libheif1|1 libheif1:i386|1 libheif-dev|2 libheif-dev|1"
UNMET=" libheif-dev : Depends: libheif1 (= 2) but 1 is to be installed" \
  run_case "a -dev package follows its library" 0 "libheif1 2 -> 1" "libheif-dev=1"

export INSTALLED="zlib1g=2" NEEDS_PIN="zlib1g=1 zlib1g:i386=1 --allow-downgrades"
export MADISON="zlib1g|2 zlib1g:i386|1"
run_case "no common version" 1 "could not install: cmake ninja-build"
[ "$(grep -c 'could not install' "$work/out")" -eq 1 ] || { echo "FAIL: more than one closing message"; failures=$((failures + 1)); }

export INSTALLED=$(for p in $all; do printf '%s=1 ' "$p"; done) NEEDS_PIN="never"
run_case "nothing missing" 0
[ ! -s "$work/calls" ] || { echo "FAIL nothing missing: apt-get was called"; failures=$((failures + 1)); }

exit $((failures > 0))
