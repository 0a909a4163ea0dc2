#pragma once

#include "calculator/etatcalculatrice.h"

class QWidget;
struct Platform;

// The main window's calculator command: the calculator opens over the main window,
// 240 twips right of and 1800 twips below its corner, and the main window waits
// until it is closed.
void ouvrirMachine(QWidget& mainWindow, const Platform& platform, EtatCalculatrice& etat);
