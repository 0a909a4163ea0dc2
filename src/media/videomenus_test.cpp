#include "media/videofixture_test.h"
#include "media/videomenus.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"

#include <QAction>
#include <QMenu>

namespace {

class VideoMenus : public VideoFixture {
protected:
    QStringList menu() const {
        QStringList items;
        for (const auto& [i, item] : m.MVideo)
            if (item->isVisible())
                items.append(item->text());
        return items;
    }
};

TEST_F(VideoMenus, AChapterIconOffersItsVideosAndNothingLeftFromALongerMenu) {
    Image9_Click(contexte, 2, QPoint(300, 200));
    EXPECT_EQ(menu(), (QStringList{"Densité de solvant", "Extraction au pentane",
                                   "Mesure d'une température de fusion",
                                   "Principe de la chromatographie", "Révélation UV"}));
    EXPECT_TRUE(m.MENUVIDEO->isVisible());
    m.MENUVIDEO->hide();

    Image9_Click(contexte, 13, QPoint(300, 200));
    EXPECT_EQ(menu(), QStringList{"Réfraction d'un faisceau laser"});
    m.MENUVIDEO->hide();

    Image9_Click(contexte, 5, QPoint(300, 200)); // a chapter without videos has no icon
    EXPECT_EQ(menu(), QStringList{"Réfraction d'un faisceau laser"});
    EXPECT_FALSE(m.MENUVIDEO->isVisible());
}

TEST_F(VideoMenus, TheProjectorOffersTheGasVideosForMenu01AndGoesStraightToAnyOtherKey) {
    Image9_Click(contexte, 2, QPoint(300, 200));
    m.MENUVIDEO->hide();
    demanderPage(navigateur, QStringLiteral("1.2. Le noyau"));
    ASSERT_EQ(state.cleVideoLiee, QStringLiteral("MENU01"));
    projo_Click(contexte, QPoint(700, 30));
    EXPECT_EQ(menu(), (QStringList{"Comment remplir un ballon avec un gaz coloré ?",
                                   "Diffusion d'un gaz"}));
    EXPECT_TRUE(m.MENUVIDEO->isVisible());
    m.MENUVIDEO->hide();

    demanderPage(navigateur, QStringLiteral("1.1. Les atomes"));
    ASSERT_FALSE(m.projo->isHidden());
    fake.mediaControl.log.clear();
    projo_Click(contexte, QPoint(700, 30));
    EXPECT_EQ(state.cleCourante, QStringLiteral("Vidéo : la chute"));
    EXPECT_TRUE(m.projo->isHidden());
    EXPECT_EQ(fake.mediaControl.log.value(0), QStringLiteral("Close"));
    EXPECT_FALSE(m.MENUVIDEO->isVisible());
}

TEST_F(VideoMenus, AnItemLeadsToTheVideoPageItNames) {
    m.Frame1->show();
    m.MVideo(2)->setText(QStringLiteral("Vidéo : la chute"));
    MVideo_Click(contexte, 2);
    EXPECT_EQ(state.cleCourante, QStringLiteral("Vidéo : la chute"));
    EXPECT_TRUE(m.Frame1->isHidden());
    EXPECT_FALSE(m.Picture4->isHidden());
    EXPECT_FALSE(m.label15->isHidden());
    EXPECT_EQ(videoEnCours, 0);
}

} // namespace
