// SPDX-License-Identifier: MIT
// Drawings: the model space and block table, the UCS, and saving and
// reading through DxfFile, entities mapped to and from its shapes.
#include "platform/host/DtDbDatabase.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <numbers>
#include <optional>

#include "platform/core/DtArray.h"
#include "platform/fs/FileOps.h"
#include "platform/fs/WinPath.h"
#include "platform/host/DtDbArc.h"
#include "platform/host/DtDbCircle.h"
#include "platform/host/DtDbEllipse.h"
#include "platform/host/DtDbLine.h"
#include "platform/host/DtDbPolyline.h"
#include "platform/host/DtDbSpline.h"
#include "platform/host/DtGePlane.h"
#include "platform/host/DxfFile.h"

namespace {

namespace dxf = zept::dxf;
constexpr double kTwoPi = 2 * std::numbers::pi;

dxf::Vec3 vec(DtGePoint3d const& p) { return {p.x, p.y, p.z}; }
dxf::Vec3 vec(DtGeVector3d const& v) { return {v.x, v.y, v.z}; }
DtGePoint3d point(dxf::Vec3 const& v) { return {v.x, v.y, v.z}; }
DtGeVector3d vector(dxf::Vec3 const& v) { return {v.x, v.y, v.z}; }

// The object coordinate system the file uses for a normal, and how far the
// entities' own plane axes for that normal are turned from its x axis (none
// when both follow the same rule).
struct Ocs {
  DtGeVector3d x, y, n;
  double turn = 0;

  explicit Ocs(DtGeVector3d const& normal) {
    n = normal.normal();
    x = vector(dxf::arbitraryAxis(vec(n)));
    y = n.crossProduct(x);
    DtGeVector3d ownX, ownY;
    DtGePlane::axesOf(n, ownX, ownY);
    turn = std::atan2(ownX.dotProduct(y), ownX.dotProduct(x));
  }
  dxf::Vec3 toOcs(DtGePoint3d const& p) const {
    const DtGeVector3d v = p.asVector();
    return {v.dotProduct(x), v.dotProduct(y), v.dotProduct(n)};
  }
  DtGePoint3d fromOcs(dxf::Vec3 const& p) const { return DtGePoint3d::kOrigin + x * p.x + y * p.y + n * p.z; }
  // 2D coordinates on the entity's own axes to the file's, and back.
  void toFile(double& u, double& v) const { rotate(u, v, turn); }
  void fromFile(double& u, double& v) const { rotate(u, v, -turn); }

 private:
  static void rotate(double& u, double& v, double angle) {
    if (angle == 0) return;
    const double c = std::cos(angle), s = std::sin(angle);
    const double ru = c * u - s * v;
    v = s * u + c * v;
    u = ru;
  }
};

// The spline's curve as cubic Bezier spans in B-spline form: each span is
// a cubic in its parameter, so four of its points give its control points
// exactly.
void splineToFile(DtDbSpline const& s, dxf::Spline& out) {
  const int n = s.numFitPoints();
  for (int i = 0; i < n; ++i) {
    DtGePoint3d p;
    s.getFitPointAt(i, p);
    out.fitPoints.push_back(vec(p));
  }
  out.closed = s.isClosed();
  if (n < 2) return;
  const int spans = n - 1;
  out.degree = 3;
  for (int k = 0; k < 4; ++k) out.knots.push_back(0);
  for (int i = 1; i < spans; ++i)
    for (int k = 0; k < 3; ++k) out.knots.push_back(i);
  for (int k = 0; k < 4; ++k) out.knots.push_back(spans);
  for (int i = 0; i < spans; ++i) {
    const DtGeVector3d b0 = s.pointAt(i).asVector(), b3 = s.pointAt(i + 1).asVector();
    const DtGeVector3d q1 = s.pointAt(i + 1.0 / 3.0).asVector(), q2 = s.pointAt(i + 2.0 / 3.0).asVector();
    const DtGeVector3d r1 = q1 * 27.0 - b0 * 8.0 - b3, r2 = q2 * 27.0 - b0 - b3 * 8.0;
    if (i == 0) out.controlPoints.push_back(vec(b0));
    out.controlPoints.push_back(vec((r1 * 2.0 - r2) / 18.0));
    out.controlPoints.push_back(vec((r2 * 2.0 - r1) / 18.0));
    out.controlPoints.push_back(vec(b3));
  }
}

std::optional<dxf::Shape> toFile(DtDbEntity const* e) {
  if (auto l = DtDbLine::cast(e)) return dxf::Line{vec(l->startPoint()), vec(l->endPoint())};
  if (auto c = DtDbCircle::cast(e)) {
    const Ocs ocs(c->normal());
    return dxf::Circle{ocs.toOcs(c->center()), c->radius(), vec(ocs.n)};
  }
  if (auto a = DtDbArc::cast(e)) {
    const Ocs ocs(a->normal());
    return dxf::Arc{ocs.toOcs(a->center()), a->radius(), a->startAngle() + ocs.turn, a->endAngle() + ocs.turn,
                    vec(ocs.n)};
  }
  if (auto el = DtDbEllipse::cast(e)) {
    dxf::Ellipse out{vec(el->center()), vec(el->majorAxis()), el->radiusRatio(), el->startParam(), el->endParam(),
                     vec(el->normal().normal())};
    if (el->radiusRatio() > 1) {
      // The file wants the longer axis as the major one: the minor axis
      // becomes it, and parameters move back a quarter turn.
      out.majorAxis = vec(el->minorAxis());
      out.ratio = 1 / el->radiusRatio();
      out.startParam -= std::numbers::pi / 2;
      out.endParam -= std::numbers::pi / 2;
    }
    if (el->isClosed()) out.startParam = out.endParam = 0;
    return out;
  }
  if (auto pl = DtDbPolyline::cast(e)) {
    const Ocs ocs(pl->normal());
    dxf::Polyline out;
    out.closed = pl->isClosed();
    out.elevation = pl->elevation();
    out.normal = vec(ocs.n);
    for (unsigned i = 0; i < pl->numVerts(); ++i) {
      DtGePoint2d p;
      double bulge = 0;
      pl->getPointAt(i, p);
      pl->getBulgeAt(i, bulge);
      double u = p.x, v = p.y;
      ocs.toFile(u, v);
      out.vertices.push_back({u, v, bulge});
    }
    return out;
  }
  if (auto s = DtDbSpline::cast(e)) {
    if (s->numFitPoints() < 2) return std::nullopt;
    dxf::Spline out;
    splineToFile(*s, out);
    return out;
  }
  return std::nullopt;
}

// A point of a (rational) B-spline by de Boor's scheme.
DtGePoint3d splinePoint(dxf::Spline const& s, double u) {
  const int p = s.degree;
  const int nCtrl = static_cast<int>(s.controlPoints.size());
  int k = p;
  while (k < nCtrl - 1 && u >= s.knots[k + 1]) ++k;
  std::vector<std::array<double, 4>> d(p + 1);
  for (int j = 0; j <= p; ++j) {
    const auto& c = s.controlPoints[j + k - p];
    const double w = s.weights.empty() ? 1.0 : s.weights[j + k - p];
    d[j] = {c.x * w, c.y * w, c.z * w, w};
  }
  for (int r = 1; r <= p; ++r)
    for (int j = p; j >= r; --j) {
      const double lo = s.knots[j + k - p], hi = s.knots[j + 1 + k - r];
      const double a = hi > lo ? (u - lo) / (hi - lo) : 0;
      for (int c = 0; c < 4; ++c) d[j][c] = (1 - a) * d[j - 1][c] + a * d[j][c];
    }
  const double w = d[p][3] != 0 ? d[p][3] : 1;
  return {d[p][0] / w, d[p][1] / w, d[p][2] / w};
}

// Fit points of a file's spline: its own, or points of its curve when it
// has control points only (then the curve through them is close to, not
// the same as, the file's). Empty for inconsistent data.
DtArray<DtGePoint3d> splineFitPoints(dxf::Spline const& s) {
  DtArray<DtGePoint3d> fit;
  if (s.fitPoints.size() >= 2) {
    for (auto const& p : s.fitPoints) fit.append(point(p));
    if (s.closed && !fit[0].isEqualTo(fit[fit.length() - 1])) fit.append(fit[0]);
    return fit;
  }
  const std::size_t nCtrl = s.controlPoints.size();
  const std::size_t p = static_cast<std::size_t>(s.degree);
  if (nCtrl <= p || s.knots.size() != nCtrl + p + 1 || (!s.weights.empty() && s.weights.size() != nCtrl) ||
      !std::is_sorted(s.knots.begin(), s.knots.end()) || !(s.knots[nCtrl] > s.knots[p]))
    return fit;
  constexpr int kPerSpan = 4;
  for (std::size_t k = p; k < nCtrl; ++k) {
    const double lo = s.knots[k], hi = s.knots[k + 1];
    if (!(hi > lo)) continue;
    for (int i = 0; i < kPerSpan; ++i) fit.append(splinePoint(s, lo + (hi - lo) * i / kPerSpan));
  }
  fit.append(splinePoint(s, s.knots[nCtrl]));
  return fit;
}

// The entities a file's shape becomes (several for a 3D polyline).
void fromFile(dxf::Entity const& e, DtDbEntityList::Store& out) {
  std::vector<std::unique_ptr<DtDbEntity>> made;
  if (auto l = std::get_if<dxf::Line>(&e.shape)) {
    made.push_back(std::make_unique<DtDbLine>(point(l->start), point(l->end)));
  } else if (auto c = std::get_if<dxf::Circle>(&e.shape)) {
    const Ocs ocs(vector(c->normal));
    made.push_back(std::make_unique<DtDbCircle>(ocs.fromOcs(c->center), ocs.n, c->radius));
  } else if (auto a = std::get_if<dxf::Arc>(&e.shape)) {
    const Ocs ocs(vector(a->normal));
    made.push_back(std::make_unique<DtDbArc>(ocs.fromOcs(a->center), ocs.n, a->radius, a->startAngle - ocs.turn,
                                             a->endAngle - ocs.turn));
  } else if (auto el = std::get_if<dxf::Ellipse>(&e.shape)) {
    const bool whole = el->startParam == el->endParam;
    made.push_back(std::make_unique<DtDbEllipse>(point(el->center), vector(el->normal), vector(el->majorAxis),
                                                 el->ratio, whole ? 0.0 : el->startParam,
                                                 whole ? kTwoPi : el->endParam));
  } else if (auto pl = std::get_if<dxf::Polyline>(&e.shape)) {
    if (pl->vertices.empty()) return;
    const Ocs ocs(vector(pl->normal));
    auto poly = std::make_unique<DtDbPolyline>(static_cast<unsigned>(pl->vertices.size()));
    for (auto const& v : pl->vertices) {
      double u = v.x, w = v.y;
      ocs.fromFile(u, w);
      poly->addVertexAt(poly->numVerts(), DtGePoint2d(u, w), v.bulge);
    }
    poly->setClosed(pl->closed);
    poly->setNormal(ocs.n);
    poly->setElevation(pl->elevation);
    made.push_back(std::move(poly));
  } else if (auto p3 = std::get_if<dxf::Polyline3d>(&e.shape)) {
    const std::size_t n = p3->points.size();
    for (std::size_t i = 0; i + 1 < n; ++i)
      made.push_back(std::make_unique<DtDbLine>(point(p3->points[i]), point(p3->points[i + 1])));
    if (p3->closed && n > 2) made.push_back(std::make_unique<DtDbLine>(point(p3->points[n - 1]), point(p3->points[0])));
  } else if (auto s = std::get_if<dxf::Spline>(&e.shape)) {
    const DtArray<DtGePoint3d> fit = splineFitPoints(*s);
    if (fit.length() >= 2) made.push_back(std::make_unique<DtDbSpline>(fit));
  }
  for (auto& m : made) {
    m->setLayer(CString::fromUtf8(e.layer));
    out.push_back(std::move(m));
  }
}

bool isRigid(DtGeVector3d const& x, DtGeVector3d const& y, DtGeVector3d const& z) {
  constexpr double kTol = 1e-9;
  return std::fabs(x.length() - 1) < kTol && std::fabs(y.length() - 1) < kTol && std::fabs(x.dotProduct(y)) < kTol &&
         (x.crossProduct(y) - z).length() < kTol;
}

std::atomic<DtDbDatabase*> g_working{nullptr};

}  // namespace

// ---- block table and record

Dt::ErrorStatus DtDbBlockTableRecord::appendDtDbEntity(DtDbEntity* entity) {
  if (!entity || entity->database()) return Dt::eInvalidInput;
  entity->setDatabase(m_database);
  m_entities.emplace_back(entity);
  return Dt::eOk;
}

bool DtDbBlockTable::has(wchar_t const* name) const {
  return name && m_modelSpace && m_modelSpace->getName().CompareNoCase(name) == 0;
}

Dt::ErrorStatus DtDbBlockTable::getAt(wchar_t const* name, DtDbBlockTableRecord*& record, DtDb::OpenMode,
                                      bool) const {
  record = nullptr;
  if (!has(name)) return Dt::eKeyNotFound;
  record = m_modelSpace;
  return Dt::eOk;
}

// ---- database

DtDbDatabase::DtDbDatabase(bool buildDefaultDrawing, bool) {
  if (buildDefaultDrawing) {
    m_modelSpace = std::make_unique<DtDbBlockTableRecord>(this, CString(L"*Model_Space"));
    m_blockTable = std::make_unique<DtDbBlockTable>(m_modelSpace.get());
  }
}

DtDbDatabase::~DtDbDatabase() {
  DtDbDatabase* self = this;
  g_working.compare_exchange_strong(self, nullptr);
}

Dt::ErrorStatus DtDbDatabase::setMeasurement(DtDb::MeasurementValue value) {
  if (value != DtDb::kEnglish && value != DtDb::kMetric) return Dt::eInvalidInput;
  m_measurement = value;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbDatabase::getBlockTable(DtDbBlockTable*& table, DtDb::OpenMode) {
  table = m_blockTable.get();
  return table ? Dt::eOk : Dt::eNoDatabase;
}

DtDbEntityList DtDbDatabase::modelSpace() const {
  static const DtDbEntityList::Store none;
  return DtDbEntityList(m_modelSpace ? m_modelSpace->m_entities : none);
}

Dt::ErrorStatus DtDbDatabase::setUcsMatrix(DtGeMatrix3d const& ucs) {
  DtGePoint3d origin;
  DtGeVector3d x, y, z;
  ucs.getCoordSystem(origin, x, y, z);
  const bool affine = ucs(3, 0) == 0 && ucs(3, 1) == 0 && ucs(3, 2) == 0 && ucs(3, 3) == 1;
  if (!affine || !std::isfinite(origin.x) || !std::isfinite(origin.y) || !std::isfinite(origin.z) ||
      !isRigid(x, y, z))
    return Dt::eInvalidInput;
  m_ucs = ucs;
  return Dt::eOk;
}

Dt::ErrorStatus DtDbDatabase::saveAs(wchar_t const* path) { return save(path, true); }

Dt::ErrorStatus DtDbDatabase::saveAsNew(wchar_t const* path) { return save(path, false); }

Dt::ErrorStatus DtDbDatabase::fail(Dt::ErrorStatus status, std::string const& why) {
  m_errorText = CString::fromUtf8(why);
  return status;
}

Dt::ErrorStatus DtDbDatabase::save(wchar_t const* path, bool replace) {
  m_errorText = L"";
  if (!path || !*path) return fail(Dt::eInvalidInput, "no file name");
  const auto posix = zept::fs::resolve(path);
  if (!posix) return fail(Dt::eFileAccessErr, "the folder does not exist");
  const bool exists = zept::fs::fileExists(path);
  if (exists && !replace) return fail(Dt::eFileExists, "the file exists");
  if (exists && zept::fs::isReadOnly(path)) return fail(Dt::eFileAccessErr, "the file is read-only");

  dxf::Drawing drawing;
  drawing.measurement = m_measurement;
  DtGePoint3d origin;
  DtGeVector3d x, y, z;
  m_ucs.getCoordSystem(origin, x, y, z);
  drawing.ucsOrigin = vec(origin);
  drawing.ucsXAxis = vec(x);
  drawing.ucsYAxis = vec(y);
  for (DtDbEntity* e : modelSpace())
    if (auto shape = toFile(e)) drawing.entities.push_back({std::move(*shape), e->layer().toUtf8()});
  std::string error;
  if (!dxf::write(*posix, drawing, replace, error)) {
    if (error.rfind("cannot be read back", 0) == 0) return fail(Dt::eInvalidInput, error);
    if (!replace && zept::fs::fileExists(path)) return fail(Dt::eFileExists, "the file exists");
    return fail(Dt::eFileAccessErr, error);
  }
  return Dt::eOk;
}

Dt::ErrorStatus DtDbDatabase::readDxfFile(wchar_t const* path) {
  m_errorText = L"";
  if (!path || !*path) return fail(Dt::eInvalidInput, "no file name");
  const auto posix = zept::fs::resolve(path);
  if (!posix || !zept::fs::fileExists(path)) return fail(Dt::eFileNotFound, "no such file");
  dxf::Drawing drawing;
  std::string error;
  if (!dxf::read(*posix, drawing, error)) {
    const bool access = error.rfind("cannot open", 0) == 0 || error.rfind("cannot read", 0) == 0;
    return fail(access ? Dt::eFileAccessErr : Dt::eInvalidDxfFile, error);
  }

  DtDbEntityList::Store entities;
  entities.reserve(drawing.entities.size());
  // Each file shape goes once converted, so the two forms of a large drawing
  // are never held whole at once.
  for (auto& e : drawing.entities) {
    fromFile(e, entities);
    e.shape = dxf::Line{};
  }
  DtGeMatrix3d ucs;
  {
    const DtGeVector3d x = vector(drawing.ucsXAxis), y = vector(drawing.ucsYAxis);
    const DtGeVector3d z = x.crossProduct(y);
    if (z.length() > 1e-9) {
      const DtGeVector3d ux = x.normal(), uz = z.normal();
      ucs.setCoordSystem(point(drawing.ucsOrigin), ux, uz.crossProduct(ux), uz);
    }
  }
  if (!m_modelSpace) {
    m_modelSpace = std::make_unique<DtDbBlockTableRecord>(this, CString(L"*Model_Space"));
    m_blockTable = std::make_unique<DtDbBlockTable>(m_modelSpace.get());
  }
  for (auto& e : entities) e->setDatabase(this);
  m_modelSpace->m_entities = std::move(entities);
  m_measurement = drawing.measurement == 0 ? DtDb::kEnglish : DtDb::kMetric;
  m_ucs = ucs;
  return Dt::eOk;
}

// ---- the host's current drawing

DtDbDatabase* dtdbWorkingDatabase() { return g_working.load(); }

void dtdbSetWorkingDatabase(DtDbDatabase* database) { g_working.store(database); }

Dt::ErrorStatus dtdbUcsMatrix(DtGeMatrix3d& ucs, DtDbDatabase const* database) {
  if (!database) database = dtdbWorkingDatabase();
  if (!database) return Dt::eNoDatabase;
  ucs = database->ucsMatrix();
  return Dt::eOk;
}

Dt::ErrorStatus dtedSetCurrentUCS(DtGeMatrix3d const& ucs) {
  DtDbDatabase* database = dtdbWorkingDatabase();
  return database ? database->setUcsMatrix(ucs) : Dt::eNoDatabase;
}
