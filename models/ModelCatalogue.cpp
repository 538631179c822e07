#include "models/ModelCatalogue.h"

#include <array>

namespace {

using L = CameraLayout;
constexpr std::string_view kPhone1 = "Phone Number 1 :";
constexpr std::string_view kAdmin = "Admin...Number :";
constexpr bool Y = true;
constexpr bool N = false;

// list entry, "Model" value, file, main dialog, camera dialog, layout,
// camera name, SMS control, FTP, SMTP security, game-call audio, first phone label, picture
constexpr std::array<ModelDescriptor, 30> kModels{{
    {"RV731Q-40K", "RV731Q-40K", "RV731Q-40K.BIN", 187, 143, L::BEnc, N, Y, N, Y, Y, kPhone1, 191},
    {"TQ270", "TQ270", "TQ270.TXT", 137, 143, L::B, N, Y, Y, Y, Y, kPhone1, 198},
    {"TQ270-P5", "TQ270-P5", "TQ270-P5.TXT", 137, 204, L::C, Y, Y, Y, Y, Y, kAdmin, 198},
    {"TQ150-E", "TQ150-E", "TQ150-E.TXT", 137, 143, L::B, N, Y, N, Y, Y, kPhone1, 201},
    {"TQ160-E", "TQ160-E", "TQ160-E.TXT", 137, 204, L::C, Y, Y, Y, Y, Y, kAdmin, 201},
    {"TQ160-E(S)", "TQ160-E(S)", "TQ160-E(S).TXT", 137, 204, L::C, Y, Y, Y, Y, Y, kAdmin, 201},
    {"TQ330", "TQ330", "TQ330.TXT", 137, 143, L::B, Y, Y, N, Y, Y, kPhone1, 203},
    {"TQ330-52K", "TQ330-52K", "TQ330-52K.TXT", 137, 204, L::C, Y, Y, Y, Y, N, kAdmin, 203},
    {"TQ480-E", "TQ480-E", "TQ480-E.TXT", 137, 204, L::C, Y, Y, Y, Y, N, kAdmin, 204},
    {"RV615-5X", "RV615-5X", "RV615-5X.TXT", 137, 143, L::B, N, Y, N, Y, Y, kPhone1, 198},
    {"TQ350-E", "TQ350-E", "TQ350-E.TXT", 137, 204, L::C, Y, Y, Y, Y, N, kAdmin, 196},
    {"TQ355", "TQ355", "TQ355.TXT", 137, 143, L::B, N, Y, N, Y, N, kPhone1, 196},
    {"RV720Q-40K", "RV720Q-40K", "RV720Q-40K.TXT", 137, 143, L::B, N, Y, N, Y, Y, kAdmin, 182},
    {"NP440LW-22kXS", "NP440LW-22KXS", "NP440LW-22kXS.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 195},
    {"RV720Q-33K", "RV720Q-33K", "RV720Q-33K.TXT", 137, 143, L::B, N, Y, N, Y, Y, kAdmin, 182},
    {"RV731Q-33K", "RV731Q-33K", "RV731Q-33K.BIN", 187, 143, L::BEnc, N, Y, N, Y, Y, kAdmin, 191},
    {"RV610W-16kXS", "RV610W", "RV610W.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 175},
    {"RV610W-18kXS", "RV610W-18KXS", "RV610W-18KXS.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 176},
    {"RV612Q-16kXS", "RV612Q-16K", "RV612Q.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 178},
    {"RV612Q-18kXS", "RV612Q-18K", "RV612Q-18K.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 177},
    {"RV718W-16kXS", "RV718W", "RV718W.TXT", 137, 143, L::B, N, Y, N, N, Y, kAdmin, 179},
    {"RV720Q-16kXS", "RV720Q", "RV720Q.TXT", 137, 154, L::D, N, Y, N, Y, Y, kAdmin, 180},
    {"NP290E-16kXS", "NP290E", "NP290E.TXT", 137, 158, L::E, N, N, N, Y, N, kAdmin, 184},
    {"NP440LW-16kXS", "NP440LW", "NP440LW.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 185},
    {"NP440LW-18kXS", "NP440LW-18KXS", "NP440LW-18KXS.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 186},
    {"NP445LW-18kXS", "NP445LW-18KXS", "NP445LW-18KXS.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 189},
    {"TQ240 SERIES", "TQ240", "TQ240.TXT", 137, 156, L::A, N, Y, N, N, N, kAdmin, 174},
    {"WD17-F28K", "WD17-F28K", "WD17-F28K.TXT", 137, 143, L::B, N, Y, N, Y, Y, kAdmin, 199},
    {"WD16-G22K", "WD16-G22K", "WD16-G22K.TXT", 137, 158, L::E, N, Y, N, Y, N, kAdmin, 199},
    {"WD18-F28K", "WD18-F28K", "WD18-F28K.TXT", 137, 143, L::B, N, Y, N, Y, Y, kPhone1, 197},
}};

} // namespace

namespace ModelCatalogue {

std::span<const ModelDescriptor> all()
{
    return kModels;
}

const ModelDescriptor* find(std::string_view listEntry)
{
    for (const ModelDescriptor& model : kModels) {
        if (model.listEntry == listEntry)
            return &model;
    }
    return nullptr;
}

int pictureFor(std::string_view listEntry)
{
    const ModelDescriptor* model = find(listEntry);
    return model ? model->picture : kNoSelectionPicture;
}

} // namespace ModelCatalogue
