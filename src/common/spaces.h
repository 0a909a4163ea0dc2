#pragma once

#include <QString>

// The system trims spaces only: a carriage return or a tab is text.
QString trimSpaces(const QString& text);
