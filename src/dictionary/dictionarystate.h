#pragma once

#include <QString>
#include <QStringList>

// The keyword dictionary GLX.DIC as loaded at start-up: record 1 the signature, then
// (keyword, page key) pairs in records 2k and 2k + 1.
inline const QString signatureDico = QStringLiteral("DICO GL");

struct DictionaryState {
    QString cheminDico;
    // The keywords as read, in the file's order, until the index first asks for them
    // sorted (`motsClesTries`): sorting needs the collation library, two megabytes that
    // start-up does without.
    QStringList motsLus;
    QStringList motsCles;      // distinct keywords, in the index's order, once sorted
    qint16 dernierMotCle = -1; // index of the last keyword, −1 when there is none
    qint16 finDico = 0;        // number of the last keyword record

    // The index flow, kept for the whole run so that the index reopens at the keyword
    // chosen last.
    QString motChoisi;
    qint16 positionIndex = 0;
    qint16 etatIndex = 0; // −1 once a keyword is chosen, 0 otherwise or back to the index

    // Whether there is an index to show. A single keyword (`dernierMotCle` 0) is one:
    // only an empty dictionary leaves the index empty.
    bool aDesMotsCles() const { return dernierMotCle >= 0; }
};
