#!/usr/bin/env bash
# Checks that the project's own C, C++ sources and headers follow .clang-format.
#   tools/check_format.sh         list what differs; fails if anything does
#   tools/check_format.sh --fix   reformat those files in place
# The files are those git tracks, so build folders and generated sources are
# never looked at; outside a git checkout, the tree less its build folders.
set -euo pipefail
cd "$(dirname "$0")/.."

fix=0
case "${1:-}" in
  --fix) fix=1 ;;
  '') ;;
  *) echo "usage: $0 [--fix]" >&2; exit 2 ;;
esac

cf=${CLANG_FORMAT:-clang-format-14}
if ! command -v "$cf" >/dev/null; then
  echo "$cf not found (Debian package clang-format-14)" >&2
  exit 2
fi

files=()
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  while IFS= read -r -d '' f; do files+=("$f"); done < <(git ls-files -z -- '*.c' '*.cpp' '*.h')
else
  while IFS= read -r -d '' f; do files+=("${f#./}"); done < <(
    find . \( -name 'build*' -o -name out -o -name .git -o -name .cache \) -prune -o \
      -type f \( -name '*.c' -o -name '*.cpp' -o -name '*.h' \) -print0 | sort -z)
fi
if [ ${#files[@]} -eq 0 ]; then
  echo "no sources found" >&2
  exit 2
fi

if [ "$fix" = 1 ]; then
  exec "$cf" -i --style=file "${files[@]}"
fi

# One finding per file is enough to name it; the fix is --fix.
if out=$("$cf" --dry-run -Werror --ferror-limit=1 --style=file "${files[@]}" 2>&1); then
  echo "format: ${#files[@]} files follow .clang-format"
  exit 0
fi
printf '%s\n' "$out" | head -n 60
bad=$(printf '%s\n' "$out" | grep -Eo '^[^ :]+\.(c|cpp|h):[0-9]+:[0-9]+: error' | cut -d: -f1 | sort -u)
echo
echo "format: $(printf '%s\n' "$bad" | grep -c .) of ${#files[@]} files differ from .clang-format:"
printf '  %s\n' $bad
echo "fix with: tools/check_format.sh --fix"
exit 1
