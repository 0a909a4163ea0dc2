#include "rtfsamples.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace rtfsamples {

namespace {

QByteArray header() {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1036"
           "{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
           "{\\f2\\ftech\\fcharset2 Symbol;}}"
           "{\\colortbl ;\\red0\\green0\\blue128;\\red128\\green0\\blue0;\\red0\\green128\\blue0;}"
           "{\\stylesheet{\\s0\\f0\\fs24 Normal;}{\\s1\\f1\\fs32\\b heading 1;}}"
           "{\\info{\\title Chapitre}{\\author Galvane}}"
           "\\paperw11906\\paperh16838\\margl1417\\margr1417\\viewkind4\\uc1\n";
}

// What a word processor writes for a run of French prose.
QByteArray paragraph(int n) {
    QByteArray p = "\\pard\\qj\\li" + QByteArray::number(n % 3 * 360) +
                   "\\sb60\\sa60\\f0\\fs24 L\\'92\\'e9nergie \\'e9lectrique re\\'e7ue par le "
                   "r\\'e9cepteur est {\\b convertie} en \\'e9nergie {\\i thermique} : "
                   "W = U\\'b7I\\'b7\\'84t. {\\cf2 Attention} \\'e0 l\\'92unit\\'e9 : le joule "
                   "(J), et le kilowattheure vaut 3,6.10{\\super 6} J. La masse volumique de "
                   "l\\'92eau est \\'ab 1000 kg.m{\\super -3} \\'bb ; celle de l\\'92\\u339?uvre "
                   "co\\'fbte 5 \\'80. {\\f2 a} = 30\\'b0, {\\f2 D}t = 2 s.";
    p += " Paragraphe " + QByteArray::number(n) + ".\\par\n";
    return p;
}

QByteArray heading(int n) {
    return "\\pard\\s1\\qc\\sb240\\sa120\\f1\\fs32\\b\\cf1 Partie " + QByteArray::number(n) +
           " : \\'e9nergie et puissance\\par\\plain\\f0\\fs24\n";
}

QByteArray table(int rows) {
    QByteArray t;
    for (int r = 0; r < rows; ++r) {
        t += "\\trowd\\trgaph70\\cellx2000\\cellx4000\\cellx6000\\pard\\intbl Grandeur " +
             QByteArray::number(r) + "\\cell U (V)\\cell 12,5\\cell\\row\n";
    }
    return t + "\\pard\n";
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A drawing with gradients and lines, so PNG and JPEG compress it like a figure.
QImage figure(int width, int height, int seed) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 0; i < 60; ++i) {
        painter.setPen(QColor::fromHsv((seed * 37 + i * 11) % 360, 200, 200));
        painter.drawLine((i * 13 + seed) % width, 0, width - 1, (i * 29 + seed) % height);
        painter.drawEllipse((i * 17) % width, (i * 23) % height, 20 + i, 10 + i);
    }
    return image;
}

QByteArray picture(const QImage& image, const char* format, const QByteArray& blip) {
    const QByteArray data = encoded(image, format).toHex();
    QByteArray lines;
    for (qsizetype at = 0; at < data.size(); at += 128)
        lines += data.mid(at, 128) + '\n';
    return "{\\*\\shppict{\\pict\\" + blip + "\\picw" + QByteArray::number(image.width()) +
           "\\pich" + QByteArray::number(image.height()) + "\\picwgoal" +
           QByteArray::number(image.width() * 15) + "\\pichgoal" +
           QByteArray::number(image.height() * 15) + "\n" + lines +
           "}}{\\nonshppict{\\pict\\wmetafile8\\picw100\\pich100 010009000003}}\\par\n";
}

} // namespace

QByteArray typicalPage() {
    QByteArray rtf = header() + heading(1);
    rtf += picture(figure(120, 90, 1), "PNG", "pngblip");
    for (int n = 0; rtf.size() < 27000; ++n) {
        if (n % 8 == 7)
            rtf += table(3) + heading(n);
        rtf += paragraph(n);
    }
    return rtf + "}";
}

QByteArray largeDocument() {
    QByteArray rtf = header();
    for (int n = 0; rtf.size() < 6'000'000; ++n) {
        if (n % 40 == 0)
            rtf += heading(n / 40);
        if (n % 60 == 30)
            rtf += picture(figure(400, 300, n), "PNG", "pngblip");
        if (n % 60 == 59)
            rtf += picture(figure(400, 300, n), "JPEG", "jpegblip");
        if (n % 25 == 24)
            rtf += table(4);
        rtf += paragraph(n);
    }
    return rtf + "}";
}

} // namespace rtfsamples
