#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "navigator/chapterentries.h"
#include "navigator/chapterheights.h"
#include "navigator/history.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "navigator/navigationstate.h"
#include "navigator/pagedisplay.h"
#include "navigator/pictureplacement.h"
#include "navigator/tablefolding.h"
#include "navigator/tablelayout.h"
#include "navigator/testing/navigationharness.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"
#include "platform/richtext/richtextbox.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QWheelEvent>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The main window on the general summary as start-up leaves it.
class Navigation : public NavigationHarness {
protected:
    Navigation() { connecterAvecTablesPliees(); }

    int hauteur(int chapitre) const { return m.twips().rect(*m.chapi(chapitre)).height(); }

    static void survoler(FormLabel& label) {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&label, &move);
    }

    QStringList historique() const {
        QStringList entries;
        for (int i = 1; i <= 100 && !state.historique[i].isEmpty(); ++i)
            entries.append(state.historique[i]);
        return entries;
    }

    void aller(const QString& cle) { demanderPage(navigateur, cle); }

    static void relacher(QWidget& control, int y) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, y), QPointF(2, y),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&control, &release);
    }
};

const QString atomes = QStringLiteral("1.1. Les atomes");
const QString noyau = QStringLiteral("1.2. Le noyau");
const QString large = QStringLiteral("1.3. Vue large");

TEST_F(Navigation, APageShowsItsTitleTextLinksAndIcons) {
    aller(noyau);
    EXPECT_EQ(state.cleCourante, noyau);
    EXPECT_EQ(m.windowTitle(), QStringLiteral("Chimie"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&m)->text(QAccessible::Name), u"Chimie");
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
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&m)->text(QAccessible::Name), u"Chimie");
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

    state.astreAffiche = QStringLiteral("Mars");
    aller(QStringLiteral("Le système solaire")); // the solar-system viewer's picture
    EXPECT_EQ(m.Picture4->pos(), QPoint(50, 180));
    EXPECT_EQ(state.modeInteractif, 1);
    EXPECT_TRUE(state.astreAffiche.isEmpty());

    aller(noyau); // Image, 240 × 180: the picture-change rule alone
    EXPECT_EQ(m.Picture4->pos(), QPoint(40, 205));
    EXPECT_EQ(state.modeInteractif, 0);
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

TEST_F(Navigation, GoingForwardFromTheLastEntryDoesNothing) {
    aller(atomes);
    aller(noyau);
    apres_Click(navigateur);
    EXPECT_EQ(state.cleCourante, noyau);
    EXPECT_EQ(state.navigationHistorique, 0);
    m.avant->click();
    aller(large); // still clears what lay ahead
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, atomes, large}));
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
    pageSuivanteChapitre(navigateur);
    EXPECT_EQ(state.cleCourante, atomes);
}

TEST_F(Navigation, ModuleIconsOfTheLauncherAndOfNumbersWithoutAPicture) {
    aller(QStringLiteral("1.7. Miniature")); // module 22
    EXPECT_FALSE(m.Imagexe->isHidden());
    EXPECT_EQ(m.Imagexe->pixmap().cacheKey(), m.Image3->pixmap().cacheKey());
    EXPECT_EQ(m.Imagexe->toolTip(), QStringLiteral("Activité de recherche"));
    EXPECT_EQ(
        readRecord(flagfile::path(navigateur.repertoireProgramme), flagfile::activiteModule19),
        QStringLiteral(" 22"));

    afficherModule(m, navigateur.repertoireProgramme, 5); // a picture, no name
    EXPECT_EQ(m.Imagexe->toolTip(), QStringLiteral("Activité de recherche"));
    afficherModule(m, navigateur.repertoireProgramme, 7);
    EXPECT_TRUE(m.Imagexe->isHidden());
    EXPECT_TRUE(m.Labelexe->isHidden());
}

TEST_F(Navigation, UnfoldingChapter4FoldsTheOtherPartsOnly) {
    for (int c : {0, 3, 5, 7})
        m.twips().setHeight(*m.chapi(c), hauteurs[c]);
    m.command5->click();
    m.btpm(4)->click();
    EXPECT_EQ(hauteur(4), 6255);
    EXPECT_EQ(m.btpm(4)->text(), QStringLiteral("-"));
    for (int c : {0, 1, 2, 6, 7, 8, 9})
        EXPECT_EQ(hauteur(c), hauteurChapitrePlie) << c;
    EXPECT_EQ(hauteur(3), hauteurs[3]);
    EXPECT_EQ(hauteur(5), hauteurs[5]);
    const QRect quatre = m.twips().rect(*m.chapi(4));
    EXPECT_EQ(m.twips().rect(*m.chapi(5)).top(), quatre.top() + quatre.height() + 120);
    EXPECT_EQ(m.twips().rect(*m.Label7(1)).top(), m.twips().rect(*m.btpm(3)).top() - 390);
    EXPECT_FALSE(m.VScroll1->isHidden());

    m.titchap(4)->clicked(); // the title folds as the button does
    EXPECT_EQ(hauteur(4), hauteurChapitrePlie);
    EXPECT_EQ(m.btpm(4)->text(), QStringLiteral("+"));
}

TEST_F(Navigation, AShortTableHidesTheScrollBar) {
    m.VScroll1->setMaximum(50);
    m.VScroll1->setValue(40);
    m.command6->click();
    EXPECT_TRUE(m.VScroll1->isHidden());
    EXPECT_EQ(m.VScroll1->maximum(), 0);
}

TEST_F(Navigation, TheScrollBarMovesOnlyTheVisibleTable) {
    m.command6->click();
    m.btpm(17)->click(); // the last part, unfolded: longer than the viewport
    ASSERT_FALSE(m.VScroll1->isHidden());
    const int chimie = m.twips().rect(*m.tablematchi).top();
    m.VScroll1->setValue(100);
    EXPECT_EQ(m.twips().rect(*m.tablematphy).top(), -200);
    EXPECT_EQ(m.twips().rect(*m.tablematchi).top(), chimie);
    aller(atomes); // a page never shows the table's scroll bar over its text
    EXPECT_TRUE(m.VScroll1->isHidden());
}

TEST_F(Navigation, SummariesAreRecordedUnderTheirCodesAndReopenFromTheHistory) {
    m.command5->click();
    EXPECT_FALSE(m.Picture1->isHidden());
    EXPECT_FALSE(m.tablematchi->isHidden());
    EXPECT_TRUE(m.tablematphy->isHidden());
    EXPECT_TRUE(m.Picture4->isHidden());
    EXPECT_EQ(m.Label9->text(), QStringLiteral("Chimie"));
    EXPECT_EQ(m.EXECHI->pos(), QPoint(30, 100));
    m.Image1(3)->clicked();
    EXPECT_EQ(m.EXEPHY->pos(), QPoint(350, 100));
    EXPECT_TRUE(m.Picture1->isHidden());
    m.Label3(2)->clicked();
    EXPECT_FALSE(m.tablematphy->isHidden());
    m.Imath2->clicked();
    m.Labelth3->clicked();
    m.command6->click();
    m.Image2->clicked();
    EXPECT_EQ(historique(), (QStringList{u"soma0"_qs, u"soma1"_qs, u"soma03"_qs, u"soma02"_qs,
                                         u"somaT2"_qs, u"somaT3"_qs, u"soma2"_qs, u"soma0"_qs}));
    m.avant->click();
    EXPECT_FALSE(m.tablematphy->isHidden());
    m.avant->click();
    EXPECT_EQ(m.Label9->text(),
              QStringLiteral("Thème 3 : une recherche hypermédia sur la pollution"));
    EXPECT_EQ(historique().size(), 8);
    EXPECT_TRUE(m.apres->isEnabled());
}

TEST_F(Navigation, ThemeContentsShowTheirHeadingsAndEntries) {
    m.Imath1->clicked();
    EXPECT_FALSE(m.Frathem->isHidden());
    EXPECT_EQ(m.Label26(0)->text(), QStringLiteral("1. Du tableau de mesures au graphe"));
    EXPECT_EQ(m.twips().rect(*m.Label20(4)).top(), 2220);
    EXPECT_EQ(m.Label20(8)->text(), QStringLiteral("5. Les semi-conducteurs"));
    EXPECT_EQ(m.Label20(8)->palette().color(QPalette::WindowText), QColor(255, 128, 0));
    EXPECT_TRUE(m.Label20(9)->isHidden());
    m.Labelth2->clicked();
    EXPECT_EQ(m.Label20(0)->text(), QStringLiteral("1. Aliment naturel ou espèce chimique"));
    EXPECT_EQ(m.Label20(7)->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_TRUE(m.Label20(8)->isHidden());
    EXPECT_EQ(m.Label9->text(), QStringLiteral("Thème 2 : les sucres"));
}

TEST_F(Navigation, OnlyPlainEntriesTurnBoldUnderTheMouse) {
    m.command5->click();
    m.btpm(0)->click();
    FormLabel& premiere = *m.ettext(0);
    FormLabel& seconde = *m.ettext(1);
    FormLabel& rouge = *m.ettext(2);
    QPalette palette = rouge.palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    rouge.setPalette(palette);
    survoler(premiere);
    EXPECT_TRUE(premiere.font().bold());
    survoler(seconde);
    EXPECT_FALSE(premiere.font().bold());
    EXPECT_TRUE(seconde.font().bold());
    survoler(rouge);
    EXPECT_FALSE(rouge.font().bold());
    EXPECT_FALSE(seconde.font().bold());
    survoler(seconde);
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), QPointF(2, 2), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(m.Picture1, &move);
    EXPECT_FALSE(seconde.font().bold());
}

TEST_F(Navigation, EntriesAndCreditsAskForTheirPages) {
    m.ettext(0)->setText(atomes);
    m.ettext(0)->clicked();
    EXPECT_EQ(state.cleCourante, atomes);
    EXPECT_TRUE(m.projo->isHidden() == false); // the page's own related video
    m.ettext(1)->setText(QStringLiteral("x"));
    m.ettext(1)->clicked();
    EXPECT_FALSE(m.menugeneral->isHidden());
    m.Command13->click();
    EXPECT_EQ(state.cleCourante, QStringLiteral("Crédits (1/4)"));
    EXPECT_FALSE(m.suite->isHidden());
}

TEST_F(Navigation, OnALargeScreenResizesAfterTheFirstBringTheWindowBackCentred) {
    m.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(alerteEcran, 0); // 800 pixels wide: nothing
    fake.screen.setPixels(1024, 768);
    m.resize(700, 500);
    EXPECT_EQ(alerteEcran, 2);
    EXPECT_EQ(m.size(), QSize(700, 500));
    m.resize(900, 700);
    EXPECT_EQ(m.frameGeometry(), QRect(112, 84, 800, 600));
}

// 12.5 twips per pixel rounds to 12 as start-up rounds it: the screen counts as 833
// pixels wide, a large screen for the resize too.
TEST_F(Navigation, AResizeMeasuresTheScreenAsStartUpDoes) {
    m.show();
    QCoreApplication::processEvents();
    fake.screen.twipsX = 12.5;
    m.resize(700, 500);
    EXPECT_EQ(alerteEcran, 2);
    m.resize(900, 700);
    EXPECT_EQ(m.frameGeometry(), QRect(0, 0, 800, 600));
}

TEST(PicturePlacement, HalfPixelsRoundToEvenAndTheLeftEdgeStaysOnScreen) {
    QTemporaryDir dir;
    struct Case {
        QSize picture;
        QString genre;
        QPoint expected;
    };
    for (const Case& c :
         {Case{{203, 201}, u"ImageMINI"_qs, {58, 194}},
          Case{{305, 203}, u"ImageMINI"_qs, {10, 194}}, Case{{301, 100}, u"Image"_qs, {20, 245}},
          Case{{200, 600}, u"Image"_qs, {60, 100}}}) {
        QImage image(c.picture, QImage::Format_RGB32);
        image.fill(Qt::gray);
        const QString path = dir.filePath(QStringLiteral("p.png"));
        ASSERT_TRUE(image.save(path));
        PictureBox box;
        ASSERT_TRUE(box.loadPicture(path));
        placerImage(box, c.genre);
        EXPECT_EQ(box.pos(), c.expected) << c.picture.width() << "x" << c.picture.height();
    }
}

} // namespace

// Even when the credits cannot be shown, the video has stopped before the message.
TEST_F(Navigation, CreditsStopTheVideoFirst) {
    m.projo->show();
    m.Frame1->show();
    QFile::remove(cheminBase);
    fake.messages.answerNext(Messages::Answer::Ok);
    m.Command13->click();
    EXPECT_EQ(fake.mediaControl.log, QStringList{u"Close"_qs});
    EXPECT_TRUE(m.projo->isHidden());
    EXPECT_TRUE(m.Frame1->isHidden());
    ASSERT_EQ(fake.messages.shown.size(), 1);
    EXPECT_EQ(fake.messages.shown[0].title, QStringLiteral("ERREUR FATALE"));
}

// The theme contents lie inside the general summary's frame: a page or a table hides
// them, and the general summary brings back its Ecologia launcher.
TEST_F(Navigation, ThemeContentsGoWithTheSummaryThatShowsThem) {
    m.show();
    for (const auto& [theme, ouvrir] :
         std::vector<std::pair<int, std::function<void()>>>{{1, [&] { aller(atomes); }},
                                                            {2, [&] { m.command5->click(); }},
                                                            {3, [&] { m.Image1(1)->clicked(); }},
                                                            {1, [&] { m.Command13->click(); }}}) {
        m.Command2->click();
        (theme == 1 ? m.Imath1 : theme == 2 ? m.Imath2 : m.Imath3)->clicked();
        ASSERT_TRUE(m.Frathem->isVisible()) << theme;
        EXPECT_FALSE(m.Image3->isVisible());
        ouvrir();
        EXPECT_FALSE(m.Frathem->isVisible()) << theme;
        m.Command2->click();
        EXPECT_FALSE(m.Frathem->isVisible());
        EXPECT_TRUE(m.Image3->isVisible());
        EXPECT_TRUE(m.Label12->isVisible());
    }
}

// Headings, theme entries and the next-page link show their whole caption.
TEST_F(Navigation, LongCaptionsAreReadableInFull) {
    m.show();
    const auto entier = [](const QLabel& label) {
        const QFontMetrics metrics(label.font());
        const QRect besoin =
            metrics.boundingRect(QRect(0, 0, label.width(), 10000),
                                 int(label.alignment()) | Qt::TextWordWrap, label.text());
        return label.wordWrap() ? besoin.height() <= label.height()
                                : metrics.horizontalAdvance(label.text()) <= label.width();
    };
    for (FormLabel* theme : {m.Imath1, m.Imath2, m.Imath3}) {
        theme->clicked();
        EXPECT_TRUE(entier(*m.Label9)) << m.Label9->text().toStdString();
        EXPECT_LE(m.Label9->geometry().bottom(), m.titre->geometry().bottom());
        for (const auto& [k, entree] : m.Label20)
            if (!entree->isHidden())
                EXPECT_TRUE(entier(*entree))
                    << entree->text().toStdString() << " "
                    << QFontMetrics(entree->font()).horizontalAdvance(entree->text()) << " in "
                    << entree->width() << " " << entree->font().family().toStdString() << " "
                    << entree->font().pointSize();
    }
    m.Labelapres->setText(QStringLiteral("1.2. Application : conducteurs ohmiques en série"));
    m.Labelavant->setText(m.Labelapres->text());
    EXPECT_TRUE(entier(*m.Labelapres));
    EXPECT_TRUE(entier(*m.Labelavant));
}

// An arrow moves the table by one entry line, a page by most of the viewport, and the
// wheel over an entry turns the scroll bar, which places the table.
TEST_F(Navigation, TheTablesScrollByLinesPagesAndTheWheel) {
    m.show();
    m.command5->click();
    m.btpm(6)->click();
    ASSERT_FALSE(m.VScroll1->isHidden());
    m.VScroll1->setValue(0);
    m.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(m.twips().rect(*m.tablematchi).top(), -240); // one entry line
    const int page = m.VScroll1->pageStep() * 2 / 15;
    EXPECT_GE(page, m.Picture1->height() * 3 / 4);
    EXPECT_LE(page, m.Picture1->height());

    m.VScroll1->setValue(0);
    QWheelEvent roue(QPointF(2, 2), QPointF(2, 2), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(m.ettext(chapterentries::firstEntry(6)), &roue);
    EXPECT_GT(m.VScroll1->value(), 0);
    EXPECT_EQ(m.twips().rect(*m.tablematchi).top(), -2 * m.VScroll1->value());
}
