#include <gtest/gtest.h>
#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "services/file_services.h"
#include "services/platform_paths.h"
#include "services/text.h"
#include "support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;

// A fresh folder for each test, removed with everything in it afterwards. Its path is
// plain ASCII, so as a program text it is the same bytes.
class FileServices : public testing::Test {
 protected:
  void SetUp() override {
    const fs::path folder = NewTemporaryFolder("file-services");
    ASSERT_FALSE(folder.empty());
    folder_ = folder.string();
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(folder_, ignored);
  }

  // A program text naming `name` (UTF-8 in the source) inside the folder.
  Text PathOf(std::string_view name) const { return folder_ + kPathSeparator + Gb(name); }
  // The same place as the platform names it (UTF-8 on Linux, UTF-16 on Windows).
  fs::path DiskPath(std::string_view name) const {
    return fs::path(folder_) / fs::path(std::u8string(name.begin(), name.end()));
  }

  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void Write(const fs::path& path, std::string_view content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
  }

  std::string folder_;
};

TEST_F(FileServices, IniItemsBuildAndEditARecordFile) {
  struct Step {
    const char* what;
    std::optional<std::string> key;
    std::optional<std::string> value;
    std::string content_after;  // UTF-8 here; the file holds it in GB18030
  };
  const Step steps[] = {
      {"create", "时间", "2016年12月6日23时53分17秒",
       "[保存]\r\n时间=2016年12月6日23时53分17秒\r\n"},
      {"append", "棒棒糖队友", "Orvane队：",
       "[保存]\r\n时间=2016年12月6日23时53分17秒\r\n棒棒糖队友=Orvane队：\r\n"},
      {"replace", "时间", "", "[保存]\r\n时间=\r\n棒棒糖队友=Orvane队：\r\n"},
      {"line breaks", "棒棒糖队友", "Orvane队：跪1\r\n张三\n李四",
       "[保存]\r\n时间=\r\n棒棒糖队友=Orvane队：跪1\\n张三\\n李四\r\n"},
      {"remove key", "时间", std::nullopt, "[保存]\r\n棒棒糖队友=Orvane队：跪1\\n张三\\n李四\r\n"},
      {"remove section", std::nullopt, std::nullopt, ""},
  };
  const Text file = PathOf("游戏数据保存1.txt");
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    const std::optional<Text> key = step.key ? std::optional<Text>(Gb(*step.key)) : std::nullopt;
    const std::optional<Text> value =
        step.value ? std::optional<Text>(Gb(*step.value)) : std::nullopt;
    EXPECT_TRUE(WriteIniItem(file, Gb("保存"),
                             key ? std::optional<std::string_view>(*key) : std::nullopt,
                             value ? std::optional<std::string_view>(*value) : std::nullopt));
    // The program's GB18030 name is a UTF-8 name on disk.
    EXPECT_EQ(Read(DiskPath("游戏数据保存1.txt")), Gb(step.content_after));
  }
  EXPECT_TRUE(FileExists(file));
}

TEST_F(FileServices, IniWriteKeepsOtherContentOfAnExistingFile) {
  Write(DiskPath("a.ini"), "; note\n[other]\nx=1\n\n[s]\r\nk=old\r\n\xFF\xFE junk\r\n");
  EXPECT_TRUE(WriteIniItem(PathOf("a.ini"), "S", "k", "new"));
  EXPECT_EQ(Read(DiskPath("a.ini")), "; note\n[other]\nx=1\n\n[s]\r\nk=new\r\n\xFF\xFE junk\r\n");
}

TEST_F(FileServices, IniWriteFailuresReportFalseAndLeaveNoFile) {
  EXPECT_FALSE(WriteIniItem(PathOf("missing/a.ini"), "s", "k", "v"));
  EXPECT_FALSE(fs::exists(DiskPath("missing")));

  fs::create_directory(DiskPath("taken.ini"));  // a folder where the file should be
  EXPECT_FALSE(WriteIniItem(PathOf("taken.ini"), "s", "k", "v"));
  EXPECT_TRUE(fs::is_directory(DiskPath("taken.ini")));

  // Nothing to remove from a missing file: no failure, and no file appears.
  EXPECT_TRUE(WriteIniItem(PathOf("none.ini"), "s", "k", std::nullopt));
  EXPECT_TRUE(WriteIniItem(PathOf("none.ini"), "s", std::nullopt, std::nullopt));
  EXPECT_FALSE(fs::exists(DiskPath("none.ini")));
}

TEST_F(FileServices, IniWriteIntoAReadOnlyFolderFails) {
#ifdef _WIN32
  GTEST_SKIP() << "a folder's read-only attribute does not stop new files on Windows";
#else
  if (geteuid() == 0) {
    GTEST_SKIP() << "root writes into read-only folders";
  }
#endif
  fs::create_directory(DiskPath("locked"));
  fs::permissions(DiskPath("locked"), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_FALSE(WriteIniItem(PathOf("locked/a.ini"), "s", "k", "v"));
  fs::permissions(DiskPath("locked"), fs::perms::owner_all);
}

TEST_F(FileServices, FileExistsAnswersForFilesFoldersAndPatterns) {
  Write(DiskPath("游戏数据保存.txt"), "x");
  Write(DiskPath("游戏数据保存12.txt"), "x");
  Write(DiskPath("a.ini"), "x");
  fs::create_directory(DiskPath("游戏数据保存3.txt"));  // a folder takes a slot as well
  fs::create_directory(DiskPath("empty"));
#ifndef _WIN32
  // Windows lets only privileged users make symbolic links.
  ASSERT_EQ(symlink("nowhere", DiskPath("dangling").c_str()), 0);
#endif

  struct Case {
    Text path;
    bool exists;
  };
  const Case cases[] = {
      {PathOf("游戏数据保存.txt"), true},
      {PathOf("游戏数据保存3.txt"), true},
      {PathOf("游戏数据保存1.txt"), false},
      {folder_, true},
#ifndef _WIN32
      {PathOf("dangling"), true},  // the name is taken even though the target is gone
#endif
      {"", false},
      {PathOf("missing") + kPathSeparator + "a.ini", false},
      {PathOf("*.ini"), true},
      {PathOf("*.jpg"), false},
      {PathOf("?.ini"), true},
      {PathOf("??.ini"), false},
      {PathOf("游戏数据保存??.txt"), true},  // "?" is one character, not one byte
      {PathOf("游戏数据保存???.txt"), false},
      {PathOf("?戏数据保存.txt"), true},  // one three-byte character on disk
      {PathOf("???戏数据保存.txt"), false},
      {PathOf("游*存*2.t?t"), true},
      {PathOf("[a].ini"), false},  // brackets are no pattern
      {PathOf("missing") + kPathSeparator + "*", false},
      {PathOf("empty") + kPathSeparator + "*", false},  // "." and ".." are no match
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(Utf8FromText(c.path));
    EXPECT_EQ(FileExists(c.path), c.exists);
  }
}

TEST(DirectoryOfPath, StopsAtTheLastRealSeparator) {
  struct Case {
    std::string path;
    char separator;
    std::string directory;
  };
  const std::string cheng = "\xD5\x5C";  // 誠: its trail byte is "\"
  const Case cases[] = {
      {"C:\\Games\\board.exe", '\\', "C:\\Games"},
      {"C:\\board.exe", '\\', "C:"},
      {"board.exe", '\\', ""},
      {"", '\\', ""},
      {"C:\\" + cheng + "\\board.exe", '\\', "C:\\" + cheng},
      {"C:\\Games\\" + cheng, '\\', "C:\\Games"},
      {"C:\\" + cheng + cheng + "x", '\\', "C:"},
      {"C:\\\x94\x39\xFC\x36\\x", '\\', "C:\\\x94\x39\xFC\x36"},
      {"C:\\dir\\\x81", '\\', "C:\\dir"},  // a lead byte cut off at the end
      {"/opt/board/board", '/', "/opt/board"},
      {"/board", '/', ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DirectoryOfPath(c.path, c.separator), c.directory) << c.path;
  }
}

TEST_F(FileServices, RunDirectoryIsKeptAndEntered) {
  const fs::path before = fs::current_path();
  EXPECT_TRUE(FixRunDirectory(folder_));
  EXPECT_EQ(GetRunDirectory(), folder_);
  EXPECT_EQ(fs::current_path(), fs::canonical(folder_));

  fs::create_directory(DiskPath("小黄鸭队"));
  EXPECT_TRUE(FixRunDirectory(PathOf("小黄鸭队")));
  EXPECT_EQ(fs::current_path(), fs::canonical(DiskPath("小黄鸭队")));

  // An executable at the root leaves an empty run directory, which means the root.
  EXPECT_TRUE(FixRunDirectory(""));
  EXPECT_EQ(fs::current_path(), fs::current_path().root_path());
  EXPECT_EQ(GetRunDirectory(), "");

  EXPECT_FALSE(FixRunDirectory(PathOf("missing")));
  EXPECT_EQ(GetRunDirectory(), PathOf("missing"));
  fs::current_path(before);
}

TEST(ExecutableDirectory, HoldsThisTestProgram) {
  const Text directory = ExecutableDirectory();
  ASSERT_FALSE(directory.empty());
#ifdef _WIN32
  EXPECT_TRUE(FileExists(directory + "\\files_tests.exe"));
#else
  EXPECT_TRUE(FileExists(directory + "/files_tests"));
#endif
}

TEST_F(FileServices, MovesNeverReplaceAnExistingFile) {
  Write(DiskPath("temp"), "new");
  Write(DiskPath("游戏数据保存.txt"), "old");
  EXPECT_FALSE(MoveFileNoReplace(PathOf("temp"), PathOf("游戏数据保存.txt")));
  EXPECT_EQ(Read(DiskPath("游戏数据保存.txt")), "old");
  EXPECT_EQ(Read(DiskPath("temp")), "new");

  EXPECT_TRUE(FlushFileToDisk(PathOf("temp")));
  EXPECT_TRUE(MoveFileNoReplace(PathOf("temp"), PathOf("游戏数据保存1.txt")));
  EXPECT_EQ(Read(DiskPath("游戏数据保存1.txt")), "new");
  EXPECT_FALSE(fs::exists(DiskPath("temp")));
  EXPECT_FALSE(MoveFileNoReplace(PathOf("temp"), PathOf("游戏数据保存2.txt")));

#ifdef _WIN32
  Write(DiskPath("游戏数据保存2.txt"), "two");
#else
  // The fallback for file systems without the no-replace rename.
  Write(DiskPath("temp2"), "two");
  EXPECT_FALSE(MoveByLink(DiskPath("temp2"), DiskPath("游戏数据保存.txt")));
  EXPECT_EQ(Read(DiskPath("游戏数据保存.txt")), "old");
  EXPECT_TRUE(MoveByLink(DiskPath("temp2"), DiskPath("游戏数据保存2.txt")));
  EXPECT_EQ(Read(DiskPath("游戏数据保存2.txt")), "two");
  EXPECT_FALSE(fs::exists(DiskPath("temp2")));
#endif

  EXPECT_FALSE(FlushFileToDisk(PathOf("temp")));
  EXPECT_TRUE(RemoveFile(PathOf("游戏数据保存2.txt")));
  EXPECT_FALSE(fs::exists(DiskPath("游戏数据保存2.txt")));
  EXPECT_FALSE(RemoveFile(PathOf("游戏数据保存2.txt")));
}

TEST(ConcatTexts, JoinsPiecesAndNeverGivesAbsent) {
  EXPECT_EQ(ConcatTexts({}), "");
  EXPECT_EQ(ConcatTexts({"", ""}), "");
  EXPECT_EQ(ConcatTexts({"C:", "\\", Gb("游戏数据保存.txt")}), "C:\\" + Gb("游戏数据保存.txt"));
  EXPECT_EQ(ConcatTexts({Gb("队："), "", Gb("跪"), "3"}), Gb("队：跪3"));
}

}  // namespace
