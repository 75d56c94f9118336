// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figurelabelaccessible.h"

#include <QLabel>

namespace quorvel {

namespace {

QStringView wholePart(const QString &figure)
{
    const qsizetype point = figure.indexOf(QLatin1Char('.'));
    return QStringView(figure).left(point < 0 ? figure.size() : point);
}

} // namespace

FigureLabelAccessible::FigureLabelAccessible(QLabel *figure)
    : QAccessibleWidget(figure, QAccessible::StaticText)
{}

QLabel *FigureLabelAccessible::captionOf(const QLabel *figure)
{
    const QWidget *owner = figure->parentWidget();
    if (!owner)
        return nullptr;
    const auto labels = owner->findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
    for (QLabel *label : labels) {
        if (label->buddy() == figure)
            return label;
    }
    return nullptr;
}

void FigureLabelAccessible::quieten(QLabel *figure)
{
    // Never read: the name is built from the caption and the figure.
    figure->setAccessibleName(figure->objectName());
}

void FigureLabelAccessible::notifyChanged(QLabel *figure, const QString &before)
{
    if (!QAccessible::isActive() || wholePart(before) == wholePart(figure->text()))
        return;
    QAccessibleEvent event(figure, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QLabel *FigureLabelAccessible::figure() const
{
    return static_cast<QLabel *>(widget());
}

QString FigureLabelAccessible::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name: {
        const QLabel *caption = captionOf(figure());
        const QString value = figure()->text();
        if (!caption)
            return value;
        return value.isEmpty() ? caption->text() : caption->text() + QLatin1Char(' ') + value;
    }
    case QAccessible::Value:
        return figure()->text();
    default:
        return QAccessibleWidget::text(t);
    }
}

} // namespace quorvel
