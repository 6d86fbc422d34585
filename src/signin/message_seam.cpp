#include "signin/message_seam.h"

namespace {
MessageAnswerer &installed()
{
    static MessageAnswerer answerer;
    return answerer;
}
} // namespace

void setMessageAnswerer(MessageAnswerer answerer)
{
    installed() = std::move(answerer);
}

std::optional<int> answerWithoutWindow(const QString &title, const QString &text)
{
    if (!installed())
        return std::nullopt;
    return installed()(title, text);
}

MessageScript::MessageScript(QList<int> queued) : answers(std::move(queued))
{
    setMessageAnswerer([this](const QString &title, const QString &text) {
        titles << title;
        texts << text;
        return answers.isEmpty() ? 6 : answers.takeFirst();
    });
}

MessageScript::~MessageScript()
{
    setMessageAnswerer({});
}
