#pragma once

#include <QPixmap>

// The three action pictures of Dispotune's window, drawn rather than shipped.
// Each is drawn at `ratio` device pixels per pixel of the design (the window's ratio).
QPixmap applyPicture(qreal ratio);    // a screen with a green tick: adopt the recommended mode
QPixmap settingsPicture(qreal ratio); // a screen with sliders: the desktop's display settings
QPixmap closePicture(qreal ratio);    // a red cross: close the page
