#include "qtmessagebox.h"

#include <QMessageBox>

namespace quorvel {

void QtMessageBox::showInformation(const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, m_parent);
    // The engine's texts are plain; a "<" in a figure must never switch the box to rich text.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace quorvel
