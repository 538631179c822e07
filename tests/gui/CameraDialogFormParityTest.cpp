#include "camera/CameraDialogForm.h"
#include "models/CameraLayoutKeys.h"

#include "CameraDialogFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>

#include <memory>

namespace {

using Form = CameraDialogForm;

// The web page's camera form and the desktop's camera dialog are two front
// ends over the same tables and rules; this holds them to one another, so
// that neither can drift: for every model, with the defaults and with a
// record in use, both show the same controls in the same state, and both
// store the same record.
class CameraDialogFormParityTest : public CameraDialogFixture
{
protected:
    /// A record as a card in use holds it: every key of the layout at a
    /// value other than its default, a picked clock, some work days.
    static CameraSettings inUse(const ModelDescriptor& model)
    {
        CameraSettings record;
        applyCameraDefaults(model, record);
        for (std::size_t i = 0; i < kCameraKeyCount; ++i) {
            const auto key = static_cast<CameraKey>(i);
            if (modelHasCameraKey(model, key))
                record.setValue(key, record.value(key) == 1 ? 2 : 1);
        }
        record.setValue(CameraKey::WorkDay, 128 + 64 + 8 + 2); // a bit no box shows
        record.setClockFields({2024, 2, 29, 10, 11, 12});
        record.setSetClock(false);
        return record;
    }

    void compare(const Form& form, QDialog& dialog, const std::string& what)
    {
        for (const Form::Control& c : form.controls()) {
            SCOPED_TRACE(what + ", control " + std::to_string(c.ctrlId) + " " + c.name);
            auto* widget = control<QWidget>(&dialog, c.ctrlId);
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(c.visible, !widget->isHidden());
            EXPECT_EQ(c.enabled, widget->isEnabledTo(&dialog));
            switch (c.kind) {
            case Form::Kind::List: {
                auto* list = qobject_cast<QComboBox*>(widget);
                ASSERT_NE(list, nullptr);
                std::vector<std::string> items;
                for (int i = 0; i < list->count(); ++i)
                    items.push_back(list->itemText(i).toStdString());
                EXPECT_EQ(c.items, items);
                EXPECT_EQ(c.value, list->currentIndex());
                break;
            }
            case Form::Kind::Radio:
                EXPECT_EQ(c.value == 1, qobject_cast<QAbstractButton*>(widget)->isChecked());
                break;
            case Form::Kind::Check: {
                const Qt::CheckState state = qobject_cast<QCheckBox*>(widget)->checkState();
                EXPECT_EQ(c.value, state == Qt::Checked ? Form::kChecked
                                   : state == Qt::PartiallyChecked ? Form::kIndeterminate
                                                                   : Form::kUnchecked);
                break;
            }
            case Form::Kind::Edit:
                EXPECT_EQ(c.text, qobject_cast<QLineEdit*>(widget)->text().toStdString());
                break;
            case Form::Kind::Date:
                EXPECT_EQ(c.text, qobject_cast<QDateTimeEdit*>(widget)->date().toString(Qt::ISODate).toStdString());
                break;
            case Form::Kind::Time:
                EXPECT_EQ(c.text, qobject_cast<QDateTimeEdit*>(widget)->time().toString(Qt::ISODate).toStdString());
                break;
            case Form::Kind::Button:
                break;
            }
        }
    }
};

TEST_F(CameraDialogFormParityTest, EveryModelsFormShowsAndStoresWhatItsDialogDoes)
{
    for (const ModelDescriptor& model : ModelCatalogue::all()) {
        for (const bool used : {false, true}) {
            const std::string what = std::string(model.listEntry) + (used ? ", in use" : ", defaults");
            CameraSettings record;
            applyCameraDefaults(model, record);
            if (used)
                record = inUse(model);
            settings() = record;
            context->records().gameCallAudioPath.clear();

            Form form(model, record, "", messages, clock);
            auto dialog = openCameraDialog(model);
            compare(form, *dialog, what);

            CameraSettings stored = record;
            std::string sound;
            form.store(stored, sound);
            confirm(dialog.get());
            for (std::size_t i = 0; i < kCameraKeyCount; ++i) {
                const auto key = static_cast<CameraKey>(i);
                EXPECT_EQ(stored.value(key), settings().value(key)) << what << ": " << cameraKeyName(key);
            }
            EXPECT_EQ(stored.setClock(), settings().setClock()) << what;
            EXPECT_EQ(stored.cameraName(), settings().cameraName()) << what;
            EXPECT_EQ(sound, context->records().gameCallAudioPath) << what;
        }
    }
}

} // namespace
