#pragma once

#include <QString>
#include <QtGlobal>

// Numeric records and saved answers are decimal text read by their leading number.

// The leading decimal number of a text: leading spaces skipped, optional sign,
// digits, optional decimal part and exponent; 0 when the text starts with no number.
double leadingNumber(const QString& text);

// Round half to even into the 16-bit signed range; values beyond it are clamped.
qint16 roundToInt16(double value);

// A computed position or count to the nearest whole number, half to even.
int arrondi(double value);

// leadingNumber then roundToInt16.
qint16 numericTextToInt16(const QString& text);
