#include "ui/image_list.h"

namespace ui {

ImageList::ImageList(int width, int height)
    : list_(ImageList_Create(width, height, ILC_COLOR32 | ILC_MASK, 0, 16)) {}

ImageList::~ImageList() {
    if (list_) ImageList_Destroy(list_);
}

int ImageList::AddIcon(HICON icon) { return ImageList_AddIcon(list_, icon); }

int ImageList::Count() const { return ImageList_GetImageCount(list_); }

void ImageList::Clear() { ImageList_RemoveAll(list_); }

}  // namespace ui
