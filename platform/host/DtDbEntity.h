// SPDX-License-Identifier: MIT
// DtDbEntity: the base of every drawing entity. Entities are plain objects
// that need no drawing to exist, be copied, moved about or made into
// regions; a drawing that holds one sets its database. clone() gives a new
// copy the caller owns. Class tests: isKindOf<T>() is true for T and every
// class derived from it; T::cast gives null for an entity of another class.
#pragma once

#include <type_traits>

#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"
#include "platform/host/DtGeMatrix3d.h"
#include "platform/host/DtGePlane.h"
#include "platform/host/DtGePoint3d.h"

ZEPTDB_BEGIN_EXPORTS

class DtDbDatabase;

class DtDbEntity {
 public:
  virtual ~DtDbEntity() = default;

  virtual DtDbEntity* clone() const = 0;
  // eCannotScaleNonUniformly (entity unchanged) when the entity cannot take
  // the map's shape, e.g. a circle under a non-uniform scaling; eInvalidInput
  // for a singular or non-finite matrix.
  virtual Dt::ErrorStatus transformBy(DtGeMatrix3d const& m) = 0;
  // The plane the entity lies in. A straight line is kLinear (the plane then
  // holds the line); an entity whose points span space is kNonPlanar.
  virtual Dt::ErrorStatus getPlane(DtGePlane& plane, DtDb::Planarity& planarity) const = 0;

  template <typename T>
  bool isKindOf() const {
    if constexpr (std::is_base_of_v<T, DtDbEntity>)
      return true;
    else
      return dynamic_cast<T const*>(this) != nullptr;
  }
  static DtDbEntity* cast(DtDbEntity* entity) { return entity; }
  static DtDbEntity const* cast(DtDbEntity const* entity) { return entity; }

  // The drawing that holds the entity, or null.
  DtDbDatabase* database() const { return m_database; }
  void setDatabase(DtDbDatabase* database) { m_database = database; }
  // Ends an open-for-write; entities here are never locked, so it only says eOk.
  Dt::ErrorStatus close() { return Dt::eOk; }

  CString const& layer() const { return m_layer; }
  void setLayer(CString const& layer) { m_layer = layer; }

 protected:
  DtDbEntity() = default;
  // A copy belongs to no drawing.
  DtDbEntity(DtDbEntity const& other) : m_layer(other.m_layer) {}
  DtDbEntity& operator=(DtDbEntity const& other) {
    m_layer = other.m_layer;
    return *this;
  }

 private:
  DtDbDatabase* m_database = nullptr;
  CString m_layer = L"0";
};

// Helper for the class tests of the classes below.
#define DTDB_DECLARE_CAST(Class)                                                                         \
  static Class* cast(DtDbEntity* entity) { return dynamic_cast<Class*>(entity); }                         \
  static Class const* cast(DtDbEntity const* entity) { return dynamic_cast<Class const*>(entity); }

// A curve: something with a start and an end point (equal for a closed one).
class DtDbCurve : public DtDbEntity {
 public:
  DTDB_DECLARE_CAST(DtDbCurve)

  virtual DtGePoint3d startPoint() const = 0;
  virtual DtGePoint3d endPoint() const = 0;
  virtual bool isClosed() const = 0;
  Dt::ErrorStatus getStartPoint(DtGePoint3d& point) const {
    point = startPoint();
    return Dt::eOk;
  }
  Dt::ErrorStatus getEndPoint(DtGePoint3d& point) const {
    point = endPoint();
    return Dt::eOk;
  }

 protected:
  DtDbCurve() = default;
  DtDbCurve(DtDbCurve const&) = default;
  DtDbCurve& operator=(DtDbCurve const&) = default;
};

ZEPTDB_END_EXPORTS
