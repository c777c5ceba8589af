// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/name_chooser.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "common/phrase.h"
#include "text/pupil_names_text.h"
#include "text/translation.h"
#include "ui/form1_design.h"

namespace calquin::ui {
namespace {

constexpr Text kChooseYourName =
    translatable("NameChooser", "Choose your name, then press Enter or click it:");

}  // namespace

NameChooser::NameChooser(const std::vector<std::string>& names, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(windowTitleText());
    auto* label = new QLabel(text::translated(kChooseYourName), this);
    label->setBuddy(list_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(list_);
    for (const std::string& name : names) {
        list_->addItem(QString::fromStdString(name));
    }
    list_->setAccessibleName(label->text());
    // Where the keyboard starts, chosen by nothing yet: only a click or Enter picks a name.
    list_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    const auto pick = [this](QListWidgetItem* item) {
        chosen_ = item->text().toStdString();
        accept();
    };
    connect(list_, &QListWidget::itemClicked, this, pick);
    connect(list_, &QListWidget::itemActivated, this, pick);
    list_->setFocus();
}

std::optional<std::string> askPupilName(const std::filesystem::path& folder, std::FILE* errors) {
    const results::PupilList list = results::readPupilNames(folder);
    if (const QString problems = text::pupilNamesProblems(list, folder); !problems.isEmpty()) {
        std::fputs(problems.toLocal8Bit().constData(), errors);
        std::fflush(errors);
    }
    if (list.names.empty()) {
        return std::string();
    }
    NameChooser chooser(list.names);
    if (chooser.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return chooser.chosen();
}

}  // namespace calquin::ui
