#include "scriptedmessages.h"

ScriptedMessages::ScriptedMessages(int defaultAnswer)
    : m_defaultAnswer(defaultAnswer), m_previous(setMessagePresenter(this))
{
}

ScriptedMessages::~ScriptedMessages()
{
    setMessagePresenter(m_previous);
}

int ScriptedMessages::present(const MessageRequest &request)
{
    m_shown.append(request);
    return m_answers.isEmpty() ? m_defaultAnswer : m_answers.dequeue();
}

QStringList ScriptedMessages::texts() const
{
    QStringList list;
    for (const MessageRequest &r : m_shown)
        list.append(r.text);
    return list;
}
