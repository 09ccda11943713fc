#include "shared/link_layout.h"
#include "shared/shell_link.h"

#include "tests/support/shortcut_file.h"
#include "tests/support/test_folder.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace velmora;
using testing_support::TempFolder;

namespace {

// A link to an existing program: the system object writes its item list and
// its location block.
std::string WrittenLink(const TempFolder& dir) {
    return testing_support::ReadFile(
        testing_support::WriteShortcut(dir / "Jeu", testing_support::SystemFile("winemine.exe"), "/x"));
}

uint32_t Get(const std::string& b, size_t at, size_t width) {
    uint32_t v = 0;
    std::memcpy(&v, b.data() + at, width);
    return v;
}

std::string With(std::string b, size_t at, size_t width, uint32_t value) {
    std::memcpy(b.data() + at, &value, width);
    return b;
}

}  // namespace

// Each damaged file below made the system's shell-link object read past its
// buffers and end the program, now and then, depending on what lay there.
TEST(LinkLayout, PartsOutsideTheirPlaceMakeALinkUnreadable) {
    TempFolder dir;
    std::string good = WrittenLink(dir);
    ASSERT_TRUE(LinkLayoutIsSound(good));
    ASSERT_TRUE(Get(good, 0x14, 4) & 0x3) << "the item list and location block are there";
    EXPECT_TRUE(LinkLayoutIsSound(With(good.substr(0, 0x4C) + std::string(4, '\0'), 0x14, 4, 0)))
        << "a header alone, its flags cleared, is a link";

    const size_t list = 0x4C, info = list + 2 + Get(good, list, 2);
    const std::string damaged[] = {
        With(good, list + 2, 2, 0xFFFF),                      // an item running past the list
        With(good, list, 2, Get(good, list, 2) - 1),          // a list ending inside its last item
        With(good, info + 12, 4, Get(good, info, 4) - 4),     // a volume ending past the location block
        With(good, info + 16, 4, Get(good, info, 4) + 100),  // a path starting past it
        With(good, info, 4, 0x7FFFFFFF),                      // a location block past the file
        good.substr(0, good.size() - 8),                      // the argument text cut short
        With(good, 0, 4, 0x4D),                               // a header of another size
    };
    for (size_t i = 0; i < std::size(damaged); ++i) {
        EXPECT_FALSE(LinkLayoutIsSound(damaged[i])) << "damage " << i;
        TVornShellLink link;
        link.SetFileName(dir.WriteFile("damaged" + std::to_string(i) + ".lnk", damaged[i]));
        try {
            link.ReadLink();
            ADD_FAILURE() << "damage " << i << " was read";
        } catch (const EVornShellLink& e) {
            EXPECT_STREQ(e.what(), "Erreur en lecture.") << "damage " << i;
        }
    }
    EXPECT_FALSE(LinkFileIsSound(dir / "absent.lnk"));
    EXPECT_FALSE(LinkFileIsSound(dir.WriteFile("grand.lnk", good + std::string(kMaxLinkFileSize, '\0'))));
}

// The system reads a link whose extra data ends in a stray byte instead of the zero end mark.
TEST(LinkLayout, AStrayByteWhereTheEndMarkShouldBeIsNoDamage) {
    TempFolder dir;
    std::string odd = WrittenLink(dir);
    odd[odd.size() - 4] = '\x55';
    EXPECT_TRUE(LinkLayoutIsSound(odd));
}
