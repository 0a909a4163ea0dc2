#include "common/recordfile.h"
#include "modules/flagfile.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

// Modules write their own records in a loop while the navigator queries the marks
// and resets them, as at start-up: every record always reads as one of the texts
// written into it, never torn or overwritten by a neighbour's write.
TEST(FlagFileLoad, NoRecordIsTornOrAlteredByANeighboursWrite) {
    QTemporaryDir dir;
    const QString path = flagfile::path(dir.path() + u'/');
    // As installed: the version only, so that the first writes also extend the file.
    ASSERT_TRUE(writeRecord(path, flagfile::version, QStringLiteral("2.01")));

    struct Writer {
        int record;
        QString first, second;
    };
    const Writer writers[] = {
        {3, QStringLiteral("OUI"), QStringLiteral("NON")},
        {7, QStringLiteral("OUI"), QStringLiteral("NON")},
        {12, QStringLiteral("OUI"), QStringLiteral("NON")},
        {19, QStringLiteral("OUI"), QStringLiteral("NON")},
        {flagfile::etatEcran, QStringLiteral("ECRANAVOIR"), QStringLiteral("ECRANOK")},
        {flagfile::activiteModule19, QStringLiteral(" 20"), QStringLiteral(" 27")},
    };
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const Writer& w : writers) {
        auto& p = processes.emplace_back(std::make_unique<QProcess>());
        p->start(QStringLiteral(FLAGWRITER),
                 {path, QString::number(w.record), QStringLiteral("1500"), w.first, w.second});
        ASSERT_TRUE(p->waitForStarted());
    }

    // What record r may hold: its writer's two texts, "NON" for a module record, ""
    // until something was written into it.
    QList<bool> written(flagfile::activiteModule19 + 1, false);
    auto allowed = [&](int r) {
        QStringList texts;
        if (!written[r])
            texts.append(QString());
        if (r == flagfile::version)
            texts = {QStringLiteral("2.01")};
        if (r <= flagfile::requeteNeutre)
            texts.append(QStringLiteral("NON"));
        for (const Writer& w : writers)
            if (w.record == r)
                texts << w.first << w.second;
        return texts;
    };
    auto running = [&] {
        for (const auto& p : processes)
            if (p->state() != QProcess::NotRunning)
                return true;
        return false;
    };

    for (int round = 0; round < 400 && running(); ++round) {
        if (round % 4 == 0)
            ASSERT_TRUE(reinitialiserModules(path));
        const qint16 n = qint16(1 + round % flagfile::requeteNeutre);
        const qint16 etat = etatModules(path, n);
        ASSERT_GE(etat, -1);
        ASSERT_LE(etat, 4) << "only four modules ever mark themselves";
        RecordFile file(path, RecordFile::Mode::Read);
        for (int r = 1; r <= flagfile::activiteModule19; ++r) {
            const QString text = file.read(r);
            ASSERT_TRUE(allowed(r).contains(text)) << "record " << r << ": " << text.toStdString();
            written[r] = written[r] || !text.isEmpty();
        }
    }
    for (const auto& p : processes) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(p->exitCode(), 0);
    }
    for (const Writer& w : writers)
        EXPECT_EQ(readRecord(path, w.record), w.second) << w.record;
    EXPECT_EQ(readRecord(path, flagfile::version), QStringLiteral("2.01"));
}

} // namespace
