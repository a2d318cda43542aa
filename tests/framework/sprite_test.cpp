// Sprite drawing through the draw log (passes, colours, alpha, camera),
// text centring, hit-box collisions, screen bounds and sizes.
#include "framework/sprite.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <tuple>
#include <vector>

#include "framework/color.h"
#include "framework/image_bank.h"
#include "framework/renderer.h"
#include "platform/draw.h"
#include "platform/testing.h"
#include "util/headless_images.h"

namespace {

using platform::test::DrawRecord;

Ref<TGameImage> BlankImage(Int width, Int height) {
  return TGameImage::CreateFromImage(CreateImage(width, height, 1), "blank", 1);
}

class Sprite : public ::testing::Test {
 protected:
  void SetUp() override {
    headless_images::StartHeadless();
    if (!renderer) renderer = New<TRenderer>();
    renderer->ResetScale();
    renderer->ResetScrolling();
    Flip(0);
    platform::test::ResetSetterCalls();
  }

  // The drawing state every drawer must leave behind.
  static void ExpectStateAtRest() {
    const TDrawState& state = TDrawState::Current();
    EXPECT_EQ(std::tuple(state.color_r, state.color_g, state.color_b, state.alpha),
              std::tuple(255, 255, 255, 1.0f));
    EXPECT_EQ(std::tuple(state.scale_x, state.scale_y, state.rotation), std::tuple(1, 1, 0));
    EXPECT_EQ(state.font, nullptr);
  }
};

// What one draw record shows: position, colour, alpha, scale and rotation.
struct Pass {
  Float x, y;
  Int r, g, b;
  Float alpha, scaleX, scaleY, rotation;
  bool operator==(const Pass&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const Pass& p) {
    return out << "(" << p.x << "," << p.y << " rgb " << p.r << "," << p.g << "," << p.b
               << " alpha " << p.alpha << " scale " << p.scaleX << "," << p.scaleY << " rot "
               << p.rotation << ")";
  }
};

std::vector<Pass> Passes() {
  std::vector<Pass> passes;
  for (const DrawRecord& record : platform::test::CurrentDrawLog()) {
    const TDrawState& state = record.state;
    passes.push_back({record.x, record.y, state.color_r, state.color_g, state.color_b, state.alpha,
                      state.scale_x, state.scale_y, state.rotation});
  }
  return passes;
}

// width, height, w2, h2 and the hit box.
std::array<Int, 8> Sizes(const TSprite& sprite) {
  return {sprite.width,   sprite.height,  sprite.w2,          sprite.h2,
          sprite.hitBoxX, sprite.hitBoxY, sprite.hitBoxWidth, sprite.hitBoxHeight};
}

TEST_F(Sprite, RotationAndAlphaAreSetOnlyWhenNotAtRest) {
  struct Case {
    Float rotation, alpha;
    Int rotationCalls, alphaCalls;
  };
  const Case cases[] = {
      {0.0f, 1.0f, 0, 0}, {0.0f, 0.99999994f, 0, 2}, {30.0f, 1.0f, 2, 0}, {90.0f, 0.25f, 2, 2}};
  for (const Case& c : cases) {
    Flip(0);
    platform::test::ResetSetterCalls();
    const Ref<TSprite> sprite = TSprite::Create(BlankImage(8, 8), 100.0f, 50.0f, "", nullptr);
    sprite->rotation = c.rotation;
    sprite->alpha = c.alpha;
    EXPECT_EQ(sprite->Draw(), 0);
    EXPECT_EQ(platform::test::SetterCalls("SetRotation"), c.rotationCalls) << c.rotation;
    EXPECT_EQ(platform::test::SetterCalls("SetAlpha"), c.alphaCalls) << c.alpha;
    EXPECT_EQ(Passes(), (std::vector<Pass>{{100, 50, 255, 255, 255, c.alpha, 1, 1, c.rotation}}));
    ExpectStateAtRest();
  }
}

// Shadow pass first, in black at shadow alpha and offset (3, 4), then the
// main pass, both at (100, 50) with own scale (1.5, 0.5): through the camera
// (game scale 2, scroll (10, 20)) or in screen pixels. Image sprites ignore
// their colour.
TEST_F(Sprite, ShadowPassComesFirstAtTheOffsetOfItsPlacement) {
  const std::vector<Pass> camera = {{216, 128, 0, 0, 0, 0.5f, 3, 1, 0},
                                    {210, 120, 255, 255, 255, 1, 3, 1, 0}};
  const std::vector<Pass> plain = {{103, 54, 0, 0, 0, 0.5f, 1.5f, 0.5f, 0},
                                   {100, 50, 255, 255, 255, 1, 1.5f, 0.5f, 0}};
  for (Int useCamera : {1, 0}) {
    Flip(0);
    renderer->SetGameScale(2.0f, 2.0f);
    renderer->scrollX = 10.0f;
    renderer->scrollY = 20.0f;
    const Ref<TSprite> sprite = TSprite::Create(BlankImage(8, 8), 100.0f, 50.0f, "", nullptr);
    sprite->useRendererCamera = useCamera;
    sprite->SetScaleParams(1.5f, 0.5f);
    sprite->shadow = TShadow::Create(3.0f, 4.0f, 0.5f);
    sprite->color = TColor::Create(255, 0, 0, 0.25f);
    sprite->Draw();
    EXPECT_EQ(Passes(), useCamera ? camera : plain);
    ExpectStateAtRest();
  }
}

TEST_F(Sprite, TextAlphaReplacesTheColourAlpha) {
  struct Case {
    Float spriteAlpha, colourAlpha;
    bool shadowed;
    Float shadowPassAlpha, mainPassAlpha;
  };
  const Case cases[] = {{2.0f, 1.0f, true, 1.0f, 2.0f},  // 0.5 x 2.0 for the shadow
                        {1.0f, 0.5f, false, 0.0f, 0.5f},
                        {0.8f, 0.5f, false, 0.0f, 0.8f},
                        {0.5f, 0.3f, true, 0.25f, 0.5f}};
  for (const Case& c : cases) {
    Flip(0);
    const Ref<TSprite> sprite = TSprite::Create(nullptr, 200.0f, 100.0f, "Score", nullptr);
    sprite->alpha = c.spriteAlpha;
    sprite->color = TColor::Create(255, 0, 0, c.colourAlpha);
    if (c.shadowed) sprite->shadow = TShadow::Create(2.0f, 2.0f, 0.5f);
    sprite->Draw();
    std::vector<Pass> expected = {{sprite->x, sprite->y, 255, 0, 0, c.mainPassAlpha, 1, 1, 0}};
    if (c.shadowed) {
      expected.insert(expected.begin(),
                      {sprite->x + 2, sprite->y + 2, 0, 0, 0, c.shadowPassAlpha, 1, 1, 0});
    }
    EXPECT_EQ(Passes(), expected) << c.spriteAlpha << " " << c.colourAlpha;
    EXPECT_EQ(platform::test::CurrentDrawLog().back().text, "Score");
    ExpectStateAtRest();
  }
}

TEST_F(Sprite, TextIsCentredOnItsAnchorThroughTheCamera) {
  renderer->SetGameScale(1.5f, 1.5f);
  renderer->CentreOnCoords(512.0f, 384.0f);
  const Ref<TSprite> sprite = TSprite::Create(nullptr, 512.0f, 100.0f, "+1 Second", nullptr);
  sprite->SetScaleParams(2.0f, 1.0f);
  sprite->x = 7.0f;  // overwritten by the draw
  sprite->Draw();

  const auto width = static_cast<Float>(TextWidth("+1 Second"));
  const auto height = static_cast<Float>(TextHeight("+1 Second"));
  EXPECT_EQ(sprite->x, 512.0f - width * 2.0f / 2.0f);
  EXPECT_EQ(sprite->y, 100.0f - height / 2.0f);
  const Float left = renderer->GetX(sprite->x);
  EXPECT_EQ(Passes(),
            (std::vector<Pass>{{left, renderer->GetY(sprite->y), 255, 255, 255, 1, 3, 1.5f, 0}}));
  // The text's centre lands on the anchor's screen point.
  EXPECT_FLOAT_EQ(left + width * 3.0f / 2.0f, renderer->GetX(512.0f));
}

TEST_F(Sprite, ScaleIsRestoredWhenNothingIsDrawn) {
  for (Int camera : {1, 0}) {
    const Ref<TSprite> sprite = TSprite::Create(nullptr, 10.0f, 10.0f, "", nullptr);
    sprite->useRendererCamera = camera;
    sprite->SetScaleParams(3.0f, 4.0f);
    sprite->DrawCore(0);
    EXPECT_TRUE(Passes().empty());
    ExpectStateAtRest();
  }
}

TEST_F(Sprite, HitBoxesStartAtTheTruncatedPositionPlusOffset) {
  struct Box {
    Float x, y;
    Int boxX, boxY, width, height;
  };
  struct Case {
    Box a, b;
    Int expected;
  };
  const Case cases[] = {
      {{0, 0, 0, 0, 10, 10}, {10, 0, 0, 0, 10, 10}, 0},  // shared edge
      {{0, 0, 0, 0, 10, 10}, {9, 0, 0, 0, 10, 10}, 1},
      {{9.9f, 0, 0, 0, 10, 10}, {-0.5f, 0, 0, 0, 10, 10}, 1},  // 9 and 0
      {{10.0f, 0, 0, 0, 10, 10}, {-0.5f, 0, 0, 0, 10, 10}, 0},
      {{0.6f, 0, -1, 0, 1, 1}, {-1, 0, 0, 0, 1, 1}, 0},  // Int(-0.4) is 0
      {{100, 100, 16, 6, 52, 52}, {167, 157, 0, 0, 1, 1}, 1},
      {{100, 100, 16, 6, 52, 52}, {168, 100, 0, 0, 1, 1}, 0},
      {{100, 100, 16, 6, 52, 52}, {115, 105, 0, 0, 1, 1}, 0},
      {{100, 100, 16, 6, 52, 52}, {116, 106, 0, 0, 1, 1}, 1},
  };
  auto make = [](const Box& box) {
    const Ref<TSprite> sprite = TSprite::Create(nullptr, box.x, box.y, "", nullptr);
    sprite->SetHitBox(box.boxX, box.boxY, box.width, box.height);
    return sprite;
  };
  for (const Case& c : cases) {
    const Ref<TSprite> a = make(c.a);
    const Ref<TSprite> b = make(c.b);
    EXPECT_EQ(a->CollideSprite(b), c.expected) << c.a.x << " vs " << c.b.x << "," << c.b.y;
    EXPECT_EQ(b->CollideSprite(a), c.expected) << "swapped";
  }
  EXPECT_EQ(make(cases[1].a)->CollideSprite(nullptr), 0);
}

TEST_F(Sprite, SizesComeFromTheImageOrSetSize) {
  const Ref<TSprite> sprite = TSprite::Create(BlankImage(64, 64), 0.0f, 0.0f, "", nullptr);
  EXPECT_EQ(Sizes(*sprite), (std::array<Int, 8>{64, 64, 32, 32, 0, 0, 64, 64}));
  sprite->SetHitBox(16, 6, 52, 52);
  sprite->SetImage(BlankImage(33, 17));
  EXPECT_EQ(Sizes(*sprite), (std::array<Int, 8>{33, 17, 16, 8, 16, 6, 33, 17}));
  sprite->SetImage(nullptr);
  EXPECT_EQ(sprite->gameImage, nullptr);
  EXPECT_EQ(Sizes(*sprite), (std::array<Int, 8>{33, 17, 16, 8, 16, 6, 33, 17}));
  sprite->SetSize(7, 5);
  EXPECT_EQ(Sizes(*sprite), (std::array<Int, 8>{7, 5, 3, 2, 16, 6, 33, 17}));
  sprite->SetSize(-3, 0);
  EXPECT_EQ(Sizes(*sprite), (std::array<Int, 8>{-3, 0, -1, 0, 16, 6, 33, 17}));
}

TEST_F(Sprite, BoundsCheckClampsByTheHalfSizes) {
  struct Case {
    Int w2, h2;
    Float x, y, expectedX, expectedY;
  };
  const Case cases[] = {
      {32, 20, 10, 5, 32, 20},       {32, 20, 1000, 760, 992, 748},
      {32, 20, 992, 748, 992, 748},  {32, 20, 500.5f, 300.25f, 500.5f, 300.25f},
      {600, 20, 500, 100, 600, 100},  // wider than the screen
      {600, 20, 700, 100, 424, 100},
  };
  for (const Case& c : cases) {
    const Ref<TSprite> sprite = TSprite::Create(nullptr, c.x, c.y, "", nullptr);
    sprite->SetSize(c.w2 * 2, c.h2 * 2);
    sprite->BoundsCheck();
    EXPECT_EQ(sprite->x, c.expectedX) << c.x;
    EXPECT_EQ(sprite->y, c.expectedY) << c.y;
    EXPECT_EQ(sprite->originalX, c.x);
  }
}

}  // namespace
