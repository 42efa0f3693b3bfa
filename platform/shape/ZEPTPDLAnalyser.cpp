#include "platform/shape/ZEPTPDLAnalyser.h"

int ZEPTPDLAnalyser::setDefinitionByData(ZEPTDBProfileData& data, double /*scale*/) {
  return data.pdlScript.isEmpty() ? -1 : 1;
}
