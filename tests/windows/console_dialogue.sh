#!/usr/bin/env bash
# Types whole dialogues at a console for the Windows program under Wine and
# checks them against the Linux program given the same answers.
#
# Usage: console_dialogue.sh LINUX_PROGRAM WINDOWS_PROGRAM
#
# `script` gives Wine a terminal, so the program's standard input is a Wine
# console and every answer comes through ReadConsoleW. Each answer is typed
# (ended with Enter) once the program has written something since the last
# one was typed, as a person would. With standard output sent to a file, the
# file must hold the bytes the Linux program writes (draws compared as in
# compare_dialogues.sh). With standard output on the console too
# (WriteConsoleW), the screen must show the Linux program's name prompts and
# lists, and the exit status must be the same. Each runs once with Wine's
# code pages at their default and once at 932 (a Japanese locale, which must
# exist for Wine to read Japanese typed at the terminal).
set -uo pipefail

# shellcheck source=tests/windows/common.sh
source "$(dirname "$0")/common.sh"

windows=$(cd "$(dirname "$windows")" && pwd)/$(basename "$windows")

size_of() {
  stat -c %s "$1" 2>/dev/null || echo 0
}

# Waits up to 20 seconds for FILE to grow beyond SIZE.
wait_for_growth() {
  local file=$1 size=$2
  for _ in $(seq 200); do
    if (($(size_of "$file") > size)); then
      sleep 0.2
      return 0
    fi
    sleep 0.1
  done
  return 1
}

# type_at_console LOCALE WATCHED COMMAND ANSWER...: runs COMMAND (a shell
# command) in a terminal and types each answer once WATCHED has grown.
type_at_console() {
  local locale=$1 watched=$2 command=$3
  shift 3
  : >"$watched"
  {
    # The size before an answer is typed, so whatever it makes the program
    # write counts as growth however fast it comes.
    local size=0
    for answer in "$@"; do
      wait_for_growth "$watched" "$size" || break
      size=$(size_of "$watched")
      printf '%s\r' "$answer"
    done
  } | LC_ALL=$locale timeout 40 script -qec "$command" /dev/null >"$work/screen"
}

report() {
  local name=$1 ok=$2 detail=$3
  if [[ $ok == yes ]]; then
    echo "ok   $name"
    passed=$((passed + 1))
  else
    echo "FAIL $name: $detail"
    failed=$((failed + 1))
  fi
}

# to_file NAME LOCALE ENCODING ANSWER...: typed answers, output to a file.
to_file() {
  local name=$1 locale=$2 encoding=$3
  shift 3
  printf '%s\n' "$@" | LC_ALL=C.UTF-8 "$linux" >"$work/linux" 2>/dev/null
  local linux_status=$?
  if [[ $encoding == CP932 ]]; then
    iconv -f UTF-8 -t CP932 "$work/linux" >"$work/expected"
  else
    cp "$work/linux" "$work/expected"
  fi
  rm -f "$work/status"
  type_at_console "$locale" "$work/windows" \
    "wine '$windows' >'$work/windows'; echo \$? >'$work/status'" "$@"
  local windows_status
  windows_status=$(cat "$work/status" 2>/dev/null || echo none)
  if [[ $windows_status != "$linux_status" ]]; then
    report "$name" no "exit status $windows_status on Windows, $linux_status on Linux"
  elif ! cmp -s <(mask_draws "$work/expected") <(mask_draws "$work/windows"); then
    report "$name" no "the outputs differ: $(diff <(iconv -f "$encoding" -t UTF-8 "$work/windows") \
      "$work/linux" | head -10)"
  else
    report "$name" yes ""
  fi
}

# on_screen NAME LOCALE ANSWER...: typed answers, output to the console.
on_screen() {
  local name=$1 locale=$2
  shift 2
  printf '%s\n' "$@" | LC_ALL=C.UTF-8 "$linux" >"$work/linux" 2>/dev/null
  echo "status $?" >>"$work/linux"
  type_at_console "$locale" "$work/screen" "wine '$windows'; echo \"status \$?\"" "$@"
  # What the terminal shows, without the cursor movements of Wine's console.
  sed -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' -e 's/\r//g' "$work/screen" >"$work/shown"
  local missing="" piece
  while IFS= read -r piece; do
    grep -qF -- "$piece" "$work/shown" || missing+=" [$piece]"
  done < <(grep -E '人目|^status' "$work/linux" | grep -oE '[^:]+(:|$)')
  report "$name" "$([[ -z $missing ]] && echo yes)" "not on the screen:$missing"
}

# "José" has no CP932 form: it is refused as a name, never stored as "Jos?".
answers=(0 "2 1" "José" "ゼピロ ﾐｻｲﾙ" abc 2 2 3 "A　B" 0 5)

to_file "typed at a console, written to a file in UTF-8" C.UTF-8 UTF-8 "${answers[@]}"
to_file "typed at a console, written to a file in CP932" ja_JP.UTF-8 CP932 "${answers[@]}"
on_screen "typed at and written to a console in UTF-8" C.UTF-8 "${answers[@]}"
on_screen "typed at and written to a console in CP932" ja_JP.UTF-8 "${answers[@]}"

# Standard error on a console whose code page is not 932 is written as UTF-16
# too, so the Japanese usage line reads right.
type_at_console C.UTF-8 "$work/screen" "wine '$windows' --bogus; echo \"status \$?\""
grep -q '使い方: zepiro' "$work/screen" && grep -q 'status 2' "$work/screen"
report "the usage line on a console at another code page" "$([[ $? == 0 ]] && echo yes)" \
  "$(sed -e 's/\x1b\[[0-9;?]*[A-Za-z]//g' "$work/screen" | head -3)"

# A long piped line without a line end, at a code page 932 console whose ANSI
# code page is not 932, is converted piece by piece: memory stays bounded.
head -c 30000000 /dev/zero | tr '\0' x >"$work/line"
LC_ALL=C.UTF-8 timeout 60 script -qec "wine cmd /c 'chcp 932 >nul & $(winepath -w "$windows") \
  < $(winepath -w "$work/line")'" /dev/null >/dev/null &
peak=0
while kill -0 $! 2>/dev/null; do
  rss=$(ps -eo rss=,args= | awk '$2 ~ /^[A-Z]:.*zepiro\.exe$/ { print $1 }' | sort -n | tail -1)
  rss=${rss:-0}
  ((rss > peak)) && peak=$rss
  sleep 0.2
done
# (A peak of 0 means the program was never seen running.)
report "a 30 MB line piped in at a code page 932 console" \
  "$( ((peak > 0 && peak < 16384)) && echo yes)" "peak $peak KB"

echo "$passed passed, $failed failed"
[[ $failed == 0 ]]
