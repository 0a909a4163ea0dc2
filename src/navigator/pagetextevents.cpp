#include "navigator/multim.h"
#include "navigator/windowevents.h"
#include "platform/forms/picturebox.h"
#include "platform/richtext/richtextbox.h"

#include <QEvent>

namespace {

// The page picture stays above the text it overlaps.
class EvenementsTexte : public QObject {
public:
    EvenementsTexte(Multim& m) : QObject(&m), m_(m) {}

    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease) &&
            m_.Picture4->isVisible())
            m_.Picture4->raise();
        return false;
    }

private:
    Multim& m_;
};

} // namespace

// The text keeps no selection once it has changed.
void connecterTexte(Multim& m) {
    m.texteur->viewport()->installEventFilter(new EvenementsTexte(m));
    QObject::connect(m.texteur, &QTextEdit::textChanged, &m, [&m] {
        QTextCursor curseur = m.texteur->textCursor();
        if (curseur.hasSelection()) {
            curseur.clearSelection();
            m.texteur->setTextCursor(curseur);
        }
    });
}
