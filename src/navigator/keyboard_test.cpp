#include "navigator/chapterentries.h"
#include "navigator/chapterheights.h"
#include "navigator/multimdesign.h"
#include "navigator/navigation.h"
#include "navigator/tablefolding.h"
#include "navigator/tablelayout.h"
#include "navigator/testing/navigationharness.h"
#include "platform/forms/formlabel.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPushButton>
#include <QScrollBar>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

namespace {

// The main window shown and active on the chemistry summary, every chapter folded, as
// a pupil finds it after pressing "C&himie".
class Keyboard : public NavigationHarness {
protected:
    Keyboard() {
        connecterAvecTablesPliees();
        m.show();
        m.activateWindow();
        QApplication::processEvents();
        m.command5->click();
    }

    void aller(const QString& cle) { demanderPage(navigateur, cle); }

    static void key(QWidget& control, int code) {
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier);
        QApplication::sendEvent(&control, &press);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier);
        QApplication::sendEvent(&control, &release);
    }

    // The controls Tab reaches from `start`, `count` of them.
    static std::string tabsFrom(QWidget& start, int count) {
        start.setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int k = 0; k < count; ++k) {
            key(*QApplication::focusWidget(), Qt::Key_Tab);
            reached.append(QApplication::focusWidget()->objectName());
        }
        return reached.join(u' ').toStdString();
    }

    static std::string names(const std::vector<QWidget*>& controls) {
        QStringList all;
        for (const QWidget* control : controls)
            all.append(control->objectName());
        return all.join(u' ').toStdString();
    }
};

const QString atomes = QStringLiteral("1.1. Les atomes");
const QString noyau = QStringLiteral("1.2. Le noyau");

TEST_F(Keyboard, TabWalksAnUnfoldedChapterInReadingOrderAndSkipsTheFoldedOnes) {
    m.btpm(0)->click();
    std::vector<QWidget*> expected = {m.titchap(0)};
    const int entries = chapterentries::firstEntry(1) - chapterentries::firstEntry(0);
    for (int e = 0; e < entries; ++e)
        expected.push_back(m.ettext(e));
    for (QWidget* tool : {m.testcours(0), m.Label14(0), m.icoess(0), m.essentiel(0), m.Image9(1),
                          m.Label22(1), m.DOCU(0), m.Label21(0)})
        expected.push_back(tool);
    // The folded chapters offer their button and title only.
    for (int c = 1; c <= 2; ++c) {
        expected.push_back(m.btpm(c));
        expected.push_back(m.titchap(c));
    }
    EXPECT_EQ(tabsFrom(*m.btpm(0), int(expected.size())), names(expected));

    m.btpm(3)->click(); // the first part folds as the second opens: its entries drop out
    EXPECT_EQ(tabsFrom(*m.titchap(0), 1), names({m.btpm(1)}));
    EXPECT_EQ(tabsFrom(*m.titchap(3), 1), names({m.ettext(chapterentries::firstEntry(3))}));
}

// The module icons are built after the chapters, yet come before them.
TEST_F(Keyboard, TheModuleIconsComeBeforeTheChapters) {
    const QList<FormLabel*> modules = m.EXECHI->findChildren<FormLabel*>();
    ASSERT_FALSE(modules.isEmpty());
    EXPECT_EQ(tabsFrom(*modules.constLast(), 1), names({m.btpm(0)}));
    EXPECT_EQ(tabsFrom(*m.Label12, 1), names({modules.constFirst()}));
}

TEST_F(Keyboard, TheCommandRowComesFirstInTheOrderOfTheButtons) {
    std::vector<QWidget*> expected;
    for (const multimdesign::Command& command : multimdesign::commands) {
        auto* button = m.findChild<QPushButton*>(command.name.toString());
        if (button->isEnabled())
            expected.push_back(button);
    }
    EXPECT_EQ(tabsFrom(*m.Image2, int(expected.size())), names(expected));
}

TEST_F(Keyboard, EnterAndSpaceDoWhatTheClickDoes) {
    struct Case {
        const char* what;
        int code;
        std::function<QWidget*()> control;
        QString page;
    };
    const std::vector<Case> cases = {
        {"an entry, Enter", Qt::Key_Return, [this] { return m.ettext(0); }, atomes},
        {"an entry, keypad Enter", Qt::Key_Enter, [this] { return m.ettext(0); }, atomes},
        {"an entry, Space", Qt::Key_Space, [this] { return m.ettext(0); }, atomes},
        // The next-page link answers the release of the mouse, not the click.
        {"the next-page link", Qt::Key_Return,
         [this] {
             aller(atomes);
             return m.Labelapres;
         },
         noyau},
        {"the next-page picture", Qt::Key_Space,
         [this] {
             aller(atomes);
             return m.suite;
         },
         noyau},
    };
    for (const Case& c : cases) {
        m.command5->click();
        m.ettext(0)->setText(atomes);
        state.cleCourante.clear();
        key(*c.control(), c.code);
        EXPECT_EQ(state.cleCourante, c.page) << c.what;
    }
}

TEST_F(Keyboard, TheHoverLookFollowsTheFocus) {
    m.btpm(0)->click();
    m.ettext(0)->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(m.ettext(0)->font().bold());
    key(*m.ettext(0), Qt::Key_Tab);
    EXPECT_FALSE(m.ettext(0)->font().bold());
    EXPECT_TRUE(m.ettext(1)->font().bold());
    m.testcours(0)->setFocus(Qt::TabFocusReason); // leaving the entries for the chapter's tools
    EXPECT_FALSE(m.ettext(1)->font().bold());
}

TEST_F(Keyboard, TheThemeContentsHideTheChoicesBeneathThemFromTab) {
    m.Command2->click();
    key(*m.Labelth1, Qt::Key_Return);
    ASSERT_FALSE(m.Frathem->isHidden());
    EXPECT_EQ(tabsFrom(*m.Command14, 2), names({m.Label20(0), m.Label20(1)}));
    m.Command2->click();
    EXPECT_EQ(tabsFrom(*m.Command14, 2), names({m.Image1(0), m.Label3(0)}));
}

TEST_F(Keyboard, EnterOnAChapterTitleUnfoldsIt) {
    key(*m.titchap(3), Qt::Key_Return);
    EXPECT_EQ(m.btpm(3)->text(), QStringLiteral("-"));
    key(*m.titchap(3), Qt::Key_Space);
    EXPECT_EQ(m.btpm(3)->text(), QStringLiteral("+"));
}

TEST_F(Keyboard, AnEntryReachedBelowTheViewportScrollsIntoView) {
    m.command6->click();
    m.btpm(17)->click(); // longer than the viewport
    m.VScroll1->setValue(0);
    FormLabel& derniere = *m.Label22(18); // the chapter's last row
    derniere.setFocus(Qt::TabFocusReason);
    const int bas = derniere.mapTo(m.Picture1, QPoint(0, derniere.height())).y();
    EXPECT_GT(m.VScroll1->value(), 0);
    EXPECT_LE(bas, m.Picture1->height());
    EXPECT_GE(derniere.mapTo(m.Picture1, QPoint(0, 0)).y(), 0);
}

TEST_F(Keyboard, LinksAreAnnouncedByTheirCaptionOrElseTheirTooltip) {
    m.ettext(0)->setText(atomes); // captioned at start-up, after the design
    struct Case {
        FormLabel* control;
        QString name;
    };
    for (const Case& c :
         {Case{m.ettext(0), atomes}, Case{m.titchap(0), QStringLiteral("1. Espèces chimiques")},
          Case{m.Image2, QStringLiteral("Afficher le sommaire général")},
          Case{m.testcours(0), QStringLiteral("Tester vos connaissances")}}) {
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(c.control);
        ASSERT_NE(link, nullptr) << c.control->objectName().toStdString();
        EXPECT_EQ(link->role(), QAccessible::Link) << c.control->objectName().toStdString();
        EXPECT_EQ(link->text(QAccessible::Name), c.name);
    }
    QAccessibleInterface* heading = QAccessible::queryAccessibleInterface(m.Label7(0));
    EXPECT_NE(heading->role(), QAccessible::Link);
}

TEST_F(Keyboard, TheAccessiblePressActionOpensTheEntry) {
    m.ettext(0)->setText(atomes);
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(m.ettext(0))->actionInterface();
    ASSERT_NE(actions, nullptr);
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(state.cleCourante, atomes);
}

TEST_F(Keyboard, EveryClickableLabelAndImageIsALink) {
    const std::set<QString> notClickable = {QStringLiteral("Label9"), QStringLiteral("Label24"),
                                            QStringLiteral("Label25"), QStringLiteral("Label8")};
    for (const FormLabel* control : m.findChildren<FormLabel*>()) {
        const QString name = control->objectName();
        const QString design = name.section(u'_', 0, 0);
        const bool clickable = !notClickable.count(name) && design != u"etsout" &&
                               design != u"Label7" && design != u"Label26";
        EXPECT_EQ(control->isLink(), clickable) << name.toStdString();
    }
}

TEST_F(Keyboard, EachButtonMnemonicBelongsToOneButton) {
    std::map<QKeySequence, QString> owners;
    for (const QPushButton* button : m.findChildren<QPushButton*>()) {
        const QKeySequence mnemonic = QKeySequence::mnemonic(button->text());
        if (mnemonic.isEmpty())
            continue;
        const auto [owner, fresh] = owners.emplace(mnemonic, button->objectName());
        EXPECT_TRUE(fresh) << button->objectName().toStdString() << " and "
                           << owner->second.toStdString() << " share "
                           << mnemonic.toString().toStdString();
    }
}

} // namespace
