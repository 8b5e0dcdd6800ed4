// The close box and the quit message: the application's close handler.
#include "events/close.h"

#include "core/log.h"
#include "events/state.h"
#include "model/callbacks.h"
#include "model/getname.h"
#include "model/model.h"
#include "model/reports.h"
#include "vx.h"

namespace vx {

bool closeasked() {
  if (events.closehandler == nullptr) return false;
  callname(events.closehandler, model.nwindows > 0 ? model.Win[0].name : "");
  return true;
}

}  // namespace vx

void VXsetclosehandler(const char* function) {
  using namespace vx;
  if (function == nullptr) {
    events.closehandler = nullptr;
    return;
  }
  const FunctionEntry* entry = findfunction(function, VXFORM_NAME);
  if (entry == nullptr) notfound("function", function);
  if (!serves(entry, VXFORM_NAME))
    fatal(reports::WRONGFORM, entry->name != nullptr ? entry->name : "", rolewords(VXFORM_NAME),
          formwords(entry->form));
  events.closehandler = entry;
}
