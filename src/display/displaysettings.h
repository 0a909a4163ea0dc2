#pragma once

class Processes;

// Opens the desktop's display settings: the first of the usual settings programs
// that starts, in a minimised window with focus. None installed fails silently.
void startDisplaySettings(Processes& processes);
