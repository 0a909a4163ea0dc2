#pragma once

#include "helpfile.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

// The help viewer's window: the table of contents and a search field on the left,
// the chosen topic with its pictures on the right. The window title is the help
// file's, which the navigator's shutdown looks for.
class HelpWindow : public QWidget {
public:
    // folder: where the topics' pictures are looked for (the help file's folder).
    HelpWindow(HelpFile help, const QString& folder);

    void showTopic(int topic);
    // Keeps in the contents the topics holding every word typed, and shows the first.
    void search(const QString& words);

private:
    void highlight();

    HelpFile help_;
    QLineEdit* recherche_;
    QLabel* resultat_;
    QListWidget* sommaire_;
    QTextBrowser* page_;
};
