#include "tools/coursepack/dump.h"

#include "common/recordfile.h"
#include "quiz/testfile.h"
#include "tools/coursepack/recordlayout.h"

#include <QFileInfo>

namespace {

const char* const slotLabels[] = {"cle",    "texte",    "numModule",  "media", "genre",
                                  "annexe", "suivante", "precedente", "style", "bandeau"};

QString quoted(const QString& text) {
    return u'"' + visible(text) + u'"';
}

void dumpPages(const QString& path, QTextStream& out) {
    const QList<PageRecord> pages = readPages(path);
    out << "content database, " << pages.size() << " pages\n";
    for (int n = 1; n <= pages.size(); ++n) {
        out << "page " << n << " (records " << recordOfSlot(n, 0) << ".." << recordOfSlot(n, 9)
            << ")\n";
        for (int k = 0; k < 10; ++k)
            out << "  " << k << ' ' << slotLabels[k] << ": " << quoted(pages[n - 1].slot(k))
                << '\n';
    }
}

void dumpDictionary(const QString& path, QTextStream& out) {
    const QList<DictionaryEntry> entries = readDictionary(path);
    out << "dictionary, " << entries.size() << " entries\n";
    for (int k = 1; k <= entries.size(); ++k)
        out << "entry " << k << ": " << quoted(entries[k - 1].motCle) << " -> "
            << quoted(entries[k - 1].page) << '\n';
}

// As the test window reads it: counts brought within their ranges, numbers as read.
void dumpTest(const QString& path, QTextStream& out) {
    const TestHeader header = readTestHeader(path);
    out << "test, document " << quoted(header.document) << ", questions " << header.nbQuestions
        << '\n';
    for (int n = 1; n <= header.nbQuestions; ++n) {
        const QuestionRecord q = readQuestion(path, n);
        out << "question " << n << " (records " << firstRecordOfQuestion(n) << ".."
            << firstRecordOfQuestion(n) + 9 << ") nature " << quoted(QString::number(q.nature));
        if (q.nature == 1)
            out << " single choice\n";
        else if (q.nature == 2)
            out << " multiple choice\n";
        else if (q.nature == 3)
            out << " typed answer\n";
        else
            out << " unknown kind\n";
        if (q.nature == 3) {
            out << "  motCle: " << quoted(q.motCle) << '\n';
            out << "  corrige: " << quoted(q.corrige) << '\n';
        } else if (q.nature == 1 || q.nature == 2) {
            out << "  nbChoix: " << quoted(QString::number(q.nbChoix)) << '\n';
            for (int i = 0; i < q.nbChoix; ++i)
                out << "  choix " << i << ": " << quoted(q.choix[i]) << '\n';
            out << "  attendu: " << quoted(QString::number(q.attendu)) << '\n';
        }
        out << "  renvoi: " << quoted(q.renvoi) << '\n';
        out << "  image: " << quoted(q.image) << '\n';
    }
}

void dumpRecords(const QString& path, QTextStream& out) {
    const qint64 records =
        (QFileInfo(path).size() + RecordFile::recordSize - 1) / RecordFile::recordSize;
    out << "record file, " << records << " records\n";
    RecordFile file(path, RecordFile::Mode::Read);
    for (int r = 1; r <= records && r <= RecordFile::maxRecord; ++r)
        out << r << ": " << quoted(file.read(r)) << '\n';
}

} // namespace

QString visible(const QString& text) {
    QString shown = text;
    shown.replace(u'\\', QStringLiteral("\\\\"));
    shown.replace(u'\r', QStringLiteral("\\r"));
    shown.replace(u'\n', QStringLiteral("\\n"));
    return shown;
}

void dumpRecordFile(const QString& path, QTextStream& out) {
    const QString signature = readRecord(path, 1);
    if (signature == signatureBase)
        dumpPages(path, out);
    else if (signature == signatureDico)
        dumpDictionary(path, out);
    else if (signature == signatureTest)
        dumpTest(path, out);
    else
        dumpRecords(path, out);
}
