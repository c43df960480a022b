#pragma once

#include <QtGlobal>

#include <vector>

// The process groups of the programs this program has started and that may
// still run. Every child is started in a group of its own (its process id
// is the group's id), so a signal to the group reaches whatever the child
// started in turn; quitting ends every group here, so nothing runs on
// unseen. Safe to use from any thread.
namespace ProcessGroups {

void add(qint64 groupId);
void remove(qint64 groupId);
std::vector<qint64> all();

// True while any process of the group exists.
bool alive(qint64 groupId);
// Sends `signalNumber` to every process of the group; false when it has
// none left.
bool signal(qint64 groupId, int signalNumber);

// SIGTERM to every group, then SIGKILL to those that still have a process
// after `graceMs`. Returns how many needed SIGKILL.
int endAll(int graceMs);

// Starts a small helper process that outlives this one only to SIGKILL the
// groups still listed here once this process is gone, however it ended: a
// crash or `kill -9` leaves no signal handler to run, and what a program
// started would run on unseen. Call once, early, before any thread starts.
// False when the helper could not be started (nothing else changes).
bool startWatchdog();
// A clean end: the helper ends the groups still listed and is waited for.
void stopWatchdog();

} // namespace ProcessGroups
