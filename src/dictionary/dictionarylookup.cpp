#include "dictionary/dictionarylookup.h"

#include "common/recordfile.h"

#include <QSet>

namespace {

struct Entree {
    QString motCle;
    QString cle;
};

QList<Entree> lireEntrees(const QString& cheminDico, int finDico) {
    QList<Entree> entrees;
    RecordFile file(cheminDico, RecordFile::Mode::ReadUnchanging);
    for (int record = 2; record <= finDico; record += 2)
        entrees.append({file.read(record), file.read(record + 1)});
    return entrees;
}

QStringList motsDePage(const QList<Entree>& entrees, const QString& cle, int limite) {
    QStringList mots;
    for (const Entree& e : entrees) {
        if (mots.size() >= limite)
            break;
        if (e.cle == cle)
            mots.append(e.motCle);
    }
    return mots;
}

} // namespace

QStringList pagesOfKeyword(const QString& cheminDico, int finDico, const QString& motCle) {
    QStringList pages;
    for (const Entree& e : lireEntrees(cheminDico, finDico))
        if (e.motCle == motCle)
            pages.append(e.cle);
    return pages;
}

QStringList keywordsOfPage(const QString& cheminDico, int finDico, const QString& cle, int limite) {
    return motsDePage(lireEntrees(cheminDico, finDico), cle, limite);
}

QStringList pagesLiees(const QString& cheminDico, int finDico, const QString& cle) {
    const QList<Entree> entrees = lireEntrees(cheminDico, finDico);
    const QStringList mots = motsDePage(entrees, cle, 100);
    const QSet<QString> motsDeLaPage(mots.begin(), mots.end());
    QStringList pages;
    QSet<QString> dejaVues;
    for (const Entree& e : entrees)
        if (motsDeLaPage.contains(e.motCle) && !dejaVues.contains(e.cle)) {
            dejaVues.insert(e.cle);
            pages.append(e.cle);
        }
    return pages;
}

QString titreAffiche(const QString& cle) {
    for (qsizetype j = cle.size() - 2; j >= 0; --j) {
        const QChar suivant = cle[j + 1];
        if (cle[j] >= u'0' && cle[j] <= u'9' && (suivant == u' ' || suivant == u'.'))
            return cle.mid(j + 2);
    }
    return cle;
}
