#include "media/solarbodies.h"

#include <limits>

namespace {

struct Rectangle {
    const char16_t* astre;
    int xDe, xA, yDe, yA;
};

constexpr int sansLimite = std::numeric_limits<int>::max();

constexpr Rectangle rectangles[] = {
    {u"Neptune", 80, 180, 35, 85},
    {u"Pluton", 245, 295, 5, 35},
    {u"Saturne", 180, 340, 60, 150},
    {u"Jupiter", 90, 240, 200, 310},
    {u"Uranus", 415, 520, 0, 90},
    {u"Mercure", 430, 500, 300, 340},
    {u"Soleil", 500, sansLimite, 240, sansLimite},
    {u"Terre", 470, 540, 170, 210},
    {u"Vénus", 420, 500, 240, 280},
    {u"Mars", 560, 625, 130, 160},
};

struct Fiche {
    const char16_t* astre;
    FicheAstre lignes;
};

const QString pesanteur = QStringLiteral("Rapport de la pesanteur à celle régnant sur Terre : ");
const QString densite = QStringLiteral("Densité par rapport à l'eau : ");

FicheAstre planete(const QString& diametre, const QString& g, const QString& temperature,
                   const QString& distance, const QString& periode, const QString& d,
                   const QString& masse, const QString& apparent, const QString& satellites) {
    return {{{u"Diamètre : "_qs + diametre, pesanteur + g, u"Température : "_qs + temperature},
             {u"Distance au Soleil : "_qs + distance, u"Période de révolution : "_qs + periode,
              densite + d},
             {u"Masse : "_qs + masse,
              apparent.isEmpty() ? QString() : u"Diamètre apparent : "_qs + apparent,
              u"Nombre de satellites : "_qs + satellites}}};
}

const Fiche fiches[] = {
    {u"Mercure", planete(u"4,88.10{3} km"_qs, u"0,37"_qs, u"de -170 à 400 °C"_qs, u"0,387 UA"_qs,
                         u"87,97 jours"_qs, u"5,6"_qs, u"3,25.10{23} kg"_qs, u"13''"_qs, u"0"_qs)},
    {u"Vénus", planete(u"1,210.10{4} km"_qs, u"0,91"_qs, u"470 °C"_qs, u"0,723 UA"_qs,
                       u"224,70 jours"_qs, u"5,1"_qs, u"4,87.10{24} kg"_qs, u"1' 7''"_qs, u"0"_qs)},
    {u"Terre",
     planete(u"1,276.10{4} km"_qs, u"1"_qs, u"17 °C"_qs, u"1,000 UA"_qs, u"365,25 jours"_qs,
             u"5,5"_qs, u"5,98.10{24} kg"_qs, QString(), u"1 (la Lune)"_qs)},
    {u"Mars",
     planete(u"6,79.10{3} km"_qs, u"0,38"_qs, u"-50 °C"_qs, u"1,523 UA"_qs, u"1 an 321,73 jours"_qs,
             u"3,9"_qs, u"6,43.10{23} kg"_qs, u"26''"_qs, u"2"_qs)},
    {u"Jupiter",
     planete(u"1,4298.10{5} km"_qs, u"2,54"_qs, u"-140 °C"_qs, u"5,203 UA"_qs,
             u"11 ans 314,84 jours"_qs, u"1,3"_qs, u"1,90.10{27} kg"_qs, u"50''"_qs, u"16"_qs)},
    {u"Saturne",
     planete(u"1,2054.10{5} km"_qs, u"1,08"_qs, u"-180 °C"_qs, u"9,555 UA"_qs,
             u"29 ans 167,00 jours"_qs, u"0,7"_qs, u"5,68.10{26} kg"_qs, u"21''"_qs, u"18"_qs)},
    {u"Uranus",
     planete(u"5,112.10{4} km"_qs, u"0,88"_qs, u"-200 °C"_qs, u"19,218 UA"_qs,
             u"84 ans 7,40 jours"_qs, u"1,7"_qs, u"9,66.10{25} kg"_qs, u"4''"_qs, u"17"_qs)},
    {u"Neptune",
     planete(u"4,953.10{4} km"_qs, u"1,15"_qs, u"-220 °C"_qs, u"30,110 UA"_qs,
             u"164 ans 280,30 jours"_qs, u"2,3"_qs, u"1,05.10{26} kg"_qs, u"3''"_qs, u"8"_qs)},
    {u"Pluton",
     planete(u"2,27.10{3} km"_qs, u"?"_qs, u"-230 °C"_qs, u"39,434 UA"_qs,
             u"247 ans 249,70 jours"_qs, u"?"_qs, u"1,20.10{22} kg"_qs, u"invisible"_qs, u"1"_qs)},
    // The Sun's sheet has its own lines: its distance is to the Earth.
    {u"Soleil",
     {{{u"Diamètre : 1,39.10{6} km"_qs, pesanteur + u"27,9"_qs, QString()},
       {u"Distance à la Terre : 1,000 UA"_qs, u"Température : de 6.10{3} à 1,5.10{7} °C"_qs,
        densite + u"1,4"_qs},
       {u"Masse : 1,99.10{30} kg"_qs, u"Diamètre apparent : 31'5''"_qs, QString()}}}},
};

} // namespace

QString astreSous(QPoint p) {
    QString astre;
    for (const Rectangle& r : rectangles)
        if (p.x() > r.xDe && p.x() < r.xA && p.y() > r.yDe && p.y() < r.yA)
            astre = QString::fromUtf16(r.astre);
    return astre;
}

const FicheAstre* ficheAstre(const QString& astre) {
    for (const Fiche& fiche : fiches)
        if (astre == QStringView(fiche.astre))
            return &fiche.lignes;
    return nullptr;
}
