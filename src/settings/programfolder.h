#pragma once

#include <QString>

// The program folder: where the executable, Vornic.ini and the data files
// (completion/, colors/, customlang/, dictionaries/, help/, tips.txt) live.
// The environment variable VORNIC_HOME, when set, replaces it. Every path of
// the program's own files is asked of these two functions.
QString programFolder();
QString programFile(const QString& relativePath);
