// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the car picture as the PNG icons of the hicolor theme, so the installed icons are made
// from the same pixels the windows show. The picture is pixel art: the larger sizes are whole
// multiples of it, enlarged nearest-neighbour so they stay sharp instead of blurred.

#include "car.xpm"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fprintf(stderr, "usage: caricons <output dir> <icon name> <size>...\n");
        return 2;
    }
    const QImage picture(car_xpm);
    if (picture.isNull()) {
        std::fprintf(stderr, "caricons: the car picture does not decode\n");
        return 1;
    }
    const QDir out(args.at(1));
    for (int i = 3; i < args.size(); ++i) {
        const int side = args.at(i).toInt();
        if (side < picture.width() || side % picture.width() != 0) {
            std::fprintf(stderr, "caricons: %d is not a whole multiple of the picture\n", side);
            return 2;
        }
        const QString dir = QStringLiteral("%1x%1/apps").arg(side);
        const QString file = out.filePath(dir + QLatin1Char('/') + args.at(2) + ".png");
        const QImage icon =
            picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!out.mkpath(dir) || !icon.save(file, "PNG")) {
            std::fprintf(stderr, "caricons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
