// SPDX-License-Identifier: MIT
// A writer killed at any moment leaves each logical write whole or absent:
// the writes are made by a child process that is SIGKILLed after a random
// delay, and the catalog is then checked from the parent.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <functional>
#include <new>
#include <random>

#include "database/ZEPTDBProfile.h"
#include "database/ZEPTDBUserObj.h"
#include "platform/fs/FileOps.h"
#include "support/CatalogFolders.h"
#include "support/HotJournal.h"
#include "support/ProfileCatalogs.h"
#include "support/UserObjCatalogs.h"

using namespace zept::test;

namespace {

long count(std::filesystem::path const& file, wchar_t const* sql) { return std::stol(rowsText(file, sql)); }

class KilledWrites : public CatalogFolders {
 protected:
  // Runs `write` in a child killed after a random delay, up to 150 times,
  // each on a fresh copy of `pristine` (none: `target` removed); `whole` says
  // whether the catalog then holds the write whole (1), not at all (0) or
  // torn (-1). The delays span one uninterrupted write as timed here and
  // now, so the kills land inside it however loaded the machine is.
  void killCycles(std::filesystem::path const& pristine, std::filesystem::path const& target,
                  std::function<void()> const& write, std::function<int()> const& whole) {
    auto reset = [&] {
      if (pristine.empty())
        std::filesystem::remove(target);
      else
        std::filesystem::copy_file(pristine, target, std::filesystem::copy_options::overwrite_existing);
    };
    // Where the child is, seen by the parent after the kill: 1 inside the
    // write, 2 past it. Shared memory, so that marking costs the child nothing.
    void* shared = mmap(nullptr, sizeof(std::atomic<int>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* stage = new (shared) std::atomic<int>(0);
    auto spawn = [&] {
      stage->store(0);
      const pid_t pid = fork();
      if (pid == 0) {
        stage->store(1);
        write();
        stage->store(2);
        _exit(0);
      }
      return pid;
    };
    reset();
    const auto started = std::chrono::steady_clock::now();
    const pid_t timed = spawn();
    ASSERT_GE(timed, 0);
    waitpid(timed, nullptr, 0);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - started);
    ASSERT_EQ(whole(), 1) << "the write itself fails";

    std::mt19937 random(12345);
    std::uniform_int_distribution<long> delay(0, span.count() * 3 / 2);
    int outcomes[3] = {};
    int inside = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(8);
    for (int cycle = 0; cycle < 150 && std::chrono::steady_clock::now() < deadline; ++cycle) {
      reset();
      const pid_t pid = spawn();
      ASSERT_GE(pid, 0);
      usleep(static_cast<useconds_t>(delay(random)));
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
      inside += stage->load() == 1;
      const int outcome = whole();
      ++outcomes[outcome + 1];
      ASSERT_NE(outcome, -1) << "torn write in cycle " << cycle;
    }
    munmap(shared, sizeof(std::atomic<int>));
    RecordProperty("absent", outcomes[0 + 1]);
    RecordProperty("whole", outcomes[1 + 1]);
    RecordProperty("inside", inside);
    // Otherwise every kill came before or after the write, and the cycles
    // above showed nothing about a torn one.
    EXPECT_GT(inside, 0) << "no kill landed inside the write";
  }
};

TEST_F(KilledWrites, ProfileSizeComesWithItsShapeTypeScript) {
  templateCatalog(tree.path("data/PDLScripts.mdb"));
  const auto pristine = tree.path("pristine.mdb");
  makeCatalog(pristine, {createShape(), createScripts(L"Section"), insertScript(L"Section", 2, L"U", false),
                         insertSize(L"UPN", 2, 100, 0, 0)});
  const auto target = tree.path("app/Killpro.mdb");
  killCycles(
      pristine, target,
      [] {
        ZEPTDBProfile profile;
        if (!profile.setProfileDB(L"KILL")) return;
        ZEPTDBProfileData record;
        record.name = L"IPE";
        record.shapeType = 1;
        record.dim1 = 300;
        profile.setProfileData(record);
      },
      [&] {
        const long sizes = count(target, L"SELECT COUNT(*) FROM Shape WHERE NAME=\"IPE\"");
        const long scripts = count(target, L"SELECT COUNT(*) FROM Section WHERE SHAPE_TYPE=1");
        return sizes == scripts && sizes <= 1 ? static_cast<int>(sizes) : -1;
      });
}

TEST_F(KilledWrites, UserObjectComesWithItsExtraParameters) {
  const auto pristine = tree.path("pristine.mdb");
  userObjCatalog(pristine, COleVariant(L"Plates"));
  const auto target = tree.path("app/Plates.mdb");
  killCycles(
      pristine, target,
      [] {
        ZEPTDBUserObj objects;
        if (!objects.setUserObjDB(L"Plates")) return;
        ZEPTDBUserObjData data;
        data.category = L"Plates";
        data.name = L"P1";
        for (auto const* grade : {L"S235", L"S275", L"S355", L"S420", L"S460"})
          data.extraParameters.append({grade, L"x"});
        objects.setUserObjData(data, DtDb::kMetric);
      },
      [&] {
        const long objects = count(target, L"SELECT COUNT(*) FROM UserObjects WHERE NAME=\"P1\"");
        const long extras = count(target, L"SELECT COUNT(*) FROM ExtraParameters WHERE NAME=\"P1\"");
        if (objects == 0 && extras == 0) return 0;
        return objects == 1 && extras == 5 ? 1 : -1;
      });
}

// A property write lifts a catalog's read-only attribute; a writer killed
// before putting it back leaves a marker, and the next open puts it back.
TEST_F(KilledWrites, ReadOnlyCatalogIsReadOnlyAgainAfterAKilledWrite) {
  const auto pristine = tree.path("pristine.mdb");
  {
    CDaoDatabase db;
    db.Create(wide(pristine).c_str());
    db.CreateProperty(CDaoDatabase::PropertySet::Database, L"Note", dbText, COleVariant(L"old"));
  }
  std::filesystem::permissions(pristine, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
  const auto target = tree.path("app/Props.mdb");
  killCycles(
      pristine, target,
      [] {
        OpenAccessor catalog;
        if (catalog.setDB(L"Props")) catalog.setDBProperty(L"Note", COleVariant(L"new"), dbText);
      },
      [&] {
        OpenAccessor catalog;
        COleVariant note;
        if (!catalog.setDB(L"Props") || !catalog.getDBProperty(L"Note", note)) return -1;
        if (!zept::fs::isReadOnly(wide(target))) return -1;
        return CString(note.text()) == L"new" ? 1 : 0;
      });
  EXPECT_FALSE(std::filesystem::exists(tree.path("app/Props.mdb.readonly")));
}

// A killed creation leaves no catalog, or a whole one; its leftover is
// neither listed nor in the way of the next creation.
TEST_F(KilledWrites, CreatedCatalogIsWholeOrAbsent) {
  templateCatalog(tree.path("data/PDLScripts.mdb"));
  const auto target = tree.path("app/NewPro.mdb");
  killCycles(
      {}, target,
      [] {
        ZEPTDBProfile profile;
        profile.createProfileDB(L"New", DtDb::kMetric);
      },
      [&] {
        ZEPTDBProfile profile;
        CStringArray names;
        profile.getProfileDBList(names, nullptr);
        const bool listed = names.GetSize() == 1;
        if (!listed) return std::filesystem::exists(target) ? -1 : 0;
        try {
          // Both tables the creation makes last are there.
          count(target, L"SELECT COUNT(*) FROM Shape");
          count(target, L"SELECT COUNT(*) FROM Section");
          return 1;
        } catch (CDaoException const&) {
          return -1;
        }
      });
  std::filesystem::remove(target);
  ZEPTDBProfile profile;
  EXPECT_EQ(profile.createProfileDB(L"New", DtDb::kMetric), 0);
}

// A catalog that died in the middle of a write and was then deleted leaves
// its journal; a catalog put at that name later, made or copied there from
// the data folder, must not be rolled back into it.
TEST_F(KilledWrites, NewCatalogIsNotRolledBackIntoALeftoverJournal) {
  templateCatalog(tree.path("data/PDLScripts.mdb"));
  profileCatalog(tree.path("data/Copypro.mdb"));
  struct Case {
    char const* file;
    int (*put)();
    wchar_t const* rows;  // a count the new catalog answers with 1
  } const cases[] = {
      {"app/NewPro.mdb", [] { return ZEPTDBProfile().createProfileDB(L"New", DtDb::kMetric); },
       L"SELECT COUNT(*) + 1 FROM Shape"},
      {"app/Objs.mdb", [] { return ZEPTDBUserObj().createUserObjDB(L"Objs", L"Plates", L"", DtDb::kMetric); },
       L"SELECT COUNT(*) + 1 FROM UserObjects"},
      {"app/COPYPRO.MDB",
       [] {
         ZEPTDBProfile profile;
         ZEPTDBProfileData size;
         size.name = L"IPE";
         size.shapeType = 1;
         size.dim1 = 300;
         return profile.setProfileDB(L"COPY") ? profile.setProfileData(size) : -1;
       },
       L"SELECT COUNT(*) FROM Shape WHERE NAME = \"IPE\""},
  };
  for (auto const& c : cases) {
    const auto target = tree.path(c.file);
    ASSERT_TRUE(leaveHotJournal(target)) << c.file;
    std::filesystem::remove(target);
    ASSERT_EQ(c.put(), 0) << c.file;
    EXPECT_EQ(count(target, c.rows), 1) << c.file;
    EXPECT_EQ(errorOf([&] { count(target, L"SELECT COUNT(*) FROM Old"); }), zept::jet::kTableNotFound) << c.file;
  }
}

// A conversion of an older layout killed at any moment leaves a catalog
// that the next selection converts, with every size and no leftover link.
TEST_F(KilledWrites, KilledConversionIsTakenUpByTheNextSelection) {
  templateCatalog(tree.path("data/PDLScripts.mdb"));
  const std::vector<std::wstring> layouts[] = {
      {createShape(L"shape"), insertSize(L"X", 1, 100, 0, 0, L"shape"), insertSize(L"X", 5, 50, 0, 0, L"shape")},
      {createScripts(L"shape"), insertScript(L"shape", 1, L"I", true), insertScript(L"shape", 5, L"L", false),
       createShape(L"Profile"), insertSize(L"X", 1, 100, 0, 0, L"Profile"), insertSize(L"X", 5, 50, 0, 0, L"Profile")},
  };
  const auto pristine = tree.path("pristine.mdb");
  const auto target = tree.path("app/Killpro.mdb");
  for (auto const& layout : layouts) {
    std::filesystem::remove(pristine);
    makeCatalog(pristine, layout);
    killCycles(
        pristine, target, [] { ZEPTDBProfile().setProfileDB(L"KILL"); },
        [&] {
          // Whether the child got through: both tables current, Profile gone.
          const bool converted = [&] {
            try {
              if (count(target, L"SELECT COUNT(*) FROM Section") == 0) return false;
              count(target, L"SELECT COUNT(*) FROM Shape WHERE DIM1 > 0");
            } catch (CDaoException const&) {
              return false;
            }
            return errorOf([&] { count(target, L"SELECT COUNT(*) FROM Profile"); }) != 0;
          }();
          ZEPTDBProfile profile;
          if (!profile.setProfileDB(L"KILL")) return -1;
          profile.setDB(L"");
          const bool whole = rowsText(target, L"SELECT SHAPE_TYPE, PDL_SCRIPT FROM Section ORDER BY SHAPE_TYPE") ==
                                 "1|I;5|L" &&
                             count(target, L"SELECT COUNT(*) FROM Shape WHERE DIM1 > 0") == 2 &&
                             errorOf([&] { count(target, L"SELECT COUNT(*) FROM PDLScripts"); }) != 0;
          return whole ? static_cast<int>(converted) : -1;
        });
  }
}

}  // namespace
