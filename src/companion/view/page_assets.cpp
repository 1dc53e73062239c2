#include "companion/view/page_assets.h"

#include <filesystem>
#include <fstream>
#include <sstream>

namespace lsys {
namespace {

namespace fs = std::filesystem;

std::optional<std::string> contentTypeOf(const fs::path& file) {
  const std::string extension = file.extension().string();
  if (extension == ".html") return "text/html; charset=utf-8";
  if (extension == ".js") return "text/javascript; charset=utf-8";
  if (extension == ".css") return "text/css; charset=utf-8";
  return std::nullopt;
}

}  // namespace

std::optional<PageAssets> PageAssets::Read(const std::string& folder) {
  std::error_code error;
  if (!fs::is_regular_file(fs::path(folder) / "index.html", error)) return std::nullopt;
  PageAssets page;
  for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    if (!it->is_regular_file(error)) continue;
    const auto type = contentTypeOf(it->path());
    if (!type) continue;
    std::ifstream in(it->path(), std::ios::binary);
    std::ostringstream body;
    body << in.rdbuf();
    if (!in) continue;
    const std::string path = "/" + it->path().lexically_relative(folder).generic_string();
    page.assets_[path] = {*type, std::move(body).str()};
  }
  if (error) return std::nullopt;
  page.assets_["/"] = page.assets_["/index.html"];
  return page;
}

std::optional<PageAssets> PageAssets::Find(std::string& lookedIn) {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  const fs::path beside = program.parent_path();
  const fs::path candidates[] = {
      beside / "lsys-view", (beside / ".." / "share" / "lsys2pov" / "view").lexically_normal()};
  lookedIn.clear();
  for (const fs::path& folder : candidates) {
    if (auto page = Read(folder.string())) return page;
    lookedIn += (lookedIn.empty() ? "" : " and ") + folder.string();
  }
  return std::nullopt;
}

const Asset* PageAssets::find(const std::string& path) const {
  const auto found = assets_.find(path);
  return found == assets_.end() ? nullptr : &found->second;
}

}  // namespace lsys
