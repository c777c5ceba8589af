// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include <QApplication>

#include "common/exit_status.h"
#include "text/school_writing.h"
#include "text/translation.h"
#include "ui/accessibility.h"
#include "ui/answer_recorder.h"
#include "ui/form1.h"
#include "ui/name_chooser.h"

namespace calquin::ui {

bool loadOrReport(Form1& form, Messenger& messenger, std::FILE* errors) {
    const auto error = form.Form_Load();
    if (!error) {
        return true;
    }
    std::fprintf(errors, "%s\n", error->c_str());
    std::fflush(errors);
    messenger.showMessage(QString::fromStdString(*error), windowTitleText());
    return false;
}

int runApplication(int argc, char** argv, const std::optional<std::filesystem::path>& resultsFolder,
                   bool askName) {
    QApplication app(argc, argv);
    installAccessibleKinds();
    text::installTranslations(app);
    // Message boxes turn with the window. Set now, as Qt would only once the event loop runs.
    if (text::layoutDirection() == Qt::RightToLeft) {
        QApplication::setLayoutDirection(Qt::RightToLeft);
    }
    QApplication::setApplicationName(QStringLiteral("calquin"));
    QApplication::setDesktopFileName(QStringLiteral("calquin"));
    // Widgets lay out their text as they are made, before they get the window's font; with the
    // design font as everyone's default no other face is loaded for that.
    QApplication::setFont(designFont(false));

    std::optional<FolderRecorder> recorder;
    if (resultsFolder) {
        FolderRecorder::Account account;
        if (askName) {
            auto name = askPupilName(*resultsFolder, stderr);
            if (!name) {
                return kSuccess;
            }
            account.pupil = std::move(*name);
        }
        recorder.emplace(*resultsFolder, stderr, std::move(account));
    }
    Form1 form(Form1Seams{.recorder = recorder ? &*recorder : nullptr});
    MessageBoxMessenger messenger(nullptr, QMessageBox::Critical);
    if (!loadOrReport(form, messenger, stderr)) {
        return kCatalogueUnreadable;
    }
    form.show();
    return QApplication::exec();
}

}  // namespace calquin::ui
