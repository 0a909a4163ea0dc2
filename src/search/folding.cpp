#include "search/folding.h"

namespace folding {

namespace {

// The folded form of one character: lower case, without its accent.
QString plierCaractere(QChar c) {
    const QChar minuscule = c.toLower();
    if (minuscule == u'œ')
        return QStringLiteral("oe");
    if (minuscule == u'æ')
        return QStringLiteral("ae");
    if (minuscule.decompositionTag() == QChar::Canonical) {
        const QString decompose = minuscule.decomposition();
        if (!decompose.isEmpty() && decompose.front().isLetter())
            return QString(decompose.front());
    }
    return QString(minuscule);
}

bool dansUnMot(QChar c) {
    return c.isLetterOrNumber();
}

} // namespace

TexteReplie replier(const QString& texte) {
    TexteReplie resultat;
    resultat.texte.reserve(texte.size());
    resultat.origines.reserve(texte.size());
    for (int i = 0; i < texte.size(); ++i) {
        const QString plie = plierCaractere(texte[i]);
        resultat.texte += plie;
        for (int k = 0; k < plie.size(); ++k)
            resultat.origines.append(i);
    }
    return resultat;
}

QString plier(const QString& texte) {
    return replier(texte).texte;
}

QList<Mot> mots(const QString& texte) {
    QList<Mot> resultat;
    int i = 0;
    while (i < texte.size()) {
        if (!dansUnMot(texte[i])) {
            ++i;
            continue;
        }
        const int debut = i;
        while (i < texte.size() && dansUnMot(texte[i]))
            ++i;
        resultat.append({debut, i - debut, plier(texte.mid(debut, i - debut))});
    }
    return resultat;
}

QStringList motsRecherches(const QString& saisie) {
    QStringList resultat;
    for (const Mot& mot : mots(saisie))
        if (!resultat.contains(mot.plie))
            resultat.append(mot.plie);
    return resultat;
}

} // namespace folding
