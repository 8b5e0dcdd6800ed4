// A readable listing of the loaded interface model.
#pragma once

#include <cstdio>

namespace vxtool {

void printmodel(std::FILE* out);

}  // namespace vxtool
