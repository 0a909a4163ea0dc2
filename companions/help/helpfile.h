#pragma once

#include <QList>
#include <QString>

// A help file is Windows-1252 text. Its first line is the viewer's window title; a
// line "# Title" opens a topic. Inside a topic:
//   "## Title"           a heading;
//   "- text"             an item of a list;
//   "! picture Caption"  a picture (a path relative to the help file), its caption under it;
//   four spaces, text    an example, shown as typed;
//   any other line       text: consecutive lines make one paragraph, a blank line ends it.
// "**words**" is shown in bold; "&" before a letter underlines it, as in a button's
// caption ("C&himie").
struct HelpTopic {
    QString title;
    QString html;
    QString text; // what a search looks in: the title, the text and the captions
};

struct HelpFile {
    QString title;
    QList<HelpTopic> topics;
};

// A missing file gives one topic saying so, in French.
HelpFile readHelpFile(const QString& path);
HelpFile parseHelp(const QString& text);

// Text as a search compares it: lower case, accents removed.
QString foldForSearch(const QString& text);
