// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "typingtest.h"

#include "announcer.h"
#include "clock.h"
#include "formatting.h"
#include "messagebox.h"
#include "passagedocument.h"
#include "passagestore.h"
#include "passagetext.h"
#include "results.h"
#include "ticktimer.h"

#include <QStringView>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr char32_t kBackspace = 8;

// Speed and net speed are only refreshed in the first tick of each second, so they do not
// flicker with every key. The window is compared on floats, so it must be the float 0.05f
// exactly, which a 50 ms tick gives.
constexpr float kSpeedWindow = float(kTickIntervalMs) / 1000;
static_assert(kSpeedWindow == 0.05f, "the speed window is one 50 ms tick at the start of a second");
constexpr float kWarnHigh = 10.0f;
constexpr float kWarnLow = 9.0f;

// The typed character as UTF-16 on the stack: judging must not allocate for it.
class TypedChar {
public:
    explicit TypedChar(char32_t key)
    {
        if (QChar::requiresSurrogates(key) && key <= 0x10FFFF) {
            m_units[0] = QChar::highSurrogate(key);
            m_units[1] = QChar::lowSurrogate(key);
            m_size = 2;
        } else if (key <= 0xFFFF) {
            m_units[0] = char16_t(key);
            m_size = 1;
        }
        // Anything beyond Unicode stays empty and so never matches a passage character.
    }
    QStringView view() const { return QStringView(m_units, m_size); }
    bool valid() const { return m_size > 0; }

private:
    char16_t m_units[2] = {};
    qsizetype m_size = 0;
};

// What a screen reader says after a wrong key: the character that was to be typed, named where a
// voice would say nothing or the same for two keys.
QString wrongKeyCue(const QString &expected)
{
    if (expected.isEmpty())
        return QStringLiteral("Wrong");
    if (expected == QLatin1String(" "))
        return QStringLiteral("Wrong, space");
    if (expected.size() == 1 && expected[0].isUpper())
        return QStringLiteral("Wrong, capital ") + expected;
    return QStringLiteral("Wrong, ") + expected;
}

} // namespace

TypingTest::TypingTest(const PassageStore &store, const Ports &ports)
    : m_store(store), m_ports(ports)
{}

void TypingTest::Form_Load()
{
    m_state.settings = Settings{};
    ResetDisplay();
    m_ports.controls.setCarLeft(kCarStart);
}

void TypingTest::ResetDisplay()
{
    setCaption(Label::Speed, QStringLiteral("0"));
    setCaption(Label::Accuracy, QStringLiteral("100.0"));
    setCaption(Label::NetSpeed, QStringLiteral("0"));
    setCaption(Label::Time, FormatTime(0));
    m_state.TestSeconds = testSecondsFor(m_state.settings.TestLength);
    if (!isTimed()) {
        m_ports.controls.setLabelVisible(Label::TimeLeft, false);
    } else {
        m_ports.controls.setLabelVisible(Label::TimeLeft, true);
        setCaption(Label::TimeLeft, FormatTime(float(m_state.TestSeconds)));
    }
    showSettings();
}

void TypingTest::setSettings(const Settings &settings)
{
    m_state.settings = settings;
    showSettings();
}

// The options summary: the test length and the two colours.
void TypingTest::showSettings()
{
    setCaption(Label::OptionsTime, QStringLiteral("Test length: ") + m_state.settings.TestLength);
    m_ports.controls.setTextColor(Label::OptionsCorrect, m_state.settings.CorrectColor);
    m_ports.controls.setTextColor(Label::OptionsIncorrect, m_state.settings.IncorrectColor);
}

void TypingTest::cmdStart_Click()
{
    if (m_running)
        return;
    ResetDisplay();
    m_ports.controls.clearTyping();
    PassageDocument &passage = m_ports.passage;
    const QString text = PickPassage();
    passage.setText(text);
    passage.MarkCurrentChar(0, 1);
    passage.ResetPassageColor(0, m_state.PassageLen);
    passage.SelectChars(0, 1);
    setRunningControls(true);
    m_ports.controls.focusTyping();
    m_state.CharPos = 0;
    m_state.TotalChars = 0;
    m_state.ErrorCount = 0;
    m_running = true;
    m_timeLeftWarned = false;
    m_ports.timer.start();
    m_state.StartTick = m_ports.clock.nowMs();
    m_state.ElapsedMs = 0;
    // Last, once the typing box has the focus: the screen reader names the box first.
    announce(m_spoken.start(text));
}

void TypingTest::cmdStop_Click()
{
    if (!endTest())
        return;
    // The message repeats what the window shows; nothing is recomputed.
    m_ports.messages.showResults(Results(shown(Label::Speed), shown(Label::Accuracy),
                                         shown(Label::NetSpeed), shown(Label::Time)));
}

void TypingTest::abandon()
{
    endTest();
}

// Stop up to its results; false when no test was running.
bool TypingTest::endTest()
{
    // Cleared first: a tick or a click that sneaks in while the results box is open must not
    // run Stop a second time.
    if (!m_running)
        return false;
    m_running = false;
    m_ports.passage.UnmarkChar(m_state.CharPos, 1);
    m_ports.timer.stop();
    m_state.ElapsedMs = 0;
    setRunningControls(false);
    m_ports.controls.setTextColor(Label::TimeLeft, kBlack);
    m_ports.controls.setBold(Label::TimeLeft, false);
    m_timeLeftWarned = false;
    return true;
}

void TypingTest::tmrSpeed_Timer()
{
    if (!m_running)
        return;
    // A clock that steps backwards would give a negative time; hold it at zero instead.
    m_state.ElapsedMs = std::max<qint64>(0, m_ports.clock.nowMs() - m_state.StartTick);
    const float elapsed = float(double(m_state.ElapsedMs) / 1000);
    const float timeLeft = float(m_state.TestSeconds) - elapsed;
    showFigures(elapsed, timeLeft);
    if (m_state.CharPos >= m_state.PassageLen)
        replacePassage();
    if (!isTimed())
        return;
    // No lower bound: a tick that comes late after a stall still ends the test.
    if (timeLeft <= 0) {
        cmdStop_Click();
        return;
    }
    if (!m_timeLeftWarned && timeLeft >= kWarnLow && timeLeft <= kWarnHigh) {
        m_timeLeftWarned = true;
        m_ports.controls.setTextColor(Label::TimeLeft, kRed);
        m_ports.controls.setBold(Label::TimeLeft, true);
        announce(QStringLiteral("10 seconds left"));
    }
}

void TypingTest::showFigures(float elapsed, float timeLeft)
{
    setCaptionIfChanged(Label::Time, FormatTime(elapsed));
    setCaptionIfChanged(Label::TimeLeft, FormatTime(timeLeft));
    // Without elapsed time there is no speed to speak of; showing 0 keeps 0/0 off the labels.
    float speed = 0;
    float net = 0;
    if (elapsed > 0) {
        float accuracy = 0;
        if (m_state.TotalChars > 0) {
            accuracy = float(100 - double(m_state.ErrorCount) / double(m_state.TotalChars) * 100);
            setCaptionIfChanged(Label::Accuracy, FormatNumber(accuracy, QStringLiteral("0.0")));
        }
        const float minutes = elapsed / 60;
        const float words = float(double(m_state.TotalChars) / 5);
        speed = words / minutes;
        net = speed * accuracy / 100;
    }
    const float frac = elapsed - std::floor(elapsed);
    if (frac < kSpeedWindow) {
        setCaptionIfChanged(Label::Speed, FormatNumber(speed, QStringLiteral("0")));
        setCaptionIfChanged(Label::NetSpeed, FormatNumber(net, QStringLiteral("0")));
    }
}

// The first character of the new passage is left unmarked; the first key marks the second.
void TypingTest::replacePassage()
{
    m_state.CharPos = 0;
    m_ports.controls.clearTyping();
    PassageDocument &passage = m_ports.passage;
    const QString text = PickPassage();
    passage.setText(text);
    passage.ResetPassageColor(0, m_state.PassageLen);
    passage.SelectChars(0, 1);
    announce(m_spoken.start(text));
}

// Keys are judged in NFC, as the passages are kept, whatever the caller hands in. Most layouts
// send a composed character as one key, but some send a combining mark on a key of its own, and
// an input method may commit text decomposed. Such a mark, coming after the key it belongs to,
// joins that key: where the two compose into one character, the key is judged again as that
// character, against the same passage character, and the mark counts as no key of its own. So
// e followed by U+0301 where the passage has U+00E9 is one right key: the e shows wrong at once
// and turns right with the mark, and every later key stays in its place. A mark that composes
// with nothing (q + U+0303 has no composed form) is a key of its own, as the passage holds it.
void TypingTest::txtTyping_KeyPress(char32_t &key)
{
    // The typing box is disabled when idle; a stray key then must neither count nor show.
    if (!m_running || key == kBackspace) {
        key = 0;
        return;
    }
    if (key < kFirstComposingKey) {
        judgeKey(key);
        return;
    }
    for (const uint character : typedKeys(key)) {
        if (!joinLastKey(char32_t(character)))
            judgeKey(char32_t(character));
    }
}

void TypingTest::judgeKey(char32_t key)
{
    const qint32 old = m_state.CharPos;
    ++m_state.CharPos;
    ++m_state.TotalChars;
    PassageDocument &passage = m_ports.passage;
    passage.UnmarkChar(old, 1);
    const bool right = isExpected(key);
    m_lastKey = LastKey{old, key, right};
    if (!right) {
        passage.setSelColor(m_state.settings.IncorrectColor);
        ++m_state.ErrorCount;
        announce(wrongKeyCue(passage.selectedText()));
    } else {
        passage.setSelColor(m_state.settings.CorrectColor);
        AdvanceCar();
    }
    passage.MarkCurrentChar(m_state.CharPos, 1);
    if (passage.selectedText() == QLatin1Char(' '))
        passage.setSpaceCue(true);
    announce(m_spoken.reached(m_state.CharPos));
}

void TypingTest::repeatSentence()
{
    announce(sentenceLeft());
}

QString TypingTest::sentenceLeft() const
{
    return m_running ? m_spoken.restFrom(m_state.CharPos) : QString();
}

// The one way out to the screen reader.
void TypingTest::announce(const QString &text)
{
    if (m_ports.announcer && !text.isEmpty())
        m_ports.announcer->announce(text);
}

// Whether key is the selected passage character, read back from the passage itself: past its
// end the selection is empty and never matches.
bool TypingTest::isExpected(char32_t key) const
{
    const TypedChar typed(key);
    return typed.valid() && m_ports.passage.selectedText() == typed.view();
}

bool TypingTest::joinLastKey(char32_t mark)
{
    // Start and a new passage put CharPos back to 0, which no judged key leaves behind it, so a
    // mark never joins a key of another passage.
    if (m_lastKey.pos < 0 || m_lastKey.pos != m_state.CharPos - 1)
        return false;
    const char32_t joined = composedKey(m_lastKey.typed, mark);
    if (joined == 0)
        return false;
    PassageDocument &passage = m_ports.passage;
    passage.SelectChars(m_lastKey.pos, 1);
    const bool right = isExpected(joined);
    passage.setSelColor(right ? m_state.settings.CorrectColor : m_state.settings.IncorrectColor);
    if (right != m_lastKey.right) {
        // The key's verdict changes: the error and the car's step follow it.
        m_state.ErrorCount += right ? -1 : 1;
        if (right)
            AdvanceCar();
        else
            backUpCar();
    }
    m_lastKey.typed = joined;
    m_lastKey.right = right;
    passage.SelectChars(m_state.CharPos, 1);
    return true;
}

// AdvanceCar undone, for a key that turned out wrong after all.
void TypingTest::backUpCar()
{
    const int left = m_ports.controls.carLeft();
    m_ports.controls.setCarLeft(left <= kCarStart ? kCarLast : left - kCarStep);
}

void TypingTest::AdvanceCar()
{
    const int left = m_ports.controls.carLeft();
    // At or past the last place it jumps back, so the car can never leave its row.
    m_ports.controls.setCarLeft(left >= kCarLast ? kCarStart : left + kCarStep);
}

// An empty store gives an empty passage of length 0.
QString TypingTest::PickPassage()
{
    return m_store.PickPassage(m_ports.random, m_state.PassageLen);
}

void TypingTest::setRunningControls(bool running)
{
    MainControls &controls = m_ports.controls;
    controls.setEnabled(Control::Start, !running);
    controls.setEnabled(Control::Stop, running);
    controls.setEnabled(Control::Instructions, !running);
    controls.setEnabled(Control::Options, !running);
    controls.setEnabled(Control::About, !running);
    controls.setEnabled(Control::Exit, !running);
    controls.setEnabled(Control::Typing, running);
}

void TypingTest::setCaption(Label label, const QString &text)
{
    m_captions[std::size_t(label)] = text;
    m_ports.controls.setCaption(label, text);
}

// The tick rewrites every figure; only those whose text moved reach the window.
void TypingTest::setCaptionIfChanged(Label label, const QString &text)
{
    if (shown(label) != text)
        setCaption(label, text);
}

} // namespace quorvel
