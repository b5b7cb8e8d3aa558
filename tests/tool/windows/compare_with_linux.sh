#!/usr/bin/env bash
# compare_with_linux.sh SOURCE-DIR LINUX-TOOL WINDOWS-TOOL RUNNER...: runs the same mirelon-tool commands
# with the Linux build and with the Windows build (through RUNNER, wine) on the test books, postal
# data and contacts, and fails unless every output (standard output, files written, the text of the
# card PDFs) is byte for byte the same.
set -euo pipefail
src=$1 linux_tool=$2 windows_tool=$3; shift 3
runner=("$@")
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
cp "$src"/tests/data/book/sample*.csv "$src"/tests/data/book/messy*.csv "$work/"
cp -r "$src"/tests/data/postal/sjis "$src"/tests/data/postal/utf16 "$src"/tests/data/contacts "$work/"

commands=(
  "list sample.csv"
  "list messy.csv"
  "copy sample.csv out/copy.csv"
  "copy messy.csv out/messy.csv"
  "lookup sjis/QUELTAJUSHO.CSV --code 1050011"
  "lookup utf16/QUELTAUNIJUSHO.CSV --code 4520961"
  "lookup sjis/QUELTAJIGYO.CSV --code 1008370"
  "contacts-export sample.csv out/book.vcf"
  "contacts-import contacts/phone_export.vcf out/imported.csv"
  "contacts-import contacts/card_software_sjis.csv out/table.csv"
  "cards sample.csv --pdf out/cards.pdf"
  "cards --calibration --stock plain --pdf out/calibration.pdf"
)
run_all() {  # run_all SIDE TOOL...: every command in its own copy of the inputs
  local side=$1; shift
  local i=0 c
  for c in "${commands[@]}"; do
    local dir=$work/$side/$i
    mkdir -p "$dir/out"; cp -r "$work"/*.csv "$work"/sjis "$work"/utf16 "$work"/contacts "$dir/"
    # shellcheck disable=SC2086
    (cd "$dir" && "$@" $c >stdout 2>stderr; echo $? >status) || true
    for pdf in "$dir"/out/*.pdf; do
      [ -e "$pdf" ] && pdftotext -raw "$pdf" "$pdf.txt" && rm "$pdf"
    done
    i=$((i + 1))
  done
}
run_all linux "$linux_tool"
run_all windows "${runner[@]}" "$windows_tool"

failed=0
for i in "${!commands[@]}"; do
  if ! diff -r "$work/linux/$i" "$work/windows/$i" >"$work/diff" 2>&1; then
    echo "differs: mirelon-tool ${commands[$i]}"; head -n 20 "$work/diff"; failed=1
  fi
done
((failed)) || echo "${#commands[@]} commands: the same output on Linux and Windows"
exit $failed
