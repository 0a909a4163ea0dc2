#pragma once

#include <QStringView>
#include <array>

// What the module launch icon of a page says about its module: the short name under
// its picture and the subject in its tooltip.
namespace moduleicons {

struct Module {
    int numero;
    QStringView nom;
    QStringView sujet;
};

inline constexpr std::array<Module, 17> modules = {{
    {1, u"Ordalis", u"Classification périodique des éléments"},
    {2, u"Valens", u"Représentation de Lewis et géométrie des édifices"},
    {3, u"Spectra", u"Etude de la dispersion de la lumière"},
    {4, u"Reflexa", u"Réflexion et réfraction de la lumière"},
    {6, u"Orbita", u"Mouvement et trajectoire d'un satellite artificiel"},
    {8, u"Strata", u"Représentation graphique des couches électroniques"},
    {9, u"Bilanz", u"Equation-bilan et bilan de matière"},
    {10, u"Gravis", u"Chute libre avec et sans vitesse initiale"},
    {11, u"Moleca", u"Mouvement des particules d'un gaz"},
    {12, u"Alambix", u"Montages de chimie pour l'extraction et la synthèse d'espèces chimiques"},
    {13, u"Sonoria", u"Etude de la propagation du son dans différents milieux avec l'oscilloscope"},
    {14, u"Fichex", u"Cartes d'identité des espèces chimiques"},
    {16, u"Oscilla", u"Etude du pendule simple sur le Terre, la Lune et Mars"},
    {17, u"Pipetta", u"Préparation de solutions aqueuses par dilution ou dissolution"},
    // The activities of the small launcher, module 19's.
    {21, u"Ecologia", u"Exemple d'un hypertexte"},
    {22, u"Ecologia", u"Activité de recherche"},
    {23, u"Ecologia", u"Exemple d'une navigation"},
}};

} // namespace moduleicons
