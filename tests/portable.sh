#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The texts, strings and shapes that must hold on every platform, for a
# build run through a command prefix: tests/portable.sh wine korvane.exe.
# $ORACLE, run through the same prefix, gives the strings for a stamp. With
# EOL=crlf, lines must end in CR LF, as Windows console programs' do.
set -u
n=$'\n' fail=0 pass=0
err=$(mktemp)
trap 'rm -f "$err"' EXIT
# korvane's standard output, CRs dropped, goes to $out. Its standard error
# is shared with the emulator's own processes, and wine's driver host has
# been seen to report a crash of its own there in the middle of a run; so
# it is shown, not compared. The run fails if korvane exits non-zero or
# reports an error there itself.
run() { # arguments
	out=$("${prefix[@]}" "$@" 2>"$err" | tr -d '\r'; echo ".${PIPESTATUS[0]}")
	local status=${out##*.}
	out=${out%.*}
	[ ! -s "$err" ] || sed 's/^/  (standard error) /' "$err"
	[ "$status" = 0 ] || { echo "  (exit status $status)"; return 1; }
	! grep -q '^korvane:' "$err"
}
check() { # name, regex for the whole output, arguments
	local name=$1 re=$2
	shift 2
	if run "$@" && [[ $out =~ ^${re}$ ]]; then pass=$((pass + 1)); else
		fail=$((fail + 1)); printf 'FAIL %s:\n%s\n' "$name" "$out"; fi
}
# The strings must be the platform's own for the seed, the stamp's second.
# A run whose two clock readings straddle a second has the next one, so it
# gets two more tries; a wrong seed or draw fails every one.
seeded() { # name, strings, length, group, lower, arguments
	local name=$1 shape=("${@:2:4}") text try
	shift 5
	for try in 1 2 3; do
		run -t "$@" || break
		text=$(printf %s "$out")
		[ "${text%$n*}" = "$("${emulator[@]}" "$ORACLE" "${text##*$n}" "${shape[@]}" | tr -d '\r')" ] &&
			{ pass=$((pass + 1)); return; }
	done
	fail=$((fail + 1)); printf 'FAIL %s:\n%s\n' "$name" "$out"
}
prefix=("$@") emulator=("${@:1:$#-1}")
s='[0-9A-Z]'
day='(Sun|Mon|Tue|Wed|Thu|Fri|Sat) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9]'
check version "korvane, version 1\.0c$n" -v
check unknown "Unknown option -x Try -h to display help${n}Unknown option -C5 Try -h to display help$n$s{6}$n" -x -C5
seeded groups 3 10 4 0 -c10 -i3 -p4
seeded lower 1 200 0 1 -c200 -l
check stamp "($s{6}$n){2}Runtime is: $day [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}$n$n" -t -i2
run -h
ran=$?
help=$(printf %s "$out" | wc -c)
if [ $ran = 0 ] && [ "$help" = 1009 ]; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL help: $help bytes"; fi
if [ "${EOL:-lf}" = crlf ]; then
	end=$("${prefix[@]}" -v 2>/dev/null | od -An -tx1 | tr -d ' \n')
	if [ "${end: -4}" = 0d0a ]; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL crlf: $end"; fi
fi
echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
