#pragma once

#include "quiz/testfile.h"
#include "tools/coursepack/course.h"

#include <QString>

// The record layouts of the three course files, both ways. Writers return an error
// message naming the record that could not be written, or an empty string.

inline const QString signatureDico = QStringLiteral("DICO GL");

QString writePages(const QString& path, const QList<PageRecord>& pages);
QString writeDictionary(const QString& path, const QList<DictionaryEntry>& entries);
QString writeTest(const QString& path, const TestSource& test);

QList<PageRecord> readPages(const QString& path);
QList<DictionaryEntry> readDictionary(const QString& path);
TestSource readTest(const QString& path);
