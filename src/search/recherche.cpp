#include "search/recherche.h"

#include "dictionary/dictionarylookup.h"
#include "dictionary/dictionarywidgets.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "platform/mediacontrol.h"
#include "platform/screen.h"
#include "search/searchcommands.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int largeur = 6810;
constexpr int hauteur = 6240;

// A key may hold line breaks before its short title; the list shows it on one line.
QString titreSurUneLigne(const QString& cle) {
    return titreAffiche(cle).replace(u'\r', u' ').trimmed();
}

} // namespace

Recherche::Recherche(RechercheContexte& contexte, QWidget* parent)
    : QDialog(parent), contexte_(contexte),
      twips_(dictionarywidgets::twipsDe(contexte.navigateur.platform.screen)) {
    dictionarywidgets::habiller(*this, QStringLiteral("recherche"),
                                QStringLiteral("Rechercher dans le cours"));
    construire();
    setFixedSize(twips_.toPixelsX(largeur), twips_.toPixelsY(hauteur));
    Text1->setText(contexte_.etat.saisie);
    Text1->selectAll();
    Text1_Change();
}

void Recherche::construire() {
    const auto afficher = [this] { Command1_Click(); };
    Label1 = new QLabel(QStringLiteral("Saisir un ou plusieurs mots, ou leurs premières lettres :"),
                        this);
    Label1->setObjectName(QStringLiteral("Label1"));
    twips_.place(*Label1, {240, 120, 6330, 255});

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAccessibleName(QStringLiteral("Mots cherchés"));
    Text1->setFont(QFont(QStringLiteral("Arial"), 10));
    Text1->installEventFilter(this);
    dictionarywidgets::choisirParEntree(*Text1, afficher);
    twips_.place(*Text1, {240, 420, 6330, 315});
    connect(Text1, &QLineEdit::textChanged, this, &Recherche::Text1_Change);

    List1 = dictionarywidgets::liste(*this, twips_, QStringLiteral("List1"), {240, 840, 6330, 4620},
                                     afficher);
    List1->setAccessibleName(QStringLiteral("Pages trouvées"));
    List1->setFont(QFont(QStringLiteral("Verdana"), 8));
    List1->setWordWrap(true);
    List1->setAlternatingRowColors(true);
    dictionarywidgets::choisirParEntree(*List1, afficher);

    Label2 = new QLabel(QStringLiteral("Aucune page du cours ne contient ces mots."), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    twips_.place(*Label2, {360, 960, 6090, 495});
    Label2->hide();

    using dictionarywidgets::Commande;
    Command1 = dictionarywidgets::bouton(*this, twips_, QStringLiteral("Command1"),
                                         Commande::Afficher, {1320, 5640}, afficher);
    Command2 =
        dictionarywidgets::bouton(*this, twips_, QStringLiteral("Command2"), Commande::Annuler,
                                  {3720, 5640}, [this] { Command2_Click(); });
}

void Recherche::Text1_Change() {
    const IndexRecherche& index = *contexte_.etat.index;
    contexte_.etat.saisie = Text1->text();
    resultats_ = index.chercher(Text1->text());
    List1->clear();
    for (const Resultat& resultat : resultats_) {
        const PageCherchee& page = index.page(resultat.page);
        const QString ligne = extrait(page.texte, resultat.premiere);
        auto* item =
            new QListWidgetItem(ligne.isEmpty() ? titreSurUneLigne(page.cle)
                                                : titreSurUneLigne(page.cle) + u'\n' + ligne,
                                List1);
        item->setToolTip(page.cle);
    }
    List1->setCurrentRow(0);
    const bool rien = resultats_.isEmpty() && !folding::motsRecherches(Text1->text()).isEmpty();
    Label2->setVisible(rien);
    List1->setVisible(!rien);
    Command1->setEnabled(!resultats_.isEmpty());
}

void Recherche::Command1_Click() {
    const int position = List1->currentRow();
    if (position < 0 || position >= resultats_.size())
        return;
    EtatRecherche& etat = contexte_.etat;
    etat.mots = folding::motsRecherches(etat.saisie);
    NavigationContexte& navigateur = contexte_.navigateur;
    navigateur.platform.mediaControl.send(MediaControl::Command::Close);
    navigateur.navigation.cleCourante = etat.index->page(resultats_[position].page).cle;
    navigateur.navigation.navigationParCle = -1;
    if (allerPage(navigateur))
        premiereCorrespondance(contexte_);
    accept();
}

void Recherche::Command2_Click() {
    reject();
}

bool Recherche::eventFilter(QObject* watched, QEvent* event) {
    // The arrows move through the pages found while the words are being typed.
    if (watched == Text1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Up) {
            QApplication::sendEvent(List1, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
