#!/bin/sh
# Installs the build into a fresh prefix, takes away every write permission there and runs the
# installed-program test against it as a process that cannot write into the prefix.
# Usage: installed-test.sh <cmake> <build folder> <tst_installed> [test arguments]
set -eu
cmake=$1
build=$2
test_exe=$3
shift 3

work=$(mktemp -d "${TMPDIR:-/tmp}/promille-installed-XXXXXX")
cleanup() {
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' HUP INT TERM

prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
mkdir "$work/config"

export PROMILLE_PREFIX="$prefix"
export XDG_CONFIG_HOME="$work/config"

if [ "$(id -u)" -eq 0 ]; then
    # Root writes through missing write bits, and access(2), which decides whether the program
    # keeps vux.ini beside itself, says so. Rather than switch to another user, who might not
    # reach a build tree under root's home, the test stays root without the capabilities that
    # override file permissions: the prefix is then read-only for it as for any user, while the
    # build tree and the configuration folder, which root owns, stay open to it.
    setpriv --bounding-set=-dac_override,-dac_read_search,-fowner,-linux_immutable \
        -- "$test_exe" "$@"
else
    "$test_exe" "$@"
fi
