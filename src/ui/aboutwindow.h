#pragma once

#include <QDialog>

class QFont;
class QLabel;
class QPushButton;

namespace quorvel {

// frmAbout: the program's name, version and release date beside the car, and the credits.
// Fixed text only; a fresh window is made for every opening.
class AboutWindow : public QDialog {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Opens a new window modally over parent and returns once it is closed and destroyed.
    static void showModal(QWidget *parent);

public slots:
    // Esc and the window's close box end up here; both count as OK.
    void reject() override;

private slots:
    void cmdOK_Click();

private:
    void addLabel(const char *name, const QString &text, const QRect &place, const QFont &font);
    void addSeparator();

    QPushButton *m_cmdOK = nullptr;
};

} // namespace quorvel
