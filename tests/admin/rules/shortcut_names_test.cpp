#include "admin/rules/shortcut_names.h"

#include <gtest/gtest.h>

using namespace quorvel;

TEST(ShortcutNames, PathsAreCutAtTheLastBackslashOrDriveColon) {
    EXPECT_EQ(FolderPart("C:\\APPS\\RUN.BAT"), "C:\\APPS\\");
    EXPECT_EQ(FileNamePart("C:\\APPS\\RUN.BAT"), "RUN.BAT");
    EXPECT_EQ(FolderPart("C:RUN.BAT"), "C:");
    EXPECT_EQ(FileNamePart("C:RUN.BAT"), "RUN.BAT");
    EXPECT_EQ(FolderPart("RUN.BAT"), "");
    EXPECT_EQ(FileNamePart("RUN.BAT"), "RUN.BAT");
    EXPECT_EQ(ExtensionPart("C:\\MY.DIR\\MY.APP.exe"), ".exe");
    EXPECT_EQ(ExtensionPart("C:\\MY.DIR\\README"), "");
}

TEST(ShortcutNames, NameStopsAtTheFirstDot) {
    EXPECT_EQ(NameBeforeFirstDot("CALC.EXE"), "CALC");
    EXPECT_EQ(NameBeforeFirstDot("MY.APP.EXE"), "MY");
    EXPECT_EQ(NameBeforeFirstDot("mr.smith.lnk"), "mr");
    EXPECT_EQ(NameBeforeFirstDot("README"), "");
}

TEST(ShortcutNames, DecimalValues) {
    EXPECT_EQ(DecimalValue("0"), 0);
    EXPECT_EQ(DecimalValue("17"), 17);
    EXPECT_EQ(DecimalValue("-3"), -3);
    EXPECT_EQ(DecimalValue(""), std::nullopt);
    EXPECT_EQ(DecimalValue("1a"), std::nullopt);
    EXPECT_EQ(DecimalValue(" 1"), std::nullopt);
    EXPECT_EQ(DecimalValue("99999999999"), std::nullopt);
}

TEST(ShortcutNames, NamesThatAFileNameCannotHoldAreRefused) {
    EXPECT_EQ(ShortcutNameProblem("Calculatrice"), "");
    EXPECT_EQ(ShortcutNameProblem("Mon jeu (v2) & co"), "");
    EXPECT_EQ(ShortcutNameProblem("console"), "");
    EXPECT_EQ(ShortcutNameProblem("com10"), "");
    EXPECT_EQ(ShortcutNameProblem(""), kMissingName);
    EXPECT_EQ(ShortcutNameProblem("   "), kMissingName);
    for (const char* bad : {"a\\b", "a/b", "c:", "a*", "why?", "\"x\"", "<a", "a>", "a|b", "tab\there"})
        EXPECT_EQ(ShortcutNameProblem(bad), kForbiddenCharacters) << bad;
    for (const char* reserved : {"con", "CON", "Nul.txt", "prn ", "aux", "com1", "LPT9"})
        EXPECT_EQ(ShortcutNameProblem(reserved), kReservedName) << reserved;
    for (const char* cut : {".", "..", "...", "Jeux.", "Jeux ", "Jeux. "})
        EXPECT_EQ(ShortcutNameProblem(cut), kBadEnding) << cut;
    EXPECT_EQ(ShortcutNameProblem(std::string(64, 'x')), "");
    EXPECT_EQ(ShortcutNameProblem(std::string(65, 'x')), kNameTooLong);
    EXPECT_EQ(TypedNameFault("..\\EVIL"), NameFault::Characters);
}
