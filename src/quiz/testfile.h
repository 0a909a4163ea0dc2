#pragma once

#include <QString>
#include <QtGlobal>
#include <array>

// The test files TC01.GLT to TC19.GLT: record 1 the signature, 2 the question
// document, 3 the question count, then ten records per question from record 5.
// Each call opens the file, reads what it needs and closes it again.

inline const QString signatureTest = QStringLiteral("TEST GL");
inline constexpr int maxQuestions = 100; // what the session holds
inline constexpr int maxChoix = 5;

struct QuestionRecord {
    qint16 nature = 0;                   // 1 single choice, 2 multiple choice, 3 typed answer
    qint16 nbChoix = 0;                  // kinds 1 and 2, within 0..5
    std::array<QString, maxChoix> choix; // choices 0..4, unused ones empty
    qint16 attendu = 0; // kind 1: the right index; kind 2: the sum of 10^i over the right ones
    QString motCle;     // kind 3
    QString corrige;    // kind 3
    QString renvoi;     // the course page key
    QString image;      // as stored, not trimmed; spaces only means no picture
};

struct OpenedTest {
    QString path;
    bool signatureOk = false; // false too when the file is missing or unreadable
};

struct TestHeader {
    QString document; // relative to the application directory
    // Within 0..100: a count above 100 reads as 100; 0 (or less) leaves a test that
    // cannot be taken.
    qint16 nbQuestions = 0;
};

// Chapter index 0..18 opens "TC01.GLT".."TC19.GLT" in the application directory.
OpenedTest openTest(const QString& applicationDirectory, int chapterIndex);
TestHeader readTestHeader(const QString& path);
QuestionRecord readQuestion(const QString& path, int n);

// Question n's first record (its kind): 10n − 5.
int firstRecordOfQuestion(int n);
