// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtmessagebox.h"

#include "results.h"

#include <QLabel>
#include <QMessageBox>

namespace quorvel {

namespace {

// The message text aligns its figures with tabs meant for stops a few characters apart; a Qt
// label puts its stops 80 pixels apart, which scatters them. A two-column table lines the
// figures up in whatever font.
QString asTable(const Results &results)
{
    QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">");
    for (const Results::Line &line : results.lines()) {
        html += QStringLiteral("<tr><td>") + line.caption.toHtmlEscaped() +
                QStringLiteral("</td><td style=\"padding-left: 12px\">") +
                line.figure.toHtmlEscaped() + QStringLiteral("</td></tr>");
    }
    return html + QStringLiteral("</table>");
}

} // namespace

void QtMessageBox::showResults(const Results &results)
{
    QMessageBox box(QMessageBox::Information, Results::title(), QString(), QMessageBox::Ok,
                    m_parent);
    box.setTextFormat(Qt::RichText);
    const QString table = asTable(results);
    box.setText(table);
    // The table is for the eye; assistive technology gets the message itself, tabs and line
    // breaks included.
    QWidget *message = &box;
    for (QLabel *label : box.findChildren<QLabel *>()) {
        if (label->text() == table)
            message = label;
    }
    message->setAccessibleDescription(results.text());
    box.exec();
}

} // namespace quorvel
