#include <fcntl.h>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/file.h>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#else
#include "services/windows_api.h"
// clang-format off: the security API needs windows.h first
#include <aclapi.h>
#include <sddl.h>
// clang-format on
#endif

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "services/file_services.h"
#include "services/platform_paths.h"
#include "services/text.h"
#include "support/temporary_folder.h"

namespace {

namespace fs = std::filesystem;

// A path the test writes as UTF-8, as the platform names it.
NativePath Native(const std::string& utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end())).native();
}
std::string Utf8Name(const fs::path& path) {
  const std::u8string name = path.filename().u8string();
  return std::string(name.begin(), name.end());
}

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
  const fs::perms read_and_search = fs::perms::owner_read | fs::perms::owner_exec |
                                    fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec;
  fs::create_directory(DiskPath("locked"));
  fs::permissions(DiskPath("locked"), read_and_search);
  // Root passes every mode check: this thread checks files as "nobody" meanwhile.
  const bool as_root = geteuid() == 0;
  if (as_root) {
    fs::permissions(folder_, read_and_search, fs::perm_options::add);
    setfsuid(65534);
  }
  EXPECT_FALSE(WriteIniItem(PathOf("locked/a.ini"), "s", "k", "v"));
  if (as_root)
    setfsuid(0);
  EXPECT_FALSE(fs::exists(DiskPath("locked/a.ini")));
  fs::permissions(DiskPath("locked"), fs::perms::owner_all);
#endif
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
      {PathOf("游戏数据保存??.txt"), true},  // "?" is one character, not one byte
#ifndef _WIN32
      // Windows lets the question marks before a dot or at the end of a pattern match
      // nothing as well (Wine does so from version 10), so only here are these too many.
      {PathOf("??.ini"), false},
      {PathOf("游戏数据保存???.txt"), false},
#endif
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

TEST_F(FileServices, RunDirectoryIsKeptAsThePlatformNamesItAndEntered) {
  const fs::path before = fs::current_path();
  EXPECT_TRUE(FixRunDirectory(Native(folder_)));
  EXPECT_EQ(RunDirectoryPath(), Native(folder_));
  EXPECT_EQ(GetRunDirectory(), folder_);
  EXPECT_EQ(fs::current_path(), fs::canonical(folder_));

#ifndef _WIN32  // Windows names folders in UTF-16, which has no such bytes
  // GBK bytes in a folder name, as unzipping a Windows zip leaves them: not UTF-8, kept
  // byte for byte all the same.
  const std::string gbk_name = folder_ + "/\xD0\xA1\xBB\xC6\xD1\xBC";
  fs::create_directory(gbk_name);
  EXPECT_TRUE(FixRunDirectory(gbk_name));
  EXPECT_EQ(RunDirectoryPath(), gbk_name);
  EXPECT_EQ(fs::current_path(), fs::canonical(gbk_name));
#endif

  // An executable at the root leaves an empty run directory, which means the root.
  EXPECT_TRUE(FixRunDirectory(Native("")));
  EXPECT_EQ(fs::current_path(), fs::current_path().root_path());
  EXPECT_EQ(GetRunDirectory(), "");

  EXPECT_FALSE(FixRunDirectory(Native(folder_ + "/missing")));
  EXPECT_EQ(RunDirectoryPath(), Native(folder_ + "/missing"));

  // No run directory at all is neither the root nor the current folder: nothing is
  // entered, and no draft can be made anywhere.
  const fs::path last = DiskPath("last");
  fs::create_directory(last);
  ASSERT_TRUE(FixRunDirectory(last.native()));
  EXPECT_FALSE(FixRunDirectory(std::nullopt));
  EXPECT_FALSE(RunDirectoryPath().has_value());
  EXPECT_EQ(GetRunDirectory(), "");
  EXPECT_EQ(fs::current_path(), fs::canonical(last));
  EXPECT_FALSE(DraftFile().ok());
  EXPECT_TRUE(fs::is_empty(last));
  fs::current_path(before);
}

TEST(ExecutableDirectory, HoldsThisTestProgram) {
  const std::optional<NativePath> directory = ExecutableDirectory();
  ASSERT_TRUE(directory.has_value());
  ASSERT_FALSE(directory->empty());
#ifdef _WIN32
  EXPECT_TRUE(fs::exists(fs::path(*directory) / "files_tests.exe"));
#else
  EXPECT_TRUE(fs::exists(fs::path(*directory) / "files_tests"));
#endif
}

// The cleanup takes for its own exactly the names a save gives its drafts.
TEST(DraftNames, OnlyTheFormASaveMakesCounts) {
  EXPECT_EQ(DraftName(4242, 0x00112233445566ffull), "~scoreboard-record-4242-00112233445566ff.tmp");
  EXPECT_EQ(DraftName(0xFFFFFFFFu, ~0ull), "~scoreboard-record-4294967295-ffffffffffffffff.tmp");
  EXPECT_TRUE(IsDraftName(DraftName(1, 0)));
  EXPECT_TRUE(IsDraftName(DraftName(0, 1)));
  struct Case {
    std::string name;
    bool ours;
  };
  const Case cases[] = {
      {"~scoreboard-record-4242-0123456789abcdef.tmp", true},
      {"~scoreboard-record-4294967295-0123456789abcdef.tmp", true},
      {"~scoreboard-record-my notes.tmp", false},
      {"~scoreboard-record-4242-0123456789abcde.tmp", false},    // 15 digits
      {"~scoreboard-record-4242-0123456789abcdef0.tmp", false},  // 17 digits
      {"~scoreboard-record-4242-0123456789ABCDEF.tmp", false},   // upper case
      {"~scoreboard-record-4242-0123456789abcdeg.tmp", false},
      {"~scoreboard-record-04242-0123456789abcdef.tmp", false},       // a leading zero
      {"~scoreboard-record-4294967296-0123456789abcdef.tmp", false},  // past 32 bits
      {"~scoreboard-record--0123456789abcdef.tmp", false},
      {"~scoreboard-record-+42-0123456789abcdef.tmp", false},
      {"~scoreboard-record-42-0123456789abcdef.TMP", false},
      {"~scoreboard-record-42-0123456789abcdef.tmp.tmp", false},
      {"~scoreboard-record-42-0123456789abcdef.tmpx", false},
      {"~scoreboard-record-42-0123456789abcdef", false},
      {"x~scoreboard-record-42-0123456789abcdef.tmp", false},
      {"~scoreboard-record-1-stale.tmp", false},
      {std::string("~scoreboard-record-42-0123456789abcdef.tmp") + '\0', false},
      {"", false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsDraftName(c.name), c.ours) << c.name;
}

TEST_F(FileServices, DraftsArePlacedThroughTheirDescriptorAndNeverReplace) {
  ASSERT_TRUE(FixRunDirectory(Native(folder_)));
  Write(DiskPath("游戏数据保存.txt"), "old");
  {
    DraftFile draft;
    ASSERT_TRUE(draft.ok());
    ASSERT_TRUE(draft.WriteAndFlush("new"));
    EXPECT_EQ(draft.PlaceAs(Native("游戏数据保存.txt")), DraftFile::Placed::kNameTaken);
    EXPECT_EQ(Read(DiskPath("游戏数据保存.txt")), "old");
    EXPECT_EQ(draft.PlaceAs(Native("游戏数据保存1.txt")), DraftFile::Placed::kPlaced);
  }
  EXPECT_EQ(Read(DiskPath("游戏数据保存1.txt")), "new");
  EXPECT_TRUE(NameTakenBeside(Native("游戏数据保存1.txt")));
  EXPECT_FALSE(NameTakenBeside(Native("游戏数据保存2.txt")));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(Utf8Name(entry.path()));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"游戏数据保存.txt", "游戏数据保存1.txt"}));

  {
    DraftFile unplaced;
    ASSERT_TRUE(unplaced.ok());
    ASSERT_TRUE(unplaced.WriteAndFlush("dropped"));
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2)
      << "a draft that was not placed is removed";

  // A relative run directory names the folder from where the program started.
  fs::create_directory(DiskPath("sub"));
  ASSERT_TRUE(FixRunDirectory(Native("sub")));
  {
    DraftFile draft;
    ASSERT_TRUE(draft.ok() && draft.WriteAndFlush("sub"));
    EXPECT_EQ(draft.PlaceAs(Native("游戏数据保存.txt")), DraftFile::Placed::kPlaced);
  }
  EXPECT_EQ(Read(DiskPath("sub/游戏数据保存.txt")), "sub");
  fs::current_path(fs::current_path().root_path());
}

#ifndef _WIN32  // a FIFO and flock stand for what only POSIX has
// Stale drafts of a killed save go; a fresh one, one still held by a running save and
// anything that is no plain file are left alone.
TEST_F(FileServices, OnlyStaleUnheldDraftsAreRemoved) {
  ASSERT_TRUE(FixRunDirectory(folder_));
  const auto age = [&](const std::string& name) {
    const fs::path path = DiskPath(name);
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::minutes(5));
  };
  const std::string stale = DraftName(1, 0x1);
  const std::string fresh = DraftName(2, 0x2);
  const std::string fifo = DraftName(4, 0x4);
  const std::string held_name = DraftName(5, 0x5);
  Write(DiskPath(stale), "x");
  age(stale);
  Write(DiskPath(fresh), "x");
  Write(DiskPath("~scoreboard-record-3-other.txt"), "x");
  age("~scoreboard-record-3-other.txt");
  Write(DiskPath("not-ours.tmp"), "x");
  age("not-ours.tmp");
  ASSERT_EQ(mkfifo(DiskPath(fifo).c_str(), 0600), 0);
  Write(DiskPath(held_name), "x");
  age(held_name);
  const int held = open(DiskPath(held_name).c_str(), O_RDONLY);
  ASSERT_GE(held, 0);
  ASSERT_EQ(flock(held, LOCK_EX), 0);

  RemoveStaleDrafts();
  close(held);
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"not-ours.tmp", fresh,
                                             "~scoreboard-record-3-other.txt", fifo, held_name}));
  fs::current_path("/");
}
#endif  // !_WIN32

#ifdef _WIN32
// Whether the file's owner SID is the SID of the user this process runs as.
bool OwnedByThisUser(const fs::path& path) {
  HANDLE token = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
    return false;
  unsigned char user[256];
  DWORD size = 0;
  const bool got = GetTokenInformation(token, TokenUser, user, sizeof user, &size);
  CloseHandle(token);
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!got ||
      GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner,
                            nullptr, nullptr, nullptr, &descriptor) != ERROR_SUCCESS)
    return false;
  const bool same = EqualSid(owner, reinterpret_cast<TOKEN_USER*>(user)->User.Sid);
  LocalFree(descriptor);
  return same;
}

// Gives the file an owner other than this process's user; empty on success, otherwise
// why it cannot be done. Windows: the local system account, where this process may set
// owners. Under Wine a file's owner follows its Unix owner, which chown changes.
std::string GiveToAnotherOwner(const fs::path& path) {
  PSID system = nullptr;
  if (ConvertStringSidToSidW(L"S-1-5-18", &system)) {
    SetNamedSecurityInfoW(const_cast<wchar_t*>(path.c_str()), SE_FILE_OBJECT,
                          OWNER_SECURITY_INFORMATION, system, nullptr, nullptr, nullptr);
    LocalFree(system);
    if (!OwnedByThisUser(path))
      return {};
  }
  using UnixFileName = char*(CDECL*)(LPCWSTR);
  const auto unix_file_name = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (unix_file_name == nullptr)
    return "this process may not set another owner, and this is not Wine";
  char* unix_name = unix_file_name(path.c_str());
  if (unix_name == nullptr)
    return "Wine gives the file no Unix name";
  std::wstring command = L"Z:\\usr\\bin\\chown nobody \"";
  for (const char* c = unix_name; *c != '\0'; ++c) command += static_cast<wchar_t>(*c);
  command += L"\"";
  HeapFree(GetProcessHeap(), 0, unix_name);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return "Wine cannot run chown (" + std::to_string(GetLastError()) + ")";
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // Wine's handle of a Unix process need not wait for it: wait for the owner instead.
  for (int waited = 0; waited < 1000; ++waited) {
    if (!OwnedByThisUser(path))
      return {};
    Sleep(10);
  }
  return "after 10 s the file's owner SID was still the process user's (chown nobody "
         "failed: not root under Wine?)";
}

// The same rule on Windows: a second name of a file elsewhere (a hard link), a file of
// another owner, a file a running save holds and names not of our form all stay; only
// a stale draft of ours goes.
TEST_F(FileServices, OnlyStaleDraftsOfOursAreRemovedOnWindows) {
  ASSERT_TRUE(FixRunDirectory(fs::path(folder_).native()));
  const auto age = [&](const std::string& name) {
    const fs::path path = DiskPath(name);
    fs::last_write_time(path, fs::last_write_time(path) - std::chrono::minutes(5));
  };
  const fs::path outside = DiskPath("outside.txt");
  Write(outside, "kept elsewhere");
  const std::string stale = DraftName(1, 0x1);
  const std::string fresh = DraftName(2, 0x2);
  const std::string linked = DraftName(3, 0x3);
  const std::string held_name = DraftName(5, 0x5);
  const std::string foreign = DraftName(6, 0x6);
  const std::string note = "~scoreboard-record-my notes.tmp";
  for (const std::string& name : {stale, fresh, held_name, foreign, note})
    Write(DiskPath(name), "x");
  ASSERT_TRUE(CreateHardLinkW(DiskPath(linked).c_str(), outside.c_str(), nullptr));
  for (const std::string& name : {stale, linked, held_name, foreign, note}) age(name);

  const std::string why_not_foreign = GiveToAnotherOwner(DiskPath(foreign));
  const bool owner_taken = why_not_foreign.empty();

  // A save still running holds its draft without sharing deletion.
  const HANDLE held = CreateFileW(DiskPath(held_name).c_str(), GENERIC_WRITE | DELETE,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  RemoveStaleDrafts();
  CloseHandle(held);

  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(Utf8Name(entry.path()));
  std::sort(names.begin(), names.end());
  std::vector<std::string> kept = {"outside.txt", fresh, linked, held_name, note};
  if (owner_taken)
    kept.push_back(foreign);
  else
    names.erase(std::remove(names.begin(), names.end(), foreign), names.end());
  std::sort(kept.begin(), kept.end());
  EXPECT_EQ(names, kept);
  EXPECT_EQ(Read(outside), "kept elsewhere");
  fs::current_path(fs::current_path().root_path());
  if (!owner_taken)
    GTEST_SKIP() << "the case of another owner's file is left out: " << why_not_foreign;
}
#endif  // _WIN32

TEST(ConcatTexts, JoinsPiecesAndNeverGivesAbsent) {
  EXPECT_EQ(ConcatTexts({}), "");
  EXPECT_EQ(ConcatTexts({"", ""}), "");
  EXPECT_EQ(ConcatTexts({"C:", "\\", Gb("游戏数据保存.txt")}), "C:\\" + Gb("游戏数据保存.txt"));
  EXPECT_EQ(ConcatTexts({Gb("队："), "", Gb("跪"), "3"}), Gb("队：跪3"));
}

}  // namespace
