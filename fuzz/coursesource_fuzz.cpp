// Any bytes as a course source, split at NUL bytes into a pages file, the dictionary
// and a test: coursepack reads it without failing, and a source it accepts builds
// record files that read back as exactly that course.

#include "common/numerictext.h"
#include "common/recordfile.h"
#include "fuzzfiles.h"
#include "tools/coursepack/coursesource.h"
#include "tools/coursepack/recordlayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The test as the navigator reads it back: as many questions as its count says, as
// many choices as each one's count says, and only the records of its kind.
TestSource asRead(TestSource test) {
    test.questions.resize(std::clamp<int>(numericTextToInt16(test.nombre), 0, 100));
    for (QuestionSource& q : test.questions) {
        if (q.nature == u"3") {
            q.choix.clear();
            q.nbChoix.clear();
            q.attendu.clear();
        } else {
            q.motCle.clear();
            q.corrige.clear();
            q.choix.resize(std::clamp<int>(numericTextToInt16(q.nbChoix), 0, 5));
        }
    }
    return test;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QDir source(dir.filePath(QStringLiteral("source")));
    const QDir out(dir.filePath(QStringLiteral("out")));
    source.mkpath(QStringLiteral("pages"));
    source.mkpath(QStringLiteral("tests"));
    out.mkpath(QStringLiteral("."));

    const QList<QByteArray> parts =
        QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    save(source.filePath(QStringLiteral("pages/01.toml")), parts.value(0));
    const QString dictionary = source.filePath(QStringLiteral("dictionary.toml"));
    QFile::remove(dictionary);
    if (parts.size() > 1)
        save(dictionary, parts[1]);
    const QString test = source.filePath(QStringLiteral("tests/TC01.toml"));
    QFile::remove(test);
    if (parts.size() > 2)
        save(test, parts[2]);

    const SourceResult result = readCourseSource(source.path());
    namedDataFiles(result.course);
    // A course too large for the record numbers is refused by the writers.
    if (!result.errors.isEmpty() || result.course.pages.size() > dernierePageAdressable ||
        result.course.dictionary.size() > RecordFile::maxRecord / 2 - 1)
        return 0;

    const QString base = out.filePath(QStringLiteral("GLXNOV.glb"));
    if (!writePages(base, result.course.pages).isEmpty() || readPages(base) != result.course.pages)
        std::abort();
    const QString dico = out.filePath(QStringLiteral("GLX.DIC"));
    if (!writeDictionary(dico, result.course.dictionary).isEmpty() ||
        readDictionary(dico) != result.course.dictionary)
        std::abort();
    for (auto it = result.course.tests.cbegin(); it != result.course.tests.cend(); ++it) {
        const QString path = out.filePath(it.key());
        if (!writeTest(path, it.value()).isEmpty() || readTest(path) != asRead(it.value()))
            std::abort();
    }
    return 0;
}
