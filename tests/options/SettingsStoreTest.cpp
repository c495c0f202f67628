#include "TestSupport.h"
#include "options/IniStore.h"
#include "options/RegistryStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace lumorca;
using namespace lumorca::test;

// File names, numbers and typed reads are in tests/data/options-functions.txt.
class IniStoreTest : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString File() const { return Dir.filePath("Lumorca7.INI"); }
};

TEST_F(IniStoreTest, NothingReachesTheFileBeforeFlush) {
    TIniStore store(File());
    store.WriteBool("S", "B", true);
    EXPECT_TRUE(store.ReadBool("S", "B", false));
    EXPECT_FALSE(QFileInfo::exists(File()));
    EXPECT_FALSE(store.Flush(1).has_value());
    EXPECT_EQ(ReadBytes(File()), "[S]\r\nB=1\r\n");
}

TEST_F(IniStoreTest, FlushKeepsWhatAnotherStoreWroteMeanwhile) {
    TIniStore options(File());
    options.WriteInteger("Options", "Indent", 3);
    {
        TIniStore files(File());
        files.WriteString("Files", "History0", "C:\\a.pro");
        ASSERT_FALSE(files.Flush(1).has_value());
    }
    ASSERT_FALSE(options.Flush(1).has_value());
    EXPECT_EQ(ReadBytes(File()), "[Files]\r\nHistory0=C:\\a.pro\r\n[Options]\r\nIndent=3\r\n");
}

TEST_F(IniStoreTest, FailedWriteIsReportedInTheUsersLanguageAndLeavesNoFile) {
    // A parent that is a regular file blocks the write even for root.
    WriteBytes(Dir.filePath("blocker"), "x");
    for (const auto& [path, language] : {std::pair{Dir.filePath("blocker/Lumorca7.INI"), 0},
                                         std::pair{Dir.filePath("missing/Lumorca7.INI"), 1}}) {
        TIniStore store(path);
        store.WriteString("Options", "ProcListingDir", "C:\\");
        const auto error = store.Flush(language);
        ASSERT_TRUE(error.has_value()) << path.toStdString();
        EXPECT_EQ(*error, SaveFailedMessage(path, language));
        EXPECT_TRUE(error->contains(path));
        EXPECT_FALSE(error->contains("%s"));
        EXPECT_FALSE(QFileInfo::exists(path));
    }
    EXPECT_NE(SaveFailedMessage("/x", 0), SaveFailedMessage("/x", 1));
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"blocker"});
}

class RegistryStoreTest : public ::testing::Test {
protected:
    void SetUp() override { ClearTestRegistry(); }
    void TearDown() override { ClearTestRegistry(); }
};

// Every field's round trip, sections and erasing are in OptionsTest; here
// what the options themselves never store.
TEST_F(RegistryStoreTest, TypedReadsOfStoredStrings) {
    {
        TRegistryStore store(TestRegistryName);
        store.WriteString("Options", "List $Status", "1");
        store.WriteString("LastAccess", "Trigger", "LP_X;Y");
        EXPECT_FALSE(store.Flush(1).has_value());
    }
    TRegistryStore store(TestRegistryName);
    EXPECT_TRUE(store.ReadBool("Options", "List $Status", false));
    EXPECT_EQ(store.ReadString("LastAccess", "Trigger", ""), "LP_X;Y");
    EXPECT_EQ(store.ReadInteger("LastAccess", "Trigger", 9), 9);
}

TEST_F(RegistryStoreTest, MachineWideValuesAreNotRead) {
    QSettings machine(QSettings::NativeFormat, QSettings::SystemScope, TestRegistryName.mid(9));
    machine.setValue("Options/Indent", 9);
    machine.sync();
    ASSERT_EQ(machine.status(), QSettings::NoError);
    TRegistryStore store(TestRegistryName);
    EXPECT_FALSE(store.SectionExists("Options"));
    EXPECT_EQ(store.ReadInteger("Options", "Indent", 4), 4);
}
