#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What a teacher should mend in a test file before shipping it: the faults that
// leave a question undisplayable or impossible to answer right. One line per fault,
// naming the question; empty when the test is sound.
//
// `documentText` is the plain text of the question document (a paragraph break as
// CR LF), or none when the document could not be loaded; the statement markers are
// then not checked.
QStringList checkTest(const QString& testPath, const std::optional<QString>& documentText);

// The same for a test file of an application directory ("TC01.GLT"), with its
// question document loaded from that directory. Needs no window: it runs in a
// console program.
QStringList checkTestInApplication(const QString& applicationDirectory, const QString& testFile);
