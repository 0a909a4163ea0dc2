#pragma once

#include <QPixmap>
#include <QString>
#include <QStringView>

class FormLabel;
class QFrame;
class QWidget;

// What every control of the main window's design gets: its object name (the design
// name, with `_index` for an element of an array) and its accessible name.
namespace multimparts {

QString objectName(QStringView design, int index = -1);
void name(QWidget& control, QStringView design, int index, const QString& accessible);

// A frame filled in white, as the tables and summaries stand on the page.
QFrame* whiteFrame(QWidget* parent, QStringView design, int index, const QString& accessible);

FormLabel* label(QWidget* parent, QStringView design, int index, const QString& caption);
FormLabel* image(QWidget* parent, QStringView design, int index, const QPixmap& picture,
                 const QString& tooltip);

// A picture drawn for the main window, from the resources, at the device pixel ratio
// of the window that shows it. Read once per ratio; every caller shares the pixels.
QPixmap picture(QStringView name, qreal ratio);

} // namespace multimparts
