// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "infowindow.h"

#include "uifonts.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

namespace quorvel {

InfoWindow::InfoWindow(const QString &name, const QString &title, const QSize &size,
                       const QRect &okPlace, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(name);
    setWindowTitle(title);
    setFont(UiFonts::standard());
    setFixedSize(size);
    setModal(true);
    // An empty icon of its own; otherwise it would borrow the main window's car.
    setWindowIcon(QIcon());

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(okPlace);
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, &InfoWindow::cmdOK_Click);
    // Controls the subclass adds later do not take the focus from it.
    m_cmdOK->setFocus();
}

QLabel *InfoWindow::addText(QWidget *owner, const char *name, const QString &text,
                            const QRect &place, const QFont &font)
{
    // Plain text on purpose: the addresses are to be read, not clicked.
    auto *label = new QLabel(text, owner);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

void InfoWindow::openModal(InfoWindow *window)
{
    // exec() deletes a window marked so before it returns.
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->exec();
}

void InfoWindow::reject()
{
    cmdOK_Click();
}

void InfoWindow::cmdOK_Click()
{
    accept();
}

} // namespace quorvel
