#include "faulty_file_system.h"

namespace kestrel {

namespace {

// A real file whose append, sync or close can be made to fail. A failing
// append writes half of the data first, as a full disk would.
class FaultyFile : public WritableFile {
 public:
  FaultyFile(std::unique_ptr<WritableFile> file, Fault fault)
      : file_(std::move(file)), fault_(fault) {}
  const std::string& path() const override { return file_->path(); }
  bool append(std::string_view data) override {
    if (fault_ == Fault::kAppend) {
      file_->append(data.substr(0, data.size() / 2));
      return false;
    }
    return file_->append(data);
  }
  bool sync() override { return fault_ != Fault::kSync && file_->sync(); }
  bool close() override { return file_->close() && fault_ != Fault::kClose; }

 private:
  std::unique_ptr<WritableFile> file_;
  Fault fault_;
};

}  // namespace

std::unique_ptr<WritableFile> FaultyFileSystem::createTemporary(const std::string& target) {
  if (fault_ == Fault::kCreate) {
    return nullptr;
  }
  std::unique_ptr<WritableFile> file = FileSystemWrapper::createTemporary(target);
  return file ? std::make_unique<FaultyFile>(std::move(file), fault_) : nullptr;
}

}  // namespace kestrel
