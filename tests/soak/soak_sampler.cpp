// soak_sampler: runs a show full screen for a number of item changes and watches the player's
// resources: GDI and USER objects, handles and private bytes are sampled every few seconds, the
// item changes are counted in the show's vesk.log. After a warm-up, the median of the first quarter
// of the samples is compared with the median of the last quarter; a figure that grew beyond its
// bound fails the run. A show that ends by itself, stops changing items or does not close fails too.
//
//   soak_sampler SHOW.SCR CHANGES [SAMPLE-SECONDS]
#include "../../src/framework/Handles.h"
#include "../support/ProcessFigures.h"
#include "../support/Processes.h"
#include "../support/TempDir.h"
#include "Growth.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr DWORD kStalledMs = 180000;  // no item change for this long: the show hangs
constexpr char kChangeLine[] = "Media name = ";

// The lines a growing log file gained since the last call, counted by what they hold.
class LogFollower {
public:
    explicit LogFollower(std::string path) : path(std::move(path)) {}

    int Changes()
    {
        const HANDLE opened =
            ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE) return changes;
        UniqueKernelHandle file(opened);
        LARGE_INTEGER at{};
        at.QuadPart = offset;
        ::SetFilePointerEx(file.get(), at, nullptr, FILE_BEGIN);
        char buffer[65536];
        DWORD read = 0;
        while (::ReadFile(file.get(), buffer, sizeof buffer, &read, nullptr) && read > 0) {
            offset += read;
            pending.append(buffer, read);
        }
        std::size_t lineEnd;
        while ((lineEnd = pending.find('\n')) != std::string::npos) {
            if (pending.substr(0, lineEnd).find(kChangeLine) != std::string::npos) ++changes;
            pending.erase(0, lineEnd + 1);
        }
        return changes;
    }

private:
    std::string path;
    long long offset = 0;
    std::string pending;
    int changes = 0;
};

struct Sample {
    int changes;
    DWORD seconds;
    ProcessFigures figures;
};

struct FigureRule {
    const char* name;
    double bound;
    double scale;  // printed in units of this
    double (*read)(const ProcessFigures&);
};

const FigureRule kRules[] = {
    {"GDI objects", 8, 1, [](const ProcessFigures& f) { return static_cast<double>(f.gdiObjects); }},
    {"USER objects", 4, 1, [](const ProcessFigures& f) { return static_cast<double>(f.userObjects); }},
    {"handles", 16, 1, [](const ProcessFigures& f) { return static_cast<double>(f.handles); }},
    {"private KiB", 4 * 1024 * 1024, 1024, [](const ProcessFigures& f) { return f.privateBytes; }},
};

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of("\\/") + 1);
}

// Judges every figure over the samples after the warm-up and prints the table; true when none grew.
bool Report(const std::vector<Sample>& samples, int warmUp)
{
    std::vector<Sample> judged;
    std::copy_if(samples.begin(), samples.end(), std::back_inserter(judged),
                 [warmUp](const Sample& s) { return s.changes >= warmUp; });
    std::printf("%zu samples, %zu after the warm-up of %d item changes\n", samples.size(), judged.size(), warmUp);
    if (judged.size() < 8) {
        std::printf("FAIL: too few samples after the warm-up to judge\n");
        return false;
    }
    std::printf("%-13s %12s %12s %12s %12s %10s  %s\n", "figure", "first", "1st quarter", "last quarter", "last",
                "bound", "verdict");
    bool ok = true;
    for (const FigureRule& rule : kRules) {
        std::vector<double> values;
        for (const Sample& s : judged)
            values.push_back(rule.read(s.figures));
        if (*std::min_element(values.begin(), values.end()) < 0) {
            std::printf("%-13s not available\n", rule.name);
            continue;
        }
        const Growth g = JudgeGrowth(values, rule.bound);
        std::printf("%-13s %12.0f %12.0f %12.0f %12.0f %10.0f  %s\n", rule.name, values.front() / rule.scale,
                    g.first / rule.scale, g.last / rule.scale, values.back() / rule.scale, rule.bound / rule.scale,
                    g.grew ? "GREW" : "ok");
        ok = ok && !g.grew;
    }
    // Which kinds of handle changed between the first and the last sample, to tell a leak's source.
    const auto& before = judged.front().figures.handlesByType;
    const auto& after = judged.back().figures.handlesByType;
    std::map<int, long> change;
    for (const auto& [type, n] : after)
        change[type] += n;
    for (const auto& [type, n] : before)
        change[type] -= n;
    for (const auto& [type, n] : change)
        if (n != 0) std::printf("handles of object type %d: %+ld\n", type, n);
    if (!judged.front().figures.source.empty()) std::printf("counted as: %s\n", judged.front().figures.source.c_str());
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: soak_sampler SHOW.SCR CHANGES [SAMPLE-SECONDS]\n");
        return 64;
    }
    const std::string show = argv[1];
    const int target = std::max(1, std::atoi(argv[2]));
    const DWORD sampleMs = (argc > 3 ? std::max(1, std::atoi(argv[3])) : 3) * 1000u;
    const int warmUp = std::max(10, target / 10);

    // The player logs only when its log exists.
    const std::string logPath = FolderOf(show) + "vesk.log";
    WriteFileText(logPath, "");
    LogFollower log(logPath);

    std::string line = "\"" + show + "\" /s";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        std::printf("FAIL: cannot start %s\n", show.c_str());
        return 1;
    }
    UniqueKernelHandle process(info.hProcess), thread(info.hThread);

    std::vector<Sample> samples;
    const DWORD start = ::GetTickCount();
    DWORD lastChangeAt = start, nextSample = start + sampleMs;
    int changes = 0, reported = 0;
    std::string failure;
    while (changes < target) {
        if (::WaitForSingleObject(process.get(), 250) == WAIT_OBJECT_0) {
            failure = "the show ended by itself";
            break;
        }
        const DWORD now = ::GetTickCount();
        const int seen = log.Changes();
        if (seen != changes) lastChangeAt = now;
        changes = seen;
        if (now - lastChangeAt > kStalledMs) {
            failure = "no item change for " + std::to_string(kStalledMs / 1000) + " s";
            break;
        }
        if (static_cast<LONG>(now - nextSample) >= 0) {
            samples.push_back({changes, (now - start) / 1000, SampleProcess(process.get(), info.dwProcessId)});
            nextSample += sampleMs;
        }
        if (changes >= reported + std::max(1, target / 10)) {
            reported = changes;
            const ProcessFigures& f = samples.empty() ? ProcessFigures{} : samples.back().figures;
            std::printf("%5d changes, %5lu s: GDI %ld, USER %ld, handles %ld, private %.0f KiB\n", changes,
                        static_cast<unsigned long>((now - start) / 1000), f.gdiObjects, f.userObjects, f.handles,
                        f.privateBytes / 1024);
            std::fflush(stdout);
        }
    }

    // Closed as the system closes a screensaver.
    DWORD exitCode = STILL_ACTIVE;
    for (int tries = 0; tries < 120 && ::WaitForSingleObject(process.get(), 500) != WAIT_OBJECT_0; ++tries)
        if (HWND window = FindProcessWindow(info.dwProcessId, "TForm")) ::PostMessageA(window, WM_CLOSE, 0, 0);
    ::GetExitCodeProcess(process.get(), &exitCode);
    if (exitCode == STILL_ACTIVE) {
        ::TerminateProcess(process.get(), 1);
        if (failure.empty()) failure = "the show did not close";
    } else if (exitCode != 0 && failure.empty()) {
        char code[32];
        std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(exitCode));
        failure = std::string("the player ended with exit code ") + code;
    }

    std::printf("%d item changes in %lu s\n", changes, static_cast<unsigned long>((::GetTickCount() - start) / 1000));
    const bool steady = Report(samples, warmUp);
    if (!failure.empty()) std::printf("FAIL: %s\n", failure.c_str());
    if (failure.empty() && steady) std::printf("soak: ok\n");
    return failure.empty() && steady ? 0 : 1;
}
