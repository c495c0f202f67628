#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "analyzer/LineModel.h"
#include "analyzer/ListingReader.h"
#include "analyzer/RegularFile.h"
#include "texts/Texts.h"

namespace lumorca {
namespace {

namespace fs = std::filesystem;
using Lines = ListingLines;

const std::string kTitle = "Trigger <EXEC> from Form: ORDERS";

Lines WithLineAt(size_t count, size_t index, const std::string& line) {
    Lines lines(count, "     1        ; text");
    lines[index] = line;
    return lines;
}

TEST(Recognition, NeedsFiveLinesAndATitleAmongTheFirstFive) {
    EXPECT_TRUE(IsCorvaneListing(WithLineAt(5, 0, kTitle)));
    EXPECT_TRUE(IsCorvaneListing(WithLineAt(5, 4, kTitle)));
    EXPECT_FALSE(IsCorvaneListing(WithLineAt(4, 0, kTitle)));
    EXPECT_FALSE(IsCorvaneListing(WithLineAt(6, 5, kTitle)));
    EXPECT_FALSE(IsCorvaneListing(Lines{}));
    EXPECT_FALSE(IsCorvaneListing(Lines(5, "")));
}

TEST(Recognition, TitleLineTest) {
    auto recognised = [](const std::string& title) {
        return IsCorvaneListing(WithLineAt(5, 2, title));
    };
    EXPECT_TRUE(recognised("Trigger <X> FROM Entity: ORDER.SALES"));
    EXPECT_TRUE(recognised("Trigger <X> From"));
    EXPECT_TRUE(recognised("Trigger <X>\tfrom\tForm: ORDERS"));
    EXPECT_TRUE(recognised("Trigger <X>   from   Service: S"));
    EXPECT_FALSE(recognised("trigger <X> from Form: ORDERS"));
    EXPECT_FALSE(recognised("TRIGGER <X> from Form: ORDERS"));
    EXPECT_FALSE(recognised(" Trigger <X> from Form: ORDERS"));
    EXPECT_FALSE(recognised("Trigger<X> from Form: ORDERS"));
    EXPECT_FALSE(recognised("Trigger <X> of Form: ORDERS"));
    EXPECT_FALSE(recognised("Trigger < X from Form"));  // third word is X
    EXPECT_FALSE(recognised("Trigger <X> fromage"));
}

TEST(Recognition, RejectionCarriesTheLanguageText) {
    const Lines notListing = WithLineAt(4, 0, kTitle);
    try {
        CheckCorvaneListing(notListing, LanguageGerman);
        FAIL() << "no exception";
    } catch (const ENoCorvaneSource& e) {
        EXPECT_STREQ(e.what(), "Code ist kein Corvane-Listing");
    }
    try {
        CheckCorvaneListing(notListing, LanguageEnglish);
        FAIL() << "no exception";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Code is not an Corvane listing");
    }
    EXPECT_NO_THROW(CheckCorvaneListing(WithLineAt(5, 1, kTitle), LanguageEnglish));
}

TEST(ClipboardText, SplitsAtCarriageReturns) {
    EXPECT_EQ(SplitClipboardText("A\r\nB\r\n"), (Lines{"A", "B"}));
    EXPECT_EQ(SplitClipboardText("A\r\nB"), (Lines{"A", "B"}));
    EXPECT_EQ(SplitClipboardText("A\rB\r"), (Lines{"A", "B"}));
    EXPECT_EQ(SplitClipboardText("A\r\n\r\nB"), (Lines{"A", "", "B"}));
    EXPECT_EQ(SplitClipboardText("A\r\r\n"), (Lines{"A", ""}));
    // Only one LF after a CR belongs to the break; a lone LF stays in its line.
    EXPECT_EQ(SplitClipboardText("A\r\n\nB\r\n"), (Lines{"A", "\nB"}));
    EXPECT_EQ(SplitClipboardText("A\nB\r\nC"), (Lines{"A\nB", "C"}));
    EXPECT_EQ(SplitClipboardText("\r\n"), (Lines{""}));
}

TEST(ClipboardText, TextWithoutCarriageReturnSplitsAtLineFeeds) {
    EXPECT_EQ(SplitClipboardText("A\nB\n"), (Lines{"A", "B"}));
    EXPECT_EQ(SplitClipboardText("A\n\nB"), (Lines{"A", "", "B"}));
    EXPECT_EQ(SplitClipboardText("\n"), (Lines{""}));
    EXPECT_EQ(SplitClipboardText("no break"), (Lines{"no break"}));
}

TEST(ClipboardText, EmptyTextAndTerminatingZero) {
    EXPECT_EQ(SplitClipboardText(""), (Lines{""}));
    EXPECT_EQ(SplitClipboardText(std::string("A\r\nB\0C\r\nD", 10)), (Lines{"A", "B"}));
    EXPECT_EQ(SplitClipboardText(std::string("\0A", 2)), (Lines{""}));
}

TEST(ClipboardText, PastedListingIsRecognised) {
    const std::string crlf = kTitle + "\r\n====\r\n     1        ; a\r\n     2        ; b\r\n"
                             "     3        ; c\r\n";
    EXPECT_TRUE(IsCorvaneListing(SplitClipboardText(crlf)));
    std::string lf = crlf;
    for (size_t p; (p = lf.find('\r')) != std::string::npos;) lf.erase(p, 1);
    EXPECT_TRUE(IsCorvaneListing(SplitClipboardText(lf)));
}

TEST(FileText, SplitsAtEveryKindOfLineBreak) {
    EXPECT_EQ(SplitFileText("A\r\nB\nC\rD"), (Lines{"A", "B", "C", "D"}));
    EXPECT_EQ(SplitFileText("A\r\n"), (Lines{"A"}));
    EXPECT_EQ(SplitFileText("A\r"), (Lines{"A"}));
    EXPECT_EQ(SplitFileText("A\n"), (Lines{"A"}));
    EXPECT_EQ(SplitFileText("A\r\r\nB"), (Lines{"A", "", "B"}));
    EXPECT_EQ(SplitFileText("A\n\rB"), (Lines{"A", "", "B"}));
    EXPECT_EQ(SplitFileText("\r\n\r\n"), (Lines{"", ""}));
    EXPECT_EQ(SplitFileText(""), Lines{});
    EXPECT_EQ(SplitFileText("no break"), (Lines{"no break"}));
    EXPECT_EQ(SplitFileText(std::string("A\0B\n", 4)), (Lines{std::string("A\0B", 3)}));
}

TEST(ListingComponent, FifthWordOfTheFirstTriggerLine) {
    EXPECT_EQ(ListingComponentOf(Lines{"banner", kTitle, "Trigger <X> from Form: OTHER"}), "ORDERS");
    EXPECT_EQ(ListingComponentOf(Lines{"Trigger <EXEC> from Service:\tCUSTSVC"}), "CUSTSVC");
    // The first line that contains the word anywhere counts, even if short.
    EXPECT_EQ(ListingComponentOf(Lines{"; Trigger here", kTitle}), "");
    EXPECT_EQ(ListingComponentOf(Lines{"a b c d e Trigger", kTitle}), "e");
    EXPECT_EQ(ListingComponentOf(Lines{"trigger <X> from Form: LOWER", kTitle}), "ORDERS");
    EXPECT_EQ(ListingComponentOf(Lines{"nothing"}), "");
    EXPECT_EQ(ListingComponentOf(Lines{}), "");
}

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
    std::string Write(const std::string& name, const std::string& bytes) {
        const fs::path path = dir_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    fs::path dir_;
};

TEST_F(ListingFile, ReadsBytesExactly) {
    const std::string bytes = kTitle + "\r\n====\r\n     1        x = \"gr\xF6\xDF" "e\"\r\n\r\n     2\t\r\n";
    const Lines lines = ReadListingFile(Write("a.pro", bytes), LanguageEnglish);
    EXPECT_EQ(lines, (Lines{kTitle, "====", "     1        x = \"gr\xF6\xDF" "e\"", "", "     2\t"}));
    EXPECT_TRUE(IsCorvaneListing(lines));
    EXPECT_EQ(ReadListingFile(Write("empty.pro", ""), LanguageEnglish), Lines{});
}

TEST_F(ListingFile, UnreadableFilesGiveTheirOwnError) {
    const std::string missing = (dir_ / "missing.pro").string();
    try {
        ReadListingFile(missing, LanguageEnglish);
        FAIL() << "no exception";
    } catch (const EFileNotReadable& e) {
        EXPECT_EQ(e.FileName(), missing);
        EXPECT_EQ(std::string(e.what()), "Coudn't read file " + missing);
    }
    try {
        ReadListingFile(dir_.string(), LanguageGerman);
        FAIL() << "no exception";
    } catch (const EFileNotReadable& e) {
        EXPECT_EQ(std::string(e.what()), "Datei " + dir_.string() + " konnte nicht gelesen werden.");
    }
    EXPECT_THROW(ReadListingFile("", LanguageEnglish), EFileNotReadable);
    // A device that never ends is refused instead of read forever.
    std::error_code error;
    if (fs::is_character_file("/dev/zero", error)) {
        EXPECT_THROW(ReadListingFile("/dev/zero", LanguageEnglish), EFileNotReadable);
    }
}

#ifndef _WIN32
TEST_F(ListingFile, FifoIsRefusedWithoutWaitingForAWriter) {
    const fs::path fifo = dir_ / "listing.fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto refused = std::async(std::launch::async, [&fifo] {
        try {
            ReadListingFile(fifo.string(), LanguageEnglish);
            return false;
        } catch (const EFileNotReadable&) {
            return true;
        }
    });
    const bool finished = refused.wait_for(std::chrono::seconds(5)) == std::future_status::ready;
    if (!finished) close(open(fifo.c_str(), O_WRONLY));  // ends the blocked open, so the test can end
    EXPECT_TRUE(finished);
    EXPECT_TRUE(refused.get());
}
#endif

TEST_F(ListingFile, LargerThanAListingCanBeIsRefusedUnread) {
    const fs::path big = dir_ / "big.pro";
    std::ofstream(big) << kTitle;
    fs::resize_file(big, kMaxListingFileBytes + 1);  // sparse: nothing is written
    EXPECT_THROW(ReadListingFile(big.string(), LanguageEnglish), EFileNotReadable);
}

TEST_F(ListingFile, BinaryFileIsReadAndRejected) {
    std::string bytes;
    for (int round = 0; round < 64; ++round) {
        for (int c = 0; c < 256; ++c) bytes.push_back(static_cast<char>((c * 7 + round) & 0xFF));
    }
    const Lines lines = ReadListingFile(Write("binary.bin", bytes), LanguageEnglish);
    size_t kept = 0;
    for (const std::string& line : lines) kept += line.size();
    size_t breaks = 0;
    for (char c : bytes) breaks += (c == '\r' || c == '\n') ? 1 : 0;
    EXPECT_EQ(kept, bytes.size() - breaks) << "only the CR and LF bytes go";
    EXPECT_THROW(CheckCorvaneListing(lines, LanguageEnglish), ENoCorvaneSource);

    // Every line goes through the line model without harm.
    Tokenizer tokenizer;
    for (size_t i = 0; i < lines.size(); ++i) {
        TokenList tokens;
        const std::string text = ListingLineText(lines[i], true, true);
        tokenizer.TokenizeLine(tokens, text, static_cast<int32_t>(i), false);
        tokenizer.TokenizeLine(tokens, lines[i], static_cast<int32_t>(i), true);
        CommentStart(lines[i]);
        EXPECT_EQ(LineMarkerLine(tokens.front()), static_cast<int32_t>(i));
    }
}

TEST_F(ListingFile, MegabyteLine) {
    std::string longLine = "     1        $1 = \"";
    longLine.append(1 << 20, 'x');
    longLine += "\" ; end";
    const std::string bytes = kTitle + "\r\n====\r\n" + longLine + "\r\n     2\r\n     3\r\n";
    const Lines lines = ReadListingFile(Write("long.pro", bytes), LanguageEnglish);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[2], longLine);
    EXPECT_TRUE(IsCorvaneListing(lines));

    Tokenizer tokenizer;
    TokenList tokens;
    tokenizer.TokenizeLine(tokens, ListingLineText(lines[2], true, true), 2, false);
    ASSERT_EQ(tokens.size(), 4u);
    EXPECT_EQ(tokens[3].Text.size(), (1u << 20) + 2);
}

TEST_F(ListingFile, TwoHundredThousandLines) {
    std::string bytes = kTitle + "\r\n" + std::string(78, '=') + "\r\n";
    const int count = 200000;
    for (int i = 1; i <= count - 2; ++i) {
        std::string number = std::to_string(i % 1000000);
        number.insert(0, 6 - number.size(), ' ');
        bytes += number + "        $1 = $1 + 1 ; step\r\n";
    }
    const Lines lines = ReadListingFile(Write("big.pro", bytes), LanguageEnglish);
    ASSERT_EQ(lines.size(), static_cast<size_t>(count));
    EXPECT_TRUE(IsCorvaneListing(lines));
    EXPECT_EQ(ListingComponentOf(lines), "ORDERS");

    // Line indexes past five digits stay whole in the markers.
    Tokenizer tokenizer;
    TokenList tokens;
    for (int32_t i = 0; i < count; ++i) {
        tokens.clear();
        tokenizer.TokenizeLine(tokens, ListingLineText(lines[i], true, true), i, false);
    }
    EXPECT_EQ(LineMarkerLine(tokens.front()), count - 1);
    EXPECT_EQ(tokens.size(), 6u);
}

}  // namespace
}  // namespace lumorca
