#pragma once

#include "platform/messages.h"

#include <QList>
#include <deque>

// Records every box and answers from a queue. A box the test did not script fails
// the test at once (and answers Cancel, or OK for a lone OK button).
class FakeMessages : public Messages {
public:
    struct Box {
        QString title;
        QString text;
        Buttons buttons;
        Icon icon;
    };

    void answerNext(Answer answer) { answers_.push_back(answer); }
    // Every lone-OK box is answered OK without scripting.
    void acceptInformation(bool accept) { acceptLoneOk_ = accept; }

    Answer show(const QString& title, const QString& text, Buttons buttons, Icon icon) override;
    void beep() override { ++beeps; }

    QList<Box> shown;
    int beeps = 0;

private:
    std::deque<Answer> answers_;
    bool acceptLoneOk_ = false;
};
