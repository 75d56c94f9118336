// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passagestore.h"

#include "countline.h"
#include "passagetext.h"
#include "randomsource.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

// Only this much of the count line is read: a valid count has at most a handful of digits, and
// an endless first line must not cost memory in proportion.
constexpr qsizetype kCountLineLimit = 64 * 1024;
constexpr qsizetype kBomSize = 3;
// The file is read in pieces of this size, and no further than the last passage line.
constexpr qint64 kReadChunk = 64 * 1024;
// The most that is set aside for the file before it is read.
constexpr qint64 kReserveLimit = 256 * 1024 * 1024;
// How much of a bad count line a message quotes.
constexpr int kExcerptLength = 40;

// A line of the raw file: [begin, end) without its terminator.
struct LineSpan {
    qsizetype begin = 0;
    qsizetype end = 0;
};

// Finds lines ending at CR LF, a lone CR or a lone LF. A terminator at the very end of the data
// does not open another, empty line.
class LineScanner {
public:
    LineScanner(const QByteArray &bytes, qsizetype start) : m_bytes(bytes), m_pos(start) {}

    bool next(LineSpan &line)
    {
        const qsizetype size = m_bytes.size();
        if (m_pos >= size) {
            return false;
        }
        const char *data = m_bytes.constData();
        line.begin = m_pos;
        qsizetype i = m_pos;
        while (i < size && data[i] != '\r' && data[i] != '\n') {
            ++i;
        }
        line.end = i;
        if (i < size && data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') {
            ++i;
        }
        m_pos = i < size ? i + 1 : size;
        return true;
    }

private:
    const QByteArray &m_bytes;
    qsizetype m_pos;
};

// Whether the part of the count line that is read is UTF-8. A line cut at the read limit may
// end inside a character, which is not held against it.
bool countLineIsUtf8(const QByteArray &bytes, const LineSpan &line)
{
    const bool cut = line.end - line.begin >= kCountLineLimit;
    QStringDecoder decoder(QStringDecoder::Utf8,
                           cut ? QStringDecoder::Flag::Default : QStringDecoder::Flag::Stateless);
    // The decoder only decodes, and so only finds errors, once its result is taken.
    const QString text =
        decoder(QByteArrayView(bytes.constData() + line.begin, line.end - line.begin));
    return !decoder.hasError();
}

// Whether every passage line is valid UTF-8. Only one decoded line exists at a time.
bool linesAreUtf8(const QByteArray &bytes, const std::vector<LineSpan> &lines)
{
    return std::all_of(lines.begin(), lines.end(), [&bytes](const LineSpan &line) {
        bool valid = false;
        decodeUtf8(bytes.constData() + line.begin, line.end - line.begin, &valid);
        return valid;
    });
}

QString quoted(const QString &fileName)
{
    return QLatin1Char('"') + fileName + QLatin1Char('"');
}

QString badCountMessage(const QString &fileName, const QByteArray &bytes, const LineSpan &line)
{
    const qsizetype length = std::min<qsizetype>(line.end - line.begin, kExcerptLength);
    const char *data = bytes.constData() + line.begin;
    // No passage is read after a bad count, so the line's own bytes decide how it is shown.
    QString excerpt = (countLineIsUtf8(bytes, line) ? QString::fromUtf8(data, length)
                                                    : decodeWindows1252(data, length))
                          .trimmed();
    // The excerpt ends up in a message box, where control bytes from the file would garble it.
    for (QChar &c : excerpt) {
        if (c.category() == QChar::Other_Control) {
            c = QChar::ReplacementCharacter;
        }
    }
    return QStringLiteral("Cannot read the passage file %1, line 1: the passage count must be a "
                          "whole number from 1 to %2, but the line reads \"%3\".")
        .arg(quoted(fileName))
        .arg(kMaxPassageCount)
        .arg(excerpt);
}

QString missingLineMessage(const QString &fileName, int count, int found)
{
    return QStringLiteral("Cannot read the passage file %1, line %2: the file ends before this "
                          "line. Line 1 gives %3 passages, but only %4 follow it.")
        .arg(quoted(fileName))
        .arg(found + 2)
        .arg(count)
        .arg(found);
}

bool startsWithBom(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF");
}

// The count that line 1 gives, or 0 when it gives none; cuts the line to the part that is read.
int countOf(const QByteArray &bytes, LineSpan &countLine)
{
    countLine.end = std::min(countLine.end, countLine.begin + kCountLineLimit);
    return passageCountFrom(
        numericPrefix(bytes.constData() + countLine.begin, bytes.constData() + countLine.end));
}

// Collects a passage file piece by piece up to the end of the last line its count asks for, so
// that text after the last passage is never read. Of the count line only its first
// kCountLineLimit bytes are kept, which is all that loadFromBytes looks at.
class NeededLines {
public:
    // Room for the whole file at once: growing step by step would copy the text each time, and
    // the copies would add to the peak. Pages never written are never resident, and the cap
    // keeps a file whose size promises more than it holds from reserving that much.
    void expect(qint64 size)
    {
        m_bytes.reserve(qsizetype(std::clamp<qint64>(size, 0, kReserveLimit)));
    }

    // Takes the next piece of the file; returns true once nothing more is needed.
    bool add(const char *p, qsizetype size)
    {
        const char *end = p + size;
        while (p != end && !done()) {
            if (m_afterCr && *p == '\n') {
                m_bytes.append(*p++);
                m_afterCr = false;
                continue;
            }
            const char *stop = std::find_if(p, end, [](char c) { return c == '\r' || c == '\n'; });
            appendText(p, stop - p);
            p = stop;
            if (p != end) {
                m_afterCr = *p == '\r';
                m_bytes.append(*p++);
                ++m_lines;
                settleCount();
            }
        }
        return done();
    }

    const QByteArray &bytes() const { return m_bytes; }

private:
    bool done() const { return m_needed >= 0 && m_lines >= m_needed; }

    void appendText(const char *p, qsizetype size)
    {
        m_afterCr = false;
        if (m_lines > 0) {
            m_bytes.append(p, size);
            return;
        }
        // Room for a byte-order mark too, which loadFromBytes does not count against the limit.
        const qsizetype room = kCountLineLimit + kBomSize - m_bytes.size();
        m_bytes.append(p, std::clamp<qsizetype>(room, 0, size));
        if (m_bytes.size() >= kCountLineLimit + kBomSize) {
            settleCount();
        }
    }

    // Once line 1 is complete or as long as is ever read: a bad count needs nothing more.
    void settleCount()
    {
        LineSpan countLine;
        if (m_needed >= 0 ||
            !LineScanner(m_bytes, startsWithBom(m_bytes) ? kBomSize : 0).next(countLine)) {
            return;
        }
        const int count = countOf(m_bytes, countLine);
        m_needed = count == 0 ? 0 : count + 1;
    }

    QByteArray m_bytes;
    int m_lines = 0;
    int m_needed = -1;
    bool m_afterCr = false;
};

} // namespace

QString PassageStore::load(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        clear();
        return QStringLiteral("The passage file %1 was not found.").arg(quoted(path));
    }
    // Opening a folder fails with no useful reason on some systems, so say it plainly.
    const QString reason = QFileInfo(path).isDir() ? QStringLiteral("it is a folder") : QString();
    if (!reason.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        clear();
        return QStringLiteral("The passage file %1 cannot be opened: %2.")
            .arg(quoted(path), reason.isEmpty() ? file.errorString() : reason);
    }
    NeededLines needed;
    needed.expect(file.size());
    std::vector<char> chunk(static_cast<std::size_t>(kReadChunk));
    qint64 got = 0;
    do {
        got = file.read(chunk.data(), kReadChunk);
    } while (got > 0 && !needed.add(chunk.data(), got));
    if (got < 0) {
        clear();
        return QStringLiteral("The passage file %1 cannot be read: %2.")
            .arg(quoted(path), file.errorString());
    }
    file.close();
    return loadFromBytes(needed.bytes(), path);
}

QString PassageStore::loadFromBytes(const QByteArray &bytes, const QString &fileName)
{
    clear();
    LineScanner scanner(bytes, startsWithBom(bytes) ? kBomSize : 0);

    LineSpan countLine;
    if (!scanner.next(countLine)) {
        return QStringLiteral("Cannot read the passage file %1, line 1: the file is empty, but "
                              "this line must give the passage count.")
            .arg(quoted(fileName));
    }
    const int count = countOf(bytes, countLine);
    if (count == 0) {
        return badCountMessage(fileName, bytes, countLine);
    }

    // Only the lines the program uses are looked at; whatever follows them is never read.
    std::vector<LineSpan> lines;
    lines.reserve(std::size_t(count));
    for (LineSpan line; int(lines.size()) < count && scanner.next(line);) {
        lines.push_back(line);
    }
    if (int(lines.size()) < count) {
        return missingLineMessage(fileName, count, int(lines.size()));
    }

    m_utf8 = countLineIsUtf8(bytes, countLine) && linesAreUtf8(bytes, lines);
    m_lines.reserve(lines.size());
    for (const LineSpan &line : lines) {
        m_lines.push_back(Line{line.begin, line.end});
    }
    // Shared, not copied, unless much of the buffer lies after the last passage: then only the
    // part up to it is kept, so that the rest can be freed.
    const qsizetype used = lines.back().end;
    if (bytes.size() - used > used / 8 + kReadChunk) {
        m_bytes = QByteArray(bytes.constData(), used);
    } else {
        m_bytes = bytes;
    }
    return QString();
}

QString PassageStore::PickPassage(RandomSource &random, qint32 &passageLen) const
{
    random.reseed();
    const float r = random.next();
    const int count = PassageCount();
    if (count == 0) {
        passageLen = 0;
        return QString();
    }
    // The count becomes a float before the product, and the product is floored as a double.
    const double scaled = std::floor(double(float(count)) * double(r));
    // A source that breaks its [0, 1) promise (NaN, negative, 1.0) still picks a real passage.
    int index = 1;
    if (scaled >= double(count)) {
        index = count;
    } else if (scaled >= 0.0) {
        index = int(scaled) + 1;
    }
    QString text = passage(index);
    passageLen = codePointCount(text);
    return text;
}

qint32 PassageStore::passageLength(int index) const
{
    return codePointCount(passage(index));
}

QString PassageStore::passage(int index) const
{
    const Line &line = m_lines.at(std::size_t(index - 1));
    const char *data = m_bytes.constData() + line.begin;
    const qsizetype size = line.end - line.begin;
    // Composed here rather than at load: composing costs time, and only the passages picked
    // need it.
    return toNfc(m_utf8 ? decodeUtf8(data, size) : decodeWindows1252(data, size));
}

void PassageStore::clear()
{
    m_bytes.clear();
    m_lines.clear();
    m_utf8 = true;
}

} // namespace quorvel
