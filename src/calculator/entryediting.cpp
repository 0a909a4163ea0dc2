#include "calculator/entryediting.h"

void ajouterTerme(QString& saisie, const QString& terme) {
    if (!saisie.isEmpty() && !saisie.endsWith(u'(') && !saisie.endsWith(u'-') &&
        !saisie.endsWith(u' '))
        saisie += QStringLiteral(" * ");
    saisie += terme;
}

void appendMinus(QString& saisie) {
    if (saisie.endsWith(u'(') || saisie.endsWith(u' ') || saisie.endsWith(u'E'))
        saisie += u'-';
    else if (saisie.endsWith(u'-'))
        saisie += QStringLiteral(" -");
    else if (!saisie.isEmpty())
        saisie += QStringLiteral(" - ");
    else
        saisie = QStringLiteral("-");
}

void appendPlus(QString& saisie) {
    saisie += saisie.endsWith(u'E') ? QStringLiteral("+") : QStringLiteral(" + ");
}

void deleteBackwards(QString& saisie) {
    const qsizetype length = saisie.size();
    if (length == 0)
        return;
    if (saisie.back() != u' ') {
        saisie.chop(1);
        return;
    }
    const QChar beforeSpace = length >= 2 ? saisie[length - 2] : QChar();
    if (QStringView(u"*+/-^").contains(beforeSpace)) {
        saisie.chop(3);
        return;
    }
    qsizetype k = 1;
    while (k < length && saisie[length - k - 1] != u' ' && saisie[length - k - 1] != u'(')
        ++k;
    saisie.truncate(qMax<qsizetype>(length - k, 0));
}
