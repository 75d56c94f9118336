// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "aboutwindow.h"
#include "captionframe.h"
#include "carimage.h"
#include "colorconvert.h"
#include "figurelabelaccessible.h"
#include "instructionswindow.h"
#include "lightbackdrop.h"
#include "passagemodel.h"
#include "passageview.h"
#include "twips.h"
#include "typingbox.h"
#include "uifonts.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace quorvel {

MainWindow::MainWindow(PassageModel &passage, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_passage(passage)
{
    setObjectName(QStringLiteral("frmSpeed"));
    setWindowTitle(QStringLiteral("Quorvel"));
    setFont(UiFonts::standard());
    setFixedSize(twips(5655), twips(5085));

    createFigures();
    createOptionsFrame();
    createPassageControls();
    createButtons();
    orderTabs();
    m_labels = {lblSpeed,    lblAccuracy,    lblNetSpeed,       lblTime,
                lblTimeLeft, lblOptionsTime, lblOptionsCorrect, lblOptionsIncorrect};
    m_controls = {cmdStart, cmdStop, cmdInstructions, cmdOptions, cmdAbout, cmdExit, txtTyping};

    // Esc is the window's cancel key: it presses Stop wherever the focus is, the typing box
    // included, where it must stop the test rather than be judged.
    m_stopShortcut = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(m_stopShortcut, &QShortcut::activated, this, [this] {
        if (cmdStop->isEnabled())
            cmdStop->click();
    });

    cmdStart->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::createFigures()
{
    addLabel(this, "lblCapSpeed", QStringLiteral("Speed (wpm)"), twipsRect(360, 180, 1215, 255),
             true);
    lblSpeed = addLabel(this, "lblSpeed", QString(), twipsRect(1740, 180, 795, 255));
    addLabel(this, "lblCapAccuracy", QStringLiteral("Accuracy (%)"), twipsRect(360, 480, 1215, 255),
             true);
    lblAccuracy = addLabel(this, "lblAccuracy", QString(), twipsRect(1740, 480, 795, 255));
    addLabel(this, "lblCapNetSpeed", QStringLiteral("Net Speed (wpm)"),
             twipsRect(60, 780, 1515, 255), true);
    lblNetSpeed = addLabel(this, "lblNetSpeed", QString(), twipsRect(1740, 780, 795, 255));
    addLabel(this, "lblCapTime", QStringLiteral("Time"), twipsRect(1080, 1320, 495, 255), true);
    lblTime = addLabel(this, "lblTime", QString(), twipsRect(1740, 1320, 795, 255));
    addLabel(this, "lblCapTimeLeft", QStringLiteral("Time left"), twipsRect(780, 1620, 795, 255),
             true);
    lblTimeLeft = addLabel(this, "lblTimeLeft", QString(), twipsRect(1740, 1620, 795, 255));
    // Each caption is the buddy label of its figure, so a screen reader names the figure by it.
    for (QLabel *figure : {lblSpeed, lblAccuracy, lblNetSpeed, lblTime, lblTimeLeft}) {
        const QString caption = QStringLiteral("lblCap") + figure->objectName().mid(3);
        findChild<QLabel *>(caption, Qt::FindDirectChildrenOnly)->setBuddy(figure);
        FigureLabelAccessible::quieten(figure);
    }
}

void MainWindow::createOptionsFrame()
{
    fraOptions = new CaptionFrame(QStringLiteral("Current Options"), this);
    fraOptions->setObjectName(QStringLiteral("fraOptions"));
    fraOptions->setGeometry(twipsRect(3000, 120, 1815, 1335));
    lblOptionsTime =
        addLabel(fraOptions, "lblOptionsTime", QString(), twipsRect(120, 360, 1575, 255));
    lblOptionsCorrect =
        addLabel(fraOptions, "lblOptionsCorrect", QStringLiteral("Correct Characters"),
                 twipsRect(120, 720, 1575, 255));
    lblOptionsIncorrect =
        addLabel(fraOptions, "lblOptionsIncorrect", QStringLiteral("Incorrect Characters"),
                 twipsRect(120, 960, 1575, 255));
    LightBackdrop::keep(lblOptionsCorrect);
    LightBackdrop::keep(lblOptionsIncorrect);
    for (QWidget *shortcut :
         {static_cast<QWidget *>(fraOptions), static_cast<QWidget *>(lblOptionsTime),
          static_cast<QWidget *>(lblOptionsCorrect), static_cast<QWidget *>(lblOptionsIncorrect)})
        shortcut->installEventFilter(this);
}

void MainWindow::createPassageControls()
{
    imgCar = new CarImage(this);
    imgCar->setObjectName(QStringLiteral("imgCar"));
    imgCar->setGeometry(twipsRect(kCarStart, 1560, 480, 480));

    rtfToType = new PassageView(m_passage, this);
    rtfToType->setObjectName(QStringLiteral("rtfToType"));
    rtfToType->setGeometry(twipsRect(240, 2160, 5175, 375));

    txtTyping = new TypingBox(this);
    txtTyping->setObjectName(QStringLiteral("txtTyping"));
    txtTyping->setGeometry(twipsRect(240, 2640, 5175, 420));
    txtTyping->setEnabled(false);
    txtTyping->setAccessibleName(QStringLiteral("Type here"));
    txtTyping->setAccessibleDescription(
        QStringLiteral("Type the passage shown above. F2 repeats the sentence."));
    txtTyping->setKeyHandler([this](char32_t &key) { emit keyTyped(key); });
    connect(txtTyping, &TypingBox::repeatRequested, this, &MainWindow::repeatRequested);

    lblAbout = addLabel(this, "lblAbout",
                        QStringLiteral("Quorvel, by the Quorvel Project - quorvel.example.org"),
                        twipsRect(240, 4740, 5175, 255));
    lblAbout->setFrameStyle(QFrame::Box | QFrame::Plain);
    lblAbout->setLineWidth(1);
    lblAbout->setIndent(3);
    lblAbout->installEventFilter(this);
}

void MainWindow::createButtons()
{
    cmdStart = addButton("cmdStart", QStringLiteral("Start"), twipsRect(240, 3300, 1575, 495));
    cmdStop = addButton("cmdStop", QStringLiteral("Stop"), twipsRect(2040, 3300, 1575, 495));
    cmdOptions =
        addButton("cmdOptions", QStringLiteral("Options"), twipsRect(3840, 3300, 1575, 495));
    cmdInstructions = addButton("cmdInstructions", QStringLiteral("Instructions"),
                                twipsRect(240, 3960, 1575, 495));
    cmdAbout = addButton("cmdAbout", QStringLiteral("About"), twipsRect(2040, 3960, 1575, 495));
    cmdExit = addButton("cmdExit", QStringLiteral("Exit"), twipsRect(3840, 3960, 1575, 495));
    cmdStart->setDefault(true);
    cmdStop->setEnabled(false);

    connect(cmdStart, &QPushButton::clicked, this, &MainWindow::startClicked);
    connect(cmdStop, &QPushButton::clicked, this, &MainWindow::stopClicked);
    connect(cmdOptions, &QPushButton::clicked, this, &MainWindow::optionsClicked);
    connect(cmdInstructions, &QPushButton::clicked, this, &MainWindow::cmdInstructions_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &MainWindow::cmdAbout_Click);
    connect(cmdExit, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);
}

void MainWindow::orderTabs()
{
    const QList<QWidget *> order{cmdStart, cmdStop, cmdOptions, cmdInstructions,
                                 cmdAbout, cmdExit, txtTyping};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QLabel *MainWindow::addLabel(QWidget *owner, const char *name, const QString &text,
                             const QRect &place, bool caption)
{
    auto *label = new QLabel(text, owner);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(place);
    label->setFont(caption ? UiFonts::bold() : UiFonts::standard());
    label->setAlignment((caption ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton *MainWindow::addButton(const char *name, const QString &text, const QRect &place)
{
    auto *button = new QPushButton(text, this);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(place);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void MainWindow::setCaption(Label which, const QString &text)
{
    // The engine already skips captions whose text is unchanged, so the tick repaints only the
    // figures that moved.
    QLabel *target = label(which);
    const QString before = target->text();
    target->setText(text);
    // The five figures come first among the labels.
    if (which <= Label::TimeLeft)
        FigureLabelAccessible::notifyChanged(target, before);
}

void MainWindow::setTextColor(Label which, Color color)
{
    QLabel *target = label(which);
    const QColor wanted = toQColor(color);
    if (target->palette().color(QPalette::WindowText) == wanted)
        return;
    // Set for every colour group, so the colour stays when the window loses the focus.
    QPalette palette = target->palette();
    palette.setColor(QPalette::WindowText, wanted);
    palette.setColor(QPalette::Text, wanted);
    target->setPalette(palette);
}

void MainWindow::setBold(Label which, bool bold)
{
    QLabel *target = label(which);
    QFont font = target->font();
    if (font.bold() == bold)
        return;
    font.setBold(bold);
    target->setFont(font);
}

void MainWindow::setLabelVisible(Label which, bool visible)
{
    label(which)->setVisible(visible);
}

void MainWindow::setEnabled(Control which, bool enabled)
{
    control(which)->setEnabled(enabled);
}

void MainWindow::focusTyping()
{
    txtTyping->setFocus(Qt::OtherFocusReason);
}

void MainWindow::clearTyping()
{
    txtTyping->clear();
}

void MainWindow::setCarLeft(int twipsLeft)
{
    m_carLeft = twipsLeft;
    imgCar->move(twips(twipsLeft), imgCar->y());
}

void MainWindow::setTypingPrompt(std::function<QString()> prompt)
{
    txtTyping->setPrompt(std::move(prompt));
}

void MainWindow::cmdInstructions_Click()
{
    InfoWindow::showModal<InstructionsWindow>(this);
}

void MainWindow::cmdAbout_Click()
{
    InfoWindow::showModal<AboutWindow>(this);
}

void MainWindow::cmdExit_Click()
{
    close();
}

void MainWindow::fraOptions_DblClick()
{
    emit optionsClicked();
}

void MainWindow::lblOptionsTime_DblClick()
{
    emit optionsClicked();
}

void MainWindow::lblOptionsCorrect_DblClick()
{
    emit optionsClicked();
}

void MainWindow::lblOptionsIncorrect_DblClick()
{
    emit optionsClicked();
}

void MainWindow::lblAbout_DblClick()
{
    cmdAbout_Click();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonDblClick)
        return QWidget::eventFilter(watched, event);
    // A shortcut stands for its button, and works only while the button may be pressed: the
    // test disables it while running, and its window must not come up in the middle of a test.
    if (!(watched == lblAbout ? cmdAbout : cmdOptions)->isEnabled())
        return true;
    if (watched == fraOptions)
        fraOptions_DblClick();
    else if (watched == lblOptionsTime)
        lblOptionsTime_DblClick();
    else if (watched == lblOptionsCorrect)
        lblOptionsCorrect_DblClick();
    else if (watched == lblOptionsIncorrect)
        lblOptionsIncorrect_DblClick();
    else if (watched == lblAbout)
        lblAbout_DblClick();
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (!enter || event->modifiers() & ~Qt::KeypadModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A focused button takes the Enter itself; otherwise it belongs to the default button.
    auto *focused = qobject_cast<QPushButton *>(focusWidget());
    QPushButton *target = focused ? focused : cmdStart;
    if (target->isEnabled())
        target->click();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Ends the program as Exit does; a test cut short this way is abandoned, without results.
    event->accept();
    emit exitRequested();
}

} // namespace quorvel
