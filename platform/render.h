// Internal seams of the drawing code (display, drawing state, images, fonts):
// the draw log and the one textured-quad path that images, glyphs and
// rectangles share. Not for use outside platform/.
#pragma once

#include "platform/testing.h"

struct SDL_Rect;
struct SDL_Texture;

namespace platform::detail {

// Appends a record of the given kind, holding a snapshot of the drawing
// state, to the current frame's log and returns it for the caller's
// arguments; Null while the log is off (it is kept only when headless).
test::DrawRecord* AddDrawRecord(test::DrawKind kind);
// Makes the current log the last frame's and starts an empty one.
void EndDrawLogFrame();

// Where a quad goes: its local rectangle (left, top, width, height) relative
// to the anchor point, mapped to the screen by the current transform.
struct Placement {
  Float anchorX = 0, anchorY = 0;
  Float left = 0, top = 0, width = 0, height = 0;
};

// Draws the source rectangle of a texture (Null: the whole texture) onto the
// placement under the current colour, alpha, blend, scale and rotation.
// Nothing when no display is open.
void DrawTexture(SDL_Texture* texture, const SDL_Rect* source, const Placement& placement);

}  // namespace platform::detail
