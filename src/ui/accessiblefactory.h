// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace quorvel {

// Gives screen readers what Qt's own accessibility cannot know about the windows: the passage
// view's text and next character, the typing box's text, which caption names each figure, and
// the notices that carry what the program says.
class AccessibleFactory {
public:
    // Safe to call more than once; the factory is installed the first time.
    static void install();

private:
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

} // namespace quorvel
