// SPDX-License-Identifier: MIT
// The number columns of a profile catalog's Shape table with the record
// members they fill, in record order, grouped as the reader and the writer
// take them. Internal to the library and its tools.
#pragma once

#include "database/ZEPTDBProfileData.h"

namespace zept::profile {

struct DoubleColumn {
  wchar_t const* name;
  double ZEPTDBProfileData::*member;
};

using R = ZEPTDBProfileData;

inline constexpr DoubleColumn kDims[] = {{L"DIM1", &R::dim1}, {L"DIM2", &R::dim2}, {L"DIM3", &R::dim3}};

// MASS to GAMMA, between SHAPE_TYPE and SYMBOL.
inline constexpr DoubleColumn kSectionValues[] = {
    {L"MASS", &R::mass},       {L"SURF", &R::surf},         {L"H", &R::h},          {L"B", &R::b},
    {L"EA", &R::ea},           {L"ES", &R::es},             {L"RA", &R::ra},        {L"RS", &R::rs},
    {L"GAP", &R::gap},         {L"SX", &R::sx},             {L"SY", &R::sy},        {L"SZ", &R::sz},
    {L"IX", &R::ix},           {L"IY", &R::iy},             {L"IZ", &R::iz},        {L"IOMEGA", &R::iomega},
    {L"VY", &R::vy},           {L"VPY", &R::vpy},           {L"VZ", &R::vz},        {L"VPZ", &R::vpz},
    {L"MSY", &R::msy},         {L"MSZ", &R::msz},           {L"TORS", &R::tors},    {L"SHEAR_QY", &R::shearQy},
    {L"SHEAR_QZ", &R::shearQz}, {L"GAMMA", &R::gamma}};

// After SYMBOL.
inline constexpr DoubleColumn kAreas[] = {{L"A_1", &R::a1}, {L"A_2", &R::a2}};

// After IS_THIN. The writer leaves the last two (P4_L, P4_T) alone.
inline constexpr DoubleColumn kFurtherDims[] = {{L"B_2", &R::b2},   {L"ES_2", &R::es2}, {L"P1_L", &R::p1L},
                                                {L"P1_T", &R::p1T}, {L"P2_L", &R::p2L}, {L"P2_T", &R::p2T},
                                                {L"P3_L", &R::p3L}, {L"P3_T", &R::p3T}, {L"P4_L", &R::p4L},
                                                {L"P4_T", &R::p4T}};
inline constexpr int kWrittenFurtherDims = 8;

}  // namespace zept::profile
