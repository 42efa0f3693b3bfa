// SPDX-License-Identifier: MIT
// zeptcat render CATALOG PROFILE DIMS | --korva TEXT -o FILE: the preview
// of a cross-section as a picture (PNG, or SVG from the paint's drawing
// calls), painted by ZEPTCWndPresenter into a window of the size asked for.
// With --events the presenter first gets a scripted mouse session, one
// message a line, and the placement it ends with is printed; the picture is
// the session's last frame.
#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/core/Utf8.h"
#include "platform/gdi/CWnd.h"
#include "platform/gdi/KeyState.h"
#include "preview/ZEPTCWndPresenter.h"
#include "tools/common/EventScript.h"
#include "tools/common/PreviewLayout.h"
#include "tools/zeptcat/Command.h"
#include "tools/zeptcat/Output.h"
#include "tools/zeptcat/SectionSource.h"

namespace zeptcat {

namespace {

using Element = ZEPTCWndPresenter::cwndElement;

struct ElementName {
  std::string_view name;
  Element element;
};

constexpr ElementName kElements[] = {
    {"background", ZEPTCWndPresenter::cwndBackground}, {"frame", ZEPTCWndPresenter::cwndFrame},
    {"contour", ZEPTCWndPresenter::cwndContour},       {"axes", ZEPTCWndPresenter::cwndAxes},
    {"points", ZEPTCWndPresenter::cwndPoint},          {"dimline", ZEPTCWndPresenter::cwndDimLine},
    {"dimvalue", ZEPTCWndPresenter::cwndDimValue},     {"dimdesc", ZEPTCWndPresenter::cwndDimDesc},
    {"hatch", ZEPTCWndPresenter::cwndHatch},           {"path", ZEPTCWndPresenter::cwndPath},
};

std::string elementNames() {
  std::string names;
  for (auto const& e : kElements) names += (names.empty() ? "" : ", ") + std::string(e.name);
  return names;
}

Element element(std::string_view name) {
  for (auto const& e : kElements)
    if (e.name == name) return e.element;
  throw UsageError("unknown element \"" + std::string(name) + "\" (known: " + elementNames() + ")");
}

std::vector<std::string> split(std::string_view text, char at) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i)
    if (i == text.size() || text[i] == at) {
      parts.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  return parts;
}

// The whole text as one number, or nothing.
template <typename T>
std::optional<T> number(std::string_view text) {
  T value{};
  auto const [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  if constexpr (std::is_floating_point_v<T>)
    if (!std::isfinite(value)) return std::nullopt;
  return value;
}

double finite(std::string const& text, std::string const& option) {
  if (auto const v = number<double>(text)) return *v;
  throw UsageError(option + ": \"" + text + "\" is not a finite number");
}

// "800x600"; pictures smaller than this leave the preview no room to draw
// (margins of a tenth on each side, 50 pixels at least inside them).
constexpr int kMinSide = 64, kMaxSide = 8192;

std::pair<int, int> pictureSize(std::string const& text) {
  auto const parts = split(text, 'x');
  if (parts.size() == 2)
    if (auto const w = number<int>(parts[0]), h = number<int>(parts[1]); w && h)
      if (*w >= kMinSide && *w <= kMaxSide && *h >= kMinSide && *h <= kMaxSide) return {*w, *h};
  throw UsageError("--size: \"" + text + "\" is not WIDTHxHEIGHT with each side from " + std::to_string(kMinSide) +
                   " to " + std::to_string(kMaxSide) + " pixels");
}

// "contour=#RRGGBB", as COLORREF.
std::pair<Element, COLORREF> elementColor(std::string const& text) {
  auto const eq = text.find('=');
  if (eq == std::string::npos) throw UsageError("--color: \"" + text + "\" is not ELEMENT=#RRGGBB");
  Element const e = element(text.substr(0, eq));
  std::string_view hex(text);
  hex.remove_prefix(eq + 1);
  unsigned rgb = 0;
  auto const [end, ec] = std::from_chars(hex.data() + (hex.empty() ? 0 : 1), hex.data() + hex.size(), rgb, 16);
  if (hex.size() != 7 || hex[0] != '#' || ec != std::errc() || end != hex.data() + hex.size())
    throw UsageError("--color: \"" + std::string(hex) + "\" is not a colour #RRGGBB");
  return {e, RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF)};
}

using Event = zept::tools::MouseEvent;

// Every message repaints: the replay is held to a time nobody takes for a
// hang.
constexpr auto kMaxReplay = std::chrono::seconds(10);

// Plays the session as a window procedure would forward it: the key flags of
// each mouse message carry the buttons held and the keys the script holds.
void play(ZEPTCWndPresenter& presenter, std::vector<Event> const& events) {
  bool ctrl = false, shift = false, left = false, right = false;
  auto const deadline = std::chrono::steady_clock::now() + kMaxReplay;
  for (std::size_t i = 0; i < events.size(); ++i) {
    Event const& e = events[i];
    if (i % 64 == 0 && std::chrono::steady_clock::now() > deadline) {
      zept::gdi::setKeyState(VK_CONTROL, false);
      zept::gdi::setKeyState(VK_SHIFT, false);
      throw std::runtime_error("--events: the session took longer than " + std::to_string(kMaxReplay.count()) +
                               " s to replay; stopped at event " + std::to_string(i + 1));
    }
    unsigned flags = (ctrl ? MK_CONTROL : 0u) | (shift || e.shift ? MK_SHIFT : 0u) | (left ? MK_LBUTTON : 0u) |
                     (right ? MK_RBUTTON : 0u);
    CPoint const p(e.x, e.y);
    switch (e.kind) {
      case Event::kLDown: presenter.OnLButtonDown(flags | MK_LBUTTON, p); left = true; break;
      case Event::kMove: presenter.OnMouseMove(flags, p); break;
      case Event::kLUp: presenter.OnLButtonUp(flags & ~MK_LBUTTON, p); left = false; break;
      case Event::kRDown: presenter.OnRButtonDown(flags | MK_RBUTTON, p); right = true; break;
      case Event::kRUp: presenter.OnRButtonUp(flags & ~MK_RBUTTON, p); right = false; break;
      case Event::kWheel: presenter.OnMouseWheel(flags, static_cast<short>(e.delta), p); break;
      case Event::kKey:
        (e.key == VK_CONTROL ? ctrl : shift) = e.down;
        zept::gdi::setKeyState(e.key, e.down);
        break;
    }
  }
  zept::gdi::setKeyState(VK_CONTROL, false);
  zept::gdi::setKeyState(VK_SHIFT, false);
}

// A number as its shortest exact text; noise below 1e-9 of a unit is shown
// as the value it rounds to.
std::string shortest(double v) {
  double const clean = std::fabs(v - std::round(v * 1e9) / 1e9) < 1e-12 ? std::round(v * 1e9) / 1e9 : v;
  char buf[32];
  auto const [end, ec] = std::to_chars(buf, buf + sizeof buf, clean == 0 ? 0.0 : clean);
  return ec == std::errc() ? std::string(buf, end) : "null";
}

// The dimension texts: a length with at most four decimals, no trailing zeros.
std::wstring lengthText(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.4f", v);
  std::string s(buf);
  s.erase(s.find_last_not_of('0') + 1);
  if (s.back() == '.') s.pop_back();
  return zept::fromUtf8(s);
}

struct RenderOptions : SectionSource {
  std::string output;
  std::string size = "800x600";
  std::optional<int> hatch;
  std::optional<std::string> hatchAngle;
  std::vector<std::string> hide, show, colors;
  std::optional<std::string> offset, angle, pathAngle;
  bool lockAxis = false;
  bool dimLines = false;
  bool fit = true;
  std::optional<std::string> events;
};

void printPlacement(Context const& ctx, ZEPTCWndPresenter const& presenter, ZEPTCrossSection const& cs,
                    std::string const& image) {
  double const alpha = *presenter.offsetAngle();
  DtGePoint2d const offset = presenter.offsetPoint()->getPoint(&cs, &alpha);
  std::wstring const imageText = zept::fromUtf8(image);
  if (ctx.json) {
    ctx.out << "{\"offset\": [" << shortest(offset.x) << ", " << shortest(offset.y) << "], \"angle\": "
            << shortest(alpha) << ", \"pathAngle\": " << shortest(presenter.getPathAngle())
            << ", \"zoom\": " << shortest(presenter.getZoom()) << ", \"image\": " << jsonString(imageText) << "}\n";
    return;
  }
  ctx.out << "offset      " << shortest(offset.x) << "," << shortest(offset.y) << "\n"
          << "angle       " << shortest(alpha) << "\n"
          << "path angle  " << shortest(presenter.getPathAngle()) << "\n"
          << "zoom        " << shortest(presenter.getZoom()) << "\n"
          << "image       " << image << "\n";
}

void runRender(Context const& ctx, RenderOptions const& o) {
  // Everything the command line says is checked before anything is built.
  std::string extension = o.output.size() > 4 ? o.output.substr(o.output.size() - 4) : "";
  std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) { return std::tolower(c); });
  if (extension != ".png" && extension != ".svg")
    throw UsageError("-o: \"" + o.output + "\" must end in .png or .svg");
  auto const [width, height] = pictureSize(o.size);
  std::vector<std::pair<Element, bool>> visibility;
  for (auto const& list : {std::pair{&o.hide, false}, std::pair{&o.show, true}})
    for (auto const& names : *list.first)
      for (auto const& name : split(names, ',')) visibility.emplace_back(element(name), list.second);
  std::vector<std::pair<Element, COLORREF>> colors;
  for (auto const& c : o.colors) colors.push_back(elementColor(c));
  DtGePoint2d offset;
  if (o.offset) {
    auto const xy = split(*o.offset, ',');
    if (xy.size() != 2) throw UsageError("--offset: \"" + *o.offset + "\" is not X,Y");
    offset = DtGePoint2d(finite(xy[0], "--offset"), finite(xy[1], "--offset"));
  }
  double const angle = o.angle ? finite(*o.angle, "--angle") : 0.0;
  std::vector<Event> events;
  if (o.events) {
    try {
      events = zept::tools::parseEventScript(readInputFile(*o.events, "--events"), *o.events == "-" ? "stdin" : *o.events);
    } catch (zept::tools::EventScriptError const& e) {
      throw UsageError(e.what());
    }
  }

  ZEPTCrossSection cs;
  buildSection(cs, o);

  CWnd window(width, height);
  ZEPTCWndPresenter presenter;
  presenter.attachSection(&cs);
  presenter.defineWindow(&window);
  if (o.hatch) presenter.setHatchType(*o.hatch);
  if (o.hatchAngle) {
    presenter.setHatchType(-1);
    presenter.setHatchAngle(finite(*o.hatchAngle, "--hatch-angle"));
  }
  for (auto const& [e, visible] : visibility) presenter.setVisible(e, visible);
  for (auto const& [e, color] : colors) presenter.setColor(e, color);
  if (o.pathAngle) presenter.setPathAngle(finite(*o.pathAngle, "--path-angle"));
  presenter.setLockAxis(o.lockAxis);
  presenter.initOffset(ZEPTSectionPoint(offset), angle);
  if (!presenter.drawSection())
    throw std::runtime_error("the section has no area to draw (its extent is flat or empty)");
  play(presenter, events);
  // Dimensions and fit follow the placement the session ended with.
  std::vector<zept::tools::ExtentDimension> const dims =
      o.dimLines ? zept::tools::extentDimensions(cs, lengthText) : std::vector<zept::tools::ExtentDimension>{};
  zept::tools::arrangeDimensions(presenter, window, cs, dims, o.fit);
  if (!window.SaveImage(o.output)) throw UsageError("-o: cannot write \"" + o.output + "\"");
  if (o.events)
    printPlacement(ctx, presenter, cs, o.output);
  else
    printValue(ctx.out, L"image", COleVariant(zept::fromUtf8(o.output).c_str()), ctx.json);
}

}  // namespace

Command addRenderCommand(CLI::App& parent) {
  auto o = std::make_shared<RenderOptions>();
  o->command = "render";
  CLI::App* sub = parent.add_subcommand("render", "Paint the preview of a catalog size or a KORVA text to PNG or SVG");
  sub->footer(
      "Examples:\n"
      "  zeptcat render EURO IPE 300 -o ipe300.png --dims       hatched, with height and width\n"
      "  zeptcat render EURO L 80x80x8 -o l80.svg --hatch 4     a cross hatch, as vector graphics\n"
      "  zeptcat render EURO UPN 200 -o upn.png --events s.txt  after a scripted mouse session\n"
      "Elements: " + elementNames() + ".\n"
      "Hatch patterns: 0 horizontal, 1 vertical, 2 45 degrees, 3 135 degrees, 4 and 5 crossed.\n"
      "Events, one a line in window pixels (y down): ldown X Y, move X Y, lup X Y, rdown X Y [shift],\n"
      "rup X Y, wheel DELTA X Y (120 a notch), key ctrl|shift down|up; '#' starts a comment line;\n"
      "at most 100000 lines, replayed for at most 10 s.\n"
      "A left drag moves the section, a left click on a snap point puts that point on the axes, a\n"
      "right drag turns the section (with shift the path arrow), the wheel zooms. The placement the\n"
      "session ends with is printed: offset, angle and path angle in degrees, zoom.");
  sub->add_option("catalog", o->catalog, "A profile catalog's short name, in any case (EURO)");
  sub->add_option("profile", o->profile, "A profile name (IPE), matched exactly");
  sub->add_option("dims", o->dims, "The size's dimension text, as zeptcat profiles lists it (300, 80x80x8)");
  sub->add_option("--korva", o->korva, "Render this KORVA definition text instead of a catalog size")
      ->excludes("catalog");
  sub->add_option("--units", o->units, "The drawing's units: mm (the default) or in")
      ->check(CLI::IsMember({"mm", "in"}));
  sub->add_option("-o,--output", o->output, "The picture to write: FILE.png or FILE.svg")->required();
  sub->add_option("--size", o->size, "Window size WIDTHxHEIGHT in pixels (default 800x600)");
  auto* hatch = sub->add_option("--hatch", o->hatch, "Hatch pattern 0 to 5 (default 2)")->check(CLI::Range(0, 5));
  sub->add_option("--hatch-angle", o->hatchAngle, "Hatch of single lines at this angle in degrees instead")
      ->excludes(hatch);
  sub->add_option("--hide", o->hide, "Elements not to draw, comma-separated (axes,points)");
  sub->add_option("--show", o->show, "Elements to draw that are hidden by default (frame)");
  sub->add_option("--color", o->colors, "An element's colour, ELEMENT=#RRGGBB; may be repeated");
  sub->add_option("--offset", o->offset, "Placement of the section's origin relative to the axes, X,Y");
  sub->add_option("--angle", o->angle, "Rotation of the section in degrees, counter-clockwise");
  sub->add_option("--path-angle", o->pathAngle, "Direction of the path arrow in degrees");
  sub->add_flag("--lock-axis", o->lockAxis, "Keep the section still and move the axes instead");
  sub->add_flag("--dims", o->dimLines, "Add dimension lines of the section's height and width");
  sub->add_flag("--fit,!--no-fit", o->fit,
                "Shrink the view when the section or its dimensions would reach out of the picture (default on)");
  sub->add_option("--events", o->events, "Play a mouse session from FILE, or - for standard input");
  return {sub, [o](Context const& ctx) { runRender(ctx, *o); }};
}

}  // namespace zeptcat
