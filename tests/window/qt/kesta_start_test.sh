#!/usr/bin/env bash
# kesta before any window: --help and --version answer without a display; without one, or with
# one that cannot be reached, one line on standard error and exit status 1 (never an abort).
# Usage: kesta_start_test.sh KESTA
set -uo pipefail
kesta=${1:?usage: kesta_start_test.sh KESTA}
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS STDOUT-START STDERR-LINES [env settings...] -- ARGS...
expect() {
    local status=$1 out_start=$2 err_lines=$3; shift 3
    local env_args=()
    while [[ $1 != -- ]]; do env_args+=("$1"); shift; done
    shift
    local out err got
    out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "${env_args[@]}" \
          timeout 20 "$kesta" "$@" 2>/tmp/kesta-start-err.$$)
    got=$?
    err=$(cat /tmp/kesta-start-err.$$); rm -f /tmp/kesta-start-err.$$
    [[ $got -eq $status ]] || fail "kesta $* (${env_args[*]}): exit $got, want $status; stderr: $err"
    [[ $out == "$out_start"* ]] || fail "kesta $*: stdout starts: ${out:0:80}"
    local lines; lines=$(printf '%s' "$err" | grep -c '')
    [[ $lines -eq $err_lines ]] || fail "kesta $* (${env_args[*]}): $lines stderr lines, want $err_lines: $err"
    [[ $err_lines -eq 0 || $err == kesta:* ]] || fail "kesta $*: stderr: $err"
}

expect 0 "usage: kesta [FILE]" 0 -- --help
expect 0 "usage: kesta [FILE]" 0 -- -h
expect 0 "kesta " 0 -- --version
expect 1 "" 1 -- 
expect 1 "" 1 -- some-setup.kesta
expect 1 "" 1 DISPLAY=:7391 -- # a display nobody serves

if [[ $failures -eq 0 ]]; then echo "kesta start: all cases passed"; fi
exit $((failures > 0))
