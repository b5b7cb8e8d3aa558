#!/usr/bin/env bash
# check_layering.sh SOURCE_DIR BUILD_DIR: fails when a file outside the GUI includes a wx header, when
# a GUI folder includes a folder above it or a peer (app -> editor, list, cards -> dialogs -> kit),
# when a program built only from the core links a wx library, when any program links Pango (cards
# are drawn with cairo and HarfBuzz on both systems), or when GUI code takes a DC's native handle
# for a drawing context (a cairo context on GTK only), or when the core turns paths into narrow
# strings or back.
set -uo pipefail
src=$1
build=$2
status=0

wx_includes=$(cd "$src" && grep -rlE '#[[:space:]]*include[[:space:]]*[<"]wx/' src res tests bench 2>/dev/null |
              grep -vE '^(src/gui|tests/gui)/')
if [ -n "$wx_includes" ]; then
  echo "wx headers included outside src/gui and tests/gui:"; echo "$wx_includes"; status=1
fi

# Each GUI folder may include only the folders below it (list and cards meet only in app).
declare -A above=([kit]="dialogs editor list postal cards app" [dialogs]="editor list postal cards app"
                  [editor]="list postal cards app" [list]="cards app" [postal]="app" [cards]="list app")
for folder in "${!above[@]}"; do
  [ -d "$src/src/gui/$folder" ] || continue
  for upper in ${above[$folder]}; do
    found=$(grep -rl "#include \"gui/$upper/" "$src/src/gui/$folder" 2>/dev/null)
    if [ -n "$found" ]; then
      echo "src/gui/$folder includes src/gui/$upper:"; echo "$found"; status=1
    fi
  done
done

# Core programs: mirelon-tool and every test or benchmark outside tests/gui.
while IFS= read -r link; do
  case "$link" in */tests/gui/*|*/src/gui/*) continue ;; esac
  if grep -qE -- '-lwx_|libwx_' "$link"; then
    echo "a core program links wx: $link"; status=1
  fi
done < <(find "$build" -path '*/CMakeFiles/*' -name link.txt)

pango=$(grep -lE -- '-lpango|libpango' $(find "$build" -path '*/CMakeFiles/*' -name link.txt) 2>/dev/null)
if [ -n "$pango" ]; then
  echo "programs link Pango:"; echo "$pango"; status=1
fi

handles=$(cd "$src" && grep -rn 'GetHandle()' src/gui 2>/dev/null)
if [ -n "$handles" ]; then
  echo "a DC's native handle used in src/gui:"; echo "$handles"; status=1
fi

# Paths stay paths in the core: a path becomes text, or text a path, only through the conversions
# of platform/utf8_path.h (UTF-8) and PathText (CP932), never byte by byte through a narrow
# string, which on a system of wide paths reads the bytes in the wrong code page. The system's own
# folders (src/platform/linux, src/platform/windows) work in its native encoding.
narrow_paths=$(cd "$src" && grep -rnE \
    -e '\.(string|u8string|generic_string|generic_u8string)\(\)' -e 'u8path\(' \
    -e '(filesystem::|fs::)path *[({] *[^)}" ]' -e '(filesystem::|fs::)path +[a-z][A-Za-z0-9_]* *[({] *[^)}" ]' \
    src/text src/book src/contacts src/list src/postal src/appcore src/cards src/tool src/platform res 2>/dev/null |
  grep -vE '^src/platform/(linux|windows)/|^src/platform/utf8_path\.h:')
if [ -n "$narrow_paths" ]; then
  echo "paths turned into narrow strings, or narrow strings into paths, in the core:"; echo "$narrow_paths"; status=1
fi

[ $status -eq 0 ] && echo "layering: core free of wx, GUI includes run one way, no Pango, no native DC handles, paths kept as paths"
exit $status
