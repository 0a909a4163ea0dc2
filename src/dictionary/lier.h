#pragma once

#include "dictionary/dictionarycontext.h"
#include "platform/forms/twips.h"

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;

// The related-pages window: the pages that share a keyword with the page on screen,
// by their display forms; "Afficher" opens the selected one.
class Lier : public QDialog {
    Q_OBJECT

public:
    // `pages`: the full keys of the related pages, in the order to list them.
    Lier(DictionnaireContexte& contexte, const QStringList& pages, QWidget* parent = nullptr);

    QLabel* Label1;
    QListWidget* List1;
    QPushButton* Command1;
    QPushButton* Command2;
    QLabel* Image1;

public slots:
    void Command1_Click();
    void Command2_Click();

private:
    void construire();

    DictionnaireContexte& contexte_;
    TwipsScale twips_;
    QStringList clesPages;
};
