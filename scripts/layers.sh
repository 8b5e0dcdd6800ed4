#!/usr/bin/env bash
# Checks that the library's folders include one another one way only: each folder may
# include its own headers and those of the layers below it, never one above or beside
# it. The layers, lowest first: core, model, the platform (render/platform and its
# folders), render, events, then ops and picture side by side, then the top of lib/,
# which brings the interface up and down. Prints every include that breaks the order.
set -euo pipefail
cd "$(dirname "$0")/../lib"

layer() {
  case $1 in
    core) echo 0 ;;
    model) echo 1 ;;
    render/platform | render/platform/*) echo 2 ;;
    render) echo 3 ;;
    events) echo 4 ;;
    ops | picture) echo 5 ;;
    .) echo 6 ;;
    *) echo "unknown" ;;
  esac
}

bad=0
while IFS= read -r file; do
  from=$(dirname "$file")
  from=${from#./}
  [[ -z "$from" ]] && from=.
  rankfrom=$(layer "$from")
  while IFS= read -r header; do
    # Headers outside lib/ (vx.h, the system's) have no layer.
    [[ -e "$header" ]] || continue
    to=$(dirname "$header")
    [[ "$to" == "$from" ]] && continue
    rankto=$(layer "$to")
    if [[ "$rankfrom" == unknown || "$rankto" == unknown ]]; then
      echo "lib/$file: the folder of $header has no place among the layers"
      bad=1
    elif ((rankto >= rankfrom)) && [[ "${to%%/*}" != "${from%%/*}" || $rankto -ne 2 ]]; then
      echo "lib/$file includes $header, which is not below it"
      bad=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's|^\./||' | sort)

if ((bad)); then
  echo "the include graph of lib/ runs against its layers"
  exit 1
fi
echo "the folders of lib/ include one another downward only"
