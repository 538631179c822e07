#include "network/Ipv4AddressEdit.h"

#include "platform/LineEditText.h"

#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

Ipv4AddressEdit::Ipv4AddressEdit(QWidget* parent) : QFrame(parent)
{
    // Drawn like one edit field holding four numbers.
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(0);
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        if (i > 0) {
            auto* dot = new QLabel(QStringLiteral("."), this);
            dot->setBackgroundRole(QPalette::Base);
            layout->addWidget(dot);
        }
        auto* edit = new QLineEdit(this);
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(3);
        edit->setValidator(new QIntValidator(0, 255, edit));
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, i](const QString& text) {
            if (text.size() == 3 && i + 1 < m_fields.size())
                focusField(i + 1);
        });
        layout->addWidget(edit, 1);
        m_fields[i] = edit;
    }
    setFocusProxy(m_fields[0]);
    LineEditText::makeSingleLine(this);
}

void Ipv4AddressEdit::setParts(const NetworkDialogRules::Ipv4Parts& parts)
{
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        m_fields[i]->setText(QString::number(parts[i]));
}

NetworkDialogRules::Ipv4Parts Ipv4AddressEdit::parts() const
{
    NetworkDialogRules::Ipv4Parts parts{};
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        parts[i] = std::clamp(m_fields[i]->text().toInt(), 0, 255);
    return parts;
}

void Ipv4AddressEdit::clear()
{
    for (QLineEdit* edit : m_fields)
        edit->clear();
}

bool Ipv4AddressEdit::isBlank() const
{
    return std::all_of(m_fields.begin(), m_fields.end(),
                       [](const QLineEdit* e) { return e->text().isEmpty(); });
}

void Ipv4AddressEdit::focusField(std::size_t index)
{
    m_fields[index]->setFocus();
    m_fields[index]->selectAll();
}

bool Ipv4AddressEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (watched != m_fields[i])
                continue;
            if (key->key() == Qt::Key_Period) {
                if (i + 1 < m_fields.size() && !m_fields[i]->text().isEmpty())
                    focusField(i + 1);
                return true;
            }
            if (key->key() == Qt::Key_Backspace && m_fields[i]->text().isEmpty() && i > 0) {
                focusField(i - 1);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}
