#include "navigator/multim.h"
#include "navigator/windowevents.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/picturebox.h"

#include <QEvent>
#include <QMouseEvent>

namespace {

constexpr const char* proprieteEntree = "entreeDeTable";

// A plain entry is written in black; the entries given another colour keep their look.
bool simple(const FormLabel& label) {
    return label.palette().color(QPalette::WindowText) == QColor(Qt::black);
}

void mettreEnGras(FormLabel& label, bool gras) {
    QFont font = label.font();
    if (font.bold() == gras)
        return;
    font.setBold(gras);
    label.setFont(font);
}

void effacerSurvol(const ControlArray<FormLabel>& entrees, const FormLabel* sauf = nullptr) {
    for (const auto& [k, label] : entrees) {
        if (label != sauf && simple(*label))
            mettreEnGras(*label, false);
    }
}

void ettext_MouseMove(Multim& m, FormLabel& entree) {
    if (simple(entree))
        mettreEnGras(entree, true);
    effacerSurvol(m.ettext, &entree);
}

void Label20_MouseMove(Multim& m, FormLabel& entree) {
    effacerSurvol(m.Label20, &entree);
    if (simple(entree))
        mettreEnGras(entree, true);
}

// The theme frame holds only theme entries.
void Frathem_MouseMove(Multim& m) {
    effacerSurvol(m.Label20);
}

// A mouse move over an area around the entries; one over an entry reaches that area
// too, once the entry has had it, and must leave the entry's bold alone.
class SurvolAutour : public QObject {
public:
    SurvolAutour(Multim& m) : QObject(&m), m_(m) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove && !surUneEntree(watched, event)) {
            if (watched == m_.Frathem)
                Frathem_MouseMove(m_);
            else
                resetSurvol(m_);
        }
        return QObject::eventFilter(watched, event);
    }

    void surveiller(QWidget* control) {
        control->setMouseTracking(true);
        control->installEventFilter(this);
    }

private:
    static bool surUneEntree(QObject* watched, QEvent* event) {
        const auto* zone = static_cast<QWidget*>(watched);
        const QWidget* dessous =
            zone->childAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        return dessous && dessous->property(proprieteEntree).toBool();
    }

    Multim& m_;
};

void surveillerEntrees(Multim& m, const ControlArray<FormLabel>& entrees,
                       void (*survol)(Multim&, FormLabel&)) {
    for (const auto& [i, entree] : entrees) {
        FormLabel* label = entree;
        label->setMouseTracking(true);
        label->setProperty(proprieteEntree, true);
        QObject::connect(label, &FormLabel::mouseMoved, &m,
                         [&m, label, survol](QPoint) { survol(m, *label); });
    }
}

} // namespace

void resetSurvol(Multim& m) {
    effacerSurvol(m.ettext);
    effacerSurvol(m.Label20);
}

void connecterSurvol(Multim& m) {
    auto* autour = new SurvolAutour(m);
    for (QWidget* control : std::initializer_list<QWidget*>{&m, m.Picture1, m.EXECHI, m.EXEPHY,
                                                            m.titre, m.titrelivre, m.Frathem})
        autour->surveiller(control);
    m.chapitres.apres([&m, autour] {
        for (const auto* array :
             {&m.DOCU, &m.etsout, &m.icoess, &m.Image9, &m.testcours, &m.titchap})
            for (const auto& [k, control] : *array)
                autour->surveiller(control);
        for (const auto& [k, control] : m.chapi)
            autour->surveiller(control);
        surveillerEntrees(m, m.ettext, ettext_MouseMove);
    });
    surveillerEntrees(m, m.Label20, Label20_MouseMove);
}
