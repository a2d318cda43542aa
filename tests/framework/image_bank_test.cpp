// The image bank's key rule, replacement, look-ups, handles and memory
// estimates.
#include "framework/image_bank.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "util/headless_images.h"

namespace {

using headless_images::WritePng;

class ImageBank : public ::testing::Test {
 protected:
  void SetUp() override {
    headless_images::StartHeadless();
    bank = TImageBank::Create(headless_images::TempFolder());
  }

  // The one image the bank holds.
  Ref<TGameImage> Only() const {
    EXPECT_EQ(bank->Count(), 1);
    return As<TGameImage>(bank->begin()->second);
  }

  Ref<TImageBank> bank;
};

TEST_F(ImageBank, KeysComeFromTheFileNameOrTheGivenName) {
  struct Case {
    const char *file, *name, *key, *loaded;
  };
  const Case cases[] = {{"player", "", "PLAYER", "player.png"},
                        {"titleimg.jpg", "", "TITLEIMG", "titleimg.jpg"},
                        {"zumbel.PNG", "", "ZUMBEL", "zumbel.PNG"},
                        {"fog.", "", "FOG", "fog.png"},
                        {"art.old/fog", "", "FOG", "art.old/fog.png"},
                        {"player", "hero", "HERO", "player.png"}};
  for (const Case& c : cases) {
    const std::string loaded = WritePng(c.loaded, 4, 4);  // loaders go by content
    bank->Clear();
    bank->Load(c.file, c.name, -1, 1);
    EXPECT_EQ(bank->begin()->first.ToUtf8(), c.key) << c.file;
    EXPECT_EQ(Only()->name.ToUtf8(), c.key);
    EXPECT_EQ(Only()->image->source.ToUtf8(), loaded);
  }
}

TEST_F(ImageBank, LookUpsIgnoreCaseAndAnEqualKeyReplaces) {
  WritePng("fog.png", 4, 4);
  WritePng("more/fog.png", 8, 2);
  bank->Load("fog", "", -1, 1);
  bank->Load("more/fog", "", -1, 1);
  EXPECT_EQ(Only()->w, 8);
  for (const char* name : {"fog", "Fog", "FOG"}) {
    EXPECT_EQ(bank->Find(name), Only());
    EXPECT_EQ(bank->FindTImage(name), Only()->image);
  }
  EXPECT_EQ(bank->FindTImage("ghost"), nullptr);
}

TEST_F(ImageBank, OddSizesHaveIntegerHalvesAndAnExactMidHandle) {
  WritePng("odd.png", 33, 17);
  bank->Load("odd", "", -1, 1);
  const Ref<TGameImage> odd = Only();
  EXPECT_EQ(odd->w, 33);
  EXPECT_EQ(odd->h, 17);
  EXPECT_EQ(odd->w2, 16.0f);
  EXPECT_EQ(odd->h2, 8.0f);
  EXPECT_EQ(odd->image->handle_x, 16.5f);
  EXPECT_EQ(odd->image->handle_y, 8.5f);
  EXPECT_EQ(odd->CalcRAM(), 2244);
  EXPECT_EQ(odd->CalcVRAM(), 8192);
  EXPECT_EQ(bank->CalcRAM(), 2);
  EXPECT_EQ(bank->CalcVRAM(), 8);
  bank->Clear();
  EXPECT_EQ(bank->CalcRAM(), 0);
  EXPECT_EQ(bank->CalcVRAM(), 0);
}

TEST_F(ImageBank, EstimatesSaturateInsteadOfOverflowing) {
  constexpr Int kMax = std::numeric_limits<Int>::max();
  const Ref<TImage> huge = CreateImage(40000, 40000, 2);  // no pixels are made
  const Ref<TGameImage> wrapped = TGameImage::CreateFromImage(huge, "hugeOne", 0);
  EXPECT_EQ(wrapped->name.ToUtf8(), "hugeOne");
  EXPECT_EQ(wrapped->CalcRAM(), kMax);
  EXPECT_EQ(wrapped->CalcVRAM(), kMax);
  bank->Insert("A", wrapped);
  bank->Insert("B", wrapped);
  EXPECT_EQ(bank->CalcRAM(), static_cast<Int>(2LL * kMax / 1024));
  EXPECT_EQ(bank->CalcVRAM(), static_cast<Int>(2LL * kMax / 1024));
}

TEST_F(ImageBank, LoadCentresForAnyMidAndLoadAnimOnlyForOne) {
  WritePng("still.png", 10, 6);
  WritePng("strip.png", 20, 6);
  struct Case {
    bool anim;
    Int mid, midHandled;
  };
  const Case cases[] = {{false, 1, 1}, {false, 2, 1}, {false, -1, 1}, {false, 0, 0},
                        {true, 1, 1},  {true, 2, 0},  {true, -1, 0},  {true, 0, 0}};
  for (const Case& c : cases) {
    bank->Clear();
    if (c.anim) {
      bank->LoadAnim("strip", 10, 6, 0, 2, -1, c.mid);
    } else {
      bank->Load("still", "", -1, c.mid);
    }
    EXPECT_EQ(Only()->midHandled, c.midHandled) << c.anim << " " << c.mid;
    EXPECT_EQ(Only()->image->handle_x, c.midHandled ? 5.0f : 0.0f) << c.anim << " " << c.mid;
  }
  bank->Clear();
  bank->LoadNoMidHandle("still", "", -1);
  EXPECT_EQ(Only()->midHandled, 0);
}

TEST_F(ImageBank, LoadAnimAlwaysAppendsTheExtensionAndPrecacheMakesEveryFrame) {
  WritePng("boom.png.png", 12, 4);
  bank->LoadAnim("boom.png", 4, 4, 0, 3, -1, 1);
  EXPECT_EQ(Only()->name.ToUtf8(), "BOOM.PNG");
  const Long before = platform::test::VideoFramesMade();
  bank->Precache();
  bank->Precache();
  EXPECT_EQ(platform::test::VideoFramesMade() - before, 3);
}

TEST_F(ImageBank, CreateAutoReadsCellsOnlyForMoreThanOne) {
  const std::string file = WritePng("cells.png", 12, 4);
  EXPECT_EQ(TGameImage::CreateAuto(file, 4, 4, 0, 3, -1, 1)->image->frames.size(), 3u);
  for (Int cells : {1, 0}) {  // cell arguments that fit nothing are ignored
    const Ref<TGameImage> image = TGameImage::CreateAuto(file, 99, 99, 7, cells, -1, 1);
    EXPECT_EQ(image->w, 12);
    EXPECT_EQ(image->name.ToUtf8(), "CELLS");
  }
}

TEST(ImageBankPath, EndsInASlash) {
  for (const auto& [folder, path] : {std::pair{"Data/Images", "Data/Images/"},
                                     {"Data/Images/", "Data/Images/"},
                                     {"Art\\", "Art\\"},
                                     {"", "/"}}) {
    EXPECT_EQ(TImageBank::Create(folder)->path.ToUtf8(), path);
  }
}

// In child processes; the folder does not exist.
TEST(ImageBankFatal, MissingImagesAndNamesEndTheProgram) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  headless_images::StartHeadless();
  const Ref<TImageBank> bank = TImageBank::Create("Data/Nowhere");
  EXPECT_EXIT(bank->Find("ghost"), ::testing::ExitedWithCode(255),
              ::testing::Eq("Image 'GHOST' was not found in the ImageBank"));
  EXPECT_EXIT(bank->Load("nothere", "", -1, 1), ::testing::ExitedWithCode(255),
              ::testing::Eq("Error loading image Data/Nowhere/nothere.png"));
  EXPECT_EXIT(bank->LoadAnim("nothere", 4, 4, 0, 2, -1, 1), ::testing::ExitedWithCode(255),
              ::testing::Eq("Error loading anim image Data/Nowhere/nothere.png"));
}

}  // namespace
