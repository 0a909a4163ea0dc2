#pragma once

#include <QString>

class Fermeur;
class Multim;
struct EtatModules;
struct Platform;

// What the navigator closes when the user leaves it.
struct FermetureContexte {
    Multim& multim;
    Platform& platform;
    EtatModules& modules;
    QString repertoireProgramme; // with its trailing separator
};

// The "&Quitter" button: closing the main window, which asks first.
void Command14_Click(Multim& multim);

// The confirmation before the navigator closes; true when the user stays. Otherwise
// the closing window does its work and the program ends.
bool Form_QueryUnload(FermetureContexte& contexte);

// The closing window's work: the windows of running modules and of the help viewer
// asked to quit, the main window hidden, the exit program started. The program ends
// as soon as the window has done it.
void fermerModules(FermetureContexte& contexte, Fermeur& fermeur);
