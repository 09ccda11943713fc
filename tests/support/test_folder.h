// Test helpers: a throwaway folder, files in it, and a record of the message
// boxes that the code under test showed.
#pragma once

#include "ui/platform.h"

#include <map>
#include <string>
#include <vector>

namespace testing_support {

// A fresh folder under the temporary folder, deleted with its content.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }
    std::string MakeFolder(const std::string& name) const;
    std::string WriteFile(const std::string& name, const std::string& content) const;
    static void WriteAt(const std::string& path, const std::string& content);

private:
    std::string path_;
};

// Keeps the process's current folder for a scope and gives it back at its
// end (which lets the folder go); given a folder, makes it current meanwhile.
class CurrentFolder {
public:
    CurrentFolder() { GetCurrentDirectoryA(sizeof saved_, saved_); }
    explicit CurrentFolder(const std::string& path) : CurrentFolder() { SetCurrentDirectoryA(path.c_str()); }
    ~CurrentFolder() { SetCurrentDirectoryA(saved_); }
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

private:
    char saved_[MAX_PATH] = {};
};

// Deletes a folder with its content; links in it go, never what they point to.
void DeleteTree(const std::string& path);
std::string ReadFile(const std::string& path);
// A file of the real system folder (SHELL32.DLL, notepad.exe...).
std::string SystemFile(const std::string& name);
// The path with every element in its long form, as the system spells it.
std::string LongPath(const std::string& path);
// Makes link a Unix symbolic link to target through Wine's own drives, as the
// shell's "ln -s" does: Wine shows it with the reparse-point attribute.
bool MakeLink(const std::string& link, const std::string& target);
// The names of a folder's entries but "." and "..", sorted.
std::vector<std::string> EntryNames(const std::string& folder);
// Everything below a folder, links aside: each entry's path relative to it,
// with a file's content or "<folder>" and its attributes.
std::map<std::string, std::string> TreeContents(const std::string& folder);

struct ShownMessage {
    std::string text, caption;
    UINT flags;
    HWND owner;
};

// Replaces the message-box seam: records each box and gives a scripted answer.
class MessageRecorder {
public:
    explicit MessageRecorder(int answer = IDOK);
    // The texts of the boxes shown, in order; the next ones only, once taken.
    std::vector<std::string> Texts() const;
    std::vector<std::string> TakeTexts();
    std::vector<ShownMessage> shown;
    int answer;

private:
    ui::PlatformOverride restore_;
};

// Runs the application's messages for the given time.
void Pump(unsigned milliseconds);

// Puts the pointer at a screen point. In Wine's virtual desktop a move that
// the display has not yet reported can put the pointer back: it is moved
// until it stays.
void MovePointer(int x, int y);

}  // namespace testing_support
