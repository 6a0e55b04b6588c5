// Package reading benchmark.
//  1. A table of 10,000 records whose large values total 1 GiB: opening and walking it must read
//     only the index, the length arrays and the small values.
//  2. CopyBinaryToStream of a 200 MiB value into a file, against dd copying the same byte range
//     into a new file; the best of several alternating runs of each.
//
//   package_bench [WORKDIR]     (default: build/bench/work; needs about 1.5 GiB of disk)
#include "../src/package/XMLDb.h"
#include "../src/package/XMLTable.h"
#include "../tools/scrpack/PackageWriter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kRecords = 10000;
constexpr std::uint64_t kTotalLarge = 1ull << 30;
constexpr std::uint64_t kCopySize = 200ull << 20;
constexpr int kRounds = 5;

double Seconds(Clock::time_point since)
{
    return std::chrono::duration<double>(Clock::now() - since).count();
}

std::string ScratchFile(const std::string& path, std::uint64_t size)
{
    std::vector<char> chunk(1 << 20);
    for (std::size_t i = 0; i < chunk.size(); ++i)
        chunk[i] = static_cast<char>(i * 2654435761u >> 24);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    for (std::uint64_t left = size; left > 0;) {
        const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
        std::fwrite(chunk.data(), 1, n, file);
        left -= n;
    }
    std::fclose(file);
    return path;
}

std::string BuildPackage(const std::string& dir)
{
    const std::string show = dir + "/bench.pkg";
    if (std::filesystem::exists(show)) return show;
    std::cout << "writing the benchmark package (1.2 GiB) ..." << std::endl;
    const PackageValue value = PackageValue::File(ScratchFile(dir + "/value.bin", kTotalLarge / kRecords));
    PackageTable media("media", {{"name"}, {"data"}, {"media", true}});
    for (int i = 0; i < kRecords; ++i)
        media.AddRecord({PackageValue::Text("picture" + std::to_string(i) + ".jpg"),
                         PackageValue::Bytes(std::vector<std::uint8_t>(164, 7)), value});
    PackageTable big("big", {{"name"}, {"media", true}});
    big.AddRecord({PackageValue::Text("film.avi"), PackageValue::File(ScratchFile(dir + "/big.bin", kCopySize))});
    if (!AppendPackage("", {media, big}, show)) {
        std::cerr << "cannot write " << show << "\n";
        std::exit(1);
    }
    return show;
}

void BenchWalk(const CMyXMLDb& db)
{
    const auto start = Clock::now();
    CMyXMLTable table;
    table.SetLoadBinaryFields(false);
    table.Open(db, "media");
    std::uint64_t names = 0, deferred = 0;
    for (table.First(); !table.Eof(); table.Next()) {
        names += table.ReadText("name").size();
        deferred += static_cast<std::uint64_t>(table.Fields()[2].deferredLength);
    }
    const double seconds = Seconds(start);
    std::printf(
        "walk: %d records, %.0f MiB of large values left in the file; read %llu bytes (%.1f per record) in %.1f ms\n",
        table.RecordCount(), deferred / 1048576.0, static_cast<unsigned long long>(table.BytesRead()),
        double(table.BytesRead()) / table.RecordCount(), seconds * 1000);
}

void BenchCopy(const CMyXMLDb& db, const std::string& show, const std::string& dir)
{
    CMyXMLTable table;
    table.SetLoadBinaryFields(false);
    table.Open(db, "big");
    const FIELD_DATA& field = table.Fields()[1];
    const std::string out = dir + "/copy.out";
    const std::string dd = "dd if=" + show + " of=" + out +
                           " bs=1M iflag=skip_bytes,count_bytes skip=" + std::to_string(field.deferredPosition) +
                           " count=" + std::to_string(field.deferredLength) + " status=none";

    double bestDd = 1e9, bestCopy = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        std::filesystem::remove(out);
        auto start = Clock::now();
        if (std::system(dd.c_str()) != 0) std::exit(1);
        bestDd = std::min(bestDd, Seconds(start));

        std::filesystem::remove(out);
        start = Clock::now();
        TFileStream stream;
        if (!stream.Create(out) || !table.CopyBinaryToStream("media", stream)) std::exit(1);
        stream.Close();
        bestCopy = std::min(bestCopy, Seconds(start));
    }
    const double mib = field.deferredLength / 1048576.0;
    std::printf("copy of %.0f MiB: dd bs=1M %.0f MiB/s, CopyBinaryToStream %.0f MiB/s, ratio %.2f (goal >= 0.60)\n",
                mib, mib / bestDd, mib / bestCopy, bestDd / bestCopy);
    std::filesystem::remove(out);
}
}  // namespace

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : "build/bench/work";
    std::filesystem::create_directories(dir);
    const std::string show = BuildPackage(dir);
    CMyXMLDb db;
    db.Open(show, ReadPackageOffset(show));
    BenchWalk(db);
    BenchCopy(db, show, dir);
    return 0;
}
