#pragma once

#include <QString>

// The pieces of window titles by which the closing window finds the windows to ask
// to quit, pass by pass (0..19): the help viewer's in pass 0, a module's own in most
// passes. An empty fragment asks no window to quit.
inline constexpr int nombrePassages = 20;

QString fragmentDuPassage(int passage);
