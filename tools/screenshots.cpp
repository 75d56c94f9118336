// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the windows into PNG files for docs/: the main window part-way through a test and, with
// --dark, every window of the program under Fusion with a dark palette, side by side. It runs
// the real windows on a still clock and a fixed passage, so the pictures are the same from run
// to run; QT_SCALE_FACTOR shows the layout at other scales.
//
// Usage: quorvel_screenshots <passage file> <output.png> [--dark]

#include "aboutwindow.h"
#include "fakes.h"
#include "instructionswindow.h"
#include "mainwindow.h"
#include "optionsdialog.h"
#include "passagemodel.h"
#include "passagestore.h"
#include "program.h"
#include "typingbox.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <vector>

namespace quorvel {
namespace {

QPalette darkPalette()
{
    QPalette dark;
    const QColor window(53, 53, 53);
    const QColor disabled(127, 127, 127);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(42, 42, 42));
    dark.setColor(QPalette::AlternateBase, QColor(66, 66, 66));
    dark.setColor(QPalette::ToolTipBase, Qt::white);
    dark.setColor(QPalette::ToolTipText, window);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Link, QColor(42, 130, 218));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Light, QColor(90, 90, 90));
    dark.setColor(QPalette::Midlight, QColor(75, 75, 75));
    dark.setColor(QPalette::Mid, QColor(40, 40, 40));
    dark.setColor(QPalette::Dark, QColor(30, 30, 30));
    dark.setColor(QPalette::Shadow, Qt::black);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, disabled);
    return dark;
}

void wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void typeText(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(box, &press);
    }
}

QPixmap shot(QWidget *window)
{
    window->show();
    wait(100);
    return window->grab();
}

// Side by side on the window colour, in device pixels.
QImage sheet(const std::vector<QPixmap> &shots, const QColor &background)
{
    const int gap = 16;
    int width = gap;
    int height = 0;
    for (const QPixmap &pixmap : shots) {
        width += pixmap.width() + gap;
        height = std::max(height, pixmap.height());
    }
    QImage result(width, height + 2 * gap, QImage::Format_RGB32);
    result.fill(background.darker(150));
    QPainter painter(&result);
    int x = gap;
    for (QPixmap pixmap : shots) {
        pixmap.setDevicePixelRatio(1);
        painter.drawPixmap(x, gap, pixmap);
        x += pixmap.width() + gap;
    }
    return result;
}

// Types the first part of the passage, two keys of it wrong, and lets the figures catch up.
void typeSome(MainWindow &window, FakeClock &clock)
{
    window.findChild<QPushButton *>(QStringLiteral("cmdStart"))->click();
    QString typed = window.passage().text().left(24);
    for (int wrong : {5, 14}) {
        if (wrong < typed.size())
            typed[wrong] = typed[wrong] == QLatin1Char('x') ? QLatin1Char('y') : QLatin1Char('x');
    }
    typeText(window.findChild<TypingBox *>(QStringLiteral("txtTyping")), typed);
    clock.now += 8020; // speeds are refreshed in the first 50 ms of a second
    wait(150);
}

int run(const QString &dataPath, const QString &outPath, bool dark)
{
    if (dark) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    PassageStore store;
    const QString error = store.load(dataPath);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    FakeClock clock;
    FirstPassage random;
    Program program(store, Program::StandIns{&clock, nullptr, nullptr, &random});
    MainWindow &window = program.window();
    window.show();
    wait(100);
    typeSome(window, clock);
    std::vector<QPixmap> shots{window.grab()};

    if (dark) {
        // The results box is modal: it is drawn and closed from inside its own event loop.
        QTimer::singleShot(200, [&shots] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                shots.push_back(box->grab());
                box->close();
            }
        });
        window.findChild<QPushButton *>(QStringLiteral("cmdStop"))->click();
        shots.push_back(shot(window.findChild<OptionsDialog *>()));
        window.findChild<OptionsDialog *>()->hide();
        AboutWindow about;
        shots.push_back(shot(&about));
        InstructionsWindow instructions;
        shots.push_back(shot(&instructions));
    }
    const QImage image = shots.size() == 1 ? shots.front().toImage()
                                           : sheet(shots, QApplication::palette().window().color());
    if (!image.save(outPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(outPath));
        return 1;
    }
    return 0;
}

} // namespace
} // namespace quorvel

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: quorvel_screenshots <passage file> <output.png> [--dark]\n");
        return 2;
    }
    return quorvel::run(args.at(1), args.at(2), args.contains(QStringLiteral("--dark")));
}
