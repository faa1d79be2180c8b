# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# What CI's stages share: each sources this, then works from the top.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
mkdir -p build # where every stage builds and keeps its logs
build_tools=(cmake g++ make)
[ "${CMAKE_GENERATOR:-}" != Ninja ] || build_tools+=(ninja=ninja-build)
# shellcheck disable=SC2034 # the stages that source this read these
{
	version=$(sed -n 's/^set(KORVANE_VERSION \(.*\))$/\1/p' CMakeLists.txt)
	packages=build/release/packages
	test_tools=(/usr/include/gtest/gtest.h=libgtest-dev strace)
	# The static Linux tarballs, one for each NAME=TARGET of KORVANE_LINUX in
	# CMakeLists.txt, and the compilers and emulators that make them.
	tarballs=() linux_tools=()
	while read -r arch; do
		target=${arch#*=} && tarballs+=("$packages/korvane-$version-linux-${arch%%=*}.tar.gz")
		if [ "${target%%-*}" = "$(uname -m)" ]; then linux_tools+=("$target-g++=g++")
		else linux_tools+=("$target-g++=g++-${target//_/-}" "qemu-${target%%-*}-static=qemu-user-static"); fi
	done < <(awk '/^set\(KORVANE_LINUX$/ { on = 1; next } on { if (sub(/\)$/, "")) on = 0; print $1 }' CMakeLists.txt)
	# Every package, as a packager makes them: the release workflow's, and
	# the Windows zip without the checks under wine.
	packing='cmake --workflow --preset release >/dev/null && cmake --preset mingw >/dev/null &&
		cmake --build --preset mingw >/dev/null && cpack --preset mingw >/dev/null'
	pack_tools=("${build_tools[@]}" "${linux_tools[@]}" git gzip zip dpkg-shlibdeps=dpkg-dev file
		"x86_64-w64-mingw32-g++=g++-mingw-w64-x86-64")
}

# need [--lean] ITEM...: installs what is missing; an ITEM is a command or a path, with
# =PACKAGE,... where the packages are named otherwise. --lean leaves out recommends.
need() {
	local lean=() want=() item sudo=()
	[ "$1" != --lean ] || { lean=(--no-install-recommends); shift; }
	for item; do
		[ -e "${item%%=*}" ] || command -v "${item%%=*}" >/dev/null ||
			{ IFS=, read -ra item <<<"${item#*=}"; want+=("${item[@]}"); }
	done
	[ ${#want[@]} -gt 0 ] || return 0
	[ "$(id -u)" = 0 ] || sudo=(sudo)
	"${sudo[@]}" apt-get update -q
	DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q "${lean[@]}" "${want[@]}"
}
root_only() { [ "$(id -u)" = 0 ] || { echo "${0##*/}: run as root: $1" >&2; exit 1; }; }
on_exit() { # the cleanup, on every exit, a signal's too
	# shellcheck disable=SC2064 # the caller's cleanup, as the caller wrote it
	trap "$1" EXIT
	trap 'exit 129' HUP; trap 'exit 130' INT; trap 'exit 143' TERM
}
# Every test can run on this machine: one that skips itself fails the stage.
no_skips() { ! grep -q 'tests did not run' "$1" || { echo "$1: tests were skipped"; exit 1; }; }

# The indented block right after the line "<!-- ci: NAME ... -->" in
# README.md or HACKING.md, blank lines between: what CI runs, as root, in
# the bare roots.
readme() { # NAME
	awk -v mark="<!-- ci: $1 " 'index($0, mark) == 1 { on = 1; next }
		on && /^    / { sub(/^    /, ""); print; got = 1; next } on && (got || NF) { exit }' README.md HACKING.md
}
finds() { # grep's options, text, pattern...: grep finds each in the text, or the first it does not is named
	local re; for re in "${@:3}"; do grep -q "$1" -- "$re" <<<"$2" || { echo "${0##*/}: no $re"; return 1; }; done
}
# runs COMMAND...: a program, run as COMMAND (through chroot or qemu, say),
# says its version, writes the shape of -c8 -l -p4, and a full disk ends it
# with the error line and status 1.
runs() {
	[ "$("$@" -v)" = "korvane, version $version" ] && [[ $("$@" -c8 -l -p4) =~ ^[0-9A-Za-z]{4}-[0-9A-Za-z]{4}$ ]] &&
		[ "$("$@" 2>&1 >/dev/full; echo $?)" = $'korvane: write error: No space left on device\n1' ] && return
	echo "${0##*/}: $* does not run as it must"; return 1
}
modes() { # a folder: every folder in it 0755, every file 0644 or 0755
	local odd; odd=$(find "$1" \( \( -type d ! -perm 755 \) -o \( -type f ! -perm 644 ! -perm 755 \) \) -exec ls -ld {} +)
	[ -z "$odd" ] || { echo "$odd"; echo "${0##*/}: modes the umask made"; return 1; }
}
lintian_clean() { lintian -I --pedantic --fail-on error,warning,info,pedantic,experimental "$@"; }
