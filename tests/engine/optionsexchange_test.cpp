// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Options exchange against a fake dialog and a whole typing test on fakes.
#include "optionsexchange.h"
#include "typingtestrig.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <set>

namespace quorvel {
namespace {

// A dialog whose "user" is a function run while it is shown. Unlike real option buttons it lets
// a test select several at once, to check which one the exchange takes.
class FakeOptionsForm : public OptionsForm {
public:
    std::function<void(FakeOptionsForm &)> user;
    bool ok = false;
    std::set<TimeOption> selected;
    Color correct = kBlack;
    Color incorrect = kBlack;
    int showings = 0;

    void showModal() override
    {
        ++showings;
        if (user)
            user(*this);
    }
    bool okChecked() const override { return ok; }
    bool isSelected(TimeOption option) const override { return selected.count(option) != 0; }
    void select(TimeOption option) override { selected = {option}; }
    Color correctSwatch() const override { return correct; }
    void setCorrectSwatch(Color color) override { correct = color; }
    Color incorrectSwatch() const override { return incorrect; }
    void setIncorrectSwatch(Color color) override { incorrect = color; }
};

class OptionsExchangeTest : public ::testing::Test {
protected:
    OptionsExchangeTest() { exchange.prepareForm(); }

    // Runs one exchange in which the user does `act` and answers OK or Cancel.
    void runExchange(bool ok, const std::function<void(FakeOptionsForm &)> &act = {})
    {
        form.user = [ok, act](FakeOptionsForm &f) {
            if (act)
                act(f);
            f.ok = ok;
        };
        rig.controls.log.clear();
        exchange.cmdOptions_Click();
    }

    void setSettings(const QString &testLength, Color correct, Color incorrect)
    {
        rig.test.setSettings(Settings{testLength, correct, incorrect});
    }

    const Settings &settings() const { return rig.test.settings(); }

    TypingTestRig rig{{QStringLiteral("abc def")}};
    FakeOptionsForm form;
    OptionsExchange exchange{form, rig.test};
};

TEST_F(OptionsExchangeTest, StartUpStateIsOneMinuteBlueAndRed)
{
    EXPECT_EQ(form.selected, std::set<TimeOption>{TimeOption::OneMinute});
    EXPECT_EQ(form.correct, 16711680u);
    EXPECT_EQ(form.incorrect, 255u);
}

struct OkCase {
    std::set<TimeOption> selected;
    const char *testLength;
    const char *timeLeft; // at the next Start; nullptr: hidden
};

void PrintTo(const OkCase &c, std::ostream *out)
{
    *out << '"' << c.testLength << '"';
}

class OptionsExchangeOkTest : public OptionsExchangeTest,
                              public ::testing::WithParamInterface<OkCase> {};

TEST_P(OptionsExchangeOkTest, TakesTheFirstSelectedOptionInOrder)
{
    const OkCase &c = GetParam();
    setSettings(QStringLiteral("3 Minutes"), kBlue, kRed);
    runExchange(true, [&c](FakeOptionsForm &f) { f.selected = c.selected; });

    EXPECT_EQ(settings().TestLength, c.testLength);
    EXPECT_EQ(rig.caption(Label::OptionsTime), QStringLiteral("Test length: ") + c.testLength);
    rig.start();
    EXPECT_EQ(rig.controls[Label::TimeLeft].visible, c.timeLeft != nullptr);
    if (c.timeLeft) {
        EXPECT_EQ(rig.caption(Label::TimeLeft), c.timeLeft);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Selections, OptionsExchangeOkTest,
    ::testing::Values(
        OkCase{{TimeOption::OneMinute}, "1 Minute", "1:00.0"},
        OkCase{{TimeOption::TwoMinutes}, "2 Minutes", "2:00.0"},
        OkCase{{TimeOption::ThreeMinutes}, "3 Minutes", "3:00.0"},
        OkCase{{TimeOption::FiveMinutes}, "5 Minutes", "5:00.0"},
        OkCase{{TimeOption::Unlimited}, "Unlimited", nullptr}, OkCase{{}, "1 Minute", "1:00.0"},
        OkCase{{TimeOption::Unlimited, TimeOption::FiveMinutes}, "5 Minutes", "5:00.0"},
        OkCase{{TimeOption::Unlimited, TimeOption::TwoMinutes}, "2 Minutes", "2:00.0"},
        OkCase{{TimeOption::ThreeMinutes, TimeOption::OneMinute}, "1 Minute", "1:00.0"}));

TEST_F(OptionsExchangeTest, OkWritesOnlyTheSummaryAndLeavesTheFiguresForTheNextStart)
{
    runExchange(true, [](FakeOptionsForm &f) {
        f.select(TimeOption::FiveMinutes);
        f.correct = 0x00FF00;
        f.incorrect = 0x123456;
    });

    EXPECT_EQ(settings().TestLength, "5 Minutes");
    EXPECT_EQ(settings().CorrectColor, 0x00FF00u);
    EXPECT_EQ(settings().IncorrectColor, 0x123456u);
    const std::vector<QString> expected = {"caption OptionsTime=Test length: 5 Minutes",
                                           "color OptionsCorrect=65280",
                                           "color OptionsIncorrect=1193046"};
    EXPECT_EQ(rig.controls.log, expected);
    EXPECT_EQ(rig.caption(Label::TimeLeft), "1:00.0");
    EXPECT_EQ(rig.test.state().TestSeconds, 60);

    rig.start();
    EXPECT_EQ(rig.caption(Label::TimeLeft), "5:00.0");
    EXPECT_EQ(rig.test.state().TestSeconds, 300);
}

TEST_F(OptionsExchangeTest, UnlimitedHidesTimeLeftFromTheNextStart)
{
    runExchange(true, [](FakeOptionsForm &f) { f.select(TimeOption::Unlimited); });
    EXPECT_EQ(rig.caption(Label::OptionsTime), "Test length: Unlimited");
    EXPECT_TRUE(rig.controls[Label::TimeLeft].visible);

    rig.start();
    EXPECT_FALSE(rig.controls[Label::TimeLeft].visible);
}

TEST_F(OptionsExchangeTest, NewColoursReachTheNextTypedCharacters)
{
    runExchange(true, [](FakeOptionsForm &f) {
        f.correct = 0x00AA00;
        f.incorrect = 0xAA00AA;
    });
    rig.start();
    rig.type(QStringLiteral("ax"));

    EXPECT_EQ(rig.passage.styleAt(0).color, 0x00AA00u);
    EXPECT_EQ(rig.passage.styleAt(1).color, 0xAA00AAu);
}

TEST_F(OptionsExchangeTest, OkWithoutChangesRewritesTheSameSettings)
{
    runExchange(true);

    EXPECT_EQ(settings().TestLength, "1 Minute");
    EXPECT_EQ(settings().CorrectColor, kBlue);
    EXPECT_EQ(settings().IncorrectColor, kRed);
    EXPECT_EQ(rig.caption(Label::OptionsTime), "Test length: 1 Minute");
    EXPECT_EQ(rig.controls[Label::OptionsCorrect].color, kBlue);
    EXPECT_EQ(rig.controls[Label::OptionsIncorrect].color, kRed);
}

struct CancelCase {
    const char *testLength;
    TimeOption restored;
};

void PrintTo(const CancelCase &c, std::ostream *out)
{
    *out << '"' << c.testLength << '"';
}

class OptionsExchangeCancelTest : public OptionsExchangeTest,
                                  public ::testing::WithParamInterface<CancelCase> {};

TEST_P(OptionsExchangeCancelTest, PutsTheDialogBackToTheSettings)
{
    const CancelCase &c = GetParam();
    setSettings(QString::fromLatin1(c.testLength), 0x010203, 0x040506);
    runExchange(false, [](FakeOptionsForm &f) {
        f.selected = {TimeOption::TwoMinutes, TimeOption::Unlimited};
        f.correct = 0x00FF00;
        f.incorrect = 0x00FFFF;
    });

    EXPECT_EQ(form.selected, std::set<TimeOption>{c.restored});
    EXPECT_EQ(form.correct, 0x010203u);
    EXPECT_EQ(form.incorrect, 0x040506u);
    EXPECT_EQ(settings().TestLength, c.testLength);
    EXPECT_EQ(settings().CorrectColor, 0x010203u);
    EXPECT_EQ(settings().IncorrectColor, 0x040506u);
    EXPECT_TRUE(rig.controls.log.empty());
}

INSTANTIATE_TEST_SUITE_P(Labels, OptionsExchangeCancelTest,
                         ::testing::Values(CancelCase{"1 Minute", TimeOption::OneMinute},
                                           CancelCase{"2 Minutes", TimeOption::TwoMinutes},
                                           CancelCase{"3 Minutes", TimeOption::ThreeMinutes},
                                           CancelCase{"5 Minutes", TimeOption::FiveMinutes},
                                           CancelCase{"Unlimited", TimeOption::Unlimited},
                                           // Matched exactly, case and blanks included.
                                           CancelCase{"5 minutes", TimeOption::OneMinute},
                                           CancelCase{"Unlimited ", TimeOption::OneMinute},
                                           CancelCase{"", TimeOption::OneMinute}));

TEST_F(OptionsExchangeTest, EachClickShowsTheDialogOnce)
{
    runExchange(false);
    runExchange(true);
    EXPECT_EQ(form.showings, 2);
}

} // namespace
} // namespace quorvel
