#pragma once

#include "context/NetworkParameters.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class MessageService;

/// The country and operator lists of a main dialog, without a window:
/// what each list box holds and has selected, the remembered indices, and
/// `Mng_OperatorSelection`, which fills the lists, follows the user's
/// choices and copies the chosen operator's preset into the network record.
/// A dialog mirrors the two lists into its list boxes and reports clicks.
class OperatorSelection
{
public:
    enum class Variant
    {
        /// Choosing a country selects its first operator and applies it at once.
        Plain,
        /// Choosing a country selects no operator; "Others......" first
        /// puts the WAP fields back from the loaded copy.
        Encrypted
    };

    static constexpr std::string_view kOthers = "Others......";

    static constexpr int kFill = 0;
    static constexpr int kCountryChanged = 1;
    static constexpr int kOperatorChanged = 2;
    static constexpr int kApply = 3;

    /// One list box: its items in display order and the selected row (-1: none).
    struct List
    {
        std::vector<std::string> items;
        int selected = -1;

        [[nodiscard]] std::string textAt(int row) const;
        [[nodiscard]] std::string selectedText() const { return textAt(selected); }
    };

    /// Runs the network dialog in its user-defined mode; true when the user
    /// confirmed it with OK.
    using UserDefinedDialog = std::function<bool()>;

    /// `className` names the dialog in the "Invalid call" message.
    OperatorSelection(NetworkParameters& current, const NetworkParameters& loadedCopy,
                      MessageService& messages, std::string className, Variant variant);

    void setUserDefinedDialog(UserDefinedDialog dialog) { m_userDefined = std::move(dialog); }

    [[nodiscard]] const List& countries() const { return m_countries; }
    [[nodiscard]] const List& operators() const { return m_operators; }
    [[nodiscard]] int countryIndex() const { return m_countryIndex; }
    [[nodiscard]] int operatorIndex() const { return m_operatorIndex; }
    [[nodiscard]] bool keepSmtpSecurity() const { return m_keepSmtpSecurity; }
    [[nodiscard]] const std::string& savedSmtpSecurity() const { return m_savedSmtpSecurity; }

    /// Mode 0 fill, 1 country changed, 2 operator changed, 3 apply; 1 on
    /// success, 0 for a mode it does not know.
    int Mng_OperatorSelection(int mode);

    /// The user changed a list's selection to `row` (-1: none): mode 1 (2),
    /// then mode 3. An empty selection changes nothing.
    void countrySelectionChanged(int row);
    void operatorSelectionChanged(int row);

    /// True while the record stands for a chosen preset: a country and an
    /// operator are selected and neither is "Others......".
    [[nodiscard]] bool changeWatch() const;
    /// The user edited the sending-mail fields of a preset: the lists no
    /// longer stand for it.
    void forgetPreset();

private:
    void countryChanged();
    void operatorChanged();
    void apply();
    void fillOperators(int countrySlot);
    void clearSelection();
    [[nodiscard]] bool runUserDefinedDialog();

    NetworkParameters& m_current;
    const NetworkParameters& m_loadedCopy;
    MessageService& m_messages;
    std::string m_className;
    Variant m_variant;
    UserDefinedDialog m_userDefined;

    List m_countries;
    List m_operators;
    int m_countryIndex = -1;
    int m_operatorIndex = -1;
    bool m_keepSmtpSecurity = false;
    std::string m_savedSmtpSecurity = "0";
};
