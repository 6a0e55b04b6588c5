// The names of the 161 transition effects, in index order: the index of an effect is its place
// in this list. They are shown to users exactly as written here, odd spellings included, because
// that is how users have always seen them.
#pragma once

constexpr int kEffectNameCount = 161;

// The name of an effect index; null outside 0..160.
const char* EffectName(int index);
