#pragma once

#include "app/messages.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// Answers the program's message boxes in tests: records every box shown and
// answers questions from a queue (or with the default answer when it is empty).
// Installs itself for its lifetime.
class ScriptedMessages : public MessagePresenter {
public:
    explicit ScriptedMessages(int defaultAnswer = AnswerYes);
    ~ScriptedMessages() override;

    int present(const MessageRequest &request) override;

    void answerNext(int answer) { m_answers.enqueue(answer); }
    const QList<MessageRequest> &shown() const { return m_shown; }
    QStringList texts() const;
    // The last box shown, or an empty request.
    MessageRequest last() const { return m_shown.isEmpty() ? MessageRequest() : m_shown.last(); }
    int count() const { return int(m_shown.size()); }
    void clear() { m_shown.clear(); }

private:
    int m_defaultAnswer;
    QQueue<int> m_answers;
    QList<MessageRequest> m_shown;
    MessagePresenter *m_previous;
};
