// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The timer tick and the passage change in the real frmSpeed, offscreen, on a clock the
// benchmark moves by hand.
//
// One tick = the tick handler (figures formatted and written to the labels) plus the repaint it
// causes, which the event loop carries out before the clock stops. A typist at 60 words a minute
// gets one key in about every fourth tick; those keys and their repaints are untimed. A passage
// change is the tick that finds the passage typed to its end: a new text, its layout, the typing
// box emptied and the repaint, for passages of 50, 1,000 and 32,767 characters.
//
// Prints a readable account and "figure <name> <value>" lines for bench/run.
#include "fakes.h"
#include "mainwindow.h"
#include "passagestore.h"
#include "processstats.h"
#include "program.h"
#include "settings.h"

#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace quorvel;

namespace {

constexpr int kTickMs = 50;
constexpr int kKeyEveryTicks = 4;

// Counts the paint events widgets receive, to show that a timed step really repaints.
class PaintCounter : public QObject {
public:
    long paints = 0;
    long steps = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

PaintCounter &paintCounter()
{
    static PaintCounter counter;
    return counter;
}

double microsecondsSince(long long startNs)
{
    return double(ProcessStats::monotonicNs() - startNs) / 1000.0;
}

void settle()
{
    QCoreApplication::processEvents();
}

// A window on its own passages, shown and exposed, whose ticks only this benchmark gives.
class Rig {
public:
    explicit Rig(const QByteArray &passageFile)
    {
        m_store.loadFromBytes(passageFile, QStringLiteral("bench"));
        m_program = std::make_unique<Program>(
            m_store, Program::StandIns{&m_clock, nullptr, &m_messages, nullptr});
        m_window = &m_program->window();
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window))
            std::fprintf(stderr, "the window was never exposed\n");
        m_typing = m_window->findChild<QWidget *>(QStringLiteral("txtTyping"));
        settle();
    }

    void start(const QString &testLength)
    {
        Settings settings = m_program->test().settings();
        settings.TestLength = testLength;
        m_program->test().setSettings(settings);
        m_window->findChild<QPushButton *>(QStringLiteral("cmdStart"))->click();
        // The real timer would tick on its own in the middle of a timed step.
        m_window->findChild<QTimer *>(QStringLiteral("tmrSpeed"))->stop();
        settle();
    }

    // One tick of the test's handler, as the timer would call it, and its repaint.
    double timedTick()
    {
        m_clock.now += kTickMs;
        qApp->installEventFilter(&paintCounter());
        ++paintCounter().steps;
        const long long began = ProcessStats::monotonicNs();
        m_program->test().tmrSpeed_Timer();
        settle();
        const double us = microsecondsSince(began);
        qApp->removeEventFilter(&paintCounter());
        return us;
    }

    // The same tick, with the whole window painted again as well.
    double timedTickWithFullRepaint()
    {
        m_clock.now += kTickMs;
        const long long began = ProcessStats::monotonicNs();
        m_program->test().tmrSpeed_Timer();
        m_window->repaint();
        settle();
        return microsecondsSince(began);
    }

    void typeNextKey(bool wrong)
    {
        const PassageModel &passage = m_window->passage();
        const int pos = m_program->test().state().CharPos;
        const char key = wrong || pos >= passage.length() ? '#' : char(passage.charAt(pos));
        QTest::keyClick(m_typing, key);
        settle();
    }

    // The rest of the passage, straight to the judge and untimed, then its repaint.
    void finishPassage()
    {
        while (m_program->test().state().CharPos < m_program->test().state().PassageLen) {
            char32_t key = m_window->passage().charAt(m_program->test().state().CharPos);
            m_program->test().txtTyping_KeyPress(key);
        }
        settle();
    }

    bool running() { return m_program->test().isRunning(); }
    float timeLeft() const
    {
        const TestState &state = m_program->test().state();
        return float(state.TestSeconds) - float(state.ElapsedMs) / 1000.0f;
    }

private:
    PassageStore m_store;
    FakeClock m_clock;
    FakeMessageBox m_messages;
    std::unique_ptr<Program> m_program;
    MainWindow *m_window = nullptr;
    QWidget *m_typing = nullptr;
};

QByteArray shippedFile()
{
    QFile file(QStringLiteral(QUORVEL_SHIPPED_DATA));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped passages joined by blanks and cut to length: real words, real line breaks.
QByteArray passageOf(int length)
{
    PassageStore store;
    store.loadFromBytes(shippedFile(), QStringLiteral("data"));
    QString text;
    for (int i = 1; text.size() < length && store.PassageCount() > 0;
         i = i % store.PassageCount() + 1)
        text += store.passage(i) + QLatin1Char(' ');
    while (text.size() < length)
        text += QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    text.truncate(length);
    return onePassageFile(text.toUtf8());
}

// Whole one-minute tests on the shipped passages; the tick that ends a test runs Stop, which is
// not a tick's work, and is left out.
std::vector<double> measureTicks(int wanted, bool fullRepaint = false)
{
    Rig rig(shippedFile());
    std::vector<double> ticks;
    int key = 0;
    while (int(ticks.size()) < wanted) {
        rig.start(QStringLiteral("1 Minute"));
        for (int tick = 0; rig.running(); ++tick) {
            if (tick % kKeyEveryTicks == 0)
                rig.typeNextKey(++key % 10 == 7);
            const bool last = rig.timeLeft() <= 0.05f;
            const double us = fullRepaint ? rig.timedTickWithFullRepaint() : rig.timedTick();
            if (!last && int(ticks.size()) < wanted)
                ticks.push_back(us);
        }
    }
    return ticks;
}

std::vector<double> measureChanges(int length, int wanted)
{
    Rig rig(passageOf(length));
    rig.start(QStringLiteral("Unlimited"));
    std::vector<double> changes;
    rig.timedTick();
    while (int(changes.size()) < wanted) {
        rig.typeNextKey(false);
        rig.finishPassage();
        changes.push_back(rig.timedTick());
    }
    return changes;
}

void figure(const char *name, double value)
{
    std::printf("figure %s %.6g\n", name, value);
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Font and glyph caches warm, as in a program that has been running.
    measureTicks(200);
    measureChanges(1000, 3);

    paintCounter().paints = 0;
    paintCounter().steps = 0;
    const std::vector<double> ticks = measureTicks(4000);
    const double paintsPerTick = double(paintCounter().paints) / double(paintCounter().steps);
    std::printf("Platform %s.\n", qPrintable(QGuiApplication::platformName()));
    std::printf("One tick with its repaint: median %.1f us, p99 %.1f us (%zu ticks, %.2f widget "
                "paint events a tick)\n",
                ProcessStats::median(ticks), ProcessStats::percentile(ticks, 0.99), ticks.size(),
                paintsPerTick);
    figure("tick_median_us", ProcessStats::median(ticks));
    figure("tick_p99_us", ProcessStats::percentile(ticks, 0.99));
    const std::vector<double> fullTicks = measureTicks(1000, true);
    std::printf("The same with the whole window repainted: median %.1f us, p99 %.1f us\n",
                ProcessStats::median(fullTicks), ProcessStats::percentile(fullTicks, 0.99));
    figure("tick_full_median_us", ProcessStats::median(fullTicks));
    for (int length : {50, 1000, 32767}) {
        const std::vector<double> changes = measureChanges(length, length > 5000 ? 15 : 41);
        const double median = ProcessStats::median(changes) / 1000.0;
        std::printf("Passage change at %5d characters: median %.3f ms, max %.3f ms (%zu changes)\n",
                    length, median, ProcessStats::percentile(changes, 1) / 1000.0, changes.size());
        const std::string name = "change_" + std::to_string(length) + "_ms";
        figure(name.c_str(), median);
    }
    return 0;
}
