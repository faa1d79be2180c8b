#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The texts, strings, shapes and write error that must hold on every
# platform, for a build run through a command prefix, if any:
#   tests/portable.sh wine korvane.exe
# $ORACLE, run through the same emulator, gives the strings for a stamp.
# $KORVANE_VERSION is the version the build gives; with EOL=crlf, lines must
# end in CR LF, as Windows console programs' do.
set -u
n=$'\n' fail=0 pass=0
err=$(mktemp)
trap 'rm -f "$err"' EXIT
# A command's standard output goes to $raw, and with its CRs dropped to
# $out. Standard error is shared with the emulator's own processes, whose
# errors are shown there, not compared: wine's driver host has been seen to
# report a crash of its own in the middle of a run. A run fails if the
# command exits non-zero or korvane reports an error itself. Exiting
# non-zero with nothing from the command on either stream is the emulator's
# own failure, and only that is tried again, twice at the most.
run() { # command
	local status _
	for _ in 1 2 3; do
		raw=$("$@" 2>"$err"; echo ".$?")
		status=${raw##*.} raw=${raw%.*} out=${raw//$'\r'/}
		[ ! -s "$err" ] || sed 's/^/  (standard error) /' "$err"
		if [ "$status" = 0 ] || [ -n "$raw" ] || grep -q '^korvane:' "$err"; then break; fi
		echo "  (status $status with nothing said: the emulator failed)"
	done
	[ "$status" = 0 ] || { echo "  (exit status $status)"; return 1; }
	! grep -q '^korvane:' "$err"
}
tally() { # name, the check's status
	if [ "$2" = 0 ]; then pass=$((pass + 1)); else fail=$((fail + 1)); printf 'FAIL %s:\n%s\n' "$1" "$out"; fi
}
check() { # name, regex for the whole output, arguments
	local name=$1 re=$2
	shift 2
	run "${korvane[@]}" "$@" && [[ $out =~ ^${re}$ ]]
	tally "$name" $?
}
# The strings must be the platform's own for the seed, the stamp's second.
# A run whose two clock readings straddle a second has the next one, so it
# gets two more tries; a wrong seed or draw fails every one.
seeded() { # name, strings, length, group, lower, arguments
	local name=$1 shape=("${@:2:4}") text _
	shift 5
	for _ in 1 2 3; do
		run "${korvane[@]}" -t "$@" || break
		text=$(printf %s "$out")
		run "${emulator[@]}" "$ORACLE" "${text##*"$n"}" "${shape[@]}" || break
		[ "${text%"$n"*}$n" = "$out" ] && { tally "$name" 0; return; }
	done
	tally "$name" 1
}
korvane=("$@") emulator=("${@:1:$#-1}")
eol=$n
[ "${EOL:-lf}" = lf ] || eol=$'\r\n'
s='[0-9A-Z]'
day='(Sun|Mon|Tue|Wed|Thu|Fri|Sat) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|Nov|Dec) [ 123][0-9]'
run "${korvane[@]}" -v && [ "$raw" = "korvane, version $KORVANE_VERSION$eol" ]
tally version $?
check unknown "Unknown option -x Try -h to display help${n}Unknown option -C5 Try -h to display help$n$s{6}$n" -x -C5
seeded groups 3 10 4 0 -c10 -i3 -p4
seeded lower 1 200 0 1 -c200 -l
check stamp "($s{6}$n){2}Runtime is: $day [0-2][0-9]:[0-5][0-9]:[0-6][0-9] [0-9]{4}$n$n" -t -i2
run "${korvane[@]}" -h && [ ${#out} = 1009 ]
tally help $?
# A full disk ends the run at once, with the error line and status 1.
for _ in 1 2 3; do
	out=$("${korvane[@]}" -c8 2>&1 >/dev/full; echo "status $?") && out=${out//$'\r'/}
	! grep -q '^korvane:' <<<"$out" || break
done
grep -qx 'korvane: write error: No space left on device' <<<"$out" && [[ $out == *"status 1" ]]
tally full $?
echo "$pass passed, $fail failed"
[ "$fail" = 0 ]
