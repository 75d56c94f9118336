// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "startup.h"

#include "carimage.h"
#include "mainwindow.h"
#include "program.h"

#include <QApplication>
#include <QMessageBox>
#include <QScreen>
#include <QStyle>
#include <cstdio>
#include <ostream>

namespace quorvel {

namespace {

constexpr int kStartFailed = 1;

} // namespace

StartUp::StartUp(const QString &dataPath) : m_dataPath(dataPath) {}

StartUp::StartUp(const QString &dataPath, std::ostream &errors)
    : m_dataPath(dataPath), m_errors(&errors)
{}

StartUp::~StartUp() = default;

QString StartUp::programDataPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/data");
}

bool StartUp::loadPassages()
{
    m_error = m_store.load(m_dataPath);
    if (m_error.isEmpty())
        return true;
    const QString text = m_error + QStringLiteral("\n\nQuorvel reads its passages from this file "
                                                  "when it starts, and cannot run without it.");
    const QByteArray line = "quorvel: " + m_error.toLocal8Bit() + '\n';
    // C stdio rather than std::cerr: the C++ streams would be set up at every start, costing
    // time and memory, for a message that almost never appears.
    if (m_errors)
        m_errors->write(line.constData(), line.size()).flush();
    else
        std::fputs(line.constData(), stderr);
    QMessageBox::critical(nullptr, QStringLiteral("Quorvel"), text);
    return false;
}

MainWindow *StartUp::showMainWindow()
{
    m_program = std::make_unique<Program>(m_store);
    MainWindow &window = m_program->window();
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
    window.show();
    window.activateWindow();
    return &window;
}

int StartUp::run()
{
    if (!loadPassages())
        return kStartFailed;
    QApplication::setWindowIcon(CarImage::icon());
    showMainWindow();
    return QApplication::exec();
}

} // namespace quorvel
