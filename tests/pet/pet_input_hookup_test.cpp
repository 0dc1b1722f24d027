#include "pet/pet_input_hookup.h"

#include <gtest/gtest.h>

#include "skins/cat_skin.h"

namespace {

TEST(SkinStyleTest, EachFlagFollowsItsOwnStyle) {
    struct Case {
        RenderStyle render;
        TypingStyle typing;
    };
    const Case cases[] = {{RenderStyle::Default, TypingStyle::Default},
                          {RenderStyle::Douni, TypingStyle::Default},
                          {RenderStyle::Default, TypingStyle::Douni},
                          {RenderStyle::Douni, TypingStyle::Douni}};
    for (const Case& c : cases) {
        CatSkin skin;
        skin.renderStyle = c.render;
        skin.typingStyle = c.typing;
        const PetSkinStyle style = SkinStyleOf(&skin);
        EXPECT_EQ(style.douniRender, c.render == RenderStyle::Douni);
        EXPECT_EQ(style.douniTyping, c.typing == TypingStyle::Douni);
    }
    const PetSkinStyle none = SkinStyleOf(nullptr);
    EXPECT_FALSE(none.douniRender || none.douniTyping);
}

}  // namespace
