#include "camera/CameraDefaults.h"

#include "context/CameraSettings.h"

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

using K = CameraKey;
using L = CameraLayout;

struct KeyValue
{
    CameraKey key;
    int value;
};

// Where a layout has the key, it starts with this value.
const std::vector<KeyValue> kCommon{
    {K::ClockYear, -1},     {K::ClockMonth, -1},    {K::ClockDay, -1},         {K::ClockHour, -1},
    {K::ClockMinute, -1},   {K::ClockSecond, -1},   {K::WorkHour, 0},          {K::WorkHourStartH, 0},
    {K::WorkHourStartM, 0}, {K::WorkHourStopH, 23}, {K::WorkHourStopM, 59},    {K::CameraMode, 0},
    {K::TimeLapse, 0},      {K::PhotoBurst, 0},     {K::WorkDay, 127},         {K::GameCall, 0},
    {K::GameCallHour, 0},   {K::GameCallMinute, 0}, {K::GameCallPlayTime, -1}, {K::SecurityMode, 0},
    {K::CameraPosition, 0}, {K::DrTimeH, 0},        {K::DrTimeM, 0},
};

struct LayoutDefaults
{
    std::vector<CameraLayout> layouts;
    std::vector<KeyValue> values;
};

const std::vector<LayoutDefaults> kPerLayout{
    {{L::A},
     {{K::WorkMode, 0},
      {K::PirTrigger, 1},
      {K::PirInterval, 0},
      {K::PhotoSize, 1},
      {K::VideoLength, 5},
      {K::VideoSize, 0},
      {K::SendTo, 1}}},
    {{L::B, L::BEnc}, {{K::PirTrigger, 1}}},
    {{L::C},
     {{K::Language, 0},
      {K::SmsControl, 0},
      {K::VideoLength, 1},
      {K::SendTo, 0},
      {K::MaxNumber, 100},
      {K::AttachmentSize, 0},
      {K::RecycleStorage, 0},
      {K::TimeStamp, 1},
      {K::SimSet, 0},
      {K::SelectNetwork, 0},
      {K::PictureType, 0}}},
    {{L::D},
     {{K::Language, 0},
      {K::PirTrigger, 1},
      {K::PirInterval, 1},
      {K::SmsControl, 1},
      {K::PhotoSize, 0},
      {K::VideoSize, 0},
      {K::VideoLength, 1},
      {K::SendTo, 0},
      {K::SendMode, 0},
      {K::MaxNumber, 10}}},
    {{L::E},
     {{K::Language, 0},
      {K::PhotoSize, 2},
      {K::PirInterval, 1},
      {K::PirTrigger, 1},
      {K::SmsControl, 0},
      {K::VideoSize, 0},
      {K::VideoLength, 5},
      {K::SendTo, 0},
      {K::SendMode, 0},
      {K::MaxNumber, 10},
      {K::CameraPosition, 0}}},
};

// Per-model values: one column per key, one row per model group.
struct ModelTable
{
    std::vector<CameraKey> columns;
    struct Row
    {
        std::vector<std::string_view> models;
        std::vector<int> values;
    };
    std::vector<Row> rows;
};

const std::vector<ModelTable> kPerModel{
    {{K::Language, K::PirInterval, K::SmsControl, K::PhotoSize, K::VideoSize, K::VideoLength, K::SendTo,
      K::SendMode, K::MaxNumber, K::AttachmentSize, K::RecycleStorage, K::GpsLocation},
     {
         {{"TQ270", "TQ150-E", "WD18-F28K"}, {0, 1, 0, 2, 0, 1, 3, 2, 10, 0, 0, 0}},
         {{"WD17-F28K"}, {0, 1, 0, 2, 0, 1, 0, 2, 10, 0, 0, 0}},
         {{"TQ330"}, {0, 1, 0, 2, 1, 1, 2, 2, 100, 0, 0, 1}},
         {{"RV615-5X"}, {3, 12, 0, 2, 0, 0, 0, 2, 100, 0, 0, 0}},
         {{"TQ355"}, {0, 1, 1, 2, 1, 1, 3, 2, 99, 0, 0, 0}},
         {{"RV720Q-40K"}, {0, 1, 0, 0, 0, 0, 0, 0, 10, 0, 0, 0}},
         {{"RV720Q-33K"}, {0, 1, 0, 2, 2, 1, 0, 0, 10, -1, -1, -1}},
         {{"RV718W-16kXS"}, {0, 1, 0, 0, 0, 0, 0, 0, 10, -1, -1, -1}},
         {{"RV731Q-40K", "RV731Q-33K"}, {0, 1, 1, 2, 2, 1, 3, 2, 100, 0, 0, 0}},
     }},
    {{K::PirTrigger, K::PirInterval, K::PhotoSize, K::VideoSize, K::SendMode, K::GpsLocation},
     {
         {{"TQ270-P5"}, {1, 1, 0, 0, 2, 0}},
         {{"TQ160-E", "TQ160-E(S)"}, {1, 2, 0, 2, 1, 0}},
         {{"TQ330-52K"}, {2, 1, 0, 0, 2, 0}},
         {{"TQ480-E"}, {1, 1, 3, 0, 2, 0}},
         {{"TQ350-E"}, {2, 1, 0, 1, 1, 1}},
     }},
    {{K::VideoSize}, {{{"NP440LW-22kXS", "WD16-G22K"}, {1}}}},
};

struct NameDefault
{
    std::string_view model;
    std::string_view name;
};

const std::vector<NameDefault> kCameraNames{{"TQ330", "Camera"}};

template <typename Range, typename T> bool contains(const Range& range, const T& item)
{
    return std::find(std::begin(range), std::end(range), item) != std::end(range);
}

} // namespace

void applyCameraDefaults(const ModelDescriptor& model, CameraSettings& settings)
{
    auto set = [&](CameraKey key, int value) {
        if (modelHasCameraKey(model, key))
            settings.setValue(key, value);
    };
    for (const KeyValue& kv : kCommon)
        set(kv.key, kv.value);
    for (const LayoutDefaults& layout : kPerLayout) {
        if (contains(layout.layouts, model.cameraLayout)) {
            for (const KeyValue& kv : layout.values)
                set(kv.key, kv.value);
        }
    }
    for (const ModelTable& table : kPerModel) {
        for (const ModelTable::Row& row : table.rows) {
            if (!contains(row.models, model.listEntry))
                continue;
            for (std::size_t i = 0; i < table.columns.size(); ++i)
                set(table.columns[i], row.values[i]);
        }
    }
    for (const NameDefault& name : kCameraNames) {
        if (name.model == model.listEntry)
            settings.setCameraName(std::string(name.name));
    }
    settings.setSetClock(true);
}
