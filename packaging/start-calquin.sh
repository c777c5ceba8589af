#!/bin/sh

# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts calquin on the bundled catalogue in the user's language:
#   start-calquin.sh CATALOGUES PROGRAM
# CATALOGUES holds the English index.txt and one folder per language (de, pt_BR, ...) with the
# same items in that language. The program reads "index.txt" from the folder it starts in, so
# choosing a catalogue means choosing that folder; a teacher who starts calquin in a folder of
# their own gets their own index.txt, untouched by any of this.
#
# The language is the one the window will speak: the first of LANGUAGE's list (or, without it,
# LC_ALL, LC_MESSAGES or LANG) that has a catalogue, tried as language_TERRITORY and then as the
# language alone. An English or C locale first, or no language with a catalogue, gets English.
set -euf

if [ "$#" -ne 2 ]; then
    echo "usage: start-calquin.sh CATALOGUES PROGRAM" >&2
    exit 2
fi
catalogues=$1
program=$2

folder=$catalogues
locale=${LC_ALL:-${LC_MESSAGES:-${LANG:-}}}
wanted=${LANGUAGE:-$locale}
first=yes
old_ifs=$IFS
IFS=:
for name in $wanted; do
    IFS=$old_ifs
    # de_AT.UTF-8@euro -> de_AT; de-AT -> de_AT
    name=${name%%@*}
    name=${name%%.*}
    name=$(printf '%s' "$name" | tr '-' '_')
    language=${name%%_*}
    [ -n "$language" ] || continue
    case $first/$language in
        yes/en | yes/C | yes/POSIX) break ;;
    esac
    first=no
    if [ -f "$catalogues/$name/index.txt" ]; then
        folder=$catalogues/$name
        break
    fi
    if [ -f "$catalogues/$language/index.txt" ]; then
        folder=$catalogues/$language
        break
    fi
done
IFS=$old_ifs

cd "$folder"
exec "$program"
