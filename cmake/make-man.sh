#!/usr/bin/env bash
# Writes a compressed manual page from a program's own --help text, so that the page and the help never
# differ. Usage: make-man.sh PROGRAM NAME "ONE-LINE SUMMARY" VERSION OUT.1.gz
set -euo pipefail
program=$1 name=$2 summary=$3 version=$4 out=$5
# In the sanitizer build a leak report must not fail the build step.
help=$(ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen "$program" --help)
upper=$(printf '%s' "$name" | tr '[:lower:]' '[:upper:]')
{
  printf '.TH %s 1 "" "Veltra %s" "Veltra"\n' "$upper" "$version"
  printf '.SH NAME\n%s \\- %s\n' "$name" "$summary"
  printf '.SH DESCRIPTION\n.nf\n'
  # roff reads a backslash as an escape and a leading dot or quote as a request.
  printf '%s\n' "$help" | sed -e 's/\\/\\e/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"
  printf '.fi\n.SH SEE ALSO\n'
  for other in veltra veltra-cli drawhost; do
    [[ $other == "$name" ]] || printf '.BR %s (1)\n' "$other"
  done
} | gzip -9n >"$out"
