#include "calculator/keypictures.h"
#include "calculator/machine.h"
#include "calculator/machinedesign.h"
#include "calculator/ouvrirmachine.h"
#include "platform/testing/fakeplatform.h"

#include <QApplication>
#include <QBitmap>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegion>
#include <gtest/gtest.h>

namespace {

class MachineTest : public testing::Test {
protected:
    QPushButton* key(const char* name) {
        QPushButton* button = machine.findChild<QPushButton*>(QString::fromLatin1(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    void press(std::initializer_list<const char*> names) {
        for (const char* name : names)
            key(name)->click();
    }
    void choose(const char* option) {
        machine.findChild<QRadioButton*>(QString::fromLatin1(option))->click();
    }
    void type(Qt::Key code, const QString& text = {}) {
        QKeyEvent event(QEvent::KeyPress, code, Qt::NoModifier, text);
        QApplication::sendEvent(z1(), &event);
    }
    QPlainTextEdit* z1() { return machine.findChild<QPlainTextEdit*>(QStringLiteral("z1")); }
    std::string display() { return z1()->toPlainText().toStdString(); }

    FakePlatform fake;
    Platform platform = fake.platform();
    EtatCalculatrice etat;
    Machine machine{platform, etat};
};

TEST(KeyPictures, AreDrawnAtTheRatioAskedOnTheSameKeySize) {
    for (const KeyPicture picture :
         {KeyPicture::Exp, KeyPicture::TenPower, KeyPicture::Square, KeyPicture::Power}) {
        const QPixmap plain = keyPicture(picture, {30, 20}, 1);
        const QPixmap dense = keyPicture(picture, {30, 20}, 2);
        EXPECT_EQ(plain.size(), QSize(30, 20));
        EXPECT_EQ(dense.size(), QSize(60, 40));
        EXPECT_EQ(dense.devicePixelRatio(), 2.0);
        // The base and its exponent where they are at 1×, with twice the pixels.
        const auto ink = [](const QPixmap& pixmap) {
            return QRegion(QBitmap::fromImage(pixmap.toImage().createAlphaMask())).boundingRect();
        };
        const QRect plainInk = ink(plain);
        const QRect denseInk = ink(dense);
        EXPECT_FALSE(plainInk.isEmpty()) << int(picture);
        EXPECT_NEAR(denseInk.left(), 2 * plainInk.left(), 2) << int(picture);
        EXPECT_NEAR(denseInk.top(), 2 * plainInk.top(), 2) << int(picture);
        EXPECT_NEAR(denseInk.width(), 2 * plainInk.width(), 3) << int(picture);
        EXPECT_NEAR(denseInk.height(), 2 * plainInk.height(), 3) << int(picture);
    }
}

TEST_F(MachineTest, IsTheCalculatorWindow) {
    EXPECT_EQ(machine.objectName(), QStringLiteral("Machine"));
    EXPECT_EQ(machine.windowTitle(), QStringLiteral("Machine à calculer"));
    EXPECT_EQ(machine.size(), QSize(302, 431));
    EXPECT_EQ(z1()->geometry(), QRect(16, 16, 273, 89));
    EXPECT_EQ(machine.findChild<QWidget*>(QStringLiteral("Picture1"))->geometry(),
              QRect(16, 120, 273, 65));
    EXPECT_EQ(machine.findChild<QGroupBox*>(QStringLiteral("Frame2"))->title(),
              QStringLiteral("Angles"));
    EXPECT_EQ(machine.findChild<QGroupBox*>(QStringLiteral("Frame3"))->title(),
              QStringLiteral("Affichage"));
    const struct {
        const char* name;
        const char* caption;
        bool checked;
    } options[] = {{"angle_0", "Degrés", true},
                   {"angle_1", "Radians", false},
                   {"C_0", "Scientifique", false},
                   {"C_1", "Standard", true}};
    for (const auto& o : options) {
        auto* option = machine.findChild<QRadioButton*>(QString::fromLatin1(o.name));
        ASSERT_NE(option, nullptr) << o.name;
        EXPECT_EQ(option->text(), QString::fromUtf8(o.caption));
        EXPECT_EQ(option->isChecked(), o.checked) << o.name;
    }
}

TEST_F(MachineTest, HasEveryKeyOfTheDesign) {
    const struct {
        const char* name;
        const char* caption;
        const char* tooltip;
        QPoint twips;
        QRgb colour; // 0: the default colour
    } expected[] = {
        {"B7", "7", "", {1320, 4440}, qRgb(255, 224, 192)},
        {"B3", "3", "", {2520, 5400}, qRgb(255, 224, 192)},
        {"B0", "0", "", {1320, 5880}, qRgb(255, 224, 192)},
        {"BtoEXP", "EXP", "x 10ª", {2520, 5880}, qRgb(255, 255, 192)},
        {"tera", "T", "Téra", {720, 4440}, qRgb(255, 255, 192)},
        {"micro", "µ", "", {240, 5400}, qRgb(255, 255, 192)},
        {"bsin", "&SIN", "Sinus", {1200, 2880}, qRgb(192, 255, 255)},
        {"Btoncommande3", "INV T&AN", "Inverse tangente", {240, 3840}, qRgb(128, 255, 255)},
        {"Bln", "l&n", "", {3240, 3840}, qRgb(0, 128, 128)},
        {"racine", "√‾", "Racine carré", {1800, 3360}, qRgb(0, 128, 128)},
        {"pi", "Π", "3.1415927", {2760, 3840}, qRgb(192, 192, 192)},
        {"div", "÷", "", {3840, 4920}, qRgb(0, 128, 128)},
        {"EFFACE", "←", "Effacer dernier caractère", {3240, 4440}, qRgb(255, 128, 128)},
        {"RAZ", "AC", "Tout effacer", {3840, 4440}, qRgb(255, 128, 128)},
        {"command5", "1/x", "", {1800, 2880}, 0},
        {"Command1", "M+", "Ajouter à la méoire", {2280, 2880}, 0},
        {"command4", "CM", "Effacer la mémoire", {3840, 2880}, 0},
        {"EXE", "EXE", "Calculer", {3840, 5880}, qRgb(192, 192, 192)},
    };
    for (const auto& e : expected) {
        QPushButton* button = key(e.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->text(), QString::fromUtf8(e.caption)) << e.name;
        EXPECT_EQ(button->toolTip(), QString::fromUtf8(e.tooltip)) << e.name;
        EXPECT_EQ(button->pos(), QPoint(qRound(e.twips.x() / 15.0), qRound(e.twips.y() / 15.0)))
            << e.name;
        if (e.colour != 0)
            EXPECT_EQ(button->palette().color(QPalette::Button), QColor::fromRgb(e.colour))
                << e.name;
    }
    EXPECT_EQ(machineKeys().size(), 49u);
    for (const KeyDesign& design : machineKeys()) {
        QPushButton* button = key(design.name);
        ASSERT_NE(button, nullptr);
        const bool inverse = design.twips.width() >= 825;
        EXPECT_TRUE(inverse ? design.twips.width() <= 840
                            : design.twips.width() >= 345 && design.twips.width() <= 495)
            << design.name;
        EXPECT_TRUE(design.twips.height() == 360 || design.twips.height() == 375) << design.name;
        EXPECT_EQ(button->size(),
                  QSize(qRound(design.twips.width() / 15.0), qRound(design.twips.height() / 15.0)))
            << design.name;
        EXPECT_FALSE(button->accessibleName().isEmpty()) << design.name;
        EXPECT_FALSE(button->autoDefault()) << design.name;
        EXPECT_EQ(design.picture != KeyPicture::None, !button->icon().isNull()) << design.name;
    }
}

TEST_F(MachineTest, PaintsTheGradientAndTheOutlines) {
    const QImage image = machine.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 200), QColor(200, 250, 250));
    EXPECT_EQ(image.pixelColor(10, 200), QColor(195, 245, 245));
    EXPECT_EQ(image.pixelColor(3, 430), QColor(198, 248, 248)); // 198.5 rounds to even
    EXPECT_EQ(image.pixelColor(301, 200), QColor(50, 100, 100));
    EXPECT_EQ(image.pixelColor(1, 200), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(150, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(299, 200), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(150, 428), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(81, 350), QColor(0, 128, 128));
    EXPECT_EQ(image.pixelColor(206, 350), QColor(Qt::white));
}

// At large fonts the window grows with its keys: the painting must fill it too, and
// still frame the digit keys.
TEST(MachineAtLargeFonts, PaintsTheWholeWindowAndFramesTheDigitKeys) {
    FakePlatform fake;
    fake.screen.twipsX = 12;
    fake.screen.twipsY = 12;
    Platform platform = fake.platform();
    EtatCalculatrice etat;
    Machine machine(platform, etat);
    const QImage image = machine.grab().toImage();
    const QPoint corner(image.width() - 2, image.height() - 2);
    EXPECT_EQ(image.pixelColor(corner), QColor(50, 100, 100));
    // The outline's left edge stays just left of the first digit key column.
    const QPushButton* seven = machine.findChild<QPushButton*>(QStringLiteral("B7"));
    ASSERT_NE(seven, nullptr);
    EXPECT_EQ(image.pixelColor(qRound(81 * 1.25), seven->y() + 5), QColor(0, 128, 128));
}

TEST_F(MachineTest, ShowsZeroForAnEmptyEntry) {
    press({"EXE"});
    EXPECT_EQ(display(), " 0");
}

TEST_F(MachineTest, ShowsTheWholeExpressionThenItsResult) {
    press({"B2", "bsin", "B3", "B0"});
    EXPECT_EQ(display(), "2 * sin 30");
    press({"EXE"});
    EXPECT_EQ(display(), " 1");
    EXPECT_EQ(fake.messages.beeps, 0);
}

TEST_F(MachineTest, TakesTheAngleUnitFromTheOptions) {
    choose("angle_1");
    press({"invsin", "B1", "EXE"});
    EXPECT_EQ(display(), " 1.5707963267949");
    choose("angle_0");
    press({"invsin", "B1", "EXE"});
    EXPECT_EQ(display(), " 90");
}

TEST_F(MachineTest, SwitchesTheFormatOfTheLastAnswer) {
    choose("C_0");
    press({"B1", "B2", "B3", "B4", "B5", "EXE"});
    EXPECT_EQ(display(), "1.2345E+04");
    choose("C_1");
    EXPECT_EQ(display(), " 12345");
    press({"B7"});
    EXPECT_EQ(display(), "7"); // the entry was left empty
    choose("C_0");
    EXPECT_EQ(display(), "7"); // nothing happens while an entry is being typed
}

TEST_F(MachineTest, ContinuesFromTheLastResult) {
    press({"B5", "EXE", "plus"});
    EXPECT_EQ(display(), "5 + ");
    press({"B1", "EXE"});
    EXPECT_EQ(display(), " 6");
    press({"multip", "B2", "EXE", "div", "B4", "EXE"});
    EXPECT_EQ(display(), " 3");
    press({"btcarre", "EXE"});
    EXPECT_EQ(display(), " 9");
    press({"puissance", "B2", "EXE"});
    EXPECT_EQ(display(), " 81");
    press({"moins", "B1", "EXE"});
    EXPECT_EQ(display(), "-1");
}

TEST_F(MachineTest, KeepsTheFailedEntryUnderTheMessage) {
    press({"Bpo", "B2", "plus", "B3"});
    EXPECT_EQ(display(), "(2 + 3");
    press({"EXE"});
    EXPECT_EQ(display(), "Erreur saisie: revoir les parenthèses");
    EXPECT_EQ(fake.messages.beeps, 1);
    press({"ANS"});
    EXPECT_EQ(display(), "(2 + 3"); // the message is not an answer
    press({"bpf", "EXE"});
    EXPECT_EQ(display(), " 5");
}

TEST_F(MachineTest, ShowsEachErrorMessage) {
    press({"B1", "div", "B0", "EXE"});
    EXPECT_EQ(display(), "Calcul impossible");
    press({"RAZ", "B2", "multip", "multip", "B3", "EXE"});
    EXPECT_EQ(display(), "Erreur saisie: incompréhension sur opérateurs: ^ * / + -");
    press({"plus"});
    EXPECT_EQ(display(), "2 *  * 3 + ");
    EXPECT_EQ(fake.messages.beeps, 2);
}

TEST_F(MachineTest, DeletesBackwards) {
    press({"B2", "plus", "EFFACE"});
    EXPECT_EQ(display(), "2");
    press({"multip", "invsin"});
    EXPECT_EQ(display(), "2 * invSIN ");
    press({"EFFACE"});
    EXPECT_EQ(display(), "2 * ");
    press({"RAZ", "B1", "B2", "EFFACE"});
    EXPECT_EQ(display(), "1");
    press({"RAZ", "Bpo", "invcos", "EFFACE"});
    EXPECT_EQ(display(), "(");
}

TEST_F(MachineTest, AddsPiAsATerm) {
    press({"B2", "pi"});
    EXPECT_EQ(display(), "2 * 3.14159265358979");
}

TEST_F(MachineTest, IgnoresOperatorsWhileTheDisplayIsBlank) {
    press({"plus", "multip", "div"});
    EXPECT_EQ(display(), "");
    press({"B4", "EXE", "RAZ", "plus", "multip", "div"});
    EXPECT_EQ(display(), "");
    press({"B1"});
    EXPECT_EQ(display(), "1");
}

TEST_F(MachineTest, KeepsTheMemoryInTheApplicationState) {
    press({"B5", "EXE"});
    EXPECT_EQ(display(), " 5");
    press({"Command1"});
    EXPECT_EQ(etat.memoire, 5);
    EXPECT_EQ(display(), " 5");
    press({"Command1", "Command2", "B2", "Command3"});
    EXPECT_EQ(etat.memoire, 5);
    EXPECT_EQ(display(), "25");
    press({"RAZ", "Command3"});
    EXPECT_EQ(display(), "5");
    press({"command4"});
    EXPECT_EQ(etat.memoire, 0);
}

TEST_F(MachineTest, RecallsTheMemoryInTheScientificFormat) {
    etat.memoire = 12345;
    choose("C_0");
    press({"Command3"});
    EXPECT_EQ(display(), "1.2345E+04");
}

TEST_F(MachineTest, ReportsAnOverflowAsAnError) {
    press({"B1", "BtoEXP", "B4", "B0", "B0", "EXE"});
    EXPECT_EQ(display(), "Dépassement de capacité");
    EXPECT_EQ(fake.messages.beeps, 1);
    press({"ANS"});
    EXPECT_EQ(display(), "1E400");
    press({"RAZ", "B2", "EXE", "RAZ", "B1", "BtoEXP", "B4", "B0", "B0", "EXE", "RAZ", "plus"});
    EXPECT_EQ(display(), ""); // a blank display: the operator does nothing
}

TEST_F(MachineTest, LeavesTheMemoryAsItWasOnOverflow) {
    press({"B1", "BtoEXP", "B3", "B0", "B8", "EXE", "Command1"});
    EXPECT_EQ(etat.memoire, 1e308);
    press({"Command1"});
    EXPECT_EQ(display(), "Dépassement de capacité");
    EXPECT_EQ(etat.memoire, 1e308);
    press({"B1", "BtoEXP", "B4", "B0", "B0", "Command2"});
    EXPECT_EQ(display(), "Dépassement de capacité");
    EXPECT_EQ(etat.memoire, 1e308);
}

TEST_F(MachineTest, MapsTheKeyboard) {
    type(Qt::Key_2, QStringLiteral("2"));
    type(Qt::Key_AsciiCircum, QStringLiteral("^"));
    type(Qt::Key_1, QStringLiteral("1"));
    type(Qt::Key_0, QStringLiteral("0"));
    type(Qt::Key_Backspace);
    type(Qt::Key_D, QStringLiteral("d"));
    type(Qt::Key_1, QStringLiteral("1"));
    type(Qt::Key_X, QStringLiteral("x"));
    EXPECT_EQ(display(), "2 ^ 1E1");
    type(Qt::Key_Return);
    EXPECT_EQ(display(), " 1024");
    for (const char* c : {"(", "1", "+", "2", ")", "*", "3", "-", "4", "/", "2"})
        type(Qt::Key_unknown, QString::fromLatin1(c));
    EXPECT_EQ(display(), "(1 + 2) * 3 - 4 / 2");
    type(Qt::Key_Enter);
    EXPECT_EQ(display(), " 7");
}

TEST_F(MachineTest, EscapeChangesNothing) {
    machine.show();
    press({"B5", "EXE", "Command1", "B2"});
    type(Qt::Key_Escape);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&machine, &escape); // typed while another control has the focus
    EXPECT_TRUE(machine.isVisible());
    EXPECT_EQ(display(), "2");
    press({"ANS"});
    EXPECT_EQ(display(), "25");
    EXPECT_EQ(etat.memoire, 5);
    machine.hide();
}

TEST_F(MachineTest, GivesTheDisplayTheFocusWithTheCaretAtTheEnd) {
    machine.show();
    QApplication::setActiveWindow(&machine);
    press({"B1", "B2"});
    EXPECT_TRUE(z1()->hasFocus());
    EXPECT_EQ(z1()->textCursor().position(), 2);
    machine.hide();
}

TEST(OuvrirMachine, PlacesTheCalculatorOverTheMainWindowAndRunsItModally) {
    FakePlatform fake;
    const Platform platform = fake.platform();
    EtatCalculatrice etat;
    QWidget mainWindow;
    for (const QPoint corner : {QPoint(0, 0), QPoint(100, 50)}) {
        mainWindow.move(corner);
        QPoint placed;
        fake.modalWindows.scriptNext([&](QDialog& dialog) {
            placed = dialog.pos();
            dialog.findChild<QPushButton*>(QStringLiteral("B4"))->click();
            dialog.findChild<QPushButton*>(QStringLiteral("Command1"))->click();
            return int(QDialog::Rejected);
        });
        ouvrirMachine(mainWindow, platform, etat);
        EXPECT_EQ(placed, corner + QPoint(16, 120));
    }
    EXPECT_EQ(fake.modalWindows.shown, QList<QString>({"Machine", "Machine"}));
    EXPECT_EQ(etat.memoire, 8); // the memory lives on between openings
}

TEST(OuvrirMachineDuTest, PlacesTheCalculatorFromTheMainWindowsWidth) {
    FakePlatform fake;
    const Platform platform = fake.platform();
    EtatCalculatrice etat;
    QWidget mainWindow;
    mainWindow.setGeometry(100, 50, 800, 600);
    QPoint placed;
    int width = 0;
    fake.modalWindows.scriptNext([&](QDialog& dialog) {
        placed = dialog.pos();
        width = dialog.width();
        return int(QDialog::Rejected);
    });
    ouvrirMachineDuTest(mainWindow, platform, etat);
    EXPECT_EQ(placed, QPoint(800 - width - 16, 50 + 120));
}

} // namespace
