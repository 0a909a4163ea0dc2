#include "dictionary/coordon.h"
#include "dictionary/dictionarycommands.h"
#include "dictionary/dictionaryloading.h"
#include "dictionary/htrub.h"
#include "dictionary/lier.h"
#include "navigator/testing/navigationharness.h"
#include "platform/testing/listitems.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace {

// What the keyboard sends for each character typed: a press, then a release.
void taper(QWidget* widget, const QString& texte) {
    for (const QChar c : texte) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void entree(QWidget* widget) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(widget, &press);
}

// The fixture course's dictionary: atome (1.1, 1.2), Atome (1.7), noyau (1.2),
// chute libre (the fall video's page).
class DictionaryWindows : public NavigationHarness {
protected:
    DictionaryWindows() {
        dico.cheminDico = fake.appPath(QStringLiteral("GLX.DIC"));
        retenirMotsCles(dico, lireMotsCles(dico.cheminDico));
        // Sorted already, as after the index's first opening: tests may set their own.
        motsClesTries(dico);
        navigateur.fermerFenetres = [this] { fenetres.fermer(); };
    }

    // The scripted user: in the window shown next, `act` on it as `T`.
    template <typename T, typename Act> void puis(Act act) {
        fake.modalWindows.scriptNextAs<T>(std::move(act));
    }

    DictionaryState dico;
    FenetresDictionnaire fenetres;
    DictionnaireContexte contexte{navigateur, dico, fenetres};
};

TEST_F(DictionaryWindows, TypingAKeywordAndShowingItsPageOpensThatPage) {
    puis<Coordon>([](Coordon& index) {
        EXPECT_EQ(index.windowTitle(), "Index alphabétique");
        EXPECT_EQ(index.size(), QSize(302, 431));
        EXPECT_EQ(items(*index.List2), (QStringList{"Atome", "atome", "chute libre", "noyau"}));
        taper(index.Text1, "NO");
        EXPECT_EQ(index.List2->currentItem()->text(), "noyau");
        entree(index.Text1);
    });
    puis<HTRUB>([](HTRUB& motCle) {
        EXPECT_EQ(motCle.windowTitle(), "Mot clé");
        EXPECT_EQ(motCle.Labelcle->text(), "noyau");
        EXPECT_EQ(items(*motCle.Listaz), QStringList{" Le noyau"});
        EXPECT_FALSE(motCle.Label1->isVisibleTo(&motCle));
        EXPECT_EQ(motCle.size(), QSize(454, 304));
        motCle.Command1->click();
    });
    ouvrirIndex(contexte);

    EXPECT_EQ(fake.modalWindows.shown, (QStringList{"coordon", "HTRUB"}));
    EXPECT_EQ(state.cleCourante, "1.2. Le noyau");
    EXPECT_EQ(state.navigationParCle, -1);
    EXPECT_EQ(fake.mediaControl.log.first(), "Close");
    EXPECT_EQ(dico.motChoisi, "noyau");
    EXPECT_EQ(dico.positionIndex, 3);
    EXPECT_EQ(dico.etatIndex, -1);
}

TEST_F(DictionaryWindows, CancellingTheKeywordReopensTheIndexAtIt) {
    puis<Coordon>([](Coordon& index) {
        index.List2->setCurrentRow(2);
        index.List2->itemDoubleClicked(index.List2->item(2));
    });
    puis<HTRUB>([](HTRUB& motCle) {
        EXPECT_EQ(motCle.Labelcle->text(), "chute libre");
        EXPECT_EQ(items(*motCle.Listaz), QStringList{"Vidéo : la chute"});
        motCle.Command2->click();
    });
    puis<Coordon>([](Coordon& index) {
        EXPECT_EQ(index.List2->currentRow(), 2);
        EXPECT_TRUE(index.Text1->text().isEmpty());
        index.Command1->click();
    });
    ouvrirIndex(contexte);

    EXPECT_EQ(fake.modalWindows.shown, (QStringList{"coordon", "HTRUB", "coordon"}));
    EXPECT_EQ(dico.etatIndex, 0);
    EXPECT_TRUE(state.cleCourante.isEmpty());
}

TEST_F(DictionaryWindows, TheKeywordWindowListsRepeatsAndShrinksWhenEmpty) {
    // "atome" is not "Atome": two pages, not three.
    dico.motChoisi = "atome";
    HTRUB avecPages(contexte);
    EXPECT_EQ(items(*avecPages.Listaz), (QStringList{" Les atomes", " Le noyau"}));
    EXPECT_EQ(avecPages.Listaz->currentRow(), 0);

    dico.motChoisi = "inconnu";
    HTRUB vide(contexte);
    EXPECT_TRUE(vide.Label1->isVisibleTo(&vide));
    for (QWidget* cache : {static_cast<QWidget*>(vide.Command1), static_cast<QWidget*>(vide.Label3),
                           static_cast<QWidget*>(vide.Listaz)})
        EXPECT_FALSE(cache->isVisibleTo(&vide)) << cache->objectName().toStdString();
    EXPECT_EQ(vide.Command2->pos(), QPoint(168, 112));
    EXPECT_EQ(vide.height(), 161);
    vide.Command1_Click();
    EXPECT_TRUE(state.cleCourante.isEmpty());
}

TEST_F(DictionaryWindows, TypedLettersSelectTheFirstMatchNearTheTop) {
    dico.motsCles.clear();
    for (int i = 0; i < 100; ++i)
        dico.motsCles.append(QStringLiteral("mot%1").arg(i, 3, 10, QChar(u'0')));
    dico.motsCles[40] = "Élan";
    dico.motsCles[41] = "élément";
    dico.motsCles[60] = "ELLE";
    dico.motsCles[61] = "elle";
    dico.positionIndex = 5;
    Coordon index(contexte);
    EXPECT_EQ(index.List2->currentRow(), 5);

    struct Case {
        const char* typed;
        QList<int> selections; // rows selected, in order; none when it stays put
    };
    const Case cases[] = {
        {"mot095", {99, 95}}, {"MOT01", {22, 10}}, {"el", {72, 60}},
        {"é", {52, 40}},      {"éLé", {53, 41}},   {"e", {72, 60}},
        {"zz", {}},           {"   ", {}},         {"w", {}},
    };
    for (const Case& c : cases) {
        index.List2->setCurrentRow(0);
        index.Text1->clear();
        QList<int> selections;
        const auto spy = QObject::connect(index.List2, &QListWidget::currentRowChanged,
                                          [&](int row) { selections.append(row); });
        taper(index.Text1, QString::fromUtf8(c.typed));
        QObject::disconnect(spy);
        // Each key release searches again: keep the last search's selections.
        const QList<int> dernieres =
            selections.mid(std::max<qsizetype>(0, selections.size() - c.selections.size()));
        EXPECT_EQ(dernieres, c.selections) << c.typed;
        if (c.selections.isEmpty())
            EXPECT_EQ(index.List2->currentRow(), 0) << c.typed;
    }
}

TEST_F(DictionaryWindows, AnIndexOfOneKeywordShowsItAndAnEmptyOneStaysEmpty) {
    dico.motsCles = QStringList{"seul"};
    dico.dernierMotCle = 0;
    Coordon unMot(contexte);
    EXPECT_EQ(items(*unMot.List2), QStringList{"seul"});

    dico.motsCles.clear();
    dico.dernierMotCle = -1;
    Coordon vide(contexte);
    EXPECT_EQ(vide.List2->count(), 0);
    vide.Command2_Click();
    EXPECT_EQ(dico.etatIndex, 0);
    EXPECT_EQ(vide.result(), QDialog::Rejected);
}

TEST_F(DictionaryWindows, RelatedPagesListThoseSharingAKeywordAndOpenTheChosenOne) {
    state.cleCourante = "1.2. Le noyau";
    puis<Lier>([](Lier& liens) {
        EXPECT_EQ(liens.windowTitle(), "Des liens...");
        EXPECT_EQ(items(*liens.List1), (QStringList{" Les atomes", " Le noyau"}));
        EXPECT_EQ(liens.List1->currentRow(), 0);
        liens.List1->setCurrentRow(1);
        liens.Command1->click();
    });
    ouvrirLiens(contexte);
    EXPECT_EQ(state.cleCourante, "1.2. Le noyau");
    EXPECT_EQ(state.navigationParCle, -1);

    puis<Lier>([](Lier& liens) { liens.Command1->click(); });
    ouvrirLiens(contexte);
    EXPECT_EQ(state.cleCourante, "1.1. Les atomes");
}

TEST_F(DictionaryWindows, APageWithoutKeywordsListsNothingAndShowsItselfAgain) {
    state.cleCourante = "1.3. Vue large";
    puis<Lier>([](Lier& liens) {
        EXPECT_EQ(liens.List1->count(), 0);
        liens.Command1->click();
    });
    ouvrirLiens(contexte);
    EXPECT_EQ(state.cleCourante, "1.3. Vue large");
    EXPECT_EQ(state.navigationParCle, -1);
}

TEST_F(DictionaryWindows, AMoveToAnotherPageClosesTheOpenWindow) {
    state.cleCourante = "1.1. Les atomes";
    puis<Lier>([this](Lier& liens) {
        EXPECT_TRUE(liens.isVisible());
        demanderPage(navigateur, "1.2. Le noyau");
        EXPECT_FALSE(liens.isVisible());
    });
    ouvrirLiens(contexte);
}

} // namespace

namespace {

TEST_F(DictionaryWindows, AFocusedButtonShowsAMark) {
    puis<Coordon>([](Coordon& index) {
        index.show();
        index.activateWindow();
        QApplication::processEvents();
        index.Text1->setFocus();
        const QImage unfocused = index.Command2->grab().toImage();
        index.Command2->setFocus();
        ASSERT_TRUE(index.Command2->hasFocus());
        EXPECT_NE(index.Command2->grab().toImage(), unfocused);
        index.Command1->click();
    });
    ouvrirIndex(contexte);
}

} // namespace
