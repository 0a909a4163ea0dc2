// Window tests run in a QApplication on the offscreen platform, on one 800 × 600
// screen at 96 DPI unless QT_QPA_PLATFORM already names another configuration.

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QTemporaryDir configDir;
    if (!qEnvironmentVariable("QT_QPA_PLATFORM").contains(u"configfile")) {
        const QString config = configDir.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({"screens":[{"name":"S0","x":0,"y":0,"width":800,"height":600,)"
                       R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
        file.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
