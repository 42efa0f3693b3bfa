// SPDX-License-Identifier: MIT
// DtDbDatabase: a drawing. It owns its entities: a block table with the
// model space "*Model_Space", whose entities are kept in drawing order, the
// unit system, and the user coordinate system last set. Drawings are saved
// and read as ASCII DXF files (DXF R2000 when saved).
//
// Paths are Windows-style or POSIX, as everywhere in the library. Saving
// never creates a folder, and the target file is either the whole new
// drawing or what it was before. Reading refuses an unreadable, truncated
// or non-DXF file with eInvalidDxfFile and leaves the drawing as it was;
// errorText() then says why.
//
// What a DXF file keeps: lines, circles, arcs, ellipses, lightweight
// polylines (with their plane) and splines (fit points, with the exact
// curve as control points). Other entities are not written; reading takes
// the model-space curves of those kinds, 2D POLYLINEs as lightweight
// polylines and 3D ones as lines, and passes over everything else (blocks
// are not expanded).
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/CString.h"
#include "platform/core/Export.h"
#include "platform/host/DtDb.h"
#include "platform/host/DtDbEntity.h"
#include "platform/host/DtGeMatrix3d.h"
#include "platform/host/DtGeTol.h"

ZEPTDB_BEGIN_EXPORTS

namespace DtDb {

// How a table or record is opened. Here nothing is locked: the mode only
// says what the caller means to do.
enum OpenMode : int {
  kForRead = 0,
  kForWrite = 1,
  kForNotify = 2,
};

}  // namespace DtDb

// The entities of a block in drawing order; a range-for gives DtDbEntity*.
class DtDbEntityList {
 public:
  using Store = std::vector<std::unique_ptr<DtDbEntity>>;
  class const_iterator {
   public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = DtDbEntity*;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = DtDbEntity*;

    const_iterator() = default;
    explicit const_iterator(Store::const_iterator it) : m_it(it) {}
    DtDbEntity* operator*() const { return m_it->get(); }
    const_iterator& operator++() {
      ++m_it;
      return *this;
    }
    const_iterator operator++(int) { return const_iterator(m_it++); }
    bool operator==(const_iterator const& other) const = default;

   private:
    Store::const_iterator m_it;
  };
  using iterator = const_iterator;

  explicit DtDbEntityList(Store const& store) : m_store(&store) {}
  const_iterator begin() const { return const_iterator(m_store->begin()); }
  const_iterator end() const { return const_iterator(m_store->end()); }
  std::size_t size() const { return m_store->size(); }
  bool empty() const { return m_store->empty(); }
  DtDbEntity* operator[](std::size_t i) const { return (*m_store)[i].get(); }

 private:
  Store const* m_store;
};

// A block: a named list of entities the drawing owns.
class DtDbBlockTableRecord {
 public:
  explicit DtDbBlockTableRecord(DtDbDatabase* database, CString name)
      : m_database(database), m_name(std::move(name)) {}
  DtDbBlockTableRecord(DtDbBlockTableRecord const&) = delete;
  DtDbBlockTableRecord& operator=(DtDbBlockTableRecord const&) = delete;

  CString const& getName() const { return m_name; }
  // Takes `entity` over (the drawing deletes it) and sets its database.
  // eInvalidInput for null, an entity of another drawing or one appended
  // already.
  Dt::ErrorStatus appendDtDbEntity(DtDbEntity* entity);
  DtDbEntityList entities() const { return DtDbEntityList(m_entities); }
  Dt::ErrorStatus close() { return Dt::eOk; }

 private:
  friend class DtDbDatabase;
  DtDbDatabase* m_database;
  CString m_name;
  DtDbEntityList::Store m_entities;
};

// The drawing's blocks by name (only "*Model_Space" here).
class DtDbBlockTable {
 public:
  explicit DtDbBlockTable(DtDbBlockTableRecord* modelSpace) : m_modelSpace(modelSpace) {}
  bool has(wchar_t const* name) const;
  // eKeyNotFound for a name the table does not hold (compared ignoring case,
  // as the host does); openErased is accepted for the host's signature.
  Dt::ErrorStatus getAt(wchar_t const* name, DtDbBlockTableRecord*& record, DtDb::OpenMode mode,
                        bool openErased = false) const;
  Dt::ErrorStatus close() { return Dt::eOk; }

 private:
  DtDbBlockTableRecord* m_modelSpace;
};

class DtDbDatabase {
 public:
  // With `buildDefaultDrawing` the drawing starts with its block table and an
  // empty model space, metric; without, it has no block table until a file
  // is read into it. `noDocument` is accepted for the host's signature.
  explicit DtDbDatabase(bool buildDefaultDrawing = true, bool noDocument = false);
  ~DtDbDatabase();
  DtDbDatabase(DtDbDatabase const&) = delete;
  DtDbDatabase& operator=(DtDbDatabase const&) = delete;

  DtDb::MeasurementValue measurement() const { return m_measurement; }
  // eInvalidInput for a value other than kEnglish and kMetric.
  Dt::ErrorStatus setMeasurement(DtDb::MeasurementValue value);

  // eNoDatabase when the drawing has no block table yet.
  Dt::ErrorStatus getBlockTable(DtDbBlockTable*& table, DtDb::OpenMode mode);
  // The model-space entities in drawing order (none without a block table).
  DtDbEntityList modelSpace() const;

  // The user coordinate system: the map from its coordinates to the world's
  // (identity by default; read from and saved to the file's header).
  DtGeMatrix3d const& ucsMatrix() const { return m_ucs; }
  // eInvalidInput for a matrix that is not a rigid motion (orthonormal axes).
  Dt::ErrorStatus setUcsMatrix(DtGeMatrix3d const& ucs);

  // eFileAccessErr when the folder does not exist or the file cannot be
  // written (a folder or a read-only file of that name included);
  // eInvalidInput, with nothing written, for a drawing the reader would
  // refuse once saved (see zept::dxf::write).
  Dt::ErrorStatus saveAs(wchar_t const* path);
  // As saveAs, but an existing file is never replaced: eFileExists, checked
  // when the finished file is moved into place.
  Dt::ErrorStatus saveAsNew(wchar_t const* path);
  // Replaces the drawing's content with the file's. eFileNotFound for a
  // missing file, eInvalidDxfFile for one that is not a readable DXF file.
  Dt::ErrorStatus readDxfFile(wchar_t const* path);

  // Why the last saveAs, saveAsNew or readDxfFile failed ("" after success).
  CString const& errorText() const { return m_errorText; }

 private:
  Dt::ErrorStatus save(wchar_t const* path, bool replace);
  // Records why a save or read failed and hands its status back.
  Dt::ErrorStatus fail(Dt::ErrorStatus status, std::string const& why);

  std::unique_ptr<DtDbBlockTableRecord> m_modelSpace;
  std::unique_ptr<DtDbBlockTable> m_blockTable;
  DtDb::MeasurementValue m_measurement = DtDb::kMetric;
  DtGeMatrix3d m_ucs;
  CString m_errorText;
};

// The host's current drawing and its user coordinate system. The working
// drawing is the one an application installed (not owned), else none.
DtDbDatabase* dtdbWorkingDatabase();
void dtdbSetWorkingDatabase(DtDbDatabase* database);
// The current user coordinate system of `database` (null: the working
// drawing); eNoDatabase when there is none.
Dt::ErrorStatus dtdbUcsMatrix(DtGeMatrix3d& ucs, DtDbDatabase const* database = nullptr);
// Sets the working drawing's user coordinate system.
Dt::ErrorStatus dtedSetCurrentUCS(DtGeMatrix3d const& ucs);

ZEPTDB_END_EXPORTS
