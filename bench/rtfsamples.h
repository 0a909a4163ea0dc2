#pragma once

#include <QByteArray>

// RTF documents shaped like the course's pages, generated for the benchmarks.
namespace rtfsamples {

// A page of about 30 KB: headings, formatted French paragraphs, a table, one picture.
QByteArray typicalPage();

// Several megabytes of formatted text with many pictures.
QByteArray largeDocument();

} // namespace rtfsamples
