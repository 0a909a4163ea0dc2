#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
struct Platform;

// The navigator's warning for a screen narrower than 700 pixels: it offers the
// display settings, then lets the user go on (start-up measures again) or quit.
// Each showing is a fresh window.
class Alerte : public QDialog {
    Q_OBJECT

public:
    // `alerteEcran` is the start-up state, 1 while the screen is too narrow.
    Alerte(Platform& platform, qint16 alerteEcran, QWidget* parent = nullptr);

private:
    void Form_Load();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    Platform& platform_;
    const qint16 alerteEcran_;

    QLabel* Image3;
    QLabel* Label1;
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
};
