#pragma once

#include <QDialog>
#include <functional>

class QLabel;

// The closing window `Fermeur`: asks the user to wait while the navigator closes.
// What closing does is handed in; it runs once the window is on screen and painted,
// and the window then closes, accepted.
class Fermeur : public QDialog {
    Q_OBJECT

public:
    explicit Fermeur(std::function<void(Fermeur&)> Form_Activate, QWidget* parent = nullptr);

    QLabel* Label1;
    QLabel* Image1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(Fermeur&)> activation_;
    bool active_ = false;
};
