#include "points/letter_points.h"

namespace anagrove {

namespace {

//                                         A  B  C  D  E  F  G  H  I  J  K  L  M
//                                         N  O  P  Q  R  S  T  U  V  W  X  Y  Z
constexpr LetterPoints kScrabble{1, 3, 3, 2,  1, 4, 2, 4, 1, 8, 5, 1, 3,
                                 1, 1, 3, 10, 1, 1, 1, 1, 4, 4, 8, 4, 10};
constexpr LetterPoints kLiterati{1, 2, 1, 1, 1, 3, 1, 2, 1, 5, 3, 1, 1,
                                 1, 1, 2, 5, 1, 1, 1, 1, 4, 4, 5, 3, 5};
constexpr LetterPoints kWordmojo{10, 40, 30, 20, 10, 30, 30, 30, 10, 50, 40, 20, 30,
                                 20, 10, 30, 50, 20, 20, 20, 10, 40, 40, 50, 40, 50};

} // namespace

const LetterPoints& PresetTable(PointScheme scheme) {
    switch (scheme) {
    case PointScheme::scrabble:
        return kScrabble;
    case PointScheme::literati:
        return kLiterati;
    case PointScheme::wordmojo:
        return kWordmojo;
    case PointScheme::custom:
        break;
    }
    static constexpr LetterPoints kNoPreset{};
    return kNoPreset;
}

} // namespace anagrove
