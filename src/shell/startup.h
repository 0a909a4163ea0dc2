#pragma once

class Multim;
struct ApplicationState;
struct Platform;

// `demarrer`, the navigator's whole start-up, run by the main window's load event
// before it is first shown. It either returns with the main window visible on the
// general summary, or ends the program: after handing over to Dispotune or to the
// installer, after an error message, or on "Quitter" in the display warning.
void demarrer(Platform& platform, Multim& multim, ApplicationState& state);

// The flag file does not carry version "2.01": the installer is looked for on the
// drives and started, or the user is asked for the disc. Never returns.
[[noreturn]] void terminerInstallation(Platform& platform);

// The pointers and pictures every element of the arrays shares with element 0, and
// the chapters' unfolded heights.
void preparerCurseurs(Multim& multim, ApplicationState& state);
