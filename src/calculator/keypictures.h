#pragma once

#include "calculator/machinedesign.h"

#include <QPixmap>

// The pictures of the keys exp, 10^x, x² and x^y, drawn for the calculator: a base
// and a raised exponent in black on a transparent ground, `size` pixels of the design
// at `ratio` device pixels each (the window's device pixel ratio).
QPixmap keyPicture(KeyPicture picture, QSize size, qreal ratio);
