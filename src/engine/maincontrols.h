// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "color.h"

#include <QString>
#include <cstddef>

namespace quorvel {

// Labels of the main window that the test logic writes.
enum class Label {
    Speed,
    Accuracy,
    NetSpeed,
    Time,
    TimeLeft,
    OptionsTime,
    OptionsCorrect,
    OptionsIncorrect,
};

// Controls whose enabled state follows idle and running.
enum class Control { Start, Stop, Instructions, Options, About, Exit, Typing };

// The sizes of tables indexed by Label and by Control.
inline constexpr std::size_t kLabelCount = std::size_t(Label::OptionsIncorrect) + 1;
inline constexpr std::size_t kControlCount = std::size_t(Control::Typing) + 1;

// The car's row on the window, in twips: where it starts, its last place before it jumps back,
// and one step.
inline constexpr int kCarStart = 2760;
inline constexpr int kCarLast = 4860;
inline constexpr int kCarStep = 60;

// The main window as the engine sees it: written to, never read back, except for the car's
// place. The real window implements it; tests use a fake.
class MainControls {
public:
    virtual ~MainControls() = default;

    virtual void setCaption(Label label, const QString &text) = 0;
    virtual void setTextColor(Label label, Color color) = 0;
    virtual void setBold(Label label, bool bold) = 0;
    virtual void setLabelVisible(Label label, bool visible) = 0;

    virtual void setEnabled(Control control, bool enabled) = 0;
    virtual void focusTyping() = 0;
    virtual void clearTyping() = 0;

    // The car's horizontal position in twips (15 to a logical pixel).
    virtual int carLeft() const = 0;
    virtual void setCarLeft(int twips) = 0;
};

} // namespace quorvel
