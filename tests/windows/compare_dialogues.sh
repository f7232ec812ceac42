#!/usr/bin/env bash
# Runs the same whole dialogues, piped in, through the Linux program and the
# Windows program (under Wine) and checks that both write the same bytes and
# end with the same exit status.
#
# Usage: compare_dialogues.sh LINUX_PROGRAM WINDOWS_PROGRAM
#
# The pairings of a draw are random, so inside each draw (between its two
# 29-dash lines) every pairing line must have the pairing's shape and is then
# compared as a mark; names, notices and everything else stay byte for byte.
# The Windows program is also run with Wine's ANSI code page set to 932, where
# pipes carry CP932: its bytes must be the CP932 form of the Linux output.
# Last come the exit statuses of output that cannot be written, of input that
# cannot be read and of the command line, and a seeded draw that must match
# the Linux one exactly.
set -uo pipefail

# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

# compare NAME INPUT: the Linux and Windows runs of INPUT in UTF-8, then the
# Windows run in CP932.
compare() {
  local name=$1 input=$2
  printf '%s' "$input" >"$work/in"
  LC_ALL=C.UTF-8 "$linux" <"$work/in" >"$work/linux" 2>/dev/null
  local linux_status=$?
  LC_ALL=C.UTF-8 wine "$windows" <"$work/in" >"$work/windows" 2>/dev/null
  local windows_status=$?
  check "$name" "$linux_status" "$windows_status"

  iconv -f UTF-8 -t CP932 "$work/in" >"$work/in.cp932"
  iconv -f UTF-8 -t CP932 "$work/linux" >"$work/linux.cp932"
  LC_ALL=ja_JP.UTF-8 wine "$windows" <"$work/in.cp932" >"$work/windows" 2>/dev/null
  windows_status=$?
  mv "$work/linux.cp932" "$work/linux"
  check "$name (CP932)" "$linux_status" "$windows_status"
}

check() {
  local name=$1 linux_status=$2 windows_status=$3
  mask_draws "$work/linux" >"$work/linux.masked"
  mask_draws "$work/windows" >"$work/windows.masked"
  if [[ $linux_status != "$windows_status" ]]; then
    echo "FAIL $name: exit status $windows_status on Windows, $linux_status on Linux"
    failed=$((failed + 1))
  elif ! cmp -s "$work/linux.masked" "$work/windows.masked"; then
    echo "FAIL $name: the outputs differ"
    diff "$work/linux.masked" "$work/windows.masked" | head -20
    failed=$((failed + 1))
  elif [[ ! -s $work/linux ]]; then
    echo "FAIL $name: no output"
    failed=$((failed + 1))
  else
    echo "ok   $name (status $linux_status)"
    passed=$((passed + 1))
  fi
}

compare "history, then the input ends" \
  $'2\n2\n'

compare "draw, draw again, change the participants, end" \
  $'0\n3 2\nA ゼピロ C\n2\n9\n2\n2\n0\n2\n3\nﾐｻｲﾙ\n0\n5\n'

compare "draw with one race and bans" \
  $'0\n2 1\nA B\n0\n7-1\n8\n4-3\n0\n0\n3\n0 0\n2\n5\n'

compare "tally, then the input ends at the menu" \
  $'1\n3 2\nA ゼピロ C\n10 20\n30 15\n10 20\n'

compare "tally, then to the draw and end" \
  $'1\n2 1\nA B\n5\n-3\n0\n1 0\nC\n2\n5\n'

compare "refused answers" \
  $'x\n0\n99999999999\n16\n1 1\nゼピロゼピロゼピロ\nゼピロ\nabc\n5\n'

compare "line ends typed as CR LF" \
  $'0\r\n2 1\r\nA ゼピロ\r\n2\r\n5\r\n'

# expect NAME EXPECTED_STATUS STATUS [LINES]: one check of the Windows
# program's exit status; a failure must also be said on standard error, in
# one line (or LINES: a wrong argument is followed by the usage line).
expect() {
  local name=$1 expected=$2 status=$3 lines=${4:-1}
  if [[ $status != "$expected" ]]; then
    echo "FAIL $name: exit status $status, not $expected"
    failed=$((failed + 1))
  elif [[ $expected == 2 && $(wc -l <"$work/err") != "$lines" ]]; then
    echo "FAIL $name: not $lines line(s) on standard error"
    failed=$((failed + 1))
  else
    echo "ok   $name (status $status)"
    passed=$((passed + 1))
  fi
}

printf '1\n2 1\nA B\n10\n20\n2\n' >"$work/in"
LC_ALL=C.UTF-8 wine "$windows" <"$work/in" >/dev/full 2>"$work/err"
expect "output to a full disk" 2 $?
LC_ALL=C.UTF-8 wine "$windows" <"$work/in" 2>"$work/err" >&-
expect "output closed" 2 $?
LC_ALL=C.UTF-8 wine "$windows" </ >/dev/null 2>"$work/err"
expect "input that cannot be read" 2 $?
LC_ALL=C.UTF-8 wine "$windows" >/dev/null 2>"$work/err" <&-
expect "input closed" 2 $?
LC_ALL=C.UTF-8 wine "$windows" --bogus <"$work/in" >/dev/null 2>"$work/err"
expect "an unknown option" 2 $? 2
LC_ALL=C.UTF-8 wine "$windows" --version >"$work/windows" 2>"$work/err"
expect "--version" 0 $?

# A seed gives the same draws on both systems, byte for byte.
printf '0\n3 4\nA ゼピロ C\n2\n0\n5\n' >"$work/in"
LC_ALL=C.UTF-8 "$linux" --seed 2026 <"$work/in" >"$work/linux" 2>/dev/null
LC_ALL=C.UTF-8 wine "$windows" --seed 2026 <"$work/in" >"$work/windows" 2>/dev/null
if cmp -s "$work/linux" "$work/windows"; then
  echo "ok   the same seed, the same draws"
  passed=$((passed + 1))
else
  echo "FAIL the same seed gives other draws on Windows"
  failed=$((failed + 1))
fi

echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
