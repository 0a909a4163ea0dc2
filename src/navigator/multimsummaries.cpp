// The general summary's choices, the theme frame and the module frames.

#include "navigator/multim.h"
#include "navigator/multimdesign.h"
#include "navigator/multimparts.h"
#include "platform/forms/formlabel.h"
#include "platform/forms/pointers.h"

namespace d = multimdesign;
using multimparts::image;
using multimparts::label;
using multimparts::name;
using multimparts::picture;
using multimparts::whiteFrame;

void Multim::buildSummaries() {
    menugeneral = whiteFrame(this, u"menugeneral", -1, QStringLiteral("Sommaire général"));
    menugeneral->setGeometry(d::menugeneral);
    for (int i = 0; i < int(d::volets.size()); ++i) {
        const d::Choice& choice = d::volets[i];
        const QString caption = choice.caption.toString();
        FormLabel* icon = image(
            menugeneral, u"Image1", i,
            picture(QStringLiteral("volet") + QString::number(i), devicePixelRatioF()), caption);
        twips_.setLeft(*icon, choice.picture.x());
        twips_.setTop(*icon, choice.picture.y());
        Image1.add(i, icon);
        FormLabel* text = label(menugeneral, u"Label3", i, caption);
        twips_.place(*text, choice.label);
        Label3.add(i, text);
    }
    FormLabel** themeLabels[] = {&Labelth1, &Labelth2, &Labelth3};
    FormLabel** themeImages[] = {&Imath1, &Imath2, &Imath3};
    for (int t = 0; t < int(d::themes.size()); ++t) {
        const d::Choice& choice = d::themes[t];
        const QString caption = choice.caption.toString();
        const QString number = QString::number(t + 1);
        FormLabel* icon =
            image(menugeneral, QString(QStringLiteral("Imath") + number), -1,
                  picture(QStringLiteral("theme") + number, devicePixelRatioF()), caption);
        twips_.setLeft(*icon, choice.picture.x());
        twips_.setTop(*icon, choice.picture.y());
        *themeImages[t] = icon;
        FormLabel* text =
            label(menugeneral, QString(QStringLiteral("Labelth") + number), -1, caption);
        twips_.place(*text, choice.label);
        text->setWordWrap(true);
        *themeLabels[t] = text;
    }
    Image3 = image(menugeneral, u"Image3", -1, picture(u"ecologia", devicePixelRatioF()),
                   d::Label12Caption.toString());
    twips_.setLeft(*Image3, d::Image3.x());
    twips_.setTop(*Image3, d::Image3.y());
    Label12 = label(menugeneral, u"Label12", -1, d::Label12Caption.toString());
    twips_.place(*Label12, d::Label12);
    Label12->setWordWrap(true);
    Label12->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Inside `menugeneral`, so whatever hides the general summary's choices hides the
    // theme contents too.
    Frathem = whiteFrame(menugeneral, u"Frathem", -1, QStringLiteral("Contenu du thème"));
    Frathem->setGeometry(0, 0, menugeneral->width(), menugeneral->height());
    Frathem->setMouseTracking(true);
    for (int k = 0; k <= 3; ++k) {
        FormLabel* heading = label(Frathem, u"Label26", k, QString());
        twips_.place(*heading, {d::Label26Left, 0, d::themeLabelWidth, d::themeLabelHeight});
        Label26.add(k, heading);
    }
    for (int k = 0; k <= 9; ++k) {
        FormLabel* entry = label(Frathem, u"Label20", k, QString());
        twips_.place(*entry, {d::Label20Left, 0, d::themeLabelWidth, d::themeLabelHeight});
        entry->setWordWrap(true);
        Label20.add(k, entry);
    }
    Frathem->hide();
}

void Multim::buildModules() {
    const auto moduleFrame = [this](QStringView design, const QString& accessible) {
        QFrame* box = whiteFrame(this, design, -1, accessible);
        box->resize(d::moduleFrameWidth, d::moduleFrameHeight);
        box->setFrameStyle(QFrame::Box | QFrame::Plain);
        box->hide();
        return box;
    };
    EXECHI = moduleFrame(u"EXECHI", QStringLiteral("Modules de chimie"));
    EXEPHY = moduleFrame(u"EXEPHY", QStringLiteral("Modules de physique"));
}

void Multim::buildModuleIcons() {
    const auto fill = [this](QFrame* box, const auto& modules) {
        for (int k = 0; k < int(modules.size()); ++k) {
            const int n = modules[k];
            const int left = d::moduleColumnLeft[k % 2];
            const int top = d::moduleFirstTop + (k / 2) * d::moduleRowPitch;
            const QString moduleName = d::moduleNames[n].toString();
            FormLabel* icon =
                image(box, u"Image6", n,
                      picture(QStringLiteral("module") + QString::number(n), devicePixelRatioF()),
                      moduleName);
            twips_.setLeft(*icon, left);
            twips_.setTop(*icon, top);
            setPointer(*icon, PointerKind::Custom, hand_);
            Image6.add(n, icon);
            FormLabel* text = label(box, u"Label10", n, moduleName);
            twips_.place(*text, {left + d::moduleLabelOffset, top, d::moduleLabelWidth, 480});
            Label10.add(n, text);
        }
    };
    fill(EXECHI, d::chemistryModules);
    fill(EXEPHY, d::physicsModules);
    buildModulesKeyboardAccess();
}
