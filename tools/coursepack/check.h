#pragma once

#include <QString>
#include <QStringList>

// `coursepack check DIR`: what the navigator would stumble on in a built application
// directory, one line per problem naming the page, test question or dictionary
// entry. Empty when the course is sound.
QStringList checkCourse(const QString& applicationDirectory);
