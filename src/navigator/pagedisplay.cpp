#include "navigator/pagedisplay.h"

#include "common/numerictext.h"
#include "common/recordfile.h"
#include "common/spaces.h"
#include "modules/flagfile.h"
#include "navigator/history.h"
#include "navigator/moduleicons.h"
#include "navigator/multim.h"
#include "navigator/namedpages.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "navigator/pictureplacement.h"
#include "navigator/titlebands.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/mediacontrol.h"
#include "platform/richtext/richtextbox.h"

#include <QFrame>
#include <QScrollBar>
#include <optional>

namespace {

struct StylePage {
    QColor clair;
    QColor fonce;
    std::optional<bool> bordure; // none: the previous page's border stays
};

std::optional<StylePage> styleDePage(int style) {
    const QColor bleu(0, 0, 255), bleuFonce(0, 0, 128);
    const QColor vert(0, 255, 0), vertFonce(0, 128, 0);
    const QColor orange(255, 192, 128), orangeFonce(200, 130, 0);
    switch (style) {
    case 0:
        return StylePage{bleu, bleuFonce, false};
    case 1:
        return StylePage{bleu, bleuFonce, true};
    case 2:
        return StylePage{vert, vertFonce, false};
    case 3:
        return StylePage{vert, vertFonce, true};
    case 4:
        return StylePage{orange, orangeFonce, std::nullopt};
    case 5:
        return StylePage{orange, orangeFonce, false};
    default:
        return std::nullopt;
    }
}

QFont arial(int taille) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(taille);
    font.setBold(true);
    font.setItalic(false);
    return font;
}

// Loads a picture into `Picture4`, which then places itself.
void chargerImage(NavigationContexte& contexte, const QString& chemin) {
    if (!contexte.multim.Picture4->loadPicture(chemin))
        fichierNonTrouve(contexte, chemin);
}

void ouvrirPuissancesDeDix(Multim& m) {
    m.Frame1->move(522, 384);
    m.Frame1->show();
    m.Frame1->raise();
    m.Label24->setText(QStringLiteral("24"));
    m.Label25->setText(QStringLiteral("L'Univers et ses milliers d'amas de galaxies."));
    // The species name belongs to the bacterium's picture only; a viewer left there
    // must not carry it over to the universe's caption.
    m.Label8->hide();
    m.Command9->show();
    m.command11->hide();
}

// The heading bands: the caption before the first hyphen, the title line after it,
// the short title under it; each line printed twice for a one-pixel relief.
void ecrireTitre(Multim& m, NavigationState& nav, const std::optional<StylePage>& style) {
    PictureBox& titre = *m.titre;
    titre.setPrintFont(arial(16));
    titre.moveTo({25, 8});
    if (style)
        titre.setPrintColour(style->clair);
    const int tiret = nav.bandeauCourant.indexOf(u'-');
    const bool deuxiemeLigne = tiret >= 0;
    if (deuxiemeLigne) {
        m.setWindowTitle(nav.bandeauCourant.left(tiret));
        nav.bandeauCourant = nav.bandeauCourant.mid(tiret + 1);
    } else {
        m.setWindowTitle(nav.bandeauCourant);
        nav.bandeauCourant = nav.cleCourante;
    }
    titre.moveTo({25, 8});
    titre.print(nav.bandeauCourant);
    titre.moveTo({24, 7});
    if (style)
        titre.setPrintColour(style->fonce);
    titre.print(nav.bandeauCourant);

    titre.setPrintFont(arial(12));
    const QString titreCourt = nav.cleCourante.mid(nav.cleCourante.lastIndexOf(u'\r') + 1);
    if (deuxiemeLigne) {
        titre.moveTo({65, 34});
        titre.setPrintColour(Qt::white);
        titre.print(titreCourt);
        titre.moveTo({64, 33});
        titre.setPrintColour(Qt::black);
        titre.print(titreCourt);
    }
}

void montrerLien(FormLabel& image, FormLabel& legende, const QString& cle) {
    const bool present = !trimSpaces(cle).isEmpty();
    image.setVisible(present);
    legende.setVisible(present);
    if (present)
        legende.setText(cle);
}

void placerTexte(RichTextBox& texteur, int left, int top, int width, int height, int marge) {
    texteur.setGeometry(left, top, width, height);
    // A margin as wide as the box wraps at the box's edge, scroll bar or not.
    if (marge >= width) {
        texteur.setLineWrapMode(QTextEdit::WidgetWidth);
    } else {
        texteur.setLineWrapMode(QTextEdit::FixedPixelWidth);
        texteur.setLineWrapColumnOrWidth(marge);
    }
}

void afficherVideoSonore(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    chargerImage(contexte, contexte.navigation.cheminImage);
    m.Picture4->move(63, m.Picture4->y());
    m.Picture4->show();
    m.Picture4->raise();
    m.label15->move(m.Picture4->x() + (m.Picture4->width() - m.label15->width()) / 2,
                    m.Picture4->y() + m.Picture4->height() + 10);
    m.label15->show();
}

// The picture kinds: `Picture4` by the placement table, `texteur` beside or above it.
void afficherImage(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    PictureBox& image = *m.Picture4;
    const QString& genre = contexte.navigation.genreCourant;
    chargerImage(contexte, contexte.navigation.cheminMedia);
    const int w = tailleImage(image).width();
    const int h = tailleImage(image).height();
    if (genre == u"ImageHoriz1")
        image.move(image.x(), 175);
    else if (genre == u"ImageHoriz2")
        image.move(image.x(), 520 - h);
    else if (genre == u"ImageHoriz3")
        image.move(arrondi(400 - w / 2.0), 180);
    if (genre == u"ImageHoriz3") {
        contexte.navigation.astreAffiche.clear();
        contexte.navigation.modeInteractif = 1;
    } else if (genre == u"ImageHoriz4")
        image.move(arrondi(400 - w / 2.0), 470 - h);
    else if (genre == u"ImageHoriz5")
        image.move(arrondi(400 - w / 2.0), 510 - h);
    image.show();
    image.raise();

    if (genre == u"ImageMINI") {
        RichTextBox& texte = *m.texteur;
        placerTexte(texte, 298, texte.y(), 485, texte.height(), 460);
        image.move(std::max(arrondi(149 - w / 2.0), 10), image.y());
    }
    static const QStringList horizontales = {
        QStringLiteral("ImageHoriz2"), QStringLiteral("ImageHoriz3"), QStringLiteral("ImageHoriz4"),
        QStringLiteral("ImageHoriz5")};
    if (horizontales.contains(genre))
        placerTexte(*m.texteur, 20, 99, 763, image.y() - 99 - 10, 738);
}

} // namespace

void afficherPage(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    NavigationState& nav = contexte.navigation;
    // The table's scroll bar goes with the table.
    m.Picture1->hide();
    m.VScroll1->hide();
    m.texteur->hide();
    contexte.platform.mediaControl.send(MediaControl::Command::Close);
    m.Frame1->hide();
    m.titre->clear();
    nav.donneesManquantes = 0;

    peindreBandeaux(*m.titre, *m.bastitre, nav.styleCourant);
    const std::optional<StylePage> style = styleDePage(nav.styleCourant);
    if (nav.cleCourante == namedpages::visionUnivers)
        ouvrirPuissancesDeDix(m);
    ecrireTitre(m, nav, style);

    placerTexte(*m.texteur, 328, 104, 455, 417, 430);
    if (nav.genreCourant == u"ImageHoriz1")
        placerTexte(*m.texteur, 20, 99, 763, 75, 763);
    montrerLien(*m.suite, *m.Labelapres, nav.cleSuivante);
    montrerLien(*m.avantcours, *m.Labelavant, nav.clePrecedente);

    m.Picture4->hide();
    if (style && style->bordure)
        m.Picture4->setBorderSingle(*style->bordure);

    if (nav.genreCourant == u"AVI sonorisé") {
        afficherVideoSonore(contexte);
    } else {
        contexte.platform.mediaControl.send(MediaControl::Command::Close);
        m.label15->hide();
    }
    contexte.videoEnCours = 0;

    if (nav.genreCourant == u"AVI non sonorisé") {
        chargerImage(contexte, nav.cheminImage);
        m.Picture4->show();
        m.Picture4->raise();
        nav.cheminMedia = resoudreFichier(contexte, nav.cheminMedia);
        if (nav.cheminMedia.isEmpty()) {
            nav.donneesManquantes = -1;
            return;
        }
    }
    if (genreImage(nav.genreCourant))
        afficherImage(contexte);

    empilerHistorique(nav, nav.cleCourante);
    montrerHistorique(m, nav);
}

bool genreImage(const QString& genre) {
    return genre.startsWith(u"Image");
}

void arreterMedias(Multim& m, MediaControl& video) {
    video.send(MediaControl::Command::Close);
    m.projo->hide();
    m.Frame1->hide();
}

void afficherModule(Multim& m, const QString& repertoireProgramme, int numero) {
    // The page shows the module's icon as the module frames have it.
    m.modules.construire();
    if (numero >= 20) {
        m.Imagexe->setPicture(m.Image3->pixmap());
        writeRecord(flagfile::path(repertoireProgramme), flagfile::activiteModule19,
                    u' ' + QString::number(numero));
    } else if (FormLabel* image = m.Image6(numero)) {
        m.Imagexe->setPicture(image->pixmap());
    } else {
        m.Imagexe->hide();
        m.Labelexe->hide();
        return;
    }
    for (const moduleicons::Module& module : moduleicons::modules) {
        if (module.numero != numero)
            continue;
        m.Labelexe->setText(module.nom.toString());
        m.Imagexe->setToolTip(module.sujet.toString());
        m.Labelexe->setToolTip(module.sujet.toString());
    }
    if (m.btexo->isHidden()) {
        m.Imagexe->show();
        m.Labelexe->show();
    }
}
