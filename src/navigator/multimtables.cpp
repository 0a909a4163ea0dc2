// The chemistry and physics tables of contents: a frame per chapter holding its
// title row, its sections and entries, and the chapter's tools.

#include "navigator/chapterentries.h"
#include "navigator/chapterheights.h"
#include "navigator/multim.h"
#include "navigator/multimdesign.h"
#include "navigator/multimparts.h"
#include "navigator/sectiontitles.h"
#include "platform/forms/formlabel.h"

#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

namespace d = multimdesign;
using multimparts::image;
using multimparts::label;
using multimparts::name;
using multimparts::picture;
using multimparts::whiteFrame;

namespace {

int firstSection(int chapter) {
    int first = 0;
    for (int c = 0; c < chapter; ++c)
        first += chapterentries::sections[c];
    return first;
}

template <std::size_t N> bool contains(const std::array<int, N>& values, int value) {
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

void Multim::buildTables() {
    Picture1 = whiteFrame(this, u"Picture1", -1, QStringLiteral("Table des matières"));
    Picture1->setGeometry(d::Picture1);
    tablematchi = whiteFrame(Picture1, u"tablematchi", -1, QStringLiteral("Chimie"));
    tablematphy = whiteFrame(Picture1, u"tablematphy", -1, QStringLiteral("Physique"));
    for (QFrame* table : {tablematchi, tablematphy})
        twips_.place(*table, {0, 0, d::tableWidth, 1500});

    VScroll1 = new QScrollBar(Qt::Vertical, this);
    name(*VScroll1, u"VScroll1", -1, QStringLiteral("Défilement de la table"));
    VScroll1->setGeometry(d::VScroll1);
    VScroll1->setRange(0, 0);
    // A value counts two twips of the table: an arrow moves one entry line, a page most
    // of the viewport.
    VScroll1->setSingleStep(d::entryHeight / 2);
    VScroll1->setPageStep(int(Picture1->height() * twips_.perPixelY() * 0.9 / 2));
    VScroll1->hide();

    titrelivre = whiteFrame(tablematchi, u"titrelivre", -1, QStringLiteral("Titre du livre"));
    titrelivre->setGeometry(twips_.toPixelsX(d::titrelivre.x()),
                            twips_.toPixelsY(d::titrelivre.y()), d::titrelivre.width(),
                            d::titrelivre.height());
    auto* bookTitle =
        new QLabel(QStringLiteral("Galvane\nPhysique Chimie, classe de seconde"), titrelivre);
    bookTitle->setGeometry(titrelivre->rect());
    bookTitle->setAlignment(Qt::AlignCenter);
    QFont titleFont = bookTitle->font();
    titleFont.setBold(true);
    bookTitle->setFont(titleFont);
    titrelivre->hide();

    for (int k = 0; k < int(d::partHeadings.size()); ++k) {
        QFrame* table = k < 3 ? tablematchi : tablematphy;
        FormLabel* heading = label(table, u"Label7", k, d::partHeadings[k].toString());
        twips_.place(*heading, {d::Label7Left, 0, d::Label7Width, d::Label7Height});
        heading->setAlignment(Qt::AlignCenter);
        QFont font = heading->font();
        font.setBold(true);
        heading->setFont(font);
        heading->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0)"));
        Label7.add(k, heading);
    }
}

void Multim::buildChapters() {
    for (int i = 0; i < chapterentries::chapterCount; ++i)
        buildChapter(i, i < 10 ? *tablematchi : *tablematphy);
    // Element 0 of each array holds the cursor image the others receive.
    for (QWidget* control :
         {static_cast<QWidget*>(btpm(0)), static_cast<QWidget*>(icoess(0)),
          static_cast<QWidget*>(testcours(0)), static_cast<QWidget*>(essentiel(0)),
          static_cast<QWidget*>(Label14(0)), static_cast<QWidget*>(ettext(0))})
        control->setCursor(hand_);
    buildChaptersKeyboardAccess();
}

void Multim::buildChapter(int i, QFrame& table) {
    QFrame* frame = whiteFrame(&table, u"chapi", i, d::chapterTitles[i].trimmed().toString());
    twips_.place(*frame, {d::chapiLeft, 0, d::chapiWidth, chapterheights::folded});
    chapi.add(i, frame);

    auto* button = new QPushButton(QStringLiteral("+"), &table);
    name(*button, u"btpm", i,
         QStringLiteral("Déplier ") + d::chapterTitles[i].trimmed().toString());
    twips_.place(*button, d::btpm);
    btpm.add(i, button);

    FormLabel* title = label(frame, u"titchap", i, d::chapterTitles[i].toString());
    twips_.place(*title, d::titchap);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    title->setFont(titleFont);
    titchap.add(i, title);

    int top = d::firstRowTop;
    int entry = chapterentries::firstEntry(i);
    const int section0 = firstSection(i);
    for (int s = 0; s < chapterentries::sections[i]; ++s) {
        FormLabel* section =
            label(frame, u"etsout", section0 + s, sectiontitles::titles[section0 + s].toString());
        twips_.place(*section, {d::sectionLeft, top, d::rowWidth, d::sectionHeight});
        QFont sectionFont = section->font();
        sectionFont.setBold(true);
        section->setFont(sectionFont);
        etsout.add(section0 + s, section);
        top += d::sectionHeight;
        for (int e = 0; e < chapterentries::entriesOfSection(i, s); ++e, ++entry) {
            FormLabel* item = label(frame, u"ettext", entry, QString());
            twips_.place(*item, {d::entryLeft, top, d::rowWidth, d::entryHeight});
            ettext.add(entry, item);
            top += d::entryHeight;
        }
    }

    // The tools, bottom row last, so that the frame's unfolded height ends under them.
    struct Tool {
        QStringView icon;
        QStringView iconPicture;
        ControlArray<FormLabel>* icons;
        QStringView text;
        QStringView caption;
        ControlArray<FormLabel>* texts;
        int index;
    };
    std::vector<Tool> tools = {
        {u"testcours", u"test", &testcours, u"Label14", d::Label14Caption, &Label14, i},
        {u"icoess", u"essentiel", &icoess, u"essentiel", d::essentielCaption, &essentiel, i},
    };
    if (contains(d::Image9Chapters, i + 1))
        tools.push_back(
            {u"Image9", u"video", &Image9, u"Label22", d::Label22Caption, &Label22, i + 1});
    if (contains(d::DOCUChapters, i))
        tools.push_back({u"DOCU", u"docu", &DOCU, u"Label21", d::Label21Caption, &Label21, i});
    int toolTop =
        chapterheights::unfolded[i] - d::toolBottomMargin - int(tools.size()) * d::toolRowHeight;
    for (const Tool& tool : tools) {
        const QString caption = tool.caption.toString();
        FormLabel* icon = image(frame, tool.icon, tool.index,
                                picture(tool.iconPicture, devicePixelRatioF()), caption);
        twips_.setLeft(*icon, d::toolIconLeft);
        twips_.setTop(*icon, toolTop + (d::toolRowHeight - twips_.rect(*icon).height()) / 2);
        tool.icons->add(tool.index, icon);
        FormLabel* text = label(frame, tool.text, tool.index, caption);
        twips_.place(*text, {d::toolLabelLeft, toolTop, d::toolLabelWidth, d::toolRowHeight});
        tool.texts->add(tool.index, text);
        toolTop += d::toolRowHeight;
    }
}
