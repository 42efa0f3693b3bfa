// SPDX-License-Identifier: MIT
// Assembly and solution of the warping and shear functions on six-node
// triangles, and the values integrated from them; relies on Eigen's sparse
// LDL^T factorisation.
#include "platform/shape/WarpingSolution.h"

#include <array>
#include <cmath>
#include <numeric>
#include <vector>

#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

namespace zept::shape {
namespace {

// Six-point rule exact to degree 4 on the triangle (barycentric, weights
// summing to 1).
struct QuadPoint {
  double xi, eta, w;
};
constexpr double kA = 0.445948490915965, kWa = 0.223381589678011;
constexpr double kB = 0.091576213509771, kWb = 0.109951743655322;
constexpr std::array<QuadPoint, 6> kRule{{{kA, kA, kWa},
                                          {1 - 2 * kA, kA, kWa},
                                          {kA, 1 - 2 * kA, kWa},
                                          {kB, kB, kWb},
                                          {1 - 2 * kB, kB, kWb},
                                          {kB, 1 - 2 * kB, kWb}}};
// The reference positions of the six nodes.
constexpr std::array<QuadPoint, 6> kNodes{{{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {0.5, 0, 0}, {0.5, 0.5, 0}, {0, 0.5, 0}}};

// Shape functions, their gradients in x and y, the point and the area
// element at one reference point of one element.
struct Sample {
  std::array<double, 6> n, bx, by;
  double x = 0, y = 0, dA = 0;
};

Sample sample(std::vector<Vec> const& nodes, std::array<int, 6> const& el, QuadPoint const& q, Vec shift) {
  double const l1 = 1.0 - q.xi - q.eta, l2 = q.xi, l3 = q.eta;
  Sample s;
  s.n = {l1 * (2 * l1 - 1), l2 * (2 * l2 - 1), l3 * (2 * l3 - 1), 4 * l1 * l2, 4 * l2 * l3, 4 * l3 * l1};
  std::array<double, 6> const dxi{-(4 * l1 - 1), 4 * l2 - 1, 0.0, 4 * (l1 - l2), 4 * l3, -4 * l3};
  std::array<double, 6> const deta{-(4 * l1 - 1), 0.0, 4 * l3 - 1, -4 * l2, 4 * l2, 4 * (l1 - l3)};
  double xXi = 0, yXi = 0, xEta = 0, yEta = 0;
  for (std::size_t k = 0; k < 6; ++k) {
    Vec const p = nodes[static_cast<std::size_t>(el[k])] - shift;
    s.x += s.n[k] * p.x;
    s.y += s.n[k] * p.y;
    xXi += dxi[k] * p.x, yXi += dxi[k] * p.y;
    xEta += deta[k] * p.x, yEta += deta[k] * p.y;
  }
  double const det = xXi * yEta - yXi * xEta;
  for (std::size_t k = 0; k < 6; ++k) {
    s.bx[k] = (yEta * dxi[k] - yXi * deta[k]) / det;
    s.by[k] = (-xEta * dxi[k] + xXi * deta[k]) / det;
  }
  s.dA = det * 0.5 * q.w;
  return s;
}

// The vectors d (force along x) and h (along y) of the shear functions'
// boundary conditions at a point, in that order: dx, dy, hx, hy.
std::array<double, 4> shearTerms(Sample const& s, double ixx, double iyy, double ixy, double nu) {
  double const r = s.x * s.x - s.y * s.y, p = s.x * s.y;
  return {nu * (ixx * r / 2 - ixy * p), nu * (ixy * r / 2 + ixx * p), nu * (ixy * r / 2 - iyy * p),
          nu * (-ixy * p - iyy * r / 2)};
}

int findRoot(std::vector<int>& parent, int i) {
  while (parent[static_cast<std::size_t>(i)] != i) {
    parent[static_cast<std::size_t>(i)] = parent[static_cast<std::size_t>(parent[static_cast<std::size_t>(i)])];
    i = parent[static_cast<std::size_t>(i)];
  }
  return i;
}

}  // namespace

std::optional<Warping> solveWarping(Mesh const& mesh, CentroidalMoments const& exact, double nu) {
  std::size_t const n = mesh.nodes.size();
  // Every quadrature point once; its position is moved to the mesh's own
  // centroid below, the only place the shift enters.
  std::vector<Sample> samples;
  samples.reserve(mesh.elements.size() * kRule.size());
  for (auto const& el : mesh.elements)
    for (QuadPoint const& q : kRule) samples.push_back(sample(mesh.nodes, el, q, Vec{}));
  // The mesh's own centroid and moments: the Neumann problems are solvable
  // only for loads that balance on the mesh itself.
  double area = 0, sx = 0, sy = 0, xx = 0, yy = 0, xy = 0;
  for (Sample const& s : samples) {
    if (!(s.dA > 0.0)) return std::nullopt;
    area += s.dA, sx += s.x * s.dA, sy += s.y * s.dA;
  }
  Vec const shift{sx / area, sy / area};
  for (Sample& s : samples) {
    s.x -= shift.x, s.y -= shift.y;
    xx += s.x * s.x * s.dA, yy += s.y * s.y * s.dA, xy += s.x * s.y * s.dA;
  }
  double const ixx = yy, iyy = xx, ixy = xy;

  // One fixed node per connected part removes the free constant of each.
  std::vector<int> parent(n);
  std::iota(parent.begin(), parent.end(), 0);
  for (auto const& el : mesh.elements)
    for (std::size_t k = 1; k < 6; ++k) parent[static_cast<std::size_t>(findRoot(parent, el[k]))] = findRoot(parent, el[0]);
  std::vector<int> freeIndex(n, -1);
  int count = 0;
  for (std::size_t i = 0; i < n; ++i)
    if (findRoot(parent, static_cast<int>(i)) != static_cast<int>(i)) freeIndex[i] = count++;

  std::vector<Eigen::Triplet<double>> triplets;
  triplets.reserve(mesh.elements.size() * 36);
  Eigen::MatrixXd load = Eigen::MatrixXd::Zero(count, 3);
  std::vector<double> omegaLoad(n, 0.0);
  for (std::size_t e = 0; e < mesh.elements.size(); ++e) {
    auto const& el = mesh.elements[e];
    double ke[6][6] = {};
    for (std::size_t qi = 0; qi < kRule.size(); ++qi) {
      Sample const& s = samples[e * kRule.size() + qi];
      auto const [dx, dy, hx, hy] = shearTerms(s, ixx, iyy, ixy, nu);
      for (std::size_t i = 0; i < 6; ++i) {
        for (std::size_t j = 0; j < 6; ++j) ke[i][j] += (s.bx[i] * s.bx[j] + s.by[i] * s.by[j]) * s.dA;
        double const fw = (s.bx[i] * s.y - s.by[i] * s.x) * s.dA;
        omegaLoad[static_cast<std::size_t>(el[i])] += fw;
        int const row = freeIndex[static_cast<std::size_t>(el[i])];
        if (row < 0) continue;
        load(row, 0) += fw;
        load(row, 1) += (s.n[i] * 2 * (1 + nu) * (ixx * s.x - ixy * s.y) + s.bx[i] * dx + s.by[i] * dy) * s.dA;
        load(row, 2) += (s.n[i] * 2 * (1 + nu) * (iyy * s.y - ixy * s.x) + s.bx[i] * hx + s.by[i] * hy) * s.dA;
      }
    }
    for (std::size_t i = 0; i < 6; ++i) {
      int const row = freeIndex[static_cast<std::size_t>(el[i])];
      if (row < 0) continue;
      for (std::size_t j = 0; j < 6; ++j) {
        int const col = freeIndex[static_cast<std::size_t>(el[j])];
        if (col >= 0) triplets.emplace_back(row, col, ke[i][j]);
      }
    }
  }
  Eigen::SparseMatrix<double> k(count, count);
  k.setFromTriplets(triplets.begin(), triplets.end());
  Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> solver(k);
  if (solver.info() != Eigen::Success) return std::nullopt;
  Eigen::MatrixXd const x = solver.solve(load);
  if (solver.info() != Eigen::Success || !x.allFinite()) return std::nullopt;
  std::vector<double> omega(n, 0.0), psi(n, 0.0), phi(n, 0.0);
  for (std::size_t i = 0; i < n; ++i)
    if (freeIndex[i] >= 0) omega[i] = x(freeIndex[i], 0), psi[i] = x(freeIndex[i], 1), phi[i] = x(freeIndex[i], 2);

  Warping w;
  double energy = 0.0;  // omega . K omega = omega . load
  for (std::size_t i = 0; i < n; ++i) energy += omega[i] * omegaLoad[i];
  w.it = exact.ixx + exact.iyy - energy;

  // Trefftz's shear centre: the warping about it is orthogonal to x and y.
  double iwx = 0, iwy = 0, kx = 0, ky = 0;
  for (std::size_t e = 0; e < mesh.elements.size(); ++e)
    for (std::size_t qi = 0; qi < kRule.size(); ++qi) {
      auto const& el = mesh.elements[e];
      Sample const& s = samples[e * kRule.size() + qi];
      double om = 0, psx = 0, psy = 0, phx = 0, phy = 0;
      for (std::size_t i = 0; i < 6; ++i) {
        auto const g = static_cast<std::size_t>(el[i]);
        om += s.n[i] * omega[g];
        psx += s.bx[i] * psi[g], psy += s.by[i] * psi[g];
        phx += s.bx[i] * phi[g], phy += s.by[i] * phi[g];
      }
      iwx += om * s.x * s.dA, iwy += om * s.y * s.dA;
      auto const [dx, dy, hx, hy] = shearTerms(s, ixx, iyy, ixy, nu);
      kx += ((psx - dx) * (psx - dx) + (psy - dy) * (psy - dy)) * s.dA;
      ky += ((phx - hx) * (phx - hx) + (phy - hy) * (phy - hy)) * s.dA;
    }
  double const det = ixx * iyy - ixy * ixy;
  double const xs = (ixy * iwx - iyy * iwy) / det, ys = (ixx * iwx - ixy * iwy) / det;
  w.shearCentre = Vec{xs + shift.x, ys + shift.y};
  double ws = 0, ws2 = 0;
  for (std::size_t e = 0; e < mesh.elements.size(); ++e)
    for (std::size_t qi = 0; qi < kRule.size(); ++qi) {
      auto const& el = mesh.elements[e];
      Sample const& s = samples[e * kRule.size() + qi];
      double om = 0;
      for (std::size_t i = 0; i < 6; ++i) om += s.n[i] * omega[static_cast<std::size_t>(el[i])];
      om += -ys * s.x + xs * s.y;
      ws += om * s.dA, ws2 += om * om * s.dA;
    }
  w.iw = std::max(0.0, ws2 - ws * ws / area);
  double const ds = 2.0 * (1.0 + nu) * det;
  w.shearAreaX = kx > 0.0 ? ds * ds / kx : 0.0;
  w.shearAreaY = ky > 0.0 ? ds * ds / ky : 0.0;

  // The largest shear stress per unit twist, from nodal averages of the
  // element gradients (a corner value of one element alone is less exact).
  std::vector<double> tx(n, 0.0), ty(n, 0.0);
  std::vector<int> seen(n, 0);
  for (auto const& el : mesh.elements)
    for (std::size_t k = 0; k < 6; ++k) {
      Sample const s = sample(mesh.nodes, el, kNodes[k], shift);
      double gx = 0, gy = 0;
      for (std::size_t i = 0; i < 6; ++i) {
        gx += s.bx[i] * omega[static_cast<std::size_t>(el[i])];
        gy += s.by[i] * omega[static_cast<std::size_t>(el[i])];
      }
      auto const g = static_cast<std::size_t>(el[k]);
      Vec const p = mesh.nodes[g] - shift;
      tx[g] += gx - p.y, ty[g] += gy + p.x;
      ++seen[g];
    }
  double tmax = 0.0;
  for (std::size_t i = 0; i < n; ++i)
    if (seen[i] > 0) tmax = std::max(tmax, std::hypot(tx[i], ty[i]) / seen[i]);
  w.wt = tmax > 0.0 ? w.it / tmax : 0.0;
  if (!std::isfinite(w.it) || !std::isfinite(w.iw) || !std::isfinite(w.wt)) return std::nullopt;
  return w;
}

}  // namespace zept::shape
