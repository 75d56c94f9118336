// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Cost of one judged key on a real PassageModel, on a short and on the longest passage a file can
// hold. The two per-key times must match: nothing a key does may grow with the passage.

#include "fakerandom.h"
#include "fakes.h"
#include "passagelistener.h"
#include "passagemodel.h"
#include "passagestore.h"
#include "typingtest.h"

#include <benchmark/benchmark.h>

namespace quorvel {
namespace {

// Keys judged per timed batch; a batch never runs past the end of the shorter passage.
constexpr int kBatch = 50;

// Stands in for the view: counts the repaints a key asks for.
class RepaintCounter : public PassageListener {
public:
    void textReplaced() override { ++layouts; }
    void charsChanged(int, int count) override { repainted += count; }
    long layouts = 0;
    long repainted = 0;
};

QString passageOf(int length)
{
    const QString words = QStringLiteral("The quick brown fox jumps over the lazy dog. ");
    return words.repeated(length / words.size() + 1).left(length);
}

void BM_KeyPress(benchmark::State &state)
{
    const int length = int(state.range(0));
    PassageStore store;
    const QString error =
        store.loadFromBytes("1\r\n" + passageOf(length).toUtf8() + "\r\n", QStringLiteral("bench"));
    if (!error.isEmpty()) {
        state.SkipWithError(error.toUtf8().constData());
        return;
    }
    PassageModel passage;
    RepaintCounter view;
    passage.setListener(&view);
    FakeControls controls;
    controls.recordLog = false;
    FakeClock clock;
    FakeTimer timer;
    FakeMessageBox messages;
    FakeRandom random;
    TypingTest test(store, {controls, passage, clock, timer, messages, random});
    test.Form_Load();
    Settings settings;
    settings.TestLength = QStringLiteral("Unlimited");
    test.setSettings(settings);
    test.cmdStart_Click();

    long keys = 0;
    for (auto _ : state) {
        // A tick with the passage finished brings a fresh copy; not part of a key's cost. Both
        // sizes pause on every batch so that the pause's own overhead weighs the same.
        state.PauseTiming();
        if (test.state().CharPos + kBatch > length)
            test.tmrSpeed_Timer();
        state.ResumeTiming();
        for (int i = 0; i < kBatch; ++i) {
            const int pos = test.state().CharPos;
            // Every seventh key is wrong, so both branches of judging are timed.
            char32_t key = (keys + i) % 7 == 6 ? U'#' : passage.charAt(pos);
            test.txtTyping_KeyPress(key);
            benchmark::DoNotOptimize(key);
        }
        keys += kBatch;
    }
    state.SetItemsProcessed(keys);
    state.counters["time_per_key"] =
        benchmark::Counter(double(keys), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["repainted_per_key"] = double(view.repainted) / double(keys);
    state.counters["passage_len"] = length;
}

BENCHMARK(BM_KeyPress)->Arg(50)->Arg(32767)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace quorvel

BENCHMARK_MAIN();
