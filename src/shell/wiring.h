#pragma once

class Multim;
struct ApplicationState;
struct Platform;

// Connects the main-window controls whose handlers live in the other subsystems.
void connecterCommandes(Multim& multim, Platform& platform, ApplicationState& state);
