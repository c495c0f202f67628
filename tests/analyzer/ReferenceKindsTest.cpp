// How the statement walk records each name: category and reference kind.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"

namespace lumorca::test {
namespace {

// Listings start with a title and a separator: body line k is line k + 1.
Analysed Body(const std::vector<std::string>& body, const AnalysisSettings& settings = {}) {
    std::vector<std::string> all{TriggerTitle("EXEC", "Form", "ORDERS")};
    all.insert(all.end(), body.begin(), body.end());
    return Analyse(all, settings);
}

std::string OtherVar(const Analysed& a, const std::string& name) {
    return Refs(XRef(a, {"Other variable", name}));
}

TEST(ReferenceKinds, AssignmentOfEmptyStringOrZeroIsAnInitialisation) {
    const Analysed a = Body({"A = \"\"", "B = 0", "C = 1", "D =0", "EE = ''"});
    EXPECT_EQ(OtherVar(a, "a"), "2:4");
    EXPECT_EQ(OtherVar(a, "b"), "3:4");
    EXPECT_EQ(OtherVar(a, "c"), "4:3");
    EXPECT_EQ(OtherVar(a, "d"), "5:3");  // "=0" is one token: no value token
    EXPECT_EQ(OtherVar(a, "ee"), "6:3");
}

TEST(ReferenceKinds, SetResetAndListOutputArgumentsAreWrites) {
    const Analysed a = Body({"SET S1", "RESET S2", "PUTITEM LIST, 1, X", "GETLISTITEMS Y, 1, LIST2",
                             "UPPERCASE U1, U2", "XMLLOAD XL, XM"});
    EXPECT_EQ(OtherVar(a, "s1"), "2:3");
    EXPECT_EQ(OtherVar(a, "s2"), "3:3");
    EXPECT_EQ(OtherVar(a, "list"), "4:3");
    EXPECT_EQ(OtherVar(a, "x"), "4:2");
    EXPECT_EQ(OtherVar(a, "y"), "5:2");
    // The comma after 1 belongs to the number: LIST2 is argument 1.
    EXPECT_EQ(OtherVar(a, "list2"), "5:3");
    EXPECT_EQ(OtherVar(a, "u1"), "6:2");
    EXPECT_EQ(OtherVar(a, "u2"), "6:3");
    EXPECT_EQ(OtherVar(a, "xl"), "7:2");
    EXPECT_EQ(OtherVar(a, "xm"), "7:2");
}

TEST(ReferenceKinds, CallsAndFunctionArguments) {
    const Analysed a = Body({"CALL LP_X(A, 7)", "R = LP_F(B, G(C)) + D", "IF (LP_G(EE) = 1)"});
    EXPECT_EQ(Refs(XRef(a, {"Commands", "call"})), "2:1");
    EXPECT_EQ(Refs(XRef(a, {"Entries", "lp_x"})), "2:26");
    EXPECT_EQ(OtherVar(a, "a"), "2:6");
    EXPECT_EQ(Refs(XRef(a, {"Numbers", "7"})), "2:6");
    EXPECT_EQ(Refs(XRef(a, {"Entries", "lp_f"})), "3:26");
    EXPECT_EQ(Refs(XRef(a, {"Entries", "g"})), "3:26");
    EXPECT_EQ(OtherVar(a, "b"), "3:6");
    EXPECT_EQ(OtherVar(a, "c"), "3:6");
    EXPECT_EQ(OtherVar(a, "d"), "3:2");  // after the closing parenthesis
    EXPECT_EQ(OtherVar(a, "r"), "3:3");
    EXPECT_EQ(OtherVar(a, "ee"), "4:6");
}

TEST(ReferenceKinds, ConditionOfIfIsParsedApartFromTheRestOfTheLine) {
    const Analysed a = Body({"IF (A = 1) B = 2", "WHILE (W > 3)", "UNTIL (U)"});
    EXPECT_EQ(OtherVar(a, "a"), "2:5");
    EXPECT_EQ(OtherVar(a, "b"), "2:3");  // the second part is an assignment again
    EXPECT_EQ(Refs(XRef(a, {"Numbers", "1"})), "2:5");
    EXPECT_EQ(Refs(XRef(a, {"Numbers", "2"})), "2:2");
    EXPECT_EQ(OtherVar(a, "w"), "3:5");
    EXPECT_EQ(OtherVar(a, "u"), "4:5");
}

TEST(ReferenceKinds, ActivatedComponentsAndOwnOperations) {
    const Analysed a = Body({"ACTIVATE \"OTHER\".SAVE()", "ACTIVATE \"ORDERS\".STORE(P1)",
                             "ACTIVATE VARCOMP.LOAD(5)", "RUN \"%%$TARGET$\"", "NEW_INSTANCE \"N\", X",
                             "ACTIVATE $INSTANCENAME.$OPNAME()"});
    EXPECT_EQ(ChildCaptions(XRef(a, {"Activate Components"})),
              (std::vector<std::string>{"$instancename", "$target$", "n", "orders", "other", "varcomp"}));
    EXPECT_EQ(Refs(XRef(a, {"Activate Components", "other"})), "2:31");
    EXPECT_EQ(XRef(a, {"Other variable", "other"}), nullptr);  // a literal name
    // The listing's own component: its operation is called.
    EXPECT_EQ(ChildCaptions(XRef(a, {"Operations"})), (std::vector<std::string>{"$opname", "store"}));
    EXPECT_EQ(Refs(XRef(a, {"Operations", "store"})), "3:26");
    EXPECT_EQ(OtherVar(a, "p1"), "3:7");
    EXPECT_EQ(OtherVar(a, "varcomp"), "4:2");
    EXPECT_EQ(Refs(XRef(a, {"Numbers", "5"})), "4:7");
    EXPECT_EQ(XRef(a, {"Other variable", "load"}), nullptr);
    EXPECT_EQ(Refs(XRef(a, {"$Component variables$", "$target$"})), "5:2");
    EXPECT_EQ(XRef(a, {"Other variable", "x"}), nullptr);  // RUN and NEW_INSTANCE stop there
    EXPECT_EQ(Refs(XRef(a, {"$System function", "$opname"})), "7:2");
    EXPECT_EQ(Refs(XRef(a, {"$System function", "$instancename"})), "7:2");
}

TEST(ReferenceKinds, ConstantsCountTwice) {
    const Analysed a = Body({"X = <C_YES>"});
    EXPECT_EQ(Refs(XRef(a, {"<Constants>", "<c_yes>"})), "2:1");
    EXPECT_EQ(OtherVar(a, "c_yes"), "2:2");
}

TEST(ReferenceKinds, StatementContinuedOverThreeLinesIsParsedOnceWithEachTokensLine) {
    const Analysed a = Body({"A = B + %\\", "C + %\\", "D", "IF (EE) FF = %\\", "1"});
    EXPECT_EQ(OtherVar(a, "a"), "2:3");
    EXPECT_EQ(OtherVar(a, "b"), "2:2");
    EXPECT_EQ(OtherVar(a, "c"), "3:2");
    EXPECT_EQ(OtherVar(a, "d"), "4:2");
    // The part after the condition is parsed again from the last line.
    EXPECT_EQ(OtherVar(a, "ee"), "5:5");
    EXPECT_EQ(OtherVar(a, "ff"), "6:3");
}

TEST(ReferenceKinds, StringContinuedOverALineIsOneLiteral) {
    const Analysed a = Body({"X = \"ABC %\\", "DEF\"", "Y = \"OPEN", "Z = 1"});
    EXPECT_EQ(ChildCaptions(XRef(a, {"Strings"})), (std::vector<std::string>{"\"abc def\"", "\"open\""}));
    // The joined literal is a token of the line that closes it.
    EXPECT_EQ(Refs(XRef(a, {"Strings", "\"abc def\""})), "3:2");
    EXPECT_EQ(OtherVar(a, "z"), "5:3");
}

TEST(ReferenceKinds, SwitchesQualifiersAndControlWordsAreNotSymbols) {
    const Analysed a = Body({"MESSAGE/INFO X", "A = B[D] + F(M)", "IF (A AND B) RETURN"});
    EXPECT_EQ(XRef(a, {"Other variable", "info"}), nullptr);
    EXPECT_EQ(XRef(a, {"Other variable", "d"}), nullptr);
    EXPECT_EQ(OtherVar(a, "m"), "3:6");
    EXPECT_EQ(XRef(a, {"Other variable", "and"}), nullptr);
    EXPECT_EQ(XRef(a, {"Other variable", "return"}), nullptr);
    EXPECT_EQ(Refs(XRef(a, {"Commands", "message"})), "2:1");
}

TEST(ReferenceKinds, OneReferencePerLineAndKind) {
    const Analysed a = Body({"A = A + A", "B = 1", "B = 2"});
    EXPECT_EQ(OtherVar(a, "a"), "2:3 2:2");
    EXPECT_EQ(OtherVar(a, "b"), "3:3 4:3");
}

TEST(ReferenceKinds, LabelsPrecompilerAndTriggerNumbers) {
    const Analysed a = Body({"L1:", "GOTO L1", "#define C_NO = 1", "X = Y1 * YEAR"});
    EXPECT_EQ(Refs(XRef(a, {"Label", "l1"})), "2:22 3:23");
    EXPECT_EQ(Refs(XRef(a, {"Commands", "goto"})), "3:1");
    EXPECT_EQ(Refs(XRef(a, {"Precompiler statements", "#define"})), "4:1");
    EXPECT_EQ(Refs(XRef(a, {"Trigger No", "year"})), "5:1");
    EXPECT_EQ(OtherVar(a, "y1"), "5:2");
}

TEST(ReferenceKinds, FieldStatementsAndPrompt) {
    const Analysed a = Body({"FIELD_SYNTAX NAME, \"HID\"", "FIELD_VIDEO V1, V2", "$PROMPT = P"});
    EXPECT_EQ(OtherVar(a, "name"), "2:20");
    EXPECT_EQ(OtherVar(a, "v1"), "3:20");
    EXPECT_EQ(OtherVar(a, "v2"), "3:2");
    EXPECT_EQ(Refs(XRef(a, {"$System function", "$prompt"})), "4:3");
    EXPECT_EQ(OtherVar(a, "p"), "4:21");
}

TEST(ReferenceKinds, TextArgumentsInStatements) {
    const Analysed a = Body({"MESSAGE $TEXT(MSG_1)"});
    EXPECT_EQ(Refs(XRef(a, {"Text", "msg_1"})), "2:2");
    EXPECT_EQ(Refs(XRef(a, {"$System function", "$text"})), "2:2");
}

TEST(ReferenceKinds, ParameterAndVariableDeclarations) {
    const Analysed a = Body({Header("entry LP_X"), "params", "   numeric P_IN : IN",
                             "   string P_OUT : OUT", "   string $P_IO$ : INOUT", "   entity ENT : IN",
                             "endparams", "variables", "   string V_A, V_B", "endvariables",
                             "P_IN = V_A + P_OUT"});
    const std::string group = "Entry lp_x";
    EXPECT_EQ(Refs(XRef(a, {"Entries", "lp_x", "Parameters", "p_in"})), "4:28 12:3");
    EXPECT_EQ(Refs(XRef(a, {"Entries", "lp_x", "Parameters", "p_out"})), "5:29 12:2");
    EXPECT_EQ(Refs(XRef(a, {"Entries", "lp_x", "Parameters", "$p_io$"})), "6:30");
    EXPECT_EQ(Refs(XRef(a, {"$Component variables$", "$p_io$"})), "6:30");
    EXPECT_EQ(OtherVar(a, "ent"), "7:28");
    EXPECT_EQ(Refs(XRef(a, {"Entries", "lp_x", "Local variables", "v_a"})), "10:27 12:2");
    EXPECT_EQ(Refs(XRef(a, {"Entries", "lp_x", "Local variables", "v_b"})), "10:27");
    EXPECT_EQ(XRef(a, {"Other variable", "string"}), nullptr);
}

TEST(ReferenceKinds, LocalsOfTwoEntriesAreTwoSymbols) {
    AnalysisSettings settings;
    settings.SortLocals = false;
    const Analysed a = Body({Header("entry LP_B"), "variables", "string X", "endvariables", "X = 1",
                             Header("entry LP_A"), "variables", "string X", "endvariables", "X = 2"},
                            settings);
    EXPECT_EQ(ChildCaptions(XRef(a, {"Local variables"})),
              (std::vector<std::string>{"Entry lp_a", "Entry lp_b"}));
    EXPECT_EQ(Refs(XRef(a, {"Local variables", "Entry lp_a", "x"})), "9:27 11:3");
    EXPECT_EQ(Refs(XRef(a, {"Local variables", "Entry lp_b", "x"})), "4:27 6:3");
}

TEST(ReferenceKinds, FunctionNamesAreNotVariables) {
    const Analysed a = Body({"A = E + PI + LOG10 + LOG1"});
    EXPECT_EQ(ChildCaptions(XRef(a, {"$System function"})), (std::vector<std::string>{"e", "log10", "pi"}));
    EXPECT_EQ(OtherVar(a, "log1"), "2:2");
}

TEST(ReferenceKinds, MessagesAreSortedBySeverity) {
    ListingLines lines = {TriggerTitle("EXEC", "Service", "S"), std::string(78, '='),
                          "INFO: 1 - done",
                          "WARNING: 2 - ignored in service",
                          "ERROR: 3 - broken in a service",
                          "WARNING: 4 - plain",
                          "ERROR: 5 - plain"};
    const AnalysisResult r = AnalyzeListing(lines, AnalysisSettings());
    EXPECT_EQ(ChildCaptions(FindXRefNode(r.XRef, {"Compiler messages"})),
              (std::vector<std::string>{"error", "warning", "warning (service)", "error (service)", "info"}));
    AnalysisSettings plain;
    plain.ServiceWarnings = false;
    ListingLines again = lines;
    const AnalysisResult s = AnalyzeListing(again, plain);
    EXPECT_EQ(ChildCaptions(FindXRefNode(s.XRef, {"Compiler messages"})),
              (std::vector<std::string>{"error", "warning", "info"}));
}

TEST(ReferenceKinds, MessageOnlyListingHasRootAndMessages) {
    ListingLines lines = {TriggerTitle("EXEC", "Form", "F"), "WARNING: 1 - only this"};
    const AnalysisResult r = AnalyzeListing(lines, AnalysisSettings());
    EXPECT_EQ(DumpText(r.XRef),
              "Form F\t0\t0\t-\t-\t-\n"
              "  Compiler messages\t5\t0\t-1\t-1\t21\n"
              "    warning\t6\t0\t-1\t-1\t0\n"
              "         1 <EXEC> from Form: F\t11\t0\t1\t1\t1\n");
}

}  // namespace
}  // namespace lumorca::test
