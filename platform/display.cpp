// The display: one SDL window, kept across re-opens so that keyboard focus and
// held keys survive a switch between window and full screen, and a renderer
// that draws every frame into a 1024 x 768 canvas texture which Flip shows
// letterboxed. Headless, the renderer is a software one over an owned
// surface, whose pixels are the presented frame.
#include "platform/display.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/audio.h"
#include "platform/detail.h"
#include "platform/input.h"
#include "platform/render.h"
#include "platform/system.h"
#include "platform/testing.h"

namespace {

// Plain data only, so objects released during exit may still read it.
struct Display {
  SDL_Window* window = nullptr;  // kept after EndGraphics for the next Graphics
  bool windowShown = false;      // by ShowWindow, once in the window's life
  SDL_Renderer* renderer = nullptr;
  SDL_Texture* canvas = nullptr;
  SDL_Surface* surface = nullptr;  // headless: the presented frame
  Long generation = 0;
  bool open = false;
  Int width = 0;
  Int height = 0;
  Int depth = 0;
  Int vsync = -1;  // the renderer's current setting; -1 unknown
  Int graphicsCalls = 0;
  Int endGraphicsCalls = 0;
};
Display display;

[[noreturn]] void DisplayError() {
  RuntimeError(String(std::string("Could not open the display: ") + SDL_GetError()));
}

// Where the canvas goes in an area of the given size: centred, scaled to fit.
struct Letterbox {
  Float x = 0, y = 0, scale = 1;
};

Letterbox Fit(Int width, Int height) {
  const Float scale = std::min(Float(width) / CANVAS_WIDTH, Float(height) / CANVAS_HEIGHT);
  if (!(scale > 0)) return {};
  return {(width - CANVAS_WIDTH * scale) / 2, (height - CANVAS_HEIGHT * scale) / 2, scale};
}

// A new window is made hidden, already in its mode, and first shown by Flip:
// nothing reaches the screen before the first frame. A window leaving full
// screen is centred again, whatever geometry the window manager kept.
void PlaceWindow(Int width, Int height, bool fullscreen) {
  const std::string title = AppTitle.ToUtf8();
  if (!display.window) {
    const Uint32 flags = SDL_WINDOW_HIDDEN | (fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    display.window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                      width, height, flags);
    if (!display.window) DisplayError();
    return;
  }
  SDL_SetWindowTitle(display.window, title.c_str());
  if (SDL_SetWindowFullscreen(display.window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) !=
      0) {
    DisplayError();
  }
  if (fullscreen) return;
  SDL_SetWindowSize(display.window, width, height);
  SDL_SetWindowPosition(display.window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

// Without a usable video device SDL falls back to drivers that show nothing
// ("offscreen", "dummy"); outside headless runs that is a display that could
// not be opened, not one to run the game on unseen.
void RequireVisibleDriver() {
  if (platform::IsHeadless()) return;
  const char* current = SDL_GetCurrentVideoDriver();
  const std::string driver = current ? current : "";
  if (driver != "offscreen" && driver != "dummy" && !driver.empty()) return;
  RuntimeError(
      String("Could not open the display: no video device is available (SDL video driver '" +
             driver + "')"));
}

SDL_Renderer* MakeRenderer() {
  if (platform::IsHeadless()) {
    display.surface = SDL_CreateRGBSurfaceWithFormat(0, CANVAS_WIDTH, CANVAS_HEIGHT, 32,
                                                     SDL_PIXELFORMAT_ARGB8888);
    return display.surface ? SDL_CreateSoftwareRenderer(display.surface) : nullptr;
  }
  SDL_Renderer* renderer = SDL_CreateRenderer(
      display.window, -1,
      SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE | SDL_RENDERER_PRESENTVSYNC);
  if (renderer) return renderer;
  return SDL_CreateRenderer(display.window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE);
}

void OpenRenderer() {
  display.renderer = MakeRenderer();
  if (!display.renderer) DisplayError();
  ++display.generation;
  display.vsync = -1;
  display.canvas = SDL_CreateTexture(display.renderer, SDL_PIXELFORMAT_ARGB8888,
                                     SDL_TEXTUREACCESS_TARGET, CANVAS_WIDTH, CANVAS_HEIGHT);
  if (!display.canvas || SDL_SetRenderTarget(display.renderer, display.canvas) != 0) {
    DisplayError();
  }
  SDL_SetTextureBlendMode(display.canvas, SDL_BLENDMODE_NONE);
  SDL_SetTextureScaleMode(display.canvas, SDL_ScaleModeLinear);
  SDL_SetRenderDrawColor(display.renderer, 0, 0, 0, 255);
  SDL_RenderClear(display.renderer);
}

// Destroying the renderer frees its textures, the canvas and every video copy
// made for it; the new generation marks those copies stale. (SDL leaks the
// target's state when a renderer is destroyed with a target set.)
void CloseRenderer() {
  if (display.renderer) {
    SDL_SetRenderTarget(display.renderer, nullptr);
    SDL_DestroyRenderer(display.renderer);
  }
  if (display.surface) SDL_FreeSurface(display.surface);
  display.renderer = nullptr;
  display.canvas = nullptr;
  display.surface = nullptr;
  display.open = false;
  display.width = display.height = display.depth = 0;
  ++display.generation;
}

// Shows the window made hidden by PlaceWindow, in the mode it is in, the
// first time only: from then on the window manager and the player decide
// whether it is seen (SDL reports a minimised window as hidden too).
void ShowWindow() {
  if (display.windowShown) return;
  display.windowShown = true;
  if (SDL_GetWindowFlags(display.window) & SDL_WINDOW_FULLSCREEN) {
    platform::detail::MarkFullscreenBeforeMapping(display.window);
  }
  SDL_ShowWindow(display.window);
}

void Present(Int sync) {
  SDL_Renderer* renderer = display.renderer;
  if (!platform::IsHeadless() && sync != display.vsync) {
    SDL_RenderSetVSync(renderer, sync != 0);
    display.vsync = sync;
  }
  // The output size is the window's only once the canvas is no longer the
  // render target; the viewport is reset because a window that changed size
  // (full screen) may not have updated it yet.
  SDL_SetRenderTarget(renderer, nullptr);
  SDL_RenderSetViewport(renderer, nullptr);
  Int outputWidth = 0, outputHeight = 0;
  SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
  const Letterbox box = Fit(outputWidth, outputHeight);
  const SDL_FRect target{box.x, box.y, CANVAS_WIDTH * box.scale, CANVAS_HEIGHT * box.scale};
  SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
  SDL_RenderClear(renderer);
  SDL_RenderCopyF(renderer, display.canvas, nullptr, &target);
  SDL_RenderPresent(renderer);
  SDL_SetRenderTarget(renderer, display.canvas);
}

}  // namespace

Int Graphics(Int width, Int height, Int depth, Int, Int) {
  ++display.graphicsCalls;
  CloseRenderer();
  if (width <= 0 || height <= 0) {
    width = CANVAS_WIDTH;
    height = CANVAS_HEIGHT;
  }
  RequireVisibleDriver();
  PlaceWindow(width, height, depth != 0);
  OpenRenderer();
  display.open = true;
  display.width = width;
  display.height = height;
  display.depth = depth;
  platform::DiscardHits();
  return 1;
}

void EndGraphics() {
  ++display.endGraphicsCalls;
  if (!display.open) return;
  CloseRenderer();
  platform::DiscardHits();
}

// The window is shown before the events are taken in, so that the first frame
// is presented at the size the window manager gave it.
void Flip(Int sync) {
  platform::detail::EndDrawLogFrame();
  if (display.open) ShowWindow();
  platform::PollEvents();
  platform::UpdateAudio();
  if (display.open) Present(sync);
}

Int CountGraphicsModes() { return std::max(SDL_GetNumDisplayModes(0), 0); }

void GetGraphicsMode(Int index, Int& width, Int& height, Int& depth, Int& hertz) {
  SDL_DisplayMode mode{};
  if (SDL_GetDisplayMode(0, index, &mode) != 0) mode = SDL_DisplayMode{};
  width = mode.w;
  height = mode.h;
  depth = Int(SDL_BYTESPERPIXEL(mode.format)) * 8;
  hertz = mode.refresh_rate;
}

bool GraphicsOpen() { return display.open; }
Int GraphicsWidth() { return display.width; }
Int GraphicsHeight() { return display.height; }
Int GraphicsDepth() { return display.depth; }

namespace platform::detail {

SDL_Window* Window() { return display.open ? display.window : nullptr; }
SDL_Renderer* Renderer() { return display.renderer; }
Long DisplayGeneration() { return display.generation; }

void ShutdownDisplay() {
  CloseRenderer();
  if (display.window) SDL_DestroyWindow(display.window);
  display.window = nullptr;
  display.windowShown = false;
}

// The handles stay where they are, unused, until the process ends.
void AbandonDisplay() {
  display.open = false;
  ++display.generation;
}

void WindowToCanvas(Int wx, Int wy, Int& cx, Int& cy) {
  cx = wx;
  cy = wy;
  if (!Window()) return;
  Int width = 0, height = 0;
  SDL_GetWindowSize(display.window, &width, &height);
  const Letterbox box = Fit(width, height);
  cx = ToInt(std::floor((wx - box.x) / box.scale));
  cy = ToInt(std::floor((wy - box.y) / box.scale));
}

}  // namespace platform::detail

namespace platform::test {

std::vector<std::uint32_t> ReadBackBuffer() {
  const SDL_Surface* surface = display.surface;
  if (!surface) return {};
  std::vector<std::uint32_t> pixels(std::size_t(CANVAS_WIDTH) * CANVAS_HEIGHT);
  const auto* bytes = static_cast<const Byte*>(surface->pixels);
  for (Int y = 0; y < CANVAS_HEIGHT; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(bytes + std::size_t(y) * surface->pitch);
    std::copy(row, row + CANVAS_WIDTH, pixels.begin() + std::size_t(y) * CANVAS_WIDTH);
  }
  return pixels;
}

std::uint32_t ReadCanvasPixel(Int x, Int y) {
  if (!display.open || x < 0 || y < 0 || x >= CANVAS_WIDTH || y >= CANVAS_HEIGHT) return 0;
  std::uint32_t pixel = 0;
  const SDL_Rect area{x, y, 1, 1};
  SDL_RenderReadPixels(display.renderer, &area, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
  return pixel;
}

bool Fullscreen() {
  return display.open && (SDL_GetWindowFlags(display.window) & SDL_WINDOW_FULLSCREEN) != 0;
}

std::string WindowTitle() { return display.open ? SDL_GetWindowTitle(display.window) : ""; }
Int GraphicsCalls() { return display.graphicsCalls; }
Int EndGraphicsCalls() { return display.endGraphicsCalls; }

}  // namespace platform::test
