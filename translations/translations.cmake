# SPDX-FileCopyrightText: 2026 The Calquin developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The window's translations: one Qt Linguist file per language, compiled by lrelease into the
# program's resources under :/translations. To add a language, add its code to this list and put
# translations/calquin_<code>.ts beside this file (`cmake --build build/default --target
# update-translations` writes a new one with every text to translate), and the bundled catalogue
# in that language as data/<code>/index.txt, which the package installs beside the English one.
set(CALQUIN_LANGUAGES ar de es fr it nl pl pt_BR)

find_program(CALQUIN_LRELEASE NAMES lrelease lrelease-qt6
    HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}" "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
          /usr/lib/qt6/bin REQUIRED)
find_program(CALQUIN_LUPDATE NAMES lupdate lupdate-qt6
    HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS}" "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}"
          /usr/lib/qt6/bin REQUIRED)

set(calquin_translations_dir ${PROJECT_SOURCE_DIR}/translations)

# Every text is marked with translatable(context, text), which lupdate reads as
# QT_TRANSLATE_NOOP, or translatableCount(context, text) for one with a plural, read as
# QT_TRANSLATE_N_NOOP (for calquin_en.ts with -pluralonly as well). Locations are left out so that moving code does not touch the .ts files.
# One cached string, since the tests' check that the .ts files are current runs lupdate the
# same way from another directory.
set(CALQUIN_LUPDATE_OPTIONS
    "-locations none -no-obsolete -tr-function-alias QT_TRANSLATE_NOOP+=translatable,QT_TRANSLATE_N_NOOP+=translatableCount"
    CACHE INTERNAL "How lupdate reads the sources")

# Adds the compiled translations to `target`'s resources.
function(calquin_add_translations target)
    set(qm_files)
    set(ts_files)
    foreach(language IN LISTS CALQUIN_LANGUAGES)
        set(ts ${calquin_translations_dir}/calquin_${language}.ts)
        set(qm ${CMAKE_CURRENT_BINARY_DIR}/translations/calquin_${language}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND ${CALQUIN_LRELEASE} -silent -nounfinished ${ts} -qm ${qm}
            DEPENDS ${ts}
            COMMENT "Compiling the ${language} translation")
        list(APPEND qm_files ${qm})
        list(APPEND ts_files ${ts})
    endforeach()
    # English needs no words translated, only the singular of each text with a count ("1 answer"),
    # so calquin_en.ts holds those alone (lupdate -pluralonly). It is read the first time a count
    # is shown untranslated, never at start, and lies under english/ so that looking for the
    # user's languages one by one never stops at it.
    set(english_ts ${calquin_translations_dir}/calquin_en.ts)
    set(english_qm ${CMAKE_CURRENT_BINARY_DIR}/translations/english/calquin_en.qm)
    add_custom_command(OUTPUT ${english_qm}
        COMMAND ${CALQUIN_LRELEASE} -silent -nounfinished ${english_ts} -qm ${english_qm}
        DEPENDS ${english_ts}
        COMMENT "Compiling the English plural forms")
    list(APPEND qm_files ${english_qm})
    # Stored uncompressed like the pictures: a .qm is small and is read only in its language.
    qt_add_resources(${target} translations
        PREFIX /translations
        OPTIONS --no-compress
        BASE ${CMAKE_CURRENT_BINARY_DIR}/translations
        FILES ${qm_files})

    separate_arguments(lupdate_options UNIX_COMMAND "${CALQUIN_LUPDATE_OPTIONS}")
    add_custom_target(update-translations
        COMMAND ${CALQUIN_LUPDATE} -silent ${lupdate_options}
            ${PROJECT_SOURCE_DIR}/src -ts ${ts_files}
        COMMAND ${CALQUIN_LUPDATE} -silent ${lupdate_options} -pluralonly
            ${PROJECT_SOURCE_DIR}/src -ts ${english_ts}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
        COMMENT "Collecting the texts to translate into translations/*.ts"
        VERBATIM)
endfunction()
