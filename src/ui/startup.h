// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "passagestore.h"

#include <QString>
#include <iosfwd>
#include <memory>

namespace quorvel {

class MainWindow;
class Program;

// What the program does from launch to its main window: read the passage file beside the
// program, stop with a clear message when it cannot, otherwise build the program's parts on the
// platform's ports and show frmSpeed centred with the focus on Start.
class StartUp {
public:
    // The message in the box also goes to the process's standard error, for a program started
    // from a terminal.
    explicit StartUp(const QString &dataPath);
    // The same, with the message going to errors instead.
    StartUp(const QString &dataPath, std::ostream &errors);
    ~StartUp();

    // <program directory>/data.
    static QString programDataPath();

    // On a fault, shows it in a message box and on the errors stream, and returns false.
    bool loadPassages();
    // Only after loadPassages() succeeded.
    MainWindow *showMainWindow();
    // The whole run; returns the program's exit code.
    int run();

    const QString &error() const { return m_error; }
    // The program's parts once showMainWindow() has built them, otherwise nullptr.
    Program *program() const { return m_program.get(); }

private:
    QString m_dataPath;
    std::ostream *m_errors = nullptr;
    PassageStore m_store;
    QString m_error;
    std::unique_ptr<Program> m_program;
};

} // namespace quorvel
