// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "messagebox.h"

class QWidget;

namespace quorvel {

// The engine's results message as a modal QMessageBox with the information icon and OK.
class QtMessageBox : public MessageBox {
public:
    explicit QtMessageBox(QWidget *parent = nullptr) : m_parent(parent) {}

    void showResults(const Results &results) override;

private:
    QWidget *m_parent;
};

} // namespace quorvel
