#pragma once

#include "search/searchindex.h"

#include <QString>
#include <QStringList>
#include <memory>

struct NavigationContexte;

// The search in the course, kept for the whole run: the index, built the first time
// the pupil searches, what was typed last, and the words of the page opened last,
// which F3 goes on finding.
struct EtatRecherche {
    std::unique_ptr<IndexRecherche> index;
    QString saisie;
    QStringList mots;
};

struct RechercheContexte {
    NavigationContexte& navigateur;
    EtatRecherche& etat;
};
