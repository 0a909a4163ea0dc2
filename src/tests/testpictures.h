#pragma once

#include <QPixmap>

// The pictures of the test windows, drawn for the project.
namespace testpictures {

// Face k of the image list `smile`, 1 (sad) to 7 (beaming).
QPixmap face(int k);
QPixmap previousArrow();
QPixmap nextArrow();
QPixmap validate();
QPixmap closeTest();
QPixmap calculator();
QPixmap wrongMark();       // beside a wrongly chosen option or a wrongly ticked box
QPixmap missedMark();      // beside a right box left unticked
QPixmap pointer();         // the custom pointer over the commands
QPixmap rightFrame(int f); // frame 1 or 2 of the right-answer animation
QPixmap wrongPicture();

} // namespace testpictures
