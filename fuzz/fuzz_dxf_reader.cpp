// SPDX-License-Identifier: MIT
// The DXF reader on any bytes: it refuses or reads, never crashes, and what
// it reads writes back and reads again into as many entities.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/host/DxfFile.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  zept::dxf::Drawing drawing;
  std::string error;
  if (!zept::dxf::readText(std::string(reinterpret_cast<char const*>(data), size), drawing, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  static const std::string path = "/tmp/fuzz-dxf-" + std::to_string(::getpid()) + ".dxf";
  zept::dxf::Drawing again;
  if (!zept::dxf::write(path, drawing, true, error) || !zept::dxf::read(path, again, error)) std::abort();
  ::unlink(path.c_str());
  // A closed 3D polyline is written as its segments.
  std::size_t expected = 0;
  for (auto const& e : drawing.entities) {
    auto const* p3 = std::get_if<zept::dxf::Polyline3d>(&e.shape);
    const std::size_t n = p3 ? p3->points.size() : 0;
    expected += !p3 ? 1 : n < 2 ? 0 : n - 1 + (p3->closed && n > 2 ? 1 : 0);
  }
  if (again.entities.size() != expected) std::abort();
  return 0;
}
