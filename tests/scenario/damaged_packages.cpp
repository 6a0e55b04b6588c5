// damaged_packages: a show written by scrpack (two pictures, a video, a music track), then a few
// hundred damaged copies of it, each run by the real player full screen with a temporary folder of
// its own. Every run must play (its screen window is closed by a WM_CLOSE once it stands) or show
// its error box (answered) and end; it must not fault, hang, write beside the screensaver or
// outside its temporary folder, or leave files there beyond what the undamaged show leaves.
//
//   damaged_packages WORKDIR PLAYER SCRPACK [FIRST [COUNT]]
// Variant N is made from N alone: `damaged_packages ... N 1` runs it again and keeps its folder,
// with the player's vesk.log.
#include "../../tools/scrpack/BitmapFile.h"
#include "../../tools/scrpack/MediaFiles.h"
#include "../support/Processes.h"
#include "../support/TempDir.h"
#include "PackageDamage.h"
#include "PlayerRun.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

constexpr int kVariants = 300;
constexpr DWORD kShowMs = 800;       // the screen window stands this long before it is closed
constexpr DWORD kTimeoutMs = 30000;  // a run that has not ended by then hangs

const char kManifest[] = R"({
  "project": {"name": "Damaged Show", "options": {"mediaPauseSeconds": 0}},
  "runtimeLibraries": [],
  "music": ["tone.wav"],
  "items": [
    {"file": "first.bmp", "title": "First", "options": {"transitionsOn": false}},
    {"file": "clip.avi", "options": {"videoSizeMode": 5, "musicOn": false}},
    {"file": "second.bmp", "effects": ["Stretch from center"], "options": {"effectStep": 50}}
  ]
})";

bool WriteBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::FILE* file = std::fopen(path.string().c_str(), "wb");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// The show as the package tool writes it; empty when it could not.
std::vector<std::uint8_t> BuildShow(const fs::path& work, const std::string& player, const std::string& scrpack)
{
    const fs::path media = work / "media";
    fs::create_directories(media);
    WriteBytes(media / "first.bmp", MakeBitmapFile(64, 48, [](int x, int y) { return 0x204080u + 3 * x + 256 * y; }));
    WriteBytes(media / "second.bmp", MakeBitmapFile(48, 64, [](int x, int) { return x < 24 ? 0x30C030u : 0xC03030u; }));
    WriteBytes(media / "clip.avi", MakeAviFile(32, 24, 6, 12, [](int frame, int x, int) {
                   return (x / 8 + frame) % 2 ? 0x3060C0u : 0xC08030u;
               }));
    WriteBytes(media / "tone.wav", MakeWaveFile(300, 440));
    WriteFileText((media / "show.json").string(), kManifest);
    const fs::path show = work / "pristine.scr";
    const std::string command = "\"" + scrpack + "\" build \"" + (media / "show.json").string() + "\" -o \"" +
                                show.string() + "\" --player \"" + player + "\"";
    if (RunProcess(command) != 0) return {};
    return ReadFileBytes(show.string());
}

// Every file below `folder`, by its path relative to it; folders end with "\".
std::set<std::string> Contents(const fs::path& folder)
{
    std::set<std::string> names;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error)) {
        std::string name = fs::relative(it->path(), folder, error).string();
        if (it->is_directory(error)) name += "\\";
        names.insert(name);
    }
    return names;
}

void Empty(const fs::path& folder)
{
    std::error_code error;
    fs::remove_all(folder, error);
    fs::create_directories(folder, error);
}

std::string Joined(const std::set<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text.empty() ? "nothing" : text;
}

struct Checked {
    PlayerRun run;
    std::string fault;  // empty when the run was sound
    std::set<std::string> leftovers;
};

// Runs one screensaver file; `allowed` is what the temporary folder may hold afterwards.
Checked RunOne(const fs::path& work, const std::vector<std::uint8_t>& bytes, const std::set<std::string>& allowed,
               bool keepLog)
{
    const fs::path show = work / "show", temp = work / "tmp";
    Empty(temp);
    // The system may hold the last run's program file for a moment after that run has ended.
    bool written = false;
    for (int attempt = 0; attempt < 100 && !written; ++attempt) {
        if (attempt) ::Sleep(50);
        Empty(show);
        written = WriteBytes(show / "show.scr", bytes);
    }
    if (keepLog) WriteFileText((show / "vesk.log").string(), "");
    Checked c;
    if (!written) {
        c.fault = "could not be written";
        return c;
    }
    const std::string command = "\"" + (show / "show.scr").string() + "\" /s";
    c.run = RunPlayer(command, show.string(), kShowMs, kTimeoutMs);
    if (!c.run.started) {  // the program file is written and whole: a start the system refused is tried again
        ::Sleep(500);
        c.run = RunPlayer(command, show.string(), kShowMs, kTimeoutMs);
    }
    char code[64];
    if (!c.run.started) {
        c.fault = "could not be started: error " + std::to_string(c.run.startError);
    } else if (c.run.crashed) {
        std::snprintf(code, sizeof code, "faulted: exception 0x%08lX at 0x%08lX",
                      static_cast<unsigned long>(c.run.exceptionCode),
                      static_cast<unsigned long>(c.run.exceptionAddress));
        c.fault = code;
    } else if (!c.run.ended) {
        c.fault = "did not end within " + std::to_string(kTimeoutMs / 1000) + " s";
    } else if (c.run.exitCode != 0) {
        std::snprintf(code, sizeof code, "ended with exit code 0x%08lX", static_cast<unsigned long>(c.run.exitCode));
        c.fault = code;
    } else if (!c.run.showed && c.run.boxes.empty()) {
        c.fault = "ended without its screen window or an error box";
    }
    std::set<std::string> beside = Contents(show);
    beside.erase("show.scr");
    beside.erase("vesk.log");
    std::set<std::string> outside = Contents(work);
    for (const char* ours : {"media\\", "show\\", "tmp\\", "pristine.scr", "progress.log"})
        for (auto it = outside.begin(); it != outside.end();)
            it = it->rfind(ours, 0) == 0 ? outside.erase(it) : std::next(it);
    for (const std::string& name : Contents(temp))
        if (!allowed.count(name)) c.leftovers.insert(name);
    if (c.fault.empty() && !beside.empty()) c.fault = "wrote beside the screensaver: " + Joined(beside);
    if (c.fault.empty() && !outside.empty()) c.fault = "wrote outside its temporary folder: " + Joined(outside);
    if (c.fault.empty() && !c.leftovers.empty()) c.fault = "left in the temporary folder: " + Joined(c.leftovers);
    if (!keepLog) Empty(show);
    return c;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: damaged_packages WORKDIR PLAYER SCRPACK [FIRST [COUNT]]\n");
        return 64;
    }
    const fs::path work = fs::absolute(argv[1]);
    const int first = argc > 4 ? std::atoi(argv[4]) : 0;
    const int count = argc > 5 ? std::atoi(argv[5]) : kVariants - first;
    const bool single = count == 1;
    std::error_code error;
    fs::remove_all(work, error);
    fs::create_directories(work);

    const std::vector<std::uint8_t> pristine =
        BuildShow(work, fs::absolute(argv[2]).string(), fs::absolute(argv[3]).string());
    const PackageLayout layout = LocatePackage(pristine);
    if (layout.regions.empty()) {
        std::printf("FAIL: scrpack wrote no package\n");
        return 1;
    }
    // The player's temporary folder, private to this program's runs.
    const std::string temp = (work / "tmp").string();
    ::SetEnvironmentVariableA("TMP", temp.c_str());
    ::SetEnvironmentVariableA("TEMP", temp.c_str());

    // What the undamaged show leaves is what every variant may leave.
    const Checked baseline = RunOne(work, pristine, {}, false);
    if (!baseline.run.showed || !baseline.run.boxes.empty() || !baseline.run.ended || baseline.run.crashed ||
        baseline.run.exitCode != 0) {
        std::printf("FAIL: the undamaged show did not play and close: %s\n",
                    baseline.fault.empty() ? "it showed a box" : baseline.fault.c_str());
        return 1;
    }
    std::printf("%zu bytes, package at 0x%zX, %zu regions; the undamaged show leaves: %s\n", pristine.size(),
                layout.packageOffset, layout.regions.size(), Joined(baseline.leftovers).c_str());

    int played = 0, boxed = 0, failures = 0;
    std::map<std::string, int> boxTexts;
    for (int index = first; index < first + count; ++index) {
        const DamagedFile variant = Damage(pristine, layout, index);
        const DWORD started = ::GetTickCount();
        const Checked c = RunOne(work, variant.bytes, baseline.leftovers, single);
        if (std::FILE* progress = std::fopen((work / "progress.log").string().c_str(), "a")) {
            std::fprintf(progress, "%d\t%s\t%s%s\t%lu ms\t%s\n", index, variant.what.c_str(),
                         c.run.showed ? "played" : "", c.run.boxes.empty() ? "" : " box",
                         static_cast<unsigned long>(::GetTickCount() - started), c.fault.c_str());
            std::fclose(progress);
        }
        played += c.run.showed;
        boxed += !c.run.boxes.empty();
        for (const std::string& text : c.run.boxes)
            ++boxTexts[text];
        if (!c.fault.empty()) {
            ++failures;
            std::printf("FAIL variant %d (%s): %s\n", index, variant.what.c_str(), c.fault.c_str());
        } else if (single) {
            std::printf("variant %d (%s): %s\n", index, variant.what.c_str(), c.run.showed ? "played" : "error box");
        }
        std::fflush(stdout);
    }
    std::printf("%d variants: %d played, %d showed a box, %d failed\n", count, played, boxed, failures);
    for (const auto& [text, times] : boxTexts)
        std::printf("  %3d x box \"%s\"\n", times, text.c_str());
    return failures ? 1 : 0;
}
