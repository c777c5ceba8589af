// SPDX-FileCopyrightText: 2026 The Calquin developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Redraws the program's pictures into a folder: the banner advertising the publisher, the
// publisher's logo, the window icon and the desktop menu icons. The results are committed, so this
// runs only when a drawing or the publisher's address changes.

#include <QBuffer>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QUrl>
#include <cstdio>
#include <exception>
#include <stdexcept>

#include "picture_drawing.h"
#include "picture_formats.h"

namespace {

using namespace calquin::pictures;

// The banner stands on a button as a printed picture would: 300 dots per inch, with quality high
// enough that the lettering keeps clean edges.
constexpr int kBannerDotsPerInch = 300;
constexpr int kBannerQuality = 90;
constexpr int kMenuIconSizes[] = {16, 32, 48, 64, 128, 256};

void writeFile(const QString& path, const QByteArray& bytes) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        throw std::runtime_error("cannot create the folder for " + path.toStdString());
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 file.errorString().toStdString());
    }
}

QByteArray encodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        throw std::runtime_error("cannot encode a PNG");
    }
    return bytes;
}

// Accepts a full address or a bare host name, as a person typing the build setting would.
QString hostOf(const QString& url) {
    const QString host = QUrl::fromUserInput(url).host();
    if (host.isEmpty()) {
        throw std::runtime_error("no host name in the address \"" + url.toStdString() + "\"");
    }
    return host;
}

void writePictures(const QString& url, const QDir& out) {
    requirePictureFonts();

    // The @2x pictures serve screens of twice the density (Qt's naming for them). The banner keeps
    // its printed size there, so its density doubles with its pixels.
    const QString host = hostOf(url);
    for (const int scale : {1, 2}) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        writeFile(out.filePath(QStringLiteral("banner%1.jpg").arg(suffix)),
                  encodeJpeg(drawBanner(host, scale), kBannerQuality, kBannerDotsPerInch * scale));
        writeFile(out.filePath(QStringLiteral("logo%1.bmp").arg(suffix)),
                  encodeBmp24(drawLogo(scale)));
    }
    writeFile(out.filePath(QStringLiteral("calquin.ico")),
              encodeIco({{drawWindowIcon(32, IconColours::Two), kTwoColours},
                         {drawWindowIcon(32, IconColours::Sixteen), kSixteenColours},
                         {drawWindowIcon(16, IconColours::Sixteen), kSixteenColours}}));

    for (const int size : kMenuIconSizes) {
        writeFile(out.filePath(QStringLiteral("icons/hicolor/%1x%1/apps/calquin.png").arg(size)),
                  encodePng(drawWindowIcon(size, IconColours::Sixteen)));
    }
    writeFile(out.filePath(QStringLiteral("icons/hicolor/scalable/apps/calquin.svg")),
              windowIconSvg());
}

}  // namespace

int main(int argc, char* argv[]) {
    // The pictures are drawn into images; no window is ever shown, so no display is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Redraws the program's pictures."));
    parser.addHelpOption();
    const QCommandLineOption urlOption(QStringLiteral("url"),
                                       QStringLiteral("Publisher's web address for the banner."),
                                       QStringLiteral("URL"));
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Folder that receives the pictures."),
                                       QStringLiteral("DIR"));
    parser.addOption(urlOption);
    parser.addOption(outOption);
    parser.process(app);
    if (!parser.isSet(urlOption) || !parser.isSet(outOption)) {
        std::fprintf(stderr, "make_pictures: both --url and --out are needed\n");
        return 2;
    }

    try {
        writePictures(parser.value(urlOption), QDir(parser.value(outOption)));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_pictures: %s\n", error.what());
        return 1;
    }
    return 0;
}
