#pragma once

#include "dictionary/dictionarycontext.h"
#include "platform/forms/twips.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The alphabetical index: every keyword, a text box whose first letters make the list
// jump to the first keyword beginning with them, and the choice of one keyword.
class Coordon : public QDialog {
    Q_OBJECT

public:
    Coordon(DictionnaireContexte& contexte, QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Text1;
    QListWidget* List2;
    QPushButton* Command2;
    QPushButton* Command1;
    QLabel* Image1;

public slots:
    void Text1_KeyUp();
    void Command2_Click();
    void Command1_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void construire();
    void remplir();

    DictionnaireContexte& contexte_;
    TwipsScale twips_;
};
