// show and diff: configuration files and a module described field by field.

#include "cli/json_writer.h"
#include "emulator/emulator.h"
#include "link/reporter.h"
#include "tests/cli/in_process_run.h"
#include "tests/cli/report_texts.h"
#include "tests/support/marking_catalog.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace pemrix::cli;
using pemrix::cli::testing::InProcessRun;
using pemrix::cli::testing::runInProcess;
using pemrix::testing::TempFolder;

namespace {

// A configuration file: `cellCount` cells of `fill` with some set, then the kind line.
struct ConfigFileContent {
    const char* name;
    int cellCount;
    int fill;
    int kindLine;
    std::vector<std::pair<int, int>> set = {}; // cell, value
};

std::vector<int> cellsOf(const ConfigFileContent& content) {
    std::vector<int> cells(static_cast<std::size_t>(content.cellCount), content.fill);
    for (const auto& [cell, value] : content.set)
        cells[static_cast<std::size_t>(cell)] = value;
    return cells;
}

class ShowDiff : public ::testing::Test {
  protected:
    std::string write(const ConfigFileContent& content) {
        const auto path = folder_ / content.name;
        std::ofstream file(path, std::ios::binary);
        for (const int value : cellsOf(content))
            file << value << "\r\n";
        file << content.kindLine << "\r\n";
        return path.string();
    }
    InProcessRun run(std::vector<std::string_view> args) { return runInProcess(args, stop_); }

    TempFolder folder_;
    pemrix::link::StopFlag stop_;
};

const ConfigFileContent Zero416{"z416.cfg", 64, 0, 2};
const ConfigFileContent Full416{"f416.cfg", 64, 255, 2};
const ConfigFileContent Zero417{"z417.cfg", 64, 0, 1};
const ConfigFileContent Zero426{"z426.cfg", 66, 0, 6};
const ConfigFileContent Full427{"f427.cfg", 66, 255, 5};

bool has(const std::string& text, const std::string& line) {
    return text.find(line) != std::string::npos;
}

using pemrix::testing::MarkingCatalog;

} // namespace

TEST_F(ShowDiff, ShowsEachFileKindGroupedAsItsWindow) {
    const struct {
        ConfigFileContent file;
        std::vector<std::string> lines; // whole lines, in this order
        std::vector<std::string> absent;
    } rows[] = {
        {Zero416,
         {"Модуль: Orvel-416\n\nНастройки ШС:\n  Время интегрирования / ШС1: нет\n",
          "\nРежим работы реле №1: ПЦН тревога\n", "  Id5 / Номер: 000000000000\n",
          "\nТип выхода ТМ: Секретная кнопка\n"},
         {"(пусто)"}},
        {Full416, {"  Id5 / Номер: (пусто)\n", "\nВремя задержки: 255\n"}, {}},
        {Zero417, {"Модуль: Orvel-417\n", "  Id1 / Взятие ШС1: нет\n"}, {}},
        {Zero426,
         {"Модуль: Orvel-426/427, вариант 6 (Orvel-426)\n\nРеле № 1\n",
          "\nРеле № 2\n  Привязка к ИИ  № / 1: нет\n", "\nРеле № 4\n",
          "\nУправляющее устройство: Orvel-ТЕВ РПУ\n"},
         {"Реле № 5"}},
        {Full427,
         {"Модуль: Orvel-426/427, вариант 5 (Orvel-427)\n", "  Режим работы реле: Звуковой\n",
          "\nРеле № 8\n"},
         {}},
        {{"nodevice.cfg", 66, 0, 5, {{57, 9}}}, {"\nУправляющее устройство: (не выбрано)\n"}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file.name);
        const InProcessRun shown = run({"show", write(row.file)});
        EXPECT_EQ(shown.exitCode, 0) << shown.err;
        std::size_t from = 0;
        for (const std::string& line : row.lines) {
            const std::size_t at = shown.out.find(line, from);
            EXPECT_NE(at, std::string::npos) << line << shown.out;
            from = at == std::string::npos ? from : at;
        }
        for (const std::string& text : row.absent)
            EXPECT_FALSE(has(shown.out, text)) << text;
    }
}

TEST_F(ShowDiff, JsonCarriesTheModuleFieldsAndCellsEscaped) {
    const std::string file = write({"a\"b\x01.cfg", 64, 0, 2, {{1, 1}}});
    const InProcessRun shown = run({"show", "--json", file});
    ASSERT_EQ(shown.exitCode, 0) << shown.err;
    for (const std::string part :
         {"{\n  \"module\": {\n    \"name\": \"Orvel-416\",\n    \"option\": \"416\",\n    "
          "\"kind\": 2,\n    \"variant\": \"Orvel-416\"\n  },\n",
          "a\\\"b\\u0001.cfg\",\n", "\"title\": \"Настройки ШС:\",\n",
          "{\"key\": \"loops.1.integration\", \"label\": \"Время интегрирования\", \"column\": "
          "\"ШС1\", \"value\": 1, \"text\": \"да\"}",
          "\"cells\": [0, 1, 0,"})
        EXPECT_TRUE(has(shown.out, part)) << part << shown.out;
    EXPECT_TRUE(shown.out.ends_with("]\n}\n"));
    EXPECT_EQ(jsonString("\\\t\r\n\x1f\x7fж"), "\"\\\\\\t\\r\\n\\u001f\x7fж\"");
}

TEST_F(ShowDiff, DiffSaysWhatDiffersAndExitsAsDiffDoes) {
    const ConfigFileContent oneLoop{"one.cfg", 64, 0, 2, {{1, 1}}};
    const ConfigFileContent relayFiveOnly{"r5.cfg", 66, 0, 6, {{0, 16}}};
    const struct {
        std::vector<ConfigFileContent> files;
        std::vector<std::string_view> options;
        int exitCode;
        std::string out; // a part of it
        std::string err;
    } rows[] = {
        {{Zero416, Zero416}, {}, 0, "Конфигурации совпадают\n", ""},
        {{Zero416, oneLoop},
         {},
         1,
         "\n\nНастройки ШС:\n  Время интегрирования / ШС1: нет → да\n",
         ""},
        {{Zero416, oneLoop}, {"--json"}, 1, "\"equal\": false,", ""},
        {{Zero426, relayFiveOnly}, {}, 0, "Конфигурации совпадают\n", ""},
        {{Zero426, Full427}, {}, 1, "Вариант: Orvel-426 → Orvel-427\n", ""},
        {{Zero416, Zero417}, {}, 2, "", "— файл модуля Orvel-417: сравниваются только файлы"},
        {{Zero416, Zero426}, {"--module", "416"}, 2, "", "— файл модуля Orvel-426/427, а --module"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.files[0].name) + " " + row.files[1].name);
        const std::string a = write(row.files[0]);
        const std::string b = write(row.files[1]);
        std::vector<std::string_view> args{"diff", a, b};
        args.insert(args.end(), row.options.begin(), row.options.end());
        const InProcessRun diff = run(args);
        EXPECT_EQ(diff.exitCode, row.exitCode) << diff.err;
        EXPECT_TRUE(has(diff.out, row.out)) << diff.out;
        EXPECT_TRUE(has(diff.err, row.err)) << diff.err;
    }
}

TEST_F(ShowDiff, ShowsAndComparesTheModuleAsRead) {
    pemrix::emulator::ModuleConfig config;
    config.model = pemrix::link::ModuleKind::Rele4;
    config.image.assign(66, 0);
    pemrix::emulator::Emulator module(config);
    module.start();
    const std::string device = module.devicePath();
    const std::string file = write({"site.cfg", 66, 0, 6, {{0, 1}}});
    const auto kind = pemrix::link::ModuleKind::Rele8;
    const std::string linkedAndRead =
        pemrix::cli::testing::reportText(kind, pemrix::link::ReportCode::LinkAttempt, 1) +
        pemrix::cli::testing::reportText(kind, pemrix::link::ReportCode::LinkEstablished);

    const InProcessRun shown =
        run({"--device", device, "show", "--module", "relay", "--fast-timing"});
    EXPECT_EQ(shown.exitCode, 0) << shown.err;
    EXPECT_TRUE(shown.out.starts_with("Модуль: Orvel-426/427, вариант 6 (Orvel-426)\n"));
    EXPECT_TRUE(shown.err.starts_with(linkedAndRead)) << shown.err;

    const InProcessRun diff =
        run({"--device", device, "diff", "--module", "relay", file, "--fast-timing"});
    EXPECT_EQ(diff.exitCode, 1) << diff.err;
    EXPECT_TRUE(has(diff.out, "A: модуль на " + device + "\nB: " + file + "\n")) << diff.out;
    EXPECT_TRUE(has(diff.out, "\nРеле № 1\n  Привязка к ИИ № / 1: нет → да\n")) << diff.out;
    EXPECT_TRUE(diff.err.ends_with(
        pemrix::cli::testing::reportText(kind, pemrix::link::ReportCode::ReadDone)));

    // A file of another module is refused before anything is sent.
    const std::string other = write(Zero416);
    const auto received = module.stats().bytesReceived;
    const InProcessRun refused =
        run({"--device", device, "diff", "--module", "relay", other, "--fast-timing"});
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_EQ(module.stats().bytesReceived, received);
}

// Titles, labels, headings and worded values go through the catalog where they are
// shown; numbers and key codes are no words.
TEST_F(ShowDiff, ShowsTheFieldTablesWordsThroughTheCatalog) {
    const MarkingCatalog catalog;
    const struct {
        std::vector<std::string> args;
        std::vector<std::string> parts;
    } rows[] = {
        {{"show", write(Zero416)},
         {"~Модуль: Orvel-416\n\n~Настройки ШС:\n  ~Время интегрирования / ~ШС1: ~нет\n",
          "  ~Id5 / ~Номер: 000000000000\n", "\n~Время задержки: 0\n"}},
        {{"show", write(Full416)}, {"  ~Id5 / ~Номер: ~(пусто)\n"}},
        {{"show", "--json", write(Zero416)},
         {"\"title\": \"~Настройки ШС:\"",
          "\"label\": \"~Время интегрирования\", \"column\": "
          "\"~ШС1\", \"value\": 0, \"text\": \"~нет\"}",
          "\"column\": \"~Номер\", \"value\": 0, \"text\": \"000000000000\"}"}},
        {{"diff", write(Zero416), write(Zero416)}, {"~Конфигурации совпадают\n"}},
        {{"diff", write(Zero426), write(Full427)},
         {"~Модуль: Orvel-426/427\n", "~Вариант: Orvel-426 → Orvel-427\n"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args[0]);
        const InProcessRun shown = run({row.args.begin(), row.args.end()});
        for (const std::string& part : row.parts)
            EXPECT_TRUE(has(shown.out, part)) << part << shown.out;
    }
}
