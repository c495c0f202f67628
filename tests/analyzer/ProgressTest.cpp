// What the analysis reports while it runs: tasks, progress and traces.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"
#include "analyzer/Trace.h"

namespace lumorca::test {
namespace {

class Recorder : public AnalysisObserver {
public:
    std::vector<int> Tasks;
    std::vector<int> Maxima;
    std::vector<std::string> Info;
    int Events = 0;
    int LastPosition = -1;
    bool Visible = false;

    void TaskChanged(int entry) override { Tasks.push_back(entry); }
    void ProgressMaximum(int maximum) override { Maxima.push_back(maximum); }
    void ProgressPosition(int position) override { LastPosition = position; }
    void ProgressVisible(bool visible) override { Visible = visible; }
    void InfoLine(const std::string& text) override { Info.push_back(text); }
    void ProcessPendingEvents() override { ++Events; }
};

class MemoSink : public TraceSink {
public:
    explicit MemoSink(int level) : level_(level) {}
    int Level() const override { return level_; }
    void Line(const std::string& text) override { Lines.push_back(text); }
    std::vector<std::string> Lines;

private:
    int level_;
};

std::vector<std::string> Listing(int extraLines) {
    std::vector<std::string> body = {TriggerTitle("EXEC", "Form", "F"), "A = 1", "B = A"};
    for (int i = 0; i < extraLines; ++i) body.push_back("C = " + std::to_string(i));
    return body;
}

TEST(Progress, TasksInOrderAndEventsPerLineAndSymbol) {
    ListingLines lines = MakeListing(Listing(30));
    Recorder recorder;
    const AnalysisResult r = AnalyzeListing(lines, AnalysisSettings(), &recorder);
    EXPECT_EQ(recorder.Tasks, (std::vector<int>{97, 98, 99, 100, 101}));
    // 34 lines; symbols: A, B, C and the numbers 0-29 and 1.
    ASSERT_EQ(recorder.Maxima.size(), 2u);
    EXPECT_EQ(recorder.Maxima[0], 3);
    EXPECT_EQ(recorder.Info, (std::vector<std::string>{"33 Symbols found."}));
    EXPECT_EQ(recorder.Maxima[1], 3);
    EXPECT_EQ(recorder.Events, 34 + 33);
    EXPECT_FALSE(recorder.Visible);
    EXPECT_EQ(r.SymbolCount, 33u);
}

TEST(Progress, NoStructureEndsEarly) {
    ListingLines lines = {"no listing", "at all"};
    Recorder recorder;
    EXPECT_TRUE(AnalyzeListing(lines, AnalysisSettings(), &recorder).Empty());
    EXPECT_EQ(recorder.Tasks, (std::vector<int>{97}));
    EXPECT_FALSE(recorder.Visible);
}

TEST(Traces, MergedFieldsAndReferenceCaptions) {
    const std::vector<std::string> body = {TriggerTitle("EXEC", "Form", "F"),
                                           TriggerTitle("VALF", "Field", "NR.ORD.M"), "NR = 1"};
    {
        ListingLines lines = MakeListing(body);
        MemoSink sink(10);
        AnalyzeListing(lines, AnalysisSettings(), nullptr, &sink);
        ASSERT_GE(sink.Lines.size(), 3u);
        EXPECT_EQ(sink.Lines[0], "NR");
        EXPECT_EQ(sink.Lines[1], "  ---ORD");
        EXPECT_NE(sink.Lines[2].find(" moved to Entity 0 / ORD"), std::string::npos);
    }
    {
        ListingLines lines = MakeListing(body);
        MemoSink sink(12);
        AnalyzeListing(lines, AnalysisSettings(), nullptr, &sink);
        // nr.ord, then the number 1.
        ASSERT_EQ(sink.Lines.size(), 2u);
        EXPECT_EQ(sink.Lines[0], "   4 <VALF> from Field: NR.ORD.M [1]4 / 2");
    }
}

}  // namespace
}  // namespace lumorca::test
