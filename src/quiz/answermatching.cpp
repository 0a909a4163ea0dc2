#include "quiz/answermatching.h"

#include "common/spaces.h"

namespace {

// What one lower-case character becomes; itself when the table does not list it.
QString folded(QChar c) {
    switch (c.unicode()) {
    case u'é':
    case u'è':
    case u'ê':
        return QStringLiteral("e");
    case u'à':
        return QStringLiteral("a");
    case u'ù':
        return QStringLiteral("u");
    case u'ô':
        return QStringLiteral("o");
    case u'ç':
        return QStringLiteral("c");
    case u'-':
    case u'_':
        return QString();
    case u'+':
    case u'*':
    case u'/':
    case u'\'':
    case u',':
    case u';':
    case u'.':
    case u'!':
    case u'?':
    case u':':
        return QStringLiteral(" ");
    default:
        return QString(c);
    }
}

bool isWordCharacter(QChar c) {
    return c.isLetter() || c.isDigit();
}

bool containsWholeWord(const QString& text, const QString& word) {
    for (qsizetype at = text.indexOf(word, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(word, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + word.size();
        const bool startsWord = at == 0 || !isWordCharacter(text[at - 1]);
        const bool endsWord = end == text.size() || !isWordCharacter(text[end]);
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

} // namespace

QString normaliserReponse(const QString& answer) {
    // A pasted answer may spell é as e + combining accent; composed, it folds as typed.
    const QString lower = answer.normalized(QString::NormalizationForm_C).toLower();
    QString result;
    result.reserve(lower.size());
    for (QChar c : lower)
        result += folded(c);
    return result;
}

int reponseCorrespond(const QString& answer, const QString& motCle) {
    // A key word of spaces only would match the gaps between words.
    if (trimSpaces(motCle).isEmpty())
        return 0;
    const QString text = normaliserReponse(answer);
    for (const char* ending : {"", "S", "E", "ES", "X"}) {
        if (containsWholeWord(text, motCle + QLatin1String(ending)))
            return 1;
    }
    return 0;
}
