#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "analyzer/LineModel.h"
#include "analyzer/ListingReader.h"
#include "analyzer/RegularFile.h"
#include "texts/Texts.h"

namespace lumorca {
namespace {

namespace fs = std::filesystem;
using Lines = ListingLines;

const std::string kTitle = "Trigger <EXEC> from Form: ORDERS";

// A scratch directory removed at the end of each test.
class ListingFile : public ::testing::Test {
protected:
    void SetUp() override {
        // Test processes may run in parallel: name and time keep them apart.
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        dir_ = fs::temp_directory_path() / ("lumorca-" + test + "-" + std::to_string(stamp));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }
    Lines Read(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return ReadListingFile((dir_ / name).string(), LanguageEnglish);
    }
    fs::path dir_;
};

TEST_F(ListingFile, ReadsBytesExactly) {
    const std::string bytes = kTitle + "\r\n====\r\n     1        x = \"gr\xF6\xDF" "e\"\r\n\r\n     2\t\r\n";
    EXPECT_EQ(Read("a.pro", bytes), (Lines{kTitle, "====", "     1        x = \"gr\xF6\xDF" "e\"", "", "     2\t"}));
    EXPECT_EQ(Read("empty.pro", ""), Lines{});
}

// Their messages in both languages are the command-line tests'. A file larger
// than a listing can be is refused unread.
TEST_F(ListingFile, EmptyNamesAndOversizedFilesAreUnreadable) {
    EXPECT_THROW(ReadListingFile("", LanguageEnglish), EFileNotReadable);
    const fs::path big = dir_ / "big.pro";
    std::ofstream(big) << kTitle;
    fs::resize_file(big, kMaxListingFileBytes + 1);  // sparse: nothing is written
    EXPECT_THROW(ReadListingFile(big.string(), LanguageEnglish), EFileNotReadable);
}

// FIFOs and devices are refused by every command of lumorca-cli, under a time limit.
TEST_F(ListingFile, BinaryFileIsReadAndRejectedAndTokenizesWithoutHarm) {
    std::string bytes;
    for (int c = 0; c < 64 * 256; ++c) bytes.push_back(static_cast<char>((c * 7 + c / 256) & 0xFF));
    const Lines lines = Read("binary.bin", bytes);
    size_t kept = 0;
    for (const std::string& line : lines) kept += line.size();
    EXPECT_EQ(kept, bytes.size() - static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\r') +
                                                       std::count(bytes.begin(), bytes.end(), '\n')));
    EXPECT_THROW(CheckCorvaneListing(lines, LanguageEnglish), ENoCorvaneSource);
    Tokenizer tokenizer;
    for (size_t i = 0; i < lines.size(); ++i) {
        TokenList tokens;
        tokenizer.TokenizeLine(tokens, ListingLineText(lines[i], true, true), static_cast<int32_t>(i), false);
        tokenizer.TokenizeLine(tokens, lines[i], static_cast<int32_t>(i), true);
        CommentStart(lines[i]);
        EXPECT_EQ(LineMarkerLine(tokens.front()), static_cast<int32_t>(i));
    }
}

TEST_F(ListingFile, MegabyteLineIsReadAndTokenizedWhole) {
    std::string longLine = "     1        $1 = \"" + std::string(1 << 20, 'x') + "\" ; end";
    const Lines lines = Read("long.pro", kTitle + "\r\n====\r\n" + longLine + "\r\n     2\r\n     3\r\n");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], longLine);
    Tokenizer tokenizer;
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, ListingLineText(lines[2], true, true), 2, false);
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[3].Text.size(), (1u << 20) + 2);
}

}  // namespace
}  // namespace lumorca
