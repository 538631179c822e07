#include "CameraDialogFixture.h"
#include "camera/CameraDialogBindings.h"
#include "camera/CameraValueRules.h"
#include "models/CameraDialogVariants.h"
#include "platform/CUtil.h"
#include "platform/DialogText.h"

#include <QDate>
#include <QDateTimeEdit>
#include <QLineEdit>

#include <memory>

// The values krt-cli allows are the values each model's camera dialog can
// store: its drop lists hold the rules' items, its radios take the rules'
// values, its date picker takes every year of a valid clock. The dialogs
// are opened here and compared with the rules.

namespace {

namespace Ctl = CameraCtl;
using K = CameraKey;

class CameraValueRulesDlgTest : public CameraDialogFixture
{
protected:
    /// The radio of `ids` the dialog shows checked for a stored value, -1 for none.
    int checkedFor(const ModelDescriptor& model, CameraKey key, int value, std::span<const int> ids)
    {
        record(std::string(model.listEntry).c_str()).setValue(key, value);
        auto dialog = openCameraDialog(model);
        for (std::size_t i = 0; i < ids.size(); ++i) {
            if (button(dialog.get(), ids[i])->isChecked())
                return static_cast<int>(i);
        }
        return -1;
    }
};

TEST_F(CameraValueRulesDlgTest, EveryDropListHoldsTheItemsOfItsRule)
{
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        record(std::string(model.listEntry).c_str());
        auto dialog = openCameraDialog(model);
        const int dialogId = model.cameraDialog;
        for (const auto group :
             {CameraDialogBindings::lists(dialogId), CameraDialogBindings::extensionLists(dialogId),
              CameraDialogBindings::sendModeLists()}) {
            for (const ListBinding& binding : group) {
                if (!modelHasCameraKey(model, binding.key) ||
                    CameraDialogBindings::listFor(dialogId, binding.key) != binding.ctrlId)
                    continue;
                const ValueRule rule = CameraValueRules::ruleFor(model, binding.key);
                QComboBox* list = combo(dialog.get(), binding.ctrlId);
                ASSERT_NE(list, nullptr) << model.listEntry << " " << binding.ctrlId;
                ASSERT_EQ(list->count(), static_cast<int>(rule.items.size()))
                    << model.listEntry << " " << cameraKeyName(binding.key);
                for (int i = 0; i < list->count(); ++i)
                    EXPECT_EQ(fromQt(list->itemText(i)), rule.items[static_cast<std::size_t>(i)])
                        << model.listEntry << " " << cameraKeyName(binding.key);
            }
        }
    }
}

TEST_F(CameraValueRulesDlgTest, TheRadiosTakeExactlyTheValuesOfTheirRules)
{
    constexpr int kSendModeRadios[] = {Ctl::SendMode1, Ctl::SendMode2, Ctl::SendMode3, Ctl::SendMode4};
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        const CameraDialogVariant* variant = CameraDialogVariants::ofModel(model);
        std::span<const int> sendTo = CameraDialogBindings::sendToRadios(model.cameraDialog);
        if (variant && !variant->sendToRadios.empty())
            sendTo = variant->sendToRadios;
        if (!sendTo.empty()) {
            const ValueRule rule = CameraValueRules::ruleFor(model, K::SendTo);
            for (int value = rule.min; value <= rule.max; ++value)
                EXPECT_NE(checkedFor(model, K::SendTo, value, sendTo), -1)
                    << model.listEntry << " Send To " << value;
            EXPECT_EQ(checkedFor(model, K::SendTo, rule.max + 1, sendTo), -1) << model.listEntry;
        }
        if (!modelHasCameraKey(model, K::SendMode))
            continue;
        const ValueRule rule = CameraValueRules::ruleFor(model, K::SendMode);
        for (int value = rule.min; value <= rule.max; ++value)
            EXPECT_NE(checkedFor(model, K::SendMode, value, kSendModeRadios), -1)
                << model.listEntry << " Send Mode " << value;
        EXPECT_EQ(checkedFor(model, K::SendMode, rule.max + 1, kSendModeRadios), -1) << model.listEntry;
    }
}

TEST_F(CameraValueRulesDlgTest, TheDatePickerTakesEveryYearOfAValidClockAndTheNameFieldItsBytes)
{
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        record(std::string(model.listEntry).c_str());
        auto dialog = openCameraDialog(model);
        const auto* date = control<QDateTimeEdit>(dialog.get(), Ctl::ClockDate);
        ASSERT_NE(date, nullptr) << model.listEntry;
        EXPECT_LE(date->minimumDate(), QDate(CUtil::kFirstClockYear, 1, 1)) << model.listEntry;
        EXPECT_GE(date->maximumDate(), QDate(CUtil::kLastClockYear, 12, 31)) << model.listEntry;
        if (!model.hasCameraName)
            continue;
        const auto* name = control<QLineEdit>(dialog.get(), Ctl::CameraName);
        EXPECT_EQ(static_cast<std::size_t>(name->maxLength()),
                  CameraValueRules::cameraNameRule(model).maxBytes)
            << model.listEntry;
    }
}

} // namespace
