#pragma once

// The design of the calculator window Machine: every key with its caption, tooltip,
// place in twips and colour, and the other controls' places.

#include <QRect>
#include <QRgb>
#include <QSize>
#include <span>

enum class KeyPicture { None, Exp, TenPower, Square, Power };

struct KeyDesign {
    const char* name;
    const char* caption; // UTF-8, "&" marks the mnemonic; empty for a picture key
    const char* tooltip; // nullptr when the key has none
    QRect twips;
    bool coloured; // false: the toolkit's default button colour
    QRgb colour;
    KeyPicture picture;
    const char* accessibleName; // for picture keys, which have no caption
};

std::span<const KeyDesign> machineKeys();

namespace machinedesign {

// In twips, as the controls are; 302 × 431 pixels, the area the background painting
// covers, at 15 twips per pixel.
inline constexpr QSize client{4530, 6465};

inline const QRect z1{240, 240, 4095, 1335};
inline const QRect picture1{240, 1800, 4095, 975};
inline constexpr QRgb picture1Colour = 0xffc0c0c0;
// Inside Picture1 (the design leaves the frames' places to us).
inline const QRect frame2{60, 45, 1950, 885};
inline const QRect frame3{2085, 45, 1950, 885};
// Inside the frames.
inline const QRect optionTop{120, 240, 1695, 255};
inline const QRect optionBottom{120, 480, 1695, 255};

// Where the main window's calculator button places the window, from its own corner.
inline constexpr int offsetLeft = 240;
inline constexpr int offsetTop = 1800;

} // namespace machinedesign
