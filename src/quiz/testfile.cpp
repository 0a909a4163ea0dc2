#include "quiz/testfile.h"

#include "common/appdirectory.h"
#include "common/numerictext.h"
#include "common/recordfile.h"

#include <algorithm>

OpenedTest openTest(const QString& applicationDirectory, int chapterIndex) {
    const QString path = repertoireProgramme(applicationDirectory) +
                         QStringLiteral("TC%1.GLT").arg(chapterIndex + 1, 2, 10, QChar(u'0'));
    RecordFile file(path, RecordFile::Mode::ReadUnchanging);
    return {path, file.isOpen() && file.read(1) == signatureTest};
}

TestHeader readTestHeader(const QString& path) {
    RecordFile file(path, RecordFile::Mode::ReadUnchanging);
    const qint16 count = numericTextToInt16(file.read(3));
    return {file.read(2), qint16(std::clamp<int>(count, 0, maxQuestions))};
}

int firstRecordOfQuestion(int n) {
    return 10 * n - 5;
}

QuestionRecord readQuestion(const QString& path, int n) {
    QuestionRecord q;
    RecordFile file(path, RecordFile::Mode::ReadUnchanging);
    const int first = firstRecordOfQuestion(n);
    q.nature = numericTextToInt16(file.read(first));
    if (q.nature == 3) {
        q.motCle = file.read(first + 1);
        q.corrige = file.read(first + 2);
    } else if (q.nature == 1 || q.nature == 2) {
        q.nbChoix = qint16(std::clamp<int>(numericTextToInt16(file.read(first + 1)), 0, maxChoix));
        // Choice i is record 10n + 1 − i: the choices are stored last one first.
        for (int i = 0; i < q.nbChoix; ++i)
            q.choix[i] = file.read(first + 6 - i);
        q.attendu = numericTextToInt16(file.read(first + 7));
    }
    q.renvoi = file.read(first + 8);
    q.image = file.read(first + 9);
    return q;
}
