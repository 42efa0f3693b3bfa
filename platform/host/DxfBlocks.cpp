// SPDX-License-Identifier: MIT
// INSERT expansion on DxfFile's own vectors: each placement an affine map
// built in the insert's object coordinates, applied to the block's curves.
#include "platform/host/DxfBlocks.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <type_traits>
#include <variant>

namespace zept::dxf {
namespace {

Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vec3 operator*(double s, Vec3 a) { return {s * a.x, s * a.y, s * a.z}; }
double dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double norm(Vec3 a) { return std::sqrt(dot(a, a)); }

// Object coordinates of extrusion direction n to world coordinates and back.
struct Ocs {
  Vec3 x, y, n;
  explicit Ocs(Vec3 const& normal) : x(arbitraryAxis(normal)), y(cross(normal, x)), n(normal) {}
  Vec3 toWorld(Vec3 p) const { return p.x * x + p.y * y + p.z * n; }
  Vec3 toObject(Vec3 p) const { return {dot(p, x), dot(p, y), dot(p, n)}; }
};

// p -> m p + t.
struct Affine {
  Vec3 cx{1, 0, 0}, cy{0, 1, 0}, cz{0, 0, 1}, t;  // columns
  Vec3 linear(Vec3 v) const { return v.x * cx + v.y * cy + v.z * cz; }
  Vec3 operator()(Vec3 p) const { return linear(p) + t; }
  // This map after `inner`.
  Affine after(Affine const& inner) const { return {linear(inner.cx), linear(inner.cy), linear(inner.cz), (*this)(inner.t)}; }
};

Affine placement(Insert const& in, Vec3 const& base, long column, long row) {
  const Ocs ocs(in.normal);
  const double c = std::cos(in.rotation), s = std::sin(in.rotation);
  // Scaled about the base point, moved by the array step, turned, moved to
  // the insertion point: all in the insert's object coordinates.
  Affine local;
  local.cx = in.scale.x * Vec3{c, s, 0};
  local.cy = in.scale.y * Vec3{-s, c, 0};
  local.cz = Vec3{0, 0, in.scale.z};
  const Vec3 step{column * in.columnSpacing, row * in.rowSpacing, 0};
  local.t = in.at + Vec3{c * step.x - s * step.y, s * step.x + c * step.y, 0} - local.linear(base);
  const Affine world{ocs.x, ocs.y, ocs.n, {}};
  return world.after(local);
}

bool finite(Vec3 const& p) { return std::fabs(p.x) <= 1e100 && std::fabs(p.y) <= 1e100 && std::fabs(p.z) <= 1e100; }

class Expander {
 public:
  Expander(Blocks const& blocks, std::vector<Entity>& out, std::string& error)
      : m_blocks(blocks), m_out(out), m_error(error) {}

  bool insert(Insert const& in, Affine const& outer, std::string const& layer, int depth) {
    const auto found = m_blocks.find(in.block);
    if (found == m_blocks.end()) return fail(in, "refers to block \"" + in.block + "\", which the drawing lacks");
    if (depth >= kMaxBlockDepth)
      return fail(in, "nests blocks more than " + std::to_string(kMaxBlockDepth) + " deep (a block inserting itself?)");
    if (in.columns < 1 || in.rows < 1 || static_cast<double>(in.columns) * static_cast<double>(in.rows) > kMaxExpandedEntities)
      return fail(in, "has an array of " + std::to_string(in.columns) + " x " + std::to_string(in.rows));
    Block const& block = found->second;
    const std::optional<double> each = placedBy(block, depth);
    if (!each)
      return fail(in, "nests blocks more than " + std::to_string(kMaxBlockDepth) + " deep (a block inserting itself?)");
    // Counted before anything is made, so that a drawing naming billions of
    // curves is refused at once.
    if (static_cast<double>(m_out.size()) + *each * static_cast<double>(in.columns) * static_cast<double>(in.rows) >
        static_cast<double>(kMaxExpandedEntities))
      return fail(in, "places more than " + std::to_string(kMaxExpandedEntities) + " curves");
    // A reference on layer "0" takes the layer its own reference gives.
    const std::string& here = in.layer == "0" ? layer : in.layer;
    for (long r = 0; r < in.rows; ++r)
      for (long c = 0; c < in.columns; ++c) {
        const Affine map = outer.after(placement(in, block.base, c, r));
        for (Entity const& e : block.entities) {
          Entity placed{e.shape, e.layer == "0" ? here : e.layer};
          if (std::string why = transform(placed.shape, map); !why.empty()) return fail(in, why);
          m_out.push_back(std::move(placed));
        }
        for (Insert const& nested : block.inserts)
          if (!insert(nested, map, here, depth + 1)) return false;
      }
    return true;
  }

 private:
  // The curves one reference to `block` places; none when its references
  // nest deeper than the limit from `depth`.
  std::optional<double> placedBy(Block const& block, int depth) {
    if (depth >= kMaxBlockDepth) return std::nullopt;
    double count = static_cast<double>(block.entities.size());
    for (Insert const& nested : block.inserts) {
      const auto found = m_blocks.find(nested.block);
      if (found == m_blocks.end()) continue;  // reported when it is reached
      const std::optional<double> each = placedBy(found->second, depth + 1);
      if (!each) return std::nullopt;
      count += *each * static_cast<double>(std::max(nested.columns, 1L)) * static_cast<double>(std::max(nested.rows, 1L));
    }
    return count;
  }

  bool fail(Insert const& in, std::string const& why) {
    m_error = "line " + std::to_string(in.line) + ": INSERT of block \"" + in.block + "\" " + why;
    return false;
  }

  // The plane a map takes the plane of normal n to, and whether it keeps
  // circles circles there (a similarity of the plane).
  struct PlaneImage {
    Vec3 normal;
    double scale = 0;
    bool similar = false;
    bool inRange = true;
  };
  static PlaneImage imageOf(Affine const& m, Vec3 const& n) {
    const Ocs ocs(n);
    const Vec3 u = m.linear(ocs.x), v = m.linear(ocs.y), w = cross(u, v);
    const double lu = norm(u), lv = norm(v), lw = norm(w);
    PlaneImage image;
    image.inRange = lu <= 1e100 && lv <= 1e100;
    if (!(lw > 0) || !std::isfinite(lw)) return image;
    image.normal = (1 / lw) * w;
    image.scale = lu;
    image.similar = std::fabs(lu - lv) <= 1e-9 * lu && std::fabs(dot(u, v)) <= 1e-9 * lu * lv;
    return image;
  }

  // "" when done, else why not.
  static std::string transform(Shape& shape, Affine const& m) {
    auto bad = [](std::initializer_list<Vec3> points) {
      for (auto const& p : points)
        if (!finite(p)) return true;
      return false;
    };
    return std::visit(
        [&](auto& s) -> std::string {
          using T = std::decay_t<decltype(s)>;
          if constexpr (std::is_same_v<T, Line>) {
            s.start = m(s.start), s.end = m(s.end);
            return bad({s.start, s.end}) ? "moves its curves out of range" : "";
          } else if constexpr (std::is_same_v<T, Circle> || std::is_same_v<T, Arc>) {
            const PlaneImage image = imageOf(m, s.normal);
            if (!image.inRange) return "moves its curves out of range";
            if (!image.similar) return "scales unequally or by zero, which would make a circle no circle";
            const Ocs from(s.normal), to(image.normal);
            const Vec3 center = m(from.toWorld(s.center));
            if constexpr (std::is_same_v<T, Arc>) {
              auto angle = [&](double a) {
                const Vec3 p = to.toObject(m(from.toWorld(s.center + Vec3{s.radius * std::cos(a), s.radius * std::sin(a), 0})));
                const Vec3 c = to.toObject(center);
                return std::atan2(p.y - c.y, p.x - c.x);
              };
              const double start = angle(s.startAngle), end = angle(s.endAngle);
              s.startAngle = start, s.endAngle = end;
            }
            s.center = to.toObject(center);
            s.radius *= image.scale;
            s.normal = image.normal;
            return bad({s.center}) || !(s.radius <= 1e100) ? "moves its curves out of range" : "";
          } else if constexpr (std::is_same_v<T, Ellipse>) {
            const PlaneImage image = imageOf(m, s.normal);
            if (!image.inRange) return "moves its curves out of range";
            if (!image.similar) return "scales unequally or by zero, which would change an ellipse's axes";
            s.center = m(s.center);
            s.majorAxis = m.linear(s.majorAxis);
            s.normal = image.normal;
            return bad({s.center, s.majorAxis}) ? "moves its curves out of range" : "";
          } else if constexpr (std::is_same_v<T, Polyline>) {
            const PlaneImage image = imageOf(m, s.normal);
            if (!image.inRange) return "moves its curves out of range";
            bool bulged = false;
            for (auto const& v : s.vertices) bulged = bulged || v.bulge != 0;
            if (!(image.scale > 0) || (bulged && !image.similar))
              return "scales unequally or by zero, which would make a polyline's arcs no arcs";
            const Ocs from(s.normal), to(image.normal);
            for (auto& v : s.vertices) {
              const Vec3 p = to.toObject(m(from.toWorld({v.x, v.y, s.elevation})));
              if (!finite(p)) return "moves its curves out of range";
              v.x = p.x, v.y = p.y;
            }
            s.elevation = to.toObject(m(from.toWorld({0, 0, s.elevation}))).z;
            s.normal = image.normal;
            return "";
          } else if constexpr (std::is_same_v<T, Polyline3d>) {
            for (auto& p : s.points)
              if (!finite(p = m(p))) return "moves its curves out of range";
            return "";
          } else {
            static_assert(std::is_same_v<T, Spline>);
            // A B-spline's image is the spline of its points' images.
            for (auto* points : {&s.controlPoints, &s.fitPoints})
              for (auto& p : *points)
                if (!finite(p = m(p))) return "moves its curves out of range";
            return "";
          }
        },
        shape);
  }

  Blocks const& m_blocks;
  std::vector<Entity>& m_out;
  std::string& m_error;
};

}  // namespace

bool expandInserts(std::vector<Insert> const& inserts, Blocks const& blocks, std::vector<Entity>& out,
                   std::string& error) {
  Expander expander(blocks, out, error);
  for (Insert const& in : inserts)
    if (!expander.insert(in, Affine{}, "0", 0)) return false;
  return true;
}

}  // namespace zept::dxf
