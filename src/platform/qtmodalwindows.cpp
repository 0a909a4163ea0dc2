#include "platform/qtmodalwindows.h"

#include <QDialog>

int QtModalWindows::run(QDialog& dialog) {
    return dialog.exec();
}
