// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passageview.h"

#include "colorconvert.h"
#include "passagemodel.h"
#include "passageviewaccessible.h"
#include "sunkenframe.h"
#include "uifonts.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

// Room between the frame and the text.
constexpr int kPadding = 2;
constexpr int kCueThickness = 2;
// Antialiasing may tint a pixel beside a glyph's box: a repaint takes one more all round.
constexpr int kInkMargin = 1;

bool sameStyle(const PassageModel::CharStyle &a, const PassageModel::CharStyle &b)
{
    return a.color == b.color && a.current == b.current && a.spaceCue == b.spaceCue;
}

} // namespace

PassageView::PassageView(PassageModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(UiFonts::passage());
    // The characters take the typist's colours, which are chosen against white; a dark
    // platform palette must not put them on a dark base.
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    m_model.setListener(this);
}

PassageView::~PassageView()
{
    m_model.setListener(nullptr);
}

QColor PassageView::markColor()
{
    return QColor(255, 226, 110);
}

void PassageView::textReplaced()
{
    PassageViewAccessible::notifyTextReplaced(this);
    m_line = Line();
    relayout();
}

void PassageView::relayout()
{
    // The line on show is found again from the current character, or else from the first
    // character it held.
    m_layout.reset();
    m_layoutOpen = false;
    m_lineStale = true;
    update();
}

void PassageView::charsChanged(int first, int count)
{
    PassageViewAccessible::notifyCharsChanged(this);
    // A whole repaint is already due; it will work out the line to show.
    if (count <= 0 || m_lineStale)
        return;
    const int mark = m_model.currentChar();
    if (mark >= 0 && (mark < m_line.first || mark >= m_line.end)) {
        m_lineStale = true;
        update();
        return;
    }
    const int begin = std::max(first, m_line.first);
    const int end = std::min(first + count, m_line.end);
    if (begin < end)
        update(rectOfChars(begin, end));
}

int PassageView::visibleLine()
{
    resolveLine();
    return m_line.index;
}

QRect PassageView::charRect(int index)
{
    resolveLine();
    if (index < m_line.first || index >= m_line.end)
        return QRect();
    return boxOfChars(index, index + 1);
}

int PassageView::utf16(int index) const
{
    return m_model.utf16Index(index);
}

QRect PassageView::textArea() const
{
    return insideFrame().adjusted(kPadding, 0, -kPadding, 0);
}

QRect PassageView::insideFrame() const
{
    const int frame = sunkenFrameWidth(*this);
    return rect().adjusted(frame, frame, -frame, -frame);
}

void PassageView::ensureLayout()
{
    if (m_layout)
        return;
    m_layout = std::make_unique<QTextLayout>(m_model.text(), font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_layout->setTextOption(option);
    // Keeps the shaped glyphs, so that repainting a character does not shape its line again.
    m_layout->setCacheEnabled(true);
    m_layout->beginLayout();
    m_layoutOpen = true;
    m_nextLineY = 0;
}

int PassageView::lineOfChar(int index)
{
    ensureLayout();
    const int pos = utf16(index);
    // Lines are made only as the typist reaches them: a long passage is never laid out in full
    // before its first line can be shown.
    const qreal wrapWidth = std::max(
        1.0, textArea().width() - QFontMetricsF(font()).horizontalAdvance(QLatin1Char(' ')));
    while (m_layoutOpen) {
        const int count = m_layout->lineCount();
        if (count > 0) {
            const QTextLine last = m_layout->lineAt(count - 1);
            if (last.textStart() + last.textLength() > pos)
                break;
        }
        QTextLine line = m_layout->createLine();
        if (!line.isValid()) {
            m_layout->endLayout();
            m_layoutOpen = false;
            break;
        }
        // A space at the end of a line hangs past the wrap width; the margin keeps it in sight.
        line.setLineWidth(wrapWidth);
        line.setPosition(QPointF(0, m_nextLineY));
        m_nextLineY += line.height();
    }
    int low = 0;
    int high = m_layout->lineCount() - 1;
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (m_layout->lineAt(middle).textStart() <= pos)
            low = middle;
        else
            high = middle - 1;
    }
    return high;
}

void PassageView::resolveLine()
{
    if (!m_lineStale)
        return;
    m_lineStale = false;
    const int mark = m_model.currentChar();
    showLine(lineOfChar(mark >= 0 ? mark : m_line.first));
}

void PassageView::showLine(int lineIndex)
{
    m_line = Line();
    if (lineIndex < 0)
        return;
    const QTextLine line = m_layout->lineAt(lineIndex);
    // Code point indices of the line's ends; the model maps them to UTF-16 and back.
    auto charAtUtf16 = [this](int pos) {
        int low = 0;
        int high = m_model.length();
        while (low < high) {
            const int middle = (low + high) / 2;
            if (utf16(middle) < pos)
                low = middle + 1;
            else
                high = middle;
        }
        return low;
    };
    m_line.index = lineIndex;
    m_line.first = charAtUtf16(line.textStart());
    m_line.end = charAtUtf16(line.textStart() + line.textLength());
    const size_t count = size_t(m_line.end - m_line.first);
    m_line.clusterBegin.resize(count);
    m_line.clusterEnd.resize(count);
    m_line.xs.resize(count + 1);
    // Cluster edges are where the layout lets a cursor stand; a line begins and ends at one.
    int begin = m_line.first;
    for (int i = m_line.first; i <= m_line.end; ++i) {
        const size_t k = size_t(i - m_line.first);
        if (i == m_line.first || i == m_line.end || m_layout->isValidCursorPosition(utf16(i))) {
            for (int j = begin; j < i; ++j)
                m_line.clusterEnd[size_t(j - m_line.first)] = i;
            begin = i;
            m_line.xs[k] = line.cursorToX(utf16(i));
        } else {
            m_line.xs[k] = xAt(begin);
        }
        if (i < m_line.end)
            m_line.clusterBegin[k] = begin;
    }
    measureReach(line);
}

// Everything each cluster's paint can touch: its box, for the mark and the cue, and its ink, as
// its glyphs' boxes. Once per line, so that a key only looks it up.
void PassageView::measureReach(const QTextLine &line)
{
    m_line.reach.assign(m_line.xs.size() - 1, QRectF());
    for (int i = m_line.first; i < m_line.end; i = clusterEnd(i)) {
        QRectF &reach = m_line.reach[size_t(i - m_line.first)];
        reach = advanceBox(i, clusterEnd(i));
        const int from = utf16(i);
        for (const QGlyphRun &run : line.glyphRuns(from, utf16(clusterEnd(i)) - from)) {
            const QRawFont font = run.rawFont();
            const QList<quint32> glyphs = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype g = 0; g < glyphs.size() && g < positions.size(); ++g)
                reach |= font.boundingRect(glyphs[g]).translated(positions[g]);
        }
    }
}

QPointF PassageView::lineOrigin() const
{
    return lineOrigin(m_layout->lineAt(m_line.index));
}

QPointF PassageView::lineOrigin(const QTextLine &line) const
{
    const QRect area = textArea();
    const qreal top = area.top() + std::floor((area.height() - line.height()) / 2);
    return QPointF(area.left(), top - line.y());
}

// The line's own height: the style's frame shading just inside the border stays untouched.
QRect PassageView::boxOfChars(int first, int end) const
{
    const QRectF box = advanceBox(m_line.clusterBegin[size_t(first - m_line.first)],
                                  m_line.clusterEnd[size_t(end - 1 - m_line.first)]);
    return box.translated(lineOrigin()).toAlignedRect() & insideFrame();
}

// Whole clusters, part of one is never drawn alone, with all their ink: stacked marks and wide
// glyphs reach past the cluster's advance and the line's height, and a repaint that left them
// out would keep them in their old colour.
QRect PassageView::rectOfChars(int first, int end) const
{
    QRectF reach;
    for (int i = m_line.clusterBegin[size_t(first - m_line.first)]; i < end; i = clusterEnd(i))
        reach |= m_line.reach[size_t(i - m_line.first)];
    return reach.translated(lineOrigin())
               .toAlignedRect()
               .adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin) &
           insideFrame();
}

// From first to end, both cluster edges: their advance across the line's height, in layout
// coordinates.
QRectF PassageView::advanceBox(int first, int end) const
{
    const qreal a = xAt(first);
    const qreal b = xAt(end);
    const QTextLine line = m_layout->lineAt(m_line.index);
    return QRectF(std::min(a, b), line.y(), std::abs(b - a), line.height());
}

void PassageView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect inside = paintBase(painter, event->rect());
    // Before the first Start there is nothing to lay out, and the passage font need not be
    // loaded for the window's first paint.
    if (m_model.length() == 0)
        return;
    resolveLine();
    if (m_line.index < 0 || m_line.first >= m_line.end)
        return;
    painter.setClipRect(inside & event->rect());
    const QTextLine line = m_layout->lineAt(m_line.index);
    const QPointF origin = lineOrigin(line);

    // Only the clusters whose paint reaches the dirty rectangle, grouped into runs of one style:
    // the white under the rectangle wipes out a neighbour's overhanging ink, which must be drawn
    // again, just as the whole line would draw it.
    const QRectF dirty = QRectF(event->rect())
                             .adjusted(-kInkMargin, -kInkMargin, kInkMargin, kInkMargin)
                             .translated(-origin);
    auto touches = [&](int cluster) {
        return m_line.reach[size_t(cluster - m_line.first)].intersects(dirty);
    };
    int i = m_line.first;
    while (i < m_line.end) {
        int j = clusterEnd(i);
        if (!touches(i)) {
            i = j;
            continue;
        }
        const PassageModel::CharStyle style = clusterStyle(i, j);
        while (j < m_line.end && touches(j) && sameStyle(style, clusterStyle(j, clusterEnd(j))))
            j = clusterEnd(j);
        paintRun(painter, line, origin, i, j, style);
        i = j;
    }
}

// A cluster has one glyph or glyphs drawn over each other, so it takes one style: marked when
// any of its characters is the next to type, cued when any is a cued blank, and coloured by
// the last of its characters that has been judged, so the colour follows the typist into the
// cluster as it does along the line. Whether a character is judged is its own state: a verdict
// in black counts as much as any other.
PassageModel::CharStyle PassageView::clusterStyle(int first, int end) const
{
    PassageModel::CharStyle style = m_model.styleAt(first);
    for (int i = first + 1; i < end; ++i) {
        const PassageModel::CharStyle &part = m_model.styleAt(i);
        style.current = style.current || part.current;
        style.spaceCue = style.spaceCue || part.spaceCue;
        if (part.judged) {
            style.color = part.color;
            style.judged = true;
        }
    }
    return style;
}

QRect PassageView::paintBase(QPainter &painter, const QRect &dirty)
{
    const QRect inside = paintSunkenFrame(*this, painter, dirty);
    painter.fillRect(inside & dirty, Qt::white);
    return inside;
}

void PassageView::paintRun(QPainter &painter, const QTextLine &line, QPointF origin, int first,
                           int end, const PassageModel::CharStyle &style)
{
    const qreal a = xAt(first);
    const qreal b = xAt(end);
    const QRectF box(origin.x() + std::min(a, b), origin.y() + line.y(), std::abs(b - a),
                     line.height());
    if (style.current)
        painter.fillRect(box, markColor());
    const int from = utf16(first);
    const int length = utf16(end) - from;
    painter.setPen(toQColor(style.color));
    for (const QGlyphRun &run : line.glyphRuns(from, length))
        painter.drawGlyphRun(origin, run);
    if (style.spaceCue) {
        const qreal baseline = origin.y() + line.y() + line.ascent();
        // In the blank's own colour: black while it is to be typed, then the verdict's colour.
        painter.fillRect(QRectF(box.left(), baseline + 2, box.width(), kCueThickness),
                         toQColor(style.color));
    }
}

void PassageView::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void PassageView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        relayout();
}

} // namespace quorvel
