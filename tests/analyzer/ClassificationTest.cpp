// Word classes, string literals, SELECTDB and READ statements.
#include <gtest/gtest.h>

#include "AnalysisTestSupport.h"

namespace lumorca::test {
namespace {

Analysed Body(const std::vector<std::string>& body, const AnalysisSettings& settings = {}) {
    std::vector<std::string> all{TriggerTitle("EXEC", "Form", "ORDERS")};
    all.insert(all.end(), body.begin(), body.end());
    return Analyse(all, settings);
}

TEST(Classification, DollarNamesByShape) {
    const Analysed a = Body({"X = $1 + $99 + $123 + $1A + $TEST + $$G + $C$ + $12A"});
    EXPECT_EQ(ChildCaptions(XRef(a, {"Register ($1-$99)"})),
              (std::vector<std::string>{"$1", "$12a", "$99", "$123"}));
    EXPECT_EQ(ChildCaptions(XRef(a, {"$System function"})), (std::vector<std::string>{"$1a", "$test"}));
    EXPECT_EQ(ChildCaptions(XRef(a, {"$$Global variables"})), (std::vector<std::string>{"$$g"}));
    EXPECT_EQ(ChildCaptions(XRef(a, {"$Component variables$"})), (std::vector<std::string>{"$c$"}));
}

TEST(Classification, StatusAndResultFollowTheirSwitches) {
    const Analysed on = Body({"X = $STATUS + $RESULT"});
    EXPECT_EQ(ChildCaptions(XRef(on, {"$System function"})),
              (std::vector<std::string>{"$result", "$status"}));
    AnalysisSettings settings;
    settings.ListStatus = false;
    const Analysed off = Body({"X = $STATUS + $RESULT"}, settings);
    EXPECT_EQ(ChildCaptions(XRef(off, {"$System function"})), (std::vector<std::string>{"$result"}));
    settings.ListResult = false;
    const Analysed none = Body({"X = $STATUS + $RESULT"}, settings);
    EXPECT_EQ(XRef(none, {"$System function"}), nullptr);
}

TEST(Classification, SystemFunctionsSortWithoutTheirDollar) {
    const Analysed a = Body({"X = $Z + ABS + $B + SIN"});
    EXPECT_EQ(ChildCaptions(XRef(a, {"$System function"})),
              (std::vector<std::string>{"abs", "$b", "sin", "$z"}));
}

TEST(Classification, NumbersSortNegativeFirstThenByLength) {
    const Analysed a = Body({"X = 100 + 9 + -5 + 2.5 + -10"});
    EXPECT_EQ(ChildCaptions(XRef(a, {"Numbers"})),
              (std::vector<std::string>{"-5", "-10", "9", "100", "2.5"}));
}

TEST(Classification, SubstitutionsInStrings) {
    const Analysed a = Body({"MESSAGE \"Hello %%NAME, %%$TEXT(GREETING)%%%\"", "X = \"plain %%%\""});
    const std::string literal = "\"hello %%name, %%$text(greeting)%%%\"";
    EXPECT_EQ(Refs(XRef(a, {"Variable %%strings%%%", literal})), "2:2");
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "name"})), "2:2");
    EXPECT_EQ(Refs(XRef(a, {"$System function", "$text"})), "2:2");
    EXPECT_EQ(Refs(XRef(a, {"Text", "greeting"})), "2:2");
    EXPECT_EQ(XRef(a, {"Other variable", "hello"}), nullptr);  // words of the text
    // One "%%" without its "%%%": marked.
    EXPECT_EQ(XRef(a, {"Variable %%strings%%%", literal})->StateImage, 1);
    EXPECT_EQ(XRef(a, {"Variable %%strings%%%", "\"plain %%%\""})->StateImage, 1);
}

TEST(Classification, StringKindFollowsTheStatement) {
    const Analysed a = Body({"CALL LP_X(\"A\")", "IF (X = \"B\")", "ACTIVATE \"C\".OP(\"D\")", "E1 = \"F\""});
    EXPECT_EQ(Refs(XRef(a, {"Strings", "\"a\""})), "2:6");
    EXPECT_EQ(Refs(XRef(a, {"Strings", "\"b\""})), "3:5");
    EXPECT_EQ(Refs(XRef(a, {"Strings", "\"d\""})), "4:7");
    EXPECT_EQ(Refs(XRef(a, {"Strings", "\"f\""})), "5:2");
}

TEST(Classification, QuotedNamesOfFirstArguments) {
    const Analysed a = Body({"CREOCC \"ART\", -1", "SORT \"ART\", \"NR\"", "CLEAR \"X\""});
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "art"})), "2:10 3:18");
    EXPECT_EQ(XRef(a, {"Other variable", "nr"}), nullptr);  // second argument
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "x"})), "4:12");
}

TEST(Classification, QualifiedNamesAreFields) {
    const Analysed a = Body({TriggerTitle("READ", "Entity", "ENT.M"), "X = NAME.ENT + Q.ENT.M"});
    EXPECT_EQ(Refs(XRef(a, {"Entities and Fields", "Entity ENT", "name.ent"})), "4:2");
    EXPECT_EQ(Refs(XRef(a, {"Entities and Fields", "Entity ENT", "q.ent.m"})), "4:2");
}

TEST(Classification, SelectWithWhereClause) {
    const Analysed a = Body({TriggerTitle("READ", "Entity", "ART.M"),
                             "selectdb max(PRICE), NR, X.OTHER from \"ART\" u_where (NR = V1) to (DEST, $2)"});
    EXPECT_EQ(Refs(XRef(a, {"Commands", "selectdb"})), "4:1");
    EXPECT_EQ(Refs(XRef(a, {"Entities and Fields", "Entity ART", "price.art"})), "4:2");
    EXPECT_EQ(Refs(XRef(a, {"Entities and Fields", "Entity ART", "nr.art"})), "4:2");
    EXPECT_EQ(XRef(a, {"Other variable", "max"}), nullptr);
    // The entity itself, as the target of the retrieve.
    const TreeNode* entity = XRef(a, {"Entities and Fields", "Entity ART"});
    ASSERT_NE(entity, nullptr);
    EXPECT_EQ(entity->Children.at(0)->Record.Kind, 14);
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "v1"})), "4:2");
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "dest"})), "4:3");
    EXPECT_EQ(Refs(XRef(a, {"Register ($1-$99)", "$2"})), "4:3");
    // X.OTHER names an entity the listing does not have.
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "x.other"})), "4:2");
}

TEST(Classification, SelectWithoutWhereClauseStillWritesItsDestinations) {
    const Analysed a = Body({"selectdb NR from \"ART\" to DEST"});
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "dest"})), "2:3");
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "art"})), "2:14");
    EXPECT_EQ(Refs(XRef(a, {"Strings", "\"art\""})), "2:2");
}

TEST(Classification, WhereClauseFieldsNeedARelationalOperator) {
    const Analysed a = Body({TriggerTitle("READ", "Entity", "ENT.M"), "read u_where (A = 5 & B =5 & C <= %\\",
                             "D) order by E"});
    EXPECT_EQ(Refs(XRef(a, {"Commands", "read"})), "4:1");
    EXPECT_EQ(Refs(XRef(a, {"Entities and Fields", "Entity ENT", "a.ent"})), "4:2");
    EXPECT_EQ(Refs(XRef(a, {"Entities and Fields", "Entity ENT", "c.ent"})), "4:2");
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "b"})), "4:2");
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "d"})), "5:2");
    EXPECT_EQ(XRef(a, {"Other variable", "e"}), nullptr);
}

TEST(Classification, ReadOutsideEntityTriggerHasNoEntity) {
    const Analysed a = Body({"read where (A = 1)"});
    EXPECT_EQ(Refs(XRef(a, {"Other variable", "a"})), "2:2");
}

}  // namespace
}  // namespace lumorca::test
