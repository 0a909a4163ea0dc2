#pragma once

#include "dictionary/dictionarystate.h"

#include <QDialog>
#include <QPointer>

struct NavigationContexte;

// The dictionary's windows while they are open, so that a page change can close them.
struct FenetresDictionnaire {
    QPointer<QDialog> HTRUB;
    QPointer<QDialog> coordon;
    QPointer<QDialog> lier;

    void fermer() {
        for (QDialog* fenetre : {HTRUB.data(), coordon.data(), lier.data()})
            if (fenetre)
                fenetre->reject();
    }
};

// What the dictionary's windows work on: the dictionary and the index flow, the
// navigator they open pages with, and the record of the open windows.
struct DictionnaireContexte {
    NavigationContexte& navigateur;
    DictionaryState& dico;
    FenetresDictionnaire& fenetres;
};
