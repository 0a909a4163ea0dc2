#include "dictionary/dictionarywidgets.h"

#include "dictionary/dictionarylookup.h"
#include "platform/forms/twips.h"
#include "platform/screen.h"

#include <QDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace dictionarywidgets {

namespace {

constexpr QRgb fond = 0xffe8d5bf;
constexpr QRgb fondAfficher = 0xffffc080;
constexpr QRgb fondAnnuler = 0xffffe0c0;

class ChoixParEntree : public QObject {
public:
    ChoixParEntree(QWidget& champ, std::function<void()> choisir)
        : QObject(&champ), choisir_(std::move(choisir)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                choisir_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> choisir_;
};

} // namespace

TwipsScale twipsDe(const Screen& screen) {
    return {screen.twipsPerPixelX(), screen.twipsPerPixelY()};
}

void habiller(QDialog& fenetre, const QString& nom, const QString& titre) {
    fenetre.setObjectName(nom);
    fenetre.setWindowTitle(titre);
    QPalette palette = fenetre.palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(fond));
    fenetre.setPalette(palette);
    fenetre.setAutoFillBackground(true);
}

void choisirParEntree(QWidget& champ, std::function<void()> choisir) {
    champ.installEventFilter(new ChoixParEntree(champ, std::move(choisir)));
}

QListWidget* liste(QDialog& fenetre, const TwipsScale& twips, const QString& nom,
                   const QRect& place, const std::function<void()>& choisir) {
    auto* l = new QListWidget(&fenetre);
    l->setObjectName(nom);
    twips.place(*l, place);
    QObject::connect(l, &QListWidget::itemDoubleClicked, &fenetre, choisir);
    return l;
}

QPushButton* bouton(QDialog& fenetre, const TwipsScale& twips, const QString& nom,
                    Commande commande, QPoint coin, const std::function<void()>& clic) {
    const bool afficher = commande == Commande::Afficher;
    const QRgb couleur = afficher ? fondAfficher : fondAnnuler;
    auto* b = new QPushButton(afficher ? QStringLiteral("Afficher") : QStringLiteral("Annuler"),
                              &fenetre);
    b->setObjectName(nom);
    // Enter belongs to the lists and the text box, which choose with it themselves.
    b->setAutoDefault(false);
    // A border of its own hides the style's focus frame: the focus draws one back.
    b->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border: 1px solid "
                                    "#808080; } QPushButton:pressed { border: 2px inset #808080; } "
                                    "QPushButton:focus { border: 2px dotted palette(highlight); }")
                         .arg(QColor::fromRgb(couleur).name()));
    twips.place(*b, {coin, QSize(1695, 375)});
    QObject::connect(b, &QPushButton::clicked, &fenetre, clic);
    return b;
}

void afficherTitres(QListWidget& liste, const QStringList& cles) {
    liste.clear();
    for (const QString& cle : cles)
        liste.addItem(titreAffiche(cle));
}

void selectionnerEnHaut(QListWidget& liste, int position) {
    const int n = liste.count();
    liste.setCurrentRow(position < n - 13 ? position + 12 : n - 1);
    liste.setCurrentRow(position);
}

} // namespace dictionarywidgets
