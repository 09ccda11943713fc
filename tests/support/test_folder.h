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

// Deletes a folder with its content; links in it go, never what they point to.
void DeleteTree(const std::string& path);
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
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
