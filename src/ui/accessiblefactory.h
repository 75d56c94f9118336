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
    // Installs the factory: the program's first part, built before any widget, so that every
    // accessible interface Qt makes comes from it. It stays installed for the rest of the run.
    AccessibleFactory() { install(); }

    // Safe to call more than once; the factory is installed the first time.
    static void install();

private:
    static QAccessibleInterface *create(const QString &className, QObject *object);
};

} // namespace quorvel
