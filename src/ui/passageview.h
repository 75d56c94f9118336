// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "passagelistener.h"
#include "passagemodel.h"

#include <QWidget>
#include <memory>
#include <vector>

class QTextLayout;
class QTextLine;

namespace quorvel {

// rtfToType: shows the passage one wrapped line at a time, the line that holds the next
// character to type, with every character in its own colour and the two marks.
//
// It is built so that a key costs the same whatever the passage's length: the passage is laid
// out once per passage with QTextLayout, and only as far as the lines reached so far; a key
// repaints just the rectangles of the characters it changed. A single QTextEdit paragraph would
// instead be laid out again in full at every colour change.
class PassageView : public QWidget, public PassageListener {
    Q_OBJECT

public:
    // Registers as the model's listener; the model must outlive the view.
    explicit PassageView(PassageModel &model, QWidget *parent = nullptr);
    ~PassageView() override;

    const PassageModel &model() const { return m_model; }

    void textReplaced() override;
    void charsChanged(int first, int count) override;

    // The wrapped line on show, counted from 0.
    int visibleLine();
    // Where a character is drawn, in the view's coordinates; empty when it is not on show. A
    // character that is part of a grapheme cluster (a letter with a mark that has no composed
    // form, an emoji with a skin tone) is drawn as the whole cluster, so its place is the
    // cluster's.
    QRect charRect(int index);

    // The background of the next character to type.
    static QColor markColor();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Line {
        int index = -1;
        int first = 0; // the characters [first, end) of the passage, in code points
        int end = 0;
        // For each of them, the grapheme cluster it belongs to: [clusterBegin, clusterEnd).
        std::vector<int> clusterBegin;
        std::vector<int> clusterEnd;
        // The left edge of each cluster, at its first character, and the right edge of the
        // last; a character inside a cluster has no edge of its own and gets the cluster's.
        std::vector<qreal> xs;
        // All that each cluster's paint can touch, at its first character, in layout
        // coordinates.
        std::vector<QRectF> reach;
    };

    int utf16(int index) const;
    QRect textArea() const;
    void relayout();
    void ensureLayout();
    int lineOfChar(int index);
    void showLine(int lineIndex);
    void resolveLine();
    void measureReach(const QTextLine &line);
    QPointF lineOrigin() const;
    QPointF lineOrigin(const QTextLine &line) const;
    QRect insideFrame() const;
    QRect boxOfChars(int first, int end) const;
    QRect rectOfChars(int first, int end) const;
    QRectF advanceBox(int first, int end) const;
    int clusterEnd(int index) const { return m_line.clusterEnd[size_t(index - m_line.first)]; }
    PassageModel::CharStyle clusterStyle(int first, int end) const;
    qreal xAt(int index) const { return m_line.xs[size_t(index - m_line.first)]; }
    // Frame and white base under the dirty rectangle; returns the area inside the frame.
    QRect paintBase(QPainter &painter, const QRect &dirty);
    void paintRun(QPainter &painter, const QTextLine &line, QPointF origin, int first, int end,
                  const PassageModel::CharStyle &style);

    PassageModel &m_model;
    std::unique_ptr<QTextLayout> m_layout;
    bool m_layoutOpen = false; // lines remain to be created
    qreal m_nextLineY = 0;
    bool m_lineStale = true; // the line to show must be worked out again
    Line m_line;
};

} // namespace quorvel
