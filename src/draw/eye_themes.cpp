#include "draw/eye_themes.h"

const std::array<EyeTheme, kEyeThemeCount> kEyeThemes{{
    {"荧光黄绿", "Neon Chartreuse", 0xC9F240},
    {"暹罗宝石蓝", "Siamese Ice Blue", 0xB0DAF2},
    {"琥珀金瞳", "Warm Amber", 0xFAC238},
    {"冰晶浅蓝", "Ice Cyan", 0x73EBF5},
    {"柔和琥珀", "Soft Amber", 0xD9AD55},
    {"淡金青绿", "Golden Hazel", 0xDAB257},
    {"橄榄金", "Olive Gold", 0xBFB366},
}};

Argb EyeThemeColor(std::int32_t theme, std::uint8_t alpha) {
    const std::size_t index = (theme >= 1 && theme <= 6) ? static_cast<std::size_t>(theme) : 0;
    return (static_cast<Argb>(alpha) << 24) | kEyeThemes[index].iris;
}
