#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

namespace quorvel {

// frmInstructions: how to take a test and how the figures are worked out. Fixed text only; a
// fresh window is made for every opening.
class InstructionsWindow : public QDialog {
    Q_OBJECT

public:
    explicit InstructionsWindow(QWidget *parent = nullptr);

    // Opens a new window modally over parent and returns once it is closed and destroyed.
    static void showModal(QWidget *parent);

public slots:
    // Esc and the window's close box end up here; both count as OK.
    void reject() override;

private slots:
    void cmdOK_Click();

private:
    QGroupBox *addFrame(const char *name, const QString &caption, const QRect &place);
    QLabel *addLabel(QWidget *owner, const char *name, const QString &text, const QRect &place);

    QPushButton *m_cmdOK = nullptr;
};

} // namespace quorvel
