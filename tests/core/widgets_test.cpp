// The rules of the gradient caption and the flat toolbar button that need no
// window: band tables, caption geometry, glyph and caption placement, grey
// glyphs, hints, and what pointer and group do to a button.
#include <gtest/gtest.h>

#include <algorithm>

#include "widgets/caption_layout.h"
#include "widgets/explorer_button_state.h"
#include "widgets/explorer_geometry.h"
#include "widgets/glyph_image.h"
#include "widgets/gradient_bands.h"

namespace pavane::widgets {
namespace {

TEST(GradientBands, TheCountIsHeldTo8To512AndAnUnchangedOneIsIgnored) {
  EXPECT_EQ(AcceptedGradientColors(64, 8), 8);
  EXPECT_EQ(AcceptedGradientColors(64, 512), 512);
  EXPECT_EQ(AcceptedGradientColors(64, 7), std::nullopt);
  EXPECT_EQ(AcceptedGradientColors(64, 513), std::nullopt);
  EXPECT_EQ(AcceptedGradientColors(64, 64), std::nullopt);
}

TEST(GradientBands, RunFromStartToStopRoundingHalvesToEven) {
  const auto bands = GradientBands({0, 0, 0}, {10, 128, 255}, 64);
  ASSERT_EQ(bands.size(), 64u);
  EXPECT_EQ(bands.front(), (Rgb{0, 0, 0}));
  EXPECT_EQ(bands.back(), (Rgb{10, 128, 255}));
  // Steps of 1.5 and 0.5: 1.5 rounds to 2, 0.5 to 0, 2.5 to 2.
  EXPECT_EQ(GradientBands({0, 0, 0}, {3, 1, 5}, 3)[1], (Rgb{2, 0, 2}));
  const auto down = GradientBands({200, 0, 0}, {0, 0, 0}, 8);
  EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend(), [](Rgb a, Rgb b) { return a.r < b.r; }));
}

TEST(GradientBands, PaletteBandsTileTheWidthWithoutGaps) {
  EXPECT_EQ(ColumnsOfBand(0, 10, 4).left, 0);
  EXPECT_EQ(ColumnsOfBand(0, 10, 4).right, 2);  // 2.5 rounds to 2
  EXPECT_EQ(ColumnsOfBand(2, 10, 4).right, 8);  // 7.5 rounds to 8
  for (int band = 0; band + 1 < 64; ++band) {
    EXPECT_EQ(ColumnsOfBand(band, 397, 64).right, ColumnsOfBand(band + 1, 397, 64).left);
  }
  EXPECT_EQ(ColumnsOfBand(63, 397, 64).right, 397);
}

constexpr CaptionMetrics kMetrics{.frameX = 4,
                                  .frameY = 4,
                                  .dialogFrameX = 3,
                                  .dialogFrameY = 3,
                                  .captionHeight = 19,
                                  .smallCaptionHeight = 15,
                                  .smallIcon = 16,
                                  .smallButton = 14};

TEST(CaptionLayout, TheCaptionIsTheWindowInsideItsBorderAsHighAsTheCaption) {
  EXPECT_EQ(CaptionRect(406, 450, BorderStyle::Single, kMetrics), (Rect{3, 3, 403, 21}));
  EXPECT_EQ(CaptionRect(406, 450, BorderStyle::Sizeable, kMetrics), (Rect{4, 4, 402, 22}));
  EXPECT_EQ(CaptionRect(406, 450, BorderStyle::ToolWindow, kMetrics), (Rect{3, 3, 403, 17}));
  EXPECT_EQ(CaptionRect(406, 450, BorderStyle::None, kMetrics), Rect{});
}

TEST(CaptionLayout, TheMainWindowShowsIconCloseADisabledMaximiseAndMinimise) {
  const CaptionParts parts = LayoutCaption(400, 18, BorderStyle::Single,
                                           {.systemMenu = true, .minimize = true, .maximize = false}, false, kMetrics);
  EXPECT_TRUE(parts.hasIcon);
  EXPECT_EQ(parts.iconLeft, 2);
  EXPECT_EQ(parts.iconTop, 1);
  ASSERT_EQ(parts.buttons.size(), 3u);
  // w = 16 - 2 = 14, already even like the height 18.
  EXPECT_EQ(parts.buttons[0].button, CaptionButton::Close);
  EXPECT_EQ(parts.buttons[0].bounds, (Rect{382, 2, 398, 16}));
  EXPECT_EQ(parts.buttons[1].button, CaptionButton::Maximize);
  EXPECT_TRUE(parts.buttons[1].disabled);
  EXPECT_EQ(parts.buttons[1].bounds, (Rect{364, 2, 380, 16}));
  EXPECT_EQ(parts.buttons[2].button, CaptionButton::Minimize);
  EXPECT_FALSE(parts.buttons[2].disabled);
  EXPECT_EQ(parts.text, (Rect{18, 0, 400 - 18 - 16 - 16 - 3, 18}));
}

TEST(CaptionLayout, ButtonWidthsMatchTheHeightsParityAndHelpShowsOnlyWhereItFits) {
  const CaptionParts odd =
      LayoutCaption(200, 19, BorderStyle::Dialog, {.systemMenu = true, .help = true}, false, kMetrics);
  ASSERT_EQ(odd.buttons.size(), 2u);  // a dialog has no size buttons, but help
  EXPECT_FALSE(odd.hasIcon);
  EXPECT_EQ(odd.buttons[0].bounds.Width(), 17);  // w = 15 plus the 2 of the frame
  EXPECT_EQ(odd.buttons[1].button, CaptionButton::Help);
  const CaptionParts sized =
      LayoutCaption(200, 18, BorderStyle::Sizeable,
                    {.systemMenu = true, .minimize = true, .maximize = true, .help = true}, true, kMetrics);
  ASSERT_EQ(sized.buttons.size(), 3u);
  EXPECT_EQ(sized.buttons[1].button, CaptionButton::Restore);
  const CaptionParts tool = LayoutCaption(200, 14, BorderStyle::ToolWindow, {}, false, kMetrics);
  ASSERT_EQ(tool.buttons.size(), 1u);
  EXPECT_EQ(tool.buttons[0].bounds.left, 200 - 2 - 14 + 2);
}

TEST(ExplorerPlacement, GlyphAboveTheCaptionCentredWithRoomForTheArrow) {
  PlacementInput input{.width = 68,
                       .height = 40,
                       .glyphWidth = 20,
                       .glyphHeight = 20,
                       .textWidth = 50,
                       .textHeight = 11,
                       .hasText = true};
  Placement place = PlaceGlyphAndText(input);
  EXPECT_EQ(place.glyphY, 3);  // (40 - 11 - 20 - 2) / 2, toward zero
  EXPECT_EQ(place.text.top, 25);
  EXPECT_EQ(place.glyphX, 24);
  EXPECT_EQ(place.text, (Rect{9, 25, 59, 36}));
  input.arrow = true;
  EXPECT_EQ(PlaceGlyphAndText(input).glyphX, 19);  // the glyph box is 10 wider
  input.layout = GlyphLayout::BitmapBottom;
  EXPECT_EQ(PlaceGlyphAndText(input).text.top, 3);
  EXPECT_EQ(PlaceGlyphAndText(input).glyphY, 16);
}

TEST(ExplorerPlacement, BesideTheGlyphTheCaptionGivesWayAndWrappingKeepsAMargin) {
  const Placement left = PlaceGlyphAndText({.width = 60,
                                            .height = 30,
                                            .glyphWidth = 20,
                                            .glyphHeight = 20,
                                            .textWidth = 50,
                                            .textHeight = 11,
                                            .hasText = true,
                                            .alignment = Alignment::Left,
                                            .layout = GlyphLayout::BitmapLeft});
  EXPECT_EQ(left.glyphX, 3);
  EXPECT_EQ(left.text, (Rect{25, 9, 25 + 34, 20}));  // cut to 60 - 4 - 2 - 20
  const Placement right = PlaceGlyphAndText({.width = 60,
                                             .height = 30,
                                             .glyphWidth = 20,
                                             .glyphHeight = 20,
                                             .textWidth = 20,
                                             .textHeight = 11,
                                             .hasText = true,
                                             .alignment = Alignment::Right,
                                             .layout = GlyphLayout::BitmapRight});
  EXPECT_EQ(right.glyphX, 37);
  EXPECT_EQ(right.text.left, 15);
  const Placement arrow =
      PlaceGlyphAndText({.width = 40, .height = 20, .textWidth = 36, .textHeight = 11, .hasText = true, .arrow = true});
  EXPECT_EQ(arrow.text, (Rect{2, 4, 28, 15}));  // cut to 40 - 14, placed 10 wider for the arrow
  const Placement wrapped = PlaceGlyphAndText({.width = 40,
                                               .height = 20,
                                               .textWidth = 36,
                                               .textHeight = 11,
                                               .hasText = true,
                                               .wordWrap = true,
                                               .alignment = Alignment::Left});
  EXPECT_EQ(wrapped.text.right, 40 - 5);  // wrapped text keeps 5 pixels free
}

TEST(ExplorerButtonText, TheHintDropsAcceleratorMarksAndThePointerMustBeStrictlyInside) {
  EXPECT_EQ(WithoutAccelerators("&Open ROM..."), "Open ROM...");
  EXPECT_EQ(WithoutAccelerators("Load && Go"), "Load & Go");
  EXPECT_EQ(WithoutAccelerators("End&"), "End&");
  const Rect button{152, 5, 220, 45};
  EXPECT_FALSE(PointerInside(button, 152, 20));
  EXPECT_FALSE(PointerInside(button, 160, 5));
  EXPECT_TRUE(PointerInside(button, 153, 6));
  EXPECT_FALSE(PointerInside(button, 220, 20));
  EXPECT_EQ(ArrowPixels(10, 10).size(), 16u);
}

TEST(GreyGlyph, BrightnessThresholdsOfEachShadingAndTheTransparentColourKept) {
  EXPECT_EQ(GreyOf({185, 185, 184}, ShadingType::Medium), GreyLevel::White);      // 554
  EXPECT_EQ(GreyOf({185, 184, 184}, ShadingType::Medium), GreyLevel::Highlight);  // 553
  EXPECT_EQ(GreyOf({77, 77, 77}, ShadingType::Medium), GreyLevel::Shadow);        // 231
  EXPECT_EQ(GreyOf({19, 19, 19}, ShadingType::Medium), GreyLevel::Black);         // 57
  EXPECT_EQ(GreyOf({70, 70, 70}, ShadingType::Light), GreyLevel::White);          // 210 > 205
  EXPECT_EQ(GreyOf({100, 100, 100}, ShadingType::Dark), GreyLevel::Highlight);    // 300
  EXPECT_EQ(GreyOf({85, 85, 85}, ShadingType::Dark), GreyLevel::Shadow);          // 255
  EXPECT_EQ(GreyOf({58, 59, 58}, ShadingType::Dark), GreyLevel::Black);           // 175

  Image glyph(3, 1, {128, 0, 128});  // dark magenta stays transparent
  glyph.Set(1, 0, {255, 255, 0});
  glyph.Set(2, 0, {0, 0, 128});
  const Image grey = GreyGlyph(glyph, ShadingType::Medium, {192, 192, 192}, {128, 128, 128});
  EXPECT_EQ(grey.At(0, 0), (Rgb{128, 0, 128}));
  EXPECT_EQ(grey.At(1, 0), (Rgb{192, 192, 192}));  // 510
  EXPECT_EQ(grey.At(2, 0), (Rgb{128, 128, 128}));  // 128
}

TEST(GlyphDrawing, TransparentPixelsShowTheSurfaceAndTheEmbossingStampsTheBlackOnes) {
  Image surface(4, 4, {1, 1, 1});
  Image glyph(2, 2, {255, 0, 255});
  glyph.Set(1, 1, {0, 0, 0});
  DrawTransparent(surface, glyph, 2, 2);
  EXPECT_EQ(surface.At(2, 2), (Rgb{1, 1, 1}));
  EXPECT_EQ(surface.At(3, 3), (Rgb{0, 0, 0}));
  DrawTransparent(surface, glyph, 3, 3);  // cut off at the edge, nothing outside
  Image etched(4, 4, {1, 1, 1});
  DrawEmbossed(etched, glyph, 0, 0, {255, 255, 255}, {128, 128, 128});
  EXPECT_EQ(etched.At(1, 1), (Rgb{128, 128, 128}));
  EXPECT_EQ(etched.At(2, 2), (Rgb{255, 255, 255}));
  EXPECT_EQ(etched.At(0, 0), (Rgb{1, 1, 1}));
  const Image pattern = DownPattern({192, 192, 192}, {255, 255, 255});
  EXPECT_EQ(pattern.At(0, 0), (Rgb{255, 255, 255}));
  EXPECT_EQ(pattern.At(1, 0), (Rgb{192, 192, 192}));
  EXPECT_EQ(pattern.At(3, 5), (Rgb{255, 255, 255}));
}

TEST(ExplorerButtonState, APressReleasedOutsideOrOnADropDownButtonFiresNoClick) {
  ExplorerButtonState button;
  button.PointerEnter();
  ASSERT_TRUE(button.Press());
  EXPECT_TRUE(button.Release(true, false, {}));
  button.Press();
  button.PointerLeave();
  EXPECT_FALSE(button.Release(false, false, {}));
  button.PointerEnter();
  button.Press();
  EXPECT_FALSE(button.Release(true, true, {}));
  button.Press();
  button.EndPressWithoutClick(false);
  EXPECT_FALSE(button.Hot());
  EXPECT_FALSE(button.Release(true, false, {})) << "the press has ended";
  button.SetEnabled(false);
  EXPECT_FALSE(button.Press());
}

TEST(ExplorerButtonState, AGroupLatchesOneButtonDown) {
  ExplorerButtonState a, b, c;
  const ExplorerButtonState::Siblings all{&a, &b, &c};
  EXPECT_FALSE(a.SetDown(true, all)) << "no group: no latch";
  for (auto* button : all) button->SetGroupIndex(1);
  a.SetDown(true, all);
  b.PointerEnter();
  b.Press();
  b.Release(true, false, all);
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(a.Down());
  b.Press();
  b.Release(true, false, all);
  EXPECT_TRUE(b.Down()) << "clicking the down one again keeps it down";
  c.SetAllowAllUp(true, all);
  EXPECT_TRUE(b.AllowAllUp());
  b.Press();
  b.Release(true, false, all);
  EXPECT_FALSE(b.Down());
  c.SetDown(true, all);
  c.SetGroupIndex(0);
  EXPECT_FALSE(c.Down());
}

}  // namespace
}  // namespace pavane::widgets
