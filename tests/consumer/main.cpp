// SPDX-License-Identifier: MIT
// A program built on the library as another project builds it: it reads
// IPE 300 from the bundled profile catalog with nothing set in its
// environment, through the installed catalogs' folder.
#include <zeptdb/version.h>
#include <zeptdb/zeptdb.h>

#include <cstdio>

int main() {
  ZEPTEnvAppSet settings(zept::installedDataFolder());
  setCFG(&settings);
  int status = 1;
  {
    ZEPTDBProfile profiles;
    ZEPTDBProfileData ipe;
    if (profiles.setProfileDB(L"EURO") && profiles.getProfileData(L"IPE", L"300", &ipe)) {
      std::printf("zeptdb %s: IPE 300 h=%g b=%g mass=%g\n", ZEPTDB_VERSION_STRING, ipe.h, ipe.b, ipe.mass);
      status = 0;
    } else {
      std::fprintf(stderr, "IPE 300 not found under %ls\n", zept::installedDataFolder().c_str());
    }
  }
  setCFG(nullptr);
  return status;
}
