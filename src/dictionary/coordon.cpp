#include "dictionary/coordon.h"

#include "common/spaces.h"
#include "dictionary/dictionaryloading.h"
#include "dictionary/dictionarywidgets.h"
#include "navigator/multimparts.h"
#include "navigator/navigation.h"
#include "platform/screen.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Coordon::Coordon(DictionnaireContexte& contexte, QWidget* parent)
    : QDialog(parent), contexte_(contexte),
      twips_(dictionarywidgets::twipsDe(contexte.navigateur.platform.screen)) {
    dictionarywidgets::habiller(*this, QStringLiteral("coordon"),
                                QStringLiteral("Index alphabétique"));
    construire();
    contexte_.fenetres.coordon = this;
    remplir();
}

void Coordon::construire() {
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(multimparts::picture(u"essentiel", devicePixelRatioF()));
    twips_.place(*Image1, {120, 120, 480, 480});

    Label1 = new QLabel(
        QStringLiteral("Saisir les premières lettres et sélectionner dans la liste."), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    twips_.place(*Label1, {720, 120, 3690, 495});

    Text1 = new QLineEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(QFont(QStringLiteral("Arial"), 10));
    Text1->installEventFilter(this);
    dictionarywidgets::choisirParEntree(*Text1, [this] { Command2_Click(); });
    twips_.place(*Text1, {240, 720, 4050, 315});

    const auto choisir = [this] { Command2_Click(); };
    List2 = dictionarywidgets::liste(*this, twips_, QStringLiteral("List2"),
                                     {240, 1140, 4050, 4440}, choisir);
    List2->setFont(QFont(QStringLiteral("Verdana"), 8));
    dictionarywidgets::choisirParEntree(*List2, choisir);

    using dictionarywidgets::Commande;
    Command2 = dictionarywidgets::bouton(*this, twips_, QStringLiteral("Command2"),
                                         Commande::Afficher, {360, 5820}, choisir);
    Command1 =
        dictionarywidgets::bouton(*this, twips_, QStringLiteral("Command1"), Commande::Annuler,
                                  {2475, 5820}, [this] { Command1_Click(); });
}

void Coordon::remplir() {
    DictionaryState& dico = contexte_.dico;
    if (!dico.aDesMotsCles())
        return;
    List2->addItems(motsClesTries(dico));
    dictionarywidgets::selectionnerEnHaut(
        *List2, std::clamp<int>(dico.positionIndex, 0, List2->count() - 1));
    Text1->clear();
}

void Coordon::Text1_KeyUp() {
    const QString debut = Text1->text();
    if (trimSpaces(debut).isEmpty())
        return;
    for (int position = 0; position < List2->count(); ++position)
        if (List2->item(position)->text().startsWith(debut, Qt::CaseInsensitive)) {
            dictionarywidgets::selectionnerEnHaut(*List2, position);
            return;
        }
}

void Coordon::Command2_Click() {
    QListWidgetItem* choisi = List2->currentItem();
    if (!choisi || choisi->text().isEmpty())
        return;
    DictionaryState& dico = contexte_.dico;
    dico.motChoisi = choisi->text();
    dico.positionIndex = qint16(List2->currentRow());
    List2->clear();
    dico.etatIndex = -1;
    accept();
}

void Coordon::Command1_Click() {
    reject();
}

bool Coordon::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Text1 && event->type() == QEvent::KeyRelease)
        Text1_KeyUp();
    return QDialog::eventFilter(watched, event);
}
