#pragma once
// Window geometry is designed in twips (1/1440 inch); 15 twips make one logical pixel, in the
// desktop window and in the page alike. No toolkit here.

namespace orvanel {

constexpr int Px(int twips) {
    return (twips * 2 + 15) / 30; // rounded to the nearest pixel
}

} // namespace orvanel
