#pragma once

#include <QString>

class Multim;
struct EtatModules;
struct Platform;

// The main window's module icons and buttons, each starting its module.
struct ModulesContexte {
    Multim& multim;
    Platform& platform;
    EtatModules& etat;
    QString repertoireProgramme; // with its trailing separator
};

void Image6_Click(ModulesContexte& contexte, int module);
void Command12_Click(ModulesContexte& contexte);
void essentiel_Click(ModulesContexte& contexte, int chapitre);
void Image3_Click(ModulesContexte& contexte);
// A page's module icon starts the module whose icon shows the same picture.
void Imagexe_Click(ModulesContexte& contexte);
