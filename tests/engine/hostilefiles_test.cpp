// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Passage files written to break the loader: each must give a clear message that names the file,
// the line and the problem, or load exactly what it holds. The well-formed cases live in
// passagestore_test.cpp.

#include "passagestore.h"

#include "fakerandom.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <future>
#include <poll.h>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace quorvel {
namespace {

const QString kName = QStringLiteral("hostile-data");

// Bytes of a literal that may hold NULs, without its terminator.
template <std::size_t N> QByteArray raw(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

QString u(const char16_t *text)
{
    return QString::fromUtf16(text);
}

struct Rejected {
    const char *name;
    QByteArray bytes;
    int line;
    const char *problem;
};

std::ostream &operator<<(std::ostream &os, const Rejected &c)
{
    return os << c.name;
}

class RejectedFile : public testing::TestWithParam<Rejected> {};

TEST_P(RejectedFile, NamesFileLineAndProblemWithoutControlCharacters)
{
    PassageStore store;
    const QString message = store.loadFromBytes(GetParam().bytes, kName);
    EXPECT_TRUE(message.contains('"' + kName + '"')) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("line %1:").arg(GetParam().line)))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String(GetParam().problem))) << message.toStdString();
    // The message goes into a message box: control bytes from the file must not reach it.
    for (const QChar c : message)
        ASSERT_NE(c.category(), QChar::Other_Control)
            << "U+" << std::hex << c.unicode() << " in " << message.toStdString();
    EXPECT_EQ(store.PassageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, RejectedFile,
    testing::Values(Rejected{"OnlyCr", "\r", 1, "from 1 to 32767"},
                    Rejected{"OnlyBom", "\xEF\xBB\xBF", 1, "empty"},
                    Rejected{"BomAndCrLf", "\xEF\xBB\xBF\r\n", 1, "from 1 to 32767"},
                    Rejected{"CountPastInt32", "2147483648\nx\n", 1, "from 1 to 32767"},
                    Rejected{"CountPastInt64", "18446744073709551617\nx\n", 1, "from 1 to 32767"},
                    Rejected{"ExponentCountShortFile", "1e3\na\nb\n", 4, "1000 passages"},
                    Rejected{"NulBeforeCount",
                             raw("\0"
                                 "2\na\nb\n"),
                             1, "from 1 to 32767"},
                    Rejected{"ControlBytesInCountLine", "\x1b[2J\x07\x08\x7f\nx\n", 1,
                             "from 1 to 32767"},
                    Rejected{"Utf16File",
                             raw("\xFF\xFE"
                                 "1\0\r\0\n\0x\0"),
                             1, "from 1 to 32767"},
                    Rejected{"CutUtf8InCountLine", "\xE2\x82\nx\n", 1, "from 1 to 32767"}),
    [](const auto &info) { return std::string(info.param.name); });

struct Loaded {
    const char *name;
    QByteArray bytes;
    QStringList passages;
};

std::ostream &operator<<(std::ostream &os, const Loaded &c)
{
    return os << c.name;
}

class LoadedFile : public testing::TestWithParam<Loaded> {};

TEST_P(LoadedFile, KeepsEveryCharacterAndCountsIt)
{
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(GetParam().bytes, kName), QString());
    ASSERT_EQ(store.PassageCount(), GetParam().passages.size());
    for (int i = 1; i <= store.PassageCount(); ++i) {
        const QString &expected = GetParam().passages[i - 1];
        EXPECT_EQ(store.passage(i), expected) << "passage " << i;
        EXPECT_EQ(store.passageLength(i), expected.toUcs4().size()) << "passage " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Hostile, LoadedFile,
    testing::Values(
        Loaded{"NulAndControlsInPassages",
               raw("2\na\0b\n\x01\x1b\x7f\t\n"),
               {QString::fromLatin1("a\0b", 3), u(u"\x01\x1b\x7f\t")}},
        Loaded{"CountEndsAtNul", raw("2\0junk\na\nb"), {"a", "b"}},
        // Byte runs a lax decoder would take as UTF-8 make the file Windows-1252 instead.
        Loaded{"EncodedSurrogate", "1\n\xED\xA0\x80", {u(u"\u00ED\u00A0\u20AC")}},
        Loaded{"OverlongSlash", "1\n\xC0\xAF", {u(u"\u00C0\u00AF")}},
        Loaded{"BeyondUnicode", "1\n\xF4\x90\x80\x80", {u(u"\u00F4\u0090\u20AC\u20AC")}},
        Loaded{"SequenceCutByLineEnd",
               "2\r\n\xE2\x80\r\n\x9Cok",
               {u(u"\u00E2\u20AC"), u(u"\u0153ok")}},
        Loaded{"Utf8NextToWindows1252",
               "2\n\xE2\x80\x9C"
               "caf\xC3\xA9\xE2\x80\x9D\n\x93"
               "caf\xE9\x94",
               {u(u"\u00E2\u20AC\u0153caf\u00C3\u00A9\u00E2\u20AC\u009D"),
                u(u"\u201Ccaf\u00E9\u201D")}},
        Loaded{"AllEndingsInARow", "4\r\r\n\n\r\nx\r", {"", "", "", "x"}}),
    [](const auto &info) { return std::string(info.param.name); });

constexpr qsizetype k64MiB = 64 * 1024 * 1024;

TEST(HugeLine, A64MiBPassageLoadsWhole)
{
    QByteArray bytes = "1\r\n" + QByteArray(k64MiB, 'q') + "\r\n";
    bytes[3 + k64MiB - 1] = 'z';
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(bytes, kName), QString());
    bytes.clear();
    FakeRandom random;
    qint32 length = 0;
    const QString passage = store.PickPassage(random, length);
    EXPECT_EQ(length, k64MiB);
    EXPECT_EQ(passage.size(), k64MiB);
    EXPECT_EQ(passage.back(), QLatin1Char('z'));
}

TEST(HugeLine, A64MiBCountLineIsRejectedWithAShortExcerpt)
{
    PassageStore store;
    const QString message = store.loadFromBytes(QByteArray(k64MiB, '9') + "\nx\n", kName);
    EXPECT_TRUE(message.contains(QLatin1String("line 1:"))) << message.left(200).toStdString();
    EXPECT_LT(message.size(), 300);
}

// The file is read in pieces and only as far as needed; whatever the pieces, it must load as the
// same bytes held in memory do. The cases put line ends and the count line's limit at the edges
// of the pieces.
struct Split {
    const char *name;
    QByteArray bytes;
};

std::ostream &operator<<(std::ostream &os, const Split &c)
{
    return os << c.name;
}

class ReadInPieces : public testing::TestWithParam<Split> {};

TEST_P(ReadInPieces, LoadsAsTheWholeBytesDo)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("data"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(GetParam().bytes), GetParam().bytes.size());
    file.close();

    PassageStore fromFile;
    PassageStore fromBytes;
    const QString message = fromBytes.loadFromBytes(GetParam().bytes, path);
    EXPECT_EQ(fromFile.load(path), message);
    ASSERT_EQ(fromFile.PassageCount(), fromBytes.PassageCount());
    for (int i = 1; i <= fromBytes.PassageCount(); ++i)
        EXPECT_EQ(fromFile.passage(i), fromBytes.passage(i)) << "passage " << i;
}

constexpr qsizetype k64KiB = 64 * 1024;

INSTANTIATE_TEST_SUITE_P(
    Hostile, ReadInPieces,
    testing::Values(
        // CR is the last byte of the first piece, its LF the first of the next.
        Split{"CrLfAcrossPieces", "2\r\n" + QByteArray(k64KiB - 4, 'a') + "\r\nb\r\ntail"},
        Split{"LastLineEndsInCrAtPieceEnd", "2\r\nb\r\n" + QByteArray(k64KiB - 7, 'a') + "\rtail"},
        Split{"LoneCrsAcrossPieces", "3\r" + QByteArray(k64KiB - 2, 'a') + "\r\rc\r"},
        Split{"LongCountLine", "2" + QByteArray(k64KiB + 100, ' ') + "\r\nx\r\ny\r\n"},
        Split{"LongCountLineAfterBom", "\xEF\xBB\xBF"
                                       "2" +
                                           QByteArray(k64KiB + 100, ' ') + "\nx\ny"},
        Split{"CountLineDigitsPastItsLimit", QByteArray(k64KiB + 100, '0') + "2\nx\ny\n"},
        Split{"ShortFile", "3\na\nb"}),
    [](const auto &info) { return std::string(info.param.name); });

// What loading costs the process, from the kernel's own accounts: bytes read through read() and
// its kin, and pages resident now. -1 where the system keeps no such account.
qint64 bytesReadSoFar()
{
    QFile io(QStringLiteral("/proc/self/io"));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : io.readAll().split('\n')) {
        if (line.startsWith("rchar:"))
            return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

constexpr qint64 k1MiB = 1024 * 1024;

// A sparse file: its size promises 64 GiB, almost all of it a hole of NULs after the passages.
// Loading reads only what the passages need, and the room it sets aside for the file by its size
// is never written, so it costs no memory.
TEST(LongFile, AHugeFileCostsOnlyItsPassages)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile file(dir.filePath(QStringLiteral("data")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("3\r\nabc\r\ndef\r\nghi\r\n");
    if (!file.resize(qint64(64) << 30))
        GTEST_SKIP() << "no sparse files here";
    file.close();
    const qint64 readBefore = bytesReadSoFar();
    const qint64 residentBefore = residentBytes();
    if (readBefore < 0 || residentBefore < 0)
        GTEST_SKIP() << "no /proc/self accounts of reading and memory here";

    PassageStore store;
    EXPECT_EQ(store.load(file.fileName()), QString());
    const qint64 read = bytesReadSoFar() - readBefore;
    const qint64 grown = residentBytes() - residentBefore;

    EXPECT_EQ(store.PassageCount(), 3);
    EXPECT_EQ(store.passage(3), QStringLiteral("ghi"));
    RecordProperty("bytes_read", std::to_string(read));
    RecordProperty("resident_growth_bytes", std::to_string(grown));
    // One 64 KiB piece holds all four lines; a loader that read on would take gigabytes.
    EXPECT_LT(read, k1MiB);
    EXPECT_LT(grown, 8 * k1MiB);
}

// A file that never ends unless its reader lets go: a named pipe whose writer offers a count of
// 3, three passages and then 100,000 more lines. The loader must stop after line 4, which the
// writer sees as a broken pipe long before its last line. Neither end may wait for ever, so that
// a loader that never opens the pipe, or never lets go of it, fails the test instead of hanging
// it: the writer opens without blocking and gives up at a deadline.
constexpr int kPipeLines = 100004;
constexpr auto kPipeDeadline = std::chrono::seconds(20);
using SteadyClock = std::chrono::steady_clock;

// Writes all of bytes unless the reader closes the pipe or the deadline passes.
bool writeToPipe(int fd, const QByteArray &bytes, SteadyClock::time_point deadline)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n > 0) {
            done += n;
        } else if (n < 0 && errno == EAGAIN && SteadyClock::now() < deadline) {
            pollfd room{fd, POLLOUT, 0};
            poll(&room, 1, 10);
        } else {
            return false;
        }
    }
    return true;
}

// Returns the whole lines written, or -1 when no reader opened the pipe before the deadline.
int feedPipe(const QByteArray &path, SteadyClock::time_point deadline)
{
    int fd = -1;
    // Without O_NONBLOCK this open would wait for a reader that may never come.
    while ((fd = open(path.constData(), O_WRONLY | O_NONBLOCK)) < 0) {
        if (errno != ENXIO || SteadyClock::now() > deadline)
            return -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    int lines = writeToPipe(fd, "3\r\nabc\r\ndef\r\nghi\r\n", deadline) ? 4 : 0;
    const QByteArray tail = "this line is never needed\r\n";
    while (lines > 0 && lines < kPipeLines && writeToPipe(fd, tail, deadline))
        ++lines;
    close(fd);
    return lines;
}

TEST(LongFile, ReadingStopsAfterTheLastPassageLine)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray path = dir.filePath(QStringLiteral("data")).toLocal8Bit();
    ASSERT_EQ(mkfifo(path.constData(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN);
    const SteadyClock::time_point deadline = SteadyClock::now() + kPipeDeadline;

    auto linesWritten = std::async(std::launch::async, feedPipe, path, deadline);
    auto loaded = std::async(std::launch::async, [&path] {
        PassageStore store;
        const QString message = store.load(QString::fromLocal8Bit(path));
        return std::make_pair(message, store.PassageCount() == 3 ? store.passage(3) : QString());
    });
    if (loaded.wait_until(deadline + std::chrono::seconds(5)) != std::future_status::ready) {
        ADD_FAILURE() << "the loader still waits on the pipe";
        // An end of file for a reader still waiting to open or to read, so the test can end.
        const int fd = open(path.constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            close(fd);
    }
    const auto [message, lastPassage] = loaded.get();
    const int lines = linesWritten.get();

    EXPECT_EQ(message, QString());
    EXPECT_EQ(lastPassage, QStringLiteral("ghi"));
    ASSERT_GE(lines, 4) << "the loader never opened the pipe";
    // Whatever the pipe held when the loader closed it: far fewer than all the lines.
    EXPECT_LT(lines, kPipeLines);
}

} // namespace
} // namespace quorvel
