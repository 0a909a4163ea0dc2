// The yardstick of the start-up figures: the least a Qt Widgets program does to show
// an 800 × 600 window with a label and a button.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Fenêtre minimale"));
    window.resize(800, 600);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Bonjour")));
    layout->addWidget(new QPushButton(QStringLiteral("OK")));
    window.show();
    return application.exec();
}
