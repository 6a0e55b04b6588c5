#include "Manifest.h"

#include "../../src/settings/Media.h"
#include "../../src/slideshow/EffectNames.h"
#include "CodePages.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <set>
#include <sstream>
#include <type_traits>

using json = nlohmann::json;

const char* const kFontStyleNames[4] = {"bold", "italic", "underline", "strikeout"};

namespace {

constexpr int kGradientTypes = 12;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kDefaultCharset = 1;  // the system's default character set

// Options whose values are limited beyond their width.
struct OptionRange {
    const char* name;
    std::int64_t low, high;
};
constexpr OptionRange kRanges[] = {
    {"mediaType", 0, 2},
    {"pictureFit", 0, 4},
    {"backgroundPerPicture", 0, 2},
    {"runAsProgram", 0, 1},
    {"effectStep", 1, 10000},
    {"mediaPauseSeconds", 0, 86400},
    {"musicPauseSeconds", 0, 86400},
    {"flashSeconds", 0, 86400},
    {"titlePosition", 0, 9},
    {"descPosition", 0, 9},
    {"videoSizeMode", 0, 5},
};

std::string Child(const std::string& path, const std::string& key)
{
    return path.empty() ? key : path + "." + key;
}

std::string Indexed(const std::string& path, std::size_t index)
{
    return path + "[" + std::to_string(index) + "]";
}

std::string Quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

std::string NumberList(const std::vector<int>& numbers)
{
    std::string list;
    for (int n : numbers)
        list += std::to_string(n) + ";";
    return list;
}

std::vector<int> Counting(int count)
{
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i)
        numbers.push_back(i);
    return numbers;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The first character of `text` that none of the character sets' code pages hold.
std::string FirstMissing(const std::string& text, const std::vector<int>& charsets)
{
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 1;
        while (i + length < text.size() && (static_cast<unsigned char>(text[i + length]) & 0xC0) == 0x80)
            ++length;
        const std::string character = text.substr(i, length);
        if (std::none_of(charsets.begin(), charsets.end(),
                         [&](int charset) { return EncodeText(CodePageOfCharset(charset), character, bytes); }))
            return character;
        i += length;
    }
    return text;
}

std::string Trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The type of an item whose manifest does not say: by its file's extension.
std::int32_t TypeByExtension(const std::string& file)
{
    const std::string name = LowerCase(BaseName(file));
    if (EndsWith(name, ".swf")) return 1;
    for (const char* video : {".avi", ".mpg", ".mpeg", ".wmv", ".asf", ".mp4", ".mov"})
        if (EndsWith(name, video)) return 2;
    return 0;
}

ManifestItem DefaultItem()
{
    ManifestItem item;
    ShowItemOptions& o = item.options;
    o.musicOn = 1;
    o.titleCharset = o.descCharset = kDefaultCharset;
    o.titleColor = o.descColor = kWhite;
    o.titleSize = 28;
    o.descSize = 16;
    o.titlePosition = 0;  // top centre
    o.descPosition = 3;   // bottom centre
    o.backgroundSolidAllowed = 1;
    o.transitionsOn = 1;
    o.randomEffect = 1;
    o.effectStep = 25;
    o.flashEndMode = 3;  // a movie ends when it stops playing
    o.flashAcceptMouseClick = 0;
    item.titleFont = item.descriptionFont = "Arial";
    item.effects = NumberList(Counting(kEffectNameCount));
    item.gradients = NumberList(Counting(kGradientTypes));
    return item;
}

// Reads one manifest, collecting every problem with the path of the value that has it.
class ManifestReader {
public:
    ManifestReader(ShowManifest& show, std::vector<std::string>& errors) : show(show), errors(errors) {}

    void Read(const json& root, const std::string& defaultName);

private:
    void Error(const std::string& path, const std::string& message) { errors.push_back(path + ": " + message); }
    void KnownKeys(const json& object, const std::string& path, std::initializer_list<const char*> keys);
    const json* Find(const json& object, const char* key) const;

    void ReadProject(const json& project);
    ManifestItem ReadItem(const json& value, const std::string& path);
    template <class Options>
    void ReadOptions(const json& given, const std::string& path, Options& options, std::set<std::string>& named);
    bool OptionValue(const json& value, const std::string& path, const std::string& name, bool flag, bool isSigned,
                     std::int64_t& out);

    void ReadText(const json& object, const char* key, const std::string& path, std::string& out);
    // A caption, kept as UTF-8 until its character set is known.
    void ReadUnicode(const json& object, const char* key, const std::string& path, std::string& out);
    // The caption in the code page of its character set; without a named one, the first character
    // set whose code page holds the text is set (ASCII keeps the default).
    void StoreCaption(std::string& text, const std::string& path, std::uint32_t& charset, bool named);
    std::string ReadStyle(const json& value, const std::string& path);
    std::string ReadNumbers(const json& value, const std::string& path, int count, const char* what);
    std::string ReadEffects(const json& value, const std::string& path);
    std::vector<std::string> ReadFiles(const json* value, const std::string& path, bool mustExist);
    void ReadFile(const json& value, const std::string& path, bool mustExist, std::string& out);

    // Two different files stored under one name would be one file in the package.
    void StoredOnce(std::map<std::string, std::string>& names, const std::string& file, const std::string& path);

    ShowManifest& show;
    std::vector<std::string>& errors;
    std::map<std::string, std::string> mediaNames, musicNames, auxNames, libraryNames;
};

const json* ManifestReader::Find(const json& object, const char* key) const
{
    const auto it = object.find(key);
    return it == object.end() ? nullptr : &*it;
}

void ManifestReader::KnownKeys(const json& object, const std::string& path, std::initializer_list<const char*> keys)
{
    for (const auto& entry : object.items()) {
        bool known = false;
        for (const char* key : keys)
            known = known || entry.key() == key;
        if (!known) Error(Child(path, entry.key()), "unknown key");
    }
}

void ManifestReader::ReadText(const json& object, const char* key, const std::string& path, std::string& out)
{
    const json* value = Find(object, key);
    if (!value) return;
    if (!value->is_string()) {
        Error(Child(path, key), "must be a text");
        return;
    }
    if (!EncodeText(kWesternCodePage, value->get<std::string>(), out))
        Error(Child(path, key), "holds a character that code page 1252 cannot store");
}

void ManifestReader::ReadUnicode(const json& object, const char* key, const std::string& path, std::string& out)
{
    const json* value = Find(object, key);
    if (!value) return;
    if (value->is_string())
        out = value->get<std::string>();
    else
        Error(Child(path, key), "must be a text");
}

void ManifestReader::StoreCaption(std::string& text, const std::string& path, std::uint32_t& charset, bool named)
{
    std::string stored;
    if (named) {
        if (EncodeText(CodePageOfCharset(static_cast<int>(charset)), text, stored)) {
            text = stored;
            return;
        }
        Error(path, "the code page " + std::to_string(CodePageOfCharset(static_cast<int>(charset))) +
                        " of character set " + std::to_string(charset) + " cannot hold " +
                        Quoted(FirstMissing(text, {static_cast<int>(charset)})));
        return;
    }
    // Plain ASCII keeps the system's default character set.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return;
    if (const std::optional<int> chosen = ChooseCharset(text)) {
        charset = static_cast<std::uint32_t>(*chosen);
        EncodeText(CodePageOfCharset(*chosen), text, stored);
        text = stored;
        return;
    }
    Error(path, "no code page of a character set holds " + Quoted(FirstMissing(text, CharsetsInOrder())));
}

void ManifestReader::StoredOnce(std::map<std::string, std::string>& names, const std::string& file,
                                const std::string& path)
{
    std::string stored;
    if (!Utf8ToLatin1(BaseName(file), stored)) {
        Error(path, "the file's name holds a character that the package's 8-bit texts cannot store");
        return;
    }
    const auto [it, added] = names.emplace(LowerCase(stored), file);
    if (!added && it->second != file) Error(path, "another file of the show is stored as " + Quoted(stored));
}

void ManifestReader::ReadFile(const json& value, const std::string& path, bool mustExist, std::string& out)
{
    if (!value.is_string() || value.get<std::string>().empty()) {
        Error(path, "must be a file name");
        return;
    }
    out = value.get<std::string>();
    std::string latin1;
    if (!Utf8ToLatin1(out, latin1))
        Error(path, "holds a character that the package's 8-bit texts cannot store");
    else if (mustExist && !std::filesystem::is_regular_file(show.PathOf(out)))
        Error(path, "no such file: " + show.PathOf(out));
}

std::vector<std::string> ManifestReader::ReadFiles(const json* value, const std::string& path, bool mustExist)
{
    std::vector<std::string> files;
    if (!value) return files;
    if (!value->is_array()) {
        Error(path, "must be a list of file names");
        return files;
    }
    for (std::size_t i = 0; i < value->size(); ++i) {
        std::string file;
        ReadFile((*value)[i], Indexed(path, i), mustExist, file);
        if (!file.empty()) files.push_back(file);
    }
    return files;
}

bool ManifestReader::OptionValue(const json& value, const std::string& path, const std::string& name, bool flag,
                                 bool isSigned, std::int64_t& out)
{
    if (flag) {
        if (value.is_boolean() || (value.is_number_integer() && (value == 0 || value == 1))) {
            out = value.is_boolean() ? value.get<bool>() : value.get<std::int64_t>();
            return true;
        }
        Error(path, "must be true or false");
        return false;
    }
    if (IsColourOption(name)) {
        if (value.is_string()) {
            const std::string text = value.get<std::string>();
            std::size_t used = 0;
            unsigned long rgb = 0;
            try {
                if (text.size() == 7 && text[0] == '#') rgb = std::stoul(text.substr(1), &used, 16);
            } catch (const std::exception&) {
                used = 0;
            }
            if (used == 6) {
                out = static_cast<std::int64_t>((rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16);
                return true;
            }
        } else if (value.is_number_integer() && value >= 0 && value <= 0xFFFFFF) {
            out = value.get<std::int64_t>();
            return true;
        }
        Error(path, "must be a colour \"#RRGGBB\"");
        return false;
    }
    const std::int64_t low = isSigned ? std::numeric_limits<std::int32_t>::min() : 0;
    const std::int64_t high =
        isSigned ? std::numeric_limits<std::int32_t>::max() : std::numeric_limits<std::uint32_t>::max();
    if (!value.is_number_integer() || value < low || value > high) {
        Error(path, "must be a whole number");
        return false;
    }
    out = value.get<std::int64_t>();
    for (const OptionRange& range : kRanges) {
        if (name != range.name || (out >= range.low && out <= range.high)) continue;
        Error(path, "must be between " + std::to_string(range.low) + " and " + std::to_string(range.high));
        return false;
    }
    return true;
}

template <class Options>
void ManifestReader::ReadOptions(const json& given, const std::string& path, Options& options,
                                 std::set<std::string>& named)
{
    if (!given.is_object()) {
        Error(path, "must be an object of options");
        return;
    }
    std::set<std::string> known;
    Options::ForEachField(options, [&](std::size_t, auto& field, const char* name) {
        known.insert(name);
        const json* value = Find(given, name);
        if (!value) return;
        named.insert(name);
        using Field = std::remove_reference_t<decltype(field)>;
        std::int64_t number = 0;
        if (OptionValue(*value, Child(path, name), name, sizeof(Field) == 1, std::is_signed_v<Field>, number))
            field = static_cast<Field>(number);
    });
    for (const auto& entry : given.items())
        if (!known.count(entry.key())) Error(Child(path, entry.key()), "unknown option");
}

std::string ManifestReader::ReadStyle(const json& value, const std::string& path)
{
    std::string codes;
    if (!value.is_array()) {
        Error(path, "must be a list of styles");
        return codes;
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        int code = 0;
        for (int s = 0; s < 4; ++s)
            if (value[i].is_string() && value[i] == kFontStyleNames[s]) code = s + 1;
        if (code == 0)
            Error(Indexed(path, i), "must be one of \"bold\", \"italic\", \"underline\", \"strikeout\"");
        else
            codes += std::to_string(code) + ";";
    }
    return codes;
}

std::string ManifestReader::ReadNumbers(const json& value, const std::string& path, int count, const char* what)
{
    std::vector<int> numbers;
    if (!value.is_array()) {
        Error(path, std::string("must be a list of ") + what);
        return {};
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i].is_number_integer() && value[i] >= 0 && value[i] < count)
            numbers.push_back(value[i].get<int>());
        else if (count == 0)
            Error(Indexed(path, i), std::string("the show has no ") + what);
        else
            Error(Indexed(path, i), "must be a number from 0 to " + std::to_string(count - 1));
    }
    return NumberList(numbers);
}

std::string ManifestReader::ReadEffects(const json& value, const std::string& path)
{
    std::vector<int> numbers;
    if (!value.is_array()) {
        Error(path, "must be a list of effect numbers or names");
        return {};
    }
    for (std::size_t i = 0; i < value.size(); ++i) {
        const json& effect = value[i];
        int index = -1;
        if (effect.is_number_integer() && effect >= 0 && effect < kEffectNameCount) index = effect.get<int>();
        if (effect.is_string()) {
            // Names match as the dialog spells them; blanks around a name do not count.
            for (int e = 0; e < kEffectNameCount && index < 0; ++e)
                if (Trimmed(EffectName(e)) == Trimmed(effect.get<std::string>())) index = e;
            if (index < 0) Error(Indexed(path, i), "no effect named " + Quoted(effect.get<std::string>()));
        } else if (index < 0) {
            Error(Indexed(path, i), "must be an effect number from 0 to 160 or an effect's name");
        }
        if (index >= 0) numbers.push_back(index);
    }
    return NumberList(numbers);
}

void ManifestReader::ReadProject(const json& project)
{
    const std::string path = "project";
    if (!project.is_object()) {
        Error(path, "must be an object");
        return;
    }
    KnownKeys(project, path,
              {"name", "appName", "homeSite", "authorName", "authorWebsite", "authorEmail", "version", "copyright",
               "description", "dialogPicture", "options"});
    ReadText(project, "name", path, show.name);
    ReadText(project, "appName", path, show.appName);
    ReadText(project, "homeSite", path, show.homeSite);
    ReadText(project, "authorName", path, show.authorName);
    ReadText(project, "authorWebsite", path, show.authorWebsite);
    ReadText(project, "authorEmail", path, show.authorEmail);
    ReadText(project, "version", path, show.version);
    ReadText(project, "copyright", path, show.copyright);
    ReadText(project, "description", path, show.description);
    std::set<std::string> named;
    if (const json* options = Find(project, "options"))
        ReadOptions(*options, Child(path, "options"), show.options, named);
    if (const json* picture = Find(project, "dialogPicture")) {
        ReadFile(*picture, Child(path, "dialogPicture"), show.options.mediaEmbedded != 0, show.dialogPicture);
        if (!named.count("showDialogPicture")) show.options.showDialogPicture = 1;
    }
}

ManifestItem ManifestReader::ReadItem(const json& value, const std::string& path)
{
    ManifestItem item = DefaultItem();
    item.backgrounds = NumberList(Counting(static_cast<int>(show.backgroundPictures.size())));
    const bool embedded = show.options.mediaEmbedded != 0;
    if (value.is_string()) {
        ReadFile(value, path, embedded, item.file);
        item.options.mediaType = TypeByExtension(item.file);
        if (embedded) StoredOnce(mediaNames, item.file, path);
        return item;
    }
    if (!value.is_object()) {
        Error(path, "must be a file name or an object");
        return item;
    }
    KnownKeys(value, path,
              {"file", "type", "title", "titleFont", "titleStyle", "description", "descriptionFont", "descriptionStyle",
               "gradients", "effects", "backgrounds", "boundSound", "auxFiles", "options"});
    if (const json* file = Find(value, "file")) {
        ReadFile(*file, Child(path, "file"), embedded, item.file);
        if (embedded && !item.file.empty()) StoredOnce(mediaNames, item.file, Child(path, "file"));
    } else {
        Error(Child(path, "file"), "is missing");
    }
    item.options.mediaType = TypeByExtension(item.file);
    if (const json* type = Find(value, "type")) {
        const char* const types[] = {"picture", "flash", "video"};
        bool known = false;
        for (int t = 0; t < 3; ++t)
            if (type->is_string() && *type == types[t]) item.options.mediaType = t, known = true;
        if (!known) Error(Child(path, "type"), "must be \"picture\", \"flash\" or \"video\"");
    }
    ReadUnicode(value, "title", path, item.title);
    ReadText(value, "titleFont", path, item.titleFont);
    ReadUnicode(value, "description", path, item.description);
    ReadText(value, "descriptionFont", path, item.descriptionFont);
    if (const json* style = Find(value, "titleStyle")) item.titleStyle = ReadStyle(*style, Child(path, "titleStyle"));
    if (const json* style = Find(value, "descriptionStyle"))
        item.descriptionStyle = ReadStyle(*style, Child(path, "descriptionStyle"));
    if (const json* list = Find(value, "gradients"))
        item.gradients = ReadNumbers(*list, Child(path, "gradients"), kGradientTypes, "gradient types");
    if (const json* list = Find(value, "backgrounds"))
        item.backgrounds = ReadNumbers(*list, Child(path, "backgrounds"),
                                       static_cast<int>(show.backgroundPictures.size()), "background pictures");
    if (const json* list = Find(value, "effects")) item.effects = ReadEffects(*list, Child(path, "effects"));
    if (const json* sound = Find(value, "boundSound")) {
        ReadFile(*sound, Child(path, "boundSound"), embedded, item.boundSound);
        if (embedded && !item.boundSound.empty()) StoredOnce(musicNames, item.boundSound, Child(path, "boundSound"));
    }
    item.auxFiles = ReadFiles(Find(value, "auxFiles"), Child(path, "auxFiles"), true);
    for (std::size_t i = 0; i < item.auxFiles.size(); ++i)
        StoredOnce(auxNames, item.auxFiles[i], Indexed(Child(path, "auxFiles"), i));

    item.options.titleShown = !item.title.empty();
    item.options.descShown = !item.description.empty();
    std::set<std::string> named;
    if (const json* options = Find(value, "options"))
        ReadOptions(*options, Child(path, "options"), item.options, named);
    if (named.count("mediaType") && Find(value, "type")) Error(Child(path, "type"), "and options.mediaType both given");
    StoreCaption(item.title, Child(path, "title"), item.options.titleCharset, named.count("titleCharset") != 0);
    StoreCaption(item.description, Child(path, "description"), item.options.descCharset,
                 named.count("descCharset") != 0);
    return item;
}

void ManifestReader::Read(const json& root, const std::string& defaultName)
{
    if (!root.is_object()) {
        Error("(manifest)", "must be an object");
        return;
    }
    KnownKeys(root, "", {"project", "items", "music", "backgroundPictures", "runtimeLibraries", "fitPictures"});
    if (const json* fit = Find(root, "fitPictures")) {
        PictureSize box;
        if (fit->is_string() && ParseFitBox(fit->get<std::string>(), box))
            show.fitPictures = box;
        else
            Error("fitPictures", "must be a box \"WIDTHxHEIGHT\" such as \"3840x2160\"");
    }

    show.name = defaultName;
    show.appName = "scrpack";
    show.version = "1.0";
    ProjectOptions& o = show.options;
    o.mediaEmbedded = o.musicEmbedded = 1;
    o.mediaPauseSeconds = 3;
    o.musicLoop = 1;
    o.backgroundPerPicture = 1;
    o.pictureFit = 0;
    std::set<std::string> projectNamed;
    if (const json* project = Find(root, "project")) {
        ReadProject(*project);
        if (const json* options = Find(*project, "options"); options && options->is_object())
            for (const auto& entry : options->items())
                projectNamed.insert(entry.key());
    }

    const bool embedded = o.mediaEmbedded != 0;
    show.backgroundPictures = ReadFiles(Find(root, "backgroundPictures"), "backgroundPictures", embedded);
    for (std::size_t i = 0; i < show.backgroundPictures.size() && embedded; ++i)
        StoredOnce(mediaNames, show.backgroundPictures[i], Indexed("backgroundPictures", i));
    show.music = ReadFiles(Find(root, "music"), "music", o.musicEmbedded != 0);
    for (std::size_t i = 0; i < show.music.size() && o.musicEmbedded; ++i)
        StoredOnce(musicNames, show.music[i], Indexed("music", i));
    if (const json* libraries = Find(root, "runtimeLibraries")) {
        show.runtimeLibrariesGiven = true;
        show.runtimeLibraries = ReadFiles(libraries, "runtimeLibraries", true);
        for (std::size_t i = 0; i < show.runtimeLibraries.size(); ++i)
            StoredOnce(libraryNames, show.runtimeLibraries[i], Indexed("runtimeLibraries", i));
    }

    const json* items = Find(root, "items");
    if (!items || !items->is_array() || items->empty()) {
        Error("items", "must be a list of at least one show item");
        return;
    }
    for (std::size_t i = 0; i < items->size(); ++i)
        show.items.push_back(ReadItem((*items)[i], Indexed("items", i)));
    if (!projectNamed.count("hasImageMedia")) {
        o.hasImageMedia = 0;
        for (const ManifestItem& item : show.items)
            o.hasImageMedia = o.hasImageMedia || item.options.mediaType == 0;
    }
}

}  // namespace

bool IsColourOption(const std::string& name)
{
    return name.find("Color") != std::string::npos;
}

std::string BaseName(const std::string& path)
{
    const auto separator = path.find_last_of("/\\");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

std::string ShowManifest::PathOf(const std::string& file) const
{
    const std::filesystem::path path(file);
    return path.is_absolute() || path.has_root_directory() ? file : folder + file;
}

bool Utf8ToLatin1(const std::string& utf8, std::string& latin1)
{
    latin1.clear();
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            latin1 += static_cast<char>(c);
        } else if ((c == 0xC2 || c == 0xC3) && i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            latin1 += static_cast<char>((c & 0x03) << 6 | (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            return false;
        }
    }
    return true;
}

std::string Latin1ToUtf8(const std::string& latin1)
{
    std::string utf8;
    for (char ch : latin1) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            utf8 += ch;
        } else {
            utf8 += static_cast<char>(0xC0 | c >> 6);
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

ShowManifest ParseManifest(const std::string& text, const std::string& folder, const std::string& defaultName,
                           std::vector<std::string>& errors)
{
    ShowManifest show;
    show.folder = folder;
    json root;
    try {
        root = json::parse(text);
    } catch (const json::exception& e) {  // a syntax error, or a number beyond what a double holds
        const std::string what = e.what();
        errors.push_back("(manifest): not JSON: " + what.substr(what.find(']') + 2));
        return show;
    }
    ManifestReader(show, errors).Read(root, defaultName);
    return show;
}

ShowManifest ReadManifest(const std::string& manifestPath, std::vector<std::string>& errors)
{
    std::ifstream in(manifestPath, std::ios::binary);
    if (!in) {
        errors.push_back(manifestPath + ": cannot be read");
        return {};
    }
    std::ostringstream text;
    text << in.rdbuf();
    const std::filesystem::path path(manifestPath);
    std::string folder = path.parent_path().string();
    if (!folder.empty()) folder += '/';
    std::string name;
    Utf8ToLatin1(path.stem().string(), name);
    return ParseManifest(text.str(), folder, name, errors);
}
