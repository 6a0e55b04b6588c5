// The progress bar of the picture work, redrawn on one line of the terminal.
#include "../../tools/scrpack/ConversionProgress.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(ConversionProgress, DrawsPicturesAndMegabytesDoneOnOneLine)
{
    std::ostringstream line;
    ConversionProgress progress(2, 3000000, &line);
    progress.Done(1000000);
    progress.Done(2000000);
    progress.Finish();
    const std::string shown = line.str();
    EXPECT_NE(std::string::npos, shown.find("[####################] 2/2 pictures  3.0/3.0 MB")) << shown;
    EXPECT_EQ('\n', shown.back());
}
