#include "platform/MessageService.h"

MessageAnswer MessageService::error(const std::string& text, const std::string& title)
{
    return show({text, title, MessageIcon::Error, MessageButtons::Ok});
}

MessageAnswer MessageService::warning(const std::string& text, const std::string& title)
{
    return show({text, title, MessageIcon::Warning, MessageButtons::Ok});
}

MessageAnswer MessageService::information(const std::string& text, const std::string& title)
{
    return show({text, title, MessageIcon::Information, MessageButtons::Ok});
}

MessageAnswer MessageService::question(const std::string& text, const std::string& title)
{
    return show({text, title, MessageIcon::Question, MessageButtons::OkCancel});
}

MessageAnswer RecordingMessageService::show(const Message& message)
{
    m_shown.push_back(message);
    // Only a question can be answered: an OK-only box leaves the script alone.
    if (message.buttons == MessageButtons::Ok || m_script.empty())
        return MessageAnswer::Ok;
    const MessageAnswer answer = m_script.front();
    m_script.pop_front();
    return answer;
}

std::vector<std::string> RecordingMessageService::texts() const
{
    std::vector<std::string> out;
    for (const Message& m : m_shown)
        out.push_back(m.text);
    return out;
}
