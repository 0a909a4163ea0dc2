#include "display/displaysettings.h"

#include "platform/processes.h"

#include <QStringList>
#include <array>

namespace {

struct SettingsProgram {
    const char* program;
    const char* arguments;
};

// The display page of each common desktop, most widespread first.
constexpr std::array settingsPrograms{
    SettingsProgram{"gnome-control-center", "display"},
    SettingsProgram{"systemsettings", "kcm_kscreen"},
    SettingsProgram{"systemsettings5", "kcm_kscreen"},
    SettingsProgram{"kcmshell5", "kcm_kscreen"},
    SettingsProgram{"xfce4-display-settings", ""},
    SettingsProgram{"cinnamon-settings", "display"},
    SettingsProgram{"mate-display-properties", ""},
    SettingsProgram{"lxrandr", ""},
    SettingsProgram{"arandr", ""},
};

} // namespace

void startDisplaySettings(Processes& processes) {
    for (const SettingsProgram& candidate : settingsPrograms) {
        const QString arguments = QString::fromLatin1(candidate.arguments);
        const QStringList argumentList =
            arguments.isEmpty() ? QStringList() : QStringList{arguments};
        if (processes.start(QString::fromLatin1(candidate.program), argumentList,
                            Processes::WindowStyle::MinimisedFocus) != 0)
            return;
    }
}
