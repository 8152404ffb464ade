#include <gtest/gtest.h>

#include "platform/event_queue.h"
#include "platform/folder_path.h"
#include "platform/window_flags.h"
#include "platform/window_placement.h"

TEST(WindowStyleFromFlags, CaptionOnlyWhenNothingButLayerBitsIsAsked) {
  EXPECT_EQ(WindowStyleFromFlags(0), kStyleCaption);
  EXPECT_EQ(WindowStyleFromFlags(kWindowCentreScreen | kWindowCentreParent | kWindowHidden), kStyleCaption);
  EXPECT_EQ(WindowStyleFromFlags(0x10C00001u), 0xC00000u);   // hidden, caption, centred: layer bits removed
  EXPECT_EQ(WindowStyleFromFlags(0x1C80000u), 0x1C80000u);   // maximised with system menu: nothing added
  EXPECT_EQ(WindowStyleFromFlags(0x80000001u), 0x80000000u); // a popup stays without caption
}

TEST(PlaceWindow, ScreenCentringCutsToScreenParentCentringKeepsOnScreen) {
  const ScreenArea screen{0, 0, 1024, 768};
  WindowPlacement p = PlaceWindow(kWindowCentreScreen, 5, 5, 2000, 500, screen, {100, 100, 50, 50});
  EXPECT_EQ(p.width, 1024);
  EXPECT_EQ(p.height, 500);
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 134);
  p = PlaceWindow(kWindowCentreScreen | kWindowCentreParent, 0, 0, 100, 100, screen, {0, 0, 10, 10});
  EXPECT_EQ(p.x, 462);  // the screen wins
  p = PlaceWindow(kWindowCentreParent, 0, 0, 500, 400, screen, {10, 20, 100, 50});
  EXPECT_EQ(p.x, 0);
  EXPECT_EQ(p.y, 0);
  EXPECT_EQ(p.width, 500);  // not cut
  EXPECT_TRUE(PlaceWindow(0, kKeepValue, 40, 10, 10, screen, screen).defaultPosition);
  EXPECT_TRUE(PlaceWindow(0, 40, kKeepValue, 10, 10, screen, screen).defaultPosition);
  EXPECT_FALSE(PlaceWindow(0, 40, 0, 10, 10, screen, screen).defaultPosition);
  EXPECT_FALSE(PlaceWindow(kWindowCentreScreen, kKeepValue, kKeepValue, 100, 100, screen, screen).defaultPosition);
}

TEST(FolderPath, TrailingBackslashRules) {
  EXPECT_EQ(FolderBrowserStart("C:\\Programme\\PureBasic\\"), Text("C:\\Programme\\PureBasic"));
  EXPECT_EQ(FolderBrowserStart("C:\\"), Text("C:\\"));
  EXPECT_EQ(FolderBrowserStart("ab\\"), Text("ab\\"));
  EXPECT_EQ(FolderBrowserStart("abc\\"), Text("abc"));
  EXPECT_EQ(FolderBrowserStart(""), Text(""));
  EXPECT_EQ(FolderWithBackslash("C:\\"), Text("C:\\"));
  EXPECT_EQ(FolderWithBackslash("D:\\Bücher"), Text("D:\\Bücher\\"));
  EXPECT_EQ(FolderWithBackslash(""), Text(""));
}

TEST(EventQueue, OldestFirstAndOldestDroppedWhenFull) {
  EventQueue queue;
  LayerEvent event{};
  EXPECT_FALSE(queue.Pop(&event));
  for (int i = 0; i < EventQueue::kCapacity + 5; ++i) queue.Push({i, 0, 0, 0});
  int expected = 5;
  while (queue.Pop(&event)) EXPECT_EQ(event.code, expected++);
  EXPECT_EQ(expected, EventQueue::kCapacity + 5);
  queue.Push({16, 1, 0, 0});
  ASSERT_TRUE(queue.Pop(&event));
  EXPECT_EQ(event.code, 16);
}
