#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The README's examples, the indented lines that begin with "$ ", run as
# written with this build's korvane first on the PATH. Together, their
# outputs must have the shape of the samples under them: the same lines,
# dashes and spaces, a letter or digit wherever a sample has one.
#   tests/readme.sh README.md FOLDER-OF-KORVANE
set -u
PATH=$2:$PATH
commands='' samples='' example=''
while IFS= read -r line; do
	if [[ $line =~ ^\ +\$\ (.*) ]]; then commands+=${BASH_REMATCH[1]}$'\n' example=1
	elif [[ -n $example && $line =~ ^\ +[^\ ] ]]; then samples+=${line#"${line%%[! ]*}"}$'\n'
	else example=''; fi
done <"$1"
[ -n "$commands" ] || { echo "no examples in $1"; exit 1; }
shape() { tr 'A-Za-z0-9' 'x'; }
out=$(bash -c "$commands" 2>&1)
[ "$(shape <<<"$out")" = "$(shape <<<"${samples%$'\n'}")" ] && exit 0
printf 'The examples:\n%s\nwrote:\n%s\nwhere the samples show:\n%s' "$commands" "$out" "$samples"
exit 1
