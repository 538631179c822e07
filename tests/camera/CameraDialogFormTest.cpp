#include "camera/CameraDialogForm.h"

#include "camera/CameraDefaults.h"
#include "models/CameraDialogVariants.h"
#include "models/ModelCatalogue.h"
#include "platform/Clock.h"
#include "platform/MessageService.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace Ctl = CameraCtl;
using K = CameraKey;
using Form = CameraDialogForm;

constexpr LocalDateTime kNow{2024, 3, 5, 14, 7, 9};

const ModelDescriptor& model(const char* entry)
{
    const ModelDescriptor* m = ModelCatalogue::find(entry);
    EXPECT_NE(m, nullptr) << entry;
    return *m;
}

CameraSettings defaults(const ModelDescriptor& m)
{
    CameraSettings settings;
    applyCameraDefaults(m, settings);
    return settings;
}

class CameraDialogFormTest : public testing::Test
{
protected:
    const Form::Control& control(const Form& form, int id)
    {
        const Form::Control* c = form.control(id);
        EXPECT_NE(c, nullptr) << id;
        static const Form::Control none;
        return c ? *c : none;
    }

    RecordingMessageService messages;
    FixedClock clock{kNow};
};

// Confirming the dialog without touching it keeps the record: the web page
// stores its form at each save once the user has changed anything.
TEST_F(CameraDialogFormTest, StoringAnUntouchedFormKeepsEveryModelsDefaults)
{
    for (const ModelDescriptor& m : ModelCatalogue::all()) {
        const CameraSettings before = defaults(m);
        Form form(m, before, "", messages, clock);
        ASSERT_FALSE(form.controls().empty()) << m.listEntry;
        CameraSettings after = before;
        std::string sound = "kept?";
        form.store(after, sound);
        for (std::size_t k = 0; k < kCameraKeyCount; ++k) {
            const auto key = static_cast<CameraKey>(k);
            EXPECT_EQ(after.value(key), before.value(key)) << m.listEntry << " " << cameraKeyName(key);
        }
        EXPECT_EQ(after, before) << m.listEntry;
        EXPECT_FALSE(form.edited()) << m.listEntry;
        EXPECT_TRUE(sound.empty() || !m.hasGameCallAudio) << m.listEntry;
    }
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(CameraDialogFormTest, ControlsAreTheModelsDialog)
{
    const Form tq330(model("TQ330"), defaults(model("TQ330")), "", messages, clock);
    const Form::Control& name = control(tq330, Ctl::CameraName);
    EXPECT_TRUE(name.visible);
    EXPECT_EQ(name.label, "Camera Name");
    EXPECT_EQ(name.maxLength, 10);
    EXPECT_EQ(name.text, "Camera");
    EXPECT_FALSE(control(tq330, Ctl::CameraPosition).visible);
    EXPECT_FALSE(control(tq330, Ctl::SecurityMode).enabled);
    EXPECT_EQ(control(tq330, Ctl::SendTo3).label, "Cloudnest");
    EXPECT_FALSE(control(tq330, Ctl::SendTo4).visible);
    EXPECT_FALSE(control(tq330, Ctl::SendToFtp).visible);
    EXPECT_EQ(control(tq330, Ctl::PhotoSize).items, (std::vector<std::string>{"14M", "25M", "36M"}));
    EXPECT_EQ(control(tq330, Ctl::PirTrigger).label, "PIR Trigger");
    EXPECT_EQ(control(tq330, Ctl::PirTrigger).group, "Trigger");

    const Form tq270(model("TQ270"), defaults(model("TQ270")), "", messages, clock);
    EXPECT_TRUE(control(tq270, Ctl::SendToFtp).visible);
    EXPECT_FALSE(control(tq270, Ctl::CameraName).visible);
    EXPECT_EQ(control(tq270, Ctl::SendTo4).label, "Cloudnest");
    EXPECT_EQ(control(tq270, Ctl::SendTo4).value, Form::kChecked) << "the default Send To 3";

    const Form np290(model("NP290E-16kXS"), defaults(model("NP290E-16kXS")), "", messages, clock);
    EXPECT_FALSE(control(np290, Ctl::SmsControl).visible);
    EXPECT_EQ(np290.control(Ctl::GameCall), nullptr) << "dialog 158 has no Game Call";
    EXPECT_EQ(control(np290, Ctl::CameraMode).items.back(), "Pic+Vid");

    const Form tq240(model("TQ240 SERIES"), defaults(model("TQ240 SERIES")), "", messages, clock);
    EXPECT_EQ(control(tq240, Ctl::PhotoSize).label, "Photo  Size");
    EXPECT_EQ(control(tq240, Ctl::SetClock).label, "Set Clock  :  (SYSTEM TIME)");
    EXPECT_EQ(control(tq240, Ctl::SendToPhone).value, Form::kChecked);
}

TEST_F(CameraDialogFormTest, ValuesMeetTheModelsRadiosAndLists)
{
    const ModelDescriptor& rv731 = model("RV731Q-40K");
    CameraSettings settings = defaults(rv731);
    settings.setValue(K::SendTo, 3);
    settings.setValue(K::MaxNumber, 150);
    Form form(rv731, settings, "", messages, clock);
    EXPECT_EQ(control(form, Ctl::SendTo1).value, Form::kChecked) << "RV731Q-40K keeps Cloudnest as value 3";
    EXPECT_EQ(control(form, Ctl::SendTo1).label, "Cloudnest");
    EXPECT_EQ(control(form, Ctl::MaxNumber).value, 100) << "beyond the list shows Unlimited";
    form.click(Ctl::SendTo2);
    CameraSettings stored = settings;
    std::string sound;
    form.store(stored, sound);
    EXPECT_EQ(stored.value(K::SendTo), 0) << "\"MMS\" is value 0";
    EXPECT_EQ(stored.value(K::MaxNumber), 100);

    // Three 4G models count the send mode from " Daily Report".
    const ModelDescriptor& tq160 = model("TQ160-E");
    CameraSettings batch = defaults(tq160);
    batch.setValue(K::SendMode, -1);
    Form fromBatch(tq160, batch, "", messages, clock);
    EXPECT_EQ(control(fromBatch, Ctl::SendMode1).value, Form::kChecked);
    EXPECT_FALSE(control(fromBatch, Ctl::SendMode1).enabled);
    fromBatch.click(Ctl::SendMode3);
    EXPECT_TRUE(control(fromBatch, Ctl::MaxNumber).enabled);
    EXPECT_FALSE(control(fromBatch, Ctl::SendTimeHour).enabled);
    fromBatch.store(batch, sound);
    EXPECT_EQ(batch.value(K::SendMode), 1) << "\" Instant\" is 1 here";
}

TEST_F(CameraDialogFormTest, TimeLapseAndPirTriggerAreNeverBothOff)
{
    // TQ160-E's PIR Trigger list starts with "OFF".
    const ModelDescriptor& tq160 = model("TQ160-E");
    Form form(tq160, defaults(tq160), "", messages, clock);
    ASSERT_EQ(control(form, Ctl::TimeLapse).value, 0);
    form.choose(Ctl::PirTrigger, 0);
    EXPECT_EQ(control(form, Ctl::PirTrigger).value, 1) << "refused: back to the last accepted";
    ASSERT_EQ(messages.texts().size(), 1u);
    EXPECT_EQ(messages.texts()[0],
              "The status of \"PIR Tirgger\" and \"Time Lapse\" can not be \"OFF\" at the same time !");
    form.choose(Ctl::TimeLapse, 2);
    form.choose(Ctl::PirTrigger, 0);
    EXPECT_EQ(control(form, Ctl::PirTrigger).value, 0);
    EXPECT_EQ(messages.texts().size(), 1u);
    EXPECT_TRUE(form.edited());
}

TEST_F(CameraDialogFormTest, SmsControlOnAsksAndCancelTurnsItBack)
{
    const ModelDescriptor& tq270 = model("TQ270");
    Form form(tq270, defaults(tq270), "", messages, clock);
    messages.answerNext(MessageAnswer::Cancel);
    form.choose(Ctl::SmsControl, 1);
    EXPECT_EQ(control(form, Ctl::SmsControl).value, 0);
    form.choose(Ctl::SmsControl, 1);
    EXPECT_EQ(control(form, Ctl::SmsControl).value, 1);
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text,
              "Electricity will consume faster if open the 4G communications functions, sure ?");

    const ModelDescriptor& rv610 = model("RV610W-16kXS");
    Form group1(rv610, defaults(rv610), "", messages, clock);
    group1.choose(Ctl::SmsControl, 1);
    EXPECT_EQ(messages.shown().back().text,
              "Electricity will consume faster if open the 3G communications functions, sure ?");
}

TEST_F(CameraDialogFormTest, GameCallOffDropsTheChosenSound)
{
    const ModelDescriptor& tq270 = model("TQ270");
    CameraSettings settings = defaults(tq270);
    Form form(tq270, settings, "", messages, clock);
    EXPECT_FALSE(control(form, Ctl::AddAudio).enabled);
    EXPECT_EQ(control(form, Ctl::AudioPath).text, CameraDialogRules::GameCallAudioChoice::kHint);
    form.choose(Ctl::GameCall, 1);
    EXPECT_TRUE(control(form, Ctl::AddAudio).enabled);
    form.chooseAudio("call.mp3");
    EXPECT_EQ(control(form, Ctl::AudioPath).text, "call.mp3");
    std::string sound;
    form.store(settings, sound);
    EXPECT_EQ(sound, "call.mp3");
    EXPECT_EQ(settings.value(K::GameCall), 1);

    form.choose(Ctl::GameCall, 0);
    EXPECT_EQ(control(form, Ctl::AudioPath).text, CameraDialogRules::GameCallAudioChoice::kHint);
    form.store(settings, sound);
    EXPECT_EQ(sound, "");

    // A switch the model disables cannot be turned on.
    const ModelDescriptor& tq355 = model("TQ355");
    Form off(tq355, defaults(tq355), "", messages, clock);
    off.choose(Ctl::GameCall, 1);
    EXPECT_EQ(control(off, Ctl::GameCall).value, 0);
    EXPECT_FALSE(off.edited());
}

TEST_F(CameraDialogFormTest, ClockIsSetOnSaveOrPicked)
{
    const ModelDescriptor& tq270 = model("TQ270");
    CameraSettings settings = defaults(tq270);
    Form fromDefaults(tq270, settings, "", messages, clock);
    EXPECT_EQ(control(fromDefaults, Ctl::SetClock).value, Form::kChecked);
    EXPECT_FALSE(control(fromDefaults, Ctl::ClockDate).enabled);
    EXPECT_EQ(control(fromDefaults, Ctl::ClockDate).text, "2024-03-05");
    EXPECT_EQ(control(fromDefaults, Ctl::ClockTime).text, "14:07:09");

    settings.setClockFields({2023, 12, 31, 23, 59, 58});
    settings.setSetClock(false);
    Form stored(tq270, settings, "", messages, clock);
    EXPECT_EQ(control(stored, Ctl::SetClock).value, Form::kUnchecked);
    EXPECT_TRUE(control(stored, Ctl::ClockTime).enabled);
    EXPECT_EQ(control(stored, Ctl::ClockDate).text, "2023-12-31");
    stored.setText(Ctl::ClockDate, "2025-02-28");
    stored.setText(Ctl::ClockTime, "06:30");
    stored.setText(Ctl::ClockTime, "no time");
    std::string sound;
    stored.store(settings, sound);
    EXPECT_EQ(settings.clock(), (LocalDateTime{2025, 2, 28, 6, 30, 0}));
    EXPECT_FALSE(settings.setClock());

    stored.click(Ctl::SetClock);
    EXPECT_EQ(control(stored, Ctl::ClockDate).text, "2024-03-05") << "ticked, the pickers follow the PC";
    stored.store(settings, sound);
    EXPECT_TRUE(settings.setClock());
}

TEST_F(CameraDialogFormTest, WorkDaysAndCameraName)
{
    const ModelDescriptor& tq240 = model("TQ240 SERIES");
    CameraSettings settings = defaults(tq240);
    settings.setValue(K::WorkDay, 64 + 1);
    Form form(tq240, settings, "", messages, clock);
    EXPECT_EQ(control(form, Ctl::SelectAll).value, Form::kIndeterminate);
    form.click(Ctl::SelectAll);
    form.click(Ctl::Monday);
    std::string sound;
    form.store(settings, sound);
    EXPECT_EQ(settings.value(K::WorkDay), 127 - 32);

    const ModelDescriptor& tq480 = model("TQ480-E");
    CameraSettings named = defaults(tq480);
    Form fourG(tq480, named, "", messages, clock);
    fourG.setText(Ctl::CameraName, "Fütterung am Waldrand 7");
    EXPECT_EQ(control(fourG, Ctl::CameraName).text, "Fütterung am Waldra")
        << "20 bytes, as the file keeps them: the ü takes two";
    fourG.store(named, sound);
    EXPECT_EQ(named.cameraName(), "Fütterung am Waldra");
}

} // namespace
