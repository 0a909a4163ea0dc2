#pragma once

#include "calculator/machinedesign.h"

#include <QPixmap>

// The pictures of the keys exp, 10^x, x² and x^y, drawn for the calculator: a base
// and a raised exponent in black on a transparent ground.
QPixmap keyPicture(KeyPicture picture, QSize size);
