// SPDX-License-Identifier: MIT
#include "platform/dao/DaoRecordset.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/core/Exceptions.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoTableDef.h"
#include "support/TestTree.h"
#include "support/Catalog.h"

using zept::test::errorOf;
using zept::test::makeCatalog;
using zept::test::ScopedEnv;
using zept::test::TempTree;
using zept::test::wide;

namespace {

class DaoRecordsetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    makeCatalog(tree.path("r.mdb"),
                {L"CREATE TABLE Shape (ID COUNTER, NAME TEXT(20), SHAPE_TYPE SHORT, DIM1 DOUBLE)",
                 L"CREATE TABLE Section (ID COUNTER, SHAPE_TYPE SHORT, PDL_SCRIPT MEMO)",
                 L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1) VALUES (\"IPE\", 1, 200)",
                 L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1) VALUES (\"IPE\", 1, 300)",
                 L"INSERT INTO Shape (NAME, SHAPE_TYPE, DIM1) VALUES (\"FLAT\", 7, 50)",
                 L"INSERT INTO Section (SHAPE_TYPE, PDL_SCRIPT) VALUES (5, \"none\")",
                 L"INSERT INTO Section (SHAPE_TYPE, PDL_SCRIPT) VALUES (1, \"script\")"});
    db.Open(wide(tree.path("r.mdb")).c_str(), true, false);
  }
  TempTree tree;
  CDaoDatabase db;
};

TEST_F(DaoRecordsetTest, WalksRowsAndRefusesToReadPastThem) {
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT DIM1 FROM Shape WHERE NAME=\"IPE\" ORDER BY DIM1 DESC");
  std::vector<double> seen;
  for (; !rs.IsEOF(); rs.MoveNext()) seen.push_back(rs.GetFieldValue(L"dim1").dblVal);
  EXPECT_EQ(seen, (std::vector<double>{300, 200}));
  EXPECT_EQ(errorOf([&] { rs.GetFieldValue(L"DIM1"); }), zept::jet::kNoCurrentRecord);
  EXPECT_EQ(errorOf([&] { rs.MoveNext(); }), zept::jet::kNoCurrentRecord);
  rs.Open(dbOpenSnapshot, L"SELECT * FROM Shape WHERE NAME=\"ipe\"");
  EXPECT_TRUE(rs.IsEOF());
  EXPECT_EQ(errorOf([&] { rs.MoveFirst(); }), zept::jet::kNoCurrentRecord);
}

// Joined columns are found by table where names repeat. Lookups start after
// the last name found: any order, repeated names and unknown ones in between
// must still find each column.
TEST_F(DaoRecordsetTest, ColumnsAreFoundInAnyOrder) {
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE "
                          L"WHERE Shape.DIM1 = 300");
  const std::pair<wchar_t const*, CString> expected[] = {
      {L"NAME", L"IPE"},      {L"DIM1", L"300"},        {L"Section.ID", L"2"}, {L"PDL_SCRIPT", L"script"},
      {L"Shape.ID", L"2"},    {L"Shape.SHAPE_TYPE", L"1"}, {L"dim1", L"300"}};
  for (int round = 0; round < 3; ++round) {
    for (int i = 0; i < 7; ++i) {
      auto const& [name, value] = expected[round == 1 ? 6 - i : (i * 3 + round) % 7];
      EXPECT_EQ(rs.GetFieldValue(name).toDisplayString(), value) << CString(name).toUtf8();
      EXPECT_EQ(errorOf([&] { rs.GetFieldValue(L"SHAPE_TYPE"); }), zept::jet::kItemNotFound);
    }
  }
  EXPECT_EQ(rs.GetFieldValue(L"Shape.SHAPE_TYPE").vt, VT_I2);
  EXPECT_EQ(errorOf([&] { rs.GetFieldValue(L"ID"); }), zept::jet::kItemNotFound);
  rs.Open(dbOpenSnapshot, L"SELECT * FROM Shape LEFT JOIN Section ON Shape.SHAPE_TYPE = Section.SHAPE_TYPE WHERE "
                          L"Shape.NAME=\"FLAT\"");
  EXPECT_EQ(rs.GetFieldValue(L"Section.ID").vt, VT_NULL);
}

TEST_F(DaoRecordsetTest, DynasetAddsEditsAndFindsTheNewRowByBookmarkUnlessReadOnly) {
  CDaoRecordset rs(&db);
  rs.Open(dbOpenDynaset, L"SELECT * FROM Section WHERE Section.SHAPE_TYPE=9;");
  EXPECT_TRUE(rs.IsEOF());
  ASSERT_TRUE(rs.CanBookmark());
  rs.AddNew();
  rs.SetFieldValue(L"SHAPE_TYPE", COleVariant(static_cast<short>(9)));
  rs.SetFieldValue(L"PDL_SCRIPT", L"StartContour(0,0,ext);");
  rs.Update();
  rs.SetBookmark(rs.GetLastModifiedBookmark());
  EXPECT_EQ(rs.GetFieldValue(L"ID").lVal, 3);
  rs.Edit();
  rs.SetFieldValue(L"Section.PDL_SCRIPT", L"changed");
  rs.Update();
  EXPECT_EQ(CString(rs.GetFieldValue(L"PDL_SCRIPT").bstrVal), CString(L"changed"));
  rs.Close();
  rs.Open(dbOpenSnapshot, L"SELECT PDL_SCRIPT FROM Section WHERE SHAPE_TYPE=9");
  EXPECT_EQ(CString(rs.GetFieldValue(L"PDL_SCRIPT").bstrVal), CString(L"changed"));
  EXPECT_EQ(errorOf([&] { rs.Edit(); }), zept::jet::kReadOnly);
  // Nor does a dynaset change a catalog open read-only.
  rs.Close();
  db.Close();
  db.Open(wide(tree.path("r.mdb")).c_str(), false, true);
  rs.Open(dbOpenDynaset, L"SELECT * FROM Shape");
  EXPECT_FALSE(rs.CanUpdate());
  EXPECT_EQ(errorOf([&] { rs.AddNew(); }), zept::jet::kReadOnly);
}

// A link reaches a table of another catalog through a Windows-style path
// with a doubled separator; SELECT ... INTO from it keeps the Jet types.
TEST_F(DaoRecordsetTest, LinkedTableReadsAndCopiesWithItsTypes) {
  tree.dir("data");
  makeCatalog(tree.path("data/PDLScripts.mdb"),
              {L"CREATE TABLE PDLScripts (ID COUNTER, SHAPE_TYPE SHORT, PDL_SCRIPT MEMO, IS_SYMMETRIC YESNO)",
               L"INSERT INTO PDLScripts (SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (1, \"I\", True)",
               L"INSERT INTO PDLScripts (SHAPE_TYPE, PDL_SCRIPT, IS_SYMMETRIC) VALUES (2, \"U\", False)"});
  ScopedEnv drive("ZEPT_DRIVE_Q", tree.str());
  CDaoTableDef link(&db);
  link.Create(L"PDLScripts", dbAttachExclusive, L"PDLScripts", L";DATABASE=Q:\\DATA\\\\PDLScripts.mdb;TABLE=PDLScripts");
  link.Append();
  link.Close();
  db.Execute(L"DROP TABLE Section");
  db.Execute(L"SELECT DISTINCTROW PDLScripts.ID, PDLScripts.SHAPE_TYPE, PDLScripts.PDL_SCRIPT, PDLScripts.IS_SYMMETRIC "
             L"INTO Section FROM PDLScripts RIGHT JOIN Shape ON PDLScripts.SHAPE_TYPE = Shape.SHAPE_TYPE ORDER BY "
             L"PDLScripts.SHAPE_TYPE;",
             dbFailOnError);
  CDaoTableDefInfo info;
  db.GetTableDefInfo(L"PDLScripts", info);
  EXPECT_EQ(info.m_lAttributes & dbAttachedTable, dbAttachedTable);
  db.DeleteTableDef(L"PDLScripts");
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT * FROM Section WHERE SHAPE_TYPE=1");
  EXPECT_EQ(rs.GetFieldValue(L"SHAPE_TYPE").vt, VT_I2);
  EXPECT_EQ(rs.GetFieldValue(L"IS_SYMMETRIC").vt, VT_BOOL);
  EXPECT_EQ(rs.GetFieldValue(L"ID").vt, VT_I4);
  EXPECT_EQ(rs.GetRecordCount(), 1);  // both IPE rows share one script row
  EXPECT_EQ(errorOf([&] { db.GetTableDefInfo(L"PDLScripts", info); }), zept::jet::kItemNotFound);
}

// Jet checks a link when it is appended: one that reaches nothing is refused
// and leaves no table behind, so the name stays free for a working link.
TEST_F(DaoRecordsetTest, LinkThatReachesNothingIsNotRecorded) {
  makeCatalog(tree.path("src.mdb"), {L"CREATE TABLE Src (ID LONG)", L"INSERT INTO Src VALUES (4)"});
  const std::wstring there = L";DATABASE=" + wide(tree.path("src.mdb")) + L";TABLE=Src";
  const std::wstring nowhere = L";DATABASE=" + wide(tree.path("none.mdb")) + L";TABLE=Src";
  const std::tuple<wchar_t const*, std::wstring, long> cases[] = {
      {L"Src", nowhere, zept::jet::kFileNotFound}, {L"Gone", there, zept::jet::kTableNotFound}};
  for (auto const& [source, connect, error] : cases) {
    CDaoTableDef link(&db);
    link.Create(L"Link", dbAttachExclusive, source, connect.c_str());
    EXPECT_EQ(errorOf([&] { link.Append(); }), error);
    CDaoTableDefInfo info;
    EXPECT_EQ(errorOf([&] { db.GetTableDefInfo(L"Link", info); }), zept::jet::kItemNotFound);
  }
  CDaoTableDef link(&db);
  link.Create(L"Link", dbAttachExclusive, L"Src", there.c_str());
  link.Append();
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT ID FROM Link");
  EXPECT_EQ(rs.GetFieldValue(L"ID").lVal, 4);
}

// A number written to a Yes/No field is stored as Jet stores it, True (-1)
// for anything but zero, so that comparisons with True find it.
TEST_F(DaoRecordsetTest, YesNoFieldStoresNumbersAsTrueOrFalse) {
  db.Execute(L"CREATE TABLE Flags (ID COUNTER, F YESNO)");
  CDaoRecordset rs(&db);
  rs.Open(dbOpenDynaset, L"SELECT * FROM Flags");
  for (COleVariant v : {COleVariant(1L), COleVariant(short{0}), COleVariant(2.5), COleVariant(true)}) {
    rs.AddNew();
    rs.SetFieldValue(L"Flags.F", v);
    rs.Update();
  }
  rs.Open(dbOpenSnapshot, L"SELECT ID FROM Flags WHERE F = True ORDER BY ID");
  std::vector<long> ids;
  for (; !rs.IsEOF(); rs.MoveNext()) ids.push_back(rs.GetFieldValue(L"ID").lVal);
  EXPECT_EQ(ids, (std::vector<long>{1, 3, 4}));
}

TEST_F(DaoRecordsetTest, TableDefCreatesFieldsWithTypesAndAutoIncrement) {
  CDaoTableDef td(&db);
  td.Create(L"UserObjects");
  td.CreateField(L"ID", dbLong, 4, dbAutoIncrField);
  td.CreateField(L"NAME", dbText, 50, dbVariableField);
  td.CreateField(L"MASS", dbDouble, 8);
  td.Append();
  EXPECT_EQ(td.GetFieldCount(), 3);
  CDaoFieldInfo f;
  td.GetFieldInfo(L"ID", f);
  EXPECT_EQ(f.m_nType, dbLong);
  EXPECT_TRUE(f.m_lAttributes & dbAutoIncrField);
  td.GetFieldInfo(1, f);
  EXPECT_EQ(f.m_nType, dbText);
  EXPECT_EQ(f.m_lSize, 50);
  td.Close();
  db.Execute(L"INSERT INTO UserObjects (NAME, MASS) VALUES (\"plate\", 1.5)");
  CDaoRecordset rs(&db);
  rs.Open(dbOpenSnapshot, L"SELECT * FROM UserObjects");
  EXPECT_EQ(rs.GetFieldValue(L"ID").lVal, 1);
  td.Create(L"UserObjects");
  td.CreateField(L"X", dbLong, 4);
  EXPECT_EQ(errorOf([&] { td.Append(); }), zept::jet::kTableExists);
}

}  // namespace
