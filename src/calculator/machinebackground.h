#pragma once

class QPainter;

// The calculator window's painted background, in the design's pixels (15 twips
// each): a vertical gradient from RGB(200,250,250) at the left to RGB(50,100,100) at
// the right over 302 × 431 pixels, a white and black edge, and a double outline round
// the digit keys.
void paintMachineBackground(QPainter& painter);
