#pragma once

#include <QByteArrayView>

// One lexical unit of RTF.
struct RtfToken {
    enum Kind { GroupStart, GroupEnd, ControlWord, ControlSymbol, Text, HexByte, Binary, End };
    Kind kind = End;
    QByteArrayView word; // ControlWord: the letters
    bool hasParameter = false;
    int parameter = 0;      // ControlWord: clamped to the int range
    char symbol = 0;        // ControlSymbol
    QByteArrayView bytes;   // Text: a run of plain bytes; Binary: the data of \binN
    unsigned char byte = 0; // HexByte
};

// Splits RTF into tokens without copying. Line ends in the text are dropped, as the
// format says; \binN takes at most what is left of the input.
// The value of a hexadecimal digit, or −1 for any other character.
int rtfHexValue(char c);

class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input) : input(input) {}
    RtfToken next();

private:
    RtfToken controlWord();
    RtfToken controlSymbol();

    QByteArrayView input;
    qsizetype at = 0;
};
