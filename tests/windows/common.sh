# Shared set-up of the Windows dialogue checks, sourced by each of them with
# LINUX_PROGRAM and WINDOWS_PROGRAM as its arguments: a scratch folder, a
# quiet Wine in the build's own prefix, and the draw masking.

linux=$1
windows=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$windows")" && pwd)/wine}

passed=0
failed=0

# The draw lines of a transcript replaced by their shape, since draws are random.
mask_draws() {
  LC_ALL=C awk -f "$(dirname "${BASH_SOURCE[0]}")/mask_draws.awk" "$1"
}
