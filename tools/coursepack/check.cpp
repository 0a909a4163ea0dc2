#include "tools/coursepack/check.h"

#include "common/appdirectory.h"
#include "common/recordfile.h"
#include "common/spaces.h"
#include "navigator/chapterentries.h"
#include "navigator/contentdatabase.h"
#include "navigator/namedpages.h"
#include "quiz/testcheck.h"
#include "quiz/testfile.h"
#include "tools/coursepack/recordlayout.h"

#include <QDirIterator>
#include <QSet>

namespace {

const QString videoWithSound = QStringLiteral("AVI sonorisé");
const QString silentVideo = QStringLiteral("AVI non sonorisé");

QString quoted(const QString& text) {
    QString shown = text;
    shown.replace(u'\r', QStringLiteral("\\r"));
    return u'"' + shown + u'"';
}

bool isPictureKind(const QString& genre) {
    return genre.left(5) == u"Image";
}

bool isVideoKind(const QString& genre) {
    return genre == videoWithSound || genre == silentVideo;
}

// The files of the directory by their lower-case relative path: the navigator finds
// a file whatever the case of its name.
class DataFiles {
public:
    explicit DataFiles(const QString& directory) {
        QDirIterator it(directory, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            names_.insert(QDir(directory).relativeFilePath(it.next()).toLower());
    }
    bool contains(const QString& name) const {
        QString path = name;
        path.replace(u'\\', u'/');
        return names_.contains(path.toLower());
    }

private:
    QSet<QString> names_;
};

struct BuiltCourse {
    QList<PageRecord> pages;
    QSet<QString> keys;
};

BuiltCourse readDatabase(const QString& databasePath) {
    BuiltCourse course;
    for (int n = 1; n <= dernierePageAdressable; ++n) {
        const PageRecord page = readPage(databasePath, n);
        if (trimSpaces(page.cle).isEmpty())
            break;
        course.pages.append(page);
        course.keys.insert(page.cle);
    }
    return course;
}

void checkPages(const BuiltCourse& course, const DataFiles& files, QStringList& problems) {
    auto needFile = [&](const PageRecord& page, const QString& what, const QString& name) {
        if (trimSpaces(name).isEmpty())
            problems << QStringLiteral("page %1: no %2 file named").arg(quoted(page.cle), what);
        else if (!files.contains(name))
            problems << QStringLiteral("page %1: %2 file %3 is not in the application directory")
                            .arg(quoted(page.cle), what, quoted(name));
    };
    auto needPage = [&](const PageRecord& page, const QString& what, const QString& key) {
        if (!trimSpaces(key).isEmpty() && !course.keys.contains(key))
            problems << QStringLiteral("page %1: %2 %3 names no page")
                            .arg(quoted(page.cle), what, quoted(key));
    };
    for (const PageRecord& page : course.pages) {
        needFile(page, QStringLiteral("text"), page.texte);
        needPage(page, QStringLiteral("next page"), page.suivante);
        needPage(page, QStringLiteral("previous page"), page.precedente);
        if (isVideoKind(page.genre)) {
            needFile(page, QStringLiteral("video"), page.media);
            needFile(page, QStringLiteral("still picture"), page.annexe);
            continue;
        }
        if (isPictureKind(page.genre))
            needFile(page, QStringLiteral("picture"), page.media);
        if (page.annexe != namedpages::menuVideos)
            needPage(page, QStringLiteral("related video"), page.annexe);
    }
}

void checkNamedPages(const BuiltCourse& course, QStringList& problems) {
    auto need = [&](QStringView key, const QString& why) {
        if (!key.isEmpty() && !course.keys.contains(key.toString()))
            problems << QStringLiteral("missing page %1 (%2)").arg(quoted(key.toString()), why);
    };
    need(namedpages::credits, QStringLiteral("the credits button"));
    need(namedpages::visionUnivers, QStringLiteral("the powers-of-ten viewer"));
    for (QStringView key : namedpages::menu01Videos)
        need(key, QStringLiteral("the MENU01 video menu"));
    for (const auto& menu : namedpages::chapterVideoMenus) {
        for (int i = 0; i < menu.count; ++i)
            need(menu.videos[size_t(i)],
                 QStringLiteral("the video menu of chapter %1").arg(menu.chapter));
    }
    for (const auto& document : namedpages::documentaryPages)
        need(document.key, QStringLiteral("documentary activity %1").arg(document.index));
    for (size_t t = 0; t < namedpages::themeEntries.size(); ++t) {
        for (QStringView key : namedpages::themeEntries[t])
            need(key, QStringLiteral("theme %1").arg(t + 1));
    }
    const int entries = chapterentries::totalEntries();
    if (course.pages.size() < entries)
        problems << QStringLiteral("the database holds %1 pages: the tables of contents caption "
                                   "their %2 entries with the first %2")
                        .arg(course.pages.size())
                        .arg(entries);
}

void checkTests(const QString& directory, const BuiltCourse& course, const DataFiles& files,
                QStringList& problems) {
    for (int chapter = 1; chapter <= chapterentries::chapterCount; ++chapter) {
        const QString name = QStringLiteral("TC%1.GLT").arg(chapter, 2, 10, QChar(u'0'));
        const QString path = directory + name;
        if (!QFileInfo::exists(path)) {
            problems << QStringLiteral("%1: missing").arg(name);
            continue;
        }
        const QStringList faults = checkTestInApplication(directory, name);
        for (const QString& fault : faults)
            problems << name + QStringLiteral(": ") + fault;
        if (readRecord(path, 1) != signatureTest)
            continue;
        const TestHeader header = readTestHeader(path);
        for (int n = 1; n <= header.nbQuestions; ++n) {
            const QuestionRecord q = readQuestion(path, n);
            if (!course.keys.contains(q.renvoi))
                problems << QStringLiteral("%1: question %2: course reference %3 names no page")
                                .arg(name)
                                .arg(n)
                                .arg(quoted(q.renvoi));
            if (!trimSpaces(q.image).isEmpty() && !files.contains(q.image))
                problems << QStringLiteral("%1: question %2: picture %3 is not in the "
                                           "application directory")
                                .arg(name)
                                .arg(n)
                                .arg(quoted(q.image));
        }
    }
}

void checkDictionary(const QString& path, const BuiltCourse& course, QStringList& problems) {
    RecordFile file(path, RecordFile::Mode::Read);
    if (!file.isOpen() || file.read(1) != signatureDico) {
        problems << QStringLiteral("GLX.DIC: missing, or its signature is not %1")
                        .arg(quoted(signatureDico));
        return;
    }
    for (int k = 1; 2 * k + 1 <= RecordFile::maxRecord; ++k) {
        const QString keyword = file.read(2 * k);
        if (keyword.isEmpty())
            break;
        const QString page = file.read(2 * k + 1);
        if (!course.keys.contains(page))
            problems << QStringLiteral("GLX.DIC: entry %1, keyword %2: page %3 names no page")
                            .arg(k)
                            .arg(quoted(keyword), quoted(page));
    }
}

} // namespace

QStringList checkCourse(const QString& applicationDirectory) {
    const QString directory = repertoireProgramme(QDir(applicationDirectory).absolutePath());
    const QString database = directory + QStringLiteral("GLXNOV.glb");
    QStringList problems;
    if (readSignature(database) != signatureBase)
        return {QStringLiteral("GLXNOV.glb: missing, or its signature is not %1")
                    .arg(quoted(signatureBase))};
    const BuiltCourse course = readDatabase(database);
    const DataFiles files(directory);
    checkPages(course, files, problems);
    checkNamedPages(course, problems);
    checkTests(directory, course, files, problems);
    checkDictionary(directory + QStringLiteral("GLX.DIC"), course, problems);
    return problems;
}
