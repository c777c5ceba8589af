// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace calquin::text {

// The lines the pupil's window writes on standard error when answers cannot be recorded, in the
// user's language; the administrator reads them, since a pupil cannot mend a share. `file` is
// the pupil's results file and `why` what the system said.
QString answersNotRecorded(const QString& file, const QString& why);

// The pupil's file is not theirs to write (a link, or another account's file), so the answers
// go to a file of their own beside it.
QString answersRecordedElsewhere(const QString& file, const QString& why, const QString& elsewhere);

// Answers still waiting for a lock or for the folder when the program ended.
QString answersLostAtExit(const QString& file, int answers);

}  // namespace calquin::text
