#include "quiz/testcheck.h"

#include "common/appdirectory.h"
#include "common/numerictext.h"
#include "common/recordfile.h"
#include "common/spaces.h"
#include "platform/richtext/boxtext.h"
#include "platform/richtext/rtfreader.h"
#include "quiz/answermatching.h"
#include "quiz/statementrange.h"
#include "quiz/testfile.h"

#include <QFile>
#include <QTextDocument>

namespace {

QString quoted(const QString& text) {
    return u'"' + text + u'"';
}

// The rest of a choice question: its count as stored and what its expected answer names.
void checkChoices(RecordFile& file, const QuestionRecord& q, int n, QStringList& faults) {
    const QString question = QStringLiteral("question %1: ").arg(n);
    const QString countText = file.read(firstRecordOfQuestion(n) + 1);
    const int count = numericTextToInt16(countText);
    if (count < 1 || count > maxChoix)
        faults << question + QStringLiteral("choice count %1 is outside 1..%2")
                                 .arg(quoted(countText), QString::number(maxChoix));
    if (q.nature == 1) {
        if (q.attendu < 0 || q.attendu >= q.nbChoix)
            faults << question +
                          QStringLiteral("expected answer %1 names no choice of the %2 shown")
                              .arg(q.attendu)
                              .arg(q.nbChoix);
        return;
    }
    int code = q.attendu;
    for (int i = 0; code > 0; ++i, code /= 10) {
        const int digit = code % 10;
        if (digit > 1) {
            faults << question + QStringLiteral("expected answer %1 is not a sum of powers of ten "
                                                "(digits 0 and 1 only)")
                                     .arg(q.attendu);
            return;
        }
        if (digit == 1 && i >= q.nbChoix)
            faults << question + QStringLiteral("expected answer %1 names choice %2 beyond the "
                                                "%3 shown")
                                     .arg(q.attendu)
                                     .arg(i)
                                     .arg(q.nbChoix);
    }
    if (q.attendu < 0)
        faults << question + QStringLiteral("expected answer %1 is negative").arg(q.attendu);
}

void checkKeyWord(const QuestionRecord& q, int n, QStringList& faults) {
    const QString question = QStringLiteral("question %1: ").arg(n);
    if (trimSpaces(q.motCle).isEmpty()) {
        faults << question + QStringLiteral("the key word is empty: no answer can be right");
        return;
    }
    const QString folded = normaliserReponse(q.motCle);
    if (folded != q.motCle.toLower())
        faults << question + QStringLiteral("key word %1 is not in folded form, so no answer can "
                                            "match it: write %2")
                                 .arg(quoted(q.motCle), quoted(folded));
}

// The question document's text as the test window's box holds it.
std::optional<QString> documentText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray rtf = file.readAll();
    if (!rtf.trimmed().startsWith("{\\rtf"))
        return std::nullopt;
    QTextDocument document;
    readRtf(rtf, document);
    return boxtext::plainText(document);
}

} // namespace

QStringList checkTestInApplication(const QString& applicationDirectory, const QString& testFile) {
    const QString directory = repertoireProgramme(applicationDirectory);
    const QString testPath = directory + testFile;
    return checkTest(testPath, documentText(directory + readTestHeader(testPath).document));
}

QStringList checkTest(const QString& testPath, const std::optional<QString>& documentText) {
    QStringList faults;
    RecordFile file(testPath, RecordFile::Mode::Read);
    if (!file.isOpen() || file.read(1) != signatureTest)
        return {QStringLiteral("the signature is not %1").arg(quoted(signatureTest))};

    const QString countText = file.read(3);
    const int count = numericTextToInt16(countText);
    if (count < 1 || count > maxQuestions)
        faults << QStringLiteral("question count %1 is outside 1..%2")
                      .arg(quoted(countText), QString::number(maxQuestions));
    const TestHeader header = readTestHeader(testPath);
    if (!documentText)
        faults
            << QStringLiteral("question document %1 cannot be loaded").arg(quoted(header.document));

    for (int n = 1; n <= header.nbQuestions; ++n) {
        const QuestionRecord q = readQuestion(testPath, n);
        if (documentText && !statementRange(*documentText, n))
            faults << QStringLiteral("question %1: no statement between %2 and %3 in %4")
                          .arg(n)
                          .arg(startMarker(n), endMarker, quoted(header.document));
        if (q.nature == 1 || q.nature == 2)
            checkChoices(file, q, n, faults);
        else if (q.nature == 3)
            checkKeyWord(q, n, faults);
        else
            faults << QStringLiteral("question %1: kind %2 is not 1, 2 or 3")
                          .arg(n)
                          .arg(quoted(file.read(firstRecordOfQuestion(n))));
    }
    return faults;
}
