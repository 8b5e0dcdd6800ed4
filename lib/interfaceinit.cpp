// Bringing the interface up: logs, window, description, palette, stores.
#include "core/log.h"
#include "layers.h"
#include "model/colors.h"
#include "model/load.h"
#include "render/platform/platform.h"
#include "render/stores.h"
#include "vx.h"

void VXinterfaceinit(const char* title, const char* file, int bstore, const char* logmode,
                     int colors, void* instance, void* previous, const char* commandline,
                     int showmode) {
  vx::connectlayers();
  vx::resetlayers();
  VXopenerrorlog(logmode);
  vx::setcolorcount(colors);
  VXPopenwindow(title, instance, previous, commandline, showmode);
  VXPstartdevice();
  vx::loaddescription(file);
  VXPsetpalette(vx::modelstate.colors.palette, vx::modelstate.colorcount);
  vx::initstores(bstore);
}
