#include "navigator/chapterentries.h"
#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/navigationstate.h"
#include "navigator/pictureplacement.h"
#include "navigator/summaries.h"
#include "navigator/tablelayout.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/testing/fakemediacontrol.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(GeneralSummary, ShowsTheCoverAndTheChoicesAndRecordsSoma0) {
    QTemporaryDir dir;
    QImage cover(200, 300, QImage::Format_RGB32);
    cover.fill(Qt::blue);
    ASSERT_TRUE(cover.save(dir.filePath("couverture.jpg")));

    Multim multim(15, 15);
    NavigationState navigation;
    reinitialiserHistorique(navigation);
    connecterPicture4(multim, navigation);
    FakeMediaControl media;
    qint16 videoEnCours = -1;
    SommaireContexte contexte{multim, navigation, media, videoEnCours, dir.path() + "/"};
    multim.show();
    multim.Frathem->show();
    multim.Command1->setEnabled(true);

    afficherSommaire(contexte);

    EXPECT_EQ(multim.windowTitle(), u"Solstice - LUMEN");
    EXPECT_TRUE(multim.menugeneral->isVisible());
    EXPECT_FALSE(multim.Frathem->isVisible());
    EXPECT_FALSE(multim.Picture1->isVisible());
    EXPECT_FALSE(multim.Command1->isEnabled());
    EXPECT_EQ(multim.Label9->text(), u"Sommaire");
    EXPECT_EQ(multim.Label9->font().pointSize(), 36);
    EXPECT_TRUE(multim.Picture4->isVisible());
    EXPECT_TRUE(multim.Picture4->borderSingle());
    EXPECT_EQ(multim.Picture4->geometry(), QRect(60, 145, 202, 302));
    EXPECT_EQ(videoEnCours, 0);
    EXPECT_EQ(media.log, QStringList{"Close"});
    EXPECT_EQ(navigation.positionHistorique, 2);
    EXPECT_EQ(navigation.historique[2], u"soma0");
    EXPECT_TRUE(multim.avant->isEnabled());
    // Orange family: the upper band's first line, the lower band's last.
    EXPECT_EQ(multim.titre->surface().pixelColor(5, 0), QColor(255, 225, 195));
    EXPECT_EQ(multim.bastitre->surface().pixelColor(5, 29), QColor(255, 226, 197));
}

TEST(TableLayout, FoldedChaptersStackWithAGapBeforeEachPart) {
    Multim multim(15, 15);
    multim.chapitres.construire();
    const TwipsScale& twips = multim.twips();
    twips.setTop(*multim.chapi(0), 1680);
    twips.setTop(*multim.btpm(0), 1680);
    twips.setTop(*multim.chapi(10), 1680);
    twips.setTop(*multim.btpm(10), 1680);
    twips.setHeight(*multim.chapi(4), 6255);
    tablelayout::empilerChapitres(multim, true);
    tablelayout::empilerChapitres(multim, false);
    placerTitresParties(multim);

    EXPECT_EQ(twips.rect(*multim.chapi(1)).top(), 2055);
    EXPECT_EQ(twips.rect(*multim.chapi(3)).top(), 1680 + 3 * 375 + 450);
    EXPECT_EQ(twips.rect(*multim.chapi(5)).top(), 3255 + 375 + 6375);
    EXPECT_EQ(twips.rect(*multim.btpm(5)).top(), twips.rect(*multim.chapi(5)).top());
    EXPECT_EQ(twips.rect(*multim.tablematphy).height(), twips.rect(*multim.chapi(18)).bottom() + 1);
    EXPECT_EQ(twips.rect(*multim.Label7(0)).top(), 1290);
    EXPECT_EQ(twips.rect(*multim.Label7(4)).top(), twips.rect(*multim.btpm(14)).top() - 390);
    EXPECT_EQ(twips.rect(*multim.Label7(2)).left(), 300);
}

// Start-up shows no table and no module: the chapters are built, and what waits for
// them prepared, once, when a table first shows; the module icons with their frame.
TEST(DeferredParts, AreBuiltOnceWhenFirstShown) {
    Multim multim(15, 15);
    NavigationState navigation;
    reinitialiserHistorique(navigation);
    FakeMediaControl media;
    qint16 videoEnCours = 0;
    SommaireContexte contexte{multim, navigation, media, videoEnCours, QString()};
    multim.show();
    int preparations = 0;
    multim.chapitres.apres([&] {
        ++preparations;
        EXPECT_NE(multim.ettext(0), nullptr);
    });
    afficherSommaire(contexte);
    EXPECT_EQ(multim.ettext.count(), 0);
    EXPECT_EQ(multim.Image6.count(), 0);
    EXPECT_EQ(preparations, 0);

    afficherVolet(contexte, 1);
    EXPECT_TRUE(multim.Image6(1)->isVisible()) << "the chemistry modules, without a table";
    EXPECT_EQ(preparations, 0);

    afficherVolet(contexte, 2);
    EXPECT_TRUE(multim.chapi(10)->isVisible());
    EXPECT_FALSE(multim.chapi(0)->isVisible());
    afficherVolet(contexte, 0);
    EXPECT_TRUE(multim.chapi(0)->isVisible());
    EXPECT_EQ(multim.ettext.count(), chapterentries::totalEntries());
    EXPECT_EQ(preparations, 1);
    multim.chapitres.apres([&] { ++preparations; });
    EXPECT_EQ(preparations, 2) << "at once, now that they are built";
}
