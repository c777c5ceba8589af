#include "ui/application.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "ui/form1.h"

namespace calquin::ui {

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("calquin"));
    QApplication::setDesktopFileName(QStringLiteral("calquin"));

    Form1 form;
    if (const auto error = form.Form_Load()) {
        std::fprintf(stderr, "%s\n", error->c_str());
        QMessageBox box(QMessageBox::Critical,
                        QString::fromUtf8(kWindowTitle.data(), kWindowTitle.size()),
                        QString::fromStdString(*error), QMessageBox::Ok);
        box.exec();
        return 1;
    }
    form.show();
    return QApplication::exec();
}

}  // namespace calquin::ui
