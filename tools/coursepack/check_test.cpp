#include "common/recordfile.h"
#include "navigator/chapterentries.h"
#include "navigator/namedpages.h"
#include "tools/coursepack/check.h"
#include "tools/coursepack/recordlayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString textFile = QStringLiteral("page.rtf");
const QString document = QStringLiteral("questions.rtf");

PageRecord page(const QString& key) {
    PageRecord p;
    p.cle = key;
    p.texte = textFile;
    return p;
}

// The smallest course the check finds sound: the table entries, every page asked
// for by name, the nineteen tests and a dictionary.
Course soundCourse() {
    Course course;
    for (int i = 1; i <= chapterentries::totalEntries(); ++i)
        course.pages.append(page(QStringLiteral("Entrée %1").arg(i)));
    course.pages[0].suivante = course.pages[1].cle;
    course.pages[1].precedente = course.pages[0].cle;
    course.pages[0].genre = QStringLiteral("Image");
    course.pages[0].media = QStringLiteral("Photo.JPG");
    course.pages[1].annexe = namedpages::menuVideos.toString();
    QStringList named = {namedpages::credits.toString(), namedpages::visionUnivers.toString()};
    for (QStringView key : namedpages::menu01Videos)
        named << key.toString();
    for (const auto& menu : namedpages::chapterVideoMenus)
        for (int i = 0; i < menu.count; ++i)
            named << menu.videos[size_t(i)].toString();
    for (const auto& d : namedpages::documentaryPages)
        named << d.key.toString();
    for (const auto& theme : namedpages::themeEntries)
        for (QStringView key : theme)
            if (!key.isEmpty())
                named << key.toString();
    named.removeDuplicates();
    for (const QString& key : named)
        course.pages.append(page(key));
    PageRecord& video = course.pages.last();
    video.genre = QStringLiteral("AVI sonorisé");
    video.media = QStringLiteral("film.avi");
    video.annexe = QStringLiteral("film.jpg");

    for (int chapter = 1; chapter <= chapterentries::chapterCount; ++chapter) {
        TestSource test;
        test.document = document;
        test.nombre = QStringLiteral("1");
        QuestionSource q;
        q.nature = QStringLiteral("3");
        q.motCle = QStringLiteral("atome");
        q.corrige = QStringLiteral("Un atome.");
        q.renvoi = course.pages[0].cle;
        test.questions.append(q);
        course.tests.insert(QStringLiteral("TC%1.GLT").arg(chapter, 2, 10, QChar(u'0')), test);
    }
    course.dictionary = {{QStringLiteral("atome"), course.pages[0].cle},
                         {QStringLiteral("atome"), course.pages[1].cle}};
    return course;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void writeCourse(const QDir& dir, const Course& course) {
    EXPECT_EQ(writePages(dir.filePath("GLXNOV.glb"), course.pages), QString());
    EXPECT_EQ(writeDictionary(dir.filePath("GLX.DIC"), course.dictionary), QString());
    for (auto it = course.tests.cbegin(); it != course.tests.cend(); ++it)
        EXPECT_EQ(writeTest(dir.filePath(it.key()), it.value()), QString());
    for (const char* name : {"page.rtf", "photo.jpg", "film.avi", "film.jpg"})
        writeFile(dir.filePath(name), "{\\rtf1 Texte.\\par}");
    writeFile(dir.filePath(document), "{\\rtf1 #RP-01\\par Quel est le nom ?\\par #-o-O-o-#\\par}");
}

QStringList checkOf(const Course& course, const std::function<void(QDir)>& damage = {}) {
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    writeCourse(dir, course);
    if (damage)
        damage(dir);
    return checkCourse(temporary.path());
}

TEST(CheckCourse, ASoundCourseReportsNothingAndFindsFilesWhateverTheirCase) {
    EXPECT_EQ(checkOf(soundCourse()).join(u'\n').toStdString(), "");
}

TEST(CheckCourse, ReportsEachFaultOnOneLineNamingItsPlace) {
    // The sound course's last page is its video.
    const QString videoPage =
        u"page \""_qs + namedpages::themeEntries[2].back().toString() + u"\": "_qs;
    const struct {
        const char* name;
        std::function<void(Course&)> change;
        std::function<void(QDir)> damage;
        QString expected;
    } cases[] = {
        {"next page",
         [](Course& c) { c.pages[2].suivante = QStringLiteral("Nulle part"); },
         {},
         QStringLiteral("page \"Entrée 3\": next page \"Nulle part\" names no page")},
        {"previous page",
         [](Course& c) { c.pages[3].precedente = QStringLiteral("Entrée 3 "); },
         {},
         QStringLiteral("page \"Entrée 4\": previous page \"Entrée 3 \" names no page")},
        {"related video",
         [](Course& c) { c.pages[4].annexe = QStringLiteral("menu01"); },
         {},
         QStringLiteral("page \"Entrée 5\": related video \"menu01\" names no page")},
        {"text file",
         [](Course& c) { c.pages[6].texte = QStringLiteral("absent.rtf"); },
         {},
         QStringLiteral("page \"Entrée 7\": text file \"absent.rtf\" is not in the application "
                        "directory")},
        {"picture",
         {},
         [](QDir d) { d.remove("photo.jpg"); },
         QStringLiteral("page \"Entrée 1\": picture file \"Photo.JPG\" is not in the application "
                        "directory")},
        {"video",
         {},
         [](QDir d) { d.remove("film.avi"); },
         videoPage + QStringLiteral("video file \"film.avi\" is not in the application directory")},
        {"still",
         {},
         [](QDir d) { d.remove("film.jpg"); },
         videoPage +
             QStringLiteral("still picture file \"film.jpg\" is not in the application directory")},
        {"named page",
         [](Course& c) {
             for (PageRecord& p : c.pages)
                 if (p.cle == namedpages::credits)
                     p.cle = QStringLiteral("Crédits");
         },
         {},
         QStringLiteral("missing page \"Crédits (1/4)\" (the credits button)")},
        {"course reference",
         [](Course& c) {
             c.tests[QStringLiteral("TC07.GLT")].questions[0].renvoi = QStringLiteral("Ailleurs");
         },
         {},
         QStringLiteral("TC07.GLT: question 1: course reference \"Ailleurs\" names no page")},
        {"question picture",
         [](Course& c) {
             c.tests[QStringLiteral("TC02.GLT")].questions[0].image = QStringLiteral("q.jpg");
         },
         {},
         QStringLiteral(
             "TC02.GLT: question 1: picture \"q.jpg\" is not in the application directory")},
        {"missing test",
         {},
         [](QDir d) { d.remove("TC19.GLT"); },
         QStringLiteral("TC19.GLT: missing")},
        {"signature",
         {},
         [](QDir d) { writeRecord(d.filePath("TC05.GLT"), 1, QStringLiteral("TEST GL ")); },
         QStringLiteral("TC05.GLT: the signature is not \"TEST GL\"")},
        {"dictionary page",
         [](Course& c) {
             c.dictionary.append({QStringLiteral("noyau"), QStringLiteral("Le noyau")});
         },
         {},
         QStringLiteral("GLX.DIC: entry 3, keyword \"noyau\": page \"Le noyau\" names no page")},
        {"dictionary signature",
         {},
         [](QDir d) { writeRecord(d.filePath("GLX.DIC"), 1, QStringLiteral("DICO")); },
         QStringLiteral("GLX.DIC: missing, or its signature is not \"DICO GL\"")},
    };
    for (const auto& c : cases) {
        Course course = soundCourse();
        if (c.change)
            c.change(course);
        const QStringList problems = checkOf(course, c.damage);
        EXPECT_EQ(problems.join(u'\n').toStdString(), c.expected.toStdString()) << c.name;
    }
}

TEST(CheckCourse, TooFewPagesForTheTablesAndNoDatabase) {
    Course course = soundCourse();
    course.pages.remove(0, 150);
    course.pages[0].precedente.clear();
    for (auto& test : course.tests)
        test.questions[0].renvoi = course.pages[0].cle;
    course.dictionary = {{QStringLiteral("atome"), course.pages[0].cle}};
    const QStringList problems = checkOf(course);
    ASSERT_EQ(problems.size(), 1) << problems.join(u'\n').toStdString();
    EXPECT_TRUE(problems[0].startsWith(QStringLiteral("the database holds")))
        << problems[0].toStdString();

    QTemporaryDir empty;
    EXPECT_EQ(
        checkCourse(empty.path()),
        QStringList{QStringLiteral("GLXNOV.glb: missing, or its signature is not \"BASE GL\"")});
}

} // namespace
