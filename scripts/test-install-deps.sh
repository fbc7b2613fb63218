#!/usr/bin/env bash
# Checks install-deps.sh against stand-ins for dpkg-query, apt-get, sudo and id, so nothing is
# installed: which packages it asks for, and how it gets root.
set -uo pipefail

script="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/install-deps.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

# A bin folder holding only the stand-ins (and env, which the script runs apt-get through), so a
# real sudo or apt-get elsewhere on the machine is never found.
#   absent: packages dpkg-query knows nothing of; removed: reported as "rc" (config files left);
#   every other package is installed ("ii"); user: the id -u answer; with_sudo: yes or no.
make_bin() {
    local absent=$1 removed=$2 user=$3 with_sudo=$4
    rm -rf "$work/bin" "$work/log"
    mkdir -p "$work/bin"
    ln -s "$(command -v env)" "$work/bin/env"
    cat >"$work/bin/dpkg-query" <<EOF
#!$BASH
package=\${!#}
for p in $removed; do [[ \$p == "\$package" ]] && { printf 'rc '; exit 0; }; done
for p in $absent; do
    [[ \$p == "\$package" ]] && { echo "dpkg-query: no packages found matching \$p" >&2; exit 1; }
done
printf 'ii '
EOF
    cat >"$work/bin/apt-get" <<EOF
#!$BASH
echo "apt-get \$* [DEBIAN_FRONTEND=\${DEBIAN_FRONTEND:-}]" >>"$work/log"
EOF
    printf '#!%s\necho %s\n' "$BASH" "$user" >"$work/bin/id"
    if [[ $with_sudo == yes ]]; then
        printf '#!%s\necho sudo >>"%s"\nexec "$@"\n' "$BASH" "$work/log" >"$work/bin/sudo"
    fi
    chmod +x "$work/bin"/*
    touch "$work/log"
}

run_script() {
    PATH="$work/bin" "$BASH" "$script" "$@" >"$work/out" 2>&1
}

check() {
    local name=$1 expected=$2 actual=$3
    if [[ "$expected" == "$actual" ]]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAIL %s\n  expected: %s\n  got:      %s\n' "$name" "$expected" "$actual"
    fi
}


# Everything there: no apt-get at all, not even an update.
make_bin "" "" 0 no
run_script
check "nothing missing: exit status" 0 $?
check "nothing missing: apt-get untouched" "" "$(cat "$work/log")"

# A removed package (config files left) counts as missing; so does one never installed.
make_bin "qt6-multimedia-dev xauth" "fonts-liberation" 0 no
run_script
check "as root: exit status" 0 $?
check "as root: update first, then only what is missing" \
    "apt-get update -q [DEBIAN_FRONTEND=noninteractive]
apt-get install -y -q qt6-multimedia-dev fonts-liberation xauth [DEBIAN_FRONTEND=noninteractive]" \
    "$(cat "$work/log")"

# Extra packages named on the command line are checked too.
make_bin "clang-format" "" 0 no
run_script clang-format
check "extra package: installed" \
    "apt-get update -q [DEBIAN_FRONTEND=noninteractive]
apt-get install -y -q clang-format [DEBIAN_FRONTEND=noninteractive]" "$(cat "$work/log")"

# Not root: both apt-get calls go through sudo.
make_bin "qt6-multimedia-dev fonts-liberation xauth" "" 1000 yes
run_script
check "with sudo: exit status" 0 $?
check "with sudo: every apt-get call through sudo" \
    "sudo
apt-get update -q [DEBIAN_FRONTEND=noninteractive]
sudo
apt-get install -y -q qt6-multimedia-dev fonts-liberation xauth [DEBIAN_FRONTEND=noninteractive]" \
    "$(cat "$work/log")"

# Not root and no sudo: fail, saying what to run, and install nothing.
make_bin "qt6-multimedia-dev fonts-liberation xauth" "" 1000 no
run_script
check "no sudo: exit status" 1 $?
check "no sudo: apt-get untouched" "" "$(cat "$work/log")"
check "no sudo: tells the command" yes \
    "$(grep -q 'apt-get install -y qt6-multimedia-dev fonts-liberation xauth' "$work/out" &&
        echo yes)"

echo "install-deps: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
