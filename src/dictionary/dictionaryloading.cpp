#include "dictionary/dictionaryloading.h"

#include "common/recordfile.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/processes.h"

#include <QCollator>
#include <QSet>
#include <algorithm>
#include <vector>

QStringList lireMotsCles(const QString& cheminDico) {
    QStringList mots;
    RecordFile file(cheminDico, RecordFile::Mode::ReadUnchanging);
    for (int record = 2; record <= RecordFile::maxRecord - 1; record += 2) {
        const QString mot = file.read(record);
        if (mot.isEmpty())
            break;
        mots.append(mot);
    }
    return mots;
}

QStringList motsClesDistincts(const QStringList& motsLus) {
    QCollator collator{QLocale(QLocale::French, QLocale::France)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    // Each distinct text once, then sorted by its collation key: comparing keys is far
    // quicker than collating the texts at every comparison.
    const QSet<QString> distincts(motsLus.begin(), motsLus.end());
    struct Mot {
        QCollatorSortKey cle;
        QString texte;
    };
    std::vector<Mot> mots;
    mots.reserve(distincts.size());
    for (const QString& mot : distincts)
        mots.push_back({collator.sortKey(mot), mot});
    std::sort(mots.begin(), mots.end(), [](const Mot& a, const Mot& b) {
        const int order = a.cle.compare(b.cle);
        return order != 0 ? order < 0 : a.texte < b.texte;
    });
    QStringList resultat;
    resultat.reserve(qsizetype(mots.size()));
    for (const Mot& mot : mots)
        resultat.append(mot.texte);
    return resultat;
}

void retenirMotsCles(DictionaryState& state, const QStringList& motsLus) {
    state.finDico = qint16(2 * motsLus.size());
    state.motsLus = motsLus;
    state.motsCles.clear();
    const QSet<QString> distincts(motsLus.begin(), motsLus.end());
    state.dernierMotCle = qint16(distincts.size() - 1);
}

const QStringList& motsClesTries(DictionaryState& state) {
    if (!state.motsLus.isEmpty()) {
        state.motsCles = motsClesDistincts(state.motsLus);
        state.motsLus.clear();
    }
    return state.motsCles;
}

QStringList loadDictionary(Platform& platform, DictionaryState& state, const QString& repertoire) {
    state.cheminDico = repertoire + QStringLiteral("GLX.DIC");
    if (readRecord(state.cheminDico, 1) != signatureDico) {
        platform.messages.show(QStringLiteral("Exécution impossible"),
                               QStringLiteral("Dictionnaire ") + state.cheminDico +
                                   QStringLiteral(" introuvable"),
                               Messages::Buttons::Ok, Messages::Icon::Critical);
        platform.processes.endProgram();
    }
    const QStringList mots = lireMotsCles(state.cheminDico);
    retenirMotsCles(state, mots);
    return mots;
}
