// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace quorvel {

// A modal information box with one OK button; returns when the user has closed it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void showInformation(const QString &title, const QString &text) = 0;
};

} // namespace quorvel
