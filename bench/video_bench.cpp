// The first video of a run: from the press of the playback button on the first page
// with a sound video of the course in APPDIR to the first picture drawn, on the X
// display. With "bare", the same file opened by a QMediaPlayer alone instead.
//   video_bench APPDIR navigator|bare
// Prints one figure: a first video is once per process, so runs are processes.

#include "benchfigures.h"
#include "benchnavigator.h"
#include "common/recordfile.h"
#include "media/videocontext.h"
#include "media/videoplayer.h"
#include "navigator/contentdatabase.h"
#include "platform/desktopplatform.h"
#include "platform/forms/picturebox.h"
#include "platform/qtmediacontrol.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>
#include <QVideoWidget>
#include <cstring>

namespace {

constexpr int patienceMs = 10000;

struct PageVideo {
    QString cle;
    QString fichier;
};

PageVideo premierePageVideo(const QString& cheminBase) {
    for (int page = 1; page <= dernierePageAdressable; ++page) {
        const PageRecord record = readPage(cheminBase, page);
        if (record.cle.trimmed().isEmpty())
            break;
        if (record.genre == QStringLiteral("AVI sonorisé"))
            return {record.cle, record.media};
    }
    return {};
}

// Calls `vu` at the first valid picture of the video widget that appears in `fenetre`.
class GuetteurDeVideo : public QObject {
public:
    GuetteurDeVideo(QWidget& fenetre, std::function<void()> vu) : vu_(std::move(vu)) {
        fenetre.installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildPolished)
            if (auto* video =
                    qobject_cast<QVideoWidget*>(static_cast<QChildEvent*>(event)->child()))
                guetter(video->videoSink());
        return QObject::eventFilter(watched, event);
    }
    void guetter(QVideoSink* sink) {
        if (guettes_.contains(sink))
            return;
        guettes_.append(sink);
        connect(sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
            if (frame.isValid() && vu_)
                std::exchange(vu_, {})();
        });
    }

private:
    std::function<void()> vu_;
    QList<QVideoSink*> guettes_;
};

double parLeNavigateur(const QString& repertoire) {
    DesktopPlatform desktop;
    const Platform reelle = desktop.platform();
    // The module of the course's application directory, as the navigator there has.
    QtMediaControl lecteur(repertoire + QStringLiteral("galvane-video.so"));
    Platform platform{reelle.messages,       reelle.modalWindows, reelle.events, reelle.screen,
                      reelle.processes,      reelle.files,        reelle.drives, lecteur,
                      reelle.desktopWindows, reelle.helpViewer};
    BenchNavigator banc(platform, repertoire);
    Multim& m = banc.m;
    NavigationContexte& navigateur = banc.navigateur;
    const QString vide;
    const QString& cheminBase = banc.cheminBase;
    VideoContexte video{navigateur, vide, {}};
    const PageVideo page = premierePageVideo(cheminBase);
    if (page.cle.isEmpty()) {
        std::fprintf(stderr, "video_bench: no sound video page in %s\n", qPrintable(repertoire));
        return -1;
    }
    m.show();
    demanderPage(navigateur, page.cle);
    QCoreApplication::processEvents();

    QEventLoop attente;
    QElapsedTimer chrono;
    double ms = -1;
    GuetteurDeVideo guetteur(*m.Picture4, [&] {
        ms = double(chrono.nsecsElapsed()) / 1e6;
        attente.quit();
    });
    chrono.start();
    Image4_Click(video, 0);
    if (ms < 0) {
        QTimer::singleShot(patienceMs, &attente, &QEventLoop::quit);
        attente.exec();
    }
    return ms;
}

double seul(const QString& repertoire) {
    const QString fichier = premierePageVideo(repertoire + QStringLiteral("GLXNOV.glb")).fichier;
    QWidget fenetre;
    fenetre.resize(350, 260);
    fenetre.show();
    QCoreApplication::processEvents();

    QEventLoop attente;
    QElapsedTimer chrono;
    double ms = -1;
    chrono.start();
    QMediaPlayer player;
    auto* video = new QVideoWidget(&fenetre);
    video->setGeometry(fenetre.rect());
    video->show();
    QObject::connect(video->videoSink(), &QVideoSink::videoFrameChanged, &attente,
                     [&](const QVideoFrame& frame) {
                         if (frame.isValid() && ms < 0) {
                             ms = double(chrono.nsecsElapsed()) / 1e6;
                             attente.quit();
                         }
                     });
    player.setVideoOutput(video);
    player.setSource(QUrl::fromLocalFile(repertoire + fichier));
    player.play();
    QTimer::singleShot(patienceMs, &attente, &QEventLoop::quit);
    attente.exec();
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: video_bench APPDIR navigator|bare\n");
        return 2;
    }
    QApplication application(argc, argv);
    const QString repertoire = QString::fromLocal8Bit(argv[1]) + u'/';
    const bool nu = std::strcmp(argv[2], "bare") == 0;
    const double ms = nu ? seul(repertoire) : parLeNavigateur(repertoire);
    if (ms < 0) {
        std::fprintf(stderr, "video_bench: no picture was drawn\n");
        return 1;
    }
    benchfigures::print(nu ? "video_bare_ms" : "video_first_ms", ms);
    return 0;
}
