#include "shared/file_bytes.h"

#include "ui/handles.h"

namespace velmora {

bool ReadFileBytes(const std::string& path, size_t most, std::string& bytes) {
    ui::FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
    if (!file) return false;
    DWORD size = GetFileSize(file.get(), nullptr);
    if (size == INVALID_FILE_SIZE || size > most) return false;
    bytes.assign(size, '\0');
    DWORD read = 0;
    return !size || (ReadFile(file.get(), bytes.data(), size, &read, nullptr) && read == size);
}

}  // namespace velmora
