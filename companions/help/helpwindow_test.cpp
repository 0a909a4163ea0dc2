#include "helpwindow.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace {

class HelpWindowTest : public ::testing::Test {
protected:
    HelpWindowTest() {
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        picture.save(dir.filePath(QStringLiteral("table.png")));
    }

    HelpFile help = parseHelp(QStringLiteral("Aide du logiciel Galvane\n"
                                             "# Bienvenue\nLe cours et ses vidéos.\n"
                                             "# Les tables des matières\nDéplier un chapitre.\n"
                                             "! table.png La table de la chimie.\n"
                                             "# Les vidéos d'expériences\nSept boutons.\n"
                                             "# La machine à calculer\nLa touche EXE.\n"));
    QTemporaryDir dir;
    HelpWindow window{help, dir.path()};
    QListWidget* sommaire = window.findChild<QListWidget*>(QStringLiteral("sommaire"));
    QLineEdit* recherche = window.findChild<QLineEdit*>(QStringLiteral("recherche"));
    QLabel* resultat = window.findChild<QLabel*>(QStringLiteral("resultat"));
    QTextBrowser* page = window.findChild<QTextBrowser*>(QStringLiteral("page"));

    QStringList listed() const {
        QStringList titles;
        for (int i = 0; i < sommaire->count(); ++i) {
            if (!sommaire->item(i)->isHidden())
                titles.append(sommaire->item(i)->text());
        }
        return titles;
    }
};

TEST_F(HelpWindowTest, OpensAtTheContentsWithTheFirstTopicShown) {
    window.show();
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Aide du logiciel Galvane"));
    EXPECT_EQ(listed(),
              (QStringList{QStringLiteral("Bienvenue"), QStringLiteral("Les tables des matières"),
                           QStringLiteral("Les vidéos d'expériences"),
                           QStringLiteral("La machine à calculer")}));
    EXPECT_EQ(sommaire->currentRow(), 0);
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("Le cours et ses vidéos.")));
    EXPECT_FALSE(resultat->isVisible());
}

TEST_F(HelpWindowTest, AChosenTopicIsShownWithItsPicture) {
    sommaire->setCurrentRow(1);
    EXPECT_TRUE(page->toPlainText().startsWith(QStringLiteral("Les tables des matières")));
    EXPECT_TRUE(page->toPlainText().contains(QStringLiteral("La table de la chimie.")));
    const QVariant picture =
        page->loadResource(QTextDocument::ImageResource, QUrl(QStringLiteral("table.png")));
    EXPECT_EQ(QImage::fromData(picture.toByteArray()).size(), QSize(40, 30));
}

TEST_F(HelpWindowTest, SearchKeepsTheTopicsHoldingEveryWordWhateverTheirCaseAndAccents) {
    window.show();
    const struct {
        const char* words;
        QStringList topics;
        const char* message;
    } cases[] = {
        {"vidéos",
         {QStringLiteral("Bienvenue"), QStringLiteral("Les vidéos d'expériences")},
         "2 sujets trouvés."},
        {"VIDEOS sept", {QStringLiteral("Les vidéos d'expériences")}, "1 sujet trouvé."},
        {"chimie", {QStringLiteral("Les tables des matières")}, "1 sujet trouvé."},
        {"pendule", {}, "Aucun sujet ne contient « pendule »."},
    };
    for (const auto& c : cases) {
        recherche->setText(QString::fromUtf8(c.words));
        EXPECT_EQ(listed(), c.topics) << c.words;
        EXPECT_EQ(resultat->text(), QString::fromUtf8(c.message)) << c.words;
        EXPECT_TRUE(resultat->isVisible());
        if (!c.topics.isEmpty())
            EXPECT_TRUE(page->toPlainText().startsWith(c.topics[0])) << c.words;
        else
            EXPECT_TRUE(page->toPlainText().isEmpty()) << c.words;
    }
    recherche->clear();
    EXPECT_EQ(listed().size(), 4);
    EXPECT_FALSE(resultat->isVisible());
}

TEST_F(HelpWindowTest, TheWordsSearchedForAreMarkedInTheTopic) {
    recherche->setText(QStringLiteral("boutons"));
    const QList<QTextEdit::ExtraSelection> marks = page->extraSelections();
    ASSERT_EQ(marks.size(), 1);
    EXPECT_EQ(marks[0].cursor.selectedText(), QStringLiteral("boutons"));
}

} // namespace
