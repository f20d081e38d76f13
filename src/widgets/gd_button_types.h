#pragma once

#include <cstdint>

namespace tessal {

// Frame and outline of a gradient button.
enum TgdButtonStyle : std::uint8_t {
    bsNormal,
    bsFlat,
    bsFlatNoFrame,
    bsRoundRect,
    bsRoundRectNoFrame,
};

// Frame kind drawn by the bsFlat style.
enum TgdBtnFrameType : std::uint8_t {
    bffFlat,
    bffEtched,
    bffBump,
};

// Horizontal placement of a caption line; taEven spreads the letters over the width.
enum TgdBtnAlignment : std::uint8_t {
    taCenter,
    taLeft,
    taRight,
    taEven,
};

} // namespace tessal
