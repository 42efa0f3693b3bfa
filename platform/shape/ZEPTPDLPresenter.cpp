#include "platform/shape/ZEPTPDLPresenter.h"

bool ZEPTPDLPresenter::getDefinition(ZEPTString& text, unsigned index) const {
  text.empty();
  return attachedAt(index) != nullptr;
}
