// The scoped guards give each handle back once, on scope exit, and only the
// guard that holds it: a move hands it on, a release gives it away, and a
// selection is undone before what was selected is deleted.
#include <gtest/gtest.h>

#include <utility>

#include "win32/scoped_handles.h"

namespace mirelo::win32 {
namespace {

bool IsGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

TEST(ScopedHandles, AGdiObjectOrDcIsDeletedOnceByTheGuardThatHoldsItLast) {
  const HPEN pen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  const HDC dc = CreateCompatibleDC(nullptr);
  {
    GdiObject<HPEN> first(pen);
    OwnedDc dcGuard(dc);
    GdiObject<HPEN> second(std::move(first));
    EXPECT_FALSE(first);
    { GdiObject<HPEN> gone = std::move(first); }  // an empty guard deletes nothing
    EXPECT_TRUE(IsGdiObject(pen));
    EXPECT_EQ(second.Get(), pen);
  }
  EXPECT_FALSE(IsGdiObject(pen));
  EXPECT_FALSE(IsGdiObject(dc));

  // Released: the caller owns it again.
  const HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
  {
    GdiObject<HBRUSH> guard(brush);
    EXPECT_EQ(guard.Release(), brush);
  }
  EXPECT_TRUE(IsGdiObject(brush));
  // Reset deletes the held one at once and holds the next.
  GdiObject<HBRUSH> guard(brush);
  const HBRUSH next = CreateSolidBrush(RGB(0, 0, 0));
  guard.Reset(next);
  EXPECT_FALSE(IsGdiObject(brush));
  EXPECT_TRUE(IsGdiObject(next));
}

TEST(ScopedHandles, ASelectionIsUndoneSoTheObjectCanGoBeforeTheDc) {
  OwnedDc dc(CreateCompatibleDC(nullptr));
  const HGDIOBJ original = GetCurrentObject(dc.Get(), OBJ_PEN);
  HPEN pen = CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
  {
    GdiObject<HPEN> owned(pen);
    SelectedObject selected(dc.Get(), owned.Get());
    EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), pen);
    SelectedObject moved(std::move(selected));  // the first undoes nothing now
  }
  EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_PEN), original);
  EXPECT_FALSE(IsGdiObject(pen));
}

TEST(ScopedHandles, GlobalMemoryIsUnlockedAndFreedUnlessGivenAway) {
  const auto lockCount = [](HGLOBAL memory) { return GlobalFlags(memory) & GMEM_LOCKCOUNT; };
  HGLOBAL kept = nullptr;
  {
    GlobalMemory memory(GlobalAlloc(GHND, 16));
    ASSERT_TRUE(memory);
    {
      GlobalLockGuard lock(memory.Get());
      ASSERT_TRUE(lock);
      lock.As<char>()[0] = 'x';
      EXPECT_EQ(lockCount(memory.Get()), 1u);
    }
    EXPECT_EQ(lockCount(memory.Get()), 0u);
    kept = memory.Release();  // as to a dialog or the clipboard
  }
  ASSERT_NE(GlobalSize(kept), 0u);
  EXPECT_EQ(static_cast<const char*>(GlobalLockGuard(kept).Get())[0], 'x');
  GlobalMemory taken(kept);  // freed at the end

  GlobalLockGuard none(nullptr);
  EXPECT_FALSE(none);
}

TEST(ScopedHandles, AKernelHandleIsClosedOnScopeExit) {
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  DWORD flags = 0;
  {
    KernelHandle handle(event);
    EXPECT_TRUE(GetHandleInformation(event, &flags));
  }
  EXPECT_FALSE(GetHandleInformation(event, &flags));
}

}  // namespace
}  // namespace mirelo::win32
