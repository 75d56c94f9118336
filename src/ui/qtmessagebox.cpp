// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtmessagebox.h"

#include "results.h"

#include <QLabel>
#include <QMessageBox>
#include <QStringList>

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

// The figures in one line, each after its caption, as a screen reader says them.
QString inOneLine(const Results &results)
{
    QStringList parts;
    for (const Results::Line &line : results.lines())
        parts << line.caption + QLatin1Char(' ') + line.figure;
    return parts.join(QLatin1Char(' '));
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
    // Orca puts a message box on the braille display by its name alone, so the name carries the
    // figures after the title. Orca speaks the name too, and passes over a label whose text the
    // name already holds, so the figures are said once.
    const QString figures = inOneLine(results);
    message->setAccessibleName(figures);
    box.setAccessibleName(Results::title() + QStringLiteral(". ") + figures);
    box.exec();
}

} // namespace quorvel
