// SPDX-License-Identifier: MIT
// An independent check of a written DXF file: ezdxf (python3-ezdxf) loads it
// and audits it. Absent ezdxf, the check is skipped, not failed.
#pragma once

#include <cstdio>
#include <optional>
#include <string>

namespace zept::test {

// "errors=N LINE CIRCLE ..." (the audit's error count, then the model-space
// entity types in order), or nullopt when no Python with ezdxf is installed.
inline std::optional<std::string> ezdxfAudit(std::string const& path) {
  static const std::optional<std::string> python = []() -> std::optional<std::string> {
    for (char const* candidate : {"/usr/bin/python3", "python3"}) {
      const std::string probe = std::string(candidate) + " -c 'import ezdxf' >/dev/null 2>&1";
      if (std::system(probe.c_str()) == 0) return std::string(candidate);
    }
    return std::nullopt;
  }();
  if (!python) return std::nullopt;
  const std::string script =
      "import sys, ezdxf\n"
      "doc = ezdxf.readfile(sys.argv[1])\n"
      "a = doc.audit()\n"
      "print('errors=%d' % len(a.errors), *[e.dxftype() for e in doc.modelspace()])\n";
  const std::string command = *python + " -c \"" + script + "\" '" + path + "' 2>&1";
  std::string out;
  if (std::FILE* p = ::popen(command.c_str(), "r")) {
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
    ::pclose(p);
  }
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

}  // namespace zept::test
