// SPDX-License-Identifier: MIT
// The remembered state read and written as key=value lines, each value
// checked against its range; saved through a temporary and a rename.
#include "tools/zeptview/ViewerSettings.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace zeptview {

namespace {

constexpr std::uintmax_t kMaxFile = 64 * 1024;  // a few hundred bytes expected
constexpr unsigned kElements = 0x3FF;           // the presenter's element bits

bool readInt(std::string const& text, int& out, long min, long max) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || errno || v < min || v > max) return false;
  out = static_cast<int>(v);
  return true;
}

bool readDouble(std::string const& text, double& out, double min, double max) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end || !std::isfinite(v) || v < min || v > max) return false;
  out = v;
  return true;
}

bool readBool(std::string const& text, bool& out) {
  if (text != "0" && text != "1") return false;
  out = text == "1";
  return true;
}

std::string number(double v) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", v);
  return text;
}

}  // namespace

std::filesystem::path stateFile() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  // XDG_CONFIG_HOME counts only when it is an absolute path; else the default.
  if (config && config[0] == '/') return std::filesystem::path(config) / "zeptview" / "settings";
  const char* home = std::getenv("HOME");
  if (home && home[0]) return std::filesystem::path(home) / ".config" / "zeptview" / "settings";
  return {};
}

std::string formatState(RememberedState const& s) {
  ViewSettings const& v = s.view;
  std::ostringstream out;
  out << "# zeptview's last state; rewritten on every change\n"
      << "selection=" << s.selection << "\n"
      << "width=" << s.width << "\nheight=" << s.height << "\n"
      << "units=" << (v.inches ? "in" : "mm") << "\n"
      << "properties=" << (s.units == PropertyUnits::mm ? "mm" : s.units == PropertyUnits::inches ? "in" : "tables")
      << "\n"
      << "hatch=" << v.hatchType << "\nhatch_angle=" << number(v.hatchAngle) << "\n"
      << "visible=" << (v.visible & kElements) << "\n"
      << "lock_axis=" << v.lockAxis << "\nalternate_rotation=" << v.alternateRotation << "\n"
      << "offset_step=" << number(v.offsetPrecision) << "\nangle_step=" << number(v.anglePrecision) << "\n"
      << "path_angle_step=" << number(v.pathAnglePrecision) << "\n"
      << "principal_axes=" << v.principalAxes << "\n"
      << "height_dimension=" << v.heightDimLine << "\nwidth_dimension=" << v.widthDimLine << "\n";
  return out.str();
}

void parseState(std::string const& text, RememberedState& s) {
  ViewSettings& v = s.view;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    const auto eq = line.find('=');
    if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
    const std::string key = line.substr(0, eq), value = line.substr(eq + 1);
    int visible = 0;
    if (key == "selection") s.selection = value;
    else if (key == "width") readInt(value, s.width, 0, 10000);
    else if (key == "height") readInt(value, s.height, 0, 10000);
    else if (key == "units" && (value == "mm" || value == "in")) v.inches = value == "in";
    else if (key == "properties" && (value == "tables" || value == "mm" || value == "in"))
      s.units = value == "mm" ? PropertyUnits::mm : value == "in" ? PropertyUnits::inches : PropertyUnits::tables;
    else if (key == "hatch") readInt(value, v.hatchType, -1, 5);
    else if (key == "hatch_angle") readDouble(value, v.hatchAngle, 0, 179.9);
    else if (key == "visible" && readInt(value, visible, 0, kElements)) v.visible = static_cast<unsigned>(visible);
    else if (key == "lock_axis") readBool(value, v.lockAxis);
    else if (key == "alternate_rotation") readBool(value, v.alternateRotation);
    else if (key == "offset_step") readDouble(value, v.offsetPrecision, 0, 1000);
    else if (key == "angle_step") readDouble(value, v.anglePrecision, 0, 90);
    else if (key == "path_angle_step") readDouble(value, v.pathAnglePrecision, 0, 90);
    else if (key == "principal_axes") readBool(value, v.principalAxes);
    else if (key == "height_dimension") readBool(value, v.heightDimLine);
    else if (key == "width_dimension") readBool(value, v.widthDimLine);
  }
}

void loadState(std::filesystem::path const& file, RememberedState& state) {
  std::error_code error;
  if (file.empty() || !std::filesystem::is_regular_file(file, error) ||
      std::filesystem::file_size(file, error) > kMaxFile || error)
    return;
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  if (!(text << in.rdbuf())) return;
  parseState(text.str(), state);
}

bool saveState(std::filesystem::path const& file, RememberedState const& state) {
  if (file.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(file.parent_path(), error);
  if (error) return false;
  const std::string text = formatState(state);
  const std::string temporary = file.string() + "." + std::to_string(getpid()) + ".new";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return false;
  bool ok = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  ok = ::fsync(fd) == 0 && ok;
  ok = ::close(fd) == 0 && ok;
  if (ok) ok = std::rename(temporary.c_str(), file.c_str()) == 0;
  if (!ok) ::unlink(temporary.c_str());
  return ok;
}

}  // namespace zeptview
