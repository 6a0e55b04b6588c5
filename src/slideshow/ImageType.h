// The decoder a picture's file name selects: 1 bitmap, 2 JPEG, 11 GIF (the built-in readers);
// every other code, -1 included, goes to the external image library, which learns the format
// from the code.
#pragma once

#include <string_view>

// The code of the first group whose text occurs anywhere in the lower-cased name (so
// "holiday.bmp.png" is 1); -1 when none does.
int GetImageType(std::string_view name);

// True for the codes that the built-in readers decode.
inline bool IsBuiltInImageType(int type)
{
    return type == 1 || type == 2 || type == 11;
}
