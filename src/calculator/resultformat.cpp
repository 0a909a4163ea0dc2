#include "calculator/resultformat.h"

#include "calculator/numbertext.h"

std::optional<QString> formaterResultat(const QString& resultat, bool scientifique) {
    const std::optional<double> value = valeurNombre(resultat);
    if (!value)
        return std::nullopt;
    const QString text = texteNombre(*value);
    if (!scientifique)
        return text;
    return formeScientifique(valeurNombre(text).value_or(0.0));
}
