/* Used by bench/window.sh: starts a program that opens a 640 x 480 window on the X
   server in DISPLAY and watches it from outside, through the server, as a user's eyes
   would. Prints one line:

     MS_TO_FIRST_FRAME PEAK_RSS_KB SHARED_LIBRARIES WAKEUPS_A_SECOND

   The time runs from just before the program is started to the moment its window first
   shows the frame it then keeps. The server reports every change to the window's
   pixels (the DAMAGE extension), so nothing is polled: at each report the window's
   pixels are read back and hashed, and once nothing has changed for SETTLE_MS the last
   change is the first frame. Then the peak resident size (VmHWM), the shared libraries
   mapped (distinct files named *.so*) and, over IDLE_SECONDS, the sleeps that ended
   (voluntary context switches of all its threads) are read from /proc, and the program
   is ended.

   usage: watchwindow SETTLE_MS IDLE_SECONDS COMMAND [ARG]... */
#define _DEFAULT_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { WIDTH = 640, HEIGHT = 480, PATIENCE_MS = 30000 };

static double now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

/* A window gone between its report and the read-back is no failure. */
static int ignore(Display* display, XErrorEvent* error) {
  (void)display;
  (void)error;
  return 0;
}

/* FNV-1a over the window's pixels; 0 when they cannot be read. */
static uint64_t pixels(Display* display, Window window) {
  XImage* image = XGetImage(display, window, 0, 0, WIDTH, HEIGHT, AllPlanes, ZPixmap);
  if (image == NULL) return 0;
  uint64_t hash = 1469598103934665603ull;
  const unsigned char* p = (const unsigned char*)image->data;
  for (size_t i = 0, n = (size_t)image->bytes_per_line * (size_t)image->height; i < n; i++)
    hash = (hash ^ p[i]) * 1099511628211ull;
  XDestroyImage(image);
  return hash == 0 ? 1 : hash;
}

static long field(pid_t pid, const char* task, const char* name) {
  char path[128], line[256];
  if (task != NULL)
    snprintf(path, sizeof path, "/proc/%d/task/%s/status", (int)pid, task);
  else
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* file = fopen(path, "r");
  long value = 0;
  size_t length = strlen(name);
  while (file != NULL && fgets(line, sizeof line, file) != NULL)
    if (strncmp(line, name, length) == 0 && line[length] == ':') value = atol(line + length + 1);
  if (file != NULL) fclose(file);
  return value;
}

static long wakeups(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
  DIR* tasks = opendir(path);
  long sum = 0;
  for (struct dirent* task; tasks != NULL && (task = readdir(tasks)) != NULL;)
    if (task->d_name[0] != '.') sum += field(pid, task->d_name, "voluntary_ctxt_switches");
  if (tasks != NULL) closedir(tasks);
  return sum;
}

static int libraries(pid_t pid) {
  char path[64], line[4096];
  snprintf(path, sizeof path, "/proc/%d/maps", (int)pid);
  FILE* maps = fopen(path, "r");
  static char seen[1024][256];
  int count = 0;
  while (maps != NULL && fgets(line, sizeof line, maps) != NULL) {
    char* file = strchr(line, '/');
    if (file == NULL) continue;
    file[strcspn(file, "\n")] = 0;
    const char* base = strrchr(file, '/') + 1;
    if (strstr(base, ".so") == NULL) continue;
    int known = 0;
    for (int i = 0; i < count && !known; i++) known = strncmp(seen[i], file, 255) == 0;
    if (!known && count < 1024) snprintf(seen[count++], sizeof seen[0], "%s", file);
  }
  if (maps != NULL) fclose(maps);
  return count;
}

int main(int argc, char** argv) {
  if (argc < 4) {
    fprintf(stderr, "usage: watchwindow SETTLE_MS IDLE_SECONDS COMMAND [ARG]...\n");
    return 2;
  }
  double settle = atof(argv[1]);
  int idle = atoi(argv[2]);
  Display* display = XOpenDisplay(NULL);
  for (int i = 0; display == NULL && i < 50; i++) {
    usleep(100000); /* a server just started may not take connections yet */
    display = XOpenDisplay(NULL);
  }
  int damagebase = 0, errorbase = 0;
  if (display == NULL) {
    fprintf(stderr, "watchwindow: cannot open display %s\n", XDisplayName(NULL));
    return 1;
  }
  if (!XDamageQueryExtension(display, &damagebase, &errorbase)) {
    fprintf(stderr, "watchwindow: the X server has no DAMAGE extension\n");
    return 1;
  }
  XSetErrorHandler(ignore);
  XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
  XSync(display, False);

  double start = now();
  pid_t child = fork();
  if (child == 0) {
    int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execvp(argv[3], argv + 3);
    _exit(127);
  }
  if (child < 0) return 1;

  Window window = 0;
  uint64_t shown = 0;
  double changed = 0;
  for (;;) {
    while (XPending(display) > 0) {
      XEvent event;
      XNextEvent(display, &event);
      double at = now();
      Window from = 0;
      if (event.type == CreateNotify && event.xcreatewindow.width == WIDTH &&
          event.xcreatewindow.height == HEIGHT) {
        /* The program's window; a later one of that size replaces it. */
        window = event.xcreatewindow.window;
        XDamageCreate(display, window, XDamageReportNonEmpty);
      } else if (event.type == MapNotify && event.xmap.window == window) {
        from = window;
      } else if (event.type == damagebase + XDamageNotify) {
        XDamageNotifyEvent* damage = (XDamageNotifyEvent*)&event;
        XDamageSubtract(display, damage->damage, None, None);
        if (damage->drawable == window) from = window;
      }
      uint64_t hash = from != 0 ? pixels(display, from) : 0;
      if (hash != 0 && hash != shown) {
        shown = hash;
        changed = at;
      }
    }
    double t = now();
    if (shown != 0 && t - changed >= settle) break;
    int status = 0;
    if (t - start > PATIENCE_MS || waitpid(child, &status, WNOHANG) == child) {
      fprintf(stderr, "watchwindow: %s showed no window\n", argv[3]);
      if (t - start > PATIENCE_MS) kill(child, SIGKILL);
      return 1;
    }
    struct pollfd p = {ConnectionNumber(display), POLLIN, 0};
    poll(&p, 1, 10);
  }

  long rss = field(child, NULL, "VmHWM");
  int count = libraries(child);
  long before = wakeups(child);
  sleep((unsigned)idle);
  long after = wakeups(child);
  printf("%.1f %ld %d %.1f\n", changed - start, rss, count, (double)(after - before) / idle);

  kill(child, SIGTERM);
  for (int i = 0; i < 200 && waitpid(child, NULL, WNOHANG) == 0; i++) usleep(10000);
  if (waitpid(child, NULL, WNOHANG) == 0) {
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
  }
  XCloseDisplay(display);
  return 0;
}
