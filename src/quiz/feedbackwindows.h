#pragma once

#include <QDialog>

class FormLabel;
class QLabel;
class QPushButton;
class QTimer;

// The right-answer window: two frames shown in turn every 500 ms; it closes itself
// on the third tick. The face of the test window is hidden while it is open.
class Cjuste : public QDialog {
    Q_OBJECT

public:
    Cjuste(QWidget& face, QWidget* parent = nullptr);

    QLabel* Label3;
    FormLabel* Image3;
    FormLabel* Image1;
    FormLabel* Image2;
    QTimer* Timer1;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void tick();

    QWidget& face_;
    qint16 ticks_ = 0;
    bool showsFirstFrame_ = true;
};

// The wrong-answer window: continue the test or see the course. The choice goes to
// `voirCours` (1 see the course, 0 continue); closing the window any other way
// counts as continuing.
class Cfaux : public QDialog {
    Q_OBJECT

public:
    Cfaux(QWidget& face, qint16& voirCours, QWidget* parent = nullptr);

    QLabel* Label1;
    FormLabel* Image1;
    QPushButton* Command1;
    QPushButton* Command9;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QWidget& face_;
};
