// colour_show: writes a show of three solid pictures (red, green, blue), each filling the screen
// and standing a second after its transition, appended to the player.
//   colour_show OUTPUT PLAYER
#include "../support/Shows.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: colour_show OUTPUT PLAYER\n";
        return 64;
    }
    if (AppendPackage(argv[2], ColourShowTables(), argv[1])) return 0;
    std::cerr << "colour_show: cannot write " << argv[1] << "\n";
    return 1;
}
