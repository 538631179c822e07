#include "network/OperatorDatabase.h"
#include "TestDrives.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct CountryRow
{
    const char* country;
    std::vector<const char*> operators;
};

// The lists as users know them: names, spelling and order are part of what
// the camera's users pick from.
const std::vector<CountryRow> kExpectedRows = {
    {"Germany-1", {"T-mobile", "E-plus", "Vodafone", "Bild-Vodafone", "O2"}},
    {"Germany-2", {"Orange(CH)", "Simyo", "Sunrise(CH)", "Swisscom"}},
    {"Finland", {"Sonera(Oletusasetus)", "Saunalahti", "DNA", "Elisa", "Alcom"}},
    {"USA", {"Cingular(AT&T)", "T-Mobile", "Viaero", "Verizon"}},
    {"Canada", {"Rogers", "Telus", "Koodo", "Fido", "Bell"}},
    {"China", {"China-Mobile", "China-Unicom", "China-Unicom-3G", "China-Telecom4G"}},
    {"China HongKong", {"CSL", "Peoples", "Smartone", "Three"}},
    {"UK", {"Vodafone", "Vodafone(Prepay)", "Vodafone(Contract)"}},
    {"Ireland", {"Vodafone"}},
    {"France", {"Orange"}},
    {"Denmark", {"TDC", "TELENOR", "TELIA", "DLG", "Tele GL"}},
    {"Sweden", {"Telia", "Telenor", "Tele 2"}},
    {"Holland", {"KPN", "TELE2"}},
    {"Italy", {"TIM", "Vodafone", "Wind"}},
    {"India", {"Airtel", "JIO 4G"}},
    {"Austria", {"Austria-A1"}},
    {"Russia", {"Beeline", "Megafon", "MTS", "Tele2"}},
    {"Switzerland", {"Swisscom", "Orange"}},
    {"Australia", {"Telstra", "optus"}},
    {"Cyprus", {"MTN", "SOFRONIS-ANTONIOU"}},
    {"Hungary", {"Telekom", "Yettel-Online", "Vodafone", "Yettel-Net"}},
    {"Czech Republic", {"O2", "T-MOBILE", "VODAFONE"}},
    {"Ukraine", {"UMC Ukraine", "Vodafone-MTS", "Kyivstar", "Life"}},
    {"Slovakia", {"O2", "T-mobile", "Orange", "Telekom", "4ka"}},
    {"Mexico", {"Movistar", "lcel"}},
    {"Norway", {"Telenor", "Telia", "One Call", "Ice"}},
    {"Latvian", {"BITE", "LMT", "TELE2"}},
    {"Israel", {"GOLAN", "PARTNER", "CELLCOM", "PELEPHONE"}},
    {"South Africa", {"MTN", "Vodacom", "MTC-Namibia", "Cell C", "Telkom"}},
    {"Poland", {"Orange", "Play", "Plus", "T-mobile"}},
    {"Greece", {"Cosmote", "Vodafone"}},
    {"Lithuania", {"Telia", "Tele2", "Bite"}},
    {"Slovenia", {"Telekom Slovenije", "A1", "T-2", "Izimobil", "HoT-Hofer"}},
    {"Bulgaria", {"A1 BG", "Telenor", "Vivacom"}},
    {"Malaysia", {"DiGi Internet", "Maxis 3G Internet"}},
    {"Turkey", {"Turkcell", "Vodefone TR", "Turk Telekom-AVEA"}},
    {"Spain", {"Movistar", "Vodefone", "Orange"}},
    {"North Macedonia", {"Telekom MK", "A1 MK", "Lycamobile"}},
};

std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> cells;
    std::stringstream in(line);
    std::string cell;
    while (std::getline(in, cell, '\t'))
        cells.push_back(cell);
    return cells;
}

TEST(OperatorDatabaseTest, CountriesAndOperatorsInSlotOrderWithEmptySlotsEndingRows)
{
    const OperatorDatabase& db = OperatorDatabase::instance();
    std::size_t operators = 0;
    for (std::size_t row = 0; row < OperatorDatabase::kCountrySlots; ++row) {
        SCOPED_TRACE(row + 1);
        if (row >= kExpectedRows.size()) {
            EXPECT_TRUE(db.countryTable()[row].empty());
            for (std::size_t slot = 0; slot < OperatorDatabase::kOperatorSlots; ++slot) {
                EXPECT_TRUE(db.operatorNameTable()[row][slot].empty());
                EXPECT_EQ(db.operatorPresetTable()[row][slot], OperatorDatabase::Preset{});
            }
            continue;
        }
        const CountryRow& expected = kExpectedRows[row];
        EXPECT_EQ(db.countryTable()[row], expected.country);
        for (std::size_t slot = 0; slot < OperatorDatabase::kOperatorSlots; ++slot) {
            const std::string_view name = db.operatorNameTable()[row][slot];
            const OperatorDatabase::Preset& preset = db.operatorPresetTable()[row][slot];
            if (slot < expected.operators.size()) {
                EXPECT_EQ(name, expected.operators[slot]);
                ++operators;
            } else {
                EXPECT_TRUE(name.empty());
                EXPECT_EQ(preset, OperatorDatabase::Preset{});
            }
            for (std::size_t field = NetworkParameters::SendEmailServer;
                 field < NetworkParameters::FieldCount; ++field)
                EXPECT_TRUE(preset[field].empty()) << "sending-mail fields are never preset";
        }
    }
    EXPECT_EQ(operators, 124u);
    EXPECT_EQ(db.countryNames().size(), 38u);
}

TEST(OperatorDatabaseTest, PresetsAreTheDataFileValuesOfTheirOwnSlot)
{
    const std::string path = std::string(KRT_TEST_DATA_DIR) + "/../../network/data/operator-presets.tsv";
    std::stringstream file(TestDrives::readText(path));
    std::string line;
    ASSERT_TRUE(std::getline(file, line)) << path;
    const OperatorDatabase& db = OperatorDatabase::instance();
    int rows = 0;
    while (std::getline(file, line)) {
        if (line.empty())
            continue;
        const std::vector<std::string> cells = splitTabs(line);
        ASSERT_GE(cells.size(), 13u) << line;
        SCOPED_TRACE(cells[1] + " / " + cells[3]);
        const int slot = db.findCountry(cells[1]);
        ASSERT_EQ(slot, std::stoi(cells[0]) - 1);
        const OperatorDatabase::Preset* preset = db.findPreset(slot, cells[3]);
        ASSERT_NE(preset, nullptr);
        EXPECT_EQ(preset, &db.operatorPresetTable()[static_cast<std::size_t>(slot)]
                                                   [static_cast<std::size_t>(std::stoi(cells[2]) - 1)]);
        for (std::size_t field = 0; field < 9; ++field)
            EXPECT_EQ((*preset)[field], cells[4 + field]) << "field " << field;
        ++rows;
    }
    EXPECT_EQ(rows, 124);
}

TEST(OperatorDatabaseTest, LookupsAreExactAndWithinTheCountry)
{
    const OperatorDatabase& db = OperatorDatabase::instance();
    EXPECT_EQ(db.findCountry("germany-1"), -1);
    EXPECT_EQ(db.findCountry(""), -1);
    const int uk = db.findCountry("UK");
    const int ireland = db.findCountry("Ireland");
    ASSERT_GE(uk, 0);
    ASSERT_GE(ireland, 0);
    EXPECT_NE(db.findPreset(uk, "Vodafone"), db.findPreset(ireland, "Vodafone"));
    EXPECT_EQ(db.findPreset(uk, "vodafone"), nullptr);
    EXPECT_EQ(db.findPreset(ireland, "Vodafone(Prepay)"), nullptr);
    EXPECT_EQ(db.findPreset(-1, "Vodafone"), nullptr);
    EXPECT_EQ(db.findPreset(60, "Vodafone"), nullptr);
}

} // namespace
