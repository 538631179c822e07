#include "web/WebMessageService.h"

const char* messageIconName(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Error:
        return "error";
    case MessageIcon::Warning:
        return "warning";
    case MessageIcon::Question:
        return "question";
    case MessageIcon::Information:
        break;
    }
    return "information";
}

MessageAnswer WebMessageService::show(const Message& message)
{
    if (message.buttons == MessageButtons::Ok) {
        m_pending.push_back(message);
        return MessageAnswer::Ok;
    }
    if (m_answer) {
        const MessageAnswer answer = *m_answer;
        m_answer.reset();
        return answer;
    }
    const bool ok = m_ask(message.text, message.title, std::string(messageIconName(message.icon))).as<bool>();
    return ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

std::vector<Message> WebMessageService::take()
{
    std::vector<Message> out;
    out.swap(m_pending);
    return out;
}
