// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "notice.h"

namespace quorvel {

Notice::Notice(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("notice"));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 1, 1);
    // Under every sibling, so that it can never cover what is drawn there.
    lower();
    hide();
}

void Notice::say(const QString &text)
{
    // The text is read back when the reader handles the showing, so it is set first; the name
    // itself never changes through a name-change event, which Orca 43 cannot speak.
    hide();
    m_text = text;
    show();
}

void Notice::paintEvent(QPaintEvent *)
{
    // Nothing: whatever is under the pixel shows through.
}

} // namespace quorvel
