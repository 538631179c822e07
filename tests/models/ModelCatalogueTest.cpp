#include "models/ModelCatalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

TEST(ModelCatalogueTest, ListsThirtyModelsWithDistinctFiles)
{
    const auto models = ModelCatalogue::all();
    ASSERT_EQ(models.size(), 30u);
    EXPECT_EQ(models.front().listEntry, "RV731Q-40K");
    EXPECT_EQ(models[6].listEntry, "TQ330") << "position 6 is what the remembered choice stores for TQ330";
    EXPECT_EQ(models.back().listEntry, "WD18-F28K");

    std::set<std::string> entries;
    std::set<std::string> files;
    for (const ModelDescriptor& m : models) {
        entries.emplace(m.listEntry);
        files.emplace(m.fileName);
        EXPECT_LE(m.modelValue.size(), 13u) << m.listEntry << ": must pass whole through the file-mark read";
        EXPECT_EQ(ModelCatalogue::find(m.listEntry), &m);
    }
    EXPECT_EQ(entries.size(), 30u);
    EXPECT_EQ(files.size(), 30u) << "all parameter files must fit side by side in one folder";
}

struct Row
{
    const char* entry;
    const char* modelValue;
    const char* fileName;
    int mainDialog;
    int cameraDialog;
    CameraLayout layout;
    bool cameraName;
    bool ftp;
    bool smtp;
    bool audio;
    const char* phoneLabel;
    int picture;
};

TEST(ModelCatalogueTest, RowsThatDifferFromTheRule)
{
    const Row rows[] = {
        {"TQ240 SERIES", "TQ240", "TQ240.TXT", 137, 156, CameraLayout::A, false, false, false, false,
         "Admin...Number :", 174},
        {"RV612Q-16kXS", "RV612Q-16K", "RV612Q.TXT", 137, 158, CameraLayout::E, false, false, true, false,
         "Admin...Number :", 178},
        {"NP440LW-22kXS", "NP440LW-22KXS", "NP440LW-22kXS.TXT", 137, 158, CameraLayout::E, false, false, true,
         false, "Admin...Number :", 195},
        {"RV731Q-40K", "RV731Q-40K", "RV731Q-40K.BIN", 187, 143, CameraLayout::BEnc, false, false, true, true,
         "Phone Number 1 :", 191},
        {"RV731Q-33K", "RV731Q-33K", "RV731Q-33K.BIN", 187, 143, CameraLayout::BEnc, false, false, true, true,
         "Admin...Number :", 191},
        {"TQ330", "TQ330", "TQ330.TXT", 137, 143, CameraLayout::B, true, false, true, true, "Phone Number 1 :", 203},
        {"TQ330-52K", "TQ330-52K", "TQ330-52K.TXT", 137, 204, CameraLayout::C, true, true, true, false,
         "Admin...Number :", 203},
        {"RV718W-16kXS", "RV718W", "RV718W.TXT", 137, 143, CameraLayout::B, false, false, false, true,
         "Admin...Number :", 179},
        {"RV720Q-16kXS", "RV720Q", "RV720Q.TXT", 137, 154, CameraLayout::D, false, false, true, true,
         "Admin...Number :", 180},
        {"TQ270", "TQ270", "TQ270.TXT", 137, 143, CameraLayout::B, false, true, true, true, "Phone Number 1 :", 198},
        {"WD18-F28K", "WD18-F28K", "WD18-F28K.TXT", 137, 143, CameraLayout::B, false, false, true, true,
         "Phone Number 1 :", 197},
    };
    for (const Row& r : rows) {
        const ModelDescriptor* m = ModelCatalogue::find(r.entry);
        ASSERT_NE(m, nullptr) << r.entry;
        EXPECT_EQ(m->modelValue, r.modelValue) << r.entry;
        EXPECT_EQ(m->fileName, r.fileName) << r.entry;
        EXPECT_EQ(m->mainDialog, r.mainDialog) << r.entry;
        EXPECT_EQ(m->cameraDialog, r.cameraDialog) << r.entry;
        EXPECT_EQ(m->cameraLayout, r.layout) << r.entry;
        EXPECT_EQ(m->hasCameraName, r.cameraName) << r.entry;
        EXPECT_EQ(m->hasFtpSection, r.ftp) << r.entry;
        EXPECT_EQ(m->hasSmtpSecurity, r.smtp) << r.entry;
        EXPECT_EQ(m->hasGameCallAudio, r.audio) << r.entry;
        EXPECT_EQ(m->firstPhoneLabel, r.phoneLabel) << r.entry;
        EXPECT_EQ(m->picture, r.picture) << r.entry;
    }
}

TEST(ModelCatalogueTest, GroupsCountAsTabled)
{
    int ftp = 0, encrypted = 0, noSmtp = 0, audio = 0, dialog158 = 0, dialog204 = 0, dialog143 = 0;
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        ftp += m.hasFtpSection;
        encrypted += m.mainDialog == ModelCatalogue::kEncryptedMainDialog;
        noSmtp += !m.hasSmtpSecurity;
        audio += m.hasGameCallAudio;
        dialog158 += m.cameraDialog == 158;
        dialog204 += m.cameraDialog == 204;
        dialog143 += m.cameraDialog == 143;
        // Every model but the two exceptions is named "Model" value + extension.
        if (m.listEntry != "RV612Q-16kXS" && m.listEntry != "NP440LW-22kXS") {
            EXPECT_EQ(m.fileName.substr(0, m.fileName.size() - 4), m.modelValue) << m.listEntry;
        }
        EXPECT_EQ(m.hasCameraName, m.cameraLayout == CameraLayout::C || m.listEntry == "TQ330") << m.listEntry;
    }
    EXPECT_EQ(ftp, 7);
    EXPECT_EQ(encrypted, 2);
    EXPECT_EQ(noSmtp, 2);
    EXPECT_EQ(audio, 15);
    EXPECT_EQ(dialog158, 10);
    EXPECT_EQ(dialog204, 6);
    EXPECT_EQ(dialog143, 12);
}

TEST(ModelCatalogueTest, LookupIsExactAndCaseSensitive)
{
    for (const char* miss : {"tq355", "TQ240", "TQ240 SERIES ", " TQ270", "TQ27", "", "RV612Q-16KXS"})
        EXPECT_EQ(ModelCatalogue::find(miss), nullptr) << '"' << miss << '"';
    EXPECT_EQ(ModelCatalogue::pictureFor(""), 135);
    EXPECT_EQ(ModelCatalogue::pictureFor("tq330"), 135);
    EXPECT_EQ(ModelCatalogue::pictureFor("TQ330"), 203);
}

} // namespace
