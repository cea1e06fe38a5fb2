#include "test_dump.h"

#include <signal.h>

#include <sstream>
#include <thread>

#include "child_output.h"

std::vector<std::pair<std::string, std::string>> AskTestDump(pid_t app,
                                                             const std::filesystem::path& file,
                                                             std::chrono::milliseconds limit) {
  std::error_code ignored;
  std::filesystem::remove(file, ignored);
  kill(app, SIGUSR1);
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!std::filesystem::exists(file) && std::chrono::steady_clock::now() < end)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  std::vector<std::pair<std::string, std::string>> pairs;
  std::istringstream lines(ReadAll(file));
  std::string line;
  while (std::getline(lines, line))
    if (const size_t eq = line.find('='); eq != std::string::npos)
      pairs.emplace_back(line.substr(0, eq), line.substr(eq + 1));
  return pairs;
}
