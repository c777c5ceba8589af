// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>

#include "ui/accessibility.h"

namespace calquin::ui::testing {

void TestedForm::startTest() {
    auto* list = control<QListWidget>("List1");
    if (list->count() == 0) {
        if (auto error = form.Form_Load(writeCatalogue(catalogueOf(10)).toStdString())) {
            qFatal("%s", error->c_str());
        }
    }
    list->setCurrentRow(0);
}

QString writeCatalogue(const QByteArray& bytes) {
    // Kept for the life of the test program; each call gets its own folder.
    static std::vector<std::unique_ptr<QTemporaryDir>> folders;
    folders.push_back(std::make_unique<QTemporaryDir>());
    const QString path = QDir(folders.back()->path()).filePath("index.txt");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(bytes);
    }
    return path;
}

QByteArray catalogueOf(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i) {
        bytes += "\"Item " + QByteArray::number(i) + "\",2,1,+\n";
    }
    return bytes;
}

StartedAsTheProgram::StartedAsTheProgram() {
    installAccessibleKinds();
}

}  // namespace calquin::ui::testing
