// Every size of the bundled EURO catalog, drawn from its shape script,
// written as a KORVA definition and read back: the same contours, within
// single precision.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "database/ZEPTDBProfile.h"
#include "platform/core/Utf8.h"
#include "platform/shape/ZEPTPDLAnalyser.h"
#include "section/ZEPTKORVAAnalyser.h"
#include "section/ZEPTKORVAPresenter.h"
#include "support/CatalogFolders.h"
#include "support/SameContours.h"

namespace {

using zept::test::FolderSettings;

class EuroKorvaRoundTrip : public testing::Test {
 protected:
  EuroKorvaRoundTrip() { setCFG(&settings); }
  ~EuroKorvaRoundTrip() override { setCFG(nullptr); }
  std::wstring const folder = zept::fromUtf8(ZEPT_BUNDLED_DATA_DIR "/");
  FolderSettings settings{folder, folder};
};

// The largest coordinate of a section, which sets what single precision keeps.
double sizeOf(ZEPTSection const& section) {
  DtGePoint2d max, min;
  section.getExtents(max, min);
  return std::max({1.0, std::fabs(max.x), std::fabs(max.y), std::fabs(min.x), std::fabs(min.y)});
}

TEST_F(EuroKorvaRoundTrip, EverySizeReadsBackIntoTheSameContours) {
  ZEPTDBProfile catalog;
  ASSERT_TRUE(catalog.setProfileDB(L"EURO"));
  CStringArray names, dims;
  DtArray<int> types;
  ASSERT_TRUE(catalog.getProfileShapeList(names, &types));
  int sizes = 0;
  for (int n = 0; n < names.GetSize(); ++n) {
    ASSERT_TRUE(catalog.getProfileDimList(names[n], dims, types[n]));
    for (auto const& d : dims) {
      std::string const what = names[n].toUtf8() + " " + d.toUtf8();
      ZEPTDBProfileData record;
      ASSERT_TRUE(catalog.getProfileData(names[n], d, &record)) << what;
      ZEPTCrossSection drawn;
      ZEPTPDLAnalyser script;
      script.attachSection(&drawn);
      ASSERT_EQ(script.setDefinitionByData(record, 1.0), 0) << what;
      // What the round trip relies on: one solid, its holes (if any) after it.
      ASSERT_EQ(drawn.numSections(), 1) << what;
      ZEPTSection const& section = *drawn.sectionAt(0);
      ASSERT_GE(section.numContours(), 1) << what;
      ASSERT_FALSE(section.contourAt(0)->getIsHole()) << what;
      for (int c = 1; c < section.numContours(); ++c) ASSERT_TRUE(section.contourAt(c)->getIsHole()) << what;

      ZEPTKORVAPresenter presenter;
      presenter.attachSection(&drawn);
      CString text;
      ASSERT_TRUE(presenter.getDefinition(text, 0)) << what;
      ZEPTCrossSection read;
      ZEPTKORVAAnalyser analyser;
      analyser.attachSection(&read);
      ASSERT_EQ(analyser.setDefinition(text, 0, 0, 0), 0) << what << ": " << text.toUtf8();
      ASSERT_EQ(read.numSections(), 1) << what;
      zept::test::expectSameContours(*read.sectionAt(0), section, 1e-6 * sizeOf(section), 1e-6, what);
      ++sizes;
    }
  }
  EXPECT_EQ(sizes, 79);
}

}  // namespace
