#pragma once

#include "platform/MessageService.h"

#include <emscripten/val.h>

#include <optional>
#include <vector>

/// "error", "warning", "information" or "question", as the page styles them.
[[nodiscard]] const char* messageIconName(MessageIcon icon);

/// Messages in the browser: a question goes to the page's `ask` function
/// (the browser's own modal confirm box), which answers it at once; the
/// other messages are kept until the page takes them for its status line.
class WebMessageService : public MessageService
{
public:
    explicit WebMessageService(emscripten::val ask) : m_ask(std::move(ask)) {}

    MessageAnswer show(const Message& message) override;

    /// The next question is answered so without asking: the user's click
    /// that started the flow was the answer.
    void answerNextQuestion(MessageAnswer answer) { m_answer = answer; }
    /// The messages shown since the last take, oldest first.
    [[nodiscard]] std::vector<Message> take();

private:
    emscripten::val m_ask;
    std::optional<MessageAnswer> m_answer;
    std::vector<Message> m_pending;
};
