// Feeds arbitrary bytes as a test file to the test reader and the teachers' checks, and
// as a pupil's answer and a key word to the answer matching.

#include "common/windows1252.h"
#include "fuzzfiles.h"
#include "quiz/answermatching.h"
#include "quiz/statementrange.h"
#include "quiz/testcheck.h"
#include "quiz/testfile.h"

#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir dir;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString path = dir.filePath(QStringLiteral("TC01.GLT"));
    save(path, bytes);

    const TestHeader header = readTestHeader(path);
    if (header.nbQuestions < 0 || header.nbQuestions > maxQuestions)
        std::abort();
    const QString text = windows1252::decode(bytes);
    for (int n = 1; n <= header.nbQuestions; ++n) {
        const QuestionRecord q = readQuestion(path, n);
        if (q.nbChoix < 0 || q.nbChoix > maxChoix)
            std::abort();
        if (const auto range = statementRange(text, n);
            range &&
            (range->start < 0 || range->length < 0 || range->start + range->length > text.size()))
            std::abort();
    }
    checkTest(path, text);

    const qsizetype half = text.size() / 2;
    reponseCorrespond(text.left(half), text.mid(half));
    return 0;
}
