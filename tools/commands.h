// The subcommands of vxtool; each returns the process's exit status.
#pragma once

namespace vxtool {

// check [--colors 16|256] FILE
int check(int argc, char** argv);

}  // namespace vxtool
