#include "navigator/multim.h"
#include "navigator/multimdesign.h"
#include "platform/forms/formlabel.h"
#include "platform/richtext/richtextbox.h"

#include <QFrame>
#include <QPushButton>
#include <vector>

namespace d = multimdesign;

// Every clickable label and image becomes a link, and Tab walks the window as the eye
// reads it: the command row, the icons of the upper band, what the summary or the table
// shows, the page, its links at the bottom.
void Multim::buildKeyboardAccess() {
    std::vector<QWidget*> order;
    const auto add = [&order](QWidget* control) {
        if (!control)
            return;
        if (auto* link = qobject_cast<FormLabel*>(control))
            link->makeLink();
        order.push_back(control);
    };
    const auto addArray = [&add](const ControlArray<FormLabel>& controls) {
        for (const auto& [i, control] : controls)
            add(control);
    };
    // Labels and images in the order they were placed, which is the order they show.
    const auto addLinksOf = [&add](QWidget* frame) {
        for (FormLabel* control : frame->findChildren<FormLabel*>(Qt::FindDirectChildrenOnly))
            add(control);
    };

    add(Image2);
    for (const d::Command& command : d::commands)
        add(findChild<QPushButton*>(command.name.toString()));
    for (QWidget* control : {projo, Imagexe, Labelexe, btexo, Label16})
        add(control);

    for (int i = 0; i < Image1.count(); ++i) {
        add(Image1(i));
        add(Label3(i));
    }
    for (QWidget* control : {Imath1, Labelth1, Imath2, Labelth2, Imath3, Labelth3, Image3, Label12})
        add(control);
    addArray(Label20);

    addLinksOf(EXECHI);
    addLinksOf(EXEPHY);
    for (const auto& [i, frame] : chapi) {
        add(btpm(i));
        add(titchap(i));
        for (const auto& [k, entry] : ettext) {
            if (entry->parent() == frame)
                add(entry);
        }
        for (QWidget* tool : {testcours(i), Label14(i), icoess(i), essentiel(i), Image9(i + 1),
                              Label22(i + 1), DOCU(i), Label21(i)})
            add(tool);
    }

    add(texteur);
    addArray(Image4);
    add(command11);
    add(Command9);
    for (QWidget* control : {static_cast<QWidget*>(avant), static_cast<QWidget*>(avantcours),
                             static_cast<QWidget*>(Labelavant), static_cast<QWidget*>(Labelapres),
                             static_cast<QWidget*>(suite), static_cast<QWidget*>(apres)})
        add(control);

    for (std::size_t k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
    // Only now: Qt leaves the order of a control that takes no focus as it was.
    for (const auto& [i, frame] : chapi)
        reachOnlyShownLinks(*frame);
    skipLinksUnder(*Frathem);
}
