# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes CHANGELOG.md as a Debian changelog, the form a native package's
# /usr/share/doc/<package>/changelog.gz has to take. CHANGELOG.md stays the one the developers
# write; its release headings carry what the Debian trailer needs:
#
#   ## 1.1.0 - 2026-12-07 19:00 UTC        ->  calquin (1.1.0) unstable; urgency=medium
#   - A change,                           ->    * A change,
#     continued                           ->      continued
#
# Everything before the first release heading is the file's own introduction and is left out.
# Usage: cmake -DINPUT=CHANGELOG.md -DOUTPUT=changelog -DPACKAGE=calquin
#              -DMAINTAINER="Name <address>" -P debian-changelog.cmake
cmake_minimum_required(VERSION 3.25)

# Days since 1970-01-01 of a date of the proleptic Gregorian calendar (H. Hinnant's algorithm).
function(days_since_epoch year month day out)
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
    endif()
    math(EXPR era "${year} / 400")
    math(EXPR year_of_era "${year} - ${era} * 400")
    if(month GREATER 2)
        math(EXPR shifted "${month} - 3")
    else()
        math(EXPR shifted "${month} + 9")
    endif()
    math(EXPR day_of_year "(153 * ${shifted} + 2) / 5 + ${day} - 1")
    math(EXPR day_of_era
        "${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year}")
    math(EXPR days "${era} * 146097 + ${day_of_era} - 719468")
    set(${out} ${days} PARENT_SCOPE)
endfunction()

# The trailer of the entry being written, for the given heading's date and time.
function(trailer year month day hour minute out)
    days_since_epoch(${year} ${month} ${day} days)
    math(EXPR epoch "${days} * 86400 + ${hour} * 3600 + ${minute} * 60")
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    string(TIMESTAMP stamp "%a, %d %b %Y %H:%M:%S +0000" UTC)
    set(${out} " -- ${MAINTAINER}  ${stamp}" PARENT_SCOPE)
endfunction()

file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(two "[0-9][0-9]")
set(heading_pattern "^## ([0-9][0-9.]*) - (${two}${two})-(${two})-(${two}) (${two}):(${two}) UTC$")
set(text "")
set(pending_trailer "")
foreach(line IN LISTS lines)
    if(line MATCHES "${heading_pattern}")
        set(version ${CMAKE_MATCH_1})
        set(date ${CMAKE_MATCH_2} ${CMAKE_MATCH_3} ${CMAKE_MATCH_4})
        list(APPEND date ${CMAKE_MATCH_5} ${CMAKE_MATCH_6})
        if(pending_trailer)
            string(APPEND text "\n${pending_trailer}\n\n")
        endif()
        # CMake's arithmetic reads a leading 0 as decimal, so "08" and "09" are safe.
        trailer(${date} pending_trailer)
        string(APPEND text "${PACKAGE} (${version}) unstable; urgency=medium\n\n")
    elseif(line MATCHES "^## ")
        message(FATAL_ERROR "${INPUT}: release heading not of the form "
            "\"## 1.2.3 - YYYY-MM-DD HH:MM UTC\": ${line}")
    elseif(NOT pending_trailer)
        # Still in the introduction.
    elseif(line MATCHES "^- (.*)$")
        string(APPEND text "  * ${CMAKE_MATCH_1}\n")
    elseif(line MATCHES "^  (.*)$")
        string(APPEND text "    ${CMAKE_MATCH_1}\n")
    elseif(NOT line STREQUAL "")
        message(FATAL_ERROR "${INPUT}: a change is a \"- \" item, continued with two blanks: "
            "${line}")
    endif()
endforeach()
if(NOT pending_trailer)
    message(FATAL_ERROR "${INPUT}: no release heading")
endif()
string(APPEND text "\n${pending_trailer}\n")
# Markdown's code quotes mean nothing in a plain-text changelog.
string(REPLACE "`" "" text "${text}")
file(WRITE "${OUTPUT}" "${text}")
