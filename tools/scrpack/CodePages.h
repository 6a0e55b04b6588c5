// Caption texts in the 8-bit code page that the item's font character set stands for, so that a
// Cyrillic title drawn with a font of character set 204 comes out as the author wrote it.
//
//   std::string stored;
//   if (EncodeText(CodePageOfCharset(204), u8"Зима", stored)) ...   // bytes of code page 1251
#pragma once

#include <optional>
#include <string>
#include <vector>

constexpr int kWesternCodePage = 1252;  // the project's texts and any character set not listed

// The character sets that have a code page, in the order scrpack tries them: 0 (Western), 238,
// 204, 161, 162, 177, 178, 186, 163, 222, 128, 134, 129, 136.
const std::vector<int>& CharsetsInOrder();

// The code page of a font character set; 1252 for one that has none of its own (default, symbol).
int CodePageOfCharset(int charset);

// UTF-8 to the code page; false when a character has no place in it (or the UTF-8 is broken).
bool EncodeText(int codePage, const std::string& utf8, std::string& bytes);
// The code page's bytes as UTF-8; false when a byte has no meaning there.
bool DecodeText(int codePage, const std::string& bytes, std::string& utf8);

// The first character set whose code page holds the whole text; none when no code page does.
std::optional<int> ChooseCharset(const std::string& utf8);
