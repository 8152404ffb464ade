#include <gtest/gtest.h>

#include "platform/event_queue.h"
#include "platform/folder_path.h"
#include "platform/window_flags.h"
#include "platform/window_placement.h"

TEST(WindowStyleFromFlags, CaptionOnlyWhenNothingButLayerBitsIsAsked) {
  EXPECT_EQ(WindowStyleFromFlags(0), kStyleCaption);
  EXPECT_EQ(WindowStyleFromFlags(kWindowHidden), kStyleCaption);
  EXPECT_EQ(WindowStyleFromFlags(kWindowCentreScreen | kWindowCentreParent | kWindowHidden), kStyleCaption);
  // The setup dialog's flags: the caption is asked for, the layer bits are not styles.
  EXPECT_EQ(WindowStyleFromFlags(0x10C00001u), 0xC00000u);
  // The background window: maximised with caption and system menu, no other style added.
  EXPECT_EQ(WindowStyleFromFlags(0x1C80000u), 0x1C80000u);
  // A style without a caption stays without one.
  EXPECT_EQ(WindowStyleFromFlags(0x80000000u | kWindowCentreScreen), 0x80000000u);
}

TEST(PlaceWindow, CentredOnScreenAndCutToIt) {
  const ScreenArea screen{0, 0, 1024, 768};
  const ScreenArea parent{100, 100, 50, 50};
  WindowPlacement p = PlaceWindow(kWindowCentreScreen, 5, 5, 306, 313, screen, parent);
  EXPECT_EQ(p.x, (1024 - 306) / 2);
  EXPECT_EQ(p.y, (768 - 313) / 2);
  EXPECT_EQ(p.width, 306);
  EXPECT_FALSE(p.defaultX || p.defaultY);
  p = PlaceWindow(kWindowCentreScreen, 0, 0, 2000, 500, screen, parent);
  EXPECT_EQ(p.width, 1024);
  EXPECT_EQ(p.height, 500);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 134);
  // Screen centring wins over parent centring.
  p = PlaceWindow(kWindowCentreScreen | kWindowCentreParent, 0, 0, 100, 100, screen, parent);
  EXPECT_EQ(p.x, 462);
}

TEST(PlaceWindow, CentredOverParentNeverBelowZero) {
  const ScreenArea screen{0, 0, 1024, 768};
  WindowPlacement p = PlaceWindow(kWindowCentreParent, 0, 0, 100, 60, screen, {200, 300, 400, 200});
  EXPECT_EQ(p.x, 350);
  EXPECT_EQ(p.y, 370);
  p = PlaceWindow(kWindowCentreParent, 0, 0, 500, 400, screen, {10, 20, 100, 50});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.width, 500);  // no cut
}

TEST(PlaceWindow, MinusSixtyFiveThousandLeavesPositionToWindows) {
  const ScreenArea screen{0, 0, 800, 600};
  WindowPlacement p = PlaceWindow(0, kKeepValue, 40, 10, 10, screen, screen);
  EXPECT_TRUE(p.defaultX);
  EXPECT_FALSE(p.defaultY);
  EXPECT_EQ(p.y, 40);
  p = PlaceWindow(0, 7, kKeepValue, 10, 10, screen, screen);
  EXPECT_FALSE(p.defaultX);
  EXPECT_TRUE(p.defaultY);
  // Centring decides the position itself.
  p = PlaceWindow(kWindowCentreScreen, kKeepValue, kKeepValue, 100, 100, screen, screen);
  EXPECT_FALSE(p.defaultX || p.defaultY);
  EXPECT_EQ(p.x, 350);
}

TEST(FolderPath, StartDropsTrailingBackslashExceptOnShortPaths) {
  EXPECT_EQ(FolderBrowserStart("C:\\Programme\\PureBasic\\"), Text("C:\\Programme\\PureBasic"));
  EXPECT_EQ(FolderBrowserStart("C:\\Programme"), Text("C:\\Programme"));
  EXPECT_EQ(FolderBrowserStart("C:\\"), Text("C:\\"));
  EXPECT_EQ(FolderBrowserStart("C:"), Text("C:"));
  EXPECT_EQ(FolderBrowserStart("ab\\"), Text("ab\\"));
  EXPECT_EQ(FolderBrowserStart("abc\\"), Text("abc"));
  EXPECT_EQ(FolderBrowserStart(""), Text(""));
}

TEST(FolderPath, ResultEndsWithExactlyOneBackslash) {
  EXPECT_EQ(FolderWithBackslash("C:\\"), Text("C:\\"));
  EXPECT_EQ(FolderWithBackslash("C:\\Programme\\PureBasic"), Text("C:\\Programme\\PureBasic\\"));
  EXPECT_EQ(FolderWithBackslash("D:\\Bücher"), Text("D:\\Bücher\\"));
  EXPECT_EQ(FolderWithBackslash(""), Text(""));
}

TEST(EventQueue, OldestFirstAndOldestDroppedWhenFull) {
  EventQueue queue;
  LayerEvent event{};
  EXPECT_FALSE(queue.Pop(&event));
  queue.Push({16, 1, 0, 0});
  queue.Push({13100, 1, 101, 0});
  ASSERT_TRUE(queue.Pop(&event));
  EXPECT_EQ(event.code, 16);
  ASSERT_TRUE(queue.Pop(&event));
  EXPECT_EQ(event.control, 101);
  EXPECT_FALSE(queue.Pop(&event));

  for (int i = 0; i < EventQueue::kCapacity + 5; ++i) queue.Push({i, 0, 0, 0});
  EXPECT_EQ(queue.Count(), EventQueue::kCapacity);
  ASSERT_TRUE(queue.Pop(&event));
  EXPECT_EQ(event.code, 5);
  int last = event.code;
  while (queue.Pop(&event)) {
    EXPECT_EQ(event.code, last + 1);
    last = event.code;
  }
  EXPECT_EQ(last, EventQueue::kCapacity + 4);
}
