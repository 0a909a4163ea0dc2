#include "media/solarbodies.h"

#include <QList>
#include <gtest/gtest.h>

namespace {

TEST(SolarBodies, ThePointFindsTheLastOpenRectangleHoldingIt) {
    struct Cas {
        QPoint point;
        QString astre;
    };
    const QList<Cas> cas = {
        {{100, 50}, u"Neptune"_qs},   {{200, 70}, u"Saturne"_qs},
        {{180, 70}, QString()}, // the edge Neptune and Saturne share
        {{530, 200}, u"Terre"_qs},    {{600, 300}, u"Soleil"_qs},
        {{5000, 5000}, u"Soleil"_qs}, // the Sun has no right or lower limit
        {{500, 250}, QString()},      // Vénus ends and the Sun begins at 500
        {{270, 20}, u"Pluton"_qs},    {{150, 250}, u"Jupiter"_qs},
        {{450, 50}, u"Uranus"_qs},    {{450, 320}, u"Mercure"_qs},
        {{450, 260}, u"Vénus"_qs},    {{600, 145}, u"Mars"_qs},
        {{300, 200}, QString()},      {{0, 0}, QString()},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(astreSous(c.point), c.astre) << c.point.x() << ", " << c.point.y();
}

TEST(SolarBodies, EveryBodyHasASheetAndNoOtherNameHasOne) {
    for (const char16_t* astre : {u"Mercure", u"Vénus", u"Terre", u"Mars", u"Jupiter", u"Saturne",
                                  u"Uranus", u"Neptune", u"Pluton", u"Soleil"})
        EXPECT_NE(ficheAstre(QString::fromUtf16(astre)), nullptr);
    EXPECT_EQ(ficheAstre(u"Lune"_qs), nullptr);
    EXPECT_EQ(ficheAstre(QString()), nullptr);

    const FicheAstre& soleil = *ficheAstre(u"Soleil"_qs);
    EXPECT_EQ(soleil[1][0], u"Distance à la Terre : 1,000 UA");
    EXPECT_EQ(soleil[1][1], u"Température : de 6.10{3} à 1,5.10{7} °C");
    EXPECT_TRUE(soleil[0][2].isEmpty());
    EXPECT_TRUE(soleil[2][2].isEmpty());
    EXPECT_EQ((*ficheAstre(u"Vénus"_qs))[2][1], u"Diamètre apparent : 1' 7''");
}

} // namespace
