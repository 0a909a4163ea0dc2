#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>

// Small RTF documents for the tests, written as word processors write them.
namespace rtftest {

// A complete document around a body: the header every word processor writes.
inline QByteArray document(const QByteArray& body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036"
           "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
           "{\\f2\\ftech\\fcharset2 Symbol;}{\\f3\\fnil\\fcharset204 Arial Cyr;}}"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
           "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titre}{\\author Auteur}}"
           "\\viewkind4\\uc1\\pard\\f0\\fs24 " +
           body + "\\par\n}";
}

inline QByteArray imageBytes(const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

inline QByteArray pngPicture(int goalWidthTwips, int goalHeightTwips) {
    return "{\\*\\shppict{\\pict\\pngblip\\picw4\\pich3\\picwgoal" +
           QByteArray::number(goalWidthTwips) + "\\pichgoal" + QByteArray::number(goalHeightTwips) +
           "\n" + imageBytes("PNG", 4, 3).toHex() +
           "}}{\\nonshppict{\\pict\\wmetafile8\\picw106\\pich79 0100090000}}";
}

} // namespace rtftest
