// A program that cannot tell where it is saves nowhere. Without /proc (a private mount
// namespace with an empty one) the executable's place is unknown: the board still
// starts, and every save fails with the message instead of landing at the root or in
// the current folder.
#ifndef _WIN32  // Linux only: mount namespaces and /proc.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "faults/fault_support.h"
#include "services/file_services.h"
#include "services/record_folder.h"

namespace faults {
namespace {

const std::string kSkip = "skip: ";

// Hides /proc behind an empty tmpfs in a mount namespace of this process's own; empty
// on success, otherwise why it cannot be done (beginning with kSkip).
std::string HideProc() {
  if (unshare(CLONE_NEWNS) != 0)
    return kSkip + "no mount namespace: " + std::strerror(errno);
  if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
    return kSkip + "cannot make mounts private: " + std::strerror(errno);
  if (mount("tmpfs", "/proc", "tmpfs", 0, "size=64k") != 0)
    return kSkip + "cannot mount a tmpfs over /proc: " + std::strerror(errno);
  return {};
}

TEST(UnknownPlace, WithoutProcTheBoardStartsAndEverySaveFailsVisibly) {
  const fs::path current = MakeTemporaryFolder("unknown-place");
  ASSERT_FALSE(current.empty());
  const fs::path at_root = SlotFile("/", 0);
  const bool root_had_one = fs::exists(fs::symlink_status(at_root));

  // In a child: the mounts and the current folder stay with it.
  const std::string answer = InChild([&]() -> std::string {
    if (std::string why = HideProc(); !why.empty())
      return why;
    if (chdir(current.c_str()) != 0)
      return "cannot enter " + current.string();
    // What the Linux program's main does.
    const std::optional<NativePath> program = ExecutableDirectory();
    std::string seen = program ? "program folder \"" + *program + "\"\n" : "";
    std::vector<std::string> shown;
    HeadlessFrontEnd front_end(DateTimeFromCalendar(2016, 5, 3, 14, 5, 9),
                               [&](const std::string& line) { shown.push_back(line); });
    Application app(front_end);
    front_end.Attach(app);
    app.Start(RecordFolderOfProgram(program));
    for (int save = 0; save < 2; ++save) {
      if (!app.Click(超级按钮1))
        seen += "the save button took no click\n";
    }
    for (const std::string& line : shown) {
      if (line.rfind("message: ", 0) == 0)
        seen += line + "\n";
    }
    return seen;
  });

  // A record the fault put at the root is taken away again, and fails the test below.
  const bool root_took_one = !root_had_one && fs::exists(fs::symlink_status(at_root));
  if (root_took_one)
    fs::remove(at_root);
  const std::vector<std::string> left_in_current = Entries(current);
  std::error_code ignored;
  fs::remove_all(current, ignored);

  if (answer.rfind(kSkip, 0) == 0)
    GTEST_SKIP() << answer.substr(kSkip.size());
  EXPECT_EQ(answer,
            "message: 信息：: 保存游戏数据失败：游戏数据保存.txt\n"
            "message: 信息：: 保存游戏数据失败：游戏数据保存.txt\n");
  EXPECT_FALSE(root_took_one) << "a record was written at " << at_root;
  EXPECT_TRUE(left_in_current.empty()) << "the current folder took " << left_in_current.front();
}

}  // namespace
}  // namespace faults
#endif  // !_WIN32
