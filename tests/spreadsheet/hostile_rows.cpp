// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// hostile_rows FILE: a results file whose answers, items and questions are texts a spreadsheet
// would run as formulas, written as the window writes its rows.
#include <cstdio>
#include <fstream>
#include <string>

#include "results/results_row.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: hostile_rows FILE\n");
        return 2;
    }
    const char* const texts[] = {"=1+1",      "+1+1",    "-1+1",     "@SUM(1)",   "\t=1+1",
                                 "\r=1+1",    " =1+1",   "   =1+1",  "1;=1+1",    "1; =1+1",
                                 "1;\t=1+1",  "1\t=1+1", "1\t =1+1", "1;;=1+1",   "a\n=1+1",
                                 "a\r\n=1+1", "1,=1+1",  "1, =1+1",  "=SUM(1,1)", "=SUM(1;1)",
                                 "'=1+1",     "1;'=1+1", "\"=1+1",   "1;\"=1+1",  "1;=1+1;",
                                 "=1+1;=2+2", "1\t+1",   "1;-1",     "1;@A1",     "x\"; =1+1"};
    std::ofstream out(argv[1], std::ios::binary);
    out << calquin::results::kHeader << "\r\n";
    for (const char* text : texts) {
        out << calquin::results::formatRow(
            {"2026-12-08T09:15:02+01:00", "anna", "pc-1", text, text, text, false, 100});
    }
    return out.good() ? 0 : 1;
}
