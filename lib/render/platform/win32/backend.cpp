// The win32 back-end: a native window showing the framebuffer through a device-independent
// bitmap, scaled by a whole number; its messages mapped as the sdl back-end maps events.
#include "render/platform/backend.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <string>

#include "render/platform/framebuffer.h"
#include "render/platform/platform.h"
#include "render/platform/win32/keys.h"

namespace vx::platform {

namespace {

using win32::charactercode;
using win32::keycode;

// A caption, the system menu with its close box and a minimise box: no sizing border.
constexpr DWORD STYLE = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr const wchar_t* CLASSNAME = L"vx";

// The back-end's state while a window is open; opening starts it afresh.
struct Win32State {
  HWND window = nullptr;
  int scale = 1;
  // What the window procedure made of the messages sent to it, in order.
  std::deque<Message> pending;
};

Win32State state;
// Why the last open failed; outlives the window, which is gone by the time it is read.
std::string failure;

// The system's words for an error code, without their line end. Wine without a display
// fails to make a window without a code.
std::string systemtext(DWORD code) {
  if (code == ERROR_SUCCESS) return "the system gave no reason";
  char* text = nullptr;
  DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string said = length > 0 && text != nullptr ? std::string(text, length) : "";
  if (text != nullptr) LocalFree(text);
  while (!said.empty() && (said.back() == '\n' || said.back() == '\r' || said.back() == '.'))
    said.pop_back();
  return said.empty() ? "error " + std::to_string(code) : said;
}

bool fail(const char* what) {
  failure = std::string(what) + ": " + systemtext(GetLastError());
  return false;
}

// The framebuffer as the device-independent bitmap it already is: rows top down, each
// pixel 0x00RRGGBB, which is the blue, green, red, unused bytes Windows reads.
const BITMAPINFO& frameinfo() {
  static const BITMAPINFO info = [] {
    BITMAPINFO made{};
    made.bmiHeader.biSize = sizeof made.bmiHeader;
    made.bmiHeader.biWidth = VXPWIDTH;
    made.bmiHeader.biHeight = -VXPHEIGHT;
    made.bmiHeader.biPlanes = 1;
    made.bmiHeader.biBitCount = 32;
    made.bmiHeader.biCompression = BI_RGB;
    return made;
  }();
  return info;
}

// Each framebuffer pixel a scale x scale block of the client area.
void paint(HDC dc) {
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, 0, 0, VXPWIDTH * state.scale, VXPHEIGHT * state.scale, 0, 0, VXPWIDTH,
                VXPHEIGHT, framebuffer, &frameinfo(), DIB_RGB_COLORS, SRCCOPY);
}

// A client position back to drawing-area pixels, rounded down: with the button held the
// pointer is captured, and a release outside the window comes with its position outside
// the area, where no button is.
Message pointermessage(MessageKind kind, LPARAM position) {
  auto down = [](int v) {
    return v >= 0 ? v / state.scale : -((-v + state.scale - 1) / state.scale);
  };
  Message message;
  message.kind = kind;
  message.x = down(GET_X_LPARAM(position));
  message.y = down(GET_Y_LPARAM(position));
  return message;
}

Message keymessage(std::uint8_t code) {
  Message message;
  message.kind = MessageKind::key;
  message.key = code;
  return message;
}

LRESULT CALLBACK windowproc(HWND window, UINT kind, WPARAM w, LPARAM l) {
  if (window != state.window) return DefWindowProcW(window, kind, w, l);
  switch (kind) {
    case WM_PAINT: {
      // The framebuffer holds the whole picture: an uncovered window is shown again
      // without asking the program.
      PAINTSTRUCT paintstruct;
      HDC dc = BeginPaint(window, &paintstruct);
      if (dc != nullptr) paint(dc);
      EndPaint(window, &paintstruct);
      return 0;
    }
    case WM_ERASEBKGND: return 1;  // painting covers all of it
    case WM_LBUTTONDOWN:
      // A held button keeps the pointer: its release is seen wherever it happens.
      SetCapture(window);
      state.pending.push_back(pointermessage(MessageKind::press, l));
      return 0;
    case WM_LBUTTONUP:
      ReleaseCapture();
      state.pending.push_back(pointermessage(MessageKind::release, l));
      return 0;
    case WM_MOUSEMOVE: state.pending.push_back(pointermessage(MessageKind::move, l)); return 0;
    case WM_CHAR: {
      std::uint8_t code = 0;
      if (charactercode(static_cast<unsigned>(w), &code)) state.pending.push_back(keymessage(code));
      return 0;
    }
    case WM_CLOSE: {
      // The close box asks the application; the window stays until it is closed.
      Message quit;
      quit.kind = MessageKind::quit;
      state.pending.push_back(quit);
      return 0;
    }
    case WM_DESTROY:
      // Destroyed by anything but closing (the session ending): the program ends.
      state.window = nullptr;
      PostQuitMessage(0);
      return 0;
    default: return DefWindowProcW(window, kind, w, l);
  }
}

// The application's title, UTF-8 or else in the system's code page.
std::wstring widetitle(const char* title) {
  for (UINT page : {static_cast<UINT>(CP_UTF8), static_cast<UINT>(CP_ACP)}) {
    DWORD flags = page == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
    int length = MultiByteToWideChar(page, flags, title, -1, nullptr, 0);
    if (length <= 0) continue;
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(page, flags, title, -1, wide.data(), length);
    wide.pop_back();  // the terminator
    return wide;
  }
  return L"";
}

void close() {
  HWND window = state.window;
  // Forgotten first: the window's destruction is then no reason to end the program.
  state = Win32State{};
  if (window != nullptr) DestroyWindow(window);
}

bool open(const char* title, const Options& asked) {
  close();
  HINSTANCE instance = GetModuleHandleW(nullptr);
  // Pixels are the screen's own: a window scaled by the system would blur its picture.
  SetProcessDPIAware();
  WNDCLASSEXW windowclass{};
  windowclass.cbSize = sizeof windowclass;
  windowclass.lpfnWndProc = windowproc;
  windowclass.hInstance = instance;
  windowclass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  windowclass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowclass.lpszClassName = CLASSNAME;
  if (RegisterClassExW(&windowclass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    return fail("the window class could not be registered");

  // The scale asked for, or with auto the largest, that fits the work area of the main
  // screen (what the task bar leaves of it) with the window's frame; a screen that cannot
  // say takes the scale asked for, or 1.
  RECT work{};
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, STYLE, FALSE, 0);
  Room room{0, 0, frame.right - frame.left, frame.bottom - frame.top};
  bool known = SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0) != 0;
  room.width = work.right - work.left;
  room.height = work.bottom - work.top;
  known = known && room.width > 0 && room.height > 0;
  int most = asked.scale == AUTOSCALE ? MOSTSCALE : asked.scale;
  state.scale = known ? fittingscale(room, most) : std::max(asked.scale, 1);

  // Centred on the work area, its caption on the screen.
  const int width = VXPWIDTH * state.scale + room.framewidth;
  const int height = VXPHEIGHT * state.scale + room.frameheight;
  const int left = known ? work.left + std::max((room.width - width) / 2, 0) : CW_USEDEFAULT;
  const int top = known ? work.top + std::max((room.height - height) / 2, 0) : CW_USEDEFAULT;
  std::wstring wide = widetitle(title);
  // The messages of its making go to the default procedure: state.window is set after.
  state.window = CreateWindowExW(0, CLASSNAME, wide.c_str(), STYLE, left, top, width, height,
                                 nullptr, nullptr, instance, nullptr);
  if (state.window == nullptr) {
    fail("the window could not be made");
    close();
    return false;
  }
  if (known) noticescale(room, asked.scale, state.scale);
  ShowWindow(state.window, SW_SHOWNORMAL);
  SetForegroundWindow(state.window);
  return true;
}

const char* error() { return failure.c_str(); }

void present() {
  framechanged = false;
  if (state.window == nullptr) return;
  HDC dc = GetDC(state.window);
  if (dc == nullptr) return;
  paint(dc);
  ReleaseDC(state.window, dc);
}

// One message of the thread's queue, through the window procedure: true with the message
// it gives, the window's own or another that stands for any message; false when the
// queue is empty.
bool next(Message* message) {
  MSG got;
  if (PeekMessageW(&got, nullptr, 0, 0, PM_REMOVE) == 0) return false;
  if (got.message == WM_QUIT) {
    message->kind = MessageKind::end;
    return true;
  }
  // A key-down with a code of its own is not translated, so that no character follows.
  std::uint8_t code = 0;
  if (got.message == WM_KEYDOWN && got.hwnd == state.window && state.window != nullptr &&
      keycode(static_cast<unsigned>(got.wParam), GetKeyState(VK_CONTROL) < 0,
              GetKeyState(VK_MENU) < 0, &code)) {
    *message = keymessage(code);
    return true;
  }
  TranslateMessage(&got);
  DispatchMessageW(&got);
  *message = Message{};  // other, unless the procedure made something of it
  return true;
}

bool wait(Message* message, unsigned long timeout) {
  const ULONGLONG start = GetTickCount64();
  for (;;) {
    // Sent messages (the close box's) reach the procedure while the queue is read.
    Message got;
    bool some = next(&got);
    if (some && got.kind != MessageKind::other) state.pending.push_back(got);
    if (!state.pending.empty()) {
      *message = state.pending.front();
      state.pending.pop_front();
      return true;
    }
    if (some) {
      *message = got;
      return true;
    }
    // Nothing in the queue: sleep until a message comes or the time is up.
    DWORD wait = INFINITE;
    if (timeout != FOREVER) {
      ULONGLONG spent = GetTickCount64() - start;
      if (spent >= timeout) return false;
      wait = static_cast<DWORD>(timeout - spent);
    }
    if (MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
        WAIT_TIMEOUT)
      return false;
  }
}

unsigned long clock() { return static_cast<unsigned long>(GetTickCount64()); }

void beep() { MessageBeep(MB_OK); }

void setpointer(int x, int y) {
  if (state.window == nullptr) return;
  POINT point{x * state.scale + state.scale / 2, y * state.scale + state.scale / 2};
  if (ClientToScreen(state.window, &point) != 0) SetCursorPos(point.x, point.y);
}

int mousepresent() { return GetSystemMetrics(SM_MOUSEPRESENT) != 0 ? 1 : 0; }

}  // namespace

const Backend win32backend = {open,  error, close,      present,     wait,
                              clock, beep,  setpointer, mousepresent};

}  // namespace vx::platform
