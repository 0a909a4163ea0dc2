#include "tools/coursepack/recordlayout.h"

#include "common/numerictext.h"
#include "common/recordfile.h"
#include "common/spaces.h"

#include <QFile>
#include <algorithm>

namespace {

// coursepack builds new files: it never shares them, so it starts each one afresh.
const QString& removed(const QString& path) {
    QFile::remove(path);
    return path;
}

class Writer {
public:
    explicit Writer(const QString& path) : file_(removed(path), RecordFile::Mode::ReadWrite) {}

    void put(int record, const QString& text) {
        if (error.isEmpty() && !file_.write(record, text))
            error = QStringLiteral("record %1 could not be written: \"%2\"").arg(record).arg(text);
    }

    QString error;

private:
    RecordFile file_;
};

constexpr int choiceCapacity = 5;

} // namespace

QString writePages(const QString& path, const QList<PageRecord>& pages) {
    Writer w(path);
    w.put(1, signatureBase);
    for (int n = 1; n <= pages.size(); ++n) {
        for (int k = 0; k < 10; ++k)
            w.put(recordOfSlot(n, k), pages[n - 1].slot(k));
    }
    return w.error;
}

QString writeDictionary(const QString& path, const QList<DictionaryEntry>& entries) {
    Writer w(path);
    w.put(1, signatureDico);
    for (int k = 1; k <= entries.size(); ++k) {
        w.put(2 * k, entries[k - 1].motCle);
        w.put(2 * k + 1, entries[k - 1].page);
    }
    return w.error;
}

QString writeTest(const QString& path, const TestSource& test) {
    Writer w(path);
    w.put(1, signatureTest);
    w.put(2, test.document);
    w.put(3, test.nombre);
    for (int n = 1; n <= test.questions.size(); ++n) {
        const QuestionSource& q = test.questions[n - 1];
        const int first = firstRecordOfQuestion(n);
        w.put(first, q.nature);
        if (q.nature == u"3") {
            w.put(first + 1, q.motCle);
            w.put(first + 2, q.corrige);
        } else {
            w.put(first + 1, q.nbChoix);
            // Choice i is record 10n + 1 − i: stored in descending record order.
            for (int i = 0; i < q.choix.size(); ++i)
                w.put(first + 6 - i, q.choix[i]);
            w.put(first + 7, q.attendu);
        }
        w.put(first + 8, q.renvoi);
        w.put(first + 9, q.image);
    }
    return w.error;
}

QList<PageRecord> readPages(const QString& path) {
    QList<PageRecord> pages;
    RecordFile file(path, RecordFile::Mode::Read);
    for (int n = 1; n <= dernierePageAdressable; ++n) {
        PageRecord page;
        for (int k = 0; k < 10; ++k)
            page.setSlot(k, file.read(recordOfSlot(n, k)));
        if (trimSpaces(page.cle).isEmpty())
            break;
        pages.append(page);
    }
    return pages;
}

QList<DictionaryEntry> readDictionary(const QString& path) {
    QList<DictionaryEntry> entries;
    RecordFile file(path, RecordFile::Mode::Read);
    for (int k = 1; 2 * k + 1 <= RecordFile::maxRecord; ++k) {
        const QString motCle = file.read(2 * k);
        if (motCle.isEmpty())
            break;
        entries.append({motCle, file.read(2 * k + 1)});
    }
    return entries;
}

TestSource readTest(const QString& path) {
    TestSource test;
    RecordFile file(path, RecordFile::Mode::Read);
    test.document = file.read(2);
    test.nombre = file.read(3);
    // The session holds at most 100 questions.
    const int count = std::clamp<int>(numericTextToInt16(test.nombre), 0, 100);
    for (int n = 1; n <= count; ++n) {
        QuestionSource q;
        const int first = firstRecordOfQuestion(n);
        q.nature = file.read(first);
        if (q.nature == u"3") {
            q.motCle = file.read(first + 1);
            q.corrige = file.read(first + 2);
        } else {
            q.nbChoix = file.read(first + 1);
            const int c = std::clamp<int>(numericTextToInt16(q.nbChoix), 0, choiceCapacity);
            for (int i = 0; i < c; ++i)
                q.choix.append(file.read(first + 6 - i));
            q.attendu = file.read(first + 7);
        }
        q.renvoi = file.read(first + 8);
        q.image = file.read(first + 9);
        test.questions.append(q);
    }
    return test;
}
