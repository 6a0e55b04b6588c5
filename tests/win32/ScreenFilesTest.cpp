// The files a screen window copies out of the package for Flash movies, videos and sounds.
#include "../../src/package/Payloads.h"
#include "../../src/package/XMLDb.h"
#include "../../src/platform/win32/SystemHandles.h"
#include "../../src/players/SoundTable.h"
#include "../../src/screen/ScreenFiles.h"
#include "../../src/settings/Media.h"
#include "../../src/settings/MediaSetting.h"
#include "../../src/settings/VESKGlobeSettings.h"
#include "../../tools/scrpack/PlayerTables.h"
#include "../support/OwnTempFolder.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>

namespace {
struct ScreenFilesTest : ::testing::Test {
    TempDir dir;
    std::string temp = dir.Path("temp") + "\\";
    CMyXMLDb db;
    CVESKGlobeSettings project;
    CMedia media;
    CMediaSetting item;
    std::unique_ptr<CScreenFiles> files;

    void SetUp() override
    {
        std::filesystem::create_directories(dir.Path("temp"));
        PackageTable mediaTable = MediaTable();
        for (const char* name : {"movies\\intro.swf", "second.swf", "clip.avi", "surf.avi"})
            mediaTable.AddRecord({PackageValue::Text(name), PackageValue::Text(std::string("bytes of ") + name)});
        PackageTable accfile = AccFileTable();
        accfile.AddRecord({PackageValue::Text("intro.xml"), PackageValue::Text("<xml/>")});
        PackageTable music = MusicTable();
        for (const char* name : {"a.wav", "b.wav"})
            for (int type : {1, 2})
                music.AddRecord({PackageValue::Text(name), PackageValue::Int(type), PackageValue::Text(name)});
        const std::string path =
            WritePackageFile(dir, "ab.scr", FakeImage(10), BuildPackage({mediaTable, accfile, music}));
        db.Open(path, ReadPackageOffset(path));
        project.SetScreensaverPath(path);
        project.options.mediaEmbedded = 1;
        media.SetDatabase(db);
        media.Open();
        item.SetDatabase(db);
        files = std::make_unique<CScreenFiles>(temp, project, media);
    }

    std::vector<std::string> FilesIn(const std::string& folder)
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
            if (entry.is_regular_file()) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};
}  // namespace

TEST_F(ScreenFilesTest, FlashMoviesReplaceEachOther)
{
    item.filename = "C:\\work\\INTRO.SWF";
    item.accFiles = "intro.xml#";
    const std::string first = files->MaterialiseFlashMovie(item);
    EXPECT_EQ(0u, first.find(temp));
    EXPECT_EQ("bytes of movies\\intro.swf", ReadFileText(first));
    EXPECT_EQ("<xml/>", ReadFileText(temp + "intro.xml"));

    ::Sleep(20);  // another tick, another name
    item.filename = "second.swf";
    item.accFiles.clear();
    const std::string second = files->MaterialiseFlashMovie(item);
    EXPECT_EQ("bytes of second.swf", ReadFileText(second));
    EXPECT_EQ((std::vector<std::string>{FileNamePart(second), "intro.xml"}), FilesIn(temp))
        << "at most one movie in the temporary folder";

    item.filename = "missing.swf";
    EXPECT_EQ("missing.swf", files->MaterialiseFlashMovie(item)) << "without a record the name goes on unchanged";
    EXPECT_EQ((std::vector<std::string>{"intro.xml"}), FilesIn(temp));
}

TEST_F(ScreenFilesTest, VideosAreCopiedOnceAndParkedWithoutExtension)
{
    item.filename = "CLIP.avi";  // videos are found by their whole stored name, in any case
    const std::string clip = files->MaterialiseVideo(item);
    EXPECT_EQ(temp + "9798\\67767380.avi", clip) << "ab.scr keeps its videos in TEMP\\9798\\";
    EXPECT_EQ("bytes of clip.avi", ReadFileText(clip));
    WriteFileText(clip, "marker: not copied again");

    item.filename = "surf.avi";
    const std::string surf = files->MaterialiseVideo(item);
    EXPECT_TRUE(std::filesystem::exists(WithoutExtension(clip))) << "the previous video is parked";
    EXPECT_FALSE(std::filesystem::exists(clip));

    item.filename = "CLIP.avi";
    EXPECT_EQ(clip, files->MaterialiseVideo(item));
    EXPECT_EQ("marker: not copied again", ReadFileText(clip)) << "moved back, not copied";
    EXPECT_TRUE(std::filesystem::exists(WithoutExtension(surf)));

    files->RemoveScreenFiles();
    EXPECT_TRUE(FilesIn(temp).empty());
}

TEST_F(ScreenFilesTest, CloseRemovesTheMovieToo)
{
    item.filename = "second.swf";
    files->MaterialiseFlashMovie(item);
    files->RemoveScreenFiles();
    EXPECT_TRUE(FilesIn(temp).empty());
}

TEST_F(ScreenFilesTest, SeparateFilesAreFoundBesideTheScreensaverOrByStoredName)
{
    project.options.mediaEmbedded = 0;
    project.options.filesBesideProgram = 1;
    WriteFileText(dir.Path("beside.swf"), "movie beside");
    item.filename = "E:\\authoring\\beside.swf";
    EXPECT_EQ(dir.Path("beside.swf"), files->MaterialiseFlashMovie(item));
    EXPECT_EQ("", files->missingFile);

    item.filename = "E:\\authoring\\gone.avi";
    EXPECT_EQ("", files->MaterialiseVideo(item)) << "a missing file is not handed to the player";
    EXPECT_EQ(dir.Path("gone.avi"), files->missingFile);

    project.options.filesBesideProgram = 0;
    item.filename = "intro.swf";
    EXPECT_EQ("", files->MaterialiseFlashMovie(item)) << "the stored name movies\\intro.swf does not exist here";
    EXPECT_EQ("movies\\intro.swf", files->missingFile);
    EXPECT_TRUE(FilesIn(temp).empty()) << "separate files are never copied";
}

TEST_F(ScreenFilesTest, WithoutAFolderForThemAuxiliaryFilesAreNotWritten)
{
    // A movie stored without a folder, outside the package: its folder would be the current one.
    project.options.mediaEmbedded = 0;
    const std::string current = dir.Path("current");
    std::filesystem::create_directories(current);
    char saved[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, saved);
    ::SetCurrentDirectoryA(current.c_str());
    item.filename = "second.swf";
    item.accFiles = "intro.xml#";
    files->MaterialiseFlashMovie(item);
    ::SetCurrentDirectoryA(saved);
    EXPECT_TRUE(FilesIn(current).empty());
}

TEST_F(ScreenFilesTest, AnUnusableTemporaryFolderIsNeverTheDriveRoot)
{
    // A temporary folder whose path does not fit the system's buffer.
    std::string folder = "unset";
    {
        const std::string longPath = "C:\\" + std::string(300, 'x');
        EnvironmentOverride tmp("TMP", longPath), tempVariable("TEMP", longPath);
        folder = TempFolder();
    }
    EXPECT_EQ("", folder);

    CScreenFiles noFolder(folder, project, media);
    item.filename = "clip.avi";
    EXPECT_EQ("", noFolder.MaterialiseVideo(item));
    item.filename = "second.swf";
    EXPECT_EQ("second.swf", noFolder.MaterialiseFlashMovie(item)) << "the name goes on unchanged, nothing copied";
    EXPECT_TRUE(FilesIn(temp).empty());
}

namespace {
// Each kind of copy that replaces the last of its kind; `write` makes its n-th copy (n is 0 or 1).
struct CopyKind {
    const char* name;
    std::string (*write)(CScreenFiles& files, CSoundTable& sounds, CMediaSetting& item, const std::string& show, int n);
};

const CopyKind kCopyKinds[] = {
    {"movie",
     [](CScreenFiles& files, CSoundTable&, CMediaSetting& item, const std::string&, int n) {
         item.filename = n ? "second.swf" : "movies\\intro.swf";
         return files.MaterialiseFlashMovie(item);
     }},
    {"track", [](CScreenFiles&, CSoundTable& sounds, CMediaSetting&, const std::string& show,
                 int) { return sounds.NextTrack(show, false, true, true, false); }},
    {"item_sound", [](CScreenFiles&, CSoundTable& sounds, CMediaSetting&, const std::string& show,
                      int n) { return sounds.TrackByName(n ? "b.wav" : "a.wav", show, true, false); }},
};

void PrintTo(const CopyKind& kind, std::ostream* out)
{
    *out << kind.name;
}

struct LeftoverCopyTest : ScreenFilesTest, ::testing::WithParamInterface<CopyKind> {};
}  // namespace

TEST_P(LeftoverCopyTest, ACopyThatCouldNotBeDeletedWhenReplacedIsDeletedAtExit)
{
    CSoundTable sounds(db, temp);
    sounds.Open();
    const auto write = [&](int n) { return GetParam().write(*files, sounds, item, project.screensaverPath, n); };
    const std::string first = write(0);
    {
        // Held open without sharing its deletion, as a player or a scanner may hold it.
        UniqueKernelHandle held(::CreateFileA(first.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(INVALID_HANDLE_VALUE, held.get());
        ::Sleep(20);  // a movie's name is the tick count
        ASSERT_NE(first, write(1));
        ASSERT_TRUE(std::filesystem::exists(first));
    }
    files->RemoveScreenFiles();
    sounds.RemoveCopies();
    EXPECT_TRUE(FilesIn(temp).empty());
}

INSTANTIATE_TEST_SUITE_P(Kinds, LeftoverCopyTest, ::testing::ValuesIn(kCopyKinds),
                         [](const auto& info) { return std::string(info.param.name); });
