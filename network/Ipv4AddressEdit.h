#pragma once

#include "network/NetworkDialogRules.h"

#include <QFrame>

#include <array>

class QLineEdit;

/// An IPv4 address as four number fields of 0..255 between dots, like the
/// system's address control: a blank field counts as 0, a dot or a third
/// digit moves on to the next field.
class Ipv4AddressEdit : public QFrame
{
    Q_OBJECT

public:
    explicit Ipv4AddressEdit(QWidget* parent = nullptr);

    void setParts(const NetworkDialogRules::Ipv4Parts& parts);
    [[nodiscard]] NetworkDialogRules::Ipv4Parts parts() const;
    void clear();
    /// True when all four fields are blank.
    [[nodiscard]] bool isBlank() const;
    [[nodiscard]] QLineEdit* field(int index) const { return m_fields[static_cast<std::size_t>(index)]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusField(std::size_t index);

    std::array<QLineEdit*, 4> m_fields{};
};
