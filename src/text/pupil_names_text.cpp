// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/pupil_names_text.h"

#include "common/phrase.h"
#include "text/school_writing.h"
#include "text/system_path.h"
#include "text/translation.h"

namespace calquin::text {
namespace {

constexpr Text kNamesUnreadable =
    translatable("PupilNames",
                 "calquin: no names to choose from, since %1 cannot be read: %2. Answers are "
                 "recorded under the login name.\n");
constexpr Text kNamesNone = translatable(
    "PupilNames",
    "calquin: no names to choose from, since %1 lists none. Answers are recorded under the login "
    "name.\n");
constexpr Text kLineLeftOut =
    translatable("PupilNames", "calquin: line %1 of %2 is not UTF-8 text and is left out.\n");
constexpr Text kNamesListed =
    translatableCount("PupilNames", "Pupils: each first chooses their name, one of %n in %1.\n");

QString local(const std::filesystem::path& path) {
    return leftToRightName(pathText(path));
}

}  // namespace

QString pupilNamesProblems(const results::PupilList& list, const std::filesystem::path& folder) {
    const QString file = local(folder / results::kPupilsFileName);
    QString problems;
    if (list.firstBadLine > 0) {
        problems += translated(kLineLeftOut).arg(schoolNumber(list.firstBadLine), file);
    }
    if (!list.unreadable.empty()) {
        problems +=
            translated(kNamesUnreadable).arg(file, QString::fromUtf8(list.unreadable.c_str()));
    } else if (list.names.empty()) {
        problems += translated(kNamesNone).arg(file);
    }
    return problems;
}

QString pupilNamesCheckText(const std::filesystem::path& folder) {
    const results::PupilList list = results::readPupilNames(folder);
    const QString listed = list.names.empty()
                               ? QString()
                               : translated(kNamesListed, static_cast<int>(list.names.size()))
                                     .arg(local(folder / results::kPupilsFileName));
    return listed + pupilNamesProblems(list, folder);
}

}  // namespace calquin::text
