// The user-interface thread's queue: one wake per batch, work in order, nothing after close.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "shell/work_queue.h"

namespace {

TEST(WorkQueue, WakesOncePerBatchRunsInOrderAndDropsEverythingAtClose) {
  int wakes = 0;
  WorkQueue queue([&] { ++wakes; });
  std::string ran;
  // Posted from other threads: one wake for the first, none while it waits.
  std::thread([&] {
    EXPECT_TRUE(queue.Post([&] { ran += "a"; }));
    EXPECT_TRUE(queue.Post([&] { ran += "b"; }));
  }).join();
  EXPECT_EQ(wakes, 1);
  EXPECT_EQ(ran, "");
  // Work that posts more: it runs in the same turn, after what was queued before it.
  EXPECT_TRUE(queue.Post([&] {
    ran += "c";
    queue.Post([&] { ran += "e"; });
  }));
  EXPECT_TRUE(queue.Post([&] { ran += "d"; }));
  queue.RunQueued();
  EXPECT_EQ(ran, "abcde");
  // Empty again: the next post wakes again.
  EXPECT_TRUE(queue.Post([&] { ran += "f"; }));
  EXPECT_EQ(wakes, 2);
  // Closing destroys what waits without running it, and refuses the rest.
  auto held = std::make_shared<int>(0);
  const std::weak_ptr<int> watch = held;
  EXPECT_TRUE(queue.Post([held] { (void)held; }));
  held.reset();
  queue.Close();
  EXPECT_TRUE(watch.expired());
  EXPECT_FALSE(queue.Post([&] { ran += "g"; }));
  queue.RunQueued();
  EXPECT_EQ(ran, "abcde");
  EXPECT_EQ(wakes, 2);
}

}  // namespace
