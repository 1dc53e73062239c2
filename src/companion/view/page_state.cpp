#include "companion/view/page_state.h"

#include <cstdio>

namespace lsys {

std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (c == '\n') {
      json += "\\n";
    } else if (byte < 0x20 || byte == 0x7f) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
      json += escaped;
    } else {
      json += c;  // UTF-8 passes as it is; the page decodes bytes that are not as U+FFFD
    }
  }
  return json + "\"";
}

std::string StateJson(const PageState& s) {
  const char* state = s.state == GrowthState::kGrowing ? "growing"
                      : s.state == GrowthState::kReady ? "ready"
                                                       : "error";
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%.3f", s.seconds);
  return std::string("{\"state\":\"") + state + "\",\"file\":" + JsonString(s.file) +
         ",\"steps\":" + std::to_string(s.steps) + ",\"maxSteps\":" + std::to_string(s.maxSteps) +
         ",\"seed\":" + (s.seed ? std::to_string(*s.seed) : "null") +
         ",\"segments\":" + std::to_string(s.segments) +
         ",\"polygons\":" + std::to_string(s.polygons) +
         ",\"modules\":" + std::to_string(s.modules) + ",\"plant\":" + std::to_string(s.plant) +
         ",\"diagnostics\":" + JsonString(s.diagnostics) + ",\"seconds\":" + seconds + "}";
}

}  // namespace lsys
