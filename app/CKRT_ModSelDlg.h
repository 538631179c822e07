#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class AppContext;
class QCheckBox;
class QComboBox;
struct ModelDescriptor;

namespace Ui {
class CKRT_ModSelDlg;
}

/// The start-up dialog: the user picks the camera model, OK opens that
/// model's main dialog, and the choice may be remembered for the next start.
class CKRT_ModSelDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kProductListId = 1000;
    static constexpr int kRememberCheckId = 1001;
    static constexpr int kPictureId = 1002;

    /// Runs the main dialog of the chosen model modally and returns when it
    /// closes.
    using MainDialogRunner = std::function<void(const ModelDescriptor& model, const std::string& listEntry)>;

    CKRT_ModSelDlg(AppContext& context, MainDialogRunner runMainDialog, QWidget* parent = nullptr);
    ~CKRT_ModSelDlg() override;

    int Mng_RegistryValue(int mode, int listId, int checkId);
    void Mng_JumpToMain();
    void updatePicture();

private:
    void onOk();
    void resetChoice();
    [[nodiscard]] QComboBox* productList() const;
    [[nodiscard]] QCheckBox* rememberBox() const;

    std::unique_ptr<Ui::CKRT_ModSelDlg> m_ui;
    AppContext& m_context;
    MainDialogRunner m_runMainDialog;
    bool m_ended = false;
};
