#pragma once

class PictureBox;

// `peindreBandeaux`: the upper band `titre` fades from a pale tint of the style's
// family to white, the lower band `bastitre` from white to a stronger tint. Styles
// outside 0..5 paint nothing.
void peindreBandeaux(PictureBox& titre, PictureBox& bastitre, int style);
