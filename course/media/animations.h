#pragma once

#include <QPainter>
#include <QSize>
#include <QString>

// One picture of an experiment video at time t (0 at the start, 1 at the end).
// The animation is named as in the media list: "chute", "gaz:roux",
// "couleur:bleu:rouge", "precipite:bleu", "bulles:incolore", "melange:jaune:bleu",
// "fusion", "chromato", "filtration", "laser", "ballon", "prisme".
void drawFrame(QPainter& p, QSize size, const QString& animation, double t);
