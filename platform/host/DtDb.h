// The host drawing SDK's database-wide value types the catalog code uses.
#pragma once

namespace DtDb {

// The unit system of a drawing.
enum MeasurementValue : int {
  kEnglish = 0,  // inch
  kMetric = 1,   // millimetre
};

}  // namespace DtDb
