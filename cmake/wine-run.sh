#!/usr/bin/env bash
# wine-run.sh PREFIX PROGRAM [ARGUMENT...]: runs a Windows program under wine in the private prefix
# scripts/build-windows made, for CMake and ctest (CMAKE_CROSSCOMPILING_EMULATOR). A Windows
# program's text-mode stdout ends lines with CR LF; GoogleTest's list of tests is read line by line
# by CMake, so that list alone loses the CRs. Everything else passes through byte for byte.
set -o pipefail
prefix=$1; shift
export WINEPREFIX=$prefix WINEDEBUG=-all
case " $* " in
  *" --gtest_list_tests "*) wine "$@" | tr -d '\r' ;;
  *) exec wine "$@" ;;
esac
