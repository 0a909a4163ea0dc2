#pragma once

#include "display/displaymeasures.h"
#include "platform/displaymodes.h"

#include <QWidget>

class FormLabel;
class QLabel;
class QPushButton;
struct Platform;

// Dispotune's one window. Loading it measures the display: a suitable display starts
// the navigator and ends the program without showing anything; otherwise the window
// explains the requirements and recommends the deepest 800 × 600 mode. However it is
// closed, the navigator is started and the program ends.
class Form1 : public QWidget {
    Q_OBJECT

public:
    Form1(Platform& platform, DisplayModes& displayModes, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void placeControls();
    void Form_Load();
    void Form_QueryUnload();
    void Image1_Click();
    void Image2_Click();
    void Image3_Click();
    void Command1_Click();
    QString programPath(const QString& name) const;

    Platform& platform_;
    DisplayModes& displayModes_;
    QList<DisplayMode> modes_;
    qint16 meilleurMode = 0;
    qint16 meilleursBits = 0;

    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* ombre5;
    QLabel* Label1;
    QLabel* Label6;
    QLabel* Label5;
    QLabel* Label9;
    QLabel* Label12;
    QLabel* Label13;
    QLabel* Labelcons;
    QLabel* Labelcons2;
    QLabel* Label7;
    QLabel* Label8;
    FormLabel* Image1;
    QLabel* Labelconseil;
    FormLabel* Image3;
    QLabel* Label10;
    FormLabel* Image2;
    QLabel* Label11;
    QPushButton* Command1;
};
