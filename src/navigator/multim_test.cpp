#include "navigator/chapterentries.h"
#include "navigator/chapterheights.h"
#include "navigator/multim.h"
#include "navigator/multimdesign.h"
#include "navigator/multimparts.h"
#include "navigator/sectiontitles.h"
#include "platform/forms/formlabel.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

// The whole design, the parts built when first shown included.
class MultimDesign : public ::testing::Test {
protected:
    MultimDesign() {
        window.chapitres.construire();
        window.modules.construire();
    }

    Multim window{15, 15};

    QWidget* control(const QString& name) { return window.findChild<QWidget*>(name); }
};

std::vector<int> range(int first, int last) {
    std::vector<int> all;
    for (int i = first; i <= last; ++i)
        all.push_back(i);
    return all;
}

} // namespace

TEST(MultimPictures, EachHasAVersionTwiceAsDenseForDenseScreens) {
    const QStringList files = QDir(QStringLiteral(":/multim")).entryList();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        if (file.contains(u'@'))
            continue;
        const QString name = QFileInfo(file).completeBaseName();
        const QPixmap plain = multimparts::picture(name, 1);
        const QPixmap dense = multimparts::picture(name, 2);
        EXPECT_EQ(plain.devicePixelRatio(), 1.0) << name.toStdString();
        EXPECT_EQ(dense.devicePixelRatio(), 2.0) << name.toStdString();
        EXPECT_EQ(dense.size(), plain.size() * 2) << name.toStdString();
    }
}

TEST_F(MultimDesign, ControlArraysHaveTheirIndexes) {
    std::vector<int> modules = range(1, 6);
    for (int i : range(8, 17))
        modules.push_back(i);
    EXPECT_EQ(window.Image6.indexes(), modules);
    EXPECT_EQ(window.Label10.indexes(), modules);
    EXPECT_EQ(window.chapi.indexes(), range(0, 18));
    EXPECT_EQ(window.btpm.indexes(), range(0, 18));
    for (const auto* array :
         {&window.titchap, &window.testcours, &window.Label14, &window.icoess, &window.essentiel})
        EXPECT_EQ(array->indexes(), range(0, 18));
    EXPECT_EQ(window.Image1.indexes(), range(0, 3));
    EXPECT_EQ(window.Label3.indexes(), range(0, 3));
    EXPECT_EQ(window.Image4.indexes(), range(0, 6));
    EXPECT_EQ(window.Label7.indexes(), range(0, 5));
    EXPECT_EQ(window.Label20.indexes(), range(0, 9));
    EXPECT_EQ(window.Label26.indexes(), range(0, 3));
    EXPECT_EQ(window.MVideo.indexes(), range(1, 5));
    EXPECT_EQ(window.Image9.indexes(), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10, 13, 18}));
    EXPECT_EQ(window.Label22.indexes(), window.Image9.indexes());
    EXPECT_EQ(window.DOCU.indexes(), (std::vector<int>{0, 1, 2, 10, 11, 12, 13}));
    EXPECT_EQ(window.Label21.indexes(), window.DOCU.indexes());
    EXPECT_EQ(window.ettext.indexes(), range(0, chapterentries::totalEntries() - 1));
    EXPECT_EQ(window.etsout.indexes(), range(0, sectiontitles::totalSections() - 1));
}

TEST_F(MultimDesign, EveryControlHasAnObjectAndAnAccessibleName) {
    for (const char* name : {"ettext_12", "Image6_17", "chapi_18", "btpm_0", "Image9_13", "DOCU_10",
                             "Command8", "texteur", "Picture4", "MVideo_5", "List1", "Label21_2"})
        EXPECT_TRUE(control(name) || window.findChild<QAction*>(name)) << name;
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        if (child->objectName().isEmpty() || child->objectName().startsWith(u"qt_"))
            continue;
        if (child->objectName().contains(u"ettext") || child->objectName() == u"Labelavant" ||
            child->objectName() == u"Labelapres" || child->objectName() == u"Labelexe" ||
            child->objectName().startsWith(u"Label2"))
            continue; // captioned at run time
        EXPECT_FALSE(child->accessibleName().isEmpty()) << child->objectName().toStdString();
    }
    EXPECT_EQ(window.Command2->accessibleName(), u"Sommaire");
    EXPECT_EQ(window.Command8->accessibleName(), u"Actualiser le logiciel");
    EXPECT_EQ(window.Command2->toolTip(), u"Afficher le sommaire général");
}

TEST_F(MultimDesign, CaptionsOfTheDesign) {
    EXPECT_EQ(window.titchap(0)->text(), u" 1. Espèces chimiques");
    EXPECT_EQ(window.titchap(18)->text(), u" 19. Le gaz parfait");
    EXPECT_EQ(window.Label7(0)->text(), u"Partie I : « Chimique ou naturel ? »");
    EXPECT_EQ(window.Labelth3->text(), u"Une recherche hypermédia sur la pollution");
    EXPECT_EQ(window.Label21(11)->text(), u"Activité documentaire");
    EXPECT_EQ(window.etsout(0)->text(), sectiontitles::titles[0]);
    EXPECT_EQ(window.MVideo(3)->text(), u"03");
    for (int i = 0; i <= 18; ++i)
        EXPECT_EQ(window.btpm(i)->text(), u"+");
    for (const QPushButton* button :
         {window.Command1, window.Command3, window.command4, window.Command10, window.Command12,
          window.Command13, window.Command14, window.avant, window.apres})
        EXPECT_FALSE(button->text().isEmpty());
    EXPECT_EQ(window.Command14->text(), u"&Quitter");
    EXPECT_EQ(window.Command13->text(), u"C&rédits");
}

TEST_F(MultimDesign, EachUnfoldedChapterHoldsItsRowsWithinItsHeight) {
    for (int i = 0; i <= 18; ++i) {
        const int height = chapterheights::unfolded[i];
        int contentBottom = 0;
        int toolsTop = height;
        for (const QWidget* row :
             window.chapi(i)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QRect r = window.twips().rect(*row);
            EXPECT_LE(r.bottom(), height) << row->objectName().toStdString();
            EXPECT_GE(r.top(), 0);
            EXPECT_LE(r.right(), multimdesign::chapiWidth) << row->objectName().toStdString();
            const QString name = row->objectName();
            if (name.startsWith(u"ettext") || name.startsWith(u"etsout"))
                contentBottom = std::max(contentBottom, r.bottom());
            else if (!name.startsWith(u"titchap"))
                toolsTop = std::min(toolsTop, r.top());
        }
        EXPECT_LT(contentBottom, toolsTop) << "chapter " << i;
    }
}

TEST_F(MultimDesign, IconsSitInTheirChapterFrame) {
    EXPECT_EQ(window.Image9(13)->parentWidget(), window.chapi(12));
    EXPECT_EQ(window.Image9(10)->parentWidget(), window.chapi(9));
    EXPECT_EQ(window.chapi(9)->parentWidget(), window.tablematchi);
    EXPECT_EQ(window.chapi(12)->parentWidget(), window.tablematphy);
    EXPECT_EQ(window.DOCU(13)->parentWidget(), window.chapi(13));
    EXPECT_EQ(window.ettext(chapterentries::firstEntry(10))->parentWidget(), window.chapi(10));
}

TEST_F(MultimDesign, ControlsFitTheClientArea) {
    const QRect client(0, 0, multimdesign::clientWidth, multimdesign::clientHeight);
    EXPECT_EQ(window.size(), client.size());
    for (const QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow())
            continue;
        EXPECT_TRUE(client.contains(child->geometry())) << child->objectName().toStdString();
    }
    const QRect frame1 = window.Frame1->geometry();
    for (const QWidget* child : window.Frame1->findChildren<QWidget*>())
        EXPECT_TRUE(QRect(QPoint(), frame1.size()).contains(child->geometry()))
            << child->objectName().toStdString();
}

TEST_F(MultimDesign, ThePageModuleIconTakesTheHandLikeTheOtherLaunchIcons) {
    const QCursor main = window.Image6(1)->cursor();
    ASSERT_EQ(main.shape(), Qt::BitmapCursor);
    EXPECT_EQ(window.Imagexe->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window.Imagexe->cursor().pixmap().toImage(), main.pixmap().toImage());
}
