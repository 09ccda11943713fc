// An image list (comctl32) owned by its holder: images of one size, with
// their masks, added from icons.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace ui {

class ImageList {
public:
    ImageList(int width, int height);
    ~ImageList();
    ImageList(const ImageList&) = delete;
    ImageList& operator=(const ImageList&) = delete;

    HIMAGELIST Handle() const { return list_; }
    // Adds a copy of the icon (the caller keeps its own); answers the new
    // image's index, or -1.
    int AddIcon(HICON icon);
    int Count() const;
    void Clear();

private:
    HIMAGELIST list_;
};

}  // namespace ui
