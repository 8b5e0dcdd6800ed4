// The description most operation tests bring up.
#pragma once

namespace vxtest {

// root fills the screen; panel (store 2) and dialog (store 3, hidden) overlap it;
// plain has no store; menu has a hidden and a disabled item.
constexpr const char* UI =
    "window(root 0 0 640 480 black white black 0 1 0)\n"
    "button(ok |OK| 10 10 60 20 black dgray lgray press 1 1 0 C)\n"
    "window(panel 100 100 200 100 black peach black 2 1 2)\n"
    "button(go |Go| 10 10 50 20 black dgray lgray press 1 1 0 C)\n"
    "dragarea(pad 10 40 80 40 lblue drag 1)\n"
    "window(dialog 150 150 150 80 black lblue black 1 0 3)\n"
    "button(yes |Yes| 10 10 50 20 black dgray lgray press 1 1 0 C)\n"
    "window(plain 300 300 50 50 black lgray black 0 0 0)\n"
    "popup(menu 50 50 black dgray white black 0)\n"
    "plabel(one 1 press |One|)\n"
    "plabel(two -1 press |Two|)\n"
    "plabel(three 0 press |Three| 1)\n"
    "field(status 5 6 7 8 peach)\n"
    "msg(hello |Hello|)\n"
    "function(tick 0 1)\n"
    "alias(broken nothing)\n"
    "alias(sky lblue)\n";

}  // namespace vxtest
