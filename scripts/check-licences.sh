#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Checks that every file in the repository says who holds its copyright and under which licence,
# in a header of its own or in .reuse/dep5 (the REUSE layout), and that the licence text is in
# LICENSES/. Needs reuse (scripts/setup.sh full). Runtime: a few seconds.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
reuse lint
