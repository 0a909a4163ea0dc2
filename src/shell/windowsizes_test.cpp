#include "calculator/machine.h"
#include "dictionary/coordon.h"
#include "dictionary/dictionarycommands.h"
#include "dictionary/dictionarycontext.h"
#include "display/alerte.h"
#include "display/form1.h"
#include "navigator/testing/navigationharness.h"
#include "platform/testing/fakedisplaymodes.h"
#include "quiz/feedbackwindows.h"
#include "shell/fermeur.h"

#include <functional>
#include <string>
#include <vector>

namespace {

// The names of a window's designed controls (the toolkit's own parts are named qt_...)
// that show outside its client area.
std::string controlsOutside(const QWidget& window) {
    QStringList outside;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString name = control->objectName();
        if (name.isEmpty() || name.startsWith(u"qt_") || !control->isVisibleTo(&window))
            continue;
        const QRect place(control->mapTo(&window, QPoint(0, 0)), control->size());
        if (!window.rect().contains(place))
            outside.append(name);
    }
    return outside.join(u' ').toStdString();
}

struct Seen {
    QSize size;
    std::string outside;
};

Seen seen(const QWidget& window) {
    return {window.size(), controlsOutside(window)};
}

// A window as the program opens it.
struct WindowCase {
    const char* name;
    QSize sizeAtSmallFonts; // pixels at 15 twips per pixel
    std::function<Seen()> open;
};

class WindowSizes : public NavigationHarness {
protected:
    // A display Dispotune must show its window on, rather than starting the navigator.
    WindowSizes() { fake.screen.setPixels(1024, 768); }

    // The index is sized by the command that opens it; it is seen while it is shown.
    Seen openIndex() {
        DictionaryState dico;
        FenetresDictionnaire fenetres;
        DictionnaireContexte contexte{navigateur, dico, fenetres};
        Seen index;
        fake.modalWindows.scriptNext([&index](QDialog& dialog) {
            index = seen(dialog);
            return dialog.result();
        });
        ouvrirIndex(contexte);
        return index;
    }

    EtatCalculatrice etat;
    FakeDisplayModes displayModes;
    QWidget face;
    qint16 voirCours = 0;
    Platform platform = fake.platform();

    const std::vector<WindowCase> windows{
        {"Machine", {302, 431}, [this] { return seen(Machine(platform, etat)); }},
        {"coordon", {302, 431}, [this] { return openIndex(); }},
        {"Cjuste", {398, 66}, [this] { return seen(Cjuste(face)); }},
        {"Cfaux", {381, 122}, [this] { return seen(Cfaux(face, voirCours)); }},
        {"Fermeur", {340, 120}, [] { return seen(Fermeur([](Fermeur&) {})); }},
        {"alerte", {520, 176}, [this] { return seen(Alerte(platform, 1)); }},
        {"Form1", {580, 480}, [this] { return seen(Form1(platform, displayModes)); }},
    };
};

TEST_F(WindowSizes, AtSmallFontsEachWindowKeepsItsSize) {
    for (const WindowCase& window : windows) {
        const Seen opened = window.open();
        EXPECT_EQ(opened.size, window.sizeAtSmallFonts) << window.name;
        EXPECT_EQ(opened.outside, "") << window.name;
    }
}

// At large fonts the controls placed in twips spread over more pixels: the window
// must grow with them, or the calculator loses its right column and bottom rows.
TEST_F(WindowSizes, AtLargeFontsEveryControlStaysInsideItsWindow) {
    fake.screen.twipsX = 12;
    fake.screen.twipsY = 12;
    for (const WindowCase& window : windows)
        EXPECT_EQ(window.open().outside, "") << window.name;
}

} // namespace
