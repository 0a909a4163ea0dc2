#pragma once

// What the test window's tests share: a small three-question test, a test session
// with the main window, and the pupil's gestures.

#include "calculator/etatcalculatrice.h"
#include "common/recordfile.h"
#include "navigator/multim.h"
#include "navigator/navigationstate.h"
#include "platform/forms/formlabel.h"
#include "platform/richtext/richtextbox.h"
#include "platform/testing/fakeplatform.h"
#include "quiz/answerarea.h"
#include "quiz/exo.h"
#include "quiz/feedbackwindows.h"
#include "quiz/progressdisplay.h"
#include "quiz/testcommands.h"
#include "quiz/testsession.h"
#include "quiz/testwindowcontext.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <gtest/gtest.h>
#include <map>

inline constexpr const char* questionDocument =
    "{\\rtf1\\ansi #RP-01\\par Quelle particule est neutre ?#-o-O-o-#\\par "
    "#RP-02\\par Lesquelles sont charg\\'e9es ?#-o-O-o-#\\par "
    "#RP-03\\par Quelle particule tourne autour du noyau ?#-o-O-o-#}";

// A three-question test: a single choice (right: 1), a multiple choice (right: 0
// and 2) and a typed answer (key word "electron").
inline void writeFixtureTest(const QString& directory, const QString& count = QStringLiteral("3")) {
    const std::map<int, QString> records{
        {1, "TEST GL"},   {2, "QUESTIONS.RTF"},
        {3, count},       {5, "1"},
        {6, "3"},         {9, "électron"},
        {10, "neutron"},  {11, "proton"},
        {12, "1"},        {13, "CH01P02"},
        {15, "2"},        {16, "3"},
        {19, "électron"}, {20, "neutron"},
        {21, "proton"},   {22, "101"},
        {23, "CH01P03"},  {25, "3"},
        {26, "electron"}, {27, "L'électron"},
        {33, "CH01P04"},
    };
    for (const auto& [record, text] : records)
        ASSERT_TRUE(writeRecord(directory + "/TC01.GLT", record, text)) << record;
    QFile document(directory + "/QUESTIONS.RTF");
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write(questionDocument);
}

inline void release(FormLabel& arrow) {
    Q_EMIT arrow.mouseReleased(Qt::LeftButton, QPoint(2, 2));
}

inline void type(QLineEdit& box, const QString& text) {
    for (const QChar character : text) {
        QKeyEvent press(QEvent::KeyPress, character == u'.' ? Qt::Key_Period : Qt::Key_A,
                        Qt::NoModifier, QString(character));
        QCoreApplication::sendEvent(&box, &press);
    }
}

inline void pressEnter(QLineEdit& box) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(&box, &press);
}

inline int checkedOption(const Exo& exo) {
    for (int i = 0; i < 5; ++i)
        if (exo.Option1(i)->isChecked())
            return i;
    return -1;
}

inline Exo& exoOf(QDialog& dialog) {
    return static_cast<Exo&>(dialog);
}

// The right-answer window ticks three times and closes itself.
inline void scriptCjuste(FakePlatform& fake) {
    fake.modalWindows.scriptNext([](QDialog& dialog) {
        auto& window = static_cast<Cjuste&>(dialog);
        QMetaObject::invokeMethod(window.Timer1, "timeout");
        QMetaObject::invokeMethod(window.Timer1, "timeout");
        EXPECT_TRUE(window.isVisible()) << "still open after two ticks";
        QMetaObject::invokeMethod(window.Timer1, "timeout");
        EXPECT_FALSE(window.isVisible()) << "closed on the third tick";
        return window.result();
    });
}

class ExoTest : public ::testing::Test {
protected:
    ExoTest() : multim(15, 15) {
        multim.chapitres.construire();
        multim.titchap(0)->setText(QStringLiteral("Les atomes"));
        fake.messages.acceptInformation(true);
    }

    FakePlatform fake;
    Multim multim;
    TestSession session;
    NavigationState navigation;
    EtatCalculatrice calculatrice;
    QStringList pagesShown;
    Platform platform = fake.platform();
    TestWindowContext context{multim,       platform,
                              session,      navigation,
                              calculatrice, [this] { pagesShown.append(navigation.cleCourante); }};
};
