// The files of the page that `lsys view` serves: our page, script and styles, and the modules of
// three.js it imports. They are read into memory once at the start from the folder installed
// with the program; the server looks requests up in that table by their exact path, so nothing
// outside it can be named, whatever the path holds.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace lsys {

struct Asset {
  std::string contentType;
  std::string body;
};

class PageAssets {
 public:
  // Reads the folder: every .html, .js and .css file below it, served at its path relative to
  // the folder ("/index.html", "/three/build/three.module.js"), index.html also at "/".
  // Nothing when the folder holds no index.html.
  static std::optional<PageAssets> Read(const std::string& folder);

  // The folder beside the program, "lsys-view" in the build tree, then the installed
  // share/lsys2pov/view; nothing when neither holds the page. lookedIn lists both.
  static std::optional<PageAssets> Find(std::string& lookedIn);

  // The asset at the request path, or null.
  const Asset* find(const std::string& path) const;

 private:
  std::map<std::string, Asset, std::less<>> assets_;
};

}  // namespace lsys
