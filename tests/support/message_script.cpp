#include "message_script.h"

#include "signin/message_seam.h"

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
