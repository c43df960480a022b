#pragma once

#include <QString>
#include <QStringList>

// "Next instruction": the watch dumps, then "cont" once jdb has answered
// every dump, or after AnswerWaitMs. jdb answers a dump sent right before
// "cont" only once the program has run on, so the pane would show a later
// value than the one at the stop. An answer is a line holding the watch and
// " = ", which jdb prints for a value and for an unknown name alike.
class NextInstruction {
public:
    static constexpr int AnswerWaitMs = 2000;
    static inline const QString Cont = QStringLiteral("cont");

    // Starts one at nowMs: the commands to send now. With no watches they end
    // in "cont"; otherwise "cont" comes from lineSeen or expired.
    QStringList start(const QStringList& watches, qint64 nowMs);
    bool pending() const { return m_pending; }

    // A line of jdb's output: true when it answers the last dump awaited, and
    // "cont" is to be sent now.
    bool lineSeen(QStringView line);
    // True when the wait is over with dumps unanswered: "cont" is to be sent now.
    bool expired(qint64 nowMs);

private:
    QStringList m_awaited; // watch + " = ", one per dump not yet answered
    qint64 m_deadline = 0;
    bool m_pending = false;
};
