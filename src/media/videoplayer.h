#pragma once

struct VideoContexte;

// `ouvrirVideo`: opens the current page's video (`cheminMedia`) into `Picture4`, found
// beside the program, in the disc's video folder, or on the disc once asked for.
// When it is nowhere the still picture stays and `videoEnCours` stays 0.
void ouvrirVideo(VideoContexte& contexte);

// The playback bar's buttons `Image4`(0..6): play, step, pause, stop, back, to the end,
// to the start. The first press opens the video and shows its first picture.
void Image4_Click(VideoContexte& contexte, int bouton);

// The media control's notification: at the end the first picture shows again.
void MMControl1_StatusUpdate(VideoContexte& contexte);
