// The two pictures on which the configuration dialog previews a transition effect: the show's
// first two picture items, each fitted whole into the pane on black, as the show would fit them
// into the screen; where the show has fewer than two pictures (or one cannot be decoded), computed
// ones take their place.
//
//   std::array<std::unique_ptr<CComPicture>, 2> pictures = MakePreviewPictures(project, 160, 100);
#pragma once

#include <array>
#include <memory>

class CComPicture;
class CVESKGlobeSettings;

// Both pictures are width × height; width and height must be above zero.
std::array<std::unique_ptr<CComPicture>, 2> MakePreviewPictures(CVESKGlobeSettings& project, int width, int height);

// The computed picture `which` (0 or 1) at width × height: a dusk sky over hills, then a warm
// checker with rings, so that an effect's moving edge shows against either.
std::unique_ptr<CComPicture> ComputedPreviewPicture(int which, int width, int height);
