// lumorca-cli: the analysis without a window, for scripts and tests.
#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#ifndef NOMINMAX
#define NOMINMAX
#endif
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#include <shellapi.h>
#endif

#include "cli/Command.h"
#include "cli/CommandHelp.h"
#include "cli/Options.h"

namespace {

using namespace lumorca::cli;

int Run(const std::vector<std::string>& args) {
    CommandLine line = ParseCommandLine(args, std::cerr);
    if (line.Version) {
        PrintVersion(std::cout);
        FinishOutput(std::cout);
        return ExitOk;
    }
    if (line.Help) {
        if (line.Command.empty()) {
            PrintUsage(std::cout);
        } else {
            PrintCommandHelp(std::cout, line.Command);
        }
        FinishOutput(std::cout);
        return ExitOk;
    }
    if (line.Command.empty()) throw UsageError("no command given (try --help)");
    const CommandInfo* command = FindCommand(line.Command);
    if (command == nullptr) throw UsageError("unknown command \"" + line.Command + "\"");

    Context context;
    context.Settings = std::move(line.Settings);
    context.Args = std::move(line.Args);
    context.Out = &std::cout;
    context.Err = &std::cerr;
    const int status = command->Run(context);
    FinishOutput(std::cout);
    return status;
}

#ifdef _WIN32
// The arguments as Windows holds them, UTF-16, in UTF-8: the narrow argv has
// lost every character outside the ANSI code page.
std::vector<std::string> WideArguments() {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i) {
        const std::wstring_view arg(wide[i]);
        const int length = static_cast<int>(arg.size());
        const int size =
            WideCharToMultiByte(CP_UTF8, 0, arg.data(), length, nullptr, 0, nullptr, nullptr);
        std::string utf8(static_cast<size_t>(std::max(size, 0)), '\0');
        WideCharToMultiByte(CP_UTF8, 0, arg.data(), length, utf8.data(), size, nullptr, nullptr);
        args.push_back(std::move(utf8));
    }
    LocalFree(wide);
    return args;
}

// Captions are Latin-1 bytes; a console shows them in its own code page
// unless told otherwise. The console's page is the caller's too: put back.
class Latin1Console {
public:
    Latin1Console() {
        const auto isConsole = [](DWORD handle) {
            return GetFileType(GetStdHandle(handle)) == FILE_TYPE_CHAR;
        };
        if (isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE)) {
            previous_ = GetConsoleOutputCP();
            if (previous_ != 0) SetConsoleOutputCP(kLatin1CodePage);
        }
    }
    ~Latin1Console() {
        if (previous_ != 0) SetConsoleOutputCP(previous_);
    }
    Latin1Console(const Latin1Console&) = delete;
    Latin1Console& operator=(const Latin1Console&) = delete;

private:
    static constexpr UINT kLatin1CodePage = 28591;
    UINT previous_ = 0;
};
#endif

}  // namespace

int main([[maybe_unused]] int argc, [[maybe_unused]] char** argv) {
#ifdef _WIN32
    // The output is a byte-exact contract with LF line ends; text mode would add CRs.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const Latin1Console console;
    const std::vector<std::string> args = WideArguments();
#else
    const std::vector<std::string> args(argv + 1, argv + argc);
#endif
    std::ios::sync_with_stdio(false);
    try {
        return Run(args);
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << "lumorca-cli: " << error.what() << "\n";
        return ExitUnusable;
    }
}
