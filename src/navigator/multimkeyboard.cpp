#include "navigator/multim.h"
#include "navigator/multimdesign.h"
#include "platform/forms/formlabel.h"
#include "platform/richtext/richtextbox.h"

#include <QFrame>
#include <QPushButton>
#include <vector>

namespace d = multimdesign;

namespace {

// Each clickable label and image added becomes a link.
class TabOrder {
public:
    // `after`: the control the order continues from, as it is.
    explicit TabOrder(QWidget* after = nullptr) {
        if (after)
            order_.push_back(after);
    }
    void add(QWidget* control) {
        if (!control)
            return;
        if (auto* link = qobject_cast<FormLabel*>(control))
            link->makeLink();
        order_.push_back(control);
    }
    void addArray(const ControlArray<FormLabel>& controls) {
        for (const auto& [i, control] : controls)
            add(control);
    }
    // Labels and images in the order they were placed, which is the order they show.
    void addLinksOf(QWidget* frame) {
        for (FormLabel* control : frame->findChildren<FormLabel*>(Qt::FindDirectChildrenOnly))
            add(control);
    }
    QWidget* last() const { return order_.empty() ? nullptr : order_.back(); }
    void apply() const {
        for (std::size_t k = 1; k < order_.size(); ++k)
            QWidget::setTabOrder(order_[k - 1], order_[k]);
    }

private:
    std::vector<QWidget*> order_;
};

} // namespace

// Tab walks the window as the eye reads it: the command row, the icons of the upper
// band, what the summary or the table shows, the page, its links at the bottom.
void Multim::buildKeyboardAccess() {
    TabOrder order;
    order.add(Image2);
    for (const d::Command& command : d::commands)
        order.add(findChild<QPushButton*>(command.name.toString()));
    for (QWidget* control : {projo, Imagexe, Labelexe, btexo, Label16})
        order.add(control);

    for (int i = 0; i < Image1.count(); ++i) {
        order.add(Image1(i));
        order.add(Label3(i));
    }
    for (QWidget* control : {Imath1, Labelth1, Imath2, Labelth2, Imath3, Labelth3, Image3, Label12})
        order.add(control);
    order.addArray(Label20);
    // The module icons and the chapters, once built, come in here.
    avantModules_ = order.last();

    order.add(texteur);
    order.addArray(Image4);
    order.add(command11);
    order.add(Command9);
    for (QWidget* control : {static_cast<QWidget*>(avant), static_cast<QWidget*>(avantcours),
                             static_cast<QWidget*>(Labelavant), static_cast<QWidget*>(Labelapres),
                             static_cast<QWidget*>(suite), static_cast<QWidget*>(apres)})
        order.add(control);
    order.apply();
    skipLinksUnder(*Frathem);
}

void Multim::buildModulesKeyboardAccess() {
    TabOrder order(avantModules_);
    order.addLinksOf(EXECHI);
    order.addLinksOf(EXEPHY);
    order.apply();
}

// Chapter by chapter: the fold button, the title, the entries, the tools; after the
// module icons when they are there already, else before them.
void Multim::buildChaptersKeyboardAccess() {
    QWidget* avant = avantModules_;
    if (modules.construite())
        avant = EXEPHY->findChildren<FormLabel*>(Qt::FindDirectChildrenOnly).constLast();
    TabOrder order(avant);
    for (const auto& [i, frame] : chapi) {
        order.add(btpm(i));
        order.add(titchap(i));
        for (const auto& [k, entry] : ettext) {
            if (entry->parent() == frame)
                order.add(entry);
        }
        for (QWidget* tool : {testcours(i), Label14(i), icoess(i), essentiel(i), Image9(i + 1),
                              Label22(i + 1), DOCU(i), Label21(i)})
            order.add(tool);
    }
    order.apply();
    // Only now: Qt leaves the order of a control that takes no focus as it was.
    for (const auto& [i, frame] : chapi)
        reachOnlyShownLinks(*frame);
}
