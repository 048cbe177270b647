#include "cli/config_view.h"

#include "cli/json_writer.h"
#include "image/field_table.h"
#include "language/translate.h"
#include "modules/module_formats.h"

#include <algorithm>

namespace pemrix::cli {

namespace {

using image::Field;
using image::FieldValue;
using language::arg;
using language::translate;

const image::FieldTable& tableOf(const ShownConfig& config) {
    return modules::formatOf(config.module)->fields();
}

// Whether the module, as the variant the file names or the module answered, shows the
// field (an Orvel-426 shows four relay tabs).
bool shownOn(const ShownConfig& config, const Field& field) {
    const auto shows = modules::formatOf(config.module)->shows;
    return shows == nullptr || shows(field, config.variant);
}

// The value's text as JSON gives it: empty for no item or no key.
std::string valueText(const Field& field, const FieldValue& value) {
    return value.text.empty() ? value.text : image::shownText(field, value);
}

// The fields to show, in table order, cut into runs of one group.
struct GroupRun {
    std::string group; // as the table has it
    std::vector<std::size_t> fields;
};

std::vector<GroupRun> groupRuns(const image::FieldTable& table,
                                const std::vector<std::size_t>& fields) {
    std::vector<GroupRun> runs;
    for (const std::size_t index : fields) {
        const std::string& group = table.fields[index].group;
        if (runs.empty() || runs.back().group != group)
            runs.push_back({group, {}});
        runs.back().fields.push_back(index);
    }
    return runs;
}

std::vector<std::size_t> shownFields(const ShownConfig& config) {
    const image::FieldTable& table = tableOf(config);
    std::vector<std::size_t> fields;
    for (std::size_t i = 0; i < table.fields.size(); ++i)
        if (shownOn(config, table.fields[i]))
            fields.push_back(i);
    return fields;
}

// A comparison covers the fields either side shows: a relay tab one file has and the
// other has not is compared too.
std::vector<std::size_t> differing(const ShownConfig& a, const ShownConfig& b) {
    const image::FieldTable& table = tableOf(a);
    std::vector<std::size_t> fields;
    for (const std::size_t index : image::differingFields(table, a.cells, b.cells))
        if (shownOn(a, table.fields[index]) || shownOn(b, table.fields[index]))
            fields.push_back(index);
    return fields;
}

// "Модуль: Orvel-416" or, for a module with variants, "Модуль: Orvel-426/427, вариант
// 6 (Orvel-426)".
std::string moduleLine(const ShownConfig& config) {
    const link::ModuleProfile& profile = *link::profileOf(config.module);
    if (profile.variants.size() <= 1)
        return arg(translate("pemrix", "Модуль: %1"), {profile.name}) + '\n';
    return arg(translate("pemrix", "Модуль: %1, вариант %2 (%3)"),
               {profile.name, std::to_string(link::kindValue(config.variant)),
                link::variantName(config.variant)}) +
           '\n';
}

// Groups as blocks: the group's title, then its fields indented; a control on its own
// stands unindented.
template <class FieldLine>
std::string groupedText(const image::FieldTable& table, const std::vector<std::size_t>& fields,
                        FieldLine fieldLine) {
    std::string text;
    for (const GroupRun& run : groupRuns(table, fields)) {
        text += '\n';
        const std::string indent = run.group.empty() ? "" : "  ";
        if (!run.group.empty())
            text += image::tableText(run.group) + '\n';
        for (const std::size_t index : run.fields)
            text += indent + image::fieldName(table.fields[index]) + ": " + fieldLine(index) + '\n';
    }
    return text;
}

void writeVariant(JsonWriter& json, const ShownConfig& config) {
    json.key("kind");
    json.value(link::kindValue(config.variant));
    json.key("variant");
    json.value(std::string(link::variantName(config.variant)));
}

// "module": {"name", "option"[, "kind", "variant"]}.
void writeModule(JsonWriter& json, const ShownConfig& config, bool withVariant) {
    json.key("module");
    json.beginObject();
    json.key("name");
    json.value(link::profileOf(config.module)->name);
    json.key("option");
    json.value(link::profileOf(config.module)->optionName);
    if (withVariant)
        writeVariant(json, config);
    json.endObject();
}

void writeValue(JsonWriter& json, const Field& field, const FieldValue& value) {
    json.key("value");
    json.value(value.number);
    json.key("text");
    json.value(valueText(field, value));
}

// "groups": [{"title", "fields": [{"key", "label", "column", ...}]}], each field on its
// line; `fieldValues` writes the field's values.
template <class FieldValues>
void writeGroups(JsonWriter& json, const image::FieldTable& table,
                 const std::vector<std::size_t>& fields, FieldValues fieldValues) {
    json.key("groups");
    json.beginArray();
    for (const GroupRun& run : groupRuns(table, fields)) {
        json.beginObject();
        json.key("title");
        json.value(image::tableText(run.group));
        json.key("fields");
        json.beginArray();
        for (const std::size_t index : run.fields) {
            const Field& field = table.fields[index];
            json.beginObject(true);
            json.key("key");
            json.value(field.key);
            json.key("label");
            json.value(image::tableText(field.label));
            json.key("column");
            json.value(image::tableText(field.column));
            fieldValues(index);
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

} // namespace

std::string showText(const ShownConfig& config) {
    const image::FieldTable& table = tableOf(config);
    const std::vector<FieldValue> values = image::decodeFields(table, config.cells);
    return moduleLine(config) + groupedText(table, shownFields(config), [&](std::size_t index) {
               return image::shownText(table.fields[index], values[index]);
           });
}

std::string showJson(const ShownConfig& config) {
    const image::FieldTable& table = tableOf(config);
    const std::vector<FieldValue> values = image::decodeFields(table, config.cells);
    JsonWriter json;
    json.beginObject();
    writeModule(json, config, true);
    json.key("source");
    json.value(config.source);
    writeGroups(json, table, shownFields(config),
                [&](std::size_t index) { writeValue(json, table.fields[index], values[index]); });
    json.key("cells");
    json.numbers(config.cells);
    json.endObject();
    return json.text();
}

bool configsDiffer(const ShownConfig& a, const ShownConfig& b) {
    return a.variant != b.variant || !differing(a, b).empty();
}

std::string diffText(const ShownConfig& a, const ShownConfig& b) {
    if (!configsDiffer(a, b))
        return translate("pemrix", "Конфигурации совпадают") + '\n';
    const image::FieldTable& table = tableOf(a);
    const std::vector<FieldValue> valuesA = image::decodeFields(table, a.cells);
    const std::vector<FieldValue> valuesB = image::decodeFields(table, b.cells);
    std::string text = arg(translate("pemrix", "Модуль: %1"), {link::profileOf(a.module)->name}) +
                       '\n' + "A: " + a.source + '\n' + "B: " + b.source + '\n';
    if (a.variant != b.variant)
        text += arg(translate("pemrix", "Вариант: %1 → %2"),
                    {link::variantName(a.variant), link::variantName(b.variant)}) +
                '\n';
    return text + groupedText(table, differing(a, b), [&](std::size_t index) {
               const Field& field = table.fields[index];
               return image::shownText(field, valuesA[index]) + " → " +
                      image::shownText(field, valuesB[index]);
           });
}

std::string diffJson(const ShownConfig& a, const ShownConfig& b) {
    const image::FieldTable& table = tableOf(a);
    const std::vector<FieldValue> valuesA = image::decodeFields(table, a.cells);
    const std::vector<FieldValue> valuesB = image::decodeFields(table, b.cells);
    JsonWriter json;
    json.beginObject();
    writeModule(json, a, false);
    json.key("equal");
    json.value(!configsDiffer(a, b));
    for (const auto& [name, side] : {std::pair{"a", &a}, std::pair{"b", &b}}) {
        json.key(name);
        json.beginObject();
        json.key("source");
        json.value(side->source);
        writeVariant(json, *side);
        json.key("cells");
        json.numbers(side->cells);
        json.endObject();
    }
    writeGroups(json, table, differing(a, b), [&](std::size_t index) {
        for (const auto& [name, values] : {std::pair{"a", &valuesA}, std::pair{"b", &valuesB}}) {
            json.key(name);
            json.beginObject(true);
            writeValue(json, table.fields[index], (*values)[index]);
            json.endObject();
        }
    });
    json.endObject();
    return json.text();
}

} // namespace pemrix::cli
