#pragma once

#include "calculator/etatcalculatrice.h"
#include "platform/forms/twips.h"
#include "platform/platform.h"

#include <QDialog>

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The calculator window: keys append text to the entry (saisie), which the display
// z1 shows whole; EXE hands it to the evaluator and shows the result or a message.
// It keeps no link to its opener; the memory register lives in EtatCalculatrice.
class Machine : public QDialog {
    Q_OBJECT

public:
    Machine(const Platform& platform, EtatCalculatrice& etat, QWidget* parent = nullptr);

    // The keyboard mapping of the display box; false for a key it does not map.
    bool z1_KeyPress(const QKeyEvent& event);

public slots:
    void B0_Click();
    void B1_Click();
    void B2_Click();
    void B3_Click();
    void B4_Click();
    void B5_Click();
    void B6_Click();
    void B7_Click();
    void B8_Click();
    void B9_Click();
    void Bpoint_Click();
    void BtoEXP_Click();
    void pico_Click();
    void tera_Click();
    void nano_Click();
    void giga_Click();
    void micro_Click();
    void mega_Click();
    void mil_Click();
    void kilo_Click();
    void Bpo_Click();
    void bpf_Click();
    void bsin_Click();
    void Bcos_Click();
    void Btan_Click();
    void invsin_Click();
    void invcos_Click();
    void Btoncommande3_Click();
    void Bln_Click();
    void Blog_Click();
    void Bexp_Click();
    void racine_Click();
    void B10x_Click();
    void command5_Click();
    void pi_Click();
    void btcarre_Click();
    void puissance_Click();
    void multip_Click();
    void div_Click();
    void plus_Click();
    void moins_Click();
    void ANS_Click();
    void EXE_Click();
    void EFFACE_Click();
    void RAZ_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void command4_Click();
    void C_Click(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void connectKeys();
    void afficher(const QString& text);
    void montrerSaisie();
    void append(const QString& text);
    void terme(const QString& text);
    void operatorAfterAnswer(void (*appendOperator)(QString&));
    void changeMemory(double sign);
    void showOverflow();
    bool scientifique() const;

    Platform platform_;
    EtatCalculatrice& etat_;
    TwipsScale twips_;
    QPlainTextEdit* z1_ = nullptr;
    QRadioButton* angle_[2] = {};
    QRadioButton* C_[2] = {};

    QString saisie;
    QString derniereReponse;
    qint16 codeErreur = 0;
};
