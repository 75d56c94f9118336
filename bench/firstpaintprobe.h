// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>
#include <string>

namespace quorvel {

// Watches the whole application for the first time the top-level widget with the given object
// name has been painted and its pixels handed to the platform. Then it prints one line of
// "key=value" figures (the moment on the system's monotonic clock, resident and peak resident
// memory, and any figures added) and ends the process on the spot, so that nothing after the
// first paint is counted by whoever timed the process from its start.
class FirstPaintProbe : public QObject {
public:
    explicit FirstPaintProbe(const QString &windowName, QObject *parent = nullptr);

    void addFigure(const char *key, double value);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    [[noreturn]] void report();

    QString m_windowName;
    bool m_painted = false;
    long long m_paintBeganNs = 0;
    std::string m_figures;
};

} // namespace quorvel
