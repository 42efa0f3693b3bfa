// SPDX-License-Identifier: MIT
// ZEPTDBUserObjData: one object of a user-object catalog (a row of
// UserObjects) with its extra parameters and the catalog's translations.
// Sizes, scales and the bolt extension are in the unit system the row was
// written in (isMetric); the mass is converted to the reader's.
#pragma once

#include <cstdint>
#include <utility>

#include "platform/core/DtArray.h"
#include "platform/core/Export.h"
#include "platform/core/ZEPTString.h"
#include "platform/host/DtDb.h"
#include "platform/host/DtDbEntity.h"
#include "platform/host/DtGeMatrix3d.h"
#include "platform/host/DtGePlane.h"

ZEPTDB_BEGIN_EXPORTS

struct ZEPTDBUserObjData {
  // A named value kept with an object in ExtraParameters.
  struct ExtraParameter {
    ExtraParameter() = default;
    ExtraParameter(ZEPTString d, ZEPTString v) : description(std::move(d)), value(std::move(v)) {}
    ZEPTString description;  // the parameter's name
    ZEPTString value;
  };

  // The translation of a catalog's category and description into one
  // language; a null text is an empty one.
  struct Locale {
    Locale() = default;
    Locale(long language, wchar_t const* categoryText, wchar_t const* descriptionText)
        : lang(language), category(categoryText), description(descriptionText) {}
    long lang = 0;  // a language number (1 or more), e.g. 1031 for German
    ZEPTString category;
    ZEPTString description;
  };
  using Locales = DtArray<Locale>;

  // A drawing entity picked for a symbol drawing, with the map that brought
  // it where it was found (identity for an entity of the drawing itself).
  struct EntityData {
    DtDbEntity* entity = nullptr;  // not owned
    DtGeMatrix3d matrix;
  };
  using EntityList = DtArray<EntityData>;

  // Appends the entries `object` yields: one for a curve (a polyline
  // included) or a region, none for null or any other entity. Gives how many.
  static int addEntityToList(DtDbEntity* object, EntityList& list);
  // Whether the entries lie in one plane (kPlanar, `plane` set to it), on one
  // line (kLinear, `plane` one that holds it) or neither (`plane` unchanged).
  static DtDb::Planarity checkEntitiesPlanarity(EntityList const& list, DtGePlane& plane);

  // The application's language: what setCurrentLang set, else the number in
  // ZEPT_LANG (decimal, or hexadecimal with "0x"), read at every call; a
  // negative value when there is none.
  static long currentLang();
  // A negative `lang` forgets the language set, so ZEPT_LANG counts again.
  static void setCurrentLang(long lang);

  std::int32_t id = 0;     // the catalog's key; written by the catalog only
  ZEPTString category;     // the catalog's category
  ZEPTString catalog;      // the catalog's short name, upper case
  ZEPTString description;  // the catalog's description
  ZEPTString name;
  double sizeX = 0, sizeY = 0, sizeZ = 0;
  double scaleX = 0, scaleY = 0, scaleZ = 0;
  double mass = 0;     // kg for a metric reader, lb for an English one
  double boltExt = 0;  // bolt extension
  // Symbol files (3D, then one per coordinate plane); read back without
  // their folder.
  ZEPTString sym3D, symXY, symXZ, symYZ;
  bool symmetry = false;
  bool isMetric = false;  // the unit system the row was written in
  DtArray<ExtraParameter> extraParameters;
  Locales locales;
};

// A column of UserObjects with the record member it fills and the member's
// name, for readers, writers and tools that go through the record's numbers
// or symbol files in order.
template <typename T>
struct ZEPTDBUserObjColumn {
  wchar_t const* column;
  wchar_t const* memberName;
  T ZEPTDBUserObjData::*member;
};

inline constexpr ZEPTDBUserObjColumn<double> kUserObjNumbers[] = {
    {L"SIZEX", L"sizeX", &ZEPTDBUserObjData::sizeX},    {L"SIZEY", L"sizeY", &ZEPTDBUserObjData::sizeY},
    {L"SIZEZ", L"sizeZ", &ZEPTDBUserObjData::sizeZ},    {L"SCALEX", L"scaleX", &ZEPTDBUserObjData::scaleX},
    {L"SCALEY", L"scaleY", &ZEPTDBUserObjData::scaleY}, {L"SCALEZ", L"scaleZ", &ZEPTDBUserObjData::scaleZ},
    {L"MASS", L"mass", &ZEPTDBUserObjData::mass},       {L"BOLTEXT", L"boltExt", &ZEPTDBUserObjData::boltExt}};
inline constexpr ZEPTDBUserObjColumn<ZEPTString> kUserObjSymbols[] = {
    {L"SYM3D", L"sym3D", &ZEPTDBUserObjData::sym3D},
    {L"SYMXY", L"symXY", &ZEPTDBUserObjData::symXY},
    {L"SYMXZ", L"symXZ", &ZEPTDBUserObjData::symXZ},
    {L"SYMYZ", L"symYZ", &ZEPTDBUserObjData::symYZ}};

ZEPTDB_END_EXPORTS
