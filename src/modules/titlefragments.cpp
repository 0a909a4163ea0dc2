#include "modules/titlefragments.h"

#include <array>

namespace {

// A piece of each shipped module's main-window title, by module number: the title
// word without its initial, so that it matches with a capital or a small one; module
// 5's whole name in capitals; a word of module 15's title. Module 19 is never closed.
constexpr std::array<const char*, 20> fragmentsModules = {
    "",      "rdalis", "alens",  "pectra", "eflexa", "TUTORKIT", "rbita",
    "aviga", "trata",  "ilanz",  "ravis",  "oleca",  "lambix",   "onoria",
    "ichex", "tuteur", "scilla", "ipetta", "esumix", ""};

// The module whose windows each pass closes; pass 8 closes none, module 8 comes late.
constexpr std::array<int, nombrePassages> modulesParPassage = {
    0, 1, 2, 3, 4, 5, 6, 7, 0, 9, 10, 11, 12, 13, 14, 15, 16, 8, 17, 18};

} // namespace

QString fragmentDuPassage(int passage) {
    if (passage == 0)
        return QStringLiteral("Aide du logiciel G");
    if (passage < 0 || passage >= nombrePassages)
        return {};
    return QString::fromLatin1(fragmentsModules[modulesParPassage[passage]]);
}
