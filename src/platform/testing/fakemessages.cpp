#include "platform/testing/fakemessages.h"

#include <gtest/gtest.h>

Messages::Answer FakeMessages::show(const QString& title, const QString& text, Buttons buttons,
                                    Icon icon) {
    shown.append({title, text, buttons, icon});
    if (!answers_.empty()) {
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }
    if (buttons == Buttons::Ok && acceptLoneOk_)
        return Answer::Ok;
    ADD_FAILURE() << "unscripted message box: " << title.toStdString() << " / "
                  << text.toStdString();
    return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
}
