#pragma once

#include "platform/forms/twips.h"
#include "search/searchstate.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Rechercher dans le cours": the pages holding every word typed, best first, each
// with its title and a line of its text around the first match; the list follows the
// typing. Choosing a page opens it with that match selected. It searches the index
// of `contexte.etat`, which must be built (`ouvrirRecherche` builds it).
class Recherche : public QDialog {
    Q_OBJECT

public:
    Recherche(RechercheContexte& contexte, QWidget* parent = nullptr);

    QLabel* Label1;
    QLineEdit* Text1;
    QListWidget* List1;
    QLabel* Label2;
    QPushButton* Command1;
    QPushButton* Command2;

public slots:
    void Text1_Change();
    void Command1_Click();
    void Command2_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void construire();

    RechercheContexte& contexte_;
    TwipsScale twips_;
    QList<Resultat> resultats_;
};
