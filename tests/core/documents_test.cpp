// The documents the programs open: the anchors they are opened at exist, and every link between
// them lands on an anchor.
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/core/test_files.h"

namespace {

const char* const Documents[] = {"manual.htm", "referenc.htm", "drivers.htm"};

// The values of one attribute throughout a page, such as every href="...".
std::vector<std::string> Values(const std::string& page, const std::string& attribute) {
    std::vector<std::string> values;
    std::string opening = " " + attribute + "=\"";
    for (size_t at = page.find(opening); at != std::string::npos; at = page.find(opening, at)) {
        at += opening.size();
        values.push_back(page.substr(at, page.find('"', at) - at));
    }
    return values;
}

TEST(Documents, TheProgramsAnchorsExistAndEveryLinkLandsOnOne) {
    std::set<std::string> anchors; // "file#name", and "file" for the file itself
    for (const char* document : Documents) {
        std::string page = ReadFileBytes(std::string(TAVRIN_HTML_DIR "/") + document);
        ASSERT_FALSE(page.empty()) << document;
        anchors.insert(document);
        for (const char* attribute : {"name", "id"})
            for (const std::string& name : Values(page, attribute))
                anchors.insert(std::string(document) + "#" + name);
    }
    for (const char* opened :
         {"manual.htm#DOCUMENTATION", "referenc.htm#SETUP", "referenc.htm#SysInfo"})
        EXPECT_EQ(anchors.count(opened), 1u) << opened;
    for (const char* document : Documents) {
        std::string page = ReadFileBytes(std::string(TAVRIN_HTML_DIR "/") + document);
        for (std::string target : Values(page, "href")) {
            if (target == "daybook.css")
                continue;
            if (target[0] == '#')
                target = document + target;
            EXPECT_EQ(anchors.count(target), 1u) << document << " links to " << target;
        }
    }
}

} // namespace
