#include "dictionary/dictionaryloading.h"

#include "common/recordfile.h"
#include "platform/messages.h"
#include "platform/platform.h"
#include "platform/processes.h"

#include <QCollator>
#include <algorithm>

QStringList lireMotsCles(const QString& cheminDico) {
    QStringList mots;
    RecordFile file(cheminDico, RecordFile::Mode::Read);
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
    QStringList mots = motsLus;
    std::stable_sort(mots.begin(), mots.end(), [&](const QString& a, const QString& b) {
        const int order = collator.compare(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    mots.erase(std::unique(mots.begin(), mots.end()), mots.end());
    return mots;
}

void retenirMotsCles(DictionaryState& state, const QStringList& motsLus) {
    state.finDico = qint16(2 * motsLus.size());
    state.motsCles = motsClesDistincts(motsLus);
    state.dernierMotCle = qint16(state.motsCles.size() - 1);
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
