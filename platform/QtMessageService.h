#pragma once

#include "platform/MessageService.h"

class QWidget;

/// Shows each message as a modal QMessageBox over the active window.
class QtMessageService : public MessageService
{
public:
    MessageAnswer show(const Message& message) override;
};
