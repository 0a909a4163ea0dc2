#include "navigator/navigation.h"

#include "common/numerictext.h"
#include "common/spaces.h"
#include "navigator/contentdatabase.h"
#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/navigationstate.h"
#include "navigator/pagedisplay.h"
#include "platform/files.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/messages.h"
#include "platform/richtext/richtextbox.h"

#include <QFrame>
#include <QPushButton>

namespace {

const QString genreVideoSonore = QStringLiteral("AVI sonorisé");
const QString genreVideoMuette = QStringLiteral("AVI non sonorisé");

void preparerFenetre(Multim& m) {
    m.Command1->setEnabled(true);
    m.menugeneral->hide();
    m.titre->show();
    m.bastitre->show();
    m.EXECHI->hide();
    m.EXEPHY->hide();
    m.Label9->hide();
    QPalette fond = m.palette();
    fond.setColor(QPalette::Window, Qt::white);
    m.setPalette(fond);
}

// A page asked for by its key rather than through the history.
bool allerParCle(NavigationContexte& contexte, const QString& cle) {
    contexte.navigation.cleCourante = cle;
    contexte.navigation.navigationParCle = -1;
    return allerPage(contexte);
}

void placerProjecteur(Multim& m) {
    const bool seul = m.btexo->isHidden() && m.Imagexe->isHidden();
    m.projo->move(m.projo->isVisibleTo(&m) && seul ? 720 : 664, m.projo->y());
}

// Step 8 on: the page display, then its text and icons.
void montrerPage(NavigationContexte& contexte, const PageRecord& page) {
    Multim& m = contexte.multim;
    NavigationState& nav = contexte.navigation;
    afficherPage(contexte);

    const QString texte = resoudreFichier(contexte, page.texte);
    if (texte.isEmpty()) {
        montrerSommaireGeneral(contexte);
        return;
    }
    if (!m.texteur->loadFile(texte))
        fichierNonTrouve(contexte, texte);
    m.texteur->show();

    const double module = leadingNumber(page.numModule);
    if (module == 0) {
        m.Imagexe->hide();
        m.Labelexe->hide();
    } else {
        afficherModule(m, contexte.repertoireProgramme, roundToInt16(module));
    }
    if (nav.donneesManquantes == -1)
        montrerSommaireGeneral(contexte);
    placerProjecteur(m);
}

} // namespace

void montrerSommaireGeneral(NavigationContexte& contexte) {
    SommaireContexte sommaire = contexte.sommaire();
    afficherSommaire(sommaire);
}

void fichierNonTrouve(NavigationContexte& contexte, const QString& chemin) {
    contexte.platform.messages.show(QStringLiteral("Fichier non trouvé"),
                                    QStringLiteral("Impossible de trouver le fichier ") + chemin,
                                    Messages::Buttons::Ok, Messages::Icon::Critical);
}

SommaireContexte NavigationContexte::sommaire() {
    return SommaireContexte{multim, navigation, platform.mediaControl, videoEnCours,
                            repertoireProgramme};
}

QString trouverFichier(NavigationContexte& contexte, const QString& nom) {
    for (const QString& dossier : {contexte.repertoireProgramme, contexte.repertoireDonnees}) {
        if (dossier.isEmpty())
            continue;
        if (const auto trouve = contexte.platform.files.resolve(dossier + nom))
            return *trouve;
    }
    return {};
}

QString resoudreFichier(NavigationContexte& contexte, const QString& nom) {
    if (QString trouve = trouverFichier(contexte, nom); !trouve.isEmpty())
        return trouve;
    return contexte.localiserDonnees ? contexte.localiserDonnees(nom) : QString();
}

bool allerPage(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    NavigationState& nav = contexte.navigation;
    if (contexte.fermerFenetres)
        contexte.fermerFenetres();
    preparerFenetre(m);

    const std::optional<int> n = findPage(contexte.cheminBase, nav.cleCourante);
    if (!n) {
        contexte.platform.messages.show(
            QStringLiteral("ERREUR FATALE"),
            QStringLiteral("La base de données est inaccessible ou n'est pas à jour."),
            Messages::Buttons::Ok, Messages::Icon::Critical);
        return false;
    }
    const PageRecord page = readPage(contexte.cheminBase, *n);
    nav.genreCourant = page.genre;
    nav.cleSuivante = page.suivante;
    nav.clePrecedente = page.precedente;
    nav.styleCourant = numericTextToInt16(page.style);
    nav.bandeauCourant = page.bandeau;

    if (nav.genreCourant != genreVideoSonore && nav.genreCourant != genreVideoMuette) {
        nav.cleVideoLiee = trimSpaces(page.annexe);
        m.projo->setVisible(!nav.cleVideoLiee.isEmpty());
    } else {
        nav.cheminMedia = page.media;
        nav.cheminImage = resoudreFichier(contexte, page.annexe);
        if (nav.cheminImage.isEmpty()) {
            montrerSommaireGeneral(contexte);
            return true;
        }
    }
    if (genreImage(nav.genreCourant)) {
        nav.cheminMedia = resoudreFichier(contexte, page.media);
        if (nav.cheminMedia.isEmpty()) {
            montrerSommaireGeneral(contexte);
            return true;
        }
    }
    montrerPage(contexte, page);
    return true;
}

void quitterPourPage(NavigationContexte& contexte, const QString& cle) {
    arreterMedias(contexte.multim, contexte.platform.mediaControl);
    demanderPage(contexte, cle);
}

void demanderPage(NavigationContexte& contexte, const QString& cle) {
    if (cle.size() < 3) {
        montrerSommaireGeneral(contexte);
        return;
    }
    allerParCle(contexte, cle);
}

bool estCodeSommaire(const QString& entree) {
    return entree.startsWith(u"soma");
}

bool ouvrirCode(NavigationContexte& contexte, const QString& code) {
    SommaireContexte sommaire = contexte.sommaire();
    if (code == u"soma0")
        afficherSommaire(sommaire);
    else if (code == u"soma1")
        afficherSommaireChimie(sommaire);
    else if (code == u"soma2")
        afficherSommairePhysique(sommaire);
    else if (code.size() == 6 && code.startsWith(u"soma0") && code[5] >= u'0' && code[5] <= u'3')
        afficherVolet(sommaire, code[5].digitValue());
    else if (code.size() == 6 && code.startsWith(u"somaT") && code[5] >= u'1' && code[5] <= u'3')
        afficherTheme(sommaire, code[5].digitValue());
    else
        return false;
    return true;
}

namespace {

// A move through the history that shows nothing puts the position back, so that
// the next move reads from where the screen really is.
void deplacerDansHistorique(NavigationContexte& contexte, const QString& entree, int recul) {
    NavigationState& nav = contexte.navigation;
    const qint16 position = nav.positionHistorique;
    nav.positionHistorique -= recul;
    const bool montre =
        estCodeSommaire(entree) ? ouvrirCode(contexte, entree) : allerParCle(contexte, entree);
    if (!montre) {
        nav.positionHistorique = position;
        nav.navigationHistorique = 0;
    }
    montrerHistorique(contexte.multim, nav);
}

} // namespace

// A move that finds no entry leaves the flag down, so that the next page shown still
// clears the forward part of the history.
void avant_Click(NavigationContexte& contexte) {
    NavigationState& nav = contexte.navigation;
    if (nav.positionHistorique < 2)
        return;
    const QString entree = nav.historique[nav.positionHistorique - 1];
    if (!estCodeSommaire(entree) && trimSpaces(entree).isEmpty())
        return;
    nav.navigationHistorique = 1;
    deplacerDansHistorique(contexte, entree, 2);
}

void apres_Click(NavigationContexte& contexte) {
    NavigationState& nav = contexte.navigation;
    if (nav.positionHistorique + 1 >= int(nav.historique.size()))
        return;
    const QString entree = nav.historique[nav.positionHistorique + 1];
    if (trimSpaces(entree).isEmpty())
        return;
    nav.navigationHistorique = 1;
    deplacerDansHistorique(contexte, entree, 0);
}

void pageSuivanteChapitre(NavigationContexte& contexte) {
    const QString cle = contexte.navigation.cleSuivante;
    if (!trimSpaces(cle).isEmpty())
        allerParCle(contexte, cle);
}

void pagePrecedenteChapitre(NavigationContexte& contexte) {
    const QString cle = contexte.navigation.clePrecedente;
    if (!trimSpaces(cle).isEmpty())
        allerParCle(contexte, cle);
}

void connecterNavigation(NavigationContexte& contexte) {
    Multim& m = contexte.multim;
    QObject::connect(m.avant, &QPushButton::clicked, &m, [&contexte] { avant_Click(contexte); });
    QObject::connect(m.apres, &QPushButton::clicked, &m, [&contexte] { apres_Click(contexte); });
    const auto surRelachement = [&](FormLabel* lien, void (*suivre)(NavigationContexte&)) {
        QObject::connect(lien, &FormLabel::mouseReleased, &m,
                         [&contexte, suivre](Qt::MouseButton, QPoint position) {
                             if (position.y() >= 0)
                                 suivre(contexte);
                         });
    };
    surRelachement(m.suite, pageSuivanteChapitre);
    surRelachement(m.Labelapres, pageSuivanteChapitre);
    surRelachement(m.avantcours, pagePrecedenteChapitre);
    surRelachement(m.Labelavant, pagePrecedenteChapitre);
}
