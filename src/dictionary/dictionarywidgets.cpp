#include "dictionary/dictionarywidgets.h"

#include "dictionary/dictionarylookup.h"
#include "platform/forms/twips.h"

#include <QDialog>
#include <QListWidget>
#include <QPushButton>

namespace dictionarywidgets {

void peindreFond(QDialog& fenetre) {
    QPalette palette = fenetre.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(fond));
    fenetre.setPalette(palette);
    fenetre.setAutoFillBackground(true);
}

QPushButton* bouton(QDialog& fenetre, const TwipsScale& twips, const QString& nom,
                    const QString& texte, QRgb couleur, const QRect& place) {
    auto* b = new QPushButton(texte, &fenetre);
    b->setObjectName(nom);
    // Enter belongs to the lists and the text box, which choose with it themselves.
    b->setAutoDefault(false);
    // A border of its own hides the style's focus frame: the focus draws one back.
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid "
                                    "#808080; } QPushButton:pressed { border: 2px inset #808080; } "
                                    "QPushButton:focus { border: 2px dotted palette(highlight); }")
                         .arg(QColor::fromRgb(couleur).name()));
    twips.place(*b, place);
    return b;
}

QStringList remplirTitres(QListWidget& liste, const QStringList& cles) {
    liste.clear();
    for (const QString& cle : cles)
        liste.addItem(titreAffiche(cle));
    return cles;
}

void selectionnerEnHaut(QListWidget& liste, int position) {
    const int n = liste.count();
    liste.setCurrentRow(position < n - 13 ? position + 12 : n - 1);
    liste.setCurrentRow(position);
}

} // namespace dictionarywidgets
