#pragma once

class QDialog;

// Runs a window modally and returns when it closes. Tests script what the user does
// in the window instead of waiting for them.
class ModalWindows {
public:
    virtual ~ModalWindows() = default;
    // The dialog's result code (QDialog::Accepted / Rejected or its own done() value).
    virtual int run(QDialog& dialog) = 0;
};
