#include "navigator/testing/navigationharness.h"
#include "platform/richtext/richtextbox.h"
#include "platform/testing/listitems.h"
#include "search/recherche.h"
#include "search/searchcommands.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

namespace {

// What the keyboard sends for each character typed.
void taper(QWidget* widget, const QString& texte) {
    for (const QChar c : texte) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void touche(QWidget* widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// The fixture course: atomes.rtf ("L'atome est formé d'un noyau et d'électrons.") is
// the text of "1.1. Les atomes", "Une page\rcourte" and "Image absente"; noyau.rtf
// ("Le noyau contient des protons et des neutrons.") of "1.2. Le noyau" and
// "1.7. Miniature".
class SearchWindow : public NavigationHarness {
protected:
    SearchWindow() {
        installerRecherche(m, [this] { return contexte; });
    }

    void puis(std::function<void(Recherche&)> act) {
        fake.modalWindows.scriptNextAs<Recherche>(std::move(act));
    }

    QAction* rechercher() { return m.findChild<QAction*>(QStringLiteral("rechercher")); }
    void f3() { m.findChild<QShortcut*>(QStringLiteral("suivante"))->activated(); }

    EtatRecherche etat;
    RechercheContexte contexte{navigateur, etat};
};

TEST_F(SearchWindow, CtrlFListsThePagesSayingAWordAndOpensOneAtItsMatch) {
    ASSERT_NE(rechercher(), nullptr);
    EXPECT_EQ(rechercher()->text(), "Rechercher dans le cours…");
    EXPECT_EQ(rechercher()->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));
    EXPECT_EQ(m.contextMenuPolicy(), Qt::ActionsContextMenu);
    EXPECT_TRUE(m.actions().contains(rechercher()));

    puis([](Recherche& fenetre) {
        EXPECT_EQ(fenetre.windowTitle(), "Rechercher dans le cours");
        EXPECT_TRUE(fenetre.List1->count() == 0);
        taper(fenetre.Text1, "ELECTRON");
        const QString ligne = QStringLiteral("\nL'atome est formé d'un noyau et d'électrons.");
        EXPECT_EQ(items(*fenetre.List1),
                  (QStringList{"Les atomes" + ligne, "Une page courte" + ligne,
                               "Image absente" + ligne}));
        EXPECT_EQ(fenetre.List1->currentRow(), 0);
        EXPECT_FALSE(fenetre.Label2->isVisibleTo(&fenetre));
        fenetre.Command1->click();
    });
    rechercher()->trigger();

    EXPECT_EQ(fake.modalWindows.shown, QStringList{"recherche"});
    EXPECT_EQ(state.cleCourante, "1.1. Les atomes");
    EXPECT_EQ(state.historique[state.positionHistorique], "1.1. Les atomes");
    EXPECT_EQ(fake.mediaControl.log.first(), "Close");
    EXPECT_EQ(m.texteur->selectedText(), "électron");
    EXPECT_TRUE(demandesDuDisque.isEmpty());
}

TEST_F(SearchWindow, F3GoesToTheNextMatchOnThePageAndRoundAgain) {
    puis([](Recherche& fenetre) {
        taper(fenetre.Text1, "des n");
        EXPECT_EQ(items(*fenetre.List1).size(), 2);
        touche(fenetre.Text1, Qt::Key_Down); // the arrows move in the list from the text box
        EXPECT_EQ(fenetre.List1->currentRow(), 1);
        touche(fenetre.Text1, Qt::Key_Return);
    });
    ouvrirRecherche(contexte);
    EXPECT_EQ(state.cleCourante, "1.7. Miniature");

    // "Le noyau contient des protons et des neutrons."
    const QList<std::pair<int, QString>> attendues = {
        {3, "n"}, {18, "des"}, {33, "des"}, {37, "n"}, {3, "n"}};
    EXPECT_EQ(m.texteur->selectionStart(), 3);
    for (int i = 1; i < attendues.size(); ++i) {
        f3();
        EXPECT_EQ(m.texteur->selectionStart(), attendues[i].first) << i;
        EXPECT_EQ(m.texteur->selectedText(), attendues[i].second) << i;
    }
}

TEST_F(SearchWindow, NothingFoundSaysSoAndTheTextIsKeptForNextTime) {
    puis([](Recherche& fenetre) {
        taper(fenetre.Text1, "atome zinc");
        EXPECT_TRUE(fenetre.Label2->isVisibleTo(&fenetre));
        EXPECT_EQ(fenetre.Label2->text(), "Aucune page du cours ne contient ces mots.");
        EXPECT_FALSE(fenetre.List1->isVisibleTo(&fenetre));
        EXPECT_FALSE(fenetre.Command1->isEnabled());
        touche(fenetre.Text1, Qt::Key_Return); // nothing to open
        fenetre.Command2->click();
    });
    ouvrirRecherche(contexte);
    EXPECT_TRUE(state.cleCourante.isEmpty());

    puis([](Recherche& fenetre) {
        EXPECT_EQ(fenetre.Text1->text(), "atome zinc");
        EXPECT_EQ(fenetre.Text1->selectedText(), "atome zinc"); // typing replaces it
        fenetre.Text1->end(false);
        fenetre.Text1->backspace();
        fenetre.Text1->backspace();
        fenetre.Text1->backspace();
        fenetre.Text1->backspace();
        EXPECT_EQ(fenetre.List1->count(), 3);
        fenetre.Command2->click();
    });
    ouvrirRecherche(contexte);
}

TEST_F(SearchWindow, TheIndexIsBuiltOnFirstUseWithoutTheDiscFromTitlesWhereTextsAreMissing) {
    ASSERT_TRUE(QFile::remove(fake.appPath(QStringLiteral("chute.rtf"))));
    EXPECT_EQ(etat.index, nullptr);
    puis([](Recherche& fenetre) {
        taper(fenetre.Text1, "chute");
        EXPECT_EQ(items(*fenetre.List1), QStringList{"Vidéo : la chute"});
        taper(fenetre.Text1, " bille"); // its text is not there to say it
        EXPECT_EQ(fenetre.List1->count(), 0);
        fenetre.Command2->click();
    });
    ouvrirRecherche(contexte);
    ASSERT_NE(etat.index, nullptr);
    const IndexRecherche* premier = etat.index.get();

    puis([](Recherche& fenetre) { fenetre.Command2->click(); });
    ouvrirRecherche(contexte);
    EXPECT_EQ(etat.index.get(), premier);
    EXPECT_TRUE(demandesDuDisque.isEmpty());
}

} // namespace
