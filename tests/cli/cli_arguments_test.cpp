// The command line of pemrix-cli: what it accepts, and the reason it gives for what
// it refuses.

#include "cli/arguments.h"
#include "cli/exit_codes.h"
#include "image/expander_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace pemrix::cli;

namespace {

ParsedArguments parse(const std::vector<std::string_view>& args) {
    return parseArguments(args);
}

} // namespace

TEST(CliArguments, AcceptsEachCommandWithOptionsInAnyOrder) {
    const struct {
        std::vector<std::string_view> args;
        Command command;
        pemrix::link::ModuleKind module;
        const char* device; // nullptr: --port
        int port;
        const char* input;
        const char* output; // nullptr: none
        bool fast;
    } rows[] = {
        // clang-format off
        {{"--device", "/dev/ttyUSB0", "link", "--module", "416"},
         Command::Link, pemrix::link::ModuleKind::Secure, "/dev/ttyUSB0", 0, "", nullptr, false},
        {{"--port", "3", "read", "--module", "417"},
         Command::Read, pemrix::link::ModuleKind::FireSecure, nullptr, 3, "", nullptr, false},
        {{"read", "--module=relay", "-o", "out.cfg", "--device=/dev/pts/7"},
         Command::Read, pemrix::link::ModuleKind::Rele8, "/dev/pts/7", 0, "", "out.cfg", false},
        {{"--port=1", "write", "a.cfg", "--module", "relay", "--fast-timing"},
         Command::Write, pemrix::link::ModuleKind::Rele8, nullptr, 1, "a.cfg", nullptr, true},
        {{"--module", "416", "write", "--device", "d", "--", "-odd.cfg"},
         Command::Write, pemrix::link::ModuleKind::Secure, "d", 0, "-odd.cfg", nullptr, false},
        {{"--port", "4", "key", "--module", "417"},
         Command::Key, pemrix::link::ModuleKind::FireSecure, nullptr, 4, "", nullptr, false},
        {{"--device", "d", "read", "--module", "416", "--output", "x.cfg"},
         Command::Read, pemrix::link::ModuleKind::Secure, "d", 0, "", "x.cfg", false},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.args[0]) + " " + std::string(row.args[1]) + " ...");
        const ParsedArguments parsed = parse(row.args);
        ASSERT_TRUE(parsed.arguments) << parsed.error;
        const Arguments& a = *parsed.arguments;
        EXPECT_FALSE(a.help);
        EXPECT_EQ(a.command, row.command);
        EXPECT_EQ(a.module, row.module);
        if (row.device) {
            EXPECT_EQ(a.device, std::string(row.device));
            EXPECT_FALSE(a.portNumber);
        } else {
            EXPECT_EQ(a.portNumber, row.port);
            EXPECT_FALSE(a.device);
        }
        EXPECT_EQ(a.inputFile, row.input);
        if (row.output)
            EXPECT_EQ(a.outputFile, std::string(row.output));
        else
            EXPECT_FALSE(a.outputFile);
        EXPECT_EQ(a.fastTiming, row.fast);
    }
}

TEST(CliArguments, RefusesBadLinesWithAReason) {
    const struct {
        std::vector<std::string_view> args;
        const char* reason;
    } rows[] = {
        {{}, "не задана команда"},
        {{"--module", "416", "--device", "d"}, "не задана команда"},
        {{"fetch", "--module", "416", "--device", "d"}, "неизвестная команда «fetch»"},
        {{"link", "--module", "416"}, "--device ПУТЬ или --port N"},
        {{"link", "--module", "416", "--device", "d", "--port", "1"}, "но не оба"},
        {{"link", "--device", "d"}, "не задан модуль"},
        {{"link", "--device", "d", "--module", "426"}, "«426»"},
        {{"link", "--device", "d", "--module", "416", "--module", "417"}, "--module указан дважды"},
        {{"link", "--port", "0", "--module", "416"}, "«0»"},
        {{"link", "--port", "5", "--module", "416"}, "«5»"},
        {{"link", "--port", "2x", "--module", "416"}, "«2x»"},
        {{"link", "--port", "", "--module", "416"}, "--port принимает"},
        {{"link", "--device", "", "--module", "416"}, "путь к устройству"},
        {{"link", "--module", "416", "--device"}, "--device требует значение"},
        {{"key", "--device", "d", "--module", "relay"}, "key принимает --module 416 или 417"},
        {{"write", "--device", "d", "--module", "416"}, "write требует файл конфигурации"},
        {{"write", "a.cfg", "b.cfg", "--device", "d", "--module", "416"},
         "лишний аргумент «b.cfg»"},
        {{"link", "extra", "--device", "d", "--module", "416"}, "лишний аргумент «extra»"},
        {{"link", "-o", "x.cfg", "--device", "d", "--module", "416"}, "только к команде read"},
        {{"write", "a.cfg", "-o", "x.cfg", "--device", "d", "--module", "416"},
         "только к команде read"},
        {{"read", "-o", "", "--device", "d", "--module", "416"}, "-o требует имя файла"},
        {{"link", "--device", "d", "--module", "416", "--verbose"},
         "неизвестный параметр «--verbose»"},
        {{"link", "--device", "d", "--module", "416", "--fast-timing", "--fast-timing"},
         "--fast-timing указан дважды"},
        {{"link", "--device", "d", "--module", "416", "--trace", "a", "--trace=b"},
         "--trace указан дважды"},
        {{"link", "--device", "d", "--module", "416", "--trace="}, "--trace требует имя файла"},
        {{"link", "--device", "d", "--module", "416", "--trace"}, "--trace требует значение"},
        {{"show"}, "show требует файл конфигурации или линию"},
        {{"show", "a.cfg", "b.cfg"}, "лишний аргумент «b.cfg»"},
        {{"show", "a.cfg", "--device", "d", "--module", "416"}, "лишний аргумент «a.cfg»"},
        {{"show", "--device", "d"}, "не задан модуль"},
        {{"diff", "a.cfg"}, "diff требует два файла конфигурации"},
        {{"diff", "--port", "1", "--module", "417"}, "diff с линией требует файл"},
        {{"diff", "a.cfg", ""}, "diff требует имя файла"},
        {{"diff", "a.cfg", "b.cfg", "--trace", "t"}, "--trace относится только к обмену"},
        {{"show", "a.cfg", "-o", "x.cfg"}, "только к команде read"},
        {{"read", "--device", "d", "--module", "416", "--json"}, "--json относится только"},
        {{"show", "a.cfg", "--json", "--json"}, "--json указан дважды"},
        {{"compare", "a.cfg"}, "используйте link, read, write, key, show или diff"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.reason);
        const ParsedArguments parsed = parse(row.args);
        EXPECT_FALSE(parsed.arguments);
        EXPECT_NE(parsed.error.find(row.reason), std::string::npos) << parsed.error;
    }
}

TEST(CliArguments, TraceTakesAFileWithEveryCommand) {
    const struct {
        std::vector<std::string_view> args;
        const char* trace; // nullptr: none
    } rows[] = {
        {{"link", "--device", "d", "--module", "416"}, nullptr},
        {{"--trace", "t.txt", "link", "--device", "d", "--module", "416"}, "t.txt"},
        {{"read", "--device", "d", "--module", "417", "--trace=t.txt", "-o", "x.cfg"}, "t.txt"},
        {{"write", "a.cfg", "--device", "d", "--module", "relay", "--trace", "-t"}, "-t"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.trace ? row.trace : "none");
        const ParsedArguments parsed = parse(row.args);
        ASSERT_TRUE(parsed.arguments) << parsed.error;
        if (row.trace)
            EXPECT_EQ(parsed.arguments->traceFile, std::string(row.trace));
        else
            EXPECT_FALSE(parsed.arguments->traceFile);
    }
}

TEST(CliArguments, HelpWinsOverEverythingElse) {
    for (const auto& args : {std::vector<std::string_view>{"--help"},
                             std::vector<std::string_view>{"link", "--bogus", "-h"}}) {
        const ParsedArguments parsed = parse(args);
        ASSERT_TRUE(parsed.arguments);
        EXPECT_TRUE(parsed.arguments->help);
    }
}

TEST(CliArguments, HelpDocumentsCommandsOptionsAndEveryExitCode) {
    const std::string help = helpText();
    for (const char* word : {"link", "read", "write", "key", "--device", "--port", "--module", "-o",
                             "--trace", "--fast-timing", "[Devices]", "dialout", "вариант",
                             pemrix::image::WrongModuleKindMessage})
        EXPECT_NE(help.find(word), std::string::npos) << word;
    for (int code :
         {ExitCode::Success, ExitCode::NoAnswer, ExitCode::Usage, ExitCode::OtherKind,
          ExitCode::ExchangeFailed, ExitCode::NoKey, ExitCode::LineFault, ExitCode::Interrupted})
        EXPECT_NE(help.find("\n  " + std::to_string(code) + " "), std::string::npos) << code;
}
