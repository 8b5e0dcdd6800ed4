// panel: the control panel of a feed pump station, built on the vx interface library.
//
// Its description, help file and site plan lie next to the program, wherever it is
// started; its logs and its saved state (panel.state) are kept in the folder it is
// started from, so that each operator's folder keeps its own panel.
#include <filesystem>

#include "panel.h"

int main(int argc, char** argv) {
  std::error_code ignored;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ignored);
  if (self.empty()) self = std::filesystem::absolute(argv[0], ignored);
  panel::Setup setup;
  setup.datadir = self.parent_path().string();
  panel::run(setup, VXcommandline(argc, argv));
}
