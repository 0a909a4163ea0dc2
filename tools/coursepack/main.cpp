// coursepack: the course authors' tool.

#include "tools/coursepack/build.h"
#include "tools/coursepack/check.h"
#include "tools/coursepack/dump.h"
#include "tools/coursepack/printtext.h"
#include "tools/coursepack/tryanswer.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace {

int usage(QTextStream& err) {
    err << "usage:\n"
           "  coursepack build SOURCE OUT   compile a course source into an application folder\n"
           "  coursepack dump FILE          print a record file (GLXNOV.glb, GLX.DIC, TCnn.GLT, "
           "TEMPO.GXS)\n"
           "  coursepack check DIR          report what the navigator would stumble on in a built "
           "course\n"
           "  coursepack try KEYWORD ANSWER mark a typed answer as a test would (exit 0 when "
           "right)\n"
           "  coursepack text FILE.rtf      print a rich-text file's text as the navigator counts "
           "it,\n"
           "                                each line led by its start position\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    if (args.size() == 3 && args[0] == u"build") {
        const BuildResult result = buildCourse(args[1], args[2]);
        for (const QString& warning : result.warnings)
            err << "warning: " << warning << '\n';
        for (const QString& error : result.errors)
            err << error << '\n';
        return result.errors.isEmpty() ? 0 : 1;
    }
    if (args.size() == 2 && args[0] == u"dump") {
        if (!QFileInfo(args[1]).isFile()) {
            err << args[1] << ": no such file\n";
            return 1;
        }
        dumpRecordFile(args[1], out);
        return 0;
    }
    if (args.size() == 3 && args[0] == u"try")
        return tryAnswer(args[1], args[2], out) ? 0 : 1;
    if (args.size() == 2 && args[0] == u"check") {
        const QStringList problems = checkCourse(args[1]);
        for (const QString& problem : problems)
            out << problem << '\n';
        return problems.isEmpty() ? 0 : 1;
    }
    if (args.size() == 2 && args[0] == u"text")
        return printBoxText(args[1], out, err) ? 0 : 1;
    return usage(err);
}
