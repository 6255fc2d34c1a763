// SPDX-License-Identifier: GPL-3.0-or-later
// vorpin-art: draws every image of the game and writes them as PNG files.
//
//     vorpin-art <output-dir>

#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "ArtCatalogue.h"

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "vorpin-art: %s\n", qPrintable(message));
    return 1;
}

int WriteAll(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        return Fail(QStringLiteral("cannot create %1").arg(folder));
    }
    const QDir out(folder);
    for (const vorpin::art::NamedImage& named : vorpin::art::AllImages()) {
        const QString path = out.filePath(named.fileName);
        if (!named.image.save(path, "PNG")) {
            return Fail(QStringLiteral("cannot write %1").arg(path));
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Nothing is shown on screen, and the offscreen platform draws text the same way
    // on every machine, display or not.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        return Fail(QStringLiteral("usage: vorpin-art <output-dir>"));
    }
    try {
        return WriteAll(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& error) {
        return Fail(QString::fromLocal8Bit(error.what()));
    }
}
