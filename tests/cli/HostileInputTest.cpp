// lumorca-cli against input and output that are not what they should be:
// FIFOs, devices, full disks, bad setting values and settings files that
// are none. Nothing may hang, and nothing may pass as success.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include "CliRunner.h"

namespace lumorca::testing {
namespace {

constexpr int kLimitSeconds = 20;  // a hang is killed; a sanitizer build is slow

const std::string kListing = std::string(LUMORCA_SOURCE_DIR) + "/examples/orders.pro";

CliRun RunLimited(const std::vector<std::string>& args, const std::string& stdoutPath = {}) {
    return RunCli(args, CliLimits{kLimitSeconds, stdoutPath, {}});
}

std::vector<std::string> Subcommand(const std::string& name, const std::string& file) {
    if (name == "show") return {"show", "--structure", "1", file};
    if (name == "calls") return {"calls", "--entry", "LP_FORMAT_AMOUNT", "--called-from", file};
    return {name, file};
}

const char* const kSubcommands[] = {"dump", "lines", "graph", "show", "calls", "check"};

class EverySubcommand : public ::testing::TestWithParam<const char*> {
protected:
    ScratchDir dir_;
    std::string Fifo() const {
        const std::string path = dir_.Path() + "/listing.fifo";
        mkfifo(path.c_str(), 0600);
        return path;
    }
};

TEST_P(EverySubcommand, FifoAndDeviceAreRefusedAtOnce) {
    for (const std::string& file : {Fifo(), std::string("/dev/zero")}) {
        const CliRun run = RunLimited(Subcommand(GetParam(), file));
        EXPECT_EQ(run.Status, 2) << file;
        EXPECT_NE(run.Err.find("Coudn't read file " + file), std::string::npos) << run.Err;
    }
}

TEST_P(EverySubcommand, FullDiskIsAnErrorOfOneLine) {
    const CliRun run = RunLimited(Subcommand(GetParam(), kListing), "/dev/full");
    EXPECT_EQ(run.Status, 2);
    EXPECT_EQ(run.Err, "lumorca-cli: couldn't write the output\n");
}

INSTANTIATE_TEST_SUITE_P(Cli, EverySubcommand, ::testing::ValuesIn(kSubcommands),
                         [](const auto& info) { return std::string(info.param); });

TEST(HostileInput, SettingsFromFifoOrDeviceAreRefused) {
    ScratchDir dir;
    const std::string fifo = dir.Path() + "/settings.fifo";
    mkfifo(fifo.c_str(), 0600);
    for (const std::string& file : {fifo, std::string("/dev/zero")}) {
        const CliRun run = RunLimited({"--settings", file, "lines", kListing});
        EXPECT_EQ(run.Status, 2) << file;
        EXPECT_EQ(run.Err, "lumorca-cli: Coudn't read file " + file + "\n");
    }
    const std::string huge = dir.Write("huge.ini", "[Options]\r\n" + std::string(2 << 20, ';') + "\r\n");
    EXPECT_EQ(RunLimited({"--settings", huge, "lines", kListing}).Status, 2);
}

// The name is UTF-8 as given, not converted a second time.
TEST(HostileInput, SarifNotificationNamesAUtf8FileOnce) {
    const CliRun run = RunLimited({"check", "--format", "sarif", "nope-\xC3\xBC.pro"});
    EXPECT_EQ(run.Status, 2);
    const auto log = nlohmann::json::parse(run.Out);
    const auto& notification = log["runs"][0]["invocations"][0]["toolExecutionNotifications"][0];
    EXPECT_EQ(notification["message"]["text"], "Coudn't read file nope-\xC3\xBC.pro");
}

#if defined(__SANITIZE_ADDRESS__)
#define LUMORCA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define LUMORCA_ADDRESS_SANITIZER 1
#endif
#endif

TEST(HostileInput, CheckCarriesOnWhenNoWorkerThreadCanStart) {
#ifdef LUMORCA_ADDRESS_SANITIZER
    GTEST_SKIP() << "the sanitizer's shadow memory does not fit the address-space limit";
#endif
    // A stack limit far above the address-space limit makes every new
    // thread fail to start; the files are then checked without them.
    const CliLimits limits{kLimitSeconds, {}, "ulimit -s 3000000; ulimit -v 2000000"};
    const CliRun run = RunCli({"check", kListing, kListing}, limits);
    EXPECT_EQ(run.Status, 1) << run.Err;
    EXPECT_EQ(run.Out, RunLimited({"check", kListing, kListing}).Out);
    EXPECT_FALSE(run.Out.empty());
}

}  // namespace
}  // namespace lumorca::testing
