/* The anchor of bench/window.sh: a plain SDL program that does what a vx window does —
   one 640 x 480 window, a frame filled and shown through the window surface, then
   blocked in SDL_WaitEvent until it is closed, showing the frame again when uncovered.
   Like vx it asks SDL not to back the surface with a renderer, so the two are compared
   on the same path. */
#include <SDL.h>

static void show(SDL_Window* window) {
  SDL_Surface* surface = SDL_GetWindowSurface(window);
  if (surface == NULL) return;
  SDL_Rect square = {100, 50, 200, 100};
  SDL_FillRect(surface, NULL, SDL_MapRGB(surface->format, 0xE0, 0xE0, 0xE0));
  SDL_FillRect(surface, &square, SDL_MapRGB(surface->format, 0x20, 0x40, 0xC0));
  SDL_UpdateWindowSurface(window);
}

int main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return 1;
  SDL_Window* window = SDL_CreateWindow("anchor", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                        640, 480, SDL_WINDOW_SHOWN);
  if (window == NULL) return 1;
  show(window);
  SDL_Event event;
  while (SDL_WaitEvent(&event) != 0 && event.type != SDL_QUIT) {
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_EXPOSED)
      show(window);
  }
  SDL_DestroyWindow(window);
  SDL_Quit();
  return 0;
}
