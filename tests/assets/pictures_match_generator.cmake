# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Redraws every picture into a scratch folder and compares it, byte for byte, with the committed one:
# a committed picture that its generator no longer draws would go unnoticed until the next redraw.
# -D GENERATOR=<make_pictures> -D URL=<publisher address> -D ASSETS=<assets/> -D SCRATCH=<folder>
file(REMOVE_RECURSE "${SCRATCH}")
file(MAKE_DIRECTORY "${SCRATCH}")
execute_process(
    COMMAND "${GENERATOR}" --url "${URL}" --out "${SCRATCH}"
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "make_pictures failed: ${status}")
endif()
file(GLOB_RECURSE drawn RELATIVE "${SCRATCH}" "${SCRATCH}/*")
list(LENGTH drawn count)
if(count EQUAL 0)
    message(FATAL_ERROR "make_pictures drew nothing")
endif()
set(differing "")
foreach(name IN LISTS drawn)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E compare_files "${SCRATCH}/${name}" "${ASSETS}/${name}"
        RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
        list(APPEND differing "${name}")
    endif()
endforeach()
if(differing)
    message(FATAL_ERROR "committed pictures differ from what make_pictures draws: ${differing}")
endif()
message(STATUS "all ${count} pictures match")
