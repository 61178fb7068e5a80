// Finding the data folder: $PENDREL_DATA, then share/pendrel/ beside the program's folder,
// then the working folder's data/.
#include <gtest/gtest.h>

#include "app/data_folder.h"
#include "test_support.h"

using Folders = std::vector<std::string>;

TEST(DataFolder, CandidatesComeInLookupOrder) {
    EXPECT_EQ(dataFolderCandidates("/opt/mine", "/usr/games/pendrel"),
              (Folders{"/opt/mine", "/usr/share/pendrel", "data"}));
    EXPECT_EQ(dataFolderCandidates(nullptr, "/home/ann/.local/bin/pendrel"),
              (Folders{"/home/ann/.local/share/pendrel", "data"}));
    EXPECT_EQ(dataFolderCandidates("", "/usr/games/pendrel"), (Folders{"/usr/share/pendrel", "data"}));
    EXPECT_EQ(dataFolderCandidates("/opt/mine", ""), (Folders{"/opt/mine", "data"}));
}

TEST(DataFolder, TheFirstFolderThatExistsWins) {
    const ScopedWorkDir work;
    work.write("env/readme.txt", "");
    work.write("prefix/share/pendrel/readme.txt", "");
    work.write("data/readme.txt", "");
    work.write("plain-file", "");
    const std::string root = work.path().string();
    const Folders all = dataFolderCandidates((root + "/env").c_str(), root + "/prefix/bin/pendrel");
    EXPECT_EQ(firstExistingFolder(all), root + "/env");
    EXPECT_EQ(firstExistingFolder({root + "/missing", root + "/plain-file", all[1], "data"}), all[1]);
    EXPECT_EQ(firstExistingFolder({root + "/missing", "data"}), "data");
    EXPECT_EQ(firstExistingFolder({root + "/missing", root + "/plain-file"}), std::nullopt);
}

TEST(DataFolder, MessageNamesEveryFolderTriedAsAnAbsolutePath) {
    const ScopedWorkDir work;
    const std::string message = missingDataMessage({"/opt/mine", "/usr/share/pendrel", "data"});
    for (const std::string& folder :
         {std::string("/opt/mine"), std::string("/usr/share/pendrel"), (work.path() / "data").string()}) {
        EXPECT_NE(message.find("\n  " + folder + "\n"), std::string::npos) << folder << " in " << message;
    }
    EXPECT_NE(message.find("PENDREL_DATA"), std::string::npos);
}
