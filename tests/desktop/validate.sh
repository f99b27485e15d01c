#!/bin/sh
# Runs a validator of the freedesktop formats on a file: `validate.sh <tool> <args...>`.
# Skipped (77) only where the validator is not installed; a warning fails like an error.
tool=$1
shift
if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIP: $tool is not installed (scripts/install-deps installs it)"
    exit 77
fi
output=$("$tool" "$@" 2>&1)
status=$?
[ -n "$output" ] && printf '%s\n' "$output"
[ "$status" -eq 0 ] || exit 1
# desktop-file-validate reports warnings but still exits 0.
if [ "$tool" = desktop-file-validate ] && [ -n "$output" ]; then
    exit 1
fi
exit 0
