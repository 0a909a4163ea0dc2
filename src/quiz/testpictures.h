#pragma once

#include <QPixmap>

// The pictures of the test windows, drawn for the project at `ratio` device pixels per
// pixel of the design (the device pixel ratio of the window that shows them).
namespace testpictures {

// Face k of the image list `smile`, 1 (sad) to 7 (beaming).
QPixmap face(int k, qreal ratio);
QPixmap previousArrow(qreal ratio);
QPixmap nextArrow(qreal ratio);
QPixmap validate(qreal ratio);
QPixmap closeTest(qreal ratio);
QPixmap calculator(qreal ratio);
QPixmap wrongMark(qreal ratio);         // beside a wrongly chosen option or a wrongly ticked box
QPixmap missedMark(qreal ratio);        // beside a right box left unticked
QPixmap pointer(qreal ratio);           // the custom pointer over the commands
QPixmap rightFrame(int f, qreal ratio); // frame 1 or 2 of the right-answer animation
QPixmap wrongPicture(qreal ratio);

} // namespace testpictures
