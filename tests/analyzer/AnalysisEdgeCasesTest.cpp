// Hand-derived results for listings that combine the rarer paths of the
// analysis: quoted and split activations, empty lines inside continued
// statements, service messages, register and trigger-number order.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"

namespace lumorca::test {
namespace {

// Body line k is listing line k + 1 (title and separator come first).
Analysed Body(const std::vector<std::string>& body, const AnalysisSettings& settings = {}) {
    std::vector<std::string> all{TriggerTitle("EXEC", "Form", "MYFORM")};
    all.insert(all.end(), body.begin(), body.end());
    return Analyse(all, settings);
}

std::string OtherVar(const Analysed& a, const std::string& name) {
    return Refs(XRef(a, {"Other variable", name}));
}

TEST(AnalysisEdgeCases, ActivationTargetsWrittenWithTheOperationInsideOrOutsideTheQuotes) {
    const Analysed a = Body({"activate \"%%VAR\".OP()", "activate \"%%VAR2.OP2\"",
                             "activate \"MYFORM.OWNOP\"", "activate $INSTANCENAME.SELFOP",
                             "activate \"OTHER\".$OPX"});
    EXPECT_EQ(Refs(XRef(a, {"Activate Components", "var"})), "2:31");
    EXPECT_EQ(OtherVar(a, "var"), "2:2");
    EXPECT_EQ(XRef(a, {"Other variable", "op"}), nullptr);
    // "%%" inside the quotes with a dot: split into variable and operation.
    EXPECT_EQ(Refs(XRef(a, {"Activate Components", "var2"})), "3:31");
    EXPECT_EQ(OtherVar(a, "var2"), "3:2");
    EXPECT_EQ(XRef(a, {"Operations", "op2"}), nullptr);
    EXPECT_EQ(Refs(XRef(a, {"Operations", "ownop"})), "4:26");
    EXPECT_EQ(XRef(a, {"Other variable", "myform"}), nullptr);  // a literal name
    EXPECT_EQ(Refs(XRef(a, {"Operations", "selfop"})), "5:26");
    EXPECT_EQ(Refs(XRef(a, {"$System function", "$instancename"})), "5:2");
    EXPECT_EQ(Refs(XRef(a, {"$System function", "$opx"})), "6:2");
    EXPECT_EQ(ChildCaptions(XRef(a, {"Activate Components"})),
              (std::vector<std::string>{"$instancename", "myform", "other", "var", "var2"}));
}

TEST(AnalysisEdgeCases, EmptyLineAfterAContinuationEndsTheStatementUnlessItIsDropped) {
    const std::vector<std::string> body{"B = %\\", "", "C"};
    const Analysed kept = Body(body);
    // The empty line completes "B =": C then stands alone as an assignment target.
    EXPECT_EQ(OtherVar(kept, "b"), "2:3");
    EXPECT_EQ(OtherVar(kept, "c"), "4:3");

    AnalysisSettings settings;
    settings.IgnoreEmptyLines = true;
    const Analysed dropped = Body(body, settings);
    EXPECT_EQ(OtherVar(dropped, "b"), "2:3");
    EXPECT_EQ(OtherVar(dropped, "c"), "3:2");
    EXPECT_EQ(dropped.Lines.size(), 4u);
}

TEST(AnalysisEdgeCases, EmptyLineTestLooksAtTheFirstFourteenColumns) {
    AnalysisSettings settings;
    settings.IgnoreEmptyLines = true;
    Analysed a;
    a.Lines = MakeListing({TriggerTitle("EXEC", "Form", "MYFORM"), "A = 1"});
    a.Lines.push_back("     2        ");   // 14 characters: empty
    a.Lines.push_back("     3         ");  // 15 characters: kept
    a.Lines.push_back("\t");
    a.Lines.push_back("x");  // one character that is no blank: kept
    a.Lines.push_back("");
    a.Result = AnalyzeListing(a.Lines, settings);
    ASSERT_EQ(a.Lines.size(), 5u);
    EXPECT_EQ(a.Lines[3], "     3         ");
    EXPECT_EQ(a.Lines[4], "x");
    EXPECT_EQ(OtherVar(a, "x"), "4:3");
}

TEST(AnalysisEdgeCases, ServiceMessagesOfEveryWordAndTheirOrder) {
    const Analysed a = Body({"A = 1", "INFO: hello from a service", "WARNING: x in service",
                             "ERROR: boom in a service", "ERROR: plain", "WARNING: In Service"});
    EXPECT_EQ(ChildCaptions(XRef(a, {"Compiler messages"})),
              (std::vector<std::string>{"error", "warning", "warning (service)", "error (service)",
                                        "info (service)"}));

    AnalysisSettings off;
    off.ServiceWarnings = false;
    const Analysed plain = Body({"A = 1", "INFO: hello from a service", "WARNING: x in service"});
    EXPECT_EQ(ChildCaptions(XRef(plain, {"Compiler messages"})).size(), 2u);
    const Analysed noService = Body({"A = 1", "INFO: hello from a service", "WARNING: x in service"}, off);
    EXPECT_EQ(ChildCaptions(XRef(noService, {"Compiler messages"})),
              (std::vector<std::string>{"warning", "info"}));
}

TEST(AnalysisEdgeCases, MessagesInAnIgnoredErrfTriggerAreDropped) {
    AnalysisSettings settings;
    settings.IgnoreERRF = true;
    const Analysed a = Analyse({TriggerTitle("ERRF", "Form", "MYFORM"), "A = 1", "ERROR: boom"}, settings);
    EXPECT_EQ(XRef(a, {"Compiler messages"}), nullptr);
    EXPECT_EQ(XRef(a, {"Other variable"}), nullptr);
}

TEST(AnalysisEdgeCases, RegistersTriggerNumbersAndNumbersInTheirOwnOrder) {
    const Analysed a = Body({"$12A = $2 + $10 + $1 + -5 + 100 + -10 + 7.", "A = B *Y12 *YA"});
    EXPECT_EQ(ChildCaptions(XRef(a, {"Register ($1-$99)"})),
              (std::vector<std::string>{"$1", "$2", "$10", "$12a"}));
    EXPECT_EQ(Refs(XRef(a, {"Register ($1-$99)", "$12a"})), "2:3");
    EXPECT_EQ(ChildCaptions(XRef(a, {"Numbers"})),
              (std::vector<std::string>{"-5", "-10", "7", "100"}));
    EXPECT_EQ(ChildCaptions(XRef(a, {"Trigger No"})), (std::vector<std::string>{"ya", "y12"}));
    EXPECT_EQ(Refs(XRef(a, {"Trigger No", "y12"})), "3:1");
}

TEST(AnalysisEdgeCases, SelectDestinationsAndWhereNamesOfAnUnknownEntity) {
    const Analysed a = Body({"selectdb max(COL1), COL2 from \"ENT1\" u_where K = 1 to V1, V2",
                             "read u_where K = 2"});
    // The entity is no entity node: its columns fall back to plain names.
    EXPECT_EQ(OtherVar(a, "col1.ent1"), "2:2");
    EXPECT_EQ(OtherVar(a, "col2.ent1"), "2:2");
    EXPECT_EQ(OtherVar(a, "k.ent1"), "2:2");
    EXPECT_EQ(OtherVar(a, "ent1"), "2:14");
    EXPECT_EQ(Refs(XRef(a, {"Strings", "\"ent1\""})), "2:2");
    EXPECT_EQ(OtherVar(a, "v1"), "2:3");
    EXPECT_EQ(OtherVar(a, "v2"), "2:3");
    // A where name read outside entity triggers joins the plain name.
    EXPECT_EQ(OtherVar(a, "k"), "3:2");
    EXPECT_EQ(XRef(a, {"Other variable", "max"}), nullptr);
}

TEST(AnalysisEdgeCases, SubstitutionsAndTextInsideOneString) {
    const Analysed a = Body({"F = \"%%$TEXT(GREET) %%%%% %%G\""});
    const TreeNode* literal = XRef(a, {"Variable %%strings%%%", "\"%%$text(greet) %%%%% %%g\""});
    ASSERT_NE(literal, nullptr);
    EXPECT_EQ(literal->StateImage, 1);  // "%%%%%" counts for nothing: two openings, no closing
    EXPECT_EQ(Refs(XRef(a, {"Text", "greet"})), "2:2");
    EXPECT_EQ(Refs(XRef(a, {"$System function", "$text"})), "2:2");
    EXPECT_EQ(OtherVar(a, "g"), "2:2");
}

TEST(AnalysisEdgeCases, TextThatLooksLikeALineMarkerIsAnOperator) {
    const Analysed a = Body({"Z = ##12", "Y = 1"});
    EXPECT_EQ(OtherVar(a, "z"), "2:3");
    EXPECT_EQ(OtherVar(a, "y"), "3:3");
}

// The condition of an IF ends at index 1 when T[1] is not "(": the rest is
// a statement of its own.
TEST(AnalysisEdgeCases, IfWithoutOpeningParenthesisEndsTheConditionAtOnce) {
    const Analysed a = Body({"if ) D = 1"});
    EXPECT_EQ(OtherVar(a, "d"), "2:3");
    EXPECT_EQ(Refs(XRef(a, {"Numbers", "1"})), "2:2");
}

TEST(AnalysisEdgeCases, CallArgumentsAcrossAContinuedLineAndNestedCalls) {
    const Analysed a = Body({"call LP_A(1, B(2), \"x,y\")", "R = LP_SUMX(1)", "call LP_SUM(Q, %\\", "W)",
                             "******        entry LP_SUM", "params", "numeric P1 : IN", "string P2 : OUT",
                             "endparams", "******        entry LP_A", "params", "numeric P1 : INOUT",
                             "endparams"});
    const TreeNode* lpA = XRef(a, {"Entries", "lp_a"});
    ASSERT_NE(lpA, nullptr);
    EXPECT_EQ(lpA->StateImage, 1);  // three arguments, one parameter
    const TreeNode* lpSum = XRef(a, {"Entries", "lp_sum"});
    ASSERT_NE(lpSum, nullptr);
    EXPECT_EQ(lpSum->StateImage, 0);  // Q and W on two lines: two arguments
    EXPECT_EQ(Refs(XRef(a, {"Entries", "b"})), "2:26");
    EXPECT_EQ(OtherVar(a, "q"), "4:6");
    EXPECT_EQ(OtherVar(a, "w"), "5:6");
    EXPECT_EQ(Refs(XRef(a, {"Strings", "\"x,y\""})), "2:6");
}

}  // namespace
}  // namespace lumorca::test
