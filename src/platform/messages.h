#pragma once

#include <QString>

// The system's message boxes and the system beep.
class Messages {
public:
    // YesNoDefaultNo: Yes and No, with No the button Enter presses.
    enum class Buttons { Ok, OkCancel, YesNo, YesNoDefaultNo, RetryCancel };
    enum class Icon { None, Critical, Exclamation, Question, Information };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    virtual ~Messages() = default;

    // Modal; returns the button the user chose (closing the box counts as Cancel,
    // or No for Yes/No, or Ok for a single OK).
    virtual Answer show(const QString& title, const QString& text, Buttons buttons, Icon icon) = 0;
    virtual void beep() = 0;
};
