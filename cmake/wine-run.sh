#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGUMENT...]: runs a Windows program under wine in the private prefix
# scripts/build-windows made, for CMake and ctest (CMAKE_CROSSCOMPILING_EMULATOR).
# The program writes into files, not into the caller's pipes: wine's own background processes,
# started by the first program of a session, inherit its standard handles and would keep a pipe
# open long after the program ended. A Windows program's text-mode stdout ends lines with CR LF;
# GoogleTest's list of tests is read line by line by CMake, so that list alone loses the CRs.
# Everything else passes through byte for byte, and the program's exit status is kept.
prefix=$1; shift
export WINEPREFIX=$prefix WINEDEBUG=-all
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
wine "$@" >"$out" 2>"$err"
status=$?
case " $* " in
  *" --gtest_list_tests "*) tr -d '\r' <"$out" ;;
  *) cat "$out" ;;
esac
cat "$err" >&2
exit $status
