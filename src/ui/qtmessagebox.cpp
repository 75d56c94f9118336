// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtmessagebox.h"

#include <QMessageBox>
#include <QRegularExpression>

namespace quorvel {

namespace {

// The results are lines of "caption<TAB><TAB>figure", laid out for tab stops a few characters
// apart. A plain Qt label puts its tab stops 80 pixels apart, which scatters the figures, so each
// line becomes a row of a two-column table and the figures line up in whatever font.
QString tabbedLinesAsTable(const QString &text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    static const QRegularExpression tabs(QStringLiteral("\t+"));
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (const QString &line : text.split(lineBreak)) {
        const QStringList cells = line.split(tabs);
        html +=
            QStringLiteral("<tr><td>") + cells.first().toHtmlEscaped() + QStringLiteral("</td>");
        const QString rest = cells.mid(1).join(QLatin1Char(' ')).toHtmlEscaped();
        html += QStringLiteral("<td style=\"padding-left: 12px\">") + rest +
                QStringLiteral("</td></tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

void QtMessageBox::showInformation(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, QString(), QMessageBox::Ok, m_parent);
    box.setTextFormat(Qt::RichText);
    box.setText(tabbedLinesAsTable(text));
    box.exec();
}

} // namespace quorvel
