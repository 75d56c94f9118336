// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessiblefactory.h"

#include "figurelabelaccessible.h"
#include "notice.h"
#include "passageview.h"
#include "passageviewaccessible.h"
#include "typingbox.h"
#include "typingboxaccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>

namespace quorvel {

void AccessibleFactory::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&AccessibleFactory::create);
        return true;
    }();
    Q_UNUSED(installed);
}

QAccessibleInterface *AccessibleFactory::create(const QString &className, QObject *object)
{
    // Qt asks once per class of the object's hierarchy, most derived first; nullptr leaves the
    // object to Qt's own interfaces.
    if (className == QLatin1String("quorvel::PassageView"))
        return new PassageViewAccessible(static_cast<PassageView *>(object));
    if (className == QLatin1String("quorvel::TypingBox"))
        return new TypingBoxAccessible(static_cast<TypingBox *>(object));
    if (className == QLatin1String("quorvel::Notice"))
        return new QAccessibleWidget(static_cast<Notice *>(object), QAccessible::Notification);
    if (className == QLatin1String("QLabel")) {
        auto *label = static_cast<QLabel *>(object);
        if (FigureLabelAccessible::captionOf(label))
            return new FigureLabelAccessible(label);
    }
    return nullptr;
}

} // namespace quorvel
