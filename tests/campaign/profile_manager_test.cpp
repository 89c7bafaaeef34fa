// The player list: its file, damaged lists, rename, delete and failed saves.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <random>

#include "campaign/profile_manager.h"
#include "campaign_test_support.h"
#include "core/dialogs.h"
#include "core/globals.h"
#include "campaign/save_notice.h"
#include "formats/rcm_file.h"
#include "platform/files.h"
#include "platform/folder_entries.h"
#include "platform/strings.h"
#include "puzzle/board/level_file.h"
#include "support/stdout_lines.h"
#include "support/temp_folder.h"

namespace sorvanta {
namespace {

struct ListHome {
  test::TempFolder root;
  ListHome() {
    myDocsFolder = root.path();
    std::filesystem::create_directories(ProfilesFolder());
  }
  // A fresh manager, as at the next start.
  std::shared_ptr<TProfileManager> start() {
    auto manager = std::make_shared<TProfileManager>();
    manager->txtPlayer = "PLAYER";
    manager->txtListRebuilt = "Found in #WHERE#.";
    manager->txtListKeptAs = "Kept as #FILE#.";
    manager->txtPlayerUnreadable = "#NAME# in #FOLDER# of #WHERE#.";
    manager->txtPlayerKeptAs = "Kept as #FILE#.";
    manager->txtNamedByFolder = "#FOLDER# named #OTHER#, read as #NAME#.";
    manager->txtFoldersLeftOut = "Left out: #FOLDERS#.";
    manager->txtNotOffered = "#FOLDER# names #NAME#, kept from #OTHER#.";
    manager->txtPlayersLeftOut = "#COUNT# left out.";
    manager->loadProfiles();
    return manager;
  }
  std::shared_ptr<TProfileManager> withPlayers(std::initializer_list<const char*> names, int current) {
    auto manager = start();
    for (auto name : names) manager->CreateNewProfile(name);
    manager->profile = *std::next(manager->profiles.begin(), current - 1);
    manager->saveProfiles();
    return manager;
  }
  std::vector<std::string> names(const TProfileManager& m) const {
    std::vector<std::string> out;
    for (auto& p : m.profiles) out.push_back(p->name);
    return out;
  }
};

TEST(ProfileList, SavesEveryFolderThenTheListAndReadsItBack) {
  ListHome home;
  home.withPlayers({"A", "B", "C"}, 2);
  EXPECT_EQ(LoadBytes(ProfilesListPath()),
            "profiles {\n\ti = 3\n\tpickedProfile = 2\n\tprofile1 = \"65\"\n\tprofile2 = \"66\"\n"
            "\tprofile3 = \"67\"\n}\n\n");
  auto next = home.start();
  EXPECT_EQ(home.names(*next), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(next->profile->name, "B");
}

TEST(ProfileList, NothingIsSavedBeforeLoadingOrWithoutPlayers) {
  ListHome home;
  home.withPlayers({"A"}, 1);
  const std::string before = LoadBytes(ProfilesListPath());
  TProfileManager early;  // a shutdown during loading
  early.CreateNewProfile("X");
  early.saveProfiles();
  auto empty = home.start();
  empty->profiles.clear();
  empty->saveProfiles();
  EXPECT_EQ(LoadBytes(ProfilesListPath()), before);
  EXPECT_EQ(FileType(ProfilesFolder() + "/88"), 0);
}

TEST(ProfileList, DamagedListsGiveASoundStart) {
  struct Case {
    std::string list;
    std::vector<std::string> names;
    const char* current;
    bool told;                // found again from the folders, and said so
    bool asideTaken = false;  // every name the damaged list could go to
  };
  const std::vector<std::string> ab{"A", "B"}, abc{"A", "B", "C"};
  const auto list = [](const std::string& count, const std::string& picked, const std::string& players) {
    return "profiles {\n i = " + count + "\n pickedProfile = " + picked + "\n" + players + "}\n";
  };
  const std::string both = " profile1 = \"65\"\n profile2 = \"66\"\n";
  const std::vector<Case> cases = {
      {list("2", "0", both), ab, "A", false},
      {list("2", "9", both), ab, "A", false},
      {list("3", "3", " profile1 = \"65\"\n profile2 = \"99\"\n profile3 = \"66\"\n"), ab, "B", false},
      // A list that names fewer players than its count, or names one twice,
      // or holds what a save would not write back (a garbled key, a number
      // past int's range), has lost players to damage: the players are found
      // from their folders, the current one by her file being written last.
      {list("3", "2", " profile1 = \"65\"\n profile2 = \"65\"\n profile3 = \"66\"\n"), abc, "B", true},
      {list("1000000000", "2", both), abc, "B", true},
      {list("1e30", "-1e30", both), abc, "B", true},
      {list("2", "1e30", both), abc, "B", true},
      {list("1", "1", both), abc, "B", true},
      {list("2", "1", " profile1 = \"65\"\n pr\x01\x02\x7f\xff\xfele2 = \"66\"\n"), abc, "B", true},
      {list("2", "1", " profile1 = \"65\"\n prXfile2 = \"66\"\n"), abc, "B", true},
      {list("2", "1", std::string(" profile1 = \"65\"") + '\0' + "\n profile2 = \"66\"\n"), abc, "B", true},
      {list("2", "1", " profile1 = \"65\"\n profile2 = \"66\"\n profile2 = \"67\"\n"), abc, "B", true},
      // No list to read, or a missing one, too.
      {"", abc, "B", true},
      {"profiles {\n i = 1\n pickedProfile = 1\n profile1 = \"66\"\n", abc, "B", true},
      {"\x89PNG\r\n", abc, "B", true},
      {"\x89PNG\r\n", abc, "B", true, true},
  };
  for (const auto& c : cases) {
    ListHome home;
    // Each write later than the one before, whatever the disk clock's
    // grain: before each, the files already there are made a second older.
    SetAtomicWriteFaultForTests([](const std::string& step) {
      if (step != "open") return false;
      std::error_code error;
      for (const auto& file : std::filesystem::recursive_directory_iterator(ProfilesFolder(), error)) {
        const auto written = file.last_write_time(error);
        if (!error && file.is_regular_file(error))
          std::filesystem::last_write_time(file.path(), written - std::chrono::seconds(1), error);
      }
      return false;
    });
    home.withPlayers({"A", "B", "C"}, 2);
    SetAtomicWriteFaultForTests(nullptr);
    test::WriteFile(ProfilesListPath(), c.list);
    for (int n = 1; c.asideTaken && n <= 9; ++n)
      test::WriteFile(test::KeptAsideName(ProfilesListPath(), n), "earlier");
    std::shared_ptr<TProfileManager> m;
    test::StdoutLines([&] { m = home.start(); });
    EXPECT_EQ(home.names(*m), c.names) << c.list;
    ASSERT_TRUE(m->profile) << c.list;
    EXPECT_EQ(m->profile->name, c.current) << c.list;
    m->Check();  // adds nobody beside a loaded list
    EXPECT_EQ(m->profiles.size(), c.names.size()) << c.list;
    EXPECT_EQ(messageWaiting() && takeWaitingMessage().starts_with("Found in "), c.told) << c.list;
    EXPECT_EQ(test::ReadFile(ProfilesListPath() + ".damaged"), !c.told ? "" : c.asideTaken ? "earlier" : c.list)
        << c.list;
    test::StdoutLines([&] {
      m->saveProfiles();
      m = home.start();
    });
    // A damaged list that could not be moved aside is never written over;
    // any other is written whole, so no player is dropped for good.
    if (c.asideTaken)
      EXPECT_EQ(LoadBytes(ProfilesListPath()), c.list);
    else
      EXPECT_EQ(home.names(*m), c.names) << c.list;
    EXPECT_EQ(messageWaiting(), c.asideTaken) << c.list;
    takeWaitingMessage();
  }
  // A first start: Check makes the default player, saved at the next save.
  ListHome fresh;
  auto m = fresh.start();
  m->Check();
  m->saveProfiles();
  EXPECT_EQ(fresh.start()->profile->name, "PLAYER");
}

// A list that cannot be read is kept aside, unread, and every player whose
// folder is there comes back, by the name her folder gives; a player whose
// folder cannot be read now stays listed. Told once; a missing list too is
// found again, silently.
TEST(ProfileList, AListThatCannotBeReadIsMadeAgainFromThePlayersFolders) {
  namespace fs = std::filesystem;
  ListHome home;
  home.withPlayers({"A", "B", "C"}, 3);
  test::WriteFile(ProfilesFolder() + "/65/profile.dat", "profile {\n data {\n  name = \"B\"\n }\n}\n");
  fs::remove_all(ProfilesFolder() + "/67");
  fs::create_directory_symlink(home.root / "drive", ProfilesFolder() + "/67");  // a drive not mounted
  fs::create_directory(ProfilesFolder() + "/notes");
  // Folders of a line feed and of "Zoë 😀", which no name the name entry
  // gives could have made: left out, and said so.
  test::WriteFile(ProfilesFolder() + "/10/profile.dat", "profile {\n data {\n  name = \"X\"\n }\n}\n");
  const std::string zoe = "90_111_235_32_55357_56832";
  test::WriteFile(ProfilesFolder() + "/" + zoe + "/profile.dat", "profile {\n data {\n  name = \"Z\"\n }\n}\n");
  fs::resize_file(ProfilesListPath(), std::uintmax_t{200} << 20);
  std::shared_ptr<TProfileManager> m;
  auto printed = test::StdoutLines([&] { m = home.start(); });
  EXPECT_EQ(home.names(*m), (std::vector<std::string>{"A", "B"}));
  EXPECT_EQ(m->unavailable, (std::vector<std::string>{"67"}));
  const std::string leftOut = "Left out: Profiles/10, Profiles/" + zoe + ".";
  EXPECT_EQ(takeWaitingMessage(), "Found in " + myDocsFolder + ". Kept as profiles.dat.damaged. " + leftOut);
  EXPECT_EQ(takeWaitingMessage(), ProfilesFolder() + "/65 named B, read as A.");
  EXPECT_EQ(fs::file_size(ProfilesListPath() + ".damaged"), std::uintmax_t{200} << 20);
  EXPECT_EQ(printed.front().find("Napotkano"), std::string::npos) << printed.front();
  test::StdoutLines([&] {
    m->saveProfiles();
    m = home.start();
  });
  EXPECT_EQ(home.names(*m), (std::vector<std::string>{"A", "B"}));
  EXPECT_FALSE(messageWaiting()) << "the list made again is read as any";
  test::WriteFile(ProfilesListPath(), "");
  test::StdoutLines([&] { m = home.start(); });
  EXPECT_EQ(fs::file_size(ProfilesListPath() + ".damaged-2"), 0u);
  EXPECT_EQ(fs::file_size(ProfilesListPath() + ".damaged"), std::uintmax_t{200} << 20) << "kept, not replaced";
  takeWaitingMessage();
  test::StdoutLines([&] { m = home.start(); });
  EXPECT_EQ(home.names(*m), (std::vector<std::string>{"A", "B"}));
  EXPECT_FALSE(messageWaiting());
  // One that cannot be moved aside is not said to be kept, nor written over.
  SetMoveAsideFaultForTests([] { return true; });
  test::WriteFile(ProfilesListPath(), "\x89PNG\r\n");
  test::StdoutLines([&] { m = home.start(); });
  EXPECT_EQ(takeWaitingMessage(), "Found in " + myDocsFolder + ". " + leftOut);
  test::StdoutLines([&] { m->saveProfiles(); });
  EXPECT_EQ(LoadBytes(ProfilesListPath()), "\x89PNG\r\n");
}

// A list made again makes current the player whose file was written last,
// by no date later than now (a clock once set wrong).
TEST(ProfileList, AFileDatedInTheFutureIsNotTheLastWritten) {
  namespace fs = std::filesystem;
  ListHome home;
  home.withPlayers({"A", "B", "C"}, 1);
  const auto now = fs::file_time_type::clock::now();
  // A month ahead: a 32-bit time_t holds no date past 2038.
  fs::last_write_time(PlayerFilePath("65"), now + std::chrono::hours(24 * 30));
  fs::last_write_time(PlayerFilePath("66"), now - std::chrono::minutes(1));
  fs::last_write_time(PlayerFilePath("67"), now - std::chrono::hours(1));
  test::WriteFile(ProfilesListPath(), "");
  std::shared_ptr<TProfileManager> m;
  test::StdoutLines([&] { m = home.start(); });
  EXPECT_EQ(m->profile->name, "B");
  takeWaitingMessage();
}

// The list keeps what the players' screen holds: eight, the current one
// and those played last; the rest are left out, named and counted, their
// folders as they were, however many there are.
TEST(ProfileList, AListOfMoreThanEightKeepsThosePlayedLast) {
  std::string sixtyFive = "profiles {\n i = 65\n";  // no folder there but J's
  for (int n = 1; n <= 65; ++n)
    sixtyFive += " profile" + std::to_string(n) + " = \"" + (n < 65 ? "1_" + std::to_string(n) : "74") + "\"\n";
  const std::vector<std::string> newest = {"C", "D", "E", "F", "G", "H", "I", "J"};
  const struct {
    std::optional<std::string> list;  // none: the saved one, A picked
    std::vector<std::string> names;
    std::string current, told, line;
  } cases[] = {
      {{}, {"A", "D", "E", "F", "G", "H", "I", "J"}, "A", "2 left out.", ": Profiles/66, Profiles/67\n"},
      {"", newest, "J", "Found in #. Kept as profiles.dat.damaged. 2 left out.", ": Profiles/65, Profiles/66\n"},
      {"-", newest, "J", "2 left out.", ": Profiles/65, Profiles/66\n"},  // no list
      {sixtyFive + "}\n", {"J"}, "J", "", ""}};
  for (const auto& c : cases) {
    ListHome home;
    home.withPlayers({"A", "B", "C", "D", "E", "F", "G", "H", "I", "J"}, 10);
    for (int n = 0; n < 10; ++n)  // A played first, J last
      std::filesystem::last_write_time(PlayerFilePath(std::to_string(65 + n)),
                                       std::filesystem::file_time_type::clock::now() - std::chrono::minutes(10 - n));
    const std::string b = LoadBytes(PlayerFilePath("66"));
    test::WriteFile(ProfilesListPath(),
                    c.list.value_or(Replace(LoadBytes(ProfilesListPath()), "Profile = 10", "Profile = 1")));
    if (c.list == "-") std::filesystem::remove(ProfilesListPath());
    std::shared_ptr<TProfileManager> m;
    std::string printed;
    for (auto& line : test::StdoutLines([&] { m = home.start(); })) printed += line + "\n";
    EXPECT_EQ(std::make_pair(home.names(*m), m->profile->name), std::make_pair(c.names, c.current)) << printed;
    EXPECT_EQ(takeWaitingMessage(), Replace(c.told, "#", myDocsFolder)) << printed;
    EXPECT_NE(printed.find(c.line), std::string::npos) << printed;
    test::StdoutLines([&] { m->saveProfiles(); });
    EXPECT_EQ(home.names(*home.start()), c.names) << printed;
    EXPECT_EQ(LoadBytes(PlayerFilePath("66")), b);
  }
}

// A player is her folder: a file copied in from another player's folder is
// read as the player her folder names, told once, and saved where it was
// read. A listed folder no name makes, whose file names a listed player, or
// one on disk that holds another player or a newer file of hers, is not
// offered, and told, so it is never saved over her.
TEST(ProfileList, AFileCopiedFromAnotherPlayersFolderIsThatFoldersPlayer) {
  ListHome home;
  auto m = home.withPlayers({"Ada", "Bob"}, 2);
  const std::string ada = PlayerFilePath("65_100_97"), bob = PlayerFilePath("66_111_98");
  m->profiles.front()->tool = 1;
  m->saveProfiles();
  std::filesystem::copy_file(ada, bob, std::filesystem::copy_options::overwrite_existing);
  m->profiles.front()->tool = 2;
  m->profiles.front()->Save();
  test::StdoutLines([&] { m = home.start(); });
  EXPECT_EQ(home.names(*m), (std::vector<std::string>{"Ada", "Bob"}));
  EXPECT_EQ(m->profile->name, "Bob");
  EXPECT_EQ(takeWaitingMessage(), ProfilesFolder() + "/66_111_98 named Ada, read as Bob.");
  test::StdoutLines([&] {
    m->saveProfiles();
    m = home.start();
  });
  EXPECT_FALSE(messageWaiting()) << "told once";
  EXPECT_EQ(home.names(*m), (std::vector<std::string>{"Ada", "Bob"}));
  EXPECT_EQ(std::make_pair(m->profiles.front()->tool, m->profiles.back()->tool), std::make_pair(2, 1));

  test::WriteFile(ProfilesFolder() + "/ada-copy/profile.dat", LoadBytes(ada));
  test::WriteFile(ProfilesListPath(), "profiles {\n i = 3\n pickedProfile = 3\n profile1 = \"65_100_97\"\n"
                                      " profile2 = \"66_111_98\"\n profile3 = \"ada-copy\"\n}\n");
  test::StdoutLines([&] { m = home.start(); });
  EXPECT_EQ(home.names(*m), (std::vector<std::string>{"Ada", "Bob"}));
  EXPECT_EQ(m->unavailable, (std::vector<std::string>{"ada-copy"}));
  const std::string own = ProfilesFolder() + "/65_100_97";
  EXPECT_EQ(takeWaitingMessage(), ProfilesFolder() + "/ada-copy names Ada, kept from " + own + ".");
  // The list names only a backup of Ada's, beside her own folder.
  const std::string backup = ProfilesFolder() + "/backup/profile.dat", mine = LoadBytes(ada);
  const std::string older = Replace(mine, "tool = 2", "tool = 1");
  const struct {
    const char* name;
    std::string own;
    bool ownNewer, offered;
  } cases[] = {
      {"hers, newer", mine, true, false}, {"hers, older", mine, false, true}, {"Bob's", LoadBytes(bob), false, false}};
  for (const auto& c : cases) {
    test::WriteFile(backup, older);
    test::WriteFile(ada, c.own);
    std::filesystem::last_write_time(c.ownNewer ? backup : ada,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    test::WriteFile(ProfilesListPath(), "profiles {\n i = 1\n pickedProfile = 1\n profile1 = \"backup\"\n}\n");
    test::StdoutLines([&] {
      m = home.start();
      m->saveProfiles();
    });
    EXPECT_EQ(home.names(*m).size(), c.offered ? 1u : 0u) << c.name;
    EXPECT_EQ(LoadBytes(ada), c.offered ? older : c.own) << c.name;
    EXPECT_EQ(takeWaitingMessage(), c.offered ? "" : ProfilesFolder() + "/backup names Ada, kept from " + own + ".")
        << c.name;
  }
}

// A player whose folder stands there but cannot be read at start (a link
// to a drive not mounted, an empty mount point) is not offered, yet the
// list keeps her through every save; she is back once her files are. A
// folder that is gone altogether is no player.
TEST(ProfileList, APlayerWhoseFilesCannotBeReadNowStaysListed) {
  namespace fs = std::filesystem;
  struct Case {
    const char* name;
    std::function<void(const std::string& folder, const std::string& away)> hide, bringBack;
  };
  const Case cases[] = {
      {"a link to a drive not mounted",
       [](const std::string& folder, const std::string& away) {
         fs::rename(folder, away);
         fs::create_directory_symlink(away, folder);
         fs::rename(away, away + "-unmounted");
       },
       [](const std::string&, const std::string& away) { fs::rename(away + "-unmounted", away); }},
      {"a mount point with a file of its own",
       [](const std::string& folder, const std::string& away) {
         fs::rename(folder, away);
         fs::create_directory(folder);
         test::WriteFile(folder + "/.mount", "");
       },
       [](const std::string& folder, const std::string& away) {
         fs::remove_all(folder);
         fs::rename(away, folder);
       }},
  };
  for (const Case& c : cases) {
    ListHome home;
    home.withPlayers({"A", "B", "C"}, 1);
    const std::string folder = ProfilesFolder() + "/66", away = home.root / "drive";
    c.hide(folder, away);
    std::shared_ptr<TProfileManager> m;
    test::StdoutLines([&] { m = home.start(); });
    EXPECT_EQ(home.names(*m), (std::vector<std::string>{"A", "C"})) << c.name;
    m->CreateNewProfile("D");
    m->saveProfiles();
    c.bringBack(folder, away);
    test::StdoutLines([&] { m = home.start(); });
    EXPECT_EQ(home.names(*m), (std::vector<std::string>{"A", "C", "D", "B"})) << c.name;
  }
  ListHome gone;
  gone.withPlayers({"A", "B"}, 1);
  fs::remove_all(ProfilesFolder() + "/66");
  std::shared_ptr<TProfileManager> m;
  test::StdoutLines([&] { m = gone.start(); });
  m->saveProfiles();
  EXPECT_EQ(LoadBytes(ProfilesListPath()), "profiles {\n\ti = 1\n\tpickedProfile = 1\n\tprofile1 = \"65\"\n}\n\n");
  // Nor does the default player take the folder of one who is away; but an
  // empty folder (a first start on a full disk) is nobody's.
  for (const bool empty : {false, true}) {
    ListHome away;
    away.withPlayers({"PLAYER"}, 1);
    const std::string folder = ProfilesFolder() + "/80_76_65_89_69_82";
    fs::remove_all(folder);
    fs::create_directory(folder);
    if (!empty) test::WriteFile(folder + "/levelPicross.lvl", "");
    test::StdoutLines([&] { m = away.start(); });
    m->Check();
    EXPECT_EQ(m->profile->name, empty ? "PLAYER" : "PLAYER2");
    EXPECT_EQ(m->unavailable.empty(), empty);
  }
}

// Text as a saved file's lines, in no order: without blanks, line ends and
// empty lines, upper-cased as every lookup of a key or a tip is.
std::vector<std::string> linesWithoutBlanks(const std::string& text) {
  std::vector<std::string> lines(1);
  for (char c : text) {
    if (c == '\n' && !lines.back().empty()) lines.emplace_back();
    if (c != '\n' && c != ' ' && c != '\t' && c != '\r') lines.back() += c;
  }
  if (lines.back().empty()) lines.pop_back();
  for (auto& line : lines) line = Upper(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

// What a save writes of a player's records, as lines.
std::vector<std::string> writtenLines(TProfile& player) {
  TRCMFile file;
  player._Save_Data(file);
  player._Save_Stages_Picross(file);
  player._Save_Stages_Fill(file);
  player._Save_Tutorial(file);
  return linesWithoutBlanks(file.toText());
}

// Whether the game reads the player's file at path back whole: it holds no
// control byte a saved file never does, and the player read from it,
// written back, is the file's lines, blanks, line ends and their order
// aside; a file that gives no name reads as no player at all.
bool readsBackWhole(const std::string& path) {
  const std::string text = LoadText(path);
  for (const unsigned char c : text)
    if (c == 0x7F || (c < ' ' && c != '\t' && c != '\n' && c != '\r')) return false;
  const auto player = loadProfile(path);
  return !player->name.empty() && writtenLines(*player) == linesWithoutBlanks(text);
}

// A listed player whose file the game does not read back whole (emptied,
// cut short, damaged inside a line) is not offered, and told once with her
// folder; her file is kept aside, or, when it cannot be moved, her folder
// stays hers so it is never written over, and nothing says it was kept.
// One the game reads whole, hand-edited or damaged where it still reads
// (a digit for a digit), is read as it stands and saved with all it holds.
TEST(ProfileList, APlayerFileThatDoesNotReadBackWholeIsKeptAsideAndTold) {
  namespace fs = std::filesystem;
  ListHome home;
  {
    auto m = home.start();
    m->CreateNewProfile("Bob");
    for (int win = 0; win < 10; ++win) m->profile->QUEST_GetLevelData(1 + win / 5, 1 + win % 5)->played = 1;
    m->saveProfiles();
  }
  const std::string file = PlayerFilePath("66_111_98"), list = LoadBytes(ProfilesListPath());
  const std::string whole = LoadBytes(file);
  const auto at = [&](const std::string& text) { return whole.find(text); };
  ASSERT_NE(at("level3 = 3, 1, 0"), std::string::npos) << whole;
  const size_t level = at("level3 = 3, 1, 0") + 11;  // after "level3 = 3,"
  const std::string cut = whole.substr(0, at("tryb") + 2);
  const std::string nuls(8, '\0');
  const auto replaced = [&](size_t from, const std::string& bytes) {
    return std::string(whole).replace(from, bytes.size(), bytes);
  };
  const auto inserted = [&](size_t from, const std::string& bytes) { return std::string(whole).insert(from, bytes); };
  const auto everywhere = [&](const std::string& from, const std::string& to) { return Replace(whole, from, to); };
  struct Run {
    std::string name, bytes;
    int whole = -1;  // what the judge must find, for a named run; -1 for a random one
    bool nowhereToKeep = false, moveRefused = false;
  };
  std::vector<Run> runs = {
      {"emptied", "", 0},
      {"cut mid-line", cut, 0},
      {"cut, with nowhere to keep it", cut, 0, true},
      {"cut, with the move refused", cut, 0, false, true},
      // Its quotes hide a brace from the count: the group it opens swallows
      // the rest of her file, name aside.
      {"16 garbage bytes in the middle",
       replaced(whole.size() / 2, std::string("\x93\x07\"{\xfe\x01\x1b\"\xcc\xd0\x7f\x80\x11\xee\xa5\x42", 16)), 0},
      {"4 garbage bytes that leave the groups whole", replaced(whole.size() / 2, "\x93\x07\xfe\x01"), 0},
      {"an empty group inside a level line", inserted(level + 2, "{}"), 0},
      {"8 NULs inserted into a level line", inserted(level, nuls), 0},
      {"8 bytes of a line overwritten by NULs", replaced(level - 11, nuls), 0},
      {"a line feed inside a level line", inserted(level, "\n"), 0},
      {"NULs inside a string", everywhere("NORMAL", std::string("N\0\0\0\0L", 6)), 0},
      {"a key garbled by hand", everywhere("tool", "t00l"), 0},
      {"a value that is no number of its field", everywhere("tryb = 1", "tryb = 1.5"), 0},
      {"a level past its stage's count", everywhere("level5 = 5, 1, 0", "level5 = 5, 1, 0\n\t\t\tlevel6 = 6, 1, 0"), 0},
      {"spaced by hand", Replace(everywhere("\t", "  "), "level3 = 3, 1, 0", "level3 =3 ,1,   0"), 1},
      {"CR LF line ends", everywhere("\n", "\r\n"), 1},
      {"keys in upper case", everywhere("unlockShow", "UNLOCKSHOW"), 1},
      {"lines reordered",
       Replace(everywhere("\t\ti = 2\n", ""), "\t}\n\n\tstagesFill", "\t\ti = 2\n\t}\n\n\tstagesFill"), 1},
  };
  // Bytes written over the file, any byte or one of the file's own: most
  // are damage, some (a digit for a digit) still read whole. The engine's
  // numbers are the same on every machine; the library's distributions
  // are not.
  std::mt19937 engine(20251211);
  const auto below = [&](size_t n) { return static_cast<size_t>(engine() % n); };
  for (int n = 1; n <= 200; ++n) {
    const size_t from = below(whole.size());
    std::string bytes(1 + below(16), '\0');
    for (char& b : bytes) b = n % 2 ? static_cast<char>(below(256)) : whole[below(whole.size())];
    runs.push_back({"random run " + std::to_string(n), replaced(from, bytes.substr(0, whole.size() - from))});
  }
  const std::string judged = home.root / "judged.dat";
  const std::vector<std::string> bob{"Bob"}, none;
  int randomWhole = 0;
  for (const Run& run : runs) {
    for (const auto& left : FolderEntries(ExtractDir(file))) fs::remove(ExtractDir(file) + "/" + left);
    test::WriteFile(ProfilesListPath(), list);
    test::WriteFile(file, run.bytes);
    for (int n = 1; run.nowhereToKeep && n <= 9; ++n) test::WriteFile(test::KeptAsideName(file, n), "");
    if (run.moveRefused) SetMoveAsideFaultForTests([] { return true; });
    const bool stays = run.nowhereToKeep || run.moveRefused;
    test::WriteFile(judged, run.bytes);
    test::StdoutLines([&] {
      const bool readWhole = readsBackWhole(judged);
      if (run.whole < 0)
        randomWhole += readWhole ? 1 : 0;
      else
        EXPECT_EQ(readWhole, run.whole == 1) << run.name << " judged wrong";
      auto m = home.start();
      EXPECT_EQ(home.names(*m), readWhole ? bob : none) << run.name;
      std::vector<std::string> told;
      while (messageWaiting()) told.push_back(takeWaitingMessage());
      const std::string unreadable = "Bob in Profiles/66_111_98 of " + myDocsFolder + "." +
                                     (stays ? "" : " Kept as profile.dat.damaged.");
      EXPECT_EQ(std::count(told.begin(), told.end(), unreadable), readWhole ? 0 : 1) << run.name;
      EXPECT_EQ(m->folderTaken("Bob", nullptr), readWhole || stays) << run.name;
      m->saveProfiles();
      m = home.start();
      if (readWhole) {
        // Saved with all it held, under the name of her folder.
        auto read = loadProfile(judged);
        read->name = "Bob";
        EXPECT_EQ(writtenLines(*loadProfile(file)), writtenLines(*read)) << run.name;
      } else {
        EXPECT_EQ(home.names(*m), none) << run.name;
        EXPECT_EQ(LoadBytes(stays ? file : file + ".damaged"), run.bytes) << run.name;
        EXPECT_EQ(FileType(file), stays ? 1 : 0) << run.name << ": saved over";
        EXPECT_EQ(messageWaiting(), stays) << run.name << ": told once, while the file stays where it was";
      }
      while (messageWaiting()) takeWaitingMessage();
    });
    SetMoveAsideFaultForTests(nullptr);
  }
  // Judged by reading back, not by bytes changed: a few random runs are no damage.
  EXPECT_GT(randomWhole, 0);
}

TEST(ProfileList, RenameDeleteAndReuseOfAName) {
  ListHome home;
  auto m = home.withPlayers({"A", "B"}, 1);
  test::WriteFile(home.root / "l.lvl", campaign_test::LevelText(1, 7));
  m->profile->levelPicross = LoadLevel(home.root / "l.lvl");
  m->askName = [](auto, auto, int, int, auto) { return std::string("Z"); };
  m->goRename();
  m->goOk();
  EXPECT_EQ(FileType(ProfilesFolder() + "/90/levelPicross.lvl"), 1);
  EXPECT_EQ(FileType(ProfilesFolder() + "/65/profile.dat"), 1);  // the old folder stays
  auto next = home.start();
  EXPECT_EQ(home.names(*next), (std::vector<std::string>{"Z", "B"}));
  EXPECT_EQ(campaign_test::Marker(next->profile->levelPicross), 7);

  // Deleting Z, then a new player of that name, starts with no level.
  std::string asked;
  bindDialogs({[&](const std::string& text, auto, int) { return asked = text, 1; }, nullptr});
  next->txtAreYouSure = "Delete #NAME#?";
  next->goDelete();
  EXPECT_EQ(asked, "Delete Z?");  // the question names whom it deletes
  EXPECT_EQ(next->profile->name, "B");
  next->saveProfiles();
  next->askName = [](auto, auto, int first, int, auto) { return std::string(first ? "" : "Z"); };
  next->goNew(nullptr);
  EXPECT_EQ(next->profile->name, "Z");
  auto third = home.start();
  EXPECT_EQ(third->profile->name, "Z");
  EXPECT_EQ(third->profile->levelPicross, nullptr);
}

// A player whose save fails stays listed by the folder of its last complete
// save; one never saved is left out; the old list stays whole.
TEST(ProfileList, FailedSavesKeepTheLastCompleteFolders) {
  ListHome home;
  auto m = home.withPlayers({"A", "B"}, 2);
  m->profile->name = "C";  // renamed, then its write fails
  m->CreateNewProfile("D");
  SetAtomicWriteFaultForTests([](const std::string& step) { return step == "rename"; });
  const std::string before = LoadBytes(ProfilesListPath());
  test::StdoutLines([&] { m->saveProfiles(); });
  EXPECT_EQ(LoadBytes(ProfilesListPath()), before);
  SetAtomicWriteFaultForTests(nullptr);
  EXPECT_EQ(home.names(*home.start()), (std::vector<std::string>{"A", "B"}));
  // D's folder cannot be made: a file stands where it would go.
  std::filesystem::remove_all(ProfilesFolder() + "/68");
  test::WriteFile(ProfilesFolder() + "/68", "x");
  test::StdoutLines([&] { m->saveProfiles(); });
  auto next = home.start();
  EXPECT_EQ(home.names(*next), (std::vector<std::string>{"A", "C"}));
}

}  // namespace
}  // namespace sorvanta
