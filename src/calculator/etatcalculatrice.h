#pragma once

// The calculator's state that outlives its window: the memory register keeps its
// value when the calculator is closed and opened again. The application owns it.
struct EtatCalculatrice {
    double memoire = 0.0;
};
