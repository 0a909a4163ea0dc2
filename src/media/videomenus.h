#pragma once

class QPoint;
struct VideoContexte;

// The ways to a video page: the projector icon of a page, the chapters' video icons
// and the experiment-video menu `MENUVIDEO` they pop up at `souris`.
void projo_Click(VideoContexte& contexte, const QPoint& souris);
void Image9_Click(VideoContexte& contexte, int chapitre, const QPoint& souris);
void MVideo_Click(VideoContexte& contexte, int item);
