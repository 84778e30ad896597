// The help books in data/help: every file the projects name exists, every
// link and anchor resolves, the pages stay within what the help viewer
// renders, and they use the program's own labels.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path kDataDir = SQUINX_DATA_DIR;

std::string ReadText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// Attribute values of every tag of the given name, e.g. all href of <a>.
std::vector<std::string> AttributeValues(const std::string& html, const std::string& tag, const std::string& attribute)
{
    std::vector<std::string> values;
    const std::regex tagPattern("<" + tag + "\\b([^>]*)>", std::regex::icase);
    const std::regex attributePattern("\\b" + attribute + "\\s*=\\s*\"([^\"]*)\"", std::regex::icase);
    for (std::sregex_iterator it(html.begin(), html.end(), tagPattern), end; it != end; ++it) {
        const std::string attributes = (*it)[1];
        std::smatch match;
        if (std::regex_search(attributes, match, attributePattern))
            values.push_back(match[1]);
    }
    return values;
}

// The entities the help viewer knows and the pages may use, as code points.
const std::map<std::string, unsigned> kEntities = {
    {"amp", '&'},     {"lt", '<'},       {"gt", '>'},       {"quot", '"'},     {"nbsp", ' '},     {"auml", 0xE4},
    {"ouml", 0xF6},   {"uuml", 0xFC},    {"Auml", 0xC4},    {"Ouml", 0xD6},    {"Uuml", 0xDC},    {"szlig", 0xDF},
    {"deg", 0xB0},    {"middot", 0xB7},  {"times", 0xD7},   {"plusmn", 0xB1},  {"ndash", 0x2013}, {"minus", 0x2212},
    {"rarr", 0x2192}, {"bdquo", 0x201E}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
};

// Decodes entities into Latin-1; characters beyond it become '?'. Names
// that are not in kEntities are collected in unknown.
std::string DecodeEntities(const std::string& text, std::set<std::string>& unknown)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string::npos;
        if (semicolon == std::string::npos || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const std::string name = text.substr(i + 1, semicolon - i - 1);
        unsigned code = '?';
        if (name.size() > 1 && name[0] == '#' && name.find_first_not_of("0123456789", 1) == std::string::npos) {
            code = static_cast<unsigned>(std::stoul(name.substr(1)));
        } else if (const auto known = kEntities.find(name); known != kEntities.end()) {
            code = known->second;
        } else {
            unknown.insert(name);
        }
        out += code < 0x100 ? static_cast<char>(code) : '?';
        i = semicolon;
    }
    return out;
}

// The text a reader sees: tags removed, entities decoded, white space folded.
std::string VisibleText(const std::string& html, std::set<std::string>& unknownEntities)
{
    const std::string withoutTags = std::regex_replace(html, std::regex("<[^>]*>"), " ");
    const std::string decoded = DecodeEntities(withoutTags, unknownEntities);
    std::string folded;
    for (char c : decoded) {
        const bool blank = c == ' ' || c == '\n' || c == '\r' || c == '\t';
        if (!blank)
            folded += c;
        else if (!folded.empty() && folded.back() != ' ')
            folded += ' ';
    }
    return folded;
}

struct Project {
    std::map<std::string, std::string> options;
    std::vector<std::string> files;
};

Project ReadProject(const fs::path& hhp)
{
    Project project;
    std::string section;
    std::string text = ReadText(hhp);
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty())
            continue;
        if (line.front() == '[') {
            section = line;
        } else if (section == "[OPTIONS]") {
            const std::size_t equals = line.find('=');
            if (equals != std::string::npos)
                project.options[line.substr(0, equals)] = line.substr(equals + 1);
        } else if (section == "[FILES]") {
            project.files.push_back(line);
        }
    }
    return project;
}

std::set<std::string> PagesIn(const fs::path& folder)
{
    std::set<std::string> pages;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".html")
            pages.insert(entry.path().filename().string());
    }
    return pages;
}

std::set<std::string> AnchorsOf(const fs::path& page)
{
    const std::vector<std::string> names = AttributeValues(ReadText(page), "a", "name");
    return {names.begin(), names.end()};
}

// Why target, relative to the page in folder, does not resolve; "" when it does.
std::string BrokenLink(const fs::path& folder, const std::string& page, const std::string& target)
{
    const std::size_t hash = target.find('#');
    const std::string file = hash == std::string::npos ? target : target.substr(0, hash);
    const fs::path resolved = folder / (file.empty() ? page : file);
    if (!fs::is_regular_file(resolved))
        return "no file " + resolved.string();
    if (hash != std::string::npos && AnchorsOf(resolved).count(target.substr(hash + 1)) == 0)
        return "no anchor in " + resolved.string();
    return "";
}

std::vector<std::string> LanguageStrings(const std::string& languageFile)
{
    std::vector<std::string> lines;
    std::string text = ReadText(kDataDir / languageFile);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string WithoutMnemonic(std::string label)
{
    label.erase(std::remove(label.begin(), label.end(), '&'), label.end());
    return label;
}

struct Book {
    const char* language;      // folder under data/help
    const char* languageFile;  // the .lan file whose string 138 names the book
};

void PrintTo(const Book& book, std::ostream* out)
{
    *out << book.language;
}

class HelpBook : public testing::TestWithParam<Book> {
protected:
    fs::path folder = kDataDir / "help" / GetParam().language;
    fs::path projectFile = folder / "squinx.hhp";
};

TEST_P(HelpBook, IsNamedByItsLanguageFile)
{
    const std::vector<std::string> strings = LanguageStrings(GetParam().languageFile);
    ASSERT_GE(strings.size(), 138u);
    EXPECT_EQ(strings[137], std::string("help/") + GetParam().language + "/squinx.hhp");
    EXPECT_TRUE(fs::is_regular_file(kDataDir / strings[137])) << strings[137];
}

TEST_P(HelpBook, ProjectNamesExistingFilesAndEveryPage)
{
    ASSERT_TRUE(fs::is_regular_file(projectFile)) << projectFile;
    const Project project = ReadProject(projectFile);
    for (const char* key : {"Contents file", "Index file", "Default topic", "Title"}) {
        ASSERT_EQ(project.options.count(key), 1u) << key;
        EXPECT_FALSE(project.options.at(key).empty()) << key;
    }
    for (const char* key : {"Contents file", "Index file", "Default topic"})
        EXPECT_TRUE(fs::is_regular_file(folder / project.options.at(key))) << project.options.at(key);
    EXPECT_EQ(project.options.at("Default topic"), "index.html");

    const std::set<std::string> listed(project.files.begin(), project.files.end());
    EXPECT_EQ(listed, PagesIn(folder)) << "[FILES] must list exactly the pages of the book";
}

TEST_P(HelpBook, ContentsAndIndexPointAtExistingPagesAndAnchors)
{
    const Project project = ReadProject(projectFile);
    std::set<std::string> pagesInContents;
    for (const char* key : {"Contents file", "Index file"}) {
        const std::string sitemap = ReadText(folder / project.options.at(key));
        std::vector<std::string> locals;
        std::vector<std::string> names;
        const std::regex param("<param\\s+name=\"(Name|Local)\"\\s+value=\"([^\"]*)\"", std::regex::icase);
        for (std::sregex_iterator it(sitemap.begin(), sitemap.end(), param), end; it != end; ++it)
            ((*it)[1] == "Local" ? locals : names).push_back((*it)[2]);
        EXPECT_EQ(locals.size(), names.size()) << key;
        EXPECT_GE(locals.size(), 20u) << key;
        std::set<std::string> unknown;
        for (const std::string& name : names) {
            EXPECT_FALSE(VisibleText(name, unknown).empty()) << key;
        }
        EXPECT_TRUE(unknown.empty()) << key << " uses an unknown entity: " << *unknown.begin();
        for (const std::string& local : locals) {
            EXPECT_EQ(BrokenLink(folder, "", local), "") << key << ": " << local;
            if (std::string(key) == "Contents file")
                pagesInContents.insert(local.substr(0, local.find('#')));
        }
    }
    EXPECT_EQ(pagesInContents, PagesIn(folder)) << "every page belongs in the contents";
}

TEST_P(HelpBook, EveryLinkInThePagesResolvesInsideTheBook)
{
    for (const std::string& page : PagesIn(folder)) {
        const std::string html = ReadText(folder / page);
        for (const std::string& target : AttributeValues(html, "a", "href")) {
            EXPECT_EQ(target.find(':'), std::string::npos) << page << ": the help is offline, no " << target;
            EXPECT_EQ(BrokenLink(folder, page, target), "") << page << ": " << target;
        }
        for (const std::string& image : AttributeValues(html, "img", "src"))
            EXPECT_TRUE(fs::is_regular_file(folder / image)) << page << ": " << image;
    }
}

TEST_P(HelpBook, PagesStayWithinWhatTheViewerRenders)
{
    for (const std::string& page : PagesIn(folder)) {
        const std::string html = ReadText(folder / page);
        const std::string lower = Lower(html);
        EXPECT_NE(lower.find("<title>"), std::string::npos) << page;
        EXPECT_NE(lower.find("charset=iso-8859-1"), std::string::npos) << page;
        for (const char* forbidden : {"<script", "<style", "style=", "<link", "javascript:"})
            EXPECT_EQ(lower.find(forbidden), std::string::npos) << page << " uses " << forbidden;
        EXPECT_TRUE(std::all_of(html.begin(), html.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            << page << ": write characters beyond ASCII as entities";
        std::set<std::string> unknown;
        VisibleText(html, unknown);
        EXPECT_TRUE(unknown.empty()) << page << " uses an unknown entity: " << *unknown.begin();
    }
}

// Menu items, tools, dialog labels and messages as the program shows them.
TEST_P(HelpBook, NamesTheProgramsOwnLabels)
{
    const std::vector<std::string> strings = LanguageStrings(GetParam().languageFile);
    std::string book;
    std::set<std::string> unknown;
    for (const std::string& page : PagesIn(folder))
        book += VisibleText(ReadText(folder / page), unknown) + ' ';

    // clang-format off
    const int labels[] = {
        // menus and their items
        33, 34, 35, 36, 37, 40, 41, 42, 38, 47, 39, 43, 44, 51, 52, 48, 50, 24, 90, 123, 30, 32, 31,
        // toolbar tooltips
        57, 58, 59, 65, 49, 137, 69, 66, 67, 68, 27, 136,
        // main window
        77, 78, 80, 81, 82, 83, 84, 85, 86, 87, 88, 89, 25, 26, 28, 45, 46,
        // display options dialog
        15, 14, 134, 13, 91, 92, 93, 94, 95, 96, 97, 133, 106, 107, 135, 102, 103, 104, 105, 11, 10, 12,
        21, 132, 98, 99, 100,
        // quiz window
        29, 114, 119, 120, 121, 147, 148, 149, 151, 152, 156, 157, 158,
        // messages quoted in the book
        2, 8, 16, 17, 18, 20,
        // muscles dialog
        160, 163,
        // examination menu, presentation and pictures
        210, 211, 212, 213, 214, 215, 217, 218, 219, 220, 221, 222, 223, 224, 225, 226, 227, 228, 229, 230, 231,
        232, 233, 234,
        // prisms and the corneal reflex
        235, 236, 237, 238, 239, 240, 242, 243, 244, 245, 246, 247, 248, 252,
        // chart windows
        260, 261, 262, 263, 271, 272, 273, 274, 277, 288, 289,
        // face, levator and head posture
        296, 297, 298, 299, 300, 301, 302, 303, 304, 305, 306,
    };
    // clang-format on
    for (int number : labels) {
        ASSERT_LE(static_cast<std::size_t>(number), strings.size());
        const std::string label = WithoutMnemonic(strings[number - 1]);
        EXPECT_NE(book.find(label), std::string::npos) << "string " << number << " \"" << label << "\"";
    }
    // The file-dialog filter of recordings: its descriptions, not its patterns.
    const std::string filter = strings[5 - 1];
    for (std::size_t start = 0, index = 0; start <= filter.size(); ++index) {
        const std::size_t bar = std::min(filter.find('|', start), filter.size());
        if (index % 2 == 0) {
            EXPECT_NE(book.find(filter.substr(start, bar - start)), std::string::npos)
                << filter.substr(start, bar - start);
        }
        start = bar + 1;
    }
}

TEST_P(HelpBook, CaseLibraryPageDescribesEveryShippedCase)
{
    const fs::path page = folder / "caselibrary.html";
    const std::set<std::string> anchors = AnchorsOf(page);
    const std::string html = ReadText(page);
    int cases = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(kDataDir / "cases")) {
        if (entry.path().extension() != ".sd")
            continue;
        ++cases;
        const std::string stem = entry.path().stem().string();
        EXPECT_EQ(anchors.count(stem), 1u) << stem;
        EXPECT_NE(html.find("<h3><a name=\"" + stem + "\">" + stem + ".sd"), std::string::npos)
            << stem << " has no section of its own";
    }
    EXPECT_GE(cases, 12);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, HelpBook, testing::Values(Book{"de", "Deutsch.lan"}, Book{"en", "English.lan"}),
                         [](const testing::TestParamInfo<Book>& info) { return std::string(info.param.language); });

TEST(HelpBooks, GermanAndEnglishHaveTheSamePagesAndAnchors)
{
    const fs::path de = kDataDir / "help" / "de";
    const fs::path en = kDataDir / "help" / "en";
    ASSERT_EQ(PagesIn(de), PagesIn(en));
    for (const std::string& page : PagesIn(de))
        EXPECT_EQ(AnchorsOf(de / page), AnchorsOf(en / page)) << page;
}

}  // namespace
