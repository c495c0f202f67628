// Functions of the settings store and window places, with their cases in
// tests/data/options-functions.txt.
#include "../CaseFile.h"
#include "TestSupport.h"
#include "options/IniStore.h"
#include "options/SettingsStore.h"
#include "options/WindowGeometry.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

using namespace lumorca;

namespace {

using Arguments = std::vector<std::string>;

TWindowGeometry Geometry(const std::string& text) {
    TWindowGeometry g;
    std::istringstream(text) >> g.Left >> g.Width >> g.Top >> g.Height;
    return g;
}

std::string Text(const TGeometryCheck& check) {
    const TWindowGeometry& g = check.Geometry;
    return std::to_string(g.Left) + " " + std::to_string(g.Width) + " " + std::to_string(g.Top) + " " +
           std::to_string(g.Height) + (check.ClearWindowsPlaced ? " cleared" : "");
}

class OptionsFunctions : public ::testing::TestWithParam<test::DataCase> {
protected:
    QTemporaryDir Dir;
};

// Cases in tests/data/options-functions.txt.
TEST_P(OptionsFunctions, GiveTheListedResults) {
    const QSize main(1000, 800);
    const std::map<std::string, std::function<std::string(const Arguments&)>> functions = {
        {"IniFileNameFor",
         [](const Arguments& a) { return IniFileNameFor(QString::fromStdString(a[0])).toStdString(); }},
        {"ParseDecimal", [](const Arguments& a) {
             const std::optional<int> n = ParseDecimal(QString::fromStdString(a[0]));
             return n ? std::to_string(*n) : "(none)";
         }},
        {"ChildGeometryIsValid", [&](const Arguments& a) {
             return std::string(GeometryIsValid(Geometry(a[0]), ChildWindowLimits(main)) ? "true" : "false");
         }},
        {"CheckChildWindowGeometry",
         [&](const Arguments& a) { return Text(CheckChildWindowGeometry(Geometry(a[0]), main)); }},
        {"CheckMainWindowGeometry", [](const Arguments& a) {
             const TWindowGeometry screen = Geometry(a[0] + " 0 0");
             return Text(CheckMainWindowGeometry(Geometry(a[1]), QSize(screen.Left, screen.Width)));
         }},
        {"MainOnTwoScreens", [](const Arguments& a) {
             const std::vector<QRect> screens{QRect(0, 0, 1920, 1040), QRect(1920, 100, 1280, 1024)};
             return Text(CheckMainWindowGeometry(Geometry(a[0]), screens));
         }},
        {"SplitList", [](const Arguments& a) {
             QStringList list{"stale"};
             SplitList(QString::fromStdString(a[0]), list);
             return list.join(u'|').toStdString();
         }},
        {"JoinList", [](const Arguments& a) {
             QStringList list;
             for (const std::string& item : a) list << QString::fromStdString(item);
             return JoinList(list).toStdString();
         }},
        {"IniStoreRead", [&](const Arguments& a) {
             const QString key = QString::fromStdString(a[1]), fallback = QString::fromStdString(a[2]);
             TIniStore store(Dir.filePath("Lumorca7.INI"));
             if (a[0] == "integer") return std::to_string(store.ReadInteger("s", key, fallback.toInt()));
             if (a[0] == "bool") return std::to_string(store.ReadBool("S", key, fallback == "1"));
             return store.ReadString("S", key, fallback).toStdString();
         }},
    };
    test::WriteBytes(Dir.filePath("Lumorca7.INI"),
                     "[S]\r\nNum=17\r\nNeg=-3\r\nText=abc\r\nBool2=2\r\nBool0=0\r\nBoolX=yes\r\nEmpty=\r\n");
    test::ExpectResults(GetParam(), functions.at(GetParam().Name));
}

INSTANTIATE_TEST_SUITE_P(Options, OptionsFunctions, ::testing::ValuesIn(test::LoadCases("options-functions.txt")),
                         test::CaseName);

// The default place is on the primary screen, wherever that is.
TEST(MainWindowGeometry, DefaultIsOnThePrimaryScreen) {
    EXPECT_EQ(CheckMainWindowGeometry({0, 0, 0, 0}, std::vector<QRect>{QRect(100, 50, 1000, 800)}).Geometry,
              (TWindowGeometry{200, 800, 130, 640}));
}

}  // namespace
