#!/bin/sh
# Makes a spelling dictionary for Pellam Vornic from a word list such as
# Debian's wamerican (/usr/share/dict/american-english): one word a line,
# possessive forms ("word's") dropped, sorted, each word once.
#   sh scripts/make-dictionary.sh WORDLIST OUTPUT
set -eu
if [ $# -ne 2 ]; then
    echo "usage: $0 WORDLIST OUTPUT" >&2
    exit 2
fi
if [ ! -r "$1" ]; then
    echo "$0: cannot read the word list $1 (on Debian: apt-get install wamerican)" >&2
    exit 1
fi
mkdir -p "$(dirname "$2")"
tmp="$2.tmp.$$"
trap 'rm -f "$tmp"' EXIT
LC_ALL=C grep -v "'s\$" "$1" | LC_ALL=C sed 's/^[[:space:]]*//; s/[[:space:]]*$//; /^$/d' | LC_ALL=C sort -u >"$tmp"
mv "$tmp" "$2"
trap - EXIT
