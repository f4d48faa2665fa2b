#include <gtest/gtest.h>

#include <QCursor>
#include <QGuiApplication>

#include "store/wait_cursor.h"

namespace {

// Nested wait cursors (a save holding one and each of its statements another) show the wait
// cursor until the outermost ends, and leave no cursor behind whichever way each one ends.
TEST(WaitCursorTest, NestedCursorsLeaveNothingBehind) {
  ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
  {
    WaitCursor outer;
    for (int statement = 0; statement < 3; ++statement) {
      WaitCursor inner;
      ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
      EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
      if (statement == 1) inner.Release();  // released early, then destroyed
    }
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    outer.Release();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  }
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
