#include "search/searchindex.h"

#include <algorithm>

namespace {

constexpr int avantExtrait = 30;
constexpr int longueurExtrait = 90;

// The length in `texte`, from `debut`, of the characters whose folded form makes up
// the first `longueurPliee` folded characters.
int longueurOriginale(const QString& texte, int debut, int longueurPliee) {
    const folding::TexteReplie replie = folding::replier(texte.mid(debut, longueurPliee));
    return replie.origines[std::min<qsizetype>(longueurPliee, replie.origines.size()) - 1] + 1;
}

bool espace(QChar c) {
    return c.isSpace() || c == QChar(0x0B) || c == QChar::ObjectReplacementCharacter;
}

} // namespace

IndexRecherche::IndexRecherche(QList<PageCherchee> pages) : pages_(std::move(pages)) {
    titres_.reserve(pages_.size());
    textes_.reserve(pages_.size());
    for (const PageCherchee& page : pages_) {
        titres_.push_back(vocabulaire(page.cle));
        textes_.push_back(vocabulaire(page.texte));
    }
}

IndexRecherche::Vocabulaire IndexRecherche::vocabulaire(const QString& texte) {
    Vocabulaire resultat;
    for (const folding::Mot& mot : folding::mots(texte))
        resultat.push_back({mot.plie, 1, mot.debut});
    // Sorted by word, then by place, so the first of equal words keeps its place.
    std::stable_sort(resultat.begin(), resultat.end(),
                     [](const MotCompte& a, const MotCompte& b) { return a.plie < b.plie; });
    Vocabulaire distincts;
    for (const MotCompte& mot : resultat) {
        if (!distincts.empty() && distincts.back().plie == mot.plie)
            ++distincts.back().nombre;
        else
            distincts.push_back(mot);
    }
    return distincts;
}

IndexRecherche::Trouve IndexRecherche::trouver(const Vocabulaire& vocabulaire,
                                               const QString& debutDeMot) {
    Trouve trouve;
    auto mot = std::lower_bound(
        vocabulaire.begin(), vocabulaire.end(), debutDeMot,
        [](const MotCompte& m, const QString& cherche) { return m.plie < cherche; });
    for (; mot != vocabulaire.end() && mot->plie.startsWith(debutDeMot); ++mot) {
        trouve.nombre += mot->nombre;
        if (trouve.debut < 0 || mot->debut < trouve.debut)
            trouve.debut = mot->debut;
    }
    return trouve;
}

QList<Resultat> IndexRecherche::chercher(const QString& saisie) const {
    const QStringList cherches = folding::motsRecherches(saisie);
    QList<Resultat> resultats;
    if (cherches.isEmpty())
        return resultats;
    for (int p = 0; p < pages_.size(); ++p) {
        Resultat resultat{p, true, 0, std::nullopt};
        bool partout = true;
        for (const QString& cherche : cherches) {
            const Trouve titre = trouver(titres_[p], cherche);
            const Trouve texte = trouver(textes_[p], cherche);
            if (titre.nombre + texte.nombre == 0) {
                partout = false;
                break;
            }
            resultat.dansLeTitre = resultat.dansLeTitre && titre.nombre > 0;
            resultat.nombre += titre.nombre + texte.nombre;
            if (texte.nombre > 0 && (!resultat.premiere || texte.debut < resultat.premiere->debut))
                resultat.premiere =
                    Correspondance{texte.debut, longueurOriginale(pages_[p].texte, texte.debut,
                                                                  int(cherche.size()))};
        }
        if (partout)
            resultats.append(resultat);
    }
    std::stable_sort(resultats.begin(), resultats.end(), [](const Resultat& a, const Resultat& b) {
        if (a.dansLeTitre != b.dansLeTitre)
            return a.dansLeTitre;
        return a.nombre > b.nombre;
    });
    return resultats;
}

QList<Correspondance> correspondances(const QString& texte, const QStringList& motsRecherches) {
    QList<Correspondance> resultat;
    for (const folding::Mot& mot : folding::mots(texte)) {
        int plusLong = 0;
        for (const QString& cherche : motsRecherches)
            if (mot.plie.startsWith(cherche))
                plusLong = std::max(plusLong, int(cherche.size()));
        if (plusLong > 0)
            resultat.append({mot.debut, longueurOriginale(texte, mot.debut, plusLong)});
    }
    return resultat;
}

QString extrait(const QString& texte, std::optional<Correspondance> autour) {
    // Near the end of the text, the line takes more of what comes before.
    int debut = autour ? std::max<int>(0, std::min<int>(autour->debut - avantExtrait,
                                                        texte.size() - longueurExtrait))
                       : 0;
    int fin = std::min<int>(texte.size(), debut + longueurExtrait);
    if (autour)
        fin = std::max(fin, std::min<int>(texte.size(), autour->debut + autour->longueur));
    // Whole words only: start after a break, end before one.
    if (debut > 0)
        while (debut < (autour ? autour->debut : fin) && !espace(texte[debut - 1]))
            ++debut;
    if (fin < texte.size())
        while (fin > (autour ? autour->debut + autour->longueur : debut) && !espace(texte[fin]))
            --fin;
    QString ligne;
    for (const QChar c : texte.mid(debut, fin - debut))
        if (!espace(c))
            ligne += c;
        else if (!ligne.isEmpty() && !ligne.endsWith(u' '))
            ligne += u' ';
    ligne = ligne.trimmed();
    if (debut > 0)
        ligne.prepend(u'…');
    if (fin < texte.size())
        ligne.append(u'…');
    return ligne;
}
