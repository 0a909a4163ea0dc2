#pragma once

class Multim;

// The contents of theme 1, 2 or 3 in `Frathem`: its headings `Label26` and its
// entries `Label20`, placed and captioned; the entries a theme does not use hidden.
void montrerTheme(Multim& multim, int theme);
