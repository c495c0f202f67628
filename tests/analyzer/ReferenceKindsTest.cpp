// How the statement walk records each name: category and reference kind.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"

namespace lumorca::test {
namespace {

struct KindCase {
    const char* Name;
    std::vector<std::string> Body;
    std::vector<std::pair<std::string, std::string>> Refs;  // key as PathOf reads it
};

class ReferenceKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(ReferenceKinds, AreRecordedPerLine) { ExpectRefs(Body(GetParam().Body), GetParam().Refs); }

const KindCase kKinds[] = {
    // "=0" is one token: no value token, so D and EE are plain writes.
    {"EmptyStringOrZeroInitialises", {"A = \"\"", "B = 0", "C = 1", "D =0", "EE = ''"},
     {{"a", "2:4"}, {"b", "3:4"}, {"c", "4:3"}, {"d", "5:3"}, {"ee", "6:3"}}},
    // The comma after 1 belongs to the number: LIST2 is argument 1.
    {"SetResetAndListOutputsAreWrites",
     {"SET S1", "RESET S2", "PUTITEM LIST, 1, X", "GETLISTITEMS Y, 1, LIST2", "UPPERCASE U1, U2",
      "XMLLOAD XL, XM"},
     {{"s1", "2:3"}, {"s2", "3:3"}, {"list", "4:3"}, {"x", "4:2"}, {"y", "5:2"}, {"list2", "5:3"},
      {"u1", "6:2"}, {"u2", "6:3"}, {"xl", "7:2"}, {"xm", "7:2"}}},
    {"CallsAndFunctionArguments", {"CALL LP_X(A, 7)", "R = LP_F(B, G(C)) + D", "IF (LP_G(EE) = 1)"},
     {{"Commands|call", "2:1"}, {"Entries|lp_x", "2:26"}, {"a", "2:6"}, {"Numbers|7", "2:6"},
      {"Entries|lp_f", "3:26"}, {"Entries|g", "3:26"}, {"b", "3:6"}, {"c", "3:6"}, {"d", "3:2"},
      {"r", "3:3"}, {"ee", "4:6"}}},
    {"ConditionIsParsedApartFromTheRest", {"IF (A = 1) B = 2", "WHILE (W > 3)", "UNTIL (U)"},
     {{"a", "2:5"}, {"b", "2:3"}, {"Numbers|1", "2:5"}, {"Numbers|2", "2:2"}, {"w", "3:5"},
      {"u", "4:5"}}},
    {"ActivatedComponentsAndOwnOperations",
     {"ACTIVATE \"OTHER\".SAVE()", "ACTIVATE \"ORDERS\".STORE(P1)", "ACTIVATE VARCOMP.LOAD(5)",
      "RUN \"%%$TARGET$\"", "NEW_INSTANCE \"N\", X", "ACTIVATE $INSTANCENAME.$OPNAME()"},
     {{"Activate Components|other", "2:31"}, {"other", "<none>"}, {"Operations|store", "3:26"},
      {"p1", "3:7"}, {"varcomp", "4:2"}, {"Numbers|5", "4:7"}, {"load", "<none>"},
      {"$Component variables$|$target$", "5:2"}, {"x", "<none>"},
      {"$System function|$opname", "7:2"}, {"$System function|$instancename", "7:2"}}},
    {"ConstantsCountTwice", {"X = <C_YES>"}, {{"<Constants>|<c_yes>", "2:1"}, {"c_yes", "2:2"}}},
    // The part after the condition is parsed again from the last line.
    {"ContinuedStatementKeepsEachTokensLine", {"A = B + %\\", "C + %\\", "D", "IF (EE) FF = %\\", "1"},
     {{"a", "2:3"}, {"b", "2:2"}, {"c", "3:2"}, {"d", "4:2"}, {"ee", "5:5"}, {"ff", "6:3"}}},
    // The joined literal is a token of the line that closes it.
    {"ContinuedStringIsOneLiteral", {"X = \"ABC %\\", "DEF\"", "Y = \"OPEN", "Z = 1"},
     {{"Strings|\"abc def\"", "3:2"}, {"Strings|\"open\"", "4:2"}, {"z", "5:3"}}},
    {"SwitchesQualifiersAndControlWordsAreNoSymbols",
     {"MESSAGE/INFO X", "A = B[D] + F(M)", "IF (A AND B) RETURN"},
     {{"info", "<none>"}, {"d", "<none>"}, {"m", "3:6"}, {"and", "<none>"}, {"return", "<none>"},
      {"Commands|message", "2:1"}}},
    {"OneReferencePerLineAndKind", {"A = A + A", "B = 1", "B = 2"}, {{"a", "2:3 2:2"}, {"b", "3:3 4:3"}}},
    {"LabelsPrecompilerAndTriggerNumbers", {"L1:", "GOTO L1", "#define C_NO = 1", "X = Y1 * YEAR"},
     {{"Label|l1", "2:22 3:23"}, {"Commands|goto", "3:1"}, {"Precompiler statements|#define", "4:1"},
      {"Trigger No|year", "5:1"}, {"y1", "5:2"}}},
    {"FieldStatementsAndPrompt", {"FIELD_SYNTAX NAME, \"HID\"", "FIELD_VIDEO V1, V2", "$PROMPT = P"},
     {{"name", "2:20"}, {"v1", "3:20"}, {"v2", "3:2"}, {"$System function|$prompt", "4:3"}, {"p", "4:21"}}},
    {"TriggerNumberAfterALeadingOperator", {"*Y1"}, {{"Trigger No|y1", "2:1"}}},
    {"TextArguments", {"MESSAGE $TEXT(MSG_1)"}, {{"Text|msg_1", "2:2"}, {"$System function|$text", "2:2"}}},
    {"ParameterAndVariableDeclarations",
     {Header("entry LP_X"), "params", "   numeric P_IN : IN", "   string P_OUT : OUT",
      "   string $P_IO$ : INOUT", "   entity ENT : IN", "endparams", "variables",
      "   string V_A, V_B", "endvariables", "P_IN = V_A + P_OUT"},
     {{"Entries|lp_x|Parameters|p_in", "4:28 12:3"}, {"Entries|lp_x|Parameters|p_out", "5:29 12:2"},
      {"Entries|lp_x|Parameters|$p_io$", "6:30"}, {"$Component variables$|$p_io$", "6:30"},
      {"ent", "7:28"}, {"Entries|lp_x|Local variables|v_a", "10:27 12:2"},
      {"Entries|lp_x|Local variables|v_b", "10:27"}, {"string", "<none>"}}},
    {"FunctionNamesAreNoVariables", {"A = E + PI + LOG10 + LOG1"},
     {{"$System function|e", "2:2"}, {"$System function|log10", "2:2"}, {"log1", "2:2"}, {"pi", "<none>"},
      {"$System function|pi", "2:2"}}},
    // Quoted activation targets, with the operation inside or outside the quotes.
    {"ActivationTargetsInsideOrOutsideQuotes",
     {"activate \"%%VAR\".OP()", "activate \"%%VAR2.OP2\"", "activate \"ORDERS.OWNOP\"",
      "activate $INSTANCENAME.SELFOP", "activate \"OTHER\".$OPX"},
     {{"Activate Components|var", "2:31"}, {"var", "2:2"}, {"op", "<none>"},
      {"Activate Components|var2", "3:31"}, {"var2", "3:2"}, {"Operations|op2", "<none>"},
      {"Operations|ownop", "4:26"}, {"orders", "<none>"}, {"Operations|selfop", "5:26"},
      {"$System function|$instancename", "5:2"}, {"$System function|$opx", "6:2"}}},
    // The entity is no entity node: its columns fall back to plain names,
    // and a where name read outside entity triggers joins the plain name.
    {"SelectOfAnUnknownEntity",
     {"selectdb max(COL1), COL2 from \"ENT1\" u_where K = 1 to V1, V2", "read u_where K = 2"},
     {{"col1.ent1", "2:2"}, {"col2.ent1", "2:2"}, {"k.ent1", "2:2"}, {"ent1", "2:14"},
      {"Strings|\"ent1\"", "2:2"}, {"v1", "2:3"}, {"v2", "2:3"}, {"k", "3:2"}, {"max", "<none>"}}},
    {"SubstitutionsAndTextInOneString", {"F = \"%%$TEXT(GREET) %%%%% %%G\""},
     {{"Text|greet", "2:2"}, {"$System function|$text", "2:2"}, {"g", "2:2"}}},
    {"TextLikeALineMarkerIsAnOperator", {"Z = ##12", "Y = 1"}, {{"z", "2:3"}, {"y", "3:3"}}},
    // Without "(" after IF the condition ends at once: the rest is a statement.
    {"IfWithoutParenthesis", {"if ) D = 1"}, {{"d", "2:3"}, {"Numbers|1", "2:2"}}},
    {"EmptyLineEndsAContinuedStatement", {"B = %\\", "", "C"}, {{"b", "2:3"}, {"c", "4:3"}}},
    {"StringKindFollowsTheStatement",
     {"CALL LP_X(\"A\")", "IF (X = \"B\")", "ACTIVATE \"C\".OP(\"D\")", "E1 = \"F\""},
     {{"Strings|\"a\"", "2:6"}, {"Strings|\"b\"", "3:5"}, {"Strings|\"d\"", "4:7"}, {"Strings|\"f\"", "5:2"}}},
    {"QuotedNamesOfFirstArguments", {"CREOCC \"ART\", -1", "SORT \"ART\", \"NR\"", "CLEAR \"X\""},
     {{"art", "2:10 3:18"}, {"nr", "<none>"}, {"x", "4:12"}}},
    {"SelectWithoutWhereStillWritesItsDestinations", {"selectdb NR from \"ART\" to DEST"},
     {{"dest", "2:3"}, {"art", "2:14"}, {"Strings|\"art\"", "2:2"}}},
    {"ReadOutsideEntityTrigger", {"read where (A = 1)"}, {{"a", "2:2"}}},
    {"SubstitutionsInStrings", {"MESSAGE \"Hello %%NAME, %%$TEXT(GREETING)%%%\""},
     {{"Variable %%strings%%%|\"hello %%name, %%$text(greeting)%%%\"", "2:2"}, {"name", "2:2"},
      {"$System function|$text", "2:2"}, {"Text|greeting", "2:2"}, {"hello", "<none>"}}},
    // In an entity trigger qualified and where-clause names are fields.
    {"QualifiedNamesAreFields", {TriggerTitle("READ", "Entity", "ENT.M"), "X = NAME.ENT + Q.ENT.M"},
     {{"Entities and Fields|Entity ENT|name.ent", "4:2"}, {"Entities and Fields|Entity ENT|q.ent.m", "4:2"}}},
    {"SelectWithWhereClause",
     {TriggerTitle("READ", "Entity", "ART.M"),
      "selectdb max(PRICE), NR, X.OTHER from \"ART\" u_where (NR = V1) to (DEST, $2)"},
     {{"Commands|selectdb", "4:1"}, {"Entities and Fields|Entity ART|price.art", "4:2"},
      {"Entities and Fields|Entity ART|nr.art", "4:2"}, {"Entities and Fields|Entity ART", "4:14"},
      {"max", "<none>"}, {"v1", "4:2"}, {"dest", "4:3"}, {"Register ($1-$99)|$2", "4:3"},
      {"x.other", "4:2"}}},
    {"WhereFieldsNeedARelationalOperator",
     {TriggerTitle("READ", "Entity", "ENT.M"), "read u_where (A = 5 & B =5 & C <= %\\", "D) order by E"},
     {{"Commands|read", "4:1"}, {"Entities and Fields|Entity ENT|a.ent", "4:2"},
      {"Entities and Fields|Entity ENT|c.ent", "4:2"}, {"b", "4:2"}, {"d", "5:2"}, {"e", "<none>"}}},
};

INSTANTIATE_TEST_SUITE_P(Statements, ReferenceKinds, ::testing::ValuesIn(kKinds),
                         [](const auto& info) { return std::string(info.param.Name); });

struct OrderCase {
    const char* Name;
    std::vector<std::string> Body;
    std::string Category;
    Names Children;
};

class CategoryOrder : public ::testing::TestWithParam<OrderCase> {};

TEST_P(CategoryOrder, SortsItsSymbols) {
    EXPECT_EQ(ChildCaptions(XRef(Body(GetParam().Body), {GetParam().Category})), GetParam().Children);
}

const OrderCase kOrders[] = {
    {"ActivatedComponents",
     {"ACTIVATE \"OTHER\".SAVE()", "ACTIVATE \"ORDERS\".STORE(P1)", "ACTIVATE VARCOMP.LOAD(5)",
      "RUN \"%%$TARGET$\"", "NEW_INSTANCE \"N\", X", "ACTIVATE $INSTANCENAME.$OPNAME()"},
     "Activate Components", {"$instancename", "$target$", "n", "orders", "other", "varcomp"}},
    {"OwnOperations", {"ACTIVATE \"ORDERS\".STORE(P1)", "ACTIVATE $INSTANCENAME.$OPNAME()"},
     "Operations", {"$opname", "store"}},
    {"RegistersByNumber", {"X = $1 + $99 + $123 + $12A + $2 + $10"}, "Register ($1-$99)",
     {"$1", "$2", "$10", "$12a", "$99", "$123"}},
    {"SystemFunctionsWithoutTheirDollar", {"X = $Z + ABS + $B + SIN + $1A + $TEST"}, "$System function",
     {"$1a", "abs", "$b", "sin", "$test", "$z"}},
    {"GlobalVariables", {"X = $$G + $C$"}, "$$Global variables", {"$$g"}},
    {"ComponentVariables", {"X = $$G + $C$"}, "$Component variables$", {"$c$"}},
    {"NumbersNegativeFirstThenByLength", {"X = 100 + 9 + -5 + 2.5 + -10 + 7."}, "Numbers",
     {"-5", "-10", "7", "9", "100", "2.5"}},
    {"TriggerNumbers", {"A = B *Y12 *YA"}, "Trigger No", {"ya", "y12"}},
    {"ServiceMessagesOfEveryWord",
     {"A = 1", "INFO: hello from a service", "WARNING: x in service", "ERROR: boom in a service",
      "ERROR: plain", "WARNING: In Service"},
     "Compiler messages", {"error", "warning", "warning (service)", "error (service)", "info (service)"}},
};

INSTANTIATE_TEST_SUITE_P(Categories, CategoryOrder, ::testing::ValuesIn(kOrders),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(ReferenceKindsSettings, SwitchesDecideWhatIsRecorded) {
    AnalysisSettings settings;
    settings.ServiceWarnings = false;
    EXPECT_EQ(ChildCaptions(XRef(Body({"INFO: 1 from a service", "WARNING: 2 x in service", "ERROR: 3"},
                                      settings),
                                 {"Compiler messages"})),
              (Names{"error", "warning", "info"}));
    settings.ListStatus = false;
    const std::vector<std::string> dollars{"X = $STATUS + $RESULT"};
    EXPECT_EQ(ChildCaptions(XRef(Body(dollars), {"$System function"})), (Names{"$result", "$status"}));
    EXPECT_EQ(ChildCaptions(XRef(Body(dollars, settings), {"$System function"})), (Names{"$result"}));
    settings.ListResult = false;
    EXPECT_EQ(XRef(Body(dollars, settings), {"$System function"}), nullptr);

    // Locals of two entries are two symbols, grouped by entry when not sorted in.
    settings.SortLocals = false;
    ExpectRefs(Body({Header("entry LP_B"), "variables", "string X", "endvariables", "X = 1",
                     Header("entry LP_A"), "variables", "string X", "endvariables", "X = 2"},
                    settings),
               {{"Local variables|Entry lp_a|x", "9:27 11:3"}, {"Local variables|Entry lp_b|x", "4:27 6:3"}});
}

TEST(ReferenceKindsSettings, EmptyLineTestLooksAtTheFirstFourteenColumns) {
    AnalysisSettings settings;
    settings.IgnoreEmptyLines = true;
    ListingLines lines = MakeListing({TriggerTitle("EXEC", "Form", "F"), "A = 1"});
    for (const char* line : {"     2        ", "     3         ", "\t", "x", ""}) lines.push_back(line);
    const AnalysisResult r = AnalyzeListing(lines, settings);
    EXPECT_EQ(lines, (ListingLines{lines[0], lines[1], lines[2], "     3         ", "x"}));
    EXPECT_EQ(Refs(FindXRefNode(r.XRef, {"Other variable", "x"}, LanguageEnglish)), "4:3");
}

TEST(ReferenceKindsStates, UnbalancedSubstitutionsAndArgumentCountsAreMarked) {
    const Analysed a = Body({"F = \"%%$TEXT(GREET) %%%%% %%G\"", "X = \"plain %%%\"",
                             "call LP_A(1, B(2), \"x,y\")", "R = LP_SUMX(1)", "call LP_SUM(Q, %\\", "W)",
                             Header("entry LP_SUM"), "params", "numeric P1 : IN", "string P2 : OUT",
                             "endparams", Header("entry LP_A"), "params", "numeric P1 : INOUT", "endparams"});
    const auto state = [&a](const std::vector<std::string>& path) {
        const TreeNode* node = XRef(a, path);
        return node == nullptr ? -1 : node->StateImage;
    };
    // "%%%%%" counts for nothing: two openings, no closing.
    EXPECT_EQ(state({"Variable %%strings%%%", "\"%%$text(greet) %%%%% %%g\""}), 1);
    EXPECT_EQ(state({"Variable %%strings%%%", "\"plain %%%\""}), 1);
    EXPECT_EQ(state({"Entries", "lp_a"}), 1);    // three arguments, one parameter
    EXPECT_EQ(state({"Entries", "lp_sum"}), 0);  // Q and W on two lines: two arguments
    ExpectRefs(a, {{"Entries|b", "4:26"}, {"q", "6:6"}, {"w", "7:6"}, {"Strings|\"x,y\"", "4:6"}});
}

TEST(ReferenceKindsMessages, MessageOnlyListingHasRootAndMessagesAlsoBeforeTheFirstTrigger) {
    // A message before the first trigger belongs to the listing's top.
    ListingLines lines = {"WARNING: 0 - before any trigger", TriggerTitle("EXEC", "Form", "F"),
                          "WARNING: 1 - only this"};
    EXPECT_EQ(XRefDumpText(AnalyzeListing(lines, AnalysisSettings()).XRef),
              "Form F\t0\t0\t-\t-\t-\n"
              "  Compiler messages\t5\t0\t-1\t-1\t21\n"
              "    warning\t6\t0\t-1\t-1\t0\n"
              "         0 (top)\t11\t0\t0\t0\t1\n"
              "         2 <EXEC> from Form: F\t11\t0\t1\t2\t1\n");
}

}  // namespace
}  // namespace lumorca::test
