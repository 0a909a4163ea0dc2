#pragma once

#include <QString>

// Typed answers are marked by looking for one key word, as a whole word, in the
// pupil's text once folded to a simple form.

// Lower case, then each character folded once: é è ê à ù ô ç to their plain
// letters, "-" and "_" removed, + * / ' , ; . ! ? : turned into spaces. Other
// accented letters (â, î, ë…) are kept.
QString normaliserReponse(const QString& answer);

// 1 when the folded answer holds the key word, or the key word + "S", "E", "ES" or
// "X", as a whole word (letter case ignored); otherwise 0. The key word is used as
// stored, so it must be written in folded form. An empty key word matches nothing.
int reponseCorrespond(const QString& answer, const QString& motCle);
