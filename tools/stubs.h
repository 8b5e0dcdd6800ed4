// Callbacks for loading a description file without its application.
#pragma once

#include "vx.h"

namespace vxtool {

// Binds every function the description names to an entry of its own, made at its
// first use. With a `call`, each is a generic entry calling it (one that does nothing
// unless given). Without one, each holds the form of its first use and no entry point,
// so that a name used in two forms is refused as an application's table would refuse it.
void installstubs(VXgenericfunc call);
void installtypedstubs();

}  // namespace vxtool
