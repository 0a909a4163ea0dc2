#pragma once

#include "navigator/contentdatabase.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// A course as coursepack sees it: the contents of the record files it builds, in
// the order the files hold them. Numbers are kept as the text the records hold.

struct DictionaryEntry {
    QString motCle;
    QString page;
    bool operator==(const DictionaryEntry&) const = default;
};

struct QuestionSource {
    QString nature;    // "1" single choice, "2" multiple choice, "3" typed answer
    QStringList choix; // choices 0..c−1 (kinds 1 and 2)
    QString nbChoix;   // the count record as written
    QString attendu;   // index, or the sum of 10^i over the right choices
    QString motCle;    // kind 3
    QString corrige;   // kind 3
    QString renvoi;
    QString image;
    bool operator==(const QuestionSource&) const = default;
};

struct TestSource {
    QString document; // question document, relative to the application directory
    QString nombre;   // question count record as written
    QList<QuestionSource> questions;
    bool operator==(const TestSource&) const = default;
};

struct Course {
    QList<PageRecord> pages;
    QList<DictionaryEntry> dictionary;
    QMap<QString, TestSource> tests; // by file name, "TC01.GLT"
};

inline bool operator==(const PageRecord& a, const PageRecord& b) {
    for (int k = 0; k < 10; ++k) {
        if (a.slot(k) != b.slot(k))
            return false;
    }
    return true;
}
