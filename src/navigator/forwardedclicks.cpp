#include "navigator/multim.h"
#include "navigator/windowevents.h"
#include "platform/forms/formlabel.h"

namespace {

// A label beside an icon does what the icon does, with the hourglass meanwhile where
// the icon starts a module.
void transmettre(FormLabel* source, FormLabel* cible, bool sablier = false) {
    if (!source || !cible)
        return;
    QObject::connect(source, &FormLabel::clicked, cible, [source, cible, sablier] {
        const QCursor pointeur = source->cursor();
        if (sablier)
            source->setCursor(Qt::WaitCursor);
        Q_EMIT cible->clicked();
        if (sablier)
            source->setCursor(pointeur);
    });
}

} // namespace

void connecterTransmissions(Multim& m) {
    m.chapitres.apres([&m] {
        for (const auto& [i, label] : m.icoess)
            transmettre(label, m.essentiel(i));
        for (const auto& [i, label] : m.Label21)
            transmettre(label, m.DOCU(i));
        for (const auto& [i, label] : m.Label22)
            transmettre(label, m.Image9(i));
    });
    m.modules.apres([&m] {
        for (const auto& [i, label] : m.Label10)
            transmettre(label, m.Image6(i), true);
    });
    transmettre(m.Label12, m.Image3);
    transmettre(m.Labelexe, m.Imagexe, true);
}
