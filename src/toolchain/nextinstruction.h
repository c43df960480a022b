#pragma once

#include <QString>
#include <QStringList>

// "Next instruction": the watch dumps one at a time, then "cont". jdb runs
// each dump on a thread of its own: dumps sent together print into each
// other's lines and now and then answer with another watch's value ("Shapes.
// name = "Point@7344699f"") or "Current thread isn't suspended.". So a dump
// goes out once the one before is answered, and "cont" once the last is: a
// dump sent right before "cont" would be answered after the program has run
// on. An answer is a line holding the watch and " = ", which jdb prints for a
// value and for an unknown name alike; an object or array answer ends at its
// closing "}". A dump left unanswered for AnswerWaitMs gives up the rest:
// "cont" goes out then.
class NextInstruction {
public:
    static constexpr int AnswerWaitMs = 2000;
    static inline const QString Cont = QStringLiteral("cont");

    // Starts one at nowMs: the commands to send now, the first dump or, with
    // no watches, "cont".
    QStringList start(const QStringList& watches, qint64 nowMs);
    bool pending() const { return m_pending; }

    // A line of jdb's output at nowMs: the commands it lets go now, the next
    // dump or "cont".
    QStringList lineSeen(QStringView line, qint64 nowMs);
    // "cont" when the dump sent last has waited AnswerWaitMs for its answer.
    QStringList expired(qint64 nowMs);

private:
    QStringList sendNext(qint64 nowMs);

    QStringList m_toSend; // watches whose dumps are still to go out
    QString m_awaited;    // watch + " = " of the dump sent last
    bool m_inBlock = false;
    qint64 m_deadline = 0;
    bool m_pending = false;
};
