// The one palette every picture of the game is drawn from: night-sky
// backgrounds, warm glow, metallic gold, cream text and the five gem colours.
#pragma once

namespace pictures {

struct Colour {
    double r, g, b;
};

constexpr Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

namespace palette {

// Sky from its top to the horizon, and the valley layers from far to near.
constexpr Colour skyTop{0.05, 0.05, 0.15};
constexpr Colour skyLow{0.24, 0.11, 0.26};
constexpr Colour hillFar{0.14, 0.08, 0.21};
constexpr Colour hillMid{0.085, 0.05, 0.14};
constexpr Colour hillNear{0.04, 0.025, 0.075};

// Lantern light: the warm glow and its white-hot core.
constexpr Colour glow{1.00, 0.66, 0.28};
constexpr Colour glowCore{1.00, 0.95, 0.78};

// Metallic gold from its highlight to its shadow, and the dark line around it.
constexpr Colour goldLight{1.00, 0.96, 0.74};
constexpr Colour goldMid{0.96, 0.76, 0.32};
constexpr Colour goldDeep{0.70, 0.44, 0.12};
constexpr Colour goldShadow{0.34, 0.18, 0.05};
constexpr Colour outline{0.16, 0.08, 0.04};

constexpr Colour cream{1.00, 0.95, 0.84};
constexpr Colour panel{0.16, 0.09, 0.24};

// One gem colour: its shadow, body and highlight.
struct GemColours {
    Colour dark, base, light;
};

constexpr GemColours ruby{{0.36, 0.02, 0.08}, {0.86, 0.10, 0.20}, {1.00, 0.62, 0.66}};
constexpr GemColours emerald{{0.02, 0.26, 0.14}, {0.10, 0.72, 0.36}, {0.66, 1.00, 0.74}};
constexpr GemColours sapphire{{0.04, 0.10, 0.42}, {0.16, 0.38, 0.96}, {0.64, 0.82, 1.00}};
constexpr GemColours topaz{{0.54, 0.30, 0.02}, {1.00, 0.77, 0.14}, {1.00, 0.97, 0.70}};
constexpr GemColours amethyst{{0.24, 0.06, 0.40}, {0.62, 0.26, 0.88}, {0.92, 0.74, 1.00}};

}  // namespace palette
}  // namespace pictures
