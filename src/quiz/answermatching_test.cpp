#include "quiz/answermatching.h"

#include <gtest/gtest.h>

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

TEST(NormaliserReponse, FoldsEachCharacterOnceAsTheTableSays) {
    const struct {
        const char* answer;
        const char* folded;
    } cases[] = {
        {"Aller-retour", "allerretour"},
        {"c'est-à-dire", "c estadire"},
        {"Bâton", "bâton"},
        {"3,5", "3 5"},
        {"éèêàùôç", "eeeauoc"},
        {"ÉÈÊÀÙÔÇ", "eeeauoc"},
        {"a+b*c/d'e,f;g.h!i?j:k", "a b c d e f g h i j k"},
        {"--x__", "x"},
        {"-é", "e"},
        {"âîïëûüœ", "âîïëûüœ"},
        {"(«H2O»)", "(«h2o»)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(normaliserReponse(u8(c.answer)), u8(c.folded)) << c.answer;
}

TEST(NormaliserReponse, LowerCasesTheWholeWindows1252Repertoire) {
    EXPECT_EQ(normaliserReponse(u8("ÁÂÃÄÅÆÌÍÎÏÐÑÒÓÕÖØÚÛÜÝÞ")), u8("áâãäåæìíîïðñòóõöøúûüýþ"));
    EXPECT_EQ(normaliserReponse(u8("ŠŒŽŸ")), u8("šœžÿ"));
    EXPECT_EQ(normaliserReponse(u8("ABCXYZ ßÿµ×÷")), u8("abcxyz ßÿµ×÷"));
}

TEST(NormaliserReponse, AnAccentTypedAsACombiningMarkFoldsLikeTheAccentedLetter) {
    EXPECT_EQ(normaliserReponse(u8("E\u0301lectron")), u8("electron"));
}

TEST(ReponseCorrespond, WholeWordsWithTheFourEndings) {
    const struct {
        const char* motCle;
        const char* answer;
        int right;
    } cases[] = {
        {"electron", "Électron", 1},
        {"electron", "les électrons", 1},
        {"electron", "ELECTRONS !", 1},
        {"electron", "un électron.", 1},
        {"electron", "électronique", 0},
        {"electron", "protons et neutrons", 0},
        {"electron", "l'électron", 1},
        {"electron", "anti-électron", 0},
        {"electron", "électron2", 0},
        {"cheval", "chevaux", 0},
        {"cheval", "chevals", 1},
        {"cheval", "chevale", 1},
        {"cheval", "chevales", 1},
        {"cheval", "chevalx", 1},
        {"cheval", "chevalier", 0},
        {"oxydant", "oxydants", 1},
        {"oxydant", "oxydante", 1},
        {"oxydant", "oxydantes", 1},
        {"oxydant", "l'oxydant est fort", 1},
        {"oxydant", "réducteur", 0},
        {"baton", "Bâton", 0},
        {"bâton", "Bâton", 1},
        {"3", "3,5", 1},
        {"5", "3,5", 1},
        {"35", "3,5", 0},
        {"oxygene", "je pense que c'est l'oxygène", 1},
        {"ELECTRON", "un électron", 1},
        {"allerretour", "un aller-retour", 1},
        {"c estadire", "c'est-à-dire", 1},
        {"electron", "", 0},
        {"electron", "électron électronique", 1},
        {"electron", "électronique électron", 1},
        {"electron", "électroniques, électrons", 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reponseCorrespond(u8(c.answer), u8(c.motCle)), c.right)
            << c.motCle << " / " << c.answer;
}

TEST(ReponseCorrespond, AnEmptyKeyWordIsNeverRight) {
    for (const char* answer : {"", " ", "électron", "a  b", ". ."}) {
        EXPECT_EQ(reponseCorrespond(u8(answer), ""), 0) << answer;
        EXPECT_EQ(reponseCorrespond(u8(answer), "  "), 0) << answer;
    }
}

} // namespace
