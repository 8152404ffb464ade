// Two copies started at the same moment, made certain: the other copy creates the marker between this copy's look
// for it and its own creation of it. This copy must yield all the same.
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

// A marker that another account holds (a deployment running as SYSTEM, a higher integrity level).
HANDLE WINAPI OpenDenied(DWORD, BOOL, LPCSTR) {
  SetLastError(ERROR_ACCESS_DENIED);
  return nullptr;
}
HANDLE WINAPI CreateDenied(LPSECURITY_ATTRIBUTES, BOOL, LPCSTR) {
  SetLastError(ERROR_ACCESS_DENIED);
  return nullptr;
}

}  // namespace

TEST(SingleInstance, ACopyThatLosesTheRaceForTheMarkerYields) {
  const ScopedHandle other(
      CreateMutexA(nullptr, TRUE, InstanceMarkerFor("Velkor race", kPlatformWindowsNt).mutexName.c_str()));
  ASSERT_TRUE(other);
  void** const slot = ImportSlot("OpenMutexA");
  ASSERT_NE(slot, nullptr);
  void* const openMutex = Redirect(slot, reinterpret_cast<void*>(&OpenedTooEarly));
  const bool claimed = ClaimSingleInstance("Velkor race", false);
  const bool claimedAlone = ClaimSingleInstance("Velkor alone", false);
  Redirect(slot, openMutex);
  EXPECT_FALSE(claimed);
  EXPECT_TRUE(claimedAlone);
}

TEST(SingleInstance, AMarkerThisAccountMayNotOpenOrCreateCountsAsAnotherCopy) {
  void** const open = ImportSlot("OpenMutexA");
  void** const create = ImportSlot("CreateMutexA");
  ASSERT_TRUE(open && create);
  void* const openMutex = Redirect(open, reinterpret_cast<void*>(&OpenDenied));
  const bool claimedOpenDenied = ClaimSingleInstance("Velkor denied", false);
  Redirect(open, reinterpret_cast<void*>(&OpenedTooEarly));
  void* const createMutex = Redirect(create, reinterpret_cast<void*>(&CreateDenied));
  const bool claimedCreateDenied = ClaimSingleInstance("Velkor denied", false);
  Redirect(create, createMutex);
  Redirect(open, openMutex);
  EXPECT_FALSE(claimedOpenDenied);
  EXPECT_FALSE(claimedCreateDenied);
}
