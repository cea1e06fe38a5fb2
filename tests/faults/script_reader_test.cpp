// The replay driver's script reader under signals: a read that a signal interrupts is
// read again, and a real error is told apart from the end of the script.
#ifndef _WIN32  // Linux only: POSIX signals interrupting a read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "tools/replay/script_reader.h"

namespace {

std::atomic<int> signals_caught{0};
void CountSignal(int) {
  ++signals_caught;
}

TEST(ScriptReader, ASignalDuringTheReadDoesNotEndTheScript) {
  // No SA_RESTART: the blocked read returns EINTR, as under a handler that asks for it.
  struct sigaction action {};
  action.sa_handler = CountSignal;
  sigemptyset(&action.sa_mask);
  struct sigaction before {};
  ASSERT_EQ(sigaction(SIGUSR1, &action, &before), 0);

  int channel[2];
  ASSERT_EQ(pipe(channel), 0);
  ASSERT_EQ(write(channel[1], "click 按钮7\n", 14), 14);
  std::vector<std::string> lines;
  int error = -1;
  std::atomic<bool> waiting{false};
  std::thread reader([&] {
    ScriptReader script(channel[0]);
    std::string line;
    while (script.Next(line)) {
      lines.push_back(line);
      waiting = true;  // the next read blocks: nothing more is in the pipe yet
    }
    error = script.error();
  });
  while (!waiting) std::this_thread::yield();
  for (int i = 0; i < 5; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    pthread_kill(reader.native_handle(), SIGUSR1);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const std::string rest = "print 编辑框9\nclick 超级按钮1";  // the last line has no line feed
  ASSERT_EQ(write(channel[1], rest.data(), rest.size()), static_cast<ssize_t>(rest.size()));
  close(channel[1]);
  reader.join();
  close(channel[0]);
  sigaction(SIGUSR1, &before, nullptr);

  EXPECT_EQ(signals_caught.load(), 5);
  EXPECT_EQ(lines, (std::vector<std::string>{"click 按钮7", "print 编辑框9", "click 超级按钮1"}));
  EXPECT_EQ(error, 0);
}

TEST(ScriptReader, AReadErrorIsNotTheEndOfTheScript) {
  const int folder = open("/", O_RDONLY | O_DIRECTORY);
  ASSERT_GE(folder, 0);
  ScriptReader script(folder);
  std::string line;
  EXPECT_FALSE(script.Next(line));
  EXPECT_EQ(script.error(), EISDIR);
  close(folder);
}

}  // namespace
#endif  // !_WIN32
