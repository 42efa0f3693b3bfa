// ZEPTDatabase: every public class and free function of the library.
#pragma once

#include "platform/core/CString.h"
#include "platform/core/CStringArray.h"
#include "platform/core/COleVariant.h"
#include "platform/core/DtArray.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Utf8.h"
#include "platform/core/ZEPTString.h"
