// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "announcer.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <utility>

namespace quorvel {

// Keeps everything the engine would have a screen reader say, in order, unless record is off
// (long runs); onAnnounce runs as each text comes, to look at the rest of the test at that moment.
class FakeAnnouncer : public Announcer {
public:
    void announce(const QString &text) override
    {
        ++count;
        if (record)
            said.append(text);
        if (onAnnounce)
            onAnnounce();
    }

    // What was said since the last call.
    QStringList take() { return std::exchange(said, QStringList()); }

    QStringList said;
    int count = 0;
    bool record = true;
    std::function<void()> onAnnounce;
};

} // namespace quorvel
