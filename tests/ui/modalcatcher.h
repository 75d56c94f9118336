// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Answers the modal windows a test opens: a timer notices each one as it comes up, lets the test
// look at it, and closes it, so a window that opens by mistake fails the test instead of hanging
// it.

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <functional>

class ModalCatcher {
public:
    using Inspect = std::function<void(QWidget *modal)>;

    explicit ModalCatcher(Inspect inspect = {}) : m_inspect(std::move(inspect))
    {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    // objectName, or class name when it has none, of each modal window caught, in order.
    const QStringList &caught() const { return m_caught; }

private:
    void poll()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_last)
            return;
        m_last = modal;
        m_caught << (modal->objectName().isEmpty()
                         ? QString::fromLatin1(modal->metaObject()->className())
                         : modal->objectName());
        if (m_inspect)
            m_inspect(modal);
        modal->close();
    }

    Inspect m_inspect;
    QTimer m_timer;
    QPointer<QWidget> m_last;
    QStringList m_caught;
};
