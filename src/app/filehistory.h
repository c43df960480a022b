#pragma once

#include "settings/result.h"

#include <QString>
#include <QStringList>

#include <functional>

class IniFile;

// What the Reopen menu lists between "(empty)" and "Clear List".
struct ReopenMenuItems {
    QStringList paths;      // top of the menu first
    bool emptyShown = true; // the disabled "(empty)" item is visible
};

// What reopening a history item does: open it, or show `message`
// (Information, OK) and open nothing.
struct ReopenDecision {
    enum class Action { Open, AlreadyOpen };
    Action action = Action::Open;
    QString message;
};

// The remembered files behind the Reopen menu: up to 20 full paths in the
// [History] section of the settings file, written in rotation so that the
// newest overwrites the oldest. The settings file is read at each call.
class FileHistory {
public:
    static constexpr int MaxFiles = 20;
    using FileExists = std::function<bool(const QString& path)>;
    using OpenByName = std::function<bool(const QString& fileName)>;

    explicit FileHistory(IniFile& settings) : m_ini(settings) {}

    // At start the menu is filled only when the settings file exists and
    // has recorded a Count before.
    bool filledAtStart() const;
    // Records the path unless a slot already holds it (letter case counts).
    Result<void> SaveFileHistory(const QString& path);
    // The rebuilt menu: slots 1 to Count that name existing files, the slot
    // read last on top; "(empty)" hidden.
    ReopenMenuItems LoadHistFromFile(const FileExists& exists = isExistingFile) const;
    // "Clear List" after the user said Yes: erases the section, empties the
    // menu and shows "(empty)". On a write error the menu stays as it is.
    Result<void> ClearList(ReopenMenuItems& menu);

    // Puts the path on top unless the menu lists it (letter case ignored);
    // true when an item was added.
    static bool AddFileToHist(ReopenMenuItems& menu, const QString& path);
    // `allreadyOpen` is asked with the file name part of the path.
    static ReopenDecision LoadHistFile(const QString& path, const OpenByName& allreadyOpen);
    static QString clearQuestion();
    static bool isExistingFile(const QString& path);

private:
    IniFile& m_ini;
};
