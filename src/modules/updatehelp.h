#pragma once

#include <QString>

struct Platform;

// The update button: hands over to the updater and ends the navigator, but only
// when no module runs, since the updater replaces module files.
void Command8_Click(Platform& platform, const QString& repertoireProgramme);

// The help button: the course's help file in the help viewer, at its contents.
void Command10_Click(Platform& platform, const QString& repertoireProgramme);
