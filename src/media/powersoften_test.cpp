#include "media/powersoften.h"
#include "navigator/testing/navigationharness.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"

#include <QFrame>
#include <QImage>
#include <QTemporaryDir>

namespace {

const QString univers = QStringLiteral("3.1. Vision d'ensemble de l'Univers");

struct Etape {
    int exposant;
    const char* image;
    QString legende;
};

const QList<Etape> etapes = {
    {24, "GLIL1109Bh.JPG", u"L'Univers et ses milliers d'amas de galaxies."_qs},
    {21, "GLIL1109Bg.JPG", u"Une galaxie spirale."_qs},
    {18, "GLIL1109Bf.JPG", u"La Voie lactée."_qs},
    {15, "GLIL1109Be.JPG", u"La plus proche étoile est à 10 fois la largeur de cette image."_qs},
    {12, "GLIL1109Bd.JPG", u"Le système solaire."_qs},
    {9, "GLIL1109Bc.JPG", u"La Terre et la Lune."_qs},
    {6, "GLIL1109Bb.JPG", u"La France vue de satellite."_qs},
    {3, "GLIL1109Ba.JPG", u"Les Deux-Alpes (Isère) vue d'avion."_qs},
    {0, "GLIL1109.JPG", u"Une violoniste."_qs},
    {-3, "GLIL1109a.JPG", u"Des cheveux."_qs},
    {-6, "GLIL1109b.JPG", QString(41, u' ') + u"(bactérie)."_qs},
    {-9, "GLIL1109c.JPG", u"Une molécule d'eau."_qs},
    {-12, "GLIL1109d.JPG", u"Le plus proche électron est à 20 fois la largeur de cette image."_qs},
    {-15, "GLIL1109e.JPG", u"Le noyau d'un atome."_qs},
};

class PowersOfTen : public NavigationHarness {
protected:
    PowersOfTen() { connecterFenetre(navigateur); }

    // Each picture beside the program, as wide as 10 + its rank, so that the
    // picture shown tells which one it is.
    void creerImages(const QString& dossier) {
        for (int rang = 0; rang < etapes.size(); ++rang) {
            QImage image(10 + rang, 20, QImage::Format_RGB32);
            image.fill(Qt::darkBlue);
            ASSERT_TRUE(image.save(dossier + QString::fromLatin1(etapes[rang].image), "JPG"));
        }
    }

    int largeurImage() const { return m.Picture4->contentsRect().width(); }
};

TEST_F(PowersOfTen, TheButtonsStepThroughEveryScaleAndStopAtBothEnds) {
    creerImages(fake.appDir.path() + u'/');
    demanderPage(navigateur, univers);
    ASSERT_FALSE(m.Frame1->isHidden());
    ASSERT_EQ(m.Label24->text(), u"24");

    for (int rang = 1; rang < etapes.size(); ++rang) {
        Command9_Click(navigateur);
        const Etape& e = etapes[rang];
        EXPECT_EQ(m.Label24->text(), QString::number(e.exposant));
        EXPECT_EQ(m.Label25->text(), e.legende) << e.exposant;
        EXPECT_EQ(m.Label8->isHidden(), e.exposant != -6) << e.exposant;
        EXPECT_EQ(m.Command9->isHidden(), e.exposant == -15) << e.exposant;
        EXPECT_FALSE(m.command11->isHidden()) << e.exposant;
        EXPECT_EQ(largeurImage(), 10 + rang) << e.exposant;
        EXPECT_FALSE(m.Picture4->isHidden());
        EXPECT_EQ(m.Picture4->y(), 285) << "placed by the picture-change rule";
    }
    for (int rang = etapes.size() - 2; rang >= 0; --rang) {
        command11_Click(navigateur);
        const Etape& e = etapes[rang];
        EXPECT_EQ(m.Label24->text(), QString::number(e.exposant));
        EXPECT_EQ(m.Label25->text(), e.legende) << e.exposant;
        EXPECT_EQ(m.command11->isHidden(), e.exposant == 24) << e.exposant;
        EXPECT_FALSE(m.Command9->isHidden()) << e.exposant;
        EXPECT_EQ(largeurImage(), 10 + rang) << e.exposant;
    }
    EXPECT_TRUE(demandesDuDisque.isEmpty());
    EXPECT_TRUE(fake.messages.shown.isEmpty());
}

TEST_F(PowersOfTen, ThreeStepsDownFromTheUniverseReachTheNearestStar) {
    creerImages(fake.appDir.path() + u'/');
    demanderPage(navigateur, univers);
    for (int i = 0; i < 3; ++i)
        Command9_Click(navigateur);
    EXPECT_EQ(m.Label24->text(), u"15");
    EXPECT_EQ(m.Label25->text(), u"La plus proche étoile est à 10 fois la largeur de cette image.");
    EXPECT_FALSE(m.Command9->isHidden());
    EXPECT_FALSE(m.command11->isHidden());
}

TEST_F(PowersOfTen, LeftAtTheBacteriumTheViewerReopensWithoutItsSpecies) {
    creerImages(fake.appDir.path() + u'/');
    demanderPage(navigateur, univers);
    for (int i = 0; i < 10; ++i)
        Command9_Click(navigateur);
    ASSERT_FALSE(m.Label8->isHidden());
    demanderPage(navigateur, QStringLiteral("1.1. Les atomes"));
    demanderPage(navigateur, univers);
    EXPECT_EQ(m.Label25->text(), u"L'Univers et ses milliers d'amas de galaxies.");
    EXPECT_TRUE(m.Label8->isHidden());
}

TEST_F(PowersOfTen, APictureMissingBesideTheProgramIsTakenFromTheDataFolder) {
    QTemporaryDir disque;
    repertoireDonnees = disque.path() + u'/';
    creerImages(repertoireDonnees);
    demanderPage(navigateur, univers);

    Command9_Click(navigateur);

    EXPECT_EQ(largeurImage(), 11);
    EXPECT_EQ(m.Label25->text(), u"Une galaxie spirale.");
    EXPECT_TRUE(demandesDuDisque.isEmpty());
}

TEST_F(PowersOfTen, APictureNowhereAndTheDiscRefusedShowsTheGeneralSummary) {
    demanderPage(navigateur, univers);

    Command9_Click(navigateur);

    EXPECT_EQ(demandesDuDisque, QStringList{u"GLIL1109Bg.JPG"_qs});
    EXPECT_EQ(m.windowTitle(), u"Solstice - LUMEN");
    EXPECT_TRUE(m.Frame1->isHidden());
    EXPECT_EQ(state.historique[state.positionHistorique], u"soma0");
}

TEST_F(PowersOfTen, ADamagedPictureIsReportedAndTheViewerGoesOn) {
    creerImages(fake.appDir.path() + u'/');
    QFile abime(fake.appPath(u"GLIL1109Bg.JPG"_qs));
    ASSERT_TRUE(abime.open(QIODevice::WriteOnly | QIODevice::Truncate));
    abime.write("pas une image");
    abime.close();
    demanderPage(navigateur, univers);
    fake.messages.answerNext(Messages::Answer::Ok);
    fake.messages.answerNext(Messages::Answer::Ok);
    Command9_Click(navigateur);
    Command9_Click(navigateur);
    const int avant = largeurImage();
    command11_Click(navigateur);

    ASSERT_EQ(fake.messages.shown.size(), 2);
    EXPECT_EQ(fake.messages.shown[1].title, u"Fichier non trouvé");
    EXPECT_EQ(fake.messages.shown[1].text,
              u"Impossible de trouver le fichier "_qs + fake.appPath(u"GLIL1109Bg.JPG"_qs));
    EXPECT_EQ(largeurImage(), avant) << "the previous picture stays";
    EXPECT_EQ(m.Label24->text(), u"21");
    EXPECT_EQ(m.Label25->text(), u"Une galaxie spirale.");
    EXPECT_FALSE(m.Picture4->isHidden());
}

} // namespace
