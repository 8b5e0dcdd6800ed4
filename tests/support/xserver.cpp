#include "support/xserver.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace vxtest {

bool XServer::start(const char* screen) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  pid_ = fork();
  if (pid_ == 0) {
    close(fds[0]);
    std::string fd = std::to_string(fds[1]);
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
           "-noreset", static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string number;
  char c;
  pollfd p{fds[0], POLLIN, 0};
  while (poll(&p, 1, 20000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
  close(fds[0]);
  if (number.empty()) return false;
  display_ = ":" + number;
  return true;
}

XServer::~XServer() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
  }
}

Window findwindow(Display* display, Window parent, const std::string& title) {
  char* name = nullptr;
  if (XFetchName(display, parent, &name) != 0 && name != nullptr) {
    bool found = title == name;
    XFree(name);
    if (found) return parent;
  }
  Window root, up, *children = nullptr;
  unsigned count = 0;
  Window result = 0;
  if (XQueryTree(display, parent, &root, &up, &children, &count) != 0) {
    for (unsigned i = 0; i < count && result == 0; ++i)
      result = findwindow(display, children[i], title);
    if (children != nullptr) XFree(children);
  }
  return result;
}

Window awaitwindow(Display* display, const std::string& title, int seconds) {
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (;;) {
    Window window = findwindow(display, DefaultRootWindow(display), title);
    XWindowAttributes attributes{};
    if (window != 0 && XGetWindowAttributes(display, window, &attributes) != 0 &&
        attributes.map_state == IsViewable)
      return window;
    if (std::chrono::steady_clock::now() > deadline) return 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

void pressclosebox(Display* display, Window window) {
  XEvent request{};
  request.xclient.type = ClientMessage;
  request.xclient.window = window;
  request.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  request.xclient.format = 32;
  request.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  request.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &request);
  XFlush(display);
}

}  // namespace vxtest
