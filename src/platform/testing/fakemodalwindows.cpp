#include "platform/testing/fakemodalwindows.h"

#include <QDialog>
#include <gtest/gtest.h>

int FakeModalWindows::run(QDialog& dialog) {
    shown.append(dialog.objectName());
    if (actions_.empty()) {
        ADD_FAILURE() << "unscripted modal window: " << dialog.objectName().toStdString();
        return QDialog::Rejected;
    }
    Action action = std::move(actions_.front());
    actions_.pop_front();
    dialog.show();
    const int result = action(dialog);
    dialog.hide();
    return result;
}
