#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>

class QDialog;
class QListWidget;
class QPushButton;
class QRect;
class TwipsScale;

// The look and the list handling the dictionary's windows share.
namespace dictionarywidgets {

inline constexpr QRgb fond = 0xffe8d5bf;
inline constexpr QRgb afficher = 0xffffc080;
inline constexpr QRgb annuler = 0xffffe0c0;

void peindreFond(QDialog& fenetre);

QPushButton* bouton(QDialog& fenetre, const TwipsScale& twips, const QString& nom,
                    const QString& texte, QRgb couleur, const QRect& place);

// Shows the display forms of `cles` in `liste` and returns the keys, position for
// position, for navigating.
QStringList remplirTitres(QListWidget& liste, const QStringList& cles);

// Selects `position` so that it shows near the top: with up to twelve items after it
// in view, for a list of thirteen visible lines.
void selectionnerEnHaut(QListWidget& liste, int position);

} // namespace dictionarywidgets
