#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "navigator/pagedisplay.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/richtext/richtextbox.h"
#include "platform/testing/fakeplatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The fixture course copied into a fresh application folder, the main window on the
// general summary as start-up leaves it, the disc refused whenever it is asked for.
class Navigation : public ::testing::Test {
protected:
    Navigation() {
        const QDir fixture(QStringLiteral(FIXTURE_APP));
        for (const QString& name : fixture.entryList(QDir::Files))
            QFile::copy(fixture.filePath(name), fake.appPath(name));
        reinitialiserHistorique(state);
        connecterNavigation(contexte);
    }

    QStringList historique() const {
        QStringList entries;
        for (int i = 1; i <= 100 && !state.historique[i].isEmpty(); ++i)
            entries.append(state.historique[i]);
        return entries;
    }

    void aller(const QString& cle) { demanderPage(contexte, cle); }

    static void relacher(QWidget& control, int y) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, y), QPointF(2, y),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &release);
    }

    FakePlatform fake;
    Multim m{15, 15};
    NavigationState state;
    qint16 videoEnCours = 0;
    QString repertoireDonnees;
    QString cheminBase = fake.appPath(QStringLiteral("GLXNOV.glb"));
    QStringList demandesDuDisque;
    std::array<qint16, 31> hauteurs{};
    NavigationContexte contexte{m,
                                fake.platform(),
                                state,
                                videoEnCours,
                                fake.appDir.path() + u'/',
                                repertoireDonnees,
                                cheminBase,
                                hauteurs,
                                [this](const QString& nom) {
                                    demandesDuDisque.append(nom);
                                    return QString();
                                },
                                {}};
};

const QString atomes = QStringLiteral("1.1. Les atomes");
const QString noyau = QStringLiteral("1.2. Le noyau");
const QString large = QStringLiteral("1.3. Vue large");

TEST_F(Navigation, APageShowsItsTitleTextLinksAndIcons) {
    aller(noyau);
    EXPECT_EQ(state.cleCourante, noyau);
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Chimie"));
    EXPECT_EQ(state.bandeauCourant, QStringLiteral("Le noyau de l'atome"));
    EXPECT_TRUE(m.menugeneral->isHidden());
    EXPECT_FALSE(m.texteur->isHidden());
    EXPECT_FALSE(m.texteur->toPlainText().isEmpty());
    EXPECT_FALSE(m.Picture4->isHidden());
    EXPECT_TRUE(m.Picture4->borderSingle());
    EXPECT_FALSE(m.suite->isHidden());
    EXPECT_EQ(m.Labelapres->text(), large);
    EXPECT_EQ(m.Labelavant->text(), atomes);
    EXPECT_TRUE(m.Imagexe->isHidden()); // module 0
    EXPECT_FALSE(m.projo->isHidden());  // MENU01
    EXPECT_EQ(m.projo->x(), 720);
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, noyau}));
    EXPECT_TRUE(m.avant->isEnabled());
    EXPECT_FALSE(m.apres->isEnabled());
    EXPECT_TRUE(demandesDuDisque.isEmpty());

    aller(atomes); // module 1, a related video
    EXPECT_FALSE(m.Imagexe->isHidden());
    EXPECT_EQ(m.Labelexe->text(), QStringLiteral("Ordalis"));
    EXPECT_EQ(m.Imagexe->toolTip(), QStringLiteral("Classification périodique des éléments"));
    EXPECT_EQ(m.Labelexe->toolTip(), m.Imagexe->toolTip());
    EXPECT_EQ(m.projo->x(), 664);
    EXPECT_TRUE(m.avantcours->isHidden());
}

TEST_F(Navigation, HeadingsSplitAtTheirFirstHyphen) {
    aller(QStringLiteral("1.4. Bande basse"));
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Physique"));
    EXPECT_EQ(state.bandeauCourant, QStringLiteral("La lumière-blanche"));
    aller(large);
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Chimie"));
    EXPECT_EQ(state.bandeauCourant, large);
}

TEST_F(Navigation, PicturesAndTextArePlacedByTheirKind) {
    aller(QStringLiteral("1.4. Bande basse")); // 700 × 200
    EXPECT_EQ(m.Picture4->y(), 320);
    EXPECT_EQ(m.texteur->geometry(), QRect(20, 99, 763, 211));

    aller(QStringLiteral("1.7. Miniature")); // 300 × 200
    EXPECT_EQ(m.Picture4->x(), 10);
    EXPECT_EQ(m.texteur->geometry(), QRect(298, 104, 485, 417));

    aller(large); // ImageHoriz1, 700 × 150
    EXPECT_EQ(m.Picture4->pos(), QPoint(10, 175));
    EXPECT_EQ(m.texteur->geometry(), QRect(20, 99, 763, 75));

    aller(QStringLiteral("1.5. Horizontale 4"));
    EXPECT_EQ(m.Picture4->pos(), QPoint(50, 470 - 150));

    aller(noyau); // Image, 240 × 180: the picture-change rule alone
    EXPECT_EQ(m.Picture4->pos(), QPoint(40, 205));
    EXPECT_EQ(m.texteur->geometry(), QRect(328, 104, 455, 417));
}

TEST_F(Navigation, StylesOutsideTheTableLeaveTheBorderAndPaintNoBand) {
    aller(noyau);                                // style 1: a border
    aller(QStringLiteral("Le système solaire")); // style 4 keeps it
    EXPECT_TRUE(m.Picture4->borderSingle());
    aller(QStringLiteral("1.5. Horizontale 4")); // style 5: none, an orange band
    EXPECT_FALSE(m.Picture4->borderSingle());
    EXPECT_EQ(m.titre->surface().pixelColor(0, 0), QColor(255, 225, 195));
    aller(QStringLiteral("1.6. Horizontale 5")); // style 7
    EXPECT_FALSE(m.Picture4->borderSingle());
    EXPECT_NE(m.titre->surface().pixelColor(0, 0), QColor(255, 225, 195));
}

TEST_F(Navigation, AfterTwentyFiveVisitsTheHistoryHoldsTheTwentyMostRecent) {
    const QStringList cles = {atomes, noyau, large, QStringLiteral("1.7. Miniature"),
                              QStringLiteral("Crédits (1/4)")};
    QStringList visites;
    for (int i = 0; i < 25; ++i) {
        visites.append(cles[i % cles.size()]);
        aller(visites.back());
    }
    EXPECT_EQ(state.positionHistorique, 20);
    EXPECT_EQ(historique(), visites.mid(5));
}

TEST_F(Navigation, BackTwiceThenANewPageClearsTheForwardEntries) {
    aller(atomes);
    aller(noyau);
    aller(large);
    m.avant->click();
    EXPECT_EQ(state.cleCourante, noyau);
    EXPECT_TRUE(m.apres->isEnabled());
    m.avant->click();
    EXPECT_EQ(state.cleCourante, atomes);
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, atomes, noyau, large}));
    m.apres->click();
    EXPECT_EQ(state.cleCourante, noyau);
    m.avant->click();
    aller(QStringLiteral("1.7. Miniature"));
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, atomes, u"1.7. Miniature"_qs}));
    EXPECT_FALSE(m.apres->isEnabled());
}

TEST_F(Navigation, BackOntoASummaryReopensItAndKeepsTheForwardPart) {
    aller(atomes);
    aller(noyau);
    m.avant->click();
    m.avant->click();
    EXPECT_FALSE(m.menugeneral->isHidden());
    EXPECT_EQ(state.positionHistorique, 1);
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, atomes, noyau}));
    EXPECT_FALSE(m.avant->isEnabled());
    EXPECT_TRUE(m.apres->isEnabled());
    m.apres->click();
    EXPECT_EQ(state.cleCourante, atomes);
}

TEST_F(Navigation, AShortKeyShowsTheGeneralSummary) {
    aller(atomes);
    aller(QStringLiteral("ab"));
    EXPECT_FALSE(m.menugeneral->isHidden());
    EXPECT_EQ(state.cleCourante, atomes);
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, atomes, u"soma0"_qs}));
}

TEST_F(Navigation, AnUnknownKeyIsAFatalErrorThatKeepsThePreviousState) {
    aller(noyau);
    fake.messages.answerNext(Messages::Answer::Ok);
    aller(QStringLiteral("Pas de page"));
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("ERREUR FATALE"));
    EXPECT_EQ(fake.messages.shown[0].text,
              QStringLiteral("La base de données est inaccessible ou n'est pas à jour."));
    EXPECT_EQ(state.genreCourant, QStringLiteral("Image"));
    EXPECT_EQ(state.cleSuivante, large);
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, noyau}));
}

TEST_F(Navigation, AMoveThroughTheHistoryToAVanishedPageKeepsThePosition) {
    aller(atomes);
    aller(noyau);
    aller(large);
    state.historique[3] = QStringLiteral("Page disparue");
    fake.messages.answerNext(Messages::Answer::Ok);
    m.avant->click();
    EXPECT_EQ(state.positionHistorique, 4);
    EXPECT_EQ(state.navigationHistorique, 0);
    state.historique[3] = noyau;
    m.avant->click();
    EXPECT_EQ(state.cleCourante, noyau);
    EXPECT_EQ(state.positionHistorique, 3);
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, atomes, noyau, large}));
}

TEST_F(Navigation, APictureThatCannotBeReadIsNamedAndThePageStillShows) {
    QFile broken(fake.appPath(QStringLiteral("absente.jpg")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();
    fake.messages.answerNext(Messages::Answer::Ok);
    aller(QStringLiteral("Image absente"));
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("Fichier non trouvé"));
    EXPECT_EQ(fake.messages.shown[0].text, QStringLiteral("Impossible de trouver le fichier ") +
                                               fake.appPath(QStringLiteral("absente.jpg")));
    EXPECT_FALSE(m.texteur->isHidden());
    EXPECT_EQ(historique().last(), QStringLiteral("Image absente"));
}

TEST_F(Navigation, APictureFoundNowhereShowsTheGeneralSummary) {
    aller(atomes);
    aller(QStringLiteral("Image absente"));
    EXPECT_EQ(demandesDuDisque, QStringList{u"absente.jpg"_qs});
    EXPECT_FALSE(m.menugeneral->isHidden());
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, atomes, u"soma0"_qs}));
}

TEST_F(Navigation, ASilentVideoFoundNowhereShowsTheSummaryWithoutRecordingThePage) {
    aller(QStringLiteral("Vidéo : la diffusion"));
    EXPECT_EQ(demandesDuDisque, QStringList{u"diffusion.avi"_qs});
    EXPECT_FALSE(m.menugeneral->isHidden());
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, u"soma0"_qs}));
}

TEST_F(Navigation, ASoundVideoPageShowsItsStillAndTheVideoControls) {
    aller(QStringLiteral("Vidéo : la chute"));
    EXPECT_EQ(state.cheminMedia, QStringLiteral("chute.avi"));
    EXPECT_EQ(state.cheminImage, fake.appPath(QStringLiteral("chute.jpg")));
    EXPECT_EQ(m.Picture4->x(), 63);
    EXPECT_FALSE(m.label15->isHidden());
    EXPECT_EQ(m.label15->y(), m.Picture4->y() + m.Picture4->height() + 10);
}

TEST_F(Navigation, ChapterLinksFollowOnAReleaseOverThem) {
    aller(atomes);
    relacher(*m.Labelapres, -1);
    EXPECT_EQ(state.cleCourante, atomes);
    relacher(*m.suite, 0);
    EXPECT_EQ(state.cleCourante, noyau);
    relacher(*m.Labelavant, 3);
    EXPECT_EQ(state.cleCourante, atomes);
    state.cleSuivante = QStringLiteral("   ");
    pageSuivanteChapitre(contexte);
    EXPECT_EQ(state.cleCourante, atomes);
}

TEST_F(Navigation, ModuleIconsOfTheLauncherAndOfNumbersWithoutAPicture) {
    aller(QStringLiteral("1.7. Miniature")); // module 22
    EXPECT_FALSE(m.Imagexe->isHidden());
    EXPECT_EQ(m.Imagexe->pixmap().cacheKey(), m.Image3->pixmap().cacheKey());
    EXPECT_EQ(m.Imagexe->toolTip(), QStringLiteral("Activité de recherche"));
    EXPECT_EQ(readRecord(flagfile::path(contexte.repertoireProgramme), flagfile::activiteModule19),
              QStringLiteral(" 22"));

    afficherModule(m, contexte.repertoireProgramme, 5); // a picture, no name
    EXPECT_EQ(m.Imagexe->toolTip(), QStringLiteral("Activité de recherche"));
    afficherModule(m, contexte.repertoireProgramme, 7);
    EXPECT_TRUE(m.Imagexe->isHidden());
    EXPECT_TRUE(m.Labelexe->isHidden());
}

} // namespace
