// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>

namespace quorvel {

// A widget that shows text a screen reader can read but nobody can select in, nor move a caret
// through: the passage view and the typing box. Offsets are UTF-16 positions in the text, as in
// the rest of Qt's accessibility.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    TextAccessible(QWidget *widget, QAccessible::Role role);

    void *interface_cast(QAccessible::InterfaceType t) override;
    // Enabled or not, focusable and focused come from the widget; an editable text is the box
    // being typed into, the other the one-line passage on show.
    QAccessible::State state() const override;
    // The value is the whole text.
    QString text(QAccessible::Text t) const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    void scrollToSubstring(int, int) override {}
    // Plain text in one font: one run without attributes of its own.
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

protected:
    virtual const QString &allText() const = 0;
};

} // namespace quorvel
