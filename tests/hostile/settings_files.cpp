// Generated settings files: the real sections and keys with every form of
// value, and files that are no settings file at all.
#include "tests/hostile/generated_files.h"

#include "shared/profile_store.h"
#include "tests/support/test_folder.h"

#include <cctype>

namespace hostile {

namespace {

const velmora::SettingKey kKeys[] = {
    velmora::kUnloadIconVisible, velmora::kExitAllowed, velmora::kDriveAVisible,
    velmora::kSessionAllowed,    velmora::kBackColor,   velmora::kBackImage,
    velmora::kTextColor,         velmora::kTextBackColor, velmora::kTextTransparent,
};

using namespace std::string_literals;

const std::string kValueForms[] = {
    "1", "0", "2", "-1", "8421376", "16777215", "0x808000", "0X808000", "$808000", "0x", "$",
    "0xFFFFFFFF", "$FFFFFFFF", "-2147483648", "2147483648", "4294967296", "99999999999999999999",
    " 1", "1 ", "+1", "01", "1.0", "1e3", "abc", "", "\"1\"", "'1'", "1;note", "\t1", "-0", "0x-1",
    "--1", "$$1", "é", "0x808000zz", "=1", "[1]", "-$10", "0x7FFFFFFF", "-0x1", "NUL", "CON",
    "C:\\absent.bmp", "\\\\serveur\\fond.bmp", "C:\\", "fond.bmp", std::string(2000, '7'),
};

std::string Line(const std::string& key, const std::string& value) { return key + "=" + value + "\r\n"; }

// The real file with one value form in each key, the forms shifting with
// the case so that every form meets every key.
std::string EveryForm(int number) {
    std::string text;
    std::string section;
    int k = 0;
    for (const velmora::SettingKey& key : kKeys) {
        if (section != key.section) text += "[" + (section = key.section) + "]\r\n";
        size_t form = static_cast<size_t>(number * 9 + k++ * 7) % std::size(kValueForms);
        text += Line(key.key, kValueForms[form]);
    }
    return text;
}

std::string Sections(Rng& rng) {
    std::string text;
    for (const velmora::SettingKey& key : kKeys)
        text += "[" + std::string(key.section) + "]\r\n" + Line(key.key, rng.Pick(kValueForms));
    return text;
}

std::string Zeros(Rng& rng) {
    std::string zeros(1 + rng.Below(4096), '\0');
    switch (rng.Below(3)) {
        case 0: return zeros;
        case 1: return zeros + Sections(rng);
        default: {
            std::string text = Sections(rng);
            return text.insert(rng.Below(static_cast<uint32_t>(text.size())), zeros);
        }
    }
}

std::string Megabyte(Rng& rng) {
    const size_t mb = 1 << 20;
    switch (rng.Below(4)) {
        case 0: return "[BackGround]\r\nImage=" + std::string(mb, 'a') + "\r\n" + Sections(rng);
        case 1: {
            std::string filler;
            while (filler.size() < mb) filler += "[Rien" + std::to_string(filler.size()) + "]\r\nx=y\r\n";
            return filler + Sections(rng);
        }
        case 2: return "[" + std::string(mb, 'S') + "]\r\n" + Sections(rng);
        default: return rng.Bytes(mb);
    }
}

// The same keys and sections more than once, with other values and cases.
std::string Duplicates(Rng& rng) {
    std::string text;
    for (int copies = 2 + rng.Below(3); copies > 0; --copies) {
        for (const velmora::SettingKey& key : kKeys) {
            std::string section = key.section;
            if (rng.OneIn(2)) for (char& ch : section) ch = static_cast<char>(toupper(ch));
            text += "[" + section + "]\r\n" + Line(key.key, rng.Pick(kValueForms)) +
                    Line(key.key, rng.Pick(kValueForms));
        }
    }
    return text;
}

std::string RandomText(Rng& rng) {
    const std::string pieces[] = {"["s, "]"s, "="s, "\r\n"s, "\n"s, "\r"s, ";"s, " "s, "\t"s, "\0"s,
                                  "Text"s, "BackGround"s, "Color"s, "Windows"s, "Exit"s, "1"s, "0x"s};
    std::string text;
    for (uint32_t i = 100 + rng.Below(400); i > 0; --i)
        text += rng.OneIn(6) ? std::string(1, static_cast<char>(rng.Next())) : rng.Pick(pieces);
    return text;
}

}  // namespace

void MakeSettingsCase(Case& c, const std::string& path) {
    Rng& rng = c.rng;
    // A megabyte is slow to write back: a few of them are enough.
    uint32_t pick = rng.Below(32);
    if (pick == 0) {
        c.kind = "a megabyte";
        c.bytes = Megabyte(rng);
    } else if (pick < 6) {
        c.kind = "binary zeros";
        c.bytes = Zeros(rng);
    } else if (pick < 14) {
        c.kind = "duplicate keys";
        c.bytes = Duplicates(rng);
    } else if (pick < 18) {
        c.kind = "random text";
        c.bytes = RandomText(rng);
    } else {
        c.kind = "every value form";
        c.bytes = EveryForm(c.number);
    }
    c.path = path;
    testing_support::TempFolder::WriteAt(path, c.bytes);
}

}  // namespace hostile
