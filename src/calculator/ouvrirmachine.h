#pragma once

#include "calculator/etatcalculatrice.h"

class QWidget;
struct Platform;

// The main window's calculator command: the calculator opens over the main window,
// 240 twips right of and 1800 twips below its corner, and the main window waits
// until it is closed.
void ouvrirMachine(QWidget& mainWindow, const Platform& platform, EtatCalculatrice& etat);

// The test window's calculator button: the calculator stands 240 twips left of the
// main window's width from the screen's left edge, and 1800 twips below the main
// window's top.
void ouvrirMachineDuTest(QWidget& mainWindow, const Platform& platform, EtatCalculatrice& etat);
