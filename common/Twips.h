#pragma once
// Rectangles in twips as the toolkit's pixels.

#include "Pixels.h"

#include <QRect>

namespace orvanel {

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

} // namespace orvanel
