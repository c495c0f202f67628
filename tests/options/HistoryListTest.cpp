#include "TestSupport.h"
#include "options/HList.h"
#include "options/IniStore.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumorca;
using namespace lumorca::test;

TEST(HistoryList, SameFileAgainMovesToTheTop) {
    THistoryList list(false);
    int changes = 0;
    QObject::connect(&list, &THistoryList::EntriesChanged, [&] { ++changes; });
    list.AddFile("/a.pro");
    list.AddFile("/b.pro");
    list.AddFile("/a.pro");
    EXPECT_EQ(list.Items(), (QStringList{"/a.pro", "/b.pro"}));
    EXPECT_EQ(changes, 3);
    // An entry of the list itself, passed by reference into the list.
    list.AddFile(list[1]);
    EXPECT_EQ(list.Items(), (QStringList{"/b.pro", "/a.pro"}));
}

TEST(HistoryList, LetterCaseCountsOnlyWhereFileNamesIgnoreIt) {
    THistoryList exact(false);
    exact.AddFile("/src/A.pro");
    exact.AddFile("/src/a.pro");
    EXPECT_EQ(exact.Items(), (QStringList{"/src/a.pro", "/src/A.pro"}));

    THistoryList folded(true);
    folded.AddFile("C:\\Src\\A.PRO");
    folded.AddFile("c:\\src\\a.pro");
    EXPECT_EQ(folded.Items(), QStringList{"c:\\src\\a.pro"});  // written as last opened

    EXPECT_EQ(THistoryList().SameFile("X.PRO", "x.pro"), FileNamesIgnoreCase);
}

// The eleventh file dropping the oldest is the recent-files menu test's.

// Reading and writing the recent files is in OptionsTest: the file written by
// hand and every field stored in either store.
TEST(HistoryStore, FailedSaveIsReported) {
    QTemporaryDir dir;
    THistoryList list;
    list.SetUseRegistry(false);
    list.AddFile("/x.pro");
    const QString path = dir.filePath("missing/L.INI");
    EXPECT_EQ(list.Save(path, "Files", 0), SaveFailedMessage(path, 0));
}
