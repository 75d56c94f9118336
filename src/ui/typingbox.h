// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QBasicTimer>
#include <QHash>
#include <QWidget>
#include <functional>
#include <vector>

namespace quorvel {

// txtTyping: collects what the typist types. Every character, from a key or committed by an
// input method (dead keys, Compose), goes to the key handler first, which may swallow it.
//
// The box looks like a multi-line text box without scroll bars. It shows only the line being
// typed, and keeps the characters of that line with their places, so a key costs the same
// however much has been typed: a text edit holding one ever-longer paragraph would lay the
// whole paragraph out again at every key.
class TypingBox : public QWidget {
    Q_OBJECT

public:
    // Sets key to 0 to keep the character out of the box.
    using KeyHandler = std::function<void(char32_t &key)>;

    explicit TypingBox(QWidget *parent = nullptr);

    void setKeyHandler(KeyHandler handler) { m_keyHandler = std::move(handler); }
    // What is left to type of the sentence, which a screen reader shows beside what was typed.
    // Asked for only when a reader reads the box.
    using Prompt = std::function<QString()>;
    void setPrompt(Prompt prompt) { m_prompt = std::move(prompt); }
    QString prompt() const { return m_prompt ? m_prompt() : QString(); }

    // Everything let through since the last clear; Enter shows as a line break.
    const QString &text() const { return m_text; }
    // The line the caret is on.
    QString currentLine() const;
    void clear();

    // Where the character at offset (a UTF-16 position in text()) is drawn; empty when it is
    // not on the line on show.
    QRect charRect(int offset) const;
    // The offset of the character drawn at point, or -1.
    int offsetAt(const QPoint &point) const;

    QSize sizeHint() const override;
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

signals:
    // F2: the typist asks to hear the sentence again. It is no key of the test.
    void repeatRequested();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void timerEvent(QTimerEvent *event) override;

private:
    // One grapheme cluster: mostly one character, but a mark or modifier that joins the one
    // before it shares its cell.
    struct Cell {
        QString text;
        qreal left = 0;
        qreal width = 0;
    };

    void type(char32_t key);
    void append(char32_t key);
    void wrapLine(const Cell &overflowing);
    qreal advance(char32_t key) const;
    qreal widthOf(const QString &cluster) const;
    qreal lineEnd() const;
    QRect textArea() const;
    QRect caretRect() const;
    QRect cellRect(const Cell &cell) const;
    QRect placeOf(const Cell &cell) const;
    qsizetype lineStart() const;
    void restartCaret();

    KeyHandler m_keyHandler;
    Prompt m_prompt;
    QString m_text;
    std::vector<Cell> m_line;
    QString m_preedit;
    QBasicTimer m_caretTimer;
    bool m_caretOn = true;
    mutable QHash<char32_t, qreal> m_advances;
};

} // namespace quorvel
