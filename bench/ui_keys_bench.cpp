// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of one key in the real frmSpeed, offscreen: QTest::keyClick into txtTyping, then the
// repaint it causes (posted paint events are processed before the clock stops). The same is
// measured for a plain QTextEdit that colours each character through QTextCursor, the obvious way
// to build the passage view, and the cost of bringing up a new passage is printed as well. Ends
// with "figure <name> <value>" lines for bench/run.
#include "fakes.h"
#include "mainwindow.h"
#include "passagestore.h"
#include "program.h"
#include "uifonts.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace quorvel;

namespace {

using Clock_ = std::chrono::steady_clock;

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

double microsecondsSince(Clock_::time_point start)
{
    return std::chrono::duration<double, std::micro>(Clock_::now() - start).count();
}

struct Figures {
    double median = 0;
    double p99 = 0;
};

Figures figures(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    if (samples.empty())
        return {};
    return {samples[samples.size() / 2],
            samples[std::min(samples.size() - 1, samples.size() * 99 / 100)]};
}

// Every tenth key is wrong, so both colours are in play.
char keyFor(const QString &passage, int index)
{
    return index % 10 == 7 ? '#' : passage.at(index).toLatin1();
}

void repaintNow()
{
    QCoreApplication::processEvents();
}

// The shipped passages joined by blanks and cut to length: real words, real line breaks.
QString makePassage(int length)
{
    PassageStore store;
    QString text;
    if (store.load(QStringLiteral(QUORVEL_SHIPPED_DATA)).isEmpty()) {
        for (int i = 1; text.size() < length; i = i % store.PassageCount() + 1)
            text += store.passage(i) + QLatin1Char(' ');
    } else {
        while (text.size() < length)
            text += QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    }
    text.truncate(length);
    return text;
}

struct OurRun {
    std::vector<double> keys;
    std::vector<double> starts;
    std::vector<double> tickChanges;
    double viewPaintsPerKey = 0;
};

// Types the rest of the passage straight to the judge, untimed, then times the tick that brings
// the next passage.
double nextPassageAtTick(Program &program, const QString &passage, int typed)
{
    for (; typed < passage.size(); ++typed) {
        char32_t key = char32_t(keyFor(passage, typed));
        program.test().txtTyping_KeyPress(key);
    }
    repaintNow();
    const auto t0 = Clock_::now();
    program.test().tmrSpeed_Timer();
    repaintNow();
    return microsecondsSince(t0);
}

OurRun runOurs(const QString &passage, int wantedKeys)
{
    PassageStore store;
    store.loadFromBytes(onePassageFile(passage.toUtf8()), QStringLiteral("bench"));
    FakeClock clock;
    FakeMessageBox messages;
    Program program(store, Program::StandIns{&clock, nullptr, &messages, nullptr});
    MainWindow &window = program.window();
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("The benchmark window never showed.");
    QWidget *typing = window.findChild<QWidget *>(QStringLiteral("txtTyping"));
    auto *start = window.findChild<QPushButton *>(QStringLiteral("cmdStart"));
    auto *stop = window.findChild<QPushButton *>(QStringLiteral("cmdStop"));
    PaintCounter counter;
    window.findChild<QWidget *>(QStringLiteral("rtfToType"))->installEventFilter(&counter);

    OurRun run;
    run.keys.reserve(size_t(wantedKeys));
    // At least five passage changes, so their figures are medians too.
    while (int(run.keys.size()) < wantedKeys || run.tickChanges.size() < 5) {
        auto t0 = Clock_::now();
        start->click();
        repaintNow();
        run.starts.push_back(microsecondsSince(t0));
        int typed = 0;
        for (; typed < passage.size() && int(run.keys.size()) < wantedKeys; ++typed) {
            t0 = Clock_::now();
            QTest::keyClick(typing, keyFor(passage, typed));
            repaintNow();
            run.keys.push_back(microsecondsSince(t0));
        }
        run.tickChanges.push_back(nextPassageAtTick(program, passage, typed));
        stop->click();
        repaintNow();
    }
    run.viewPaintsPerKey = double(counter.paints) / double(run.keys.size());
    return run;
}

// The straightforward passage view: a QTextEdit coloured through QTextCursor, the mark as a
// background, the next character kept in sight by the text cursor.
class TextEditWindow : public QWidget {
public:
    explicit TextEditWindow(const QString &passage) : m_passage(passage)
    {
        resize(377, 339);
        m_view = new QTextEdit(this);
        m_view->setGeometry(16, 144, 345, 25);
        m_view->setFont(UiFonts::passage());
        m_view->setReadOnly(true);
        m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_view->setFocusPolicy(Qt::NoFocus);
        m_typing = new QLineEdit(this);
        m_typing->setGeometry(16, 176, 345, 28);
        m_typing->setFont(UiFonts::passage());
        m_typing->installEventFilter(this);
        newPassage();
    }

    QLineEdit *typing() const { return m_typing; }

    void newPassage()
    {
        m_view->setPlainText(m_passage);
        m_typing->clear();
        m_pos = 0;
        format(0, QColor(Qt::black), true);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const QString key = static_cast<QKeyEvent *>(event)->text();
            if (!key.isEmpty() && m_pos < m_passage.size()) {
                const bool right = key.at(0) == m_passage.at(m_pos);
                format(m_pos, right ? QColor(Qt::blue) : QColor(Qt::red), false);
                ++m_pos;
                if (m_pos < m_passage.size())
                    format(m_pos, QColor(Qt::black), true);
            }
        }
        return false;
    }

private:
    void format(int pos, const QColor &color, bool mark)
    {
        QTextCursor cursor(m_view->document());
        cursor.setPosition(pos);
        cursor.setPosition(pos + 1, QTextCursor::KeepAnchor);
        QTextCharFormat charFormat;
        charFormat.setForeground(color);
        charFormat.setBackground(mark ? QColor(255, 226, 110) : QColor(Qt::white));
        cursor.setCharFormat(charFormat);
        cursor.clearSelection();
        m_view->setTextCursor(cursor);
        m_view->ensureCursorVisible();
    }

    QString m_passage;
    QTextEdit *m_view = nullptr;
    QLineEdit *m_typing = nullptr;
    int m_pos = 0;
};

std::vector<double> runTextEdit(const QString &passage, int wantedKeys)
{
    TextEditWindow window(passage);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        qFatal("The benchmark window never showed.");
    window.typing()->setFocus();
    std::vector<double> keys;
    while (int(keys.size()) < wantedKeys) {
        window.newPassage();
        repaintNow();
        for (int i = 0; i < passage.size() && int(keys.size()) < wantedKeys; ++i) {
            const auto t0 = Clock_::now();
            QTest::keyClick(window.typing(), keyFor(passage, i));
            repaintNow();
            keys.push_back(microsecondsSince(t0));
        }
    }
    return keys;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Warm the font and glyph caches the way a running program has them.
    runOurs(makePassage(200), 200);
    runTextEdit(makePassage(200), 200);

    std::printf("Platform %s. One key = QTest::keyClick into the typing box + the repaint it "
                "causes; times in microseconds.\n\n",
                qPrintable(QGuiApplication::platformName()));
    std::printf("%8s | %6s %8s %8s %11s | %6s %9s %9s | %7s\n", "passage", "keys", "median", "p99",
                "view paints", "keys", "QTextEdit", "p99", "ratio");
    std::printf("%8s | %6s %8s %8s %11s | %6s %9s %9s | %7s\n", "chars", "", "ours", "ours",
                "per key", "", "median", "", "median");
    double shortMedian = 0;
    double longMedian = 0;
    OurRun longest;
    struct KeyMedians {
        int length;
        double ours;
        double textEdit;
    };
    std::vector<KeyMedians> medians;
    for (int length : {50, 1000, 32767}) {
        const QString passage = makePassage(length);
        OurRun ours = runOurs(passage, std::max(length, 2000));
        const int baselineKeys = length > 5000 ? 300 : 2000;
        const std::vector<double> baseline = runTextEdit(passage, baselineKeys);
        const Figures our = figures(ours.keys);
        const Figures their = figures(baseline);
        std::printf("%8d | %6zu %8.1f %8.1f %11.2f | %6zu %9.1f %9.1f | %6.1fx\n", length,
                    ours.keys.size(), our.median, our.p99, ours.viewPaintsPerKey, baseline.size(),
                    their.median, their.p99, their.median / our.median);
        medians.push_back({length, our.median, their.median});
        if (length == 50)
            shortMedian = our.median;
        if (length == 32767) {
            longMedian = our.median;
            longest = std::move(ours);
        }
    }
    std::printf("\nOurs, median at 32,767 / median at 50 characters: %.2f\n",
                longMedian / shortMedian);
    std::printf("New passage of 32,767 characters, with its repaint (median of %zu): Start %.2f "
                "ms, at a tick %.2f ms\n",
                longest.tickChanges.size(), figures(longest.starts).median / 1000.0,
                figures(longest.tickChanges).median / 1000.0);
    for (const KeyMedians &m : medians)
        std::printf("figure key_ours_%d_us %.6g\nfigure key_textedit_%d_us %.6g\n", m.length,
                    m.ours, m.length, m.textEdit);
    return 0;
}
