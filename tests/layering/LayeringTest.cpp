// Every include of the source tree points down the layers that Layers.txt writes down.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = VVZ_SOURCE_DIR;

// The folders where quoted includes are looked for after the including file's own folder, as
// the build's include paths give them.
const char* const kIncludePaths[] = {"",
                                     "include",
                                     "coreunits/include",
                                     "coreunits",
                                     "widgets/include",
                                     "tests",
                                     "tests/support",
                                     "tools",
                                     "examples/quantity-editor"};

struct Layers {
    std::vector<std::string> order;                   // folders, bottom first
    std::map<std::string, std::set<std::string>> may; // folder -> folders it may include
    std::map<std::string, std::string> publicHeaders; // header or prefix -> folder
    std::vector<std::string> problems;                // what is wrong with the table itself
};

Layers ReadLayers() {
    Layers layers;
    std::ifstream file(kRoot / "Layers.txt");
    bool headers = false;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("# public header", 0) == 0)
            headers = true;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string first;
        words >> first;
        if (headers) {
            std::string folder;
            words >> folder;
            layers.publicHeaders[first] = folder;
            if (!layers.may.count(folder))
                layers.problems.push_back(first + " belongs to an unknown folder " + folder);
            continue;
        }
        std::set<std::string>& allowed = layers.may[first];
        for (std::string folder; words >> folder;) {
            if (folder == "-")
                continue;
            // Only folders on the lines above: the table itself has no loop.
            if (!layers.may.count(folder) || folder == first)
                layers.problems.push_back(first + " may include " + folder +
                                          ", which is not on a line above it");
            allowed.insert(folder);
        }
        layers.order.push_back(first);
    }
    return layers;
}

std::string Relative(const fs::path& path) {
    return path.lexically_relative(kRoot).generic_string();
}

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The folder of the table that a file belongs to: a public header by the second table, any
// other file by the longest folder that holds it; empty when none does.
std::string FolderOf(const Layers& layers, const std::string& file) {
    for (const char* publicFolder : {"include/", "coreunits/include/", "widgets/include/"}) {
        if (!StartsWith(file, publicFolder))
            continue;
        std::string header = file.substr(std::string(publicFolder).size());
        for (const auto& [name, folder] : layers.publicHeaders)
            if (header == name || (name.back() == '/' && StartsWith(header, name)))
                return folder;
        return publicFolder == std::string("include/") ? "" : FolderOf(layers, header);
    }
    std::string best;
    for (const std::string& folder : layers.order)
        if (StartsWith(file, folder + "/") && folder.size() > best.size())
            best = folder;
    return best;
}

// The file a quoted include names, relative to the root; empty when there is none.
std::string Resolve(const fs::path& includer, const std::string& name) {
    if (fs::exists(includer.parent_path() / name))
        return Relative((includer.parent_path() / name).lexically_normal());
    for (const char* path : kIncludePaths)
        if (fs::exists(kRoot / path / name))
            return Relative((kRoot / path / name).lexically_normal());
    return "";
}

bool IsSource(const fs::path& path) {
    std::string extension = path.extension().string();
    return extension == ".cpp" || extension == ".h" || extension == ".inc";
}

// The source files of the tree, build folders and the repository's own left out.
std::vector<fs::path> SourceFiles() {
    std::vector<fs::path> files;
    for (auto entry = fs::recursive_directory_iterator(kRoot);
         entry != fs::recursive_directory_iterator(); ++entry) {
        std::string name = entry->path().filename().string();
        if (entry->is_directory() && (name[0] == '.' || StartsWith(name, "build"))) {
            entry.disable_recursion_pending();
            continue;
        }
        if (entry->is_regular_file() && IsSource(entry->path()))
            files.push_back(entry->path());
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(Layering, TheTableHasNoLoop) {
    Layers layers = ReadLayers();
    ASSERT_FALSE(layers.order.empty()) << "Layers.txt is missing or empty";
    for (const std::string& problem : layers.problems)
        ADD_FAILURE() << problem;
}

// What an include line names: a quoted file, or a header of the libraries in angle brackets
// (<ViVuzaZadurUI/...>, <ViVuzaZadur/...>, <ViVuzaZadurUIWidgets/...>); nothing for any other
// line, system headers included.
struct Include {
    bool quoted = false;
    std::string name;
};

Include IncludeOf(const std::string& line) {
    const char* blanks = " \t";
    size_t at = line.find_first_not_of(blanks);
    if (at == std::string::npos || line[at] != '#')
        return {};
    at = line.find_first_not_of(blanks, at + 1);
    if (at == std::string::npos || line.compare(at, 7, "include") != 0)
        return {};
    at = line.find_first_not_of(blanks, at + 7);
    if (at == std::string::npos || (line[at] != '"' && line[at] != '<'))
        return {};
    bool quoted = line[at] == '"';
    size_t end = line.find(quoted ? '"' : '>', at + 1);
    if (end == std::string::npos || end == at + 1)
        return {};
    std::string name = line.substr(at + 1, end - at - 1);
    const std::string prefix = "ViVuzaZadur";
    size_t slash = name.find('/');
    if (!quoted &&
        !(StartsWith(name, prefix) && slash != std::string::npos && slash + 1 < name.size() &&
          std::all_of(name.begin() + prefix.size(), name.begin() + slash,
                      [](char c) { return std::isalpha(static_cast<unsigned char>(c)); })))
        return {};
    return {quoted, name};
}

TEST(Layering, EveryIncludePointsDown) {
    Layers layers = ReadLayers();
    ASSERT_FALSE(layers.order.empty());
    size_t checked = 0;
    for (const fs::path& path : SourceFiles()) {
        std::string file = Relative(path);
        std::string from = FolderOf(layers, file);
        if (from.empty()) {
            ADD_FAILURE() << file << " is in no folder of Layers.txt";
            continue;
        }
        std::ifstream source(path);
        int lineNumber = 0;
        for (std::string line; std::getline(source, line);) {
            ++lineNumber;
            Include include = IncludeOf(line);
            if (include.name.empty())
                continue;
            std::string target =
                include.quoted ? Resolve(path, include.name) : "include/" + include.name;
            if (!include.quoted && !StartsWith(include.name, "ViVuzaZadurUI/"))
                target = (StartsWith(include.name, "ViVuzaZadur/") ? "coreunits/include/"
                                                                   : "widgets/include/") +
                         include.name;
            std::string where = file + ":" + std::to_string(lineNumber) + ": " + line;
            if (target.empty()) {
                ADD_FAILURE() << where << " names no file of the tree";
                continue;
            }
            std::string to = FolderOf(layers, target);
            ++checked;
            if (to.empty())
                ADD_FAILURE() << where << " names " << target
                              << ", which Layers.txt does not place";
            // Above the library, its public headers are one layer, whichever folder implements
            // them.
            else if (to != from && !layers.may[from].count(to) &&
                     !(StartsWith(target, "include/") && layers.may[from].count("include")))
                ADD_FAILURE() << where << ": " << from << " may not include " << to;
        }
    }
    EXPECT_GT(checked, 400u) << "the walk found too few includes to have read the tree";
}

} // namespace
