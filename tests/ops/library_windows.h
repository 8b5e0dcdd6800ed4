// A description with the library's own windows: "message", "alert" (store 3) and
// "help" (store 2) with its two buttons, the field VERSION in root, the messages of
// numbers 1 to 3 and two named ones, and a popup. The colours 8 to 12 are used by one
// thing each: 8 by nothing, 9 the message window's text, 10 the alert's, 11 the help's,
// 12 the field VERSION.
#pragma once

namespace vxtest {

constexpr int INK = 8, MESSAGEINK = 9, ALERTINK = 10, HELPINK = 11, VERSIONINK = 12;

constexpr const char* LIBRARYWINDOWS =
    "(ink 10 40 20)\n(messageink 20 50 30)\n(alertink 30 10 40)\n(helpink 40 20 10)\n"
    "(versionink 50 30 20)\n"
    "popup(menu 400 60 peach black dgray black 0)\n"
    "plabel(one 1 press |One|)\n"
    "window(root 0 0 640 480 black white black 0 1 0)\n"
    "button(ok |OK| 10 10 60 20 black dgray lgray press 1 1 0 C)\n"
    "field(VERSION 300 10 200 20 versionink)\n"
    "window(message 0 400 640 80 messageink lgray black 1 1 0)\n"
    "window(alert 100 100 300 120 alertink white black 2 0 3)\n"
    "window(help 50 50 500 380 helpink white black 1 0 2)\n"
    "button(helpnext |Next| 400 340 60 20 black dgray lgray press 1 1 0 C)\n"
    "button(helpprev |Prev| 320 340 60 20 black dgray lgray press 1 1 0 C)\n"
    "msg(hm10 |One a|)\nmsg(hm11 |One b|)\nmsg(hm12 |One c|)\n"
    "msg(hm20 |Two a|)\nmsg(hm21 |Two b|)\nmsg(hm22 |Two c|)\n"
    "msg(hm30 |Three a|)\nmsg(hm31 |Three b|)\nmsg(hm32 |Three c|)\n"
    "msg(warn |Careful|)\nmsg(tab |a\tb|)\n";

}  // namespace vxtest
