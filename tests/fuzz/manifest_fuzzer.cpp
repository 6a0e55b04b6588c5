// libFuzzer target: any text as a show manifest. Reading it must give a show or a list of
// problems, each naming where it is, and never fail otherwise (no exception leaves the reader).
#include "../../tools/scrpack/Manifest.h"

#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> errors;
    const ShowManifest show = ParseManifest(text, "/nowhere/", "Fuzz", errors);
    for (const std::string& error : errors)
        if (error.find(": ") == std::string::npos) __builtin_trap();
    for (const ManifestItem& item : show.items)
        show.PathOf(item.file);
    return 0;
}
