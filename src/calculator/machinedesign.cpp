#include "calculator/machinedesign.h"

namespace {

constexpr QRgb digit = qRgb(255, 224, 192);
constexpr QRgb prefix = qRgb(255, 255, 192);
constexpr QRgb teal = qRgb(0, 128, 128);
constexpr QRgb function = qRgb(192, 255, 255);
constexpr QRgb inverse = qRgb(128, 255, 255);
constexpr QRgb grey = qRgb(192, 192, 192);
constexpr QRgb erase = qRgb(255, 128, 128);

constexpr KeyPicture none = KeyPicture::None;

// Key sizes: the design gives 345 to 495 twips wide (825 to 840 for the inverse
// functions) and 360 high (375 for the memory keys and 1/x); each width below fits
// its column.
QRect key(int left, int top, int width = 495, int height = 360) {
    return {left, top, width, height};
}

const KeyDesign keys[] = {
    {"B7", "7", nullptr, key(1320, 4440), true, digit, none, nullptr},
    {"B8", "8", nullptr, key(1920, 4440), true, digit, none, nullptr},
    {"B9", "9", nullptr, key(2520, 4440), true, digit, none, nullptr},
    {"B4", "4", nullptr, key(1320, 4920), true, digit, none, nullptr},
    {"B5", "5", nullptr, key(1920, 4920), true, digit, none, nullptr},
    {"B6", "6", nullptr, key(2520, 4920), true, digit, none, nullptr},
    {"B1", "1", nullptr, key(1320, 5400), true, digit, none, nullptr},
    {"B2", "2", nullptr, key(1920, 5400), true, digit, none, nullptr},
    {"B3", "3", nullptr, key(2520, 5400), true, digit, none, nullptr},
    {"B0", "0", nullptr, key(1320, 5880), true, digit, none, nullptr},
    {"Bpoint", ".", nullptr, key(1920, 5880), true, digit, none, nullptr},
    {"BtoEXP", "EXP", "x 10ª", key(2520, 5880), true, prefix, none, nullptr},
    {"pico", "p", nullptr, key(240, 4440, 435), true, prefix, none, nullptr},
    {"tera", "T", "Téra", key(720, 4440, 435), true, prefix, none, nullptr},
    {"nano", "n", nullptr, key(240, 4920, 435), true, prefix, none, nullptr},
    {"giga", "G", "Giga", key(720, 4920, 435), true, prefix, none, nullptr},
    {"micro", "µ", nullptr, key(240, 5400, 435), true, prefix, none, nullptr},
    {"mega", "M", "Méga", key(720, 5400, 435), true, prefix, none, nullptr},
    {"mil", "m", "milli", key(240, 5880, 435), true, prefix, none, nullptr},
    {"kilo", "k", nullptr, key(720, 5880, 435), true, prefix, none, nullptr},
    {"Bpo", "(", nullptr, key(1800, 3840, 435), true, teal, none, nullptr},
    {"bpf", ")", nullptr, key(2280, 3840, 435), true, teal, none, nullptr},
    {"bsin", "&SIN", "Sinus", key(1200, 2880), true, function, none, nullptr},
    {"Bcos", "&COS", "Cosinus", key(1200, 3360), true, function, none, nullptr},
    {"Btan", "&TAN", "Tangente", key(1200, 3840), true, function, none, nullptr},
    {"invsin", "INV S&IN", "Inverse sinus", key(240, 2880, 825), true, inverse, none, nullptr},
    {"invcos", "INV C&OS", "Inverse cosinus", key(240, 3360, 825), true, inverse, none, nullptr},
    {"Btoncommande3", "INV T&AN", "Inverse tangente", key(240, 3840, 840), true, inverse, none,
     nullptr},
    {"Bln", "l&n", nullptr, key(3240, 3840), true, teal, none, nullptr},
    {"Blog", "&Log", nullptr, key(3240, 3360), true, teal, none, nullptr},
    {"Bexp", "", nullptr, key(3840, 3840), true, grey, KeyPicture::Exp, "exp"},
    // The Symbol typeface's codes 214 and 96: the radical sign and its bar.
    {"racine", "\u221A\u203E", "Racine carré", key(1800, 3360, 435), true, teal, none, nullptr},
    {"B10x", "", nullptr, key(3840, 3360), true, grey, KeyPicture::TenPower, "10^x"},
    {"command5", "1/x", nullptr, key(1800, 2880, 435, 375), false, 0, none, nullptr},
    // "P" in the Symbol typeface is a capital pi.
    {"pi", "\u03A0", "3.1415927", key(2760, 3840, 435), true, grey, none, nullptr},
    {"btcarre", "", nullptr, key(2280, 3360, 435), true, grey, KeyPicture::Square, "x²"},
    {"puissance", "", nullptr, key(2760, 3360, 435), true, grey, KeyPicture::Power, "x^y"},
    {"multip", "x", nullptr, key(3240, 4920), true, teal, none, nullptr},
    // "¸" in the Symbol typeface is the division sign.
    {"div", "\u00F7", nullptr, key(3840, 4920), true, teal, none, nullptr},
    {"plus", "+", nullptr, key(3240, 5400), true, teal, none, nullptr},
    {"moins", "-", nullptr, key(3840, 5400), true, teal, none, nullptr},
    {"ANS", "ANS", "Dernière réponse", key(3240, 5880), true, grey, none, nullptr},
    {"EXE", "EXE", "Calculer", key(3840, 5880), true, grey, none, nullptr},
    // "¬" in the Symbol typeface is a left arrow.
    {"EFFACE", "\u2190", "Effacer dernier caractère", key(3240, 4440), true, erase, none, nullptr},
    {"RAZ", "AC", "Tout effacer", key(3840, 4440), true, erase, none, nullptr},
    {"Command1", "M+", "Ajouter à la méoire", key(2280, 2880, 435, 375), false, 0, none, nullptr},
    {"Command2", "M-", "Soustraire à la mémoire", key(2760, 2880, 435, 375), false, 0, none,
     nullptr},
    {"Command3", "RM", "Rappel mémoire", key(3240, 2880, 495, 375), false, 0, none, nullptr},
    {"command4", "CM", "Effacer la mémoire", key(3840, 2880, 495, 375), false, 0, none, nullptr},
};

} // namespace

std::span<const KeyDesign> machineKeys() {
    return keys;
}
