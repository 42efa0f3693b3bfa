// ZEPTDatabase: every public class and free function of the library.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/CStringArray.h"
#include "platform/core/COleVariant.h"
#include "platform/core/DtArray.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/core/ZEPTString.h"
#include "platform/dao/DaoDatabase.h"
#include "platform/dao/DaoRecordset.h"
#include "platform/dao/DaoTableDef.h"
#include "platform/dao/DaoTypes.h"
#include "platform/fs/FileFind.h"
#include "platform/fs/FileOps.h"
#include "platform/fs/WinPath.h"
#include "platform/settings/ZEPTAppSet.h"
#include "platform/settings/ZEPTEnvAppSet.h"
