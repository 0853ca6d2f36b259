// Reads the Help folder copied beside the binaries, so a page or stylesheet
// that the build forgets to ship fails here too.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kHelpRoot = fs::path(VANTOREL_HELP_DIR);

struct Language {
    const char* folder;  // under Help/
    const char* lang;    // the <html lang> it must declare
};

const Language kLanguages[] = {{"", "ru"}, {"eng", "en"}};

// every page a help entry of the program opens
const std::set<std::string> kPages = {"gost_index.html", "density20.html", "calcul20.html", "density15.html",
                                      "calcul15.html",   "api.html",       "edit_table.html"};

std::string readFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

std::set<std::string> htmlFilesIn(const fs::path& folder)
{
    std::set<std::string> names;
    for (const fs::directory_entry& e : fs::directory_iterator(folder))
        if (e.is_regular_file() && e.path().extension() == ".html")
            names.insert(e.path().filename().string());
    return names;
}

std::vector<fs::path> allPages()
{
    std::vector<fs::path> pages;
    for (const Language& l : kLanguages)
        for (const std::string& name : kPages)
            pages.push_back(kHelpRoot / l.folder / name);
    return pages;
}

// Open tags left unclosed or closed out of order, void elements aside.
std::string tagBalance(const std::string& html)
{
    static const std::set<std::string> kVoid = {"meta", "link", "br", "img", "hr", "input", "wbr", "!doctype"};
    static const std::regex kTag(R"(<(/?)([A-Za-z!][A-Za-z0-9]*)[^>]*>)");
    std::vector<std::string> open;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), kTag); it != std::sregex_iterator(); ++it) {
        std::string name = (*it)[2];
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        if (kVoid.count(name))
            continue;
        if ((*it)[1].length() == 0) {
            open.push_back(name);
        } else if (open.empty() || open.back() != name) {
            return "</" + name + "> closes " + (open.empty() ? std::string("nothing") : "<" + open.back() + ">");
        } else {
            open.pop_back();
        }
    }
    return open.empty() ? std::string() : "<" + open.back() + "> is never closed";
}

TEST(HelpPages, BothLanguagesShipTheSamePages)
{
    for (const Language& l : kLanguages)
        EXPECT_EQ(htmlFilesIn(kHelpRoot / l.folder), kPages) << "Help/" << l.folder;
}

TEST(HelpPages, EveryPageIsWellFormedHtml5)
{
    for (const Language& l : kLanguages)
        for (const std::string& name : kPages) {
            const fs::path page = kHelpRoot / l.folder / name;
            SCOPED_TRACE(page.string());
            const std::string html = readFile(page);
            EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
            EXPECT_NE(html.find(std::string("<html lang=\"") + l.lang + "\">"), std::string::npos);
            EXPECT_NE(html.find("<meta charset=\"utf-8\">"), std::string::npos);
            EXPECT_TRUE(std::regex_search(html, std::regex("<title>[^<]*\\S[^<]*</title>")));
            EXPECT_EQ(tagBalance(html), "");
        }
}

TEST(HelpPages, EveryRelativeLinkResolvesToAShippedFile)
{
    static const std::regex kLink(R"#((?:href|src)="([^"]*)")#");
    const fs::path root = fs::canonical(kHelpRoot);
    for (const fs::path& page : allPages()) {
        const std::string html = readFile(page);
        for (auto it = std::sregex_iterator(html.begin(), html.end(), kLink); it != std::sregex_iterator(); ++it) {
            const std::string link = (*it)[1];
            SCOPED_TRACE(page.string() + ": " + link);
            if (std::regex_search(link, std::regex("^[a-z]+:")))
                continue;  // an absolute address
            const std::size_t hash = link.find('#');
            const std::string file = link.substr(0, hash);
            const fs::path target = file.empty() ? page : page.parent_path() / file;
            if (!fs::is_regular_file(target)) {
                ADD_FAILURE() << "no such file";
                continue;
            }
            const std::string inside = fs::relative(fs::canonical(target), root).string();
            EXPECT_FALSE(inside.empty() || inside.rfind("..", 0) == 0) << "leaves Help/";
            if (hash != std::string::npos) {
                EXPECT_NE(readFile(target).find("id=\"" + link.substr(hash + 1) + "\""), std::string::npos)
                    << "no such anchor";
            }
        }
    }
}

}  // namespace
