#include "passagestore.h"

#include "randomsource.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace quorvel {

namespace {

constexpr int kMaxPassageCount = 32767;
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

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The digits of a number prefix. power is the number of integer digits after leading zeros, or
// minus the zeros that open the fraction: the rough power of ten that tells overflow from
// underflow when the value does not fit a double.
struct Mantissa {
    const char *end = nullptr;
    long long power = 0;
    bool hasDigit = false;
    bool nonZero = false;
};

Mantissa scanMantissa(const char *p, const char *end)
{
    Mantissa m;
    bool afterPoint = false;
    for (; p != end; ++p) {
        if (*p == '.' && !afterPoint) {
            afterPoint = true;
        } else if (isDigit(*p)) {
            m.hasDigit = true;
            m.nonZero = m.nonZero || *p != '0';
            if (!afterPoint && m.nonZero) {
                ++m.power;
            } else if (afterPoint && !m.nonZero) {
                --m.power;
            }
        } else {
            break;
        }
    }
    m.end = p;
    return m;
}

// An exponent counts only when digits follow its letter ("2e" is 2). Older files wrote "d" for
// "e". Returns where the number ends and sets exponent, clamped far beyond any useful count.
const char *scanExponent(const char *p, const char *end, long long &exponent)
{
    exponent = 0;
    if (p == end || (*p != 'e' && *p != 'E' && *p != 'd' && *p != 'D')) {
        return p;
    }
    const char *q = p + 1;
    bool negative = false;
    if (q != end && (*q == '+' || *q == '-')) {
        negative = *q++ == '-';
    }
    if (q == end || !isDigit(*q)) {
        return p;
    }
    for (; q != end && isDigit(*q); ++q) {
        exponent = std::min(exponent * 10 + (*q - '0'), 1'000'000'000LL);
    }
    exponent = negative ? -exponent : exponent;
    return q;
}

// Reads a decimal number at the start of the text, the way a count line has always been read:
// leading blanks are skipped, reading stops at the first character that cannot continue the
// number, and text without a number gives 0. "12 words" is 12, "1e3" is 1000.
double numericPrefix(const char *p, const char *end)
{
    while (p != end && (*p == ' ' || *p == '\t')) {
        ++p;
    }
    bool negative = false;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p++ == '-';
    }
    const Mantissa mantissa = scanMantissa(p, end);
    if (!mantissa.hasDigit) {
        return 0.0;
    }
    long long exponent = 0;
    std::string text(p, scanExponent(mantissa.end, end, exponent));
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == 'd' || c == 'D'; }, 'e');
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = mantissa.nonZero && mantissa.power + exponent > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

// The count as a 16-bit integer would hold it: rounded to the nearest, halves to even.
// Returns 0 for anything outside 1 to 32767, which is never a valid count.
int passageCountFrom(double value)
{
    if (!(value > 0.0 && value < kMaxPassageCount + 1.0)) {
        return 0;
    }
    double rounded = std::floor(value + 0.5);
    if (rounded - value == 0.5 && std::fmod(rounded, 2.0) != 0.0) {
        rounded -= 1.0;
    }
    return rounded >= 1.0 && rounded <= kMaxPassageCount ? int(rounded) : 0;
}

QString decodeWindows1252(const char *data, qsizetype size)
{
    // 0x80-0x9F are where the code page differs from Latin-1; its five unused bytes keep their
    // Latin-1 control characters.
    static constexpr char16_t kHighControls[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControls[byte - 0x80]) : QChar(byte);
    }
    return text;
}

// Each line is decoded on its own; a U+FEFF at the start of a passage is text, not a mark.
QString decodeUtf8(const char *data, qsizetype size, bool *valid = nullptr)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
    QString text = decoder(QByteArrayView(data, size));
    if (valid) {
        *valid = !decoder.hasError();
    }
    return text;
}

bool isValidUtf8(const QByteArray &bytes, const LineSpan &line)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    decoder(QByteArrayView(bytes.constData() + line.begin, line.end - line.begin));
    return !decoder.hasError();
}

qint32 codePointCount(const QString &text)
{
    qint32 count = 0;
    for (const QChar c : text) {
        count += c.isLowSurrogate() ? 0 : 1;
    }
    return count;
}

// The length in characters of every line, when all of them are valid UTF-8; otherwise returns
// false and leaves lengths empty. Only one decoded line exists at a time.
bool utf8Lengths(const QByteArray &bytes, const std::vector<LineSpan> &lines,
                 std::vector<qint32> &lengths)
{
    lengths.reserve(lines.size());
    for (const LineSpan &line : lines) {
        bool valid = false;
        const QString text =
            decodeUtf8(bytes.constData() + line.begin, line.end - line.begin, &valid);
        if (!valid) {
            lengths.clear();
            return false;
        }
        lengths.push_back(codePointCount(text));
    }
    return true;
}

QString quoted(const QString &fileName)
{
    return QLatin1Char('"') + fileName + QLatin1Char('"');
}

QString badCountMessage(const QString &fileName, const QByteArray &bytes, const LineSpan &line)
{
    const qsizetype length = std::min<qsizetype>(line.end - line.begin, kExcerptLength);
    QString excerpt = QString::fromUtf8(bytes.constData() + line.begin, length).trimmed();
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

    m_utf8 = isValidUtf8(bytes, countLine) && utf8Lengths(bytes, lines, m_lengths);
    if (!m_utf8) {
        // One character for every byte.
        m_lengths.reserve(lines.size());
        for (const LineSpan &line : lines) {
            m_lengths.push_back(qint32(line.end - line.begin));
        }
    }
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
    passageLen = m_lengths[std::size_t(index - 1)];
    return passage(index);
}

QString PassageStore::passage(int index) const
{
    const Line &line = m_lines.at(std::size_t(index - 1));
    const char *data = m_bytes.constData() + line.begin;
    const qsizetype size = line.end - line.begin;
    return m_utf8 ? decodeUtf8(data, size) : decodeWindows1252(data, size);
}

void PassageStore::clear()
{
    m_bytes.clear();
    m_lines.clear();
    m_utf8 = true;
    m_lengths.clear();
}

} // namespace quorvel
