// Loading RTF pages into the rich-text box: a typical course page and a large document.
// `rtfreader_bench --write-samples DIR` first writes both documents into DIR (page.rtf,
// large.rtf), so other converters can be timed on the same files.

#include "platform/richtext/richtextbox.h"
#include "platform/richtext/rtfreader.h"
#include "rtfsamples.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

QString samplesDir;

QString writeSample(const QString& name, const QByteArray& rtf) {
    const QString path = QDir(samplesDir).filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(rtf);
    return path;
}

void readIntoDocument(benchmark::State& state, const QByteArray& rtf) {
    for (auto _ : state) {
        QTextDocument document;
        readRtf(rtf, document);
        benchmark::DoNotOptimize(document.characterCount());
    }
    state.SetBytesProcessed(state.iterations() * rtf.size());
}

void loadIntoBox(benchmark::State& state, const QString& path, qint64 size) {
    RichTextBox box;
    for (auto _ : state)
        benchmark::DoNotOptimize(box.loadFile(path));
    state.SetBytesProcessed(state.iterations() * size);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir temporary;
    samplesDir = temporary.path();
    if (argc >= 3 && std::strcmp(argv[1], "--write-samples") == 0) {
        samplesDir = QString::fromLocal8Bit(argv[2]);
        QDir().mkpath(samplesDir);
        for (int i = 3; i < argc; ++i)
            argv[i - 2] = argv[i];
        argc -= 2;
    }
    QApplication app(argc, argv);
    const QByteArray page = rtfsamples::typicalPage();
    const QByteArray large = rtfsamples::largeDocument();
    const QString pagePath = writeSample(QStringLiteral("page.rtf"), page);
    const QString largePath = writeSample(QStringLiteral("large.rtf"), large);

    benchmark::RegisterBenchmark("ReadRtf/page_30KB", readIntoDocument, page);
    benchmark::RegisterBenchmark("ReadRtf/large_with_pictures", readIntoDocument, large)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("LoadFile/page_30KB", loadIntoBox, pagePath, page.size());
    benchmark::RegisterBenchmark("LoadFile/large_with_pictures", loadIntoBox, largePath,
                                 large.size())
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
