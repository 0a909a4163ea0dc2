#pragma once

#include "navigator/deferredpart.h"
#include "platform/forms/controlarray.h"
#include "platform/forms/twips.h"

#include <QCursor>
#include <QWidget>
#include <functional>

class FormLabel;
class PictureBox;
class QAction;
class QFrame;
class QListWidget;
class QMenu;
class QPushButton;
class QScrollBar;
class RichTextBox;

// The main window `multim`: its design, every control placed and named. Each control
// has an object name (its design name, `_index` for arrays) and an accessible name
// (its caption, else its tooltip). The behaviour lives with the subsystems, which
// connect their handlers to these controls.
class Multim : public QWidget {
    Q_OBJECT

public:
    // `twipsPerPixelX/Y` of the screen scale the controls placed in twips.
    Multim(double twipsPerPixelX, double twipsPerPixelY, QWidget* parent = nullptr);

    const TwipsScale& twips() const { return twips_; }
    // The pointing hand over the links, the cursor image of the design's arrays.
    const QCursor& hand() const { return hand_; }

    // Outer geometry (title bar and borders included), as the window designs give it:
    // the client area follows once the window system has framed the window.
    void setOuterGeometry(const QRect& outer);

    // Title bands, page area, in-chapter links.
    PictureBox* titre;
    PictureBox* bastitre;
    RichTextBox* texteur;
    PictureBox* Picture4;
    FormLabel* suite;
    FormLabel* Labelapres;
    FormLabel* avantcours;
    FormLabel* Labelavant;
    FormLabel* Label9;

    // Commands.
    QPushButton* Command1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* command4;
    QPushButton* command5;
    QPushButton* command6;
    QPushButton* Command8;
    QPushButton* Command10;
    QPushButton* Command12;
    QPushButton* Command13;
    QPushButton* Command14;
    QPushButton* avant;
    QPushButton* apres;
    FormLabel* Image2;

    // General summary, summary views, themes.
    QFrame* menugeneral;
    ControlArray<FormLabel> Image1;
    ControlArray<FormLabel> Label3;
    FormLabel* Labelth1;
    FormLabel* Labelth2;
    FormLabel* Labelth3;
    FormLabel* Imath1;
    FormLabel* Imath2;
    FormLabel* Imath3;
    QFrame* Frathem;
    ControlArray<FormLabel> Label26;
    ControlArray<FormLabel> Label20;

    // Tables of contents. Their chapters (`chapi` to `Label21`) are built the first time
    // a table shows, since start-up shows none: until then those arrays are empty.
    DeferredPart chapitres{[this] { buildChapters(); }};
    QFrame* Picture1;
    QFrame* tablematchi;
    QFrame* tablematphy;
    QScrollBar* VScroll1;
    QFrame* titrelivre;
    ControlArray<QFrame> chapi;
    ControlArray<QPushButton> btpm;
    ControlArray<FormLabel> titchap;
    ControlArray<FormLabel> etsout;
    ControlArray<FormLabel> ettext;
    ControlArray<FormLabel> Label7;
    ControlArray<FormLabel> testcours;
    ControlArray<FormLabel> Label14;
    ControlArray<FormLabel> icoess;
    ControlArray<FormLabel> essentiel;
    ControlArray<FormLabel> Image9;
    ControlArray<FormLabel> Label22;
    ControlArray<FormLabel> DOCU;
    ControlArray<FormLabel> Label21;

    // Module icons and the test icon. The frames' icons and captions (`Image6`,
    // `Label10`) are built the first time a frame or a page shows a module.
    DeferredPart modules{[this] { buildModuleIcons(); }};
    QFrame* EXECHI;
    QFrame* EXEPHY;
    ControlArray<FormLabel> Image6;
    ControlArray<FormLabel> Label10;
    FormLabel* Image3;
    FormLabel* Label12;
    FormLabel* Imagexe;
    FormLabel* Labelexe;
    FormLabel* btexo;
    FormLabel* Label16;

    // Video player and powers-of-ten viewer.
    QFrame* label15;
    ControlArray<FormLabel> Image4;
    FormLabel* projo;
    QMenu* MENUVIDEO;
    ControlArray<QAction> MVideo;
    QFrame* Frame1;
    FormLabel* Label24;
    FormLabel* Label25;
    FormLabel* Label8;
    FormLabel* Command9;
    FormLabel* command11;

    // The dictionary's keywords as loaded.
    QListWidget* List1;

    // Asked whenever the window is to close (its "&Quitter" button, its frame); true
    // keeps it open.
    std::function<bool()> Form_QueryUnload;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void fitOuterSize();
    QSize frameMargins() const;
    void buildPage();
    void buildCommands();
    void buildSummaries();
    void buildTables();
    void buildChapters();
    void buildChapter(int i, QFrame& table);
    void buildModules();
    void buildModuleIcons();
    void buildMedia();
    void buildKeyboardAccess();
    void buildChaptersKeyboardAccess();
    void buildModulesKeyboardAccess();

    TwipsScale twips_;
    // The pointing hand over every link, made once: a cursor from a picture is costly.
    QCursor hand_;
    QSize outerSize_;
    QSize fittedMargins_;
    // The control the module icons, then the chapters, follow in the Tab order.
    QWidget* avantModules_ = nullptr;
};
