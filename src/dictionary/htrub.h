#pragma once

#include "dictionary/dictionarycontext.h"
#include "platform/forms/twips.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// The keyword window: the pages that treat the keyword chosen in the index, by their
// display forms; "Afficher" opens the selected one, "Annuler" goes back to the index.
class HTRUB : public QDialog {
    Q_OBJECT

public:
    HTRUB(DictionnaireContexte& contexte, QWidget* parent = nullptr);

    QLabel* Labelcle;
    QLabel* Label3;
    QLabel* Label1;
    QListWidget* Listaz;
    QPushButton* Command1;
    QPushButton* Command2;

public slots:
    void Command1_Click();
    void Command2_Click();

private:
    void construire();
    void remplir();

    DictionnaireContexte& contexte_;
    TwipsScale twips_;
    QStringList clesPages;
};
