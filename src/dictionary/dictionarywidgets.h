#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QDialog;
class QListWidget;
class QPoint;
class QPushButton;
class QRect;
class QWidget;
class Screen;
class TwipsScale;

// The look, the keys and the list handling of the list windows: the dictionary's
// and the course search.
namespace dictionarywidgets {

// The scale the windows' designs are placed with on `screen`.
TwipsScale twipsDe(const Screen& screen);

// A list window's design name, caption and background.
void habiller(QDialog& fenetre, const QString& nom, const QString& titre);

// Enter (or Return) in `champ` does what the window's "Afficher" does: `choisir`
// runs and the key goes no further.
void choisirParEntree(QWidget& champ, std::function<void()> choisir);

// A list window's list at `place`: a double click on an item chooses it, as
// "Afficher" does.
QListWidget* liste(QDialog& fenetre, const TwipsScale& twips, const QString& nom,
                   const QRect& place, const std::function<void()>& choisir);

enum class Commande { Afficher, Annuler };

// "Afficher" or "Annuler" in its colour, 1695 × 375 twips from `coin`; a click runs
// `clic`.
QPushButton* bouton(QDialog& fenetre, const TwipsScale& twips, const QString& nom,
                    Commande commande, QPoint coin, const std::function<void()>& clic);

// Shows the display forms of `cles` in `liste`, position for position, in place of
// whatever it held.
void afficherTitres(QListWidget& liste, const QStringList& cles);

// Selects `position` so that it shows near the top: with up to twelve items after it
// in view, for a list of thirteen visible lines.
void selectionnerEnHaut(QListWidget& liste, int position);

} // namespace dictionarywidgets
