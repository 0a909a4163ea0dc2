#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The test in progress, shared by the main window and the test window. It survives
// the closing of the test window and is cleared only when a new test starts.
struct TestSession {
    qint16 numeroTest = 0; // chapter index 0..18
    bool testEnCours = false;
    QString cheminTest;
    qint16 questionCourante = 0; // from 1; 0 when a test has just been started
    qint16 nbQuestions = 0;
    std::array<qint16, 101> etats{};   // 0 not answered, 1 right, 2 wrong; index 0 unused
    std::array<QString, 101> reponses; // the answer last saved, as text
    qint16 voirCours = 0;              // the wrong-answer window's choice: 1 see the course
};
