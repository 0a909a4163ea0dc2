#pragma once

#include <QList>
#include <QString>

// Text as a French reader compares it: letter case and accents ignored (é → e, ç → c,
// œ → oe, æ → ae), cut into words (runs of letters and digits).
namespace folding {

// `texte` folded, and for each character of the result the position in `texte` of
// the character it comes from.
struct TexteReplie {
    QString texte;
    QList<int> origines;
};

TexteReplie replier(const QString& texte);
QString plier(const QString& texte);

// A word of a text: where it starts in the original text and how long it is there,
// and its folded form.
struct Mot {
    int debut = 0;
    int longueur = 0;
    QString plie;
};

QList<Mot> mots(const QString& texte);

// The folded words of what the pupil typed, in order, repeats dropped.
QStringList motsRecherches(const QString& saisie);

} // namespace folding
