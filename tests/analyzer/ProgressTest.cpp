// What the analysis reports while it runs: tasks, progress and traces.

#include "AnalysisTestSupport.h"
#include "analyzer/Trace.h"

namespace lumorca::test {
namespace {

struct Recorder : AnalysisObserver {
    std::vector<int> Tasks, Maxima;
    Names Info;
    int Events = 0;
    bool Visible = false;
    void TaskChanged(int entry) override { Tasks.push_back(entry); }
    void ProgressMaximum(int maximum) override { Maxima.push_back(maximum); }
    void ProgressPosition(int) override {}
    void ProgressVisible(bool visible) override { Visible = visible; }
    void InfoLine(const std::string& text) override { Info.push_back(text); }
    void ProcessPendingEvents() override { ++Events; }
};

struct MemoSink : TraceSink {
    explicit MemoSink(int level) : TraceLevel(level) {}
    int Level() const override { return TraceLevel; }
    void Line(const std::string& text) override { Lines.push_back(text); }
    int TraceLevel;
    Names Lines;
};

TEST(Progress, TasksInOrderAndEventsPerLineAndSymbol) {
    std::vector<std::string> body = {TriggerTitle("EXEC", "Form", "F"), "A = 1", "B = A"};
    for (int i = 0; i < 30; ++i) body.push_back("C = " + std::to_string(i));
    ListingLines lines = MakeListing(body);
    Recorder recorder;
    const AnalysisResult r = AnalyzeListing(lines, AnalysisSettings(), &recorder);
    EXPECT_EQ(recorder.Tasks, (std::vector<int>{97, 98, 99, 100, 101}));
    // 34 lines; symbols: A, B, C and the numbers 0-29 and 1.
    EXPECT_EQ(recorder.Maxima, (std::vector<int>{3, 3}));
    EXPECT_EQ(recorder.Info, (Names{"33 Symbols found."}));
    EXPECT_EQ(recorder.Events, 34 + 33);
    EXPECT_FALSE(recorder.Visible);
    EXPECT_EQ(r.SymbolCount, 33u);

    ListingLines none = {"no listing", "at all"};
    Recorder early;
    EXPECT_TRUE(AnalyzeListing(none, AnalysisSettings(), &early).Empty());
    EXPECT_EQ(early.Tasks, (std::vector<int>{97}));
    EXPECT_FALSE(early.Visible);
}

// The second phase steps once per ten symbols, not counting the last one
// nor those joined into another: here NR joins NR.ORD.
TEST(Progress, SymbolPhaseMaximumLeavesOutJoinedSymbols) {
    for (const auto& [extra, maximum] : {std::make_pair(6, 0), std::make_pair(7, 1)}) {
        std::vector<std::string> body = {TriggerTitle("EXEC", "Form", "F"),
                                         TriggerTitle("VALF", "Field", "NR.ORD.M"), "NR = 1", "X = NR.ORD"};
        for (int i = 0; i < extra; ++i) body.push_back("C = " + std::to_string(i + 2));
        ListingLines lines = MakeListing(body);
        Recorder recorder;
        EXPECT_EQ(AnalyzeListing(lines, AnalysisSettings(), &recorder).SymbolCount, 5u + extra);
        EXPECT_EQ(recorder.Maxima.back(), maximum) << extra;
    }
}

Names Trace(const std::vector<std::string>& body, int level) {
    ListingLines lines = MakeListing(body);
    MemoSink sink(level);
    AnalyzeListing(lines, AnalysisSettings(), nullptr, &sink);
    return sink.Lines;
}

TEST(Traces, MergedFieldsAndReferenceCaptions) {
    const std::vector<std::string> body = {TriggerTitle("EXEC", "Form", "F"),
                                           TriggerTitle("VALF", "Field", "NR.ORD.M"), "NR = 1"};
    const Names merged = Trace(body, 10);
    ASSERT_GE(merged.size(), 3u);
    EXPECT_EQ(merged[0], "NR");
    EXPECT_EQ(merged[1], "  ---ORD");
    EXPECT_NE(merged[2].find(" moved to Entity 0 / ORD"), std::string::npos);
    // nr.ord, then the number 1.
    const Names refs = Trace(body, 12);
    ASSERT_EQ(refs.size(), 2u);
    EXPECT_EQ(refs[0], "   4 <VALF> from Field: NR.ORD.M [1]4 / 2");
}

}  // namespace
}  // namespace lumorca::test
