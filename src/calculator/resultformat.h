#pragma once

#include <QString>
#include <optional>

// The display form of a result text: the untrimmed texteNombre (a non-negative result
// keeps its leading space), or the scientific form. Nothing when the result lies
// beyond the double range.
std::optional<QString> formaterResultat(const QString& resultat, bool scientifique);
