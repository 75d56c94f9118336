// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "passagestore.h"

#include "clockseededrandom.h"
#include "fakerandom.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <limits>
#include <ostream>
#include <vector>

namespace quorvel {
namespace {

const QString kName = QStringLiteral("passages.txt");

QStringList passagesOf(const PassageStore &store)
{
    QStringList all;
    for (int i = 1; i <= store.PassageCount(); ++i) {
        all.append(store.passage(i));
    }
    return all;
}

struct FileCase {
    const char *name;
    QByteArray bytes;
    QStringList expected;
};

std::ostream &operator<<(std::ostream &os, const FileCase &c)
{
    return os << c.name;
}

class LoadTable : public testing::TestWithParam<FileCase> {};

TEST_P(LoadTable, ReadsThePassages)
{
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(GetParam().bytes, kName), QString());
    EXPECT_EQ(passagesOf(store), GetParam().expected);
}

QString u(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LoadTable,
    testing::Values(FileCase{"ThreeLinesTwoPassages", "2\r\nabc\r\ndef", {"abc", "def"}},
                    FileCase{
                        "CountFollowedByWords", "3 and words\r\na\r\nb\r\nc\r\n", {"a", "b", "c"}},
                    FileCase{"ExtraLinesIgnored", "1\r\nabc\r\nextra\r\nmore", {"abc"}},
                    FileCase{"EmptyPassage", "2\r\n\r\nx\r\n", {"", "x"}},
                    FileCase{"SpacesKept", "1\r\n  two  blanks \r\n", {"  two  blanks "}},
                    FileCase{"LoneLf", "2\nabc\ndef\n", {"abc", "def"}},
                    FileCase{"LoneCr", "2\rabc\rdef\r", {"abc", "def"}},
                    FileCase{"MixedEndings", "3\r\na\rb\nc", {"a", "b", "c"}},
                    FileCase{"CrCrIsEmptyLine", "2\r\rx", {"", "x"}},
                    FileCase{"LfCrIsTwoEndings", "2\n\rx", {"", "x"}},
                    FileCase{"CountLineWithLeadingBlanks", " \t2\nx\ny", {"x", "y"}}),
    [](const auto &info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Encoding, LoadTable,
    testing::Values(
        FileCase{"Utf8WithBom",
                 "\xEF\xBB\xBF"
                 "1\r\ncaf\xC3\xA9",
                 {u("caf\u00E9")}},
        FileCase{"Utf8WithoutBom", "1\n\xE2\x80\x9Cq\xE2\x80\x9D", {u("\u201Cq\u201D")}},
        FileCase{"Windows1252", "1\r\n\x93quoted\x94 caf\xE9", {u("\u201Cquoted\u201D caf\u00E9")}},
        FileCase{"Windows1252HighBlock",
                 "1\n\x80\x81\x8A\x9F\xA0\xFF",
                 {u("\u20AC\u0081\u0160\u0178\u00A0\u00FF")}},
        // One stray byte in any line read turns the whole file to Windows-1252.
        FileCase{"OneBadLineDecidesAll", "2\n\xC3\xA9\n\xE9", {u("\u00C3\u00A9"), u("\u00E9")}},
        // The count line is read too: in Windows-1252 it makes passages that happen to be
        // valid UTF-8 Windows-1252 as well.
        FileCase{"Windows1252CountLine",
                 "2 f\xFCr Anf\xE4nger\r\n\xC3\xA9t\xC3\xA9\r\nplain\r\n",
                 {u("\u00C3\u00A9t\u00C3\u00A9"), u("plain")}},
        // Lines past the last passage are never read, so they cannot change the decoding.
        FileCase{"BadBytesAfterLastPassage", "1\n\xC3\xA9\n\xE9", {u("\u00E9")}},
        // Only the file's first bytes are a byte-order mark; inside a passage U+FEFF is text.
        FileCase{
            "BomInsidePassageKept", "1\n\xEF\xBB\xBFx", {QChar(0xFEFF) + QStringLiteral("x")}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(CountLineEncoding, ALongLineCutInsideACharacterStaysUtf8)
{
    // Only the first 64 KiB of line 1 are read; the cut falls inside a two-byte character.
    QByteArray countLine = "1 x";
    while (countLine.size() < 70000) {
        countLine += "\xC3\xA9";
    }
    ASSERT_EQ(countLine.at(64 * 1024 - 1), '\xC3');
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(countLine + "\n\xC3\xA9\n", kName), QString());
    EXPECT_EQ(store.passage(1), u("\u00E9"));
}

TEST(CountLineEncoding, ABadCountIsQuotedInItsOwnEncoding)
{
    PassageStore store;
    EXPECT_TRUE(store.loadFromBytes("f\xFCnf\n\xC3\xA9\n", kName).contains(u("\"f\u00FCnf\"")));
    EXPECT_TRUE(store.loadFromBytes("f\xC3\xBCnf\n\xE9\n", kName).contains(u("\"f\u00FCnf\"")));
}

struct CountCase {
    const char *line;
    int count;
};

std::ostream &operator<<(std::ostream &os, const CountCase &c)
{
    return os << '"' << c.line << "\" -> " << c.count;
}

class CountLineTable : public testing::TestWithParam<CountCase> {};

TEST_P(CountLineTable, ReadsANumericPrefix)
{
    // Two spare lines, so a count read too high still loads and shows up as a wrong count.
    QByteArray bytes = QByteArray(GetParam().line) + "\n";
    for (int i = 0; i < GetParam().count + 2; ++i) {
        bytes += "p\n";
    }
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(bytes, kName), QString());
    EXPECT_EQ(store.PassageCount(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Prefixes, CountLineTable,
                         testing::Values(CountCase{"12 words", 12}, CountCase{"+2", 2},
                                         CountCase{"2.5", 2}, CountCase{"3.5", 4},
                                         CountCase{"1.5", 2}, CountCase{"1.49", 1},
                                         CountCase{"1e1", 10}, CountCase{"1E+1x", 10},
                                         CountCase{"1d1", 10}, CountCase{"2e", 2},
                                         CountCase{".5e1", 5}, CountCase{"7-3", 7},
                                         CountCase{"1,000", 1}, CountCase{"1 2", 1}));

TEST(CountLine, LargestCountLoads)
{
    QByteArray bytes = "32767.4\n";
    bytes += QByteArray(32767, '\n');
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(bytes, kName), QString());
    EXPECT_EQ(store.PassageCount(), 32767);
}

class BadCountTable : public testing::TestWithParam<const char *> {};

TEST_P(BadCountTable, NamesFileLineAndLimits)
{
    PassageStore store;
    const QString message =
        store.loadFromBytes(QByteArray(GetParam()) + "\nfirst passage\n", kName);
    EXPECT_TRUE(message.contains(kName)) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("line 1"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("from 1 to 32767"))) << message.toStdString();
    EXPECT_EQ(store.PassageCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(OutsideOneTo32767, BadCountTable,
                         testing::Values("0", "abc", "", "-1", "0.5", "-0.4", "32768", "32767.5",
                                         "1e5", "1e400", "1e-400", "99999999999999999999999999",
                                         "- 3", "."));

TEST(LoadErrors, TooFewPassageLinesNamesTheMissingLine)
{
    PassageStore store;
    const QString message = store.loadFromBytes("3\r\na\r\nb\r\n", kName);
    EXPECT_TRUE(message.contains(kName)) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("line 4"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("3 passages"))) << message.toStdString();
    EXPECT_EQ(store.PassageCount(), 0);
}

TEST(LoadErrors, EmptyFileNamesLineOne)
{
    PassageStore store;
    const QString message = store.loadFromBytes(QByteArray(), kName);
    EXPECT_TRUE(message.contains(kName) && message.contains(QLatin1String("line 1")) &&
                message.contains(QLatin1String("empty")))
        << message.toStdString();
}

TEST(LoadErrors, FailedLoadEmptiesAFullStore)
{
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes("1\nabc", kName), QString());
    EXPECT_NE(store.loadFromBytes("2\nabc", kName), QString());
    EXPECT_EQ(store.PassageCount(), 0);
}

TEST(LoadFile, ReadsFromDiskAndReportsMissingOrUnreadablePaths)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("data"));
    PassageStore store;

    QString message = store.load(path);
    EXPECT_TRUE(message.contains(path) && message.contains(QLatin1String("not found")))
        << message.toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("2\r\nfirst\r\nsecond\r\n");
    file.close();
    EXPECT_EQ(store.load(path), QString());
    EXPECT_EQ(passagesOf(store), QStringList({"first", "second"}));

    message = store.load(dir.path());
    EXPECT_TRUE(message.contains(dir.path()) && message.contains(QLatin1String("cannot")))
        << message.toStdString();
}

TEST(LoadFile, LongFileStopsAfterTheLastPassage)
{
    QByteArray bytes = "3\nabc\ndef\nghi\n";
    bytes += QByteArray(100000, 'x').replace('x', "line\n");
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes(bytes, kName), QString());
    EXPECT_EQ(passagesOf(store), QStringList({"abc", "def", "ghi"}));
}

PassageStore storeOf(const QByteArray &bytes)
{
    PassageStore store;
    EXPECT_EQ(store.loadFromBytes(bytes, kName), QString());
    return store;
}

TEST(PickPassage, EveryIndexIsReachableAndTheEndsStayInside)
{
    const PassageStore store = storeOf("7\n1\n2\n3\n4\n5\n6\n7\n");
    FakeRandom random;
    qint32 length = -1;
    for (int k = 0; k < 7; ++k) {
        random.push((float(k) + 0.5f) / 7.0f);
        EXPECT_EQ(store.PickPassage(random, length), QString::number(k + 1));
    }
    random.push(0.0f);
    EXPECT_EQ(store.PickPassage(random, length), QStringLiteral("1"));
    random.push(std::nextafter(1.0f, 0.0f));
    EXPECT_EQ(store.PickPassage(random, length), QStringLiteral("7"));
    // Values a broken source might give still pick a real passage.
    for (float bad : {1.0f, 2.0f, -0.5f, std::numeric_limits<float>::quiet_NaN()}) {
        random.push(bad);
        EXPECT_EQ(store.PickPassage(random, length).size(), 1) << bad;
    }
}

TEST(PickPassage, ReseedsOnEveryPickAndSetsLengthInCharacters)
{
    // U+1F600 takes two UTF-16 units but is one character to type.
    const PassageStore store = storeOf("3\nabc\n\na\xF0\x9F\x98\x80"
                                       "b\n");
    FakeRandom random;
    const std::vector<std::pair<float, qint32>> picks = {{0.1f, 3}, {0.5f, 0}, {0.9f, 3}};
    for (const auto &[r, expectedLength] : picks) {
        random.push(r);
        qint32 length = -1;
        store.PickPassage(random, length);
        EXPECT_EQ(length, expectedLength) << r;
    }
    EXPECT_EQ(random.reseedCount(), 3);
    EXPECT_EQ(random.nextCount(), 3);
}

TEST(PickPassage, IsUniformByChiSquare)
{
    constexpr int kCount = 10;
    constexpr int kPicks = 100000;
    QByteArray bytes = QByteArray::number(kCount) + "\n";
    for (int i = 0; i < kCount; ++i) {
        bytes += QByteArray::number(i) + "\n";
    }
    const PassageStore store = storeOf(bytes);
    FakeRandom random(20240611);
    std::vector<int> seen(kCount, 0);
    qint32 length = 0;
    for (int i = 0; i < kPicks; ++i) {
        ++seen[std::size_t(store.PickPassage(random, length).toInt())];
    }
    const double expected = double(kPicks) / kCount;
    double chiSquare = 0.0;
    for (int observed : seen) {
        chiSquare += (observed - expected) * (observed - expected) / expected;
    }
    // With 9 degrees of freedom a fair picker exceeds 50 with a chance of about 1e-7.
    EXPECT_LT(chiSquare, 50.0);
}

TEST(ClockSeededRandom, StaysInsideTheUnitIntervalAndReachesEveryPassage)
{
    const PassageStore store = storeOf("3\na\nb\nc\n");
    ClockSeededRandom random;
    QStringList seen;
    qint32 length = 0;
    for (int i = 0; i < 1000; ++i) {
        const float r = random.next();
        ASSERT_TRUE(r >= 0.0f && r < 1.0f) << r;
        const QString passage = store.PickPassage(random, length);
        if (!seen.contains(passage)) {
            seen.append(passage);
        }
    }
    seen.sort();
    EXPECT_EQ(seen, QStringList({"a", "b", "c"}));
}

} // namespace
} // namespace quorvel
