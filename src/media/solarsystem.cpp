#include "media/solarsystem.h"

#include "media/solarbodies.h"
#include "navigator/multim.h"
#include "navigator/navigationstate.h"
#include "platform/forms/picturebox.h"
#include "platform/richtext/richtextbox.h"

#include <QTextCursor>

namespace {

const QString finDeLigne = QStringLiteral("\r\n");

// Digits between braces go 60 twips up, in size 8.
void ecrireCellule(RichTextBox& texte, const QString& cellule) {
    texte.replaceSelection(QStringLiteral("\t"));
    qsizetype debut = 0;
    while (debut < cellule.size()) {
        const qsizetype ouvre = cellule.indexOf(u'{', debut);
        const qsizetype ferme = ouvre < 0 ? -1 : cellule.indexOf(u'}', ouvre);
        if (ferme < 0) {
            texte.replaceSelection(cellule.mid(debut));
            return;
        }
        texte.replaceSelection(cellule.mid(debut, ouvre - debut));
        texte.setSelectionFontSize(8);
        texte.setSelectionCharOffset(60);
        texte.replaceSelection(cellule.mid(ouvre + 1, ferme - ouvre - 1));
        texte.setSelectionFontSize(10);
        texte.setSelectionCharOffset(0);
        debut = ferme + 1;
    }
}

void ecrireFiche(RichTextBox& texte, const QString& astre, const FicheAstre& fiche) {
    texte.clear();
    texte.setSelectionFontName(QStringLiteral("Arial"));
    texte.setSelectionColour(QColor(0, 128, 0));
    texte.setSelectionFontSize(14);
    texte.setSelectionAlignment(Qt::AlignHCenter);
    texte.replaceSelection(astre + finDeLigne);

    texte.setSelectionAlignment(Qt::AlignLeft);
    texte.setSelectionFontSize(10);
    texte.setSelectionColour(Qt::black);
    texte.setSelectionTabStops({10, 200, 540});
    for (std::size_t ligne = 0; ligne < fiche.size(); ++ligne) {
        for (const QString& cellule : fiche[ligne])
            ecrireCellule(texte, cellule);
        if (ligne + 1 < fiche.size())
            texte.replaceSelection(finDeLigne);
    }
    // The box is low on this page: the sheet shows from its name, not from its end.
    texte.moveCursor(QTextCursor::Start);
}

} // namespace

void Picture4_MouseMove(Multim& m, NavigationState& nav, QPoint position) {
    m.Picture4->raise();
    if (nav.modeInteractif != 1)
        return;
    const QString astre = astreSous(position);
    if (astre.isEmpty() || astre == nav.astreAffiche)
        return;
    nav.astreAffiche = astre;
    if (const FicheAstre* fiche = ficheAstre(astre))
        ecrireFiche(*m.texteur, astre, *fiche);
}
