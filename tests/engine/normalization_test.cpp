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

TEST(TypedKeys, AKeyStandsForItsNfcForm)
{
    EXPECT_EQ(typedKeys(U'a'), QList<uint>{'a'});
    EXPECT_EQ(typedKeys(U'\u00E9'), QList<uint>{0xE9});
    EXPECT_EQ(typedKeys(U'\U0001F44D'), QList<uint>{0x1F44D});
    EXPECT_EQ(typedKeys(U'\u212A'), QList<uint>{'K'}) << "the Kelvin sign";
    EXPECT_EQ(typedKeys(U'\u0344'), (QList<uint>{0x308, 0x301}));
    EXPECT_EQ(typedKeys(char32_t(0xD800)), QList<uint>{0xD800}) << "no character: as it came";
    EXPECT_EQ(typedKeys(char32_t(0x110000)), QList<uint>{0x110000});
}

TEST(TypedKeys, ALetterAndTheMarkAfterItComposeWhereNfcHasOneCharacter)
{
    EXPECT_EQ(composedKey(U'e', U'\u0301'), U'\u00E9');
    EXPECT_EQ(composedKey(U'\u1EB9', U'\u0302'), U'\u1EC7') << "a second mark on a composed one";
    EXPECT_EQ(composedKey(U'\u00E2', U'\u0323'), U'\u1EAD') << "marks typed out of order";
    EXPECT_EQ(composedKey(U'\u1112', U'\u1161'), U'\uD558');
    EXPECT_EQ(composedKey(U'\uD558', U'\u11AB'), U'\uD55C');
    EXPECT_EQ(composedKey(U'q', U'\u0303'), char32_t(0)) << "no composed form";
    EXPECT_EQ(composedKey(U'\u00E9', U'\u0301'), char32_t(0));
    EXPECT_EQ(composedKey(U'e', U'f'), char32_t(0));
    EXPECT_EQ(composedKey(char32_t(0xD800), U'\u0301'), char32_t(0));
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
    const qint32 length = rig.test.state().PassageLen;
    rig.type(GetParam().typed);
    EXPECT_EQ(rig.test.state().TotalChars, length);
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
                    // An input method commits e + U+0301, or a layout sends the mark on a key
                    // of its own: either way it is the one key \u00E9.
                    TypedCase{"NfdCommitOnComposed", u(u"caf\u00E9!"), u(u"cafe\u0301!")},
                    TypedCase{"NfdCommitOnNfd", u(u"cafe\u0301!"), u(u"cafe\u0301!")},
                    TypedCase{"JamoCommit", u(u"\uD55C"), u(u"\u1112\u1161\u11AB")},
                    TypedCase{"TwoMarks", u(u"\u1EC7t"), u(u"e\u0323\u0302t")},
                    TypedCase{"TwoMarksOutOfOrder", u(u"\u1EC7t"), u(u"e\u0302\u0323t")},
                    TypedCase{"MarkThatSplits", u(u"\u01D8"), u(u"u\u0344")},
                    TypedCase{"KelvinSign", u(u"K!"), u(u"\u212A!")},
                    // Without a composed form both code points are keys of their own.
                    TypedCase{"MarkWithoutComposedForm", u(u"q\u0303."), u(u"q\u0303.")}),
    [](const auto &info) { return std::string(info.param.name); });

// A mark on a key of its own, key by key: the letter before it is judged at once, as any key,
// and the mark then makes it the character the passage expects.
TEST(MarkOnItsOwnKey, TurnsTheLetterBeforeItIntoOneRightKey)
{
    TypingTestRig rig({u(u"caf\u00E9!")});
    rig.start();
    const int car = rig.controls.car;
    rig.type(QStringLiteral("cafe"));
    EXPECT_EQ(rig.passage.styleAt(3).color, kRed) << "judged at once";
    EXPECT_EQ(rig.test.state().ErrorCount, 1);
    EXPECT_EQ(rig.controls.car, car + 3 * 60);

    rig.press(U'\u0301');
    EXPECT_EQ(rig.passage.styleAt(3).color, kBlue);
    EXPECT_EQ(rig.test.state().ErrorCount, 0);
    EXPECT_EQ(rig.test.state().TotalChars, 4) << "one character";
    EXPECT_EQ(rig.test.state().CharPos, 4);
    EXPECT_EQ(rig.controls.car, car + 4 * 60);
    EXPECT_EQ(rig.passage.currentChar(), 4) << "the mark stays on the !";
    EXPECT_EQ(rig.controls.typing, u(u"cafe\u0301")) << "the mark shows";

    rig.press(U'!');
    EXPECT_EQ(rig.passage.styleAt(4).color, kBlue);
    rig.tickAt(1000);
    EXPECT_EQ(rig.caption(Label::Accuracy), QStringLiteral("100.0"));
    EXPECT_EQ(rig.caption(Label::Speed), QStringLiteral("60")) << "5 keys, 1 word, in 1/60 minute";
}

// The mark belongs to the letter typed: where the passage has the bare letter, the key that was
// right is now wrong, and the car gives back its step. The next key is judged in its place.
TEST(MarkOnItsOwnKey, MakesARightLetterWrongWhereThePassageHasItBare)
{
    TypingTestRig rig({QStringLiteral("ce!")});
    rig.start();
    const int car = rig.controls.car;
    rig.type(QStringLiteral("ce"));
    EXPECT_EQ(rig.passage.styleAt(1).color, kBlue);
    rig.press(U'\u0301');
    EXPECT_EQ(rig.passage.styleAt(1).color, kRed);
    EXPECT_EQ(rig.test.state().ErrorCount, 1);
    EXPECT_EQ(rig.test.state().TotalChars, 2);
    EXPECT_EQ(rig.controls.car, car + 60);
    rig.press(U'!');
    EXPECT_EQ(rig.passage.styleAt(2).color, kBlue);
    EXPECT_EQ(rig.test.state().ErrorCount, 1);
    EXPECT_EQ(rig.controls.car, car + 2 * 60);
}

// Back at the start of its row, the car gives back its step by going to the end of the row.
TEST(MarkOnItsOwnKey, TheCarStepsBackAcrossTheStartOfItsRow)
{
    TypingTestRig rig({QStringLiteral("e")});
    rig.controls.car = 4860;
    rig.start();
    rig.press(U'e');
    EXPECT_EQ(rig.controls.car, 2760);
    rig.press(U'\u0301');
    EXPECT_EQ(rig.controls.car, 4860);
}

// Past the end of the passage a letter and its mark are still one key, and one error.
TEST(MarkOnItsOwnKey, PastTheEndJoinsAndStaysOneError)
{
    TypingTestRig rig({QStringLiteral("ab")});
    rig.start();
    rig.type(u(u"abe\u0301"));
    EXPECT_EQ(rig.test.state().TotalChars, 3);
    EXPECT_EQ(rig.test.state().ErrorCount, 1);
    EXPECT_EQ(rig.test.state().CharPos, 3);
}

// A mark that comes first in a passage, as after a new passage, has no letter to join: the
// letter it came after belongs to a passage that is gone, and keeps its verdict.
TEST(MarkOnItsOwnKey, NeverJoinsALetterOfTheFinishedPassage)
{
    TypingTestRig rig({u(u"ae"), u(u"\u00E9x")});
    rig.random.push(0.0f);
    rig.start();
    rig.type(QStringLiteral("ae"));
    rig.random.push(0.75f);
    rig.tickAt(500);
    ASSERT_EQ(rig.passage.text(), u(u"\u00E9x"));
    rig.press(U'\u0301');
    EXPECT_EQ(rig.test.state().TotalChars, 3);
    EXPECT_EQ(rig.test.state().ErrorCount, 1);
    EXPECT_EQ(rig.test.state().CharPos, 1);
    EXPECT_EQ(rig.passage.styleAt(0).color, kRed);
    EXPECT_TRUE(rig.passage.styleAt(0).judged);
}

} // namespace
} // namespace quorvel
