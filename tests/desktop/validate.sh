#!/bin/sh
# validate.sh <tool> <file>: runs a desktop validator on a file (or, for
# appstreamcli-tree, on an installed tree: the AppStream file together with
# the desktop entry and icons it names), skipped (77) where the validator is
# not installed. Hints and pedantic notes pass;
# warnings and errors fail.
tool=$1 file=$2
case "$tool" in
  desktop-file-validate) set -- desktop-file-validate "$file" ;;
  appstreamcli) set -- appstreamcli validate --no-net --explain "$file" ;;
  appstreamcli-tree) set -- appstreamcli validate-tree --no-net --explain "$file" ;;
  *) echo "unknown validator $tool" >&2; exit 2 ;;
esac
command -v "$1" >/dev/null 2>&1 || { echo "SKIP: $1 is not installed"; exit 77; }
out=$("$@" 2>&1); rc=$?
printf '%s\n' "$out"
[ $rc -eq 0 ] || exit 1
# desktop-file-validate exits 0 on warnings; they count here.
if printf '%s\n' "$out" | grep -Eq '(^|: )(warning|error):'; then exit 1; fi
exit 0
