#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The variable tracker's rules, without its dialog.
namespace VarTracker {

inline const QString NoneFound = QStringLiteral("None found!");

// The members that are fields: not empty after trimming and holding neither
// "(" nor ")". An empty result is shown as NoneFound.
QStringList fields(const QStringList& members);

// The watch for a member of the class: the class, ".", and the member's text
// after its last blank ("Counter" and "private int count" give
// "Counter.count"). Nothing for NoneFound.
std::optional<QString> trackedEntry(const QString& className, const QString& member);

// The list as OK stores it: last entry first, so each confirmation reverses it.
QStringList confirmed(const QStringList& entries);

} // namespace VarTracker
