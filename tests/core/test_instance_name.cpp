#include <gtest/gtest.h>

#include "setup/instance_name.h"

TEST(InstanceMarker, NtFamilyUsesTheGlobalNameSpaceAndLooksForTheWindow) {
  const InstanceMarker marker = InstanceMarkerFor("PB-Library Velkor_400", kPlatformWindowsNt);
  EXPECT_EQ(marker.mutexName, Text("Global\\PB-Library Velkor_400"));
  EXPECT_TRUE(marker.activatesRunning);
}

TEST(InstanceMarker, OtherPlatformsUseTheGuardNameAndEndWithoutSearching) {
  for (int platform : {0, 1, 3}) {
    const InstanceMarker marker = InstanceMarkerFor("PB-Library Velkor_400", platform);
    EXPECT_EQ(marker.mutexName, Text("PB-Library Velkor_400")) << platform;
    EXPECT_FALSE(marker.activatesRunning) << platform;
  }
}
