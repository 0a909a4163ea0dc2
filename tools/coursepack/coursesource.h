#pragma once

#include "tools/coursepack/course.h"

#include <QString>
#include <QStringList>

// Reads a course source folder:
//   pages/*.toml       [[page]] tables with the ten slots by name, in file-name order
//   dictionary.toml    [[entree]] with mot = "…" and pages = ["key", …]
//   tests/TCnn.toml    document = "…" and [[question]] tables
//   files/             data files, copied as they are into the application directory
// Every problem is reported as "file:line: field: message".
struct SourceResult {
    Course course;
    QStringList errors;
};

SourceResult readCourseSource(const QString& sourceDirectory);

// The data files the course names: page texts, pictures, stills, test documents
// and question pictures.
QStringList namedDataFiles(const Course& course);
