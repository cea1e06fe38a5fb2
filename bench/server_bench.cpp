// From a click through the local server to the event stream carrying its result: the
// click travels to the board's thread, runs, the board publishes, the stream sends. The
// reference is a bare read of board.json over the same kind of connection.
#include <benchmark/benchmark.h>

#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "overlay/outside_services.h"
#include "platform/headless/headless_front_end.h"
#include "shell/application.h"
#include "shell/control_ids.h"
#include "tests/server/http_client.h"

namespace {

using Clock = std::chrono::steady_clock;

// A headless board whose own thread sleeps until the server wakes it, as a window's loop.
class WokenFrontEnd : public HeadlessFrontEnd {
 public:
  using HeadlessFrontEnd::HeadlessFrontEnd;
  void WakeFromAnyThread() override {
    {
      const std::lock_guard lock(mutex_);
      woken_ = true;
    }
    wake_.notify_one();
  }
  // Runs the queue whenever woken, until `stop`.
  void Loop(Application& app, const std::atomic<bool>& stop) {
    while (!stop.load()) {
      {
        std::unique_lock lock(mutex_);
        wake_.wait_for(lock, std::chrono::milliseconds(50), [&] { return woken_; });
        woken_ = false;
      }
      app.RunQueued();
    }
  }

 private:
  std::mutex mutex_;
  std::condition_variable wake_;
  bool woken_ = false;
};

// The board on a thread of its own with the server on, for the length of a benchmark.
struct ServedBoard {
  std::string folder;
  std::atomic<bool> stop{false};
  std::promise<std::pair<uint16_t, std::string>> served;
  std::thread board_thread;
  Application* app = nullptr;

  ServedBoard() {
    folder = (std::filesystem::temp_directory_path() / "server-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr)
      folder.clear();
    board_thread = std::thread([this] {
      WokenFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9));
      Application application(front_end);
      front_end.Attach(application);
      application.Start(folder);
      ProgramSwitches switches;
      ReadCommandLineSwitches({"--serve", "0"}, switches);
      std::vector<std::string> problems;
      OutsideServices outside(switches, application, problems);
      app = &application;
      const BoardServer* server = outside.server();
      std::string token;
      std::ifstream file(std::filesystem::path(folder) / "remote-control.txt");
      for (std::string line; std::getline(file, line);)
        if (line.rfind("token=", 0) == 0)
          token = line.substr(6);
      served.set_value({server != nullptr ? server->port() : uint16_t{0}, token});
      front_end.Loop(application, stop);
    });
  }
  ~ServedBoard() {
    stop = true;
    board_thread.join();
    std::filesystem::remove_all(folder);
  }
};

void BM_ServedClickToEvent(benchmark::State& state) {
  ServedBoard board;
  const auto [port, token] = board.served.get_future().get();
  if (port == 0) {
    state.SkipWithError("the server did not start");
    return;
  }
  const std::string host = "Host: 127.0.0.1:" + std::to_string(port) + "\r\n";
  const int events = ConnectTo(port);
  SendAll(events, "GET /events HTTP/1.1\r\n" + host + "\r\n");
  std::string stream = ReadUntil(events, std::chrono::seconds(10), [](const std::string& got) {
    return got.find("\n\n", got.find("data: ")) != std::string::npos;
  });
  const std::string click = "POST /click/%E6%8C%89%E9%92%AE9 HTTP/1.1\r\n" + host +
                            "Authorization: Bearer " + token + "\r\n\r\n";
  std::vector<double> latencies_ms;
  for (auto _ : state) {
    state.PauseTiming();
    // The gift's count, typed on the board's thread, so that each click changes the board.
    std::promise<void> typed;
    board.app->queue().Post([&] {
      board.app->Type(编辑框3, "2");
      typed.set_value();
    });
    typed.get_future().get();
    stream = ReadUntil(events, std::chrono::milliseconds(1), [](const std::string&) {
      return false;
    });  // nothing shown changed: drained only in case
    state.ResumeTiming();
    const auto start = Clock::now();
    const int fd = ConnectTo(port);
    SendAll(fd, click);
    const std::string message =
        ReadUntil(events, std::chrono::seconds(10), [](const std::string& got) {
          return got.find("\n\n", got.find("data: ")) != std::string::npos;
        });
    latencies_ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    state.PauseTiming();
    ReadUntil(fd, std::chrono::seconds(10), [](const std::string&) { return false; });
    close(fd);
    if (message.find("data: ") == std::string::npos) {
      state.SkipWithError("no event after the click");
      break;
    }
    state.ResumeTiming();
  }
  close(events);
  std::sort(latencies_ms.begin(), latencies_ms.end());
  if (!latencies_ms.empty()) {
    state.counters["p50_ms"] = latencies_ms[latencies_ms.size() / 2];
    state.counters["p99_ms"] = latencies_ms[latencies_ms.size() * 99 / 100];
  }
}
BENCHMARK(BM_ServedClickToEvent)->Iterations(300)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_ServedBoardJsonRead(benchmark::State& state) {
  ServedBoard board;
  const auto [port, token] = board.served.get_future().get();
  if (port == 0) {
    state.SkipWithError("the server did not start");
    return;
  }
  const std::string read =
      "GET /board.json HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(port) + "\r\n\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(Exchange(port, read));
}
BENCHMARK(BM_ServedBoardJsonRead)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
