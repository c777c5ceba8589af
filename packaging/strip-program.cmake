# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Run by CPack once the files are staged: strips the programs as dh_strip does.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
if(NOT programs)
    message(FATAL_ERROR "no program staged in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
foreach(program IN LISTS programs)
    execute_process(
        COMMAND "${CPACK_CALQUIN_STRIP}" --remove-section=.comment --remove-section=.note
            "${program}"
        COMMAND_ERROR_IS_FATAL ANY)
endforeach()
