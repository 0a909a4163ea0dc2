#include "helpfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QString topicHtml(const QString& body) {
    const HelpFile help = parseHelp(QStringLiteral("Titre\n# Sujet\n") + body);
    return help.topics.isEmpty() ? QString() : help.topics[0].html;
}

TEST(HelpFile, TheFirstLineIsTheTitleAndEachHashLineOpensATopic) {
    const HelpFile help =
        parseHelp(QStringLiteral("Aide du logiciel Galvane\r\nignoré avant le premier sujet\r\n"
                                 "# Premier\r\nTexte un.\r\n# Second\r\nTexte deux.\r\n"));
    EXPECT_EQ(help.title, QStringLiteral("Aide du logiciel Galvane"));
    ASSERT_EQ(help.topics.size(), 2);
    EXPECT_EQ(help.topics[0].title, QStringLiteral("Premier"));
    EXPECT_EQ(help.topics[0].html, QStringLiteral("<p>Texte un.</p>"));
    EXPECT_EQ(help.topics[1].title, QStringLiteral("Second"));
    EXPECT_EQ(help.topics[1].html, QStringLiteral("<p>Texte deux.</p>"));
}

TEST(HelpFile, EachKindOfLineBecomesItsBlock) {
    const struct {
        const char* body;
        const char* html;
    } cases[] = {
        {"Une ligne\net la suite.\n\nAutre paragraphe.",
         "<p>Une ligne et la suite.</p><p>Autre paragraphe.</p>"},
        {"## Les touches\nTexte.", "<h3>Les touches</h3><p>Texte.</p>"},
        {"Liste :\n- un ;\n- deux.\nFin.",
         "<p>Liste :</p><ul><li>un ;</li><li>deux.</li></ul><p>Fin.</p>"},
        {"    2 * sin 30 + 1   donne 2\n    log 1000",
         "<pre>2 * sin 30 + 1   donne 2\nlog 1000</pre>"},
        {"! aide/table.png La table déployée.",
         "<p align=\"center\"><img src=\"aide/table.png\"/><br/><i>La table déployée.</i></p>"},
        {"Le bouton **&Aide** & <le guide>, S&uivant.",
         "<p>Le bouton <b><u>A</u>ide</b> &amp; &lt;le guide&gt;, S<u>u</u>ivant.</p>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(topicHtml(QString::fromUtf8(c.body)), QString::fromUtf8(c.html)) << c.body;
}

TEST(HelpFile, ASearchLooksInTheTitleTheTextAndTheCaptionsWithoutMarkup) {
    const HelpFile help = parseHelp(
        QStringLiteral("T\n# Les vidéos\n- **lecture** ;\n! aide/v.png Sept boutons\n    2 ^ 3\n"
                       "Le bouton S&uivant.\n"));
    ASSERT_EQ(help.topics.size(), 1);
    const QString text = help.topics[0].text;
    for (const char* word : {"Les vidéos", "lecture ;", "Sept boutons", "2 ^ 3", "Suivant"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(word))) << word;
    EXPECT_FALSE(text.contains(QStringLiteral("**")));
}

TEST(HelpFile, IsReadInWindows1252AndAMissingFileSaysSoInFrench) {
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("GLX.hlp")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Aide\r\n# D\xe9marrer\r\nL'\xe9\x63ran \x96 800 \xd7 600.\r\n");
    file.close();
    const HelpFile help = readHelpFile(file.fileName());
    ASSERT_EQ(help.topics.size(), 1);
    EXPECT_EQ(help.topics[0].title, QStringLiteral("Démarrer"));
    EXPECT_EQ(help.topics[0].html, QStringLiteral("<p>L'écran – 800 × 600.</p>"));

    const HelpFile missing = readHelpFile(dir.filePath(QStringLiteral("absent.hlp")));
    ASSERT_EQ(missing.topics.size(), 1);
    EXPECT_TRUE(
        missing.topics[0].html.contains(QStringLiteral("Le fichier d'aide est introuvable")));
}

TEST(HelpFile, SearchFoldingIgnoresCaseAndAccents) {
    const struct {
        const char* text;
        const char* folded;
    } cases[] = {
        {"Électron", "electron"}, {"VIDÉO", "video"},           {"çà", "ca"},
        {"Cœur", "coeur"},        {"Mendeleïev", "mendeleiev"}, {"800 × 600", "800 × 600"}};
    for (const auto& c : cases)
        EXPECT_EQ(foldForSearch(QString::fromUtf8(c.text)), QString::fromUtf8(c.folded)) << c.text;
}

// The guide the navigator's help button opens, as built into the application directory.
TEST(HelpGuide, KeepsTheTitleTheShutdownLooksForCoversEveryTopicAndHasItsPictures) {
    const HelpFile guide = readHelpFile(QStringLiteral(HELP_GUIDE));
    EXPECT_TRUE(guide.title.contains(QStringLiteral("Aide du logiciel G")));
    QStringList titles;
    for (const HelpTopic& topic : guide.topics)
        titles.append(topic.title);
    for (const char* wanted :
         {"Les tables des matières", "Lire une page du cours", "Les boutons Précédent et Suivant",
          "Les thèmes", "L'index des mots clés", "Les pages liées", "Les tests de connaissances",
          "Comment les réponses écrites sont corrigées", "La machine à calculer",
          "Les modules de simulation", "L'affichage : 800 × 600 et Dispotune"})
        EXPECT_TRUE(titles.contains(QString::fromUtf8(wanted))) << wanted;

    const QDir folder = QFileInfo(QStringLiteral(HELP_GUIDE)).dir();
    static const QRegularExpression picture(QStringLiteral("<img src=\"([^\"]+)\""));
    int pictures = 0;
    for (const HelpTopic& topic : guide.topics) {
        for (const QRegularExpressionMatch& m : picture.globalMatch(topic.html)) {
            ++pictures;
            EXPECT_TRUE(QFileInfo::exists(folder.filePath(m.captured(1))))
                << m.captured(1).toStdString();
        }
    }
    EXPECT_GE(pictures, 5);
}

} // namespace
