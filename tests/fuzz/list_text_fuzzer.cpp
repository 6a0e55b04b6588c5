// libFuzzer target: any text as a number list, a style list and a name list, and the picks.
#include "../../src/package/Convert.h"
#include "../../src/settings/ListTexts.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        const TIntArray numbers = ParseNumberList(text);
        std::int32_t position = -1;
        for (int i = 0; i < 3; ++i) {
            const std::int32_t pick = ChooseEffect(text, i == 2, position);
            if (numbers.Count() == 0 ? pick != -1 : position < 0 || position >= numbers.Count()) __builtin_trap();
        }
    } catch (const EConvertError&) {
    }
    for (const std::string& name : ParseNameList(text))
        if (name.size() > text.size()) __builtin_trap();
    HasStyle(text, 1);
    return 0;
}
