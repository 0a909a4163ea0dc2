#pragma once

#include "calculator/etatcalculatrice.h"
#include "dictionary/dictionarycontext.h"
#include "dictionary/dictionarystate.h"
#include "modules/modulestate.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "quiz/testsession.h"
#include "search/searchstate.h"

#include <QString>
#include <array>
#include <memory>

// The navigator's application-wide state, one of each subsystem's, owned here and
// handed to the operations that work on it.
struct ApplicationState {
    NavigationState navigation;
    DictionaryState dictionnaire;
    FenetresDictionnaire fenetresDictionnaire;
    EtatCalculatrice calculatrice;
    TestSession test;
    EtatRecherche recherche;

    EtatModules modules;

    qint16 videoEnCours = 0;
    QString repertoireDonnees;
    QString repertoireVideo;
    qint16 alerteEcran = 0;
    QString cheminBase;
    std::array<qint16, 31> hauteursChapitres{};

    // Built by the wiring, for every move to a page.
    std::unique_ptr<NavigationContexte> navigateur;
};
