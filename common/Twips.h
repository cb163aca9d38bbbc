#pragma once
// Window geometry is designed in twips (1/1440 inch); 15 twips make one logical pixel.

#include <QRect>

namespace orvanel {

constexpr int Px(int twips) {
    return (twips * 2 + 15) / 30;
} // rounded to the nearest pixel

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace orvanel
