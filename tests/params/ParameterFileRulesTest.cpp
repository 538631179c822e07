#include "params/ParameterFileRules.h"

#include "camera/CameraDefaults.h"
#include "context/AppContext.h"
#include "network/OperatorDatabase.h"
#include "params/MainParaCore.h"
#include "platform/IniDocument.h"

#include <gtest/gtest.h>

namespace {

/// What a save of the model's defaults writes, the clock stamped, with the
/// network settings given.
std::string defaultsText(const ModelDescriptor& model, const NetworkParameters& network = {})
{
    RecordingMessageService messages;
    FixedClock clock({2025, 6, 1, 8, 30, 0});
    AppContext context(DriveMap{}, RegistryStore(std::string()), messages, clock);
    MainParaCore core(context, std::string(model.listEntry),
                      model.mainDialog == ModelCatalogue::kEncryptedMainDialog
                          ? MainParaCore::Variant::Encrypted
                          : MainParaCore::Variant::Plain);
    applyCameraDefaults(model, context.records().cameraSettings);
    context.records().networkParameters = network;
    return core.parameterText().value();
}

std::vector<std::string> texts(const std::vector<FileProblem>& problems)
{
    std::vector<std::string> out;
    for (const FileProblem& p : problems)
        out.push_back("[" + p.section + "] " + p.key + "=" + p.value + ": " + p.text);
    return out;
}

TEST(ParameterFileRulesTest, EveryModelsKeysAreTheKeysASaveWritesInItsOrder)
{
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        std::vector<std::pair<std::string, std::string>> saved;
        IniDocument(defaultsText(model))
            .forEachKey([&](std::string_view section, std::string_view key, std::string_view) {
                saved.emplace_back(section, key);
            });
        const std::vector<FileKeyRule> keys = ParameterFileRules::keysOf(model);
        ASSERT_EQ(keys.size(), saved.size()) << model.listEntry;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            EXPECT_EQ(keys[i].section, saved[i].first) << model.listEntry;
            EXPECT_EQ(keys[i].key, saved[i].second) << model.listEntry;
        }
    }
}

TEST(ParameterFileRulesTest, EveryModelsDefaultsPass)
{
    for (const ModelDescriptor& model : ModelCatalogue::all())
        EXPECT_EQ(texts(ParameterFileRules::problemsOf(model, defaultsText(model))),
                  std::vector<std::string>{})
            << model.listEntry;
}

TEST(ParameterFileRulesTest, EveryOperatorPresetTheListsFillInPasses)
{
    const OperatorDatabase& database = OperatorDatabase::instance();
    const ModelDescriptor& model = *ModelCatalogue::find("TQ270");
    std::size_t presets = 0;
    for (std::size_t country = 0; country < database.countryNames().size(); ++country) {
        for (const auto& name : database.operatorNames(static_cast<int>(country))) {
            const OperatorDatabase::Preset* preset = database.findPreset(static_cast<int>(country), name);
            ASSERT_NE(preset, nullptr);
            NetworkParameters network;
            for (std::size_t i = 0; i < preset->size(); ++i)
                network.fields[i] = std::string((*preset)[i]);
            EXPECT_EQ(texts(ParameterFileRules::problemsOf(model, defaultsText(model, network))),
                      std::vector<std::string>{})
                << database.countryNames()[country] << " " << name;
            ++presets;
        }
    }
    EXPECT_GT(presets, 50u);
}

TEST(ParameterFileRulesTest, KeysAndValuesNoDialogWritesAreFound)
{
    const ModelDescriptor& tq270 = *ModelCatalogue::find("TQ270");
    std::string text = defaultsText(tq270);
    auto replace = [&](const std::string& from, const std::string& to) {
        const std::size_t at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
    };
    replace("Model=TQ270", "Model=TQ355");
    replace("AdministratorNum=", "AdministratorNum=+49 170-1");
    replace("PIR Trigger=1", "PIR Trigger=9");
    replace("Clock Day=1\r\n", "Clock Day=31\r\n");
    replace("GPS Location=0\r\n", "");
    text += "Work Mode=1\r\nPhoto Size=2\r\n";
    const std::vector<std::string> found = texts(ParameterFileRules::problemsOf(tq270, text));
    const std::vector<std::string> expected{
        "[KRTFileMark] Model=TQ355: not \"TQ270\"",
        "[Receive number and receive email] AdministratorNum=+49 170-1: holds '-', which the dialog takes "
        "out "
        "(a phone number as the main dialog saves it, without '-', '_' or blanks)",
        "[Camera Setting] PIR Trigger=9: not one of 0 Low, 1 Normal, 2 High, 3 OFF",
        "[Camera Setting] Work Mode=1: not a key of TQ270's file",
        "[Camera Setting] Photo Size=2: given twice; the first one counts",
        "[Camera Setting] GPS Location=: missing",
        "[Camera Setting] =: Clock 2025-06-31 08:30:00: not a real date and time from 1753 to 9999",
    };
    EXPECT_EQ(found, expected);
}

} // namespace
