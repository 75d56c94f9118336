// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Instructions and About windows and the car picture, on real widgets.
#include "aboutwindow.h"
#include "captionof.h"
#include "car.xpm"
#include "carimage.h"
#include "instructionswindow.h"
#include "twips.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QStyle>
#include <QStyleOption>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace quorvel;

namespace {

enum class Which { Instructions, About };
enum class Closing { Enter, Escape, WindowFrame, ClickOK };

void openModal(Which which, QWidget *parent)
{
    if (which == Which::Instructions)
        InfoWindow::showModal<InstructionsWindow>(parent);
    else
        InfoWindow::showModal<AboutWindow>(parent);
}

QString windowName(Which which)
{
    return which == Which::Instructions ? QStringLiteral("frmInstructions")
                                        : QStringLiteral("frmAbout");
}

struct ModalRun {
    QString name;
    bool modal = false;
    int result = -1;
    bool closedInTime = true; // false when the watchdog had to close it
    bool destroyed = false;
};

// Opens the window the way the main window does and runs `action` on it once it is up. A watchdog
// closes a window the action failed to close, so a fault fails the test instead of hanging it.
ModalRun runModal(Which which, const std::function<void(QDialog *)> &action,
                  QWidget *parent = nullptr)
{
    ModalRun run;
    QPointer<QDialog> seen;
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [&] {
        run.closedInTime = false;
        if (seen)
            seen->done(QDialog::Rejected);
    });
    QTimer::singleShot(0, [&] {
        seen = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        watchdog.start(3000);
        if (!seen)
            return;
        run.name = seen->objectName();
        run.modal = seen->isModal() && seen->isVisible();
        QObject::connect(seen, &QDialog::finished, [&](int result) { run.result = result; });
        action(seen);
    });
    openModal(which, parent);
    run.destroyed = seen.isNull();
    return run;
}

void closeBy(Closing how, QDialog *window)
{
    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
    switch (how) {
    case Closing::Enter:
        QTest::keyClick(focus, Qt::Key_Return);
        break;
    case Closing::Escape:
        QTest::keyClick(focus, Qt::Key_Escape);
        break;
    case Closing::WindowFrame:
        // What the window manager's close box does: a close request to the native window.
        window->windowHandle()->close();
        break;
    case Closing::ClickOK:
        QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdOK")),
                          Qt::LeftButton);
        break;
    }
}

std::string closingName(const ::testing::TestParamInfo<std::tuple<Which, Closing>> &info)
{
    static const char *const ways[] = {"Enter", "Escape", "WindowFrame", "ClickOK"};
    return windowName(std::get<0>(info.param)).toStdString() + "_" +
           ways[int(std::get<1>(info.param))];
}

class InfoWindowClosing : public ::testing::TestWithParam<std::tuple<Which, Closing>> {};

TEST_P(InfoWindowClosing, EveryWayOutCountsAsOkAndDestroysTheWindow)
{
    const auto [which, how] = GetParam();
    const ModalRun run = runModal(which, [how = how](QDialog *window) { closeBy(how, window); });
    EXPECT_EQ(run.name, windowName(which));
    EXPECT_TRUE(run.modal);
    EXPECT_TRUE(run.closedInTime);
    EXPECT_EQ(run.result, QDialog::Accepted);
    EXPECT_TRUE(run.destroyed);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(AllWays, InfoWindowClosing,
                         ::testing::Combine(::testing::Values(Which::Instructions, Which::About),
                                            ::testing::Values(Closing::Enter, Closing::Escape,
                                                              Closing::WindowFrame,
                                                              Closing::ClickOK)),
                         closingName);

TEST(InfoWindows, OpenCentredOverTheMainWindowWithNoIcon)
{
    QWidget owner;
    owner.setGeometry(120, 90, 377, 339);
    owner.setWindowIcon(CarImage::icon());
    owner.show();
    for (Which which : {Which::Instructions, Which::About}) {
        QPoint centre;
        bool hasIcon = true;
        runModal(
            which,
            [&](QDialog *window) {
                centre = window->frameGeometry().center();
                hasIcon = !window->windowIcon().isNull();
                window->accept();
            },
            &owner);
        EXPECT_LE((centre - owner.frameGeometry().center()).manhattanLength(), 2)
            << windowName(which).toStdString();
        EXPECT_FALSE(hasIcon) << windowName(which).toStdString();
    }
}

TEST(InfoWindows, AboutShowsTheSameContentAtEveryOpening)
{
    std::vector<QImage> shots;
    for (int opening = 0; opening < 2; ++opening) {
        const ModalRun run = runModal(Which::About, [&](QDialog *window) {
            shots.push_back(window->grab().toImage());
            QTest::keyClick(window, Qt::Key_Escape);
        });
        ASSERT_TRUE(run.closedInTime);
    }
    ASSERT_EQ(shots.size(), 2u);
    EXPECT_FALSE(shots[0].isNull());
    EXPECT_EQ(shots[0], shots[1]);
}

struct Control {
    const char *name;
    const char *text;
    QRect place;
};

void expectControls(QDialog &window, const std::vector<Control> &controls)
{
    for (const Control &control : controls) {
        auto *widget = window.findChild<QWidget *>(QLatin1String(control.name));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(captionOf(widget), QLatin1String(control.text)) << control.name;
        EXPECT_EQ(widget->geometry(), control.place) << control.name;
    }
}

TEST(InfoWindows, InstructionsHaveTheirTextsAtTheirPlaces)
{
    InstructionsWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Instructions"));
    EXPECT_EQ(window.size(), QSize(twips(3975), twips(4455)));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    expectControls(
        window,
        {
            {"cmdOK", "OK", twipsRect(1200, 3840, 1575, 495)},
            {"fraWhatToDo", "What to do", twipsRect(240, 120, 3495, 1215)},
            {"lblWhatToDo1",
             "Select how much time you want to type, and what colors you want the text to be.",
             twipsRect(240, 240, 2895, 495)},
            {"lblWhatToDo2",
             "Press Start, and it will stop automatically at the end of the time period.",
             twipsRect(240, 720, 2895, 375)},
            {"fraRules", "Rules", twipsRect(240, 1440, 3495, 1095)},
            {"lblRules1", "Backspacing is not allowed.", twipsRect(240, 240, 2055, 255)},
            {"lblRules2", "Speed = characters / 5 (includes spaces)",
             twipsRect(240, 480, 3015, 255)},
            {"lblRules3", "Net Speed = Speed * Accuracy / 100", twipsRect(240, 720, 2775, 255)},
            {"fraTips", "Tip", twipsRect(240, 2640, 3495, 975)},
            {"lblTips1",
             "To keep your hands on the keyboard while starting and stopping, Tab to the buttons "
             "and hit the Space Bar to press the buttons.",
             twipsRect(240, 240, 3135, 615)},
        });
    for (auto *frame : window.findChildren<QGroupBox *>()) {
        EXPECT_TRUE(frame->font().bold()) << frame->objectName().toStdString();
        for (auto *label : frame->findChildren<QLabel *>())
            EXPECT_FALSE(label->font().bold()) << label->objectName().toStdString();
    }
    EXPECT_TRUE(window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isDefault());
}

TEST(InfoWindows, AboutHasItsTextsAtTheirPlaces)
{
    AboutWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(window.size(), QSize(twips(4215), twips(3975)));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    expectControls(
        window,
        {
            {"cmdOK", "OK", twipsRect(1320, 3360, 1575, 495)},
            {"imgCar", "", twipsRect(240, 240, 480, 480)},
            {"lblTitle", "Quorvel", twipsRect(960, 120, 2535, 735)},
            {"lblVersion", "Version 1.00", twipsRect(960, 1020, 1095, 195)},
            {"lblDate", "Release Date: August 8, 1999", twipsRect(960, 1260, 2175, 195)},
            {"lblSuggest", "Suggest a feature! Report a problem!", twipsRect(960, 2640, 2655, 255)},
        });
    for (const char *credit : {"lblAuthor", "lblMaker", "lblURL", "lblEmail"}) {
        auto *label = window.findChild<QLabel *>(QLatin1String(credit));
        ASSERT_NE(label, nullptr) << credit;
        EXPECT_FALSE(label->text().isEmpty()) << credit;
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << credit;
    }
    EXPECT_TRUE(window.findChild<QLabel *>(QStringLiteral("lblVersion"))->font().bold());
    EXPECT_TRUE(window.findChild<QPushButton *>(QStringLiteral("cmdOK"))->isDefault());
}

// The layouts are fixed boxes; a face or size that runs wider than the one they were drawn for
// would cut captions off. Checks every caption against the box it is painted in.
void expectTextsFit(QDialog &window)
{
    window.ensurePolished();
    for (auto *label : window.findChildren<QLabel *>()) {
        // Laid out as the label lays itself out: a label that does not wrap needs one long line.
        const QRect box = label->contentsRect();
        const int wrap = label->wordWrap() ? int(Qt::TextWordWrap) : 0;
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(box, int(label->alignment()) | wrap, label->text());
        EXPECT_TRUE(box.contains(needed))
            << label->objectName().toStdString() << " needs " << needed.width() << "x"
            << needed.height() << " in " << box.width() << "x" << box.height();
    }
    for (auto *button : window.findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect box =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QRect needed =
            QFontMetrics(button->font()).boundingRect(box, Qt::AlignCenter, button->text());
        EXPECT_TRUE(box.contains(needed)) << button->objectName().toStdString();
    }
    for (auto *frame : window.findChildren<QGroupBox *>()) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.lineWidth = 1;
        QStyle *style = frame->style();
        const QRect caption =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        const QRect inside =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, frame);
        EXPECT_TRUE(frame->rect().contains(caption)) << frame->objectName().toStdString();
        for (auto *label : frame->findChildren<QLabel *>()) {
            const std::string names =
                frame->objectName().toStdString() + "/" + label->objectName().toStdString();
            EXPECT_LT(caption.bottom(), label->geometry().top()) << names;
            // Inside the border, or the border line would run through the text.
            EXPECT_TRUE(inside.contains(label->geometry())) << names;
        }
    }
}

TEST(InfoWindows, EveryCaptionFitsItsBox)
{
    InstructionsWindow instructions;
    expectTextsFit(instructions);
    AboutWindow about;
    expectTextsFit(about);
}

TEST(CarPicture, IsA32By32PictureOfAtMost16ColoursOnATransparentGround)
{
    const QImage picture(car_xpm);
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_TRUE(picture.hasAlphaChannel());
    QSet<QRgb> colours;
    int opaque = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            colours.insert(qAlpha(pixel) == 0 ? 0u : pixel);
            opaque += qAlpha(pixel) == 255;
        }
    }
    EXPECT_LE(colours.size(), 16);
    EXPECT_GE(colours.size(), 4); // a picture, not a blot
    EXPECT_TRUE(colours.contains(0u));
    for (QPoint corner : {QPoint(0, 0), QPoint(31, 0), QPoint(0, 31), QPoint(31, 31)})
        EXPECT_EQ(qAlpha(picture.pixel(corner)), 0);
    EXPECT_GT(opaque, 32 * 32 / 4);
    EXPECT_EQ(CarImage::image().size(), QSize(32, 32));
}

TEST(CarPicture, DoubledForHiDpiStaysBlocky)
{
    CarImage car;
    EXPECT_EQ(car.size(), QSize(32, 32));
    QImage doubled(64, 64, QImage::Format_ARGB32_Premultiplied);
    doubled.setDevicePixelRatio(2);
    doubled.fill(Qt::transparent);
    car.render(&doubled, QPoint(), QRegion(), QWidget::DrawChildren);
    const QImage picture = CarImage::image();
    int mismatches = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            mismatches += doubled.pixel(x, y) != picture.pixel(x / 2, y / 2);
    EXPECT_EQ(mismatches, 0);
}

} // namespace
