#pragma once

#include <QPixmap>

// The three action pictures of Dispotune's window, drawn rather than shipped.
QPixmap applyPicture();    // a screen with a green tick: adopt the recommended mode
QPixmap settingsPicture(); // a screen with sliders: the desktop's display settings
QPixmap closePicture();    // a red cross: close the page
