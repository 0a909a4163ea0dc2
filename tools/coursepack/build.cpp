#include "tools/coursepack/build.h"

#include "common/recordfile.h"
#include "modules/flagfile.h"
#include "tools/coursepack/coursesource.h"
#include "tools/coursepack/recordlayout.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {

QString copyTree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(source);
        QDir().mkpath(QFileInfo(target).path());
        QFile::remove(target);
        if (!QFile::copy(source, target))
            return QStringLiteral("%1: could not be copied to %2").arg(source, target);
    }
    return {};
}

} // namespace

BuildResult buildCourse(const QString& sourceDirectory, const QString& outDirectory) {
    BuildResult result;
    const SourceResult source = readCourseSource(sourceDirectory);
    result.errors = source.errors;
    if (!result.errors.isEmpty())
        return result;
    if (!QDir().mkpath(outDirectory)) {
        result.errors.append(QStringLiteral("%1: cannot create the folder").arg(outDirectory));
        return result;
    }
    const QDir out(outDirectory);
    auto record = [&](const QString& name, const QString& error) {
        if (!error.isEmpty())
            result.errors.append(out.filePath(name) + QStringLiteral(": ") + error);
    };
    record(QStringLiteral("GLXNOV.glb"),
           writePages(out.filePath(QStringLiteral("GLXNOV.glb")), source.course.pages));
    record(QStringLiteral("GLX.DIC"),
           writeDictionary(out.filePath(QStringLiteral("GLX.DIC")), source.course.dictionary));
    for (auto it = source.course.tests.cbegin(); it != source.course.tests.cend(); ++it)
        record(it.key(), writeTest(out.filePath(it.key()), it.value()));

    const QString files = QDir(sourceDirectory).filePath(QStringLiteral("files"));
    if (const QString error = copyTree(files, outDirectory); !error.isEmpty())
        result.errors.append(error);

    // A course may leave files on the disc (GLXDATA): a warning, not an error.
    for (const QString& name : namedDataFiles(source.course)) {
        if (!QFileInfo::exists(out.filePath(name)))
            result.warnings.append(QStringLiteral("%1: named by the course, not in %2/files")
                                       .arg(name, sourceDirectory));
    }

    const QString tempo = flagfile::path(outDirectory + u'/');
    if (!writeRecord(tempo, flagfile::version, QStringLiteral("2.01")))
        result.errors.append(tempo +
                             QStringLiteral(": the installed version could not be written"));
    return result;
}
