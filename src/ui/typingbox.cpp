// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typingbox.h"

#include "sunkenframe.h"
#include "typingboxaccessible.h"
#include "uifonts.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <cmath>
#include <utility>

namespace quorvel {

namespace {

constexpr int kPadding = 2;

bool isControl(char32_t key)
{
    return key < 0x20 || (key >= 0x7F && key < 0xA0);
}

// Whether key belongs to the grapheme cluster before it, as a mark with no composed form or a
// skin-tone modifier does: the two are then drawn as one, never as a letter and a lone mark or
// a hand and a colour swatch. Nothing joins a cluster in front of ASCII.
bool extendsCluster(const QString &cluster, char32_t key)
{
    if (key < 0x80)
        return false;
    const QString joined = cluster + QString::fromUcs4(&key, 1);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, joined);
    finder.setPosition(cluster.size());
    return !finder.isAtBoundary();
}

} // namespace

TypingBox::TypingBox(QWidget *parent) : QWidget(parent)
{
    setFont(UiFonts::passage());
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_KeyCompression, false);
    // What was typed is what the box shows: nothing can be pasted, dropped or edited into it.
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setCursor(Qt::IBeamCursor);
}

QString TypingBox::currentLine() const
{
    QString line;
    for (const Cell &cell : m_line)
        line += cell.text;
    return line;
}

void TypingBox::clear()
{
    const QString removed = std::exchange(m_text, QString());
    m_line.clear();
    m_preedit.clear();
    TypingBoxAccessible::notifyCleared(this, removed);
    update();
}

qsizetype TypingBox::lineStart() const
{
    // The cells of the line on show hold the end of the text.
    qsizetype units = 0;
    for (const Cell &cell : m_line)
        units += cell.text.size();
    return m_text.size() - units;
}

QRect TypingBox::charRect(int offset) const
{
    qsizetype start = lineStart();
    for (const Cell &cell : m_line) {
        if (offset >= start && offset < start + cell.text.size())
            return placeOf(cell);
        start += cell.text.size();
    }
    return QRect();
}

int TypingBox::offsetAt(const QPoint &point) const
{
    qsizetype start = lineStart();
    for (const Cell &cell : m_line) {
        if (placeOf(cell).contains(point))
            return int(start);
        start += cell.text.size();
    }
    return -1;
}

QSize TypingBox::sizeHint() const
{
    const QFontMetrics metrics(font());
    return QSize(metrics.averageCharWidth() * 30, metrics.height() * 2);
}

QVariant TypingBox::inputMethodQuery(Qt::InputMethodQuery query) const
{
    switch (query) {
    case Qt::ImEnabled:
        return isEnabled();
    case Qt::ImCursorRectangle:
        return caretRect();
    case Qt::ImFont:
        return font();
    case Qt::ImCursorPosition:
    case Qt::ImAnchorPosition:
        return 0;
    // Nothing typed can be taken back, so an input method gets no text around the caret to
    // rewrite.
    case Qt::ImSurroundingText:
    case Qt::ImCurrentSelection:
        return QString();
    case Qt::ImHints:
        return int(Qt::ImhNoPredictiveText | Qt::ImhNoAutoUppercase | Qt::ImhMultiLine);
    default:
        return QWidget::inputMethodQuery(query);
    }
}

void TypingBox::keyPressEvent(QKeyEvent *event)
{
    // Taken here rather than as a shortcut: while a screen reader runs, Qt holds each key until
    // the reader has seen it, and a shortcut would overtake the keys typed just before it.
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier) {
        emit repeatRequested();
        event->accept();
        return;
    }
    // Tab moves the focus and Esc belongs to the window's Stop; Delete and Alt or Meta
    // combinations type no character.
    const int key = event->key();
    const bool typesNothing = key == Qt::Key_Tab || key == Qt::Key_Backtab ||
                              key == Qt::Key_Escape || key == Qt::Key_Delete ||
                              (event->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) ||
                              event->text().isEmpty();
    if (typesNothing) {
        event->ignore();
        return;
    }
    for (const uint character : event->text().toUcs4())
        type(char32_t(character));
    event->accept();
}

void TypingBox::inputMethodEvent(QInputMethodEvent *event)
{
    // A dead key or Compose sequence commits one finished character: that is one key. The key
    // handler composes text committed decomposed, as it does marks typed on keys of their own.
    for (const uint character : event->commitString().toUcs4())
        type(char32_t(character));
    if (event->preeditString() != m_preedit) {
        m_preedit = event->preeditString();
        update();
    }
    event->accept();
}

void TypingBox::type(char32_t key)
{
    if (m_keyHandler)
        m_keyHandler(key);
    if (key != 0)
        append(key);
    restartCaret();
}

void TypingBox::append(char32_t key)
{
    if (key == U'\r' || key == U'\n') {
        m_text += QLatin1Char('\n');
        TypingBoxAccessible::notifyInserted(this, int(m_text.size() - 1), QStringLiteral("\n"));
        m_line.clear();
        update();
        return;
    }
    // Control characters are judged like any key but have nothing to show.
    if (isControl(key))
        return;
    const QString character = QString::fromUcs4(&key, 1);
    m_text += character;
    TypingBoxAccessible::notifyInserted(this, int(m_text.size() - character.size()), character);
    if (!m_line.empty() && extendsCluster(m_line.back().text, key)) {
        const QRect oldCaret = caretRect();
        Cell &last = m_line.back();
        last.text += character;
        last.width = widthOf(last.text);
        update(oldCaret | cellRect(last) | caretRect());
        return;
    }
    const Cell cell{character, lineEnd(), advance(key)};
    // Like a word-wrapping text box: a blank may hang past the edge, a word moves down whole.
    const bool fits = m_line.empty() || key == U' ' || cell.left + cell.width <= textArea().width();
    if (!fits) {
        wrapLine(cell);
        update();
        return;
    }
    const QRect oldCaret = caretRect();
    m_line.push_back(cell);
    update(oldCaret | cellRect(cell) | caretRect());
}

void TypingBox::wrapLine(const Cell &overflowing)
{
    auto space = m_line.end();
    for (auto it = m_line.begin(); it != m_line.end(); ++it) {
        if (it->text == QLatin1String(" "))
            space = it;
    }
    std::vector<Cell> next;
    if (space != m_line.end())
        next.assign(space + 1, m_line.end());
    next.push_back(overflowing);
    qreal left = 0;
    for (Cell &cell : next) {
        cell.left = left;
        left += cell.width;
    }
    m_line = std::move(next);
}

qreal TypingBox::advance(char32_t key) const
{
    auto it = m_advances.constFind(key);
    if (it == m_advances.constEnd())
        it = m_advances.insert(key,
                               QFontMetricsF(font()).horizontalAdvance(QString::fromUcs4(&key, 1)));
    return *it;
}

qreal TypingBox::widthOf(const QString &cluster) const
{
    const QList<uint> codePoints = cluster.toUcs4();
    if (codePoints.size() == 1)
        return advance(codePoints.front());
    return QFontMetricsF(font()).horizontalAdvance(cluster);
}

qreal TypingBox::lineEnd() const
{
    return m_line.empty() ? 0 : m_line.back().left + m_line.back().width;
}

QRect TypingBox::textArea() const
{
    const int frame = sunkenFrameWidth(*this);
    return rect().adjusted(frame + kPadding, frame + 1, -frame - kPadding, -frame);
}

QRect TypingBox::caretRect() const
{
    const QRect area = textArea();
    qreal x = lineEnd();
    if (!m_preedit.isEmpty())
        x += QFontMetricsF(font()).horizontalAdvance(m_preedit);
    const int left = std::min(area.left() + int(std::round(x)), area.right());
    return QRect(left, area.top(), 1, QFontMetrics(font()).height());
}

QRect TypingBox::placeOf(const Cell &cell) const
{
    const QRect area = textArea();
    const int left = area.left() + qRound(cell.left);
    const int right = area.left() + qRound(cell.left + cell.width);
    return QRect(left, area.top(), right - left, QFontMetrics(font()).height());
}

QRect TypingBox::cellRect(const Cell &cell) const
{
    const QRect area = textArea();
    const int left = area.left() + int(std::floor(cell.left)) - 1;
    const int right = area.left() + int(std::ceil(cell.left + cell.width)) + 1;
    // Only the text line: the style may draw a focus ring just inside the frame.
    return QRect(left, area.top(), right - left, QFontMetrics(font()).height());
}

void TypingBox::restartCaret()
{
    m_caretOn = true;
    const int flash = QApplication::cursorFlashTime();
    if (hasFocus() && flash > 0)
        m_caretTimer.start(flash / 2, this);
    update(caretRect());
}

void TypingBox::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const QRect inside = paintSunkenFrame(*this, painter, dirty);
    // Where the frame was painted, its panel has filled the inside already.
    if (inside.contains(dirty))
        painter.fillRect(dirty, palette().base());
    painter.setClipRect(inside & dirty);
    painter.setPen(palette().color(QPalette::Text));
    const QRect area = textArea();
    // An empty box, as at start-up, draws no text and need not load its font.
    const bool empty = m_line.empty() && m_preedit.isEmpty();
    const qreal baseline = empty ? 0 : area.top() + QFontMetricsF(font()).ascent();
    for (const Cell &cell : m_line) {
        if (cellRect(cell).intersects(dirty))
            painter.drawText(QPointF(area.left() + cell.left, baseline), cell.text);
    }
    if (!m_preedit.isEmpty()) {
        QFont underlined = font();
        underlined.setUnderline(true);
        painter.setFont(underlined);
        painter.drawText(QPointF(area.left() + lineEnd(), baseline), m_preedit);
    }
    if (hasFocus() && isEnabled() && m_caretOn)
        painter.fillRect(caretRect(), palette().text());
}

void TypingBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    restartCaret();
    update();
}

void TypingBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_caretTimer.stop();
    update();
}

void TypingBox::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_advances.clear();
        qreal left = 0;
        for (Cell &cell : m_line) {
            cell.width = widthOf(cell.text);
            cell.left = left;
            left += cell.width;
        }
    }
    update();
}

void TypingBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    update();
}

void TypingBox::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_caretTimer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_caretOn = !m_caretOn;
    update(caretRect());
}

} // namespace quorvel
