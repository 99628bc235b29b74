#include "store/file_system.h"

#include "console/fatal_error.h"

namespace kestrel {

bool replaceFile(FileSystem& files, const std::string& path, std::string_view content) {
  std::unique_ptr<WritableFile> file = files.createTemporary(path);
  if (!file) {
    return false;
  }
  const std::string temporary = file->path();
  bool written = file->append(content) && file->sync();
  written = file->close() && written;
  file.reset();
  if (!written || !files.rename(temporary, path)) {
    files.remove(temporary);
    throw FatalError("unable to write to stream");
  }
  if (!files.syncFolder(path)) {
    throw FatalError("unable to write to stream");
  }
  return true;
}

}  // namespace kestrel
