// The navigator over copies of the fixture course damaged one way each: start-up, then
// the path that reads the damaged file, then a healthy page to show the window still
// answers.

#include "common/recordfile.h"
#include "dictionary/coordon.h"
#include "dictionary/dictionaryloading.h"
#include "dictionary/htrub.h"
#include "navigator/contentdatabase.h"
#include "navigator/multim.h"
#include "navigator/navigation.h"
#include "platform/forms/formlabel.h"
#include "platform/richtext/richtextbox.h"
#include "platform/testing/fakeplatform.h"
#include "quiz/exo.h"
#include "shell/applicationstate.h"
#include "shell/startup.h"
#include "shell/wiring.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

namespace {

struct Cours {
    FakePlatform fake;
    Platform platform = fake.platform();
    ApplicationState state;
    Multim multim{15, 15};

    QString chemin(const QString& nom) const { return fake.appPath(nom); }
    QString repertoire() const { return fake.appDir.path() + u'/'; }
    NavigationContexte& nav() { return *state.navigateur; }

    void ecrire(const QString& nom, const QByteArray& octets) {
        QFile::remove(chemin(nom));
        QFile fichier(chemin(nom));
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write(octets);
    }
    void enDossier(const QString& nom) {
        QFile::remove(chemin(nom));
        ASSERT_TRUE(QDir().mkpath(chemin(nom)));
    }
    QByteArray lire(const QString& nom) const {
        QFile fichier(chemin(nom));
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }
    // The raw bytes of record r: a damaged length, bytes Windows-1252 leaves undefined.
    void enregistrement(const QString& nom, int r, const QByteArray& texte, int longueur = -1) {
        QByteArray octets = lire(nom);
        octets.resize(std::max<qsizetype>(octets.size(), qsizetype(r) * 128), '\0');
        QByteArray brut(128, '\0');
        qToLittleEndian(quint16(longueur < 0 ? texte.size() : longueur), brut.data());
        brut.replace(2, texte.size(), texte);
        octets.replace(qsizetype(r - 1) * 128, 128, brut.left(128));
        ecrire(nom, octets);
    }
    void champ(int page, int slot, const QString& texte) {
        ASSERT_TRUE(writeRecord(chemin("GLXNOV.glb"), recordOfSlot(page, slot), texte));
    }
    void question(int n, int decalage, const QString& texte) {
        ASSERT_TRUE(writeRecord(chemin("TC01.GLT"), 10 * n - 5 + decalage, texte));
    }

    // The test window of chapter 1, with `regarder` run on it while it is open.
    void ouvrirTest(std::function<void(Exo&)> regarder) {
        fake.modalWindows.scriptNext([this, regarder](QDialog& dialog) {
            fake.modalWindows.scriptNext([](QDialog&) { return 0; }); // a feedback window
            regarder(static_cast<Exo&>(dialog));
            return 0;
        });
        Q_EMIT multim.testcours(0)->clicked();
    }
    // The index, then the keyword window on `mot`, whose first page is asked for.
    void chercher(const QString& mot, std::function<void(HTRUB&)> regarder = {}) {
        fake.modalWindows.scriptNext([mot](QDialog& dialog) {
            auto& index = static_cast<Coordon&>(dialog);
            const auto trouves =
                index.List2->findItems(mot, Qt::MatchExactly | Qt::MatchCaseSensitive);
            EXPECT_EQ(trouves.size(), 1) << mot.toStdString();
            if (!trouves.isEmpty()) {
                index.List2->setCurrentItem(trouves.first());
                Q_EMIT index.List2->itemDoubleClicked(trouves.first());
            }
            return dialog.result();
        });
        fake.modalWindows.scriptNext([regarder](QDialog& dialog) {
            auto& motCle = static_cast<HTRUB&>(dialog);
            if (regarder)
                regarder(motCle);
            motCle.Command1->click();
            return dialog.result();
        });
        multim.command4->click();
    }
};

QByteArray records(const QStringList& textes) {
    QByteArray octets;
    for (const QString& texte : textes) {
        QByteArray brut(128, '\0');
        const QByteArray latin = texte.toLatin1();
        qToLittleEndian(quint16(latin.size()), brut.data());
        brut.replace(2, latin.size(), latin);
        octets += brut.left(128);
    }
    return octets;
}

// The test window's arrow to the next question.
void suivante(Exo& exo) {
    Q_EMIT exo.command4->mouseReleased(Qt::LeftButton, QPoint(1, 1));
}

struct Boite {
    QString titre;
    QString texte; // "@" stands for the application directory
};

const QString erreurBase =
    QStringLiteral("La base de données est inaccessible ou n'est pas à jour.");
const Boite baseInaccessible{QStringLiteral("ERREUR FATALE"), erreurBase};
const Boite texteIllisible{QStringLiteral("Fichier non trouvé"),
                           QStringLiteral("Impossible de trouver le fichier @atomes.rtf")};
const Boite cdAbsent{QStringLiteral("CD-ROM absent"),
                     QStringLiteral("Veuillez introduire le CD-ROM « GALVANE » dans le lecteur.")};
const QString atomes = QStringLiteral("1.1. Les atomes");
const QString noyau = QStringLiteral("1.2. Le noyau");

struct Cas {
    const char* nom;
    std::function<void(Cours&)> abimer;
    std::function<void(Cours&)> parcourir;
    QList<Boite> boites;                      // the message boxes the path shows, in order
    std::function<void(Cours&)> verifier{};   // the fallback it gives
    bool finDuProgramme = false;              // start-up ends the program instead
    const char* pageSaine = "1.3. Vue large"; // a page the damage leaves whole
};

void rien(Cours&) {}

// Without the version the installer is asked for; there is no disc to give it.
const Boite finInstallation{
    QStringLiteral("Fin de l'installation"),
    QStringLiteral("Introduire le CD ROM Galvane dans le lecteur pour terminer l'installation.")};
void refuserLeCd(Cours& c) {
    c.fake.messages.answerNext(Messages::Answer::Cancel);
}
void pasDInstallateur(Cours& c) {
    EXPECT_TRUE(c.fake.processes.started.isEmpty());
}

const QByteArray indefinis("\x81\x8d\x8f\x90\x9d", 5);

const Cas cas[] = {
    // The content database.
    {"base vide",
     [](Cours& c) { c.ecrire("GLXNOV.glb", {}); },
     rien,
     {},
     [](Cours& c) { EXPECT_EQ(c.fake.processes.started.last().program, "DEPLOY2.EXE"); },
     true},
    {"base coupée dans la clé de la page 2",
     [](Cours& c) { c.ecrire("GLXNOV.glb", c.lire("GLXNOV.glb").left(19 * 128 + 8)); },
     [](Cours& c) { demanderPage(c.nav(), noyau); },
     {baseInaccessible},
     [](Cours& c) { EXPECT_EQ(c.multim.ettext(1)->text(), "1.2. L"); },
     false,
     "1.1. Les atomes"},
    {"longueur 300 dans une clé",
     [](Cours& c) { c.enregistrement("GLXNOV.glb", 10, atomes.toLatin1(), 300); },
     [](Cours& c) { Q_EMIT c.multim.ettext(0)->clicked(); },
     {},
     [](Cours& c) {
         EXPECT_EQ(c.multim.ettext(0)->text(), atomes);
         EXPECT_EQ(c.state.navigation.cleCourante, atomes);
     }},
    {"longueur 65 535 dans un titre",
     [](Cours& c) { c.enregistrement("GLXNOV.glb", 29, "Chimie-Le noyau", 65535); },
     [](Cours& c) { demanderPage(c.nav(), noyau); },
     {},
     [](Cours& c) { EXPECT_EQ(c.multim.windowTitle(), "Chimie"); }},
    {"octets indéfinis dans une clé, un titre et un lien",
     [](Cours& c) {
         c.enregistrement("GLXNOV.glb", 20, "noyau" + indefinis);
         c.enregistrement("GLXNOV.glb", 29, indefinis + "-Titre");
         c.enregistrement("GLXNOV.glb", 16, "noyau" + indefinis);
     },
     [](Cours& c) {
         demanderPage(c.nav(), atomes);
         Q_EMIT c.multim.suite->mouseReleased(Qt::LeftButton, QPoint(1, 1));
     },
     {},
     [](Cours& c) {
         EXPECT_EQ(c.state.navigation.cleCourante.left(5), "noyau");
         EXPECT_EQ(c.multim.ettext(1)->text(), c.state.navigation.cleCourante);
     }},
    // The page's text, picture, style and module.
    {"texte qui est un dossier",
     [](Cours& c) { c.enDossier("atomes.rtf"); },
     [](Cours& c) { demanderPage(c.nav(), atomes); },
     {texteIllisible}},
    {"texte absent",
     [](Cours& c) { QFile::remove(c.chemin("atomes.rtf")); },
     [](Cours& c) {
         c.fake.messages.answerNext(Messages::Answer::Cancel);
         demanderPage(c.nav(), atomes);
     },
     {cdAbsent},
     [](Cours& c) { EXPECT_TRUE(c.multim.menugeneral->isVisible()); }},
    {"texte vide",
     [](Cours& c) { c.ecrire("atomes.rtf", {}); },
     [](Cours& c) { demanderPage(c.nav(), atomes); },
     {texteIllisible},
     [](Cours& c) { EXPECT_TRUE(c.multim.texteur->plainText().isEmpty()); }},
    {"texte qui est un JPEG",
     [](Cours& c) { c.ecrire("atomes.rtf", c.lire("noyau.jpg")); },
     [](Cours& c) { demanderPage(c.nav(), atomes); },
     {texteIllisible}},
    {"texte coupé au milieu d'un groupe",
     [](Cours& c) {
         c.ecrire("atomes.rtf", R"({\rtf1\ansi{\fonttbl{\f0 Arial;}}\f0 Les at{\b om)");
     },
     [](Cours& c) { demanderPage(c.nav(), atomes); },
     {},
     [](Cours& c) { EXPECT_TRUE(c.multim.texteur->plainText().startsWith("Les at")); }},
    {"texte à 100 000 groupes imbriqués",
     [](Cours& c) {
         c.ecrire("atomes.rtf",
                  "{\\rtf1 " + QByteArray(100000, '{') + "x" + QByteArray(100000, '}'));
     },
     [](Cours& c) { demanderPage(c.nav(), atomes); },
     {}},
    {"image qui est du texte",
     [](Cours& c) { c.ecrire("noyau.jpg", "pas une image"); },
     [](Cours& c) { demanderPage(c.nav(), noyau); },
     {{"Fichier non trouvé", "Impossible de trouver le fichier @noyau.jpg"}}},
    {"image vide",
     [](Cours& c) { c.ecrire("noyau.jpg", {}); },
     [](Cours& c) { demanderPage(c.nav(), noyau); },
     {{"Fichier non trouvé", "Impossible de trouver le fichier @noyau.jpg"}}},
    {"style 99999",
     [](Cours& c) { c.champ(2, 8, "99999"); },
     [](Cours& c) { demanderPage(c.nav(), noyau); },
     {},
     [](Cours& c) { EXPECT_EQ(c.state.navigation.styleCourant, 32767); }},
    {"module 1E9",
     [](Cours& c) { c.champ(1, 2, "1E9"); },
     [](Cours& c) { demanderPage(c.nav(), atomes); },
     {},
     [](Cours& c) { EXPECT_EQ(readRecord(c.chemin("TEMPO.GXS"), 26), " 32767"); }},
    {"module abc",
     [](Cours& c) { c.champ(1, 2, "abc"); },
     [](Cours& c) { demanderPage(c.nav(), atomes); },
     {},
     [](Cours& c) { EXPECT_TRUE(c.multim.Imagexe->isHidden()); }},
    // The history and the video pages over damaged pages.
    {"historique sur une page au texte coupé",
     [](Cours& c) { c.ecrire("atomes.rtf", "{\\rtf1 {{{"); },
     [](Cours& c) {
         demanderPage(c.nav(), atomes);
         demanderPage(c.nav(), noyau);
         Q_EMIT c.multim.avant->clicked();
         EXPECT_EQ(c.state.navigation.cleCourante, atomes);
         Q_EMIT c.multim.apres->clicked();
     },
     {},
     [](Cours& c) { EXPECT_EQ(c.state.navigation.cleCourante, noyau); }},
    {"vidéo et image fixe qui sont du texte",
     [](Cours& c) {
         c.ecrire("chute.avi", "pas une vidéo");
         c.ecrire("chute.jpg", "pas une image");
     },
     [](Cours& c) {
         demanderPage(c.nav(), atomes);
         Q_EMIT c.multim.projo->clicked();
         Q_EMIT c.multim.Image4(0)->clicked();
     },
     {{"Fichier non trouvé", "Impossible de trouver le fichier @chute.jpg"}},
     [](Cours& c) { EXPECT_EQ(c.state.navigation.cleCourante, "Vidéo : la chute"); }},
    // The test of chapter 1.
    {"test de 30 000 questions",
     [](Cours& c) { ASSERT_TRUE(writeRecord(c.chemin("TC01.GLT"), 3, "30000")); },
     [](Cours& c) {
         c.ouvrirTest([](Exo& exo) { EXPECT_EQ(exo.noa->text(), "Question 1 / 100 :"); });
     },
     {}},
    {"test de −5 questions",
     [](Cours& c) { ASSERT_TRUE(writeRecord(c.chemin("TC01.GLT"), 3, "-5")); },
     [](Cours& c) { Q_EMIT c.multim.testcours(0)->clicked(); },
     {{"Choix impossible", "Le test @TC01.GLT ne contient aucune question."}}},
    {"test de « abc » questions",
     [](Cours& c) { ASSERT_TRUE(writeRecord(c.chemin("TC01.GLT"), 3, "abc")); },
     [](Cours& c) { Q_EMIT c.multim.testcours(0)->clicked(); },
     {{"Choix impossible", "Le test @TC01.GLT ne contient aucune question."}}},
    {"question de nature 7",
     [](Cours& c) { c.question(1, 0, "7"); },
     [](Cours& c) {
         c.ouvrirTest([](Exo& exo) {
             EXPECT_EQ(exo.noa->text(), "Question 1 / 3 :");
             Q_EMIT exo.command5->clicked();
         });
     },
     {},
     [](Cours& c) {
         EXPECT_EQ(c.fake.modalWindows.shown, QList<QString>{"exo"}) << "no judgement";
     }},
    {"question à 9 choix",
     [](Cours& c) { c.question(1, 1, "9"); },
     [](Cours& c) { c.ouvrirTest([](Exo& exo) { EXPECT_FALSE(exo.Option1(4)->isHidden()); }); },
     {}},
    {"réponse attendue 99 999 999",
     [](Cours& c) { c.question(2, 7, "99999999"); },
     [](Cours& c) {
         c.ouvrirTest([](Exo& exo) {
             suivante(exo);
             exo.Check1(0)->setChecked(true);
             Q_EMIT exo.command5->clicked();
         });
     },
     {},
     [](Cours& c) {
         EXPECT_EQ(c.fake.modalWindows.shown, (QList<QString>{"exo", "Cfaux"}))
             << "read as 32 767, which no ticking gives";
     }},
    {"document sans marques",
     [](Cours& c) { c.ecrire("TC01.rtf", "{\\rtf1 Rien ici}"); },
     [](Cours& c) {
         c.ouvrirTest([](Exo& exo) { EXPECT_TRUE(exo.Rtfexo->plainText().isEmpty()); });
     },
     {}},
    {"document qui est un dossier",
     [](Cours& c) { c.enDossier("TC01.rtf"); },
     [](Cours& c) { Q_EMIT c.multim.testcours(0)->clicked(); },
     {{"Edition impossible", "Fichier @TC01.rtf introuvable."}}},
    {"image de question absente",
     [](Cours& c) { QFile::remove(c.chemin("noyau.jpg")); },
     [](Cours& c) {
         c.ouvrirTest([](Exo& exo) {
             suivante(exo);
             EXPECT_FALSE(exo.Image1->isHidden());
         });
     },
     {}},
    {"image de question qui n'en est pas une",
     [](Cours& c) { c.ecrire("noyau.jpg", "texte"); },
     [](Cours& c) {
         c.ouvrirTest([](Exo& exo) {
             suivante(exo);
             EXPECT_FALSE(exo.Image1->isHidden());
         });
     },
     {}},
    // The dictionary.
    {"dictionnaire de 20 000 entrées",
     [](Cours& c) {
         QStringList textes{"DICO GL"};
         for (int i = 0; i < 20000; ++i)
             textes << QStringLiteral("mot%1").arg(i, 5, 10, QChar(u'0')) << noyau;
         c.ecrire("GLX.DIC", records(textes));
     },
     [](Cours& c) { c.chercher("mot16382"); },
     {},
     [](Cours& c) {
         EXPECT_EQ(motsClesTries(c.state.dictionnaire).size(), 16383) << "the records end at 32767";
         EXPECT_EQ(c.state.navigation.cleCourante, noyau);
     }},
    {"mot clé de 126 octets",
     [](Cours& c) { ASSERT_TRUE(writeRecord(c.chemin("GLX.DIC"), 2, QString(126, u'a'))); },
     [](Cours& c) {
         c.chercher(QString(126, u'a'),
                    [](HTRUB& h) { EXPECT_EQ(h.Labelcle->text(), QString(126, u'a')); });
     },
     {},
     [](Cours& c) { EXPECT_EQ(c.state.navigation.cleCourante, atomes); }},
    {"page que la base ne connaît pas",
     [](Cours& c) { ASSERT_TRUE(writeRecord(c.chemin("GLX.DIC"), 9, "9.9. Page perdue")); },
     [](Cours& c) { c.chercher("noyau"); },
     {baseInaccessible}},
    // The flag file.
    {"fiche qui est un dossier",
     [](Cours& c) {
         c.enDossier("TEMPO.GXS");
         refuserLeCd(c);
     },
     rien,
     {finInstallation},
     pasDInstallateur,
     true},
    {"fiche d'un octet",
     [](Cours& c) {
         c.ecrire("TEMPO.GXS", "\x03");
         refuserLeCd(c);
     },
     rien,
     {finInstallation},
     pasDInstallateur,
     true},
    {"fiche de 10 Mo de bruit",
     [](Cours& c) {
         QByteArray bruit(10 * 1024 * 1024, '\0');
         QRandomGenerator graine(15);
         graine.fillRange(reinterpret_cast<quint32*>(bruit.data()), bruit.size() / 4);
         c.ecrire("TEMPO.GXS", bruit);
         refuserLeCd(c);
     },
     rien,
     {finInstallation},
     pasDInstallateur,
     true},
    {"fiche en lecture seule",
     [](Cours& c) {
         ASSERT_TRUE(writeRecord(c.chemin("TEMPO.GXS"), 3, "OUI"));
         QFile::setPermissions(c.chemin("TEMPO.GXS"), QFile::ReadOwner);
     },
     [](Cours& c) {
         // The superuser writes it all the same: start-up's reset then marks module 3
         // stopped, and nothing is asked.
         const bool protegee = !QFileInfo(c.chemin("TEMPO.GXS")).isWritable();
         if (protegee)
             c.fake.messages.answerNext(Messages::Answer::No);
         Q_EMIT c.multim.Image6(1)->clicked();
         EXPECT_EQ(readRecord(c.chemin("TEMPO.GXS"), 3), protegee ? "OUI" : "NON");
         EXPECT_EQ(c.fake.messages.shown.size(), protegee ? 1 : 0);
         EXPECT_EQ(c.fake.processes.started.size(), protegee ? 0 : 1);
         c.fake.messages.shown.clear();
     },
     {}},
};

void PrintTo(const Cas& c, std::ostream* os) {
    *os << c.nom;
}

class DamagedCourse : public ::testing::TestWithParam<Cas> {};

TEST_P(DamagedCourse, TheNavigatorGivesItsMessageOrFallbackAndStillAnswers) {
    const Cas& cas = GetParam();
    Cours c;
    const QDir fixture(QStringLiteral(FIXTURE_APP));
    for (const QString& nom : fixture.entryList(QDir::Files))
        ASSERT_TRUE(QFile::copy(fixture.filePath(nom), c.chemin(nom)));
    c.ecrire("dispotune.exe", {});
    cas.abimer(c);
    c.fake.messages.acceptInformation(true);
    connecterCommandes(c.multim, c.platform, c.state);

    bool fini = false;
    try {
        demarrer(c.platform, c.multim, c.state);
        // The chapters and module icons, as the first summary view builds them.
        c.multim.chapitres.construire();
        c.multim.modules.construire();
        cas.parcourir(c);
    } catch (const ProgramEnded&) {
        fini = true;
    }
    EXPECT_EQ(fini, cas.finDuProgramme);
    std::vector<std::string> attendues, montrees;
    for (const Boite& b : cas.boites)
        attendues.push_back(
            (b.titre + " / " + QString(b.texte).replace(u'@', c.repertoire())).toStdString());
    for (const FakeMessages::Box& b : c.fake.messages.shown)
        montrees.push_back((b.title + " / " + b.text).toStdString());
    EXPECT_EQ(montrees, attendues);
    if (cas.verifier)
        cas.verifier(c);
    if (fini)
        return;

    // A healthy page still opens, with its caption and its text.
    c.fake.messages.shown.clear();
    demanderPage(c.nav(), QString::fromUtf8(cas.pageSaine));
    EXPECT_TRUE(c.fake.messages.shown.isEmpty());
    EXPECT_TRUE(c.multim.isVisible());
    EXPECT_EQ(c.state.navigation.cleCourante, QString::fromUtf8(cas.pageSaine));
    EXPECT_EQ(c.multim.windowTitle(), QStringLiteral("Chimie"));
    EXPECT_FALSE(c.multim.texteur->plainText().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Matrix, DamagedCourse, ::testing::ValuesIn(cas),
                         [](const ::testing::TestParamInfo<Cas>& info) {
                             return std::to_string(info.index);
                         });

} // namespace
