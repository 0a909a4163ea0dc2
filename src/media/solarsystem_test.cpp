#include "media/solarsystem.h"
#include "navigator/testing/navigationharness.h"
#include "platform/forms/picturebox.h"
#include "platform/richtext/richtextbox.h"

#include <QTextBlock>
#include <QTextCursor>

namespace {

const QString systemeSolaire = QStringLiteral("Le système solaire");

const QString ficheTerre =
    u"Terre\r\n"
    "\tDiamètre : 1,276.104 km\tRapport de la pesanteur à celle régnant sur Terre : 1"
    "\tTempérature : 17 °C\r\n"
    "\tDistance au Soleil : 1,000 UA\tPériode de révolution : 365,25 jours"
    "\tDensité par rapport à l'eau : 5,5\r\n"
    "\tMasse : 5,98.1024 kg\t\tNombre de satellites : 1 (la Lune)"_qs;

class SolarSystem : public NavigationHarness {
protected:
    SolarSystem() { connecterFenetre(navigateur); }

    void survoler(QPoint point) { Picture4_MouseMove(m, state, point); }

    // The character format at box position `at` of the page text.
    QTextCharFormat formatA(int at) {
        m.texteur->select(at, 1);
        QTextCursor curseur = m.texteur->textCursor();
        curseur.setPosition(curseur.selectionEnd());
        return curseur.charFormat();
    }
};

TEST_F(SolarSystem, EnteringABodyWritesItsSheetInPlaceOfThePageText) {
    demanderPage(navigateur, systemeSolaire);
    ASSERT_EQ(state.modeInteractif, 1);

    survoler({530, 200});

    EXPECT_EQ(state.astreAffiche, u"Terre");
    RichTextBox& texte = *m.texteur;
    EXPECT_EQ(texte.plainText(), ficheTerre);
    EXPECT_EQ(texte.textCursor().position(), 0) << "the sheet shows from its name";

    const QTextCharFormat nom = formatA(0);
    EXPECT_EQ(nom.fontFamilies().toStringList().value(0), u"Arial");
    EXPECT_EQ(nom.foreground().color(), QColor(0, 128, 0));
    EXPECT_EQ(nom.fontPointSize(), 14);
    EXPECT_EQ(texte.document()->firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);

    const int base = texte.plainText().indexOf(u"1,276");
    const int exposant = texte.plainText().indexOf(u"104 km") + 2;
    EXPECT_EQ(formatA(base).fontPointSize(), 10);
    EXPECT_EQ(formatA(base).foreground().color(), QColor(Qt::black));
    EXPECT_EQ(formatA(base).verticalAlignment(), QTextCharFormat::AlignNormal);
    EXPECT_EQ(formatA(exposant).fontPointSize(), 8);
    EXPECT_GT(formatA(exposant).baselineOffset(), 0) << "the exponent is raised";
    EXPECT_EQ(formatA(exposant + 2).fontPointSize(), 10) << "after it the base line returns";
    EXPECT_EQ(formatA(exposant + 2).baselineOffset(), 0);

    for (QTextBlock ligne = texte.document()->firstBlock().next(); ligne.isValid();
         ligne = ligne.next()) {
        QList<int> tabulations;
        for (const QTextOption::Tab& tab : ligne.blockFormat().tabPositions())
            tabulations.append(qRound(tab.position));
        EXPECT_EQ(tabulations, (QList<int>{10, 200, 540}));
        EXPECT_EQ(ligne.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    }
}

TEST_F(SolarSystem, TheSheetChangesOnlyWhenTheMouseEntersAnotherBody) {
    demanderPage(navigateur, systemeSolaire);
    survoler({530, 200});
    int reecritures = 0;
    QObject::connect(m.texteur, &QTextEdit::textChanged, [&] { ++reecritures; });

    survoler({535, 195}); // Terre still
    survoler({300, 200}); // empty sky keeps the sheet
    survoler({530, 200}); // back on Terre
    survoler({180, 70});  // on an edge
    EXPECT_EQ(reecritures, 0);
    EXPECT_EQ(m.texteur->plainText(), ficheTerre);

    survoler({100, 50});
    EXPECT_EQ(state.astreAffiche, u"Neptune");
    EXPECT_TRUE(m.texteur->plainText().startsWith(u"Neptune\r\n\tDiamètre : 4,953.104 km"));
}

TEST_F(SolarSystem, OtherPicturesOnlyComeToTheFront) {
    const QString texteDeLaPage = [&] {
        demanderPage(navigateur, u"1.3. Vue large"_qs);
        return m.texteur->plainText();
    }();
    ASSERT_EQ(state.modeInteractif, 0);
    m.texteur->raise();

    survoler({530, 200});

    EXPECT_EQ(m.texteur->plainText(), texteDeLaPage);
    EXPECT_TRUE(state.astreAffiche.isEmpty());
    EXPECT_EQ(m.children().indexOf(m.Picture4), m.children().size() - 1) << "brought to the front";
}

TEST_F(SolarSystem, AnotherPageMakesTheSolarSystemPageStartAfresh) {
    demanderPage(navigateur, systemeSolaire);
    survoler({530, 200});
    demanderPage(navigateur, u"1.3. Vue large"_qs);
    survoler({530, 200});
    EXPECT_FALSE(m.texteur->plainText().startsWith(u"Terre"));

    demanderPage(navigateur, systemeSolaire);
    EXPECT_TRUE(state.astreAffiche.isEmpty());
    survoler({530, 200});
    EXPECT_EQ(m.texteur->plainText(), ficheTerre) << "the same body shows again";
}

} // namespace
