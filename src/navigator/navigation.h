#pragma once

#include "navigator/summaries.h"
#include "platform/platform.h"

#include <QString>
#include <array>
#include <functional>

class Multim;
struct NavigationState;

// Everything a move from one page to another needs. The shell builds it once: the
// data locator and the closing of the side windows live to the navigator's right, so
// they come in as callbacks.
struct NavigationContexte {
    Multim& multim;
    Platform platform;
    NavigationState& navigation;
    qint16& videoEnCours;
    QString repertoireProgramme;                     // with its trailing separator
    const QString& repertoireDonnees;                // the disc's data folder as last found
    const QString& cheminBase;                       // GLXNOV.glb
    const std::array<qint16, 31>& hauteursChapitres; // unfolded, in twips
    // The full path of data file `nom` on the disc, or "" when the user gave up.
    std::function<QString(const QString& nom)> localiserDonnees;
    // Closes the dictionary, `coordon`, `lier` and the test window if open.
    std::function<void()> fermerFenetres;
    // The display warning's state: 2 once a resize has seen a large screen.
    qint16& alerteEcran;

    SommaireContexte sommaire();
};

// `allerPage`: shows the page whose key is `cleCourante` (`navigationParCle` set to −1
// by the caller), or the general summary when one of its files is nowhere. False when
// the database does not know the page: the screen then shows nothing new.
bool allerPage(NavigationContexte& contexte);

// `demanderPage`: a click on an entry naming page `cle`; a key shorter than three
// characters stands for the general summary.
void demanderPage(NavigationContexte& contexte, const QString& cle);

// A click on an entry or icon naming page `cle`: the video stops, the projector icon
// and the powers-of-ten frame go, then the page is asked for.
void quitterPourPage(NavigationContexte& contexte, const QString& cle);

// The file rule: the application directory, then the data directory, then the disc.
// "" when the user gave up.
QString resoudreFichier(NavigationContexte& contexte, const QString& nom);
// The file rule without the disc: "" when the file is in neither directory.
QString trouverFichier(NavigationContexte& contexte, const QString& nom);

// The general summary, shown instead of a page whose files are nowhere.
void montrerSommaireGeneral(NavigationContexte& contexte);

// The box that tells the pupil a file of the page could not be read.
void fichierNonTrouve(NavigationContexte& contexte, const QString& chemin);

// Opens the summary or contents a history code names; false for any other entry.
bool ouvrirCode(NavigationContexte& contexte, const QString& code);
bool estCodeSommaire(const QString& entree);

// The history buttons: `avant` goes back, `apres` forward.
void avant_Click(NavigationContexte& contexte);
void apres_Click(NavigationContexte& contexte);

void pageSuivanteChapitre(NavigationContexte& contexte);
void pagePrecedenteChapitre(NavigationContexte& contexte);

// Connects the history buttons and the in-chapter links.
void connecterNavigation(NavigationContexte& contexte);
