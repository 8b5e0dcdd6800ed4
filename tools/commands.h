// The subcommands of vxtool; each returns the process's exit status.
#pragma once

namespace vxtool {

// check [--colors 16|256] FILE
int check(int argc, char** argv);

// render FILE -o OUT.png [--show WINDOW]... [--open POPUP] [--colors 16|256]
int render(int argc, char** argv);

// preview FILE [--colors 16|256] [--vx-OPTION=VALUE]...
int preview(int argc, char** argv);

// rl4 encode IN.png -o OUT.rl4 [--bits N] | decode IN.rl4 -o OUT.png [--colors N] | info IN.rl4
int rl4(int argc, char** argv);

}  // namespace vxtool
