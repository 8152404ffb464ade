// Two copies started at the same moment, made certain: the other copy creates the marker between this copy's look
// for it and its own creation of it. This copy must yield all the same, as it must to a marker that another account
// holds (a deployment running as SYSTEM, a higher integrity level), which it may neither open nor create.
#include <gtest/gtest.h>

#include "platform/scoped_resources.h"
#include "setup/instance_name.h"
#include "setup/single_instance.h"
#include "tests/support/imports.h"

namespace {

// The look for the marker, made before the other copy created it.
HANDLE WINAPI OpenedTooEarly(DWORD, BOOL, LPCSTR) {
  SetLastError(ERROR_FILE_NOT_FOUND);
  return nullptr;
}

// OpenMutexA and CreateMutexA alike: three arguments of four bytes each.
HANDLE WINAPI Denied(void*, BOOL, LPCSTR) {
  SetLastError(ERROR_ACCESS_DENIED);
  return nullptr;
}

}  // namespace

TEST(SingleInstance, ACopyThatLosesTheRaceForTheMarkerYields) {
  const ScopedHandle other(
      CreateMutexA(nullptr, TRUE, InstanceMarkerFor("Velkor race", kPlatformWindowsNt).mutexName.c_str()));
  ASSERT_TRUE(other);
  void** const slot = ImportSlot("OpenMutexA");
  void** const create = ImportSlot("CreateMutexA");
  ASSERT_TRUE(slot && create);
  void* const openMutex = Redirect(slot, reinterpret_cast<void*>(&OpenedTooEarly));
  const bool claimed = ClaimSingleInstance("Velkor race", false);
  const bool claimedAlone = ClaimSingleInstance("Velkor alone", false);
  void* const createMutex = Redirect(create, reinterpret_cast<void*>(&Denied));
  const bool claimedCreateDenied = ClaimSingleInstance("Velkor denied", false);
  Redirect(create, createMutex);
  Redirect(slot, reinterpret_cast<void*>(&Denied));
  const bool claimedOpenDenied = ClaimSingleInstance("Velkor denied", false);
  Redirect(slot, openMutex);
  EXPECT_FALSE(claimed);
  EXPECT_TRUE(claimedAlone);
  EXPECT_FALSE(claimedCreateDenied || claimedOpenDenied);
}
