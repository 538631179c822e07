#include "models/CameraDialogVariants.h"

#include <algorithm>

namespace {

namespace Ctl = CameraCtl;

// Stored send-to values select the radios in this order unless a model says
// otherwise; dialog 143's FTP radio is value 4 where it is shown.
constexpr int kSendToRadios[] = {Ctl::SendTo1, Ctl::SendTo2, Ctl::SendTo3, Ctl::SendTo4};
constexpr int kSendToWithFtp[] = {Ctl::SendTo1, Ctl::SendTo2, Ctl::SendTo3, Ctl::SendTo4, Ctl::SendToFtp};

constexpr std::string_view kFiveSecondsFirst[] = {"  5 Sec"};
constexpr std::string_view kUnlimited[] = {"Unlimited"};
constexpr std::string_view kFullHd[] = {"1920*1080"};
constexpr std::string_view kWd17PhotoSizes[] = {"10(D)/8(N)MP", "16(D)/12(N)MP", "24(D)/18(N)MP"};
constexpr std::string_view kWd17VideoSizes[] = {"1920*1080", "1280*720", "640*480"};
constexpr std::string_view kPhotoSizes14To36[] = {"14M", "25M", "36M"};
constexpr std::string_view kPhotoSizes14To30[] = {"14M", "20M", "30M"};
constexpr std::string_view kPirOffFirst[] = {"OFF", "High", "Normal", "Low"};
constexpr std::string_view kOffOn[] = {"OFF", "ON"};
constexpr std::string_view kLanguages12[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "Norsk", "Czech", "Pусский", "Italiano", "French", "Polski", "Spanish"};

constexpr std::string_view kRv720Q40K143Language[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "Norsk", "Czech", "Italiano"};
constexpr ItemListEdit kRv720Q40K143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kRv720Q40K143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes14To36},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Append, kFullHd},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kRv720Q40K143Disabled[] = {Ctl::SecurityMode, Ctl::SendTo4, Ctl::SendMode1, Ctl::Gps, Ctl::RecycleStorage};

constexpr std::string_view kRv720Q33K143Language[] = {"English", "Finnish", "German", "Swedish", "Danish", "Norwegian", "Czech", "Russian", "Italian", "French", "Lithuanian", "Polish"};
constexpr ItemListEdit kRv720Q33K143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kRv720Q33K143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes14To30},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Append, kFullHd},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kRv720Q33K143Disabled[] = {Ctl::SendTo4, Ctl::AttachmentSize, Ctl::Gps, Ctl::RecycleStorage};

constexpr std::string_view kTq355143Language[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "Norsk", "Spanish", "Czech", "Pусский", "Italiano", "French", "Polski", "Slovakia"};
constexpr std::string_view kTq355143VideoSize[] = {"1280*720", "1920*1080", "2560*1440", "4096*2160"};
constexpr ItemListEdit kTq355143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kTq355143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes14To36},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Replace, kTq355143VideoSize},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kTq355143Disabled[] = {Ctl::SecurityMode, Ctl::GameCall, Ctl::SendMode1};
constexpr int kTq355143Hidden[] = {Ctl::SendMode1};
constexpr LabelText kTq355143Labels[] = {{Ctl::SendTo4, "Cloudnest"}};

constexpr std::string_view kWd17F28K143Language[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "French", "Spanish"};
constexpr ItemListEdit kWd17F28K143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kWd17F28K143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kWd17PhotoSizes},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Replace, kWd17VideoSizes},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kWd17F28K143Disabled[] = {Ctl::SecurityMode, Ctl::GameCall, Ctl::SelectAll, Ctl::Sunday, Ctl::Monday, Ctl::Tuesday, Ctl::Wednesday, Ctl::Thursday, Ctl::Friday, Ctl::Saturday, Ctl::SendTo4, Ctl::SendMode1, Ctl::Gps};
constexpr LabelText kWd17F28K143Labels[] = {{Ctl::SendTo4, "Cloudnest"}};

constexpr std::string_view kWd18F28K143Language[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "Spanish", "French"};
constexpr ItemListEdit kWd18F28K143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kWd18F28K143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kWd17PhotoSizes},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Replace, kWd17VideoSizes},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::VideoLength, ListEdit::KeepFirst, {}, 13},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kWd18F28K143Disabled[] = {Ctl::SecurityMode, Ctl::SelectAll, Ctl::Sunday, Ctl::Monday, Ctl::Tuesday, Ctl::Wednesday, Ctl::Thursday, Ctl::Friday, Ctl::Saturday, Ctl::SendMode1, Ctl::Gps};
constexpr LabelText kWd18F28K143Labels[] = {{Ctl::SendTo4, "Cloudnest"}};

constexpr std::string_view kTq270143Language[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "Norsk", "Cestina", "Ukrainian", "Croatian", "Pусский", "Italiano", "Francais", "Polish", "Spanish", "Hungarian"};
constexpr ItemListEdit kTq270143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kTq270143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kWd17PhotoSizes},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Replace, kWd17VideoSizes},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::VideoLength, ListEdit::KeepFirst, {}, 13},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kTq270143Disabled[] = {Ctl::SecurityMode, Ctl::SelectAll, Ctl::Sunday, Ctl::Monday, Ctl::Tuesday, Ctl::Wednesday, Ctl::Thursday, Ctl::Friday, Ctl::Saturday, Ctl::SendMode1, Ctl::Gps};
constexpr LabelText kTq270143Labels[] = {{Ctl::SendTo4, "Cloudnest"}};

constexpr std::string_view kRv6155X143Language[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "Francais", "Spanish", "Polish", "Pусский", "Czech"};
constexpr ItemListEdit kRv6155X143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kRv6155X143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kWd17PhotoSizes},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Replace, kWd17VideoSizes},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::VideoLength, ListEdit::KeepFirst, {}, 13},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kRv6155X143Disabled[] = {Ctl::SecurityMode, Ctl::SelectAll, Ctl::Sunday, Ctl::Monday, Ctl::Tuesday, Ctl::Wednesday, Ctl::Thursday, Ctl::Friday, Ctl::Saturday, Ctl::SendMode1, Ctl::Gps};
constexpr LabelText kRv6155X143Labels[] = {{Ctl::SendTo4, "Cloudnest"}};

constexpr std::string_view kTq150E143Language[] = {"English", "Czech", "German", "French", "Spanish", "Svenskt", "Suomi", "Norsk", "Dansk", "Ukraine", "Hrvatski", "Italiano", "Polski", "Pусский", "Hungarlan"};
constexpr std::string_view kTq150E143PhotoSize[] = {"5(D)/5(N)MP", "12(D)/10(N)MP", "18(D)/14(N)MP"};
constexpr std::string_view kTq150E143VideoSize[] = {"720P", "VGA"};
constexpr ItemListEdit kTq150E143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kTq150E143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kTq150E143PhotoSize},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Replace, kTq150E143VideoSize},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::VideoLength, ListEdit::KeepFirst, {}, 7},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kTq150E143Disabled[] = {Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::GameCall, Ctl::SendMode1, Ctl::Gps};
constexpr LabelText kTq150E143Labels[] = {{Ctl::SendTo4, "Cloudnest"}};

constexpr std::string_view kTq330143Language[] = {"English", "Svenskt", "Suomi", "Deutsch", "Dansk", "Norsk", "Czech", "Pусский", "Italiano", "French", "Spanish", "Polski"};
constexpr ItemListEdit kTq330143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kTq330143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes14To36},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 3},
    {Ctl::VideoSize, ListEdit::Append, kFullHd},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kTq330143Disabled[] = {Ctl::SecurityMode, Ctl::GameCall, Ctl::SendMode1, Ctl::CameraPosition};
constexpr int kTq330143Hidden[] = {Ctl::CameraPosition, Ctl::SendTo4};
constexpr LabelText kTq330143Labels[] = {{Ctl::SendTo1, "Phone[MMS]"}, {Ctl::SendTo2, "Email[GPRS]"}, {Ctl::SendTo3, "Cloudnest"}, {Ctl::CameraPositionLabel, "Camera Name"}};

constexpr ItemListEdit kRv731Q40K143Lists[] = {
    {Ctl::Language, ListEdit::Replace, kLanguages12},
    {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes14To36},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 5},
    {Ctl::VideoSize, ListEdit::Append, kFullHd},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kRv731Q40K143Disabled[] = {Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::SendMode1, Ctl::Gps};
constexpr LabelText kRv731Q40K143Labels[] = {{Ctl::SendTo1, "Cloudnest"}, {Ctl::SendTo2, "MMS"}, {Ctl::SendTo3, "Email MMS"}, {Ctl::SendTo4, "Email"}};
constexpr int kRv731Q40K143SendTo[] = {Ctl::SendTo2, Ctl::SendTo3, Ctl::SendTo4, Ctl::SendTo1};

constexpr std::string_view kRv731Q33K143Language[] = {"French", "Lithuanian"};
constexpr ItemListEdit kRv731Q33K143Lists[] = {
    {Ctl::Language, ListEdit::Append, kRv731Q33K143Language},
    {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes14To30},
    {Ctl::PhotoBurst, ListEdit::KeepFirst, {}, 5},
    {Ctl::VideoSize, ListEdit::Append, kFullHd},
    {Ctl::VideoLength, ListEdit::Prepend, kFiveSecondsFirst},
    {Ctl::MaxNumber, ListEdit::Append, kUnlimited}};
constexpr int kRv731Q33K143Disabled[] = {Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::SendMode1, Ctl::AttachmentSize, Ctl::Gps, Ctl::RecycleStorage};
constexpr LabelText kRv731Q33K143Labels[] = {{Ctl::SendTo4, "Cloudnest"}};

constexpr CameraDialogVariant kDialog143[] = {
    {"RV718W-16kXS", {}, {}, {}, {}, kSendToRadios, 0, false, 0},
    {"RV720Q-40K", kRv720Q40K143Lists, kRv720Q40K143Disabled, {}, {}, kSendToRadios, 0, false, 0},
    {"RV720Q-33K", kRv720Q33K143Lists, kRv720Q33K143Disabled, {}, {}, kSendToRadios, 0, false, 0},
    {"TQ355", kTq355143Lists, kTq355143Disabled, kTq355143Hidden, kTq355143Labels, kSendToRadios, 0, false, 0},
    {"WD17-F28K", kWd17F28K143Lists, kWd17F28K143Disabled, {}, kWd17F28K143Labels, kSendToRadios, 0, false, 0},
    {"WD18-F28K", kWd18F28K143Lists, kWd18F28K143Disabled, {}, kWd18F28K143Labels, kSendToRadios, 0, false, 0},
    {"TQ270", kTq270143Lists, kTq270143Disabled, {}, kTq270143Labels, kSendToWithFtp, 0, true, 0},
    {"RV615-5X", kRv6155X143Lists, kRv6155X143Disabled, {}, kRv6155X143Labels, kSendToRadios, 0, false, 0},
    {"TQ150-E", kTq150E143Lists, kTq150E143Disabled, {}, kTq150E143Labels, kSendToRadios, 0, false, 0},
    {"TQ330", kTq330143Lists, kTq330143Disabled, kTq330143Hidden, kTq330143Labels, kSendToRadios, 10, false, 0},
    {"RV731Q-40K", kRv731Q40K143Lists, kRv731Q40K143Disabled, {}, kRv731Q40K143Labels, kRv731Q40K143SendTo, 0, false, 0},
    {"RV731Q-33K", kRv731Q33K143Lists, kRv731Q33K143Disabled, {}, kRv731Q33K143Labels, kSendToRadios, 0, false, 0},
};

constexpr int kTq480E204Disabled[] = {Ctl::CameraPosition, Ctl::SecurityMode, Ctl::GameCall, Ctl::Gps, Ctl::PictureType, Ctl::PictureTypeLabel};
constexpr int kTq480E204Hidden[] = {Ctl::CameraPosition};
constexpr LabelText kTq480E204Labels[] = {{Ctl::CameraPositionLabel, "Camera Name"}};

constexpr std::string_view kTq270P5204Language[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "Norsk", "Czech", "Pусский", "Italiano", "Francais", "Polish", "Spanish"};
constexpr std::string_view kTq270P5204PhotoSize[] = {"5M", "12M", "18M", "24M", "32M"};
constexpr ItemListEdit kTq270P5204Lists[] = {
    {Ctl::Language, ListEdit::Replace, kTq270P5204Language},
    {Ctl::PhotoSize, ListEdit::Replace, kTq270P5204PhotoSize}};
constexpr int kTq270P5204Disabled[] = {Ctl::CameraPosition, Ctl::SecurityMode, Ctl::Gps};
constexpr int kTq270P5204Hidden[] = {Ctl::CameraPosition};
constexpr LabelText kTq270P5204Labels[] = {{Ctl::CameraPositionLabel, "Camera Name"}};

constexpr std::string_view kTq160E204Language[] = {"English", "Czech", "Deutsch", "French", "Spanish", "Svenskt", "Suomi", "Norsk", "Dansk", "Ukrainian", "Hrvatski", "Italiano", "Polski", "Pусский", "Hungarian"};
constexpr std::string_view kTq160E204PhotoSize[] = {"4MP", "12MP", "24MP", "37MP"};
constexpr std::string_view kTq160E204VideoLength[] = {"5 Sec", "10 Sec", "15 Sec", "20 Sec", "25 Sec", "30 Sec", "35 Sec", "40 Sec", "45 Sec", "50 Sec", "55 Sec", "60 Sec"};
constexpr std::string_view kTq160E204VideoSize[] = {"360P", "720P", "1080P", "1530P", "4K"};
constexpr std::string_view kTq160E204SimSet[] = {"ON", "OFF"};
constexpr ItemListEdit kTq160E204Lists[] = {
    {Ctl::Language, ListEdit::Replace, kTq160E204Language},
    {Ctl::PhotoSize, ListEdit::Replace, kTq160E204PhotoSize},
    {Ctl::VideoLength, ListEdit::Replace, kTq160E204VideoLength},
    {Ctl::PirTrigger, ListEdit::Replace, kPirOffFirst},
    {Ctl::VideoSize, ListEdit::Replace, kTq160E204VideoSize},
    {Ctl::RecycleStorage, ListEdit::Replace, kOffOn},
    {Ctl::SimSet, ListEdit::Replace, kTq160E204SimSet}};
constexpr int kTq160E204Disabled[] = {Ctl::CameraPosition, Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::GameCall, Ctl::SendMode1, Ctl::Gps};
constexpr int kTq160E204Hidden[] = {Ctl::CameraPosition};
constexpr LabelText kTq160E204Labels[] = {{Ctl::CameraPositionLabel, "Camera Name"}, {Ctl::SimSetLabel, "Auto"}};

constexpr std::string_view kTq160ES204Language[] = {"English", "Czech", "Deutsch", "French", "Spanish", "Svenskt", "Suomi", "Norsk", "Dansk", "Ukrainian", "Hrvatski", "Italiano", "Polski", "Pусский", "Hungarian"};
constexpr std::string_view kTq160ES204PhotoSize[] = {"4MP", "12MP", "24MP", "37MP"};
constexpr std::string_view kTq160ES204VideoLength[] = {"5 Sec", "10 Sec", "15 Sec", "20 Sec", "25 Sec", "30 Sec", "35 Sec", "40 Sec", "45 Sec", "50 Sec", "55 Sec", "60 Sec"};
constexpr std::string_view kTq160ES204VideoSize[] = {"360P", "720P", "1080P", "1530P", "4K"};
constexpr std::string_view kTq160ES204SimSet[] = {"ON", "OFF"};
constexpr ItemListEdit kTq160ES204Lists[] = {
    {Ctl::Language, ListEdit::Replace, kTq160ES204Language},
    {Ctl::PhotoSize, ListEdit::Replace, kTq160ES204PhotoSize},
    {Ctl::VideoLength, ListEdit::Replace, kTq160ES204VideoLength},
    {Ctl::PirTrigger, ListEdit::Replace, kPirOffFirst},
    {Ctl::VideoSize, ListEdit::Replace, kTq160ES204VideoSize},
    {Ctl::RecycleStorage, ListEdit::Replace, kOffOn},
    {Ctl::SimSet, ListEdit::Replace, kTq160ES204SimSet}};
constexpr int kTq160ES204Disabled[] = {Ctl::CameraPosition, Ctl::SecurityMode, Ctl::SecurityModeLabel, Ctl::GameCall, Ctl::SendMode1, Ctl::Gps, Ctl::PictureType};
constexpr int kTq160ES204Hidden[] = {Ctl::CameraPosition};
constexpr LabelText kTq160ES204Labels[] = {{Ctl::CameraPositionLabel, "Camera Name"}, {Ctl::SimSetLabel, "Auto"}};

constexpr std::string_view kTq33052K204PhotoSize[] = {"12M", "24M", "36M", "48M"};
constexpr std::string_view kTq33052K204PirTrigger[] = {"OFF", "Max", "High", "Normal", "Low", "Min"};
constexpr ItemListEdit kTq33052K204Lists[] = {
    {Ctl::Language, ListEdit::Replace, kLanguages12},
    {Ctl::PhotoSize, ListEdit::Replace, kTq33052K204PhotoSize},
    {Ctl::PirTrigger, ListEdit::Replace, kTq33052K204PirTrigger}};
constexpr int kTq33052K204Disabled[] = {Ctl::CameraPosition, Ctl::SecurityMode, Ctl::GameCall, Ctl::PictureType, Ctl::PictureTypeLabel};
constexpr int kTq33052K204Hidden[] = {Ctl::CameraPosition};
constexpr LabelText kTq33052K204Labels[] = {{Ctl::CameraPositionLabel, "Camera Name"}};

constexpr std::string_view kTq350E204Language[] = {"English", "Czech", "Deutsch", "French", "Spanish", "Svenskt", "Suomi", "Norsk", "Dansk", "Italiano", "Polski", "Pусский"};
constexpr std::string_view kTq350E204PhotoSize[] = {"8M", "20M", "32M", "56M"};
constexpr std::string_view kTq350E204VideoLength[] = {"  5 Sec", "  10 Sec", "  15 Sec", "  20 Sec", "  25 Sec", "  30 Sec", "  35 Sec", "  40 Sec", "  45 Sec", "  50 Sec", "  55 Sec", "  60 Sec"};
constexpr std::string_view kTq350E204VideoSize[] = {"1280*720", "1920*1080", "2720*1530", "3840*2160"};
constexpr ItemListEdit kTq350E204Lists[] = {
    {Ctl::Language, ListEdit::Replace, kTq350E204Language},
    {Ctl::PhotoSize, ListEdit::Replace, kTq350E204PhotoSize},
    {Ctl::VideoLength, ListEdit::Replace, kTq350E204VideoLength},
    {Ctl::PirTrigger, ListEdit::Replace, kPirOffFirst},
    {Ctl::VideoSize, ListEdit::Replace, kTq350E204VideoSize},
    {Ctl::RecycleStorage, ListEdit::Replace, kOffOn}};
constexpr int kTq350E204Disabled[] = {Ctl::CameraPosition, Ctl::SecurityMode, Ctl::GameCall, Ctl::SendMode1};
constexpr int kTq350E204Hidden[] = {Ctl::CameraPosition, Ctl::SendMode1};
constexpr LabelText kTq350E204Labels[] = {{Ctl::CameraPositionLabel, "Camera Name"}};

constexpr CameraDialogVariant kDialog204[] = {
    {"TQ480-E", {}, kTq480E204Disabled, kTq480E204Hidden, kTq480E204Labels, kSendToRadios, 20, false, 0},
    {"TQ270-P5", kTq270P5204Lists, kTq270P5204Disabled, kTq270P5204Hidden, kTq270P5204Labels, kSendToRadios, 20, false, 0},
    {"TQ160-E", kTq160E204Lists, kTq160E204Disabled, kTq160E204Hidden, kTq160E204Labels, kSendToRadios, 20, false, 1},
    {"TQ160-E(S)", kTq160ES204Lists, kTq160ES204Disabled, kTq160ES204Hidden, kTq160ES204Labels, kSendToRadios, 20, false, 1},
    {"TQ330-52K", kTq33052K204Lists, kTq33052K204Disabled, kTq33052K204Hidden, kTq33052K204Labels, kSendToRadios, 20, false, 0},
    {"TQ350-E", kTq350E204Lists, kTq350E204Disabled, kTq350E204Hidden, kTq350E204Labels, kSendToRadios, 20, false, 1},
};

// Dialog 158: every model appends "Pic+Vid" to Camera Mode.
constexpr std::string_view kPicVid[] = {"Pic+Vid"};
constexpr std::string_view kPhotoSizes5To12[] = {"5M", "8M", "12M"};
constexpr std::string_view kPhotoSizes5To14[] = {"5M", "10M", "14M"};
constexpr std::string_view kPhotoSizes5To18[] = {"5M", "12M", "18M"};
constexpr std::string_view kGroup1MoreLanguages[] = {"Czech", "Russian", "Lithuanian", "Danish"};
constexpr std::string_view kGroup1LanguagesNoSlovakian[] = {"English", "Suomi", "Deutsch", "Svenskt"};
constexpr std::string_view kGroup1Languages22k[] = {"English", "Suomi", "Deutsch", "Svenskt", "Dansk", "French"};
constexpr std::string_view kTimeLapse22k[] = {"OFF",   "10Min", "15Min", "20Min", "25Min", "30Min", "35Min",
                                              "40Min", "45Min", "50Min", "55Min", "1Hour", "2Hour", "3Hour",
                                              "4Hour", "5Hour", "6Hour", "7Hour", "8Hour"};
constexpr std::string_view kVideoSizes22k[] = {"1080P", "720P", "VGA"};

constexpr ItemListEdit kGroup1Photo5To12Lists[] = {{Ctl::CameraMode, ListEdit::Append, kPicVid},
                                                   {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes5To12}};
constexpr ItemListEdit kGroup1Photo5To14Lists[] = {{Ctl::CameraMode, ListEdit::Append, kPicVid},
                                                   {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes5To14}};
constexpr ItemListEdit kRv612Q16K158Lists[] = {{Ctl::CameraMode, ListEdit::Append, kPicVid},
                                               {Ctl::Language, ListEdit::Replace, kGroup1LanguagesNoSlovakian},
                                               {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes5To12}};
constexpr ItemListEdit kRv612Q18K158Lists[] = {{Ctl::CameraMode, ListEdit::Append, kPicVid},
                                               {Ctl::Language, ListEdit::Replace, kGroup1LanguagesNoSlovakian},
                                               {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes5To14}};
constexpr ItemListEdit kNp440Lw18K158Lists[] = {{Ctl::CameraMode, ListEdit::Append, kPicVid},
                                                {Ctl::Language, ListEdit::Append, kGroup1MoreLanguages},
                                                {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes5To14}};
constexpr ItemListEdit kGroup1Lists22k[] = {{Ctl::CameraMode, ListEdit::Append, kPicVid},
                                            {Ctl::Language, ListEdit::Replace, kGroup1Languages22k},
                                            {Ctl::PhotoSize, ListEdit::Replace, kPhotoSizes5To18},
                                            {Ctl::TimeLapse, ListEdit::Replace, kTimeLapse22k},
                                            {Ctl::VideoSize, ListEdit::Replace, kVideoSizes22k}};
constexpr int kNp290E158Off[] = {Ctl::SmsControl, Ctl::SmsControlLabel};

// Dialog 158's send-to radios; nothing selected stores -1 there.
constexpr int kGroup1SendTo[] = {Ctl::SendTo1, Ctl::SendTo2, Ctl::SendTo3};

constexpr CameraDialogVariant kDialog158[] = {
    {"RV610W-16kXS", kGroup1Photo5To12Lists, {}, {}, {}, kGroup1SendTo},
    {"RV610W-18kXS", kGroup1Photo5To14Lists, {}, {}, {}, kGroup1SendTo},
    {"RV612Q-16kXS", kRv612Q16K158Lists, {}, {}, {}, kGroup1SendTo},
    {"RV612Q-18kXS", kRv612Q18K158Lists, {}, {}, {}, kGroup1SendTo},
    {"NP290E-16kXS", kGroup1Photo5To12Lists, kNp290E158Off, kNp290E158Off, {}, kGroup1SendTo},
    {"NP440LW-16kXS", kGroup1Photo5To12Lists, {}, {}, {}, kGroup1SendTo},
    {"NP440LW-18kXS", kNp440Lw18K158Lists, {}, {}, {}, kGroup1SendTo},
    {"NP440LW-22kXS", kGroup1Lists22k, {}, {}, {}, kGroup1SendTo},
    {"WD16-G22K", kGroup1Lists22k, {}, {}, {}, kGroup1SendTo},
    {"NP445LW-18kXS", kNp440Lw18K158Lists, {}, {}, {}, kGroup1SendTo},
};

} // namespace

namespace CameraDialogVariants {

std::span<const CameraDialogVariant> dialog143()
{
    return kDialog143;
}

std::span<const CameraDialogVariant> dialog204()
{
    return kDialog204;
}

std::span<const CameraDialogVariant> dialog158()
{
    return kDialog158;
}

const CameraDialogVariant* find(std::span<const CameraDialogVariant> table, std::string_view listEntry)
{
    const auto it = std::find_if(table.begin(), table.end(),
                                 [&](const CameraDialogVariant& row) { return row.listEntry == listEntry; });
    return it == table.end() ? nullptr : &*it;
}

const CameraDialogVariant* ofModel(const ModelDescriptor& model)
{
    switch (model.cameraDialog) {
    case ModelCatalogue::kFullCameraDialog:
        return find(dialog143(), model.listEntry);
    case ModelCatalogue::k4GCameraDialog:
        return find(dialog204(), model.listEntry);
    case ModelCatalogue::kGroup1CameraDialog:
        return find(dialog158(), model.listEntry);
    default:
        return nullptr;
    }
}

} // namespace CameraDialogVariants
