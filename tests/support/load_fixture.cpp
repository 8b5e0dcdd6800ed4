#include "support/load_fixture.h"

#include <cstring>

#include "model/colors.h"
#include "model/load.h"
#include "render/platform/framebuffer.h"
#include "vx.h"

namespace vxtest {

namespace {

int named(const char*) { return 0; }
int dragged(int, int, int, const char*) { return 0; }
int evented(int, int, int) { return 0; }
int plain() { return 0; }

const FunctionEntry TABLE[] = {
    {"press", named},  {"menu", named},    {"drag", dragged},
    {"tick", evented}, {"dismiss", plain}, {"redraw", plain},
};

}  // namespace

void LoadTest::SetUp() {
  VxTest::SetUp();
  VXsetfunctiontable(TABLE, static_cast<int>(std::size(TABLE)));
  vx::platform::opendrawing();
}

void LoadTest::TearDown() {
  vx::platform::closedrawing();
  VxTest::TearDown();
}

void LoadTest::load(const std::string& text, int colors) {
  writefile("test.inf", text);
  vx::setcolorcount(colors);
  vx::loaddescription("test.inf");
}

const FunctionEntry* row(const char* name) {
  for (const FunctionEntry& entry : TABLE)
    if (std::strcmp(entry.name, name) == 0) return &entry;
  return nullptr;
}

}  // namespace vxtest
