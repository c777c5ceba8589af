#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that debian/copyright gives every file of a source tree the licence and copyright
holders that the tree's REUSE data (SPDX headers and .reuse/dep5, as `reuse spdx` reads them)
gives it. Prints the number of files checked, or one line per file on which the two disagree,
and exits 1 then.

Usage: check_copyright.py [SOURCE_TREE]   (default: the current folder)
Needs reuse and python3-debian."""
import os
import re
import subprocess
import sys

from debian.copyright import Copyright

# A holder as `reuse spdx` writes it, with or without the header's tag (split here so that reuse
# does not take this line for this file's own copyright).
HOLDER = r"^FileCopyrightText: <text>(?:SPDX-" r"FileCopyrightText: )?(.*)</text>$"

# Debian's short names for the SPDX licence identifiers, where they differ.
DEBIAN_NAMES = {"GPL-3.0-or-later": "GPL-3+"}

os.chdir(sys.argv[1] if len(sys.argv) > 1 else ".")
spdx = subprocess.run(["reuse", "spdx"], capture_output=True, text=True, check=True).stdout

reuse = {}
for block in spdx.split("\n\n"):
    name = re.search(r"^FileName: \./(.*)$", block, re.M)
    if name:
        licences = re.findall(r"^LicenseInfoInFile: (.*)$", block, re.M)
        holders = re.findall(HOLDER, block, re.M)
        reuse[name.group(1)] = ({DEBIAN_NAMES.get(l, l) for l in licences}, set(holders))

with open("debian/copyright", encoding="utf-8") as text:
    copyright = Copyright(text, strict=True)

faults = []
for name, (licences, holders) in sorted(reuse.items()):
    paragraph = copyright.find_files_paragraph(name)
    if paragraph is None:
        faults.append(f"{name}: in no Files paragraph")
        continue
    given = {paragraph.license.synopsis}
    given_holders = {line.strip() for line in paragraph.copyright.splitlines() if line.strip()}
    if given != licences or given_holders != holders:
        faults.append(f"{name}: REUSE {sorted(licences)} {sorted(holders)}, "
                      f"debian/copyright {sorted(given)} {sorted(given_holders)}")
if not reuse:
    faults.append("reuse spdx named no file")
if faults:
    print("\n".join(faults))
    sys.exit(1)
print(f"{len(reuse)} files")
