# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when the .ts files are behind the sources: a text the program shows that the translators
# were never given, or one they translate that the program no longer has. Runs lupdate on copies,
# so the committed files are never touched.
#   cmake -DLUPDATE=... "-DLUPDATE_OPTIONS=..." -DSOURCES=<src> -DTRANSLATIONS=<translations>
#         -DWORK=<dir> -P check_current.cmake
separate_arguments(options UNIX_COMMAND "${LUPDATE_OPTIONS}")
if(NOT options)
    message(FATAL_ERROR "LUPDATE_OPTIONS is empty")
endif()
file(GLOB ts_files ${TRANSLATIONS}/calquin_*.ts)
if(NOT ts_files)
    message(FATAL_ERROR "no translations in ${TRANSLATIONS}")
endif()
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(stale)
foreach(ts IN LISTS ts_files)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    if(name STREQUAL "calquin_en.ts")
        # English holds only the plural forms of the texts with a count. lupdate counts every
        # text it strips as new, so here the file must come back unchanged, every form written.
        execute_process(
            COMMAND ${LUPDATE} ${options} -pluralonly ${SOURCES} -ts ${WORK}/${name}
            OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
        file(READ ${ts} committed)
        file(READ ${WORK}/${name} updated)
        if(NOT status EQUAL 0 OR NOT committed STREQUAL updated
           OR updated MATCHES "type=\"unfinished\"" OR out MATCHES "[Ww]arning")
            list(APPEND stale "${name} (its English singular and plural forms):\n${out}")
        endif()
        continue()
    endif()
    execute_process(
        COMMAND ${LUPDATE} ${options} ${SOURCES} -ts ${WORK}/${name}
        OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
    if(NOT status EQUAL 0 OR out MATCHES "\\(([1-9][0-9]*) new" OR out MATCHES "Removed [1-9]"
       OR out MATCHES "lacks Q_OBJECT|[Ww]arning")
        list(APPEND stale "${name}:\n${out}")
    endif()
endforeach()
if(stale)
    string(JOIN "\n" report ${stale})
    message(FATAL_ERROR "The translations do not match the texts in the sources; run "
        "`cmake --build build/default --target update-translations` and translate what is new.\n"
        "${report}")
endif()
