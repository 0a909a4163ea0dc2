#pragma once

#include "search/folding.h"

#include <QList>
#include <QString>
#include <optional>
#include <vector>

// The words of the course's pages and the search over them: the pages that hold every
// word typed (as a word or the beginning of one), title matches first, then the pages
// with the most matches, then the course's order. No widgets: the search window shows
// what this finds.

// A page as the search sees it: its key (its title) and its text as the rich-text box
// shows it, empty when the text could not be read.
struct PageCherchee {
    QString cle;
    QString texte;
};

// A match in a page's text, in the box's positions.
struct Correspondance {
    int debut = 0;
    int longueur = 0;
    bool operator==(const Correspondance&) const = default;
};

struct Resultat {
    int page = 0;                           // position in the course
    bool dansLeTitre = false;               // every word is in the title
    int nombre = 0;                         // matches in the title and the text
    std::optional<Correspondance> premiere; // the first match in the text
};

class IndexRecherche {
public:
    explicit IndexRecherche(QList<PageCherchee> pages);

    QList<Resultat> chercher(const QString& saisie) const;
    const PageCherchee& page(int position) const { return pages_[position]; }
    int nombrePages() const { return int(pages_.size()); }

private:
    // A distinct folded word of a page, how often it occurs, and its first place.
    struct MotCompte {
        QString plie;
        int nombre = 0;
        int debut = 0;
    };
    using Vocabulaire = std::vector<MotCompte>;
    struct Trouve {
        int nombre = 0;
        int debut = -1;
    };

    static Vocabulaire vocabulaire(const QString& texte);
    static Trouve trouver(const Vocabulaire& vocabulaire, const QString& debutDeMot);

    QList<PageCherchee> pages_;
    std::vector<Vocabulaire> titres_;
    std::vector<Vocabulaire> textes_;
};

// Every match of the words in `texte`, in the order of the text: the part of each word
// of the text that begins with one of them.
QList<Correspondance> correspondances(const QString& texte, const QStringList& motsRecherches);

// A line of `texte` around `autour` (its beginning without it), cut between words,
// "…" where it is cut, breaks shown as spaces.
QString extrait(const QString& texte, std::optional<Correspondance> autour);
