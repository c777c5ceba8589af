# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Run by `cmake --install`: writes the menu entry for the prefix being installed to. Its Exec=
# starts start-calquin with the catalogues' folder and the program; Path= names the English
# catalogue's folder, where the program would read index.txt were it started directly.

cmake_path(APPEND CMAKE_INSTALL_PREFIX "${CALQUIN_INSTALL_DATADIR}" calquin
    OUTPUT_VARIABLE CALQUIN_CATALOGUE_DIR)
cmake_path(APPEND CMAKE_INSTALL_PREFIX "${CALQUIN_INSTALL_DATADIR}" applications
    OUTPUT_VARIABLE applications_dir)
cmake_path(APPEND CMAKE_INSTALL_PREFIX "${CALQUIN_INSTALL_LIBEXECDIR}" calquin start-calquin
    OUTPUT_VARIABLE starter)
cmake_path(APPEND CMAKE_INSTALL_PREFIX "${CALQUIN_INSTALL_BINDIR}" calquin
    OUTPUT_VARIABLE program)

# Exec= splits its arguments at spaces; a path with a space or another reserved character goes in
# double quotes, with ", `, $ and \ escaped by a backslash. A .desktop value escapes a backslash
# once more, so one in a path is written as four. A % would start a field code: it is doubled.
set(CALQUIN_START_COMMAND)
foreach(word IN ITEMS "${starter}" "${CALQUIN_CATALOGUE_DIR}" "${program}")
    string(REPLACE "%" "%%" word "${word}")
    string(REGEX MATCH "[] \t\"'\\\\`$<>~|&;*?#()[]" reserved "${word}")
    if(NOT reserved STREQUAL "")
        string(REPLACE "\\" "\\\\\\\\" word "${word}")
        string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" word "${word}")
        set(word "\"${word}\"")
    endif()
    list(APPEND CALQUIN_START_COMMAND "${word}")
endforeach()
list(JOIN CALQUIN_START_COMMAND " " CALQUIN_START_COMMAND)

configure_file("${CALQUIN_DESKTOP_TEMPLATE}" "${CALQUIN_DESKTOP_STAGED}" @ONLY)
file(INSTALL "${CALQUIN_DESKTOP_STAGED}" DESTINATION "${applications_dir}")
