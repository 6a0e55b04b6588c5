// A long name in a window's title is shortened with "..." to the title bar; a short one is kept.
#include "../../src/dialogs/FittedCaption.h"
#include "../../src/framework/Handles.h"

#include <gtest/gtest.h>

TEST(FittedCaption, ShortensOnlyTheNameThatDoesNotFit)
{
    const UniqueWindow window(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 300, 100,
                                                nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
    ASSERT_TRUE(window);
    const std::string longName(200, 'W');
    struct Case {
        std::string name, expectedStart, expectedEnd;
    };
    const Case cases[] = {{"Walks", "About Walks - Settings", "About Walks - Settings"},
                          {longName, "About WWW", "WWW... - Settings"}};
    for (const Case& c : cases) {
        const std::string caption = FittedCaption(window.get(), "About ", c.name, " - Settings");
        EXPECT_EQ(0u, caption.find(c.expectedStart)) << caption;
        EXPECT_EQ(caption.size() - c.expectedEnd.size(), caption.rfind(c.expectedEnd)) << caption;
    }
}
