#pragma once

#include "platform/modalwindows.h"

#include <QDialog>
#include <QList>
#include <QString>
#include <deque>
#include <functional>
#include <gtest/gtest.h>

// Each run shows the dialog, then plays the next scripted action on it (clicking its
// buttons, typing...) instead of waiting for a user; the action's return value is the
// result. A window the test did not script fails the test at once.
class FakeModalWindows : public ModalWindows {
public:
    using Action = std::function<int(QDialog&)>;

    void scriptNext(Action action) { actions_.push_back(std::move(action)); }
    // The next window is to be a `T`: `act` on it as one; its result is the dialog's.
    template <typename T, typename Act> void scriptNextAs(Act act) {
        scriptNext([act](QDialog& dialog) {
            T* fenetre = qobject_cast<T*>(&dialog);
            EXPECT_NE(fenetre, nullptr) << dialog.objectName().toStdString();
            if (fenetre)
                act(*fenetre);
            return dialog.result();
        });
    }
    int run(QDialog& dialog) override;

    QList<QString> shown; // object names of the dialogs run, in order

private:
    std::deque<Action> actions_;
};
