// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text as people save and type it: passages written decomposed (NFD) and input methods that
// commit decomposed text are judged like their composed forms, key for key.
#include "passagestore.h"
#include "passagetext.h"
#include "typingtestrig.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quorvel {
namespace {

const QString kName = QStringLiteral("passages.txt");

QString u(const char16_t *text)
{
    return QString::fromUtf16(text);
}

struct StoredCase {
    const char *name;
    QByteArray line; // the passage as saved
    QString expected;
};

std::ostream &operator<<(std::ostream &os, const StoredCase &c)
{
    return os << c.name;
}

class StoredPassage : public testing::TestWithParam<StoredCase> {};

TEST_P(StoredPassage, ComesOutInNfcAndIsCountedSo)
{
    PassageStore store;
    ASSERT_EQ(store.loadFromBytes("1\r\n" + GetParam().line + "\r\n", kName), QString());
    const QString passage = store.passage(1);
    EXPECT_EQ(passage, GetParam().expected);
    EXPECT_EQ(store.passageLength(1), GetParam().expected.toUcs4().size());
    FakeRandom random;
    qint32 length = -1;
    EXPECT_EQ(store.PickPassage(random, length), GetParam().expected);
    EXPECT_EQ(length, store.passageLength(1));
}

INSTANTIATE_TEST_SUITE_P(
    Normalisation, StoredPassage,
    testing::Values(
        StoredCase{"LatinAccentsDecomposed", "cafe\xCC\x81 au lait", u(u"caf\u00E9 au lait")},
        StoredCase{"SeveralMarksReordered",
                   // a + dot below + circumflex, the marks saved in the other order
                   "a\xCC\x82\xCC\xA3 O\xCC\x88", u(u"\u1EAD \u00D6")},
        StoredCase{"HangulJamo",
                   "\xE1\x84\x92\xE1\x85\xA1\xE1\x86\xAB\xE1\x84\x80\xE1\x85\xAE\xE1\x86\xA8",
                   u(u"\uD55C\uAD6D")},
        StoredCase{"ComposedLeftAlone", "caf\xC3\xA9 \xED\x95\x9C", u(u"caf\u00E9 \uD55C")},
        // No precomposed q with tilde exists: the two code points stay two.
        StoredCase{"MarkWithoutComposedFormLeftAlone", "q\xCC\x83", u(u"q\u0303")},
        StoredCase{"EmojiWithSkinToneLeftAlone", "\xF0\x9F\x91\x8D\xF0\x9F\x8F\xBD",
                   u(u"\U0001F44D\U0001F3FD")},
        // Singletons: the Kelvin sign becomes K, and U+0344 comes out as two marks.
        StoredCase{"SingletonsReplaced", "\xE2\x84\xAA \xCC\x88\xCD\x84",
                   u(u"K \u0308\u0308\u0301")},
        StoredCase{"Windows1252", "caf\xE9 \x8A\x9F", u(u"caf\u00E9 \u0160\u0178")}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(TypedKeys, AreTheCodePointsOfTheNfcForm)
{
    EXPECT_EQ(typedKeys(QStringLiteral("ab")), (QList<uint>{'a', 'b'}));
    EXPECT_EQ(typedKeys(u(u"e\u0301")), QList<uint>{0xE9});
    EXPECT_EQ(typedKeys(u(u"\u1112\u1161\u11AB")), QList<uint>{0xD55C});
    EXPECT_EQ(typedKeys(u(u"q\u0303")), (QList<uint>{'q', 0x303}));
    EXPECT_EQ(typedKeys(u(u"\U0001F44D")), QList<uint>{0x1F44D});
}

// The whole road: a passage saved decomposed, typed from a keyboard that sends composed keys.
struct TypedCase {
    const char *name;
    QString saved;
    QString typed; // every key right
};

std::ostream &operator<<(std::ostream &os, const TypedCase &c)
{
    return os << c.name;
}

class TypedAgainstSaved : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedAgainstSaved, EveryKeyIsRight)
{
    TypingTestRig rig({GetParam().saved});
    rig.start();
    const QList<uint> keys = typedKeys(GetParam().typed);
    EXPECT_EQ(rig.test.state().PassageLen, keys.size());
    for (const uint key : keys)
        rig.press(char32_t(key));
    EXPECT_EQ(rig.test.state().TotalChars, keys.size());
    EXPECT_EQ(rig.test.state().ErrorCount, 0);
    EXPECT_EQ(rig.test.state().CharPos, rig.test.state().PassageLen);
    rig.tickAt(1000);
    EXPECT_EQ(rig.caption(Label::Accuracy), QStringLiteral("100.0"));
}

INSTANTIATE_TEST_SUITE_P(
    Normalisation, TypedAgainstSaved,
    testing::Values(TypedCase{"NfdLatin", u(u"cafe\u0301 au lait"), u(u"caf\u00E9 au lait")},
                    TypedCase{"NfdHangul", u(u"\u1112\u1161\u11AB\u1100\u116E\u11A8"),
                              u(u"\uD55C\uAD6D")},
                    // An input method commits e + U+0301: it is the one key \u00E9.
                    TypedCase{"NfdCommitOnComposed", u(u"caf\u00E9!"), u(u"cafe\u0301!")},
                    TypedCase{"NfdCommitOnNfd", u(u"cafe\u0301!"), u(u"cafe\u0301!")},
                    TypedCase{"JamoCommit", u(u"\uD55C"), u(u"\u1112\u1161\u11AB")},
                    // Without a composed form both code points are keys of their own.
                    TypedCase{"MarkWithoutComposedForm", u(u"q\u0303."), u(u"q\u0303.")}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quorvel
